// TVynDetailDropDown: items, the list in the popup, auto-completion and keys.
#include "controls/dropdown/DetailDropDown.h"

#include <QLineEdit>

#include <algorithm>

#include "controls/dropdown/DropDownDraw.h"
#include "controls/dropdown/DropDownForm.h"
#include "grid/render/html/html_draw.h"
#include "platform/gui/input_state.h"
#include "platform/gui/qt_widgets.h"
#include "platform/gui/text_runs.h"

// ---- items -------------------------------------------------------------------------------------------

TDetailItem::TDetailItem(TCollection* Collection) : TPickerPictureItem(Collection)
{
    // A new picture shows at the next opening of the list.
    Image().OnChange = [this](TObject*) {
        if (auto* items = dynamic_cast<TDetailItems*>(this->Collection()); items && items->OnStale)
            items->OnStale();
    };
}

TDetailItem::~TDetailItem() { Image().OnChange = nullptr; }

void TDetailItem::Assign(const TPersistent& Source)
{
    TPickerPictureItem::Assign(Source);
    if (const auto* s = dynamic_cast<const TDetailItem*>(&Source)) {
        fNotes_ = s->fNotes_;
        fTag_ = s->fTag_;
        fItemObject_ = s->fItemObject_;
    }
}

int TDetailItems::IndexOf(const String& AValue) const
{
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Caption() == AValue)
            return i;
    return -1;
}

void TDetailItems::Update(TCollectionItem* Item)
{
    TPickerItems::Update(Item);
    if (OnStale)
        OnStale();
}

// ---- creation ----------------------------------------------------------------------------------------

TVynDetailDropDown::TVynDetailDropDown(TComponent* AOwner)
    : TVynSelectorPicker(AOwner),
      fItems_(std::make_unique<TDetailItems>(this)),
      fItemAppearance_(std::make_unique<TItemAppearance>(this)),
      fTypeAhead_(this, true),
      fCaptionFont_(std::make_unique<TFont>()),
      fNotesFont_(std::make_unique<TFont>())
{
    fItems_->OnStale = [this] { fSelectorStale_ = true; };
    InitDropDown();
    SetEditorEnabled(true);
    SetDropDownEnabled(true);
    fCaptionFont_->Assign(Font());
    fNotesFont_->Assign(Font());
}

TVynDetailDropDown::~TVynDetailDropDown()
{
    fItems_->OnStale = nullptr;
    fItems_->OnChange = nullptr;
}

void TVynDetailDropDown::CreateDropDownForm()
{
    TVynCustomDropDown::CreateDropDownForm();
    const bool made = !fItemSelector_;
    fItemSelector_ = HostSelector(*this, fItemSelector_, stImage);
    if (!made || !fItemSelector_)
        return;
    // The rows are this control's: their size and their painting.
    fItemSelector_->OnDrawItem = [this](TObject*, TCanvas& Canvas, const TRect& R, int Index) {
        DrawSelectorItem(Canvas, Index, R);
    };
    fItemSelector_->OnItemSize = [this](TObject*, TSize& S) { SelectorItemSize(S); };
    fItemSelector_->OnResize = [this](TObject*) { UpdateSelectorPanel(); };
    UpdateSelectorPanel();
}

void TVynDetailDropDown::SetLayout(TItemLayout Value)
{
    if (Value == fLayout_)
        return;
    fLayout_ = Value;
    fSelectorStale_ = true;
}

// ---- the item index ----------------------------------------------------------------------------------

void TVynDetailDropDown::SetItemIndex(int Value)
{
    if (Value == fItemIndex_)
        return;
    if (Value >= 0 && Value < fItems_->Count()) {
        fItemIndex_ = Value;
        const String caption = fItems_->Items(Value)->Caption();
        SetText(caption);
        SetSelStart(0);
        SetSelLength(int(TCustomEdit::Text().size()));
        Invalidate();
        if (fItemSelector_)
            fItemSelector_->Invalidate();
        if (OnSelect)
            OnSelect(this);
    } else if (Value == -1) {
        SetText(String());
        fItemIndex_ = -1;
    }
}

void TVynDetailDropDown::step(TSelectStep Step)
{
    if (const int i = SteppedIndex(fItemIndex_, fItems_->Count(), Step); i >= 0)
        SetItemIndex(i);
}

void TVynDetailDropDown::SelectFirst() { step(TSelectStep::First); }
void TVynDetailDropDown::SelectLast() { step(TSelectStep::Last); }
void TVynDetailDropDown::SelectNext() { step(TSelectStep::Next); }
void TVynDetailDropDown::SelectPrevious() { step(TSelectStep::Previous); }

void TVynDetailDropDown::FillSelectorItems()
{
    TSelectorItems& items = fItemSelector_->Items();
    items.BeginUpdate();
    items.Clear();
    for (int i = 0; i < fItems_->Count(); ++i) {
        const TDetailItem& d = *fItems_->Items(i);
        TSelectorItem* s = items.Add();
        s->SetCaption(d.Caption());
        s->SetImage(d.Image());
        s->SetImageIndex(d.ImageIndex());
    }
    items.EndUpdate();
}

void TVynDetailDropDown::UpdateSelectorPanel()
{
    if (!fItemSelector_)
        return;
    // The rows are as wide as the room beside the vertical scroll bar: when
    // the layout shows or hides the bar, the rows are laid out again.
    TControlScrollBar& bar = fItemSelector_->VertScrollBar();
    const bool before = bar.IsScrollBarVisible();
    layOut();
    if (bar.IsScrollBarVisible() != before)
        layOut();
}

void TVynDetailDropDown::layOut()
{
    // The rows are equal and in one column: a layout of the present count
    // and row size is not made again (opening a long list costs no work
    // per item).
    const TSelectorItems& items = fItemSelector_->Items();
    const int n = items.Count();
    if (n > 0 && fItemSelector_->Columns() == 1) {
        TSize size;
        SelectorItemSize(size);
        const TRect first = items.Items(0)->ItemRect(), last = items.Items(n - 1)->ItemRect();
        const int x = TCustomItemSelector::OffSetX, y = TCustomItemSelector::OffSetY;
        if (first == Bounds(x, y, size.cx, size.cy) && last == Bounds(x, y + (n - 1) * size.cy, size.cx, size.cy) &&
            fItemSelector_->SelectorPanel()->Width() == size.cx + 2 * x &&
            fItemSelector_->SelectorPanel()->Height() == n * size.cy + 2 * y)
            return;
    }
    fItemSelector_->UpdateSelectorPanel();
}

void TVynDetailDropDown::UpdateSelector()
{
    if (!fItemSelector_)
        return;
    TVynCustomItemSelector& s = *fItemSelector_;
    s.OnItemSelect = nullptr;
    s.SetColumns(1);
    s.SetImages(Images());
    s.SetItemLayout(fLayout_);
    s.SetColor(DropDownColor());
    s.SetItemAppearance(*fItemAppearance_);
    // The items are rebuilt only when something they copy changed.
    if (fSelectorStale_ || s.Items().Count() != fItems_->Count()) {
        FillSelectorItems();
        fSelectorStale_ = false;
    }
    UpdateSelectorPanel();
    s.SetItemIndex(fItemIndex_);
    s.OnItemSelect = [this](TObject*) { SelectorItemSelect(); };
}

void TVynDetailDropDown::SelectorItemSelect()
{
    if (fFollowing_ || !fItemSelector_)
        return;
    const int i = fItemSelector_->ItemIndex();
    SetItemIndex(i);
    if (i >= 0 && i < fItems_->Count()) {
        SetText(fItems_->Items(i)->Caption());
        SetSelStart(0);
        SetSelLength(int(TCustomEdit::Text().size()));
    }
    if (!fInternalCall_)
        ClosePopupAfterPick(*this);
}

void TVynDetailDropDown::FollowInSelector(int Index)
{
    if (!fItemSelector_ || !DroppedDown())
        return;
    const bool was = std::exchange(fFollowing_, true);
    fItemSelector_->SetItemIndex(Index);
    fFollowing_ = was;
}

void TVynDetailDropDown::SelectorItemSize(TSize& ASize)
{
    int w = DropDownWidth();
    if (w <= 0 && DropDownForm())
        w = DropDownForm()->Width();
    if (fItemSelector_ && fItemSelector_->VertScrollBar().IsScrollBarVisible())
        w -= GetSystemMetrics(SM_CXVSCROLL);
    w -= 2 * GetSystemMetrics(SM_CXBORDER) + 4;
    ASize = {std::max(w, 0), fItemHeight_};
}

void TVynDetailDropDown::DrawSelectorItem(TCanvas& Canvas, int Index, TRect R)
{
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, Canvas, R);
        return;
    }
    if (Index < 0 || Index >= fItems_->Count())
        return;
    const TDetailItem& item = *fItems_->Items(Index);
    const String& caption = item.Caption();
    auto placeX = [&](int W) { return caption.isEmpty() ? R.Left + (R.Width() - W) / 2 : R.Left + 2; };
    const TGraphic* picture = item.Image().Graphic();
    if (!picture || picture->Empty()) {
        TImageList* images = Images();
        if (images && item.ImageIndex() >= 0) {
            images->Draw(Canvas, placeX(images->Width()), R.Top + (R.Height() - images->Height()) / 2,
                         item.ImageIndex());
            R.Left += images->Width() + 4;
        }
    } else {
        // A bitmap is drawn with its automatic transparency.
        const int x = placeX(picture->Width()), y = R.Top + (R.Height() - picture->Height()) / 2;
        if (dynamic_cast<const TBitmap*>(picture) && !picture->Transparent()) {
            std::unique_ptr<TGraphic> copy = picture->Clone();
            copy->SetTransparent(true);
            Canvas.Draw(x, y, *copy);
        } else {
            Canvas.Draw(x, y, *picture);
        }
        R.Left += picture->Width() + 4;
    }
    const bool hot = fItemSelector_ && fItemSelector_->ItemHot() == Index, selected = Index == fItemIndex_;
    // The same captions and notes are painted at every opening and scroll:
    // their lines are shaped once.
    TTextRunCacheScope shapedOnce;
    auto colourFont = [&](const TFont& F) {
        Canvas.SetFont(F);
        if (selected)
            Canvas.Font().SetColor(fItemAppearance_->ColorSelectedText);
        else if (hot)
            Canvas.Font().SetColor(fItemAppearance_->ColorHotText);
    };
    colourFont(*fCaptionFont_);
    Canvas.Brush().SetStyle(bsClear);
    TRect tr = Rect(R.Left + 4, R.Top + 2, R.Right - 4, R.Bottom);
    Canvas.DrawText(tr, caption, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    if (item.Notes().isEmpty())
        return;
    tr.Top += Canvas.TextHeight(QStringLiteral("gh"));
    colourFont(*fNotesFont_);
    THTMLDrawOptions o;
    o.ImageList = Images();
    DrawHTMLText(Canvas, item.Notes(), tr, o);
}

void TVynDetailDropDown::SelectRow(int K)
{
    if (!fItemSelector_ || K < 0 || K >= fItemSelector_->Items().Count())
        return;
    Internal([&] {
        fItemSelector_->SetItemIndex(K);
        fItemSelector_->ScrollItemInView(K);
    });
}

// ---- the popup ---------------------------------------------------------------------------------------

void TVynDetailDropDown::DoBeforeDropDown()
{
    TVynCustomDropDown::DoBeforeDropDown();
    UpdateSelector();
    fOldItemIndex_ = fItemIndex_;
    fOldText_ = Text();
}

void TVynDetailDropDown::DoShowDropDown()
{
    TVynCustomDropDown::DoShowDropDown();
    if (!fItemSelector_ || !DroppedDown())
        return;
    // The popup has its size now: the chosen row in view.
    fItemSelector_->ScrollItemInView(fItemSelector_->ItemIndex());
    if (fItemSelector_->CanFocus())
        fItemSelector_->SetFocus();
}

void TVynDetailDropDown::UpdateDropDownSize()
{
    if (fItemSelector_) {
        fItemSelector_->SetAlign(alNone);
        if (DropDownWidth() <= 0)
            fItemSelector_->SetWidth(Width());
        if (DropDownHeight() <= 0)
            fItemSelector_->SetHeight(100);
    }
    TVynCustomDropDown::UpdateDropDownSize();
}

void TVynDetailDropDown::DoHideDropDown(bool Cancel)
{
    const bool wasOpen = DroppedDown();
    TWeakRef<TVynDetailDropDown> self(this);
    TVynCustomDropDown::DoHideDropDown(Cancel);
    if (!self || !Cancel || !wasOpen || !fItemSelector_)
        return;
    // The index and the text of the moment the popup opened, -1 and the
    // empty text included.
    SetItemIndex(fOldItemIndex_);
    if (self && Text() != fOldText_)
        SetText(fOldText_);
}

void TVynDetailDropDown::DoDropDownSizing()
{
    TVynCustomDropDown::DoDropDownSizing();
    UpdateSelectorPanel();
}

void TVynDetailDropDown::SetComponentStyle(TVynStyle AStyle)
{
    TVynCustomDropDown::SetComponentStyle(AStyle);
    SetItemAppearanceStyle(fItemAppearance_.get(), AStyle);
}

// ---- wheel and keys ----------------------------------------------------------------------------------

void TVynDetailDropDown::WheelStep(int Delta)
{
    if (!DroppedDown() || !fItemSelector_) {
        if (Delta > 0)
            SelectNext();
        else
            SelectPrevious();
        return;
    }
    const int cur = fItemSelector_->ItemIndex();
    SelectRow(cur < 0 ? 0 : cur + Delta);
    Invalidate();
}

void TVynDetailDropDown::HandleMouseWheelDown()
{
    TVynCustomDropDown::HandleMouseWheelDown();
    WheelStep(1);
}

void TVynDetailDropDown::HandleMouseWheelUp()
{
    TVynCustomDropDown::HandleMouseWheelUp();
    WheelStep(-1);
}

void TVynDetailDropDown::WMKeyDown(TMessage& Message)
{
    if (!Enabled() || GetKeyState(VK_MENU) < 0) {
        TVynCustomDropDown::WMKeyDown(Message);
        return;
    }
    TWeakRef<TVynDetailDropDown> self(this);
    const Word key = Message.CharCode();
    const bool open = DroppedDown();
    TVynCustomItemSelector* s = fItemSelector_;
    switch (key) {
    case VK_PRIOR:
    case VK_NEXT: {
        if (!s)
            break;
        if (s->Items().Count() != fItems_->Count())
            UpdateSelector();
        const int n = s->GetVisibleItemCount();
        if (n < 1)
            break;
        SelectRow(key == VK_PRIOR ? std::max(s->ItemIndex() - n, 0)
                                  : std::min(s->ItemIndex() + n, fItems_->Count() - 1));
        break;
    }
    case VK_END:
    case VK_HOME:
        if (open && s)
            Internal([&] { key == VK_END ? s->SelectLast() : s->SelectFirst(); });
        else if (!open && !EditorEnabled())
            key == VK_END ? SelectLast() : SelectFirst();
        break;
    case VK_LEFT:
    case VK_RIGHT:
        if (open && s && !EditorEnabled())
            Internal([&] { key == VK_LEFT ? s->SelectPrevious() : s->SelectNext(); });
        break;
    case VK_UP:
    case VK_DOWN:
        if (open && s) {
            const int cur = s->ItemIndex();
            SelectRow(cur < 0 ? 0 : cur + (key == VK_UP ? -1 : 1));
            Invalidate();
        } else {
            key == VK_UP ? SelectPrevious() : SelectNext();
        }
        break;
    default:
        // With the editor on the typed text is the search (the completion);
        // otherwise the keys search the list.
        if (GetKeyState(VK_CONTROL) >= 0 && s && !EditorEnabled() && key != VK_RETURN && key != VK_ESCAPE) {
            if (s->Items().Count() != fItems_->Count())
                UpdateSelector();
            const String& text = fTypeAhead_.Add(key);
            Internal([&] { s->LookupItem(text); });
        }
        break;
    }
    if (!self)
        return;
    if (open && (key == VK_PRIOR || key == VK_NEXT || key == VK_LEFT || key == VK_UP || key == VK_RIGHT ||
                 key == VK_DOWN)) {
        Message.SetCharCode(0);
        return;
    }
    TVynCustomDropDown::WMKeyDown(Message);
}

void TVynDetailDropDown::KeyDown(Word& Key, TShiftState Shift)
{
    if (fItems_->Count() == 0) {
        TVynCustomDropDown::KeyDown(Key, Shift);
        return;
    }
    TWeakRef<TVynDetailDropDown> self(this);
    switch (Key) {
    case VK_BACK:
    case VK_ESCAPE:
    case VK_DELETE: fWorkMode_ = false; break;
    case VK_RETURN:
        if (const int i = fItems_->IndexOf(Text()); i >= 0) {
            SetText(fItems_->Items(i)->Caption());
            SetItemIndex(i);
            if (self)
                Change();
        }
        break;
    default: fWorkMode_ = true; break;
    }
    if (!self)
        return;
    TVynCustomDropDown::KeyDown(Key, Shift);
    if (self && Key == VK_ESCAPE)
        if (const int i = fItems_->IndexOf(Text()); i >= 0)
            SetItemIndex(i);
}

void TVynDetailDropDown::Change()
{
    if (EditSyncing()) {
        TVynCustomDropDown::Change();
        return;
    }
    fItemChange_ = false;
    TWeakRef<TVynDetailDropDown> self(this);
    TVynCustomDropDown::Change();
    // The completion's own text write notifies without completing again.
    if (!self || fCompleting_ || !fWorkMode_ || ComponentState().Contains(TComponentStateItem::csDesigning))
        return;
    SetModifiedFlag(Text() != fOldValue_);
    if (!self)
        return;
    const String text = Text();
    const int typedLength = std::clamp(SelStart() - int(Prefix().size()), 0, int(text.size()));
    const String typed = text.left(typedLength);
    const String& prefix = typed;
    // Compared without upper-cased copies of the captions.
    const Qt::CaseSensitivity cs = fMatchCase_ ? Qt::CaseSensitive : Qt::CaseInsensitive;
    int found = -1;
    if (!prefix.isEmpty())
        for (int i = 0; i < fItems_->Count(); ++i)
            if (fItems_->Items(i)->Caption().startsWith(prefix, cs)) {
                found = i;
                break;
            }
    fCompleting_ = true;
    if (found >= 0) {
        fItemIndex_ = found;
        fItemIdx_ = found;
        fItemSel_ = int(prefix.size());
        fItemChange_ = true;
        const String completed = typed + fItems_->Items(found)->Caption().mid(prefix.size(), 255);
        SetText(completed);
        if (self) {
            // The tail selected with the anchor at the end and the caret at
            // the end of the typed part.
            const int n = int(TCustomEdit::Text().size());
            const int caret = std::min(typedLength + int(Prefix().size()), n);
            Editor()->setSelection(n, caret - n);
            FollowInSelector(found);
        }
    } else if (!typed.isEmpty()) {
        SetText(typed);
        if (self)
            SetSelStart(int(TCustomEdit::Text().size()));
    }
    if (self)
        fCompleting_ = false;
}

void TVynDetailDropDown::KeyUp(Word& Key, TShiftState Shift)
{
    TWeakRef<TVynDetailDropDown> self(this);
    TVynCustomDropDown::KeyUp(Key, Shift);
    if (self)
        FinishCompletionOnKeyUp(*this, fItemChange_, fItemSel_, [this] { SetItemIndex(fItemIdx_); });
}
