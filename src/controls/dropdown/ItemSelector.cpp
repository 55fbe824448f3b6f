// The item selector and the item appearance.
#include "controls/dropdown/ItemSelector.h"

#include <QPainter>

#include <algorithm>

#include "controls/dropdown/DropDownDraw.h"
#include "grid/core/grid_draw.h"
#include "grid/render/html/html_text.h"
#include "platform/gui/application.h"

// ---- TItemAppearance ---------------------------------------------------------------------------------

TItemAppearance::TItemAppearance(TPersistent* AOwner) : fOwner_(AOwner), fFont_(std::make_unique<TFont>())
{
    fFont_->SetName("Tahoma");
    SetColorStyle(scOffice2007);
}

TItemAppearance::~TItemAppearance() = default;

void TItemAppearance::SetColorStyle(TSelectionColorStyle Style)
{
    if (Style == fColorStyle_)
        return;
    fColorStyle_ = Style;
    struct Set {
        TColor Hot, HotTo, MirrorHot, MirrorHotTo, Top, Bottom, Border, Edge, Sel, SelTo, MirrorSel, MirrorSelTo;
    };
    Set s;
    switch (Style) {
    case scOffice2007:
        s = {0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF, 0xA6FFFB, 0x04B9F4, 0x15C1FB, 0x68E3F9};
        break;
    case scWindowsVista:
        s = {0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB, 0xFAEEDE, 0xFAE3B4, clNone, clNone};
        break;
    case scWindows7:
        s = {0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE, 0xF9D8B9, 0xFBCAA2, clNone, clNone};
        break;
    default: return;
    }
    ColorHot = s.Hot;
    ColorHotTo = s.HotTo;
    ColorMirrorHot = s.MirrorHot;
    ColorMirrorHotTo = s.MirrorHotTo;
    BorderColorTop = s.Top;
    BorderColorBottom = s.Bottom;
    BorderColor = s.Border;
    EdgeColor = s.Edge;
    ColorSelected = s.Sel;
    ColorSelectedTo = s.SelTo;
    ColorMirrorSelected = s.MirrorSel;
    ColorMirrorSelectedTo = s.MirrorSelTo;
}

void TItemAppearance::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TItemAppearance*>(&Source);
    if (!s || s == this)
        return;
    ColorHot = s->ColorHot;
    ColorHotTo = s->ColorHotTo;
    ColorMirrorHot = s->ColorMirrorHot;
    ColorMirrorHotTo = s->ColorMirrorHotTo;
    BorderColorTop = s->BorderColorTop;
    BorderColorBottom = s->BorderColorBottom;
    BorderColor = s->BorderColor;
    EdgeColor = s->EdgeColor;
    ColorSelected = s->ColorSelected;
    ColorSelectedTo = s->ColorSelectedTo;
    ColorMirrorSelected = s->ColorMirrorSelected;
    ColorMirrorSelectedTo = s->ColorMirrorSelectedTo;
    fFont_->Assign(s->Font());
    SetColorStyle(s->ColorStyle());
    ColorSelectedText = s->ColorSelectedText;
    ColorHotText = s->ColorHotText;
    BorderColorHot = s->BorderColorHot;
    BorderColorSelected = s->BorderColorSelected;
}

// ---- items -------------------------------------------------------------------------------------------

TSelectorItem::TSelectorItem(TCollection* Collection)
    : TCollectionItem(Collection), fImage_(std::make_unique<TPicture>())
{
}

TSelectorItem::~TSelectorItem() = default;

void TSelectorItem::NotifyChange()
{
    if (auto* items = dynamic_cast<TSelectorItems*>(Collection()))
        items->ItemChanged();
}

void TSelectorItem::SetCaption(const String& Value)
{
    if (Value == fCaption_)
        return;
    fCaption_ = Value;
    fLookupValid_ = false;
    NotifyChange();
}

void TSelectorItem::SetImageIndex(int Value)
{
    if (Value == fImageIndex_)
        return;
    fImageIndex_ = Value;
    NotifyChange();
}

void TSelectorItem::SetColor(TColor Value)
{
    if (Value == fColor_)
        return;
    fColor_ = Value;
    NotifyChange();
}

const String& TSelectorItem::LookupText() const
{
    if (!fLookupValid_) {
        fLookup_ = AnsiUpperCase(Trim(HTMLToPlainText(fCaption_)));
        fLookupValid_ = true;
    }
    return fLookup_;
}

void TSelectorItem::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TSelectorItem*>(&Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    SetCaption(s->Caption());
    SetColor(s->Color());
    SetImageIndex(s->ImageIndex());
    fImage_->Assign(s->Image());
    fEnabled_ = s->fEnabled_;
    fHint_ = s->fHint_;
}

TSelectorItems::TSelectorItems(TPersistent* AOwner)
    : TCollection([](TCollection* C) -> TCollectionItem* { return new TSelectorItem(C); }, AOwner)
{
}

void TSelectorItems::ItemChanged()
{
    if (UpdateCount() > 0) {
        pendingChange_ = true;
        return;
    }
    if (OnChange)
        OnChange(this);
}

void TSelectorItems::Update(TCollectionItem* Item)
{
    TCollection::Update(Item);
    // The last EndUpdate: the changes made inside are reported once.
    if (pendingChange_ && UpdateCount() == 0) {
        pendingChange_ = false;
        if (OnChange)
            OnChange(this);
    }
}

// ---- the panel ---------------------------------------------------------------------------------------

namespace {

TVynCustomItemSelector* hostOf(TComponent* AOwner)
{
    auto* host = dynamic_cast<TVynCustomItemSelector*>(AOwner);
    if (!host)
        throw Exception("Invalid parent");
    return host;
}

bool hasPicture(const TSelectorItem& Item) { return Item.Image().Graphic() && Item.Image().Width() > 0; }

}  // namespace

TCustomItemSelector::TCustomItemSelector(TComponent* AOwner) : TCustomControl(AOwner), fVynItemSelector_(hostOf(AOwner))
{
    SetParentColor(true);
}

bool TCustomItemSelector::validIndex(int Index) const
{
    return Index >= 0 && Index < fVynItemSelector_->Items().Count();
}

bool TCustomItemSelector::disabled(int Index) const
{
    return validIndex(Index) && !fVynItemSelector_->Items().Items(Index)->Enabled();
}

void TCustomItemSelector::SetItemIndex(int Value)
{
    // Only -1 .. Count - 1; a disabled item is refused.
    if (Value < -1 || Value >= fVynItemSelector_->Items().Count() || disabled(Value))
        return;
    if (fItemIndex_ >= 0 && Value != fItemIndex_) {
        const int old = fItemIndex_;
        fItemIndex_ = -1;
        InvalidateItem(old);
    }
    fItemIndex_ = Value;
    if (Value >= 0) {
        InvalidateItem(Value);
        if (OnItemSelect)
            OnItemSelect(this);
    }
}

void TCustomItemSelector::SetItemHot(int Index)
{
    if (Index == fItemHot_ || disabled(Index) || Index < -1 || Index >= fVynItemSelector_->Items().Count())
        return;
    const int old = fItemHot_;
    fItemHot_ = Index;
    if (old >= 0)
        InvalidateItem(old);
    if (Index >= 0)
        InvalidateItem(Index);
}

void TCustomItemSelector::SelectFirst()
{
    if (fVynItemSelector_->Items().Count() > 0)
        SetItemIndex(0);
}

void TCustomItemSelector::SelectLast()
{
    if (const int n = fVynItemSelector_->Items().Count(); n > 0)
        SetItemIndex(n - 1);
}

int TCustomItemSelector::stepFrom(int Current, int Delta) const
{
    // From none: the first item; else the neighbour, none past either end.
    const int n = fVynItemSelector_->Items().Count();
    if (n == 0)
        return -2;
    if (Current < 0)
        return 0;
    const int next = Current + Delta;
    return next >= 0 && next < n ? next : -2;
}

void TCustomItemSelector::SelectNext()
{
    if (const int i = stepFrom(fItemIndex_, 1); i >= 0)
        SetItemIndex(i);
}

void TCustomItemSelector::SelectPrevious()
{
    if (const int i = stepFrom(fItemIndex_, -1); i >= 0)
        SetItemIndex(i);
}

void TCustomItemSelector::HotNext()
{
    if (const int i = stepFrom(fItemHot_, 1); i >= 0)
        SetItemHot(i);
}

void TCustomItemSelector::HotPrevious()
{
    if (const int i = stepFrom(fItemHot_, -1); i >= 0)
        SetItemHot(i);
}

bool TCustomItemSelector::LookupItem(const String& S)
{
    const TSelectorItems& items = fVynItemSelector_->Items();
    if (S.isEmpty())
        return false;
    for (int i = 0; i < items.Count(); ++i)
        if (items.Items(i)->LookupText().startsWith(S)) {
            SetItemIndex(i);
            return true;
        }
    return false;
}

void TCustomItemSelector::GetItemRect(int Index, TRect& R) const
{
    R = validIndex(Index) ? fVynItemSelector_->Items().Items(Index)->ItemRect() : Rect(-1, -1, -1, -1);
}

int TCustomItemSelector::ItemAtPos(int X, int Y) const
{
    const TSelectorItems& items = fVynItemSelector_->Items();
    for (int i = 0; i < items.Count(); ++i)
        if (PtInRect(items.Items(i)->ItemRect(), TPoint{X, Y}))
            return i;
    return -1;
}

void TCustomItemSelector::GetItemsArea(TRect& R)
{
    R = ClientRect();
    R = Rect(R.Left + OffSetX, R.Top + OffSetY, R.Right - OffSetX, R.Bottom - OffSetY);
}

void TCustomItemSelector::GetItemSize(TSize& ASize)
{
    TVynCustomItemSelector& host = *fVynItemSelector_;
    if (host.OnItemSize) {
        host.OnItemSize(this, ASize);
        return;
    }
    int bw = 0, bh = 0;
    if (host.SelectorType() == stColor) {
        bw = host.ColorBoxWidth();
        bh = host.ColorBoxHeight();
    }
    TBitmap scratch(1, 1);
    TCanvas& c = scratch.Canvas();
    c.SetFont(host.ItemAppearance().Font());
    int tw = 0, th = 0;
    const TSelectorItems& items = host.Items();
    for (int i = 0; i < items.Count(); ++i) {
        const TSelectorItem& item = *items.Items(i);
        if (host.SelectorType() == stImage) {
            if (hasPicture(item)) {
                bw = std::max(bw, item.Image().Width());
                bh = std::max(bh, item.Image().Height());
            } else if (host.Images() && item.ImageIndex() >= 0) {
                bw = std::max(bw, host.Images()->Width());
                bh = std::max(bh, host.Images()->Height());
            }
        }
        TSize s;
        DrawHTMLCaption(c, item.Caption(), Rect(0, 0, 1000, 500), s, false, host.Images());
        tw = std::max(tw, s.cx);
        th = std::max(th, s.cy);
    }
    if (tw > 0)
        tw += 4;
    if (host.ItemLayout() == ilCaptionLeft || host.ItemLayout() == ilCaptionRight) {
        ASize.cx = 2 * ItemOffSetX + (bw > 0 ? bw : 0) + (bw > 0 && tw > 0 ? CaptionGap : 0) + tw;
        ASize.cy = std::max(th, bh) + 2 * ItemOffSetY;
    } else {
        ASize.cx = std::max(tw, bw) + 2 * ItemOffSetX;
        ASize.cy = 2 * ItemOffSetY + (bh > 0 ? bh : 0);
        if (th >= 1)
            ASize.cy += (bh > 0 ? CaptionGap : 0) + th;
    }
}

void TCustomItemSelector::UpdateLayout()
{
    TSelectorItems& items = fVynItemSelector_->Items();
    if (items.Count() == 0) {
        SetBounds(Left(), Top(), 100, 50);
        return;
    }
    SetItemHot(-1);
    TSize size{0, 0};
    GetItemSize(size);
    const int columns = std::max(1, fVynItemSelector_->Columns());
    int maxLeft = OffSetX, lastTop = OffSetY;
    for (int i = 0; i < items.Count(); ++i) {
        const int x = OffSetX + (i % columns) * size.cx, y = OffSetY + (i / columns) * size.cy;
        items.Items(i)->SetItemRect(Bounds(x, y, size.cx, size.cy));
        maxLeft = std::max(maxLeft, x);
        lastTop = y;
    }
    SetBounds(Left(), Top(), maxLeft + size.cx + OffSetX, lastTop + size.cy + OffSetY);
}

void TCustomItemSelector::InvalidateItem(int Index)
{
    if (validIndex(Index))
        InvalidateClientRect(fVynItemSelector_->Items().Items(Index)->ItemRect());
}

void TCustomItemSelector::Paint()
{
    TCanvas& c = Canvas();
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(ClientRect());
    DrawItems(c);
}

void TCustomItemSelector::DrawItems(TCanvas& Canvas)
{
    // Only the items that can show: inside the host's client area (the
    // panel scrolls under it) and inside the painter's clip.
    TRect clip = ClientRect();
    if (TWinControl* host = Parent()) {
        const TRect view = Bounds(-Left(), -Top(), host->ClientWidth(), host->ClientHeight());
        clip = Rect(std::max(clip.Left, view.Left), std::max(clip.Top, view.Top), std::min(clip.Right, view.Right),
                    std::min(clip.Bottom, view.Bottom));
    }
    if (QPainter* p = Canvas.Painter(); p && p->hasClipping()) {
        const QRect b = p->clipBoundingRect().toAlignedRect();
        clip = Rect(std::max(clip.Left, b.left()), std::max(clip.Top, b.top()), std::min(clip.Right, b.right() + 1),
                    std::min(clip.Bottom, b.bottom() + 1));
    }
    const TSelectorItems& items = fVynItemSelector_->Items();
    const int n = items.Count();
    if (n == 0)
        return;
    // The layout puts equal items in rows of Columns: only the rows the clip
    // crosses are looked at.
    int first = 0, last = n - 1;
    const TRect r0 = items.Items(0)->ItemRect();
    const int h = r0.Height(), columns = std::max(1, fVynItemSelector_->Columns());
    if (h > 0) {
        first = std::max(0, ((clip.Top - r0.Top) / h - 1) * columns);
        last = std::min(n - 1, ((clip.Bottom - r0.Top) / h + 2) * columns);
    }
    for (int i = first; i <= last; ++i) {
        const TRect& r = items.Items(i)->ItemRect();
        if (r.Right > clip.Left && r.Left < clip.Right && r.Bottom > clip.Top && r.Top < clip.Bottom)
            DrawItem(i, Canvas);
    }
}

void TCustomItemSelector::DrawItem(int Index, TCanvas& Canvas)
{
    if (!validIndex(Index))
        return;
    TVynCustomItemSelector& host = *fVynItemSelector_;
    const TSelectorItem& item = *host.Items().Items(Index);
    const TRect R = item.ItemRect();
    if (R.Left < 0 && R.Right < 0)
        return;
    const TItemAppearance& a = host.ItemAppearance();
    const bool hot = Index == fItemHot_, selected = Index == fItemIndex_;

    // 1. Colours.
    TColor border = a.BorderColor, top = a.BorderColorTop, bottom = a.BorderColorBottom, edge = a.EdgeColor;
    TColor from = clNone, to = clNone, mirror = clNone, mirrorTo = clNone;
    auto state = [&](TColor F, TColor T, TColor M, TColor MT, TColor B) {
        from = F;
        to = T;
        mirror = M;
        mirrorTo = MT;
        if (B != clNone) {
            border = B;
            top = bottom = edge = clNone;
        }
    };
    if (hot)
        state(a.ColorHot, a.ColorHotTo, a.ColorMirrorHot, a.ColorMirrorHotTo, a.BorderColorHot);
    if (selected)
        state(a.ColorSelected, a.ColorSelectedTo, a.ColorMirrorSelected, a.ColorMirrorSelectedTo, a.BorderColorSelected);
    // 2. Background.
    if (!hot && !selected) {
        Canvas.Brush().SetStyle(bsSolid);
        Canvas.Brush().SetColor(Color());
        Canvas.FillRect(R);
    } else if (top == clNone) {
        DrawButtonBackground(Canvas, R, from, gdVertical, 1, border, to);
    } else {
        DrawRoundedGradientFrame(Canvas, from, to, mirror, mirrorTo, top, bottom, border, edge, Color(), R, 0);
    }
    // 3. The owner's drawing.
    if (host.OnDrawItem) {
        host.OnDrawItem(this, Canvas, R, Index);
        return;
    }
    // 4. Content size.
    TImageList* images = host.Images();
    enum { none, box, picture, listImage } content = none;
    int W = 0, H = 0;
    if (host.SelectorType() == stColor) {
        content = box;
        W = host.ColorBoxWidth();
        H = host.ColorBoxHeight();
    } else if (hasPicture(item)) {
        content = picture;
        W = item.Image().Width();
        H = item.Image().Height();
    } else if (images && item.ImageIndex() >= 0) {
        content = listImage;
        W = images->Width();
        H = images->Height();
    }
    // 5. Rectangles and font.
    TRect IR = Rect(R.Left + ItemOffSetX, R.Top + ItemOffSetY, R.Right - ItemOffSetX, R.Bottom - ItemOffSetY);
    TRect CR = IR;
    Canvas.SetFont(a.Font());
    if (selected)
        Canvas.Font().SetColor(a.ColorSelectedText);
    else if (hot)
        Canvas.Font().SetColor(a.ColorHotText);
    // 6. Content.
    auto drawContent = [&](int X, int Y) {
        switch (content) {
        case box:
            Canvas.Pen().SetStyle(TPenStyle::psSolid);
            Canvas.Pen().SetWidth(1);
            Canvas.Pen().SetColor(clBlack);
            Canvas.Brush().SetStyle(bsSolid);
            Canvas.Brush().SetColor(item.Color());
            Canvas.Rectangle(X, Y, X + W, Y + H);
            break;
        case picture: Canvas.Draw(X, Y, *item.Image().Graphic()); break;
        case listImage: images->Draw(Canvas, X, Y, item.ImageIndex(), item.Enabled()); break;
        case none: break;
        }
    };
    // 7. Captions.
    const String& caption = item.Caption();
    auto drawCaption = [&](TRect Where, bool Centred) {
        Canvas.Brush().SetStyle(bsClear);
        TSize s;
        if (Centred) {
            DrawHTMLCaption(Canvas, caption, Where, s, false, images);
            if (s.cy < Where.Height())
                Where.Top += (Where.Height() - s.cy) / 2;
        }
        DrawHTMLCaption(Canvas, caption, Where, s, true, images);
        return s;
    };
    // 8. By layout.
    switch (host.ItemLayout()) {
    case ilCaptionLeft:
        if (!caption.isEmpty()) {
            IR.Right -= W;
            const TSize s = drawCaption(IR, true);
            CR.Left = IR.Left + s.cx + CaptionGap;
        }
        drawContent(CR.Left, content == box ? CR.Top : CR.Top + (CR.Height() - H) / 2);
        break;
    case ilCaptionRight:
        drawContent(CR.Left, content == box ? CR.Top : CR.Top + (CR.Height() - H) / 2);
        if (content != none)
            IR.Left = CR.Left + W + CaptionGap;
        if (!caption.isEmpty())
            drawCaption(IR, true);
        break;
    case ilCaptionTop:
        if (!caption.isEmpty()) {
            IR.Bottom -= H;
            const TSize s = drawCaption(IR, false);
            CR.Top = IR.Top + s.cy + CaptionGap;
        } else {
            CR.Top += (CR.Height() - H) / 2;
        }
        CR.Left += (CR.Width() - W) / 2;
        drawContent(CR.Left, CR.Top);
        break;
    case ilCaptionBottom:
        if (caption.isEmpty())
            CR.Top += (CR.Height() - H) / 2;
        CR.Left += (CR.Width() - W) / 2;
        drawContent(CR.Left, CR.Top);
        if (content != none)
            IR.Top = CR.Top + H + CaptionGap;
        if (!caption.isEmpty())
            drawCaption(IR, false);
        break;
    }
}

void TCustomItemSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    const int i = ItemAtPos(X, Y);
    if (i >= 0 && !disabled(i))
        SetItemIndex(i);
}

void TCustomItemSelector::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    const int i = ItemAtPos(X, Y);
    if (i < 0) {
        SetItemHot(-1);
        return;
    }
    if (i == fItemHot_)
        return;
    if (disabled(i)) {
        SetItemHot(-1);
        return;
    }
    SetItemHot(i);
    SetHint(fVynItemSelector_->Items().Items(i)->Hint());
    Application.CancelHint();
}

void TCustomItemSelector::CMMouseLeave(TMessage& Message)
{
    TCustomControl::CMMouseLeave(Message);
    SetItemHot(-1);
}

// ---- the host ----------------------------------------------------------------------------------------

TVynCustomItemSelector::TVynCustomItemSelector(TComponent* AOwner)
    : TScrollingWinControl(AOwner),
      fItems_(std::make_unique<TSelectorItems>(this)),
      fItemAppearance_(std::make_unique<TItemAppearance>(this))
{
    fItems_->OnChange = [this](TObject*) { UpdateSelectorPanel(); };
    fItemAppearance_->SetColorStyle(scOffice2007);
    SetAutoScroll(true);
    CreateSelectorPanel();
    UpdateSelectorPanel();
}

TVynCustomItemSelector::~TVynCustomItemSelector() { fItems_->OnChange = nullptr; }

void TVynCustomItemSelector::CreateSelectorPanel()
{
    if (fItemSelectorPanel_)
        return;
    fItemSelectorPanel_ = new TCustomItemSelector(this);
    fItemSelectorPanel_->SetParent(this);
    fItemSelectorPanel_->OnItemSelect = [this](TObject*) { PanelItemSelect(); };
}

void TVynCustomItemSelector::PanelItemSelect()
{
    if (OnItemSelect)
        OnItemSelect(this);
}

void TVynCustomItemSelector::UpdateSelectorPanel()
{
    if (fItemSelectorPanel_)
        fItemSelectorPanel_->UpdateLayout();
}

void TVynCustomItemSelector::SetSelectorType(TSelectorType Value)
{
    if (Value == fSelectorType_)
        return;
    fSelectorType_ = Value;
    UpdateSelectorPanel();
}

void TVynCustomItemSelector::SetColumns(int Value)
{
    if (Value < 1 || Value == fColumns_)
        return;
    fColumns_ = Value;
    UpdateSelectorPanel();
}

void TVynCustomItemSelector::SetColorBoxWidth(int Value)
{
    if (Value == fColorBoxWidth_)
        return;
    fColorBoxWidth_ = Value;
    UpdateSelectorPanel();
}

void TVynCustomItemSelector::SetColorBoxHeight(int Value)
{
    if (Value == fColorBoxHeight_)
        return;
    fColorBoxHeight_ = Value;
    UpdateSelectorPanel();
}

void TVynCustomItemSelector::SetImages(TImageList* Value)
{
    if (Value == fImages_.Get())
        return;
    if (TImageList* old = fImages_.Get())
        old->RemoveFreeNotification(this);
    fImages_ = TWeakRef<TImageList>(Value);
    if (Value)
        Value->FreeNotification(this);
    UpdateSelectorPanel();
}

void TVynCustomItemSelector::Notification(TComponent* AComponent, TOperation Operation)
{
    TScrollingWinControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == fImages_.Get() &&
        !ComponentState().Contains(TComponentStateItem::csDestroying))
        fImages_.Reset();
}

int TVynCustomItemSelector::ItemIndex() const { return fItemSelectorPanel_ ? fItemSelectorPanel_->ItemIndex() : -1; }
int TVynCustomItemSelector::ItemHot() const { return fItemSelectorPanel_ ? fItemSelectorPanel_->ItemHot() : -1; }

void TVynCustomItemSelector::SetItemIndex(int Value)
{
    if (!fItemSelectorPanel_)
        return;
    fItemSelectorPanel_->SetItemIndex(Value);
    ScrollItemInView(fItemSelectorPanel_->ItemIndex());
}

#define VYN_SELECT_STEP(Name, Index)                   \
    void TVynCustomItemSelector::Name()                \
    {                                                  \
        if (!fItemSelectorPanel_)                      \
            return;                                    \
        fItemSelectorPanel_->Name();                   \
        ScrollItemInView(fItemSelectorPanel_->Index()); \
    }
VYN_SELECT_STEP(SelectFirst, ItemIndex)
VYN_SELECT_STEP(SelectLast, ItemIndex)
VYN_SELECT_STEP(SelectNext, ItemIndex)
VYN_SELECT_STEP(SelectPrevious, ItemIndex)
VYN_SELECT_STEP(HotNext, ItemHot)
VYN_SELECT_STEP(HotPrevious, ItemHot)
#undef VYN_SELECT_STEP

bool TVynCustomItemSelector::LookupItem(const String& S)
{
    return fItemSelectorPanel_ && fItemSelectorPanel_->LookupItem(S);
}

void TVynCustomItemSelector::ScrollItemInView(int Index)
{
    if (!fItemSelectorPanel_ || Index < 0 || Index >= fItems_->Count() || !VertScrollBar().IsScrollBarVisible())
        return;
    TRect r;
    fItemSelectorPanel_->GetItemRect(Index, r);
    // The platform's scroll bar keeps no margin around the item.
    OffsetRect(r, fItemSelectorPanel_->Left(), fItemSelectorPanel_->Top());
    const int ch = ClientHeight();
    TControlScrollBar& bar = VertScrollBar();
    if (r.Top < 0) {
        bar.SetPosition(bar.Position() + r.Top);
    } else if (r.Bottom > ch) {
        if (r.Height() > ch)
            r.Bottom = r.Top + ch;
        bar.SetPosition(bar.Position() + r.Bottom - ch);
    }
}

int TVynCustomItemSelector::GetVisibleItemCount()
{
    if (!fItemSelectorPanel_ || fItems_->Count() == 0)
        return 0;
    // Items without height (an OnItemSize answer of 0) fill no row.
    const int h = fItems_->Items(0)->ItemRect().Height();
    if (h <= 0)
        return 0;
    const int height = Height() - (HorzScrollBar().IsScrollBarVisible() ? 20 : 0);
    return height / h * fColumns_;
}

void TVynCustomItemSelector::GetSelectorPanelSize(TSize& Size) const
{
    if (!fItemSelectorPanel_) {
        Size = {100, 50};
        return;
    }
    Size = {fItemSelectorPanel_->Width(), fItemSelectorPanel_->Height()};
}

void TVynCustomItemSelector::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS; }

void TVynCustomItemSelector::WMVScroll(TMessage& Message)
{
    TScrollingWinControl::WMVScroll(Message);
    // A thumb drag scrolls at once.
    if (LOWORD(Message.WParam) == SB_THUMBTRACK)
        VertScrollBar().SetPosition(HIWORD(Message.WParam));
}
