// The multi-column drop-down: completion in the edit, the Enter and Esc
// rules, the popup grid's lookup, wheel and confirmation, the column and
// height fitting, short items and the painted popup.
#include <QPainter>

#include "dropdown_fixture.h"

#include "controls/dropdown/MultiColumnDropDown.h"
#include "platform/gui/application.h"
#include "platform/gui/input_state.h"
#include "support/temp_dir.h"

using namespace DropDownTestKit;
using VynMultiColumnDropDown::TDropDownColumn;
using VynMultiColumnDropDown::TDropDownItem;

namespace {

struct MultiColumnFixture : DropDownFixture {
    TVynMultiColumnDropDown* mc = nullptr;
    int selects = 0;
    std::vector<int> keyPresses;

    void SetUp() override
    {
        DropDownFixture::SetUp();
        mc = new TVynMultiColumnDropDown(form);
        mc->SetName("Cities");
        mc->SetBounds(10, 40, 200, 21);
        mc->SetParent(form);
        for (const char* h : {"City", "Country", "Code"}) {
            TDropDownColumn* c = mc->Columns().Add();
            c->SetHeader(h);
            c->SetWidth(80);
        }
        addItem({"Berlin", "Germany", "BER"});
        addItem({"Bern", "Switzerland", "BRN"});
        addItem({"Bonn", "Germany", "BNN"});
        mc->BeginUpdate();
        mc->EndUpdate();
        mc->OnSelect = [this](TObject* Sender) {
            EXPECT_EQ(Sender, mc);
            ++selects;
        };
        mc->OnKeyPress = [this](TObject*, QChar& Key) { keyPresses.push_back(Key.unicode()); };
        mc->SetFocus();
    }
    TDropDownItem* addItem(std::initializer_list<const char*> Texts, int Image = -1)
    {
        TDropDownItem* item = mc->Items().Add();
        for (const char* t : Texts)
            item->Text().Add(t);
        item->SetImageIndex(Image);
        return item;
    }
    TVynMultiColGrid* grid() const { return mc->Grid(); }
    int selStart() const { return mc->SelStart(); }
    int selLength() const { return mc->SelLength(); }
    void type(const char* Text) { TestKit::TypeText(nullptr, Text); }
    void key(Word VK, TShiftState Shift = {}) { TestKit::TypeKey(nullptr, VK, Shift); }
    void open()
    {
        mc->ShowDropDown();
        ASSERT_TRUE(mc->DroppedDown());
        ASSERT_TRUE(grid()->Focused()) << "the popup grid has the focus";
    }
};

using MultiColumnDropDown = MultiColumnFixture;

TEST_F(MultiColumnDropDown, DefaultsAndThePopupGrid)
{
    EXPECT_EQ(mc->ItemIndex(), -1);
    EXPECT_EQ(mc->LookupColumn(), 0);
    EXPECT_EQ(mc->DropDownRowHeight(), 22);
    EXPECT_EQ(mc->HeaderHeight(), 25);
    EXPECT_EQ(mc->DropDownHeight(), 200);
    EXPECT_EQ(mc->DropDownColor(), clWhite);
    EXPECT_TRUE(mc->DropDownAutoWidth());
    EXPECT_TRUE(mc->ColumnSizeWithDropDown());
    EXPECT_TRUE(mc->MatchStart());
    EXPECT_EQ(mc->RowCount(), 3);
    ASSERT_NE(grid(), nullptr) << "made with the popup";
    EXPECT_EQ(grid()->Parent(), mc->DropDownForm());
    EXPECT_EQ(grid()->FixedCols(), 0);
    EXPECT_EQ(grid()->FixedRows(), 1);
    EXPECT_FALSE(grid()->DefaultDrawing());
    EXPECT_EQ(static_cast<TCustomGrid*>(grid())->GridLineWidth(), 0) << "the grid draws its lines itself";
    EXPECT_EQ(grid()->GridLineWidth(), 1);
    EXPECT_TRUE(grid()->Options().Contains(goRowSelect));
    EXPECT_FALSE(grid()->Options().Contains(goRangeSelect));
    EXPECT_EQ(mc->Items().IndexInColumn(2, "BNN"), 2);
    EXPECT_EQ(mc->Items().IndexInColumn(2, "bnn"), -1) << "case-sensitive";
    EXPECT_EQ(mc->Items().IndexInColumn(5, "BNN"), -1);
}

TEST_F(MultiColumnDropDown, TypingCompletesAndTheKeyUpRestoresTheCapitals)
{
    TestKit::KeyDown(nullptr, 'B', {}, QStringLiteral("b"));
    TestKit::KeyDown(nullptr, 'E', {}, QStringLiteral("e"));
    EXPECT_EQ(mc->Text(), "berlin") << "the typed part as typed";
    EXPECT_EQ(selStart(), 2);
    EXPECT_EQ(selLength(), 4);
    EXPECT_EQ(mc->ItemIndex(), 0);
    TestKit::KeyUp(nullptr, 'E');
    EXPECT_EQ(mc->Text(), "Berlin") << "the item's own capitals once the key is up";
    EXPECT_EQ(selStart(), 2);
    EXPECT_EQ(selLength(), 4) << "the last four letters selected";
    EXPECT_EQ(mc->ItemIndex(), 0);
    type("rn");
    EXPECT_EQ(mc->Text(), "Bern");
    EXPECT_EQ(mc->ItemIndex(), 1);
    EXPECT_EQ(selLength(), 0);
    EXPECT_EQ(selects, 0) << "completion fires no OnSelect";
}

TEST_F(MultiColumnDropDown, BackspaceDoesNotCompleteAgainAndMatchCaseComparesAsTyped)
{
    type("bo");
    ASSERT_EQ(mc->Text(), "Bonn");
    key(VK_BACK);
    EXPECT_EQ(mc->Text(), "Bo") << "the selected tail goes, nothing completed";
    type("x");
    EXPECT_EQ(mc->Text(), "Box") << "no match keeps what was typed";
    EXPECT_EQ(selStart(), 3);
    mc->SetText("");
    mc->SetMatchCase(true);
    type("b");
    EXPECT_EQ(mc->Text(), "b");
    mc->SetText("");
    type("B");
    EXPECT_EQ(mc->Text(), "Berlin");
}

TEST_F(MultiColumnDropDown, CompletionFindsWhatAStartsWithScanFinds)
{
    // The completion looks at a whole text only where its first unit
    // matches: empty texts, letters whose case differs, and texts starting
    // with a surrogate pair must still give the first startsWith match.
    mc->Items().Clear();
    const QStringList texts = {"", QStringLiteral("\u00c4pfel"), QStringLiteral("\u00e4ther"),
                               QString::fromUtf8("\xf0\x90\x90\x80lpha"),  // U+10400, lower case U+10428
                               QString::fromUtf8("\xf0\x90\x90\xa8mega"), QStringLiteral("zoo")};
    for (const QString& t : texts)
        mc->Items().Add()->Text().Add(t);
    mc->EndUpdate();
    const QStringList typed = {QStringLiteral("\u00e4"), QStringLiteral("\u00c4"), QStringLiteral("\u00e4p"),
                               QStringLiteral("\u00c4T"), QString::fromUtf8("\xf0\x90\x90\xa8"),
                               QString::fromUtf8("\xf0\x90\x90\x80o"), QStringLiteral("Z"), QStringLiteral("x")};
    for (const bool matchCase : {false, true}) {
        mc->SetMatchCase(matchCase);
        for (const QString& t : typed) {
            SCOPED_TRACE(testing::Message() << matchCase << " " << t.toStdString());
            int want = -1;
            for (int i = 0; i < texts.size() && want < 0; ++i)
                if (texts[i].startsWith(t, matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive))
                    want = i;
            mc->SetItemIndex(-1);
            mc->SetText(t);
            mc->SetSelStart(int(t.size()));
            mc->Change();
            EXPECT_EQ(mc->ItemIndex(), want);
            if (want >= 0) {
                EXPECT_EQ(mc->Text(), t + texts[want].mid(t.size()));
            }
        }
    }
}

TEST_F(MultiColumnDropDown, EnterTakesTheLookupTextWhateverItsCase)
{
    mc->SetText("bern");
    key(VK_RETURN);
    EXPECT_EQ(mc->Text(), "Bern");
    EXPECT_EQ(mc->ItemIndex(), 1);
    EXPECT_EQ(keyPresses, std::vector<int>{13}) << "without ReturnIsTab the Enter reaches the edit";
    EXPECT_TRUE(mc->Focused());
}

TEST_F(MultiColumnDropDown, ReturnIsTabPostsATabAndSwallowsTheEnter)
{
    mc->SetTabOrder(0);
    sink->SetTabOrder(1);
    mc->SetReturnIsTab(true);
    EXPECT_FALSE(static_cast<TVynCustomDropDown*>(mc)->ReturnIsTab()) << "the control's own flag";
    mc->SetText("bonn");
    key(VK_RETURN);
    EXPECT_EQ(mc->Text(), "Bonn");
    EXPECT_EQ(mc->ItemIndex(), 2);
    EXPECT_TRUE(keyPresses.empty()) << "no Enter reaches the edit's own handling";
    TestKit::PumpPostedMessages();
    EXPECT_TRUE(sink->Focused()) << "the posted Tab moved on";
}

TEST_F(MultiColumnDropDown, EscSetsTheItemTheTextNamesOrEmptiesIt)
{
    struct Case {
        const char* Text;
        int Index;
        const char* After;
    };
    for (const Case& c : {Case{"bonn", 2, "Bonn"}, Case{"Paris", -1, ""}, Case{"", -1, ""}}) {
        SCOPED_TRACE(c.Text);
        mc->SetItemIndex(0);
        mc->SetText(c.Text);
        key(VK_ESCAPE);
        EXPECT_EQ(mc->ItemIndex(), c.Index);
        EXPECT_EQ(mc->Text(), c.After);
        EXPECT_FALSE(mc->DroppedDown());
    }
}

TEST_F(MultiColumnDropDown, ItemIndexWriterAndTheClosedEditKeys)
{
    mc->SetItemIndex(1);
    EXPECT_EQ(mc->Text(), "Bern");
    mc->SetItemIndex(3);
    EXPECT_EQ(mc->ItemIndex(), 1) << "Count or more is ignored";
    mc->SetItemIndex(-5);
    EXPECT_EQ(mc->ItemIndex(), -1);
    EXPECT_EQ(mc->Text(), "");
    mc->SetLookupColumn(2);
    mc->SetItemIndex(2);
    EXPECT_EQ(mc->Text(), "BNN") << "the lookup column's text";
    mc->SetLookupColumn(0);
    mc->SetItemIndex(-1);
    for (int i = 0; i < 20; ++i)
        addItem({qPrintable(QStringLiteral("Item %1").arg(i))});
    struct Step {
        Word Key;
        int Index;
    };
    mc->SetEditorEnabled(false);
    for (const Step& s : {Step{VK_DOWN, 0}, Step{VK_DOWN, 1}, Step{VK_UP, 0}, Step{VK_UP, 0}, Step{VK_NEXT, 10},
                          Step{VK_NEXT, 20}, Step{VK_NEXT, 22}, Step{VK_PRIOR, 12}, Step{VK_HOME, 0}, Step{VK_END, 22},
                          Step{VK_DOWN, 22}}) {
        SCOPED_TRACE(s.Key);
        key(s.Key);
        EXPECT_EQ(mc->ItemIndex(), s.Index);
        EXPECT_FALSE(mc->DroppedDown());
    }
    mc->SetEditorEnabled(true);
    key(VK_HOME);
    EXPECT_EQ(mc->ItemIndex(), 22) << "Home and End belong to the edit while it takes typing";
    TestKit::Wheel(mc, 20, 10, 120);
    EXPECT_EQ(mc->ItemIndex(), 21) << "the wheel on the closed edit steps";
}

TEST_F(MultiColumnDropDown, ArrowsInThePopupMoveTheIndexAtOnceEnterConfirms)
{
    mc->SetItemIndex(0);
    open();
    EXPECT_EQ(grid()->Row(), 1) << "opens on the chosen row";
    EXPECT_EQ(grid()->RowCount(), 4);
    key(VK_DOWN);
    EXPECT_TRUE(mc->DroppedDown());
    EXPECT_EQ(mc->ItemIndex(), 1);
    EXPECT_EQ(mc->Text(), "Bern") << "the text follows the row";
    key(VK_DOWN);
    key(VK_RETURN);
    EXPECT_FALSE(mc->DroppedDown());
    EXPECT_EQ(mc->ItemIndex(), 2);
    EXPECT_EQ(mc->Text(), "Bonn");
    EXPECT_EQ(selects, 1);
    // Alt+Up in the grid goes to the drop-down, which closes its popup and
    // keeps the row the keys chose.
    open();
    key(VK_UP);
    key(VK_UP, {ssAlt});
    EXPECT_FALSE(mc->DroppedDown());
    EXPECT_EQ(mc->ItemIndex(), 1);
    EXPECT_EQ(selects, 1);
}

TEST_F(MultiColumnDropDown, CancelRestoresTheOpeningIndexAndText)
{
    struct Case {
        int Index;
        const char* Text;
    };
    for (const Case& c : {Case{1, "Bern"}, Case{-1, ""}, Case{-1, "Paris"}}) {
        SCOPED_TRACE(c.Text);
        mc->SetItemIndex(c.Index);
        mc->SetText(c.Text);
        open();
        key(VK_DOWN);
        ASSERT_NE(mc->ItemIndex(), c.Index);
        key(VK_ESCAPE);
        EXPECT_FALSE(mc->DroppedDown());
        EXPECT_EQ(mc->ItemIndex(), c.Index);
        EXPECT_EQ(mc->Text(), c.Text) << "a typed text that names no item comes back too";
    }
    EXPECT_EQ(selects, 0);
}

TEST_F(MultiColumnDropDown, ClickingARowPicksItAndClosingOutsideTakesNothingUnconfirmed)
{
    open();
    const TRect r = grid()->CellRect(1, 3);
    TestKit::Click(grid(), r.Left + 5, r.Top + 5);
    EXPECT_FALSE(mc->DroppedDown());
    EXPECT_EQ(mc->ItemIndex(), 2);
    EXPECT_EQ(mc->Text(), "Bonn");
    EXPECT_EQ(selects, 1);
    // A click on the header picks nothing.
    mc->SetItemIndex(-1);
    open();
    TestKit::Click(grid(), 5, 5);
    EXPECT_TRUE(mc->DroppedDown());
    EXPECT_EQ(mc->ItemIndex(), -1);
    mc->HideDropDown(true);
    // The confirmation of an earlier opening does not carry over: closing by
    // a press outside without a key or click takes no row.
    open();
    TestKit::Click(target, 10, 10);
    EXPECT_FALSE(mc->DroppedDown());
    EXPECT_EQ(mc->ItemIndex(), -1);
    EXPECT_EQ(mc->Text(), "");
}

TEST_F(MultiColumnDropDown, TheWheelInThePopupMovesTheRowNotTheIndex)
{
    mc->SetItemIndex(0);
    open();
    const TRect r = grid()->CellRect(0, 2);
    TestKit::Wheel(grid(), r.Left + 5, r.Top + 5, -120);
    TestKit::Wheel(grid(), r.Left + 5, r.Top + 5, -120);
    EXPECT_EQ(grid()->Row(), 3);
    EXPECT_EQ(mc->ItemIndex(), 0);
    EXPECT_EQ(mc->Text(), "Berlin");
    EXPECT_TRUE(mc->DroppedDown());
    key(VK_RETURN);
    EXPECT_FALSE(mc->DroppedDown());
    EXPECT_EQ(mc->ItemIndex(), 2) << "Enter takes the current row";
    EXPECT_TRUE(mc->Focused()) << "the edit has the focus back";
    EXPECT_EQ(selects, 1);
}

TEST_F(MultiColumnDropDown, IncrementalLookupInThePopup)
{
    open();
    type("bo");
    EXPECT_EQ(mc->LookupEntry(), "bo");
    EXPECT_EQ(grid()->Row(), 3);
    EXPECT_EQ(mc->ItemIndex(), 2);
    EXPECT_EQ(mc->Text(), "Bonn");
    EXPECT_EQ(selStart(), 2);
    EXPECT_EQ(selLength(), 2) << "the part after the entry selected";
    type("x");
    EXPECT_EQ(mc->LookupEntry(), "") << "box and x find nothing";
    EXPECT_EQ(mc->Text(), "Bonn");
    EXPECT_EQ(grid()->Row(), 3);
    EXPECT_EQ(selLength(), 2);
    key(VK_BACK);
    EXPECT_EQ(mc->Text(), "Bo") << "Backspace removes the selected part";
    EXPECT_EQ(selStart(), 2);
    EXPECT_EQ(selLength(), 0);
    EXPECT_TRUE(mc->DroppedDown());
    EXPECT_EQ(selects, 0);
}

TEST_F(MultiColumnDropDown, LookupThatRunsOutThenBackspace)
{
    open();
    type("bonn");
    EXPECT_EQ(mc->Text(), "Bonn");
    EXPECT_EQ(selLength(), 0);
    EXPECT_EQ(mc->LookupEntry(), "bonn");
    key(VK_BACK);
    EXPECT_EQ(mc->Text(), "bon");
    EXPECT_EQ(selStart(), 3);
    EXPECT_EQ(mc->LookupEntry(), "");
    // A character that extends nothing starts a new entry.
    type("bex");
    EXPECT_EQ(mc->Text(), "Berlin") << "bex fails, x alone fails: the row stays";
    EXPECT_EQ(grid()->Row(), 1);
    type("bern");
    EXPECT_EQ(mc->Text(), "Bern");
    EXPECT_EQ(grid()->Row(), 2);
    mc->SetCaseSensitive(true);
    type("B");
    EXPECT_EQ(mc->LookupEntry(), "B") << "bernB fails, B alone finds Berlin";
    EXPECT_EQ(grid()->Row(), 1);
}

TEST_F(MultiColumnDropDown, ItemsAddedAfterEndUpdateReachThePopupLookupOnly)
{
    addItem({"Zurich", "Switzerland", "ZRH"});
    type("z");
    EXPECT_EQ(mc->Text(), "z") << "completion reads the lookup texts of the last EndUpdate";
    EXPECT_EQ(mc->ItemIndex(), -1);
    mc->SetText("");
    open();
    type("z");
    EXPECT_EQ(mc->Text(), "Zurich") << "the popup reads the items";
    EXPECT_EQ(mc->ItemIndex(), 3);
    mc->HideDropDown(false);
    mc->EndUpdate();
    mc->SetText("");
    type("z");
    EXPECT_EQ(mc->Text(), "Zurich");
}

TEST_F(MultiColumnDropDown, GetItemIndexIsExactAndShortItemsCountAsEmpty)
{
    addItem({"Aachen", "Germany"});  // no third text
    mc->EndUpdate();
    struct Case {
        int Column;
        const char* Value;
        int Index;
    };
    for (const Case& c : {Case{0, "Bern", 1}, Case{0, "bern", -1}, Case{0, "Ber", -1}, Case{2, "BNN", 2},
                          Case{2, "", 3}, Case{1, "Germany", 0}, Case{-1, "", -1}}) {
        SCOPED_TRACE(testing::Message() << c.Column << " " << c.Value);
        mc->SetLookupColumn(c.Column);
        EXPECT_EQ(mc->GetItemIndex(c.Value), c.Index);
    }
    // The short item with LookupColumn 2: an empty text in every rule.
    mc->SetLookupColumn(2);
    mc->EndUpdate();
    EXPECT_EQ(mc->LookupItems().Count(), 4);
    EXPECT_EQ(mc->LookupItems().Strings(3), "");
    mc->SetItemIndex(3);
    EXPECT_EQ(mc->ItemIndex(), 3);
    EXPECT_EQ(mc->Text(), "");
    mc->SetItemIndex(0);
    open();
    type("bn");
    EXPECT_EQ(mc->Text(), "BNN") << "the popup lookup passes the short item";
    EXPECT_EQ(mc->ItemIndex(), 2);
    mc->HideDropDown(false);
    mc->SetText("z");
    key(VK_ESCAPE);
    EXPECT_EQ(mc->ItemIndex(), -1);
}

TEST_F(MultiColumnDropDown, ColumnsFitThePopupWidthWithTheCarry)
{
    mc->SetDropDownAutoWidth(false);
    mc->SetDropDownWidth(200);
    open();
    ASSERT_EQ(mc->DropDownForm()->Width(), 200);
    int sum = 0;
    for (int i = 0; i < 3; ++i) {
        EXPECT_GE(grid()->ColWidths(i), 66);
        EXPECT_LE(grid()->ColWidths(i), 67);
        sum += grid()->ColWidths(i);
    }
    EXPECT_LE(std::abs(sum - grid()->ClientWidth()), 1) << sum << " in " << grid()->ClientWidth();
    EXPECT_EQ(grid()->ScrollBars(), ssVertical);
    mc->HideDropDown(false);
    // Unequal widths: 50, 100, 30 in 200 (T = 181): 55.2, 110.5 (to even:
    // 110, carry 0.7), 33.1 (carry 0.9 ... 1.0 < 1 stays) -> 55, 110, 33.
    mc->Columns().Items(0)->SetWidth(50);
    mc->Columns().Items(1)->SetWidth(100);
    mc->Columns().Items(2)->SetWidth(30);
    mc->ShowDropDown();
    ASSERT_TRUE(mc->DroppedDown());
    const double f = double(mc->DropDownForm()->Width()) / 181;
    double carry = 0;
    int expect[3];
    const int w[3] = {50, 100, 30};
    for (int i = 0; i < 3; ++i) {
        const double exact = f * w[i];
        expect[i] = int(std::nearbyint(exact));
        carry += exact - expect[i];
        if (carry > 1) {
            carry -= 1;
            ++expect[i];
        }
        EXPECT_EQ(grid()->ColWidths(i), expect[i]) << i;
    }
}

TEST_F(MultiColumnDropDown, PopupHeightShowsWholeRowsAndWidensToItsColumns)
{
    for (int i = 0; i < 30; ++i)
        addItem({qPrintable(QStringLiteral("Item %1").arg(i, 2, 10, QLatin1Char('0'))), "x", "y"});
    mc->EndUpdate();
    mc->SetItemIndex(25);
    open();
    const int h = mc->DropDownForm()->Height();
    EXPECT_EQ((h - 25 - 2) % 22, 0) << "header row, whole item rows and 2: " << h;
    EXPECT_LE(h, 200);
    EXPECT_GT(h, 200 - 22);
    TVynMultiColGrid& g = *grid();
    EXPECT_EQ(g.Row(), 26);
    EXPECT_GE(26, g.TopRow());
    EXPECT_LE(26, g.TopRow() + g.VisibleRowCount() - 1) << "the chosen row in view";
    EXPECT_EQ(g.GetTotalWidth(), 240 + GetSystemMetrics(SM_CXVSCROLL)) << "not all rows fit: the bar counts";
    EXPECT_EQ(mc->DropDownForm()->Width(), g.GetTotalWidth() + 2);
}

TEST_F(MultiColumnDropDown, AnEmptyDropDownOpensAndCloses)
{
    mc->Items().Clear();
    mc->EndUpdate();
    type("b");
    EXPECT_EQ(mc->ItemIndex(), -1) << "no lookup text is left from the removed items";
    EXPECT_EQ(mc->Text(), "b");
    open();
    EXPECT_EQ(grid()->RowCount(), 1);
    type("b");
    key(VK_RETURN);
    EXPECT_FALSE(mc->DroppedDown());
    EXPECT_EQ(mc->ItemIndex(), -1);
}

TEST_F(MultiColumnDropDown, AutoSizedColumnsAndWrappedRows)
{
    TImageList images(form, 16, 12);
    TBitmap b(16, 12);
    images.Add(b);
    mc->SetImages(&images);
    mc->Columns().Items(0)->SetAutoSize(true);
    mc->Columns().Items(0)->SetColumnType(VynMultiColumnDropDown::ctImage);
    mc->Items().Items(1)->SetImageIndex(0);
    mc->Columns().Items(1)->SetWordwrap(true);
    mc->Columns().Items(1)->SetWidth(40);
    mc->Items().Items(0)->Text().SetStrings(1, "DE");
    mc->Items().Items(2)->Text().SetStrings(1, "A text that wraps over several lines");
    mc->SetColumnSizeWithDropDown(false);
    open();
    TCanvas& cv = grid()->Canvas();
    cv.Font().Assign(mc->Columns().Items(0)->Font());
    const int want = std::max({cv.TextWidth("Berlin") + 6, 16 + 4 + cv.TextWidth("Bern") + 6, cv.TextWidth("Bonn") + 6});
    EXPECT_EQ(grid()->ColWidths(0), want) << "the widest cell, image and margins included";
    EXPECT_EQ(grid()->Columns().Items(0)->Width(), want);
    EXPECT_EQ(grid()->RowHeights(1), 24) << "wrapped rows are at least 24";
    EXPECT_GT(grid()->RowHeights(3), 40) << "the wrapped text's lines";
    EXPECT_EQ(grid()->RowHeights(0), 25);
    mc->SetImages(nullptr);
}

TEST_F(MultiColumnDropDown, StylesSetTheLinesHeaderAndSelection)
{
    struct Case {
        TVynStyle Style;
        TColor Header, HeaderTo, Line, FixedLine, SelectionText;
        TSelectionColorStyle Selection;
    };
    for (const Case& c :
         {Case{tsOffice2003Blue, 0xD68759, 0x933803, 0x962D00, 0x962D00, clBlack, scOffice2007},
          Case{tsWindowsXP, clBtnFace, clBtnFace, 0xC0C0C0, clBlack, clHighlightText, scCustom},
          Case{tsWindows7, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFBD6B8, clBlack, scWindows7},
          Case{tsOffice2010Black, 0x828282, clNone, 0xEEDDCF, 0xEEDDCF, clBlack, scCustom}}) {
        SCOPED_TRACE(int(c.Style));
        mc->SetComponentStyle(c.Style);
        EXPECT_EQ(Hex(mc->HeaderColor()), Hex(c.Header));
        EXPECT_EQ(mc->HeaderColorTo(), c.HeaderTo);
        EXPECT_EQ(Hex(mc->LineColor()), Hex(c.Line));
        EXPECT_EQ(Hex(mc->FixedLineColor()), Hex(c.FixedLine));
        EXPECT_EQ(mc->SelectionTextColor(), c.SelectionText);
        EXPECT_EQ(mc->SelectionColorStyle(), c.Selection);
    }
    EXPECT_EQ(Hex(mc->SelectionColor()), Hex(0x6CD0FF));
    mc->SetComponentStyle(tsCustom);
    EXPECT_EQ(Hex(mc->LineColor()), Hex(0xEEDDCF)) << "tsCustom changes nothing more";
    mc->SetSelectionColorStyle(scWindowsVista);
    EXPECT_EQ(Hex(mc->LineColor()), Hex(0xECECF0));
    EXPECT_EQ(Hex(mc->FixedLineColor()), Hex(0xD4D2D1));
}

TEST_F(MultiColumnDropDown, PaintsHeaderLinesAndTheSelectedRow)
{
    mc->SetComponentStyle(tsOffice2003Blue);
    mc->SetDropDownAutoWidth(false);
    mc->SetDropDownWidth(260);
    mc->Columns().Items(1)->SetColor(0xE0FFE0);
    mc->Columns().Items(2)->SetAlignment(taRightJustify);
    mc->SetItemIndex(1);
    open();
    const QImage p = TestKit::RenderToImage(mc->DropDownForm());
    TempDir dir;
    const char* keep = std::getenv("VYN_RENDER_DIR");
    const String base = keep && *keep ? String::fromLocal8Bit(keep) : dir.path();
    ASSERT_TRUE(p.save(base + "/multicolumn-popup.png"));
    const TPoint o = mc->DropDownForm()->ScreenToClient(grid()->ClientToScreen(TPoint{0, 0}));
    TVynMultiColGrid& g = *grid();
    // The header: the gradient runs from HeaderColor at the top towards
    // HeaderColorTo.
    const TRect h = g.CellRect(0, 0);
    auto red = [&](int Y) { return int(PixelAt(p, o.X + h.Right - 10, o.Y + Y) & 0xFF); };
    EXPECT_NEAR(red(h.Top), 0x59, 3);
    EXPECT_NEAR(red(h.Bottom - 3), 0x03, 12);
    // An unselected item row: the column colour and the line colour along
    // its bottom and down its right edge.
    const TRect c = g.CellRect(1, 1);
    EXPECT_EQ(Hex(PixelAt(p, o.X + c.Right - 5, o.Y + c.Top + 3)), Hex(0xE0FFE0));
    EXPECT_EQ(Hex(PixelAt(p, o.X + c.Left + 10, o.Y + c.Bottom - 1)), Hex(0x962D00));
    EXPECT_EQ(Hex(PixelAt(p, o.X + c.Right - 1, o.Y + c.Top + 5)), Hex(0x962D00));
    // The selected row is painted by the selection look, not the column colour.
    const TRect s = g.CellRect(1, 2);
    EXPECT_NE(Hex(PixelAt(p, o.X + s.Right - 5, o.Y + s.Top + 5)), Hex(0xE0FFE0));
    // Text: some dark pixels in the city column of row 3 ("Bonn").
    const TRect t = g.CellRect(0, 3);
    int dark = 0;
    for (int x = t.Left + 2; x < t.Left + 40; ++x)
        for (int y = t.Top + 2; y < t.Bottom - 2; ++y)
            if ((PixelAt(p, o.X + x, o.Y + y) & 0xFF) < 0x60)
                ++dark;
    EXPECT_GT(dark, 10);
    // A drawing event replaces the built-in painting.
    int calls = 0;
    mc->OnDropDownDrawItem = [&](TObject*, int, int, TCanvas& Canvas, const TRect& R) {
        ++calls;
        Canvas.Brush().SetColor(0x0000FF);
        Canvas.FillRect(R);
    };
    const QImage q = TestKit::RenderToImage(mc->DropDownForm());
    EXPECT_GT(calls, 0);
    EXPECT_EQ(Hex(PixelAt(q, o.X + c.Right - 5, o.Y + c.Top + 3)), Hex(0x0000FF));
}

TEST_F(MultiColumnDropDown, AssignCopiesTheColumnsItemsAndLooks)
{
    auto* copy = new TVynMultiColumnDropDown(form);
    mc->SetLookupColumn(2);
    mc->SetItemIndex(1);
    mc->SetHeaderHeight(30);
    mc->SetCaseSensitive(true);
    copy->Assign(*mc);
    EXPECT_EQ(copy->Items().Count(), 3);
    EXPECT_EQ(copy->Columns().Items(2)->Header(), "Code");
    EXPECT_EQ(copy->LookupColumn(), 2);
    EXPECT_EQ(copy->ItemIndex(), 1);
    EXPECT_EQ(copy->HeaderHeight(), 30);
    EXPECT_TRUE(copy->CaseSensitive());
    mc->Items().Items(0)->Text().SetStrings(0, "Changed");
    EXPECT_EQ(copy->Items().Items(0)->Text().Strings(0), "Berlin") << "copied, not shared";
}

}  // namespace
