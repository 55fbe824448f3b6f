// What the grid shows outside its cells: the text of the balloon tooltip,
// the one-pixel border of the modern looks, and the focus frame around the
// cell being edited; with them the rotated-cell operations, the link
// settings and the small hooks (docs/GRID.md, "Looks and styles").
#include <QPainter>
#include <QWidget>

#include "grid/core/grid_halo.h"
#include "grid/core/grid_startup.h"
#include "grid/core/grid_text.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/interact/grid_interact_holders.h"
#include "grid/render/html/html_text.h"
#include "grid/render/rtf_reader.h"
#include "platform/gui/layered_window.h"
#include "platform/gui/overlay_window.h"

namespace {

constexpr int kBalloonMaxText = 2048;
constexpr int kBalloonKeptText = 2045;
constexpr int kBalloonMaxTitle = 100;
constexpr int kBalloonKeptTitle = 97;
constexpr TColor kFocusColor = 0xFDD397;
constexpr uint8_t kFocusOpacity = 230;

// The first Count UTF-16 units, one less when that would split a pair.
String leftUnits(const String& S, int Count)
{
    if (Count < S.size() && Count > 0 && S.at(Count - 1).isHighSurrogate())
        --Count;
    return S.left(Count);
}

}  // namespace

// ---- the balloon text ---------------------------------------------------------------------------

TGridBalloonText TVynStringGrid::BalloonTextAt(int X, int Y)
{
    TGridBalloonText r;
    if (!FBalloonSettings || !FBalloonSettings->Enable())
        return r;
    r.Supplied = true;
    int c = -1, row = -1;
    MouseToCell(X, Y, c, row);
    if (c >= 0 && row >= 0 && IsMergedCell(c, row)) {
        const TPoint b = BaseCell(c, row);
        c = b.X;
        row = b.Y;
    }
    const int realCol = c >= 0 ? RealColIndex(c) : c;
    String text;
    if (c != -1 && row != -1) {
        const String raw = GetCellEx(realCol, row);
        bool password = false;
        DoIsPasswordCell(realCol, row, password);
        if (password) {
            // Shown as painting shows it: one mask character per character.
            text = String(raw.toUcs4().size(), FPasswordChar);
        } else {
            switch (GetTextType(raw, FEnableHTML)) {
            case ttHTML: text = HTMLToPlainText(raw); break;
            case ttRTF: text = RTFToPlainText(raw); break;
            case ttWide: text = DecodeWideCellText(raw); break;
            default: text = raw; break;
            }
        }
    }
    int first = 0;
    while (first < text.size() && (text[first] == '\r' || text[first] == '\n' || text[first] == '\t'))
        ++first;
    text = text.mid(first);
    text.replace('\t', ' ');
    if (text.size() > kBalloonMaxText)
        text = leftUnits(text, kBalloonKeptText) + QStringLiteral("...");
    r.Text = text;
    r.Icon = 1;
    r.Title = QStringLiteral(" ");
    if (c >= 0 && row >= 0 && c < ColCount() && row < RowCount()) {
        String title, btext;
        TBalloonIcon icon = TBalloonIcon::biInfo;
        if (IsBalloon(realCol, row, title, btext, icon)) {
            r.Title = title;
            r.Text = btext;
            r.Icon = int(icon);
        }
    }
    if (OnCellBalloon)
        OnCellBalloon(this, realCol, row, r.Title, r.Text, r.Icon);
    r.Col = c;
    r.Row = row;
    if (r.Title.size() > kBalloonMaxTitle)
        r.Title = leftUnits(r.Title, kBalloonKeptTitle) + QStringLiteral("...");
    return r;
}

void TVynStringGrid::DateTimeChanged(TDateTime ADateTime)
{
    // The handler gets the real column, as every other cell event.
    if (OnDateTimeChange)
        OnDateTimeChange(this, RealColIndex(Col()), Row(), ADateTime);
}

// ---- the border ---------------------------------------------------------------------------------

void TVynStringGrid::PaintBorder()
{
    if (QWidget* w = Widget())
        w->update();
}

void TVynStringGrid::WMNCPaint(TMessage& Message)
{
    TBaseGrid::WMNCPaint(Message);
    if (FUpdateCount > 0)
        return;
    auto* painter = reinterpret_cast<QPainter*>(Message.WParam);
    if (!painter)
        return;
    TCanvas cv;
    cv.SetPainter(painter);
    PaintBorderOn(cv);
    cv.SetPainter(nullptr);
}

void TVynStringGrid::PaintBorderOn(TCanvas& ACanvas)
{
    switch (FLook) {
    case TGridLook::glSoft:
    case TGridLook::glVyn:
    case TGridLook::glXP:
    case TGridLook::glListView:
    case TGridLook::glVista:
    case TGridLook::glWin7:
    case TGridLook::glOffice2007: break;
    default: return;
    }
    if (BorderStyle() == bsNone || FBorderColor == clNone || FFlat)
        return;
    const int W = Width(), H = Height();
    ACanvas.Pen().SetStyle(psSolid);
    ACanvas.Pen().SetWidth(1);
    ACanvas.Pen().SetColor(FBorderColor);
    if (FFitCellsInGrid) {
        ACanvas.Polyline({{1, H}, {1, 1}, {W - 2, 1}, {W - 2, H - 2}, {1, H - 2}});
        if (Parent()) {
            ACanvas.Pen().SetColor(Parent()->Color());
            ACanvas.Polyline({{0, H}, {0, 0}, {W - 1, 0}, {W - 1, H - 1}, {0, H - 1}});
        }
    } else if (FIsComCtl6) {
        ACanvas.Polyline({{0, H - 1}, {0, 0}, {W - 1, 0}, {W - 1, H - 1}, {0, H - 1}});
    }
}

// ---- the focus frame ----------------------------------------------------------------------------

void TVynStringGrid::ApplyLayeredMask(TWinControl* Window, const TBitmap& Mask)
{
    if (!Window || Mask.Height() == 0)
        return;
    const auto* alpha = dynamic_cast<const TGridAlphaMask*>(&Mask);
    Window->SetBounds(Window->Left(), Window->Top(), Mask.Width(), Mask.Height());
    CallUpdateLayeredWindow(Window, Mask, alpha ? alpha->Opacity() : uint8_t(255));
}

void TVynStringGrid::ShowFocusWindow(const TRect& ARect)
{
    auto* fw = dynamic_cast<TOverlayWindow*>(FFocusWindow);
    if (!fw)
        return;
    // 1.
    fw->SetVisible(false);
    const int cw = ARect.Width(), ch = ARect.Height();
    const int W = cw + 9, H = ch + 9;
    // 2.
    TBitmap mask;
    CreateRoundRectMask(mask, W, H, 4, 5, 3.0);
    TBitmap colour(W, H, pf24bit);
    colour.Canvas().Pen().SetColor(kFocusColor);
    colour.Canvas().Brush().SetColor(kFocusColor);
    colour.Canvas().Brush().SetStyle(bsSolid);
    colour.Canvas().FillRect(Rect(0, 0, W, H));
    TGridAlphaMask alpha;
    alpha.MergeMask(mask, colour);
    alpha.SetOpacity(kFocusOpacity);
    // 3.
    ApplyLayeredMask(fw, alpha);
    // 4.
    TRegion region(Rect(0, 0, W, H));
    region.Subtract(Rect(4, 4, 4 + cw, 4 + ch));
    fw->SetWindowRegion(region);
    // 5.
    const TPoint p = ClientToScreen(Point(ARect.Left, ARect.Top));
    fw->SetBounds(p.X - 4, p.Y - 4, W, H);
    fw->SetVisible(true);
}

void TVynStringGrid::MoveFocusWindow()
{
    auto* fw = dynamic_cast<TOverlayWindow*>(FFocusWindow);
    if (!fw)
        return;
    const TRect r = CellRect(Col(), Row());
    const int W = r.Width() + 9, H = r.Height() + 9;
    if (fw->Visible() && (W != fw->Width() || H != fw->Height())) {
        // The cell changed its size: the frame is made again for it.
        ShowFocusWindow(r);
        return;
    }
    const TPoint p = ClientToScreen(Point(r.Left, r.Top));
    fw->SetBounds(p.X - 4, p.Y - 4, W, H);
    fw->Invalidate();
}

void TVynStringGrid::HideFocusWindow()
{
    if (HookActiveGrid() == this)
        SetHookActiveGrid(nullptr);
    if (FFocusWindow)
        FFocusWindow->SetVisible(false);
}

// ---- rotated cells ------------------------------------------------------------------------------

int TVynStringGrid::NormalizeAngle(int AAngle)
{
    // The result of adding (taking away) whole turns until the angle lies in
    // 0 .. 360, worked out at once.
    const long long a = AAngle;
    if (a >= 0 && a <= 360)
        return int(a);
    long long r = a % 360;
    if (a < 0)
        return int(r < 0 ? r + 360 : r);
    return int(r == 0 ? 360 : r);
}

void TVynStringGrid::AddRotated(int ACol, int ARow, int AAngle, const String& S)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->SetAngle(int16_t(NormalizeAngle(AAngle)));
    SetCells(ACol, ARow, S);
}

void TVynStringGrid::SetRotated(int ACol, int ARow, int AAngle)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->SetAngle(int16_t(NormalizeAngle(AAngle)));
    RepaintLookCell(ACol, ARow, true);
}

void TVynStringGrid::RemoveRotated(int ACol, int ARow)
{
    if (RemoveCellGraphicOfType(ACol, ARow, TCellType::ctRotated))
        RepaintLookCell(ACol, ARow, true);
}

// ---- links and hooks ----------------------------------------------------------------------------

void TVynStringGrid::SetURLShow(const bool& Value)
{
    if (FURLShow == Value)
        return;
    FURLShow = Value;
    Invalidate();
}

void TVynStringGrid::SetURLFull(const bool& Value)
{
    if (FURLFull == Value)
        return;
    FURLFull = Value;
    if (FURLShow)
        Invalidate();
}

void TVynStringGrid::SetURLColor(const TColor& Value)
{
    if (FURLColor == Value)
        return;
    FURLColor = Value;
    if (FURLShow)
        Invalidate();
}

void TVynStringGrid::GridNotification() {}
