#pragma once
// The standard controls: item lists, TLabel, TEdit, TMemo, TComboBox,
// TButton, TCheckBox, TRadioButton, TGroupBox, TListBox and TScrollBar.
//
// Which programmatic changes fire events (the platform's rule, the same for
// every control; docs/ARCHITECTURE.md lists it):
// - TCheckBox: setting Checked or State to a new value fires OnClick;
//   TRadioButton: setting Checked to true fires OnClick (false fires nothing).
// - TEdit, TMemo: setting Text (or the memo's Lines) to a new value fires
//   OnChange, as typing does.
// - TListBox and TComboBox: setting ItemIndex fires nothing; nor does setting
//   a combo box's Text or changing the items. Only the user's choice fires:
//   list box OnClick; combo box OnClick, then OnSelect (OnChange when
//   OnSelect is not set); typing in a csDropDown combo box fires OnChange.
// - Nothing fires while the control is loading (BeginLoading .. Loaded).
// - Setting a property to the value it has fires nothing.
//
// Captions (labels, buttons, check boxes, radio buttons, group boxes) are
// plain text, never markup; "&" marks the next character as the mnemonic
// (underlined; Alt+character) and "&&" shows one "&" — TLabel's
// ShowAccelChar turns this off. Every other text (edit and list contents,
// hints, form captions, message boxes) shows "&" as it is.
#include <functional>

#include "platform/gui/controls.h"
#include "platform/gui/forms.h"
#include "platform/rtl/stringlist.h"

class QLineEdit;
class QScrollBar;
class TQtLineEdit;
class TQtPlainTextEdit;
class TQtComboBox;

// ---- TControlStrings: the item list of a control ----------------------------------------------

// The texts (and object references) a list box, combo box, radio group or
// memo shows. Same rules as TStringList (case-insensitive IndexOf, the
// "\n"-terminated Text); every change is reported to the control, which
// keeps its selection in step (see each control).
class TControlStrings {
public:
    enum class TChange { Added, Inserted, Deleted, Changed, Reset };
    // What changed and at which index (Reset: anything, the index is -1).
    using TChangeEvent = std::function<void(TChange Change, int Index)>;

    TControlStrings() = default;
    TControlStrings(const TControlStrings&) = delete;
    TControlStrings& operator=(const TControlStrings&) = delete;

    int Count() const { return list_.Count(); }
    const String& Strings(int Index) const { return list_.Strings(Index); }
    void SetStrings(int Index, const String& S);
    const String& operator[](int Index) const { return list_.Strings(Index); }
    TObject* Objects(int Index) const { return list_.Objects(Index); }
    void SetObjects(int Index, TObject* Obj) { list_.SetObjects(Index, Obj); }

    int Add(const String& S);
    int AddObject(const String& S, TObject* Obj);
    void AddStrings(const QStringList& Items);
    void Insert(int Index, const String& S);
    void InsertObject(int Index, const String& S, TObject* Obj);
    void Delete(int Index);
    void Clear();
    void Move(int From, int To);
    void Exchange(int A, int B);
    int IndexOf(const String& S) const { return list_.IndexOf(S); }
    int IndexOfObject(const TObject* Obj) const { return list_.IndexOfObject(Obj); }

    // Every text followed by "\n" (as TStringList); setting splits at CR LF,
    // CR or LF.
    String Text() const { return list_.Text(); }
    void SetText(const String& Value);
    String CommaText() const { return list_.CommaText(); }
    void SetCommaText(const String& Value);
    void Assign(const TStringList& Source);
    void Assign(const TControlStrings& Source);
    void Assign(const QStringList& Source);
    QStringList ToQStringList() const { return list_.ToQStringList(); }

    bool Sorted() const { return list_.Sorted(); }
    void SetSorted(bool Value);

    // Changes between BeginUpdate and EndUpdate are reported once, as Reset.
    void BeginUpdate();
    void EndUpdate();

    // For the control that shows the list.
    TChangeEvent OnChange;

private:
    void Changed(TChange Change, int Index);

    TStringList list_;
    int updateCount_ = 0;
    bool changedWhileUpdating_ = false;
};

// The character after a single "&" in a caption (null when none).
QChar AccelCharOf(const String& Caption);
// True when Char is the caption's mnemonic (case-insensitive).
bool IsAccel(QChar Char, const String& Caption);

// Where a button's glyph lies relative to its caption, and the states a
// glyph button is drawn in (bsExclusive: held down as the pressed one of
// its group).
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
using TButtonLayout::blGlyphLeft, TButtonLayout::blGlyphRight, TButtonLayout::blGlyphTop,
    TButtonLayout::blGlyphBottom;
enum class TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
using TButtonState::bsUp, TButtonState::bsDisabled, TButtonState::bsDown, TButtonState::bsExclusive;

// Where a glyph button puts its glyph and caption in a face of Space:
// centred across the layout's direction; along it the glyph Margin from
// its own edge and the caption Spacing beyond the glyph. Margin and
// Spacing are the final values (the button resolves its automatic ones).
void PlaceGlyphAndCaption(TButtonLayout Layout, TPoint Space, TPoint GlyphSize, TPoint TextSize, int Margin,
                          int Spacing, TPoint& GlyphPos, TPoint& TextPos);

// ---- TLabel ---------------------------------------------------------------------------------------

enum class TTextLayout { tlTop, tlCenter, tlBottom };
using TTextLayout::tlTop, TTextLayout::tlCenter, TTextLayout::tlBottom;

// Plain text painted into its parent. AutoSize (default) fits the bounds to
// the caption whenever the caption, font or wrapping changes (keeping the
// right edge for taRightJustify); with WordWrap the width stays and the
// height follows. Transparent leaves the parent's background visible.
class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* AOwner);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool Value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout Value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool Value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool Value);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool Value);
    // The control its mnemonic focuses.
    TWinControl* FocusControl() const { return focusControl_.Get(); }
    void SetFocusControl(TWinControl* Value) { focusControl_ = TWeakRef<TWinControl>(Value); }

    // The DrawText flags the caption is drawn (and measured) with.
    unsigned TextFlags() const;

protected:
    void Paint() override;
    void AdjustBounds();
    void Dispatch(TMessage& Message) override;
    void CMTextChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;

private:
    bool autoSize_ = true;
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool wordWrap_ = false;
    bool transparent_ = false;
    bool showAccelChar_ = true;
    TWeakRef<TWinControl> focusControl_;
};

// ---- TCustomEdit / TEdit ------------------------------------------------------------------------

enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
using TEditCharCase::ecNormal, TEditCharCase::ecUpperCase, TEditCharCase::ecLowerCase;

// A one-line text field (a QLineEdit). Keys arrive as messages first:
// OnKeyDown and OnKeyPress (the character by reference; set it to 0 to
// swallow it) run before the field takes the key. Enter and Esc are not the
// field's (they go to the form's default and cancel buttons). Text, when set
// to a new value by the program or changed by the user, fires OnChange.
class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* AOwner);
    ~TCustomEdit() override;

    // 0: no limit. Limits typing and pasting only; Text may be set longer.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int Value) { maxLength_ = std::max(0, Value); }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool Value);
    // Only the digits 0-9 can be typed or pasted.
    bool NumbersOnly() const { return numbersOnly_; }
    void SetNumbersOnly(bool Value) { numbersOnly_ = Value; }
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase Value) { charCase_ = Value; }
    // A non-null character hides the text behind it.
    QChar PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(QChar Value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    // Sends CM_BORDERCHANGED to the control afterwards.
    void SetBorderStyle(TBorderStyle Value);
    // Entering the field with the keyboard selects all of it (default true).
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool Value) { autoSelect_ = Value; }

    // The selection, in UTF-16 units from the start.
    int SelStart() const;
    void SetSelStart(int Value);
    int SelLength() const;
    void SetSelLength(int Value);
    String SelText() const;
    // Replaces the selection (as typing would, without the filters).
    void SetSelText(const String& Value);
    void SelectAll();
    void ClearSelection();
    void Clear() { SetText(String()); }
    void CopyToClipboard();
    void CutToClipboard();
    // Inserts the clipboard's text (its first line) through the filters.
    void PasteFromClipboard();
    void Undo();
    bool CanUndo() const;
    // True once the user changed the text (setting Text clears it).
    bool Modified() const;
    void SetModified(bool Value);

    bool WidgetEvent(QEvent* Event) override;

    TNotifyEvent OnChange;

protected:
    // The field is another widget's (a spin edit builds on this).
    TCustomEdit(TComponent* AOwner, TQtLineEdit* Editor);
    virtual void Change();
    // Whether Key may be typed (NumbersOnly).
    virtual bool IsValidChar(QChar Key) const;
    // Inserts typed or pasted text through the filters (MaxLength, NumbersOnly, CharCase).
    void InsertFiltered(String Text);
    TQtLineEdit* Editor() const { return editor_; }
    void DefaultHandler(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override;
    void CMTextChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    void CMColorChanged(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    void DoEnter() override;
    void UpdateLook();

private:
    void Init();

    TQtLineEdit* editor_;
    int maxLength_ = 0;
    bool readOnly_ = false;
    bool numbersOnly_ = false;
    TEditCharCase charCase_ = ecNormal;
    QChar passwordChar_;
    TAlignment alignment_ = taLeftJustify;
    TBorderStyle borderStyle_ = bsSingle;
    bool autoSelect_ = true;
    bool syncing_ = false;
};

class TEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
};

// ---- TMemo --------------------------------------------------------------------------------------

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
using TScrollStyle::ssNone, TScrollStyle::ssHorizontal, TScrollStyle::ssVertical, TScrollStyle::ssBoth;

// A multi-line text field (a QPlainTextEdit). Text joins the lines with
// CR LF; Lines holds them one by one. Setting Text or changing Lines fires
// OnChange, as typing does. WantReturns (default) keeps Enter for new
// lines; WantTabs makes Tab type a tab instead of moving the focus.
class TMemo : public TWinControl {
public:
    explicit TMemo(TComponent* AOwner);
    ~TMemo() override;

    TControlStrings& Lines() { return lines_; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool Value);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int Value) { maxLength_ = std::max(0, Value); }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool Value);
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool Value) { wantReturns_ = Value; }
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool Value) { wantTabs_ = Value; }
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle Value);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle Value);

    int SelStart() const;
    void SetSelStart(int Value);
    int SelLength() const;
    void SetSelLength(int Value);
    String SelText() const;
    void SelectAll();
    void Clear() { SetText(String()); }
    // The caret as (column, line), 0-based.
    TPoint CaretPos() const;
    // The first line shown.
    int TopLine() const;

    bool WidgetEvent(QEvent* Event) override;

    TNotifyEvent OnChange;

protected:
    virtual void Change();
    void DefaultHandler(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override;
    void CMTextChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    void CMColorChanged(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

private:
    void UpdateLook();
    void LinesChanged();
    bool ScrollLines(int Lines);

    TQtPlainTextEdit* editor_;
    TControlStrings lines_;
    bool readOnly_ = false;
    int maxLength_ = 0;
    bool wordWrap_ = true;
    bool wantReturns_ = true;
    bool wantTabs_ = false;
    TScrollStyle scrollBars_ = ssNone;
    TBorderStyle borderStyle_ = bsSingle;
    bool syncing_ = false;
};

// ---- TComboBox ----------------------------------------------------------------------------------

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
using TComboBoxStyle::csDropDown, TComboBoxStyle::csSimple, TComboBoxStyle::csDropDownList,
    TComboBoxStyle::csOwnerDrawFixed, TComboBoxStyle::csOwnerDrawVariable;

// A drop-down list (a QComboBox).
// - csDropDownList: the text is always the chosen item; setting Text to an
//   item's text chooses it, another text is ignored. Typing a character
//   chooses the next item that starts with it.
// - csDropDown (and csSimple): the text is free; ItemIndex is the item whose
//   text equals it (case-insensitive), -1 when none.
// Up, Down, Home, End, Page Up and Page Down choose items while the list is
// closed; F4 or Alt+Down opens it. The wheel over the focused box chooses
// too; over an unfocused one it goes to the parent. Items changes keep the
// chosen item where the platform does (Clear and Assign drop it).
class TComboBox : public TWinControl {
public:
    explicit TComboBox(TComponent* AOwner);
    ~TComboBox() override;

    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle Value);
    TControlStrings& Items() { return items_; }
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int Value);
    // Items shown at once in the open list (default 8).
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int Value);
    bool Sorted() const { return items_.Sorted(); }
    void SetSorted(bool Value) { items_.SetSorted(Value); }
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int Value) { maxLength_ = std::max(0, Value); }
    bool DroppedDown() const;
    void SetDroppedDown(bool Value);
    // The edit field's selection (csDropDown).
    int SelStart() const;
    void SetSelStart(int Value);
    int SelLength() const;
    void SetSelLength(int Value);
    void SelectAll();
    void Clear();

    bool WidgetEvent(QEvent* Event) override;

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    // The list style's text in T: highlighted with a focus frame when Highlight,
    // grey when disabled.
    void DrawListText(TCanvas& C, const TRect& T, bool Highlight);
    virtual void Change();
    // The user chose an item: OnClick, then OnSelect (OnChange when
    // OnSelect is not set).
    virtual void Select();
    void DefaultHandler(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override;
    void CMTextChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    void CMColorChanged(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

private:
    bool Editable() const { return style_ != csDropDownList && style_ != csOwnerDrawFixed && style_ != csOwnerDrawVariable; }
    void ItemsChanged(TControlStrings::TChange Change, int Index);
    void RebuildItems();
    // Chooses Index as the user did (events when it changed).
    void UserChoose(int Index);
    // Sets the index and the text without events.
    void Choose(int Index);
    void SetTextSilently(const String& Value);
    void PaintClosed(QPainter& Painter);
    void PlaceEditor();
    void UpdateLook();

    TQtComboBox* combo_;
    TQtLineEdit* editor_ = nullptr;
    TControlStrings items_;
    TComboBoxStyle style_ = csDropDown;
    int itemIndex_ = -1;
    int dropDownCount_ = 8;
    int maxLength_ = 0;
    bool syncing_ = false;
};

// ---- buttons ------------------------------------------------------------------------------------

// What buttons, check boxes and radio buttons share: a press with the mouse
// or the space bar that completes over the control "clicks" it (UserClick);
// the look follows the press, the pointer and the focus.
class TButtonControl : public TCustomControl {
public:
    explicit TButtonControl(TComponent* AOwner);

protected:
    // The press completed.
    virtual void UserClick() = 0;
    bool Down() const { return down_; }
    bool Hot() const { return hot_; }
    void DefaultHandler(TMessage& Message) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    void CMTextChanged(TMessage& Message) override;
    // True while events must not fire (the control is loading).
    bool ClicksDisabled() const;

private:
    void SetDown(bool Value);
    bool pressed_ = false;     // the mouse button went down on the control
    bool spacePressed_ = false;
    bool down_ = false;        // drawn pushed
    bool hot_ = false;
};

// A push button. A click (mouse, space bar, Enter while it is the active
// default button, Esc when it is the cancel button, its mnemonic) runs
// OnClick first and then, when ModalResult is not mrNone, gives that result
// to the form, which ends a modal show.
// Enter goes to the focused push button, or else to the Default one; Esc to
// the Cancel one (CM_DIALOGKEY). A control that counts as a push button
// answers WM_GETDLGCODE with DLGC_DEFPUSHBUTTON or DLGC_UNDEFPUSHBUTTON.
class TButton : public TButtonControl {
public:
    explicit TButton(TComponent* AOwner);

    bool Default() const { return default_; }
    void SetDefault(bool Value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool Value) { cancel_ = Value; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult Value) { modalResult_ = Value; }

    void Click() override;

protected:
    void UserClick() override { Click(); }
    // Enter would click this button now.
    bool Active() const;
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override;
    void CMDialogKey(TMessage& Message) override;
    void CMDialogChar(TMessage& Message) override;

private:
    bool default_ = false;
    bool cancel_ = false;
    TModalResult modalResult_ = mrNone;
};

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
using TCheckBoxState::cbUnchecked, TCheckBoxState::cbChecked, TCheckBoxState::cbGrayed;

// A check box with its caption to the right of the box (taRightJustify, the
// default) or to the left (taLeftJustify). Setting Checked or State to a new
// value fires OnClick, as a user's click does. The state stays readable and
// settable while disabled.
class TCheckBox : public TButtonControl {
public:
    explicit TCheckBox(TComponent* AOwner);

    bool Checked() const { return state_ == cbChecked; }
    void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState Value);
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool Value) { allowGrayed_ = Value; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    // The next state of a click: unchecked -> checked (-> grayed) -> unchecked.
    void Toggle();

protected:
    void UserClick() override { Toggle(); }
    void Paint() override;
    void WMGetDlgCode(TMessage& Message) override;
    void CMDialogChar(TMessage& Message) override;

private:
    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
    TAlignment alignment_ = taRightJustify;
};

// A radio button: checking it unchecks the radio buttons beside it (same
// parent). Setting Checked to true fires OnClick; unchecking fires nothing.
// Moving the focus onto it with an arrow key checks it.
class TRadioButton : public TButtonControl {
public:
    explicit TRadioButton(TComponent* AOwner);

    bool Checked() const { return checked_; }
    void SetChecked(bool Value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);

protected:
    void UserClick() override { SetChecked(true); }
    void Paint() override;
    void WMGetDlgCode(TMessage& Message) override;
    void WMSetFocus(TMessage& Message) override;
    void CMDialogChar(TMessage& Message) override;

private:
    bool checked_ = false;
    TAlignment alignment_ = taRightJustify;
};

// ---- TGroupBox ----------------------------------------------------------------------------------

// A captioned etched frame holding controls. Children keep coordinates
// relative to the whole box; aligned ones stay inside the frame.
class TGroupBox : public TCustomControl {
public:
    explicit TGroupBox(TComponent* AOwner);

protected:
    void Paint() override;
    void AdjustClientRect(TRect& Rect) override;
    void CMDialogChar(TMessage& Message) override;
    void CMTextChanged(TMessage& Message) override;
};

// ---- TListBox -----------------------------------------------------------------------------------

enum class TListBoxStyle { lbStandard, lbOwnerDrawFixed };
using TListBoxStyle::lbStandard, TListBoxStyle::lbOwnerDrawFixed;

enum class TOwnerDrawStateItem { odSelected, odFocused, odDisabled };
using TOwnerDrawState = Set<TOwnerDrawStateItem>;
using TOwnerDrawStateItem::odSelected, TOwnerDrawStateItem::odFocused, TOwnerDrawStateItem::odDisabled;

using TDrawItemEvent = std::function<void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;

// A list of texts with one chosen item. The user's choice (a click on an
// item, the arrow keys, a first letter) fires OnClick; setting ItemIndex
// fires nothing. Clear and Assign drop the choice; deleting the chosen item
// drops it, inserting or deleting before it moves it along.
class TListBox : public TCustomControl {
public:
    explicit TListBox(TComponent* AOwner);
    ~TListBox() override;

    TControlStrings& Items() { return items_; }
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int Value);
    bool Sorted() const { return items_.Sorted(); }
    void SetSorted(bool Value) { items_.SetSorted(Value); }
    int ItemHeight() const;
    void SetItemHeight(int Value);
    int TopIndex() const { return topIndex_; }
    void SetTopIndex(int Value);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle Value);
    TListBoxStyle Style() const { return style_; }
    void SetStyle(TListBoxStyle Value);
    // The item at a client point, -1 when none.
    int ItemAtPos(TPoint Pos, bool Existing = true) const;
    TRect ItemRect(int Index) const;
    // Items that fit in the list at once.
    int VisibleCount() const;
    void Clear() { items_.Clear(); }

    TDrawItemEvent OnDrawItem;

protected:
    void Paint() override;
    virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);
    void DefaultHandler(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override;
    void WMSize(TMessage& Message) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void CMFontChanged(TMessage& Message) override;

private:
    void ItemsChanged(TControlStrings::TChange Change, int Index);
    // Chooses Index as the user did; OnClick when Notify.
    void UserChoose(int Index, bool Notify);
    void MakeVisible(int Index);
    void UpdateScrollBar();
    TRect InnerRect() const;

    TControlStrings items_;
    int itemIndex_ = -1;
    int topIndex_ = 0;
    int itemHeight_ = 0;  // 0: from the font
    TBorderStyle borderStyle_ = bsSingle;
    TListBoxStyle style_ = lbStandard;
    bool tracking_ = false;
    QScrollBar* bar_ = nullptr;
};

// ---- TScrollBar -------------------------------------------------------------------------------

// The state of a scroll bar. Max is included; Page 0 gives a square thumb
// that does not show a page size. The largest position is Max - Page + 1
// (Max when Page is 0).
struct TScrollInfo {
    int Min = 0;
    int Max = 0;
    int Page = 0;
    int Pos = 0;
    int TrackPos = 0;
};

enum class TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom,
                         scEndScroll };
using TScrollCode::scLineUp, TScrollCode::scLineDown, TScrollCode::scPageUp, TScrollCode::scPageDown,
    TScrollCode::scPosition, TScrollCode::scTrack, TScrollCode::scTop, TScrollCode::scBottom,
    TScrollCode::scEndScroll;

using TScrollEvent = std::function<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

// How a scroll bar is drawn:
// - slNormal: raised arrow buttons and thumb;
// - slFlat: flat arrow buttons and thumb (a one-pixel shadow frame, no 3-D
//   edges);
// - slEncarta: flat, but the arrow button or the thumb under the pointer
//   rises (raised edges) while the mouse is not held on the bar.
enum class TScrollBarLook { slNormal, slFlat, slEncarta };
using TScrollBarLook::slNormal, TScrollBarLook::slFlat, TScrollBarLook::slEncarta;

// A scroll bar: two arrows, the track and the thumb, painted by the layer.
// The mouse on it sends the platform's scroll messages, WM_HSCROLL or
// WM_VSCROLL (by Kind) with LOWORD(WParam) the code and HIWORD the position:
// - press on an arrow: SB_LINEUP / SB_LINEDOWN; held, again after 400 ms,
//   then every 100 ms (the timer service);
// - press on the track: SB_PAGEUP / SB_PAGEDOWN, repeated the same way
//   while the thumb has not reached the pointer;
// - dragging the thumb: SB_THUMBTRACK with the position at every change,
//   SB_THUMBPOSITION at the release;
// - every release: SB_ENDSCROLL last.
// Standing alone (a child control), the bar sends them to its parent with
// LParam its widget; the parent reflects them back (CN_HSCROLL/CN_VSCROLL),
// and the bar fires OnScroll, moves Position (SmallChange per line,
// LargeChange per page) and fires OnChange. As a part of a window's frame
// (TWinControl::InsertNonClientControl: a grid's or a scroll box's own
// bars) it sends them to that window with LParam 0 and leaves its position
// to the window (SetScrollInfo), as the window's own bars do.
// Presses on the bar never take the focus.
class TScrollBar : public TCustomControl {
public:
    explicit TScrollBar(TComponent* AOwner);
    ~TScrollBar() override;

    TScrollBarKind Kind() const { return kind_; }
    void SetKind(TScrollBarKind Value);
    int Min() const { return info_.Min; }
    void SetMin(int Value) { SetParams(info_.Pos, Value, info_.Max); }
    int Max() const { return info_.Max; }
    void SetMax(int Value) { SetParams(info_.Pos, info_.Min, Value); }
    int Position() const { return info_.Pos; }
    // Clamped to Min .. the largest position; OnChange when it changes.
    void SetPosition(int Value) { SetParams(Value, info_.Min, info_.Max); }
    void SetParams(int APosition, int AMin, int AMax);
    int PageSize() const { return info_.Page; }
    void SetPageSize(int Value);
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int Value) { smallChange_ = Value; }
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int Value) { largeChange_ = Value; }

    // The whole state at once (the window's bars), without OnChange.
    const TScrollInfo& ScrollInfo() const { return info_; }
    void SetScrollInfo(const TScrollInfo& Info);
    // True while the user holds the bar (an arrow, the track or the thumb).
    bool Tracking() const { return part_ != TPart::None; }

    TScrollBarLook Look() const { return look_; }
    void SetLook(TScrollBarLook Value);
    // The colour of the track between the arrows; clNone: the system's
    // scroll bar colour.
    TColor TrackColor() const { return trackColor_; }
    void SetTrackColor(TColor Value);

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

protected:
    // OnScroll; the handler may change ScrollPos.
    virtual void Scroll(TScrollCode ScrollCode, int& ScrollPos);
    virtual void Change();
    void Paint() override;
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    void WMCancelMode(TMessage& Message) override;

private:
    enum class TPart { None, LineUp, PageUp, Thumb, PageDown, LineDown };
    int Length() const;
    int Thickness() const;
    int Along(TPoint P) const;
    int MaxPos() const;
    void Geometry(int& ArrowSize, int& ThumbStart, int& ThumbSize, int UsePos) const;
    TPart HitTest(TPoint P, int* ThumbStart = nullptr) const;
    int PosFromPixel(int Pixel) const;
    void ButtonDown(TPoint P);
    void MouseMoved(TPoint P);
    void ButtonUp();
    void Repeat();
    void StopTracking();
    void Send(int Code, int Pos);
    void DoScroll(TMessage& Message);
    void SetHot(TPart Value);
    void PaintArrow(const TRect& R, bool First, unsigned State);

    TScrollBarKind kind_ = sbHorizontal;
    TScrollInfo info_{0, 100, 0, 0, 0};
    int smallChange_ = 1;
    int largeChange_ = 1;
    TPart part_ = TPart::None;
    // Under the pointer (slEncarta only).
    TPart hot_ = TPart::None;
    TScrollBarLook look_ = slNormal;
    TColor trackColor_ = clNone;
    int grabOffset_ = 0;
    uint64_t repeat_ = 0;
    int ticks_ = 0;
};
