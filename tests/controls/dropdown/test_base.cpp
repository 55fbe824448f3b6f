// The drop-down's defaults, styles, copying, streaming, layout and painting.
#include "dropdown_fixture.h"

#include "grid/core/grid_draw.h"
#include "support/temp_dir.h"

using namespace DropDownTestKit;

namespace {

using DropDownBase = DropDownFixture;

TEST_F(DropDownBase, Defaults)
{
    TVynDropDown d(nullptr);
    EXPECT_EQ(d.Width(), 200);
    EXPECT_EQ(d.Height(), 21);
    EXPECT_EQ(d.Text(), "");
    EXPECT_FALSE(d.ReadOnly());
    EXPECT_FALSE(d.ControlStyle().Contains(csSetCaption));
    EXPECT_EQ(d.DropDownWidth(), 0);
    EXPECT_EQ(d.DropDownHeight(), 0);
    EXPECT_EQ(d.UserDropDownWidth(), -1);
    EXPECT_EQ(d.UserDropDownHeight(), -1);
    EXPECT_TRUE(d.EditorEnabled());
    EXPECT_EQ(d.DropPosition(), dpAuto);
    EXPECT_TRUE(d.DropDownShadow());
    EXPECT_EQ(d.DropDownBorderWidth(), 1);
    EXPECT_EQ(d.DropDownButtonWidth(), 17);
    EXPECT_EQ(d.DropDownButtonHint(), "");
    EXPECT_TRUE(d.DropDownSizeable());
    EXPECT_EQ(d.DropDownGradient(), gdHorizontal);
    EXPECT_EQ(d.BorderColor(), clNone);
    EXPECT_EQ(d.FocusBorderColor(), clNone);
    EXPECT_TRUE(d.DisabledBorder());
    EXPECT_EQ(d.SelectionColorStyle(), scOffice2007);
    EXPECT_EQ(d.SelectionColor(), 0xD7FFFD);
    EXPECT_EQ(d.SelectionColorTo(), 0x58D4FC);
    EXPECT_EQ(d.GetComponentStyle(), tsOffice2007Luna);
    // The style applied at creation: Luna's popup colours.
    EXPECT_EQ(d.DropDownColor(), 0xF3E5DA);
    EXPECT_EQ(d.DropDownColorTo(), 0xF0DED0);
    EXPECT_EQ(d.DropDownBorderColor(), clNone);
    EXPECT_EQ(d.EditType(), etString);
    EXPECT_FALSE(d.DropDownEnabled());
    EXPECT_FALSE(d.DroppedDown());
    EXPECT_TRUE(d.FocusDraw());
    EXPECT_TRUE(d.DefaultHandling());
    EXPECT_TRUE(d.CanUndo());
    EXPECT_FALSE(d.ReturnIsTab());
    EXPECT_EQ(d.LabelMargin(), 0);
    EXPECT_EQ(d.LabelPosition(), lpLeftTop);
    EXPECT_EQ(d.Version(), "1.2.1.4");
    d.SetVersion("9.9");
    EXPECT_EQ(d.Version(), "1.2.1.4");
    EXPECT_EQ(d.Images(), nullptr);
    EXPECT_EQ(d.Control(), nullptr);

    // The popup: created, hidden, owned by the drop-down.
    TDropDownForm* p = d.DropDownForm();
    ASSERT_NE(p, nullptr);
    EXPECT_FALSE(p->Visible());
    EXPECT_EQ(p->Owner(), &d);
    EXPECT_EQ(p->VynDropDown(), &d);
    EXPECT_EQ(p->DeActivateTime(), 0u);
    EXPECT_TRUE(p->Shadow());
    EXPECT_FALSE(p->Sizeable());
    EXPECT_TRUE(p->CancelOnDeActivate());
    EXPECT_FALSE(p->BlockActivate());
    EXPECT_EQ(p->BorderStyle(), bsNone);

    // The drop button.
    TDropDownEditButton* b = d.Button();
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->Parent(), &d);
    EXPECT_EQ(b->FocusControl(), &d);
    EXPECT_EQ(b->BWidth(), 17);
    EXPECT_EQ(b->Width(), 17);
    for (TColor c : {b->ButtonColor(), b->ButtonColorHot(), b->ButtonColorDown(), b->ButtonBorderColor(),
                     b->ButtonTextColor(), b->ButtonTextColorHot(), b->ButtonTextColorDown()})
        EXPECT_EQ(c, clNone);
    ASSERT_NE(b->InnerButton(), nullptr);
    EXPECT_EQ(b->InnerButton()->ButtonStyle(), bsDropDown);
    EXPECT_EQ(b->InnerButton()->BoundsRect(), Rect(0, 0, 17, b->Height()));
    EXPECT_FALSE(b->InnerButton()->Etched());
    EXPECT_EQ(b->ButtonCaption(), "");
    EXPECT_TRUE(b->Glyph().Empty());

    // The header and footer settings are owned with the drop-down as owner.
    EXPECT_EQ(d.DropDownHeader().GetOwner(), &d);
    EXPECT_EQ(d.DropDownFooter().Buttons().Owner(), &d);
}

TEST_F(DropDownBase, ButtonLayoutInsideTheFrame)
{
    // The edit paints a 2-pixel frame; the button lies inside it at the
    // right, as wide as DropDownButtonWidth whatever it is given.
    EXPECT_EQ(dd->Button()->BoundsRect(), Rect(2 + 200 - 17 - 4, 2, 2 + 200 - 4, 2 + 21 - 4));
    dd->Button()->SetBounds(0, 0, 40, 10);
    EXPECT_EQ(dd->Button()->Width(), 17);
    EXPECT_EQ(dd->Button()->InnerButton()->BoundsRect(), Rect(0, 0, 17, 10));
    dd->SetDropDownButtonWidth(21);
    EXPECT_EQ(dd->Button()->Width(), 21);
    dd->SetWidth(150);
    EXPECT_EQ(dd->Button()->Left(), 2 + 150 - 21 - 4);
    // The text ends before the button.
    EXPECT_EQ(dd->EditRect(), Rect(1, 1, 146 - 21 - 3, 17 + 1));
    // The edit is never lower than its font's minimum.
    dd->SetHeight(5);
    EXPECT_GE(dd->Height(), 13);
}

TEST_F(DropDownBase, PropertyWrites)
{
    dd->SetDropDownButtonHint("Open");
    EXPECT_EQ(dd->Button()->Hint(), "Open");
    EXPECT_TRUE(dd->Button()->ShowHint());
    dd->SetDropDownButtonHint("");
    EXPECT_FALSE(dd->Button()->ShowHint());
    dd->SetEditorEnabled(false);
    EXPECT_FALSE(dd->ControlStyle().Contains(csDoubleClicks));
    dd->SetEditorEnabled(true);
    EXPECT_TRUE(dd->ControlStyle().Contains(csDoubleClicks));
    dd->SetEnabled(false);
    EXPECT_FALSE(dd->Button()->Enabled());
    EXPECT_FALSE(dd->Button()->InnerButton()->Enabled());
    dd->SetEnabled(true);
    EXPECT_TRUE(dd->Button()->InnerButton()->Enabled());
    // SetText records FOldText and clears the modified state;
    // SetTextDirect does neither.
    dd->SetModified(true);
    dd->SetText("one");
    EXPECT_EQ(dd->OldText(), "one");
    EXPECT_FALSE(dd->Modified());
    dd->SetTextDirect("two");
    EXPECT_EQ(dd->Text(), "two");
    EXPECT_EQ(dd->OldText(), "one");
}

TEST_F(DropDownBase, AssignCopiesFromADropDownOnly)
{
    TVynDropDown src(nullptr);
    src.SetDropDownColor(0x010203);
    src.SetDropDownBorderWidth(3);
    src.SetDropDownWidth(123);
    src.SetDropPosition(dpUp);
    src.SetDropDownButtonWidth(25);
    src.SetDropDownButtonHint("hint");
    src.SetEditorEnabled(false);
    src.DropDownHeader().SetCaption("Head");
    src.DropDownFooter().SetVisible(false);
    src.ButtonAppearance().SetColor(0x0A0B0C);
    src.SetSelectionColorStyle(scWindows7);
    src.SetText("not copied");
    dd->Assign(src);
    EXPECT_EQ(dd->DropDownColor(), 0x010203);
    EXPECT_EQ(dd->DropDownBorderWidth(), 3);
    EXPECT_EQ(dd->DropDownWidth(), 123);
    EXPECT_EQ(dd->DropPosition(), dpUp);
    EXPECT_EQ(dd->DropDownButtonWidth(), 25);
    EXPECT_EQ(dd->Button()->Width(), 25);
    EXPECT_EQ(dd->DropDownButtonHint(), "hint");
    EXPECT_FALSE(dd->EditorEnabled());
    EXPECT_EQ(dd->DropDownHeader().Caption(), "Head");
    EXPECT_FALSE(dd->DropDownFooter().Visible());
    EXPECT_EQ(dd->ButtonAppearance().Color(), 0x0A0B0C);
    EXPECT_EQ(dd->SelectionColorStyle(), scWindows7);
    EXPECT_EQ(dd->SelectionColor(), 0xFCEBDC);
    EXPECT_EQ(dd->Text(), "");
    // From anything else: nothing, no error.
    TFont font;
    font.SetName("Verdana");
    EXPECT_NO_THROW(dd->Assign(font));
    EXPECT_EQ(dd->DropDownColor(), 0x010203);
}

TEST_F(DropDownBase, StreamedStyleNumbersApplyNoColours)
{
    EXPECT_EQ(dd->WriteStreamedProperty("VynStyle"), int(tsOffice2007Luna));
    EXPECT_EQ(dd->WriteStreamedProperty("SelectionColorStyle"), int(scOffice2007));
    EXPECT_TRUE(dd->ReadStreamedProperty("VynStyle", int(tsWindows7)));
    EXPECT_EQ(dd->GetComponentStyle(), tsWindows7);
    EXPECT_EQ(dd->DropDownColor(), 0xF3E5DA) << "the stored colours carry the colours";
    EXPECT_TRUE(dd->ReadStreamedProperty("SelectionColorStyle", int(scWindowsVista)));
    EXPECT_EQ(dd->SelectionColorStyle(), scWindowsVista);
    EXPECT_EQ(dd->SelectionColor(), 0xD7FFFD);
    // A number out of range is refused.
    EXPECT_FALSE(dd->ReadStreamedProperty("VynStyle", 16));
    EXPECT_FALSE(dd->ReadStreamedProperty("SelectionColorStyle", -1));
    EXPECT_EQ(dd->GetComponentStyle(), tsWindows7);
}

// ---- styles: one spot check per table ----------------------------------------------------

TEST_F(DropDownBase, ComponentStyles)
{
    dd->SetComponentStyle(tsWindows7);
    EXPECT_EQ(dd->DropDownColor(), 0xFFFFFF);
    EXPECT_EQ(dd->DropDownBorderColor(), 0x979797);
    EXPECT_EQ(dd->DropDownHeader().Color(), 0xFDFBFA);
    EXPECT_EQ(dd->DropDownHeader().ColorTo(), 0xFDF3EB);
    EXPECT_EQ(dd->DropDownHeader().BorderColor(), 0xFBD6B8);
    EXPECT_EQ(dd->DropDownFooter().Font().Color(), 0x000000);
    // Button appearance table: Windows 7's own row; Luna's with set O.
    EXPECT_EQ(dd->ButtonAppearance().ColorDownTo(), 0xFCDBC1);
    EXPECT_EQ(dd->ButtonAppearance().BorderColor(), 0xFBD6B8);
    dd->SetComponentStyle(tsOffice2007Luna);
    EXPECT_EQ(dd->ButtonAppearance().ColorTo(), 0xFFDDC4);
    EXPECT_EQ(dd->ButtonAppearance().ColorCheckedTo(), 0x4190F3);
    EXPECT_EQ(dd->DropDownHeader().Font().Color(), 0x723708);

    // tsOffice2003Blue: footer border differs from the header's.
    dd->SetComponentStyle(tsOffice2003Blue);
    EXPECT_EQ(dd->DropDownHeader().BorderColor(), 0x000000);
    EXPECT_EQ(dd->DropDownFooter().BorderColor(), 0x962D00);
    // tsCustom keeps every colour and records the style.
    dd->SetComponentStyle(tsCustom);
    EXPECT_EQ(dd->GetComponentStyle(), tsCustom);
    EXPECT_EQ(dd->DropDownHeader().Color(), 0xFCE1CB);
    EXPECT_EQ(dd->ButtonAppearance().Color(), 0xFCE1CB);
    // Blue, Silver and XP keep DropDownBorderColor; the others set it.
    for (TVynStyle s : {tsOffice2003Blue, tsOffice2003Silver, tsWindowsXP}) {
        dd->SetDropDownBorderColor(0x123456);
        dd->SetComponentStyle(s);
        EXPECT_EQ(dd->DropDownBorderColor(), 0x123456) << int(s);
    }
    dd->SetComponentStyle(tsOffice2010Black);
    EXPECT_EQ(dd->DropDownBorderColor(), 0xEDEDEC);
    // Vista's footer gradient runs the other way.
    dd->SetComponentStyle(tsWindowsVista);
    EXPECT_EQ(dd->DropDownHeader().Color(), dd->DropDownFooter().ColorTo());
    EXPECT_EQ(dd->DropDownHeader().ColorTo(), dd->DropDownFooter().Color());
    EXPECT_NE(dd->DropDownHeader().Color(), dd->DropDownHeader().ColorTo());
}

TEST_F(DropDownBase, SelectionStylesTonesAndItemAppearance)
{
    dd->SetSelectionColorStyle(scWindows7);
    EXPECT_EQ(dd->SelectionColor(), 0xFCEBDC);
    dd->SetSelectionColorStyle(scCustom);
    EXPECT_EQ(dd->SelectionColorStyle(), scCustom);
    EXPECT_EQ(dd->SelectionColorTo(), 0xFCDBC1) << "scCustom keeps the colours";

    TColorTones tones;
    tones.Background.BrushColor = 0x101010;
    tones.Background.BorderColor = 0x202020;
    tones.Hover.BrushColor = 0x303030;
    tones.Selected.BrushColor = 0x404040;
    dd->SetColorTones(tones);
    EXPECT_EQ(dd->Button()->ButtonColor(), 0x101010);
    EXPECT_EQ(dd->Button()->ButtonColorHot(), 0x303030);
    EXPECT_EQ(dd->Button()->ButtonColorDown(), 0x404040);
    EXPECT_EQ(dd->Button()->ButtonBorderColor(), 0x202020);
    EXPECT_EQ(dd->BorderColor(), 0x202020);

    TItemAppearance a;
    a.BorderColorHot = 0x1;
    a.ColorHotText = 0x2;
    dd->SetItemAppearanceStyle(&a, tsWindowsXP);
    EXPECT_EQ(a.ColorSelected, clHighlight);
    EXPECT_EQ(a.ColorSelectedTo, clNone);
    EXPECT_EQ(a.ColorSelectedText, clHighlightText);
    EXPECT_EQ(a.BorderColorHot, clNone);
    EXPECT_EQ(a.ColorHotText, 0);
    dd->SetItemAppearanceStyle(&a, tsCustom);
    EXPECT_EQ(a.ColorSelected, clHighlight);
    EXPECT_NO_THROW(dd->SetItemAppearanceStyle(nullptr, tsWindows7));
}

TEST_F(DropDownBase, SelectedBackground)
{
    TBitmap b(40, 20);
    b.Canvas().Brush().SetColor(0xFFFFFF);
    b.Canvas().FillRect(Rect(0, 0, 40, 20));
    dd->SetSelectionColorStyle(scCustom);
    dd->SetSelectionColor(0x00AA00);
    dd->DrawSelectedBackground(b.Canvas(), Rect(0, 0, 40, 20), 0, 0xFFFFFF);
    EXPECT_EQ(PixelAt(b.Image(), 20, 10), 0x00AA00);
    // The rounded frame: the outer border line in the style's colour.
    dd->SetSelectionColorStyle(scWindows7);
    dd->DrawSelectedBackground(b.Canvas(), Rect(0, 0, 40, 20), 0, 0x0000FF);
    EXPECT_EQ(PixelAt(b.Image(), 20, 0), 0xCEA27D);
    EXPECT_EQ(PixelAt(b.Image(), 0, 0), 0x0000FF) << "the outermost corner";
}

// ---- painting ------------------------------------------------------------------------------

TEST_F(DropDownBase, PopupBandsAndFrame)
{
    dd->SetDropDownWidth(161);
    dd->SetDropDownHeight(120);
    dd->SetDropDownColor(0x000000);
    dd->SetDropDownColorTo(0x0000FF);
    dd->SetDropDownBorderColor(0x00FF00);
    dd->DropDownHeader().SetVisible(false);
    dd->DropDownFooter().SetVisible(false);
    dd->SetControl(nullptr);
    pad->SetParent(nullptr);
    dd->ShowDropDown();
    ASSERT_TRUE(open());
    const QImage img = TestKit::RenderToImage(popup());
    // The frame, one pixel on every side.
    for (TPoint p : {TPoint{0, 0}, TPoint{160, 0}, TPoint{0, 119}, TPoint{160, 119}, TPoint{80, 0}, TPoint{0, 60}})
        EXPECT_EQ(Hex(PixelAt(img, p.X, p.Y)), Hex(0x00FF00)) << p.X << "," << p.Y;
    // Inside: 80 bands left to right from black to red over 159 - 1 pixels.
    EXPECT_EQ(Hex(PixelAt(img, 1, 60)), Hex(0x000000));
    EXPECT_EQ(Hex(PixelAt(img, 158, 60)), Hex(0x0000FC)) << "band 79";
    EXPECT_EQ(PixelAt(img, 80, 10), PixelAt(img, 80, 100)) << "vertical bands";
    EXPECT_GT(PixelAt(img, 100, 60) & 0xFF, PixelAt(img, 50, 60) & 0xFF);
    // A plain fill without colour-to; no frame with width 0.
    dd->HideDropDown(false);
    dd->SetDropDownColorTo(clNone);
    dd->SetDropDownColor(0x808000);
    dd->SetDropDownBorderWidth(0);
    dd->ShowDropDown();
    const QImage fill = TestKit::RenderToImage(popup());
    EXPECT_EQ(Hex(PixelAt(fill, 0, 0)), Hex(0x808000));
    EXPECT_EQ(Hex(PixelAt(fill, 80, 60)), Hex(0x808000));
}

TEST_F(DropDownBase, PopupChildrenStayInsideTheFrame)
{
    dd->SetDropDownBorderWidth(3);
    dd->DropDownHeader().SetVisible(false);
    dd->DropDownFooter().SetVisible(false);
    dd->ShowDropDown();
    ASSERT_TRUE(open());
    EXPECT_EQ(pad->BoundsRect(), Rect(3, 3, popup()->Width() - 3, popup()->Height() - 3));
}

TEST_F(DropDownBase, ClassicArrow)
{
    TDropDownEditButton* b = dd->Button();
    b->SetBounds(b->Left(), b->Top(), 17, 17);
    const QImage img = TestKit::RenderToImage(b);
    // The triangle (5,7), (11,7), (8,10) in black.
    for (TPoint p : {TPoint{5, 7}, TPoint{10, 7}, TPoint{8, 9}, TPoint{8, 8}})
        EXPECT_EQ(Hex(PixelAt(img, p.X, p.Y)), Hex(0x000000)) << p.X << "," << p.Y;
    for (TPoint p : {TPoint{4, 7}, TPoint{12, 7}, TPoint{8, 11}, TPoint{8, 6}})
        EXPECT_NE(Hex(PixelAt(img, p.X, p.Y)), Hex(0x000000)) << p.X << "," << p.Y;
    // The outer highlight: clBtnFace on the top and left edge, white inside.
    EXPECT_EQ(PixelAt(img, 0, 0), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelAt(img, 0, 10), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelAt(img, 1, 1), 0xFFFFFF);
}

TEST_F(DropDownBase, ColouredButtonWinsOverThemesGlyphOnlyWithoutColour)
{
    StyledThemePainter styled;
    SetThemes(&styled);
    TDropDownEditButton* b = dd->Button();
    b->SetButtonColor(0x00A0A0);
    b->SetButtonTextColor(0x0000FF);
    dd->SetBorderColor(0xFF0000);
    QImage img = TestKit::RenderToImage(b);
    EXPECT_EQ(Hex(PixelAt(img, 14, 3)), Hex(0x00A0A0));
    EXPECT_EQ(Hex(PixelAt(img, 0, 5)), Hex(0xFF0000)) << "the drop-down's border colour on the left edge";
    EXPECT_EQ(Hex(PixelAt(img, 8, 8)), Hex(0x0000FF)) << "the arrow in ButtonTextColor";
    // A glyph: ignored while coloured, drawn once ButtonColor is none.
    TBitmap glyph(6, 6);
    glyph.Canvas().Brush().SetColor(0x00FF00);
    glyph.Canvas().FillRect(Rect(0, 0, 6, 6));
    glyph.Canvas().Brush().SetColor(0xFF00FF);
    glyph.Canvas().FillRect(Rect(0, 5, 1, 6));  // the bottom-left key
    dd->SetDropDownButtonGlyph(glyph);
    img = TestKit::RenderToImage(b);
    EXPECT_EQ(Hex(PixelAt(img, 3, 3)), Hex(0x00A0A0));
    b->SetButtonColor(clNone);
    img = TestKit::RenderToImage(b);
    EXPECT_EQ(Hex(PixelAt(img, 3, 3)), Hex(0x00FF00));
    EXPECT_EQ(Hex(PixelAt(img, 10, 10)), Hex(ColorToRGB(clBtnFace)));
    SetThemes(&classic);
}

TEST_F(DropDownBase, RendersTheEditWithItsOpenPopup)
{
    dd->SetText("Drop-down");
    dd->ShowDropDown();
    ASSERT_TRUE(open());
    TempDir dir;
    const char* keep = std::getenv("VYN_RENDER_DIR");
    const String base = keep && *keep ? String::fromLocal8Bit(keep) : dir.path();
    ASSERT_TRUE(TestKit::RenderToPng(form, base + "/dropdown-form.png"));
    ASSERT_TRUE(TestKit::RenderToPng(popup(), base + "/dropdown-popup.png"));
    const QImage f = TestKit::RenderToImage(form);
    // The drop button at the edit's right (classic: a button face).
    EXPECT_EQ(PixelAt(f, dd->Left() + dd->Button()->Left() + 3, dd->Top() + dd->Button()->Top() + 12),
              ColorToRGB(clBtnFace));
    const QImage p = TestKit::RenderToImage(popup());
    EXPECT_EQ(PixelAt(p, 0, 0), 0x000000) << "Luna's popup frame (clNone draws black)";
    EXPECT_EQ(PixelAt(p, 75, 50), 0x00C0FF) << "the hosted pad";
}

}  // namespace
