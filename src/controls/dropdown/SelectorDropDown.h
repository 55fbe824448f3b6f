#pragma once
// What the drop-downs hosting an item selector share (the detail drop-down,
// the colour picker's list and the image picker): the event that paints the
// selected item in the edit, the 500 ms type-ahead and the list keys of the
// open or closed popup.
#include <functional>

#include "controls/dropdown/ItemSelector.h"
#include "controls/dropdown/VynDropDown.h"
#include "platform/gui/messages.h"
#include "platform/gui/timers.h"

// Paints the chosen item in the edit rectangle R in place of the control.
using TOnDrawSelectedItem = std::function<void(TObject* Sender, TCanvas& Canvas, const TRect& R)>;

// Where a picker's SelectFirst, SelectLast, SelectNext and SelectPrevious
// go from Current among Count items: the first, the last, the neighbour
// (Next and Previous from none: the first); -1 for nowhere (no items, or
// past an end).
enum class TSelectStep { First, Last, Next, Previous };
int SteppedIndex(int Current, int Count, TSelectStep Step);

// The type-ahead text of a list: each key's code is appended as a character
// and the key timer (500 ms, on the layer's clock) clears the text when it
// fires. With RestartOnKey every key starts the 500 ms again (the text lives
// until the user pauses); without it enabling a running timer does not
// restart it, so the text lives 500 ms from its first key.
class TTypeAhead {
public:
    TTypeAhead(TComponent* AOwner, bool RestartOnKey);
    ~TTypeAhead();
    TTypeAhead(const TTypeAhead&) = delete;
    TTypeAhead& operator=(const TTypeAhead&) = delete;

    // Appends the key code as a character, starts the timer; the text.
    const String& Add(Word Key);
    const String& Text() const { return text_; }
    TTimer& Timer() const { return *timer_; }

private:
    TTimer* timer_;
    String text_;
    bool restart_;
};

// The list keys of a picker (colour list, images) while its selector exists,
// as virtual-key codes; selecting in the selector runs with the picker's
// internal-call flag set (so the selection does not close the popup). The
// picker supplies what differs.
struct TSelectorListKeys {
    TVynCustomItemSelector* Selector = nullptr;
    bool Open = false;
    bool EditorEnabled = false;
    // Rows move by this many items (the selector's columns).
    int Columns = 1;
    // The picker's item count.
    int Count = 0;
    // Sets the selector up again (its item count differs from Count).
    std::function<void()> Refresh;
    // Runs a selector call with the internal-call flag set.
    std::function<void(const std::function<void()>&)> Internal;
    // The picker's item index and its writer: with the popup closed End,
    // Home, Up and Down choose the last, the first, the previous and the
    // next item (from none: the first; nothing past either end).
    int Current = -1;
    std::function<void(int)> SetIndex;
    // The type-ahead of the picker.
    TTypeAhead* TypeAhead = nullptr;

    // Handles Key; Ctrl held keeps the type-ahead out. Enter is the
    // picker's.
    void KeyDown(Word Key, bool Ctrl) const;
    // The wheel: the open list's hot item moves; the closed picker's list
    // steps from the picker's index and selects.
    void Wheel(bool Down) const;
    // Selects item K in the selector and scrolls it into view when it lies
    // inside the selector's items.
    void Select(int K) const;

private:
    void closedStep(TSelectStep Step) const;
};

// The popup sizing of a drop-down hosting a selector, around the base's
// sizing: before it the selector leaves its alignment and takes its
// preferred size where DropDownWidth or DropDownHeight is below 1; after it
// the popup widens by the scroll bar when the selector's items are higher
// than the room the popup leaves it.
void PrepareSelectorPopupSize(const TVynCustomDropDown& DropDown, TVynCustomItemSelector& Selector);
void WidenForScrollBar(const TVynCustomDropDown& DropDown, TVynCustomItemSelector& Selector);
// The popup's item selector of a picker: made when Selector is nullptr
// (owner the drop-down, parent the popup, of Type, at 0,0 and 150 high);
// each call gives it the popup colour, lays it out and makes it the hosted
// control. Returns it (nullptr without a popup).
TVynCustomItemSelector* HostSelector(TVynCustomDropDown& DropDown, TVynCustomItemSelector* Selector,
                                     TSelectorType Type);

// Closes the popup, kept, after a pick made by a press inside it: a mouse
// capture held inside the popup is released first, as the window holding
// it goes away (the release that follows reaches none of its windows).
void ClosePopupAfterPick(TVynCustomDropDown& DropDown);

// The key-up end of an auto-completion the key's change made: when
// Pending, Restore writes the completed item back (its text as stored),
// then the completed part, from TypedLength characters after the prefix to
// the end, is selected again and Pending cleared. Nothing more once Restore
// frees the drop-down.
void FinishCompletionOnKeyUp(TVynCustomDropDown& DropDown, bool& Pending, int TypedLength,
                             const std::function<void()>& Restore);

// Shows Index in the selector without reporting it (its OnItemSelect is
// not fired): the closed picker's list follows the picker's own index
// before it steps from it.
void SyncSelectorIndex(TVynCustomItemSelector& Selector, int Index);

// What the detail list, the colour picker and the image picker share: the
// item selector they host and the flag that tells a selection made by the
// picker itself from the user's.
class TVynSelectorPicker : public TVynCustomDropDown {
public:
    using TVynCustomDropDown::TVynCustomDropDown;
    TVynCustomItemSelector* ItemSelector() const { return fItemSelector_; }

protected:
    // The hosted selector's items take the selection colours too.
    void SetSelectionColorStyle(TSelectionColorStyle AStyle) override;
    // Runs Call with the internal-call flag set; the flag comes back on
    // every path.
    void Internal(const std::function<void()>& Call);
    // The hosted selector picked an item: the picker takes its index through
    // SetIndex and closes, unless the pick was the picker's own.
    void TakeSelectorPick(const std::function<void(int)>& SetIndex);

    TVynCustomItemSelector* fItemSelector_ = nullptr;
    bool fInternalCall_ = false;
};
