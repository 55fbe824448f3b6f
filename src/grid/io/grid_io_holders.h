#pragma once
// The settings of the grid's printing, HTML export and drag and drop.
//
// These hold, for now, the settings the grid's core reads, with their
// final defaults; import and export complete them (docs/GRID.md).
#include "platform/gui/classes.h"

class TVynStringGrid;

class TPrintSettings : public TPersistent {
public:
    explicit TPrintSettings(TVynStringGrid* AGrid) : FGrid(AGrid) {}
    void Assign(const TPersistent& Source) override;

private:
    TVynStringGrid* FGrid;
};

class THTMLSettings : public TPersistent {
public:
    void Assign(const TPersistent& Source) override;
};

class TDragDropSettings : public TPersistent {
public:
    explicit TDragDropSettings(TVynStringGrid* AGrid) : FGrid(AGrid) {}
    bool OleAcceptText() const { return FOleAcceptText; }
    void SetOleAcceptText(bool Value) { FOleAcceptText = Value; }
    bool OleAcceptFiles() const { return FOleAcceptFiles; }
    void SetOleAcceptFiles(bool Value) { FOleAcceptFiles = Value; }
    bool OleAcceptURLs() const { return FOleAcceptURLs; }
    void SetOleAcceptURLs(bool Value) { FOleAcceptURLs = Value; }
    // The outgoing drags of the grid's interaction (grid_drag.cpp).
    bool OleDropSource() const { return FOleDropSource; }
    void SetOleDropSource(bool Value) { FOleDropSource = Value; }
    bool OleColumnsOnly() const { return FOleColumnsOnly; }
    void SetOleColumnsOnly(bool Value) { FOleColumnsOnly = Value; }
    bool OleColumnDragDrop() const { return FOleColumnDragDrop; }
    void SetOleColumnDragDrop(bool Value) { FOleColumnDragDrop = Value; }
    bool OleCopyAlways() const { return FOleCopyAlways; }
    void SetOleCopyAlways(bool Value) { FOleCopyAlways = Value; }
    bool OleRemoveRows() const { return FOleRemoveRows; }
    void SetOleRemoveRows(bool Value) { FOleRemoveRows = Value; }
    bool ShowCells() const { return FShowCells; }
    void SetShowCells(bool Value) { FShowCells = Value; }
    void Assign(const TPersistent& Source) override;

private:
    TVynStringGrid* FGrid;
    bool FOleAcceptText = true;
    bool FOleAcceptFiles = true;
    bool FOleAcceptURLs = true;
    bool FOleDropSource = false;
    bool FOleColumnsOnly = false;
    bool FOleColumnDragDrop = false;
    bool FOleCopyAlways = false;
    bool FOleRemoveRows = false;
    bool FShowCells = true;
};
