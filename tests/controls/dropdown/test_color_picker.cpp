// The colour picker: colours and texts, the four popup styles (the list,
// the palette, the cube, the spectrum), keys, type-ahead, cancel and the
// pictures of the open popups.
#include <QPainter>

#include "dropdown_fixture.h"

#include "controls/dropdown/ColorPickerDropDown.h"
#include "controls/dropdown/DropDownDraw.h"
#include "platform/gui/extctrls.h"
#include "support/temp_dir.h"

using namespace DropDownTestKit;

namespace {

struct ColorPickerFixture : DropDownFixture {
    TVynColorPickerDropDown* cp = nullptr;
    std::vector<int> selects;  // ItemIndex at each OnSelect

    void SetUp() override
    {
        DropDownFixture::SetUp();
        cp = new TVynColorPickerDropDown(form);
        cp->SetName("ColorPicker");
        cp->SetBounds(10, 40, 160, 21);
        cp->SetParent(form);
        cp->OnSelect = [this](TObject* Sender) {
            EXPECT_EQ(Sender, cp);
            selects.push_back(cp->ItemIndex());
        };
        cp->SetFocus();
    }
    void key(Word VK) { TestKit::TypeKey(nullptr, VK); }
    TVynCustomItemSelector* sel() const { return cp->ItemSelector(); }
    // Keeps the picture when VYN_RENDER_DIR is set.
    void keep(const QImage& Image, const char* Name)
    {
        const char* dir = std::getenv("VYN_RENDER_DIR");
        const String base = dir && *dir ? String::fromLocal8Bit(dir) : tmp.path();
        EXPECT_TRUE(Image.save(base + "/" + Name));
    }
    TempDir tmp;
};

using ColorPicker = ColorPickerFixture;

TEST_F(ColorPicker, DefaultsAndDefaultColours)
{
    EXPECT_EQ(cp->Colors().Count(), 0) << "made at run time: no colours";
    EXPECT_FALSE(cp->EditorEnabled());
    EXPECT_TRUE(cp->DropDownEnabled());
    EXPECT_EQ(cp->DropDownHeight(), 200);
    EXPECT_FALSE(cp->DropDownHeader().Visible());
    EXPECT_FALSE(cp->DropDownFooter().Visible());
    EXPECT_EQ(cp->ColorSelectionStyle(), csList);
    EXPECT_EQ(cp->SelectedColor(), clNone);
    EXPECT_EQ(cp->ItemIndex(), -1);
    EXPECT_EQ(cp->ColorValueText(), cvtNone);
    EXPECT_EQ(cp->ColorBoxWidth(), 14);
    ASSERT_NE(sel(), nullptr) << "the list selector is made with the popup";
    EXPECT_EQ(sel()->SelectorType(), stColor);
    cp->AddDefaultColors();
    cp->AddDefaultColors();
    ASSERT_EQ(cp->Colors().Count(), 32) << "appended, not cleared";
    EXPECT_EQ(cp->Colors().Items(9)->Caption(), "Red");
    EXPECT_EQ(cp->Colors().Items(9)->Color(), 0x0000FF);
    EXPECT_EQ(cp->Colors().Items(15)->Caption(), "White");
}

TEST_F(ColorPicker, SelectedColorChoosesTheFirstItem)
{
    cp->AddDefaultColors();
    cp->SetSelectedColor(0x0000FF);
    EXPECT_EQ(cp->ItemIndex(), 9);
    EXPECT_EQ(cp->SelectedColorText(), "Red");
    EXPECT_EQ(selects, (std::vector<int>{9}));
    cp->SetSelectedColor(0x0000FF);
    EXPECT_EQ(selects.size(), 1u) << "the same colour: nothing";
    cp->SetItemIndex(16);
    EXPECT_EQ(cp->ItemIndex(), 9) << "beyond the colours: ignored";
    cp->SetItemIndex(0);
    EXPECT_EQ(cp->SelectedColor(), 0x000000);
    cp->SetItemIndex(-1);
    EXPECT_EQ(cp->SelectedColor(), 0x000000) << "-1 keeps the colour";
    EXPECT_EQ(selects, (std::vector<int>{9, 0, -1})) << "every write fires, -1 too";
}

TEST_F(ColorPicker, AnUnknownColourClearsTheIndex)
{
    cp->AddDefaultColors();
    cp->SetColorValueText(cvtHTML);
    cp->SetSelectedColor(0x0000FF);
    ASSERT_EQ(cp->SelectedColorText(), "Red");
    cp->SetSelectedColor(0x123456);
    EXPECT_EQ(cp->ItemIndex(), -1);
    EXPECT_EQ(cp->SelectedColorText(), "#563412") << "the new colour, not the earlier item";
    EXPECT_EQ(selects, (std::vector<int>{9, -1}));
}

TEST_F(ColorPicker, TextForms)
{
    cp->AddDefaultColors();
    cp->SetSelectedColor(0x0000FF);
    cp->SetColorSelectionStyle(csColorCube);
    struct Case {
        TColorValueText Form;
        const char* Text;
    };
    for (const Case& c : {Case{cvtNone, ""}, Case{cvtHex, "0000FF"}, Case{cvtHTML, "#FF0000"},
                          Case{cvtRGB, "Red:255,Green:0,Blue:0"}, Case{cvtWebName, "clWebRed"}}) {
        cp->SetColorValueText(c.Form);
        EXPECT_EQ(cp->SelectedColorText(), c.Text) << int(c.Form);
    }
    // Web names: the first keyword of a shared value, else "#" and the hex
    // value red first; system colours are converted first.
    EXPECT_EQ(ColorToWebColorName(0xFAFAFF), "clWebSnow");
    EXPECT_EQ(ColorToWebColorName(0xFFFF00), "clWebAqua") << "aqua before cyan";
    EXPECT_EQ(ColorToWebColorName(0x808080), "clWebGray") << "gray before grey";
    EXPECT_EQ(ColorToWebColorName(0x563412), "#123456");
    EXPECT_EQ(ColorToWebColorName(0xABCDEF), "#EFCDAB");
    EXPECT_EQ(ColorToWebColorName(clWhite), "clWebWhite");
    cp->SetSelectedColor(clHighlight);
    cp->SetColorValueText(cvtRGB);
    const TColor h = ColorToRGB(clHighlight);
    EXPECT_EQ(cp->SelectedColorText(),
              QStringLiteral("Red:%1,Green:%2,Blue:%3").arg(GetRValue(h)).arg(GetGValue(h)).arg(GetBValue(h)));
}

TEST_F(ColorPicker, CubeGeometryAndHits)
{
    TVynColorCubePanel cube(form);
    EXPECT_EQ(cube.Width(), 182);
    EXPECT_EQ(cube.Height(), 160);
    EXPECT_EQ(cube.Cell(1).Center, (TPoint{55, 20}));
    EXPECT_EQ(cube.Cell(7).Center, (TPoint{127, 20}));
    EXPECT_EQ(cube.Cell(64).Center, (TPoint{91, 80}));
    EXPECT_EQ(cube.Cell(64).Color, 0xFFFFFF) << "white in the middle of row 7";
    EXPECT_EQ(cube.Cell(58).Center, (TPoint{19, 80}));
    EXPECT_EQ(cube.Cell(121).Center, (TPoint{55, 140}));
    EXPECT_EQ(cube.Cell(127).Center, (TPoint{127, 140}));
    EXPECT_EQ(cube.Cell(127).Color, 0x2100A5);
    // Exactly 6 pixels from a centre hits; 6.08 does not.
    EXPECT_EQ(cube.HitTest(91 + 6, 80), 64);
    EXPECT_EQ(cube.HitTest(91, 80 - 6), 64);
    EXPECT_EQ(cube.HitTest(91 + 6, 80 + 1), -1) << "(6, 1) away: 37 > 36, and no other centre is near";
    EXPECT_EQ(cube.HitTest(1, 1), -1);
    // Where two circles overlap the lower-numbered cell wins: (61, 20) lies
    // 6 from cells 1 and 2; (58, 25) lies 3,5 from cell 1 and -3,-5 from
    // cell 9 of the row below.
    EXPECT_EQ(cube.HitTest(61, 20), 1);
    EXPECT_EQ(cube.Cell(9).Center, (TPoint{61, 30}));
    EXPECT_EQ(cube.HitTest(58, 25), 1);
    EXPECT_EQ(cube.HitTest(64, 27), 9) << "outside cell 1's circle";
    cube.SetSelectedColor(0xFFFFFF);
    EXPECT_EQ(cube.SelectedIndex(), 64);
    cube.SetSelectedColor(0x123456);
    EXPECT_EQ(cube.SelectedIndex(), -1);
}

TEST_F(ColorPicker, CubeHintNamesTheCellsRGB)
{
    cp->SetColorSelectionStyle(csColorCube);
    cp->ShowDropDown();
    ASSERT_TRUE(cp->DroppedDown());
    TVynColorCubePanel* cube = cp->ColorCubePanel();
    ASSERT_NE(cube, nullptr);
    EXPECT_TRUE(cube->Visible());
    EXPECT_EQ(cp->Control(), cube);
    TestKit::MouseMove(cube, 91, 80);
    EXPECT_EQ(cube->HotIndex(), 64);
    EXPECT_EQ(cube->Hint(), "Red: 255,  Green: 255,  Blue: 255");
    TestKit::MouseMove(cube, 55, 20);
    EXPECT_EQ(cube->Hint(), "Red: 0,  Green: 51,  Blue: 102") << "$663300";
    TestKit::MouseMove(cube, 2, 2);
    EXPECT_EQ(cube->Hint(), "") << "off the cells";
    EXPECT_EQ(cube->HotIndex(), 1) << "the hot cell stays";
}

TEST_F(ColorPicker, ACubePickSelectsTheColourAndEndsAtMinusOne)
{
    cp->AddDefaultColors();
    cp->SetColorSelectionStyle(csColorCube);
    cp->ShowDropDown();
    ASSERT_TRUE(cp->DroppedDown());
    TVynColorCubePanel* cube = cp->ColorCubePanel();
    // Cell 118 is $0000FF (red), which is also list item 9.
    ASSERT_EQ(cube->Cell(118).Color, 0x0000FF);
    const TPoint c = cube->Cell(118).Center;
    TestKit::Click(cube, c.X, c.Y);
    EXPECT_FALSE(cp->DroppedDown());
    EXPECT_EQ(cp->SelectedColor(), 0x0000FF);
    EXPECT_EQ(cp->ItemIndex(), -1);
    EXPECT_EQ(selects, (std::vector<int>{9, -1})) << "OnSelect twice: the item, then -1";
}

TEST_F(ColorPicker, PaletteLayoutAndBorders)
{
    TCustomColorSelector pal(form);
    pal.SetParent(form);
    EXPECT_EQ(pal.Width(), 100);
    EXPECT_EQ(pal.Height(), 50) << "no boxes";
    pal.LoadDefaultPalette();
    ASSERT_EQ(pal.Items().Count(), 60);
    EXPECT_EQ(pal.Width(), 165);
    EXPECT_EQ(pal.Height(), 84);
    // The gap is only below the first row: rows 2 to 6 touch.
    EXPECT_EQ(pal.Items().Items(0)->ItemRect(), Bounds(4, 4, 12, 12));
    EXPECT_EQ(pal.Items().Items(10)->ItemRect(), Bounds(4, 20, 12, 12));
    EXPECT_EQ(pal.Items().Items(20)->ItemRect(), Bounds(4, 32, 12, 12));
    EXPECT_EQ(pal.Items().Items(59)->ItemRect(), Bounds(148, 68, 12, 12));
    EXPECT_EQ(pal.Items().Items(10)->ColorBoxPos(), ipTop);
    EXPECT_EQ(pal.Items().Items(59)->ColorBoxPos(), ipBottom);
    // Borders by position: a strip's middle box has no top line, its sides
    // in the border colour.
    const QImage img = TestKit::RenderToImage(&pal);
    keep(img, "color-palette.png");
    const TColor border = pal.ColorBoxAppearance().BorderColor;
    EXPECT_EQ(Hex(PixelAt(img, 4, 4)), Hex(border)) << "a stand-alone box: all four sides";
    EXPECT_EQ(Hex(PixelAt(img, 8, 15)), Hex(border));
    EXPECT_EQ(Hex(PixelAt(img, 8, 20)), Hex(border)) << "the top of a strip";
    EXPECT_EQ(Hex(PixelAt(img, 8, 32)), Hex(0xD8D8D8)) << "a middle box: no top line";
    EXPECT_EQ(Hex(PixelAt(img, 4, 33)), Hex(border)) << "its left side";
    EXPECT_EQ(Hex(PixelAt(img, 8, 79)), Hex(border)) << "the bottom of a strip";
    // Selection: a colour picks its first box and fires; an unknown colour
    // clears the index without an event.
    int fired = 0;
    pal.OnItemSelect = [&](TObject*) { ++fired; };
    pal.SetSelectedColor(0x7F7F7F);
    EXPECT_EQ(pal.ItemIndex(), 11) << "the first of two";
    EXPECT_EQ(fired, 1);
    pal.SetSelectedColor(0x123456);
    EXPECT_EQ(pal.ItemIndex(), -1);
    EXPECT_EQ(fired, 1);
    pal.Items().Items(3)->SetEnabled(false);
    pal.SetItemIndex(3);
    EXPECT_EQ(pal.ItemIndex(), -1) << "a disabled box is refused";
}

TEST_F(ColorPicker, PaletteKeys)
{
    TCustomColorSelector pal(form);
    pal.SetParent(form);
    pal.LoadDefaultPalette();
    struct Step {
        Word Key;
        bool Editor, Open;
        int From, To;
    };
    for (const Step& s : {Step{VK_DOWN, false, true, -1, 0}, Step{VK_DOWN, false, true, 5, 15},
                          Step{VK_DOWN, false, true, 55, 55}, Step{VK_UP, false, true, 15, 5},
                          Step{VK_UP, false, true, 5, 5}, Step{VK_DOWN, false, false, 5, 6},
                          Step{VK_UP, false, false, 0, 0}, Step{VK_RIGHT, true, false, 5, 5},
                          Step{VK_RIGHT, true, true, 5, 6}, Step{VK_LEFT, false, false, 5, 4},
                          Step{VK_END, false, false, 5, 59}, Step{VK_PRIOR, false, true, 30, 0},
                          Step{VK_NEXT, false, true, 30, 59}, Step{VK_HOME, false, false, 30, 0}}) {
        pal.SetItemIndex(s.From);
        pal.HandleKey(s.Key, s.Editor, s.Open);
        EXPECT_EQ(pal.ItemIndex(), s.To) << s.Key << " from " << s.From << (s.Open ? " open" : " closed");
    }
}

TEST_F(ColorPicker, PalettePickClosesWithTheColour)
{
    cp->AddDefaultColors();
    cp->SetColorSelectionStyle(csDiscrete);
    cp->SetSelectedColor(0x0000FF);
    cp->ShowDropDown();
    ASSERT_TRUE(cp->DroppedDown());
    TCustomColorSelector* pal = cp->ColorSelector();
    ASSERT_NE(pal, nullptr);
    EXPECT_EQ(pal->ItemIndex(), -1) << "red is not in the palette";
    EXPECT_EQ(cp->DropDownForm()->Width(), pal->Width() + 2);
    EXPECT_EQ(cp->DropDownForm()->Height(), pal->Height() + 2);
    EXPECT_FALSE(cp->DropDownForm()->Sizeable());
    selects.clear();
    const TRect r = pal->Items().Items(1)->ItemRect();
    TestKit::Click(pal, r.Left + 3, r.Top + 3);
    EXPECT_FALSE(cp->DroppedDown());
    EXPECT_EQ(cp->SelectedColor(), 0x000000);
    EXPECT_EQ(cp->ItemIndex(), -1);
    EXPECT_EQ(selects, (std::vector<int>{0, -1}));
}

TEST_F(ColorPicker, SpectrumPicksThePixelUnderTheMouse)
{
    const TBitmap& b = SpectrumBitmap();
    ASSERT_EQ(b.Width(), 128);
    ASSERT_EQ(b.Height(), 128);
    TBitmap& m = const_cast<TBitmap&>(b);
    EXPECT_EQ(Hex(m.Canvas().Pixels(0, 0)), Hex(0xFFFFFF)) << "white at the top";
    EXPECT_EQ(Hex(m.Canvas().Pixels(70, 127)), Hex(0x000000)) << "black at the bottom";
    EXPECT_EQ(Hex(m.Canvas().Pixels(0, 64)), Hex(0x0000FF)) << "pure red in row 64";
    EXPECT_EQ(Hex(m.Canvas().Pixels(64, 64)), Hex(0xFFFF00)) << "cyan half way";
    cp->AddDefaultColors();
    cp->SetColorSelectionStyle(csSpectrum);
    cp->ShowDropDown();
    ASSERT_TRUE(cp->DroppedDown());
    TVynColorSpectrumPanel* sp = cp->SpectrumPanel();
    ASSERT_NE(sp, nullptr);
    EXPECT_EQ(sp->Width(), 150);
    EXPECT_EQ(sp->Height(), 174);
    EXPECT_EQ(sp->SpectrumImage()->BoundsRect(), Bounds(11, 10, 128, 128));
    EXPECT_EQ(sp->SelectedRect(), Rect(10, 146, 73, 166));
    EXPECT_EQ(sp->HotRect(), Rect(77, 146, 140, 166));
    EXPECT_EQ(sp->SpectrumImage()->Cursor(), crVynPointer);
    TestKit::MouseMove(sp, 11 + 0, 10 + 64);
    EXPECT_EQ(Hex(sp->HotColor()), Hex(0x0000FF));
    selects.clear();
    TestKit::Click(sp, 11 + 0, 10 + 64);
    EXPECT_FALSE(cp->DroppedDown());
    EXPECT_EQ(cp->SelectedColor(), 0x0000FF);
    EXPECT_EQ(selects, (std::vector<int>{9, -1}));
}

TEST_F(ColorPicker, ListKeysTypeAheadAndPages)
{
    cp->AddDefaultColors();
    cp->ShowDropDown();
    ASSERT_TRUE(cp->DroppedDown());
    ASSERT_EQ(sel()->Items().Count(), 16);
    // A popup showing 5 rows: PageDown from none selects item 4.
    const int h = sel()->Items().Items(0)->ItemRect().Height();
    cp->HideDropDown(false);
    cp->SetDropDownHeight(5 * h + 4 + 2);
    cp->ShowDropDown();
    EXPECT_FALSE(sel()->HorzScrollBar().IsScrollBarVisible()) << "the popup widened by the vertical bar";
    ASSERT_EQ(sel()->GetVisibleItemCount(), 5);
    key(VK_NEXT);
    EXPECT_EQ(cp->ItemIndex(), 4);
    EXPECT_TRUE(cp->DroppedDown()) << "keys do not close the popup";
    key(VK_NEXT);
    EXPECT_EQ(cp->ItemIndex(), 9);
    key(VK_PRIOR);
    EXPECT_EQ(cp->ItemIndex(), 4);
    key(VK_DOWN);
    EXPECT_EQ(cp->ItemIndex(), 5);
    key(VK_END);
    EXPECT_EQ(cp->ItemIndex(), 15);
    key(VK_HOME);
    EXPECT_EQ(cp->ItemIndex(), 0);
    // Type-ahead: R then E within 500 ms looks up "RE"; the text lives
    // 500 ms from its first key.
    key('R');
    clock.Advance(200);
    key('E');
    EXPECT_EQ(cp->CurSearch(), "RE");
    EXPECT_EQ(cp->ItemIndex(), 9);
    clock.Advance(299);
    EXPECT_EQ(cp->CurSearch(), "RE");
    clock.Advance(1);
    EXPECT_EQ(cp->CurSearch(), "") << "500 ms from the first key";
    key('W');
    EXPECT_EQ(cp->CurSearch(), "W");
    EXPECT_EQ(cp->ItemIndex(), 15);
}

TEST_F(ColorPicker, ClosedListKeys)
{
    cp->AddDefaultColors();
    struct Step {
        Word Key;
        int From, To;
    };
    for (const Step& s : {Step{VK_DOWN, -1, 0}, Step{VK_DOWN, 3, 4}, Step{VK_DOWN, 15, 15}, Step{VK_UP, -1, 0},
                          Step{VK_UP, 0, 0}, Step{VK_UP, 4, 3}, Step{VK_END, 2, 15}, Step{VK_HOME, 7, 0}}) {
        cp->SetItemIndex(s.From);
        key(s.Key);
        EXPECT_EQ(cp->ItemIndex(), s.To) << s.Key << " from " << s.From;
        EXPECT_FALSE(cp->DroppedDown());
    }
}

TEST_F(ColorPicker, ClosedPaletteStepsFromThePickersColour)
{
    cp->SetColorSelectionStyle(csDiscrete);
    cp->SetSelectedColor(0xF2F2F2);  // box 10
    cp->ShowDropDown();
    cp->HideDropDown(false);
    cp->SetSelectedColor(0x000000);  // box 1, set by the program
    TestKit::Wheel(cp, 10, 10, -120);
    EXPECT_EQ(cp->SelectedColor(), 0xE1ECEE) << "box 2, the one after the picker's colour";
    key(VK_LEFT);
    EXPECT_EQ(cp->SelectedColor(), 0x000000);
    EXPECT_FALSE(cp->DroppedDown());
}

TEST_F(ColorPicker, EscRestoresOnlyAnOpenPopup)
{
    cp->AddDefaultColors();
    // Closed: Esc changes nothing, whether or not the popup was ever open.
    cp->SetSelectedColor(0x00FF00);
    ASSERT_EQ(cp->ItemIndex(), 10);
    selects.clear();
    key(VK_ESCAPE);
    EXPECT_EQ(cp->ItemIndex(), 10);
    EXPECT_EQ(cp->SelectedColor(), 0x00FF00);
    EXPECT_TRUE(selects.empty());
    // Open list: Esc puts back the opening's item and fires OnSelect.
    cp->ShowDropDown();
    key(VK_DOWN);
    key(VK_DOWN);
    ASSERT_EQ(cp->ItemIndex(), 12);
    key(VK_ESCAPE);
    EXPECT_FALSE(cp->DroppedDown());
    EXPECT_EQ(cp->ItemIndex(), 10);
    EXPECT_EQ(selects.back(), 10);
    // After a close the closed picker's Esc still changes nothing (a value
    // set by the program stays).
    cp->SetSelectedColor(0xFF0000);
    selects.clear();
    key(VK_ESCAPE);
    EXPECT_EQ(cp->ItemIndex(), 12);
    EXPECT_TRUE(selects.empty());
    // Open palette: Esc puts the colour of the opening back.
    cp->SetColorSelectionStyle(csDiscrete);
    cp->SetSelectedColor(0xF2F2F2);
    cp->ShowDropDown();
    key(VK_RIGHT);
    ASSERT_EQ(cp->ColorSelector()->ItemIndex(), 11);
    key(VK_ESCAPE);
    EXPECT_FALSE(cp->DroppedDown());
    EXPECT_EQ(cp->SelectedColor(), 0xF2F2F2);
}

TEST_F(ColorPicker, EnterOnAHotItemPicksIt)
{
    cp->AddDefaultColors();
    cp->ShowDropDown();
    TRect r;
    sel()->SelectorPanel()->GetItemRect(3, r);
    TestKit::MouseMove(sel()->SelectorPanel(), r.Left + 3, r.Top + 3);
    ASSERT_EQ(sel()->ItemHot(), 3);
    key(VK_RETURN);
    EXPECT_FALSE(cp->DroppedDown());
    EXPECT_EQ(cp->ItemIndex(), 3);
    EXPECT_EQ(selects, (std::vector<int>{3})) << "no extra OnSelect";
    key(VK_RETURN);
    EXPECT_EQ(selects, (std::vector<int>{3, 3})) << "Enter without a hot item fires OnSelect";
}

TEST_F(ColorPicker, EditShowsTheColourBoxAndText)
{
    cp->AddDefaultColors();
    cp->SetSelectedColor(0x0000FF);
    form->SetActiveControl(sink);
    const QImage img = TestKit::RenderToImage(cp);
    keep(img, "color-picker-edit.png");
    const int boxLeft = 1 + 4, boxTop = (cp->Height() - 14) / 2 + 1;
    EXPECT_EQ(Hex(PixelAt(img, boxLeft, boxTop + 5)), Hex(clBlack)) << "the box's frame";
    EXPECT_EQ(Hex(PixelAt(img, boxLeft + 5, boxTop + 5)), Hex(0x0000FF)) << "the box";
    int dark = 0;
    for (int x = boxLeft + 18; x < boxLeft + 50; ++x)
        for (int y = 3; y < cp->Height() - 3; ++y)
            if ((PixelAt(img, x, y) & 0xFF) < 0x60)
                ++dark;
    EXPECT_GT(dark, 10) << "the text \"Red\"";
}

TEST_F(ColorPicker, RendersTheFourPopups)
{
    cp->AddDefaultColors();
    cp->SetSelectedColor(0x008000);
    struct Style {
        TColorSelectionStyle Value;
        const char* File;
    };
    for (const Style& s : {Style{csList, "color-popup-list.png"}, Style{csDiscrete, "color-popup-palette.png"},
                           Style{csColorCube, "color-popup-cube.png"}, Style{csSpectrum, "color-popup-spectrum.png"}}) {
        SCOPED_TRACE(s.File);
        cp->SetColorSelectionStyle(s.Value);
        cp->ShowDropDown();
        ASSERT_TRUE(cp->DroppedDown());
        const QImage img = TestKit::RenderToImage(cp->DropDownForm());
        keep(img, s.File);
        EXPECT_GT(img.width(), 60);
        cp->HideDropDown(false);
    }
}

}  // namespace
