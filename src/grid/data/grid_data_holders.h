#pragma once
// The settings and parts of the grid's data operations: the floating
// footer and its panel, sorting, nodes, grouping, the filter and its
// drop-down lists.
//
// These hold, for now, the settings the grid's core reads, with their
// final defaults; the data operations complete them (docs/GRID.md).
#include "grid/core/grid_types.h"
#include "platform/gui/classes.h"
#include "platform/gui/controls.h"
#include "platform/gui/extctrls.h"
// The floating footer and its panel.
#include "grid/data/grid_footer.h"
// The filter, its drop-down and lists.
#include "grid/data/grid_filter_holders.h"

class TVynStringGrid;
class TBitmap;

enum class TSortDirection { sdAscending, sdDescending };
enum class TSortBlankPosition { blFirst, blLast };
enum class TIndexSortKey { ikShift, ikCtrl };

// The grid's sort settings (the sort itself: src/grid/data/grid_sort.cpp).
class TSortSettings : public TPersistent {
public:
    explicit TSortSettings(TVynStringGrid* AGrid);
    ~TSortSettings() override;
    TVynStringGrid* Grid() const { return FGrid; }
    // The setter repaints the grid.
    bool Show() const { return FShow; }
    void SetShow(bool Value);
    bool IndexShow() const { return FIndexShow; }
    void SetIndexShow(bool Value) { FIndexShow = Value; }
    // Ties are broken by the next columns (the next indexes).
    bool Full() const { return FFull; }
    void SetFull(bool Value) { FFull = Value; }
    // Only the sort column's cells move.
    bool SingleColumn() const { return FSingleColumn; }
    void SetSingleColumn(bool Value) { FSingleColumn = Value; }
    bool IgnoreBlanks() const { return FIgnoreBlanks; }
    void SetIgnoreBlanks(bool Value) { FIgnoreBlanks = Value; }
    TSortBlankPosition BlankPos() const { return FBlankPos; }
    void SetBlankPos(TSortBlankPosition Value) { FBlankPos = Value; }
    bool AutoFormat() const { return FAutoFormat; }
    void SetAutoFormat(bool Value) { FAutoFormat = Value; }
    TSortDirection Direction() const { return FDirection; }
    void SetDirection(TSortDirection Value) { FDirection = Value; }
    // Owned; the setters copy the picture.
    TBitmap* UpGlyph() const { return FUpGlyph; }
    void SetUpGlyph(const TBitmap& Value);
    TBitmap* DownGlyph() const { return FDownGlyph; }
    void SetDownGlyph(const TBitmap& Value);
    TBitmap* IndexUpGlyph() const { return FIndexUpGlyph; }
    void SetIndexUpGlyph(const TBitmap& Value);
    TBitmap* IndexDownGlyph() const { return FIndexDownGlyph; }
    void SetIndexDownGlyph(const TBitmap& Value);
    // With fixed columns, column 0's cells keep their places.
    bool NormalCellsOnly() const { return FNormalCellsOnly; }
    void SetNormalCellsOnly(bool Value) { FNormalCellsOnly = Value; }
    bool FixedCols() const { return FFixedCols; }
    void SetFixedCols(bool Value) { FFixedCols = Value; }
    // -1: not sorted.
    int Column() const { return FColumn; }
    void SetColumn(int Value) { FColumn = Value; }
    // The header row: a value not below the grid's FixedRows raises
    // Exception("Sort row should be smaller than number of fixed rows")
    // (0 is always taken).
    int Row() const { return FRow; }
    void SetRow(int Value);
    bool AutoColumnMerge() const { return FAutoColumnMerge; }
    void SetAutoColumnMerge(bool Value) { FAutoColumnMerge = Value; }
    TColor IndexColor() const { return FIndexColor; }
    void SetIndexColor(TColor Value) { FIndexColor = Value; }
    TSortDirection InitSortDirection() const { return FInitSortDirection; }
    void SetInitSortDirection(TSortDirection Value) { FInitSortDirection = Value; }
    bool UndoSort() const { return FUndoSort; }
    void SetUndoSort(bool Value) { FUndoSort = Value; }
    bool AutoSortForGrouping() const { return FAutoSortForGrouping; }
    void SetAutoSortForGrouping(bool Value) { FAutoSortForGrouping = Value; }
    // The comparison reads the displayed texts, else the stored ones.
    bool SortOnVirtualCells() const { return FSortOnVirtualCells; }
    void SetSortOnVirtualCells(bool Value) { FSortOnVirtualCells = Value; }
    bool IgnoreCase() const { return FIgnoreCase; }
    void SetIgnoreCase(bool Value) { FIgnoreCase = Value; }
    TIndexSortKey IndexSortKey() const { return FIndexSortKey; }
    void SetIndexSortKey(TIndexSortKey Value) { FIndexSortKey = Value; }
    // The sorted header's colours; a change repaints the header row.
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor Value);
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor Value);
    TColor HeaderMirrorColor() const { return FHeaderMirrorColor; }
    void SetHeaderMirrorColor(TColor Value);
    TColor HeaderMirrorColorTo() const { return FHeaderMirrorColorTo; }
    void SetHeaderMirrorColorTo(TColor Value);
    // "i;u1;d3" with IndexShow, else "u3" / "d3" for Column and Direction.
    String SaveToString() const;
    // Applies such a text and sorts; empty does nothing; a text of one
    // character raises Exception("Invalid sort settings specifier").
    void LoadFromString(const String& Value);
    // Not sorted: Column -1, no indexes.
    void Remove();
    void ToggleDirection();
    // Every setting but IgnoreCase and SortOnVirtualCells.
    void Assign(const TPersistent& Source) override;

private:
    void RepaintHeader();
    TVynStringGrid* FGrid;
    bool FShow = false, FIndexShow = false, FFull = true, FSingleColumn = false, FIgnoreBlanks = false;
    TSortBlankPosition FBlankPos = TSortBlankPosition::blFirst;
    bool FAutoFormat = true;
    TSortDirection FDirection = TSortDirection::sdAscending;
    TBitmap *FUpGlyph = nullptr, *FDownGlyph = nullptr, *FIndexUpGlyph = nullptr, *FIndexDownGlyph = nullptr;
    bool FNormalCellsOnly = false, FFixedCols = false;
    int FColumn = -1;
    int FRow = 0;
    bool FAutoColumnMerge = false;
    TColor FIndexColor = 0x0000FFFF;
    TSortDirection FInitSortDirection = TSortDirection::sdAscending;
    bool FUndoSort = false, FAutoSortForGrouping = true, FSortOnVirtualCells = true, FIgnoreCase = false;
    TIndexSortKey FIndexSortKey = TIndexSortKey::ikShift;
    TColor FHeaderColor = clNone, FHeaderColorTo = clNone, FHeaderMirrorColor = clNone, FHeaderMirrorColorTo = clNone;
};

// The look and behaviour of the grid's nodes (the node operations keep
// the nodes themselves in column 0; docs/GRID.md, "Nodes").
enum class TNodeType { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

class TCellNode : public TPersistent {
public:
    explicit TCellNode(TVynStringGrid* AGrid);
    ~TCellNode() override;
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    // Expanding a node first contracts every other expanded node.
    bool ExpandOne() const { return FExpandOne; }
    void SetExpandOne(bool Value) { FExpandOne = Value; }
    TColor NodeColor() const { return FNodeColor; }
    void SetNodeColor(TColor Value) { FNodeColor = Value; }
    // These store a changed value and repaint the grid.
    TNodeType NodeType() const { return FNodeType; }
    void SetNodeType(TNodeType Value);
    int NodeIndent() const { return FNodeIndent; }
    void SetNodeIndent(int Value);
    bool ShowTree() const { return FShowTree; }
    void SetShowTree(bool Value);
    bool ShowTreeFull() const { return FShowTreeFull; }
    void SetShowTreeFull(bool Value);
    TColor TreeColor() const { return FTreeColor; }
    void SetTreeColor(TColor Value);
    // Owned; the setters copy the picture.
    TBitmap* ExpandGlyph() const { return FExpandGlyph; }
    void SetExpandGlyph(const TBitmap& Value);
    TBitmap* ContractGlyph() const { return FContractGlyph; }
    void SetContractGlyph(const TBitmap& Value);
    // Copies every setting.
    void Assign(const TPersistent& Source) override;

private:
    void Changed();
    TVynStringGrid* FGrid;
    TColor FColor = 0xC0C0C0;
    bool FExpandOne = false;
    TNodeType FNodeType = TNodeType::cnXP;
    TColor FNodeColor = 0x000000;
    int FNodeIndent = 12;
    bool FShowTree = true;
    bool FShowTreeFull = true;
    TColor FTreeColor = 0x808080;
    TBitmap* FExpandGlyph = nullptr;
    TBitmap* FContractGlyph = nullptr;
};

class TGrouping : public TPersistent {
public:
    bool HeaderUnderline() const { return FHeaderUnderline; }
    void SetHeaderUnderline(bool Value) { FHeaderUnderline = Value; }
    TColor HeaderLineColor() const { return FHeaderLineColor; }
    void SetHeaderLineColor(TColor Value) { FHeaderLineColor = Value; }
    int HeaderLineWidth() const { return FHeaderLineWidth; }
    void SetHeaderLineWidth(int Value) { FHeaderLineWidth = Value; }
    bool SummaryLine() const { return FSummaryLine; }
    void SetSummaryLine(bool Value) { FSummaryLine = Value; }
    TColor SummaryLineColor() const { return FSummaryLineColor; }
    void SetSummaryLineColor(TColor Value) { FSummaryLineColor = Value; }
    int SummaryLineWidth() const { return FSummaryLineWidth; }
    void SetSummaryLineWidth(int Value) { FSummaryLineWidth = Value; }
    bool ShowGroupCount() const { return FShowGroupCount; }
    void SetShowGroupCount(bool Value) { FShowGroupCount = Value; }
    const String& GroupCountFormat() const { return FGroupCountFormat; }
    void SetGroupCountFormat(const String& Value) { FGroupCountFormat = Value; }
    bool AutoCheckGroup() const { return FAutoCheckGroup; }
    void SetAutoCheckGroup(bool Value) { FAutoCheckGroup = Value; }
    // Copies the count, the underline and summary-line switches and the
    // check switch; not the line colours and widths.
    void Assign(const TPersistent& Source) override;

private:
    bool FHeaderUnderline = false;
    TColor FHeaderLineColor = 0xFF0000;
    int FHeaderLineWidth = 2;
    bool FSummaryLine = false;
    TColor FSummaryLineColor = 0xFF0000;
    int FSummaryLineWidth = 2;
    bool FShowGroupCount = false;
    String FGroupCountFormat;
    bool FAutoCheckGroup = false;
};
