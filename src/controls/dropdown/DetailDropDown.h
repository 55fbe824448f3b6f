#pragma once
// TVynDetailDropDown: a drop-down for choosing one of a list of items, each
// with a caption, an HTML-formatted note under it and an image; the popup
// shows them in a one-column item selector whose rows this control paints.
//
// Rules:
// - the edit holds the chosen item's caption. Typing completes the text to
//   the first caption that starts with the text before the caret (case
//   ignored unless MatchCase): the typed part stays as typed, the completed
//   tail is selected and ItemIndex follows without OnSelect. Backspace, Esc
//   and Delete switch the completion off until another key is typed, so
//   deleting does not complete again. Enter on a text that is exactly a
//   caption selects that item.
// - ItemIndex takes 0 .. Count - 1 (the caption becomes the text, selected
//   whole; OnSelect fires) and -1 (the text empties; no event); anything
//   else, and the index already chosen, is ignored.
// - Up and Down move through the items (in the open list: the list's row,
//   the text follows at once and the popup stays open); PageUp and
//   PageDown by a page of the open list; Home and End to the ends of the
//   open list (of the items while the popup is closed and the editor is
//   off). With the editor off other keys feed a type-ahead search of the
//   list (the typed text is the search while the editor is on); the search
//   text is cleared 500 ms after the last key.
// - cancelling the popup (Esc, a press outside) puts back the index and the
//   text it opened with, -1 and the empty text included.
// - the selector's items are rebuilt at an opening only when the items,
//   their pictures, Images or Layout changed since the last one.
#include <memory>

#include "controls/dropdown/PickerItems.h"
#include "controls/dropdown/SelectorDropDown.h"
#include "controls/dropdown/VynDropDown.h"

class TDetailItems;

class TDetailItem : public TPickerPictureItem {
public:
    explicit TDetailItem(TCollection* Collection);
    ~TDetailItem() override;

    const String& Notes() const { return fNotes_; }
    void SetNotes(const String& Value) { fNotes_ = Value; }
    TObject* ItemObject() const { return fItemObject_; }
    void SetItemObject(TObject* Value) { fItemObject_ = Value; }
    int Tag() const { return fTag_; }
    void SetTag(int Value) { fTag_ = Value; }

    // The picture item's values, then the notes, the tag and the object.
    void Assign(const TPersistent& Source) override;

private:
    String fNotes_;
    TObject* fItemObject_ = nullptr;
    int fTag_ = 0;
};

class TDetailItems : public TPickerItems<TDetailItem> {
public:
    using TPickerItems::TPickerItems;
    // The first item whose caption equals AValue exactly; -1 none.
    int IndexOf(const String& AValue) const;

    // Any change of the list or of an item's picture (the drop-down's
    // selector is rebuilt at the next opening).
    std::function<void()> OnStale;

protected:
    void Update(TCollectionItem* Item) override;
};

class TVynDetailDropDown : public TVynSelectorPicker {
public:
    explicit TVynDetailDropDown(TComponent* AOwner);
    ~TVynDetailDropDown() override;

    TDetailItems& Items() const { return *fItems_; }
    void SetItems(const TDetailItems& Value) { fItems_->Assign(Value); }
    int ItemIndex() const { return fItemIndex_; }
    void SetItemIndex(int Value);
    TItemLayout Layout() const { return fLayout_; }
    void SetLayout(TItemLayout Value);
    TItemAppearance& ItemAppearance() const { return *fItemAppearance_; }
    void SetItemAppearance(const TItemAppearance& Value) { fItemAppearance_->Assign(Value); }
    int ItemHeight() const { return fItemHeight_; }
    void SetItemHeight(int Value) { fItemHeight_ = Value; }
    TFont& CaptionFont() const { return *fCaptionFont_; }
    void SetCaptionFont(const TFont& Value) { fCaptionFont_->Assign(Value); }
    TFont& NotesFont() const { return *fNotesFont_; }
    void SetNotesFont(const TFont& Value) { fNotesFont_->Assign(Value); }
    bool MatchCase() const { return fMatchCase_; }
    void SetMatchCase(bool Value) { fMatchCase_ = Value; }
    bool MatchStart() const { return fMatchStart_; }
    void SetMatchStart(bool Value) { fMatchStart_ = Value; }
    // The popup's list (created with the popup).
    // The type-ahead text of the list.
    const String& CurSearch() const { return fTypeAhead_.Text(); }

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();

    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    // The auto-completion after every change of the text.
    void Change() override;

    void DoHideDropDown(bool Cancel) override;
    void DoShowDropDown() override;
    void DoDropDownSizing() override;
    void SetComponentStyle(TVynStyle AStyle) override;

    TNotifyEvent OnSelect;
    TOnDrawSelectedItem OnDrawSelectedImage;

protected:
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void UpdateDropDownSize() override;
    void HandleMouseWheelDown() override;
    void HandleMouseWheelUp() override;
    void WMKeyDown(TMessage& Message) override;

private:
    void UpdateSelector();
    void step(TSelectStep Step);
    void UpdateSelectorPanel();
    void layOut();
    void FillSelectorItems();
    void SelectorItemSelect();
    void SelectorItemSize(TSize& ASize);
    void DrawSelectorItem(TCanvas& Canvas, int Index, TRect R);
    // Runs Call with FInternalCall set.
    // Row K of the open list, scrolled into view (inside the list only).
    void SelectRow(int K);
    // The list shows Index without reporting it back (the completion moved
    // the item while the popup is open).
    void FollowInSelector(int Index);
    void WheelStep(int Delta);

    TItemLayout fLayout_ = ilCaptionRight;
    std::unique_ptr<TDetailItems> fItems_;
    int fItemIndex_ = -1;
    std::unique_ptr<TItemAppearance> fItemAppearance_;
    TTypeAhead fTypeAhead_;
    int fOldItemIndex_ = -1;
    String fOldText_;
    int fItemHeight_ = 22;
    std::unique_ptr<TFont> fCaptionFont_;
    std::unique_ptr<TFont> fNotesFont_;
    bool fWorkMode_ = true;
    bool fItemChange_ = false;
    int fItemIdx_ = -1;
    int fItemSel_ = 0;
    String fOldValue_;
    bool fMatchCase_ = false;
    bool fMatchStart_ = false;
    // Set while Change completes the text (its own text write notifies
    // without completing again).
    bool fCompleting_ = false;
    bool fFollowing_ = false;
    // The selector's items must be rebuilt before it shows.
    bool fSelectorStale_ = true;
};
