#pragma once
// TVynColGrid: the list grid of the grid drop-down (TCustomVynGridDropDown),
// a string grid that lives in the drop-down's popup.
//
// - It takes its settings from its owner at every opening
//   (ConfigureFromDropDown) and fills itself from the owner's items
//   (FillFromItems): the header row holds the column headers, row k + 1
//   item k, and the object of (0, k + 1) is k, so that rows keep their item
//   through sorting and filtering (ItemOfRow).
// - It always has exactly one fixed row, its header.
// - Input: a click on a data row (not on a check box) or Enter is one
//   DoSelect (OnSelect); Tab does nothing; Alt+Up and Alt+Down go to the
//   owner's edit (they close the popup); the wheel scrolls without choosing
//   (ConfirmSelection is cleared by the wheel, set by a key or a press).
// - The colours, the header font and the three cell events are kept only:
//   the grid paints with its own settings.
#include <functional>
#include <memory>

#include "controls/dropdown/grid/GridDropDownItems.h"
#include "grid/core/vyn_string_grid.h"

namespace VynCustomGridDropDown {

class TCustomVynGridDropDown;

using TDrawCellEvent = std::function<void(TObject* Sender, int Column, int Row, TCanvas* ACanvas, TRect ARect)>;
using TGetCellPropEvent =
    std::function<void(TObject* Sender, int Column, int Row, TFont* Font, TColor& AColor, TColor& AColorTo)>;
using TGetCellTextEvent = std::function<void(TObject* Sender, int Column, int Row, String& Text)>;

class TVynColGrid : public TVynStringGrid {
public:
    explicit TVynColGrid(TComponent* AOwner);
    ~TVynColGrid() override;

    TCustomVynGridDropDown* DropDown() const { return fDropDown_; }
    void SetDropDown(TCustomVynGridDropDown* Owner) { fDropDown_ = Owner; }
    // Copies the owner's columns, sizes, colours, options and hover-row
    // settings, sizes the auto-size columns and the word-wrapped rows.
    // Nothing without an owner.
    void ConfigureFromDropDown(TCustomVynGridDropDown* Owner);
    // The header row and one row per item of the owner (nothing without an
    // owner); the sort cross-reference starts over, so undoing a later
    // sort gives the item order.
    void FillFromItems();
    // Every column with AutoSize.
    void AutoSizeItemColumns();
    // A column with AutoSize, while the grid is in a popup: the widest text
    // of the column (single line) + 6, + Images.Width + 4 for an image
    // column with an item image.
    void AutoSizeItemColumn(int Index);
    // While the grid is in a popup and a column wraps words: every data row
    // at least 24 pixels and as high as its wrapped texts + 6.
    void UpdateWordWrapRowHeights();
    // The width that shows every column: the borders, the column widths,
    // the vertical scroll bar when not every row is visible.
    int GetNeededWidth();
    // The item a row shows (the object of column 0), or -1 for a row out of
    // the grid.
    int ItemOfRow(int ARow);

    TDropDownColumns& Columns() const { return *fColumns_; }
    void SetColumns(const TDropDownColumns& Value) { fColumns_->Assign(Value); }
    TColor LineColor() const { return fLineColor_; }
    void SetLineColor(TColor Value) { fLineColor_ = Value; }
    TColor FixedLineColor() const { return fFixedLineColor_; }
    void SetFixedLineColor(TColor Value) { fFixedLineColor_ = Value; }
    TColor HeaderColor() const { return fHeaderColor_; }
    void SetHeaderColor(TColor Value) { fHeaderColor_ = Value; }
    TColor HeaderColorTo() const { return fHeaderColorTo_; }
    void SetHeaderColorTo(TColor Value) { fHeaderColorTo_ = Value; }
    int HeaderHeight() const { return fHeaderHeight_; }
    void SetHeaderHeight(int Value) { fHeaderHeight_ = Value; }
    TFont& HeaderFont() const { return *fHeaderFont_; }
    void SetHeaderFont(const TFont& Value) { fHeaderFont_->Assign(Value); }
    int GridLineWidth() const { return fGridLineWidth_; }
    // Kept; the grid draws its lines itself (its own line width 0).
    void SetGridLineWidth(int Value);
    TImageList* Images() const { return fImages_.Get(); }
    void SetImages(TImageList* Value) { fImages_ = TWeakRef<TImageList>(Value); }

    // Set by a key or a press, cleared by the wheel and by the owner after
    // each closing: whether the current row counts as chosen.
    bool ConfirmSelection() const { return fConfirmSelection_; }
    void SetConfirmSelection(bool Value) { fConfirmSelection_ = Value; }
    // True while the wheel scrolls.
    bool MouseWheelSelection() const { return fMouseWheelSelection_; }
    // The current row at the last press.
    int OldRow() const { return fOldRow_; }

    TGetCellTextEvent OnGetCellText;
    TDrawCellEvent OnDrawCell;
    TGetCellPropEvent OnGetCellProp;
    TNotifyEvent OnSelect;
    // The popup blocks its deactivation from the start of a block-focus
    // step to its end.
    TNotifyEvent OnBlockFocusStart;
    TNotifyEvent OnBlockFocusEnd;
    // Before a header click's sorting step.
    TNotifyEvent OnHeaderSortStart;

    virtual void DoSelect();

protected:
    void KeyDown(Word& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // The wheel (the grid's own wheel handling runs inside).
    void Dispatch(TMessage& Message) override;
    void WMKeyDown(TMessage& Message) override;
    void WMChar(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override;
    void DoStartBlockFocus() override;
    void DoEndBlockFocus() override;
    void ClickSortStep(int X, int Y, int ACol, int ARow) override;

private:
    // In the drop-down's popup (measuring happens only there).
    bool InPopup() const;
    // The text of column Col for data row Row: the owner's item when it
    // uses its items, else the cell.
    String MeasuredText(int Col, int Row);

    TCustomVynGridDropDown* fDropDown_ = nullptr;
    std::unique_ptr<TDropDownColumns> fColumns_;
    TColor fHeaderColor_ = 0xFFFFFF;
    TColor fHeaderColorTo_ = 0x808080;
    TColor fLineColor_ = 0x808080;
    TWeakRef<TImageList> fImages_;
    int fHeaderHeight_ = 25;
    std::unique_ptr<TFont> fHeaderFont_;
    TColor fFixedLineColor_ = 0x808080;
    int fGridLineWidth_ = 1;
    int fOldRow_ = -1;
    bool fMouseWheelSelection_ = false;
    bool fConfirmSelection_ = false;
};

}  // namespace VynCustomGridDropDown

using VynCustomGridDropDown::TVynColGrid;
