// The look of a cell without painting: GetVisualProperties and its
// companions, the number alignment, the formatted text, text sizes, the
// graphic layouts and the look setting objects.
#include "paint_fixture.h"

#include <QtMath>

#include "grid/core/grid_draw.h"
#include "grid/core/grid_lists.h"
#include "platform/gui/bitmap.h"
#include "platform/rtl/datetime.h"

namespace {

struct Look {
    TColor Brush = clNone, ColorTo = clNone, Mirror = clNone, MirrorTo = clNone;
    TColor FontColor = clNone;
    TGridDrawState State;
    TAlignment HA = taLeftJustify;
};

Look VisualOf(TVynStringGrid& G, int ACol, int ARow, TGridDrawState State = {}, bool Select = true)
{
    TBrush brush;
    TFont font;
    Look l;
    l.State = State;
    TVAlignment va = TVAlignment::vtaTop;
    bool ww = false;
    TCellGradientDirection gd = TCellGradientDirection::GradientVertical;
    G.GetVisualProperties(ACol, ARow, l.State, false, Select, true, brush, l.ColorTo, l.Mirror, l.MirrorTo, font, l.HA,
                          va, ww, gd);
    l.Brush = brush.Color();
    l.FontColor = font.Color();
    return l;
}

TEST(BlendColors, Table)
{
    struct Case {
        TColor c1, c2;
        int factor;
        TColor want;
    } cases[] = {
        {0x0000FF, 0xFF0000, 100, 0x0000FF},  // factor 100: the first
        {0x0000FF, 0xFF0000, 150, 0x0000FF},
        {0x0000FF, 0xFF0000, 0, 0xFF0000},    // factor 0: the second
        {0x0000FF, 0xFF0000, -5, 0xFF0000},
        {clNone, 0xFF0000, 50, 0xFF0000},     // first none: the second
        {0x0000FF, clNone, 50, 0x0000FF},     // second none: the first
        {0x000001, 0x000000, 50, 0x000000},   // 0.5 rounds to even (0)
        {0x000003, 0x000000, 50, 0x000002},   // 1.5 rounds to even (2)
        {0x0000FF, 0x000000, 50, 0x000080},   // 127.5 -> 128
        {0x102030, 0x302010, 25, 0x282018},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TVynStringGrid::BlendColors(c.c1, c.c2, c.factor), c.want)
            << std::hex << c.c1 << " " << c.c2 << " " << std::dec << c.factor;
    EXPECT_EQ(TVynStringGrid::MixSelectionColor(0x0000FF, 0xFF0000, false, 50), TColor(0x0000FF));
}

TEST_F(GridPaintTest, PrecedenceOfTheLookSources)
{
    SetPaintLook(TGridLook::glStandard);
    // The grid's colour.
    EXPECT_EQ(VisualOf(*grid, 2, 3).Brush, TColor(clWhite));
    // A fixed cell: FixedColor and the fixed state.
    const Look fixed = VisualOf(*grid, 0, 3);
    EXPECT_EQ(fixed.Brush, TColor(0xD0D0D0));
    EXPECT_TRUE(fixed.State.Contains(gdFixed));
    // Under a gradient look: the look's colours.
    SetPaintLook(TGridLook::glXP);
    const Look xp = VisualOf(*grid, 2, 0);
    EXPECT_EQ(xp.Brush, grid->VynGradientFrom());
    EXPECT_EQ(xp.ColorTo, grid->VynGradientTo());
    // A cell's own colour beats the grid's and the bands.
    grid->Bands()->SetActive(true);
    grid->SetColors(2, 3, 0x00FF00);
    EXPECT_EQ(VisualOf(*grid, 2, 3).Brush, TColor(0x00FF00));
    // A plain cell with its own colour keeps it in a fixed place; a check
    // box there takes the look's colour.
    grid->SetColors(2, 0, 0x0000FF);
    EXPECT_EQ(VisualOf(*grid, 2, 0).Brush, TColor(0x0000FF));
    grid->AddCheckBox(3, 0, false, false);
    grid->SetColors(3, 0, 0x0000FF);
    EXPECT_EQ(VisualOf(*grid, 3, 0).Brush, grid->VynGradientFrom());
    // The colour event beats the cell's colour.
    grid->OnGetCellColor = [](TObject*, int ARow, int ACol, TGridDrawState, TBrush* B, TFont*) {
        if (ARow == 3 && ACol == 2)
            B->SetColor(0x123456);
    };
    EXPECT_EQ(VisualOf(*grid, 2, 3).Brush, TColor(0x123456));
    // The selection beats the event: a cell of the grid's colour takes the
    // selection colour pure, a coloured one the mix.
    grid->Bands()->SetActive(false);
    grid->SetSelection(TGridRect{1, 3, 2, 3});
    grid->SetSelectionColorMixer(true);
    grid->SetSelectionColorMixerFactor(50);
    const Look sel = VisualOf(*grid, 1, 3);
    EXPECT_TRUE(sel.State.Contains(gdSelected));
    EXPECT_EQ(sel.Brush, grid->SelectionColor());
    EXPECT_EQ(VisualOf(*grid, 2, 3).Brush, TVynStringGrid::BlendColors(grid->SelectionColor(), 0x123456, 50));
    grid->SetSelectionColorMixerFactor(0);
    EXPECT_EQ(VisualOf(*grid, 2, 3).Brush, TColor(0x123456));
    grid->SetSelectionColorMixerFactor(100);
    EXPECT_EQ(VisualOf(*grid, 2, 3).Brush, grid->SelectionColor());
    // A disabled grid greys the font.
    grid->SetEnabled(false);
    EXPECT_EQ(VisualOf(*grid, 4, 6).FontColor, grid->DisabledFontColor());
}

TEST_F(GridPaintTest, BandsCountFromTheFixedRows)
{
    SetPaintLook(TGridLook::glStandard);
    grid->Bands()->SetPrimaryColor(0x111111);
    grid->Bands()->SetSecondaryColor(0x222222);
    grid->Bands()->SetPrimaryLength(2);
    grid->Bands()->SetSecondaryLength(1);
    grid->Bands()->SetActive(true);
    const TColor want[] = {0x111111, 0x111111, 0x222222, 0x111111, 0x111111, 0x222222};
    for (int r = 1; r <= 6; ++r)
        EXPECT_EQ(VisualOf(*grid, 2, r).Brush, want[r - 1]) << "row " << r;
    EXPECT_EQ(VisualOf(*grid, 0, 2).Brush, grid->FixedColor()) << "not in fixed columns";
}

TEST_F(GridPaintTest, DisjunctRowsOutsideTheCurrentOneAreBrighter)
{
    grid->MouseActions()->SetDisjunctRowSelect(true);
    grid->SetRowSelect(2, true);
    grid->SetRowSelect(4, true);
    grid->SetRow(4);
    const TColor sel = grid->SelectionColor();
    EXPECT_EQ(VisualOf(*grid, 2, 4).Brush, sel);
    EXPECT_EQ(VisualOf(*grid, 2, 2).Brush, ChangeBrightness(sel, 7));
    EXPECT_EQ(VisualOf(*grid, 2, 3).Brush, TColor(clWhite));
}

TEST_F(GridPaintTest, NumberAlignmentUnderBothSeparators)
{
    grid->SetAutoNumAlign(true);
    for (QChar sep : {QChar(u'.'), QChar(u',')}) {
        FormatSettings().DecimalSeparator = sep;
        struct Case {
            QString text;
            TAlignment want;
        } cases[] = {{"12", taRightJustify},
                     {QString("-3%15").arg(sep), taRightJustify},
                     {"1E5", taRightJustify},
                     {"12a", taLeftJustify},
                     {"", taLeftJustify}};
        for (const Case& c : cases) {
            grid->SetCells(2, 2, c.text);
            TAlignment ha;
            TVAlignment va;
            grid->GetCellAlignment(2, 2, ha, va);
            EXPECT_EQ(ha, c.want) << c.text.toStdString() << " with " << sep.toLatin1();
        }
    }
    FormatSettings().DecimalSeparator = u'.';
    // The cell's own alignment wins, except over a formula.
    grid->SetCells(2, 3, "12");
    grid->SetAlignments(2, 3, taCenter);
    TAlignment ha;
    TVAlignment va;
    grid->GetCellAlignment(2, 3, ha, va);
    EXPECT_EQ(ha, taCenter);
    // A formula shows its text (there is no formula engine): the default
    // alignment, not the cell's.
    grid->SetCells(2, 3, "=12");
    grid->GetCellAlignment(2, 3, ha, va);
    EXPECT_EQ(ha, taLeftJustify);
    // The alignment event has the last word.
    grid->OnGetAlignment = [](TObject*, int, int, TAlignment& H, TVAlignment&) { H = taLeftJustify; };
    grid->GetCellAlignment(2, 3, ha, va);
    EXPECT_EQ(ha, taLeftJustify);
}

TEST_F(GridPaintTest, FormattedTextThroughTheCheckedFormatter)
{
    QString format;
    grid->OnGetFloatFormat = [&](TObject*, int, int, bool& IsFloat, String& Fmt) {
        IsFloat = true;
        Fmt = format;
    };
    struct Case {
        const char* format;
        const char* text;
        const char* want;
    } cases[] = {
        {"%d", "12", "12"},          // an integer through "d"
        {"%5d", "12", "   12"},
        {"%d", "12.7", "12.7"},      // no integer: the text itself
        {"%.1f", "12.75", "12.8"},
        {"%.2f", "3", "3.00"},
        {"%s", "12", "12"},          // formats the formatter refuses
        {"%n", "12", "12"},
        {"%d%d", "12", "12"},
        {"%999d", "12", "12"},
        {"%.2f %s %n", "12", "12"},
        {"%.2f", "abc", "abc"},      // not a number: never formatted
    };
    for (const Case& c : cases) {
        format = c.format;
        grid->SetCells(2, 2, c.text);
        EXPECT_EQ(grid->GetFormattedCell(2, 2).toStdString(), c.want) << c.format << " on " << c.text;
    }
}

TEST_F(GridPaintTest, TextSizes)
{
    TBitmap b(1, 1);
    b.Canvas().Font().Assign(grid->Font());
    const int gh = b.Canvas().TextHeight("gh");
    EXPECT_EQ(grid->GetCellTextSize(2, 2), TPoint(0, gh)) << "empty cell";
    grid->SetMultilinecells(true);
    grid->SetCells(2, 2, "one\rtwo\rthree");
    EXPECT_EQ(grid->GetCellTextSize(2, 2).Y, 3 * gh);
    EXPECT_EQ(grid->GetCellTextSize(2, 2).X, b.Canvas().TextWidth("three"));
    // Rotated: the box around the rotated text.
    grid->SetCells(3, 2, "rotated text");
    const int w = b.Canvas().TextWidth("rotated text"), h = gh;
    grid->SetCells(3, 3, "rotated text");
    for (int angle : {0, 45, 90, 135}) {
        TCellGraphic* g = grid->CreateCellGraphic(3, 2);
        g->SetAngle(int16_t(angle));
        const double a = angle * M_PI / 180.0;
        const int ww = int(std::fabs(w * std::cos(a))) + int(std::fabs(h * std::sin(a))) + 12;
        const int hh = int(std::fabs(w * std::sin(a))) + int(std::fabs(h * std::cos(a))) + 12;
        EXPECT_EQ(grid->GetCellTextSize(3, 2), TPoint(ww, hh)) << angle << " degrees";
    }
    // At 45 degrees the box is wider than the text's own height.
    EXPECT_GT(grid->GetCellTextSize(3, 2).Y, gh + 12);
}

TEST_F(GridPaintTest, GraphicLayoutPerKind)
{
    grid->ControlLook()->SetCheckSize(15);
    grid->ControlLook()->SetRadioSize(10);
    grid->AddCheckBox(1, 1, true, false);
    grid->AddCheckBox(1, 2, true, true);
    grid->AddRadioButton(1, 3, true);
    grid->AddProgress(1, 4, clBlue, clWhite);
    grid->AddRating(1, 5, 3, clYellow, clGray);
    grid->AddButton(1, 6, 40, 18, "Go", TCellHAlign::haLeft, TCellVAlign::vaTop);
    grid->AddProgressPie(2, 1, clRed, 30);
    TBitmap bmp(12, 9);
    grid->AddBitmap(2, 2, &bmp, false, TCellHAlign::haLeft, TCellVAlign::vaTop);
    grid->AddShape(2, 3, TCellShape::csCircle, clRed, clBlack, TCellHAlign::haLeft, TCellVAlign::vaTop);
    struct Case {
        int col, row, w, h;
        bool text;
    } cases[] = {
        {1, 1, 15, 15, true},   // check box
        {1, 2, 15, 15, false},  // data check box
        {1, 3, 14, 14, true},   // radio button: RadioSize + 4
        {1, 4, 0, 0, false},    // progress
        {1, 5, 54, 16, false},  // rating: 18 x 3 stars
        {1, 6, 40, 18, true},   // button
        {2, 1, 20, 20, true},   // pie
        {2, 2, 12, 9, true},    // bitmap
        {2, 3, 18, 18, true},   // shape: row height - 2 x offset
        {3, 3, 0, 0, true},     // nothing
    };
    for (const Case& c : cases) {
        const auto L = grid->GetCellGraphicLayout(c.col, c.row);
        EXPECT_EQ(L.Width, c.w) << c.col << "," << c.row;
        EXPECT_EQ(L.Height, c.h) << c.col << "," << c.row;
        EXPECT_EQ(L.ShowText, c.text) << c.col << "," << c.row;
    }
}

TEST_F(GridPaintTest, ControlLookDefaultsForwardingAndAssign)
{
    TControlLook& look = *grid->ControlLook();
    EXPECT_EQ(look.ControlStyle(), VynObj::TControlStyle::csTheme);
    EXPECT_EQ(look.CheckSize(), 15);
    EXPECT_EQ(look.RadioSize(), 10);
    EXPECT_EQ(look.FixedGradientHoverFrom(), TColor(0x808080));
    EXPECT_EQ(look.FixedGradientHoverTo(), TColor(0xFFFFFF));
    EXPECT_EQ(look.FixedGradientHoverBorder(), TColor(0xC0C0C0));
    EXPECT_EQ(look.FixedGradientDownFrom(), TColor(0x808080));
    EXPECT_EQ(look.FixedGradientDownTo(), TColor(0xC0C0C0));
    EXPECT_EQ(look.FixedGradientDownBorder(), TColor(0x808080));
    EXPECT_EQ(look.FixedGradientFrom(), clNone);
    EXPECT_EQ(look.CommentColor(), TColor(0x0000FF));
    EXPECT_EQ(look.ProgressBorderColor(), TColor(0x808080));
    EXPECT_EQ(look.ProgressMarginX(), 2);
    EXPECT_EQ(look.DropDownCount(), 8);
    EXPECT_FALSE(look.FixedDropDownButton());
    // Init made the grid's hover and down mirror colours none.
    EXPECT_EQ(grid->VynGradientHoverMirrorFrom(), clNone);
    EXPECT_EQ(grid->VynGradientDownMirrorTo(), clNone);
    // From and to reach the grid only when set; mirrors always.
    look.SetFixedGradientFrom(0x112233);
    EXPECT_EQ(grid->VynGradientFrom(), TColor(0x112233));
    look.SetFixedGradientFrom(clNone);
    EXPECT_EQ(grid->VynGradientFrom(), TColor(0x112233));
    look.SetFixedGradientMirrorFrom(0x445566);
    EXPECT_EQ(grid->VynGradientMirrorFrom(), TColor(0x445566));
    look.SetFixedGradientMirrorFrom(clNone);
    EXPECT_EQ(grid->VynGradientMirrorFrom(), clNone);
    look.SetFixedGradientHoverBorder(clNone);
    EXPECT_EQ(grid->VynGradientHoverBorder(), TColor(0xC0C0C0));
    look.SetFixedGradientDownFrom(0x010203);
    EXPECT_EQ(grid->VynGradientDownFrom(), TColor(0x010203));
    // Assign: the gradient colours as they are, not the excluded flags, and
    // nothing told to the grid.
    TPaintGrid other(nullptr);
    TControlLook& src = *other.ControlLook();
    src.SetFixedGradientFrom(0x0A0B0C);
    src.SetFixedGradientTo(0x0D0E0F);
    src.SetFixedGradientHoverMirrorTo(0x101112);
    src.SetCheckSize(20);
    src.SetFlatButton(true);
    src.SetProgressXP(true);
    src.SetFixedDropDownButton(true);
    src.SetNoDisabledCheckRadioLook(true);
    src.SetControlStyle(VynObj::TControlStyle::csVyn);
    grid->SetVynGradientTo(0x999999);
    look.Assign(src);
    EXPECT_EQ(look.FixedGradientFrom(), TColor(0x0A0B0C));
    EXPECT_EQ(look.FixedGradientTo(), TColor(0x0D0E0F));
    EXPECT_EQ(look.FixedGradientHoverMirrorTo(), TColor(0x101112));
    EXPECT_EQ(look.CheckSize(), 20);
    EXPECT_EQ(look.ControlStyle(), VynObj::TControlStyle::csVyn);
    EXPECT_FALSE(look.FlatButton());
    EXPECT_FALSE(look.ProgressXP());
    EXPECT_FALSE(look.FixedDropDownButton());
    EXPECT_FALSE(look.NoDisabledCheckRadioLook());
    EXPECT_EQ(grid->VynGradientTo(), TColor(0x999999)) << "Assign tells the grid nothing";
}

TEST(LookSettings, ChangeNotifications)
{
    int changes = 0;
    TShowModified sm;
    sm.OnChange = [&](TObject*) { ++changes; };
    sm.SetColor(sm.Color());
    EXPECT_EQ(changes, 1) << "the same colour notifies too";
    sm.SetEnabled(true);
    EXPECT_EQ(changes, 1);
    TShowModified other;
    other.SetColor(0x123456);
    sm.Assign(other);
    EXPECT_EQ(changes, 1) << "Assign notifies nothing";
    EXPECT_EQ(sm.Color(), TColor(0x123456));

    changes = 0;
    TGridProgressAppearance pa;
    pa.OnChange = [&](TObject*) { ++changes; };
    EXPECT_EQ(pa.CompleteColor(), TColor(0x0000FF));
    EXPECT_EQ(pa.Level1Perc(), 70);
    EXPECT_EQ(pa.Steps(), 11);
    pa.SetCompleteColor(0x0000FF);
    EXPECT_EQ(changes, 0) << "an unchanged value notifies nothing";
    pa.SetCompleteColor(0x00FF00);
    EXPECT_EQ(changes, 1);
    TGridProgressAppearance src;
    src.SetStyle(TProgressStyle::psClassic);
    src.SetSteps(5);
    src.SetLevel2Color(0x010101);
    pa.Assign(src);
    EXPECT_EQ(changes, 2) << "Assign notifies once";
    EXPECT_EQ(pa.Style(), TProgressStyle::psClassic);
    EXPECT_EQ(pa.Steps(), 5);
    EXPECT_EQ(pa.CompleteColor(), TColor(0x0000FF));

    TBackGround bg(nullptr);
    EXPECT_EQ(bg.Display(), TBackGroundDisplay::bdTile);
    EXPECT_EQ(bg.Cells(), TBackGroundCells::bcNormal);
    EXPECT_EQ(bg.Color(), TColor(clWindow));
    EXPECT_EQ(bg.ColorTo(), TColor(clBtnFace));
}

}  // namespace
