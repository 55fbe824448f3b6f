// The edit with a button and the unit edit: splitting and joining value
// and unit, the unit menu, F4, the disabled editor and the geometry.
#include <gtest/gtest.h>

#include "grid/edit/controls/edit_btn.h"
#include "platform/gui/application.h"
#include "platform/gui/forms.h"
#include "platform/gui/menus.h"
#include "platform/testing/test_kit.h"

namespace {

struct EditBtnTest : ::testing::Test {
    TestKit::InputStateScope input;
    TForm form{nullptr};
    TVsgUnitEditBtn* unit = new TVsgUnitEditBtn(&form);
    TVsgEditBtn* edit = new TVsgEditBtn(&form);
    TEdit* other = new TEdit(&form);
    std::vector<std::string> log;

    EditBtnTest()
    {
        form.SetBounds(0, 0, 300, 200);
        unit->SetBounds(10, 10, 120, 24);
        unit->SetParent(&form);
        edit->SetBounds(10, 50, 120, 24);
        edit->SetParent(&form);
        other->SetBounds(10, 100, 100, 21);
        other->SetParent(&form);
        form.Show();
        edit->OnClickBtn = [this](TObject* Sender) {
            log.push_back(Sender == edit ? "click(edit)" : Sender == edit->Button() ? "click(button)" : "click(?)");
        };
    }
    ~EditBtnTest() override { SetPopupMenuChooser(nullptr); }

    void SetUnits(std::initializer_list<const char*> Units)
    {
        TStringList l;
        for (const char* u : Units)
            l.Add(QString::fromLatin1(u));
        unit->SetUnits(&l);
    }
};

}  // namespace

TEST_F(EditBtnTest, TextAndUnitSplitsAtTheFirstUnitWhoseFirstOccurrenceEndsTheText)
{
    struct Case {
        std::initializer_list<const char*> units;
        const char* value;
        const char* text;  // after the split ("-" for unchanged)
        const char* unitID;
    };
    const Case cases[] = {
        {{"km", "mm", "m"}, "12.5mm", "12.5", "mm"},
        {{"km", "mm", "m"}, "3 km", "3 ", "km"},
        {{"km", "mm", "m"}, "7 m", "7 ", "m"},
        {{"km", "mm", "m"}, "9 kg", "-", "-"},
        {{"m", "km"}, "3 km", "3 k", "m"},
        {{"m", "mm"}, "5mm", "5", "mm"},
        {{"m", "mm"}, "mm5m", "-", "-"},  // the first m stands at 1; mm does not end it
        {{"", "x"}, "4x", "4", "x"},       // an empty unit never matches
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        SetUnits(c.units);
        unit->SetText("before");
        unit->SetUnitID("u");
        unit->SetTextAndUnit(c.value);
        EXPECT_EQ(unit->Text(), std::string(c.text) == "-" ? "before" : c.text);
        EXPECT_EQ(unit->UnitID(), std::string(c.unitID) == "-" ? "u" : c.unitID);
    }
}

TEST_F(EditBtnTest, UnitMenuChoosesTheUnitAndReportsOnlyAChange)
{
    SetUnits({"g", "kg"});
    QStringList shown;
    TPoint shownAt;
    int answer = 2;
    SetPopupMenuChooser([&](const QStringList& Items, TPoint At) {
        shown = Items;
        shownAt = At;
        return answer;
    });
    std::vector<std::string> events;
    unit->OnClickBtn = [&](TObject* Sender) { events.push_back(Sender == unit ? "OnClickBtn(edit)" : "OnClickBtn(?)"); };
    unit->OnUnitChanged = [&](TObject*, const String& U) { events.push_back("OnUnitChanged " + U.toStdString()); };
    unit->SetText("4");
    TestKit::Click(unit->Button(), 5, 5);
    EXPECT_EQ(shown, (QStringList{"g", "kg"}));
    EXPECT_EQ(shownAt, unit->ClientToScreen(Point(unit->ClientWidth() - 15, unit->ClientHeight())));
    EXPECT_EQ(unit->TextAndUnit(), "4kg");
    // The same unit again: no event; no choice: nothing.
    TestKit::Click(unit->Button(), 5, 5);
    answer = 0;
    TestKit::Click(unit->Button(), 5, 5);
    EXPECT_EQ(events, (std::vector<std::string>{"OnClickBtn(edit)", "OnUnitChanged kg", "OnClickBtn(edit)",
                                                "OnClickBtn(edit)"}));
    // Commands outside the list and edit-change notifications are ignored.
    unit->Perform(WM_COMMAND, 3, 0);
    unit->Perform(WM_COMMAND, (intptr_t(EN_CHANGE) << 16) | 1, 0);
    EXPECT_EQ(unit->UnitID(), "kg");
    unit->Perform(WM_COMMAND, 1, 0);
    EXPECT_EQ(unit->UnitID(), "g");
}

TEST_F(EditBtnTest, F4ClicksTheButtonButNotWithCtrlOrAlt)
{
    edit->SetFocus();
    TestKit::TypeKey(edit, VK_F4);
    TestKit::TypeKey(edit, VK_F4, {ssCtrl});
    TestKit::TypeKey(edit, VK_F4, {ssAlt});
    EXPECT_EQ(log, (std::vector<std::string>{"click(edit)"}));
    // The mouse clicks on the release, and the edit gets the focus.
    other->SetFocus();
    TestKit::MouseDown(edit->Button()->Button(), 4, 4);
    EXPECT_EQ(log.size(), 1u);
    TestKit::MouseUp(edit->Button()->Button(), 4, 4);
    EXPECT_EQ(log.back(), "click(button)");
    EXPECT_TRUE(edit->Focused());
}

TEST_F(EditBtnTest, EditorDisabledRefusesTypingAndPasteButTheButtonWorks)
{
    edit->SetEditorEnabled(false);
    edit->SetText("12");
    edit->SetFocus();
    edit->SetSelStart(2);
    TestKit::TypeText(edit, "3");
    TestKit::TypeKey(edit, VK_BACK);
    edit->Perform(WM_PASTE);
    TestKit::TypeKey(edit, 'V', {ssCtrl});
    EXPECT_EQ(edit->Text(), "12");
    TestKit::TypeKey(edit, VK_F4);
    EXPECT_EQ(log, (std::vector<std::string>{"click(edit)"}));
    edit->SetEditorEnabled(true);
    TestKit::TypeText(edit, "3");
    EXPECT_EQ(edit->Text(), "123");
}

TEST_F(EditBtnTest, UnitAndTextAreasForASixteenPixelButton)
{
    EXPECT_EQ(unit->UnitSpace(), 20);
    EXPECT_TRUE(unit->RightAlign());
    unit->SetButtonWidth(16);
    const int cw = unit->AreaClientWidth();
    EXPECT_EQ(unit->UnitArea().Left, cw - 39);
    EXPECT_EQ(unit->UnitArea().Right, cw - 19);
    EXPECT_EQ(unit->TextArea().Right, cw - 44);
    // Without a unit space the text reaches the button less 5 pixels.
    edit->SetButtonWidth(16);
    EXPECT_EQ(edit->TextArea().Right, edit->AreaClientWidth() - 21);
    // A new edit: text "0", an 18-pixel button that fills the button window.
    TVsgEditBtn fresh(nullptr);
    EXPECT_EQ(fresh.Text(), "0");
    EXPECT_EQ(fresh.Button()->Width(), 18);
    EXPECT_EQ(fresh.Button()->Button()->BoundsRect(), Rect(0, 0, 18, fresh.Button()->Height()));
}

TEST_F(EditBtnTest, CustomButtonColoursPaintFlatAndStayFlat)
{
    TVsgEditButton* holder = edit->Button();
    TVynSpeedButton* b = holder->Button();
    holder->ButtonColor = clYellow;
    holder->ButtonColorHot = clLime;
    holder->ButtonColorDown = clRed;
    auto centre = [&] {
        const QImage img = TestKit::RenderToImage(b);
        return FromQColor(QColor(img.pixel(2, 2)));
    };
    EXPECT_EQ(centre(), clYellow);
    EXPECT_TRUE(b->Flat());
    TestKit::MouseMove(b, 3, 3);
    EXPECT_EQ(centre(), clLime);
    TestKit::MouseDown(b, 3, 3);
    EXPECT_EQ(centre(), clRed);
    TestKit::MouseUp(b, 3, 3);
    holder->ButtonColor = clNone;
    centre();
    EXPECT_TRUE(b->Flat()) << "the flat look stays after the colour is reset";
}

TEST_F(EditBtnTest, CaptionIsCentredAndMovesOnePixelWhilePressed)
{
    TVynSpeedButton* b = edit->Button()->Button();
    b->SetCaption("...");
    // The bounding box of the dark caption pixels.
    auto box = [&] {
        const QImage img = TestKit::RenderToImage(b);
        TRect r = Rect(img.width(), img.height(), -1, -1);
        for (int y = 2; y < img.height() - 2; ++y)
            for (int x = 2; x < img.width() - 2; ++x) {
                const QRgb p = img.pixel(x, y);
                if (qRed(p) < 90 && qGreen(p) < 90 && qBlue(p) < 90) {
                    r.Left = std::min(r.Left, x), r.Top = std::min(r.Top, y);
                    r.Right = std::max(r.Right, x + 1), r.Bottom = std::max(r.Bottom, y + 1);
                }
            }
        return r;
    };
    const TRect up = box();
    ASSERT_LT(up.Left, up.Right) << "the caption is drawn in black";
    EXPECT_LE(std::abs(up.Left - (b->Width() - up.Right)), 1) << "centred";
    TestKit::MouseDown(b, 3, 3);
    const TRect down = box();
    TestKit::MouseUp(b, 3, 3);
    EXPECT_EQ(down.Left, up.Left + 1);
    EXPECT_EQ(down.Top, up.Top + 1);
}
