// The grid drop-down's column definitions and items.
#include "controls/dropdown/grid/GridDropDownItems.h"

namespace VynCustomGridDropDown {

// ---- columns -----------------------------------------------------------------------------------

TDropDownColumn::TDropDownColumn(TCollection* Collection)
    : TCollectionItem(Collection), fFont_(std::make_unique<TFont>())
{
}

TDropDownColumn::~TDropDownColumn() = default;

void TDropDownColumn::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TDropDownColumn*>(&Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    fWordwrap_ = s->fWordwrap_;
    fWidth_ = s->fWidth_;
    fAutoSize_ = s->fAutoSize_;
    fHeader_ = s->fHeader_;
    fAlignment_ = s->fAlignment_;
    fColor_ = s->fColor_;
    fColumnType_ = s->fColumnType_;
    fFont_->Assign(*s->fFont_);
    fEllipsis_ = s->fEllipsis_;
}

TDropDownColumns::TDropDownColumns(TPersistent* AOwner)
    : TCollection([](TCollection* C) { return new TDropDownColumn(C); }, AOwner)
{
}

// ---- items -------------------------------------------------------------------------------------

TDropDownItem::TDropDownItem(TCollection* Collection)
    : TCollectionItem(Collection), fText_(std::make_unique<TStringList>())
{
}

TDropDownItem::~TDropDownItem() = default;

void TDropDownItem::SetText(const TStringList& Value) { fText_->Assign(Value); }

String TDropDownItem::TextAt(int Index) const
{
    return Index >= 0 && Index < fText_->Count() ? fText_->Strings(Index) : String();
}

void TDropDownItem::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TDropDownItem*>(&Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    fImageIndex_ = s->fImageIndex_;
    fText_->Assign(*s->fText_);
}

TDropDownItems::TDropDownItems(TPersistent* AOwner)
    : TCollection([](TCollection* C) { return static_cast<TDropDownItems*>(C)->GetItemClass(C); }, AOwner)
{
}

TDropDownItem* TDropDownItems::AddTexts(const QStringList& Texts)
{
    TDropDownItem* item = Add();
    item->Text().AddStrings(Texts);
    return item;
}

}  // namespace VynCustomGridDropDown
