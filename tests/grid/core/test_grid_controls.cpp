// The grid's own controls: the glyph button (groups, check style, states
// while the mouse is held, looks, glyphs, action, accelerator, drop-down
// part), the band gradient it paints with, the check box (mouse, keys,
// states, geometry, transparency) and the arrow windows. Mouse and keys go
// through the test kit's input driver, as the platform delivers them.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QThread>
#include <QPainter>
#include <QWidget>

#include <cstdlib>
#include <string>
#include <vector>

#include "grid/core/grid_controls.h"
#include "grid/core/grid_halo.h"
#include "pixel_surface.h"
#include "platform/gui/application.h"
#include "platform/gui/forms.h"
#include "platform/testing/test_kit.h"

namespace {

QRgb rgb(TColor C) { return ToQColor(ColorToRGB(C)).rgb(); }

struct ControlsForm : ::testing::Test {
    TestKit::InputStateScope input;
    TForm form{nullptr};
    TEdit* edit = nullptr;
    std::vector<std::string> log;
    ControlsForm()
    {
        form.SetBounds(0, 0, 400, 300);
        edit = new TEdit(&form);
        edit->SetBounds(300, 250, 80, 21);
        edit->SetParent(&form);
        form.Show();
        edit->SetFocus();
    }
    TVynGridButton* button(const std::string& Name, int Left, int Top = 10)
    {
        auto* b = new TVynGridButton(&form);
        b->SetName(QString::fromStdString(Name));
        b->SetBounds(Left, Top, 40, 23);
        b->SetParent(&form);
        b->OnClick = [this, Name](TObject*) { log.push_back(Name + ".Click"); };
        return b;
    }
    TVynCheckBox* checkBox(const std::string& Name, int Top)
    {
        auto* c = new TVynCheckBox(&form);
        c->SetName(QString::fromStdString(Name));
        c->SetBounds(10, Top, 120, 20);
        c->SetParent(&form);
        c->OnClick = [this, Name](TObject*) { log.push_back(Name + ".Click"); };
        return c;
    }
};

// A 6 x 6 glyph: the key colour in the left column and the bottom row, the
// rest (1..5 x 0..4) in one colour.
struct Glyph : TBitmap {
    Glyph(TColor Color, TColor Key = clFuchsia) : TBitmap(6, 6, pf24bit)
    {
        Canvas().Brush().SetColor(Key);
        Canvas().FillRect(Rect(0, 0, 6, 6));
        Canvas().Brush().SetColor(Color);
        Canvas().FillRect(Rect(1, 0, 6, 5));
    }
};

}  // namespace

// ---- DrawButtonGradient ---------------------------------------------------------------------------

TEST(GridButtonGradient, BandEdges)
{
    // 32 pixels in 16 steps: two pixels a band, 10 levels of red apart.
    Surface s(12, 40);
    DrawButtonGradient(s.C(), clBlack, RGBColor(160, 0, 0), false, Rect(1, 2, 11, 34), 16, clNone);
    expectPixels(s,
                 {{1, 2, clBlack}, {1, 3, clBlack}, {5, 4, RGBColor(10, 0, 0)}, {10, 5, RGBColor(10, 0, 0)},
                  {5, 32, RGBColor(150, 0, 0)}, {5, 33, RGBColor(150, 0, 0)},
                  {0, 10, Back}, {11, 10, Back}, {5, 1, Back}, {5, 34, Back}},  // nothing outside R
                 "vertical, 2-pixel bands");

    // 23 pixels in 16 steps: band n starts at round(n * 1.4375) and is 2
    // pixels long, so the next one overlaps it.
    Surface t(10, 30);
    DrawButtonGradient(t.C(), clBlack, RGBColor(160, 0, 0), false, Rect(0, 0, 10, 23), 16, clNone);
    expectPixels(t,
                 {{3, 0, clBlack}, {3, 1, RGBColor(10, 0, 0)}, {3, 2, RGBColor(10, 0, 0)}, {3, 3, RGBColor(20, 0, 0)},
                  {3, 21, RGBColor(140, 0, 0)}, {3, 22, RGBColor(150, 0, 0)}, {3, 23, Back}},
                 "vertical, fractional bands");

    // Channel steps round half to even: 8 levels over 16 bands are n / 2.
    Surface u(40, 4);
    DrawButtonGradient(u.C(), clBlack, RGBColor(0, 0, 8), true, Rect(0, 0, 32, 4), 16, clNone);
    expectPixels(u,
                 {{2, 1, RGBColor(0, 0, 0)}, {6, 1, RGBColor(0, 0, 2)}, {10, 1, RGBColor(0, 0, 2)},
                  {14, 1, RGBColor(0, 0, 4)}, {32, 1, Back}},
                 "horizontal, half to even");

    // Steps 0 is one band; the outline goes round R.
    Surface v(12, 12);
    DrawButtonGradient(v.C(), clBtnFace, clWhite, false, Rect(1, 1, 11, 11), 0, clRed);
    expectPixels(v, {{1, 1, clRed}, {10, 10, clRed}, {5, 1, clRed}, {5, 5, clBtnFace}, {0, 0, Back}},
                 "one band, outlined");
}

// ---- the button: groups and clicks ------------------------------------------------------------------

TEST_F(ControlsForm, ButtonWithoutGroupIgnoresDown)
{
    TVynGridButton* b = button("B", 10);
    EXPECT_EQ(TVynGridButton(nullptr).Width(), 22);
    EXPECT_EQ(TVynGridButton(nullptr).Height(), 23);
    b->SetDown(true);
    EXPECT_FALSE(b->Down());
    TestKit::Click(b, 5, 5);
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(log, std::vector<std::string>{"B.Click"});
    EXPECT_EQ(b->State(), bsUp);
}

TEST_F(ControlsForm, GroupOfTwoKeepsOneDown)
{
    TVynGridButton* first = button("First", 10);
    TVynGridButton* second = button("Second", 60);
    TVynGridButton* other = button("Other", 110);
    first->SetGroupIndex(1);
    second->SetGroupIndex(1);
    other->SetGroupIndex(2);
    other->SetDown(true);

    TestKit::Click(first, 5, 5);
    EXPECT_TRUE(first->Down());
    EXPECT_EQ(first->State(), bsExclusive);
    TestKit::Click(second, 5, 5);
    EXPECT_TRUE(second->Down());
    EXPECT_FALSE(first->Down());
    EXPECT_EQ(first->State(), bsUp);
    EXPECT_TRUE(other->Down()) << "another group is left alone";
    EXPECT_EQ(log, (std::vector<std::string>{"First.Click", "Second.Click"}));

    // Without AllowAllUp the down button stays down: by code and by a click.
    second->SetDown(false);
    EXPECT_TRUE(second->Down());
    TestKit::Click(second, 5, 5);
    EXPECT_TRUE(second->Down());

    // AllowAllUp set on one button reaches the whole group.
    first->SetAllowAllUp(true);
    EXPECT_TRUE(second->AllowAllUp());
    EXPECT_FALSE(other->AllowAllUp());
    second->SetDown(false);
    EXPECT_FALSE(second->Down());
    EXPECT_FALSE(first->Down());
}

TEST_F(ControlsForm, MouseHeldAndReleasedOutside)
{
    TVynGridButton* b = button("B", 10);
    TestKit::MouseDown(b, 5, 5);
    EXPECT_EQ(b->State(), bsDown);
    TestKit::MouseMove(b, 60, 5);
    EXPECT_EQ(b->State(), bsUp);
    TestKit::MouseMove(b, 39, 23);  // the bottom edge still counts as inside
    EXPECT_EQ(b->State(), bsDown);
    TestKit::MouseMove(b, 5, 40);
    TestKit::MouseUp(b, 5, 40);
    EXPECT_EQ(b->State(), bsUp);
    EXPECT_TRUE(log.empty());
}

TEST_F(ControlsForm, CheckStyleTogglesOnClicksInside)
{
    TVynGridButton* b = button("B", 10);
    b->SetStyle(TVynGridButtonStyle::tasCheck);
    TestKit::Click(b, 5, 5);
    EXPECT_TRUE(b->Down());
    TestKit::MouseDown(b, 5, 5);
    TestKit::MouseMove(b, 80, 5);
    TestKit::MouseUp(b, 80, 5);
    EXPECT_TRUE(b->Down()) << "released outside";
    TestKit::Click(b, 5, 5);
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(log, (std::vector<std::string>{"B.Click", "B.Click"}));
    // Down can be written without a group.
    b->SetDown(true);
    EXPECT_TRUE(b->Down());
}

TEST_F(ControlsForm, HotTrackingDoubleClickAndDropDown)
{
    TVynGridButton* b = button("B", 10);
    TestKit::MouseMove(b, 5, 5);
    EXPECT_TRUE(b->MouseInControl());
    TestKit::MouseMove(&form, 200, 200);
    EXPECT_FALSE(b->MouseInControl());

    // A double click reports OnDblClick only on a down button.
    int doubles = 0;
    b->OnDblClick = [&](TObject*) { ++doubles; };
    TestKit::DblClick(b, 5, 5);
    EXPECT_EQ(doubles, 0);
    b->SetGroupIndex(3);
    b->SetDown(true);
    TestKit::DblClick(b, 5, 5);
    EXPECT_EQ(doubles, 1);

    // The drop-down part: the right 12 pixels.
    struct Menu : TVynGridButtonMenu {
        std::vector<TPoint> at;
        void Popup(int X, int Y) override { at.push_back({X, Y}); }
    } menu;
    TVynGridButton* d = button("D", 100);
    d->SetDropDownButton(true);
    d->SetDropDownMenu(&menu);
    int drops = 0;
    d->OnDropDown = [&](TObject*) { ++drops; };
    TestKit::Click(d, 27, 5);
    EXPECT_EQ(drops, 0);
    log.clear();
    TestKit::Click(d, 28, 5);
    EXPECT_EQ(drops, 1);
    ASSERT_EQ(menu.at.size(), 1u);
    EXPECT_EQ(menu.at[0], d->ClientToScreen({0, 23}));
    EXPECT_TRUE(log.empty()) << "the drop-down part does not click";
}

TEST_F(ControlsForm, AcceleratorClicksAnEnabledVisibleButton)
{
    TVynGridButton* b = button("B", 10);
    b->SetCaption(QStringLiteral("&Find"));
    TestKit::TypeKey(edit, 'F', {ssAlt});
    EXPECT_EQ(log, std::vector<std::string>{"B.Click"});
    b->SetEnabled(false);
    TestKit::TypeKey(edit, 'F', {ssAlt});
    b->SetEnabled(true);
    b->SetVisible(false);
    TestKit::TypeKey(edit, 'F', {ssAlt});
    EXPECT_EQ(log.size(), 1u);
}

// ---- the button: looks and glyphs ------------------------------------------------------------------

TEST(GridButtonLooks, SevenColourSets)
{
    const struct {
        int look;
        TColor color, colorTo, hot, down, checked, checkedTo, borderDown, borderHot;
        bool rounded;
    } looks[] = {
        {0, 0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xE0E6E7, 0xFFFFFF, clNone, 0xAF987A, 0xC3CECE, true},
        {1, clBtnFace, clNone, 0xEED2C1, 0xE2B598, 0xE8E6E1, clNone, 0xC56A31, 0xC56A31, false},
        {2, 0xFDEADA, 0xE4AE88, 0xCCF4FF, 0x4E91FE, 0x8ED3FF, 0x55ADFF, 0, 0, false},
        {3, 0xCFF0EA, 0x8CC0B1, 0xCCF4FF, 0x4E91FE, 0x8ED3FF, 0x55ADFF, 0, 0, false},
        {4, 0xECE2E1, 0xB39698, 0xCCF4FF, 0x4E91FE, 0x8ED3FF, 0x55ADFF, 0, 0, false},
        {5, clBtnFace, clNone, clBtnFace, 0xD8D3D2, 0xCAC7C7, clNone, clNone, clNone, false},
        {6, 0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x4DE0FB, 0xB5E6F2, 0x9CDDED, 0x808080, 0x808080, false},
    };
    for (const auto& l : looks) {
        TVynGridButton b(nullptr);
        b.SetFlat(false);
        b.SetBorderColor(clRed);
        b.SetRounded(!l.rounded);
        b.SetLook(l.look);
        EXPECT_EQ(b.Color(), l.color) << l.look;
        EXPECT_EQ(b.ColorTo(), l.colorTo) << l.look;
        EXPECT_EQ(b.ColorHot(), l.hot) << l.look;
        EXPECT_EQ(b.ColorDown(), l.down) << l.look;
        EXPECT_EQ(b.ColorChecked(), l.checked) << l.look;
        EXPECT_EQ(b.ColorCheckedTo(), l.checkedTo) << l.look;
        EXPECT_EQ(b.BorderDownColor(), l.borderDown) << l.look;
        EXPECT_EQ(b.BorderHotColor(), l.borderHot) << l.look;
        EXPECT_EQ(b.Rounded(), l.rounded) << l.look;
        EXPECT_EQ(b.BorderColor(), clNone) << l.look;
        EXPECT_TRUE(b.Flat()) << l.look;
    }
    for (int outside : {7, -1}) {
        TVynGridButton b(nullptr);
        b.SetFlat(false);
        b.SetLook(outside);
        EXPECT_FALSE(b.Flat()) << outside;
        EXPECT_EQ(b.Color(), clBtnFace) << outside;
        EXPECT_EQ(b.ColorHot(), TColor(0xCAC7C7)) << outside;
    }
    // Theme adaptation finds no colour scheme: look 1.
    TVynGridButton adapt(nullptr);
    adapt.SetAutoThemeAdapt(true);
    EXPECT_EQ(adapt.ColorHot(), TColor(0xEED2C1));
}

TEST_F(ControlsForm, GlyphsDerivedAndPainted)
{
    TVynGridButton* b = button("B", 10);
    const Glyph g(RGBColor(30, 60, 90));
    b->SetGlyph(&g);
    ASSERT_FALSE(b->GlyphDisabled().Empty());
    EXPECT_EQ(b->GlyphDisabled().Image().pixel(2, 2), qRgb(126, 126, 126));
    // The shadow: grey where the glyph is, the key colour elsewhere.
    ASSERT_EQ(b->ShadeGlyph().Width(), 6);
    EXPECT_EQ(b->ShadeGlyph().Image().pixel(2, 2), qRgb(0x80, 0x80, 0x80));
    EXPECT_EQ(b->ShadeGlyph().Image().pixel(0, 5), rgb(clFuchsia));

    // Without a caption the glyph sits at the top-left corner; its key
    // colour shows the face.
    b->SetLook(5);
    QImage up = TestKit::RenderToImage(b);
    EXPECT_EQ(up.pixel(2, 2), rgb(RGBColor(30, 60, 90)));
    EXPECT_EQ(up.pixel(1, 5), rgb(clBtnFace));
    EXPECT_EQ(up.pixel(5, 5), rgb(clBtnFace));
    EXPECT_EQ(up.pixel(20, 12), rgb(clBtnFace));
    b->SetEnabled(false);
    QImage disabled = TestKit::RenderToImage(b);
    EXPECT_EQ(disabled.pixel(2, 2), qRgb(126, 126, 126));

    // A new glyph replaces the shadow; an explicit disabled glyph stays.
    const Glyph g2(clBlue, clBlue);
    b->SetGlyph(&g2);
    EXPECT_EQ(b->ShadeGlyph().Image().pixel(2, 2), rgb(clBlue));
    EXPECT_EQ(b->GlyphDisabled().Image().pixel(2, 2), qRgb(126, 126, 126));
}

TEST_F(ControlsForm, FacesByState)
{
    TVynGridButton* b = button("B", 10);
    b->SetLook(1);
    const int x = 20, y = 12;
    EXPECT_EQ(TestKit::RenderToImage(b).pixel(x, y), rgb(clBtnFace));
    TestKit::MouseMove(b, 5, 5);
    EXPECT_EQ(TestKit::RenderToImage(b).pixel(x, y), rgb(0xEED2C1)) << "hot";
    EXPECT_EQ(TestKit::RenderToImage(b).pixel(0, 0), rgb(0xC56A31)) << "hot outline";
    TestKit::MouseDown(b, 5, 5);
    EXPECT_EQ(TestKit::RenderToImage(b).pixel(x, y), rgb(0xE2B598)) << "down";
    TestKit::MouseUp(b, 5, 5);
    b->SetStyle(TVynGridButtonStyle::tasCheck);
    b->SetDown(true);
    TestKit::MouseMove(&form, 200, 200);
    EXPECT_EQ(TestKit::RenderToImage(b).pixel(x, y), rgb(0xE8E6E1)) << "checked";

    // A gradient face (look 2) runs from Color at the top to ColorTo.
    TVynGridButton* g = button("G", 60);
    g->SetLook(2);
    const QImage face = TestKit::RenderToImage(g);
    EXPECT_EQ(face.pixel(20, 0), rgb(0xFDEADA));
    const QColor last = face.pixelColor(20, 22), to = ToQColor(0xE4AE88);
    EXPECT_NEAR(last.red(), to.red(), 6) << "the last band is one step short of ColorTo";
    EXPECT_NEAR(last.green(), to.green(), 6);
    EXPECT_NEAR(last.blue(), to.blue(), 6);
}

// ---- the action ---------------------------------------------------------------------------------------

TEST_F(ControlsForm, ActionLink)
{
    auto* action = new TAction(&form);
    action->SetCaption(QStringLiteral("Find"));
    action->SetHint(QStringLiteral("Find the text"));
    int executed = 0;
    action->OnExecute = [&](TObject*) { ++executed; };

    TVynGridButton* b = button("B", 10);
    b->OnClick = nullptr;
    b->SetAction(action);
    EXPECT_EQ(b->Caption(), QStringLiteral("Find"));
    EXPECT_EQ(b->Hint(), QStringLiteral("Find the text"));
    TestKit::Click(b, 5, 5);
    EXPECT_EQ(executed, 1);

    // The caption follows while the button still shows the action's.
    action->SetCaption(QStringLiteral("Next"));
    EXPECT_EQ(b->Caption(), QStringLiteral("Next"));
    b->SetCaption(QStringLiteral("Own"));
    action->SetCaption(QStringLiteral("Again"));
    EXPECT_EQ(b->Caption(), QStringLiteral("Own"));
    action->SetEnabled(false);
    EXPECT_FALSE(b->Enabled());
    action->SetEnabled(true);

    // Checked reaches Down only in a group with AllowAllUp.
    action->SetChecked(true);
    EXPECT_FALSE(b->Down());
    action->SetChecked(false);
    b->SetGroupIndex(4);
    action->SetChecked(true);
    EXPECT_FALSE(b->Down()) << "no AllowAllUp";
    action->SetChecked(false);
    b->SetAllowAllUp(true);
    action->SetChecked(true);
    EXPECT_TRUE(b->Down());

    // The group index follows while equal: 4 is not the action's 0.
    action->SetGroupIndex(5);
    EXPECT_EQ(b->GroupIndex(), 4);
    b->SetGroupIndex(5);
    action->SetGroupIndex(6);
    EXPECT_EQ(b->GroupIndex(), 6);

    // A sibling going down releases this one and unchecks its action.
    TVynGridButton* sibling = button("S", 60);
    sibling->SetGroupIndex(6);
    sibling->SetDown(true);
    EXPECT_FALSE(b->Down());
    EXPECT_FALSE(action->Checked());

    // An action freed first leaves the button without one.
    action->Free();
    EXPECT_EQ(b->Action(), nullptr);
    TestKit::Click(b, 5, 5);
    EXPECT_EQ(executed, 1);
}

// ---- the check box -------------------------------------------------------------------------------------

TEST_F(ControlsForm, CheckBoxClicksAndKeys)
{
    TVynCheckBox* c = checkBox("C", 100);
    TVynCheckBox fresh(nullptr);
    EXPECT_EQ(fresh.Caption(), QStringLiteral("TVynCheckBox"));
    EXPECT_EQ(fresh.Width(), 98);
    EXPECT_EQ(fresh.Height(), 20);
    EXPECT_EQ(fresh.State(), cbUnchecked);

    TestKit::Click(c, 5, 8);
    EXPECT_TRUE(c->Focused());
    EXPECT_TRUE(c->Checked());
    EXPECT_EQ(log, std::vector<std::string>{"C.Click"});

    // Pressed, dragged out and released outside: nothing.
    TestKit::MouseDown(c, 5, 8);
    EXPECT_TRUE(c->Down());
    TestKit::MouseMove(c, 200, 8);
    EXPECT_FALSE(c->Down());
    TestKit::MouseUp(c, 200, 8);
    EXPECT_TRUE(c->Checked());
    EXPECT_EQ(log.size(), 1u);

    // Space: down while held, toggles and clicks on release.
    TestKit::KeyDown(c, VK_SPACE);
    EXPECT_TRUE(c->Down());
    TestKit::KeyUp(c, VK_SPACE);
    EXPECT_FALSE(c->Down());
    EXPECT_FALSE(c->Checked());
    EXPECT_EQ(log.size(), 2u);

    // Read-only: no change, but the click still fires.
    c->SetReadOnly(true);
    TestKit::Click(c, 5, 8);
    TestKit::TypeKey(c, VK_SPACE);
    EXPECT_FALSE(c->Checked());
    EXPECT_EQ(log, (std::vector<std::string>{"C.Click", "C.Click", "C.Click", "C.Click"}));
    c->SetState(cbGrayed);
    c->Toggle();
    EXPECT_EQ(c->State(), cbGrayed);

    // Toggle: grayed and unchecked become checked, checked unchecked.
    c->SetReadOnly(false);
    c->Toggle();
    EXPECT_EQ(c->State(), cbChecked);
    c->Toggle();
    EXPECT_EQ(c->State(), cbUnchecked);
    c->Toggle();
    EXPECT_EQ(c->State(), cbChecked);

    // A Space released on the box that went down elsewhere does nothing.
    TestKit::KeyUp(c, VK_SPACE);
    EXPECT_EQ(c->State(), cbChecked);
}

TEST_F(ControlsForm, CheckBoxEnterAndAccelerator)
{
    TVynCheckBox* c = checkBox("C", 100);
    c->SetCaption(QStringLiteral("Match &case"));
    TestKit::TypeKey(edit, 'C', {ssAlt});
    EXPECT_TRUE(c->Checked());
    EXPECT_TRUE(c->Focused());
    EXPECT_TRUE(log.empty()) << "the accelerator toggles without a click";

    c->SetReturnIsTab(true);
    TestKit::TypeKey(c, VK_RETURN);
    EXPECT_TRUE(edit->Focused());
    EXPECT_TRUE(c->Checked());
}

TEST(GridCheckBoxGeometry, BoxPlaces)
{
    const struct {
        TAlignment align;
        TTextLayout vert;
        TRect box;
    } cases[] = {
        {taLeftJustify, tlTop, Rect(0, 4, 13, 17)},
        {taLeftJustify, tlCenter, Rect(0, 9, 13, 22)},
        {taLeftJustify, tlBottom, Rect(0, 13, 13, 26)},
        {taRightJustify, tlTop, Rect(87, 4, 100, 17)},
        {taRightJustify, tlBottom, Rect(87, 13, 100, 26)},
    };
    for (const auto& c : cases) {
        TVynCheckBox box(nullptr);
        box.SetBounds(0, 0, 100, 30);
        box.SetAlignment(c.align);
        box.SetButtonVertAlign(c.vert);
        EXPECT_EQ(box.BoxRect(), c.box) << int(c.align) << "/" << int(c.vert);
    }
}

TEST_F(ControlsForm, CheckBoxPaintsItsStatesAndCanBeTransparent)
{
    form.SetColor(clRed);
    TVynCheckBox* c = checkBox("C", 100);
    c->SetParentColor(false);
    c->SetColor(clBlue);
    const TRect box = c->BoxRect();
    const int cx = box.Left + 6, cy = box.Top + 6, ix = box.Left + 3, iy = box.Top + 3;
    QImage img = TestKit::RenderToImage(c);
    EXPECT_EQ(img.pixel(ix, iy), rgb(clWindow)) << "unchecked";
    EXPECT_EQ(img.pixel(cx, cy), rgb(clWindow));
    c->SetState(cbChecked);
    img = TestKit::RenderToImage(c);
    EXPECT_EQ(img.pixel(ix, iy), rgb(clWindow)) << "checked";
    EXPECT_EQ(img.pixel(cx, cy), rgb(clWindowText));
    c->SetState(cbGrayed);
    img = TestKit::RenderToImage(c);
    EXPECT_EQ(img.pixel(ix, iy), rgb(clBtnFace)) << "grayed";
    EXPECT_EQ(img.pixel(cx, cy), rgb(clBtnFace));

    // Opaque: its own colour beside the caption; transparent: the form's.
    const QPoint beside(115, 2);
    EXPECT_EQ(img.pixel(beside), rgb(clBlue));
    c->SetTransparent(true);
    const QImage onForm = TestKit::RenderToImage(&form);
    EXPECT_EQ(onForm.pixel(c->Left() + beside.x(), c->Top() + beside.y()), rgb(clRed));
}

// ---- the arrow windows ---------------------------------------------------------------------------------

TEST(GridArrowWindow, SevenCornerRegions)
{
    const struct {
        TArrowDirection dir;
        std::vector<TPoint> corners;
        std::vector<TPoint> inside, outside;
    } arrows[] = {
        {TArrowDirection::arrUp,
         {{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}},
         {{5, 1}, {2, 4}, {3, 8}, {6, 8}},
         {{0, 0}, {9, 0}, {2, 8}, {7, 8}, {5, 9}}},
        {TArrowDirection::arrDown,
         {{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}},
         {{3, 0}, {6, 3}, {2, 4}, {5, 7}},
         {{2, 0}, {7, 0}, {0, 4}, {0, 7}, {8, 7}}},
        {TArrowDirection::arrLeft,
         {{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}},
         {{0, 3}, {3, 6}, {4, 1}, {7, 5}},
         {{0, 2}, {0, 7}, {8, 0}, {8, 9}, {3, 0}}},
        {TArrowDirection::arrRight,
         {{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}},
         {{1, 5}, {3, 2}, {5, 3}, {7, 6}},
         {{0, 0}, {0, 9}, {8, 3}, {3, 0}, {5, 8}}},
    };
    TComponent owner(nullptr);
    for (const auto& a : arrows) {
        auto* w = new TArrowWindow(&owner, a.dir);
        w->SetBounds(100, 100, 11, 11);
        EXPECT_EQ(w->Dir(), a.dir);
        EXPECT_EQ(w->Arrow(), a.corners);
        EXPECT_EQ(w->Color(), clLime);
        EXPECT_FALSE(w->Visible());
        EXPECT_EQ(w->WindowRegion(), TRegion::FromPolygon(a.corners, true));
        for (const TPoint& p : a.inside)
            EXPECT_TRUE(w->WindowRegion().Contains(p)) << int(a.dir) << " " << p.X << "," << p.Y;
        for (const TPoint& p : a.outside)
            EXPECT_FALSE(w->WindowRegion().Contains(p)) << int(a.dir) << " " << p.X << "," << p.Y;
        ASSERT_NE(w->Widget(), nullptr);
        EXPECT_EQ(w->Widget()->mask(), w->WindowRegion().ToQt());
        // Painted in its colour wherever the region shows.
        const QImage img = TestKit::RenderToImage(w);
        EXPECT_EQ(img.pixel(a.inside[3].X, a.inside[3].Y), rgb(clLime));
    }
    EXPECT_EQ(owner.ComponentCount(), 4);
}

// ---- a picture to look at --------------------------------------------------------------------------------

// Every look in its five states, the check box in its three, the four
// arrows. VYN_RENDER_DIR=<dir> keeps grid_controls.png.
TEST_F(ControlsForm, GalleryRendersToPng)
{
    form.SetBounds(0, 0, 560, 300);
    form.SetColor(clWhite);
    const char* states[] = {"normal", "hot", "down", "checked", "disabled"};
    const Glyph g(RGBColor(0, 120, 200));
    QImage sheet(560, 300, QImage::Format_ARGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    for (int look = 0; look <= 6; ++look)
        for (int s = 0; s < 5; ++s) {
            TVynGridButton* b = button("L" + std::to_string(look) + "_" + std::to_string(s), 10 + s * 70, 10 + look * 30);
            b->SetLook(look);
            b->SetBounds(b->Left(), b->Top(), 64, 24);
            b->SetCaption(QString::fromLatin1(states[s]));
            b->SetGlyph(&g);
            if (s == 1 || s == 2)
                TestKit::MouseMove(b, 5, 5);
            if (s == 2)
                TestKit::MouseDown(b, 5, 5);
            if (s == 3) {
                b->SetStyle(TVynGridButtonStyle::tasCheck);
                b->SetDown(true);
            }
            if (s == 4)
                b->SetEnabled(false);
            p.drawImage(b->Left(), b->Top(), TestKit::RenderToImage(b));
            if (s == 2)
                TestKit::MouseUp(b, 5, 5);
            if (s == 1 || s == 2)
                TestKit::MouseMove(&form, 550, 290);
        }
    const TCheckBoxState boxStates[] = {cbUnchecked, cbChecked, cbGrayed};
    for (int i = 0; i < 3; ++i) {
        TVynCheckBox* c = checkBox("C" + std::to_string(i), 230);
        c->SetLeft(10 + i * 130);
        c->SetState(boxStates[i]);
        c->SetCaption(i == 0 ? QStringLiteral("Unchecked") : i == 1 ? QStringLiteral("Checked") : QStringLiteral("Grayed"));
        p.drawImage(c->Left(), c->Top(), TestKit::RenderToImage(c));
    }
    TComponent owner(nullptr);
    const TArrowDirection dirs[] = {TArrowDirection::arrUp, TArrowDirection::arrDown, TArrowDirection::arrLeft,
                                    TArrowDirection::arrRight};
    for (int i = 0; i < 4; ++i) {
        auto* a = new TArrowWindow(&owner, dirs[i]);
        a->SetBounds(0, 0, 11, 11);
        QImage img = TestKit::RenderToImage(a);
        p.setClipRegion(a->WindowRegion().ToQt().translated(420 + i * 20, 230));
        p.drawImage(420 + i * 20, 230, img);
        p.setClipping(false);
    }
    p.end();
    if (const char* keep = std::getenv("VYN_RENDER_DIR"))
        sheet.save(QString::fromLocal8Bit(keep) + "/grid_controls.png", "PNG");
    // The first arrow's tip and stem are lime, its corner white.
    EXPECT_EQ(sheet.pixel(420 + 5, 231), rgb(clLime));
    EXPECT_EQ(sheet.pixel(420 + 0, 230), qRgb(255, 255, 255));

    // VYN_SCREEN_SHOT=<file.png> (under a real display, e.g. xvfb-run with
    // QT_QPA_PLATFORM=xcb): the form, the four arrows beside it and a focus
    // window over a button, as the display shows them.
    const char* shot = std::getenv("VYN_SCREEN_SHOT");
    if (!shot || !*shot)
        return;
    form.SetBounds(40, 40, 560, 300);
    for (int i = 0; i < 4; ++i) {
        auto* a = new TArrowWindow(&form, dirs[i]);
        a->SetBounds(620 + i * 20, 60, 11, 11);
        a->Show();
    }
    auto* halo = new TGridFocusWindow(&form);
    halo->SetBounds(form.ClientOrigin().X + 360, form.ClientOrigin().Y + 5, 90, 34);
    halo->Show();
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 1500) {
        Application.ProcessMessages();
        QThread::msleep(10);
    }
    QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromLocal8Bit(shot), "PNG");
    EXPECT_EQ(GetActiveForm(), &form);
}
