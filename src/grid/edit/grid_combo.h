#pragma once
// The combo box with its own look (TVsgCustomCombo, published as
// TVsgComboBox) and the grid's combo editor TGridCombo built on it
// (docs/GRID.md, "Special editors").
//
// TVsgCustomCombo: flat and etched looks with an own drop button
// (ButtonWidth 14..32, other widths are ignored), border, focus-border and
// focus colours, a button in custom colours, an attached label at one of
// the label positions, OnDropUp when the list closes. Without any of those
// settings the platform draws the combo. DropWidth widens the opened list.
//
// TGridCombo edits the edComboEdit (csDropDown) and edComboList
// (csDropDownList) cells of one grid: the keys by list mode (the style is a
// list or the list is open), look-up completion while typing, the wheel,
// the width of the opened list, and the change reports to the grid.
#include "grid/core/grid_types.h"
#include "grid/edit/grid_editor_wrapper.h"
#include "platform/gui/stdctrls.h"

class QPainter;
class TVynStringGrid;

class TVsgCustomCombo : public TComboBox {
public:
    explicit TVsgCustomCombo(TComponent* AOwner);
    ~TVsgCustomCombo() override;

    bool AutoFocus() const { return FAutoFocus; }
    void SetAutoFocus(bool Value) { FAutoFocus = Value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    bool Etched() const { return FEtched; }
    void SetEtched(bool Value);
    int ButtonWidth() const { return FButtonWidth; }
    // Taken only from 14 to 32.
    void SetButtonWidth(int Value);
    bool FocusBorder() const { return FFocusBorder; }
    void SetFocusBorder(bool Value);
    // The opened list's width (0: the platform's, the combo's width).
    int DropWidth() const { return FDropWidth; }
    void SetDropWidth(int Value);
    // The width the list opens with now.
    int DroppedWidth() const { return FDroppedWidth; }
    void SetDroppedWidth(int Value);
    TColor FlatLineColor() const { return FFlatLineColor; }
    void SetFlatLineColor(TColor Value);
    bool FlatParentColor() const { return FFlatParentColor; }
    void SetFlatParentColor(bool Value);
    TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor Value) { FFocusColor = Value; }
    TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(TColor Value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool Value);
    bool FocusLabel() const { return FFocusLabel; }
    void SetFocusLabel(bool Value) { FFocusLabel = Value; }
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool Value) { FIsWinXP = Value; }
    bool IsVista() const { return FIsVista; }
    void SetIsVista(bool Value);
    // The custom button's colours (clNone: not set).
    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor Value);
    TColor ButtonColorHot() const { return FButtonColorHot; }
    void SetButtonColorHot(TColor Value) { FButtonColorHot = Value; }
    TColor ButtonColorDown() const { return FButtonColorDown; }
    void SetButtonColorDown(TColor Value) { FButtonColorDown = Value; }
    TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(TColor Value) { FButtonBorderColor = Value; }
    TColor ButtonTextColor() const { return FButtonTextColor; }
    void SetButtonTextColor(TColor Value) { FButtonTextColor = Value; }
    TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
    void SetButtonTextColorHot(TColor Value) { FButtonTextColorHot = Value; }
    TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
    void SetButtonTextColorDown(TColor Value) { FButtonTextColorDown = Value; }

    // The attached label (created with the first caption, in the combo's parent).
    TLabel* ComboLabel() const { return FLabel; }
    String LabelCaption() const;
    void SetLabelCaption(const String& Value);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition Value);
    int LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int Value);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool Value);
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool Value);
    TFont& LabelFont() { return *FLabelFont; }
    void SetLabelFont(const TFont& Value);

    // The item equal to Text (letter case ignored) is chosen; none: no change.
    void SelectItem(const String& Text);
    // The normal colour is the colour now.
    void Init();
    void Loaded() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetVisible(bool Value) override;
    void SetEnabled(bool Value) override;
    void SetParent(TWinControl* AParent) override;

    TNotifyEvent OnDropUp;

protected:
    void DoEnter() override;
    void DoExit() override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void CMFontChanged(TMessage& Message) override;
    // The list opened or closed.
    virtual void ListDropped();
    virtual void ListClosed();
    // Painted by the control (not the platform) in the current settings.
    bool OwnPaint() const;
    bool Hot() const;
    bool ButtonHover() const { return FButtonHover; }

private:
    void Paint(QPainter& Painter);
    void DrawButton(TCanvas& Canvas);
    void DrawBorder(TCanvas& Canvas);
    void UpdateLabel();
    void InvalidateButton();
    void ApplyDroppedWidth();

    bool FAutoFocus = false;
    bool FFlat = false;
    bool FEtched = false;
    TColor FOldColor = clWindow;
    TColor FLoadedColor = clWindow;
    bool FOldParentColor = false;
    int FButtonWidth;
    bool FFocusBorder = false;
    bool FMouseInControl = false;
    int FDropWidth = 0;
    int FDroppedWidth = 0;
    bool FIsWinXP = false;
    bool FIsThemed = true;
    bool FButtonHover = false;
    bool FLabelAlwaysEnabled = false;
    bool FLabelTransparent = false;
    int FLabelMargin = 4;
    TFont* FLabelFont;
    TLabelPosition FLabelPosition = lpLeftTop;
    TLabel* FLabel = nullptr;
    TColor FFlatLineColor = clNone;
    bool FFlatParentColor = true;
    TColor FFocusColor = clNone;
    TColor FFocusBorderColor = clNone;
    TColor FBorderColor = clNone;
    bool FDisabledBorder = true;
    TColor FNormalColor = clNone;
    bool FHasFocus = false;
    bool FFocusLabel = false;
    TColor FButtonColorDown = clNone, FButtonBorderColor = clNone, FButtonTextColor = clNone,
           FButtonTextColorHot = clNone, FButtonColor = clNone, FButtonColorHot = clNone,
           FButtonTextColorDown = clNone;
    bool FIsVista = false;
    std::function<void(QPainter&)> FPlatformPaint;
};

class TVsgComboBox : public TVsgCustomCombo {
public:
    using TVsgCustomCombo::TVsgCustomCombo;
};

class TGridCombo : public TVsgComboBox, private TGridEditorHost {
public:
    // Owner must be a TVynStringGrid.
    explicit TGridCombo(TComponent* AOwner);

    bool WorkMode() const { return FWorkMode; }
    // Look-up completion from the list, then from the grid's LookupItems
    // (after every key-up).
    void DoChange();
    // The opened list as wide as its widest item (the grid's font).
    void SizeDropDownWidth();
    // The posted start character of an edit: the grid's OnKeyPress has had it.
    void ExpectReplay(QChar Char) { FReplayChar = Char; }
    // TComboBox's change handling and OnEditChange, without the grid's
    // change report.
    void ChangeNotification();
    // The list mode: a list style or the list open.
    bool ListMode() const;

    TNotifyEvent OnReturnKey;

protected:
    void WndProc(TMessage& Message) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void Change() override;
    void Select() override;
    void DoExit() override;
    void WMSetFocus(TMessage& Message) override;
    void CMWantSpecialKey(TMessage& Message) override;
    void ListDropped() override;
    void ListClosed() override;

private:
    String EditorValue() override { return Text(); }
    void LoadEditorValue(const String& Value) override;
    void SelectAllValue() override;
    void CaretToEnd() override;
    void RepaintEditor() override { Invalidate(); }
    // The selection report of a wheel turn or a key press.
    void ReportSelection(bool WithEditChange);

    TGridEditorProtocol FProtocol;
    bool FWorkMode = true;
    bool FInSelect = false;
    int FSelKeyDown = 0;
    int FSelReports = 0;
    QChar FReplayChar;
};
