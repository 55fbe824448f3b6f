// TVynStringGrid: the graphics a cell can hold besides check boxes and
// radios (pictures, icons, image indexes, progress bars, shapes, ratings,
// comments, markers, balloons, scroll bars, buttons) and the questions that
// painting and input ask about them.
//
// Every family follows one pattern: AddX makes the cell's graphic of the
// family's kind (replacing what the cell held) around the caller's object
// or values; CreateX makes the object too, owned by the graphic; RemoveX
// removes only a graphic of its own kind; GetX answers the cell's own
// graphic, HasX the base cell's.
#include "grid/core/grid_lists.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/interact/grid_interact_holders.h"
#include "grid/render/grid_render_holders.h"
#include "platform/gui/bitmap.h"

namespace {

const QString SInvalidCell = QStringLiteral("Invalid cell");

}  // namespace

// ---- the pattern ----------------------------------------------------------------------------

TCellGraphic* TVynStringGrid::GraphicIn(int ACol, int ARow, TCellTypes Kinds)
{
    if (ACol < 0 || ARow < 0)
        return nullptr;
    const TPoint b = BaseCell(ACol, ARow);
    TCellGraphic* g = GetCellGraphic(b.X, b.Y);
    return g && Kinds.Contains(g->CellType()) ? g : nullptr;
}

bool TVynStringGrid::HasCellTypeIn(int ACol, int ARow, TCellTypes Kinds) { return GraphicIn(ACol, ARow, Kinds); }

TCellGraphic* TVynStringGrid::NewCellGraphic(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0 || ACol >= TotalColCount() || ARow >= RowCount())
        throw Exception(SInvalidCell);
    return CreateCellGraphic(ACol, ARow);
}

// The cell's own graphic when it is of Kind.
static TCellGraphic* GraphicOfKind(TVynStringGrid& G, int ACol, int ARow, TCellType Kind)
{
    TCellGraphic* g = G.GetCellGraphic(ACol, ARow);
    return g && g->CellType() == Kind ? g : nullptr;
}


// ---- pictures -------------------------------------------------------------------------------

void TVynStringGrid::AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal,
                               TCellVAlign val)
{
    NewCellGraphic(ACol, ARow)->SetBitmap(ABmp, Transparent, hal, val);
}

TBitmap* TVynStringGrid::CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = NewCellGraphic(ACol, ARow);
    auto* bmp = new TBitmap();
    g->SetBitmap(bmp, Transparent, hal, val);
    g->SetCellCreated(true);
    return bmp;
}

void TVynStringGrid::RemoveBitmap(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, TCellType::ctBitmap); }

TBitmap* TVynStringGrid::GetBitmap(int ACol, int ARow)
{
    const TCellGraphic* g = GraphicOfKind(*this, ACol, ARow, TCellType::ctBitmap);
    return g ? dynamic_cast<TBitmap*>(g->CellBitmap()) : nullptr;
}

bool TVynStringGrid::HasBitmap(int ACol, int ARow) { return GetBitmap(ACol, ARow) != nullptr; }

void TVynStringGrid::AddPicture(int ACol, int ARow, TPicture* APicture, bool Transparent, TStretchMode StretchMode,
                                int Padding, TCellHAlign hal, TCellVAlign val)
{
    NewCellGraphic(ACol, ARow)->SetPicture(APicture, Transparent, StretchMode, Padding, hal, val);
}

TPicture* TVynStringGrid::CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                        TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = NewCellGraphic(ACol, ARow);
    auto* pic = new TPicture();
    g->SetPicture(pic, Transparent, StretchMode, Padding, hal, val);
    g->SetCellCreated(true);
    return pic;
}

void TVynStringGrid::RemovePicture(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, TCellType::ctPicture);
}

TPicture* TVynStringGrid::GetPicture(int ACol, int ARow)
{
    const TCellGraphic* g = GraphicOfKind(*this, ACol, ARow, TCellType::ctPicture);
    return g ? dynamic_cast<TPicture*>(g->CellBitmap()) : nullptr;
}

bool TVynStringGrid::HasPicture(int ACol, int ARow) { return GetPicture(ACol, ARow) != nullptr; }

void TVynStringGrid::AddFilePicture(int ACol, int ARow, TFilePicture* AFilePicture, bool Transparent,
                                    TStretchMode StretchMode, int Padding, TCellHAlign hal, TCellVAlign val)
{
    NewCellGraphic(ACol, ARow)->SetFilePicture(AFilePicture, Transparent, StretchMode, Padding, hal, val);
}

TFilePicture* TVynStringGrid::CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode,
                                                int Padding, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = NewCellGraphic(ACol, ARow);
    auto* pic = new TFilePicture();
    g->SetFilePicture(pic, Transparent, StretchMode, Padding, hal, val);
    g->SetCellCreated(true);
    return pic;
}

void TVynStringGrid::RemoveFilePicture(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, TCellType::ctFilePicture);
}

TFilePicture* TVynStringGrid::GetFilePicture(int ACol, int ARow)
{
    const TCellGraphic* g = GraphicOfKind(*this, ACol, ARow, TCellType::ctFilePicture);
    return g ? dynamic_cast<TFilePicture*>(g->CellBitmap()) : nullptr;
}

void TVynStringGrid::AddIcon(int ACol, int ARow, TIcon* AIcon, TCellHAlign hal, TCellVAlign val)
{
    NewCellGraphic(ACol, ARow)->SetIcon(AIcon, hal, val);
}

TIcon* TVynStringGrid::CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = NewCellGraphic(ACol, ARow);
    auto* icon = new TIcon();
    g->SetIcon(icon, hal, val);
    g->SetCellCreated(true);
    return icon;
}

void TVynStringGrid::RemoveIcon(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, TCellType::ctIcon); }

void TVynStringGrid::AddInterfacedCell(int ACol, int ARow, TPersistent* AObject)
{
    NewCellGraphic(ACol, ARow)->SetInterfacedCell(AObject);
}

void TVynStringGrid::RemoveInterfacedCell(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, TCellType::ctInterface);
}

TPersistent* TVynStringGrid::GetInterfacedCell(int ACol, int ARow)
{
    const TCellGraphic* g = GraphicOfKind(*this, ACol, ARow, TCellType::ctInterface);
    return g ? dynamic_cast<TPersistent*>(g->CellBitmap()) : nullptr;
}

// ---- images of the grid's image list ------------------------------------------------------------

void TVynStringGrid::AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val)
{
    if (FGridImages)
        NewCellGraphic(ACol, ARow)->SetImageIdx(Aidx, hal, val);
}

void TVynStringGrid::RemoveImageIdx(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, TCellType::ctImageList);
}

bool TVynStringGrid::GetImageIdx(int ACol, int ARow, int& Idx)
{
    const TCellGraphic* g = GraphicOfKind(*this, ACol, ARow, TCellType::ctImageList);
    if (!FGridImages || !g)
        return false;
    Idx = g->CellIndex();
    return true;
}

void TVynStringGrid::SetImageIdx(int ACol, int ARow, int Idx)
{
    if (TCellGraphic* g = GraphicOfKind(*this, ACol, ARow, TCellType::ctImageList); g && FGridImages)
        g->SetCellIndex(Idx);
}

void TVynStringGrid::AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val)
{
    if (!FGridImages)
        return;
    NewCellGraphic(ACol, ARow)->SetDataImage(Aidx, hal, val);
    if (GetCellEx(ACol, ARow).isEmpty())
        SetCellEx(ACol, ARow, String::number(Aidx));
}

void TVynStringGrid::RemoveDataImage(int ACol, int ARow)
{
    // The text selected the image: it goes with it, and only with it.
    if (RemoveCellGraphicOfType(ACol, ARow, TCellType::ctDataImage))
        SetCellEx(ACol, ARow, String());
}

bool TVynStringGrid::HasDataImage(int ACol, int ARow)
{
    return HasCellTypeIn(ACol, ARow, {TCellType::ctDataImage});
}

void TVynStringGrid::AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val)
{
    if (!FGridImages)
        return;
    NewCellGraphic(ACol, ARow)->SetMultiImage(ACol, ARow, Dir, hal, val, [this](TObject*, int C, int R) {
        RepaintCell(DisplColIndex(C), R);
    });
}

void TVynStringGrid::RemoveMultiImage(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, TCellType::ctImages);
}

// ---- progress bars, pie, range --------------------------------------------------------------

void TVynStringGrid::AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor)
{
    AddProgressFormatted(ACol, ARow, FGColor, clNone, BKColor, clNone, String(), 0, 100);
    GetCellGraphic(ACol, ARow)->SetCellBoolean(false);
}

void TVynStringGrid::AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                   TColor BKTextColor)
{
    AddProgressFormatted(ACol, ARow, FGColor, FGTextColor, BKColor, BKTextColor, String(), 0, 100);
}

void TVynStringGrid::AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                          TColor BKTextColor, const String& Fmt, int Min, int Max)
{
    TCellGraphic* g = NewCellGraphic(ACol, ARow);
    g->SetCellType(TCellType::ctProgress);
    g->SetCellHAlign(TCellHAlign::haLeft);
    g->SetCellVAlign(TCellVAlign::vaTop);
    g->SetCellBitmapColor(FGColor);
    g->SetCellIconColor(BKColor);
    g->SetCellIndex(int(FGTextColor));
    g->SetCellAngle(int(BKTextColor));
    g->SetCellBoolean(true);
    g->SetCellErrFrom(Min);
    g->SetCellErrLen(Max);
    g->SetCellText(Fmt);
    if (FAutoNumAlign)
        GetCellProperties(ACol, ARow)->SetAlignment(taRightJustify);
}

void TVynStringGrid::RemoveProgress(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, TCellType::ctProgress);
}

bool TVynStringGrid::HasProgress(int ACol, int ARow) { return HasCellTypeIn(ACol, ARow, {TCellType::ctProgress}); }

void TVynStringGrid::AddVynProgress(int ACol, int ARow, int Min, int Max)
{
    TCellGraphic* g = NewCellGraphic(ACol, ARow);
    g->SetCellType(TCellType::ctXPProgress);
    g->SetCellHAlign(TCellHAlign::haLeft);
    g->SetCellVAlign(TCellVAlign::vaTop);
    g->SetCellBoolean(false);
    g->SetCellErrFrom(Min);
    g->SetCellErrLen(Max);
    g->SetCellText(String());
}

void TVynStringGrid::RemoveVynProgress(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, TCellType::ctXPProgress);
}

void TVynStringGrid::AddProgressPie(int ACol, int ARow, TColor Color, int Value)
{
    TCellGraphic* g = NewCellGraphic(ACol, ARow);
    g->SetCellType(TCellType::ctProgressPie);
    g->SetCellHAlign(TCellHAlign::haBeforeText);
    g->SetCellVAlign(TCellVAlign::vaTop);
    g->SetCellBitmapColor(Color);
    g->SetCellAngle(Value);
}

void TVynStringGrid::SetProgressPie(int ACol, int ARow, int Value)
{
    if (TCellGraphic* g = GraphicOfKind(*this, ACol, ARow, TCellType::ctProgressPie)) {
        g->SetCellAngle(Value);
        RepaintCell(DisplColIndex(ACol), ARow);
    }
}

void TVynStringGrid::RemoveProgressPie(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, TCellType::ctProgressPie);
}

void TVynStringGrid::AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor,
                                       bool ShowValue)
{
    TCellGraphic* g = NewCellGraphic(ACol, ARow);
    g->SetCellType(TCellType::ctRangeIndicator);
    g->SetCellHAlign(TCellHAlign::haLeft);
    g->SetCellVAlign(TCellVAlign::vaTop);
    g->SetCellBitmapColor(NegColor);
    g->SetCellIconColor(PosColor);
    g->SetCellIndex(Range);
    g->SetCellBoolean(ShowValue);
}

void TVynStringGrid::RemoveRangeIndicator(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, TCellType::ctRangeIndicator);
}

// ---- shapes, ratings ------------------------------------------------------------------------

void TVynStringGrid::AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor,
                              TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = NewCellGraphic(ACol, ARow);
    g->SetCellType(TCellType::ctShape);
    g->SetCellHAlign(hal);
    g->SetCellVAlign(val);
    g->SetCellBitmapColor(LineColor);
    g->SetCellIndex(int(FillColor));
    g->SetCellAngle(static_cast<int>(Shape));
}

void TVynStringGrid::RemoveShape(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, TCellType::ctShape); }

void TVynStringGrid::SetShapeColor(int ACol, int ARow, TColor FillColor)
{
    if (TCellGraphic* g = GraphicOfKind(*this, ACol, ARow, TCellType::ctShape))
        g->SetCellIndex(int(FillColor));
}

TColor TVynStringGrid::GetShapeColor(int ACol, int ARow)
{
    const TCellGraphic* g = GraphicOfKind(*this, ACol, ARow, TCellType::ctShape);
    return g ? TColor(g->CellIndex()) : clNone;
}

void TVynStringGrid::AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor)
{
    TCellGraphic* g = NewCellGraphic(ACol, ARow);
    g->SetCellType(TCellType::ctRating);
    g->SetCellHAlign(TCellHAlign::haFull);
    g->SetCellBitmapColor(EmptyColor);
    g->SetCellIndex(int(FillColor));
    g->SetCellAngle(Scale);
}

void TVynStringGrid::RemoveRating(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, TCellType::ctRating); }

bool TVynStringGrid::HasRating(int ACol, int ARow) { return HasCellTypeIn(ACol, ARow, {TCellType::ctRating}); }

// ---- comments, markers, balloons ------------------------------------------------------------

void TVynStringGrid::AddComment(int ACol, int ARow, const String& Comment)
{
    AddColorComment(ACol, ARow, Comment, FControlLook->CommentColor());
}

void TVynStringGrid::AddColorComment(int ACol, int ARow, const String& Comment, TColor Color)
{
    TCellGraphic* g = NewCellGraphic(ACol, ARow);
    g->SetCellType(TCellType::ctComment);
    g->SetCellHAlign(TCellHAlign::haLeft);
    g->SetCellVAlign(TCellVAlign::vaTop);
    g->SetCellIndex(int(Color));
    g->SetCellText(Comment);
}

bool TVynStringGrid::IsComment(int ACol, int ARow, String& Comment)
{
    const TCellGraphic* g = GraphicOfKind(*this, ACol, ARow, TCellType::ctComment);
    if (g)
        Comment = g->CellText();
    return g != nullptr;
}

String TVynStringGrid::GetComment(int ACol, int ARow)
{
    String comment;
    IsComment(ACol, ARow, comment);
    return comment;
}

void TVynStringGrid::SetComment(int ACol, int ARow, const String& Value)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        AddComment(ACol, ARow, Value);
    else if (g->CellType() == TCellType::ctComment)
        g->SetCellText(Value);
}

void TVynStringGrid::RemoveComment(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, TCellType::ctComment);
}

void TVynStringGrid::RemoveAllComments()
{
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < TotalColCount(); ++c)
            RemoveComment(c, r);
}

void TVynStringGrid::AddMarker(int ACol, int ARow, int ErrPos, int ErrLen)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g) {
        g = NewCellGraphic(ACol, ARow);
        g->SetCellType(TCellType::ctEmpty);
    }
    g->SetCellErrFrom(ErrPos);
    g->SetCellErrLen(ErrLen);
    InvalidateCell(DisplColIndex(ACol), ARow);
}

void TVynStringGrid::RemoveMarker(int ACol, int ARow)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return;
    if (g->CellType() == TCellType::ctEmpty) {
        RemoveCellGraphic(ACol, ARow);
        return;
    }
    // On a progress bar these are its minimum and maximum.
    g->SetCellErrFrom(0);
    g->SetCellErrLen(0);
}

void TVynStringGrid::RemoveAllMarkers()
{
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < TotalColCount(); ++c)
            RemoveMarker(c, r);
}

void TVynStringGrid::GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    ErrPos = g ? g->CellErrFrom() : 0;
    ErrLen = g ? g->CellErrLen() : 0;
}

namespace {

// The kinds a balloon attaches to (and whose graphic then frees its texts).
bool TakesBalloon(TCellType Kind)
{
    return Kind == TCellType::ctCheckBox || Kind == TCellType::ctDataCheckBox || Kind == TCellType::ctRadioButton;
}

}  // namespace

void TVynStringGrid::AddBalloon(int ACol, int ARow, const String& Title, const String& Text, TBalloonIcon Icon)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g && !TakesBalloon(g->CellType()))
        return;
    if (!g) {
        g = NewCellGraphic(ACol, ARow);
        g->SetCellType(TCellType::ctBalloon);
        g->SetCellAngle(0);
    } else if (g->CellAngle() == 1) {
        delete g->CellBitmap();
    } else {
        g->SetCellAngle(1);
    }
    auto* texts = new TStringList();
    texts->Add(Title);
    texts->Add(Text);
    g->SetCellBitmap(texts);
    g->SetCellIndex(static_cast<int>(Icon));
}

void TVynStringGrid::RemoveBalloon(int ACol, int ARow)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return;
    if (TakesBalloon(g->CellType())) {
        if (g->CellAngle() == 1) {
            delete g->CellBitmap();
            g->SetCellBitmap(nullptr);
            g->SetCellAngle(0);
        }
    } else {
        RemoveCellGraphicOfType(ACol, ARow, TCellType::ctBalloon);
    }
}

bool TVynStringGrid::HasBalloon(int ACol, int ARow) { return HasCellTypeIn(ACol, ARow, {TCellType::ctBalloon}); }

bool TVynStringGrid::IsBalloon(int ACol, int ARow, String& Title, String& Text, TBalloonIcon& Icon)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || !(g->CellType() == TCellType::ctBalloon || (TakesBalloon(g->CellType()) && g->CellAngle() == 1)))
        return false;
    const auto* texts = dynamic_cast<const TStringList*>(g->CellBitmap());
    Title = texts && texts->Count() > 0 ? texts->Strings(0) : String();
    Text = texts && texts->Count() > 1 ? texts->Strings(1) : String();
    Icon = static_cast<TBalloonIcon>(g->CellIndex());
    return true;
}

// ---- a cell's own scroll bar ----------------------------------------------------------------

void TVynStringGrid::AddScrollBar(int ACol, int ARow, bool AutoRange)
{
    TCellGraphic* g = NewCellGraphic(ACol, ARow);
    g->SetCellType(TCellType::ctScrollbar);
    g->SetCellAngle(0);
    g->SetCellErrFrom(100);
    g->SetCellBoolean(AutoRange);
    if (AutoRange)
        CellTextChanged(ACol, ARow);
}

void TVynStringGrid::RemoveScrollBar(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, TCellType::ctScrollbar);
}

bool TVynStringGrid::HasScrollBar(int ACol, int ARow)
{
    return HasCellTypeIn(ACol, ARow, {TCellType::ctScrollbar});
}

bool TVynStringGrid::HasAutoRangeScrollBar(int ACol, int ARow)
{
    const TCellGraphic* g = GraphicIn(ACol, ARow, {TCellType::ctScrollbar});
    return g && g->CellBoolean();
}

int TVynStringGrid::GetScrollPosition(int ACol, int ARow)
{
    const TCellGraphic* g = GraphicIn(ACol, ARow, {TCellType::ctScrollbar});
    return g ? g->CellIndex() : -1;
}

void TVynStringGrid::SetScrollPosition(int ACol, int ARow, int Pos)
{
    if (TCellGraphic* g = GraphicIn(ACol, ARow, {TCellType::ctScrollbar})) {
        g->SetCellIndex(Pos);
        const TPoint b = BaseCell(ACol, ARow);
        RepaintCell(DisplColIndex(b.X), b.Y);
    }
}

TScrollProp TVynStringGrid::GetScrollProp(int ACol, int ARow)
{
    const TCellGraphic* g = GraphicIn(ACol, ARow, {TCellType::ctScrollbar});
    return g ? TScrollProp{g->CellAngle(), g->CellErrFrom()} : TScrollProp{-1, -1};
}

void TVynStringGrid::SetScrollProp(int ACol, int ARow, const TScrollProp& Prop)
{
    if (TCellGraphic* g = GraphicIn(ACol, ARow, {TCellType::ctScrollbar})) {
        g->SetCellAngle(Prop.PageSize);
        g->SetCellErrFrom(Prop.Range);
    }
}

// ---- buttons --------------------------------------------------------------------------------

void TVynStringGrid::AddButton(int ACol, int ARow, int BW, int BH, const String& Caption, TCellHAlign hal,
                               TCellVAlign val)
{
    NewCellGraphic(ACol, ARow)->SetButton(BW, BH, Caption, hal, val);
}

void TVynStringGrid::AddBitButton(int ACol, int ARow, int BW, int BH, const String& Caption, TBitmap* Glyph,
                                  TCellHAlign hal, TCellVAlign val)
{
    NewCellGraphic(ACol, ARow)->SetBitButton(BW, BH, Caption, Glyph, hal, val);
}

TBitmap* TVynStringGrid::CreateBitButton(int ACol, int ARow, int BW, int BH, const String& Caption,
                                         TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = NewCellGraphic(ACol, ARow);
    auto* glyph = new TBitmap();
    g->SetBitButton(BW, BH, Caption, glyph, hal, val);
    g->SetCellCreated(true);
    return glyph;
}

void TVynStringGrid::RemoveButton(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, TCellType::ctButton);
    RemoveCellGraphicOfType(ACol, ARow, TCellType::ctBitButton);
}

void TVynStringGrid::RemoveBitButton(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, TCellType::ctBitButton);
}

void TVynStringGrid::RemoveAllButtons()
{
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < TotalColCount(); ++c)
            if (HasButton(c, r))
                RemoveButton(c, r);
}

bool TVynStringGrid::HasButton(int ACol, int ARow)
{
    return HasCellTypeIn(ACol, ARow, {TCellType::ctButton, TCellType::ctBitButton});
}

void TVynStringGrid::SetButtonText(int ACol, int ARow, const String& Caption)
{
    if (TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow)) {
        g->SetCellText(Caption);
        RepaintCell(ACol, ARow);
    }
}

String TVynStringGrid::GetButtonText(int ACol, int ARow)
{
    const TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
    return g ? g->CellText() : String();
}

void TVynStringGrid::PushButton(int ACol, int ARow, bool Push)
{
    TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
    if (!g || g->CellType() == TCellType::ctNode)
        return;
    g->SetCellBoolean(Push);
    RepaintCell(ACol, ARow);
}

// ---- questions of painting and input ---------------------------------------------------------

bool TVynStringGrid::IsControlCell(int ACol, int ARow)
{
    return HasCellTypeIn(ACol, ARow,
                         {TCellType::ctCheckBox, TCellType::ctDataCheckBox, TCellType::ctRadio, TCellType::ctButton,
                          TCellType::ctVirtCheckBox, TCellType::ctRowCheckBox, TCellType::ctRadioButton,
                          TCellType::ctTriStateCheckBox});
}

bool TVynStringGrid::IsDataGraphicCell(int ACol, int ARow)
{
    return HasCellTypeIn(ACol, ARow, {TCellType::ctDataCheckBox, TCellType::ctDataImage, TCellType::ctVirtCheckBox,
                                      TCellType::ctRowCheckBox});
}

TRect TVynStringGrid::GetExpandRect(int ACol, int ARow)
{
    if (!HasCellTypeIn(ACol, ARow, {TCellType::ctExpand}))
        return TRect{0, 0, 0, 0};
    const TRect r = CellRect(DisplColIndex(ACol), ARow);
    return Rect(r.Right - 13, r.Top + 2, r.Right - 2, r.Top + 13);
}

TRect TVynStringGrid::GetCellGraphicRect(int ACol, int ARow)
{
    const TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
    if (!g)
        return TRect{0, 0, 0, 0};
    const TRect cell = CellRect(ACol, ARow);
    const auto v = static_cast<uint32_t>(int(Round(g->CellValue())));
    const auto size = static_cast<uint32_t>(g->CellIndex());
    TRect r;
    r.Left = cell.Left + int(v & 0xFFFF);
    r.Top = cell.Top + int(v >> 16);
    r.Right = r.Left + int(size & 0xFFFF);
    r.Bottom = r.Top + int(size >> 16);
    if (g->CellVAlign() == TCellVAlign::vaFull) {
        r.Top = cell.Top;
        r.Bottom = cell.Bottom;
    }
    if (g->CellHAlign() == TCellHAlign::haFull) {
        r.Left = cell.Left;
        r.Right = cell.Right;
    }
    return r;
}

void TVynStringGrid::CreateScrollControls()
{
    if (!FScrollControlV) {
        auto* v = new TScrollControl(this);
        v->SetDirection(TScrollControl::sdVertical);
        v->SetParent(this);
        v->SetWidth(6);
        v->SetAlign(alRight);
        v->SetDoubleBuffered(true);
        v->SetVisible(true);
        FScrollControlV = v;
    }
    if (!FScrollControlH) {
        auto* h = new TScrollControl(this);
        h->SetDirection(TScrollControl::sdHorizontal);
        h->SetParent(this);
        h->SetHeight(6);
        h->SetAlign(alBottom);
        h->SetDoubleBuffered(true);
        h->SetVisible(true);
        FScrollControlH = h;
    }
}
