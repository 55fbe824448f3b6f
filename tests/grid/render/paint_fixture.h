#pragma once
// A shown string grid without border and scroll bars for the painting
// tests, its picture, pixel probes and a PNG copy for a developer to look
// at (VYN_RENDER_DIR=<dir>).
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include <cstdlib>

#include "grid/core/vyn_string_grid.h"
#include "grid/render/grid_render_holders.h"
#include "platform/gui/forms.h"
#include "platform/gui/stdctrls.h"
#include "platform/testing/test_kit.h"

// Exposes the state the interaction keeps for painting.
class TPaintGrid : public TVynStringGrid {
public:
    using TVynStringGrid::TVynStringGrid;
    using TVynStringGrid::FDropDownDown;
    using TVynStringGrid::FHoverFixed;
    using TVynStringGrid::FMouseDownMove;
    using TVynStringGrid::FVAlign;
    using TVynStringGrid::PropsAt;
    void HideColumn(int ACol)
    {
        const int d = DisplColIndex(ACol);
        const int w = ColWidths(d);
        for (int i = d; i < ColCount() - 1; ++i)
            SetColWidths(i, ColWidths(i + 1));
        SetVisibleCol(ACol, false);
        SetAllColWidths(ACol, w);
        SetColCount(ColCount() - 1);
    }
};

struct GridPaintTest : ::testing::Test {
    TestKit::InputStateScope input;
    TForm form{nullptr};
    TPaintGrid* grid;
    GridPaintTest()
    {
        form.SetBounds(0, 0, 640, 480);
        grid = new TPaintGrid(&form);
        grid->SetBorderStyle(bsNone);
        grid->SetScrollBars(ssNone);
        grid->SetBounds(8, 8, 420, 200);
        grid->SetColCount(5);
        grid->SetRowCount(8);
        grid->SetDefaultColWidth(80);
        grid->SetColor(clWhite);
        grid->SetFixedColor(0xD0D0D0);
        grid->Font().SetName("DejaVu Sans");
        grid->FixedFont()->SetName("DejaVu Sans");
        grid->SetParent(&form);
        form.Show();
    }
    QImage Paint() { return grid->PaintToImage(); }
    // The look for the painter alone: the colours a look writes (fixed
    // colour, gradients, lines, selection, ControlLook ...) are put back,
    // so a test sees the painter's own rules for the look with the
    // fixture's colours.
    void SetPaintLook(TGridLook Look)
    {
        TVynStringGrid& g = *grid;
        const TColor fixed = g.FixedColor(), color = g.Color(), line = g.GridLineColor(),
                     fixedLine = g.GridFixedLineColor();
        const TColor grad[4] = {g.VynGradientFrom(), g.VynGradientTo(), g.VynGradientMirrorFrom(),
                                g.VynGradientMirrorTo()};
        const TColor hover[10] = {g.VynGradientHoverFrom(),       g.VynGradientHoverTo(),
                                  g.VynGradientHoverMirrorFrom(), g.VynGradientHoverMirrorTo(),
                                  g.VynGradientHoverBorder(),     g.VynGradientDownFrom(),
                                  g.VynGradientDownTo(),          g.VynGradientDownMirrorFrom(),
                                  g.VynGradientDownMirrorTo(),    g.VynGradientDownBorder()};
        const TColor sel[5] = {g.SelectionColor(), g.SelectionColorTo(), g.SelectionTextColor(), g.ActiveCellColor(),
                               g.ActiveCellColorTo()};
        const auto selStyle = g.SelectionStyle();
        const auto border = g.BorderStyle();
        TControlLook look(nullptr);
        look.Assign(*g.ControlLook());
        g.SetLook(Look);
        g.ControlLook()->Assign(look);
        g.SetFixedColor(fixed);
        g.SetColor(color);
        g.SetGridLineColor(line);
        g.SetGridFixedLineColor(fixedLine);
        g.SetVynGradientFrom(grad[0]);
        g.SetVynGradientTo(grad[1]);
        g.SetVynGradientMirrorFrom(grad[2]);
        g.SetVynGradientMirrorTo(grad[3]);
        g.SetVynGradientHoverFrom(hover[0]);
        g.SetVynGradientHoverTo(hover[1]);
        g.SetVynGradientHoverMirrorFrom(hover[2]);
        g.SetVynGradientHoverMirrorTo(hover[3]);
        g.SetVynGradientHoverBorder(hover[4]);
        g.SetVynGradientDownFrom(hover[5]);
        g.SetVynGradientDownTo(hover[6]);
        g.SetVynGradientDownMirrorFrom(hover[7]);
        g.SetVynGradientDownMirrorTo(hover[8]);
        g.SetVynGradientDownBorder(hover[9]);
        g.SetSelectionColor(sel[0]);
        g.SetSelectionColorTo(sel[1]);
        g.SetSelectionTextColor(sel[2]);
        g.SetActiveCellColor(sel[3]);
        g.SetActiveCellColorTo(sel[4]);
        g.SetSelectionStyle(selStyle);
        g.SetBorderStyle(border);
    }
    // Gives the input focus to another control of the form.
    void FocusElsewhere()
    {
        auto* edit = new TEdit(&form);
        edit->SetBounds(450, 300, 80, 22);
        edit->SetParent(&form);
        edit->SetFocus();
    }
    static TColor At(const QImage& I, int X, int Y) { return FromQColor(I.pixelColor(X, Y)); }
    // Pixels in R darker than Limit (grey level).
    static int Dark(const QImage& I, const TRect& R, int Limit = 110)
    {
        int n = 0;
        for (int y = std::max(0, R.Top); y < std::min(I.height(), R.Bottom); ++y)
            for (int x = std::max(0, R.Left); x < std::min(I.width(), R.Right); ++x)
                n += qGray(I.pixel(x, y)) < Limit;
        return n;
    }
    // Pixels of R whose colour is C.
    static int Count(const QImage& I, const TRect& R, TColor C)
    {
        int n = 0;
        const QRgb want = ToQColor(ColorToRGB(C)).rgb();
        for (int y = std::max(0, R.Top); y < std::min(I.height(), R.Bottom); ++y)
            for (int x = std::max(0, R.Left); x < std::min(I.width(), R.Right); ++x)
                n += (I.pixel(x, y) & 0xFFFFFF) == (want & 0xFFFFFF);
        return n;
    }
    // Keeps a copy for a developer when VYN_RENDER_DIR is set.
    static void Keep(const QImage& I, const char* Name)
    {
        if (const char* dir = std::getenv("VYN_RENDER_DIR"))
            I.save(QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(Name)));
    }
};
