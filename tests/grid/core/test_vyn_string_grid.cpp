// The string grid: its defaults, the owned objects and their wiring,
// loading, the owner form's resize, copying, the swallowed repaint, the
// sizing vetoes, the scroll bars that stay, the cell font and the picture
// of a selection.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>

#include <functional>
#include <string>
#include <vector>

#include "grid/core/column_size.h"
#include "grid/core/no_active_form.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_data_holders.h"
#include "grid/render/grid_render_holders.h"
#include "platform/gui/application.h"
#include "platform/gui/forms.h"
#include "platform/gui/input_state.h"
#include "platform/testing/test_kit.h"

namespace {

// A grid that exposes what the tests look at and counts its paints.
class TProbeGrid : public TVynStringGrid {
public:
    using TVynStringGrid::TVynStringGrid;
    using TVynStringGrid::FEditChange;
    using TVynStringGrid::FMaxRowCount;
    using TVynStringGrid::FFixedRowsMin;
    using TVynStringGrid::FFixedColsMin;
    using TVynStringGrid::FLoaded;
    using TVynStringGrid::FGridTimerID;
    int Paints = 0;

protected:
    void Paint() override
    {
        ++Paints;
        TVynStringGrid::Paint();
    }
};

std::string Hex(TColor C)
{
    char b[16];
    std::snprintf(b, sizeof b, "0x%X", unsigned(C));
    return b;
}

}  // namespace

TEST(VynStringGrid, DefaultsOfANewGrid)
{
    TVynStringGrid g(nullptr);
    struct Row {
        const char* Name;
        std::string Value;
        std::string Expected;
    };
    const auto s = [](const String& v) { return v.toStdString(); };
    const auto n = [](int v) { return std::to_string(v); };
    const std::vector<Row> rows = {
        {"RowCount", n(g.RowCount()), "10"},
        {"Width x Height", n(g.Width()) + "x" + n(g.Height()), "400x250"},
        {"DefaultRowHeight", n(g.DefaultRowHeight()), "22"},
        {"FixedRowHeight", n(g.FixedRowHeight()), "22"},
        {"CheckTrue / CheckFalse", s(g.CheckTrue()) + "/" + s(g.CheckFalse()), "Y/N"},
        {"FloatFormat", s(g.FloatFormat()), "%.2f"},
        {"XMLEncoding", s(g.XMLEncoding()), "ISO-8859-1"},
        {"FilterDropDownClear", s(g.FilterDropDownClear()), "(All)"},
        {"PasswordChar", s(String(g.PasswordChar())), "*"},
        {"Delimiter is none", n(g.Delimiter().unicode()), "0"},
        {"Look", n(int(g.Look())), n(int(TGridLook::glXP))},
        {"BorderColor (XP)", Hex(g.BorderColor()), "0xB99D7F"},
        {"SelectionColor", Hex(g.SelectionColor()), "0xEACAB6"},
        {"SelectionColorTo", Hex(g.SelectionColorTo()), Hex(clNone)},
        {"SelectionMirrorColor", Hex(g.SelectionMirrorColor()), Hex(clNone)},
        {"SelectionTextColor", Hex(g.SelectionTextColor()), "0x0"},
        {"SelectionColorMixerFactor", n(g.SelectionColorMixerFactor()), "50"},
        {"ShowSelection", n(g.ShowSelection()), "1"},
        {"ActiveCellColor", Hex(g.ActiveCellColor()), "0x808080"},
        {"ActiveCellColorTo", Hex(g.ActiveCellColorTo()), Hex(clNone)},
        {"HintColor", Hex(g.HintColor()), Hex(clInfoBk)},
        {"HighlightColor", Hex(g.HighlightColor()), Hex(clHighlight)},
        {"HighlightTextColor", Hex(g.HighlightTextColor()), Hex(clHighlightText)},
        {"URLColor", Hex(g.URLColor()), "0xFF0000"},
        {"DisabledFontColor", Hex(g.DisabledFontColor()), "0xC0C0C0"},
        {"VynGradientFrom", Hex(g.VynGradientFrom()), "0xFFFFFF"},
        {"VynGradientTo", Hex(g.VynGradientTo()), Hex(ColorToRGB(clBtnFace))},
        {"VynGradientMirrorFrom", Hex(g.VynGradientMirrorFrom()), Hex(clNone)},
        {"ScrollColor", Hex(g.ScrollColor()), Hex(clNone)},
        {"ScrollType", n(int(g.ScrollType())), n(int(TScrollType::ssNormal))},
        {"ScrollWidth", n(g.ScrollWidth()), n(GetSystemMetrics(SM_CXVSCROLL))},
        {"DefaultEditor", n(int(g.DefaultEditor())), n(int(TEditorType::edNormal))},
        {"XYOffset", n(g.XYOffset().X) + "," + n(g.XYOffset().Y), "2,2"},
        {"InvalidEntryIcon", n(int(g.InvalidEntryIcon())), n(int(TInvalidEntryIcon::ieWarning))},
        {"FilterNormalCellsOnly, AutoFilterUpdate, FitCellsInGrid",
         n(g.FilterNormalCellsOnly()) + n(g.AutoFilterUpdate()) + n(g.FitCellsInGrid()), "111"},
        {"EnableHTML, EnableWheel, IntelliZoom", n(g.EnableHTML()) + n(g.EnableWheel()) + n(g.IntelliZoom()), "111"},
        {"QuoteEmptyCells, SaveFixedCells, SaveVirtCells, SaveWithHTML",
         n(g.QuoteEmptyCells()) + n(g.SaveFixedCells()) + n(g.SaveVirtCells()) + n(g.SaveWithHTML()), "1111"},
        {"AlwaysQuotes, JavaCSV, SaveFixedRows, SaveFixedCols, SaveHiddenCells, ClearTextOnly",
         n(g.AlwaysQuotes()) + n(g.JavaCSV()) + n(g.SaveFixedRows()) + n(g.SaveFixedCols()) +
             n(g.SaveHiddenCells()) + n(g.ClearTextOnly()),
         "000000"},
        {"LoadFirstRow", n(g.LoadFirstRow()), "1"},
        {"Min/Max row height, col width", n(g.MinRowHeight()) + n(g.MaxRowHeight()) + n(g.MinColWidth()) +
                                              n(g.MaxColWidth()),
         "0000"},
        {"GroupColumn", n(g.GroupColumn()), "-1"},
        {"PreviewPage, last print page", n(g.PreviewPage()) + n(g.PrintPageTo()), "11"},
        {"WordWrap", n(g.WordWrap()), "1"},
        {"AutoSize", n(g.AutoSize()), "0"},
        {"EditLink", n(g.EditLink() != nullptr), "0"},
        {"FixedFont", s(g.FixedFont()->Name()) + n(g.FixedFont()->Style().Contains(TFontStyle::fsBold)), "Tahoma1"},
        {"ActiveCellFont bold", n(g.ActiveCellFont()->Style().Contains(TFontStyle::fsBold)), "1"},
        {"FilterList sorted, ignores duplicates",
         n(g.FilterList()->Sorted()) + n(g.FilterList()->Duplicates() == dupIgnore), "11"},
        {"ColumnSize.StretchColumn", n(g.ColumnSize()->StretchColumn()), "-1"},
        {"ControlLook.ControlStyle", n(int(g.ControlLook()->ControlStyle())),
         n(int(VynObj::TControlStyle::csTheme))},
        {"accepts child controls", n(g.ControlStyle().Contains(csAcceptsControls)), "1"},
        {"the combo editor, made with the grid", n(g.Combobox() != nullptr), "1"},
        {"GridLinkCursor", n(GridLinkCursor), n(crHandPoint)},
        {"version", n(g.GetVersionNr()), n(0x06020103)},
    };
    for (const Row& r : rows)
        EXPECT_EQ(r.Value, r.Expected) << r.Name;
}

TEST(VynStringGrid, OwnedObjectsAreWiredToTheirHandlers)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto& g = *new TProbeGrid(&form);
    ASSERT_TRUE(g.SearchFooter() && g.Navigation() && g.MouseActions() && g.SyncGrid() && g.Bands() &&
                g.FocusHelper() && g.ColumnSize() && g.ControlLook() && g.Grouping() && g.FloatingFooter());
    // The designing question of the mouse actions is the grid's: not designed.
    bool designing = true;
    ASSERT_TRUE(bool(g.MouseActions()->OnIsDesigning));
    g.MouseActions()->OnIsDesigning(g.MouseActions(), designing);
    EXPECT_FALSE(designing);
    // Each of these repaints the grid.
    g.SetBounds(0, 0, 200, 100);
    g.SetParent(&form);
    form.Show();
    const std::vector<std::pair<const char*, std::function<void()>>> repainting = {
        {"FixedFont", [&] { g.FixedFont()->SetSize(12); }},
        {"ActiveCellFont", [&] { g.ActiveCellFont()->SetSize(12); }},
        {"ProgressAppearance", [&] { g.ProgressAppearance()->OnChange(g.ProgressAppearance()); }},
        {"Bands", [&] { g.Bands()->OnChange(g.Bands()); }},
        {"MouseActions.OnInvalidate", [&] { g.MouseActions()->OnInvalidate(g.MouseActions()); }},
    };
    for (const auto& [what, change] : repainting) {
        QCoreApplication::processEvents();
        const int before = g.Paints;
        change();
        QCoreApplication::processEvents();
        EXPECT_GT(g.Paints, before) << what;
    }
    EXPECT_TRUE(bool(g.Navigation()->OnChange));
    EXPECT_TRUE(bool(g.SearchFooter()->OnChange));
    EXPECT_TRUE(bool(g.MouseActions()->OnChange));
}

TEST(VynStringGrid, ControlLookOwnsTheDropDownHeaderAndFooterAndCopiesThem)
{
    TForm form(nullptr);
    auto& a = *new TProbeGrid(&form);
    auto& b = *new TProbeGrid(&form);
    TControlLook* look = a.ControlLook();
    ASSERT_TRUE(look->DropDownHeader() && look->DropDownFooter());
    EXPECT_NE(look->DropDownHeader(), b.ControlLook()->DropDownHeader());
    // A write copies into the owned settings; the given object stays the caller's.
    THeaderAppearance header(nullptr);
    header.SetCaption("Pick one");
    header.SetHeight(31);
    look->SetDropDownHeader(header);
    EXPECT_EQ(look->DropDownHeader()->Caption(), "Pick one");
    EXPECT_NE(look->DropDownHeader(), &header);
    look->DropDownFooter()->SetColor(0x123456);
    // Assign copies both into the other look's own objects.
    THeaderAppearance* bHeader = b.ControlLook()->DropDownHeader();
    b.ControlLook()->Assign(*look);
    EXPECT_EQ(b.ControlLook()->DropDownHeader(), bHeader);
    EXPECT_EQ(bHeader->Caption(), "Pick one");
    EXPECT_EQ(bHeader->Height(), 31);
    EXPECT_EQ(b.ControlLook()->DropDownFooter()->Color(), TColor(0x123456));
}

TEST(VynStringGrid, LoadedTurnsTheAlwaysShownEditorIntoNavigationAndRecordsTheMinima)
{
    TProbeGrid g(nullptr);
    g.BeginLoading();
    g.SetRowCount(7);
    g.SetFixedRows(2);
    g.SetDefaultRowHeight(30);
    g.SetOptions(g.Options() + TGridOptions{goEditing, goAlwaysShowEditor});
    g.Loaded();
    EXPECT_TRUE(g.Navigation()->AlwaysEdit());
    EXPECT_FALSE(g.Options().Contains(goAlwaysShowEditor));
    EXPECT_TRUE(g.Options().Contains(goEditing));
    EXPECT_EQ(g.MinColWidth(), 10);
    EXPECT_EQ(g.MinRowHeight(), 30);
    EXPECT_EQ(g.FFixedRowsMin, 2);
    EXPECT_EQ(g.FFixedColsMin, 1);
    EXPECT_EQ(g.FMaxRowCount, 7);
    EXPECT_TRUE(g.FLoaded);

    TProbeGrid plain(nullptr);
    plain.Loaded();
    EXPECT_FALSE(plain.Navigation()->AlwaysEdit());
    EXPECT_EQ(plain.MinRowHeight(), 22);
}

TEST(VynStringGrid, TheOwnerFormsResizeHandlerRunsWhileTheGridLivesAndComesBack)
{
    for (const bool assigned : {true, false}) {
        SCOPED_TRACE(assigned ? "form had a handler" : "form had none");
        TForm form(nullptr);
        int calls = 0;
        if (assigned)
            form.OnResize = [&](TObject*) { ++calls; };
        auto* g = new TVynStringGrid(&form);
        g->SetParent(&form);
        ASSERT_TRUE(bool(form.OnResize));
        form.SetBounds(0, 0, 300, 200);
        form.SetBounds(0, 0, 320, 220);
        EXPECT_EQ(calls, assigned ? 2 : 0);
        g->Free();
        EXPECT_EQ(bool(form.OnResize), assigned);
        if (assigned) {
            form.SetBounds(0, 0, 340, 240);
            EXPECT_EQ(calls, 3);
        }
    }
}

TEST(VynStringGrid, ARepaintRightAfterAnEditorChangeIsSwallowedOnce)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto& g = *new TProbeGrid(&form);
    g.SetBounds(0, 0, 200, 100);
    g.SetParent(&form);
    form.Show();
    QCoreApplication::processEvents();
    const int start = g.Paints;
    g.FEditChange = true;
    g.Invalidate();
    QCoreApplication::processEvents();
    EXPECT_EQ(g.Paints, start);
    EXPECT_FALSE(g.FEditChange);
    g.Invalidate();
    QCoreApplication::processEvents();
    EXPECT_GT(g.Paints, start);
}

TEST(VynStringGrid, AssignCopiesSettingsDimensionsShownWidthsAndCells)
{
    TVynStringGrid src(nullptr);
    src.SetColCount(6);
    src.SetColCount(3);  // columns 3..5 stay stored behind the shown ones
    src.SetRowCount(4);
    for (int c = 0; c < 3; ++c)
        src.SetColWidths(c, 10 * (c + 1));
    src.SetRowHeights(2, 40);
    src.SetCells(1, 1, "one");
    src.SetCells(2, 3, "three");
    src.Navigation()->SetAlwaysEdit(true);
    src.ColumnSize()->SetSave(true);
    src.SetActiveCellColor(0x123456);
    src.SetScrollBarAlways(TScrollBarAlways::saBoth);

    TVynStringGrid dst(nullptr);
    dst.SetColCount(5);
    for (int c = 0; c < 5; ++c)
        dst.SetColWidths(c, 99);
    dst.Assign(src);
    EXPECT_EQ(dst.ColCount(), 3);
    EXPECT_EQ(dst.RowCount(), 4);
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(dst.ColWidths(c), 10 * (c + 1)) << c;
    EXPECT_EQ(dst.RowHeights(2), 40);
    EXPECT_EQ(dst.Cells(1, 1), "one");
    EXPECT_EQ(dst.Cells(2, 3), "three");
    EXPECT_TRUE(dst.Navigation()->AlwaysEdit());
    EXPECT_TRUE(dst.ColumnSize()->Save());
    EXPECT_EQ(dst.ActiveCellColor(), TColor(0x123456));
    EXPECT_EQ(dst.ScrollBarAlways(), TScrollBarAlways::saBoth);

    // Another class is ignored.
    TBaseGrid other(nullptr);
    dst.Assign(other);
    EXPECT_EQ(dst.Cells(1, 1), "one");
}

TEST(VynStringGrid, TheSizingEventsVetoSizingWithTheMouse)
{
    TestKit::InputStateScope input;
    TForm form(nullptr);
    form.SetBounds(0, 0, 640, 480);
    auto* g = new TVynStringGrid(&form);
    g->SetBorderStyle(bsNone);
    g->SetParent(&form);
    g->SetBounds(0, 0, 400, 250);
    g->SetColCount(5);
    g->SetDefaultColWidth(64);
    g->SetOptions(g->Options() + TGridOptions{goColSizing, goRowSizing});
    form.Show();
    std::vector<int> askedCols, askedRows;
    bool allowCol = false, allowRow = false;
    g->OnColumnSize = [&](TObject*, int c, bool& a) {
        askedCols.push_back(c);
        a = allowCol;
    };
    g->OnRowSize = [&](TObject*, int r, bool& a) {
        askedRows.push_back(r);
        a = allowRow;
    };
    // The border after column 1 in the fixed row; the row border after row
    // 1 in the fixed column.
    const int colEdge = 2 * 64 - 1;
    const int rowEdge = 2 * 22 - 1;
    struct Case {
        const char* What;
        bool Allow;
        int ExpectedWidth;
        int ExpectedHeight;
    };
    for (const Case& c : {Case{"refused", false, 64, 22}, Case{"allowed", true, 94, 52}}) {
        SCOPED_TRACE(c.What);
        allowCol = allowRow = c.Allow;
        g->SetDefaultColWidth(64);
        g->SetDefaultRowHeight(22);
        askedCols.clear();
        askedRows.clear();
        TestKit::MouseDown(g, colEdge, 5);
        TestKit::MouseMove(g, colEdge + 30, 5, {ssLeft});
        TestKit::MouseUp(g, colEdge + 30, 5);
        EXPECT_EQ(g->ColWidths(1), c.ExpectedWidth);
        ASSERT_FALSE(askedCols.empty());
        EXPECT_EQ(askedCols.front(), 1);
        TestKit::MouseDown(g, 5, rowEdge);
        TestKit::MouseMove(g, 5, rowEdge + 30, {ssLeft});
        TestKit::MouseUp(g, 5, rowEdge + 30);
        EXPECT_EQ(g->RowHeights(1), c.ExpectedHeight);
        ASSERT_FALSE(askedRows.empty());
        EXPECT_EQ(askedRows.front(), 1);
        EXPECT_EQ(g->GridState(), gsNormal);
    }
}

TEST(VynStringGrid, ScrollBarsThatStay)
{
    struct Case {
        const char* What;
        TScrollBarAlways Always;
        int Rows;
        bool Hide;
        bool VShown, VEnabled, HShown, HEnabled;
    };
    const Case cases[] = {
        {"saVert, all rows fit: shown and disabled", TScrollBarAlways::saVert, 5, false, true, false, false, true},
        {"saBoth, all fit: both shown and disabled", TScrollBarAlways::saBoth, 5, false, true, false, true, false},
        {"saVert, rows do not fit: enabled", TScrollBarAlways::saVert, 50, false, true, true, false, true},
        {"saNone, hide the unneeded", TScrollBarAlways::saNone, 5, true, false, true, false, true},
        {"saNone, not hiding: as the grid has them", TScrollBarAlways::saNone, 50, false, true, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        TVynStringGrid g(nullptr);
        g.SetColCount(3);
        g.SetRowCount(c.Rows);
        g.SetScrollBarAlways(c.Always);
        (void)g.Widget();
        g.UpdateScrollBarAlways(c.Hide);
        EXPECT_EQ(g.VertScrollBarVisible(), c.VShown);
        if (c.VShown) {
            EXPECT_EQ(g.ScrollBarEnabled(SB_VERT), c.VEnabled);
        }
        EXPECT_EQ(g.HorzScrollBarVisible(), c.HShown);
        if (c.HShown) {
            EXPECT_EQ(g.ScrollBarEnabled(SB_HORZ), c.HEnabled);
        }
    }
}

TEST(VynStringGrid, CellFontIsTheGridsWithoutPropertiesElseTheCells)
{
    TVynStringGrid g(nullptr);
    EXPECT_EQ(g.GetCellFont(1, 1), &g.Font());
    TCellProperties* p = g.GetCellProperties(1, 1);
    p->SetFontName("DejaVu Serif");
    p->SetFontSize(14);
    p->SetFontStyle(TFontStyles{TFontStyle::fsItalic});
    p->SetFontColor(0x0000FF);
    TFont* f = g.GetCellFont(1, 1);
    ASSERT_NE(f, &g.Font());
    EXPECT_EQ(f->Name(), "DejaVu Serif");
    EXPECT_EQ(f->Size(), 14);
    EXPECT_TRUE(f->Style().Contains(TFontStyle::fsItalic));
    EXPECT_EQ(f->Color(), TColor(0x0000FF));
    // The scratch font is the grid's: the same object for every cell.
    EXPECT_EQ(g.GetCellFont(1, 1), f);
}

TEST(VynStringGrid, CursorIsRememberedAndUseHTMLHintsSwitchesTheApplicationsHints)
{
    TVynStringGrid g(nullptr);
    g.SetCursor(crCross);
    EXPECT_EQ(g.Cursor(), crCross);
    g.SetUseHTMLHints(true);
    EXPECT_TRUE(g.UseHTMLHints());
    g.SetUseHTMLHints(false);
    EXPECT_FALSE(g.UseHTMLHints());
}

TEST(VynStringGrid, FindParentFormGoesUpTheParents)
{
    TForm form(nullptr);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    auto* g = new TVynStringGrid(&form);
    g->SetParent(panel);
    EXPECT_EQ(TVynStringGrid::FindParentForm(g), &form);
    TVynStringGrid loose(nullptr);
    EXPECT_EQ(TVynStringGrid::FindParentForm(&loose), nullptr);
}

TEST(VynStringGrid, SelectionToFormShowsThePixelsOfTheCells)
{
    TVynStringGrid g(nullptr);
    g.SetBorderStyle(bsNone);
    g.SetBounds(0, 0, 400, 250);
    g.SetColCount(5);
    g.SetRowCount(8);
    for (int c = 1; c < 5; ++c)
        for (int r = 1; r < 8; ++r)
            g.GetCellProperties(c, r)->SetBrushColor(TColor(0x101010 * ((c + r) % 8 + 1)));
    const QImage grid = g.PaintToImage();
    std::unique_ptr<TNoActiveForm> form(g.SelectionToForm(TRect(1, 1, 3, 2)));
    ASSERT_TRUE(form);
    const TRect r1 = g.CellRect(1, 1);
    const TRect r2 = g.CellRect(3, 2);
    EXPECT_EQ(form->Width(), r2.Right - r1.Left + 1);
    EXPECT_EQ(form->Height(), r2.Bottom - r1.Top + 1);
    EXPECT_EQ(form->BorderStyle(), bsNone);
    EXPECT_TRUE(form->AlphaBlend());
    EXPECT_EQ(form->AlphaBlendValue(), 192);
    EXPECT_EQ(form->Owner(), &g);
    const QImage shot = TestKit::RenderToImage(form.get());
    ASSERT_EQ(shot.width(), form->Width());
    // The picture is the grid's, from one pixel right and below the corner.
    int differing = 0;
    for (int y = 0; y < shot.height() - 1; ++y)
        for (int x = 0; x < shot.width() - 1; ++x)
            if (shot.pixel(x, y) != grid.pixel(r1.Left + 1 + x, r1.Top + 1 + y))
                ++differing;
    EXPECT_EQ(differing, 0);
    // Showing it leaves the active form active.
    TForm active(nullptr);
    active.Show();
    form->Show();
    EXPECT_EQ(Screen.ActiveForm(), &active);
    EXPECT_FALSE(form->Active());
    form->Hide();
}

TEST(VynStringGrid, CreateWndStartsTheGridTimer)
{
    TForm form(nullptr);
    auto* g = new TProbeGrid(&form);
    g->SetParent(&form);
    form.Show();
    EXPECT_EQ(g->FGridTimerID, 111);
}

// ---- TColumnSize --------------------------------------------------------------------------------

TEST(ColumnSize, DefaultsAssignAndStretch)
{
    TVynStringGrid g(nullptr);
    TColumnSize& cs = *g.ColumnSize();
    EXPECT_FALSE(cs.Save());
    EXPECT_TRUE(cs.Key().isEmpty());
    EXPECT_TRUE(cs.Section().isEmpty());
    EXPECT_FALSE(cs.Stretch());
    EXPECT_EQ(cs.StretchColumn(), -1);
    EXPECT_FALSE(cs.SynchWithGrid());
    EXPECT_FALSE(cs.SynchNormalCellsOnly());
    EXPECT_EQ(cs.Location(), TColumnSizeLocation::clRegistry);
    EXPECT_EQ(cs.Rows(), TAutoSizeRows::arAll);
    EXPECT_EQ(cs.Owner(), &g);

    TColumnSize other(nullptr);
    other.SetSave(true);
    other.SetKey("k");
    other.SetSection("s");
    other.SetStretch(true);  // no grid: only stored
    other.SetStretchColumn(2);
    other.SetSynchWithGrid(true);
    other.SetSynchNormalCellsOnly(true);
    other.SetLocation(TColumnSizeLocation::clIniFile);
    other.SetRows(TAutoSizeRows::arFixed);
    cs.Assign(other);
    EXPECT_TRUE(cs.Save());
    EXPECT_EQ(cs.Key(), "k");
    EXPECT_EQ(cs.Section(), "s");
    EXPECT_TRUE(cs.Stretch());
    EXPECT_EQ(cs.StretchColumn(), 2);
    EXPECT_TRUE(cs.SynchWithGrid());
    EXPECT_TRUE(cs.SynchNormalCellsOnly());
    EXPECT_EQ(cs.Location(), TColumnSizeLocation::clIniFile);
    EXPECT_EQ(cs.Rows(), TAutoSizeRows::arFixed);
    EXPECT_EQ(cs.Owner(), &g);
    // Another class changes nothing.
    TFont f;
    cs.Assign(f);
    EXPECT_TRUE(cs.Save());
    // Off only stores.
    cs.SetStretch(false);
    EXPECT_FALSE(cs.Stretch());
}
