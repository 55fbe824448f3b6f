#include "grid/core/grid_undo.h"

#include "grid/core/base_grid.h"
#include "grid/core/vyn_string_grid.h"

// ---- TUndoRedoItem ------------------------------------------------------------------------------

void TUndoRedoItem::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TUndoRedoItem*>(&Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    FRow = s->FRow;
    FCol = s->FCol;
    FValue = s->FValue;
    FOrigValue = s->FOrigValue;
    FSequenceStart = s->FSequenceStart;
    FSequenceStop = s->FSequenceStop;
    FBoxKind = s->FBoxKind;
    FOrigState = s->FOrigState;
    FNewState = s->FNewState;
}

TUndoRedoCollection::TUndoRedoCollection()
    : TCollection([](TCollection* C) -> TCollectionItem* { return new TUndoRedoItem(C); })
{
}

// ---- TVynGridUndoRedo ---------------------------------------------------------------------------

TVynGridUndoRedo::TVynGridUndoRedo(TComponent* AOwner) : TComponent(AOwner) {}

TVynGridUndoRedo::~TVynGridUndoRedo()
{
    Destroying();
    if (FGrid && FGrid->UndoRedo() == this)
        FGrid->SetUndoRedo(nullptr);
    FGrid = nullptr;
}

void TVynGridUndoRedo::SetGrid(TBaseGrid* Value)
{
    if (Value == FGrid)
        return;
    if (FGrid)
        RemoveFreeNotification(FGrid);
    FGrid = Value;
    if (FGrid)
        FreeNotification(FGrid);
}

void TVynGridUndoRedo::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == TOperation::opRemove && AComponent && AComponent == FGrid)
        FGrid = nullptr;
    TComponent::Notification(AComponent, Operation);
}

void TVynGridUndoRedo::DropRedoTail()
{
    FItems.BeginUpdate();
    while (FItems.Count() > FLevel && FItems.Count() > 0)
        FItems.Delete(FItems.Count() - 1);
    FItems.EndUpdate();
    FLevel = std::min(FLevel, FItems.Count());
}

void TVynGridUndoRedo::TrimToMaxLevel()
{
    if (FMaxLevel <= 0)
        return;
    while (FItems.Count() > 0 && FItems.Count() >= FMaxLevel) {
        int last = 0;  // the oldest step: one change, or a whole sequence
        if (FItems.Items(0)->SequenceStart()) {
            last = -1;
            for (int i = 1; i < FItems.Count(); ++i)
                if (FItems.Items(i)->SequenceStop()) {
                    last = i;
                    break;
                }
            // A sequence still open is kept whole until it closes.
            if (last < 0)
                return;
        }
        FItems.BeginUpdate();
        for (int i = last; i >= 0; --i)
            FItems.Delete(i);
        FItems.EndUpdate();
        FLevel = std::max(0, FLevel - (last + 1));
    }
}

TUndoRedoItem* TVynGridUndoRedo::Append()
{
    TUndoRedoItem* item = FItems.Add();
    FLevel = FItems.Count();
    return item;
}

void TVynGridUndoRedo::RegisterChange(int ACol, int ARow, const String& OldValue, const String& NewValue)
{
    DropRedoTail();
    TrimToMaxLevel();
    TUndoRedoItem* item = Append();
    item->SetCol(ACol);
    item->SetRow(ARow);
    item->SetValue(NewValue);
    item->SetOrigValue(OldValue);
}

void TVynGridUndoRedo::RegisterCheckBoxChange(int ACol, int ARow, TCellType Kind, TCheckBoxState OldState,
                                              TCheckBoxState NewState, const String& OldValue,
                                              const String& NewValue)
{
    RegisterChange(ACol, ARow, OldValue, NewValue);
    // The step RegisterChange appended (a subclass may have appended none).
    if (FLevel == 0 || FItems.Count() != FLevel)
        return;
    TUndoRedoItem* item = FItems.Items(FLevel - 1);
    if (item->Col() != ACol || item->Row() != ARow || item->SequenceStart() || item->SequenceStop())
        return;
    item->SetBoxKind(Kind);
    item->SetOrigState(OldState);
    item->SetNewState(NewState);
}

void TVynGridUndoRedo::StartSequence()
{
    DropRedoTail();
    TUndoRedoItem* item = Append();
    item->SetCol(-1);
    item->SetRow(-1);
    item->SetSequenceStart(true);
}

void TVynGridUndoRedo::StopSequence()
{
    DropRedoTail();
    TUndoRedoItem* item = Append();
    item->SetCol(-1);
    item->SetRow(-1);
    item->SetSequenceStop(true);
}

void TVynGridUndoRedo::Reset()
{
    FItems.Clear();
    FLevel = 0;
}

bool TVynGridUndoRedo::CellInGrid(int ACol, int ARow) const
{
    return FGrid && ACol >= 0 && ARow >= 0 && ACol < FGrid->TotalColCount() && ARow < FGrid->RowCount();
}

void TVynGridUndoRedo::ApplyStep(const TUndoRedoItem& S, bool Undo)
{
    const int col = S.Col(), row = S.Row();
    if (!CellInGrid(col, row))
        return;
    const String value = Undo ? S.OrigValue() : S.Value();
    const TVynGridUndoRedoEvent& event = Undo ? OnUndo : OnRedo;
    if (event)
        event(this, FGrid, col, row, FGrid->GetCellEx(col, row), value);
    if (!FGrid)
        return;
    auto* boxGrid = dynamic_cast<TVynStringGrid*>(FGrid);
    const TCheckBoxState state = Undo ? S.OrigState() : S.NewState();
    if (boxGrid && S.BoxKind() == TCellType::ctTriStateCheckBox)
        boxGrid->SetCheckBoxState(col, row, state);
    else if (boxGrid && S.BoxKind() == TCellType::ctCheckBox)
        boxGrid->SetCheckBoxState(col, row, state == cbChecked);
    else
        FGrid->SetCellEx(col, row, value);
    // The current cell follows onto a cell that is shown.
    const int dc = FGrid->DisplColIndex(col);
    if (dc >= FGrid->FixedCols() && dc < FGrid->ColCount() && row >= FGrid->FixedRows() &&
        FGrid->ColWidths(dc) > 0 && FGrid->RowHeights(row) > 0)
        FGrid->FocusCell(dc, row, true);
}

void TVynGridUndoRedo::Undo()
{
    if (!FGrid || FLevel <= 0 || FItems.Count() < FLevel)
        return;
    const TUndoRedoItem* item = FItems.Items(FLevel - 1);
    if (item->SequenceStop()) {
        --FLevel;
        while (FLevel > 0 && !FItems.Items(FLevel - 1)->SequenceStart()) {
            ApplyStep(*FItems.Items(FLevel - 1), true);
            --FLevel;
        }
        if (FLevel > 0)
            --FLevel;
        if (FGrid)
            FGrid->Invalidate();
    } else {
        ApplyStep(*item, true);
        if (FGrid)
            FGrid->RepaintCell(FGrid->Col(), item->Row());
        --FLevel;
    }
}

void TVynGridUndoRedo::Redo()
{
    if (!FGrid || FLevel >= FItems.Count())
        return;
    ++FLevel;
    const TUndoRedoItem* item = FItems.Items(FLevel - 1);
    if (item->SequenceStart()) {
        ++FLevel;
        while (FLevel < FItems.Count() && !FItems.Items(FLevel - 1)->SequenceStop()) {
            ApplyStep(*FItems.Items(FLevel - 1), false);
            ++FLevel;
        }
        if (FGrid)
            FGrid->Invalidate();
    } else {
        ApplyStep(*item, false);
    }
}
