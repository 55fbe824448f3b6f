// The calculator key pad and the calculator drop-down.
#include <gtest/gtest.h>

#include <QImage>

#include "controls/dropdown/CalculatorDropDown.h"
#include "kinds_fixture.h"

using namespace DropDownTestKit;

namespace {

struct PadTest : ::testing::Test {
    TestKit::InputStateScope input;
    ClassicThemePainter classic;
    TForm* form = nullptr;
    TCustomButtonPanel* pad = nullptr;
    std::vector<int> clicks;
    void SetUp() override
    {
        SetThemes(&classic);
        form = new TForm(nullptr);
        form->SetBorderStyle(bsNone);
        form->SetBounds(0, 0, 300, 200);
        pad = new TCustomButtonPanel(form);
        pad->SetParent(form);
        pad->SetBounds(0, 0, 230, 150);
        pad->CreateDefaultButtons();
        pad->OnButtonClick = [this](TObject*, int Index) { clicks.push_back(Index); };
        form->Show();
    }
    void TearDown() override
    {
        form->Free();
        SetThemes(nullptr);
    }
    TRect rect(int Index) const
    {
        TRect r;
        pad->GetButtonRect(Index, r);
        return r;
    }
    int indexOf(const char* Caption) const
    {
        for (int i = 0; i < pad->Buttons().Count(); ++i)
            if (pad->Buttons().Items(i)->Caption() == QLatin1String(Caption))
                return i;
        return -1;
    }
    void click(int Index)
    {
        const TRect r = rect(Index);
        TestKit::Click(pad, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
};

TEST_F(PadTest, LayoutOfA230By150Pad)
{
    TRect a;
    pad->GetButtonsArea(a);
    EXPECT_EQ(a, (TRect{8, 8, 222, 142}));
    ASSERT_EQ(pad->Buttons().Count(), 28);
    EXPECT_EQ(rect(0), (TRect{8, 8, 42, 34}));  // KW 34, KH 26
    // Columns of the main block (row 1) and rows (column 0).
    const char* row1[] = {"MC", "7", "8", "9", "/", "sqrt"};
    const int columns[] = {8, 46, 79, 112, 150, 183};
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(rect(indexOf(row1[c])).Left, columns[c]) << row1[c];
        EXPECT_EQ(rect(indexOf(row1[c])).Top, 38) << row1[c];
        EXPECT_EQ(rect(indexOf(row1[c])).Right - rect(indexOf(row1[c])).Left, 34) << row1[c];
    }
    const char* col0[] = {"MC", "MR", "MS", "M+"};
    const int rows[] = {38, 63, 88, 113};
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(rect(indexOf(col0[r])).Top, rows[r]) << col0[r];
    EXPECT_EQ(rect(indexOf("=")), (TRect{183, 113, 217, 139}));
    // The top row.
    EXPECT_EQ(rect(indexOf("Back")), (TRect{46, 8, 100, 34}));
    EXPECT_EQ(rect(indexOf("CE")), (TRect{104, 8, 158, 34}));
    EXPECT_EQ(rect(indexOf("C")), (TRect{162, 8, 217, 34}));
    EXPECT_EQ(pad->ButtonAtPos(50, 10), indexOf("Back"));
    EXPECT_EQ(pad->ButtonAtPos(100, 10), -1);  // the right edge is outside
}

TEST_F(PadTest, KeysTableAndSpecialKeys)
{
    const struct {
        const char* Caption;
        const char* Name;
        int Tag;
        bool Special;
    } keys[] = {{"", "BTN_ON", 30, false}, {"Back", "BTN_BACK", 31, true}, {"5", "BTN_5", 5, false},
                {"+/-", "BTN_+/-", 14, false}, {"/", "BTN_/", 13, true}, {"1/x", "BTN_1/x", 38, false},
                {"sqrt", "BTN_sqrt", 37, true}};
    for (const auto& k : keys) {
        const int i = k.Caption[0] ? indexOf(k.Caption) : 0;
        ASSERT_GE(i, 0) << k.Name;
        const CalcPad::TButtonItem* b = pad->Buttons().Items(i);
        EXPECT_EQ(b->Name(), QLatin1String(k.Name));
        EXPECT_EQ(b->Tag(), k.Tag) << k.Name;
        EXPECT_EQ(b->Special(), k.Special) << k.Name;
        EXPECT_EQ(b->CaptionColor(), k.Special ? TColor(0x000080) : TColor(0xFFFFFF)) << k.Name;
    }
}

TEST_F(PadTest, AReleaseOverTheKeyPressedClicksIt)
{
    click(indexOf("7"));
    EXPECT_EQ(clicks, (std::vector<int>{indexOf("7")}));
    // Pressed on 7, released over 8: nothing.
    const TRect r7 = rect(indexOf("7")), r8 = rect(indexOf("8"));
    TestKit::MouseDown(pad, r7.Left + 5, r7.Top + 5);
    EXPECT_EQ(pad->ButtonDown(), indexOf("7"));
    TestKit::MouseMove(pad, r8.Left + 5, r8.Top + 5);
    TestKit::MouseUp(pad, r8.Left + 5, r8.Top + 5);
    EXPECT_EQ(clicks.size(), 1u);
    EXPECT_EQ(pad->ButtonDown(), -1);
    // Hovering makes a key hot; leaving the keys clears it.
    TestKit::MouseMove(pad, r8.Left + 5, r8.Top + 5);
    EXPECT_EQ(pad->ButtonHot(), indexOf("8"));
    TestKit::MouseMove(pad, 2, 2);
    EXPECT_EQ(pad->ButtonHot(), -1);
}

TEST_F(PadTest, CustomPadsAndChangedKeyListsAreLaidOutSafely)
{
    pad->SetButtonPanelType(plCustom);
    const TRect before = rect(5);
    pad->SetBounds(0, 0, 300, 180);
    EXPECT_EQ(rect(5), before);
    // A calculator pad with fewer keys lays out the ones it has.
    pad->SetButtonPanelType(plCalculator);
    pad->Buttons().Delete(27);
    pad->Buttons().Delete(5);
    pad->SetBounds(0, 0, 230, 150);
    EXPECT_EQ(rect(0), (TRect{8, 8, 42, 34}));
    EXPECT_EQ(rect(30), (TRect{-1, -1, -1, -1}));
    pad->ResetButtons();
    EXPECT_EQ(pad->Buttons().Count(), 28);
}

TEST_F(PadTest, SpecialCaptionsInTheirColour)
{
    const QImage img = TestKit::RenderToImage(pad);
    auto hasColour = [&](int Index, TColor C) {
        const TRect r = rect(Index);
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (PixelAt(img, x, y) == C)
                    return true;
        return false;
    };
    EXPECT_TRUE(hasColour(indexOf("MC"), 0x000080));
    EXPECT_FALSE(hasColour(indexOf("7"), 0x000080));
    EXPECT_TRUE(hasColour(indexOf("7"), 0x000000));
    // CaptionColor plays no part.
    pad->Buttons().Items(indexOf("7"))->SetCaptionColor(0x0000FF);
    const QImage again = TestKit::RenderToImage(pad);
    EXPECT_EQ(again, img);
}

using CalculatorTest = KindFixture<TVynCalculatorDropdown>;

TEST_F(CalculatorTest, NewCalculator)
{
    EXPECT_EQ(dd->EditType(), etFloat);
    EXPECT_EQ(dd->Precision(), 2);
    EXPECT_EQ(dd->DropDownWidth(), 230);
    EXPECT_FALSE(dd->DropDownHeader().Visible());
    EXPECT_TRUE(dd->CalcClosed());
    EXPECT_EQ(dd->Engine().P, coNone);
}

TEST_F(CalculatorTest, PadClicksCalculateAndMarkTheEditModified)
{
    dd->ShowDropDown();
    ASSERT_TRUE(open());
    EXPECT_FALSE(dd->CalcClosed());
    EXPECT_FALSE(popup()->CancelOnDeActivate());
    TCustomButtonPanel* pad = dd->ButtonPanel();
    ASSERT_EQ(dd->Control(), pad);
    auto key = [&](const char* Caption) {
        for (int i = 0; i < pad->Buttons().Count(); ++i)
            if (pad->Buttons().Items(i)->Caption() == QLatin1String(Caption)) {
                const TRect r = pad->Buttons().Items(i)->GetRect();
                TestKit::Click(pad, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
                return;
            }
        FAIL() << Caption;
    };
    for (const char* k : {"1", "2", "+", "7", "="})
        key(k);
    EXPECT_EQ(dd->Text(), "19.00");
    EXPECT_TRUE(dd->GetModifiedFlag());
    // A pending operation survives closing and reopening.
    key("*");
    dd->HideDropDown(false);
    dd->ShowDropDown();
    key("2");
    key("=");
    EXPECT_EQ(dd->Text(), "38.00");
}

TEST_F(CalculatorTest, TypingIntoTheClosedEdit)
{
    dd->SetFocus();
    // The digits go into the edit (the selected "0.00" is replaced).
    TestKit::TypeText(dd, "5");
    EXPECT_EQ(dd->Text(), "5");
    TestKit::TypeText(dd, "3");
    EXPECT_EQ(dd->Text(), "53");
    TestKit::TypeText(dd, "+");
    EXPECT_EQ(dd->Text(), "53.00");
    EXPECT_EQ(dd->Engine().P, coAdd);
    TestKit::TypeText(dd, "7=");
    EXPECT_EQ(dd->Text(), "60.00");
    TestKit::TypeText(dd, "c");
    EXPECT_EQ(dd->Text(), "0.00");
    EXPECT_EQ(dd->Engine().P, coNone);
    // The grid's editor passes characters to KeyPress.
    QChar k(u'x');
    dd->KeyPress(k);
    EXPECT_TRUE(k.isNull());
}

TEST_F(CalculatorTest, TypingIntoTheOpenPopup)
{
    dd->ShowDropDown();
    for (QChar c : QStringLiteral("12*3="))
        TestKit::KeyPress(popup(), c);
    EXPECT_EQ(dd->Text(), "36.00");
    EXPECT_TRUE(open());
    TestKit::TypeKey(popup(), VK_BACK);
    EXPECT_EQ(dd->Text(), "36.00");  // "36.0" formatted again
    TestKit::KeyPress(popup(), QChar(13));
    EXPECT_FALSE(open());
    EXPECT_EQ(dd->Text(), "36.00");
}

TEST_F(CalculatorTest, ThousandSeparatorSwitchesToMoney)
{
    dd->SetValue(1234.5);
    EXPECT_EQ(dd->Text(), "1234.50");
    dd->SetShowThousandSeparator(true);
    EXPECT_EQ(dd->EditType(), etMoney);
    EXPECT_EQ(dd->Text(), "1,234.50");
    EXPECT_EQ(double(dd->Value()), 1234.5);
    dd->ButtonClick(6);  // MS
    EXPECT_EQ(double(dd->Engine().M), 1234.5);
    dd->SetShowThousandSeparator(false);
    EXPECT_EQ(dd->EditType(), etFloat);
    EXPECT_EQ(dd->Text(), "1234.50");
}

TEST_F(CalculatorTest, StyleColoursReachTheKeyAppearance)
{
    dd->SetComponentStyle(tsOffice2010Blue);
    EXPECT_EQ(dd->CalcButtonAppearance().Color(), dd->ButtonAppearance().Color());
    EXPECT_EQ(dd->CalcButtonAppearance().GlowColorHot(), dd->ButtonAppearance().ColorHot());
    dd->SetComponentStyle(tsOffice2007Luna);
    EXPECT_EQ(dd->CalcButtonAppearance().GlowColorDown(), TColor(0xD5C244));
    EXPECT_EQ(dd->CalcButtonAppearance().ColorChecked(), dd->ButtonAppearance().ColorDisabledTo());
}

}  // namespace
