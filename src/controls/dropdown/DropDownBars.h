#pragma once
// The header and footer bars of a drop-down's popup (TVynHeader,
// TVynFooter), their push buttons (TVynButton) and the bounds-testing list
// the bars keep them in (TDbgList).
//
// A bar paints its own copy of the drop-down's DropDownHeader or
// DropDownFooter: a fill or an 80-band gradient, a border, an image, and an
// HTML caption centred vertically left of the buttons; with OnDrawBackGround
// assigned it paints nothing else. The footer also shows a size grip (six
// squares) while the drop-down is DropDownSizeable; a press on it resizes
// the popup from its bottom-right corner (the popup's StartCornerResize), and
// the next opening uses the size the user left.
//
// TVynButton: up, down (pressed), checked (tasCheck) or exclusive (down in a
// group: buttons of one parent with the same GroupIndex; a down button goes
// up only when another goes down, or by a click with AllowAllUp). A mouse
// click fires OnClick; Enter or Space clicks without OnClick. A click sets
// the popup's ModalResult; a footer button's modal result closes the popup:
// 1-3, 5-7 and 12-14 close it, 2, 3, 5, 7 and 13 as cancelled (the numbers of
// the modal results the bars' items were designed with). While the pointer
// is over a button a 1 ms control timer (run at 10 ms) watches it leave.
#include <vector>

#include "controls/dropdown/DropDownAppearance.h"
#include "platform/gui/controls.h"

class TVynCustomDropDown;
class TImageList;

// A list that reports an index outside 0 .. Count - 1 with an Exception
// ("Index out of bounds in list read access" / "... write access").
template <class T> class TDbgList {
public:
    int Count() const { return int(items_.size()); }
    T Items(int Index) const
    {
        if (Index < 0 || Index >= Count())
            throw Exception("Index out of bounds in list read access");
        return items_[size_t(Index)];
    }
    void SetItems(int Index, T Value)
    {
        if (Index < 0 || Index >= Count())
            throw Exception("Index out of bounds in list write access");
        items_[size_t(Index)] = Value;
    }
    void Add(T Value) { items_.push_back(Value); }
    void Clear() { items_.clear(); }
    void AssignList(const TDbgList& ListA) { items_ = ListA.items_; }

private:
    std::vector<T> items_;
};

enum class TVynButtonStyle { tasButton, tasCheck };
using TVynButtonStyle::tasButton, TVynButtonStyle::tasCheck;
enum class TVynButtonState { absUp, absDisabled, absDown, absDropDown, absExclusive };
using TVynButtonState::absUp, TVynButtonState::absDisabled, TVynButtonState::absDown, TVynButtonState::absDropDown,
    TVynButtonState::absExclusive;

// Whether a footer button's modal result closes the popup, and whether as
// cancelled.
bool ModalResultCloses(TModalResult Value);
bool ModalResultCancels(TModalResult Value);

class TVynButton : public TCustomControl {
public:
    explicit TVynButton(TComponent* AOwner);
    ~TVynButton() override;

    int GroupIndex() const { return fGroupIndex_; }
    void SetGroupIndex(int Value) { fGroupIndex_ = Value; }
    bool Down() const { return fDown_; }
    void SetDown(bool Value);
    bool AllowAllUp() const { return fAllowAllUp_; }
    void SetAllowAllUp(bool Value) { fAllowAllUp_ = Value; }
    TVynButtonStyle Style() const { return fStyle_; }
    void SetStyle(TVynButtonStyle Value) { fStyle_ = Value; }
    TVynButtonState State() const { return fState_; }
    bool MouseInControl() const { return fMouseInControl_; }
    // Shared, not owned: the drop-down's ButtonAppearance.
    TVynButtonAppearance* Appearance() const { return fAppearance_; }
    void SetAppearance(TVynButtonAppearance* Value) { fAppearance_ = Value; }
    TImageList* Images() const { return fImages_.Get(); }
    void SetImages(TImageList* Value);
    int ImageIndex() const { return fImageIndex_; }
    void SetImageIndex(int Value) { fImageIndex_ = Value; }
    TModalResult ModalResult() const { return fModalResult_; }
    void SetModalResult(TModalResult Value) { fModalResult_ = Value; }
    // The drop-down a footer button closes.
    TVynCustomDropDown* VynDropDown() const { return fVynDropDown_.Get(); }
    void SetVynDropDown(TVynCustomDropDown* Value);
    // Width text + 8, height text + 4 in the appearance's font (an image
    // widens or heightens to its own size).
    void AdjustButtonSize();
    // The background and the content in the state's colours.
    virtual void DrawButton(TCanvas& Canvas);
    void Click() override;
    // The un-hot timer runs (the pointer is over the button).
    bool UnHotTimerRunning() const;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Dispatch(TMessage& Message) override;
    void WMTimer(TMessage& Message) override;
    void WMKeyDown(TMessage& Message) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    void CMDialogChar(TMessage& Message) override;

private:
    void UpdateTracking();
    void UpdateExclusive();
    void leave();
    void setState(TVynButtonState Value);

    int fGroupIndex_ = 0;
    bool fDown_ = false;
    bool fAllowAllUp_ = false;
    bool fMouseInControl_ = false;
    bool fHot_ = false;
    TVynButtonStyle fStyle_ = tasButton;
    TVynButtonState fState_ = absUp;
    bool fMouseDownInControl_ = false;
    bool fDragging_ = false;
    bool fInternalClick_ = false;
    TVynButtonAppearance* fAppearance_ = nullptr;
    TWeakRef<TImageList> fImages_;
    int fImageIndex_ = -1;
    TModalResult fModalResult_ = mrNone;
    TWeakRef<TVynCustomDropDown> fVynDropDown_;
};

// What the header and the footer share.
class TVynBar : public TCustomControl {
public:
    ~TVynBar() override;

    TImageList* Images() const { return fImages_.Get(); }
    void SetImages(TImageList* Value) { fImages_ = TWeakRef<TImageList>(Value); }
    TVynCustomDropDown* VynDropDown() const { return fVynDropDown_.Get(); }
    // Takes the drop-down's Images and copies its header (footer) settings.
    void SetVynDropDown(TVynCustomDropDown* DropDown);
    // Rebuilds the buttons from the drop-down's button items.
    void InitButtons();
    // The drop-down's button items (nullptr without a drop-down).
    TButtonItems* Buttons() const;
    const TDbgList<TVynButton*>& ButtonList() const { return fButtonList_; }
    // The bar's own settings.
    virtual TBarAppearance& Appearance() = 0;
    void GetButtonRect(TRect& R);
    int GetButtonAreaHeight();
    void GetCaptionRect(TRect& R);

    virtual void CreateButtons();
    virtual void ClearButtons();
    virtual void ArrangeButtons();
    virtual void UpdateButtons();

    // Replaces the whole painting.
    TDrawBackGroundEvent OnDrawBackGround;
    // May change the caption before it is drawn.
    TGetTextEvent OnGetText;

protected:
    TVynBar(TComponent* AOwner, bool Footer);
    void AppearanceChanged();
    void ButtonClick(TObject* Sender);
    virtual TBarAppearance& SourceAppearance(TVynCustomDropDown& DropDown) const = 0;
    virtual bool HasGrip() const { return false; }
    void Paint() override;
    void WMSize(TMessage& Message) override;

    bool footer_;

private:
    TWeakRef<TImageList> fImages_;
    TWeakRef<TVynCustomDropDown> fVynDropDown_;
    TDbgList<TVynButton*> fButtonList_;
};

class TVynHeader : public TVynBar {
public:
    explicit TVynHeader(TComponent* AOwner);
    THeaderAppearance& Appearance() override { return fAppearance_; }
    void SetAppearance(const THeaderAppearance& Value) { fAppearance_.Assign(Value); }

protected:
    TBarAppearance& SourceAppearance(TVynCustomDropDown& DropDown) const override;

private:
    THeaderAppearance fAppearance_;
};

class TVynFooter : public TVynBar {
public:
    explicit TVynFooter(TComponent* AOwner);
    TFooterAppearance& Appearance() override { return fAppearance_; }
    void SetAppearance(const TFooterAppearance& Value) { fAppearance_.Assign(Value); }
    // SizeGrip on, a drop-down attached and DropDownSizeable.
    bool HasSizeGrip() const;

protected:
    TBarAppearance& SourceAppearance(TVynCustomDropDown& DropDown) const override;
    bool HasGrip() const override { return HasSizeGrip(); }
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;

private:
    bool inGrip(int X, int Y) const;
    void restoreCursor();

    TFooterAppearance fAppearance_;
    TCursor fOldCursor_ = crDefault;
};
