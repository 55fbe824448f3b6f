// Links under the pointer (enter and exit, the hand cursor, the hovered
// link), the hint a cell composes (text, position, width, colour, window
// class), OnGridHint, and the cancel of a hint at every change of cell.
#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "header_sort_fixture.h"

#include "grid/core/grid_text.h"
#include "grid/data/grid_footer.h"
#include "grid/render/html_hint_window.h"
#include "platform/gui/hintwindow.h"
#include "platform/testing/fake_clock.h"
#include "platform/testing/render_png.h"

namespace {

struct CellHintTest : HeaderGridTest {
    // What the grid answers for the pointer at (X, Y) (client coordinates).
    struct Answer {
        String text;
        TPoint pos;  // client coordinates
        int maxWidth = 0;
        TColor color = clNone;
    };
    Answer Ask(int X, int Y)
    {
        THintInfo info;
        info.HintControl = g;
        info.CursorPos = TPoint(X, Y);
        info.HintPos = g->ClientToScreen(TPoint(X, Y + 20));
        info.HintStr = g->Hint();
        g->FillCellHint(info.HintStr, info);
        return Answer{info.HintStr, g->ScreenToClient(info.HintPos), info.HintMaxWidth, info.HintColor};
    }
    Answer AskMid(int C, int R)
    {
        const TPoint p = Mid(C, R);
        return Ask(p.X, p.Y);
    }
};

// A link text and where its link lies in cell (1, 1).
const char* kLinkCell = "<a href=\"first\">go</a> plain words here";

TEST_F(CellHintTest, HintTables)
{
    struct Case {
        const char* name;
        std::function<void(CellHintTest&)> setup;
        int col, row, dx, dy;  // the pointer: from the cell's top-left
        std::string text;
        // Expected position from the cell's rectangle and the pointer.
        std::function<TPoint(const TRect& R, TPoint P)> pos;
    };
    auto below = [](const TRect& R, TPoint P) { return TPoint(P.X, R.Bottom + 6); };
    auto cellTop = [](const TRect& R, TPoint P) { return TPoint(P.X, R.Top); };
    const Case cases[] = {
        {"HintShowCells: the text without tags", [](CellHintTest& t) {
             t.g->SetHintShowCells(true);
             t.g->SetCells(3, 2, "<b>bold</b> and <i>more</i>");
         }, 3, 2, 30, 10, "bold and more", cellTop},
        {"HintShowCells with HTMLHint: the raw text", [](CellHintTest& t) {
             t.g->SetHintShowCells(true);
             t.g->SetHTMLHint(true);
             t.g->SetCells(3, 2, "<b>bold</b>");
         }, 3, 2, 30, 10, "<b>bold</b>", cellTop},
        {"HintShowCells: no hint text on a fixed cell", [](CellHintTest& t) { t.g->SetHintShowCells(true); },
         3, 0, 30, 10, "", below},
        {"HintShowCells: a password cell is masked", [](CellHintTest& t) {
             t.g->SetHintShowCells(true);
             t.g->OnIsPasswordCell = [](TObject*, int R, int C, bool& P) { P = C == 3 && R == 2; };
         }, 3, 2, 30, 10, "***", cellTop},
        {"HintShowLargeText hpCell: over the cell", [](CellHintTest& t) {
             t.g->SetHintShowLargeText(true);
             t.g->SetCells(3, 2, "a text far too long for a column of eighty pixels");
         }, 3, 2, 30, 10, "a text far too long for a column of eighty pixels",
         [](const TRect& R, TPoint) { return TPoint(R.Left, R.Top); }},
        {"HintShowLargeText hpCursor: below the cell at the pointer", [](CellHintTest& t) {
             t.g->SetHintShowLargeText(true);
             t.g->SetHintShowLargeTextPos(THintShowLargeTextPos::hpCursor);
             t.g->SetCells(3, 2, "a text far too long for a column of eighty pixels");
         }, 3, 2, 30, 10, "a text far too long for a column of eighty pixels", below},
        {"HintShowLargeText: a text that fits gives none", [](CellHintTest& t) { t.g->SetHintShowLargeText(true); },
         3, 2, 30, 10, "", below},
        {"a comment at the cell's top-right corner", [](CellHintTest& t) { t.g->AddComment(4, 3, "note"); },
         4, 3, 30, 10, "note", [](const TRect& R, TPoint) { return TPoint(R.Right, R.Top); }},
        {"an anchor's hint at the pointer + (8, -16)", [](CellHintTest& t) {
             t.g->SetAnchorHint(true);
             t.g->SetCells(1, 1, kLinkCell);
         }, 1, 1, 8, 8, "first", [](const TRect&, TPoint P) { return TPoint(P.X + 8, P.Y - 16); }},
        {"an anchor's title", [](CellHintTest& t) {
             t.g->SetAnchorHint(true);
             t.g->SetCells(1, 1, "<a href=\"x\" title=\"Opens x\">go</a>");
         }, 1, 1, 8, 8, "Opens x", [](const TRect&, TPoint P) { return TPoint(P.X + 8, P.Y - 16); }},
        {"OnAnchorHint changes an anchor's hint", [](CellHintTest& t) {
             t.g->SetAnchorHint(true);
             t.g->SetCells(1, 1, kLinkCell);
             t.g->OnAnchorHint = [](TObject*, int R, int C, String& A) { A = QString("%1 at %2,%3").arg(A).arg(C).arg(R); };
         }, 1, 1, 8, 8, "first at 1,1", [](const TRect&, TPoint P) { return TPoint(P.X + 8, P.Y - 16); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        delete g;
        g = MakeGrid();
        c.setup(*this);
        const TRect R = g->CellRect(c.col, c.row);
        const TPoint p(R.Left + c.dx, R.Top + c.dy);
        const Answer a = Ask(p.X, p.Y);
        EXPECT_EQ(a.text.toStdString(), c.text);
        EXPECT_EQ(a.pos, c.pos(R, p));
        EXPECT_EQ(g->LastHintPos(), TPoint(c.col, c.row));
    }
}

TEST_F(CellHintTest, MaximumWidthAndColour)
{
    g->SetHintColor(0x00CCFFEE);
    // 0 leaves the platform's default width.
    Answer a = AskMid(2, 2);
    EXPECT_EQ(a.maxWidth, 0);
    EXPECT_EQ(a.color, TColor(0x00CCFFEE));
    g->ControlLook()->SetHintMaxWidth(120);
    a = AskMid(2, 2);
    EXPECT_EQ(a.maxWidth, 120);
}

TEST_F(CellHintTest, OnGridHintGetsTheDisplayedColumnButNotOnTheFloatingFooter)
{
    std::vector<std::string> asked;
    g->OnGridHint = [&](TObject*, int R, int C, String& H) {
        asked.push_back(std::to_string(C) + "," + std::to_string(R));
        H = "header of " + g->AllCells(g->RealColIndex(C), 0);
    };
    g->HideColumn(1);
    // Display 2 shows real column 3; the handler converts it as the rule
    // editors' handlers do.
    EXPECT_EQ(AskMid(2, 0).text, "header of H3");
    EXPECT_EQ(asked, std::vector<std::string>{"2,0"});
    g->FloatingFooter()->SetFooterStyle(TFooterStyle::fsFixedLastRow);
    g->FloatingFooter()->SetVisible(true);
    g->SetRowHeights(g->RowCount() - 1, 20);
    asked.clear();
    Ask(Mid(2, g->RowCount() - 1).X, Mid(2, g->RowCount() - 1).Y);
    EXPECT_TRUE(asked.empty());
}

TEST_F(CellHintTest, HTMLAndWideHintsUseTheHTMLHintWindow)
{
    TestKit::FakeClock clock;
    g->SetShowHint(true);
    g->SetUseInternalHintClass(true);
    g->SetHintShowCells(true);
    g->SetCells(3, 2, "<b>bold</b>");
    g->SetCells(3, 3, "plain");
    g->SetCells(3, 4, EncodeWideCellText(QString::fromUtf8("\u00e9t\u00e9")));
    g->SetHTMLHint(true);
    struct Case {
        int row;
        bool html;
        String shown;
    };
    const Case cases[] = {{2, true, "<b>bold</b>"}, {3, false, "plain"}, {4, true, EncodeWideCellText(QString::fromUtf8("\u00e9t\u00e9"))}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        const TPoint p = Mid(3, c.row);
        TestKit::MouseMove(g, p.X, p.Y);
        clock.Advance(Application.HintPause());
        THintWindow* w = nullptr;
        // The window showing: the application's or the HTML one.
        if (ApplicationHintWindow()->IsHintShowing())
            w = ApplicationHintWindow();
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible())
                if (auto* hw = dynamic_cast<THTMLHintWindow*>(TWinControl::FromWidget(top)))
                    w = hw;
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(dynamic_cast<THTMLHintWindow*>(w) != nullptr, c.html);
        EXPECT_EQ(w->Caption(), c.shown);
        Application.CancelHint();
    }
    // Without the internal class a wide text shows decoded in the plain window.
    g->SetUseInternalHintClass(false);
    const TPoint p = Mid(3, 4);
    TestKit::MouseMove(g, p.X + 1, p.Y);
    clock.Advance(Application.HintPause());
    ASSERT_TRUE(ApplicationHintWindow()->IsHintShowing());
    EXPECT_EQ(ApplicationHintWindow()->Caption(), QString::fromUtf8("\u00e9t\u00e9"));
    Application.CancelHint();
}

TEST_F(CellHintTest, AHintIsCancelledOnEveryChangeOfCell)
{
    TestKit::FakeClock clock;
    g->SetShowHint(true);
    g->SetHintShowCells(true);
    auto showing = [] { return ApplicationHintWindow()->IsHintShowing() ? ApplicationHintWindow()->Caption() : String("(none)"); };
    TPoint p = Mid(3, 2);
    TestKit::MouseMove(g, p.X, p.Y);
    clock.Advance(Application.HintPause());
    EXPECT_EQ(showing(), "3,2");
    // Inside the same cell the hint stays.
    TestKit::MouseMove(g, p.X + 5, p.Y + 2);
    EXPECT_EQ(showing(), "3,2");
    // Another cell: gone at once, the next one after a rest.
    p = Mid(3, 3);
    TestKit::MouseMove(g, p.X, p.Y);
    EXPECT_EQ(showing(), "(none)");
    EXPECT_EQ(g->LastHintPos(), TPoint(-1, -1));
    clock.Advance(Application.HintPause());
    EXPECT_EQ(showing(), "3,3");
    // A merged cell is one place.
    g->MergeCells(4, 1, 1, 3);
    Application.CancelHint();
    p = Mid(4, 1);
    TestKit::MouseMove(g, p.X, p.Y);
    clock.Advance(Application.HintPause());
    EXPECT_EQ(showing(), "4,1");
    const TRect m = g->CellRect(4, 1);
    TestKit::MouseMove(g, p.X, m.Bottom - 3);
    EXPECT_EQ(showing(), "4,1");
    Application.CancelHint();
}

TEST_F(CellHintTest, HeaderHintsOfOnGridHintShow)
{
    TestKit::FakeClock clock;
    g->SetShowHint(true);
    g->OnGridHint = [](TObject*, int R, int C, String& H) {
        H.clear();
        if (R == 0 && C > 0)
            H = QString("Hint of column %1").arg(C);
    };
    const TPoint p = Mid(2, 0);
    TestKit::MouseMove(g, p.X, p.Y);
    clock.Advance(Application.HintPause());
    ASSERT_TRUE(ApplicationHintWindow()->IsHintShowing());
    EXPECT_EQ(ApplicationHintWindow()->Caption(), "Hint of column 2");
    const TRect r = g->CellRect(2, 0);
    EXPECT_EQ(ApplicationHintWindow()->Top(), g->ClientToScreen(TPoint(0, r.Bottom + 6)).Y);
    Application.CancelHint();
}

// ---- links under the pointer ----------------------------------------------------------------------

TEST_F(CellHintTest, AnchorToTextToAnchorFiresExitOnceAndEnterAgain)
{
    g->SetCells(1, 1, kLinkCell);
    g->SetCells(1, 2, "<a href=\"second\">next</a>");
    std::vector<std::string> events;
    g->OnAnchorEnter = [&](TObject*, int R, int C, const String& A) {
        events.push_back("enter " + A.toStdString() + " " + std::to_string(C) + "," + std::to_string(R));
    };
    g->OnAnchorExit = [&](TObject*, int R, int C, const String& A) {
        events.push_back("exit " + A.toStdString() + " " + std::to_string(C) + "," + std::to_string(R));
    };
    const TRect r1 = g->CellRect(1, 1), r2 = g->CellRect(1, 2);
    const TPoint onLink(r1.Left + 6, r1.Top + 8), onText(r1.Left + 60, r1.Top + 8);
    TestKit::MouseMove(g, onLink.X, onLink.Y);
    EXPECT_EQ(g->HoverAnchor(), "first");
    EXPECT_EQ(g->Cursor(), GridLinkCursor);
    TestKit::MouseMove(g, onLink.X + 1, onLink.Y);
    TestKit::MouseMove(g, onText.X, onText.Y);
    TestKit::MouseMove(g, onText.X + 3, onText.Y);
    EXPECT_EQ(g->Cursor(), crDefault);
    TestKit::MouseMove(g, onLink.X, onLink.Y);
    // Straight from one link to another: both are reported.
    TestKit::MouseMove(g, r2.Left + 6, r2.Top + 8);
    // Off the cells.
    TestKit::MouseMove(g, 495, 195);
    EXPECT_EQ(events, (std::vector<std::string>{"enter first 1,1", "exit first 1,1", "enter first 1,1",
                                                "exit first 1,2", "enter second 1,2", "exit second -1,-1"}));
    EXPECT_EQ(g->Cursor(), crDefault);
}

TEST_F(CellHintTest, UnderlineOnHoverRepaintsTheHoveredLink)
{
    g->SetURLUnderlineOnHover(true);
    g->SetCells(1, 1, kLinkCell);
    const TRect r1 = g->CellRect(1, 1);
    auto grab = [&] { return TestKit::RenderToImage(g).copy(r1.ToQt()); };
    const QImage before = grab();
    TestKit::MouseMove(g, r1.Left + 6, r1.Top + 8);
    QCoreApplication::processEvents();
    const QImage hovered = grab();
    EXPECT_NE(before, hovered);
    TestKit::MouseMove(g, r1.Left + 60, r1.Top + 8);
    QCoreApplication::processEvents();
    EXPECT_EQ(grab(), before);
}

TEST_F(CellHintTest, URLTextsGiveTheHandWithURLShow)
{
    g->SetCells(3, 3, "http://example.invalid/x");
    const TPoint p = Mid(3, 3);
    TestKit::MouseMove(g, p.X, p.Y);
    EXPECT_EQ(g->Cursor(), crDefault);
    g->SetURLShow(true);
    TestKit::MouseMove(g, p.X + 1, p.Y);
    EXPECT_EQ(g->Cursor(), GridLinkCursor);
    // A cursor the application set comes back off the link.
    TestKit::MouseMove(g, Mid(3, 2).X, Mid(3, 2).Y);
    EXPECT_EQ(g->Cursor(), crDefault);
    g->SetCursor(crCross);
    TestKit::MouseMove(g, p.X, p.Y);
    TestKit::MouseMove(g, Mid(3, 2).X, Mid(3, 2).Y);
    EXPECT_EQ(g->Cursor(), crCross);
}

// A picture of a hint over a cell (VYN_PNG_DIR names the folder).
TEST_F(CellHintTest, RenderAHintOverACell)
{
    const QByteArray dir = qgetenv("VYN_PNG_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "VYN_PNG_DIR not set";
    TestKit::FakeClock clock;
    g->SetShowHint(true);
    g->SetHintShowLargeText(true);
    g->SetUseInternalHintClass(true);
    g->SetHTMLHint(true);
    g->SetHintColor(0x00E1FFFF);
    g->SetCells(2, 2, "A <b>long</b> cell text that does <i>not</i> fit");
    const TPoint p = Mid(2, 2);
    TestKit::MouseMove(g, p.X, p.Y);
    clock.Advance(Application.HintPause());
    QCoreApplication::processEvents();
    THintWindow* w = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible())
            if (auto* hw = dynamic_cast<THintWindow*>(TWinControl::FromWidget(top)))
                w = hw;
    ASSERT_NE(w, nullptr);
    QImage picture = TestKit::RenderToImage(&form);
    {
        QPainter painter(&picture);
        const TPoint at = form.ScreenToClient(TPoint(w->Left(), w->Top()));
        painter.drawImage(at.X, at.Y, TestKit::RenderToImage(w));
    }
    EXPECT_TRUE(picture.save(QDir(QString::fromLocal8Bit(dir)).filePath("grid_cell_hint.png")));
    if (QScreen* s = QGuiApplication::primaryScreen(); s && QGuiApplication::platformName() == "xcb")
        s->grabWindow(0).save(QDir(QString::fromLocal8Bit(dir)).filePath("grid_cell_hint_screen.png"));
    Application.CancelHint();
}

}  // namespace
