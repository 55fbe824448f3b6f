// The type-ahead and the list keys of the pickers.
#include "controls/dropdown/SelectorDropDown.h"

#include <utility>

#include <algorithm>

#include "controls/dropdown/DropDownForm.h"
#include "platform/gui/input_state.h"

int SteppedIndex(int Current, int Count, TSelectStep Step)
{
    if (Count <= 0)
        return -1;
    switch (Step) {
    case TSelectStep::First: return 0;
    case TSelectStep::Last: return Count - 1;
    case TSelectStep::Next: return Current < 0 ? 0 : (Current + 1 < Count ? Current + 1 : -1);
    case TSelectStep::Previous: return Current < 0 ? 0 : Current - 1;
    }
    return -1;
}

TTypeAhead::TTypeAhead(TComponent* AOwner, bool RestartOnKey) : timer_(new TTimer(AOwner)), restart_(RestartOnKey)
{
    timer_->SetEnabled(false);
    timer_->SetInterval(500);
    timer_->OnTimer = [this](TObject*) {
        timer_->SetEnabled(false);
        text_.clear();
    };
}

TTypeAhead::~TTypeAhead()
{
    // The timer belongs to the owner's components; it stops here.
    timer_->SetEnabled(false);
    timer_->OnTimer = nullptr;
}

const String& TTypeAhead::Add(Word Key)
{
    text_ += QChar(char16_t(Key));
    if (restart_)
        timer_->SetEnabled(false);
    timer_->SetEnabled(true);
    return text_;
}

void TSelectorListKeys::Select(int K) const
{
    if (K < 0 || K >= Selector->Items().Count())
        return;
    Internal([&] {
        Selector->SetItemIndex(K);
        Selector->ScrollItemInView(K);
    });
}

void TSelectorListKeys::closedStep(TSelectStep Step) const
{
    if (const int i = SteppedIndex(Current, Count, Step); i >= 0)
        SetIndex(i);
}

void TSelectorListKeys::Wheel(bool Down) const
{
    TVynCustomItemSelector& s = *Selector;
    if (Open) {
        Down ? s.HotNext() : s.HotPrevious();
        return;
    }
    if (s.Items().Count() != Count && Refresh)
        Refresh();
    SyncSelectorIndex(s, Current);
    Internal([&] { Down ? s.SelectNext() : s.SelectPrevious(); });
}

void TSelectorListKeys::KeyDown(Word Key, bool Ctrl) const
{
    TVynCustomItemSelector& s = *Selector;
    switch (Key) {
    case VK_RETURN: break;
    case VK_PRIOR:
    case VK_NEXT: {
        if (s.Items().Count() != Count && Refresh)
            Refresh();
        if (!Open)
            SyncSelectorIndex(s, Current);
        const int n = s.GetVisibleItemCount();
        if (n < 1)
            break;
        if (Key == VK_PRIOR)
            Select(std::max(s.ItemIndex() - n, 0));
        else
            Select(std::min(s.ItemIndex() + n, Count - 1));
        break;
    }
    case VK_END:
        if (Open)
            Internal([&] { s.SelectLast(); });
        else
            closedStep(TSelectStep::Last);
        break;
    case VK_HOME:
        if (Open)
            Internal([&] { s.SelectFirst(); });
        else
            closedStep(TSelectStep::First);
        break;
    case VK_LEFT:
        if (Open && !EditorEnabled)
            Internal([&] { s.SelectPrevious(); });
        break;
    case VK_RIGHT:
        if (Open && !EditorEnabled)
            Internal([&] { s.SelectNext(); });
        break;
    case VK_UP:
        if (Open)
            Select(s.ItemIndex() < 0 ? 0 : s.ItemIndex() - Columns);
        else
            closedStep(TSelectStep::Previous);
        break;
    case VK_DOWN:
        if (Open)
            Select(s.ItemIndex() < 0 ? 0 : s.ItemIndex() + Columns);
        else
            closedStep(TSelectStep::Next);
        break;
    default:
        if (!Ctrl && TypeAhead) {
            const String& text = TypeAhead->Add(Key);
            Internal([&] { s.LookupItem(text); });
        }
        break;
    }
}

void PrepareSelectorPopupSize(const TVynCustomDropDown& DropDown, TVynCustomItemSelector& Selector)
{
    Selector.SetAlign(alNone);
    TSize s;
    Selector.GetSelectorPanelSize(s);
    // The popup's frame lies inside the width the base sizing takes from
    // the selector (the height counts it already).
    if (DropDown.DropDownWidth() < 1)
        Selector.SetWidth(s.cx + 2 * DropDown.DropDownBorderWidth());
    if (DropDown.DropDownHeight() < 1)
        Selector.SetHeight(s.cy);
}

void WidenForScrollBar(const TVynCustomDropDown& DropDown, TVynCustomItemSelector& Selector)
{
    TDropDownForm* form = DropDown.DropDownForm();
    if (!form)
        return;
    // Whether the selector will scroll in the room the popup leaves it.
    int room = form->Height() - 2 * DropDown.DropDownBorderWidth();
    if (DropDown.DropDownHeader().Visible())
        room -= DropDown.DropDownHeader().Height();
    if (DropDown.DropDownFooter().Visible())
        room -= DropDown.DropDownFooter().Height();
    TSize s;
    Selector.GetSelectorPanelSize(s);
    if (s.cy > room)
        form->SetWidth(form->Width() + GetSystemMetrics(SM_CXVSCROLL));
}

void SyncSelectorIndex(TVynCustomItemSelector& Selector, int Index)
{
    if (Selector.ItemIndex() == Index)
        return;
    TNotifyEvent handler = std::move(Selector.OnItemSelect);
    Selector.OnItemSelect = nullptr;
    Selector.SetItemIndex(Index);
    Selector.OnItemSelect = std::move(handler);
}

void ClosePopupAfterPick(TVynCustomDropDown& DropDown)
{
    TDropDownForm* form = DropDown.DropDownForm();
    for (TControl* c = GetCaptureControl(); c && form; c = c->Parent())
        if (c == form) {
            SetCaptureControl(nullptr);
            break;
        }
    DropDown.DoHideDropDown(false);
}

void FinishCompletionOnKeyUp(TVynCustomDropDown& DropDown, bool& Pending, int TypedLength,
                             const std::function<void()>& Restore)
{
    if (!Pending)
        return;
    TWeakRef<TVynCustomDropDown> self(&DropDown);
    Restore();
    if (!self)
        return;
    const int n = int(DropDown.TCustomEdit::Text().size());
    const int start = std::min(TypedLength + int(DropDown.Prefix().size()), n);
    DropDown.SetSelStart(start);
    DropDown.SetSelLength(n - start);
    Pending = false;
}

TVynCustomItemSelector* HostSelector(TVynCustomDropDown& DropDown, TVynCustomItemSelector* Selector,
                                     TSelectorType Type)
{
    TDropDownForm* form = DropDown.DropDownForm();
    if (!form)
        return Selector;
    if (!Selector) {
        Selector = new TVynCustomItemSelector(&DropDown);
        Selector->SetParent(form);
        Selector->SetSelectorType(Type);
        Selector->SetBounds(0, 0, Selector->Width(), 150);
    }
    Selector->SetColor(DropDown.DropDownColor());
    Selector->UpdateSelectorPanel();
    DropDown.SetControl(Selector);
    return Selector;
}

void TVynSelectorPicker::SetSelectionColorStyle(TSelectionColorStyle AStyle)
{
    TVynCustomDropDown::SetSelectionColorStyle(AStyle);
    if (fItemSelector_)
        fItemSelector_->ItemAppearance().SetColorStyle(AStyle);
}

void TVynSelectorPicker::TakeSelectorPick(const std::function<void(int)>& SetIndex)
{
    if (!fItemSelector_)
        return;
    TWeakRef<TVynSelectorPicker> self(this);
    SetIndex(fItemSelector_->ItemIndex());
    if (self && !fInternalCall_)
        ClosePopupAfterPick(*this);
}

void TVynSelectorPicker::Internal(const std::function<void()>& Call)
{
    struct Restore {
        bool& Flag;
        bool Was;
        ~Restore() { Flag = Was; }
    } restore{fInternalCall_, std::exchange(fInternalCall_, true)};
    Call();
}
