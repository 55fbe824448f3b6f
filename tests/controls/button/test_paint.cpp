// How the push button looks in each state and style, by pixels (no caption,
// so that no pixel depends on a font).
#include <cstdlib>
#include <map>
#include <string>

#include "button_fixture.h"
#include "support/temp_dir.h"

using namespace ButtonTestKit;

namespace {

enum class Drive { Idle, Hover, Fade4, Pressed, HoverPressed, DisabledPressed, Disabled, Focused };
enum class Corners { Normal, Swapped, None };

struct StateCase {
    const char* Name = "";
    TLbButtonStyle Style = bsNormal;
    Drive How = Drive::Idle;
    bool Flat = false;
    int Images = 4;
    // Expected: the face at (2, H/2), the edge corners, the image shown, the
    // glyph's press offset, the focus rectangle.
    TColor Face = FACE;
    Corners Edges = Corners::Normal;
    int Image = 0;
    int Offset = 0;
    bool FocusRect = false;
    // Colours of the button, when not the fixture's.
    TColor Color = FACE;
    TColor HotTrack = HOT;
};

std::ostream& operator<<(std::ostream& os, const StateCase& c) { return os << c.Name; }

std::vector<StateCase> StateCases()
{
    std::vector<StateCase> cases;
    for (TLbButtonStyle style : {bsNormal, bsEncarta}) {
        const bool normal = style == bsNormal;
        const int press = normal ? 1 : 0;
        auto add = [&](StateCase c) {
            c.Style = style;
            cases.push_back(c);
        };
        add({.Name = "idle", .How = Drive::Idle});
        add({.Name = "hot", .How = Drive::Hover, .Face = HOT, .Image = 3});
        add({.Name = "fading_at_step_4",
             .How = Drive::Fade4,
             .Face = 0x7F7F7F,
             .Image = 0,
             .Color = clBlack,
             .HotTrack = clWhite});
        add({.Name = "pressed",
             .How = Drive::Pressed,
             .Face = DOWN,
             .Edges = Corners::Swapped,
             .Image = 2,
             .Offset = press,
             .FocusRect = true});
        add({.Name = "hot_and_pressed",
             .How = Drive::HoverPressed,
             .Face = DOWN,
             .Edges = Corners::Swapped,
             .Image = 2,
             .Offset = press,
             .FocusRect = true});
        add({.Name = "disabled_while_pressed", .How = Drive::DisabledPressed, .Image = 1});
        add({.Name = "flat_idle", .How = Drive::Idle, .Flat = true, .Edges = Corners::None});
        add({.Name = "flat_hot", .How = Drive::Hover, .Flat = true, .Face = HOT, .Image = 3});
        add({.Name = "flat_focused", .How = Drive::Focused, .Flat = true, .Image = 3, .FocusRect = true});
        add({.Name = "flat_disabled", .How = Drive::Disabled, .Flat = true, .Edges = Corners::None, .Image = 1});
        add({.Name = "focused", .How = Drive::Focused, .Image = 3, .FocusRect = true});
        add({.Name = "three_images_hot", .How = Drive::Hover, .Images = 3, .Face = HOT, .Image = 0});
        add({.Name = "three_images_pressed",
             .How = Drive::Pressed,
             .Images = 3,
             .Face = DOWN,
             .Edges = Corners::Swapped,
             .Image = 2,
             .Offset = press,
             .FocusRect = true});
        add({.Name = "one_image_disabled_shows_no_glyph", .How = Drive::Disabled, .Images = 1, .Image = -1});
    }
    return cases;
}

class ButtonStates : public ButtonFixture, public ::testing::WithParamInterface<StateCase> {};

}  // namespace

TEST_P(ButtonStates, FaceEdgesGlyphAndFocusRectangle)
{
    const StateCase& c = GetParam();
    TestKit::FakeClock clock;
    const auto strip = MakeStrip(c.Images);
    button->SetStyle(c.Style);
    button->SetFlat(c.Flat);
    button->SetColor(c.Color);
    button->SetHotTrackColor(c.HotTrack);
    button->SetGlyph(strip.get());
    ASSERT_EQ(button->NumGlyphs(), c.Images);

    switch (c.How) {
    case Drive::Idle: break;
    case Drive::Hover: MoveOn(); break;
    case Drive::Fade4:
        button->SetSlowDecease(true);
        MoveOn();
        MoveOff();
        clock.Advance(4 * 30);
        ASSERT_EQ(button->HotTrackStep(), 4);
        break;
    case Drive::Pressed: TestKit::MouseDown(button, 2, 2); break;
    case Drive::HoverPressed:
        MoveOn();
        TestKit::MouseDown(button, 5, 5);
        break;
    case Drive::DisabledPressed:
        button->SetEnabled(false);
        button->Click();
        ASSERT_TRUE(button->Pressed());
        break;
    case Drive::Disabled: button->SetEnabled(false); break;
    case Drive::Focused: button->SetFocus(); break;
    }

    const QImage img = Render();
    const int W = 40, H = 24;
    EXPECT_EQ(Hex(PixelAt(img, 2, H / 2)), Hex(c.Face)) << "face";

    TColor lightCorner = LIGHT, shadowCorner = SHADOW;
    if (c.Edges == Corners::Swapped)
        std::swap(lightCorner, shadowCorner);
    if (c.Edges == Corners::None)
        lightCorner = shadowCorner = c.Face;
    EXPECT_EQ(Hex(PixelAt(img, 0, 0)), Hex(lightCorner)) << "top-left";
    EXPECT_EQ(Hex(PixelAt(img, 0, H - 1)), Hex(lightCorner)) << "bottom-left";
    EXPECT_EQ(Hex(PixelAt(img, W - 1, 0)), Hex(shadowCorner)) << "top-right";
    EXPECT_EQ(Hex(PixelAt(img, W - 1, H - 1)), Hex(shadowCorner)) << "bottom-right";

    // No caption: the 8 x 8 glyph is centred at (16, 8), moved by the offset;
    // its bottom row has the key colour and lets the face through.
    const int gx = 16 + c.Offset, gy = 8 + c.Offset;
    if (c.Image >= 0) {
        EXPECT_EQ(Hex(PixelAt(img, gx + 3, gy + 3)), Hex(IMG[c.Image])) << "glyph image";
        EXPECT_EQ(Hex(PixelAt(img, gx, gy)), Hex(IMG[c.Image])) << "glyph top-left";
        EXPECT_EQ(Hex(PixelAt(img, gx - 1, gy)), Hex(c.Face)) << "left of the glyph";
        EXPECT_EQ(Hex(PixelAt(img, gx + 3, gy + 7)), Hex(c.Face)) << "the glyph's transparent row";
    } else {
        EXPECT_EQ(Hex(PixelAt(img, gx + 3, gy + 3)), Hex(c.Face)) << "no glyph";
    }

    bool focusRect = false;
    for (int y = 4; y < H - 4; ++y)
        focusRect = focusRect || PixelAt(img, 4, y) != c.Face;
    EXPECT_EQ(focusRect, c.FocusRect) << "focus rectangle";
}

INSTANTIATE_TEST_SUITE_P(Table, ButtonStates, ::testing::ValuesIn(StateCases()),
                         [](const ::testing::TestParamInfo<StateCase>& info) {
                             return std::string(info.param.Style == bsNormal ? "Normal_" : "Encarta_") +
                                    info.param.Name;
                         });

// ---- the other styles, on the form's background ----------------------------------------------------

namespace {

class OtherStyles : public ButtonFixture {
protected:
    // The form rendered, cut to the button.
    QImage RenderOnForm()
    {
        return TestKit::RenderToImage(form).copy(button->Left(), button->Top(), button->Width(), button->Height());
    }
};

}  // namespace

TEST_F(OtherStyles, ModernPaintsAGradientInsideARoundedFrameAndLeavesTheCornersToTheParent)
{
    // Tall enough that no two bands of either gradient start on the same row.
    form->SetBounds(100, 100, 200, 200);
    button->SetBounds(10, 10, 40, 150);
    button->SetStyle(bsModern);
    const QImage img = RenderOnForm();
    // Light at y 2, the face from H div 4 on, light again towards the bottom.
    EXPECT_EQ(Hex(PixelAt(img, 20, 2)), Hex(LIGHT));
    EXPECT_NE(PixelAt(img, 20, 20), LIGHT);
    EXPECT_EQ(Hex(PixelAt(img, 20, 150 / 4)), Hex(FACE));
    EXPECT_NE(PixelAt(img, 20, 140), FACE);
    // The rounded outline in the shadow colour, the corner outside it transparent.
    EXPECT_EQ(Hex(PixelAt(img, 20, 0)), Hex(SHADOW));
    EXPECT_EQ(Hex(PixelAt(img, 0, 0)), Hex(FORM));
}

TEST_F(OtherStyles, ShapeIsTransparentAndNeverShowsAFocusRectangle)
{
    const auto strip = MakeStrip(1);
    button->SetGlyph(strip.get());
    button->SetStyle(bsShape);
    button->SetFocus();
    const QImage img = RenderOnForm();
    for (int y = 0; y < 24; ++y)
        ASSERT_EQ(Hex(PixelAt(img, 4, y)), Hex(FORM)) << "y " << y;
    EXPECT_EQ(Hex(PixelAt(img, 0, 0)), Hex(FORM));
    // The glyph centred, without press offset logic of its own.
    EXPECT_EQ(Hex(PixelAt(img, 16 + 3, 8 + 3)), Hex(IMG[0]));
}

TEST_F(OtherStyles, OldWhenFocusedIsFramedInBlackWithItsContentMovedByOnePixel)
{
    button->SetStyle(bsOld);
    QImage img = Render();
    EXPECT_EQ(Hex(PixelAt(img, 0, 0)), Hex(LIGHT));
    EXPECT_EQ(Hex(PixelAt(img, 38, 1)), Hex(SHADOW)) << "inner shadow line";

    button->SetFocus();
    img = Render();
    EXPECT_EQ(Hex(PixelAt(img, 0, 0)), Hex(clBlack));
    EXPECT_EQ(Hex(PixelAt(img, 39, 23)), Hex(clBlack));
    EXPECT_EQ(Hex(PixelAt(img, 1, 1)), Hex(LIGHT)) << "the content's top-left edge";
    EXPECT_EQ(Hex(PixelAt(img, 37, 2)), Hex(SHADOW)) << "inner shadow line of the smaller content";
}

TEST_F(OtherStyles, QuickenDrawsShadowLinesAboveAndBelowARoundedFace)
{
    button->SetStyle(bsQuicken);
    const QImage img = RenderOnForm();
    EXPECT_EQ(Hex(PixelAt(img, 4, 0)), Hex(SHADOW));
    EXPECT_EQ(Hex(PixelAt(img, 34, 23)), Hex(SHADOW));
    EXPECT_EQ(Hex(PixelAt(img, 3, 0)), Hex(FORM));
    EXPECT_EQ(Hex(PixelAt(img, 20, 12)), Hex(FACE));
}

TEST_F(OtherStyles, APopupMenuAddsItsArrowAtTheRight)
{
    struct TNoPopup : TLbButtonPopup {
        void Popup(int, int) override {}
    } popup;
    EXPECT_EQ(Hex(PixelAt(Render(), 40 - 11, 24 / 2 - 1)), Hex(FACE));
    button->SetPopupMenu(&popup);
    const QImage img = Render();
    EXPECT_EQ(Hex(PixelAt(img, 40 - 11, 24 / 2 - 1)), Hex(clBlack));
    EXPECT_EQ(Hex(PixelAt(img, 40 - 11, 24 / 2 + 1)), Hex(FACE)) << "the arrow's transparent corner";
}

// ---- the drawing helpers -----------------------------------------------------------------------------

TEST(LbButtonDrawing, BlendTruncatesEachChannel)
{
    EXPECT_EQ(BlendColorByStep(clBlack, clWhite, 4), 0x7F7F7F);
    EXPECT_EQ(BlendColorByStep(clBlack, clWhite, 0), clBlack);
    EXPECT_EQ(BlendColorByStep(0x102030, 0x00FFFF, 8), 0x00FFFF);
    // 0x30 * 5/8 + 0xFF * 3/8 = 125.625 in red; system colours are resolved.
    EXPECT_EQ(GetRValue(BlendColorByStep(0x000030, 0x0000FF, 3)), 125);
    EXPECT_EQ(BlendColorByStep(clBtnFace, clBtnFace, 5), ColorToRGB(clBtnFace));
}

TEST(LbButtonDrawing, AGradientLowerThan31PixelsStillPaints32BandsCutAtTheBottom)
{
    TBitmap b(4, 12);
    b.Canvas().Brush().SetColor(clRed);
    b.Canvas().FillRect(Rect(0, 0, 4, 12));
    b.Canvas().Pen().SetStyle(psDot);
    FillGradientBands(b.Canvas(), clBlack, clWhite, 0, 0, 4, 10);
    EXPECT_EQ(b.Canvas().Pen().Style(), psDot) << "the pen is left as it was";
    const QImage& img = b.Image();
    // Bands 0 to 3 all start at row 0 (i * 10 div 31 = 0): the last one
    // painted wins, 3 * 255/31.
    EXPECT_EQ(Hex(PixelAt(img, 0, 0)), Hex(RGBColor(24, 24, 24)));
    // Row 9 is last written by band 30 (top 30 * 10 div 31 = 9): 30 * 255/31.
    EXPECT_EQ(Hex(PixelAt(img, 3, 9)), Hex(RGBColor(246, 246, 246)));
    EXPECT_EQ(Hex(PixelAt(img, 0, 10)), Hex(clRed)) << "nothing below the bottom";
    for (int y = 1; y < 10; ++y)
        EXPECT_GE(GetRValue(PixelAt(img, 0, y)), GetRValue(PixelAt(img, 0, y - 1))) << "row " << y;
}

TEST(LbButtonDrawing, ColorPresetsFollowTheTable)
{
    TLbColorStyleColors c;
    EXPECT_FALSE(GetColorStyleColors(lcsCustom, c));
    ASSERT_TRUE(GetColorStyleColors(lcsGold, c));
    EXPECT_EQ(c.Face, 0x00C0C0);
    EXPECT_EQ(c.HotTrack, 0x00DFDF);
    EXPECT_EQ(c.Down, clNone);
    EXPECT_EQ(c.Style, bsModern);
    ASSERT_TRUE(GetColorStyleColors(lcsUltraFlatXP, c));
    EXPECT_EQ(c.Light, 0xB59284);
    EXPECT_EQ(c.Shadow, 0xB59285);
    EXPECT_TRUE(c.Flat);
    EXPECT_EQ(c.Style, bsNormal);
    ASSERT_TRUE(GetColorStyleColors(lcsQuicken, c));
    EXPECT_EQ(c.FontColor, 0xFFFFFF);
    EXPECT_EQ(c.Style, bsQuicken);
}

TEST(LbButtonDrawing, KindBitmapsHaveTwoImagesOnATransparentBackground)
{
    for (const char* name : {"LBOK", "LBCANCEL", "LBHELP", "LBYES", "LBNO", "LBCLOSE", "LBABORT", "LBRETRY",
                             "LBIGNORE", "LBALL"}) {
        TBitmap b;
        LoadLbButtonBitmap(b, name);
        EXPECT_EQ(b.Width(), 36) << name;
        EXPECT_EQ(b.Height(), std::string(name) == "LBALL" ? 19 : 18) << name;
        // Both images have something on the background.
        const TColor key = b.BottomLeftColor();
        for (int image = 0; image < 2; ++image) {
            bool drawn = false;
            for (int y = 0; y < b.Height(); ++y)
                for (int x = image * 18; x < image * 18 + 18; ++x)
                    drawn = drawn || PixelAt(b.Image(), x, y) != key;
            EXPECT_TRUE(drawn) << name << " image " << image;
        }
    }
    TBitmap b;
    EXPECT_THROW(LoadLbButtonBitmap(b, "LBNONE"), Exception);
}

// A few buttons with captions for a developer to look at (VYN_RENDER_DIR
// keeps the pictures).
TEST_F(OtherStyles, RendersSampleButtons)
{
    form->SetBounds(100, 100, 200, 60);
    const auto strip = MakeStrip(2, 16);
    const auto stepStrip = MakeStrip(1, 24);
    struct Sample {
        const char* File;
        TLbButtonStyle Style;
        bool Press;
        bool Hover;
        bool Step;  // a main-window step button: 170 x 36, left-justified
    };
    const Sample samples[] = {{"encarta", bsEncarta, false, false, false},
                              {"encarta_hot", bsEncarta, false, true, false},
                              {"encarta_pressed", bsEncarta, true, true, false},
                              {"normal_pressed", bsNormal, true, false, false},
                              {"modern", bsModern, false, false, false},
                              {"step_pressed", bsEncarta, true, true, true}};
    TempDir dir;
    const char* keep = std::getenv("VYN_RENDER_DIR");
    std::map<std::string, int> dark;  // dark pixels of each picture
    for (const Sample& s : samples) {
        button->SetBounds(10, 10, s.Step ? 170 : 110, s.Step ? 36 : 28);
        button->Font().SetName("Verdana");
        button->Font().SetHeight(-11);
        button->SetCaption(s.Step ? "EtherCAT Set Access" : "Execute");
        button->SetAlignment(s.Step ? taLeftJustify : taCenter);
        button->SetColor(0xEDF7F8);
        button->SetLightColor(clGray);
        button->SetShadowColor(clGray);
        button->SetColorWhenDown(0x0080FF);
        button->SetHotTrackColor(clYellow);
        button->SetGlyph(s.Step ? stepStrip.get() : strip.get());
        button->SetStyle(s.Style);
        if (s.Hover)
            MoveOn();
        else
            MoveOff();
        if (s.Press)
            TestKit::MouseDown(button, 5, 5);
        const QString path = dir.file(QString(s.File) + ".png");
        ASSERT_TRUE(TestKit::RenderToPng(form, path));
        if (keep)
            TestKit::RenderToPng(form, QString::fromLocal8Bit(keep) + "/lbbutton_" + s.File + ".png");
        // The file holds the button with its caption drawn in dark text.
        const QImage shot = QImage(path).copy(button->Left(), button->Top(), button->Width(), button->Height());
        int text = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                text += qGray(shot.pixel(x, y)) < 100;
        EXPECT_GT(text, 20) << s.File;
        dark[s.File] = text;
        if (s.Press)
            TestKit::MouseUp(button, 500, 500);
        sink->SetFocus();
    }
    // Pressed, the encarta style draws its caption bold.
    EXPECT_GT(dark["encarta_pressed"], dark["encarta_hot"]);
}
