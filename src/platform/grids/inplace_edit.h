#pragma once
// TInplaceEdit: the edit control a grid shows on its current cell
// (TCustomGrid::CreateEditor makes it; the grid owns it and is its parent).
//
// - Every change of its text by the user goes to the grid's SetEditText.
// - Up, Down, Page Up, Page Down and Esc go to the grid's KeyDown; so does
//   Tab when the grid has goTabs; with goAlwaysShowEditor also Left/Home at
//   the start of the text and Right/End at its end.
// - Every character goes to the grid's KeyPress first (OnKeyPress of the
//   grid, Enter closing the editor); Tab, Enter and Esc type nothing.
// - It wants Enter and Esc for itself (a dialog's default and cancel buttons
//   do not see them while a cell is edited).
// - An edit mask in the platform's syntax restricts what can be typed
//   (TCustomMaskEdit, platform/gui/mask.h).
#include "platform/gui/mask.h"

class TCustomGrid;

class TInplaceEdit : public TCustomMaskEdit {
public:
    explicit TInplaceEdit(TComponent* AOwner);
    ~TInplaceEdit() override;

    TCustomGrid* Grid() const { return grid_.Get(); }

    // The text loaded when the edit started (Esc brings it back).
    const String& OriginalText() const { return original_; }
    // Places the editor on Loc (client coordinates of the grid; an empty
    // rectangle for a cell off screen) and shows it.
    void Move(const TRect& Loc);
    // Caret to the end of the text, nothing selected.
    void Deselect();

protected:
    friend class TCustomGrid;

    void SetGrid(TCustomGrid* Grid) { grid_ = TWeakRef<TCustomGrid>(Grid); }
    // Loads the mask (GetEditMask), the text (GetEditText) and the limit
    // (GetEditLimit) of the grid's current cell, in this order.
    virtual void UpdateContents();
    // After Move.
    virtual void BoundsChanged() {}
    // Puts the original text back without telling the grid.
    void RestoreOriginal();

    void Change() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void DblClick() override;
    void WMGetDlgCode(TMessage& Message) override;

private:
    TWeakRef<TCustomGrid> grid_;
    bool loading_ = false;
    String original_;
};
