// The colour cube, the spectrum and the palette of the colour picker.
#include "controls/dropdown/ColorSelectors.h"

#include <QCursor>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

#include "controls/dropdown/SelectorDropDown.h"
#include "platform/gui/application.h"
#include "platform/gui/extctrls.h"
#include "platform/rtl/strings.h"

// ---- the cube ----------------------------------------------------------------------------------------

namespace {

// Row by row, left to right, as $BBGGRR.
constexpr TColor CubeColors[TVynColorCubePanel::CellCount] = {
    0x663300, 0x996633, 0xCC6633, 0x993300, 0x990000, 0xCC0000, 0x660000,
    0x666600, 0x996600, 0xCC9900, 0xCC6600, 0xCC3300, 0xFF0000, 0xFF3333, 0x993333,
    0x808000, 0x999900, 0xCCCC33, 0xFFCC00, 0xFF9900, 0xFF6600, 0xFF6633, 0xCC3333, 0x996666,
    0x669933, 0x99CC00, 0xCCFF00, 0xFFFF00, 0xFFCC33, 0xFF9933, 0xFF9966, 0xFF6666, 0xFF0066, 0xCC0066,
    0x339933, 0x66CC00, 0x99FF00, 0xCCFF66, 0xFFFF66, 0xFFCC66, 0xFFCC99, 0xFF9999, 0xFF6699, 0xFF3399, 0xFF0099,
    0x006600, 0x00CC00, 0x00FF00, 0x99FF66, 0xCCFF99, 0xFFFFCC, 0xFFECCC, 0xFFCCCC, 0xFF99CC, 0xFF66CC, 0xFF00CC,
    0xCC0099,
    0x003300, 0x008000, 0x33CC33, 0x66FF66, 0x99FF99, 0xCCFFCC, 0xFFFFFF, 0xFFCCFF, 0xFF99FF, 0xFF66FF, 0xFF00FF,
    0xCC00CC, 0x660066,
    0x006633, 0x009900, 0x33FF66, 0x66FF99, 0x99FFCC, 0xCCFFFF, 0xCCCCFF, 0xCC99FF, 0xCC66FF, 0xCC33FF, 0x9900CC,
    0x800080,
    0x003333, 0x009966, 0x33FF99, 0x66FFCC, 0x99FFFF, 0x99CCFF, 0x9999FF, 0x9966FF, 0x9933FF, 0x9933CC, 0x990099,
    0x336666, 0x00CC99, 0x33FFCC, 0x66FFFF, 0x66CCFF, 0x6699FF, 0x807CFF, 0x6600FF, 0x9300D6, 0x663399,
    0x008080, 0x00CCCC, 0x00FFFF, 0x00CCFF, 0x3399FF, 0x0066FF, 0x5050FF, 0x6600CC, 0x330066,
    0x336699, 0x0099CC, 0x0099FF, 0x0066CC, 0x0033FF, 0x0000FF, 0x0000CC, 0x330099,
    0x003366, 0x006699, 0x0033CC, 0x003399, 0x000099, 0x000080, 0x2100A5};

constexpr int CubeRowLength[13] = {7, 8, 9, 10, 11, 12, 13, 12, 11, 10, 9, 8, 7};

std::vector<TPoint> hexagon(TPoint C, int B, int A)
{
    return {TPoint{C.X - B, C.Y - A}, TPoint{C.X, C.Y - 2 * A}, TPoint{C.X + B, C.Y - A},
            TPoint{C.X + B, C.Y + A}, TPoint{C.X, C.Y + 2 * A}, TPoint{C.X - B, C.Y + A}};
}

void solid(TCanvas& Canvas, TColor Pen, TColor Brush)
{
    Canvas.Pen().SetStyle(TPenStyle::psSolid);
    Canvas.Pen().SetWidth(1);
    Canvas.Pen().SetColor(Pen);
    if (Brush == clNone) {
        Canvas.Brush().SetStyle(bsClear);
    } else {
        Canvas.Brush().SetStyle(bsSolid);
        Canvas.Brush().SetColor(Brush);
    }
}

}  // namespace

TVynColorCubePanel::TVynColorCubePanel(TComponent* AOwner) : TVynCustomColorSelectorPanel(AOwner)
{
    SetBounds(Left(), Top(), 182, 160);
    SetShowHint(true);
    InitCube();
}

void TVynColorCubePanel::InitCube()
{
    fCubeSize_ = {6, 3};
    int n = 1;
    for (int r = 1; r <= 13; ++r) {
        const int y = 20 + 10 * (r - 1);
        int x = r <= 7 ? 55 - 6 * (r - 1) : 19 + 6 * (r - 7);
        for (int i = 0; i < CubeRowLength[r - 1]; ++i, ++n, x += 2 * fCubeSize_.X) {
            fCubeCells_[n].Center = {x, y};
            fCubeCells_[n].Color = CubeColors[n - 1];
        }
    }
}

int TVynColorCubePanel::HitTest(int X, int Y) const
{
    const int r2 = fCubeSize_.X * fCubeSize_.X;
    for (int i = 1; i <= CellCount; ++i) {
        const int dx = X - fCubeCells_[i].Center.X, dy = Y - fCubeCells_[i].Center.Y;
        if (dx * dx + dy * dy <= r2)
            return i;
    }
    return -1;
}

void TVynColorCubePanel::SetSelectedColor(TColor Value)
{
    const int old = fSelectedIndex_;
    fSelectedColor_ = Value;
    fSelectedIndex_ = -1;
    for (int i = 1; i <= CellCount; ++i)
        if (fCubeCells_[i].Color == Value) {
            fSelectedIndex_ = i;
            break;
        }
    InvalidateCell(old);
    InvalidateCell(fSelectedIndex_);
}

void TVynColorCubePanel::SetHotIndex(int Value)
{
    if (Value == fHotIndex_ || Value < -1 || Value == 0 || Value > CellCount)
        return;
    const int old = fHotIndex_;
    fHotIndex_ = Value;
    InvalidateCell(old);
    InvalidateCell(Value);
}

void TVynColorCubePanel::SetShowRGBHint(bool Value)
{
    fShowRGBHint_ = Value;
    SetShowHint(Value);
}

void TVynColorCubePanel::InvalidateCell(int Index)
{
    if (Index < 1 || Index > CellCount)
        return;
    const TPoint c = fCubeCells_[Index].Center;
    InvalidateClientRect(Rect(c.X - 8, c.Y - 8, c.X + 9, c.Y + 9));
}

void TVynColorCubePanel::DrawCell(TCanvas& Canvas, int Index)
{
    const TCubeCell& cell = fCubeCells_[Index];
    solid(Canvas, cell.Color, cell.Color);
    Canvas.Polygon(hexagon(cell.Center, fCubeSize_.X, fCubeSize_.Y));
    // The hot frame (red) or the selected frame (black), each with a white
    // inner outline.
    auto frame = [&](TColor Outer) {
        solid(Canvas, Outer, clNone);
        Canvas.Polygon(hexagon(cell.Center, 5, 3));
        solid(Canvas, clWhite, clNone);
        Canvas.Polygon(hexagon(cell.Center, 4, 2));
    };
    if (Index == fHotIndex_)
        frame(0x0000FF);
    if (Index == fSelectedIndex_)
        frame(clBlack);
}

void TVynColorCubePanel::Paint()
{
    TCanvas& c = Canvas();
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(ClientRect());
    for (int i = 1; i <= CellCount; ++i)
        DrawCell(c, i);
}

void TVynColorCubePanel::MouseMove(TShiftState Shift, int X, int Y)
{
    TVynCustomColorSelectorPanel::MouseMove(Shift, X, Y);
    const int i = HitTest(X, Y);
    if (i < 0) {
        if (fShowRGBHint_) {
            SetHint(String());
            Application.CancelHint();
        }
        return;
    }
    if (i == fHotIndex_)
        return;
    SetHotIndex(i);
    if (fShowRGBHint_) {
        const TColor c = fCubeCells_[i].Color;
        SetHint(Format("Red: %d,  Green: %d,  Blue: %d", {GetRValue(c), GetGValue(c), GetBValue(c)}));
        Application.CancelHint();
    }
}

void TVynColorCubePanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TWeakRef<TVynColorCubePanel> self(this);
    TVynCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
    const int i = self ? HitTest(X, Y) : -1;
    if (i < 0)
        return;
    InvalidateCell(fSelectedIndex_);
    fSelectedIndex_ = i;
    fSelectedColor_ = fCubeCells_[i].Color;
    InvalidateCell(i);
    if (OnSelect)
        OnSelect(this);
}

void TVynColorCubePanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TWeakRef<TVynColorCubePanel> self(this);
    TVynCustomColorSelectorPanel::MouseUp(Button, Shift, X, Y);
    if (self && OnShouldHide)
        OnShouldHide(this);
}

// ---- the spectrum ------------------------------------------------------------------------------------

namespace {

// The pure hue at X of 128 (red, yellow, green, cyan, blue, magenta, red).
void pureHue(int X, int& R, int& G, int& B)
{
    const double h = X * 6.0 / 128.0;
    const int sector = int(h);
    const int f = int(std::lround((h - sector) * 255.0));
    switch (sector % 6) {
    case 0: R = 255, G = f, B = 0; break;
    case 1: R = 255 - f, G = 255, B = 0; break;
    case 2: R = 0, G = 255, B = f; break;
    case 3: R = 0, G = 255 - f, B = 255; break;
    case 4: R = f, G = 0, B = 255; break;
    default: R = 255, G = 0, B = 255 - f; break;
    }
}

}  // namespace

const TBitmap& SpectrumBitmap()
{
    static const TBitmap* bitmap = [] {
        auto* b = new TBitmap(128, 128, pf24bit);
        for (int y = 0; y < 128; ++y) {
            uint8_t* row = b->ScanLine(y);
            for (int x = 0; x < 128; ++x) {
                int r, g, bl;
                pureHue(x, r, g, bl);
                // White above row 64 (row 0 all white), black below it (row
                // 127 all black).
                auto shade = [y](int C) {
                    if (y <= 64)
                        return int(std::lround(C + (255 - C) * (64 - y) / 64.0));
                    return int(std::lround(C * (127 - y) / 63.0));
                };
                row[3 * x] = uint8_t(shade(bl));
                row[3 * x + 1] = uint8_t(shade(g));
                row[3 * x + 2] = uint8_t(shade(r));
            }
        }
        return b;
    }();
    return *bitmap;
}

void InstallVynPointerCursor()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    // A cross of two white-edged black lines with an open centre; the hot
    // spot is the centre.
    QPixmap pm(21, 21);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        p.setPen(QPen(Qt::white, 3));
        p.drawLine(10, 1, 10, 7);
        p.drawLine(10, 13, 10, 19);
        p.drawLine(1, 10, 7, 10);
        p.drawLine(13, 10, 19, 10);
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(10, 1, 10, 7);
        p.drawLine(10, 13, 10, 19);
        p.drawLine(1, 10, 7, 10);
        p.drawLine(13, 10, 19, 10);
        p.drawRect(8, 8, 4, 4);
    }
    Screen.SetCursors(crVynPointer, QCursor(pm, 10, 10));
}

TVynColorSpectrumPanel::TVynColorSpectrumPanel(TComponent* AOwner)
    : TVynCustomColorSelectorPanel(AOwner), fSpectrumImage_(new TImage(this))
{
    fSpectrumImage_->SetParent(this);
    fSpectrumImage_->SetBounds(0, 0, 128, 128);
    fSpectrumImage_->Picture().SetGraphic(&SpectrumBitmap());
    fSpectrumImage_->OnMouseMove = [this](TObject*, TShiftState, int X, int Y) { ImageMouseMove(X, Y); };
    fSpectrumImage_->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { ImageMouseDown(); };
    fSpectrumImage_->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) {
        if (OnShouldHide)
            OnShouldHide(this);
    };
    InstallVynPointerCursor();
    fSpectrumImage_->SetCursor(crVynPointer);
    UpdateLayout();
}

void TVynColorSpectrumPanel::SetSelectedColor(TColor Value)
{
    fSelectedColor_ = Value;
    InvalidateClientRect(fSelectedRect_);
}

void TVynColorSpectrumPanel::UpdateLayout()
{
    SetBounds(Left(), Top(), 150, 174);
    const int left = (Width() - 128) / 2, top = 10;
    fSpectrumImage_->SetBounds(left, top, 128, 128);
    const int bottom = top + 128;
    fSelectedRect_ = Rect(left - 1, bottom + 8, left + 64 - 2, bottom + 28);
    fHotRect_ = Rect(fSelectedRect_.Right + 4, bottom + 8, left + 128 + 1, bottom + 28);
    fHotColor_ = clNone;
    Invalidate();
}

void TVynColorSpectrumPanel::Paint()
{
    TCanvas& c = Canvas();
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(ClientRect());
    const TRect pic = fSpectrumImage_->BoundsRect();
    solid(c, clWhite, clNone);
    c.Rectangle(pic.Left - 1, pic.Top - 1, pic.Right + 1, pic.Bottom + 1);
    solid(c, 0x808080, clNone);
    c.Rectangle(pic.Left - 2, pic.Top - 2, pic.Right + 2, pic.Bottom + 2);
    for (const auto& [box, colour] : {std::pair{fSelectedRect_, fSelectedColor_}, std::pair{fHotRect_, fHotColor_}}) {
        solid(c, 0x808080, clNone);
        c.Rectangle(box.Left - 1, box.Top - 1, box.Right + 1, box.Bottom + 1);
        solid(c, clWhite, colour);
        c.Rectangle(box);
    }
}

void TVynColorSpectrumPanel::ImageMouseMove(int X, int Y)
{
    // The colour of the picture's own pixel under the mouse.
    const TBitmap& b = SpectrumBitmap();
    if (X < 0 || Y < 0 || X >= b.Width() || Y >= b.Height())
        return;
    fHotColor_ = const_cast<TBitmap&>(b).Canvas().Pixels(X, Y);
    InvalidateClientRect(fHotRect_);
}

void TVynColorSpectrumPanel::ImageMouseDown()
{
    if (fHotColor_ == clNone)
        return;
    fSelectedColor_ = fHotColor_;
    InvalidateClientRect(fSelectedRect_);
    if (OnSelect)
        OnSelect(this);
}

// ---- the palette -------------------------------------------------------------------------------------

void TColorBoxAppearance::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TColorBoxAppearance*>(&Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    BorderColor = s->BorderColor;
    OuterBorderColorHot = s->OuterBorderColorHot;
    InnerBorderColorHot = s->InnerBorderColorHot;
    OuterBorderColorSelected = s->OuterBorderColorSelected;
    InnerBorderColorSelected = s->InnerBorderColorSelected;
}

void TColorBoxItem::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TColorBoxItem*>(&Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    SetColor(s->Color());
    fEnabled_ = s->fEnabled_;
}

TCustomColorSelector::TCustomColorSelector(TComponent* AOwner)
    : TVynCustomColorSelectorPanel(AOwner),
      fColorBoxAppearance_(std::make_unique<TColorBoxAppearance>()),
      fItems_(std::make_unique<TColorBoxItems>(this))
{
    SetParentColor(true);
    SetItemColorStyle(scOffice2007);
    UpdateLayout();
}

TCustomColorSelector::~TCustomColorSelector() = default;

void TCustomColorSelector::LoadDefaultPalette()
{
    static constexpr TColor palette[6][10] = {
        {0xFFFFFF, 0x000000, 0xE1ECEE, 0x7D491F, 0xBD814F, 0x4D50C0, 0x59BB9B, 0xA26480, 0xC6AC4B, 0x4696F7},
        {0xF2F2F2, 0x7F7F7F, 0xC3D9DD, 0xDACEC2, 0xF1E5DB, 0xDBDCF2, 0xDDF1EB, 0xECE0E5, 0xF3EEDB, 0xDAEAFD},
        {0xD8D8D8, 0x595959, 0x97BDC4, 0xE2B38D, 0xE4CCB8, 0xB7B9E5, 0xBCE3D7, 0xD9C1CC, 0xE8DDB7, 0xB5D5FB},
        {0xBFBFBF, 0x3F3F3F, 0x538993, 0xD48D54, 0xD7B395, 0x9496D9, 0x9BD6C3, 0xC7A2B2, 0xDCCD92, 0x8FC0FA},
        {0xA5A5A5, 0x262626, 0x294449, 0x5D3617, 0x926036, 0x343795, 0x3C9276, 0x7A495F, 0x9B8531, 0x096CE3},
        {0x7F7F7F, 0x0C0C0C, 0x101B1D, 0x3E240F, 0x614024, 0x232463, 0x28614F, 0x51313F, 0x675820, 0x064897}};
    static constexpr TItemPos rows[6] = {ipStandAlone, ipTop, ipMiddle, ipMiddle, ipMiddle, ipBottom};
    fItems_->BeginUpdate();
    for (int r = 0; r < 6; ++r)
        for (TColor c : palette[r]) {
            TColorBoxItem* item = fItems_->Add();
            item->SetColor(c);
            item->SetColorBoxPos(rows[r]);
        }
    fItems_->EndUpdate();
    UpdateLayout();
}

bool TCustomColorSelector::enabledBox(int Index) const
{
    return Index >= 0 && Index < fItems_->Count() && fItems_->Items(Index)->Enabled();
}

void TCustomColorSelector::SetItemIndex(int Value)
{
    if (Value < -1 || Value >= fItems_->Count() || (Value >= 0 && !enabledBox(Value)))
        return;
    if (fItemIndex_ >= 0 && fItemIndex_ != Value)
        InvalidateColorBox(fItemIndex_);
    fItemIndex_ = Value;
    if (Value < 0)
        return;
    fSelectedColor_ = fItems_->Items(Value)->Color();
    InvalidateColorBox(Value);
    if (OnItemSelect)
        OnItemSelect(this);
}

void TCustomColorSelector::SetItemHot(int Value)
{
    if (Value == fItemHot_ || Value < -1 || Value >= fItems_->Count())
        return;
    if (Value >= 0 && !enabledBox(Value))
        Value = -1;
    const int old = fItemHot_;
    fItemHot_ = Value;
    InvalidateColorBox(old);
    InvalidateColorBox(Value);
}

void TCustomColorSelector::SetSelectedColor(TColor Value)
{
    if (Value == fSelectedColor_)
        return;
    fSelectedColor_ = Value;
    for (int i = 0; i < fItems_->Count(); ++i)
        if (fItems_->Items(i)->Color() == Value) {
            SetItemIndex(i);
            return;
        }
    if (fItemIndex_ >= 0)
        InvalidateColorBox(fItemIndex_);
    fItemIndex_ = -1;
}

#define VYN_LAYOUT_SETTER(Setter, Field)                   \
    void TCustomColorSelector::Setter(int Value)           \
    {                                                      \
        if (Value == Field)                                \
            return;                                        \
        Field = Value;                                     \
        UpdateLayout();                                    \
    }
VYN_LAYOUT_SETTER(SetColumns, fColumns_)
VYN_LAYOUT_SETTER(SetColumnGap, fColumnGap_)
VYN_LAYOUT_SETTER(SetColorBoxWidth, fColorBoxWidth_)
VYN_LAYOUT_SETTER(SetColorBoxHeight, fColorBoxHeight_)
#undef VYN_LAYOUT_SETTER

void TCustomColorSelector::SetItemColorStyle(TSelectionColorStyle Value)
{
    if (Value == fItemColorStyle_)
        return;
    fItemColorStyle_ = Value;
    if (Value != scCustom)
        fColorBoxAppearance_->Assign(TColorBoxAppearance());
}

void TCustomColorSelector::GetItemsArea(TRect& R)
{
    R = ClientRect();
    R = Rect(R.Left + fOffSetX_, R.Top + fOffSetY_, R.Right - fOffSetX_, R.Bottom - fOffSetY_);
}

void TCustomColorSelector::GetColorBoxSize(TSize& Size) { Size = {fColorBoxWidth_, fColorBoxHeight_}; }

void TCustomColorSelector::UpdateLayout()
{
    const int n = fItems_->Count();
    if (n == 0) {
        SetBounds(Left(), Top(), 100, 50);
        return;
    }
    SetItemHot(-1);
    TSize box;
    GetColorBoxSize(box);
    TRect area;
    GetItemsArea(area);
    const int columns = std::max(1, fColumns_);
    int x = area.Left, y = area.Top, inRow = 0, maxRight = 0;
    bool gap = false;
    for (int i = 0; i < n; ++i) {
        TColorBoxItem& item = *fItems_->Items(i);
        item.SetItemRect(Bounds(x, y, box.cx, box.cy));
        maxRight = std::max(maxRight, x + box.cx);
        ++inRow;
        if (i == n - 1)
            break;
        if (item.ColorBoxPos() == ipStandAlone)
            gap = true;
        if (inRow < columns) {
            x += box.cx + fColumnGap_;
        } else {
            // Rows of connected boxes touch; a row of stand-alone boxes
            // keeps a gap below it.
            x = area.Left;
            y += box.cy + (gap ? fColumnGap_ : 0);
            inRow = 0;
            gap = false;
        }
    }
    SetBounds(Left(), Top(), maxRight + fOffSetX_ + 1, y + box.cy + fOffSetY_);
}

void TCustomColorSelector::InvalidateColorBox(int Index)
{
    if (Index >= 0 && Index < fItems_->Count())
        InvalidateClientRect(fItems_->Items(Index)->ItemRect());
}

void TCustomColorSelector::DrawColorBox(int Index, TCanvas& Canvas)
{
    if (Index < 0 || Index >= fItems_->Count())
        return;
    const TColorBoxItem& item = *fItems_->Items(Index);
    TRect r = item.ItemRect();
    if (item.Color() != clNone) {
        solid(Canvas, item.Color(), item.Color());
        Canvas.Rectangle(r);
    }
    const TColorBoxAppearance& a = *fColorBoxAppearance_;
    TColor outer = clNone, inner = clNone;
    bool framed = false;
    if (Index == fItemHot_) {
        outer = a.OuterBorderColorHot;
        inner = a.InnerBorderColorHot;
        framed = true;
    }
    if (Index == fItemIndex_) {
        outer = a.OuterBorderColorSelected;
        inner = a.InnerBorderColorSelected;
        framed = true;
    }
    if (framed) {
        if (outer != clNone) {
            solid(Canvas, outer, clNone);
            Canvas.Rectangle(r);
            r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        }
        if (inner != clNone) {
            solid(Canvas, inner, clNone);
            Canvas.Rectangle(r);
        }
        return;
    }
    solid(Canvas, a.BorderColor, clNone);
    const int l = r.Left, t = r.Top, rt = r.Right - 1, b = r.Bottom - 1;
    switch (item.ColorBoxPos()) {
    case ipStandAlone: Canvas.Rectangle(r); break;
    case ipTop:
        Canvas.MoveTo(l, b + 1);
        Canvas.LineTo(l, t);
        Canvas.LineTo(rt, t);
        Canvas.LineTo(rt, b + 1);
        break;
    case ipMiddle:
        Canvas.MoveTo(l, t);
        Canvas.LineTo(l, b + 1);
        Canvas.MoveTo(rt, t);
        Canvas.LineTo(rt, b + 1);
        break;
    case ipBottom:
        Canvas.MoveTo(l, t);
        Canvas.LineTo(l, b);
        Canvas.LineTo(rt, b);
        Canvas.LineTo(rt, t - 1);
        break;
    }
}

void TCustomColorSelector::Paint()
{
    TCanvas& c = Canvas();
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(ClientRect());
    for (int i = 0; i < fItems_->Count(); ++i)
        DrawColorBox(i, c);
}

int TCustomColorSelector::ItemAtPos(int X, int Y) const
{
    for (int i = 0; i < fItems_->Count(); ++i)
        if (PtInRect(fItems_->Items(i)->ItemRect(), TPoint{X, Y}))
            return i;
    return -1;
}

void TCustomColorSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TWeakRef<TCustomColorSelector> self(this);
    TVynCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
    if (!self)
        return;
    const int i = ItemAtPos(X, Y);
    if (enabledBox(i))
        SetItemIndex(i);
}

void TCustomColorSelector::MouseMove(TShiftState Shift, int X, int Y)
{
    TVynCustomColorSelectorPanel::MouseMove(Shift, X, Y);
    const int i = ItemAtPos(X, Y);
    SetItemHot(enabledBox(i) ? i : -1);
}

void TCustomColorSelector::CMMouseLeave(TMessage& Message)
{
    TVynCustomColorSelectorPanel::CMMouseLeave(Message);
    SetItemHot(-1);
}

// Forward from none goes to the first box; back from none or the first
// box goes nowhere.
void TCustomColorSelector::SelectNext()
{
    if (const int i = SteppedIndex(fItemIndex_, fItems_->Count(), TSelectStep::Next); i >= 0)
        SetItemIndex(i);
}

void TCustomColorSelector::SelectPrevious()
{
    if (fItemIndex_ > 0)
        SetItemIndex(fItemIndex_ - 1);
}

void TCustomColorSelector::HotNext()
{
    if (const int i = SteppedIndex(fItemHot_, fItems_->Count(), TSelectStep::Next); i >= 0)
        SetItemHot(i);
}

void TCustomColorSelector::HotPrevious()
{
    if (fItemHot_ > 0)
        SetItemHot(fItemHot_ - 1);
}

void TCustomColorSelector::HandleKey(Word Key, bool EditorEnabled, bool DroppedDown)
{
    if (!Enabled() || Key < VK_PRIOR || Key > VK_DOWN)
        return;
    const int n = fItems_->Count();
    switch (Key) {
    case VK_PRIOR:
    case VK_HOME: SetItemIndex(n > 0 ? 0 : -1); break;
    case VK_NEXT:
    case VK_END: SetItemIndex(n - 1); break;
    case VK_LEFT:
        if (DroppedDown || !EditorEnabled)
            SelectPrevious();
        break;
    case VK_RIGHT:
        if (DroppedDown || !EditorEnabled)
            SelectNext();
        break;
    case VK_UP:
        if (!DroppedDown)
            SelectPrevious();
        else if (fItemIndex_ < 0)
            SetItemIndex(n > 0 ? 0 : -1);
        else if (fItemIndex_ - fColumns_ >= 0)
            SetItemIndex(fItemIndex_ - fColumns_);
        break;
    case VK_DOWN:
        if (!DroppedDown)
            SelectNext();
        else if (fItemIndex_ < 0)
            SetItemIndex(n > 0 ? 0 : -1);
        else if (fItemIndex_ + fColumns_ < n)
            SetItemIndex(fItemIndex_ + fColumns_);
        break;
    default: break;
    }
}
