// The string grid's option holders: one table per holder gives, for every
// property, a write of a value other than the new one, how that value reads,
// which writes notify and whether Assign copies it. The same table drives the
// default, write and Assign checks; the rules that tie properties together
// (AdvanceAuto, HotmailRowSelect, the disjunct selections, the sync grid's
// owner, the bands' lengths) have cases of their own below.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "grid/core/grid_options.h"
#include "grid/core/vyn_string_grid.h"

namespace {

// How often a write fires OnChange.
enum class Fires { Never, OnChange, Always };

template <typename H>
struct PropRow {
    const char* Name;
    // Writes a value other than the new one (the same value each call).
    std::function<void(H&)> Write;
    // True while the property holds its new value.
    std::function<bool(const H&)> IsNew;
    Fires Notify;
    bool Assigned;
};

// Creates holders the way the grid does.
template <typename H>
struct Make;

template <>
struct Make<TSearchFooter> {
    static std::unique_ptr<TSearchFooter> New() { return std::make_unique<TSearchFooter>(nullptr, true); }
};
template <>
struct Make<TNavigation> {
    static std::unique_ptr<TNavigation> New() { return std::make_unique<TNavigation>(); }
};
template <>
struct Make<TMouseActions> {
    static std::unique_ptr<TMouseActions> New() { return std::make_unique<TMouseActions>(nullptr); }
};
template <>
struct Make<TBands> {
    static std::unique_ptr<TBands> New() { return std::make_unique<TBands>(); }
};

// Every property reads its new value on a new holder.
template <typename H>
void CheckDefaults(const std::vector<PropRow<H>>& Table)
{
    auto h = Make<H>::New();
    for (const auto& row : Table)
        EXPECT_TRUE(row.IsNew(*h)) << row.Name;
}

// A write stores its value before OnChange runs; the first write changes
// the value, the second repeats it.
template <typename H>
void CheckWrites(const std::vector<PropRow<H>>& Table)
{
    for (const auto& row : Table) {
        SCOPED_TRACE(row.Name);
        auto h = Make<H>::New();
        int calls = 0;
        h->OnChange = [&](TObject* Sender) {
            ++calls;
            EXPECT_EQ(Sender, h.get());
            EXPECT_FALSE(row.IsNew(*h)) << "notified before the value was stored";
        };
        row.Write(*h);
        EXPECT_FALSE(row.IsNew(*h)) << "not stored";
        EXPECT_EQ(calls, row.Notify == Fires::Never ? 0 : 1) << "changing write";
        row.Write(*h);
        EXPECT_EQ(calls, row.Notify == Fires::Never ? 0 : row.Notify == Fires::OnChange ? 1 : 2)
            << "repeated write";
    }
}

// Assign from a source with every property changed copies exactly the
// rows marked so, fires nothing and takes no event handler.
template <typename H>
void CheckAssign(const std::vector<PropRow<H>>& Table)
{
    auto src = Make<H>::New();
    for (const auto& row : Table)
        row.Write(*src);
    int srcCalls = 0;
    src->OnChange = [&](TObject*) { ++srcCalls; };
    auto dst = Make<H>::New();
    dst->Assign(*src);
    EXPECT_FALSE(dst->OnChange) << "OnChange copied";
    for (const auto& row : Table)
        EXPECT_EQ(row.IsNew(*dst), !row.Assigned) << row.Name;

    int dstCalls = 0;
    auto again = Make<H>::New();
    again->OnChange = [&](TObject*) { ++dstCalls; };
    again->Assign(*src);
    EXPECT_EQ(dstCalls, 0) << "Assign notified";
    EXPECT_EQ(srcCalls, 0);
}

// Assign from another class changes nothing and raises nothing.
template <typename H>
void CheckForeignAssign(const std::vector<PropRow<H>>& Table)
{
    auto h = Make<H>::New();
    TFocusHelper foreign(nullptr);
    foreign.SetEnabled(true);
    EXPECT_NO_THROW(h->Assign(foreign));
    TFont font;
    EXPECT_NO_THROW(h->Assign(font));
    for (const auto& row : Table)
        EXPECT_TRUE(row.IsNew(*h)) << row.Name;
}

#define ROW_BOOL(H, Prop, New, Notify, Assigned)                                                            \
    PropRow<H>{#Prop, [](H& h) { h.Set##Prop(!(New)); }, [](const H& h) { return h.Prop() == (New); }, Notify, \
               Assigned}
#define ROW_VALUE(H, Prop, New, Other, Notify, Assigned)                                                  \
    PropRow<H>{#Prop, [](H& h) { h.Set##Prop(Other); }, [](const H& h) { return h.Prop() == (New); }, Notify, \
               Assigned}

// ---- TSearchFooter -------------------------------------------------------------------------------

bool IsDefaultFont(const TFont& F)
{
    const TFont platformDefault;
    return F == platformDefault;
}

std::vector<PropRow<TSearchFooter>> SearchFooterTable()
{
    using H = TSearchFooter;
    return {
        ROW_BOOL(H, AlwaysHighLight, false, Fires::Never, true),
        ROW_BOOL(H, AutoSearch, true, Fires::Never, false),
        ROW_VALUE(H, Color, TColor(0xFFFFFF), TColor(0x123456), Fires::Always, true),
        ROW_VALUE(H, ColorTo, clBtnFace, TColor(15790320), Fires::Always, true),
        ROW_VALUE(H, FindNextCaption, QStringLiteral("Find &next"), "Weiter", Fires::Always, true),
        ROW_VALUE(H, FindPrevCaption, QStringLiteral("Find &previous"), "Zurueck", Fires::Always, true),
        PropRow<H>{"Font",
                   [](H& h) {
                       TFont f;
                       f.SetName(QStringLiteral("DejaVu Serif"));
                       f.SetHeight(-17);
                       f.SetColor(clRed);
                       h.SetFont(f);
                   },
                   [](const H& h) { return IsDefaultFont(*h.Font()); }, Fires::Always, true},
        ROW_VALUE(H, HighLightCaption, QStringLiteral("Highlight"), "Markieren", Fires::Always, true),
        ROW_VALUE(H, HintClose, QStringLiteral("Close"), "Schliessen", Fires::Always, true),
        ROW_VALUE(H, HintFindNext, QStringLiteral("Find next occurrence"), "Naechste", Fires::Always, true),
        ROW_VALUE(H, HintFindPrev, QStringLiteral("Find previous occurrence"), "Vorige", Fires::Always, true),
        ROW_VALUE(H, HintHighlight, QStringLiteral("Highlight occurrences"), "Alle markieren", Fires::Always, true),
        ROW_VALUE(H, MatchCaseCaption, QStringLiteral("Match case"), "Gross/klein", Fires::Always, true),
        ROW_BOOL(H, SearchActiveColumnOnly, false, Fires::Never, true),
        ROW_VALUE(H, SearchColumn, -1, 3, Fires::Never, true),
        ROW_BOOL(H, SearchMatchStart, false, Fires::Never, true),
        ROW_BOOL(H, SearchFixedCells, false, Fires::Never, false),
        ROW_BOOL(H, SearchHiddenRows, false, Fires::Never, true),
        ROW_VALUE(H, SearchDirection, TSearchDirection::sdTopBottom, TSearchDirection::sdLeftRight, Fires::Never,
                  true),
        ROW_BOOL(H, ShowClose, true, Fires::Always, true),
        ROW_BOOL(H, ShowFindNext, true, Fires::OnChange, true),
        ROW_BOOL(H, ShowFindPrev, true, Fires::OnChange, true),
        ROW_BOOL(H, ShowHighLight, true, Fires::OnChange, true),
        ROW_BOOL(H, ShowMatchCase, true, Fires::OnChange, true),
        ROW_BOOL(H, Visible, false, Fires::OnChange, true),
        ROW_BOOL(H, AutoThemeAdapt, false, Fires::Always, false),
        ROW_VALUE(H, LastSearch, String(), "needle", Fires::Never, false),
    };
}

TEST(SearchFooter, DefaultsWritesAndAssign)
{
    const auto table = SearchFooterTable();
    CheckDefaults(table);
    CheckWrites(table);
    CheckAssign(table);
    CheckForeignAssign(table);
}

// Without InitDesign (a grid read from a form) the eight captions and hints
// start empty; the rest is as with it.
TEST(SearchFooter, WithoutInitDesignCaptionsAndHintsAreEmpty)
{
    TSearchFooter f(nullptr, false);
    for (const String& s : {f.FindNextCaption(), f.FindPrevCaption(), f.HighLightCaption(), f.MatchCaseCaption(),
                            f.HintClose(), f.HintFindNext(), f.HintFindPrev(), f.HintHighlight()})
        EXPECT_TRUE(s.isEmpty()) << s.toStdString();
    EXPECT_TRUE(f.AutoSearch());
    EXPECT_EQ(f.SearchColumn(), -1);
    EXPECT_TRUE(IsDefaultFont(*f.Font()));
}

// ShowClose := True on a footer that shows it already notifies; the same
// write to ShowFindNext does not.
TEST(SearchFooter, ShowCloseAlwaysNotifiesShowFindNextOnlyOnChange)
{
    TSearchFooter f(nullptr, true);
    int calls = 0;
    f.OnChange = [&](TObject*) { ++calls; };
    ASSERT_TRUE(f.ShowClose());
    f.SetShowClose(true);
    EXPECT_EQ(calls, 1);
    ASSERT_TRUE(f.ShowFindNext());
    f.SetShowFindNext(true);
    EXPECT_EQ(calls, 1);
}

// The footer keeps its own font: SetFont and Assign copy the settings, the
// caller's font stays separate.
TEST(SearchFooter, FontIsCopiedNeverShared)
{
    TSearchFooter f(nullptr, true);
    TFont* own = f.Font();
    TFont given;
    given.SetName(QStringLiteral("DejaVu Serif"));
    given.SetStyle(TFontStyles{fsBold});
    f.SetFont(given);
    EXPECT_EQ(f.Font(), own);
    EXPECT_TRUE(*f.Font() == given);
    given.SetHeight(-30);
    EXPECT_NE(f.Font()->Height(), -30);

    TSearchFooter g(nullptr, false);
    TFont* gOwn = g.Font();
    g.Assign(f);
    EXPECT_EQ(g.Font(), gOwn);
    EXPECT_TRUE(*g.Font() == *f.Font());
    f.Font()->SetHeight(-25);
    EXPECT_NE(g.Font()->Height(), -25);
}

// ---- TNavigation ---------------------------------------------------------------------------------

std::vector<PropRow<TNavigation>> NavigationTable()
{
    using H = TNavigation;
    return {
        ROW_BOOL(H, AllowInsertRow, false, Fires::Never, true),
        ROW_BOOL(H, AllowDeleteRow, false, Fires::Never, true),
        ROW_BOOL(H, AlwaysEdit, false, Fires::Never, true),
        ROW_BOOL(H, AdvanceOnEnter, false, Fires::Never, true),
        ROW_BOOL(H, AdvanceOnEnterLoop, true, Fires::Never, true),
        ROW_BOOL(H, AdvanceInsert, false, Fires::OnChange, true),
        ROW_BOOL(H, AdvanceAutoEdit, true, Fires::Never, true),
        ROW_BOOL(H, AdvanceSkipReadOnlyCells, true, Fires::Never, true),
        ROW_BOOL(H, AutoGotoWhenSorted, false, Fires::Never, true),
        ROW_BOOL(H, AutoGotoIncremental, false, Fires::Never, true),
        ROW_BOOL(H, AutoComboDropSize, false, Fires::Never, true),
        ROW_VALUE(H, AdvanceDirection, TAdvanceDirection::adLeftRight, TAdvanceDirection::adTopBottom,
                  Fires::OnChange, true),
        ROW_BOOL(H, AllowClipboardShortCuts, false, Fires::Never, true),
        ROW_BOOL(H, AllowCtrlEnter, true, Fires::Never, true),
        ROW_BOOL(H, AllowSmartClipboard, false, Fires::Never, true),
        ROW_BOOL(H, AllowRTFClipboard, false, Fires::Never, true),
        ROW_BOOL(H, AllowFmtClipboard, false, Fires::Never, true),
        ROW_BOOL(H, AllowClipboardAlways, false, Fires::Never, true),
        ROW_BOOL(H, AllowClipboardRowGrow, true, Fires::Never, true),
        ROW_BOOL(H, AllowClipboardColGrow, true, Fires::Never, true),
        ROW_BOOL(H, AdvanceAuto, false, Fires::Never, true),
        ROW_BOOL(H, AppendOnArrowDown, false, Fires::Never, true),
        ROW_BOOL(H, EditSelectAll, true, Fires::Never, true),
        ROW_VALUE(H, InsertPosition, TInsertPosition::pInsertBefore, TInsertPosition::pInsertAfter, Fires::Never,
                  true),
        ROW_VALUE(H, ClipboardPasteAction, TClipboardPasteAction::paReplace, TClipboardPasteAction::paInsert,
                  Fires::Never, true),
        ROW_BOOL(H, ComboGetUpDown, true, Fires::Never, true),
        ROW_VALUE(H, CursorAdvance, TCursorAdvance::caDefault, TCursorAdvance::caLoop, Fires::Never, true),
        ROW_BOOL(H, CursorWalkEditor, false, Fires::Never, true),
        ROW_BOOL(H, CursorWalkAlwaysEdit, true, Fires::Never, true),
        ROW_BOOL(H, CursorMoveRows, false, Fires::Never, true),
        ROW_BOOL(H, MoveRowOnSort, false, Fires::Never, true),
        ROW_BOOL(H, KeepScrollOnSort, false, Fires::Never, false),
        ROW_BOOL(H, MoveScrollOnly, false, Fires::Never, true),
        ROW_BOOL(H, ImproveMaskSel, false, Fires::Never, true),
        ROW_BOOL(H, LeftRightRowSelect, true, Fires::Never, true),
        ROW_BOOL(H, CopyHTMLTagsToClipboard, true, Fires::Never, true),
        ROW_BOOL(H, KeepHorizScroll, false, Fires::Never, true),
        ROW_BOOL(H, LineFeedOnEnter, false, Fires::Never, true),
        ROW_VALUE(H, HomeEndKey, THomeEndAction::heFirstLastColumn, THomeEndAction::heFirstLastCell, Fires::Never,
                  true),
        ROW_BOOL(H, SkipFixedCells, true, Fires::Never, true),
        ROW_BOOL(H, SkipDisabledRows, true, Fires::Never, true),
        ROW_BOOL(H, TabToNextAtEnd, false, Fires::Never, true),
        // A value other than AdvanceDirection's, so a copy from the wrong
        // option shows.
        ROW_VALUE(H, TabAdvanceDirection, TAdvanceDirection::adLeftRight, TAdvanceDirection::adTopBottomInCol,
                  Fires::Never, true),
    };
}

TEST(Navigation, DefaultsWritesAndAssign)
{
    const auto table = NavigationTable();
    ASSERT_EQ(table.size(), 43u);
    CheckDefaults(table);
    CheckWrites(table);
    CheckAssign(table);
    CheckForeignAssign(table);
}

// Assign leaves KeepScrollOnSort as it was, whichever way the two differ.
TEST(Navigation, AssignKeepsKeepScrollOnSort)
{
    TNavigation src, dst;
    dst.SetKeepScrollOnSort(true);
    dst.Assign(src);
    EXPECT_TRUE(dst.KeepScrollOnSort());
    src.SetKeepScrollOnSort(true);
    TNavigation fresh;
    fresh.Assign(src);
    EXPECT_FALSE(fresh.KeepScrollOnSort());
    // The tab direction comes from the source's tab direction.
    src.SetAdvanceDirection(TAdvanceDirection::adTopBottom);
    src.SetTabAdvanceDirection(TAdvanceDirection::adLeftRightInRow);
    fresh.Assign(src);
    EXPECT_EQ(fresh.TabAdvanceDirection(), TAdvanceDirection::adLeftRightInRow);
    EXPECT_EQ(fresh.AdvanceDirection(), TAdvanceDirection::adTopBottom);
}

// A change of AdvanceAuto to True also switches AdvanceOnEnter on; False, or
// True again, leaves AdvanceOnEnter as it is. Assign copies both as they
// are.
TEST(Navigation, AdvanceAutoSetsAdvanceOnEnter)
{
    TNavigation n;
    n.SetAdvanceAuto(true);
    EXPECT_TRUE(n.AdvanceOnEnter());
    n.SetAdvanceOnEnter(false);
    n.SetAdvanceAuto(true);
    EXPECT_FALSE(n.AdvanceOnEnter()) << "no change, no effect";
    n.SetAdvanceOnEnter(true);
    n.SetAdvanceAuto(false);
    EXPECT_FALSE(n.AdvanceAuto());
    EXPECT_TRUE(n.AdvanceOnEnter());

    TNavigation src, dst;
    src.SetAdvanceAuto(true);
    src.SetAdvanceOnEnter(false);
    dst.Assign(src);
    EXPECT_TRUE(dst.AdvanceAuto());
    EXPECT_FALSE(dst.AdvanceOnEnter());
}

// ---- TMouseActions -------------------------------------------------------------------------------

bool HasNoComboValues(const TMouseActions& M)
{
    return M.FixedComboValues()->Count() == 0;
}

std::vector<PropRow<TMouseActions>> MouseActionsTable()
{
    using H = TMouseActions;
    return {
        ROW_BOOL(H, AllColumnSize, false, Fires::Never, true),
        ROW_BOOL(H, AllRowSize, false, Fires::Never, true),
        ROW_BOOL(H, AllSelect, false, Fires::Never, true),
        ROW_BOOL(H, AutoSizeColOnDblClick, true, Fires::Never, true),
        ROW_BOOL(H, CaretPositioning, false, Fires::Never, true),
        ROW_BOOL(H, CheckAllCheck, false, Fires::Never, true),
        ROW_BOOL(H, ColSelect, false, Fires::Never, true),
        ROW_BOOL(H, DirectComboClose, false, Fires::Never, true),
        ROW_BOOL(H, DirectComboDrop, false, Fires::Never, true),
        ROW_BOOL(H, DirectDateClose, false, Fires::Never, true),
        ROW_BOOL(H, DirectDateDrop, false, Fires::Never, true),
        ROW_BOOL(H, DirectEdit, false, Fires::Never, true),
        ROW_BOOL(H, DisjunctRowSelect, false, Fires::Never, true),
        ROW_BOOL(H, DisjunctRowSelectNoCtrl, false, Fires::Never, true),
        ROW_BOOL(H, DisjunctColSelect, false, Fires::Never, true),
        ROW_BOOL(H, DisjunctCellSelect, false, Fires::Never, true),
        ROW_BOOL(H, EditOnDblClickOnly, false, Fires::Never, false),
        ROW_VALUE(H, FixedRowsEdit, TGridFixedCellEdit::fceNone, TGridFixedCellEdit::fceDblClick, Fires::Never, true),
        ROW_VALUE(H, FixedRowsEditor, TGridFixedCellEditor::fceEdit, TGridFixedCellEditor::fceComboEdit, Fires::Never,
                  true),
        ROW_VALUE(H, FixedColsEditor, TGridFixedCellEditor::fceEdit, TGridFixedCellEditor::fceComboList, Fires::Never,
                  true),
        ROW_VALUE(H, FixedColsEdit, TGridFixedCellEdit::fceNone, TGridFixedCellEdit::fceRightClick, Fires::Never,
                  true),
        PropRow<H>{"FixedComboValues",
                   [](H& h) {
                       TStringList l;
                       l.Add(QStringLiteral("one"));
                       l.Add(QStringLiteral("two"));
                       h.SetFixedComboValues(l);
                   },
                   HasNoComboValues, Fires::Never, false},
        ROW_BOOL(H, HotmailRowSelect, false, Fires::Never, false),
        ROW_BOOL(H, MoveRowOnNodeClick, false, Fires::Never, true),
        ROW_BOOL(H, NoAutoRangeScroll, false, Fires::Never, true),
        ROW_BOOL(H, NodeAllExpandContract, false, Fires::Never, true),
        ROW_BOOL(H, NoScrollOnPartialRow, false, Fires::Never, true),
        ROW_BOOL(H, PreciseCheckBoxCheck, false, Fires::Never, true),
        ROW_BOOL(H, PreciseNodeClick, true, Fires::Never, true),
        ROW_BOOL(H, RangeSelectAndEdit, false, Fires::Never, true),
        ROW_BOOL(H, RowSelect, false, Fires::Never, true),
        ROW_BOOL(H, RowSelectPersistent, false, Fires::Never, true),
        ROW_BOOL(H, SelectOnRightClick, false, Fires::Never, true),
        ROW_BOOL(H, SizeFixedCol, false, Fires::Never, true),
        ROW_BOOL(H, SizeFixedRow, false, Fires::Never, false),
        ROW_VALUE(H, WheelIncrement, 0, 3, Fires::Never, true),
        ROW_VALUE(H, WheelAction, TWheelAction::waMoveSelection, TWheelAction::waScroll, Fires::OnChange, true),
    };
}

TEST(MouseActions, DefaultsWritesAndAssign)
{
    const auto table = MouseActionsTable();
    ASSERT_EQ(table.size(), 37u);
    CheckDefaults(table);
    CheckWrites(table);
    CheckAssign(table);
    CheckForeignAssign(table);
}

// Assign takes none of the four events.
TEST(MouseActions, AssignTakesNoEvents)
{
    TMouseActions src(nullptr), dst(nullptr);
    src.OnIsDesigning = [](TObject*, bool& d) { d = true; };
    src.OnInvalidate = [](TObject*) {};
    src.OnDisableEdit = [](TObject*) {};
    src.OnChange = [](TObject*) {};
    dst.Assign(src);
    EXPECT_FALSE(dst.OnIsDesigning);
    EXPECT_FALSE(dst.OnInvalidate);
    EXPECT_FALSE(dst.OnDisableEdit);
    EXPECT_FALSE(dst.OnChange);
}

// Writing True into one disjunct selection clears the other two only when
// OnIsDesigning answers True; False only stores. The Direct form and Assign
// never apply the rule.
TEST(MouseActions, DisjunctSelectionsExclusiveOnlyWhileDesigning)
{
    enum Which { Row, Col, Cell };
    struct Flags {
        bool Row, Col, Cell;
        bool operator==(const Flags&) const = default;
    };
    struct Case {
        const char* Name;
        int Designing;  // -1: no handler, 0: answers False, 1: answers True
        Flags Before;   // set at run time first
        std::vector<std::pair<Which, bool>> Writes;
        Flags After;
    };
    const Case cases[] = {
        {"run time, no handler", -1, {false, false, false}, {{Row, true}, {Col, true}, {Cell, true}},
         {true, true, true}},
        {"run time, handler answers False", 0, {false, false, true}, {{Row, true}, {Col, true}},
         {true, true, true}},
        {"designing: the later write wins", 1, {false, false, false}, {{Row, true}, {Col, true}},
         {false, true, false}},
        {"designing: cell clears row and column", 1, {true, true, false}, {{Cell, true}}, {false, false, true}},
        {"designing: row clears column and cell", 1, {false, true, true}, {{Row, true}}, {true, false, false}},
        {"designing: False only stores", 1, {true, true, true}, {{Col, false}}, {true, false, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TMouseActions m(nullptr);
        bool designingNow = false;
        int asked = 0;
        if (c.Designing >= 0)
            m.OnIsDesigning = [&](TObject* Sender, bool& IsDesigning) {
                ++asked;
                EXPECT_EQ(Sender, &m);
                EXPECT_FALSE(IsDesigning) << "the question starts with False";
                IsDesigning = designingNow;
            };
        m.SetDisjunctRowSelect(c.Before.Row);
        m.SetDisjunctColSelect(c.Before.Col);
        m.SetDisjunctCellSelect(c.Before.Cell);
        designingNow = c.Designing == 1;
        asked = 0;
        int expectedAsks = 0;
        for (auto [which, value] : c.Writes) {
            if (value && c.Designing >= 0)
                ++expectedAsks;
            switch (which) {
            case Row: m.SetDisjunctRowSelect(value); break;
            case Col: m.SetDisjunctColSelect(value); break;
            case Cell: m.SetDisjunctCellSelect(value); break;
            }
        }
        EXPECT_EQ((Flags{m.DisjunctRowSelect(), m.DisjunctColSelect(), m.DisjunctCellSelect()}), c.After);
        EXPECT_EQ(asked, expectedAsks);
    }

    TMouseActions m(nullptr);
    m.OnIsDesigning = [](TObject*, bool& d) { d = true; };
    m.SetDisjunctColSelect(true);
    m.SetDisjunctRowSelectDirect(true);
    EXPECT_TRUE(m.DisjunctRowSelect());
    EXPECT_TRUE(m.DisjunctRowSelectDirect());
    EXPECT_TRUE(m.DisjunctColSelect()) << "the direct write keeps the others";

    TMouseActions src(nullptr);
    src.SetDisjunctRowSelect(true);
    src.SetDisjunctColSelect(true);
    src.SetDisjunctCellSelect(true);
    TMouseActions dst(nullptr);
    dst.OnIsDesigning = [](TObject*, bool& d) { d = true; };
    dst.Assign(src);
    EXPECT_TRUE(dst.DisjunctRowSelect() && dst.DisjunctColSelect() && dst.DisjunctCellSelect());
}

// HotmailRowSelect := True also sets DisjunctRowSelect and CheckAllCheck;
// := False clears neither; each write ends with OnInvalidate and never
// OnChange.
TEST(MouseActions, HotmailRowSelect)
{
    TMouseActions m(nullptr);
    int invalidates = 0, changes = 0;
    bool written = true;
    m.OnInvalidate = [&](TObject* Sender) {
        ++invalidates;
        EXPECT_EQ(Sender, &m);
        EXPECT_EQ(m.HotmailRowSelect(), written) << "invalidated before the value was stored";
        EXPECT_TRUE(m.DisjunctRowSelect() && m.CheckAllCheck());
    };
    m.OnChange = [&](TObject*) { ++changes; };
    m.SetHotmailRowSelect(true);
    EXPECT_TRUE(m.HotmailRowSelect());
    EXPECT_TRUE(m.DisjunctRowSelect());
    EXPECT_TRUE(m.CheckAllCheck());
    EXPECT_EQ(invalidates, 1);
    written = false;
    m.SetHotmailRowSelect(false);
    EXPECT_FALSE(m.HotmailRowSelect());
    EXPECT_TRUE(m.DisjunctRowSelect());
    EXPECT_TRUE(m.CheckAllCheck());
    EXPECT_EQ(invalidates, 2);
    EXPECT_EQ(changes, 0);

    // In the designer the row flag is set as such: the other disjunct
    // selections stay.
    TMouseActions d(nullptr);
    d.OnIsDesigning = [](TObject*, bool& v) { v = true; };
    d.SetDisjunctColSelect(true);
    d.SetHotmailRowSelect(true);
    EXPECT_TRUE(d.DisjunctRowSelect());
    EXPECT_TRUE(d.DisjunctColSelect());
}

// Each write of True into EditOnDblClickOnly fires OnDisableEdit after the
// value is stored; False fires nothing.
TEST(MouseActions, EditOnDblClickOnlyDisablesEdit)
{
    TMouseActions m(nullptr);
    int calls = 0;
    m.OnDisableEdit = [&](TObject* Sender) {
        ++calls;
        EXPECT_EQ(Sender, &m);
        EXPECT_TRUE(m.EditOnDblClickOnly());
    };
    m.SetEditOnDblClickOnly(true);
    m.SetEditOnDblClickOnly(true);
    EXPECT_EQ(calls, 2);
    m.SetEditOnDblClickOnly(false);
    EXPECT_EQ(calls, 2);
    EXPECT_FALSE(m.EditOnDblClickOnly());
}

// The fixed-cell combo values are the holder's own list: the caller's list
// is copied in and stays separate.
TEST(MouseActions, FixedComboValuesAreCopiedIn)
{
    TMouseActions m(nullptr);
    TStringList* own = m.FixedComboValues();
    TStringList given;
    given.Add(QStringLiteral("a"));
    given.Add(QStringLiteral("b"));
    m.SetFixedComboValues(given);
    EXPECT_EQ(m.FixedComboValues(), own);
    given.Add(QStringLiteral("c"));
    ASSERT_EQ(own->Count(), 2);
    EXPECT_EQ(own->Strings(1), QStringLiteral("b"));
    m.SetFixedComboValues(*own);
    EXPECT_EQ(own->Count(), 2) << "copying the list onto itself keeps it";
}

// ---- TSyncGrid -----------------------------------------------------------------------------------

// Three grids for the holder to point at.
struct GridAddresses {
    std::unique_ptr<TVynStringGrid> Grids[3] = {std::make_unique<TVynStringGrid>(nullptr),
                                                std::make_unique<TVynStringGrid>(nullptr),
                                                std::make_unique<TVynStringGrid>(nullptr)};
    TVynStringGrid* operator[](int I) { return Grids[I].get(); }
};

TEST(SyncGrid, DefaultsGridAndAssign)
{
    GridAddresses g;
    TVynStringGrid* owner = g[0];
    TVynStringGrid* other = g[1];
    TVynStringGrid* third = g[2];

    TSyncGrid s(owner);
    EXPECT_EQ(s.OwnerGrid(), owner);
    EXPECT_EQ(s.Grid(), nullptr);
    EXPECT_FALSE(s.ScrollVertical() || s.ScrollHorizontal() || s.SelectionColumn() || s.SelectionRow() ||
                 s.MoveColumn() || s.MoveRow());

    s.SetGrid(owner);
    EXPECT_EQ(s.Grid(), nullptr) << "a grid never synchronises with itself";
    s.SetGrid(other);
    EXPECT_EQ(s.Grid(), other);
    s.SetGrid(owner);
    EXPECT_EQ(s.Grid(), other) << "the owner grid leaves Grid unchanged";
    s.SetGrid(nullptr);
    EXPECT_EQ(s.Grid(), nullptr);

    // Assign goes through the setter: the source's grid is refused when it
    // is this holder's owner, the six switches are copied either way.
    TSyncGrid src(other);
    src.SetGrid(owner);
    src.SetScrollVertical(true);
    src.SetScrollHorizontal(true);
    src.SetSelectionColumn(true);
    src.SetSelectionRow(true);
    src.SetMoveColumn(true);
    src.SetMoveRow(true);
    s.SetGrid(third);
    s.Assign(src);
    EXPECT_EQ(s.Grid(), third);
    EXPECT_EQ(s.OwnerGrid(), owner);
    EXPECT_TRUE(s.ScrollVertical() && s.ScrollHorizontal() && s.SelectionColumn() && s.SelectionRow() &&
                s.MoveColumn() && s.MoveRow());

    src.SetGrid(third);
    TSyncGrid t(owner);
    t.Assign(src);
    EXPECT_EQ(t.Grid(), third);
    src.SetGrid(nullptr);
    t.Assign(src);
    EXPECT_EQ(t.Grid(), nullptr);

    TBands foreign;
    t.SetGrid(other);
    EXPECT_NO_THROW(t.Assign(foreign));
    EXPECT_EQ(t.Grid(), other);
}

TEST(SyncGrid, AGridThatIsGoneIsNoLongerFollowed)
{
    GridAddresses g;
    TSyncGrid s(g[0]);
    s.SetGrid(g[1]);
    g.Grids[1].reset();
    EXPECT_EQ(s.Grid(), nullptr);
    TSyncGrid copy(g[2]);
    copy.Assign(s);
    EXPECT_EQ(copy.Grid(), nullptr);
}

// ---- TBands --------------------------------------------------------------------------------------

std::vector<PropRow<TBands>> BandsTable()
{
    using H = TBands;
    // Notifications are those of inactive bands (the new state); the active
    // ones have their own case.
    return {
        ROW_BOOL(H, Active, false, Fires::OnChange, true),
        ROW_VALUE(H, PrimaryColor, clInfoBk, clYellow, Fires::Never, true),
        ROW_VALUE(H, PrimaryLength, 1, 3, Fires::Never, true),
        ROW_VALUE(H, SecondaryColor, clWindow, clAqua, Fires::Never, true),
        ROW_VALUE(H, SecondaryLength, 1, 2, Fires::Never, true),
        ROW_BOOL(H, Print, false, Fires::Never, true),
    };
}

TEST(Bands, DefaultsWritesAndAssign)
{
    const auto table = BandsTable();
    CheckDefaults(table);
    CheckWrites(table);
    CheckAssign(table);
    CheckForeignAssign(table);
    EXPECT_EQ(TBands().TotalLength(), 2);
}

// While Active, a change of a colour or a length notifies, a repeated value
// does not; Print never notifies.
TEST(Bands, ActiveBandsNotifyOnChange)
{
    struct Case {
        const char* Name;
        std::function<void(TBands&)> Write;
    };
    const Case cases[] = {
        {"PrimaryColor", [](TBands& b) { b.SetPrimaryColor(clYellow); }},
        {"SecondaryColor", [](TBands& b) { b.SetSecondaryColor(clAqua); }},
        {"PrimaryLength", [](TBands& b) { b.SetPrimaryLength(3); }},
        {"SecondaryLength", [](TBands& b) { b.SetSecondaryLength(5); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TBands b;
        b.SetActive(true);
        int calls = 0;
        b.OnChange = [&](TObject* Sender) {
            ++calls;
            EXPECT_EQ(Sender, &b);
        };
        c.Write(b);
        EXPECT_EQ(calls, 1);
        c.Write(b);
        EXPECT_EQ(calls, 1);
    }
    TBands b;
    b.SetActive(true);
    int calls = 0;
    b.OnChange = [&](TObject*) { ++calls; };
    b.SetPrint(true);
    EXPECT_EQ(calls, 0);
    b.SetActive(false);
    EXPECT_EQ(calls, 1);
    b.SetPrimaryColor(clRed);
    EXPECT_EQ(calls, 1) << "inactive bands do not notify";
}

// Lengths 3 and 1 make bands of four rows below the fixed rows: three in the
// primary colour, then one in the secondary colour.
TEST(Bands, LengthsMakeTheRowPattern)
{
    TBands b;
    b.SetActive(true);
    b.SetPrimaryColor(clYellow);
    b.SetSecondaryColor(clAqua);
    b.SetPrimaryLength(3);
    EXPECT_EQ(b.TotalLength(), 4);
    b.SetSecondaryLength(1);
    EXPECT_EQ(b.TotalLength(), 4);

    const int fixedRows = 2;
    std::vector<TColor> got;
    for (int r = fixedRows; r < fixedRows + 8; ++r) {
        TColor c = clNone;
        ASSERT_TRUE(b.BandColor(r, fixedRows, false, c)) << r;
        got.push_back(c);
    }
    const std::vector<TColor> want{clYellow, clYellow, clYellow, clAqua, clYellow, clYellow, clYellow, clAqua};
    EXPECT_EQ(got, want);

    TColor c = clNone;
    EXPECT_FALSE(b.BandColor(2, fixedRows, true, c)) << "printing without Print";
    b.SetPrint(true);
    EXPECT_TRUE(b.BandColor(5, fixedRows, true, c));
    EXPECT_EQ(c, clAqua);
    c = clNone;
    b.SetActive(false);
    EXPECT_FALSE(b.BandColor(2, fixedRows, false, c));
    EXPECT_EQ(c, clNone);

    // No bands when the total length is not positive.
    TBands z;
    z.SetActive(true);
    z.SetPrimaryLength(0);
    z.SetSecondaryLength(0);
    EXPECT_EQ(z.TotalLength(), 0);
    EXPECT_FALSE(z.BandColor(3, 1, false, c));
}

// Assign takes the lengths and the total with them, so the copied bands
// draw the source's pattern.
TEST(Bands, AssignedBandsDrawTheSourcePattern)
{
    TBands src;
    src.SetActive(true);
    src.SetPrimaryLength(3);
    src.SetSecondaryLength(1);
    src.SetPrint(true);
    TBands dst;
    dst.Assign(src);
    EXPECT_EQ(dst.PrimaryLength(), 3);
    EXPECT_EQ(dst.SecondaryLength(), 1);
    EXPECT_TRUE(dst.Print());
    EXPECT_EQ(dst.TotalLength(), 4);
    for (int r = 0; r < 8; ++r) {
        TColor a = clNone, b = clNone;
        ASSERT_TRUE(src.BandColor(r, 0, false, a));
        ASSERT_TRUE(dst.BandColor(r, 0, false, b));
        EXPECT_EQ(a, b) << r;
    }
}

// A length whose total does not fit an Integer is refused with a message and
// changes nothing.
TEST(Bands, OverflowingLengthIsRefused)
{
    TBands b;
    b.SetActive(true);
    int calls = 0;
    b.OnChange = [&](TObject*) { ++calls; };
    b.SetPrimaryLength(std::numeric_limits<int>::max() - 1);
    EXPECT_EQ(b.TotalLength(), std::numeric_limits<int>::max());
    EXPECT_THROW(b.SetSecondaryLength(2), Exception);
    EXPECT_EQ(b.SecondaryLength(), 1);
    EXPECT_EQ(b.TotalLength(), std::numeric_limits<int>::max());
    EXPECT_EQ(calls, 1);
    TColor c = clNone;
    EXPECT_TRUE(b.BandColor(std::numeric_limits<int>::max(), -5, false, c)) << "far rows do not overflow";
}

// ---- TFocusHelper --------------------------------------------------------------------------------

TEST(FocusHelper, DefaultAndAssign)
{
    TFocusHelper h(nullptr);
    EXPECT_FALSE(h.Enabled());
    TFocusHelper src(nullptr);
    src.SetEnabled(true);
    h.Assign(src);
    EXPECT_TRUE(h.Enabled());
    TBands foreign;
    EXPECT_NO_THROW(h.Assign(foreign));
    EXPECT_TRUE(h.Enabled());
}

} // namespace
