#pragma once
// TEditLink: the bridge through which an application supplies its own
// control as the editor of edCustom cells, in the cell (esInplace) or in a
// borderless stay-on-top popup window named "gridform" (esPopup). The grid
// talks only to the link; a descendant creates and drives the control
// (CreateEditor, GetEditControl, GetEditorValue, SetEditorValue ...) and
// assigns EditKeyDown as the control's key-down handler.
//
// EditKeyDown, the leave keys: Tab, Enter, Esc, Page Up, Page Down, End,
// Home, the four arrows and any key with Alt, less those the want flags
// keep in the control (WantKeyUpDown, WantKeyLeftRight, WantKeyHomeEnd,
// WantKeyPriorNext, WantKeyReturn, WantKeyEscape, WantTabs).
// - Tab with Navigation.TabToNextAtEnd: the value is committed, the grid
//   moves on by its Tab and, when it moved to a cell without a control, a
//   posted F2 opens the editor there.
// - Esc: the value the cell had when the edit began.
// - Otherwise the value is committed and validated; a refusal reopens the
//   editor on the same cell; Enter advances (Shift+Enter backward); the
//   arrows, Tab, Page Up and Page Down go on to the grid, which moves.
//
// The control's window procedure is not replaced here: a control that is
// to see Tab in its key-down handler answers the dialog-code query for it
// itself (SubClassed only records that the grid had the control in place).
#include "platform/gui/controls.h"
#include "platform/gui/forms.h"

class TVynStringGrid;

enum class TEditStyle { esInplace, esPopup };
using TEditStyle::esInplace, TEditStyle::esPopup;

class TEditLink : public TComponent {
public:
    explicit TEditLink(TComponent* AOwner);
    ~TEditLink() override;

    // ---- the grid's side
    TVynStringGrid* Grid() const { return FOwner.Get(); }
    TPoint EditCell() const { return FEditCell; }
    TCustomForm* PopupForm() const { return FPopupForm.Get(); }

    // ---- settings
    bool WantKeyLeftRight() const { return FWantKeyLeftRight; }
    void SetWantKeyLeftRight(bool Value) { FWantKeyLeftRight = Value; }
    bool WantKeyUpDown() const { return FWantKeyUpDown; }
    void SetWantKeyUpDown(bool Value) { FWantKeyUpDown = Value; }
    bool WantKeyHomeEnd() const { return FWantKeyHomeEnd; }
    void SetWantKeyHomeEnd(bool Value) { FWantKeyHomeEnd = Value; }
    bool WantKeyPriorNext() const { return FWantKeyPriorNext; }
    void SetWantKeyPriorNext(bool Value) { FWantKeyPriorNext = Value; }
    bool WantKeyReturn() const { return FWantKeyReturn; }
    void SetWantKeyReturn(bool Value) { FWantKeyReturn = Value; }
    bool WantKeyEscape() const { return FWantKeyEscape; }
    void SetWantKeyEscape(bool Value) { FWantKeyEscape = Value; }
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool Value) { FWantReturns = Value; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool Value) { FWantTabs = Value; }
    TEditStyle EditStyle() const { return FEditStyle; }
    void SetEditStyle(TEditStyle Value) { FEditStyle = Value; }
    int PopupWidth() const { return FPopupWidth; }
    void SetPopupWidth(int Value) { FPopupWidth = Value; }
    int PopupHeight() const { return FPopupHeight; }
    void SetPopupHeight(int Value) { FPopupHeight = Value; }
    // Screen coordinates; -1: at the cell.
    int PopupLeft() const { return FPopupLeft; }
    void SetPopupLeft(int Value) { FPopupLeft = Value; }
    int PopupTop() const { return FPopupTop; }
    void SetPopupTop(int Value) { FPopupTop = Value; }
    bool AutoPopupWidth() const { return FAutoPopupWidth; }
    void SetAutoPopupWidth(bool Value) { FAutoPopupWidth = Value; }
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }

    // ---- what a descendant supplies
    // The leave-key handler; assign it as the control's key-down event.
    virtual void EditKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    virtual TWinControl* GetEditControl() { return nullptr; }
    virtual void CreateEditor(TWinControl* AParent) { (void)AParent; }
    virtual void DestroyEditor() {}
    virtual void SetFocus(bool Value);
    virtual void SetRect(TRect R);
    virtual void SetVisible(bool Value);
    virtual void SetProperties() {}
    virtual void SetCellProps(TColor AColor, TFont* AFont)
    {
        (void)AColor;
        (void)AFont;
    }
    virtual String GetEditorValue() { return String(); }
    virtual void SetEditorValue(const String& Value) { (void)Value; }

    void EditExit(TObject* Sender);
    // The popup window lost the activation.
    void FormExit(TObject* Sender);
    TWinControl* GetParent();
    String GetCellValue();
    void SetCellValue(const String& Value);
    void HideEditor();
    void RestoreWinProc();
    bool SubClassed() const { return FSubClassed; }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TVynStringGrid;
    // The grid focused with FForcedExit set for that moment.
    void FocusGridForced();

    TWeakRef<TVynStringGrid> FOwner;
    bool FWantKeyLeftRight = false;
    bool FWantKeyUpDown = false;
    bool FWantKeyHomeEnd = false;
    bool FWantKeyPriorNext = false;
    bool FWantKeyReturn = false;
    bool FWantKeyEscape = false;
    TEditStyle FEditStyle = esInplace;
    TWeakRef<TCustomForm> FPopupForm;
    int FPopupWidth = 0;
    int FPopupHeight = 0;
    bool FForcedExit = false;
    TPoint FEditCell;
    int FTag = 0;
    bool FAutoPopupWidth = false;
    int FPopupLeft = -1;
    int FPopupTop = -1;
    bool FSubClassed = false;
    bool FWantReturns = false;
    bool FWantTabs = false;
};
