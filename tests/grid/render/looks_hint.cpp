// The HTML hint window: its size, its place on the monitor, its frame and
// the lines it paints.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include <cstdlib>

#include "grid/core/grid_startup.h"
#include "grid/core/grid_text.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/render/html/html_draw.h"
#include "grid/render/html_hint_window.h"
#include "platform/gui/application.h"
#include "platform/gui/forms.h"
#include "platform/gui/bitmap.h"
#include "platform/testing/monitor_layout.h"
#include "platform/testing/render_png.h"
#include "platform/testing/test_kit.h"

namespace {

struct HintTest : ::testing::Test {
    TestKit::InputStateScope input;
    TestKit::MonitorLayoutScope monitors{{{Rect(0, 0, 1280, 1024), Rect(0, 0, 1280, 1024), true}}};
    TForm owner{nullptr};
    THTMLHintWindow* hint = new THTMLHintWindow(&owner);
    ~HintTest() override { hint->ReleaseHandle(); }

    static void Save(TControl* C, const char* Name)
    {
        if (const char* dir = std::getenv("VYN_RENDER_DIR"))
            TestKit::RenderToPng(C, QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(Name)));
    }
    // Horizontal bands of rows holding dark pixels (text lines) inside R.
    static int TextBands(const QImage& I, const TRect& R)
    {
        int bands = 0;
        bool inBand = false;
        for (int y = R.Top; y < R.Bottom; ++y) {
            bool dark = false;
            for (int x = R.Left; x < R.Right && !dark; ++x)
                dark = qGray(I.pixel(x, y)) < 100;
            if (dark && !inBand)
                ++bands;
            inBand = dark;
        }
        return bands;
    }
};

const String kWords =
    "<b>Pump</b> controls the <i>inlet</i> valve and the outlet valve of the second circuit; it runs "
    "while the level stays below the mark and stops when the float switch opens, then waits for the "
    "next cycle to begin again with the same settings as before, unless the operator changes them.";

}  // namespace

TEST_F(HintTest, SizeIsTheLaidOutTextPlusItsMargin)
{
    const String html = "<b>Total</b> of <font color=\"clRed\">three</font> values";
    const TRect calc = hint->CalcHintRect(1008, html, nullptr);
    hint->ActivateHint(Rect(100, 100, 101, 101), html);
    EXPECT_EQ(hint->TextWidth(), calc.Width());
    EXPECT_EQ(hint->TextHeight(), calc.Height());
    EXPECT_EQ(hint->Width(), calc.Width() + 16);
    EXPECT_EQ(hint->Height(), calc.Height() + 4);
    EXPECT_EQ(hint->Left(), 100);
    EXPECT_EQ(hint->Top(), 100);
    EXPECT_TRUE(hint->IsHintShowing());

    // A wide-encoded hint: one line in the asking grid's font, margin 8.
    SetHintFontName("DejaVu Serif");
    const String wide = EncodeWideCellText("Wide text");
    ASSERT_EQ(GetTextType(wide, true), ttWide);
    hint->ActivateHint(Rect(50, 60, 51, 61), wide);
    TCanvas c;
    c.Font().Assign(hint->Font());
    c.Font().SetName("DejaVu Serif");
    EXPECT_EQ(hint->Width(), c.TextWidth("Wide text") + 8);
    EXPECT_EQ(hint->Height(), c.TextHeight("Wide text") + 4);
    Save(hint, "hint_wide.png");
    SetHintFontName("");
}

TEST_F(HintTest, PlacedOnTheMonitorOfItsTopLeftCorner)
{
    TestKit::MonitorLayoutScope layout{{{Rect(-800, 0, 0, 600), Rect(-800, 0, 0, 600), false},
                                        {Rect(0, 0, 1000, 700), Rect(0, 0, 1000, 700), true}}};
    const String text = "A hint of a few words";
    const TRect m = hint->CalcHintRect(1008, text, nullptr);
    const int w = m.Width() + 16, h = m.Height() + 4;
    struct Row {
        const char* name;
        TPoint at;
        TPoint want;
    };
    const Row rows[] = {
        {"inside", {200, 300}, {200, 300}},
        {"past the right edge", {990, 300}, {1000 - w - 2, 300}},
        {"past the bottom", {200, 695}, {200, 700 - 2 - m.Height() - 4}},
        {"both", {995, 695}, {1000 - w - 2, 700 - 2 - m.Height() - 4}},
        {"right edge of the left monitor", {-10, 100}, {-w - 2, 100}},
    };
    for (const Row& r : rows) {
        hint->ActivateHint(Rect(r.at.X, r.at.Y, r.at.X + 1, r.at.Y + 1), text);
        EXPECT_EQ(hint->Left(), r.want.X) << r.name;
        EXPECT_EQ(hint->Top(), r.want.Y) << r.name;
        EXPECT_EQ(hint->Width(), w) << r.name;
        EXPECT_EQ(hint->Height(), h) << r.name;
    }
}

TEST_F(HintTest, AHintLargerThanTheMonitorStartsAtItsLeftAndTopEdges)
{
    TestKit::MonitorLayoutScope layout{{{Rect(100, 50, 400, 70), Rect(100, 50, 400, 70), true}}};
    hint->ActivateHint(Rect(300, 60, 301, 61), kWords);
    ASSERT_GT(hint->Width(), 300);
    ASSERT_GT(hint->Height(), 20);
    EXPECT_EQ(hint->Left(), 100);
    EXPECT_EQ(hint->Top(), 50);
}

TEST_F(HintTest, PaintsTheLinesItMeasuredInsideTheFrame)
{
    String longHint;
    for (int i = 0; i < 4; ++i)
        longHint += kWords + " ";
    hint->ActivateHint(Rect(10, 10, 11, 11), longHint);
    const QImage img = TestKit::RenderToImage(hint);
    Save(hint, "hint_html.png");
    // Wrapped into several lines, every one of them painted.
    TCanvas c;
    c.Font().Assign(hint->Font());
    const int lineHeight = DrawHTMLText(c, "x", Rect(0, 0, 1008, 0), [] {
                               THTMLDrawOptions o;
                               o.MeasureOnly = true;
                               return o;
                           }()).LaidOutHeight;
    const int lines = hint->TextHeight() / lineHeight;
    ASSERT_GE(lines, 2);
    EXPECT_EQ(hint->PaintedTextHeight(), hint->TextHeight());
    EXPECT_EQ(TextBands(img, Rect(4, 2, img.width() - 4, img.height() - 2)), lines);
    // No line is cut: nothing is painted in the right margin.
    EXPECT_EQ(TextBands(img, Rect(img.width() - 4, 2, img.width() - 1, img.height() - 2)), 0);

    // The frame: light top and left, dark bottom and right.
    const TColor light = ColorToRGB(cl3DLight), dark = ColorToRGB(cl3DDkShadow);
    const int w = img.width(), h = img.height();
    EXPECT_EQ(FromQColor(img.pixelColor(w / 2, 0)), light);
    EXPECT_EQ(FromQColor(img.pixelColor(0, h / 2)), light);
    EXPECT_EQ(FromQColor(img.pixelColor(w / 2, h - 1)), dark);
    EXPECT_EQ(FromQColor(img.pixelColor(w - 1, h / 2)), dark);
    EXPECT_EQ(FromQColor(img.pixelColor(2, 2)), ColorToRGB(clWindow));
}

TEST_F(HintTest, TheAskingGridLendsItsImagesAndUseHTMLHintsSwitchesTheClass)
{
    TForm form(nullptr);
    auto* grid = new TVynStringGrid(&form);
    auto* images = new TImageList(&form);
    grid->SetGridImages(images);
    hint->ActivateHintData(Rect(10, 10, 11, 11), "<b>x</b>", static_cast<TObject*>(grid));
    EXPECT_EQ(hint->Images(), images);

    grid->SetUseHTMLHints(true);
    EXPECT_NE(dynamic_cast<THTMLHintWindow*>(ApplicationHintWindow()), nullptr);
    grid->SetUseHTMLHints(false);
    EXPECT_EQ(dynamic_cast<THTMLHintWindow*>(ApplicationHintWindow()), nullptr);
}
