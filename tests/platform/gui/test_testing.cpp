// The test kit itself: rendering to PNG and typing text.
#include <QImage>

#include "gui_fixture.h"
#include "support/temp_dir.h"

#include <cstdlib>

namespace {

// White background, a red bar, a blue frame; its graphic child paints green.
class TSwatch : public TCustomControl {
public:
    explicit TSwatch(TComponent* AOwner) : TCustomControl(AOwner) { SetColor(clWhite); }

protected:
    void Paint() override
    {
        Canvas().Brush().SetColor(clRed);
        Canvas().FillRect(Rect(10, 10, 30, 20));
        Canvas().Brush().SetColor(clBlue);
        Canvas().FrameRect(Rect(0, 0, Width(), Height()));
    }
};

class TDot : public TGraphicControl {
public:
    explicit TDot(TComponent* AOwner) : TGraphicControl(AOwner) {}

protected:
    void Paint() override
    {
        Canvas().Brush().SetColor(clLime);
        Canvas().FillRect(Rect(0, 0, Width(), Height()));
        // Drawing past the bounds is clipped away.
        Canvas().FillRect(Rect(-50, -50, 100, 100));
    }
};

QRgb Rgb(TColor C) { return ToQColor(C).rgb(); }

}  // namespace

TEST(TestKitRender, RenderToPngPaintsTheControlAndItsChildren)
{
    TSwatch swatch(nullptr);
    swatch.SetBounds(0, 0, 60, 40);
    auto* dot = MakeControl<TDot>(&swatch, &swatch, "Dot", 40, 10, 8, 6);
    auto* inner = MakeControl<TSwatch>(&swatch, &swatch, "Inner", 35, 25, 20, 12);
    (void)inner;

    TempDir dir;
    const QString path = dir.file("swatch.png");
    ASSERT_TRUE(TestKit::RenderToPng(&swatch, path));
    QImage image(path);
    ASSERT_FALSE(image.isNull());
    ASSERT_EQ(image.size(), QSize(60, 40));
    struct Probe {
        int x, y;
        TColor color;
    };
    const Probe probes[] = {
        {5, 5, clWhite},   {10, 10, clRed},   {29, 19, clRed},    {30, 19, clWhite},  {29, 20, clWhite},
        {0, 0, clBlue},    {59, 39, clBlue},  {59, 5, clBlue},    {40, 10, clLime},   {47, 15, clLime},
        {48, 10, clWhite}, {39, 10, clWhite}, {45, 16, clWhite},  {35, 25, clBlue},   {45, 30, clWhite},
    };
    for (const Probe& p : probes)
        EXPECT_EQ(image.pixel(p.x, p.y), Rgb(p.color)) << p.x << "," << p.y;

    // A graphic control renders alone too, on its parent's colour.
    const QImage alone = TestKit::RenderToImage(dot);
    ASSERT_EQ(alone.size(), QSize(8, 6));
    EXPECT_EQ(alone.pixel(7, 5), Rgb(clLime));
    // VYN_RENDER_DIR=<dir> keeps a copy for a developer to look at.
    if (const char* keep = std::getenv("VYN_RENDER_DIR"))
        TestKit::RenderToPng(&swatch, QString::fromLocal8Bit(keep) + "/swatch.png");
}

TEST(TestKitInput, TypeTextUsesTheKeysOfAUSLayout)
{
    TestKit::InputStateScope input;
    TCustomForm form(nullptr);
    auto* edit = MakeControl<TEditLike>(&form, &form, "Edit", 0, 0, 50, 20);
    EventLog log;
    Watch(edit, log);
    form.Show();
    log.Clear();
    TestKit::TypeText(edit, QString::fromUtf8("aB1!\xc3\xa9"));  // the last one no key types
    EXPECT_EQ(edit->Typed, QString::fromUtf8("aB1!\xc3\xa9"));
    EXPECT_EQ(log.lines, (std::vector<std::string>{
                             "Edit.KeyDown 65 []", "Edit.KeyPress 97", "Edit.KeyUp 65 []",
                             "Edit.KeyDown 66 [Shift]", "Edit.KeyPress 66", "Edit.KeyUp 66 [Shift]",
                             "Edit.KeyDown 49 []", "Edit.KeyPress 49", "Edit.KeyUp 49 []",
                             "Edit.KeyDown 49 [Shift]", "Edit.KeyPress 33", "Edit.KeyUp 49 [Shift]",
                             "Edit.KeyPress 233"}));
}
