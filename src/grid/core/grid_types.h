#pragma once
// The grid library's declared types: its enumerations (with their fixed
// ordinals), its set types, the event callback types and the name <-> value
// tables through which stored forms and column streams set them by name
// ("Editor = edComboList", "PrintBorders = [cbTop, cbLeft]").
//
// Argument order of the events: the click, double-click, hint, colour,
// border, alignment, can-edit, fixed-cell and password events pass the row
// BEFORE the column; the editor-type, check-box, combo, validation and most
// other events pass the column first. The order below is the contract.
#include <array>
#include <functional>

#include "platform/grids/grid_base_types.h"
#include "platform/gui/classes.h"
#include "platform/gui/graphics.h"
#include "platform/rtl/object.h"
#include "platform/rtl/set.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/strings.h"

// Classes the event types refer to; they are declared with the platform
// canvas and controls or with the grid classes.
class TCanvas;
class TBrush;
class TFont;
class TPen;
class TPopupMenu;

// ---- enumerations -----------------------------------------------------------------------

// The in-place editor of a cell.
enum class TEditorType {
    edNormal, edSpinEdit, edComboEdit, edComboList, edEditBtn, edCheckBox, edDateEdit,
    edDateEditUpDown, edTimeEdit, edButton, edDataCheckBox, edNumeric, edPositiveNumeric,
    edFloat, edCapital, edMixedCase, edPassword, edUnitEditBtn, edLowerCase, edUpperCase,
    edFloatSpinEdit, edTimeSpinEdit, edDateSpinEdit, edNumericEditBtn, edFloatEditBtn,
    edCustom, edRichEdit, edNone, edDateTimeEdit, edValidChars, edTrackbarDropDown,
    edMemoDropDown, edCalculatorDropDown, edTimePickerDropDown, edDetailDropDown,
    edGridDropDown, edColorPickerDropDown, edImagePickerDropDown, edVynGridDropDown,
    edPositiveFloat, edNumericUnitEditBtn, edFloatUnitEditBtn, edMaskEditBtn
};

// How the sort comparison compares two cells of a column.
enum class TSortStyle {
    ssAutomatic, ssAlphabetic, ssNumeric, ssDate, ssAlphaNoCase, ssAlphaCase, ssShortDateEU,
    ssShortDateUS, ssCustom, ssFinancial, ssAnsiAlphaCase, ssAnsiAlphaNoCase, ssRaw, ssHTML,
    ssImages, ssCheckBox, ssDateTime, ssTime, ssAlphaNumeric, ssAlphaNumericNoCase
};

// The kind of a cell as the cell model reports it; a cell without a graphic
// reports ctEmpty (10, not 0).
enum class TCellType {
    ctBitmap, ctIcon, ctNone, ctImageList, ctCheckBox, ctDataCheckBox, ctRotated, ctDataImage,
    ctNode, ctRadio, ctEmpty, ctImages, ctPicture, ctFilePicture, ctValue, ctProgress,
    ctComment, ctButton, ctBitButton, ctVirtCheckBox, ctRowCheckBox, ctProgressPie, ctSummary,
    ctRangeIndicator, ctXPProgress, ctInterface, ctScrollbar, ctRadioButton, ctBalloon,
    ctShape, ctRating, ctTriStateCheckBox, ctExpand
};

enum class TCellBorder { cbTop, cbLeft, cbRight, cbBottom };
using TCellBorders = Set<TCellBorder>;

enum class TCellGradientDirection { GradientVertical, GradientHorizontal };
enum class TVAlignment { vtaTop, vtaCenter, vtaBottom };
enum class TArrowDirection { arrUp, arrDown, arrLeft, arrRight };
enum class TVynGridButtonStyle { tasButton, tasCheck };
enum class TSearchDirection { sdTopBottom, sdLeftRight };
enum class THomeEndAction { heFirstLastColumn, heFirstLastRow, heFirstLastCell };
enum class TClipboardPasteAction { paReplace, paInsert };
enum class TAdvanceDirection { adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol };
enum class TInsertPosition { pInsertBefore, pInsertAfter };
enum class TCursorAdvance { caDefault, caSnake, caLoop };
enum class TGridFixedCellEdit { fceNone, fceDblClick, fceLeftClick, fceRightClick };
enum class TGridFixedCellEditor { fceEdit, fceComboEdit, fceComboList };
enum class TWheelAction { waMoveSelection, waScroll };
// The edges a drag over the grid scrolls towards.
enum class TDragScrollDir { dsdUp, dsdDown, dsdLeft, dsdRight };
using TDragScrollDirection = Set<TDragScrollDir>;
enum class TColumnPopupType {
    cpFixedCellsRClick, cpFixedCellsLClick, cpNormalCellsRClick, cpNormalCellsLClick,
    cpAllCellsRClick, cpAllCellsLClick
};
enum class THoverRowCell { hcNormal, hcFixed, hcSelected };
using THoverRowCells = Set<THoverRowCell>;
// The look of the grid's cell controls (check boxes, buttons, combo and spin
// parts). The platform's controls declare a TControlStyle of their own (the
// set of control behaviours), so this one carries its module's name:
// VynObj::TControlStyle.
namespace VynObj {
enum class TControlStyle { csClassic, csFlat, csWinXP, csQuessel, csVyn, csGlyph, csTheme };
}

// The shapes a shape cell and the star rating draw (see DrawCellShape).
enum class TCellShape {
    csRectangle, csCircle, csTriangleLeft, csTriangleRight, csTriangleUp, csTriangleDown,
    csDiamond, csLineVert, csLineHorz, csRoundRect, csEllips, csSquare, csRoundSquare, csStar,
    csArrowUp, csArrowDown, csArrowLeft, csArrowRight, csHalfStar
};

// The look of selected cells that the cell store paints.
enum class TGridSelectionStyle { ssDefault, ssVista, ssWin7, ssOffice2007 };
// The calculation of a cell (footer and column calculations).
enum class TColumnCalcType { acNONE, acSUM, acAVG, acCOUNT, acMIN, acMAX, acSPREAD, acCUSTOM, acDISTINCT, acSTDDEV };
// Where a cell graphic sits in its cell.
enum class TCellHAlign { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum class TCellVAlign { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
// How a picture is fitted into its cell.
enum class TStretchMode { noStretch, Stretch, StretchWithAspectRatio, Shrink, ShrinkWithAspectRatio };
enum class TBalloonIcon { biNone, biInfo, biWarning, biError };

// ---- name <-> value tables ---------------------------------------------------------------
//
// TEnumNames<E>::Names lists the value names in ordinal order.

template <typename E>
struct TEnumNames;

#define VYN_ENUM_NAMES(E, ...)                                                           \
    template <>                                                                          \
    struct TEnumNames<E> {                                                               \
        static constexpr auto Names = std::to_array<const char*>({__VA_ARGS__});         \
    }

VYN_ENUM_NAMES(TEditorType, "edNormal", "edSpinEdit", "edComboEdit", "edComboList", "edEditBtn",
               "edCheckBox", "edDateEdit", "edDateEditUpDown", "edTimeEdit", "edButton",
               "edDataCheckBox", "edNumeric", "edPositiveNumeric", "edFloat", "edCapital",
               "edMixedCase", "edPassword", "edUnitEditBtn", "edLowerCase", "edUpperCase",
               "edFloatSpinEdit", "edTimeSpinEdit", "edDateSpinEdit", "edNumericEditBtn",
               "edFloatEditBtn", "edCustom", "edRichEdit", "edNone", "edDateTimeEdit",
               "edValidChars", "edTrackbarDropDown", "edMemoDropDown", "edCalculatorDropDown",
               "edTimePickerDropDown", "edDetailDropDown", "edGridDropDown",
               "edColorPickerDropDown", "edImagePickerDropDown", "edVynGridDropDown",
               "edPositiveFloat", "edNumericUnitEditBtn", "edFloatUnitEditBtn", "edMaskEditBtn");
VYN_ENUM_NAMES(TSortStyle, "ssAutomatic", "ssAlphabetic", "ssNumeric", "ssDate", "ssAlphaNoCase",
               "ssAlphaCase", "ssShortDateEU", "ssShortDateUS", "ssCustom", "ssFinancial",
               "ssAnsiAlphaCase", "ssAnsiAlphaNoCase", "ssRaw", "ssHTML", "ssImages", "ssCheckBox",
               "ssDateTime", "ssTime", "ssAlphaNumeric", "ssAlphaNumericNoCase");
VYN_ENUM_NAMES(TCellType, "ctBitmap", "ctIcon", "ctNone", "ctImageList", "ctCheckBox",
               "ctDataCheckBox", "ctRotated", "ctDataImage", "ctNode", "ctRadio", "ctEmpty",
               "ctImages", "ctPicture", "ctFilePicture", "ctValue", "ctProgress", "ctComment",
               "ctButton", "ctBitButton", "ctVirtCheckBox", "ctRowCheckBox", "ctProgressPie",
               "ctSummary", "ctRangeIndicator", "ctXPProgress", "ctInterface", "ctScrollbar",
               "ctRadioButton", "ctBalloon", "ctShape", "ctRating", "ctTriStateCheckBox",
               "ctExpand");
VYN_ENUM_NAMES(TCellBorder, "cbTop", "cbLeft", "cbRight", "cbBottom");
VYN_ENUM_NAMES(TAlignment, "taLeftJustify", "taRightJustify", "taCenter");
VYN_ENUM_NAMES(TCellGradientDirection, "GradientVertical", "GradientHorizontal");
VYN_ENUM_NAMES(TVAlignment, "vtaTop", "vtaCenter", "vtaBottom");
VYN_ENUM_NAMES(TArrowDirection, "arrUp", "arrDown", "arrLeft", "arrRight");
VYN_ENUM_NAMES(TVynGridButtonStyle, "tasButton", "tasCheck");
VYN_ENUM_NAMES(TSearchDirection, "sdTopBottom", "sdLeftRight");
VYN_ENUM_NAMES(THomeEndAction, "heFirstLastColumn", "heFirstLastRow", "heFirstLastCell");
VYN_ENUM_NAMES(TClipboardPasteAction, "paReplace", "paInsert");
VYN_ENUM_NAMES(TAdvanceDirection, "adLeftRight", "adTopBottom", "adLeftRightInRow", "adTopBottomInCol");
VYN_ENUM_NAMES(TInsertPosition, "pInsertBefore", "pInsertAfter");
VYN_ENUM_NAMES(TCursorAdvance, "caDefault", "caSnake", "caLoop");
VYN_ENUM_NAMES(TGridFixedCellEdit, "fceNone", "fceDblClick", "fceLeftClick", "fceRightClick");
VYN_ENUM_NAMES(TGridFixedCellEditor, "fceEdit", "fceComboEdit", "fceComboList");
VYN_ENUM_NAMES(TWheelAction, "waMoveSelection", "waScroll");
VYN_ENUM_NAMES(TColumnPopupType, "cpFixedCellsRClick", "cpFixedCellsLClick", "cpNormalCellsRClick",
               "cpNormalCellsLClick", "cpAllCellsRClick", "cpAllCellsLClick");
VYN_ENUM_NAMES(THoverRowCell, "hcNormal", "hcFixed", "hcSelected");
VYN_ENUM_NAMES(VynObj::TControlStyle, "csClassic", "csFlat", "csWinXP", "csQuessel", "csVyn", "csGlyph",
               "csTheme");
VYN_ENUM_NAMES(TCellShape, "csRectangle", "csCircle", "csTriangleLeft", "csTriangleRight",
               "csTriangleUp", "csTriangleDown", "csDiamond", "csLineVert", "csLineHorz",
               "csRoundRect", "csEllips", "csSquare", "csRoundSquare", "csStar", "csArrowUp",
               "csArrowDown", "csArrowLeft", "csArrowRight", "csHalfStar");

VYN_ENUM_NAMES(TGridSelectionStyle, "ssDefault", "ssVista", "ssWin7", "ssOffice2007");
VYN_ENUM_NAMES(TColumnCalcType, "acNONE", "acSUM", "acAVG", "acCOUNT", "acMIN", "acMAX", "acSPREAD", "acCUSTOM",
               "acDISTINCT", "acSTDDEV");
VYN_ENUM_NAMES(TCellHAlign, "haLeft", "haRight", "haCenter", "haBeforeText", "haAfterText", "haFull");
VYN_ENUM_NAMES(TCellVAlign, "vaTop", "vaBottom", "vaCenter", "vaUnderText", "vaAboveText", "vaFull");
VYN_ENUM_NAMES(TStretchMode, "noStretch", "Stretch", "StretchWithAspectRatio", "Shrink", "ShrinkWithAspectRatio");
VYN_ENUM_NAMES(TBalloonIcon, "biNone", "biInfo", "biWarning", "biError");

#undef VYN_ENUM_NAMES

// Number of values of an enumeration.
template <typename E>
constexpr int EnumCount()
{
    return static_cast<int>(TEnumNames<E>::Names.size());
}

// The value's name; an empty text for an ordinal outside the enumeration.
template <typename E>
String EnumToName(E Value)
{
    const int i = static_cast<int>(Value);
    if (i < 0 || i >= EnumCount<E>())
        return String();
    return String::fromLatin1(TEnumNames<E>::Names[i]);
}

// The value of a name (compared without regard to letter case, surrounding
// blanks ignored); false and Value untouched for an unknown name.
template <typename E>
bool TryNameToEnum(const String& Name, E& Value)
{
    const String n = Trim(Name);
    for (int i = 0; i < EnumCount<E>(); ++i)
        if (SameText(n, String::fromLatin1(TEnumNames<E>::Names[i]))) {
            Value = static_cast<E>(i);
            return true;
        }
    return false;
}

// As TryNameToEnum; an unknown name raises EConvertError.
template <typename E>
E NameToEnum(const String& Name)
{
    E v{};
    if (!TryNameToEnum(Name, v))
        throw EConvertError(QStringLiteral("Invalid property value: '%1'").arg(Name));
    return v;
}

// A set as it is stored: "[cbTop, cbLeft]", the members in ordinal order;
// the empty set is "[]".
template <typename E>
String SetToText(Set<E> Value)
{
    String s = QStringLiteral("[");
    bool first = true;
    for (int i = 0; i < EnumCount<E>(); ++i)
        if (Value.Contains(static_cast<E>(i))) {
            if (!first)
                s += QStringLiteral(", ");
            s += String::fromLatin1(TEnumNames<E>::Names[i]);
            first = false;
        }
    return s + u']';
}

// Reads the stored form of a set: a bracketed list of value names separated
// by commas (blanks around the names ignored). False, and Value untouched,
// when the brackets are missing, a part is empty or a name is unknown.
template <typename E>
bool TryTextToSet(const String& Text, Set<E>& Value)
{
    const String t = Trim(Text);
    if (Length(t) < 2 || t[0] != u'[' || t[Length(t) - 1] != u']')
        return false;
    const String inner = Trim(t.mid(1, Length(t) - 2));
    Set<E> result;
    if (!inner.isEmpty())
        for (const String& part : inner.split(u',')) {
            E e{};
            if (Trim(part).isEmpty() || !TryNameToEnum(part, e))
                return false;
            result.Include(e);
        }
    Value = result;
    return true;
}

// ---- event types --------------------------------------------------------------------------
//
// Every event passes the sending grid or object first. A reference argument
// is one the handler may change.

// Declared with the support classes.
using TGetDisplTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, String& Value)>;
using TFloatFormatEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, bool& IsFloat, String& FloatFormat)>;
using TOnResizeEvent = std::function<void(TObject* Sender)>;
using TColumnSizeEvent = std::function<void(TObject* Sender, int ACol, bool& Allow)>;
using TColumnSizingEvent = std::function<void(TObject* Sender, int ACol, int ColumnSize)>;
using TRowSizingEvent = std::function<void(TObject* Sender, int ARow, int RowSize)>;
using TRowSizeEvent = std::function<void(TObject* Sender, int ARow, bool& Allow)>;
using TEndColumnSizeEvent = std::function<void(TObject* Sender, int ACol)>;
using TUpdateColumnSizeEvent = std::function<void(TObject* Sender, int ACol, int& AWidth)>;
using TEndRowSizeEvent = std::function<void(TObject* Sender, int ARow)>;
using TClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TDblClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TCanEditCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& CanEdit)>;
using TScrollHintEvent = std::function<void(TObject* Sender, int ARow, String& hintstr)>;
using TButtonClickEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
using TExpandClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool Expanded)>;
using TCheckBoxClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool State)>;
using TGetEditorTypeEvent = std::function<void(TObject* Sender, int ACol, int ARow, TEditorType& AEditor)>;
using TAnchorClickEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, const String& Anchor, bool& AutoHandle)>;
using TAnchorHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, String& Anchor)>;
using TAnchorEvent = std::function<void(TObject* Sender, int ARow, int ACol, const String& Anchor)>;
using TClickSortEvent = std::function<void(TObject* Sender, int ACol)>;
using TCanSortEvent = std::function<void(TObject* Sender, int ACol, bool& DoSort)>;
using TCustomCompareEvent =
    std::function<void(TObject* Sender, const String& str1, const String& str2, int& Res)>;
using TRawCompareEvent = std::function<void(TObject* Sender, int ACol, int Row1, int Row2, int& Res)>;
using TGridFormatEvent = std::function<void(TObject* Sender, int ACol, TSortStyle& AStyle,
                                            String& aPrefix, String& aSuffix)>;
using TGridGradientEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo,
                       TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD)>;
using TGridBorderEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, TPen* APen, TCellBorders& Borders)>;
using TGridBorderPropEvent = std::function<void(TObject* Sender, int ARow, int ACol, TPen* LeftPen,
                                                TPen* TopPen, TPen* RightPen, TPen* BottomPen)>;
using TGridHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, String& hintstr)>;
using TEllipsClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, String& S)>;
using TGridBalloonEvent = std::function<void(TObject* Sender, int ACol, int ARow, String& ATitle,
                                             String& AText, int& AIcon)>;
using TCanInsertRowEvent = std::function<void(TObject* Sender, int ARow, bool& CanInsert)>;
using TAutoInsertRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TCanAddRowEvent = std::function<void(TObject* Sender, bool& CanAdd)>;
using TAutoAddRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TCanDeleteRowEvent = std::function<void(TObject* Sender, int ARow, bool& CanDelete)>;
using TAutoDeleteRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TAutoInsertColEvent = std::function<void(TObject* Sender, int ACol)>;
using TSearchEditChangeEvent =
    std::function<void(TObject* Sender, const String& Value, bool& DefaultSearch)>;
using TSpinClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AValue, bool UpDown)>;
using TImageChangeEvent = std::function<void(TObject* Sender, int Acol, int Arow)>;
using TIsDesigningEvent = std::function<void(TObject* Sender, bool& IsDesigning)>;

// Cell drawing, colour and alignment questions (the row comes first in the
// last two).
using TCustomCellDrawEvent = std::function<void(TObject* Sender, TCanvas* Canvas, int ACol, int ARow,
                                                TGridDrawState AState, TRect ARect, bool Printing)>;
using TGridColorEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, TGridDrawState AState, TBrush* ABrush, TFont* AFont)>;
using TGridAlignEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign)>;

// Declared with the column grid.
using TColumnPopupEvent = std::function<void(TObject* Sender, int ACol, int ARow, TPopupMenu* PopupMenu)>;
using TAfterColumnMoved = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;

// Declared with the string grid, used by the rule editors or fired by the
// column grid's answers.
using TComboChangeEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex, const String& ASelection)>;
using TCellValidateEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, String& Value, bool& Valid)>;
using TEditCellDoneEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
using TIsFixedCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& IsFixed)>;
using TIsPasswordCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& IsPassword)>;
using THasComboEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& HasComboBox)>;
using TGetCheckEvent = std::function<void(TObject* Sender, int ACol, int ARow, String& Value)>;
using TGetColumnFilterEvent = std::function<void(TObject* Sender, int Column, TStringList* Filter)>;
using TFilterSelectEvent = std::function<void(TObject* Sender, int Column, int ItemIndex,
                                              const String& FriendlyName, String& FilterCondition)>;

// The component styles (the grid's look and the drop-down controls share them).
enum class TVynStyle {
    tsOffice2003Blue, tsOffice2003Silver, tsOffice2003Olive, tsOffice2003Classic, tsOffice2007Luna,
    tsOffice2007Obsidian, tsWindowsXP, tsWhidbey, tsCustom, tsOffice2007Silver, tsWindowsVista, tsWindows7,
    tsTerminal, tsOffice2010Blue, tsOffice2010Silver, tsOffice2010Black
};
using TVynStyle::tsOffice2003Blue, TVynStyle::tsOffice2003Silver, TVynStyle::tsOffice2003Olive,
    TVynStyle::tsOffice2003Classic, TVynStyle::tsOffice2007Luna, TVynStyle::tsOffice2007Obsidian,
    TVynStyle::tsWindowsXP, TVynStyle::tsWhidbey, TVynStyle::tsCustom, TVynStyle::tsOffice2007Silver,
    TVynStyle::tsWindowsVista, TVynStyle::tsWindows7, TVynStyle::tsTerminal, TVynStyle::tsOffice2010Blue,
    TVynStyle::tsOffice2010Silver, TVynStyle::tsOffice2010Black;

// Where a control places its attached label.
enum class TLabelPosition {
    lpLeftTop, lpLeftCenter, lpLeftBottom, lpTopLeft, lpBottomLeft, lpLeftTopLeft, lpLeftCenterLeft,
    lpLeftBottomLeft, lpTopCenter, lpBottomCenter, lpRightTop, lpRightCenter, lpRighBottom, lpTopRight,
    lpBottomRight
};
using TLabelPosition::lpLeftTop, TLabelPosition::lpLeftCenter, TLabelPosition::lpLeftBottom,
    TLabelPosition::lpTopLeft, TLabelPosition::lpBottomLeft, TLabelPosition::lpLeftTopLeft,
    TLabelPosition::lpLeftCenterLeft, TLabelPosition::lpLeftBottomLeft, TLabelPosition::lpTopCenter,
    TLabelPosition::lpBottomCenter, TLabelPosition::lpRightTop, TLabelPosition::lpRightCenter,
    TLabelPosition::lpRighBottom, TLabelPosition::lpTopRight, TLabelPosition::lpBottomRight;

// Top-left corner of an attached label of LabelW x LabelH beside a control
// at Control (its caption TextW wide on one line), Margin apart.
inline TPoint LabelPlacement(TLabelPosition Position, const TRect& Control, int TextW, int LabelW, int LabelH,
                             int Margin)
{
    const int L = Control.Left, T = Control.Top, W = Control.Width(), H = Control.Height();
    switch (Position) {
    case lpLeftTop: return TPoint(L - TextW - Margin, T);
    case lpLeftCenter: return TPoint(L - TextW - Margin, T + (H - LabelH) / 2);
    case lpLeftBottom: return TPoint(L - TextW - Margin, T + H - LabelH);
    case lpTopLeft: return TPoint(L, T - LabelH - Margin);
    case lpBottomLeft: return TPoint(L, T + H + Margin);
    case lpLeftTopLeft: return TPoint(L - Margin, T);
    case lpLeftCenterLeft: return TPoint(L - Margin, T + (H - LabelH) / 2);
    case lpLeftBottomLeft: return TPoint(L - Margin, T + H - LabelH);
    case lpTopCenter: return TPoint(L + (W - LabelW) / 2, T - LabelH - Margin);
    case lpBottomCenter: return TPoint(L + (W - LabelW) / 2, T + H + Margin);
    case lpRightTop: return TPoint(L + W + Margin, T);
    case lpRightCenter: return TPoint(L + W + Margin, T + (H - LabelH) / 2);
    case lpRighBottom: return TPoint(L + W + Margin, T + H - LabelH);
    case lpTopRight: return TPoint(L + W - LabelW, T - LabelH - Margin);
    case lpBottomRight: return TPoint(L + W - LabelW, T + H + Margin);
    }
    return TPoint(L, T);
}
