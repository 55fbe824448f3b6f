#pragma once
// The item lists of the pickers (detail items, named colours, palette
// boxes, pictures): a collection of one item class whose OnChange fires
// when an item's shown value (caption, colour, image index) changes.
#include "platform/gui/classes.h"

class TPickerItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;

protected:
    // Stores Value; a different value tells the list.
    template <class T> void SetNotifying(T& Field, const T& Value)
    {
        if (Field == Value)
            return;
        Field = Value;
        Changed(false);
    }
};

template <class TItem> class TPickerItems : public TCollection {
public:
    explicit TPickerItems(TPersistent* AOwner)
        : TCollection([](TCollection* C) -> TCollectionItem* { return new TItem(C); }, AOwner)
    {
    }
    TPersistent* GetOwner() const { return Owner(); }
    TItem* Add() { return static_cast<TItem*>(TCollection::Add()); }
    TItem* Insert(int Index) { return static_cast<TItem*>(TCollection::Insert(Index)); }
    TItem* Items(int Index) const { return static_cast<TItem*>(TCollection::Items(Index)); }

    // An item's caption, colour or image index changed.
    TNotifyEvent OnChange;

protected:
    void Update(TCollectionItem* Item) override
    {
        TCollection::Update(Item);
        if (Item && OnChange)
            OnChange(this);
    }
};
