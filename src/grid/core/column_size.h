#pragma once
// The grid's ColumnSize settings: keeping the column widths between runs,
// stretching one column to fill the grid, and scaling the widths with the
// grid.
#include "platform/gui/classes.h"

class TVynStringGrid;

enum class TColumnSizeLocation { clRegistry, clIniFile };
enum class TAutoSizeRows { arAll, arNormal, arFixed };

class TColumnSize : public TPersistent {
public:
    explicit TColumnSize(TVynStringGrid* AOwner) : FOwner(AOwner) {}
    TVynStringGrid* Owner() const { return FOwner; }

    bool Save() const { return FSave; }
    void SetSave(bool Value) { FSave = Value; }
    const String& Key() const { return FKey; }
    void SetKey(const String& Value) { FKey = Value; }
    const String& Section() const { return FSection; }
    void SetSection(const String& Value) { FSection = Value; }
    bool Stretch() const { return FStretch; }
    // Stores the flag; set on while the grid has a parent, the stretch
    // column is widened at once. Setting it off only stores.
    void SetStretch(bool Value);
    // -1: the last column.
    int StretchColumn() const { return FStretchColumn; }
    void SetStretchColumn(int Value) { FStretchColumn = Value; }
    bool SynchWithGrid() const { return FSynchWithGrid; }
    void SetSynchWithGrid(bool Value) { FSynchWithGrid = Value; }
    bool SynchNormalCellsOnly() const { return FSynchNormalCellsOnly; }
    void SetSynchNormalCellsOnly(bool Value) { FSynchNormalCellsOnly = Value; }
    TColumnSizeLocation Location() const { return FLocation; }
    void SetLocation(TColumnSizeLocation Value) { FLocation = Value; }
    TAutoSizeRows Rows() const { return FRows; }
    void SetRows(TAutoSizeRows Value) { FRows = Value; }

    // Copies the nine settings of another TColumnSize (no stretching);
    // any other source changes nothing.
    void Assign(const TPersistent& Source) override;

private:
    TVynStringGrid* FOwner;
    bool FSave = false;
    String FKey;
    String FSection;
    bool FStretch = false;
    int FStretchColumn = -1;
    bool FSynchWithGrid = false;
    bool FSynchNormalCellsOnly = false;
    TColumnSizeLocation FLocation = TColumnSizeLocation::clRegistry;
    TAutoSizeRows FRows = TAutoSizeRows::arAll;
};
