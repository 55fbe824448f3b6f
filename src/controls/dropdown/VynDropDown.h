#pragma once
// TVynCustomDropDown: the base of every drop-down control. A one-line edit
// with a drop button inside its right edge and a popup (TDropDownForm) that
// hosts a control a descendant supplies (SetControl).
//
// Life cycle of the popup:
// - opening (ShowDropDown, a click on the drop button, Alt+Up/Down, F4):
//   OnBeforeDropDown, then the popup is sized and placed and OnDropDown may
//   refuse (the popup then stays hidden and OnDropUp does not fire); the
//   popup shows below the edit (overlapping its last pixel row) or above it,
//   inside the work area of the display nearest to the edit, never smaller
//   than 80 x 50; a size the user left it at is used again until
//   DropDownWidth or DropDownHeight changes.
// - closing (HideDropDown, Enter, Esc, F4, Alt+Up/Down, a press or an
//   activation outside the popup): the before-close event, the popup hides
//   (AfterDropUp: DroppedDown false, the edit takes the focus back), a
//   cancelled close puts back the text the edit had when the popup opened,
//   then OnDropUp(Cancelled). A press or activation outside closes with the
//   popup's CancelOnDeActivate; a press on this drop-down's own button only
//   closes (the press does not go on), and a click on the button within
//   250 ms of a close by deactivation does not open the popup again.
//
// Construction: a C++ base constructor cannot reach the overrides, so each
// concrete class ends its constructor with InitDropDown(), which runs the
// creation steps that call CreateDropDownForm, SetSelectionColorStyle and
// SetComponentStyle. TVynDropDown is the plain drop-down that does so.
#include <memory>

#include "controls/dropdown/DropDownAppearance.h"
#include "controls/dropdown/DropDownEditModel.h"
#include "controls/dropdown/DropDownTypes.h"
#include "controls/dropdown/ItemAppearance.h"
#include "platform/gui/bitmap.h"
#include "platform/gui/stdctrls.h"

struct TColorTones;
class TDropDownForm;
class TDropDownEditButton;
class TLabel;

class TVynCustomDropDown : public TCustomEdit {
public:
    explicit TVynCustomDropDown(TComponent* AOwner);
    ~TVynCustomDropDown() override;

    // ---- the popup
    void ShowDropDown() { DoShowDropDown(); }
    void HideDropDown(bool CancelChanges) { DoHideDropDown(CancelChanges); }
    bool DroppedDown() const { return fDroppedDown_; }
    TDropDownForm* DropDownForm() const { return fDropDownForm_; }
    TDropDownEditButton* Button() const { return fButton_; }
    // The control the popup hosts (not owned).
    TControl* Control() const { return fControl_.Get(); }
    void SetControl(TWinControl* AControl);

    // ---- settings
    int DropDownWidth() const { return fDropDownWidth_; }
    void SetDropDownWidth(int Value);
    int DropDownHeight() const { return fDropDownHeight_; }
    void SetDropDownHeight(int Value);
    // The size the popup was left at when it last closed (-1: none).
    int UserDropDownWidth() const { return fUserDropDownWidth_; }
    int UserDropDownHeight() const { return fUserDropDownHeight_; }
    bool EditorEnabled() const { return fEditorEnabled_; }
    void SetEditorEnabled(bool Value);
    TDropPosition DropPosition() const { return fDropPosition_; }
    void SetDropPosition(TDropPosition Value) { fDropPosition_ = Value; }
    TImageList* Images() const { return fImages_.Get(); }
    void SetImages(TImageList* Value) { fImages_ = TWeakRef<TImageList>(Value); }
    bool DropDownShadow() const { return fDropDownShadow_; }
    void SetDropDownShadow(bool Value) { fDropDownShadow_ = Value; }
    int DropDownBorderWidth() const { return fDropDownBorderWidth_; }
    void SetDropDownBorderWidth(int Value) { fDropDownBorderWidth_ = Value; }
    const String& DropDownButtonHint() const { return fButtonHint_; }
    void SetDropDownButtonHint(const String& Value);
    TColor DropDownColor() const { return fDropDownColor_; }
    void SetDropDownColor(TColor Value) { fDropDownColor_ = Value; }
    // End colour of the popup's background gradient (set by the styles).
    TColor DropDownColorTo() const { return fDropDownColorTo_; }
    void SetDropDownColorTo(TColor Value) { fDropDownColorTo_ = Value; }
    TGradientDirection DropDownGradient() const { return fDropDownGradient_; }
    void SetDropDownGradient(TGradientDirection Value) { fDropDownGradient_ = Value; }
    TColor DropDownBorderColor() const { return fDropDownBorderColor_; }
    void SetDropDownBorderColor(TColor Value) { fDropDownBorderColor_ = Value; }
    int DropDownButtonWidth() const { return fButtonWidth_; }
    void SetDropDownButtonWidth(int Value);
    // The drop button's glyph (nullptr without a button); writing copies.
    const TBitmap* DropDownButtonGlyph() const;
    void SetDropDownButtonGlyph(const TBitmap& Value);
    String DropDownButtonCaption() const;
    void SetDropDownButtonCaption(const String& Value);
    THeaderAppearance& DropDownHeader() const { return *fDropDownHeader_; }
    void SetDropDownHeader(const THeaderAppearance& Value) { fDropDownHeader_->Assign(Value); }
    TFooterAppearance& DropDownFooter() const { return *fDropDownFooter_; }
    void SetDropDownFooter(const TFooterAppearance& Value) { fDropDownFooter_->Assign(Value); }
    TVynButtonAppearance& ButtonAppearance() const { return *fButtonAppearance_; }
    void SetButtonAppearance(const TVynButtonAppearance& Value) { fButtonAppearance_->Assign(Value); }
    bool DropDownSizeable() const { return fDropDownSizeable_; }
    void SetDropDownSizeable(bool Value) { fDropDownSizeable_ = Value; }
    TColor SelectionColor() const { return fSelectionColor_; }
    void SetSelectionColor(TColor Value) { fSelectionColor_ = Value; }
    TColor SelectionColorTo() const { return fSelectionColorTo_; }
    void SetSelectionColorTo(TColor Value) { fSelectionColorTo_ = Value; }
    TSelectionColorStyle SelectionColorStyle() const { return fSelectionColorStyle_; }
    bool DropDownEnabled() const { return fDropDownEnabled_; }
    void SetDropDownEnabled(bool Value) { fDropDownEnabled_ = Value; }
    TColor BorderColor() const { return fBorderColor_; }
    void SetBorderColor(TColor Value);
    TColor FocusBorderColor() const { return fFocusBorderColor_; }
    void SetFocusBorderColor(TColor Value) { fFocusBorderColor_ = Value; }
    bool DisabledBorder() const { return fDisabledBorder_; }
    void SetDisabledBorder(bool Value);
    bool LabelAlwaysEnabled() const { return fLabelAlwaysEnabled_; }
    void SetLabelAlwaysEnabled(bool Value) { fLabelAlwaysEnabled_ = Value; }
    // The attached label: created on the first write, placed by
    // LabelPosition and LabelMargin beside, above or below the edit.
    String LabelCaption() const;
    void SetLabelCaption(const String& Value);
    TLabel* Label() const { return fLabel_; }
    int LabelMargin() const { return fLabelMargin_; }
    void SetLabelMargin(int Value);
    TLabelPosition LabelPosition() const { return fLabelPosition_; }
    void SetLabelPosition(TLabelPosition Value);
    bool LabelTransparent() const { return fLabelTransparent_; }
    void SetLabelTransparent(bool Value);
    TFont& LabelFont() const { return *fLabelFont_; }
    // Copies the font unless ParentFont is on; places the label.
    void SetLabelFont(const TFont& Value);
    // "1.2.1.4"; writing is ignored.
    String Version() const;
    void SetVersion(const String&) {}

    // ---- typed input (the rules are the edit model's, DropDownEditModel.h)
    TDropDownEditType EditType() const { return fEdit_.EditType; }
    // '*' as password character for etPassword; the value is tested
    // against the new type.
    void SetEditType(TDropDownEditType Value);
    int Precision() const { return fEdit_.Precision; }
    // Ignored unless etString, etFloat or etMoney; rewrites the value.
    void SetPrecision(int Value);
    int LengthLimit() const { return fEdit_.LengthLimit; }
    void SetLengthLimit(int Value) { fEdit_.LengthLimit = Value; }
    const String& Prefix() const { return fEdit_.Prefix; }
    void SetPrefix(const String& Value) { fEdit_.Prefix = Value; }
    const String& Suffix() const { return fEdit_.Suffix; }
    void SetSuffix(const String& Value) { fEdit_.Suffix = Value; }
    bool Signed() const { return fEdit_.Signed; }
    void SetSigned(bool Value) { fEdit_.Signed = Value; }
    const String& ValidChars() const { return fEdit_.ValidChars; }
    void SetValidChars(const String& Value) { fEdit_.ValidChars = Value; }
    bool ExcelStyleDecimalSeparator() const { return fEdit_.ExcelStyleDecimalSeparator; }
    void SetExcelStyleDecimalSeparator(bool Value) { fEdit_.ExcelStyleDecimalSeparator = Value; }
    bool AutoThousandSeparator() const { return fEdit_.AutoThousandSeparator; }
    void SetAutoThousandSeparator(bool Value) { fEdit_.AutoThousandSeparator = Value; }
    bool AllowNumericNullValue() const { return fEdit_.AllowNumericNullValue; }
    void SetAllowNumericNullValue(bool Value) { fEdit_.AllowNumericNullValue = Value; }
    double GetFloatValue();
    void SetFloatValue(double X);
    void SetIntValue(int64_t N);
    bool GetModifiedFlag() const { return fEdit_.IsModified; }
    void SetModifiedFlag(bool Value);
    // Select the value (not the prefix and suffix); the caret just before
    // or after the value's decimal separator.
    void SelectAll();
    void SelectBeforeDecimal();
    void SelectAfterDecimal();

    // Fields without a published property (descendants set them in code).
    bool ReturnIsTab() const { return fReturnIsTab_; }
    void SetReturnIsTab(bool Value) { fReturnIsTab_ = Value; }
    bool DefaultHandling() const { return fDefaultHandling_; }
    void SetDefaultHandling(bool Value) { fDefaultHandling_ = Value; }
    bool CanUndo() const { return fEdit_.CanUndo; }
    void SetCanUndo(bool Value) { fEdit_.CanUndo = Value; }
    bool ForceShadow() const { return fForceShadow_; }
    void SetForceShadow(bool Value) { fForceShadow_ = Value; }
    bool Flat() const { return fFlat_; }
    void SetFlat(bool Value) { fFlat_ = Value; }
    bool FocusDraw() const { return fFocusDraw_; }
    void SetFocusDraw(bool Value) { fFocusDraw_ = Value; }
    TWinControl* FocusControl() const { return fFocusControl_.Get(); }
    void SetFocusControl(TWinControl* Value) { fFocusControl_ = TWeakRef<TWinControl>(Value); }
    // The value last written through SetText.
    const String& OldText() const { return fEdit_.OldText; }
    // The edit rectangle last given to the edit (in its client coordinates).
    TRect EditRect() const { return fEditRect_; }
    // The edit text less the prefix and as many trailing characters as the
    // suffix has.
    String Text() const { return TDropDownEditModel::ValueOf(TCustomEdit::Text(), fEdit_.Prefix, fEdit_.Suffix); }
    // Writes the value formatted by the edit type (FOldText := Value, not
    // modified).
    virtual void SetText(const String& Value);
    // Writes Value into the edit as it is; FOldText unchanged.
    void SetTextDirect(const String& Value);
    // Also repaints the drop button.
    void SetReadOnly(bool Value);
    // The mouse is over the edit or the edit is the active control.
    bool IsHot() const;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // The label follows the edit into its parent.
    void SetParent(TWinControl* AParent) override;

    // ---- styles
    virtual void SetComponentStyle(TVynStyle AStyle);
    TVynStyle GetComponentStyle() const { return fVynStyle_; }
    virtual void SetColorTones(const TColorTones& ATones);
    virtual void SetSelectionColorStyle(TSelectionColorStyle AStyle);
    virtual void DrawSelectedBackground(TCanvas& Canvas, const TRect& R, int RoundType, TColor CornerColor);
    virtual void DrawDropDownGradient(TCanvas& Canvas, TColor FromColor, TGradientDirection Direction,
                                      const TRect& R, int Steps, TColor ToColor);
    void SetItemAppearanceStyle(TItemAppearance* Appearance, TVynStyle AStyle);

    // The streamed "SelectionColorStyle" and "VynStyle": reading stores the
    // number without applying colours; values out of range are refused
    // (false, nothing stored).
    bool ReadStreamedProperty(const String& Name, int Value);
    int WriteStreamedProperty(const String& Name) const;

    // From another drop-down only (any other source: nothing); the text is
    // not copied.
    void Assign(const TPersistent& Source) override;

    // ---- the interfaces the grid's editors call
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;

    // ---- events
    TNotifyEvent OnBeforeDropDown;
    TDropDown OnDropDown;
    TDropUp OnDropUp;
    // Before the popup hides (no property).
    TNotifyEvent OnBeforeDropUp;
    TDropDownButtonItemClick OnDropDownHeaderButtonClick;
    TDropDownButtonItemClick OnDropDownFooterButtonClick;
    TDrawBackGroundEvent OnDrawHeader;
    TDrawBackGroundEvent OnDrawFooter;
    TGetTextEvent OnGetHeaderText;
    TGetTextEvent OnGetFooterText;
    TClipboardEvent OnClipboardCopy;
    TClipboardEvent OnClipboardPaste;
    TClipboardEvent OnClipboardCut;
    // The attached label's click and double click (no property).
    TNotifyEvent OnLabelClick;
    TNotifyEvent OnLabelDblClick;

    // ---- popup hooks (public: the popup form and the drop button call them)
    virtual void DoHideDropDown(bool Cancel);
    virtual void DoShowDropDown();
    // The drop button was clicked (or the edit pressed without EditorEnabled).
    void ClickDropDown();
    virtual void DoDropDownSizing() {}
    virtual void DoDropDownDestroy() {}
    // Forgets the size the user left the popup at (a descendant whose popup
    // takes the fixed size of its hosted control).
    void ResetUserDropDownSize() { fUserDropDownWidth_ = fUserDropDownHeight_ = -1; }

protected:
    // Runs the creation steps that reach the overrides; the last call of
    // every concrete class's constructor.
    void InitDropDown();

    virtual void DoLabelClick();
    virtual void DoLabelDblClick();
    virtual uint32_t GetVersionNr() const { return 0x01020104; }
    virtual void CreateDropDownForm();
    virtual void CreateDropDownButton();
    virtual void UpdateDropDownButton();
    virtual void DoBeforeDropDown();
    virtual void AdjustDropDownHeight(int& Height) { (void)Height; }
    virtual void FocusDropDownControl();
    virtual void PlaceDropDownControl();
    virtual void UpdateDropDownSize();
    virtual void AfterDropUp();
    virtual void DoDropDownMouseWheelDown();
    virtual void DoDropDownMouseWheelUp();
    virtual void DropDownKeyPress(QChar& Key);
    virtual void DropDownKeyDown(Word& Key, TShiftState Shift);
    virtual void DropDownKeyUp(Word& Key, TShiftState Shift);
    virtual void ControlKeyDown(Word& Key, TShiftState Shift);
    virtual void ControlKeyUp(Word& Key, TShiftState Shift);
    virtual void ControlKeyPress(QChar& Key);
    virtual void HandleMouseWheelDown() {}
    virtual void HandleMouseWheelUp() {}
    // The focus highlight of a focused edit without EditorEnabled: the value
    // in clHighlightText on a clHighlight bar left of the drop button.
    virtual void DrawFocusedText(TCanvas& Canvas);
    virtual void SetEditRect();
    virtual void ResizeControl();
    // Repaints the frame and gives the drop button its focused look
    // (IsHot); the frame itself is painted by DrawBorder.
    virtual void DrawBorders();
    // The one-pixel frame on the window rectangle at (0, 0): silver while
    // disabled (DisabledBorder), BorderColor, FocusBorderColor while
    // focused, else the flat look (a sunken edge while hot).
    void DrawBorder(TCanvas& Canvas);
    int GetMinHeight();
    void CreateLabel();
    void UpdateLabelPos();
    // The edit's change notification; one swallowed after BlockChange.
    void Change() override;
    // True while the edit model's result is being written into the edit:
    // the change notification that arrives then is not the user's (the
    // model's own follows).
    bool EditSyncing() const { return syncing_; }
    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;
    void CMVisibleChanged(TMessage& Message) override;

    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;
    // The popup goes first (closed without its events: the drop-down is
    // going).
    void BeforeDestruction() override;
    void WMKeyDown(TMessage& Message) override;
    void WMSysKeyDown(TMessage& Message) override;
    void WMChar(TMessage& Message) override;
    void WMSetFocus(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void WMLButtonDown(TMessage& Message) override;
    void WMLButtonUp(TMessage& Message) override;
    void WMSize(TMessage& Message) override;
    void CMWantSpecialKey(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    void CMEnter(TMessage& Message) override;
    void CMExit(TMessage& Message) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void DoEnter() override;

private:
    // Loads the edit's text, selection and flags into the model, runs Op on
    // it and writes the result back, then fires the edit's change
    // notifications the model reported.
    template <class Op> void runEdit(Op&& Operation);
    void loadEdit();
    void storeEdit();
    // What the control paints over the edit: the focus highlight and the
    // frame.
    void paintOver(QPainter& Painter);
    void HeaderChanged();
    void FooterChanged();
    void ApplyCaret();
    // The key-down rules of the edit (WM_KEYDOWN and WM_SYSKEYDOWN).
    void HandleKeyDown(TMessage& Message, bool Sys);
    // The border the edit paints inside its bounds (the platform's client
    // area starts inside it).
    int FrameWidth() const;
    void Toggle();

    bool fParentFnt_ = false;
    int fDropDownWidth_ = 0, fDropDownHeight_ = 0;
    int fUserDropDownWidth_ = -1, fUserDropDownHeight_ = -1;
    bool fEditorEnabled_ = true;
    TDropPosition fDropPosition_ = dpAuto;
    bool fFlat_ = false;
    TWeakRef<TImageList> fImages_;
    bool fDropDownShadow_ = true;
    int fDropDownBorderWidth_ = 1;
    String fButtonHint_;
    TColor fDropDownColorTo_ = clNone;
    TColor fDropDownColor_ = 0xFFFFFF;
    TColor fDropDownBorderColor_ = 0;
    int fButtonWidth_ = 17;
    bool fMouseInControl_ = false;
    bool fEtched_ = false;
    TWeakRef<TWinControl> fFocusControl_;
    std::unique_ptr<THeaderAppearance> fDropDownHeader_;
    std::unique_ptr<TVynButtonAppearance> fButtonAppearance_;
    std::unique_ptr<TFooterAppearance> fDropDownFooter_;
    TWeakRef<TControl> fControl_;
    TGradientDirection fDropDownGradient_ = gdHorizontal;
    bool fDropDownSizeable_ = true;
    TColor fSelectionColor_ = 0xD7FFFD, fSelectionColorTo_ = 0x58D4FC;
    TSelectionColorStyle fSelectionColorStyle_ = scOffice2007;
    String fOldString_;
    bool fReturnIsTab_ = false;
    bool fIsWinXP_ = true;
    bool fIsThemed_ = true;
    bool fDefaultHandling_ = true;
    bool fButtonDown_ = false;
    TRect fEditRect_;
    bool fDropDownEnabled_ = false;
    bool fDroppedDown_ = false;
    bool fFocusDraw_ = true;
    bool fForceShadow_ = false;
    TVynStyle fVynStyle_ = tsOffice2007Luna;
    int fLabelMargin_ = 0;
    TLabelPosition fLabelPosition_ = lpLeftTop;
    bool fLabelAlwaysEnabled_ = false;
    bool fLabelTransparent_ = false;
    std::unique_ptr<TFont> fLabelFont_;
    TColor fBorderColor_ = clNone;
    TColor fFocusBorderColor_ = clNone;
    bool fDisabledBorder_ = true;
    TDropDownForm* fDropDownForm_ = nullptr;
    TDropDownEditButton* fButton_ = nullptr;
    // The typed-input fields and rules; the edit's text and selection are
    // loaded into it for each operation (runEdit).
    TDropDownEditModel fEdit_;
    int pendingChanges_ = 0;
    bool syncing_ = false;
    TLabel* fLabel_ = nullptr;
    // The edit's own painting over which the frame is drawn.
    std::function<void(QPainter&)> platformPaint_;
    // The value when the popup opened: what a cancelled close puts back.
    String fTextAtOpen_;
    // The popup was toggled by the key-down rules of the current key message.
    bool fToggledThisKey_ = false;
    bool fInitialised_ = false;
};

// The plain drop-down: the base with its creation steps run.
class TVynDropDown : public TVynCustomDropDown {
public:
    explicit TVynDropDown(TComponent* AOwner) : TVynCustomDropDown(AOwner) { InitDropDown(); }
};
