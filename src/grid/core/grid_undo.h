#pragma once
// Undo and redo of a grid's cell texts: a list of steps (one changed cell
// each, or the markers that open and close a sequence undone as one step).
// A click on a plain or three-state check box is a box step: undoing it sets
// the box's state back (its texts are the check texts, for the events).
//
// Rules: a new step (a change, or a sequence marker) first drops the steps
// that were undone, so Redo after a new change does nothing; MaxLevel drops
// the oldest step or the oldest whole sequence, never one marker alone.
// Undo and Redo never raise: a step whose cell is no longer in the grid is
// skipped (the level still moves), and the current cell moves only onto a
// cell that is shown.
#include <functional>

#include "platform/gui/classes.h"
#include "grid/core/grid_types.h"
#include "platform/gui/stdctrls.h"

class TBaseGrid;

class TUndoRedoItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;

    int Row() const { return FRow; }
    void SetRow(int Value) { FRow = Value; }
    int Col() const { return FCol; }
    void SetCol(int Value) { FCol = Value; }
    const String& Value() const { return FValue; }
    void SetValue(const String& Value) { FValue = Value; }
    const String& OrigValue() const { return FOrigValue; }
    void SetOrigValue(const String& Value) { FOrigValue = Value; }
    bool SequenceStart() const { return FSequenceStart; }
    void SetSequenceStart(bool Value) { FSequenceStart = Value; }
    bool SequenceStop() const { return FSequenceStop; }
    void SetSequenceStop(bool Value) { FSequenceStop = Value; }
    // The kind of a box step (ctCheckBox or ctTriStateCheckBox; ctEmpty for
    // a text step) and the box's states before and after.
    TCellType BoxKind() const { return FBoxKind; }
    void SetBoxKind(TCellType Value) { FBoxKind = Value; }
    TCheckBoxState OrigState() const { return FOrigState; }
    void SetOrigState(TCheckBoxState Value) { FOrigState = Value; }
    TCheckBoxState NewState() const { return FNewState; }
    void SetNewState(TCheckBoxState Value) { FNewState = Value; }

    void Assign(const TPersistent& Source) override;

private:
    int FRow = 0;
    int FCol = 0;
    String FValue;
    String FOrigValue;
    bool FSequenceStart = false;
    bool FSequenceStop = false;
    TCellType FBoxKind = TCellType::ctEmpty;
    TCheckBoxState FOrigState = cbUnchecked;
    TCheckBoxState FNewState = cbUnchecked;
};

class TUndoRedoCollection : public TCollection {
public:
    TUndoRedoCollection();
    TUndoRedoItem* Items(int Index) const { return static_cast<TUndoRedoItem*>(TCollection::Items(Index)); }
    TUndoRedoItem* Add() { return static_cast<TUndoRedoItem*>(TCollection::Add()); }
};

using TVynGridUndoRedoEvent = std::function<void(TObject* Sender, TBaseGrid* Grid, int Col, int Row,
                                                 const String& OrigValue, const String& NewValue)>;

class TVynGridUndoRedo : public TComponent {
public:
    explicit TVynGridUndoRedo(TComponent* AOwner);
    ~TVynGridUndoRedo() override;

    TUndoRedoCollection& Items() { return FItems; }
    TBaseGrid* Grid() const { return FGrid; }
    // Set by the grid's UndoRedo setter.
    void SetGrid(TBaseGrid* Value);
    // Steps 0 .. Level - 1 are done.
    int Level() const { return FLevel; }
    // At most this many items (0: no limit).
    int MaxLevel() const { return FMaxLevel; }
    void SetMaxLevel(int Value) { FMaxLevel = Value; }

    virtual void RegisterChange(int ACol, int ARow, const String& OldValue, const String& NewValue);
    // A click on a box of Kind (ctCheckBox or ctTriStateCheckBox) of a string
    // grid; OldValue and NewValue are the check texts of the two states.
    void RegisterCheckBoxChange(int ACol, int ARow, TCellType Kind, TCheckBoxState OldState,
                                TCheckBoxState NewState, const String& OldValue, const String& NewValue);
    virtual void StartSequence();
    virtual void StopSequence();
    void Undo();
    void Redo();
    // Frees every step; Level 0.
    void Reset();
    bool CanUndo() const { return FLevel > 0; }
    bool CanRedo() const { return FLevel < FItems.Count(); }

    TVynGridUndoRedoEvent OnUndo;
    TVynGridUndoRedoEvent OnRedo;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TUndoRedoItem* Append();
    void DropRedoTail();
    void TrimToMaxLevel();
    // One step, undone (Undo) or redone; skipped when its cell left the grid.
    void ApplyStep(const TUndoRedoItem& S, bool Undo);
    bool CellInGrid(int ACol, int ARow) const;

    TUndoRedoCollection FItems;
    TBaseGrid* FGrid = nullptr;
    int FLevel = 0;
    int FMaxLevel = 0;
};
