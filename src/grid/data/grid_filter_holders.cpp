#include "grid/data/grid_filter_holders.h"

#include "grid/core/vyn_string_grid.h"
#include "platform/gui/canvas.h"
#include "platform/gui/messages.h"

// ---- conditions ----------------------------------------------------------------------------------

void TFilterData::Assign(const TPersistent& Source)
{
    if (const auto* s = dynamic_cast<const TFilterData*>(&Source)) {
        FColumn = s->FColumn;
        FCondition = s->FCondition;
        FCaseSensitive = s->FCaseSensitive;
        FData = s->FData;
        FPrefix = s->FPrefix;
        FSuffix = s->FSuffix;
        FOperation = s->FOperation;
    }
}

TFilter::TFilter(TVynStringGrid* AGrid)
    : TCollection([](TCollection* C) { return new TFilterData(C); }, AGrid), FGrid(AGrid)
{
}

TFilterData* TFilter::Add()
{
    auto* f = static_cast<TFilterData*>(TCollection::Add());
    f->SetOperation(Count() == 1 ? TFilterOperation::foNONE : TFilterOperation::foAND);
    return f;
}

TFilterData* TFilter::Insert(int) { return static_cast<TFilterData*>(TCollection::Add()); }

TFilterData* TFilter::ColumnFilter(int Col)
{
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Column() == Col)
            return Items(i);
    TFilterData* f = Add();
    f->SetColumn(Col);
    return f;
}

bool TFilter::HasFilter(int Col) const
{
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Column() == Col)
            return true;
    return false;
}

void TFilter::RemoveColumnFilter(int Col)
{
    for (int i = Count() - 1; i >= 0; --i)
        if (Items(i)->Column() == Col)
            Delete(i);
    if (FGrid && Col >= 0)
        FGrid->RepaintCell(FGrid->RealToDisplCol(Col), 0);
}

// ---- the drop-down's look ------------------------------------------------------------------------

TFilterDropDown::TFilterDropDown()
    : FFont(std::make_unique<TFont>()), FGlyph(std::make_unique<TBitmap>()), FGlyphActive(std::make_unique<TBitmap>())
{
}

void TFilterDropDown::SetGlyph(const TBitmap& Value)
{
    FGlyph->Assign(Value);
    if (OnChange)
        OnChange(this);
}

void TFilterDropDown::SetGlyphActive(const TBitmap& Value)
{
    FGlyphActive->Assign(Value);
    if (OnChange)
        OnChange(this);
}

void TFilterDropDown::Assign(const TPersistent& Source)
{
    if (const auto* s = dynamic_cast<const TFilterDropDown*>(&Source)) {
        FColor = s->FColor;
        FColumnWidth = s->FColumnWidth;
        FFont->Assign(*s->FFont);
        FHeight = s->FHeight;
        FWidth = s->FWidth;
        FGlyph->Assign(*s->FGlyph);
        FGlyphActive->Assign(*s->FGlyphActive);
    }
}

// ---- the lists -----------------------------------------------------------------------------------

bool TCheckListBox::Checked(int Index) const
{
    return Index >= 0 && Index < int(FChecked.size()) && FChecked[size_t(Index)] != 0;
}

void TCheckListBox::SetChecked(int Index, bool Value)
{
    if (Index < 0)
        return;
    if (Index >= int(FChecked.size()))
        FChecked.resize(size_t(Index) + 1, 0);
    FChecked[size_t(Index)] = Value ? 1 : 0;
    Invalidate();
}

void TCheckListBox::ClickCheck()
{
    if (OnClickCheck)
        OnClickCheck(this);
}

void TCheckListBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State)
{
    TCanvas& c = Canvas();
    const int box = std::min(13, Rect.Bottom - Rect.Top - 2);
    TRect b(Rect.Left + 2, Rect.Top + (Rect.Bottom - Rect.Top - box) / 2, 0, 0);
    b.Right = b.Left + box;
    b.Bottom = b.Top + box;
    c.FillRect(TRect(Rect.Left, Rect.Top, Rect.Left + CheckWidth(), Rect.Bottom));
    DrawFrameControl(c, b, DFC_BUTTON, DFCS_BUTTONCHECK | (Checked(Index) ? DFCS_CHECKED : 0));
    TRect t = Rect;
    t.Left = Rect.Left + CheckWidth();
    TListBox::DrawItem(Index, t, State);
}

void TCheckListBox::DefaultHandler(TMessage& Message)
{
    const bool toggle = (Message.Msg == WM_LBUTTONDOWN && ItemAtPos(Message.Pos()) >= 0) ||
                        (Message.Msg == WM_KEYDOWN && Message.CharCode() == VK_SPACE && ItemIndex() >= 0);
    const int index = Message.Msg == WM_LBUTTONDOWN ? ItemAtPos(Message.Pos()) : ItemIndex();
    TListBox::DefaultHandler(Message);
    if (toggle) {
        SetChecked(index, !Checked(index));
        ClickCheck();
    }
}

void TDropList::Click()
{
    TListBox::Click();
    if (OnSelect)
        OnSelect(this, ItemIndex());
}

void TDropList::DefaultHandler(TMessage& Message)
{
    if (Message.Msg == WM_KEYDOWN && Message.CharCode() == VK_RETURN) {
        if (OnSelect)
            OnSelect(this, ItemIndex());
        return;
    }
    if (Message.Msg == WM_KEYDOWN && Message.CharCode() == VK_ESCAPE) {
        if (auto* p = dynamic_cast<TPopupForm*>(Parent()))
            p->PopupDeactivate(nullptr);
        return;
    }
    TListBox::DefaultHandler(Message);
}

void TDropCheckList::ClickCheck()
{
    TCheckListBox::ClickCheck();
    if (OnSelect)
        OnSelect(this, ItemIndex());
}

void TDropCheckList::DefaultHandler(TMessage& Message)
{
    if (Message.Msg == WM_KEYDOWN && (Message.CharCode() == VK_ESCAPE || Message.CharCode() == VK_RETURN)) {
        if (auto* p = dynamic_cast<TPopupForm*>(Parent()))
            p->PopupDeactivate(nullptr);
        return;
    }
    TCheckListBox::DefaultHandler(Message);
}

// ---- the popup -----------------------------------------------------------------------------------

TFilterPopup::TFilterPopup(TComponent* AOwner) : TPopupForm(AOwner)
{
    SetBorderStyle(bsNone);
}

void TFilterPopup::PopupDeactivate(TWinControl*)
{
    SetVisible(false);
    if (OnClosed)
        OnClosed(this);
}
