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

class TSortSettings : public TPersistent {
public:
    explicit TSortSettings(TVynStringGrid* AGrid) : FGrid(AGrid) {}
    bool Show() const { return FShow; }
    void SetShow(bool Value) { FShow = Value; }
    int Column() const { return FColumn; }
    void SetColumn(int Value) { FColumn = Value; }
    int Row() const { return FRow; }
    void SetRow(int Value) { FRow = Value; }
    // The sorted header's colours (the looks write them).
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
    TColor HeaderMirrorColor() const { return FHeaderMirrorColor; }
    void SetHeaderMirrorColor(TColor Value) { FHeaderMirrorColor = Value; }
    TColor HeaderMirrorColorTo() const { return FHeaderMirrorColorTo; }
    void SetHeaderMirrorColorTo(TColor Value) { FHeaderMirrorColorTo = Value; }
    void Assign(const TPersistent& Source) override;

private:
    TVynStringGrid* FGrid;
    bool FShow = false;
    int FColumn = -1;
    int FRow = 0;
    TColor FHeaderColor = clNone, FHeaderColorTo = clNone, FHeaderMirrorColor = clNone, FHeaderMirrorColorTo = clNone;
};

class TCellNode : public TPersistent {
public:
    explicit TCellNode(TVynStringGrid* AGrid) : FGrid(AGrid) {}
    int NodeIndent() const { return FNodeIndent; }
    void SetNodeIndent(int Value) { FNodeIndent = Value; }
    void Assign(const TPersistent& Source) override;

private:
    TVynStringGrid* FGrid;
    int FNodeIndent = 12;
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
