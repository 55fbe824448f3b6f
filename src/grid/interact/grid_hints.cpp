// TVynStringGrid: links under the pointer and the hints of cells.
//
// Each pointer move looks for a link under the pointer: a URL text (with
// URLShow) or an anchor of an HTML cell gives the hand cursor, entering and
// leaving an anchor fire OnAnchorEnter and OnAnchorExit (with the anchor
// that was left), and URLUnderlineOnHover repaints the hovered link. When
// the platform asks for a hint, FillCellHint composes it for the cell under
// the pointer: a comment, an anchor's hint, the cell text (HintShowCells,
// HintShowLargeText), then OnGridHint with the displayed column (its
// handlers convert it with RealColIndex when they need the real one). A hint is
// cancelled as soon as the pointer reaches another cell, and asked for
// again once the pointer rests.
#include <algorithm>
#include <utility>

#include "grid/core/grid_startup.h"
#include "grid/core/grid_text.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_footer.h"
#include "grid/interact/grid_scope.h"
#include "grid/render/grid_render_holders.h"
#include "grid/render/html/html_draw.h"
#include "grid/render/html/html_text.h"
#include "grid/render/html_hint_window.h"
#include "platform/gui/application.h"
#include "platform/gui/hintwindow.h"
#include "platform/gui/input_state.h"

namespace {

// The base cell of (ACol, ARow) (display column); (-1, -1) outside the cells.
TPoint BaseOf(const TVynStringGrid& G, int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return TPoint(-1, -1);
    return G.IsMergedCell(ACol, ARow) ? G.BaseCell(ACol, ARow) : TPoint(ACol, ARow);
}

// Cancels the hint shown and asks for a new one when the pointer rests.
void RestartHint(TControl* Control)
{
    Application.CancelHint();
    Application.HintMouseMessage(Control, TMessage{WM_MOUSEMOVE});
}

}  // namespace

// ---- links under the pointer ----------------------------------------------------------------------

TVynStringGrid::TCellLinkHit TVynStringGrid::LinkHitAt(int ACol, int ARow, int X, int Y)
{
    TCellLinkHit hit;
    const int n = RealColIndex(ACol);
    const String text = GetCellEx(n, ARow);
    // The text rectangle of the cell painter.
    TRect tr = CellRect(ACol, ARow);
    tr.Left += FXYOffset.X + 1;
    tr.Top += FXYOffset.Y + 1;
    tr.Right -= FXYOffset.X;
    if (HasCheckBox(n, ARow))
        tr.Left += FControlLook->CheckSize();
    if (HasScrollBar(n, ARow)) {
        const int pos = std::max(0, GetScrollPosition(n, ARow));
        tr.Right -= GetSystemMetrics(SM_CXVSCROLL);
        tr.Bottom += pos;
        Y += pos;
    }
    THTMLDrawOptions o;
    o.HitTestOnly = true;
    o.HitX = X;
    o.HitY = Y;
    o.WrapWords = !FEnhTextSize;
    o.LinkColor = FURLColor;
    o.ImageList = GetGridImages();
    o.PictureCache = FImageCache;
    TCanvas& canvas = Canvas();
    if (ACol < FixedCols() || ARow < FixedRows())
        canvas.Font().Assign(*FFixedFont);
    else
        canvas.Font().Assign(*GetCellFont(n, ARow));
    const THTMLDrawResult res = DrawHTMLText(canvas, text, tr, o);
    if (res.Hit && res.HitControlId.isEmpty()) {
        hit.Anchor = res.HitHref;
        hit.Title = res.HitTitle;
        hit.Index = res.HitAnchorIndex;
    }
    return hit;
}

void TVynStringGrid::SetLinkCursor(bool On)
{
    if (On == FLinkCursor)
        return;
    FLinkCursor = On;
    Invokedchange = true;
    TBaseGrid::SetCursor(On ? GridLinkCursor : FOldCursor);
}

void TVynStringGrid::AnchorMove(int ACol, int ARow, int X, int Y)
{
    TWeakRef<TVynStringGrid> self(this);
    const bool onCell = ACol >= 0 && ARow >= 0 && ACol < ColCount() && ARow < RowCount();
    const int n = onCell ? RealColIndex(ACol) : -1;
    const String text = onCell ? GetCellEx(n, ARow) : String();
    const int kind = onCell ? GetTextType(text, FEnableHTML) : ttPlain;
    bool hand = onCell && FURLShow && kind != ttHTML && IsURLText(text);
    TCellLinkHit hit;
    if (kind == ttHTML) {
        hit = LinkHitAt(ACol, ARow, X, Y);
        if (FURLUnderlineOnHover) {
            const TPoint old = FHoverLink;
            const bool otherCell = old.X != ACol || old.Y != ARow;
            if ((otherCell && old.X >= 0) || FHotAnchorIndex >= 0) {
                if (old.X >= 0)
                    RepaintCell(old.X, old.Y);
            }
            if (otherCell || FHotAnchorIndex != hit.Index) {
                FHoverLink = TPoint(ACol, ARow);
                FHotAnchorIndex = hit.Index;
                RepaintCell(ACol, ARow);
            }
        }
    } else if (FURLUnderlineOnHover && (FHoverLink.X >= 0 || FHotAnchorIndex >= 0)) {
        const TPoint old = FHoverLink;
        FHotAnchorIndex = -1;
        FHoverLink = TPoint(-1, -1);
        if (old.X >= 0)
            RepaintCell(old.X, old.Y);
    }
    if (!hit.Anchor.isEmpty()) {
        String hint = hit.Title;
        if (hint.isEmpty() && OnAnchorHint) {
            OnAnchorHint(this, ARow, n, hint);
            if (!self)
                return;
        }
        // A new anchor with another hint shows its own hint.
        if (hint != FLastAnchorHint && !FLastAnchorHint.isEmpty() && hit.Anchor != FAnchor) {
            FLastAnchorHint = hint;
            RestartHint(this);
        }
        hand = true;
        if (hit.Anchor != FAnchor) {
            // Leaving one anchor straight for another reports both.
            if (!FAnchor.isEmpty()) {
                const String left = std::exchange(FAnchor, String());
                if (OnAnchorExit)
                    OnAnchorExit(this, ARow, n, left);
                if (!self)
                    return;
            }
            FAnchor = hit.Anchor;
            if (OnAnchorEnter)
                OnAnchorEnter(this, ARow, n, FAnchor);
            if (!self)
                return;
        }
    } else if (!FAnchor.isEmpty()) {
        const String left = std::exchange(FAnchor, String());
        if (OnAnchorExit)
            OnAnchorExit(this, ARow, n, left);
        if (!self)
            return;
    }
    SetLinkCursor(hand);
}

void TVynStringGrid::HintCellMove(int ACol, int ARow)
{
    if (FLastHintPos.X < 0 && FLastHintPos.Y < 0)
        return;
    if (BaseOf(*this, ACol, ARow) == FLastHintPos)
        return;
    FLastHintPos = TPoint(-1, -1);
    RestartHint(this);
}

// ---- the hint of a cell ---------------------------------------------------------------------------

void TVynStringGrid::CMHintShow(TMessage& Message)
{
    TBaseGrid::CMHintShow(Message);
    if (auto* info = reinterpret_cast<THintInfo*>(Message.LParam))
        FillCellHint(info->HintStr, *info);
    Message.Result = 0;
}

void TVynStringGrid::FillCellHint(String& HintStr, THintInfo& HintInfo)
{
    TWeakRef<TVynStringGrid> self(this);
    // 1.
    const TPoint cp = HintInfo.CursorPos;
    int c = -1, r = -1;
    MouseToCell(cp.X, cp.Y, c, r);
    if (FControlLook->HintMaxWidth() > 0)
        HintInfo.HintMaxWidth = FControlLook->HintMaxWidth();
    SetHintFontName(Font().Name());
    TPoint pos = ScreenToClient(HintInfo.HintPos);
    // 2.
    if (c >= 0 && r >= 0) {
        // 3.
        const TPoint b = BaseOf(*this, c, r);
        FLastHintPos = b;
        const TRect R = CellRect(b.X, b.Y);
        const int n = RealColIndex(b.X);
        const String raw = GetCellEx(n, b.Y);
        const int kind = GetTextType(raw, FEnableHTML);
        bool password = false;
        DoIsPasswordCell(n, b.Y, password);
        if (!self)
            return;
        // The cell's text as a hint shows it: masked as painted, the wide
        // coding kept (step 9 decodes it for the plain window).
        auto cellHint = [&](bool Raw) {
            if (password)
                return String(raw.toUcs4().size(), FPasswordChar);
            return Raw || kind != ttHTML ? raw : HTMLToPlainText(raw);
        };
        // 4.
        String comment;
        if (IsComment(n, b.Y, comment)) {
            HintStr = comment;
            pos = TPoint(R.Right, R.Top);
        } else {
            pos = TPoint(cp.X, R.Bottom + 6);
        }
        // 5.
        if (kind == ttHTML && FAnchorHint) {
            const TCellLinkHit hit = LinkHitAt(b.X, b.Y, cp.X, cp.Y);
            if (!hit.Anchor.isEmpty()) {
                String hint = hit.Title.isEmpty() ? hit.Anchor : hit.Title;
                if (OnAnchorHint) {
                    OnAnchorHint(this, b.Y, n, hint);
                    if (!self)
                        return;
                }
                FLastAnchorHint = hint;
                HintStr = hint;
                pos = TPoint(cp.X + 8, cp.Y - 16);
            }
        }
        // 6.
        const bool dataCell = b.X >= FixedCols() && b.Y >= FixedRows() && b.X < ColCount() - FFixedRightCols &&
                              b.Y < RowCount() - FFixedFooters;
        if (FHintShowCells && dataCell) {
            pos.Y = R.Top;
            HintStr = cellHint(FHTMLHint);
        }
        // 7. (Measured without EnhTextSize.)
        if (FHintShowLargeText) {
            TPoint size;
            {
                TValueScope<bool> plain(FEnhTextSize, false);
                size = GetCellTextSize(n, b.Y);
            }
            if (size.X > R.Width() || size.Y > R.Height()) {
                if (FHintShowLargeTextPos == THintShowLargeTextPos::hpCell)
                    pos = TPoint(R.Left, R.Top);
                HintStr = cellHint(FHTMLHint);
            }
        }
        // 8. Not on the floating footer's row (the footer answers there).
        const bool footerRow =
            FFloatingFooter && FFloatingFooter->Visible() && b.Y == RowCount() - 1;
        if (!footerRow) {
            String wideHint;
            DoGridHint(b.X, b.Y, HintStr, wideHint);
            if (!self)
                return;
        }
    }
    // 9.
    const int hintKind = GetTextType(HintStr, FEnableHTML);
    const bool wide = hintKind == ttWide;
    if ((hintKind == ttHTML || wide) && FUseInternalHintClass) {
        SetHintWindowClassOfHint([](TComponent* AOwner) -> THintWindow* { return new THTMLHintWindow(AOwner); });
        HintInfo.HintData = static_cast<TObject*>(this);
    } else if (wide) {
        HintStr = DecodeWideCellText(HintStr);
    }
    HintInfo.HintPos = ClientToScreen(pos);
    HintInfo.HintColor = FHintColor;
}
