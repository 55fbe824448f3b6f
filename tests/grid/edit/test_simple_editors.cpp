// The spin, edit-with-button, unit, check-box, button and date editors in
// cells: which control opens and what it is loaded with, their keys, the
// value written back, and the column grid's spin limits.
#include "edit_fixture.h"

#include "grid/core/column_grid.h"
#include "grid/core/column_items.h"
#include "grid/edit/grid_simple_editors.h"
#include "platform/gui/clipboard.h"
#include "platform/gui/menus.h"

namespace {

struct FormatScope {
    TFormatSettings saved = FormatSettings();
    ~FormatScope() { FormatSettings() = saved; }
};

struct SimpleTest : EditTest {
    FormatScope formats;
    // The editor kind of every cell of column 2 (others: the text editor).
    TEditorType kind = TEditorType::edSpinEdit;

    SimpleTest()
    {
        FormatSettings().ShortDateFormat = "dd/mm/yyyy";
        FormatSettings().DateSeparator = u'/';
        FormatSettings().LongTimeFormat = "hh:nn:ss";
        FormatSettings().TimeSeparator = u':';
        FormatSettings().DecimalSeparator = u'.';
        grid->OnGetEditorType = [this](TObject*, int C, int, TEditorType& E) {
            if (C == 2)
                E = kind;
        };
    }
    // (2, R) holding Text, opened by F2 with the editor kind K.
    void Open(TEditorType K, const String& Text, int R = 1)
    {
        kind = K;
        grid->SetCells(2, R, Text);
        Goto(2, R);
        grid->SetFocus();
        TestKit::TypeKey(grid, VK_F2);
        TestKit::PumpPostedMessages();
    }
    TWinControl* Focused() const { return GetFocusedControl(); }
    String Cell(int R = 1) const { return grid->Cells(2, R); }
};

bool Contains(const std::vector<std::string>& Log, const std::string& Entry)
{
    return std::find(Log.begin(), Log.end(), Entry) != Log.end();
}

}  // namespace

// ---- which control opens, placed and loaded ----------------------------------------------------

TEST_F(SimpleTest, EveryKindOpensItsControlLoadedWithTheCell)
{
    struct Case {
        TEditorType kind;
        const char* text;
        std::function<TWinControl*()> control;
        const char* shown;  // what the control shows
    };
    const Case cases[] = {
        {TEditorType::edSpinEdit, "42", [&] { return grid->SpinEdit(); }, "42"},
        {TEditorType::edFloatSpinEdit, "1.5", [&] { return grid->SpinEdit(); }, "1.5"},
        {TEditorType::edTimeSpinEdit, "09:30:00", [&] { return grid->SpinEdit(); }, "09:30:00"},
        {TEditorType::edDateSpinEdit, "29/02/2024", [&] { return grid->SpinEdit(); }, "29/02/2024"},
        {TEditorType::edEditBtn, "abc", [&] { return grid->BtnEdit(); }, "abc"},
        {TEditorType::edNumericEditBtn, "12", [&] { return grid->BtnEdit(); }, "12"},
        {TEditorType::edUnitEditBtn, "7", [&] { return grid->BtnUnitEdit(); }, "7"},
        {TEditorType::edCheckBox, "Enabled", [&] { return grid->CheckEditor(); }, "Enabled"},
        {TEditorType::edButton, "Press", [&] { return grid->Btn(); }, "Press"},
        {TEditorType::edDateEdit, "15/03/2023", [&] { return grid->DateTimePicker(); }, "15/03/2023"},
        {TEditorType::edDateEditUpDown, "15/03/2023", [&] { return grid->DateTimePicker(); }, "15/03/2023"},
        {TEditorType::edTimeEdit, "18:05:00", [&] { return grid->DateTimePicker(); }, "18:05:00"},
        {TEditorType::edDateTimeEdit, "15/03/2023 18:05:00", [&] { return grid->DateAndTimePicker(); },
         "15/03/2023 18:05:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(EnumToName(c.kind).toStdString());
        Open(c.kind, c.text);
        TWinControl* ctl = c.control();
        ASSERT_TRUE(ctl->Visible());
        EXPECT_TRUE(ctl->Enabled());
        EXPECT_TRUE(grid->EditMode);
        EXPECT_TRUE(grid->EditActive());
        EXPECT_FALSE(EditorShown()) << "not the text editor";
        String shown;
        if (auto* e = dynamic_cast<TCustomEdit*>(ctl))
            shown = e->Text();
        else if (auto* p = dynamic_cast<TGridDatePicker*>(ctl))
            shown = p->CommitText();
        else if (auto* p = dynamic_cast<TGridDateTimePicker*>(ctl))
            shown = p->CommitText();
        else
            shown = ctl->Caption();
        EXPECT_EQ(S(shown), c.shown);
        const TRect cell = grid->CellRect(2, 1);
        const TRect expected = c.kind == TEditorType::edButton
                                   ? Rect(cell.Left - 1, cell.Top - 1, cell.Right, cell.Bottom)
                                   : Rect(cell.Left, cell.Top, ctl->Left() + ctl->Width(), ctl->Top() + ctl->Height());
        EXPECT_EQ(ctl->BoundsRect(), expected);
        if (c.kind == TEditorType::edCheckBox) {
            EXPECT_FALSE(grid->CheckEditor()->Checked()) << "shown unchecked";
        }
        if (c.kind == TEditorType::edDateEditUpDown || c.kind == TEditorType::edDateEdit) {
            EXPECT_EQ(grid->DateTimePicker()->DateMode(),
                      c.kind == TEditorType::edDateEditUpDown ? dmUpDown : dmComboBox);
        }
        // Closed by the grid: the cell keeps its text, the control hides.
        grid->HideInplaceEdit();
        TestKit::PumpPostedMessages();
        EXPECT_FALSE(ctl->Visible());
        EXPECT_FALSE(grid->EditMode);
        EXPECT_EQ(S(Cell()), c.text);
        EXPECT_TRUE(Contains(log, "editcelldone 2,1"));
    }
}

TEST_F(SimpleTest, TheStartCharacterIsReplayedIntoTheTextLikeEditorsOnly)
{
    for (TEditorType k : {TEditorType::edSpinEdit, TEditorType::edEditBtn, TEditorType::edUnitEditBtn,
                          TEditorType::edCheckBox}) {
        SCOPED_TRACE(EnumToName(k).toStdString());
        kind = k;
        grid->SetCells(2, 1, "");
        Goto(2, 1);
        grid->SetFocus();
        Type("5");
        String text;
        if (k == TEditorType::edCheckBox)
            text = grid->CheckEditor()->Caption();
        else
            text = static_cast<TCustomEdit*>(GetFocusedControl())->Text();
        EXPECT_EQ(S(text), k == TEditorType::edCheckBox ? "" : "5");
        EXPECT_EQ(std::count(log.begin(), log.end(), "press 5"), 1) << "the grid's OnKeyPress had it once";
        grid->HideInplaceEdit();
    }
}

// ---- the spin editor -----------------------------------------------------------------------

TEST_F(SimpleTest, SpinKeysValidationAndCommit)
{
    TGridSpin* spin = grid->SpinEdit();
    // Enter: the value, in its bounds, into the cell; OnCellValidate sees it there.
    Validate();
    Open(TEditorType::edSpinEdit, "40");
    spin->SelectAll();
    Type("150");
    Key(VK_RETURN);
    TestKit::PumpPostedMessages();
    EXPECT_FALSE(spin->Visible());
    EXPECT_EQ(S(Cell()), "100") << "150 pulled into 0..100 before validation";
    EXPECT_TRUE(Contains(log, "validate 2,1 '100' cell '100'"));

    // A refusal keeps the editor with the cell's text, the caret at its end,
    // and the grid does not advance.
    grid->Navigation()->SetAdvanceOnEnter(true);
    Validate([](String&, bool& Valid) { Valid = false; });
    Open(TEditorType::edSpinEdit, "40");
    Key(VK_UP);
    EXPECT_EQ(S(spin->Text()), "41");
    Key(VK_RETURN);
    TestKit::PumpPostedMessages();
    EXPECT_TRUE(spin->Visible());
    EXPECT_EQ(S(spin->Text()), "40");
    EXPECT_EQ(spin->SelStart(), 2);
    EXPECT_EQ(Current(), TPoint(2, 1));
    grid->OnCellValidate = nullptr;
    grid->Navigation()->SetAdvanceOnEnter(false);

    // Page Up is stepped by the spin itself; Home the maximum, End the minimum.
    std::vector<std::string> clicks;
    grid->OnSpinClick = [&](TObject*, int C, int R, int V, bool Up) {
        clicks.push_back(std::to_string(C) + "," + std::to_string(R) + " " + std::to_string(V) + (Up ? " up" : " down"));
    };
    spin->SetIncrement(10);
    Open(TEditorType::edSpinEdit, "95");
    Key(VK_PRIOR);
    EXPECT_EQ(S(spin->Text()), "100");
    Key(VK_END);
    EXPECT_EQ(S(spin->Text()), "0");
    Key(VK_HOME);
    EXPECT_EQ(S(spin->Text()), "100");
    EXPECT_TRUE(spin->Visible()) << "Home and End do not end the edit";
    spin->UpClick(spin);
    EXPECT_EQ(clicks, (std::vector<std::string>{"2,1 0 down", "2,1 100 up", "2,1 100 up"}));
    spin->SetIncrement(1);
    // Esc: the cell keeps the text it had.
    Key(VK_ESCAPE);
    TestKit::PumpPostedMessages();
    EXPECT_FALSE(spin->Visible());
    EXPECT_EQ(S(Cell()), "95");
    EXPECT_TRUE(grid->Focused());
}

TEST_F(SimpleTest, SpinKindsWriteTheirValueAndNothingWhenLeftAsTheyOpened)
{
    struct Case {
        TEditorType kind;
        const char* cell;
        int ups;             // steps up before Enter
        const char* after;   // the cell afterwards
    };
    const Case cases[] = {
        {TEditorType::edSpinEdit, "abc", 0, "abc"},       // unreadable, untouched
        {TEditorType::edSpinEdit, "", 0, ""},
        {TEditorType::edSpinEdit, "abc", 1, "1"},         // MinValue + 1
        {TEditorType::edFloatSpinEdit, "2.5", 1, "2.60"},  // the grid's float format
        {TEditorType::edFloatSpinEdit, "", 0, ""},
        {TEditorType::edTimeSpinEdit, "23:30:00", 1, "00:30:00"},
        {TEditorType::edDateSpinEdit, "", 0, ""},         // today shown, nothing written
        {TEditorType::edDateSpinEdit, "junk", 0, "junk"},
        {TEditorType::edDateSpinEdit, "31/01/2024", 0, "31/01/2024"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(EnumToName(c.kind).toStdString() + " '" + c.cell + "'");
        Open(c.kind, c.cell);
        grid->SpinEdit()->SetSelStart(0);
        for (int i = 0; i < c.ups; ++i)
            Key(VK_UP);
        Key(VK_RETURN);
        TestKit::PumpPostedMessages();
        EXPECT_FALSE(grid->SpinEdit()->Visible());
        EXPECT_EQ(S(Cell()), c.after);
    }
    // A changed date is written; the float falls back to MinFloatValue.
    Open(TEditorType::edDateSpinEdit, "31/01/2024");
    grid->SpinEdit()->SetSelStart(4);
    Key(VK_UP);
    Key(VK_RETURN);
    EXPECT_EQ(S(Cell()), "29/02/2024");
    // AllowEmptyValue: an emptied text gives an empty cell, not 0.
    grid->SpinEdit()->SetAllowEmptyValue(true);
    Open(TEditorType::edSpinEdit, "12");
    grid->SpinEdit()->SelectAll();
    Key(VK_DELETE);
    Key(VK_RETURN);
    EXPECT_EQ(S(Cell()), "");
}

// ---- the edit-with-button and unit editors -----------------------------------------------------

TEST_F(SimpleTest, EditButtonKeysButtonAndPaste)
{
    TGridEditBtn* eb = grid->BtnEdit();
    // Page Up ends the edit without moving; the typed text is kept.
    Open(TEditorType::edEditBtn, "ab");
    eb->SetSelStart(2);
    Type("c");
    Key(VK_PRIOR);
    TestKit::PumpPostedMessages();
    EXPECT_FALSE(eb->Visible());
    EXPECT_EQ(S(Cell()), "abc");
    EXPECT_EQ(Current(), TPoint(2, 1));

    // Tab without goTabs but with a validation handler: validated, then the
    // editor is left.
    Validate();
    Open(TEditorType::edEditBtn, "x");
    eb->SetSelStart(1);
    Type("y");
    Key(VK_TAB);
    TestKit::PumpPostedMessages();
    EXPECT_TRUE(Contains(log, "validate 2,1 'xy' cell 'xy'"));
    EXPECT_FALSE(eb->Visible());
    grid->OnCellValidate = nullptr;

    // The button (and F4) runs OnEllipsClick on the text; the answer is selected.
    grid->OnEllipsClick = [](TObject*, int, int, String& S) { S = "[" + S + "]"; };
    Open(TEditorType::edEditBtn, "v");
    Key(VK_F4);
    EXPECT_EQ(S(eb->Text()), "[v]");
    EXPECT_EQ(eb->SelLength(), 3);
    TestKit::Click(eb->Button()->Button(), 3, 3);
    EXPECT_EQ(S(eb->Text()), "[[v]]");
    Key(VK_ESCAPE);
    EXPECT_EQ(S(Cell()), "v") << "Esc: the cell's own text";

    // Paste: one trailing line break dropped; one in the middle kept.
    struct Paste {
        const char* clip;
        const char* after;
    };
    for (const Paste& p : {Paste{"12\r\n", "a12"}, Paste{"1\r\n2", "a1\r\n2"}}) {
        Open(TEditorType::edEditBtn, "a");
        eb->SetSelStart(1);
        Clipboard().SetAsText(p.clip);
        Key('V', {ssCtrl});
        EXPECT_EQ(S(eb->Text()), p.after);
        EXPECT_EQ(S(Cell()), p.after) << "written through the edit text";
        Key(VK_ESCAPE);
    }
}

TEST_F(SimpleTest, NumericAndFloatFiltersOfTheButtonEditors)
{
    struct Case {
        TEditorType kind;
        const char* text;
        int caret, selLength;
        QChar key;
        const char* after;
        bool beep;
    };
    const Case cases[] = {
        {TEditorType::edNumericEditBtn, "12345", 3, 0, u'-', "12345", true},
        {TEditorType::edNumericEditBtn, "12345", 0, 0, u'-', "-12345", false},
        {TEditorType::edNumericEditBtn, "-12345", 0, 0, u'-', "-12345", true},
        {TEditorType::edNumericEditBtn, "1", 1, 0, u'a', "1", true},
        {TEditorType::edFloatEditBtn, "-12", 0, 1, u'-', "-12", false},   // over the selected minus
        {TEditorType::edFloatEditBtn, "1.5", 3, 0, u'.', "1.5", false},   // second separator, silently
        {TEditorType::edFloatEditBtn, "1", 1, 0, u',', "1", false},       // thousand separator, silently
        {TEditorType::edFloatEditBtn, "1", 1, 0, u'x', "1", false},
        {TEditorType::edFloatEditBtn, "1", 1, 0, u'.', "1.", false},
        {TEditorType::edNumericUnitEditBtn, "12", 1, 0, u'-', "12", true},
        {TEditorType::edUnitEditBtn, "1", 1, 0, u'x', "1x", false},
        {TEditorType::edEditBtn, "1", 1, 0, u'-', "1-", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(EnumToName(c.kind).toStdString() + " '" + c.text + "' " + QString(c.key).toStdString());
        Open(c.kind, c.text);
        auto* e = static_cast<TCustomEdit*>(Focused());
        e->SetSelStart(c.caret);
        e->SetSelLength(c.selLength);
        const int beeps = BeepCount();
        TestKit::KeyPress(e, c.key);
        EXPECT_EQ(S(e->Text()), c.after);
        EXPECT_EQ(BeepCount(), beeps + (c.beep ? 1 : 0));
        Key(VK_ESCAPE);
    }
}

TEST_F(SimpleTest, UnitEditorSplitsTheCellAndWritesValueWithUnit)
{
    TGridUnitEditBtn* ub = grid->BtnUnitEdit();
    for (const char* u : {"km", "mm", "m"})
        ub->Units().Add(u);
    struct Case {
        const char* cell;
        const char* text;
        const char* unit;
    };
    for (const Case& c : {Case{"12.5mm", "12.5", "mm"}, Case{"3 km", "3 ", "km"}, Case{"12", "12", ""}}) {
        SCOPED_TRACE(c.cell);
        Open(TEditorType::edUnitEditBtn, c.cell);
        EXPECT_EQ(S(ub->Text()), c.text);
        EXPECT_EQ(S(ub->UnitID()), c.unit);
        Key(VK_RETURN);
        TestKit::PumpPostedMessages();
        EXPECT_FALSE(ub->Visible());
        EXPECT_EQ(S(Cell()), c.cell) << "value and unit joined again; a text without unit kept";
    }
    // A refused value shows the cell's text split again.
    Validate([](String& V, bool& Valid) {
        V = "9m";
        Valid = false;
    });
    Open(TEditorType::edUnitEditBtn, "4mm");
    ub->SetSelStart(1);
    Type("5");
    Key(VK_RETURN);
    EXPECT_TRUE(Contains(log, "validate 2,1 '45mm' cell '45mm'"));
    EXPECT_TRUE(ub->Visible());
    EXPECT_EQ(S(ub->TextAndUnit()), S(grid->Cells(2, 1)));
    EXPECT_NE(S(ub->Text()), S(grid->Cells(2, 1))) << "never the joined text in the value";
}

// ---- the check box and the button ------------------------------------------------------------

TEST_F(SimpleTest, CheckBoxTogglesOnceAndNeverWritesTheCell)
{
    TGridCheckBox* cb = grid->CheckEditor();
    Open(TEditorType::edCheckBox, "Enabled");
    Key(VK_SPACE);
    EXPECT_TRUE(cb->Checked()) << "Space toggles once";
    TestKit::Click(cb, 3, 3);
    EXPECT_FALSE(cb->Checked()) << "a click toggles once";
    Key(VK_DOWN);
    TestKit::PumpPostedMessages();
    EXPECT_FALSE(cb->Visible());
    EXPECT_EQ(Current(), TPoint(2, 2)) << "Down closes it and moves a row";
    EXPECT_EQ(S(Cell()), "Enabled");
    Open(TEditorType::edCheckBox, "Enabled");
    Key(VK_RETURN);
    EXPECT_FALSE(cb->Visible());
    EXPECT_EQ(S(Cell()), "Enabled");
}

TEST_F(SimpleTest, ButtonRunsTheEllipsisAndEscRestoresTheCell)
{
    TGridButton* b = grid->Btn();
    grid->OnEllipsClick = [](TObject*, int C, int R, String& S) {
        S = S + " " + QString::number(C) + "," + QString::number(R);
    };
    Open(TEditorType::edButton, "Go");
    Key(VK_SPACE);
    EXPECT_EQ(S(b->Caption()), "Go 2,1");
    EXPECT_EQ(S(Cell()), "Go 2,1");
    Key(VK_ESCAPE);
    TestKit::PumpPostedMessages();
    EXPECT_FALSE(b->Visible());
    EXPECT_EQ(S(Cell()), "Go");
    // An arrow closes it and moves.
    Open(TEditorType::edButton, "Go");
    Key(VK_RIGHT);
    TestKit::PumpPostedMessages();
    EXPECT_FALSE(b->Visible());
    EXPECT_EQ(Current(), TPoint(3, 1));
}

// ---- the date editors ---------------------------------------------------------------------------

TEST_F(SimpleTest, DatePickerClampsToItsBoundsAndWritesByCheckState)
{
    TGridDatePicker* p = grid->DateTimePicker();
    p->SetMinDate(EncodeDate(2024, 1, 1));
    p->SetMaxDate(EncodeDate(2024, 12, 31));
    struct Case {
        const char* cell;
        TDateTime opens;
    };
    const Case cases[] = {
        {"15/03/2025", EncodeDate(2024, 12, 30)},  // after MaxDate: a day before it
        {"31/12/2024", EncodeDate(2024, 12, 31)},  // on MaxDate: stays
        {"01/01/2024", EncodeDate(2024, 1, 2)},    // on MinDate: a day after it
        {"10/06/2024", EncodeDate(2024, 6, 10)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cell);
        Open(TEditorType::edDateEdit, c.cell);
        EXPECT_EQ(p->Date(), c.opens);
        Key(VK_ESCAPE);
        EXPECT_EQ(S(Cell()), c.cell);
    }
    p->SetMinDate(0);
    p->SetMaxDate(0);
    // Changed and checked: the picker's text; unchecked: empty.
    Open(TEditorType::edDateEdit, "10/06/2024");
    Key(VK_UP);
    Key(VK_RETURN);
    TestKit::PumpPostedMessages();
    EXPECT_EQ(S(Cell()), "11/06/2024");
    p->SetShowCheckbox(true);
    Open(TEditorType::edDateEdit, "10/06/2024");
    p->SetChecked(false);
    Key(VK_RETURN);
    EXPECT_EQ(S(Cell()), "");
    p->SetShowCheckbox(false);
    // An empty or unreadable cell, left alone, keeps its text (today was shown).
    for (const char* cell : {"", "soon"}) {
        Open(TEditorType::edDateEdit, cell);
        EXPECT_EQ(p->Date(), Date());
        Key(VK_RETURN);
        EXPECT_EQ(S(Cell()), cell);
        Open(TEditorType::edTimeEdit, cell);
        grid->HideInplaceEdit();
        EXPECT_EQ(S(Cell()), cell);
    }
}

TEST_F(SimpleTest, TimePickerWritesWhileTheProgramTimeFormatIsItsOwn)
{
    TGridDatePicker* p = grid->DateTimePicker();
    std::string seen;
    grid->OnSetEditText = [&](TObject*, int, int, const String&) { seen = S(FormatSettings().LongTimeFormat); };
    Open(TEditorType::edTimeEdit, "18:05:00");
    p->SetFormat("hh:nn");
    Key(VK_UP);
    Key(VK_RETURN);
    TestKit::PumpPostedMessages();
    EXPECT_EQ(seen, "hh:nn");
    EXPECT_EQ(S(FormatSettings().LongTimeFormat), "hh:nn:ss") << "restored";
    EXPECT_EQ(S(Cell()), "19:05");
}

TEST_F(SimpleTest, DatePickerMovesOnAfterADigitUnlessTheLastFieldIsDone)
{
    TGridDatePicker* p = grid->DateTimePicker();
    Open(TEditorType::edDateEdit, "10/06/2024");
    p->SetFormat("dd/mm/yyyy");
    p->SetActiveField(0);
    TestKit::KeyPress(p, u'2');
    TestKit::PumpPostedMessages();
    EXPECT_EQ(p->ActiveField(), 1) << "the day changed: on to the month";
    p->SetActiveField(2);
    for (QChar d : {u'2', u'0', u'2', u'3'})
        TestKit::KeyPress(p, d);
    TestKit::PumpPostedMessages();
    EXPECT_EQ(p->ActiveField(), 2) << "the year, the last field: no move";
    EXPECT_EQ(p->Date(), EncodeDate(2023, 6, 2));
    Key(VK_ESCAPE);
}

TEST_F(SimpleTest, DateAndTimeEditorEscEnterAndTheUnchangedCell)
{
    TGridDateTimePicker* p = grid->DateAndTimePicker();
    Open(TEditorType::edDateTimeEdit, "15/03/2023 18:00:00");
    EXPECT_EQ(grid->OriginalDateTime(), EncodeDate(2023, 3, 15) + EncodeTime(18, 0, 0, 0));
    p->SetDateTime(EncodeDate(2020, 1, 1));
    Key(VK_ESCAPE);
    TestKit::PumpPostedMessages();
    EXPECT_FALSE(p->Visible());
    EXPECT_EQ(p->DateTime(), grid->OriginalDateTime()) << "the value it opened with";
    EXPECT_EQ(S(Cell()), "15/03/2023 18:00:00");
    EXPECT_TRUE(grid->Focused());
    // Enter writes short date, a blank and the time; advancing with AdvanceOnEnter.
    grid->Navigation()->SetAdvanceOnEnter(true);
    Open(TEditorType::edDateTimeEdit, "15/03/2023 18:00:00");
    p->SetDateTime(EncodeDate(2023, 3, 16) + EncodeTime(9, 30, 0, 0));
    Key(VK_RETURN);
    TestKit::PumpPostedMessages();
    EXPECT_EQ(S(Cell()), "16/03/2023 09:30:00");
    EXPECT_NE(Current(), TPoint(2, 1));
    grid->Navigation()->SetAdvanceOnEnter(false);
    // Empty, left alone: stays empty; unchecked: empty.
    Open(TEditorType::edDateTimeEdit, "");
    Key(VK_RETURN);
    EXPECT_EQ(S(Cell()), "");
    p->SetShowCheckbox(true);
    Open(TEditorType::edDateTimeEdit, "15/03/2023 18:00:00");
    p->SetChecked(false);
    Key(VK_RETURN);
    EXPECT_EQ(S(Cell()), "");
}

// ---- the column grid's spin limits --------------------------------------------------------------

TEST(ColumnGridSpin, TheSpinCarriesTheLimitsOfTheColumnBeingEdited)
{
    TestKit::InputStateScope input;
    const bool started = VynGridModule::Start();
    {
        TForm form(nullptr);
        form.SetBounds(0, 0, 500, 300);
        auto* g = new TVynColumnGrid(&form);
        g->SetBounds(0, 0, 480, 200);
        g->SetColCount(4);
        g->SetRowCount(4);
        g->SetParent(&form);
        const int limits[3][3] = {{0, 0, 1}, {5, 50, 5}, {-10, 10, 2}};
        for (int c = 1; c < 4; ++c) {
            TGridColumnItem* col = g->Columns()->Items(c);
            col->SetEditor(c == 3 ? TEditorType::edFloatSpinEdit : TEditorType::edSpinEdit);
            col->SetSpinMin(limits[c - 1][0]);
            col->SetSpinMax(limits[c - 1][1]);
            col->SetSpinStep(limits[c - 1][2]);
        }
        form.Show();
        for (int c = 1; c < 4; ++c) {
            SCOPED_TRACE(c);
            g->FocusCell(c, 1, true);
            g->SetFocus();
            g->ShowCellEdit();
            TestKit::PumpPostedMessages();
            TGridSpin* spin = g->SpinEdit();
            ASSERT_TRUE(spin->Visible());
            EXPECT_EQ(spin->MinValue(), limits[c - 1][0]);
            EXPECT_EQ(spin->MaxValue(), limits[c - 1][1]);
            EXPECT_EQ(spin->Increment(), limits[c - 1][2]);
            g->HideInplaceEdit();
        }
    }
    TestKit::PumpPostedMessages();
    if (started)
        VynGridModule::End();
}
