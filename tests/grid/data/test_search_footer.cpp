// The search footer's actions, driven the way the search bar drives them:
// typing finds and highlights, Enter finds the next match, Ctrl+Enter the
// previous one, the highlight button and closing the bar take the highlight
// away. VYN_RENDER_DIR=<dir> keeps the painted grid as a PNG.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cstdlib>
#include <string>
#include <vector>

#include "data_grid_fixture.h"
#include "grid/render/html/html_text.h"
#include "platform/gui/messages.h"

namespace {

// The bar's edit, highlight button and match-case box, as the link reads them.
class TFakeBar : public TVynStringGrid::TSearchBarLink {
public:
    String SearchText() const override { return Text; }
    bool HighlightDown() const override { return Highlight; }
    bool MatchCaseChecked() const override { return MatchCase; }
    void SetEditColor(TColor Color) override { EditColor = Color; }
    void RepaintBar() override { ++Repaints; }

    String Text;
    bool Highlight = false, MatchCase = false;
    TColor EditColor = clNone;
    int Repaints = 0;
};

// A grid of 4 columns and 8 rows, one fixed row and column, with the words
// below, and a search bar.
class SearchFooter : public ::testing::Test {
protected:
    void SetUp() override
    {
        g.SetColCount(4);
        g.SetRowCount(8);
        g.SetEnableHTML(true);
        const char* words[7][3] = {{"pump", "valve", "motor"},   {"Alarm", "pump 2", "gate"},
                                   {"level", "flow", "a<b"},     {"speed", "alarm low", "pump"},
                                   {"sensor", "bank", "temp"},   {"limit", "input", "output"},
                                   {"status", "pressure", "x"}};
        for (int r = 1; r < 8; ++r)
            for (int c = 1; c < 4; ++c)
                g.SetCells(c, r, words[r - 1][c - 1]);
        g.SearchFooter()->SetVisible(true);
        g.SetSearchBarLink(&bar);
        g.OnSearchFooterAction = [this](TObject*, const String& Value, int ACol, int ARow, TSearchAction A) {
            actions.push_back(Value.toStdString() + "@" + std::to_string(ACol) + "," + std::to_string(ARow) + ":" +
                              std::to_string(int(A)));
        };
    }
    void Type(const char* Text)
    {
        bar.Text = Text;
        g.SearchEditChange(&g);
    }
    int CountTags()
    {
        int n = 0;
        for (int r = 0; r < g.RowCount(); ++r)
            for (int c = 0; c < g.ColCount(); ++c)
                n += int(g.Cells(c, r).count(QStringLiteral("<hi>")));
        return n;
    }

    TDataGrid g{nullptr};
    TFakeBar bar;
    std::vector<std::string> actions;
};

TEST_F(SearchFooter, TypingFindsAndHighlights)
{
    bar.Highlight = true;
    Type("al");
    // Column by column: "valve" (2, 1) comes after "Alarm" (1, 2).
    EXPECT_EQ(g.SearchCell(), TPoint(1, 2));
    EXPECT_EQ(g.Col(), 1);
    EXPECT_EQ(g.Row(), 2);
    EXPECT_EQ(bar.EditColor, clWindow);
    EXPECT_EQ(g.Cells(1, 2), "<hi>Al</hi>arm");
    EXPECT_EQ(g.Cells(2, 1), "v<hi>al</hi>ve");
    EXPECT_EQ(g.Cells(2, 4), "<hi>al</hi>arm low");
    EXPECT_EQ(CountTags(), 3);
    // The next key: the old highlight goes, the new one comes, in one pass.
    Type("ala");
    EXPECT_EQ(g.Cells(2, 1), "valve");
    EXPECT_EQ(g.Cells(1, 2), "<hi>Ala</hi>rm");
    EXPECT_EQ(CountTags(), 2);
    // A miss: red, no highlight left.
    Type("alaz");
    EXPECT_EQ(bar.EditColor, TColor(0x0000FF));
    EXPECT_EQ(g.SearchCell(), TPoint(-1, -1));
    EXPECT_EQ(CountTags(), 0);
    EXPECT_EQ(g.Cells(1, 2), "Alarm");
    // A plain text with "<" comes back as it was.
    Type("b");
    EXPECT_EQ(g.Cells(3, 3), "a&lt;<hi>b</hi>");
    Type("");
    EXPECT_EQ(bar.EditColor, clWindow);
    EXPECT_EQ(CountTags(), 0);
    EXPECT_EQ(g.Cells(3, 3), "a<b");
    EXPECT_EQ(actions.front(), "al@1,2:0");
}

TEST_F(SearchFooter, EnterFindsNextAndCtrlEnterPrevious)
{
    Type("pump");
    EXPECT_EQ(g.SearchCell(), TPoint(1, 1));
    g.SearchFindNext(&g);
    EXPECT_EQ(g.SearchCell(), TPoint(2, 2));
    g.SearchFindNext(&g);
    EXPECT_EQ(g.SearchCell(), TPoint(3, 4));
    EXPECT_EQ(g.Row(), 4);
    g.SearchFindNext(&g);
    EXPECT_EQ(g.SearchCell(), TPoint(-1, -1));
    g.SearchFindPrevious(&g);
    EXPECT_EQ(g.SearchCell(), TPoint(3, 4));
    g.SearchFindPrevious(&g);
    EXPECT_EQ(g.SearchCell(), TPoint(2, 2));
    EXPECT_EQ(actions.back(), "pump@2,2:1");
    EXPECT_EQ(bar.Repaints, 5);
    // Row by row with the direction of the footer.
    g.SearchFooter()->SetSearchDirection(TSearchDirection::sdLeftRight);
    Type("pump");
    g.SearchFindNext(&g);
    EXPECT_EQ(g.SearchCell(), TPoint(2, 2));
    // Letter case with the box.
    bar.MatchCase = true;
    Type("alarm");
    EXPECT_EQ(g.SearchCell(), TPoint(2, 4));
}

TEST_F(SearchFooter, WithoutAutoSearchANewTextStartsOver)
{
    g.SearchFooter()->SetAutoSearch(false);
    Type("pump");
    EXPECT_EQ(g.SearchCell(), TPoint(-1, -1));
    g.SearchFindNext(&g);
    EXPECT_EQ(g.SearchCell(), TPoint(1, 1));
    g.SearchFindNext(&g);
    EXPECT_EQ(g.SearchCell(), TPoint(2, 2));
    bar.Text = "gate";
    g.SearchFindNext(&g);
    EXPECT_EQ(g.SearchCell(), TPoint(3, 2));
    EXPECT_EQ(g.SearchFooter()->LastSearch(), "gate");
}

TEST_F(SearchFooter, TheHandlerCanTakeTheSearchOver)
{
    g.OnSearchEditChange = [](TObject*, const String&, bool& DefaultSearch) { DefaultSearch = false; };
    bar.Highlight = true;
    Type("pump");
    EXPECT_EQ(g.SearchCell(), TPoint(-1, -1));
    EXPECT_EQ(CountTags(), 0);
    EXPECT_TRUE(actions.empty());
}

TEST_F(SearchFooter, SearchColumnOnly)
{
    g.SearchFooter()->SetSearchColumn(2);
    g.SearchFooter()->SetAlwaysHighLight(true);
    Type("pump");
    EXPECT_EQ(g.SearchCell(), TPoint(2, 2));
    EXPECT_EQ(CountTags(), 1);
    EXPECT_EQ(g.Cells(1, 1), "pump");
}

TEST_F(SearchFooter, HighlightButtonAndClosing)
{
    Type("pump");
    EXPECT_EQ(CountTags(), 0);
    bar.Highlight = true;
    g.SearchHighlightClick(&g);
    EXPECT_EQ(CountTags(), 3);
    bar.Highlight = false;
    g.SearchHighlightClick(&g);
    EXPECT_EQ(CountTags(), 0);
    bar.Highlight = true;
    g.SearchHighlightClick(&g);
    bool closed = false;
    g.OnSearchFooterClose = [&](TObject*) { closed = true; };
    g.SearchFooterCloseClick(&g);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(g.SearchFooter()->Visible());
    EXPECT_EQ(CountTags(), 0);
    EXPECT_EQ(g.Cells(1, 1), "pump");
}

TEST_F(SearchFooter, PaintsTheHighlight)
{
    bar.Highlight = true;
    Type("pump");
    g.SetDefaultRowHeight(22);
    g.SetBounds(0, 0, 360, 200);
    QImage image(360, 200, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        g.Perform(WM_PAINT, intptr_t(&p));
    }
    if (const char* dir = std::getenv("VYN_RENDER_DIR"))
        image.save(QString::fromLocal8Bit(dir) + "/grid_search_highlight.png");
    // The highlight's background shows in the cell of the match.
    const TColor bg = HTMLHighlightBackground();
    const QRgb want = qRgb(GetRValue(ColorToRGB(bg)), GetGValue(ColorToRGB(bg)), GetBValue(ColorToRGB(bg)));
    const TRect r = g.CellRect(2, 2);
    int found = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            found += image.pixel(x, y) == want;
    EXPECT_GT(found, 20);
}

}  // namespace
