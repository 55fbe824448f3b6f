#pragma once
// The item selector: a scrolling grid of items, each a caption (HTML) with
// a colour box or an image, with a hot item that follows the mouse and a
// selected item. The host TVynCustomItemSelector owns the items, settings
// and events and scrolls the inner panel TCustomItemSelector, which lays
// out, paints and hit-tests the items. The detail, colour and image
// pickers host it in their popups.
//
// Rules:
// - the layout (UpdateSelectorPanel) runs when an item's caption, colour or
//   image index changes and when SelectorType, Columns, the box size or
//   Images change; after adding or deleting items and after ItemLayout the
//   owner calls UpdateSelectorPanel. Without items the panel is 100 x 50.
// - ItemIndex takes only -1 .. Count - 1 (anything else is ignored); a
//   disabled item cannot become selected or hot; selecting fires
//   OnItemSelect, also for the index already selected. Stepping stops at a
//   disabled neighbour.
// - LookupItem(S) selects the first item whose caption, as plain text,
//   trimmed and upper-cased, begins with S (S is not upper-cased).
// - GetVisibleItemCount is 0 when the items have no height.
// - Painting draws only the items inside the area being painted.
#include <memory>

#include "controls/dropdown/DropDownTypes.h"
#include "controls/dropdown/ItemAppearance.h"
#include "platform/gui/bitmap.h"
#include "platform/gui/forms.h"

class TVynCustomItemSelector;

enum class TSelectorType { stImage, stColor };
using TSelectorType::stImage, TSelectorType::stColor;

// (The platform's list controls have their own TDrawItemEvent.)
using TSelectorDrawItemEvent = std::function<void(TObject* Sender, TCanvas& Canvas, const TRect& R, int Index)>;
using TItemSizeEvent = std::function<void(TObject* Sender, TSize& ASize)>;

class TSelectorItem : public TCollectionItem {
public:
    explicit TSelectorItem(TCollection* Collection);
    ~TSelectorItem() override;

    const String& Caption() const { return fCaption_; }
    void SetCaption(const String& Value);
    int ImageIndex() const { return fImageIndex_; }
    void SetImageIndex(int Value);
    bool Enabled() const { return fEnabled_; }
    void SetEnabled(bool Value) { fEnabled_ = Value; }
    TColor Color() const { return fColor_; }
    void SetColor(TColor Value);
    // Its own picture (takes precedence over ImageIndex); assigned without
    // notice.
    TPicture& Image() { return *fImage_; }
    const TPicture& Image() const { return *fImage_; }
    void SetImage(const TPicture& Value) { fImage_->Assign(Value); }
    const String& Hint() const { return fHint_; }
    void SetHint(const String& Value) { fHint_ = Value; }
    // Panel coordinates, set by the layout; left and right -1 before.
    const TRect& ItemRect() const { return fRect_; }
    void SetItemRect(const TRect& Value) { fRect_ = Value; }
    // The caption as plain text, trimmed and upper-cased (kept until the
    // caption changes).
    const String& LookupText() const;

    void Assign(const TPersistent& Source) override;

private:
    void NotifyChange();

    String fCaption_;
    int fImageIndex_ = -1;
    bool fEnabled_ = true;
    TColor fColor_ = clNone;
    std::unique_ptr<TPicture> fImage_;
    TRect fRect_ = Rect(-1, -1, -1, -1);
    String fHint_;
    mutable String fLookup_;
    mutable bool fLookupValid_ = false;
};

class TSelectorItems : public TCollection {
public:
    explicit TSelectorItems(TPersistent* AOwner);
    TSelectorItem* Add() { return static_cast<TSelectorItem*>(TCollection::Add()); }
    TSelectorItem* Insert(int Index) { return static_cast<TSelectorItem*>(TCollection::Insert(Index)); }
    TSelectorItem* Items(int Index) const { return static_cast<TSelectorItem*>(TCollection::Items(Index)); }
    // An item's caption, colour or image index changed (inside
    // BeginUpdate / EndUpdate: once, at the last EndUpdate).
    TNotifyEvent OnChange;

protected:
    void Update(TCollectionItem* Item) override;

private:
    friend class TSelectorItem;
    void ItemChanged();
    bool pendingChange_ = false;
};

// The inner panel: layout, painting and hit testing.
class TCustomItemSelector : public TCustomControl {
public:
    // Raises Exception "Invalid parent" unless AOwner is an item selector.
    explicit TCustomItemSelector(TComponent* AOwner);

    TVynCustomItemSelector* VynItemSelector() const { return fVynItemSelector_; }
    int ItemIndex() const { return fItemIndex_; }
    void SetItemIndex(int Value);
    int ItemHot() const { return fItemHot_; }
    void SetItemHot(int Index);
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    bool LookupItem(const String& S);
    void GetItemRect(int Index, TRect& R) const;
    // The first item whose rectangle holds (X, Y); -1 none.
    int ItemAtPos(int X, int Y) const;
    void DrawItems(TCanvas& Canvas);

    virtual void DrawItem(int Index, TCanvas& Canvas);
    virtual void GetItemsArea(TRect& R);
    virtual void GetItemSize(TSize& ASize);
    virtual void InvalidateItem(int Index);
    virtual void UpdateLayout();

    TNotifyEvent OnItemSelect;

    // Margins of the grid, of each item and between box and caption.
    static constexpr int OffSetX = 2, OffSetY = 2, ItemOffSetX = 4, ItemOffSetY = 4, CaptionGap = 4;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void CMMouseLeave(TMessage& Message) override;

private:
    bool validIndex(int Index) const;
    // The item a step of Delta from Current goes to; -2 for none.
    int stepFrom(int Current, int Delta) const;
    bool disabled(int Index) const;

    int fItemIndex_ = -1;
    int fItemHot_ = -1;
    TVynCustomItemSelector* fVynItemSelector_;
};

class TVynCustomItemSelector : public TScrollingWinControl {
public:
    explicit TVynCustomItemSelector(TComponent* AOwner);
    ~TVynCustomItemSelector() override;

    TSelectorItems& Items() const { return *fItems_; }
    void SetItems(const TSelectorItems& Value) { fItems_->Assign(Value); }
    TSelectorType SelectorType() const { return fSelectorType_; }
    void SetSelectorType(TSelectorType Value);
    // Shows after the next UpdateSelectorPanel.
    TItemLayout ItemLayout() const { return fItemLayout_; }
    void SetItemLayout(TItemLayout Value) { fItemLayout_ = Value; }
    int Columns() const { return fColumns_; }
    // Values below 1 are ignored.
    void SetColumns(int Value);
    int ColorBoxWidth() const { return fColorBoxWidth_; }
    void SetColorBoxWidth(int Value);
    int ColorBoxHeight() const { return fColorBoxHeight_; }
    void SetColorBoxHeight(int Value);
    TImageList* Images() const { return fImages_.Get(); }
    void SetImages(TImageList* Value);
    TItemAppearance& ItemAppearance() const { return *fItemAppearance_; }
    void SetItemAppearance(const TItemAppearance& Value) { fItemAppearance_->Assign(Value); }
    TCustomItemSelector* SelectorPanel() const { return fItemSelectorPanel_; }

    int ItemIndex() const;
    void SetItemIndex(int Value);
    int ItemHot() const;
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    bool LookupItem(const String& S);
    void ScrollItemInView(int Index);
    int GetVisibleItemCount();
    void GetSelectorPanelSize(TSize& Size) const;
    void UpdateSelectorPanel();

    TNotifyEvent OnItemSelect;
    // Replaces the drawing of an item's content (Sender: the panel).
    TSelectorDrawItemEvent OnDrawItem;
    // Replaces the measuring of the item size (Sender: the panel).
    TItemSizeEvent OnItemSize;

protected:
    void CreateSelectorPanel();
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WMGetDlgCode(TMessage& Message) override;
    void WMVScroll(TMessage& Message) override;

private:
    void PanelItemSelect();

    std::unique_ptr<TSelectorItems> fItems_;
    TSelectorType fSelectorType_ = stImage;
    TItemLayout fItemLayout_ = ilCaptionRight;
    int fColumns_ = 1;
    int fColorBoxWidth_ = 14, fColorBoxHeight_ = 14;
    TWeakRef<TImageList> fImages_;
    TCustomItemSelector* fItemSelectorPanel_ = nullptr;
    std::unique_ptr<TItemAppearance> fItemAppearance_;
};
