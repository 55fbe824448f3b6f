// The grid drop-down: typed lookup, narrowing down, sorting with the
// row <-> item mapping, choosing and cancelling, sizing, styles.
#include "griddropdown_fixture.h"

#include "grid/data/grid_data_holders.h"

using namespace GridDropDownTestKit;

namespace {

using GridDropDown = GridDropDownFixture;

}  // namespace

TEST_F(GridDropDown, TypingLooksUpAndCompletesTheLookupColumn)
{
    Fruit();
    type("av");
    EXPECT_EQ(S(dd->Text()), "Avocado");
    EXPECT_EQ(selected(), "ocado");
    EXPECT_EQ(dd->ItemIndex(), 1);
    type("x");
    EXPECT_EQ(S(dd->LookupEntry()), "avx");
    EXPECT_EQ(dd->ItemIndex(), 1) << "a failed lookup keeps the index";
}

TEST_F(GridDropDown, DropDownListRetriesAFailedLookupWithTheLastCharacterAlone)
{
    Fruit();
    dd->SetStyle(dsDropDownList);
    EXPECT_FALSE(dd->EditorEnabled());
    type("b");
    EXPECT_EQ(S(dd->Text()), "Banana");
    EXPECT_EQ(dd->ItemIndex(), 2);
    type("q");
    EXPECT_EQ(S(dd->LookupEntry()), "") << "the retry with q failed too: the entry is cleared";
    EXPECT_EQ(S(dd->Text()), "Banana");
    EXPECT_EQ(dd->ItemIndex(), 2);
    type("ba");
    type("a");
    EXPECT_EQ(S(dd->LookupEntry()), "a") << "baa fails, a alone finds Apple";
    EXPECT_EQ(S(dd->Text()), "Apple");
    EXPECT_EQ(dd->ItemIndex(), 0);
    dd->SetStyle(dsDropDown);
    EXPECT_TRUE(dd->EditorEnabled());
    EXPECT_EQ(S(dd->Version()), "6.0.1.1");
}

TEST_F(GridDropDown, NarrowingDownKeepsTheRowsThatContainTheEntry)
{
    Fruit();
    dd->SetLookupMethod(lmNarrowDown);
    dd->ShowDropDown();
    ASSERT_TRUE(open());
    type("an");
    EXPECT_EQ(rows(), std::vector<std::string>{"Banana"}) << "contains, not starts with";
    EXPECT_EQ(S(dd->Text()), "Banana");
    EXPECT_EQ(dd->SelStart(), 2);
    EXPECT_EQ(dd->SelLength(), 4);
    // Backspace widens the list again; an empty entry removes every filter.
    TestKit::TypeKey(dd, VK_BACK);
    EXPECT_EQ(S(dd->LookupEntry()), "a");
    EXPECT_EQ(rows(), (std::vector<std::string>{"Apple", "Avocado", "Banana"}));
    TestKit::TypeKey(dd, VK_BACK);
    EXPECT_EQ(S(dd->LookupEntry()), "");
    EXPECT_EQ(rows().size(), 3u);
}

TEST_F(GridDropDown, ReopeningANarrowedListRefillsWithoutDuplicatesAndNarrowsAgain)
{
    Fruit();
    dd->SetLookupMethod(lmNarrowDown);
    dd->ShowDropDown();
    type("an");
    ASSERT_EQ(rows(), std::vector<std::string>{"Banana"});
    dd->HideDropDown(false);
    dd->ShowDropDown();
    ASSERT_TRUE(open());
    EXPECT_EQ(rows(), std::vector<std::string>{"Banana"}) << "the entry still narrows the list";
    dd->HideDropDown(false);
    other->SetFocus();
    dd->SetFocus();  // entering the edit removes the filters
    EXPECT_EQ(rows(), (std::vector<std::string>{"Apple", "Avocado", "Banana"}));
    EXPECT_EQ(grid()->RowCount(), 4);
}

TEST_F(GridDropDown, OpeningFillsSortsAndShowsTheSelectedItem)
{
    Fill({"Code", "Name"}, {{"3", "Cherry"}, {"1", "Apple"}, {"2", "Banana"}});
    dd->SetLookupColumn(1);
    dd->SetSorting(gsSingleColumn);
    dd->SetItemIndex(2);
    EXPECT_EQ(S(dd->Text()), "Banana");
    grid()->SortSettings()->SetColumn(0);
    dd->ShowDropDown();
    ASSERT_TRUE(open());
    EXPECT_EQ(rows(0), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(S(grid()->Cells(0, 0)), "Code");
    EXPECT_EQ(grid()->Row(), 2) << "the row that shows item 2";
    EXPECT_EQ(dd->ItemToRow(0), 3);
    EXPECT_EQ(dd->ItemToRow(1), 1);
    EXPECT_EQ(dd->RowToItem(3), 0);
    EXPECT_EQ(dd->ItemIndex(), 2);
    EXPECT_EQ(S(dd->Text()), "Banana");
}

TEST_F(GridDropDown, AHeaderSortKeepsTheSelectedItemCurrent)
{
    Fill({"Code", "Name"}, {{"3", "Cherry"}, {"1", "Apple"}, {"2", "Banana"}});
    dd->SetLookupColumn(1);
    dd->SetSorting(gsSingleColumn);
    dd->SetItemIndex(2);
    dd->ShowDropDown();
    ASSERT_EQ(grid()->Row(), 3);
    // A sort that leaves the current row where it was (rows 1 .. 3 by code).
    dd->GridSortStarting();
    grid()->QuickSort(0, 1, 3);
    ASSERT_EQ(rows(0), (std::vector<std::string>{"1", "2", "3"}));
    grid()->OnClickSort(grid(), 0);
    EXPECT_EQ(grid()->Row(), 2);
    EXPECT_EQ(dd->ItemIndex(), 2);
    EXPECT_EQ(S(dd->Text()), "Banana");
}

TEST_F(GridDropDown, UndoingTheSortAfterAReopeningGivesTheItemOrder)
{
    Fill({"Code", "Name"}, {{"3", "Cherry"}, {"1", "Apple"}, {"2", "Banana"}});
    dd->SetLookupColumn(1);
    dd->SetSorting(gsSingleColumn);
    grid()->SortSettings()->SetColumn(0);
    // Every opening refills the list in item order and sorts it; undoing
    // the sort goes back to the fill's order, whatever earlier openings
    // sorted.
    for (int opening = 1; opening <= 3; ++opening) {
        SCOPED_TRACE(opening);
        dd->ShowDropDown();
        ASSERT_TRUE(open());
        ASSERT_EQ(rows(0), (std::vector<std::string>{"1", "2", "3"}));
        if (opening == 3) {
            grid()->QUnSort();
            EXPECT_EQ(rows(0), (std::vector<std::string>{"3", "1", "2"}));
            EXPECT_EQ(dd->RowToItem(1), 0);
            EXPECT_EQ(dd->ItemToRow(2), 3);
        }
        dd->HideDropDown(true);
    }
}

TEST_F(GridDropDown, TypedLookupAfterADescendingSortLandsOnTheRowOfTheItem)
{
    Fill({"Name"}, {{"Apple"}, {"Avocado"}, {"Banana"}, {"Cherry"}});
    dd->SetSorting(gsSingleColumn);
    grid()->SortSettings()->SetColumn(0);
    grid()->SortSettings()->SetDirection(TSortDirection::sdDescending);
    dd->ShowDropDown();
    ASSERT_EQ(rows(), (std::vector<std::string>{"Cherry", "Banana", "Avocado", "Apple"}));
    QChar a('a');
    dd->ControlKeyPress(a);
    EXPECT_EQ(grid()->Row(), 4) << "the row showing Apple, not item 0 + 1";
    EXPECT_EQ(dd->ItemIndex(), 0);
    EXPECT_EQ(S(dd->Text()), "Apple");
    QChar v('v');
    dd->ControlKeyPress(v);
    EXPECT_EQ(grid()->Row(), 3);
    EXPECT_EQ(S(dd->Text()), "Avocado");
}

TEST_F(GridDropDown, TheHeightKeepsWholeRows)
{
    struct Case {
        bool header, footer;
        int in, out;
    };
    for (const Case& c : {Case{false, false, 200, 185}, Case{false, false, 202, 185}, Case{false, false, 203, 207},
                          Case{true, false, 200, 0}}) {
        dd->DropDownHeader().SetVisible(c.header);
        dd->DropDownFooter().SetVisible(c.footer);
        const int hf = (c.header ? dd->DropDownHeader().Height() : 0) + (c.footer ? dd->DropDownFooter().Height() : 0);
        int h = c.in;
        dd->AdjustDropDownHeight(h);
        const int expected = c.out ? c.out : hf + 25 + ((c.in - hf - 25 - 2) / 22) * 22 + 6;
        EXPECT_EQ(h, expected) << c.in << (c.header ? " with header" : "");
    }
}

TEST_F(GridDropDown, ColumnsAreScaledToThePopupWidthWithTheRoundingCarried)
{
    struct Case {
        std::vector<int> widths;
        int popup;
        std::vector<int> out;
    };
    const Case cases[] = {
        {{100, 50}, 302, {200, 100}},
        {{10, 10, 10}, 100, {32, 32, 32}},
        {{10, 10, 10}, 110, {35, 35, 36}},
    };
    for (const Case& c : cases) {
        dd->Columns().Clear();
        dd->Items().Clear();
        for (int w : c.widths)
            dd->Columns().Add()->SetWidth(w);
        dd->Items().AddTexts({"x"});
        dd->SetAutoSizeColumns(false);
        dd->ShowDropDown();
        ASSERT_TRUE(open());
        dd->DropDownForm()->SetBounds(dd->DropDownForm()->Left(), dd->DropDownForm()->Top(), c.popup, 200);
        dd->SizeColumnsToDropDown();
        std::vector<int> got;
        for (size_t i = 0; i < c.widths.size(); ++i)
            got.push_back(grid()->ColWidths(int(i)));
        EXPECT_EQ(got, c.out) << c.popup;
        dd->HideDropDown(true);
    }
}

TEST_F(GridDropDown, TheItemIndexWritesTheLookupText)
{
    Fill({"Code", "Name"}, {{"1", "Alpha"}, {"2"}});
    dd->SetLookupColumn(1);
    struct Case {
        int value, index;
        const char* text;
    };
    for (const Case& c : {Case{0, 0, "Alpha"}, Case{1, 1, ""}, Case{5, 1, ""}, Case{0, 0, "Alpha"}, Case{-1, -1, ""}}) {
        dd->SetItemIndex(c.value);
        EXPECT_EQ(dd->ItemIndex(), c.index) << c.value;
        EXPECT_EQ(S(dd->Text()), c.text) << c.value;
    }
}

TEST_F(GridDropDown, MovingTheCursorChoosesLiveAndCancelPutsBackTheOpeningState)
{
    Fruit();
    struct Case {
        int start;
        const char* text;
    };
    for (const Case& c : {Case{0, "Apple"}, Case{-1, ""}}) {
        dd->SetItemIndex(c.start);
        dd->ShowDropDown();
        ASSERT_TRUE(open());
        TestKit::TypeKey(grid(), VK_DOWN);
        TestKit::TypeKey(grid(), VK_DOWN);
        EXPECT_EQ(S(dd->Text()), "Banana") << "the edit follows the cursor";
        dd->HideDropDown(true);
        EXPECT_FALSE(open());
        EXPECT_EQ(dd->ItemIndex(), c.start);
        EXPECT_EQ(S(dd->Text()), c.text);
    }
}

TEST_F(GridDropDown, TheWheelNeverChooses)
{
    Fill({"Name"}, {{"A0"}, {"A1"}, {"A2"}, {"A3"}, {"A4"}, {"A5"}, {"A6"}, {"A7"}, {"A8"}, {"A9"}, {"B0"}, {"B1"}});
    dd->SetItemIndex(0);
    dd->ShowDropDown();
    TestKit::TypeKey(grid(), VK_DOWN);
    ASSERT_EQ(dd->ItemIndex(), 1);
    TestKit::Wheel(grid(), 20, 40, -120);
    TestKit::Wheel(grid(), 20, 40, -120);
    EXPECT_EQ(dd->ItemIndex(), 1);
    EXPECT_FALSE(grid()->ConfirmSelection());
    dd->HideDropDown(false);  // as a deactivation closes it
    EXPECT_EQ(dd->ItemIndex(), 1);
    EXPECT_EQ(S(dd->Text()), "A1");
}

TEST_F(GridDropDown, EnterOrAClickOnARowChoosesAndCloses)
{
    Fruit();
    int selects = 0;
    dd->OnSelect = [&](TObject* Sender) {
        EXPECT_EQ(Sender, dd);
        ++selects;
    };
    dd->ShowDropDown();
    TestKit::TypeKey(grid(), VK_DOWN);
    TestKit::TypeKey(grid(), VK_RETURN);
    EXPECT_FALSE(open());
    EXPECT_EQ(selects, 1);
    EXPECT_EQ(dd->ItemIndex(), 1);
    dd->ShowDropDown();
    const TRect r = grid()->CellRect(0, 3);
    TestKit::Click(grid(), r.Left + 5, r.Top + 5);
    EXPECT_FALSE(open());
    EXPECT_EQ(selects, 2);
    EXPECT_EQ(dd->ItemIndex(), 2);
    EXPECT_EQ(S(dd->Text()), "Banana");
}

TEST_F(GridDropDown, StylesSetTheHeaderAndLineColours)
{
    EXPECT_EQ(dd->HeaderColor(), TColor(0xFFFFFF));
    EXPECT_EQ(dd->HeaderColorTo(), TColor(0x808080));
    EXPECT_EQ(dd->HeaderFont().Color(), TColor(0x723708));
    EXPECT_EQ(dd->LineColor(), TColor(0xF1EDEB));
    EXPECT_EQ(dd->FixedLineColor(), TColor(0xD1BBA4));
    EXPECT_EQ(dd->DropDownHeight(), 200);
    struct Case {
        TVynStyle style;
        TColor header, line, fixedLine, selectionText;
    };
    const Case cases[] = {
        {tsOffice2003Blue, 0xD68759, 0x962D00, 0x962D00, 0},
        {tsWindowsXP, clBtnFace, 0xC0C0C0, 0, clHighlightText},
        {tsWindows7, 0xFDFBFA, 0xFBD6B8, 0xFBD6B8, 0},
    };
    for (const Case& c : cases) {
        dd->SetComponentStyle(c.style);
        EXPECT_EQ(dd->HeaderColor(), c.header);
        EXPECT_EQ(dd->LineColor(), c.line);
        EXPECT_EQ(dd->FixedLineColor(), c.fixedLine);
        EXPECT_EQ(dd->SelectionTextColor(), c.selectionText);
    }
}

namespace {

struct TypedLookupCase {
    const char16_t* Entry;
    bool CaseSensitive;
    const char16_t* Found;  // nullptr: no item starts with the entry
};

}  // namespace

// Typed lookup in the open popup, over items whose lookup texts are short,
// missing, longer than the entry, non-ASCII or begin with a surrogate pair.
TEST_F(GridDropDown, TypedLookupInTheOpenPopupFindsTheFirstItemStartingWithTheEntry)
{
    Fill({"No", "Name"}, {{"1", "Bonn"},
                          {"2"},
                          {"3", "ÄPFEL"},
                          {"4", "Straße"},
                          {"5", "Berlin"},
                          {"6", "\xF0\x9F\x98\x80 smile"},
                          {"7", "ab"},
                          {"8", "abcdef"},
                          {"9", "bern"}});
    dd->SetLookupColumn(1);
    const TypedLookupCase cases[] = {
        {u"BER", false, u"Berlin"},
        {u"BER", true, nullptr},
        {u"ber", true, u"bern"},
        {u"Bo", true, u"Bonn"},
        {u"ab", false, u"ab"},
        {u"abc", false, u"abcdef"},
        {u"ABCDEF", false, u"abcdef"},
        {u"abcdeg", false, nullptr},
        {u"äp", false, u"ÄPFEL"},
        {u"äp", true, nullptr},
        {u"STRAßE", false, u"Straße"},
        {u"\U0001F600 s", false, u"\U0001F600 smile"},
        {u"q", false, nullptr},
    };
    for (const TypedLookupCase& c : cases) {
        const QString entry = QString::fromUtf16(c.Entry);
        SCOPED_TRACE(S(entry) + (c.CaseSensitive ? " case-sensitive" : ""));
        dd->SetCaseSensitive(c.CaseSensitive);
        dd->SetItemIndex(-1);
        dd->ShowDropDown();
        ASSERT_TRUE(open());
        QChar clear{char16_t(VK_RETURN)};
        dd->ControlKeyPress(clear);
        int found = -1;
        for (QChar ch : entry)
            found = dd->LookupTypedChar(ch);
        if (c.Found) {
            ASSERT_GE(found, 0);
            EXPECT_EQ(S(dd->Items().Items(found)->ColumnText(1)), S(QString::fromUtf16(c.Found)));
            EXPECT_EQ(dd->ItemIndex(), found);
        } else {
            EXPECT_LT(found, 0);
        }
        dd->HideDropDown(true);
    }
}

TEST_F(GridDropDown, TypedLookupInTheOpenPopupFindsItemsAddedOrChangedSinceTheOpening)
{
    Fill({"No", "Name"}, {{"1", "Apple"}, {"2", "Banana"}});
    dd->SetLookupColumn(1);
    dd->ShowDropDown();
    ASSERT_TRUE(open());
    QChar b('b');
    dd->ControlKeyPress(b);
    EXPECT_EQ(dd->ItemIndex(), 1);
    dd->Items().AddTexts({"3", "Zeta"});
    QChar enter{char16_t(VK_RETURN)}, z(u'z');
    dd->ControlKeyPress(enter);
    dd->ControlKeyPress(z);
    EXPECT_EQ(dd->ItemIndex(), 2) << "an item added while open";
    EXPECT_EQ(S(dd->Text()), "Zeta");
    dd->HideDropDown(true);
    dd->Items().Items(0)->Text().SetStrings(1, "Cherry");
    dd->ShowDropDown();
    QChar c('c');
    dd->ControlKeyPress(enter);
    dd->ControlKeyPress(c);
    EXPECT_EQ(dd->ItemIndex(), 0) << "an item changed while closed";
    EXPECT_EQ(S(dd->Text()), "Cherry");
}
