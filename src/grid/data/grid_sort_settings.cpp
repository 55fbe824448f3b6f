// TSortSettings: the grid's sort settings and their string form.
#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_data_holders.h"
#include "platform/gui/bitmap.h"

TSortSettings::TSortSettings(TVynStringGrid* AGrid)
    : FGrid(AGrid), FUpGlyph(new TBitmap()), FDownGlyph(new TBitmap()), FIndexUpGlyph(new TBitmap()),
      FIndexDownGlyph(new TBitmap())
{
}

TSortSettings::~TSortSettings()
{
    delete FUpGlyph;
    delete FDownGlyph;
    delete FIndexUpGlyph;
    delete FIndexDownGlyph;
}

void TSortSettings::SetShow(bool Value)
{
    FShow = Value;
    if (FGrid)
        FGrid->Invalidate();
}

void TSortSettings::SetUpGlyph(const TBitmap& Value) { FUpGlyph->Assign(Value); }
void TSortSettings::SetDownGlyph(const TBitmap& Value) { FDownGlyph->Assign(Value); }
void TSortSettings::SetIndexUpGlyph(const TBitmap& Value) { FIndexUpGlyph->Assign(Value); }
void TSortSettings::SetIndexDownGlyph(const TBitmap& Value) { FIndexDownGlyph->Assign(Value); }

void TSortSettings::SetRow(int Value)
{
    if (Value != 0 && (Value < 0 || !FGrid || Value >= FGrid->FixedRows()))
        throw Exception("Sort row should be smaller than number of fixed rows");
    FRow = Value;
}

void TSortSettings::RepaintHeader()
{
    if (FGrid && FGrid->FixedRows() > 0)
        FGrid->RepaintRow(FGrid->FixedRows() - 1);
}

#define VYN_HEADER_SETTER(N)                \
    void TSortSettings::Set##N(TColor Value) \
    {                                        \
        if (F##N == Value)                   \
            return;                          \
        F##N = Value;                        \
        RepaintHeader();                     \
    }
VYN_HEADER_SETTER(HeaderColor)
VYN_HEADER_SETTER(HeaderColorTo)
VYN_HEADER_SETTER(HeaderMirrorColor)
VYN_HEADER_SETTER(HeaderMirrorColorTo)
#undef VYN_HEADER_SETTER

String TSortSettings::SaveToString() const
{
    if (FIndexShow)
        return QStringLiteral("i;") + (FGrid ? FGrid->SortIndexes()->SaveToString() : String());
    return (FDirection == TSortDirection::sdAscending ? QStringLiteral("u") : QStringLiteral("d")) +
           QString::number(FColumn);
}

void TSortSettings::LoadFromString(const String& Value)
{
    if (Value.isEmpty())
        return;
    SetShow(true);
    if (Value.size() < 2)
        throw Exception("Invalid sort settings specifier");
    if (Value.contains(QStringLiteral("i;"))) {
        FIndexShow = true;
        const String rest = Value.mid(2);
        if (!rest.isEmpty() && FGrid) {
            FGrid->SortIndexes()->LoadFromString(rest);
            FGrid->QSortIndexed();
        }
        return;
    }
    FIndexShow = false;
    FDirection = Value.contains(u'u') ? TSortDirection::sdAscending : TSortDirection::sdDescending;
    bool ok = false;
    const int column = Value.mid(1).toInt(&ok);
    if (ok) {
        FColumn = column;
        if (FGrid)
            FGrid->QSort();
    }
}

void TSortSettings::Remove()
{
    FColumn = -1;
    if (FGrid)
        FGrid->SortIndexes()->Clear();
    RepaintHeader();
}

void TSortSettings::ToggleDirection()
{
    FDirection =
        FDirection == TSortDirection::sdAscending ? TSortDirection::sdDescending : TSortDirection::sdAscending;
}

void TSortSettings::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TSortSettings*>(&Source);
    if (!s)
        return;
    FShow = s->FShow;
    FIndexShow = s->FIndexShow;
    FFull = s->FFull;
    FSingleColumn = s->FSingleColumn;
    FIgnoreBlanks = s->FIgnoreBlanks;
    FBlankPos = s->FBlankPos;
    FAutoFormat = s->FAutoFormat;
    FDirection = s->FDirection;
    FUpGlyph->Assign(*s->FUpGlyph);
    FDownGlyph->Assign(*s->FDownGlyph);
    FIndexUpGlyph->Assign(*s->FIndexUpGlyph);
    FIndexDownGlyph->Assign(*s->FIndexDownGlyph);
    FNormalCellsOnly = s->FNormalCellsOnly;
    FFixedCols = s->FFixedCols;
    FColumn = s->FColumn;
    FRow = s->FRow;
    FAutoColumnMerge = s->FAutoColumnMerge;
    FIndexColor = s->FIndexColor;
    FInitSortDirection = s->FInitSortDirection;
    FUndoSort = s->FUndoSort;
    FAutoSortForGrouping = s->FAutoSortForGrouping;
    FIndexSortKey = s->FIndexSortKey;
    FHeaderColor = s->FHeaderColor;
    FHeaderColorTo = s->FHeaderColorTo;
    FHeaderMirrorColor = s->FHeaderMirrorColor;
    FHeaderMirrorColorTo = s->FHeaderMirrorColorTo;
}

// Painting's question: the plain sort runs descending.
bool TVynStringGrid::SortDescending() { return FSortSettings->Direction() == TSortDirection::sdDescending; }
