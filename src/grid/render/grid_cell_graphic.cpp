// TVynStringGrid: the graphic stage of the cell painter: the layout of a
// cell's graphic, its drawing, check boxes and radio groups.
#include <QtMath>

#include <algorithm>
#include <cmath>

#include "grid/core/grid_draw.h"
#include "grid/core/grid_lists.h"
#include "grid/core/grid_progress.h"
#include "grid/data/grid_data_holders.h"
#include "grid/render/grid_render_holders.h"
#include "grid/render/grid_render_paint.h"
#include "platform/gui/bitmap.h"
#include "platform/gui/extctrls.h"

using TCStyle = VynObj::TControlStyle;

namespace {

// A number of a cell while painting: a text that is no number reads as 0.
template <typename F>
auto Safe(F&& Read) -> decltype(Read())
{
    try {
        return Read();
    } catch (const Exception&) {
        return 0;
    }
}

// A program glyph with its bottom-left pixel's colour transparent.
void DrawGlyph(TCanvas& ACanvas, int X, int Y, const String& Name)
{
    TBitmap b;
    if (LoadResourceBitmap(Name, b))
        ACanvas.DrawTransparent(X, Y, b, b.BottomLeftColor());
}

// The colour of a progress bar argument: XOR applies to the RGB of the
// resolved colour only.
TColor InvertColor(TColor C) { return TColor(ColorToRGB(C) ^ 0xFFFFFF); }

// The node glyph of a node row: tree lines into the rows above and below,
// then the box by the node type, drawn at the row's indent.
struct TNodeGlyphPaint {
    const TCellNode& Node;
    TRect R;          // the cell
    int Level;        // the row's node level
    int PrevLevel;    // the levels of the rows above and below (-1: none)
    int NextLevel;
    bool Contracted;
    bool Tree;        // ShowTree on a row below the fixed rows
    TColor Back;      // the background the glyphs are drawn over
};

void DrawNodeGlyph(TCanvas& C, const TNodeGlyphPaint& P)
{
    const TCellNode& n = P.Node;
    const int ni = n.NodeIndent();
    const TRect& R = P.R;
    const int mid = R.Top + R.Height() / 2;
    const int indent = R.Left + P.Level * ni;
    if (P.Tree) {
        const int x = indent - ni + ni / 2 + 2;
        C.Pen().SetColor(n.TreeColor());
        C.Pen().SetWidth(1);
        C.Pen().SetStyle(psSolid);
        if (P.NextLevel > 0 && !(P.Contracted && P.NextLevel < P.Level)) {
            C.MoveTo(x, mid);
            C.LineTo(x, R.Bottom);
        }
        if (P.PrevLevel >= P.Level) {
            C.MoveTo(x, R.Top);
            C.LineTo(x, R.Top + 6);
        }
    }
    const int left = indent - ni / 2 - 4;
    const TNodeType type = n.NodeType();
    if (type == TNodeType::cn3D) {
        TRect area{left, R.Top, R.Right, R.Bottom};
        C.Brush().SetColor(n.Color());
        C.FillRect(area);
        Frame3D(C, area, clWhite, TColor(0x808080), 1);
    }
    auto glyphAt = [&](const TBitmap& G, int X, int Height) {
        const int y = R.Top + (R.Height() - Height) / 2;
        DrawTransparentBitmap(C, G, P.Back, TRect{X, y, X + G.Width(), y + G.Height()});
    };
    TBitmap res;
    if (type == TNodeType::cnLeaf &&
        LoadResourceBitmap(P.Contracted ? QStringLiteral("VSGLEAFCLOSE") : QStringLiteral("VSGLEAFOPEN"), res)) {
        glyphAt(res, left, 12);
        return;
    }
    if (type == TNodeType::cnXP &&
        LoadResourceBitmap(P.Contracted ? QStringLiteral("XPNODEC") : QStringLiteral("XPNODEO"), res)) {
        glyphAt(res, left + 4, 10);
        return;
    }
    if (type == TNodeType::cnGlyph && !n.ExpandGlyph()->Empty() && !n.ContractGlyph()->Empty()) {
        const TBitmap& g = P.Contracted ? *n.ContractGlyph() : *n.ExpandGlyph();
        glyphAt(g, left, g.Height());
        return;
    }
    // An 8 x 8 box: a plus or minus for cnFlat, an edge for the others.
    TRect b{left + 4, mid - 4, left + 12, mid + 4};
    C.Brush().SetColor(n.Color());
    if (type == TNodeType::cnFlat) {
        C.Pen().SetColor(n.NodeColor());
        C.Pen().SetWidth(1);
        C.Rectangle(b);
        C.MoveTo(b.Left + 2, b.Top + 4);
        C.LineTo(b.Left + 7, b.Top + 4);
        if (P.Contracted) {
            C.MoveTo(b.Left + 4, b.Top + 2);
            C.LineTo(b.Left + 4, b.Top + 7);
        }
    } else {
        C.FillRect(b);
        DrawEdge(C, b, P.Contracted ? EDGE_RAISED : EDGE_SUNKEN, BF_RECT);
    }
}

}  // namespace

// ---- layout -------------------------------------------------------------------------------------

TVynStringGrid::TCellGraphicLayout TVynStringGrid::GetCellGraphicLayout(int ACol, int ARow)
{
    TCellGraphicLayout L;
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return L;
    L.Graphic = g;
    L.HAlign = g->CellHAlign();
    L.VAlign = g->CellVAlign();
    const int check = FControlLook->CheckSize();
    switch (g->CellType()) {
    case TCellType::ctBitmap:
        if (const auto* b = dynamic_cast<const TGraphic*>(g->CellBitmap())) {
            L.Width = b->Width();
            L.Height = b->Height();
        }
        break;
    case TCellType::ctIcon:
        if (const TIcon* i = g->CellIcon()) {
            L.Width = i->Width();
            L.Height = i->Height();
        }
        break;
    case TCellType::ctImageList:
    case TCellType::ctDataImage:
        if (TImageList* images = GetGridImages()) {
            L.Width = images->Width();
            L.Height = images->Height();
        }
        L.ShowText = g->CellType() != TCellType::ctDataImage;
        break;
    case TCellType::ctCheckBox:
    case TCellType::ctTriStateCheckBox:
        L.Width = L.Height = check;
        break;
    case TCellType::ctDataCheckBox:
    case TCellType::ctVirtCheckBox:
    case TCellType::ctRowCheckBox:
        L.Width = L.Height = check;
        L.ShowText = false;
        break;
    case TCellType::ctRotated:
    case TCellType::ctRadio:
    case TCellType::ctProgress:
    case TCellType::ctRangeIndicator:
    case TCellType::ctXPProgress: L.ShowText = false; break;
    case TCellType::ctImages:
        if (const auto* list = dynamic_cast<const TIntList*>(g->CellBitmap()); list && GetGridImages()) {
            const TImageList* im = GetGridImages();
            if (g->CellBoolean()) {
                L.Width = list->Count() * im->Width();
                L.Height = im->Height();
            } else {
                L.Width = im->Width();
                L.Height = list->Count() * im->Height();
            }
        }
        break;
    case TCellType::ctPicture:
    case TCellType::ctFilePicture: {
        const TPoint cell = CellSize(DisplColIndex(ACol), ARow);
        const TPoint p = g->GetPictureSize(cell.X, cell.Y, true);
        L.Width = p.X;
        L.Height = p.Y;
        break;
    }
    case TCellType::ctButton:
    case TCellType::ctBitButton:
        L.Width = g->CellIndex() & 0xFFFF;
        L.Height = (g->CellIndex() >> 16) & 0xFFFF;
        break;
    case TCellType::ctProgressPie: L.Width = L.Height = 20; break;
    case TCellType::ctInterface:
        if (auto* sized = dynamic_cast<IGridCellSize*>(g->CellBitmap())) {
            L.Width = sized->CellWidth();
            L.Height = sized->CellHeight();
        }
        break;
    case TCellType::ctRadioButton: L.Width = L.Height = FControlLook->RadioSize() + 4; break;
    case TCellType::ctShape: L.Width = L.Height = std::max(0, RowHeights(ARow) - 2 * FXYOffset.Y); break;
    case TCellType::ctRating:
        L.Width = 18 * g->CellAngle();
        L.Height = 16;
        L.ShowText = false;
        break;
    default: break;
    }
    return L;
}

// ---- the graphic stage --------------------------------------------------------------------------

void TVynStringGrid::DrawCellGraphic(TCanvas& ACanvas, TCellPaint& P, TRect R)
{
    const TCellGraphicLayout& L = P.Layout;
    TCellGraphic& g = *L.Graphic;
    const TCellType kind = g.CellType();
    const int ACol = P.RealCol, ARow = P.Row;
    if (kind != TCellType::ctNode && kind != TCellType::ctProgress && kind != TCellType::ctRangeIndicator &&
        kind != TCellType::ctXPProgress)
        InflateRect(R, -(FXYOffset.X - 1), -(FXYOffset.Y - 1));
    const int W = L.Width, H = L.Height, TW = P.TextWidth;
    // The graphic's box.
    int x = R.Left + 1, y = R.Top + 1;
    const int rw = R.Width(), rh = R.Height();
    switch (L.HAlign) {
    case TCellHAlign::haLeft: x = R.Left + 1; break;
    case TCellHAlign::haRight: x = R.Right - 1 - W; break;
    case TCellHAlign::haCenter: x = W < rw ? R.Left + (rw - W) / 2 : R.Left + 1; break;
    case TCellHAlign::haBeforeText:
        if (P.HA == taRightJustify)
            x = R.Right - TW - W;
        else if (P.HA == taCenter)
            x = R.Left + (rw - TW - W) / 2;
        x = std::max(x, R.Left + 1);
        break;
    case TCellHAlign::haAfterText:
        if (P.HA == taRightJustify)
            x = R.Right - 1 - W;
        else if (P.HA == taCenter)
            x = TW + R.Left + (rw - TW - W) / 2;
        else
            x = R.Left + TW;
        break;
    case TCellHAlign::haFull: x = R.Left; break;
    }
    TCellVAlign va = L.VAlign;
    const bool box = kind == TCellType::ctCheckBox || kind == TCellType::ctDataCheckBox ||
                     kind == TCellType::ctRowCheckBox || kind == TCellType::ctVirtCheckBox ||
                     kind == TCellType::ctRadioButton || kind == TCellType::ctTriStateCheckBox;
    if (box && P.VA != FVAlignment)
        va = P.VA == TVAlignment::vtaCenter   ? TCellVAlign::vaCenter
             : P.VA == TVAlignment::vtaBottom ? TCellVAlign::vaBottom
                                              : TCellVAlign::vaTop;
    switch (va) {
    case TCellVAlign::vaTop:
    case TCellVAlign::vaAboveText: y = R.Top + 1; break;
    case TCellVAlign::vaBottom: y = R.Bottom - 1 - H; break;
    case TCellVAlign::vaCenter: y = H < rh ? R.Top + (rh - H) / 2 : R.Top + 1; break;
    case TCellVAlign::vaUnderText: y = R.Bottom - H; break;
    case TCellVAlign::vaFull: y = R.Top; break;
    }
    if (box) {
        // Boxes follow the text's alignment; a box beside text leaves the
        // text's width free at the right.
        const bool besideText = kind == TCellType::ctCheckBox || kind == TCellType::ctRadioButton ||
                                kind == TCellType::ctTriStateCheckBox;
        const int free = besideText ? TW : 0;
        if (P.HA == taRightJustify)
            x = R.Right - free - 1 - W;
        else if (P.HA == taCenter)
            x = besideText && TW > 0 ? R.Left + (rw - TW) / 2 - W : R.Left + (rw - W) / 2;
        else
            x = R.Left + 1;
        x = std::max(x, R.Left + 1);
    }
    TRect G{x, y, x + W, y + H};
    if (L.HAlign == TCellHAlign::haFull) {
        G.Left = R.Left;
        G.Right = R.Right;
    }
    if (va == TCellVAlign::vaFull) {
        G.Top = R.Top;
        G.Bottom = R.Bottom;
    }
    const TCStyle style = FControlLook->ControlStyle();
    auto canEdit = [&] {
        bool e = true;
        DoCanEditCell(ACol, ARow, e);
        return e;
    };
    switch (kind) {
    case TCellType::ctNode: {
        auto level = [this](int Row) {
            const TCellProperties* p = Row >= 0 && Row < RowCount() ? PropsAt(0, Row) : nullptr;
            return p ? p->NodeLevel() : (Row >= 0 && Row < RowCount() ? 0 : -1);
        };
        TColor back = ACanvas.Brush().Color();
        if (back == clNone)
            back = FixedCols() > 0 ? FixedColor() : Color();
        auto guard = ACanvas.SaveState();
        DrawNodeGlyph(ACanvas, {*FCellNode, R, level(ARow), level(ARow - 1), level(ARow + 1), g.CellBoolean(),
                                FCellNode->ShowTree() && ARow >= FixedRows(), back});
        break;
    }
    case TCellType::ctBitmap:
        if (const auto* b = dynamic_cast<const TBitmap*>(g.CellBitmap())) {
            if (g.CellTransparent())
                ACanvas.DrawTransparent(G.Left, G.Top, *b, b->BottomLeftColor());
            else
                ACanvas.Draw(G.Left, G.Top, *b);
        } else if (const auto* gr = dynamic_cast<const TGraphic*>(g.CellBitmap())) {
            ACanvas.Draw(G.Left, G.Top, *gr);
        }
        break;
    case TCellType::ctIcon:
        if (g.CellIcon())
            ACanvas.Draw(G.Left, G.Top, *g.CellIcon());
        break;
    case TCellType::ctImageList:
        if (TImageList* im = GetGridImages(); im && g.CellIndex() >= 0 && g.CellIndex() < im->Count())
            im->Draw(ACanvas, G.Left, G.Top, g.CellIndex());
        break;
    case TCellType::ctDataImage:
        if (TImageList* im = GetGridImages()) {
            const int idx = Safe([&] { return Ints(ACol, ARow); }) + g.CellIndex();
            if (idx >= 0 && idx < im->Count())
                im->Draw(ACanvas, G.Left, G.Top, idx);
        }
        break;
    case TCellType::ctImages:
        if (TImageList* im = GetGridImages())
            if (const auto* list = dynamic_cast<const TIntList*>(g.CellBitmap())) {
                int px = G.Left, py = G.Top;
                for (int i = 0; i < list->Count(); ++i) {
                    const int idx = list->Items(i);
                    if (idx >= 0 && idx < im->Count())
                        im->Draw(ACanvas, px, py, idx);
                    if (g.CellBoolean())
                        px += im->Width();
                    else
                        py += im->Height();
                }
            }
        break;
    case TCellType::ctCheckBox:
    case TCellType::ctRowCheckBox:
        DrawCheck(ACanvas, G, g.CellBoolean(), canEdit(), g.CellAngle() > 0, style, false, cbUnchecked);
        break;
    case TCellType::ctDataCheckBox:
    case TCellType::ctVirtCheckBox:
        DrawCheck(ACanvas, G, GetCellEx(ACol, ARow) == GetCheckTrue(ACol, ARow), canEdit(), false, style, false,
                  cbUnchecked);
        break;
    case TCellType::ctTriStateCheckBox:
        DrawCheck(ACanvas, G, false, canEdit(), false, style, true, g.CellCheckBoxState());
        break;
    case TCellType::ctRadioButton: {
        const int rs = FControlLook->RadioSize();
        const TRect rb{G.Left + FXYOffset.X, G.Top, G.Left + FXYOffset.X + rs, G.Top + rs};
        TStringList none;
        DrawRadioGroup(ACanvas, rb, 1, g.CellBoolean() ? 0 : -2, false, !canEdit(), &none, false, ACol, ARow, style,
                       1.0, false);
        break;
    }
    case TCellType::ctRadio: {
        const TStringList* items = GetRadioStrings(ACol, ARow);
        const int count = items ? items->Count() : 0;
        DrawRadioGroup(ACanvas, R, count, g.CellIndex(), g.CellBoolean(), !canEdit(), items,
                       P.State.Contains(gdSelected), ACol, ARow, style, 1.0, false);
        break;
    }
    case TCellType::ctRotated: {
        auto guard = ACanvas.SaveState();
        TRect clip = R;
        InflateRect(clip, -2, -2);
        ACanvas.IntersectClipRect(clip);
        ACanvas.Font().SetOrientation(g.CellAngle() * 10);
        ACanvas.Brush().SetStyle(bsClear);
        const String text = GetFormattedCell(ACol, ARow);
        // The text turns about its start: placed so that its rotated box
        // lies in the cell as the alignment asks.
        const double a = g.CellAngle() * M_PI / 180.0;
        const int w = ACanvas.TextWidth(text), h = ACanvas.TextHeight(text);
        const double ca = std::cos(a), sa = std::sin(a);
        // Corners of the rotated text box relative to its start (y grows down).
        const double xs[4] = {0, w * ca, w * ca + h * sa, h * sa};
        const double ys[4] = {0, -w * sa, -w * sa + h * ca, h * ca};
        const double minx = *std::min_element(xs, xs + 4), maxx = *std::max_element(xs, xs + 4);
        const double miny = *std::min_element(ys, ys + 4), maxy = *std::max_element(ys, ys + 4);
        const int bw = int(maxx - minx), bh = int(maxy - miny);
        int bx = clip.Left, by = clip.Top;
        if (P.HA == taRightJustify)
            bx = clip.Right - bw;
        else if (P.HA == taCenter)
            bx = clip.Left + (clip.Width() - bw) / 2;
        if (P.VA == TVAlignment::vtaBottom)
            by = clip.Bottom - bh;
        else if (P.VA == TVAlignment::vtaCenter)
            by = clip.Top + (clip.Height() - bh) / 2;
        ACanvas.TextOut(bx - int(minx), by - int(miny), text);
        break;
    }
    case TCellType::ctPicture:
        if (const auto* pic = dynamic_cast<const TPicture*>(g.CellBitmap()); pic && pic->Graphic()) {
            if (g.CellAngle() != 0)
                ACanvas.StretchDraw(G, *pic->Graphic());
            else
                ACanvas.Draw(G.Left, G.Top, *pic->Graphic());
        }
        break;
    case TCellType::ctFilePicture:
        if (const auto* fp = dynamic_cast<const TFilePicture*>(g.CellBitmap()))
            fp->DrawPicture(ACanvas, G);
        break;
    case TCellType::ctProgress: {
        TRect pr = R;
        InflateRect(pr, -2, -2);
        const double v = Safe([&] { return Floats(ACol, ARow); });
        const bool themed = (style == TCStyle::csWinXP || style == TCStyle::csTheme) &&
                            Themes().IsActive() && FControlLook->ProgressXP();
        if (themed) {
            TRect b = R;
            InflateRect(b, -FControlLook->ProgressMarginX(), -FControlLook->ProgressMarginY());
            Themes().DrawPart(ACanvas, QStringLiteral("progress"), PP_BAR, 1, b);
            InflateRect(b, -2, -2);
            const double pct = std::clamp(v, 0.0, 100.0);
            b.Right = b.Left + int(b.Width() * pct / 100.0);
            if (b.Right > b.Left)
                Themes().DrawPart(ACanvas, QStringLiteral("progress"), PP_CHUNK, 1, b);
        } else {
            const TColor c1 = g.CellBitmapColor(), c2 = g.CellIconColor();
            const TColor a1 = c1, a2 = g.CellBoolean() ? TColor(g.CellAngle()) : InvertColor(c2);
            const TColor a3 = c2, a4 = g.CellBoolean() ? TColor(g.CellIndex()) : InvertColor(c1);
            DrawProgressBar(ACanvas, pr, a1, a2, a3, a4, v, FControlLook->ProgressMarginX(),
                            FControlLook->ProgressMarginY(), g.CellErrFrom(), g.CellErrLen(), g.CellText(),
                            FControlLook->ProgressBorderColor(), false);
        }
        break;
    }
    case TCellType::ctComment:
        if (FControlLook->CommentColor() != clNone) {
            // The comment's own colour (AddColorComment), else the look's.
            const TColor c = TColor(g.CellIndex()) != clNone ? TColor(g.CellIndex()) : FControlLook->CommentColor();
            const int X = FXYOffset.X, Y = FXYOffset.Y;
            ACanvas.Brush().SetColor(c);
            ACanvas.Pen().SetColor(c);
            ACanvas.Polygon({{R.Right + X - 8, R.Top - Y + 1}, {R.Right + X - 3, R.Top - Y + 1},
                             {R.Right + X - 3, R.Top - Y + 6}});
            ACanvas.Brush().SetColor(Color());
        }
        break;
    case TCellType::ctButton:
    case TCellType::ctBitButton:
    case TCellType::ctExpand: {
        g.SetCellValue(double(((G.Top - R.Top) << 16) | ((G.Left - R.Left) & 0xFFFF)));
        const bool enabled = FControlLook->NoDisabledButtonLook() || canEdit();
        int kindLook = FControlLook->FlatButton() ? 2 : (Themes().IsActive() ? 0 : 1);
        int state = g.CellBoolean() ? 2 : (FPushedCellButton.X == ACol && FPushedCellButton.Y == ARow ? 1 : 0);
        if (!enabled && kind != TCellType::ctExpand)
            state = 3;
        const TColorTones tones;
        if (kind == TCellType::ctExpand) {
            const TRect e{R.Right - 13, R.Top, R.Right, R.Top + 13};
            DrawCellButton(ACanvas, this, e, tones, state, kindLook);
            ACanvas.Pen().SetColor(clBlack);
            ACanvas.Brush().SetColor(clBlack);
            if (!g.CellVar().isValid() || g.CellVar().toBool())
                ACanvas.Polyline({{R.Right - 10, R.Top + 8}, {R.Right - 7, R.Top + 5}, {R.Right - 3, R.Top + 9}});
            else
                ACanvas.Polyline({{R.Right - 10, R.Top + 5}, {R.Right - 7, R.Top + 8}, {R.Right - 3, R.Top + 4}});
            break;
        }
        DrawCellButton(ACanvas, this, G, tones, state, kindLook);
        TRect c = G;
        if (state == 2)
            OffsetRect(c, 1, 1);
        if (kind == TCellType::ctBitButton)
            if (const auto* glyph = dynamic_cast<const TBitmap*>(g.CellBitmap()); glyph && !glyph->Empty()) {
                int gy = c.Top + (c.Height() - glyph->Height()) / 2;
                if (gy < c.Top)
                    gy = c.Top + 3;
                int gx = c.Left + 3;
                if (g.CellText().isEmpty() && glyph->Width() < c.Width())
                    gx = c.Left + (c.Width() - glyph->Width()) / 2;
                ACanvas.DrawTransparent(gx, gy, *glyph, glyph->BottomLeftColor());
                c.Left += glyph->Width() + 4;
            }
        auto guard = ACanvas.SaveState();
        ACanvas.Brush().SetStyle(bsClear);
        ACanvas.Font().SetColor(enabled ? clBtnText : clGrayText);
        const unsigned lines = g.CellText().contains(u'\r') ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER;
        ACanvas.DrawText(c, g.CellText(), DT_CENTER | DT_END_ELLIPSIS | DT_NOPREFIX | lines);
        break;
    }
    case TCellType::ctProgressPie:
        DrawProgressPie(ACanvas, TRect{G.Left, G.Top, G.Left + 20, G.Top + 20}, g.CellBitmapColor(), g.CellAngle(),
                        false);
        break;
    case TCellType::ctRangeIndicator: {
        TRect ri = R;
        InflateRect(ri, -FControlLook->ProgressMarginX(), -FControlLook->ProgressMarginY());
        DrawRangeIndicator(ACanvas, ri, Safe([&] { return Ints(ACol, ARow); }), g.CellIndex(), g.CellBoolean(),
                           g.CellBitmapColor(), g.CellIconColor());  // negative, positive
        break;
    }
    case TCellType::ctXPProgress: {
        const TGridProgressAppearance& pa = *FProgressAppearance;
        TProgressDrawParams p;
        p.Level0Color = pa.Level0Color();
        p.Level0ColorTo = pa.Level0ColorTo();
        p.Level1Color = pa.Level1Color();
        p.Level1ColorTo = pa.Level1ColorTo();
        p.Level2Color = pa.Level2Color();
        p.Level2ColorTo = pa.Level2ColorTo();
        p.Level3Color = pa.Level3Color();
        p.Level3ColorTo = pa.Level3ColorTo();
        p.Level1Perc = pa.Level1Perc();
        p.Level2Perc = pa.Level2Perc();
        p.BorderColor = pa.BorderColor();
        p.ShowBorder = pa.ShowBorder();
        p.Stacked = pa.Stacked();
        p.ShowPercentage = pa.ShowPercentage();
        p.Font = &Font();
        p.CompleteFontColor = pa.CompleteFontColor();
        p.CompletionSmooth = pa.CompletionSmooth();
        p.ShowGradient = pa.ShowGradient();
        p.Steps = pa.Steps();
        p.UnCompleteColor = pa.UnCompleteColor() == clNone ? ACanvas.Brush().Color() : pa.UnCompleteColor();
        TRect xr = R;
        InflateRect(xr, -FControlLook->ProgressMarginX(), -FControlLook->ProgressMarginY());
        --xr.Right;
        --xr.Bottom;
        // An empty range draws 0 %.
        const int span = g.CellErrLen() - g.CellErrFrom();
        const int v = Safe([&] { return Ints(ACol, ARow); });
        const int pct = span == 0 ? 0 : int(std::lround(std::fabs(double(v - g.CellErrFrom())) / span * 100.0));
        DrawVynProgressBar(ACanvas, xr, std::clamp(pct, 0, 100), p);
        break;
    }
    case TCellType::ctInterface: break;  // the object draws itself (no interface yet)
    case TCellType::ctShape:
        // The line colour is kept in CellBitmapColor, the fill in CellIndex.
        DrawCellShape(ACanvas, G.Left, G.Top, g.CellBitmapColor(), TColor(g.CellIndex()), TCellShape(g.CellAngle()),
                      G.Height() - 1, G.Width() - 1);
        break;
    case TCellType::ctRating: {
        const double value = Safe([&] { return Floats(ACol, ARow); });
        const double v = std::trunc(value * 2) / 2;
        const TColor empty = g.CellBitmapColor(), full = TColor(g.CellIndex());
        for (int i = 0; i < g.CellAngle(); ++i) {
            const int sx = G.Left + 18 * i;
            // Only the stars inside the cell.
            if (sx + 16 > R.Right)
                break;
            const TColor star = i + 1 > v ? empty : full;
            DrawCellShape(ACanvas, sx, G.Top, star, star, TCellShape::csStar, 16, 16);
            if (i < v && v < i + 1)
                DrawCellShape(ACanvas, sx, G.Top, full, full, TCellShape::csHalfStar, 16, 16);
        }
        break;
    }
    default: break;
    }
}

// ---- check boxes and radio buttons --------------------------------------------------------------

void TVynStringGrid::DrawCheck(TCanvas& ACanvas, const TRect& R, bool Checked, bool Enabled, bool Grayed,
                               TCStyle Style, bool TriState, TCheckBoxState State)
{
    const TControlLook& look = *FControlLook;
    if (look.NoDisabledCheckRadioLook() || look.CheckAlwaysActive())
        Enabled = true;
    if (Style == TCStyle::csTheme && !Themes().IsActive())
        Style = TCStyle::csClassic;
    if (TriState) {
        Checked = State == cbChecked;
        Grayed = State == cbGrayed;
    }
    const int cs = look.CheckSize();
    auto guard = ACanvas.SaveState();
    switch (Style) {
    case TCStyle::csClassic:
    case TCStyle::csFlat: {
        const int x = R.Left + (R.Width() - cs) / 2, y = R.Top + (R.Height() - cs) / 2;
        unsigned state = DFCS_BUTTONCHECK;
        if (Checked)
            state |= DFCS_CHECKED;
        if (Grayed)
            state |= DFCS_BUTTON3STATE | DFCS_CHECKED;
        if (Style == TCStyle::csFlat)
            state |= DFCS_FLAT;
        if (!Enabled)
            state |= DFCS_INACTIVE;
        DrawFrameControl(ACanvas, TRect{x, y, x + cs, y + cs}, DFC_BUTTON, state);
        break;
    }
    case TCStyle::csWinXP:
    case TCStyle::csVyn: {
        const int first = Style == TCStyle::csVyn ? 1 : 5;
        const int n = first + (Checked ? 0 : 1) + (Enabled ? 0 : 2);
        DrawGlyph(ACanvas, R.Left, R.Top, QStringLiteral("VSGCHK%1").arg(n, 2, 10, QChar(u'0')));
        break;
    }
    case TCStyle::csQuessel: {
        const TRect b{R.Left, R.Top, R.Left + cs, R.Top + cs};
        ACanvas.Brush().SetColor(Enabled ? clBtnFace : clBtnShadow);
        ACanvas.Pen().SetColor(clBtnFace);
        ACanvas.Rectangle(b);
        ACanvas.Pen().SetColor(clBtnHighlight);
        ACanvas.MoveTo(b.Left, b.Bottom - 1);
        ACanvas.LineTo(b.Left, b.Top);
        ACanvas.LineTo(b.Right - 1, b.Top);
        ACanvas.Pen().SetColor(clBtnShadow);
        ACanvas.LineTo(b.Right - 1, b.Bottom - 1);
        ACanvas.LineTo(b.Left, b.Bottom - 1);
        if (Checked) {
            ACanvas.Pen().SetColor(Enabled ? look.Color() : TColor(0x808080));
            ACanvas.Pen().SetWidth(1);
            const int mid = b.Top + cs / 2;
            ACanvas.MoveTo(b.Left + 2, mid);
            ACanvas.LineTo(b.Left + 2, b.Bottom - 2);
            ACanvas.MoveTo(b.Left + 3, mid);
            ACanvas.LineTo(b.Left + 3, b.Bottom - 2);
            ACanvas.MoveTo(b.Left + 2, b.Bottom - 2);
            ACanvas.LineTo(b.Right - 2, b.Top + 2);
            ACanvas.MoveTo(b.Left + 3, b.Bottom - 2);
            ACanvas.LineTo(b.Right - 1, b.Top + 2);
        }
        break;
    }
    case TCStyle::csGlyph: {
        const TBitmap* glyph = Checked ? look.CheckedGlyph() : look.UnCheckedGlyph();
        if (glyph && !glyph->Empty())
            ACanvas.DrawTransparent(R.Left, R.Top, *glyph, glyph->BottomLeftColor());
        break;
    }
    case TCStyle::csTheme: {
        int state = Checked ? (Enabled ? CBS_CHECKEDNORMAL : CBS_CHECKEDDISABLED)
                            : (Enabled ? CBS_UNCHECKEDNORMAL : CBS_UNCHECKEDDISABLED);
        if (Grayed)
            state = Enabled ? CBS_MIXEDNORMAL : CBS_MIXEDDISABLED;
        Themes().DrawPart(ACanvas, QStringLiteral("button"), BP_CHECKBOX, state,
                          TRect{R.Left, R.Top, R.Left + cs, R.Top + cs});
        break;
    }
    }
}

void TVynStringGrid::DrawRadioGroup(TCanvas& ACanvas, const TRect& R, int Count, int CheckedIndex, bool Horizontal,
                                    bool Disabled, const TStringList* Items, bool Selected, int ACol, int ARow,
                                    TCStyle Style, double Scale, bool Upward)
{
    const TControlLook& look = *FControlLook;
    if (look.NoDisabledCheckRadioLook() || look.RadioAlwaysActive())
        Disabled = false;
    if (Count <= 0)
        return;
    if (Style == TCStyle::csTheme && !Themes().IsActive())
        Style = TCStyle::csClassic;
    auto guard = ACanvas.SaveState();
    ACanvas.SetBkMode(TRANSPARENT);
    ACanvas.Brush().SetStyle(bsClear);
    if (Selected && FShowSelection && FSelectionTextColor != clNone)
        ACanvas.Font().SetColor(FSelectionTextColor);
    const String cellText = CheckedIndex == -1 ? GetCellEx(ACol, ARow) : String();
    const bool frame = Style == TCStyle::csClassic || Style == TCStyle::csFlat;
    int step = ACanvas.TextHeight(QStringLiteral("gh"));
    if (!frame)
        step = std::max(step, 16);
    const int rs = int(look.RadioSize() * Scale);
    int hx = R.Left;
    for (int i = 1; i <= Count; ++i) {
        const String caption = Items && Items->Count() >= i ? Items->Strings(i - 1) : String();
        const bool checked = CheckedIndex == -1 ? caption == cellText && !caption.isEmpty() : i == CheckedIndex + 1;
        int x = R.Left, y = R.Top;
        if (Horizontal) {
            x = hx;
        } else {
            const int dy = step * (i - 1);
            y = Upward ? R.Top - dy : R.Top + dy;
        }
        int captionX = x;
        switch (Style) {
        case TCStyle::csClassic:
        case TCStyle::csFlat: {
            const int size = Style == TCStyle::csFlat ? rs + 2 : rs;
            if (!Horizontal && caption.isEmpty())
                x = R.Left + (R.Width() - size) / 2;
            unsigned state = DFCS_BUTTONRADIO;
            if (checked)
                state |= DFCS_CHECKED;
            if (Style == TCStyle::csFlat)
                state |= DFCS_FLAT;
            if (Disabled)
                state |= DFCS_INACTIVE;
            DrawFrameControl(ACanvas, TRect{x, y, x + size, y + size}, DFC_BUTTON, state);
            captionX = x + int(Scale * (Horizontal ? look.RadioSize() : look.RadioSize() + 4));
            break;
        }
        case TCStyle::csQuessel: {
            const auto pt = [&](int px, int py) { return TPoint(x + px, y + py); };
            ACanvas.Brush().SetStyle(bsSolid);
            ACanvas.Brush().SetColor(clBtnFace);
            ACanvas.Pen().SetColor(clBtnFace);
            ACanvas.Polygon({pt(2, 8), pt(8, 2), pt(14, 8), pt(8, 14)});
            ACanvas.Pen().SetColor(checked ? TColor(0x808080) : clWhite);
            ACanvas.MoveTo(x + 2, y + 8);
            ACanvas.LineTo(x + 8, y + 2);
            ACanvas.LineTo(x + 14, y + 8);
            ACanvas.Pen().SetColor(checked ? clWhite : TColor(0x808080));
            ACanvas.LineTo(x + 8, y + 14);
            ACanvas.LineTo(x + 2, y + 8);
            if (checked) {
                ACanvas.Brush().SetColor(look.Color());
                ACanvas.Pen().SetColor(look.Color());
                ACanvas.Polygon({pt(6, 8), pt(8, 6), pt(10, 8), pt(8, 10)});
            }
            ACanvas.Brush().SetStyle(bsClear);
            captionX = x + (Horizontal ? 16 : 18);
            break;
        }
        case TCStyle::csTheme: {
            const int state = checked ? (Disabled ? RBS_CHECKEDDISABLED : RBS_CHECKEDNORMAL)
                                      : (Disabled ? RBS_UNCHECKEDDISABLED : RBS_UNCHECKEDNORMAL);
            Themes().DrawPart(ACanvas, QStringLiteral("button"), BP_RADIOBUTTON, state, TRect{x, y, x + 16, y + 16});
            captionX = x + (Horizontal ? 16 : 18);
            break;
        }
        case TCStyle::csWinXP:
        case TCStyle::csVyn: {
            const int first = Style == TCStyle::csVyn ? 1 : 5;
            const int n = first + (checked ? 0 : 1) + (Disabled ? 2 : 0);
            DrawGlyph(ACanvas, x, y, QStringLiteral("VSGRAD%1").arg(n, 2, 10, QChar(u'0')));
            captionX = x + (Horizontal ? 16 : 18);
            break;
        }
        case TCStyle::csGlyph: {
            const TBitmap* glyph = checked ? look.RadioOnGlyph() : look.RadioOffGlyph();
            if (glyph && !glyph->Empty())
                ACanvas.DrawTransparent(x, y, *glyph, glyph->BottomLeftColor());
            captionX = x + (Horizontal ? 16 : 18);
            break;
        }
        }
        if (!caption.isEmpty())
            ACanvas.TextOut(captionX, y + (Horizontal || frame ? 0 : 1), caption);
        if (Horizontal)
            hx = captionX + ACanvas.TextWidth(caption) + 4;
    }
}
