// What typing and pasting put into the grid's text editor: the filter of
// each editor kind under both separator settings, the full editor, the
// keypad's decimal key, the automatic advance, paste, copy and cut with
// their events, and the lookup completion.
#include "edit_fixture.h"
#include "grid/core/grid_format.h"
#include "platform/gui/clipboard.h"
#include "platform/gui/menus.h"
#include "platform/rtl/datetime.h"

namespace {

struct InputTest : EditTest {
    TEditorType kind = TEditorType::edNormal;
    QChar oldDecimal = FormatSettings().DecimalSeparator;

    InputTest()
    {
        grid->OnKeyPress = nullptr;
        grid->OnGetEditorType = [this](TObject*, int, int, TEditorType& E) { E = kind; };
    }
    ~InputTest() override
    {
        FormatSettings().DecimalSeparator = oldDecimal;
        SetGridThousandSeparator(QChar());
    }
    void Separators(QChar Decimal)
    {
        FormatSettings().DecimalSeparator = Decimal;
        SetGridThousandSeparator(Decimal == u',' ? u'.' : u',');
    }
    // Cell (1, 1) holds Text and is edited with the selection (Start, Length);
    // Length -1: the caret at the end.
    void Open(TEditorType Kind, const String& Text, int Start = -1, int Length = 0)
    {
        kind = Kind;
        Goto(1, 1);
        grid->SetCells(1, 1, Text);
        TestKit::TypeKey(grid, VK_F2);
        TestKit::PumpPostedMessages();
        ASSERT_TRUE(EditorShown());
        Editor()->SetSelStart(Start < 0 ? int(Text.size()) : Start);
        Editor()->SetSelLength(Length);
    }
};

// '#' stands for the decimal separator and '~' for the thousand separator.
String WithSeparators(const char* Text, QChar Decimal)
{
    String s = QString::fromUtf8(Text);
    const QChar thousand = Decimal == u',' ? u'.' : u',';
    s.replace(u'#', Decimal);
    s.replace(u'~', thousand);
    return s;
}

TEST_F(InputTest, TheFilterOfEachKindUnderBothSeparators)
{
    struct Case {
        TEditorType kind;
        const char* text;
        int start, length;
        const char* typed;
        const char* expected;
        int beeps;
    };
    using E = TEditorType;
    const Case cases[] = {
        {E::edNumeric, "", -1, 0, "-", "-", 0},
        {E::edNumeric, "-", -1, 0, "-", "-", 1},
        {E::edNumeric, "1", -1, 0, "-", "1", 1},
        {E::edNumeric, "", -1, 0, "12a3", "123", 1},
        {E::edNumeric, "", -1, 0, "1#", "1", 1},
        {E::edPositiveNumeric, "", -1, 0, "-5", "5", 1},
        {E::edFloat, "1#5", -1, 0, "#", "1#5", 0},
        {E::edFloat, "1#5", 0, 3, "#", "#", 0},
        {E::edFloat, "1#5", 1, 1, "#", "1#5", 0},
        {E::edFloat, "1", -1, 0, "~", "1", 0},
        {E::edFloat, "1", -1, 0, "-", "1", 1},
        {E::edFloat, "-1", 0, 0, "-", "-1", 1},
        {E::edFloat, "-1", 0, 1, "-", "-1", 0},
        {E::edFloat, "", -1, 0, "-2#5", "-2#5", 0},
        {E::edFloat, "", -1, 0, "x7", "7", 0},
        {E::edPositiveFloat, "", -1, 0, "-3#5", "3#5", 0},
        {E::edCapital, "", -1, 0, "ab", "AB", 0},
        {E::edUpperCase, "", -1, 0, "ab", "AB", 0},
        {E::edLowerCase, "", -1, 0, "AB", "ab", 0},
        {E::edMixedCase, "", -1, 0, "john SMITH", "John Smith", 0},
        {E::edValidChars, "", -1, 0, "ADB", "AB", 1},
        {E::edNormal, "", -1, 0, "x-1#~", "x-1#~", 0},
        {E::edPassword, "", -1, 0, "a1", "a1", 0},
    };
    grid->SetValidChars("ABC");
    for (QChar sep : {QChar(u'.'), QChar(u',')}) {
        Separators(sep);
        for (const Case& c : cases) {
            SCOPED_TRACE(QString("separator %1 kind %2 '%3' + '%4'")
                             .arg(sep)
                             .arg(int(c.kind))
                             .arg(c.text, c.typed)
                             .toStdString());
            Open(c.kind, WithSeparators(c.text, sep), c.start, c.length);
            const int beeps = BeepCount();
            Type(WithSeparators(c.typed, sep));
            EXPECT_EQ(S(EditorText()), S(WithSeparators(c.expected, sep)));
            EXPECT_EQ(BeepCount() - beeps, c.beeps);
        }
    }
}

TEST_F(InputTest, ValidCharsPassBackspaceAndTheSetWhenTheStringIsEmpty)
{
    grid->SetValidChars("ABC");
    Open(TEditorType::edValidChars, "AB");
    Key(VK_BACK);
    EXPECT_EQ(S(EditorText()), "A");
    grid->SetValidChars("");
    grid->SetValidCharSet("xy");
    Open(TEditorType::edValidChars, "");
    const int beeps = BeepCount();
    Type("xAy");
    EXPECT_EQ(S(EditorText()), "xy");
    EXPECT_EQ(BeepCount() - beeps, 1);
}

TEST_F(InputTest, AFullEditorTakesOnlyBackspaceEscAndEnter)
{
    grid->SetMaxEditLength(3);
    Open(TEditorType::edNormal, "abc");
    Type("d");
    EXPECT_EQ(S(EditorText()), "abc");
    Key(VK_BACK);
    EXPECT_EQ(S(EditorText()), "ab");
    Type("z");
    EXPECT_EQ(S(EditorText()), "abz");
    Key(VK_RETURN);
    TestKit::PumpPostedMessages();
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(S(grid->Cells(1, 1)), "abz");
    // A selection lets a character replace it.
    Open(TEditorType::edNormal, "abc", 0, 1);
    Type("x");
    EXPECT_EQ(S(EditorText()), "xbc");
    Open(TEditorType::edNormal, "abc");
    Key(VK_ESCAPE);
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(S(grid->Cells(1, 1)), "abc");
}

TEST_F(InputTest, TheKeypadDecimalKey)
{
    Separators(u',');
    for (bool excel : {false, true}) {
        SCOPED_TRACE(excel ? "ExcelStyleDecimalSeparator" : "default");
        grid->SetExcelStyleDecimalSeparator(excel);
        Open(TEditorType::edNormal, "1");
        TestKit::TypeKey(nullptr, VK_DECIMAL, {}, true);
        Type(".");
        EXPECT_EQ(S(EditorText()), excel ? "1,." : "1..");
    }
}

TEST_F(InputTest, AFullTextAdvancesWithAdvanceAuto)
{
    grid->SetMaxEditLength(2);
    grid->Navigation()->SetAdvanceAuto(true);
    grid->Navigation()->SetAdvanceOnEnter(true);
    Open(TEditorType::edNumeric, "");
    Type("4");
    EXPECT_EQ(Current(), TPoint(1, 1));
    Type("2");
    EXPECT_EQ(S(grid->Cells(1, 1)), "42");
    EXPECT_EQ(Current(), TPoint(2, 1));
}

struct PasteTest : InputTest {
    PasteTest()
    {
        grid->OnClipboardPaste = [this](TObject* Sender, bool&) {
            log.push_back(std::string("paste") + (Sender == Editor() ? "" : " (not the editor)"));
        };
        grid->OnClipboardBeforePasteCell = [this](TObject*, int C, int R, String& Value, bool&) {
            log.push_back("before " + std::to_string(C) + "," + std::to_string(R) + " '" + S(Value) + "'");
        };
        grid->OnClipboardAfterPasteCell = [this](TObject*, int C, int R, const String& Value) {
            log.push_back("after " + std::to_string(C) + "," + std::to_string(R) + " '" + S(Value) + "'");
        };
    }
    void Paste(const String& Text)
    {
        Clipboard().SetAsText(Text);
        log.clear();
        Key('V', {ssCtrl});
    }
};

TEST_F(PasteTest, WhatAPasteLeavesAndWhichEventsFire)
{
    struct Case {
        TEditorType kind;
        int limit;
        const char* text;
        int start, length;
        const char* pasted;
        const char* expected;  // nullptr: nothing changes
        int selStart, selLength;
    };
    using E = TEditorType;
    const Case cases[] = {
        {E::edNumeric, 0, "", -1, 0, "12\r\n", "12", 2, 0},
        {E::edNumeric, 0, "", -1, 0, "1 2", nullptr, 0, 0},
        {E::edNumeric, 0, "1", -1, 0, "2", "12", 2, 0},
        {E::edNumeric, 0, "15", 0, 1, "-3", "-35", 0, 2},
        {E::edPositiveNumeric, 0, "", -1, 0, "-3", nullptr, 0, 0},
        {E::edFloat, 0, "", -1, 0, "2.5", "2.5", 3, 0},
        {E::edPositiveFloat, 0, "", -1, 0, "-2.5", nullptr, 0, 0},
        {E::edNormal, 3, "", -1, 0, "abcd", nullptr, 0, 0},
        {E::edNormal, 3, "ab", -1, 0, "cd", nullptr, 0, 0},
        {E::edNormal, 3, "ab", 0, 2, "cd", "cd", 0, 2},
        {E::edUpperCase, 0, "a", -1, 0, "bc", "ABC", 3, 0},
        {E::edMixedCase, 0, "", -1, 0, "ann lee", "Ann Lee", 7, 0},
        {E::edValidChars, 0, "", -1, 0, "ABD", nullptr, 0, 0},
        {E::edValidChars, 0, "", -1, 0, "CAB", "CAB", 3, 0},
    };
    grid->SetValidChars("ABC");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("'") + c.text + "' + '" + c.pasted + "'");
        grid->SetMaxEditLength(c.limit);
        Open(c.kind, c.text, c.start, c.length);
        Paste(c.pasted);
        std::vector<std::string> expectedLog{"paste", "before 1,1 '" + std::string(c.pasted) + "'"};
        if (c.expected) {
            EXPECT_EQ(S(EditorText()), c.expected);
            EXPECT_EQ(S(grid->Cells(1, 1)), c.expected);
            EXPECT_EQ(Editor()->SelStart(), c.selStart);
            EXPECT_EQ(Editor()->SelLength(), c.selLength);
            expectedLog.push_back("after 1,1 '" + std::string(c.expected) + "'");
        } else {
            EXPECT_EQ(S(EditorText()), c.text);
            EXPECT_EQ(S(grid->Cells(1, 1)), c.text);
        }
        EXPECT_EQ(log, expectedLog);
    }
}

TEST_F(PasteTest, TheEventsCanRefuseOrChangeThePaste)
{
    bool allowPaste = false;
    grid->OnClipboardPaste = [&](TObject*, bool& Allow) { Allow = allowPaste; };
    Open(TEditorType::edNormal, "x");
    Paste("abc");
    EXPECT_EQ(S(EditorText()), "x");
    EXPECT_TRUE(log.empty());
    allowPaste = true;
    grid->OnClipboardBeforePasteCell = [](TObject*, int, int, String& Value, bool&) { Value = "zz"; };
    Paste("abc");
    EXPECT_EQ(S(EditorText()), "xzz");
    grid->OnClipboardBeforePasteCell = [](TObject*, int, int, String&, bool& Allow) { Allow = false; };
    Paste("abc");
    EXPECT_EQ(S(EditorText()), "xzz");
    EXPECT_EQ(log, std::vector<std::string>{});
}

TEST_F(InputTest, CopyAndCutAskTheirEvents)
{
    bool allow = false;
    std::vector<TObject*> senders;
    grid->OnClipboardCopy = [&](TObject* Sender, bool& Allow) {
        senders.push_back(Sender);
        Allow = allow;
    };
    grid->OnClipboardCut = grid->OnClipboardCopy;
    Open(TEditorType::edNormal, "abc", 0, 3);
    Clipboard().SetAsText("old");
    Key('C', {ssCtrl});
    Key('X', {ssCtrl});
    EXPECT_EQ(S(Clipboard().AsText()), "old");
    EXPECT_EQ(S(EditorText()), "abc");
    allow = true;
    Key('C', {ssCtrl});
    EXPECT_EQ(S(Clipboard().AsText()), "abc");
    Clipboard().SetAsText("old");
    Key('X', {ssCtrl});
    EXPECT_EQ(S(Clipboard().AsText()), "abc");
    EXPECT_EQ(S(EditorText()), "");
    EXPECT_EQ(senders, (std::vector<TObject*>(4, Editor())));
}

TEST_F(InputTest, LookupCompletesFromTheItems)
{
    TStringList items;
    items.Add("Alpha");
    items.Add("Alpine");
    grid->SetLookupItems(&items);
    grid->SetLookup(true);
    Open(TEditorType::edNormal, "");
    Type("alp");
    EXPECT_EQ(S(EditorText()), "alpha");
    EXPECT_EQ(Editor()->SelStart(), 3);
    EXPECT_EQ(Editor()->SelLength(), 2);
    // Deleting does not bring the completion back.
    Key(VK_BACK);
    EXPECT_EQ(S(EditorText()), "alp");
    EXPECT_EQ(Editor()->SelLength(), 0);
    Type("i");
    EXPECT_EQ(S(EditorText()), "alpine");
    EXPECT_EQ(Editor()->SelLength(), 2);
    // Case-sensitive: "alp" matches nothing.
    grid->SetLookupCaseSensitive(true);
    Open(TEditorType::edNormal, "");
    Type("alp");
    EXPECT_EQ(S(EditorText()), "alp");
    Open(TEditorType::edNormal, "");
    Type("Alpi");
    EXPECT_EQ(S(EditorText()), "Alpine");
    // Case folding beyond ASCII.
    grid->SetLookupCaseSensitive(false);
    items.Clear();
    items.Add(QString::fromUtf8("Äpfel"));
    grid->SetLookupItems(&items);
    Open(TEditorType::edNormal, "");
    Type(QString::fromUtf8("äp"));
    EXPECT_EQ(S(EditorText()), "äpfel");
}

TEST_F(InputTest, LookupHistoryAddsTheTextOnFocusLoss)
{
    grid->SetLookupHistory(true);
    Open(TEditorType::edNormal, "");
    Type("zeta");
    other->SetFocus();
    TestKit::PumpPostedMessages();
    EXPECT_GE(grid->LookupItems()->IndexOf("zeta"), 0);
    EXPECT_EQ(grid->LookupItems()->Count(), 1);
}

}  // namespace
