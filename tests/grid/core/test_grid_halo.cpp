// The focus halo's pieces: the blur's channel rule and kernel reach, the
// blur of whole pictures (a full blur, not only of the halo's mask), the
// rounded-rectangle mask, the premultiplied alpha mask and the window that
// shows it.
#include <gtest/gtest.h>

#include <QWidget>

#include <cmath>
#include <limits>

#include "grid/core/grid_halo.h"
#include "platform/gui/application.h"
#include "platform/gui/forms.h"
#include "platform/gui/stdctrls.h"
#include "platform/testing/test_kit.h"

namespace {

// A 24-bit bitmap, black.
struct Picture : TBitmap {
    Picture(int W, int H) : TBitmap(W, H, pf24bit)
    {
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W * 3; ++x)
                ScanLine(y)[x] = 0;
    }
};

void setPixel(TBitmap& B, int X, int Y, uint8_t Blue, uint8_t Green, uint8_t Red)
{
    uint8_t* p = B.ScanLine(Y) + X * 3;
    p[0] = Blue;
    p[1] = Green;
    p[2] = Red;
}

// The red byte (the mask's value) of a 24-bit pixel.
int red(const TBitmap& B, int X, int Y) { return B.ScanLine(Y)[X * 3 + 2]; }

QByteArray bytes(const TBitmap& B)
{
    QByteArray r;
    for (int y = 0; y < B.Height(); ++y)
        r.append(reinterpret_cast<const char*>(B.ScanLine(y)), B.Width() * (B.PixelFormat() == pf24bit ? 3 : 4));
    return r;
}

}  // namespace

TEST(GridHaloBlur, ChannelSumsBecomeBytes)
{
    const struct {
        double sum;
        int byte;
    } cases[] = {
        {255.0, 255}, {254.9, 254}, {-0.001, 0}, {-40.0, 0}, {300.0, 255}, {0.0, 0}, {127.999, 127}, {1.0, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GridHalo::BlurChannel(c.sum), c.byte) << c.sum;
}

TEST(GridHaloBlur, KernelReachFollowsTheRadius)
{
    const struct {
        double radius;
        int half;
    } cases[] = {{0.5, 1}, {3.0, 8}, {5.0, 9}, {100.0, 9}};
    for (const auto& c : cases)
        EXPECT_EQ(GridHalo::BlurKernelHalfWidth(c.radius), c.half) << c.radius;
}

TEST(GridHaloBlur, NoRadiusOrAnotherFormatLeavesThePictureAlone)
{
    Picture b(30, 30);
    setPixel(b, 15, 15, 255, 255, 255);
    const QByteArray before = bytes(b);
    for (double r : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN()}) {
        BlurBitmap24(b, r);
        EXPECT_EQ(bytes(b), before) << r;
    }

    TBitmap wide(10, 10, pf32bit);
    wide.Canvas().Brush().SetColor(clWhite);
    wide.Canvas().FillRect(Rect(0, 0, 5, 5));
    const QByteArray wideBefore = bytes(wide);
    try {
        BlurBitmap24(wide, 3.0);
        ADD_FAILURE() << "a 32-bit bitmap was blurred";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Blur only works for 24-bit bitmaps"));
    }
    EXPECT_EQ(bytes(wide), wideBefore);
}

// A dot in the middle of a large picture (where a blur that copied the
// middle rows and columns from row and column 15 would wipe it) spreads
// evenly in every direction and no further than the kernel reaches.
TEST(GridHaloBlur, BlursEveryRowAndColumn)
{
    Picture b(61, 61);
    setPixel(b, 30, 30, 0, 0, 255);
    BlurBitmap24(b, 3.0);
    const int centre = red(b, 30, 30);
    EXPECT_GT(centre, 0);
    EXPECT_LT(centre, 255);
    for (int d = 1; d <= 8; ++d) {
        EXPECT_EQ(red(b, 30 - d, 30), red(b, 30 + d, 30)) << d;
        EXPECT_EQ(red(b, 30, 30 - d), red(b, 30 + d, 30)) << d;
        EXPECT_LE(red(b, 30 + d, 30), red(b, 30 + d - 1, 30)) << d;
    }
    EXPECT_EQ(red(b, 30 + 9, 30), 0);
    EXPECT_EQ(red(b, 30, 30 + 9), 0);
    // Only the red channel was lit.
    EXPECT_EQ(b.ScanLine(30)[30 * 3], 0);
    EXPECT_EQ(b.ScanLine(30)[30 * 3 + 1], 0);

    // A uniform picture stays uniform up to the truncation of the sums.
    Picture grey(25, 25);
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 25; ++x)
            setPixel(grey, x, y, 100, 100, 100);
    BlurBitmap24(grey, 5.0);
    for (int y = 0; y < 25; y += 6)
        for (int x = 0; x < 25; x += 6)
            EXPECT_NEAR(red(grey, x, y), 100, 1) << x << "," << y;
}

// The halo's mask: its middle rows all filter like row 15 and its middle
// columns like column 15, so the full blur gives what a blur of the edges
// alone would.
TEST(GridHaloBlur, HaloMaskHasAUniformMiddle)
{
    TBitmap mask;
    CreateRoundRectMask(mask, 90, 50, 4, 5, 3.0);
    ASSERT_EQ(mask.PixelFormat(), pf24bit);
    ASSERT_EQ(mask.Width(), 90);
    ASSERT_EQ(mask.Height(), 50);
    for (int y = 21; y < 50 - 20; ++y)
        for (int x = 0; x < 90; ++x)
            ASSERT_EQ(red(mask, x, y), red(mask, x, 15)) << x << "," << y;
    for (int x = 21; x < 90 - 20; ++x)
        for (int y = 0; y < 50; ++y)
            ASSERT_EQ(red(mask, x, y), red(mask, 15, y)) << x << "," << y;
    // Soft: the outline's light fades towards the corner and the centre.
    EXPECT_GT(red(mask, 45, 4), red(mask, 45, 12));
    EXPECT_GT(red(mask, 45, 12), 0);
    EXPECT_EQ(red(mask, 45, 25), 0);
}

TEST(GridHaloMask, RoundRectBeforeTheBlur)
{
    TBitmap outline;
    outline.Canvas().Pen().SetColor(clRed);
    outline.Canvas().Brush().SetColor(clBlue);
    CreateRoundRectMask(outline, 40, 24, 4, 5, 0);
    EXPECT_EQ(outline.PixelFormat(), pf24bit);
    const struct {
        int x, y, value;
    } outlineCases[] = {
        {0, 0, 0},    {1, 1, 0},    {39, 23, 0},  {38, 0, 0},   // outside the rectangle
        {2, 2, 0},   {3, 3, 255},                                // the rounded corner leaves the very corner out
        {20, 4, 255}, {20, 19, 255}, {4, 12, 255}, {35, 12, 255},  // on the outline, every side
        {20, 12, 0},                                              // an outline only
    };
    for (const auto& c : outlineCases)
        EXPECT_EQ(red(outline, c.x, c.y), c.value) << "outline at " << c.x << "," << c.y;
    // The caller's pen and brush are back.
    EXPECT_EQ(outline.Canvas().Pen().Color(), clRed);
    EXPECT_EQ(outline.Canvas().Pen().Width(), 1);
    EXPECT_EQ(outline.Canvas().Brush().Color(), clBlue);

    TBitmap filled;
    CreateRoundRectMask(filled, 40, 24, 0, 5, 0);
    EXPECT_EQ(red(filled, 20, 12), 255);
    EXPECT_EQ(red(filled, 2, 12), 255);
    EXPECT_EQ(red(filled, 1, 12), 0);
    EXPECT_EQ(red(filled, 2, 2), 0);
    EXPECT_EQ(red(filled, 37, 12), 255);
    EXPECT_EQ(red(filled, 38, 12), 0);
}

TEST(GridHaloMask, MergeMaskPremultipliesByTheMasksRed)
{
    Picture mask(3, 1), colours(3, 1);
    setPixel(mask, 0, 0, 0, 0, 128);
    setPixel(mask, 1, 0, 77, 77, 255);  // only red counts
    setPixel(mask, 2, 0, 255, 255, 0);
    for (int x = 0; x < 3; ++x)
        setPixel(colours, x, 0, 200, 100, 50);
    TGridAlphaMask alpha;
    EXPECT_EQ(alpha.PixelFormat(), pf32bit);
    EXPECT_EQ(alpha.Opacity(), 255);
    alpha.MergeMask(mask, colours);
    ASSERT_EQ(alpha.Width(), 3);
    ASSERT_EQ(alpha.Height(), 1);
    const uint8_t* p = alpha.ScanLine(0);
    const int expected[3][4] = {{100, 50, 25, 128}, {200, 100, 50, 255}, {0, 0, 0, 0}};
    for (int x = 0; x < 3; ++x)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(p[x * 4 + c], expected[x][c]) << "pixel " << x << " byte " << c;
}

TEST(GridHaloMask, MergeMaskRefusesWhatItCannotRead)
{
    TGridAlphaMask alpha;
    alpha.SetSize(2, 2);
    const QByteArray before = bytes(alpha);

    Picture mask(4, 4), colours(4, 4);
    TBitmap wideColours(4, 4, pf32bit), wideMask(4, 4, pf32bit);
    Picture smallMask(2, 2);
    alpha.MergeMask(mask, wideColours);  // colours of another depth
    alpha.MergeMask(smallMask, colours);  // a mask smaller than the colours
    alpha.MergeMask(wideMask, colours);   // a mask of another depth
    EXPECT_EQ(alpha.Width(), 2);
    EXPECT_EQ(bytes(alpha), before);
}

TEST(GridHaloMask, AssignCopiesIntoTheCallersSize)
{
    TGridAlphaMask source;
    source.SetOpacity(90);
    Picture mask(2, 2), colours(2, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) {
            setPixel(mask, x, y, 0, 0, 255);
            setPixel(colours, x, y, 10, 20, 30);
        }
    source.MergeMask(mask, colours);

    // A larger destination: the source's pixels land in its top-left, the
    // rest stays as it was.
    TGridAlphaMask dest;
    dest.SetSize(3, 3);
    const uint8_t corner[4] = {dest.ScanLine(2)[8], dest.ScanLine(2)[9], dest.ScanLine(2)[10], dest.ScanLine(2)[11]};
    dest.Assign(source);
    EXPECT_EQ(dest.Opacity(), 90);
    EXPECT_EQ(dest.Width(), 3);
    EXPECT_EQ(dest.PixelFormat(), pf32bit);
    EXPECT_EQ(dest.ScanLine(1)[4], 10);
    EXPECT_EQ(dest.ScanLine(1)[7], 255);
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(dest.ScanLine(2)[8 + c], corner[c]);

    // Any other bitmap: copied, and the format is 32 bits again.
    TBitmap plain(5, 4, pf24bit);
    TGridAlphaMask fromPlain;
    fromPlain.Assign(plain);
    EXPECT_EQ(fromPlain.Width(), 5);
    EXPECT_EQ(fromPlain.Height(), 4);
    EXPECT_EQ(fromPlain.PixelFormat(), pf32bit);
    EXPECT_EQ(fromPlain.Opacity(), 255);
}

TEST(GridFocusWindow, ATopWindowThatTakesNothing)
{
    TestKit::InputStateScope input;
    TForm form(nullptr);
    form.SetBounds(100, 100, 300, 200);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    form.Show();
    edit->SetFocus();
    ASSERT_TRUE(edit->Focused());

    auto* halo = new TGridFocusWindow(&form);
    EXPECT_EQ(halo->Width(), 0);
    EXPECT_EQ(halo->Height(), 0);
    EXPECT_EQ(halo->Color(), TColor(0x0000FF));
    EXPECT_FALSE(halo->Visible());
    EXPECT_EQ(halo->Parent(), nullptr);
    EXPECT_TRUE(halo->Translucent());
    QWidget* w = halo->Widget();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isWindow());
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowTransparentForInput));
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::FramelessWindowHint));

    halo->SetBounds(150, 130, 60, 30);
    halo->Show();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->geometry(), QRect(150, 130, 60, 30));
    // Showing it moved neither the activation nor the focus.
    EXPECT_EQ(GetActiveForm(), &form);
    EXPECT_TRUE(edit->Focused());
    halo->Hide();
    EXPECT_FALSE(w->isVisible());
    EXPECT_THROW(halo->SetParent(&form), EInvalidOperation);
}
