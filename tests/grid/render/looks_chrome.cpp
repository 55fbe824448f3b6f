// What the grid shows outside its cells (balloon text, border ring, focus
// frame) and the rotated-cell, link and hook operations.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QImage>
#include <QWidget>

#include <cstdlib>

#include "grid/core/grid_halo.h"
#include "grid/core/grid_startup.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/interact/grid_interact_holders.h"
#include "grid/render/grid_render_holders.h"
#include "platform/gui/forms.h"
#include "platform/gui/layered_window.h"
#include "platform/testing/test_kit.h"
#include "looks_fixture.h"

namespace {

using TChromeGrid = TCountingGrid;

struct Chrome : ::testing::Test {
    TestKit::InputStateScope input;
    TForm form{nullptr};
    TChromeGrid* grid;
    Chrome()
    {
        form.SetBounds(100, 80, 640, 480);
        form.SetColor(0x00FF00);
        grid = new TChromeGrid(&form);
        grid->SetBounds(10, 10, 400, 200);
        grid->SetColCount(5);
        grid->SetRowCount(6);
        grid->SetDefaultColWidth(70);
        grid->SetScrollBars(ssNone);
        grid->SetParent(&form);
        form.Show();
    }
    // A client point inside cell (c, r) (display column).
    TPoint Inside(int c, int r)
    {
        const TRect cr = grid->CellRect(c, r);
        return Point(cr.Left + 3, cr.Top + 3);
    }
    TGridBalloonText BalloonOf(int c, int r)
    {
        const TPoint p = Inside(c, r);
        return grid->BalloonTextAt(p.X, p.Y);
    }
    static void Save(const QImage& I, const char* Name)
    {
        if (const char* dir = std::getenv("VYN_RENDER_DIR"))
            I.save(QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(Name)));
    }
};

}  // namespace

TEST_F(Chrome, BalloonTextTable)
{
    grid->Balloon()->SetEnable(true);
    grid->SetEnableHTML(true);
    struct Row {
        const char* name;
        String cell;
        String text;
    };
    const String longText(3000, 'x');
    const Row rows[] = {
        {"long", longText, String(2045, 'x') + "..."},
        {"exactly 2048", String(2048, 'y'), String(2048, 'y')},
        {"html", "<b>Total</b>", "Total"},
        {"leading line feeds", "\n\nvalue", "value"},
        {"leading mixed", "\r\n\tvalue", "value"},
        {"tabs", "a\tb\tc", "a b c"},
        {"empty", "", ""},
        {"wide", "|\\0041|\\0042", ""},
    };
    for (const Row& r : rows) {
        grid->SetCells(1, 1, r.cell);
        const TGridBalloonText b = BalloonOf(1, 1);
        ASSERT_TRUE(b.Supplied) << r.name;
        if (String(r.name) != "wide") {
            EXPECT_EQ(b.Text, r.text) << r.name;
        }
        EXPECT_EQ(b.Title, " ") << r.name;
        EXPECT_EQ(b.Icon, 1) << r.name;
        EXPECT_EQ(b.Col, 1);
        EXPECT_EQ(b.Row, 1);
    }

    // A password cell shows as painting shows it.
    grid->SetCells(2, 2, "secret");
    grid->SetPasswordChar('*');
    grid->OnIsPasswordCell = [](TObject*, int ARow, int ACol, bool& P) { P = ACol == 2 && ARow == 2; };
    EXPECT_EQ(BalloonOf(2, 2).Text, "******");
    grid->OnIsPasswordCell = nullptr;

    // The event sees the real column and may change everything; a long
    // title is cut afterwards.
    int seenCol = -1;
    grid->OnCellBalloon = [&](TObject*, int ACol, int, String& Title, String& Text, int& Icon) {
        seenCol = ACol;
        Title = String(150, 'T');
        Text = "from event";
        Icon = 3;
    };
    const TGridBalloonText e = BalloonOf(2, 2);
    EXPECT_EQ(seenCol, 2);
    EXPECT_EQ(e.Title, String(97, 'T') + "...");
    EXPECT_EQ(e.Text, "from event");
    EXPECT_EQ(e.Icon, 3);
    grid->OnCellBalloon = nullptr;

    // A balloon cell gives its own title and text.
    grid->AddBalloon(3, 1, "Head", "Body", TBalloonIcon::biWarning);
    const TGridBalloonText c = BalloonOf(3, 1);
    EXPECT_EQ(c.Title, "Head");
    EXPECT_EQ(c.Text, "Body");
    EXPECT_EQ(c.Icon, int(TBalloonIcon::biWarning));

    // Outside the cells: an empty text, no failure.
    const TGridBalloonText out = grid->BalloonTextAt(395, 195);
    EXPECT_TRUE(out.Supplied);
    EXPECT_EQ(out.Text, "");

    // Balloons off: nothing is supplied.
    grid->Balloon()->SetEnable(false);
    EXPECT_FALSE(BalloonOf(1, 1).Supplied);
}

TEST_F(Chrome, DateTimeChangeGetsTheRealColumn)
{
    grid->SetColCount(5);
    grid->HideColumn(1);
    grid->SetCol(2);  // display column 2 is real column 3
    int col = -1, row = -1;
    grid->OnDateTimeChange = [&](TObject*, int ACol, int ARow, TDateTime) {
        col = ACol;
        row = ARow;
    };
    grid->DateTimeChanged(TDateTime(45000.0));
    EXPECT_EQ(col, 3);
    EXPECT_EQ(row, grid->Row());
}

TEST_F(Chrome, BorderRingForTheModernLooksOnly)
{
    grid->SetFitCellsInGrid(false);
    grid->SetBorderStyle(bsSingle);
    using L = TGridLook;
    const struct {
        L look;
        bool ring;
    } rows[] = {{L::glStandard, false}, {L::glSoft, true},     {L::glClassic, false}, {L::glVyn, true},
                {L::glXP, true},        {L::glListView, true}, {L::glVista, true},    {L::glWin7, true},
                {L::glOffice2007, true}, {L::glCustom, false}};
    for (const auto& r : rows) {
        grid->SetLook(r.look);
        grid->SetBorderStyle(bsSingle);
        grid->SetBorderColor(0x0000FF);
        grid->SetFlat(false);
        const QImage img = grid->PaintToImage();
        const TColor ring = FromQColor(img.pixelColor(0, 0));
        const int w = img.width(), h = img.height();
        int onRing = 0, total = 0;
        for (int x = 0; x < w; ++x) {
            onRing += FromQColor(img.pixelColor(x, 0)) == TColor(0x0000FF);
            onRing += FromQColor(img.pixelColor(x, h - 1)) == TColor(0x0000FF);
            total += 2;
        }
        for (int y = 1; y < h - 1; ++y) {
            onRing += FromQColor(img.pixelColor(0, y)) == TColor(0x0000FF);
            onRing += FromQColor(img.pixelColor(w - 1, y)) == TColor(0x0000FF);
            total += 2;
        }
        if (r.ring)
            EXPECT_EQ(onRing, total) << int(r.look);
        else
            EXPECT_EQ(onRing, 0) << int(r.look) << std::hex << " corner " << ring;
        if (r.look == L::glVista)
            Save(img, "border_vista.png");
    }
    // Flat, no border style or no colour: no ring.
    grid->SetLook(L::glXP);
    grid->SetFlat(true);
    EXPECT_NE(FromQColor(grid->PaintToImage().pixelColor(5, 0)), TColor(0x0000FF));
    grid->SetFlat(false);
    grid->SetBorderColor(clNone);
    EXPECT_NE(FromQColor(grid->PaintToImage().pixelColor(5, 0)), TColor(0x0000FF));
    grid->SetBorderColor(0x0000FF);
    EXPECT_EQ(FromQColor(grid->PaintToImage().pixelColor(5, 0)), TColor(0x0000FF));
    // While an update runs the ring is not painted.
    grid->BeginUpdate();
    EXPECT_NE(FromQColor(grid->PaintToImage().pixelColor(5, 0)), TColor(0x0000FF));
    grid->EndUpdate();
    // FitCellsInGrid: the ring one pixel in, the outer one in the parent's colour.
    grid->SetFitCellsInGrid(true);
    const QImage fit = grid->PaintToImage();
    EXPECT_EQ(FromQColor(fit.pixelColor(20, 1)), TColor(0x0000FF));
    EXPECT_EQ(FromQColor(fit.pixelColor(20, 0)), TColor(0x00FF00));
    EXPECT_EQ(FromQColor(fit.pixelColor(0, 20)), TColor(0x00FF00));
    EXPECT_EQ(FromQColor(fit.pixelColor(fit.width() - 2, 20)), TColor(0x0000FF));
}

TEST_F(Chrome, FocusWindowGeometryRegionAndLife)
{
    auto* fw = dynamic_cast<TGridFocusWindow*>(grid->FocusWindow());
    ASSERT_NE(fw, nullptr);
    grid->SetCol(2);
    grid->SetRow(3);
    const TRect cell = grid->CellRect(2, 3);
    const bool started = VynGridModule::Start();
    SetHookActiveGrid(grid);
    grid->ShowFocusWindow(cell);
    ASSERT_TRUE(fw->Visible());
    const TPoint s = grid->ClientToScreen(Point(cell.Left, cell.Top));
    EXPECT_EQ(fw->Left(), s.X - 4);
    EXPECT_EQ(fw->Top(), s.Y - 4);
    EXPECT_EQ(fw->Width(), cell.Width() + 9);
    EXPECT_EQ(fw->Height(), cell.Height() + 9);
    // The region is the outer rectangle less the cell.
    const TRegion rgn = fw->WindowRegion();
    EXPECT_EQ(rgn.BoundsRect(), Rect(0, 0, cell.Width() + 9, cell.Height() + 9));
    EXPECT_FALSE(rgn.Contains(Point(4, 4)));
    EXPECT_FALSE(rgn.Contains(Point(4 + cell.Width() - 1, 4 + cell.Height() - 1)));
    EXPECT_TRUE(rgn.Contains(Point(3, 3)));
    EXPECT_TRUE(rgn.Contains(Point(4 + cell.Width(), 4 + cell.Height())));
    // The window itself is cut to it.
    EXPECT_EQ(WindowShape(fw), rgn);
    // The picture: per-pixel alpha of the soft frame, opacity 230.
    EXPECT_EQ(WindowOpacity(fw), 230);
    const QImage pic = WindowAlphaImage(fw);
    ASSERT_EQ(pic.size(), QSize(cell.Width() + 9, cell.Height() + 9));
    // Soft outside the rounded frame, strong on it, in the frame colour.
    const int corner = qAlpha(pic.pixel(0, 0));
    const QColor onFrame = QColor::fromRgba(pic.pixel(pic.width() / 2, 4));
    EXPECT_LT(corner, 40);
    EXPECT_GT(onFrame.alpha(), 100);
    EXPECT_GT(onFrame.alpha(), 3 * corner);
    // Premultiplied 0xFDD397 (blue 0xFD, green 0xD3, red 0x97).
    EXPECT_NEAR(qBlue(pic.pixel(pic.width() / 2, 4)), 0xFD * onFrame.alpha() / 255, 2);
    EXPECT_NEAR(qRed(pic.pixel(pic.width() / 2, 4)), 0x97 * onFrame.alpha() / 255, 2);
    Save(fw->Handle()->grab().toImage(), "focus_window.png");
    if (std::getenv("VYN_RENDER_DIR")) {
        // The screen around the cell, as the display composes it.
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 300)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        if (QScreen* screen = QGuiApplication::primaryScreen())
            Save(screen->grabWindow(0, s.X - 40, s.Y - 30, cell.Width() + 80, cell.Height() + 60).toImage(),
                 "focus_screen.png");
    }

    // The form moves: through the library's hook, the active grid's frame
    // follows.
    form.SetBounds(form.Left() + 37, form.Top() + 21, form.Width(), form.Height());
    QCoreApplication::processEvents();
    const TPoint s2 = grid->ClientToScreen(Point(cell.Left, cell.Top));
    EXPECT_NE(s2.X, s.X);
    EXPECT_EQ(fw->Left(), s2.X - 4);
    EXPECT_EQ(fw->Top(), s2.Y - 4);
    EXPECT_EQ(fw->Width(), cell.Width() + 9);

    // One active grid: another grid's frame takes over; hiding the first
    // grid's frame leaves the second one active.
    auto* other = new TChromeGrid(&form);
    other->SetBounds(10, 250, 300, 120);
    other->SetParent(&form);
    SetHookActiveGrid(other);
    other->ShowFocusWindow(other->CellRect(1, 1));
    grid->HideFocusWindow();
    EXPECT_FALSE(fw->Visible());
    EXPECT_EQ(HookActiveGrid(), other);
    EXPECT_TRUE(other->FocusWindow()->Visible());

    // Validation hides it and leaves no active grid.
    other->HideFocusWindow();
    EXPECT_FALSE(other->FocusWindow()->Visible());
    EXPECT_EQ(HookActiveGrid(), nullptr);
    if (started)
        VynGridModule::End();
}

TEST_F(Chrome, ApplyLayeredMaskSkipsAnEmptyMask)
{
    auto* fw = grid->FocusWindow();
    fw->SetBounds(5, 6, 30, 20);
    TGridAlphaMask empty;
    TVynStringGrid::ApplyLayeredMask(fw, empty);
    EXPECT_EQ(fw->Width(), 30);
    EXPECT_TRUE(WindowAlphaImage(fw).isNull());
}

TEST_F(Chrome, RotatedCells)
{
    struct Row {
        int in, out;
    };
    for (const Row r : {Row{-90, 270}, Row{450, 90}, Row{360, 360}, Row{720, 360}, Row{-720, 0}, Row{0, 0},
                        Row{-450, 270}, Row{1000000007, 1000000007 % 360}, Row{-360, 0}}) {
        EXPECT_EQ(TVynStringGrid::NormalizeAngle(r.in), r.out) << r.in;
        grid->SetRotated(1, 1, r.in);
        int a = -1;
        ASSERT_TRUE(grid->IsRotated(1, 1, a));
        EXPECT_EQ(a, r.out) << r.in;
    }
    // AddRotated replaces a check box and sets the text.
    grid->AddCheckBox(2, 2, false, false);
    grid->AddRotated(2, 2, 45, "turned");
    int a = 0;
    EXPECT_TRUE(grid->IsRotated(2, 2, a));
    EXPECT_EQ(a, 45);
    EXPECT_FALSE(grid->HasCheckBox(2, 2));
    EXPECT_EQ(grid->Cells(2, 2), "turned");
    // RemoveRotated leaves a check box alone.
    grid->AddCheckBox(3, 3, false, false);
    grid->RemoveRotated(3, 3);
    EXPECT_TRUE(grid->HasCheckBox(3, 3));
    grid->RemoveRotated(2, 2);
    EXPECT_FALSE(grid->IsRotated(2, 2, a));
}

TEST_F(Chrome, LinkSettingsRepaintOnlyWhenShown)
{
    struct Step {
        const char* what;
        std::function<void()> act;
        int repaints;
    };
    const Step steps[] = {
        {"colour while hidden", [&] { grid->SetURLColor(0x123456); }, 0},
        {"full while hidden", [&] { grid->SetURLFull(true); }, 0},
        {"show", [&] { grid->SetURLShow(true); }, 1},
        {"show again", [&] { grid->SetURLShow(true); }, 0},
        {"colour while shown", [&] { grid->SetURLColor(0x654321); }, 1},
        {"same colour", [&] { grid->SetURLColor(0x654321); }, 0},
        {"full while shown", [&] { grid->SetURLFull(false); }, 1},
    };
    for (const Step& s : steps) {
        grid->invalidations = 0;
        s.act();
        EXPECT_EQ(grid->invalidations, s.repaints) << s.what;
    }
    // The colour written while hidden was kept.
    EXPECT_EQ(grid->URLColor(), TColor(0x654321));
}

TEST_F(Chrome, GridHooks)
{
    // Auto delete: the only data row is cleared, not removed.
    grid->SetRowCount(2);
    grid->SetFixedRows(1);
    grid->SetCells(1, 1, "only");
    int deleted = -1;
    grid->OnAutoDeleteRow = [&](TObject*, int ARow) { deleted = ARow; };
    grid->DeleteRowAt(1);
    EXPECT_EQ(grid->RowCount(), 2);
    EXPECT_EQ(grid->Cells(1, 1), "");
    EXPECT_EQ(deleted, 1);
    // With more rows it is removed.
    grid->SetRowCount(4);
    grid->SetCells(1, 2, "second");
    grid->DeleteRowAt(1);
    EXPECT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(grid->Cells(1, 1), "second");
    // FixedRowAlways removes even the only data row.
    grid->SetRowCount(2);
    grid->SetFixedRowAlways(true);
    grid->DeleteRowAt(1);
    EXPECT_EQ(grid->RowCount(), 1);
    grid->SetFixedRowAlways(false);

    // Auto insert adds one row.
    grid->SetRowCount(3);
    grid->InsertRowAt(1);
    EXPECT_EQ(grid->RowCount(), 4);

    // Selection changed: once per call, with the rectangle.
    std::vector<std::array<int, 4>> seen;
    grid->OnSelectionChanged = [&](TObject*, int L, int T, int R, int B) { seen.push_back({L, T, R, B}); };
    grid->SetLook(TGridLook::glVista);
    grid->DoSelectionChanged(1, 1, 2, 2);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], (std::array<int, 4>{1, 1, 2, 2}));

    int filterDone = 0;
    grid->OnFilterDone = [&](TObject*) { ++filterDone; };
    grid->DoFilterDone();
    EXPECT_EQ(filterDone, 1);

    int fixedEdits = 0;
    grid->OnFixedEdit = [&](TObject*, int ACol, int ARow, TGridFixedCellEditor&, TStringList*) {
        EXPECT_EQ(ACol, 2);
        EXPECT_EQ(ARow, 0);
        ++fixedEdits;
    };
    TGridFixedCellEditor ed{};
    grid->DoFixedEdit(2, 0, ed, nullptr);
    EXPECT_EQ(fixedEdits, 1);
    // The empty hooks run without effect.
    grid->GridNotification();
    grid->ExportNotification(0, 1);
    grid->ImportNotification(0, 1);
}
