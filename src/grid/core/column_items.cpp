#include "grid/core/column_items.h"

#include <utility>

#include "grid/core/column_grid.h"
#include "platform/gui/menus.h"

// ---- TGridColumnItem ------------------------------------------------------------------------

TGridColumnItem::TGridColumnItem(TGridColumnCollection* Collection)
    : TCollectionItem(nullptr),
      FBorderPen(std::make_unique<TPen>()),
      FComboItems(std::make_unique<TStringList>()),
      FFilter(std::make_unique<TStringList>()),
      FFont(std::make_unique<TFont>()),
      FHeaderFont(std::make_unique<TFont>()),
      FPrintBorderPen(std::make_unique<TPen>()),
      FPrintFont(std::make_unique<TFont>()),
      FOwnerCollection(Collection)
{
    FBorderPen->SetColor(0xC0C0C0);
    FPrintBorders = {TCellBorder::cbTop, TCellBorder::cbLeft, TCellBorder::cbRight, TCellBorder::cbBottom};
    FPrintBorderPen->SetColor(0);
    FCheckTrue = QStringLiteral("Y");
    FCheckFalse = QStringLiteral("N");
    if (Collection) {
        if (TVynColumnGrid* g = Collection->Grid()) {
            FFont->Assign(g->Font());
            FPrintFont->Assign(g->Font());
            FHeaderFont->Assign(g->Font());
            FColor = g->Color();
        }
        const TNotifyEvent changed = [this](TObject*) { Update(); };
        FFont->OnChange = changed;
        FHeaderFont->OnChange = changed;
        FBorderPen->OnChange = changed;
        // The item is complete: only now does it join (the collection's
        // update looks at every item).
        SetCollection(Collection);
    }
}

TGridColumnItem::~TGridColumnItem()
{
    // Leave the collection while the item is still whole.
    SetCollection(nullptr);
}

TVynColumnGrid* TGridColumnItem::Grid() const
{
    auto* c = static_cast<TGridColumnCollection*>(Collection());
    return c ? c->Grid() : nullptr;
}

TVynColumnGrid& TGridColumnItem::CheckedGrid() const
{
    TVynColumnGrid* g = Grid();
    if (!g)
        throw Exception(QStringLiteral("The column belongs to no grid"));
    return *g;
}

void TGridColumnItem::Update()
{
    if (auto* c = static_cast<TGridColumnCollection*>(Collection()))
        c->Update(this);
}

void TGridColumnItem::RepaintGrid() const
{
    if (TVynColumnGrid* g = Grid())
        g->Invalidate();
}

void TGridColumnItem::CopyLook(const TGridColumnItem& S)
{
    FAlignment = S.FAlignment;
    FHeaderAlignment = S.FHeaderAlignment;
    FBorderPen->Assign(*S.FBorderPen);
    FBorders = S.FBorders;
    FCheckFalse = S.FCheckFalse;
    FCheckTrue = S.FCheckTrue;
    FEditLength = S.FEditLength;
    FEditLink = S.FEditLink;
    FEditMask = S.FEditMask;
    FEditor = S.FEditor;
    FFixed = S.FFixed;
    FPassword = S.FPassword;
    FPrintBorderPen->Assign(*S.FPrintBorderPen);
    FPrintBorders = S.FPrintBorders;
    FPrintColor = S.FPrintColor;
    FPrintFont->Assign(*S.FPrintFont);
    FReadOnly = S.FReadOnly;
    FSortPrefix = S.FSortPrefix;
    FSortStyle = S.FSortStyle;
    FSortSuffix = S.FSortSuffix;
    FSpinMax = S.FSpinMax;
    FSpinMin = S.FSpinMin;
    FSpinStep = S.FSpinStep;
    FColumnPopup = S.FColumnPopup;
    FWidth = S.Width();
    FShowBands = S.FShowBands;
    FMinSize = S.FMinSize;
    FMaxSize = S.FMaxSize;
    FAutoMinSize = S.FAutoMinSize;
    FAutoMaxSize = S.FAutoMaxSize;
    FFilter->Assign(*S.FFilter);
    FFilterCaseSensitive = S.FFilterCaseSensitive;
    FDefIdx = S.FDefIdx;
    FFloatFormat = S.FFloatFormat;
    // Three settings a copy would otherwise lose (a moved column kept the
    // popup kind and print switches of the column it replaced).
    FColumnPopupType = S.FColumnPopupType;
    FPrintBorderCustom = S.FPrintBorderCustom;
    FPrintFontCustom = S.FPrintFontCustom;
}

// The fonts' and pen's change events would update the collection in the
// middle of a copy: they are muted while it runs.
namespace {
struct MuteChanges {
    TNotifyEvent* Events[3];
    TNotifyEvent Saved[3];
    MuteChanges(TFont& F, TFont& H, TPen& P) : Events{&F.OnChange, &H.OnChange, &P.OnChange}
    {
        for (int i = 0; i < 3; ++i)
            Saved[i] = std::exchange(*Events[i], nullptr);
    }
    ~MuteChanges()
    {
        for (int i = 0; i < 3; ++i)
            *Events[i] = std::move(Saved[i]);
    }
};
}  // namespace

void TGridColumnItem::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TGridColumnItem*>(&Source);
    if (!s || s == this)
        return;
    MuteChanges mute(*FFont, *FHeaderFont, *FBorderPen);
    CopyLook(*s);
    FColor = s->FColor;
    FComboItems->Assign(*s->FComboItems);
    FDropDownCount = s->FDropDownCount;
    FFont->Assign(*s->FFont);
    FHeaderFont->Assign(*s->FHeaderFont);
    FHeader = s->FHeader;
    FName = s->FName;
    FTag = s->FTag;
}

void TGridColumnItem::AssignVisuals(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TGridColumnItem*>(&Source);
    if (!s || s == this)
        return;
    MuteChanges mute(*FFont, *FHeaderFont, *FBorderPen);
    CopyLook(*s);
    if (TVynColumnGrid* g = Grid() ? Grid() : (FOwnerCollection ? FOwnerCollection->Grid() : nullptr)) {
        FColor = g->Color();
        FFont->Assign(g->Font());
    }
}

String TGridColumnItem::GetDisplayName() const
{
    const String i = QString::number(Index());
    return FName.isEmpty() ? QStringLiteral("Column ") + i : QStringLiteral("Col ") + i + QStringLiteral(": ") + FName;
}

// ---- setters with effects

void TGridColumnItem::SetAlignment(TAlignment Value)
{
    FAlignment = Value;
    RepaintGrid();
}

void TGridColumnItem::SetBorders(TCellBorders Value)
{
    FBorders = Value;
    Update();
}

void TGridColumnItem::SetColor(TColor Value)
{
    FColor = Value;
    Update();
}

void TGridColumnItem::SetFixed(bool Value)
{
    FFixed = Value;
    Update();
}

void TGridColumnItem::SetPassword(bool Value)
{
    FPassword = Value;
    Update();
}

void TGridColumnItem::SetShowBands(bool Value)
{
    FShowBands = Value;
    Update();
}

void TGridColumnItem::SetColumnPopup(TPopupMenu* Value)
{
    FColumnPopup = Value;
    if (TVynColumnGrid* g = Grid(); g && Value)
        g->FreeNotification(Value);
}

void TGridColumnItem::SetEditor(TEditorType Value)
{
    if (Value == FEditor)
        return;
    const bool check = Value == TEditorType::edDataCheckBox || FEditor == TEditorType::edDataCheckBox;
    FEditor = Value;
    if (check)
        RepaintGrid();
}

void TGridColumnItem::SetFilter(const TStringList& Value)
{
    FFilter->Assign(Value);
    RepaintGrid();
}

void TGridColumnItem::SetFloatFormat(const String& Value)
{
    FFloatFormat = Value;
    RepaintGrid();
}

void TGridColumnItem::SetHeaderAlignment(TAlignment Value)
{
    FHeaderAlignment = Value;
    RepaintGrid();
}

void TGridColumnItem::SetFont(const TFont& Value)
{
    // The font's own change event updates the collection.
    FFont->Assign(Value);
    Update();
}

void TGridColumnItem::SetHeaderFont(const TFont& Value)
{
    FHeaderFont->Assign(Value);
    RepaintGrid();
}

void TGridColumnItem::SetHeader(const String& Value)
{
    FHeader = Value;
    TVynColumnGrid* g = Grid();
    if (!g)
        return;
    if (g->FixedRows() > 0 && !g->ColMoving()) {
        g->SetAllCells(Index(), 0, Value);
        Update();
    }
    g->RebuildColumnHeaders();
}

int TGridColumnItem::Width() const
{
    TVynColumnGrid* g = Grid();
    if (!g)
        return 0;
    const int i = Index();
    // A definition beyond the grid's columns (while a count sync runs) has
    // no width entry yet: its own field answers.
    if (i >= g->TotalColCount())
        return FWidth;
    return g->AllColWidths(i);
}

void TGridColumnItem::SetWidth(int Value)
{
    FWidth = Value;
    TVynColumnGrid* g = Grid();
    if (g && Index() < g->TotalColCount())
        g->SetAllColWidths(Index(), Value);
}

// ---- typed cell access

String TGridColumnItem::Rows(int ARow) const { return CheckedGrid().AllCells(Index(), ARow); }
void TGridColumnItem::SetRows(int ARow, const String& Value) { CheckedGrid().SetAllCells(Index(), ARow, Value); }
int TGridColumnItem::Ints(int ARow) const { return CheckedGrid().AllInts(Index(), ARow); }
void TGridColumnItem::SetInts(int ARow, int Value) { CheckedGrid().SetAllInts(Index(), ARow, Value); }
double TGridColumnItem::Floats(int ARow) const { return CheckedGrid().AllFloats(Index(), ARow); }
void TGridColumnItem::SetFloats(int ARow, double Value) { CheckedGrid().SetAllFloats(Index(), ARow, Value); }
TDateTime TGridColumnItem::Dates(int ARow) const
{
    TVynColumnGrid& g = CheckedGrid();
    return g.Dates(g.DisplColIndex(Index()), ARow);
}
void TGridColumnItem::SetDates(int ARow, TDateTime Value)
{
    TVynColumnGrid& g = CheckedGrid();
    g.SetDates(g.DisplColIndex(Index()), ARow, Value);
}
TDateTime TGridColumnItem::Times(int ARow) const
{
    TVynColumnGrid& g = CheckedGrid();
    return g.Times(g.DisplColIndex(Index()), ARow);
}
void TGridColumnItem::SetTimes(int ARow, TDateTime Value)
{
    TVynColumnGrid& g = CheckedGrid();
    g.SetTimes(g.DisplColIndex(Index()), ARow, Value);
}

// ---- TGridColumnCollection ------------------------------------------------------------------

TGridColumnCollection::TGridColumnCollection(TVynColumnGrid* AOwner)
    : TCollection([](TCollection* C) { return new TGridColumnItem(static_cast<TGridColumnCollection*>(C)); },
                  AOwner),
      FGrid(AOwner)
{
}

TGridColumnItem* TGridColumnCollection::Add()
{
    auto* item = static_cast<TGridColumnItem*>(TCollection::Add());
    if (Count() > 1)
        item->AssignVisuals(*Items(Count() - 2));
    return item;
}

TGridColumnItem* TGridColumnCollection::Insert(int Index)
{
    // The platform's Insert makes a fresh item (not this class's Add).
    return static_cast<TGridColumnItem*>(TCollection::Insert(Index));
}

void TGridColumnCollection::Update(TCollectionItem* Item)
{
    TCollection::Update(Item);
    if (UpdateCount() > 0 || FNoRecursiveUpdate || !FGrid ||
        FGrid->ComponentState().Contains(TComponentStateItem::csLoading) ||
        FGrid->ComponentState().Contains(TComponentStateItem::csDestroying))
        return;
    const int n = Count() - FGrid->NumHiddenColumns();
    if (n != FGrid->ColCount() && n > FGrid->FixedCols())
        FGrid->SetColCount(n);
    FGrid->RebuildColumnHeaders();
    FGrid->Invalidate();
}

void TGridColumnCollection::SetOrganization()
{
    if (FGrid) {
        const bool was = FNoRecursiveUpdate;
        FNoRecursiveUpdate = true;
        FGrid->SyncColumnCount();
        FNoRecursiveUpdate = was;
    }
    for (int i = 0; i < Count(); ++i)
        Items(i)->SetDefIdx(i);
}

void TGridColumnCollection::ResetOrganization()
{
    if (!FGrid)
        return;
    // Each pass moves a column to its place; a DefIdx outside the columns
    // or naming a place twice could never settle, so the passes are bounded
    // by the number of columns.
    for (int pass = 0; pass <= Count(); ++pass) {
        bool moved = false;
        for (int i = 0; i < Count(); ++i) {
            const int d = Items(i)->DefIdx();
            if (d < i && d >= 0) {
                FGrid->MoveColumn(FGrid->DisplColIndex(i), FGrid->DisplColIndex(d));
                moved = true;
            }
        }
        if (!moved)
            break;
    }
}

// ---- TVynColumnGridIO -----------------------------------------------------------------------

TVynColumnGridIO::TVynColumnGridIO(TComponent* AOwner) : TComponent(AOwner)
{
    auto* g = dynamic_cast<TVynColumnGrid*>(AOwner);
    if (!g)
        throw EInvalidCast(QStringLiteral("Invalid class typecast"));
    FItems = std::make_unique<TGridColumnCollection>(g);
    // The holder's definitions never change the grid's column count.
    FItems->SetNoRecursiveUpdate(true);
}

TVynColumnGridIO::~TVynColumnGridIO() = default;
