// TVynStringGrid: typed views of the cell texts (integers, floats, dates,
// times), the cells across hidden rows, sorting and column moves, the kind
// of a cell's graphic and the room it takes, the three-state check boxes
// and the display text's links and group counts.
#include <algorithm>
#include <cmath>

#include "grid/core/grid_format.h"
#include "grid/core/grid_text.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_data_holders.h"
#include "grid/render/grid_render_holders.h"
#include "grid/render/html/html_text.h"
#include "platform/gui/bitmap.h"
#include "platform/gui/canvas.h"

namespace {

const QString SNoInteger = QStringLiteral("Cell does not contain integer value");
const QString SNoFloat = QStringLiteral("Cell does not contain a float value");

int IntOfText(const String& Text)
{
    String t = Trim(Text);
    if (t.isEmpty() || t == u"-")
        return 0;
    int v = 0;
    if (!TryStrToInt(t, v))
        throw EVynGridError(SNoInteger);
    return v;
}

double FloatOfText(const String& Text)
{
    String t = CleanNumberText(Text);
    if (t.isEmpty() || t == u"-")
        return 0;
    double v = 0;
    if (!TryStrToFloat(t, v, u'.'))
        throw EVynGridError(SNoFloat);
    return v;
}

// The number of characters the format writes before and after its one
// conversion ("%%" writes one).
void FormatLiterals(const String& Fmt, int& Before, int& After)
{
    Before = After = 0;
    bool converted = false;
    for (int i = 0; i < Fmt.size(); ++i) {
        int& count = converted ? After : Before;
        if (Fmt[i] != u'%') {
            ++count;
            continue;
        }
        if (i + 1 < Fmt.size() && Fmt[i + 1] == u'%') {
            ++count;
            ++i;
            continue;
        }
        while (i + 1 < Fmt.size() && !QStringLiteral("duxXfe").contains(Fmt[i + 1]))
            ++i;
        ++i;
        converted = true;
    }
}

// Value in the format (a format the grid cannot apply: the value's
// shortest text), with the locale's decimal separator in the number only.
String FloatText(const String& Fmt, double Value)
{
    const QChar sep = GetGridDecimalSeparator();
    String r;
    if (!TryFormatNumber(Fmt, Value, r))
        return FloatToStr(Value, sep);
    if (sep != u'.') {
        int before = 0, after = 0;
        FormatLiterals(Fmt, before, after);
        for (int i = before; i < r.size() - after; ++i)
            if (r[i] == u'.')
                r[i] = sep;
    }
    return r;
}

TCellVAlign GraphicVAlign(TVAlignment A)
{
    switch (A) {
    case TVAlignment::vtaCenter: return TCellVAlign::vaCenter;
    case TVAlignment::vtaBottom: return TCellVAlign::vaBottom;
    default: return TCellVAlign::vaTop;
    }
}

// The link prefixes, in the order they are tried.
const char* const URLPrefixes[] = {"HTTP://", "WWW.", "MAILTO:", "HTTPS://", "NNTP://", "FILE://", "FTP://"};

}  // namespace

// ---- numbers, dates and times -----------------------------------------------------------------

int TVynStringGrid::Ints(int ACol, int ARow) { return IntOfText(StrippedCells(ACol, ARow)); }

void TVynStringGrid::SetInts(int ACol, int ARow, int Value)
{
    SetCellEx(ACol, ARow, String::number(Value));
    if (FNumHidden > 0)
        RepaintCell(DisplColIndex(ACol), ARow);
}

int TVynStringGrid::AllInts(int ACol, int ARow) { return IntOfText(GetCellsEx(ACol, ARow)); }
void TVynStringGrid::SetAllInts(int ACol, int ARow, int Value) { SetCellsEx(ACol, ARow, String::number(Value)); }

double TVynStringGrid::Floats(int ACol, int ARow) { return FloatOfText(StrippedCells(ACol, ARow)); }

void TVynStringGrid::SetFloats(int ACol, int ARow, double Value)
{
    String fmt = FFloatFormat;
    GetCellFloatFormat(ACol, ARow, fmt);
    SetCellEx(ACol, ARow, FloatText(fmt, Value));
}

double TVynStringGrid::AllFloats(int ACol, int ARow) { return FloatOfText(GetCellsEx(ACol, ARow)); }

void TVynStringGrid::SetAllFloats(int ACol, int ARow, double Value)
{
    SetCellsEx(ACol, ARow, FloatText(FFloatFormat, Value));
}

TDateTime TVynStringGrid::Dates(int ACol, int ARow) { return StrToDate(GetCellEx(ACol, ARow)); }

void TVynStringGrid::SetDates(int ACol, int ARow, TDateTime Value)
{
    SetCellEx(ACol, ARow, Value > 0 || FShowNullDates ? DateToStr(Value) : String());
}

TDateTime TVynStringGrid::Times(int ACol, int ARow) { return StrToTime(GetCellEx(ACol, ARow)); }
void TVynStringGrid::SetTimes(int ACol, int ARow, TDateTime Value) { SetCellEx(ACol, ARow, TimeToStr(Value)); }

// ---- cells across hidden rows -----------------------------------------------------------------

String TVynStringGrid::GetCellsEx(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return String();
    if (const TGridItemCells cells = GetHiddenRowCells(ARow)) {
        String t = ACol < cells->Count() ? cells->Strings(ACol) : String();
        GetDisplText(ACol, ARow, t);
        return t;
    }
    return GetCellEx(ACol, DisplRowIndex(ARow));
}

void TVynStringGrid::SetCellsEx(int ACol, int ARow, const String& Value) { SetAllRowsCell(ACol, ARow, Value, false); }

// A hidden row's saved cells grow to the column written (for the stored
// text too); a shown cell is written and repainted at its display column.
void TVynStringGrid::SetAllRowsCell(int ACol, int ARow, const String& Value, bool Stored)
{
    if (ACol < 0 || ARow < 0)
        throw Exception("Invalid cell");
    if (TGridItemCells cells = GetHiddenRowCells(ARow)) {
        while (cells->Count() <= ACol)
            cells->Add(String());
        cells->SetStrings(ACol, Value);
        return;
    }
    const int d = DisplRowIndex(ARow);
    if (Stored)
        SetGridCell(ACol, d, Value);
    else
        SetCellEx(ACol, d, Value);
    if (DisplColIndex(ACol) != ACol)
        RepaintCell(DisplColIndex(ACol), d);
}

String TVynStringGrid::GetGridCellsEx(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return String();
    if (const TGridItemCells cells = GetHiddenRowCells(ARow))
        return ACol < cells->Count() ? cells->Strings(ACol) : String();
    return GetGridCell(ACol, DisplRowIndex(ARow));
}

void TVynStringGrid::SetGridCellsEx(int ACol, int ARow, const String& Value) { SetAllRowsCell(ACol, ARow, Value, true); }

TObject* TVynStringGrid::GetObjectsEx(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return nullptr;
    if (const TGridItemCells cells = GetHiddenRowCells(ARow)) {
        TObject* o = ACol < cells->Count() ? cells->Objects(ACol) : nullptr;
        if (const auto* p = dynamic_cast<const TCellProperties*>(o))
            return p->CellObject();
        return o;
    }
    return GetObjectEx(ACol, DisplRowIndex(ARow));
}

void TVynStringGrid::SetObjectsEx(int ACol, int ARow, TObject* AObject)
{
    if (ACol < 0 || ARow < 0)
        throw Exception("Invalid cell");
    if (TGridItemCells cells = GetHiddenRowCells(ARow)) {
        while (cells->Count() <= ACol)
            cells->Add(String());
        // The user object lives in the saved cell's property object, as in
        // a shown cell; the row's item owns a property object made here.
        auto* p = dynamic_cast<TCellProperties*>(cells->Objects(ACol));
        if (!p) {
            p = new TCellProperties(this, ACol, ARow);
            cells->SetObjects(ACol, p);
        }
        p->SetCellObject(AObject);
        return;
    }
    SetObjectEx(ACol, DisplRowIndex(ARow), AObject);
}

// ---- cells across column moves and sorting ----------------------------------------------------

String TVynStringGrid::OriginalCells(int ACol, int ARow)
{
    const int p = ColumnPosition(ACol);
    return GetCellEx(p == -1 ? ACol : p, ARow);
}

void TVynStringGrid::SetOriginalCells(int ACol, int ARow, const String& Value)
{
    const int p = ColumnPosition(ACol);
    SetCellEx(p == -1 ? ACol : p, ARow, Value);
}

int TVynStringGrid::SortedRowIndex(int ARow)
{
    const int r = ARow >= 0 && ARow < FSortRowXRef->Count() ? FSortRowXRef->Items(ARow) : ARow;
    return RealRowIndex(r);
}

int TVynStringGrid::UnSortedRowIndex(int ARow)
{
    if (FSortRowXRef->Count() == 0)
        return ARow;
    const int i = FSortRowXRef->IndexOf(ARow);
    return i >= 0 ? i : FSortRowXRef->Count();
}

String TVynStringGrid::UnSortedCells(int ACol, int ARow)
{
    const int n = FSortRowXRef->Count();
    int r = ARow;
    if (ARow <= n) {
        const int i = FSortRowXRef->IndexOf(ARow);
        r = i >= 0 ? i : n;
    }
    return GetCellEx(ACol, r);
}

void TVynStringGrid::SetUnSortedCells(int ACol, int ARow, const String& Value)
{
    const int n = FSortRowXRef->Count();
    int r = ARow;
    if (ARow <= n) {
        const int i = FSortRowXRef->IndexOf(ARow);
        r = i >= 0 ? i : n;
    }
    SetCellEx(ACol, r, Value);
}

// ---- derived texts ----------------------------------------------------------------------------

String TVynStringGrid::StrippedCells(int ACol, int ARow) { return HTMLToPlainText(GetCellEx(ACol, ARow)); }

String TVynStringGrid::ControlValues(int ACol, int ARow, const String& ID)
{
    String v;
    return HTMLGetControlValue(GetCellEx(ACol, ARow), ID, v) ? v : String();
}

void TVynStringGrid::SetControlValues(int ACol, int ARow, const String& ID, const String& Value)
{
    String t = GetCellEx(ACol, ARow);
    if (HTMLSetControlValue(t, ID, Value))
        SetCellEx(ACol, ARow, t);
}

int TVynStringGrid::LinesInCell(int ACol, int ARow) { return CountLines(GetCellEx(ACol, ARow), true); }

bool TVynStringGrid::HasSortIndicator(int ACol, int ARow)
{
    const int r = FullCell(ACol, ARow).Bottom;
    return r == FSortSettings->Row() && FSortSettings->Show() && RowCount() > FixedRows() + 1;
}

// ---- the display text -------------------------------------------------------------------------

void TVynStringGrid::GetDisplText(int ACol, int ARow, String& Value)
{
    TBaseGrid::GetDisplText(ACol, ARow, Value);
    // 1. Only the first prefix found is linked.
    if (FURLShowInText)
        for (const char* prefix : URLPrefixes) {
            String linked;
            if (InsertURLAnchor(Value, QLatin1String(prefix), linked)) {
                Value = linked;
                break;
            }
        }
    // 2.
    if (FGrouping->ShowGroupCount() && ACol == 1 && IsNode(ARow)) {
        const int span = GetNodeSpan(ARow);
        int subNodes = 0;
        for (int r = ARow + 1; r < ARow + span && r < RowCount(); ++r)
            if (IsNode(r))
                ++subNodes;
        const int n = span - 1 - subNodes;
        String count;
        if (FGrouping->GroupCountFormat().isEmpty() || !TryFormatNumber(FGrouping->GroupCountFormat(), n, count))
            count = " (" + String::number(n) + ")";
        Value += count;
    }
}

// ---- cell graphics ----------------------------------------------------------------------------

TCellType TVynStringGrid::GetCellType(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return TCellType::ctEmpty;
    if (ACol == 0 && FMouseActions->HotmailRowSelect())
        return TCellType::ctRowCheckBox;
    const TCellGraphic* g = OwnCellGraphic(ACol, ARow);
    return g ? g->CellType() : TCellType::ctEmpty;
}

TCellGraphic* TVynStringGrid::GetCellGraphic(int ACol, int ARow)
{
    if (ACol != 0 || !FMouseActions->HotmailRowSelect())
        return OwnCellGraphic(ACol, ARow);
    TCellGraphic* g = FCellGraphic;
    g->SetCellType(TCellType::ctRowCheckBox);
    g->SetCellTransparent(FControlLook->ControlStyle() == VynObj::TControlStyle::csFlat);
    if (ARow == 0) {
        const int selected = RowSelectCount();
        const int rows = RowCount() - FixedRows();
        g->SetCellAngle(selected > 0 && selected < rows ? 1 : 0);
        g->SetCellBoolean(selected >= rows);
    } else {
        g->SetCellAngle(0);
        g->SetCellBoolean(GetRowSelect(RealRowIndex(ARow)));
    }
    return g;
}

TCellGraphic* TVynStringGrid::OwnCellGraphic(int ACol, int ARow) const
{
    return dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ACol, ARow));
}

TIntList* TVynStringGrid::CellImages(int ACol, int ARow)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    return g && g->CellType() == TCellType::ctImages ? dynamic_cast<TIntList*>(g->CellBitmap()) : nullptr;
}

intptr_t TVynStringGrid::GetCellImageRef(int ACol, int ARow)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return -1;
    switch (g->CellType()) {
    case TCellType::ctBitmap: return intptr_t(g->CellBitmap());
    case TCellType::ctIcon: return intptr_t(g->CellIcon());
    case TCellType::ctImageList: return g->CellIndex();
    default: return -1;
    }
}

namespace {

// The width and height packed into a button's CellIndex.
TPoint ButtonSize(const TCellGraphic& G)
{
    const auto v = uint32_t(G.CellIndex());
    return TPoint(int(v & 0xFFFFu), int(v >> 16));
}

}  // namespace

// The room shared by the layout and the print sizes: the check and radio
// kinds, the pie, ctImages and the radio group's width. False for the
// other kinds.
bool TVynStringGrid::CommonGraphicSize(const TCellGraphic& G, TPoint& Size)
{
    const TCellType t = G.CellType();
    if (IsCheckBoxKind(t)) {
        Size = TPoint(FControlLook->CheckSize(), FControlLook->CheckSize());
        return true;
    }
    switch (t) {
    case TCellType::ctRadioButton: Size = TPoint(FControlLook->RadioSize(), FControlLook->RadioSize()); return true;
    case TCellType::ctProgressPie: Size = TPoint(20, 20); return true;
    case TCellType::ctImages: {
        const auto* list = dynamic_cast<const TIntList*>(G.CellBitmap());
        TImageList* images = GetGridImages();
        if (!images || !list)
            Size = TPoint(0, 0);
        else if (G.CellBoolean())
            Size = TPoint(list->Count() * images->Width(), images->Height());
        else
            Size = TPoint(images->Width(), list->Count() * images->Height());
        return true;
    }
    case TCellType::ctRadio: {
        const auto* items = dynamic_cast<const TStringList*>(G.CellBitmap());
        const int n = items ? items->Count() : 0;
        TCanvas& cv = Canvas();
        int w = 0;
        if (G.CellBoolean()) {
            for (int i = 0; i < n; ++i)
                w += cv.TextWidth(items->Strings(i)) + 12;
        } else {
            w = 12;
            for (int i = 0; i < n; ++i)
                w = std::max(w, cv.TextWidth(items->Strings(i)) + 12);
        }
        Size = TPoint(w, cv.TextHeight("gh"));
        return true;
    }
    default: return false;
    }
}

TPoint TVynStringGrid::GetCellGraphicLayoutSize(int ACol, int ARow, int Extra)
{
    TPoint r(0, 0);
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return r;
    const String text = GetCellEx(ACol, ARow);
    const bool empty = text.isEmpty();
    const TCellHAlign ha = g->CellHAlign();
    const TCellVAlign va = g->CellVAlign();
    const bool beside = ha == TCellHAlign::haBeforeText || ha == TCellHAlign::haAfterText || empty;
    const bool over = va == TCellVAlign::vaUnderText || va == TCellVAlign::vaAboveText;
    const bool above = over || empty;
    const TPoint cell = CellSize(DisplColIndex(ACol), ARow);
    bool widthClaimed = false;
    switch (g->CellType()) {
    case TCellType::ctBitmap:
        if (const auto* b = dynamic_cast<const TGraphic*>(g->CellBitmap()))
            r = TPoint(beside ? b->Width() : 0, above ? b->Height() : 0);
        break;
    case TCellType::ctIcon:
        if (const TIcon* i = g->CellIcon())
            r = TPoint(beside ? i->Width() : 0, i->Height());
        break;
    case TCellType::ctImageList:
    case TCellType::ctDataImage:
        if (TImageList* images = GetGridImages())
            r = TPoint(beside ? images->Width() : 0, above ? images->Height() : 0);
        break;
    case TCellType::ctPicture:
    case TCellType::ctFilePicture:
        r = g->GetPictureSize(cell.X - 1 - FXYOffset.X, cell.Y - 1 - FXYOffset.Y - Extra, !empty);
        break;
    case TCellType::ctButton:
    case TCellType::ctBitButton: {
        r = ButtonSize(*g);
        if (!empty) {
            if (ha == TCellHAlign::haCenter)
                r.X = 0;
            else if (ha == TCellHAlign::haFull)
                r.X = Canvas().TextWidth(g->CellText()) + 4;
            if (!over)
                r.Y = 0;
            else
                r.X = 0;
        } else if (ha == TCellHAlign::haFull) {
            Canvas().Font().Assign(Font());
            r.X = Canvas().TextWidth(g->CellText()) + 4;
        }
        widthClaimed = empty && !g->CellText().isEmpty();
        break;
    }
    case TCellType::ctInterface:
        if (auto* sized = dynamic_cast<IGridCellSize*>(g->CellBitmap())) {
            r = TPoint(sized->CellWidth(), sized->CellHeight());
            if (r.X == 0 || r.Y == 0)
                r = cell;
        }
        break;
    case TCellType::ctRadio:
        CommonGraphicSize(*g, r);
        if (!g->CellBoolean()) {
            const auto* items = dynamic_cast<const TStringList*>(g->CellBitmap());
            r.Y = std::max(16, r.Y) * (items ? items->Count() : 0);
        }
        break;
    case TCellType::ctRating:
        r = TPoint(18 * g->CellAngle(), 16);
        widthClaimed = true;
        break;
    case TCellType::ctNode:
        break;
    default: CommonGraphicSize(*g, r); break;
    }
    const bool fullWidth = ha == TCellHAlign::haFull && !widthClaimed;
    if (va == TCellVAlign::vaFull)
        r.Y = cell.Y;
    if (fullWidth)
        r.X = cell.X;
    return r;
}

TPoint TVynStringGrid::GetCellGraphicPrintSize(int ACol, int ARow, int MaxWidth, int MaxHeight, double Scale)
{
    TPoint r(0, 0);
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return r;
    const bool empty = GetCellEx(ACol, ARow).isEmpty();
    const TCellHAlign ha = g->CellHAlign();
    const bool beside = ha == TCellHAlign::haBeforeText || ha == TCellHAlign::haAfterText || empty;
    switch (g->CellType()) {
    case TCellType::ctBitmap:
        if (const auto* b = dynamic_cast<const TGraphic*>(g->CellBitmap()))
            r = TPoint(b->Width(), b->Height());
        break;
    case TCellType::ctIcon:
        if (const TIcon* i = g->CellIcon())
            r = TPoint(i->Width(), i->Height());
        break;
    case TCellType::ctImageList:
        if (TImageList* images = GetGridImages())
            r = TPoint(beside ? images->Width() : 0, images->Height());
        break;
    case TCellType::ctDataImage:
        if (TImageList* images = GetGridImages())
            r = TPoint(images->Width(), images->Height());
        break;
    case TCellType::ctPicture:
    case TCellType::ctFilePicture: {
        const TPoint p = g->GetPictureSize(MaxWidth, MaxHeight, !empty);
        const double s = Scale > 0 ? Scale : 1;
        r = TPoint(int(std::lround(p.X / s)), int(std::lround(p.Y / s)));
        break;
    }
    case TCellType::ctButton:
    case TCellType::ctBitButton: r = ButtonSize(*g); break;
    case TCellType::ctInterface:
        if (auto* sized = dynamic_cast<IGridCellSize*>(g->CellBitmap())) {
            const TRect cr = CellRect(DisplColIndex(ACol), ARow);
            r = TPoint(sized->CellWidth(), sized->CellHeight());
            if (r.X == 0)
                r.X = cr.Right - cr.Left;
            if (r.Y == 0)
                r.Y = cr.Bottom - cr.Top;
        }
        break;
    case TCellType::ctNode: r = TPoint(20, 20); break;
    case TCellType::ctRadio:
        CommonGraphicSize(*g, r);
        if (!g->CellBoolean()) {
            const auto* items = dynamic_cast<const TStringList*>(g->CellBitmap());
            r.Y *= items ? items->Count() : 0;
        }
        break;
    case TCellType::ctProgress:
    case TCellType::ctXPProgress: {
        const int d = DisplColIndex(ACol);
        r = TPoint(d < ColCount() ? ColWidths(d) : 0, ARow < RowCount() ? RowHeights(ARow) : 0);
        break;
    }
    case TCellType::ctShape: {
        const int side = (ARow < RowCount() ? RowHeights(ARow) : 0) - 2 * FXYOffset.Y;
        r = TPoint(side, side);
        break;
    }
    default: CommonGraphicSize(*g, r); break;
    }
    return r;
}

// ---- three-state check boxes ------------------------------------------------------------------

void TVynStringGrid::AddCheckBox(int ACol, int ARow, TCheckBoxState State)
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() + NumHiddenColumns() || ARow >= RowCount() + NumHiddenRows())
        throw Exception("Invalid cell");
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetCheckBox(State, true, TCellHAlign::haBeforeText, GraphicVAlign(FVAlignment));
}

void TVynStringGrid::AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State)
{
    for (int r = FMouseActions->CheckAllCheck() ? 0 : FixedRows(); r < RowCount(); ++r)
        AddCheckBox(ACol, r, State);
}

bool TVynStringGrid::GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State)
{
    // The cell's own graphic, or with hidden rows the graphic the real
    // row's saved or shown cell holds; else the grid's shared graphics.
    TCellGraphic* g = nullptr;
    bool shared = false;
    if (NumHiddenRows() == 0) {
        g = GetCellGraphic(ACol, ARow);
    } else if (auto* p = dynamic_cast<TCellProperties*>(GetCellObjectByRealRow(ACol, ARow))) {
        g = dynamic_cast<TCellGraphic*>(p->GraphicObject());
    } else {
        g = GetCellGraphic(ACol, ARow);
        shared = true;
    }
    if (!g)
        return false;
    switch (g->CellType()) {
    case TCellType::ctCheckBox:
        if (shared)
            return false;
        State = BoolToCheckBoxState(g->CellBoolean());
        return true;
    case TCellType::ctDataCheckBox:
    case TCellType::ctVirtCheckBox: {
        const String t = NumHiddenRows() > 0 && !shared ? GetCellsEx(ACol, ARow) : GetCellEx(ACol, ARow);
        State = BoolToCheckBoxState(t == GetCheckTrue(ACol, ARow));
        return true;
    }
    case TCellType::ctTriStateCheckBox: State = g->CellCheckBoxState(); return true;
    case TCellType::ctRowCheckBox:
        if (ACol != 0)
            return false;
        State = BoolToCheckBoxState(shared ? g->CellBoolean() : GetRowSelect(ARow));
        return true;
    default: return false;
    }
}
