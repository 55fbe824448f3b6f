#pragma once
// The column definitions and the rows of the grid drop-down
// (TCustomVynGridDropDown): TDropDownColumn(s) describe what each column of
// its list grid shows, TDropDownItem(s) hold one text per column.
#include <memory>

#include "platform/gui/classes.h"
#include "platform/gui/canvas.h"
#include "platform/rtl/stringlist.h"

namespace VynCustomGridDropDown {

// The kind of a column; only the measuring of a column's width looks at it
// (an image column keeps room for the item's image).
enum class TColumnType { ctText, ctImage };

class TDropDownColumn : public TCollectionItem {
public:
    explicit TDropDownColumn(TCollection* Collection);
    ~TDropDownColumn() override;

    bool Wordwrap() const { return fWordwrap_; }
    void SetWordwrap(bool Value) { fWordwrap_ = Value; }
    int Width() const { return fWidth_; }
    void SetWidth(int Value) { fWidth_ = Value; }
    bool AutoSize() const { return fAutoSize_; }
    void SetAutoSize(bool Value) { fAutoSize_ = Value; }
    const String& Header() const { return fHeader_; }
    void SetHeader(const String& Value) { fHeader_ = Value; }
    TAlignment Alignment() const { return fAlignment_; }
    void SetAlignment(TAlignment Value) { fAlignment_ = Value; }
    TColor Color() const { return fColor_; }
    void SetColor(TColor Value) { fColor_ = Value; }
    TColumnType ColumnType() const { return fColumnType_; }
    void SetColumnType(TColumnType Value) { fColumnType_ = Value; }
    TFont& Font() const { return *fFont_; }
    void SetFont(const TFont& Value) { fFont_->Assign(Value); }
    bool Ellipsis() const { return fEllipsis_; }
    void SetEllipsis(bool Value) { fEllipsis_ = Value; }

    // From another column: every setting, the font by assignment.
    void Assign(const TPersistent& Source) override;

private:
    bool fWordwrap_ = false;
    int fWidth_ = 80;
    bool fAutoSize_ = false;
    String fHeader_;
    TAlignment fAlignment_ = taLeftJustify;
    TColor fColor_ = 0xFFFFFF;
    TColumnType fColumnType_ = TColumnType::ctText;
    std::unique_ptr<TFont> fFont_;
    bool fEllipsis_ = false;
};

class TDropDownColumns : public TCollection {
public:
    explicit TDropDownColumns(TPersistent* AOwner);
    TPersistent* GetOwner() const { return Owner(); }
    TDropDownColumn* Add() { return static_cast<TDropDownColumn*>(TCollection::Add()); }
    TDropDownColumn* Insert(int Index) { return static_cast<TDropDownColumn*>(TCollection::Insert(Index)); }
    TDropDownColumn* Items(int Index) const { return static_cast<TDropDownColumn*>(TCollection::Items(Index)); }
    // Never fired by the collection itself.
    TNotifyEvent OnChange;
};

class TDropDownItem : public TCollectionItem {
public:
    explicit TDropDownItem(TCollection* Collection);
    ~TDropDownItem() override;

    int ImageIndex() const { return fImageIndex_; }
    void SetImageIndex(int Value) { fImageIndex_ = Value; }
    // One text per column.
    TStringList& Text() const { return *fText_; }
    void SetText(const TStringList& Value);
    // Text number Index; empty when the item has fewer texts (or Index < 0).
    String TextAt(int Index) const;

    // From another item: the image index and the texts.
    void Assign(const TPersistent& Source) override;

private:
    int fImageIndex_ = -1;
    std::unique_ptr<TStringList> fText_;
};

class TDropDownItems : public TCollection {
public:
    explicit TDropDownItems(TPersistent* AOwner);
    TPersistent* GetOwner() const { return Owner(); }
    TDropDownItem* Add() { return static_cast<TDropDownItem*>(TCollection::Add()); }
    TDropDownItem* Insert(int Index) { return static_cast<TDropDownItem*>(TCollection::Insert(Index)); }
    TDropDownItem* Items(int Index) const { return static_cast<TDropDownItem*>(TCollection::Items(Index)); }
    // Adds an item with the given texts (one per column).
    TDropDownItem* AddTexts(const QStringList& Texts);
    TNotifyEvent OnChange;

protected:
    // The class of the items the collection makes.
    virtual TCollectionItem* GetItemClass(TCollection* Collection) const { return new TDropDownItem(Collection); }
};

}  // namespace VynCustomGridDropDown
