#pragma once
// The item lists of the pickers (detail items, named colours, palette
// boxes, pictures): a collection of one item class whose OnChange fires
// when an item's shown value (caption, colour, image index) changes.
#include <memory>

#include "platform/gui/bitmap.h"
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

// An item with a caption, an image index into the drop-down's Images (-1:
// none) and a picture of its own (owned; it takes precedence over the
// image index).
class TPickerPictureItem : public TPickerItem {
public:
    explicit TPickerPictureItem(TCollection* Collection);
    ~TPickerPictureItem() override;

    const String& Caption() const { return fCaption_; }
    void SetCaption(const String& Value) { SetNotifying(fCaption_, Value); }
    int ImageIndex() const { return fImageIndex_; }
    void SetImageIndex(int Value) { SetNotifying(fImageIndex_, Value); }
    bool Enabled() const { return fEnabled_; }
    void SetEnabled(bool Value) { fEnabled_ = Value; }
    // Writing copies.
    TPicture& Image() { return *fImage_; }
    const TPicture& Image() const { return *fImage_; }
    void SetImage(const TPicture& Value) { fImage_->Assign(Value); }

    // From another picture item: the caption, the image index, a copy of
    // the picture and Enabled.
    void Assign(const TPersistent& Source) override;

private:
    String fCaption_;
    int fImageIndex_ = -1;
    bool fEnabled_ = true;
    std::unique_ptr<TPicture> fImage_;
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
