// TSpeedButton: the four states under the mouse, groups, the glyph strip
// and the classic painting.
#include "gui_fixture.h"
#include "platform/gui/buttons.h"
#include "platform/gui/canvas.h"
#include "platform/gui/graphics.h"

namespace {

struct SpeedButtonTest : GuiTest {
    TBox* root = new TBox(nullptr);
    EventLog log;

    SpeedButtonTest()
    {
        root->SetName("Root");
        root->SetBounds(0, 0, 200, 100);
        root->SetColor(clWhite);
    }
    ~SpeedButtonTest() override { delete root; }

    TSpeedButton* Make(const char* Name, int L, int T, int W = 30, int H = 24)
    {
        auto* b = MakeControl<TSpeedButton>(root, root, Name, L, T, W, H);
        b->OnClick = [this, Name](TObject*) { log.Add(std::string(Name) + ".Click"); };
        return b;
    }
};

// A strip of squares of Size pixels, square i filled with Colors[i], the
// lower-left pixel of each square in clOlive (the strip's lower-left pixel
// is the transparent key).
std::unique_ptr<TBitmap> Strip(int Size, const std::vector<TColor>& Colors)
{
    auto bmp = std::make_unique<TBitmap>(Size * int(Colors.size()), Size);
    for (size_t i = 0; i < Colors.size(); ++i) {
        bmp->Canvas().Brush().SetColor(Colors[i]);
        bmp->Canvas().FillRect(Bounds(int(i) * Size, 0, Size, Size));
    }
    for (size_t i = 0; i < Colors.size(); ++i)
        bmp->Canvas().SetPixels(int(i) * Size, Size - 1, clOlive);
    return bmp;
}

const char* StateName(TButtonState S)
{
    switch (S) {
    case bsUp: return "up";
    case bsDisabled: return "disabled";
    case bsDown: return "down";
    case bsExclusive: return "exclusive";
    }
    return "?";
}

}  // namespace

TEST_F(SpeedButtonTest, PressMoveAndReleaseGoThroughTheStatesAndClickOnlyInside)
{
    TSpeedButton* b = Make("B", 10, 10);
    std::vector<std::string> seen;
    auto note = [&] { seen.push_back(StateName(b->State())); };
    TestKit::MouseDown(b, 5, 5);
    note();
    TestKit::MouseMove(b, 50, 5, {ssLeft});  // out: up again
    note();
    TestKit::MouseMove(b, 6, 6, {ssLeft});  // back in
    note();
    TestKit::MouseUp(b, 6, 6);
    note();
    EXPECT_EQ(seen, (std::vector<std::string>{"down", "up", "down", "up"}));
    EXPECT_EQ(log.lines, (std::vector<std::string>{"B.Click"}));
    EXPECT_EQ(GetCaptureControl(), nullptr);

    // Released outside: no click.
    log.Clear();
    TestKit::MouseDown(b, 5, 5);
    TestKit::MouseMove(b, 50, 5, {ssLeft});
    TestKit::MouseUp(b, 50, 5);
    EXPECT_EQ(b->State(), bsUp);
    EXPECT_TRUE(log.lines.empty());

    // The right button and a disabled button do nothing.
    TestKit::Click(b, 5, 5, {}, mbRight);
    b->SetEnabled(false);
    TestKit::Click(b, 5, 5);
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(SpeedButtonTest, AGroupKeepsOneButtonDownAndAllowAllUpLetsTheLastOneUp)
{
    TSpeedButton* a = Make("A", 0, 0);
    TSpeedButton* b = Make("B", 40, 0);
    TSpeedButton* other = Make("Other", 80, 0);
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    other->SetGroupIndex(2);
    other->SetDown(true);

    TestKit::Click(a, 5, 5);
    EXPECT_TRUE(a->Down());
    EXPECT_EQ(a->State(), bsExclusive);
    TestKit::Click(b, 5, 5);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(a->State(), bsUp);
    EXPECT_TRUE(other->Down()) << "another group is left alone";
    // The last one down stays down ...
    TestKit::Click(b, 5, 5);
    EXPECT_TRUE(b->Down());
    EXPECT_EQ(b->State(), bsExclusive);
    // ... unless AllowAllUp (told to the whole group).
    a->SetAllowAllUp(true);
    EXPECT_TRUE(b->AllowAllUp());
    TestKit::Click(b, 5, 5);
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(b->State(), bsUp);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"A.Click", "B.Click", "B.Click", "B.Click"}));

    // Down means nothing without a group.
    TSpeedButton* plain = Make("Plain", 120, 0);
    plain->SetDown(true);
    EXPECT_FALSE(plain->Down());
}

TEST_F(SpeedButtonTest, GlyphStripPicksTheImageOfEachStateWithItsFallbacks)
{
    TSpeedButton* b = Make("B", 0, 0);
    const TColor up = clRed, dis = clLime, down = clBlue, excl = clYellow;
    struct Case {
        int count;
        TButtonState state;
        TColor expected;  // the colour of the image's centre
    };
    const Case cases[] = {
        {4, bsUp, up},   {4, bsDisabled, dis}, {4, bsDown, down}, {4, bsExclusive, excl},
        {3, bsExclusive, down}, {2, bsDown, up}, {2, bsDisabled, dis}, {1, bsExclusive, up},
    };
    const std::vector<TColor> all{up, dis, down, excl};
    for (const Case& c : cases) {
        auto strip = Strip(8, std::vector<TColor>(all.begin(), all.begin() + c.count));
        b->SetGlyph(strip.get());
        EXPECT_EQ(b->NumGlyphs(), c.count) << "NumGlyphs from the strip's width";
        struct Probe : TSpeedButton {
            using TSpeedButton::GlyphImage;
        };
        const QImage img = static_cast<Probe*>(b)->GlyphImage(c.state);
        ASSERT_EQ(img.width(), 8);
        EXPECT_EQ(FromQColor(QColor(img.pixel(4, 4))), c.expected) << c.count << " " << StateName(c.state);
        // The key colour of the lower-left pixel is left out.
        EXPECT_EQ(qAlpha(img.pixel(0, 7)), 0);
    }
    // One image: the disabled one is embossed from it (dark pixels in the
    // shadow colour, their highlight one pixel down and right).
    TBitmap one(8, 8);
    one.Canvas().Brush().SetColor(clOlive);
    one.Canvas().FillRect(Rect(0, 0, 8, 8));
    one.Canvas().Brush().SetColor(clBlack);
    one.Canvas().FillRect(Rect(1, 1, 5, 5));
    b->SetGlyph(&one);
    struct Probe : TSpeedButton {
        using TSpeedButton::GlyphImage;
    };
    const QImage dimg = static_cast<Probe*>(b)->GlyphImage(bsDisabled);
    EXPECT_EQ(FromQColor(QColor(dimg.pixel(2, 2))), ColorToRGB(clBtnShadow));
    EXPECT_EQ(FromQColor(QColor(dimg.pixel(5, 5))), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(qAlpha(dimg.pixel(6, 6)), 0);
    // A glyph that is no whole strip keeps the count; a count out of 1..4 is ignored.
    b->SetNumGlyphs(5);
    EXPECT_EQ(b->NumGlyphs(), 1);
    TBitmap odd(10, 4);
    b->SetGlyph(&odd);
    EXPECT_EQ(b->NumGlyphs(), 1);
}

TEST_F(SpeedButtonTest, ClassicAndFlatPaintingByState)
{
    TSpeedButton* b = Make("B", 0, 0, 30, 24);
    auto strip = Strip(8, {clRed});
    b->SetGlyph(strip.get());
    auto px = [&](int X, int Y) { return FromQColor(QColor(TestKit::RenderToImage(b).pixel(X, Y))); };
    // Classic up: the push-button frame (light top-left), glyph centred in
    // the inside: (30-4-8+1)/2 + 2 = 11, (24-4-8+1)/2 + 2 = 8.
    EXPECT_EQ(px(0, 0), ColorToRGB(cl3DLight));
    EXPECT_EQ(px(1, 1), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(px(15, 14), ColorToRGB(clRed));
    EXPECT_EQ(px(11, 10), ColorToRGB(clRed));
    EXPECT_NE(px(11, 17), ColorToRGB(clRed)) << "the key colour is transparent";
    // Pressed: the frame is pushed and the glyph moves one pixel right and down.
    TestKit::MouseDown(b, 5, 5);
    EXPECT_EQ(px(0, 0), ColorToRGB(clBtnShadow));
    EXPECT_NE(px(11, 10), ColorToRGB(clRed));
    EXPECT_EQ(px(12, 11), ColorToRGB(clRed));
    TestKit::MouseUp(b, 5, 5);

    // Flat: no frame until hot; hot shows the raised inner edge.
    b->SetFlat(true);
    EXPECT_EQ(px(0, 0), ColorToRGB(clWhite)) << "the parent shows through";
    TestKit::MouseMove(b, 5, 5);
    EXPECT_TRUE(b->MouseInControl());
    EXPECT_EQ(px(0, 0), ColorToRGB(clBtnHighlight));
    TestKit::MouseLeave(b);
    EXPECT_FALSE(b->MouseInControl());
    EXPECT_EQ(px(0, 0), ColorToRGB(clWhite));

    // Exclusive (down in a group): sunken edge and the face/highlight dither.
    b->SetGroupIndex(3);
    b->SetDown(true);
    EXPECT_EQ(px(0, 0), ColorToRGB(clBtnShadow));
    const TColor d1 = px(2, 2), d2 = px(3, 2);
    EXPECT_NE(d1, d2);
    EXPECT_TRUE((d1 == ColorToRGB(clBtnFace) && d2 == ColorToRGB(clBtnHighlight)) ||
                (d2 == ColorToRGB(clBtnFace) && d1 == ColorToRGB(clBtnHighlight)));
}

TEST_F(SpeedButtonTest, CaptionSitsBesideTheGlyphByLayout)
{
    TSpeedButton* b = Make("B", 0, 0, 120, 40);
    b->SetFlat(true);
    b->SetCaption("Go");
    b->Font().SetColor(clBlack);
    auto strip = Strip(8, {clRed});
    b->SetGlyph(strip.get());
    // Left of the caption by default, right of it with blGlyphRight.
    // The leftmost column with a pixel of the colour (black: any dark grey,
    // as the caption is smoothed).
    auto leftmost = [&](TColor C) {
        const QImage img = TestKit::RenderToImage(b);
        for (int x = 0; x < img.width(); ++x)
            for (int y = 0; y < img.height(); ++y) {
                const QRgb p = img.pixel(x, y);
                if (C == clBlack ? (qRed(p) < 100 && qGreen(p) < 100 && qBlue(p) < 100)
                                 : FromQColor(QColor(p)) == ColorToRGB(C))
                    return x;
            }
        return -1;
    };
    const int glyphL = leftmost(clRed), textL = leftmost(clBlack);
    EXPECT_LT(glyphL, textL);
    b->SetLayout(blGlyphRight);
    EXPECT_GT(leftmost(clRed), leftmost(clBlack));
    // Margin 0: the glyph at the inside's left edge (1 inside a flat button).
    b->SetLayout(blGlyphLeft);
    b->SetMargin(0);
    EXPECT_EQ(leftmost(clRed), 1);
}
