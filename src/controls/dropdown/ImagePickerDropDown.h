#pragma once
// TVynImagePickerDropDown: a drop-down whose popup shows a grid of pictures
// (an item selector); the edit shows the chosen picture centred.
//
// Rules:
// - ItemIndex takes -1 .. Count - 1; a new value fires the edit's OnChange
//   and then OnSelect; the value already chosen, and any other, nothing.
// - ImageIndex is the chosen item's image index (-1 without one); writing
//   it chooses the first item with that image index, or -1.
// - an item's own picture takes precedence over its image index.
// - AddImagesFromFolder("dir/mask", ...) appends one item per readable
//   picture file matching the mask (case ignored, "*" and "?" wild), in
//   name order; directories and files that do not load are skipped.
// - keys: PageUp/PageDown by the visible items, Home, End, Up and Down (by
//   a row of Columns in the open popup), Left and Right in the open popup,
//   other keys a type-ahead search that lives 500 ms from its first key;
//   Enter on a hot item picks it and closes the popup, else fires OnSelect.
// - Esc in an open popup puts back the index of the opening; Esc on a
//   closed picker changes nothing.
#include <memory>

#include "controls/dropdown/PickerItems.h"
#include "controls/dropdown/SelectorDropDown.h"
#include "controls/dropdown/VynDropDown.h"

class TImageItem : public TPickerPictureItem {
public:
    using TPickerPictureItem::TPickerPictureItem;
    const String& Hint() const { return fHint_; }
    void SetHint(const String& Value) { fHint_ = Value; }
    // The picture item's values, then the hint.
    void Assign(const TPersistent& Source) override;

private:
    String fHint_;
};

class TImageItems : public TPickerItems<TImageItem> {
public:
    using TPickerItems::TPickerItems;
};

class TVynImagePickerDropDown : public TVynSelectorPicker {
public:
    explicit TVynImagePickerDropDown(TComponent* AOwner);
    ~TVynImagePickerDropDown() override;

    int Columns() const { return fColumns_; }
    void SetColumns(int Value) { fColumns_ = Value; }
    TItemLayout Layout() const { return fLayout_; }
    void SetLayout(TItemLayout Value) { fLayout_ = Value; }
    TImageItems& Items() const { return *fItems_; }
    void SetItems(const TImageItems& Value) { fItems_->Assign(Value); }
    int ItemIndex() const { return fItemIndex_; }
    void SetItemIndex(int Value);
    int ImageIndex() const;
    void SetImageIndex(int Value);
    TItemAppearance& ItemAppearance() const { return *fItemAppearance_; }
    void SetItemAppearance(const TItemAppearance& Value) { fItemAppearance_->Assign(Value); }
    const String& CurSearch() const { return fTypeAhead_.Text(); }

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    // One item per image of Images (appended), image index 0, 1, ...
    void AddImagesFromImageList();
    // AFolder: a folder path and a file name mask ("pics/*.png"); appends
    // one item per readable picture, named by its file name with
    // SetImageCaption.
    void AddImagesFromFolder(const String& AFolder, bool SetImageCaption);

    void DoHideDropDown(bool Cancel) override;
    void SetComponentStyle(TVynStyle AStyle) override;

    TNotifyEvent OnSelect;
    TOnDrawSelectedItem OnDrawSelectedImage;
    TSelectorDrawItemEvent OnDrawItem;

protected:
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void UpdateDropDownSize() override;
    void HandleMouseWheelDown() override;
    void HandleMouseWheelUp() override;
    void DrawFocusedText(TCanvas& Canvas) override;
    void WMKeyDown(TMessage& Message) override;

private:
    void SetUpSelector();
    void step(TSelectStep Step);
    void WheelStep(bool Down);
    TSelectorListKeys ListKeys();
    void DrawSelectedImage(TCanvas& Canvas);

    int fColumns_ = 1;
    TItemLayout fLayout_ = ilCaptionRight;
    std::unique_ptr<TImageItems> fItems_;
    int fItemIndex_ = -1;
    std::unique_ptr<TItemAppearance> fItemAppearance_;
    TTypeAhead fTypeAhead_;
    int fOldItemIndex_ = -1;
};
