#pragma once
// The column definitions of the column grid: TGridColumnItem describes one
// real column (header, width, editor, check texts, look, print look, sort
// format, filter list, edit mask), TGridColumnCollection holds them in real
// column order and keeps the grid's column count in step with their number,
// TVynColumnGridIO carries them through a column stream.
#include <memory>

#include "grid/core/grid_types.h"
#include "platform/gui/canvas.h"
#include "platform/gui/classes.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/stringlist.h"

class TVynColumnGrid;
class TGridColumnCollection;

// A cast to a class the object is not of.
class EInvalidCast : public Exception {
    using Exception::Exception;
};

class TEditLink;
class TPopupMenu;

class TGridColumnItem : public TCollectionItem {
public:
    // With a collection the fonts copy the grid's font, the colour is the
    // grid's colour and changes of Font, HeaderFont and BorderPen update
    // the collection; without one (the grid's saved column) nothing is
    // hooked and Width reads 0.
    explicit TGridColumnItem(TGridColumnCollection* Collection);
    ~TGridColumnItem() override;
    TGridColumnItem(const TGridColumnItem&) = delete;
    TGridColumnItem& operator=(const TGridColumnItem&) = delete;

    // The full copy (no notification); any other source is ignored.
    void Assign(const TPersistent& Source) override;
    // The look-only copy used when a column is appended: the grid's colour
    // and font instead of the source's; no combo items, drop-down count,
    // header, header font, name or tag.
    void AssignVisuals(const TPersistent& Source);
    // "Col 4: Mode", or "Column 4" without a name.
    String GetDisplayName() const;
    // The grid of the collection, nullptr outside one.
    TVynColumnGrid* Grid() const;

    // ---- the stored properties, in their stored order
    int AutoMinSize() const { return FAutoMinSize; }
    void SetAutoMinSize(int Value) { FAutoMinSize = Value; }
    int AutoMaxSize() const { return FAutoMaxSize; }
    void SetAutoMaxSize(int Value) { FAutoMaxSize = Value; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TCellBorders Borders() const { return FBorders; }
    void SetBorders(TCellBorders Value);
    TPen* BorderPen() const { return FBorderPen.get(); }
    void SetBorderPen(const TPen& Value) { FBorderPen->Assign(Value); }
    const String& CheckFalse() const { return FCheckFalse; }
    void SetCheckFalse(const String& Value) { FCheckFalse = Value; }
    const String& CheckTrue() const { return FCheckTrue; }
    void SetCheckTrue(const String& Value) { FCheckTrue = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TPopupMenu* ColumnPopup() const { return FColumnPopup; }
    // The grid is told when the menu goes away.
    void SetColumnPopup(TPopupMenu* Value);
    TColumnPopupType ColumnPopupType() const { return FColumnPopupType; }
    void SetColumnPopupType(TColumnPopupType Value) { FColumnPopupType = Value; }
    TStringList* ComboItems() const { return FComboItems.get(); }
    void SetComboItems(const TStringList& Value) { FComboItems->Assign(Value); }
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int Value) { FDropDownCount = Value; }
    int EditLength() const { return FEditLength; }
    void SetEditLength(int Value) { FEditLength = Value; }
    TEditLink* EditLink() const { return FEditLink; }
    void SetEditLink(TEditLink* Value) { FEditLink = Value; }
    const String& EditMask() const { return FEditMask; }
    void SetEditMask(const String& Value) { FEditMask = Value; }
    TEditorType Editor() const { return FEditor; }
    // Repaints only when the old or the new kind is edDataCheckBox.
    void SetEditor(TEditorType Value);
    TStringList* Filter() const { return FFilter.get(); }
    void SetFilter(const TStringList& Value);
    bool FilterCaseSensitive() const { return FFilterCaseSensitive; }
    void SetFilterCaseSensitive(bool Value) { FFilterCaseSensitive = Value; }
    bool Fixed() const { return FFixed; }
    void SetFixed(bool Value);
    const String& FloatFormat() const { return FFloatFormat; }
    void SetFloatFormat(const String& Value);
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont& Value);
    const String& Header() const { return FHeader; }
    // With a fixed row and no column move running the text goes into cell
    // (index, 0) too; ColumnHeaders follows.
    void SetHeader(const String& Value);
    TAlignment HeaderAlignment() const { return FHeaderAlignment; }
    void SetHeaderAlignment(TAlignment Value);
    TFont* HeaderFont() const { return FHeaderFont.get(); }
    void SetHeaderFont(const TFont& Value);
    int MinSize() const { return FMinSize; }
    void SetMinSize(int Value) { FMinSize = Value; }
    int MaxSize() const { return FMaxSize; }
    void SetMaxSize(int Value) { FMaxSize = Value; }
    const String& Name() const { return FName; }
    void SetName(const String& Value) { FName = Value; }
    bool Password() const { return FPassword; }
    void SetPassword(bool Value);
    bool PrintBorderCustom() const { return FPrintBorderCustom; }
    void SetPrintBorderCustom(bool Value) { FPrintBorderCustom = Value; }
    TCellBorders PrintBorders() const { return FPrintBorders; }
    void SetPrintBorders(TCellBorders Value) { FPrintBorders = Value; }
    TPen* PrintBorderPen() const { return FPrintBorderPen.get(); }
    void SetPrintBorderPen(const TPen& Value) { FPrintBorderPen->Assign(Value); }
    TColor PrintColor() const { return FPrintColor; }
    void SetPrintColor(TColor Value) { FPrintColor = Value; }
    bool PrintFontCustom() const { return FPrintFontCustom; }
    void SetPrintFontCustom(bool Value) { FPrintFontCustom = Value; }
    TFont* PrintFont() const { return FPrintFont.get(); }
    void SetPrintFont(const TFont& Value) { FPrintFont->Assign(Value); }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    bool ShowBands() const { return FShowBands; }
    void SetShowBands(bool Value);
    TSortStyle SortStyle() const { return FSortStyle; }
    void SetSortStyle(TSortStyle Value) { FSortStyle = Value; }
    const String& SortPrefix() const { return FSortPrefix; }
    void SetSortPrefix(const String& Value) { FSortPrefix = Value; }
    const String& SortSuffix() const { return FSortSuffix; }
    void SetSortSuffix(const String& Value) { FSortSuffix = Value; }
    int SpinMax() const { return FSpinMax; }
    void SetSpinMax(int Value) { FSpinMax = Value; }
    int SpinMin() const { return FSpinMin; }
    void SetSpinMin(int Value) { FSpinMin = Value; }
    int SpinStep() const { return FSpinStep; }
    void SetSpinStep(int Value) { FSpinStep = Value; }
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }
    // The grid's width entry of this column (0 outside a collection).
    int Width() const;
    void SetWidth(int Value);

    // ---- not stored
    // The column's position when the dialog was loaded.
    int DefIdx() const { return FDefIdx; }
    void SetDefIdx(int Value) { FDefIdx = Value; }
    // The width field Assign, AssignVisuals and the grid's width copy-back
    // fill (not what Width reads).
    int StoredWidth() const { return FWidth; }
    void SetStoredWidth(int Value) { FWidth = Value; }
    // Header text only: no cell write, no notification.
    void SetHeaderText(const String& Value) { FHeader = Value; }

    // ---- the cells of this column by row, through the grid (its errors).
    String Rows(int ARow) const;
    void SetRows(int ARow, const String& Value);
    int Ints(int ARow) const;
    void SetInts(int ARow, int Value);
    double Floats(int ARow) const;
    void SetFloats(int ARow, double Value);
    TDateTime Dates(int ARow) const;
    void SetDates(int ARow, TDateTime Value);
    TDateTime Times(int ARow) const;
    void SetTimes(int ARow, TDateTime Value);

private:
    void Update();
    void RepaintGrid() const;
    TVynColumnGrid& CheckedGrid() const;
    // The common part of Assign and AssignVisuals.
    void CopyLook(const TGridColumnItem& S);

    int FAutoMinSize = 0, FAutoMaxSize = 0;
    TAlignment FAlignment = taLeftJustify;
    TCellBorders FBorders;
    std::unique_ptr<TPen> FBorderPen;
    String FCheckFalse, FCheckTrue;
    TColor FColor = 0;
    TPopupMenu* FColumnPopup = nullptr;
    TColumnPopupType FColumnPopupType = TColumnPopupType::cpFixedCellsRClick;
    std::unique_ptr<TStringList> FComboItems;
    int FDropDownCount = 8;
    int FEditLength = 0;
    TEditLink* FEditLink = nullptr;
    String FEditMask;
    TEditorType FEditor = TEditorType::edNormal;
    std::unique_ptr<TStringList> FFilter;
    bool FFilterCaseSensitive = false;
    bool FFixed = false;
    String FFloatFormat;
    std::unique_ptr<TFont> FFont;
    String FHeader;
    TAlignment FHeaderAlignment = taLeftJustify;
    std::unique_ptr<TFont> FHeaderFont;
    int FMinSize = 0, FMaxSize = 0;
    String FName;
    bool FPassword = false;
    bool FPrintBorderCustom = true;
    TCellBorders FPrintBorders;
    std::unique_ptr<TPen> FPrintBorderPen;
    TColor FPrintColor = 0xFFFFFF;
    bool FPrintFontCustom = true;
    std::unique_ptr<TFont> FPrintFont;
    bool FReadOnly = false;
    bool FShowBands = false;
    TSortStyle FSortStyle = TSortStyle::ssAutomatic;
    String FSortPrefix, FSortSuffix;
    int FSpinMax = 0, FSpinMin = 0, FSpinStep = 1;
    int FTag = 0;
    int FWidth = 50;
    int FDefIdx = 0;
    // Set at creation: the collection the item was made for (the item joins
    // it only once it is complete).
    TGridColumnCollection* FOwnerCollection = nullptr;
};

class TGridColumnCollection : public TCollection {
public:
    explicit TGridColumnCollection(TVynColumnGrid* AOwner);

    TVynColumnGrid* Grid() const { return FGrid; }
    // Appends a column that takes the look of the previous last one.
    TGridColumnItem* Add();
    // A column with creation values at Index.
    TGridColumnItem* Insert(int Index);
    TGridColumnItem* Items(int Index) const { return static_cast<TGridColumnItem*>(TCollection::Items(Index)); }
    // Copies Value into item Index.
    void SetItems(int Index, const TGridColumnItem& Value) { Items(Index)->Assign(Value); }
    // While set, changes of the collection leave the grid alone.
    bool NoRecursiveUpdate() const { return FNoRecursiveUpdate; }
    void SetNoRecursiveUpdate(bool Value) { FNoRecursiveUpdate = Value; }
    // Syncs the column count (without touching ColCount), then every
    // column's DefIdx := its index.
    void SetOrganization();
    // Moves every column to the position its DefIdx names.
    void ResetOrganization();
    // The collection's reaction to a change; public so that the items can
    // report theirs.
    void Update(TCollectionItem* Item) override;

private:
    TVynColumnGrid* FGrid;
    bool FNoRecursiveUpdate = false;
};

// Sets the collection's no-recursion flag for a scope and gives back the
// value it had.
class NoRecursion {
public:
    explicit NoRecursion(TGridColumnCollection& C) : c_(C), was_(C.NoRecursiveUpdate()) { c_.SetNoRecursiveUpdate(true); }
    ~NoRecursion() { c_.SetNoRecursiveUpdate(was_); }
    NoRecursion(const NoRecursion&) = delete;
    NoRecursion& operator=(const NoRecursion&) = delete;

private:
    TGridColumnCollection& c_;
    bool was_;
};

// The holder through which the definitions travel in a column stream.
class TVynColumnGridIO : public TComponent {
public:
    // AOwner must be a column grid (EInvalidCast otherwise).
    explicit TVynColumnGridIO(TComponent* AOwner);
    ~TVynColumnGridIO() override;
    TGridColumnCollection* Items() const { return FItems.get(); }
    void SetItems(const TGridColumnCollection& Value) { FItems->Assign(Value); }

private:
    std::unique_ptr<TGridColumnCollection> FItems;
};
