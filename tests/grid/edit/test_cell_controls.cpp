// The form controls inside HTML cells, the HTML-to-text step of the text
// editor, the rich-text editor and the fixed-cell editors.
#include "edit_fixture.h"

#include "grid/core/grid_types.h"
#include "grid/edit/grid_special_editors.h"

namespace {

// A control tag as the grid writes it back.
String Tag(const char* Id, const char* Value, const char* Type, const char* MaxLen = nullptr)
{
    String t = QString("<CONTROL ID=\"%1\" VALUE=\"%2\" WIDTH=\"60\" TYPE=\"%3\"").arg(Id, Value, Type);
    if (MaxLen)
        t += QString(" MAXLEN=\"%1\"").arg(MaxLen);
    return t + ">";
}

struct ControlTest : EditTest {
    ControlTest()
    {
        grid->SetDefaultRowHeight(30);
        grid->SetColWidths(2, 260);
    }
    TControlEdit* Edit() const { return grid->ControlEditor(); }
    TControlCombo* Combo() const { return grid->ControlComboEditor(); }
};

}  // namespace

TEST_F(ControlTest, AnEditControlTakesNoMoreThanMaxLenAndIsWrittenBackInPlace)
{
    const String before = "<B>Name:</B> ";
    const String after = " &amp; <I>rest</I> " + Tag("e2", "x", "EDIT");
    grid->SetCells(2, 1, before + Tag("e1", "ab", "EDIT", "3") + after);
    std::vector<std::string> done;
    grid->OnControlEditDone = [&](TObject*, int R, int C, const String& Id, const String& Type, const String& V) {
        done.push_back(std::to_string(C) + "," + std::to_string(R) + " " + S(Id) + " " + S(Type) + " " + S(V));
    };
    Goto(2, 1);
    grid->EditNextCellControl(2, 1, "");
    TestKit::PumpPostedMessages();
    ASSERT_TRUE(Edit()->Visible());
    EXPECT_TRUE(grid->CtrlEditing());
    EXPECT_EQ(S(grid->CtrlID()), "e1");
    EXPECT_EQ(S(Edit()->Text()), "ab");
    Edit()->SelectAll();
    Type("wxyz");
    EXPECT_EQ(S(Edit()->Text()), "wxy") << "a fourth character is refused";
    Key(VK_TAB);
    TestKit::PumpPostedMessages();
    EXPECT_EQ(S(grid->Cells(2, 1)), S(before + Tag("e1", "wxy", "EDIT", "3") + after));
    // Tab went on to the next control of the cell.
    EXPECT_TRUE(Edit()->Visible());
    EXPECT_EQ(S(grid->CtrlID()), "e2");
    EXPECT_EQ(S(Edit()->Text()), "x");
    Key(VK_END);
    Type("<&>");
    Key(VK_TAB);
    TestKit::PumpPostedMessages();
    // After the last control the grid takes the focus.
    EXPECT_FALSE(Edit()->Visible());
    EXPECT_FALSE(grid->CtrlEditing());
    EXPECT_TRUE(grid->Focused());
    EXPECT_EQ(S(grid->Cells(2, 1)), S(before + Tag("e1", "wxy", "EDIT", "3") + " &amp; <I>rest</I> " +
                                      Tag("e2", "x&lt;&amp;&gt;", "EDIT")));
    EXPECT_EQ(done, (std::vector<std::string>{"2,1 e1 EDIT wxy", "2,1 e2 EDIT x<&>"}));
}

TEST_F(ControlTest, PasteIsHeldToMaxLenToo)
{
    grid->SetCells(2, 1, "a " + Tag("e1", "", "EDIT", "3"));
    Goto(2, 1);
    grid->EditNextCellControl(2, 1, "");
    ASSERT_TRUE(Edit()->Visible());
    EXPECT_EQ(Edit()->MaxLength(), 3);
}

TEST_F(ControlTest, EnterEndsTheControlEditAndFocusesTheGrid)
{
    grid->SetCells(2, 1, Tag("p", "secret", "PASSWORD"));
    Goto(2, 1);
    grid->EditNextCellControl(2, 1, "");
    ASSERT_TRUE(Edit()->Visible());
    EXPECT_EQ(Edit()->PasswordChar(), QChar(u'*'));
    Key(VK_END);
    Type("!");
    Key(VK_RETURN);
    TestKit::PumpPostedMessages();
    EXPECT_FALSE(Edit()->Visible());
    EXPECT_TRUE(grid->Focused());
    EXPECT_EQ(S(grid->Cells(2, 1)), S(Tag("p", "secret!", "PASSWORD")));
}

TEST_F(ControlTest, BadNumbersInTheTagAreBounded)
{
    grid->SetCells(2, 1, "<CONTROL ID=\"e\" VALUE=\"%s%n\" WIDTH=\"60\" TYPE=\"EDIT\" MAXLEN=\"99999999999\">");
    Goto(2, 1);
    grid->EditNextCellControl(2, 1, "");
    ASSERT_TRUE(Edit()->Visible());
    EXPECT_EQ(S(Edit()->Text()), "%s%n") << "a value is text, never a format";
    EXPECT_LE(Edit()->MaxLength(), 32767);
}

TEST_F(ControlTest, AComboTakesItsListFromOnControlComboList)
{
    grid->SetCells(2, 1, "Type " + Tag("c", "INT", "COMBO"));
    bool edit = false;
    grid->OnControlComboList = [&](TObject*, int R, int C, const String& Id, const String& Type, const String& V,
                                   TStringList& Values, bool& Edit, int& DropCount) {
        EXPECT_EQ(S(Id), "c");
        EXPECT_EQ(S(Type), "COMBO");
        EXPECT_EQ(S(V), "INT");
        EXPECT_EQ(C, 2);
        EXPECT_EQ(R, 1);
        for (const char* s : {"BOOL", "INT", "REAL"})
            Values.Add(s);
        Edit = edit;
        DropCount = 5;
    };
    Goto(2, 1);
    grid->EditNextCellControl(2, 1, "");
    ASSERT_TRUE(Combo()->Visible());
    EXPECT_EQ(Combo()->Items().Count(), 3);
    EXPECT_EQ(Combo()->ItemIndex(), 1);
    EXPECT_EQ(Combo()->Style(), csDropDownList) << "Edit false: list items only";
    EXPECT_EQ(Combo()->DropDownCount(), 5);
    Combo()->SetDroppedDown(false);
    Combo()->SetItemIndex(2);
    Key(VK_TAB);
    TestKit::PumpPostedMessages();
    EXPECT_FALSE(Combo()->Visible());
    EXPECT_EQ(S(grid->Cells(2, 1)), S("Type " + Tag("c", "REAL", "COMBO")));
}

// ---- the text editor's text of an HTML cell ----------------------------------------------------

TEST_F(EditTest, ALineBreakTagOpensAsTwoLinesUnlessEditWithTags)
{
    grid->SetCells(2, 1, "first<BR>second");
    grid->SetCells(3, 1, "a < b and c > d");
    grid->FocusCell(2, 1, true);
    TestKit::TypeKey(grid, VK_F2);
    TestKit::PumpPostedMessages();
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(S(EditorText()), "first\r\nsecond");
    Key(VK_ESCAPE);
    EXPECT_EQ(S(grid->Cells(2, 1)), "first<BR>second");

    grid->SetEditWithTags(true);
    TestKit::TypeKey(grid, VK_F2);
    TestKit::PumpPostedMessages();
    EXPECT_EQ(S(EditorText()), "first<BR>second");
    Key(VK_ESCAPE);

    // A plain text with angle brackets is no HTML: shown as it is.
    grid->SetEditWithTags(false);
    Goto(3, 1);
    TestKit::TypeKey(grid, VK_F2);
    TestKit::PumpPostedMessages();
    EXPECT_EQ(S(EditorText()), "a < b and c > d");
    Key(VK_ESCAPE);
}

// ---- rich text ----------------------------------------------------------------------------------

struct RichTest : EditTest {
    RichTest()
    {
        grid->OnGetEditorType = [](TObject*, int C, int, TEditorType& E) {
            if (C == 2)
                E = TEditorType::edRichEdit;
        };
    }
    TVynRichEdit* Rich() const { return grid->InplaceRichEdit(false); }
};

TEST_F(RichTest, APlainCellRoundTripsWithNonAsciiText)
{
    const String text = QString::fromUtf8("Grüße – Ω ≤ 5 € 日本");
    grid->SetCells(2, 1, text);
    Goto(2, 1);
    TestKit::TypeKey(grid, VK_F2);
    TestKit::PumpPostedMessages();
    ASSERT_TRUE(Rich() && Rich()->Visible());
    EXPECT_EQ(Rich()->Text(), text);
    EXPECT_FALSE(Rich()->ReadOnly());
    Rich()->SelectAll();
    Type(QString::fromUtf8("Ä→ß"));
    Key(VK_ESCAPE);
    TestKit::PumpPostedMessages();
    EXPECT_EQ(grid->Cells(2, 1), text) << "Esc keeps the cell";

    TestKit::TypeKey(grid, VK_F2);
    TestKit::PumpPostedMessages();
    Rich()->SetText(text + QString::fromUtf8(" ✓"));
    grid->HideCellEdit();
    TestKit::PumpPostedMessages();
    EXPECT_EQ(grid->Cells(2, 1), text + QString::fromUtf8(" ✓"));
}

TEST_F(RichTest, ARichTextCellIsShownReadOnlyAndKeptByteIdentical)
{
    const String rtf = "{\\rtf1\\ansi\\ansicpg1252 {\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Hello \\b W\\'f6rld\\b0\\par }";
    grid->SetCells(2, 1, rtf);
    Goto(2, 1);
    TestKit::TypeKey(grid, VK_F2);
    TestKit::PumpPostedMessages();
    ASSERT_TRUE(Rich() && Rich()->Visible());
    EXPECT_TRUE(Rich()->ReadOnly());
    EXPECT_TRUE(Rich()->Text().startsWith(QString::fromUtf8("Hello Wörld"))) << S(Rich()->Text());
    Type("x");
    grid->HideCellEdit();
    TestKit::PumpPostedMessages();
    EXPECT_EQ(grid->Cells(2, 1), rtf);
}

TEST_F(RichTest, CellToRichAndBack)
{
    TVynRichEdit* hidden = grid->RichEdit();
    grid->SetCells(1, 1, "");
    grid->CellToRich(1, 1, hidden);
    EXPECT_EQ(S(hidden->Text()), "");
    grid->SetCells(1, 2, QString::fromUtf8("ĀĒĪ plain"));
    grid->CellToRich(1, 2, hidden);
    EXPECT_EQ(hidden->Text(), QString::fromUtf8("ĀĒĪ plain"));
    grid->RichToCell(1, 3, hidden);
    EXPECT_EQ(grid->Cells(1, 3), QString::fromUtf8("ĀĒĪ plain"));
}

TEST_F(RichTest, SubAndSuperscriptAreTheSelectionsVerticalAlignment)
{
    TVynRichEdit* re = grid->RichEdit();
    re->SetText("H2O");
    EXPECT_TRUE(re->IsSelNormal());
    re->SetSelStart(1);
    re->SetSelLength(1);
    re->SelSuperscript();
    EXPECT_TRUE(re->IsSelSuperscript());
    EXPECT_FALSE(re->IsSelNormal());
    re->SelSubscript();
    EXPECT_TRUE(re->IsSelSubscript());
    re->SelNormal();
    EXPECT_TRUE(re->IsSelNormal());
}

// ---- fixed-cell editors -------------------------------------------------------------------------

TEST_F(EditTest, AFixedCellEditorRefusedKeepsTheEditorAndTheCell)
{
    grid->SetFixedRows(1);
    grid->SetCells(2, 0, "Header");
    TGridTransEdit* e = grid->FixedCellEdit();
    ASSERT_NE(e, nullptr);
    bool refuse = true;
    Validate([&](String&, bool& Valid) { Valid = !refuse; });
    e->SetCol(2);
    e->SetRow(0);
    e->SetText("New header");
    const TRect r = grid->CellRect(2, 0);
    e->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    e->SetVisible(true);
    e->SetFocus();
    other->SetFocus();
    TestKit::PumpPostedMessages();
    EXPECT_TRUE(e->Visible());
    EXPECT_TRUE(e->Focused());
    EXPECT_EQ(S(grid->Cells(2, 0)), "Header");
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "validate 2,0 'New header' cell 'Header'");

    refuse = false;
    log.clear();
    EXPECT_TRUE(e->StopEdit());
    EXPECT_FALSE(e->Visible());
    EXPECT_EQ(S(grid->Cells(2, 0)), "New header");
    EXPECT_EQ(log.back(), "editingdone");
}
