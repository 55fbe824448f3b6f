#pragma once
// TVynMultiColumnDropDown: a drop-down whose popup is a small column grid
// (TVynMultiColGrid, on the platform's TStringGrid): each item is a row of
// texts, one per column, with an optional image; the edit holds the text of
// the lookup column (LookupColumn) of the chosen item.
//
// Rules:
// - typing in the edit completes the text to the first lookup text that
//   starts with the text before the caret (case ignored unless MatchCase):
//   the typed part stays as typed and the completed tail is selected; once
//   the key is released the item's own text (its capitals) is written and
//   the tail selected again. Backspace, Esc and Delete switch completion
//   off until another key (but Enter) is typed.
// - completion and the Enter and Esc rules read the lookup texts, which are
//   rebuilt only by EndUpdate (and Loaded): items added later take part
//   after the next EndUpdate. The popup's incremental lookup reads the
//   items themselves.
// - an item with fewer texts than LookupColumn counts as an empty text
//   everywhere (GetItemIndex, the lookups, the edit text).
// - Enter on a text that is a lookup text (case ignored) takes that item;
//   with ReturnIsTab a Tab follows and the Enter goes no further. Esc sets
//   the item whose lookup text the edit holds (case ignored), -1 and an
//   empty text when there is none.
// - the popup opens on the chosen row; arrow keys in it move ItemIndex at
//   once; Enter or a click on an item row confirms and closes; the wheel
//   only moves the grid's row (Enter then takes it); characters typed in it
//   find the first item whose lookup text starts with them (the lookup
//   entry); cancelling restores the index the popup opened with; closing
//   by a press outside keeps what the keys left.
//
// The classes of this module live in the namespace VynMultiColumnDropDown
// (the grid drop-down has classes of the same names); the two controls are
// also declared at global scope.
#include <functional>
#include <memory>
#include <vector>

#include "controls/dropdown/PickerItems.h"
#include "controls/dropdown/VynDropDown.h"
#include "platform/grids/grids.h"
#include "platform/rtl/stringlist.h"

namespace VynMultiColumnDropDown {

// What a popup cell shows: the item's text, or its image and text.
enum class TColumnType { ctText, ctImage };
using TColumnType::ctText, TColumnType::ctImage;

// Paints a popup cell in place of the built-in painting.
using TDrawCellEvent =
    std::function<void(TObject* Sender, int Column, int Row, TCanvas& ACanvas, const TRect& ARect)>;
// May change the text of a popup cell before it is drawn.
using TGetCellTextEvent = std::function<void(TObject* Sender, int Column, int Row, String& Text)>;
using TGetCellPropEvent =
    std::function<void(TObject* Sender, int Column, int Row, TFont& Font, TColor& AColor, TColor& AColorTo)>;

// A column of the popup. Writers store without notification.
class TDropDownColumn : public TCollectionItem {
public:
    explicit TDropDownColumn(TCollection* Collection);
    ~TDropDownColumn() override;

    bool Wordwrap() const { return fWordwrap_; }
    void SetWordwrap(bool Value) { fWordwrap_ = Value; }
    int Width() const { return fWidth_; }
    void SetWidth(int Value) { fWidth_ = Value; }
    bool AutoSize() const { return fAutoSize_; }
    void SetAutoSize(bool Value) { fAutoSize_ = Value; }
    const String& Header() const { return fHeader_; }
    void SetHeader(const String& Value) { fHeader_ = Value; }
    TAlignment Alignment() const { return fAlignment_; }
    void SetAlignment(TAlignment Value) { fAlignment_ = Value; }
    TColor Color() const { return fColor_; }
    void SetColor(TColor Value) { fColor_ = Value; }
    TColumnType ColumnType() const { return fColumnType_; }
    void SetColumnType(TColumnType Value) { fColumnType_ = Value; }
    // Writing copies.
    TFont& Font() const { return *fFont_; }
    void SetFont(const TFont& Value) { fFont_->Assign(Value); }
    bool Ellipsis() const { return fEllipsis_; }
    void SetEllipsis(bool Value) { fEllipsis_ = Value; }

    // From another column: all nine values (the font copied).
    void Assign(const TPersistent& Source) override;

private:
    bool fWordwrap_ = false;
    int fWidth_ = 80;
    bool fAutoSize_ = false;
    String fHeader_;
    TAlignment fAlignment_ = taLeftJustify;
    TColor fColor_ = clWhite;
    TColumnType fColumnType_ = ctText;
    std::unique_ptr<TFont> fFont_;
    bool fEllipsis_ = false;
};

// An item: one text per column (index = column) and an image index (-1:
// none).
class TDropDownItem : public TCollectionItem {
public:
    explicit TDropDownItem(TCollection* Collection);
    ~TDropDownItem() override;

    int ImageIndex() const { return fImageIndex_; }
    void SetImageIndex(int Value) { fImageIndex_ = Value; }
    // Writing copies.
    TStringList& Text() const { return *fText_; }
    void SetText(const TStringList& Value);
    // The text of Column; empty when the item has no such column.
    String ColumnText(int Column) const;

    // From another item: the image index and the texts.
    void Assign(const TPersistent& Source) override;

private:
    int fImageIndex_ = -1;
    std::unique_ptr<TStringList> fText_;
};

// The columns and items lists (OnChange: an item changed).
class TDropDownColumns : public TPickerItems<TDropDownColumn> {
public:
    using TPickerItems::TPickerItems;
};

class TDropDownItems : public TPickerItems<TDropDownItem> {
public:
    using TPickerItems::TPickerItems;
    // The first item whose text at Column equals Value (case-sensitive);
    // -1 when none.
    int IndexInColumn(int Column, const String& Value) const;
};

class TVynMultiColumnDropDown;

// The popup grid: one fixed header row, whole-row selection, every line
// drawn by DrawCell (the platform's own line width stays 0).
class TVynMultiColGrid : public TStringGrid {
public:
    explicit TVynMultiColGrid(TComponent* AOwner);
    ~TVynMultiColGrid() override;

    TVynMultiColumnDropDown* VynDropDown() const { return fVynDropDown_.Get(); }
    void SetVynDropDown(TVynMultiColumnDropDown* Value);
    // Writing copies.
    TDropDownColumns& Columns() const { return *fColumns_; }
    void SetColumns(const TDropDownColumns& Value) { fColumns_->Assign(Value); }
    TColor HeaderColor() const { return fHeaderColor_; }
    void SetHeaderColor(TColor Value) { fHeaderColor_ = Value; }
    TColor HeaderColorTo() const { return fHeaderColorTo_; }
    void SetHeaderColorTo(TColor Value) { fHeaderColorTo_ = Value; }
    TColor LineColor() const { return fLineColor_; }
    void SetLineColor(TColor Value) { fLineColor_ = Value; }
    TColor FixedLineColor() const { return fFixedLineColor_; }
    void SetFixedLineColor(TColor Value) { fFixedLineColor_ = Value; }
    // Reads nullptr once the list is freed.
    TImageList* Images() const { return fImages_.Get(); }
    void SetImages(TImageList* Value) { fImages_ = TWeakRef<TImageList>(Value); }
    int HeaderHeight() const { return fHeaderHeight_; }
    void SetHeaderHeight(int Value) { fHeaderHeight_ = Value; }
    // Writing copies.
    TFont& HeaderFont() const { return *fHeaderFont_; }
    void SetHeaderFont(const TFont& Value) { fHeaderFont_->Assign(Value); }
    // The width of the lines the grid draws itself; the platform's own
    // width stays 0.
    int GridLineWidth() const { return fGridLineWidth_; }
    void SetGridLineWidth(int Value);
    // The current row was chosen by a key or a click (not by the wheel).
    bool ConfirmSelection() const { return fConfirmSelection_; }
    void SetConfirmSelection(bool Value) { fConfirmSelection_ = Value; }
    bool MouseWheelSelection() const { return fMouseWheelSelection_; }
    int OldRow() const { return fOldRow_; }

    // Loads the drop-down's columns, items and looks (the popup opening).
    void LoadFromDropDown(TVynMultiColumnDropDown* DropDown);
    // Columns with AutoSize take the width of their widest cell.
    void FitAutoSizeColumns();
    // With a word-wrapped column, every item row takes the height its
    // wrapped texts need (at least 24).
    void FitWrappedRows();
    // Twice the border, every column, and the vertical scroll bar when not
    // all rows fit.
    int GetTotalWidth() const;
    // The cell's left and top with its column width and row height.
    TRect GetFullCellRect(int ACol, int ARow) const;

    // Not raised by the grid (they hide the platform's events).
    TDrawCellEvent OnDrawCell;
    TGetCellPropEvent OnGetCellProp;
    TGetCellTextEvent OnGetCellText;
    // A row was chosen (Enter, or a release on an item row).
    TNotifyEvent OnSelect;

protected:
    virtual void DoSelect();
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void WMKeyDown(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override;

private:
    void FitColumnToText(int Index);
    bool OnPopupForm() const;

    TWeakRef<TVynMultiColumnDropDown> fVynDropDown_;
    std::unique_ptr<TDropDownColumns> fColumns_;
    TColor fHeaderColor_ = clWhite;
    TColor fHeaderColorTo_ = 0x808080;
    TColor fLineColor_ = 0x808080;
    TWeakRef<TImageList> fImages_;
    int fHeaderHeight_ = 25;
    std::unique_ptr<TFont> fHeaderFont_;
    TColor fFixedLineColor_ = 0x808080;
    int fGridLineWidth_ = 1;
    int fOldRow_ = 0;
    bool fMouseWheelSelection_ = false;
    bool fConfirmSelection_ = false;
};

class TVynMultiColumnDropDown : public TVynCustomDropDown {
public:
    explicit TVynMultiColumnDropDown(TComponent* AOwner);
    ~TVynMultiColumnDropDown() override;

    bool ColumnSizing() const { return fColumnSizing_; }
    void SetColumnSizing(bool Value) { fColumnSizing_ = Value; }
    int LookupColumn() const { return fLookupColumn_; }
    void SetLookupColumn(int Value) { fLookupColumn_ = Value; }
    TColor HeaderColor() const { return fHeaderColor_; }
    void SetHeaderColor(TColor Value) { fHeaderColor_ = Value; }
    TColor HeaderColorTo() const { return fHeaderColorTo_; }
    void SetHeaderColorTo(TColor Value) { fHeaderColorTo_ = Value; }
    TColor LineColor() const { return fLineColor_; }
    void SetLineColor(TColor Value) { fLineColor_ = Value; }
    TColor FixedLineColor() const { return fFixedLineColor_; }
    void SetFixedLineColor(TColor Value) { fFixedLineColor_ = Value; }
    // Writing copies.
    TDropDownItems& Items() const { return *fItems_; }
    void SetItems(const TDropDownItems& Value) { fItems_->Assign(Value); }
    TDropDownColumns& Columns() const { return *fColumns_; }
    void SetColumns(const TDropDownColumns& Value) { fColumns_->Assign(Value); }
    int ItemIndex() const { return fItemIndex_; }
    // Count or more: ignored; below 0: -1 (empty text). The text becomes
    // the item's lookup text through SetText; no event.
    void SetItemIndex(int Value);
    int HeaderHeight() const { return fHeaderHeight_; }
    void SetHeaderHeight(int Value) { fHeaderHeight_ = Value; }
    TFont& HeaderFont() const { return *fHeaderFont_; }
    void SetHeaderFont(const TFont& Value) { fHeaderFont_->Assign(Value); }
    bool DropDownAutoWidth() const { return fDropDownAutoWidth_; }
    void SetDropDownAutoWidth(bool Value) { fDropDownAutoWidth_ = Value; }
    bool ColumnSizeWithDropDown() const { return fColumnSizeWithDropDown_; }
    void SetColumnSizeWithDropDown(bool Value) { fColumnSizeWithDropDown_ = Value; }
    int DropDownRowHeight() const { return fDropDownRowHeight_; }
    void SetDropDownRowHeight(int Value) { fDropDownRowHeight_ = Value; }
    bool CaseSensitive() const { return fCaseSensitive_; }
    void SetCaseSensitive(bool Value) { fCaseSensitive_ = Value; }
    // This control's own Enter-as-Tab (the base's stays off).
    bool ReturnIsTab() const { return fReturnIsTab_; }
    void SetReturnIsTab(bool Value) { fReturnIsTab_ = Value; }
    bool MatchCase() const { return fMatchCase_; }
    void SetMatchCase(bool Value) { fMatchCase_ = Value; }
    bool MatchStart() const { return fMatchStart_; }
    void SetMatchStart(bool Value) { fMatchStart_ = Value; }
    TColor SelectionTextColor() const { return fSelectionTextColor_; }
    int RowCount() const { return fItems_->Count(); }
    // The popup grid (made with the popup).
    TVynMultiColGrid* Grid() const { return fVynColGrid_; }
    // The characters typed in the popup since the last reset.
    const String& LookupEntry() const { return fLookupEntry_; }
    // The lookup texts as last rebuilt.
    const TStringList& LookupItems() const { return *fLookupItems_; }

    // Does nothing; EndUpdate rebuilds the lookup texts.
    void BeginUpdate() {}
    void EndUpdate() { UpdateLookupItems(); }
    // The first item whose lookup text equals Value exactly
    // (case-sensitive); -1 when none.
    int GetItemIndex(const String& Value) const;
    // The item's lookup text; empty without that column.
    String LookupText(int Index) const;

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void SelectNextPage();
    void SelectPreviousPage();

    // The popup's width scaled to its columns (with ColumnSizeWithDropDown).
    void FitColumnsToDropDown();

    void Assign(const TPersistent& Source) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void Change() override;
    void DoHideDropDown(bool Cancel) override;
    void DoShowDropDown() override;
    void DoDropDownSizing() override;
    void SetSelectionColorStyle(TSelectionColorStyle AStyle) override;
    void SetComponentStyle(TVynStyle AStyle) override;

    TNotifyEvent OnSelect;
    TDrawCellEvent OnDropDownDrawItem;
    // Not raised.
    TGetCellPropEvent OnDropDownGetItemProp;
    TGetCellTextEvent OnDropDownGetItemText;

protected:
    void Loaded() override;
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void AdjustDropDownHeight(int& Height) override;
    void PlaceDropDownControl() override;
    void UpdateDropDownSize() override;
    void ControlKeyDown(Word& Key, TShiftState Shift) override;
    void ControlKeyUp(Word& Key, TShiftState Shift) override;
    void ControlKeyPress(QChar& Key) override;
    void HandleMouseWheelDown() override;
    void HandleMouseWheelUp() override;
    void WMKeyDown(TMessage& Message) override;
    void WMChar(TMessage& Message) override;

private:
    void UpdateLookupItems();
    void GridSelectCell(int ARow, bool& CanSelect);
    void GridSelect();
    void LookupChar(QChar Key);
    int FindLookupMatch(const String& Entry) const;
    // The first lookup text that starts with Typed (case ignored unless
    // MatchCase); -1 for none and for an empty Typed.
    int FindCompletion(const String& Typed) const;
    // The item found by the popup lookup becomes current (the row in view).
    void TakeLookupMatch(int Index, int Caret, bool SelectRest);

    bool fShowing_ = false;
    bool fColumnSizing_ = false;
    int fLookupColumn_ = 0;
    TColor fHeaderColorTo_ = 0x808080;
    TColor fHeaderColor_ = clWhite;
    TColor fLineColor_ = 0xF1EDEB;
    std::unique_ptr<TDropDownItems> fItems_;
    std::unique_ptr<TDropDownColumns> fColumns_;
    int fItemIndex_ = -1;
    int fHeaderHeight_ = 25;
    std::unique_ptr<TFont> fHeaderFont_;
    TVynMultiColGrid* fVynColGrid_ = nullptr;
    TColor fFixedLineColor_ = 0xD1BBA4;
    bool fWorkMode_ = true;
    String fOldValue_;
    bool fReturnIsTab_ = false;
    std::unique_ptr<TStringList> fLookupItems_;
    // The first UTF-16 unit of each lookup text, as it is and case-folded
    // (0 for an empty text): the completion compares a whole text only
    // where its first unit matches, or where it is a surrogate.
    std::vector<char16_t> fLookupFirst_, fLookupFirstFolded_;
    bool fMatchCase_ = false;
    bool fMatchStart_ = true;
    bool fItemChange_ = false;
    int fItemIdx_ = -1;
    int fItemSel_ = 0;
    int fOldItemIndex_ = -1;
    bool fDropDownAutoWidth_ = true;
    bool fColumnSizeWithDropDown_ = true;
    TColor fSelectionTextColor_ = clBlack;
    int fDropDownRowHeight_ = 22;
    String fLookupEntry_;
    bool fCaseSensitive_ = false;
    // The text when the popup opened (a cancel puts it back).
    String fTextAtOpen_;
    // Set while Change completes the text (its own write notifies without
    // completing again).
    bool fCompleting_ = false;
};

}  // namespace VynMultiColumnDropDown

using VynMultiColumnDropDown::TVynMultiColGrid;
using VynMultiColumnDropDown::TVynMultiColumnDropDown;
