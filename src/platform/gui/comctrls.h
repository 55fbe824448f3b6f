#pragma once
// Page control and tab sheets, the up-down buttons and the spin edit.
#include <functional>
#include <vector>

#include "platform/gui/stdctrls.h"

class TPageControl;

// ---- TTabSheet / TPageControl -------------------------------------------------------------------

// One page of a page control. Give it to the page control with
// SetPageControl (or SetParent with the page control). TabVisible hides its
// tab only: the page can still be the active one (set by the program).
class TTabSheet : public TCustomControl {
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return pageControl_; }
    void SetPageControl(TPageControl* Value);
    void SetParent(TWinControl* AParent) override;
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool Value);
    // Position among the page control's pages.
    int PageIndex() const;
    void SetPageIndex(int Value);
    // Position among the visible tabs (-1 when the tab is hidden).
    int TabIndex() const;

    void BeforeDestruction() override;

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

protected:
    void CMTextChanged(TMessage& Message) override;
    void CMVisibleChanged(TMessage& Message) override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
};

using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

// Tabs along the top and the active page below them. The user's change of
// page (a click on a tab, Left/Right while the control has the focus,
// Ctrl+Tab / Ctrl+Shift+Tab inside it) asks OnChanging (AllowChange false
// keeps the page) and then fires OnChange; setting ActivePage or
// ActivePageIndex fires neither. When the page that held the focus is
// replaced, the focus moves to the first control of the new page. The first
// page added becomes the active one.
class TPageControl : public TCustomControl {
public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;

    int PageCount() const { return int(pages_.size()); }
    TTabSheet* Pages(int Index) const;
    TTabSheet* ActivePage() const { return activePage_; }
    void SetActivePage(TTabSheet* Page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int Value);
    // The next (or previous) page after Current, wrapping; with
    // CheckTabVisible only pages whose tab shows.
    TTabSheet* FindNextPage(TTabSheet* Current, bool GoForward, bool CheckTabVisible) const;
    // The user's change to the next (or previous) page with a visible tab.
    void SelectNextPage(bool GoForward, bool CheckTabVisible = true);

    // Height of the tab row.
    int TabHeight() const;
    // The rectangle of the tab of a page (empty when its tab is hidden).
    TRect TabRect(TTabSheet* Page) const;
    // The page whose tab is at a client point (nullptr when none).
    TTabSheet* PageAtPos(TPoint Pos) const;
    // Where the pages are placed.
    TRect DisplayRect() const;

    TTabChangingEvent OnChanging;
    TNotifyEvent OnChange;

protected:
    // OnChanging's answer.
    virtual bool CanChange();
    virtual void Change();
    // A change of page made by the user: OnChanging, the change, OnChange.
    void UserChange(TTabSheet* Page);
    void Paint() override;
    void AdjustClientRect(TRect& Rect) override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void DefaultHandler(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override;
    void CMDialogKey(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* Page);
    void RemovePage(TTabSheet* Page);
    void ChangeActivePage(TTabSheet* Page);
    void PlacePage(TTabSheet* Page);

    std::vector<TTabSheet*> pages_;
    TTabSheet* activePage_ = nullptr;
};

// ---- TUpDown ------------------------------------------------------------------------------------

enum class TUDOrientation { udHorizontal, udVertical };
using TUDOrientation::udHorizontal, TUDOrientation::udVertical;
enum class TUDBtnType { btNext, btPrev };
using TUDBtnType::btNext, TUDBtnType::btPrev;

using TUDClickEvent = std::function<void(TObject* Sender, TUDBtnType Button)>;
using TUDChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

// Two arrow buttons that step Position between Min and Max (wrapping with
// Wrap). A press steps once, and again every 100 ms after 400 ms held. Each
// step asks OnChanging, moves Position (writing it into the Associate's text)
// and fires OnClick with the button (btNext: up or right). Setting Position
// fires nothing. An Associate takes the buttons at its right edge (it is made
// narrower by their width); its text is read back as the position.
class TUpDown : public TCustomControl {
public:
    explicit TUpDown(TComponent* AOwner);

    int Min() const { return min_; }
    void SetMin(int Value);
    int Max() const { return max_; }
    void SetMax(int Value);
    int Position() const;
    void SetPosition(int Value);
    int Increment() const { return increment_; }
    void SetIncrement(int Value) { increment_ = Value; }
    bool Wrap() const { return wrap_; }
    void SetWrap(bool Value) { wrap_ = Value; }
    // Thousands separators in the associate's text.
    bool Thousands() const { return thousands_; }
    void SetThousands(bool Value);
    TUDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TUDOrientation Value);
    TWinControl* Associate() const { return associate_.Get(); }
    void SetAssociate(TWinControl* Value);
    // One step as a press of the button does.
    void Step(TUDBtnType Button);

    TUDClickEvent OnClick;
    TUDChangingEvent OnChanging;

protected:
    void Paint() override;
    void DefaultHandler(TMessage& Message) override;
    void WMTimer(TMessage& Message) override;

private:
    TRect ButtonRect(TUDBtnType Button) const;
    void UpdateAssociate();

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int increment_ = 1;
    bool wrap_ = false;
    bool thousands_ = true;
    TUDOrientation orientation_ = udVertical;
    TWeakRef<TWinControl> associate_;
    int pressed_ = -1;  // TUDBtnType held, -1 none
    bool pressedInside_ = false;
};

// ---- TSpinEdit ----------------------------------------------------------------------------------

// An edit for an integer with up/down buttons at its right edge. Up/Down
// arrows and the buttons step Value by Increment; Value is Text read as an
// integer (MinValue when it does not read), kept between MinValue and
// MaxValue unless both are equal. Only digits, '+' and '-' can be typed
// (nothing while EditorEnabled is false). Setting Value fires OnChange (the
// text changes); leaving the field puts an out-of-range value back in range.
class TSpinEdit : public TCustomEdit {
public:
    explicit TSpinEdit(TComponent* AOwner);

    int MinValue() const { return minValue_; }
    void SetMinValue(int Value) { minValue_ = Value; }
    int MaxValue() const { return maxValue_; }
    void SetMaxValue(int Value) { maxValue_ = Value; }
    int Increment() const { return increment_; }
    void SetIncrement(int Value) { increment_ = Value; }
    bool EditorEnabled() const { return editorEnabled_; }
    void SetEditorEnabled(bool Value) { editorEnabled_ = Value; }
    int Value() const;
    void SetValue(int Value);
    void UpClick();
    void DownClick();
    TUpDown* Button() const { return button_; }

protected:
    bool IsValidChar(QChar Key) const override;
    int CheckValue(int Value) const;
    void DefaultHandler(TMessage& Message) override;
    void WMSize(TMessage& Message) override;
    void DoExit() override;

private:
    void PlaceButton();

    TUpDown* button_;
    int minValue_ = 0;
    int maxValue_ = 0;
    int increment_ = 1;
    bool editorEnabled_ = true;
};
