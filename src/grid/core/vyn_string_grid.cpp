// TVynStringGrid: what it owns, how it is built, loaded into a window,
// copied and torn down, and its overrides of the platform grid's own
// operations.
#include "grid/core/vyn_string_grid.h"

#include "grid/core/grid_startup.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

#include "grid/core/column_size.h"
#include "grid/core/grid_controls.h"
#include "grid/core/grid_halo.h"
#include "grid/core/no_active_form.h"
#include "grid/data/grid_data_holders.h"
#include "grid/edit/grid_edit_holders.h"
#include "grid/interact/grid_interact_holders.h"
#include "grid/io/grid_io_holders.h"
#include "grid/render/grid_render_holders.h"
#include "platform/gui/application.h"
#include "platform/gui/bitmap.h"
#include "platform/gui/canvas.h"
#include "platform/gui/extctrls.h"
#include "platform/gui/hintwindow.h"
#include "platform/gui/input_state.h"
#include "platform/gui/stdctrls.h"
#include "platform/gui/timers.h"

TCursor GridLinkCursor = crHandPoint;

namespace {

constexpr int GridTimerId = 111;
constexpr int GridTimerPeriod = 500;

}  // namespace

// ---- construction -------------------------------------------------------------------------------

TVynStringGrid::TVynStringGrid(TComponent* AOwner) : TBaseGrid(AOwner)
{
    // 1. The cell store is built; the metro scroll controls are unassigned.
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
    // 2. The design flag: no form designer here.
    FDesigning = false;
    // 3. The position markers start unset (field initialisers); no tones.
    FTones = TTones{};
    // 4. The owned objects with their wiring and the defaults between them.
    CreateOwnedObjects();
    // 5. The owner form's resize.
    TakeOverOwnerResize();
    // 6. No column hidden (every flag reads True), the remaining defaults.
    FNumHidden = 0;
    SetDefaultRowHeight(22);
    FFixedRowHeight = DefaultRowHeight();
    // 7. The platform facts, the border colour, the scroll settings.
    FIsWinXP = true;
    FIsWin7 = true;
    FIsVista = true;
    FIsComCtl6 = true;
    FBorderColor = FIsWinXP ? TColor(0xB99D7F) : TColor(0x808080);
    FScrollType = TScrollType::ssNormal;
    FScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
    FScrollColor = clNone;
    // 8. The view as it is now.
    FOldLeftCol = LeftCol();
    FOldTopRow = TopRow();
    // 9. The focus window and the drop-position arrows (components of the
    // grid, hidden); the editors are built by editing, painting and
    // interaction (they stay null until then); the style of a grid that is
    // not designed.
    if (!FDesigning) {
        FFocusWindow = new TGridFocusWindow(this);
        ArwU = new TArrowWindow(this, TArrowDirection::arrUp);
        ArwD = new TArrowWindow(this, TArrowDirection::arrDown);
        ArwL = new TArrowWindow(this, TArrowDirection::arrLeft);
        ArwR = new TArrowWindow(this, TArrowDirection::arrRight);
        CreateEditControls();
        FStyle = TVynStyle::tsWindowsXP;
    }
    // 10.
    GridLinkCursor = crHandPoint;
}

void TVynStringGrid::CreateOwnedObjects()
{
    FFooterPanel = new TFooterPanel(this, this);
    FFooterPanel->SetAlign(alBottom);
    FFooterPanel->SetHeight(0);
    FFooterPanel->SetBorderWidth(0);

    FSearchPanel = new TSearchPanel(this, this);
    FSearchPanel->SetAlign(alBottom);
    FSearchPanel->SetHeight(0);
    FSearchPanel->SetBorderWidth(0);
    FSearchPanel->OnEditChange = [this](TObject* s) { SearchEditChange(s); };
    FSearchPanel->OnBackwardClick = [this](TObject* s) { SearchFindPrevious(s); };
    FSearchPanel->OnForwardClick = [this](TObject* s) { SearchFindNext(s); };
    FSearchPanel->OnExitClick = [this](TObject* s) { SearchFooterCloseClick(s); };
    FSearchPanel->OnHighlightClick = [this](TObject* s) { SearchHighlightClick(s); };

    cf = new TFont();
    FFocusHelper = new TFocusHelper(this);
    FSearchFooter = new TSearchFooter(this, FDesigning);
    FSearchFooter->OnChange = [this](TObject*) { ApplySearchFooter(); };
    FFloatingFooter = new TFloatingFooter(this);
    FPrintSettings = new TPrintSettings(this);
    FHTMLSettings = new THTMLSettings();
    FSortSettings = new TSortSettings(this);
    FDragDropSettings = new TDragDropSettings(this);
    FDragScrollOptions = new TDragScrollOptions();
    FControlLook = new TControlLook(this);
    FNavigation = new TNavigation();
    FNavigation->OnChange = [this](TObject*) { NavigationChanged(); };
    FColumnSize = new TColumnSize(this);
    FCellNode = new TCellNode(this);
    FBands = new TBands();
    FBands->OnChange = [this](TObject* s) { BandsChanged(s); };
    FSizeWhileTyping = new TSizeWhileTyping();
    FMouseActions = new TMouseActions(this);
    FMouseActions->OnChange = [this](TObject*) { MouseActionsChanged(); };
    FMouseActions->OnIsDesigning = [this](TObject*, bool& d) { IsDesigningQuery(d); };
    FMouseActions->OnInvalidate = [this](TObject*) { MouseActionsInvalidate(); };
    FGrouping = new TGrouping();
    FColumnHeaders = new TStringList();
    FImageCache = new THTMLPictureCache();
    FOrigColSizes = new TIntList(-1, -1);
    FFixedFont = new TFont();
    FFixedFont->SetName("Tahoma");
    FFixedFont->SetStyle(TFontStyles{TFontStyle::fsBold});
    FFixedFont->OnChange = [this](TObject* s) { RepaintOnChange(s); };
    FActiveCellFont = new TFont();
    FActiveCellFont->SetStyle(TFontStyles{TFontStyle::fsBold});
    if (FDesigning)
        FActiveCellFont->SetName("Tahoma");
    FActiveCellFont->OnChange = [this](TObject* s) { RepaintOnChange(s); };
    FRowHeaders = new TStringList();
    Sortlist = new TStringList();
    FLookupItems = new TStringList();
    FRowSelect = new std::vector<int>();
    FColSelect = new std::vector<int>();
    FSortIndexes = new TSortIndexList();
    FSortRowXRef = new TIntList(0, 0);
    FUnSortRowXRef = new TIntList(0, 0);
    FMergedColumns = new TIntList(0, 0);
    FMergedColumns->OnChange = [this](TObject* s, int c, int r) { MergedColumnsChanged(s, c, r); };
    FSelectedCells = new TIntList(0, 0);
    FSelectedRows = new TIntList(0, 0);
    FModifiedRows = new TIntList(0, 0);
    FEnabledRows = new TIntList(0, 0);
    FRowIndicator = new TBitmap();
    FBackGround = new TBackGround(this);
    FScrollHintWnd = new THTMLHintWindow(this);
    FControlList = new TControlList();
    FProgressAppearance = new TGridProgressAppearance();
    FProgressAppearance->OnChange = [this](TObject* s) { RepaintOnChange(s); };
    FSyncGrid = new TSyncGrid(this);
    FFilter = new TFilter(this);
    FBalloonSettings = new TBalloonSettings();
    FBalloonSettings->OnEnableChange = [this](TObject* s) { BalloonSettingsChanged(s); };
    FShowModified = new TShowModified();
    FShowModified->OnChange = [this](TObject* s) { ShowModifiedChanged(s); };
    FNotifierList = new std::vector<TGridChangeNotifier*>();
    FColumnOrder = new TIntList(0, 0);
    FCellGraphic = new TCellGraphic();
    FIgnoreColumns = new TIntList(-1, -1);
    FFilterDropDown = new TFilterDropDown();
    FFilterDropDown->OnChange = [this](TObject* s) { FilterDropDownChanged(s); };
    FDropList = new TDropList(this);
    FDropList->SetParent(this);
    FDropList->SetWidth(0);
    FDropList->SetHeight(0);
    FDropList->SetVisible(false);
    FDropList->OnSelect = [this](TObject* S, int I) { FilterListSelect(S, I); };
    FDropCheckList = new TDropCheckList(this);
    FDropCheckList->SetParent(this);
    FDropCheckList->SetWidth(0);
    FDropCheckList->SetHeight(0);
    FDropCheckList->SetVisible(false);
    FDropCheckList->OnSelect = [this](TObject* S, int I) { FilterListCheck(S, I); };
    FFilterList = new TStringList();
    FFilterList->SetDuplicates(dupIgnore);
    FFilterList->SetSorted(true);

    // The defaults table.
    SetRowCount(10);
    SetBounds(Left(), Top(), 400, 250);
    SetAutoSize(false);
    FFloatFormat = "%.2f";
    FCheckTrue = "Y";
    FCheckFalse = "N";
    FXMLEncoding = "ISO-8859-1";
    FFilterDropDownClear = "(All)";
    FPasswordChar = u'*';
    FDelimiter = QChar();
    FLook = TGridLook::glXP;
    FSelectionColor = 0xEACAB6;
    FSelectionColorTo = clNone;
    FSelectionMirrorColor = clNone;
    FSelectionMirrorColorTo = clNone;
    FSelectionTextColor = 0;
    FSelectionColorMixerFactor = 50;
    FSelectionRectangleColor = 0;
    FShowSelection = true;
    FActiveCellColor = 0x808080;
    FActiveCellColorTo = clNone;
    FHintColor = clInfoBk;
    FHighlightColor = clHighlight;
    FHighlightTextColor = clHighlightText;
    FURLColor = 0xFF0000;
    FDisabledFontColor = 0xC0C0C0;
    FVynGradientFrom = 0xFFFFFF;
    FVynGradientTo = ColorToRGB(clBtnFace);
    FVynGradientMirrorFrom = clNone;
    FVynGradientMirrorTo = clNone;
    FScrollColor = clNone;
    FScrollType = TScrollType::ssNormal;
    FScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
    FDefaultEditor = TEditorType::edNormal;
    FDefaultAlignment = taLeftJustify;
    FVAlignment = TVAlignment::vtaTop;
    FXYOffset = TPoint(2, 2);
    FInvalidEntryIcon = TInvalidEntryIcon::ieWarning;
    FHintShowLargeTextPos = THintShowLargeTextPos::hpCell;
    FHoverFixedCells = THoverFixedCells::hfNone;
    FFilterDropDownColumns = TFilterDropDownColumns::fdNormal;
    FFilterNormalCellsOnly = true;
    FAutoFilterUpdate = true;
    FFitCellsInGrid = true;
    FEnableHTML = true;
    FEnableWheel = true;
    FIntelliZoom = true;
    FEnhRowColMove = true;
    FShowDesignHelper = true;
    FUseInternalHintClass = true;
    FUseDisabledFont = true;
    FShowNullDates = true;
    FQuoteEmptyCells = true;
    FSaveFixedCells = true;
    FSaveVirtCells = true;
    FSaveWithHTML = true;
    FAlwaysQuotes = false;
    FJavaCSV = false;
    FSaveFixedRows = false;
    FSaveFixedCols = false;
    FSaveHiddenCells = false;
    FClearTextOnly = false;
    FLoadFirstRow = true;
    FHideFocusRect = false;
    FFixedAsButtons = false;
    FNoDefaultDraw = false;
    FSizeGrowOnly = false;
    FMinRowHeight = 0;
    FMaxRowHeight = 0;
    FMinColWidth = 0;
    FMaxColWidth = 0;
    FGroupColumn = -1;
    FZoomFactor = 0;
    FPreviewPage = 1;
    FPrintPageTo = 1;
    FPrintNrOfPages = 0;
    FPrinterDriverFix = false;
    FExcelClipboardFormat = false;
    FFindBusy = false;
    FEditLink = nullptr;
    SetWordWrap(true);
}

void TVynStringGrid::TakeOverOwnerResize()
{
    auto* form = dynamic_cast<TCustomForm*>(Owner());
    if (!form || FDesigning)
        return;
    FOwnerForm = form;
    if (form->OnResize) {
        FOnResize = form->OnResize;
        ResizeAssigned = true;
    }
    form->OnResize = [this](TObject* s) { OwnerFormResize(s); };
    FOldSize = TPoint(form->Width(), form->Height());
}

// ---- destruction --------------------------------------------------------------------------------

TVynStringGrid::~TVynStringGrid()
{
    Destroying();
    if (HookActiveGrid() == this)
        SetHookActiveGrid(nullptr);
    // 1.
    FreeScrollControls();
    // 2.
    if (!FDesigning) {
        BalloonDone();
        if (FOwnerForm && !FOwnerForm->ComponentState().Contains(TComponentStateItem::csDestroying))
            FOwnerForm->OnResize = ResizeAssigned ? FOnResize : TNotifyEvent();
    }
    // 3.
    if (FColumnSize->Save())
        SaveColSizes();
    // 4.
    FClearTextOnly = false;
    FSaveHiddenCells = false;
    // 5.
    int r = RowCount();
    int c = ColCount();
    const bool nodes = HasNodes();
    if (nodes)
        ExpandAll();
    UnHideColumnsAll();
    if (!nodes && FNumHidden == 0) {
        r = std::max(r, std::min(FMaxRowCount, RowCount()));
        c = std::max(c, std::min(FMaxColCount, StoredColCount()));
    }
    // 6. Every cell's property and graphic objects (the cell store's
    // destructor frees what is left in any stored column).
    if (r > 0 && c > 0 && HasCellProps())
        ClearRect(0, 0, c - 1, r - 1);
    // The hidden rows go with their saved property objects.
    for (const auto& item : FGridItems)
        FreeGridItemObjects(*item);
    FGridItems.clear();
    // 7.
    FreeOwnedObjects();
    // 8.
    TBaseGrid::SetCursor(FOldCursor);
    // 9. The editor and auxiliary controls are the grid's components and
    // go with it; the lazily created editors likewise.
    // 10. The cell store.
}

void TVynStringGrid::FreeOwnedObjects()
{
    // Controls among them are components of the grid: freed here, before
    // the grid's own component list would free them.
    auto freeControl = [](auto*& p) {
        if (p) {
            p->Free();
            p = nullptr;
        }
    };
    freeControl(FFooterPanel);
    freeControl(FSearchPanel);
    delete cf;
    cf = nullptr;
    delete FFocusHelper;
    FFocusHelper = nullptr;
    delete FSearchFooter;
    FSearchFooter = nullptr;
    delete FFloatingFooter;
    FFloatingFooter = nullptr;
    delete FPrintSettings;
    FPrintSettings = nullptr;
    delete FHTMLSettings;
    FHTMLSettings = nullptr;
    delete FSortSettings;
    FSortSettings = nullptr;
    delete FDragDropSettings;
    FDragDropSettings = nullptr;
    delete FDragScrollOptions;
    FDragScrollOptions = nullptr;
    delete FControlLook;
    FControlLook = nullptr;
    delete FNavigation;
    FNavigation = nullptr;
    delete FColumnSize;
    FColumnSize = nullptr;
    delete FCellNode;
    FCellNode = nullptr;
    delete FBands;
    FBands = nullptr;
    delete FSizeWhileTyping;
    FSizeWhileTyping = nullptr;
    delete FMouseActions;
    FMouseActions = nullptr;
    delete FGrouping;
    FGrouping = nullptr;
    delete FColumnHeaders;
    FColumnHeaders = nullptr;
    delete FImageCache;
    FImageCache = nullptr;
    delete FOrigColSizes;
    FOrigColSizes = nullptr;
    delete FFixedFont;
    FFixedFont = nullptr;
    delete FActiveCellFont;
    FActiveCellFont = nullptr;
    delete FRowHeaders;
    FRowHeaders = nullptr;
    delete Sortlist;
    Sortlist = nullptr;
    delete FLookupItems;
    FLookupItems = nullptr;
    delete FRowSelect;
    FRowSelect = nullptr;
    delete FColSelect;
    FColSelect = nullptr;
    delete FSortIndexes;
    FSortIndexes = nullptr;
    delete FSortRowXRef;
    FSortRowXRef = nullptr;
    delete FUnSortRowXRef;
    FUnSortRowXRef = nullptr;
    delete FMergedColumns;
    FMergedColumns = nullptr;
    delete FSelectedCells;
    FSelectedCells = nullptr;
    delete FSelectedRows;
    FSelectedRows = nullptr;
    delete FModifiedRows;
    FModifiedRows = nullptr;
    delete FEnabledRows;
    FEnabledRows = nullptr;
    delete FRowIndicator;
    FRowIndicator = nullptr;
    delete FBackGround;
    FBackGround = nullptr;
    freeControl(FScrollHintWnd);
    delete FControlList;
    FControlList = nullptr;
    delete FProgressAppearance;
    FProgressAppearance = nullptr;
    delete FSyncGrid;
    FSyncGrid = nullptr;
    delete FFilter;
    FFilter = nullptr;
    delete FBalloonSettings;
    FBalloonSettings = nullptr;
    delete FShowModified;
    FShowModified = nullptr;
    delete FNotifierList;
    FNotifierList = nullptr;
    delete FColumnOrder;
    FColumnOrder = nullptr;
    delete FCellGraphic;
    FCellGraphic = nullptr;
    delete FIgnoreColumns;
    FIgnoreColumns = nullptr;
    delete FFilterDropDown;
    FFilterDropDown = nullptr;
    freeControl(FDropList);
    freeControl(FDropCheckList);
    delete FFilterList;
    FFilterList = nullptr;
}

// ---- loading ------------------------------------------------------------------------------------

void TVynStringGrid::Loaded()
{
    // 1.
    TBaseGrid::Loaded();
    // 2.
    FOldCursor = Cursor();
    // 3.
    ShowColumnHeaders();
    ShowRowHeaders();
    // 4. A drop target of the grid takes the accept flags (import and
    // export register one).
    // 5.
    if (FLook == TGridLook::glVyn) {
        FLook = TGridLook::glCustom;
        SetLook(TGridLook::glVyn);
    }
    // 6.
    if (FAutoSize)
        AutoSizeColumns(false, 4);
    // 7.
    if (FColumnSize->Save())
        LoadColSizes();
    // 8.
    FFixedRowsMin = FixedRows();
    FFixedColsMin = FixedCols();
    FMinRowHeight = DefaultRowHeight();
    FMinColWidth = 10;
    FMaxRowCount = RowCount();
    FLoaded = true;
    // 9.
    if (Options().Contains(goAlwaysShowEditor)) {
        FNavigation->SetAlwaysEdit(true);
        TGridOptions o = Options();
        o.Exclude(goAlwaysShowEditor);
        SetOptions(o);
    }
    // 10.
    if (!FIsWinXP && FControlLook->ControlStyle() == VynObj::TControlStyle::csTheme && !FDesigning)
        FControlLook->SetControlStyle(VynObj::TControlStyle::csClassic);
    // 11.
    FSearchFooter->SetAutoThemeAdapt(FAutoThemeAdapt);
    ApplySearchFooter();
    UpdateScrollBarAlways(false);
    // 12.
    if (FAutoThemeAdapt && !FDesigning)
        AdaptToOfficeTheme();
    // 13.
    InitOrigColSizes();
    SetColumnOrder();
    // 14.
    if (FBalloonSettings->Enable())
        BalloonInit();
    // 15.
    ApplyPlatformStyle();
}

void TVynStringGrid::CreateWnd()
{
    // 1.
    if (ComponentState().Contains(TComponentStateItem::csDestroying))
        return;
    // 2.
    TBaseGrid::CreateWnd();
    if (!Parent())
        return;
    // 3.
    if (!FDesigning) {
        if (FScrollType == TScrollType::ssMetro)
            CreateScrollControls();
        if (FBalloonSettings->Enable())
            BalloonInit();
    }
    // 4.
    FFooterPanel->SetParent(this);
    FFooterPanel->SetVisible(FFloatingFooter->Visible());
    FSearchPanel->SetParent(this);
    FSearchPanel->SetVisible(FSearchFooter->Visible());
    FSearchPanel->SetHeight(FSearchFooter->Visible() ? 32 : 0);
    // 5.
    if (FColumnSize->Save())
        LoadColSizes();
    // 6.
    SetTimer(this, GridTimerId, GridTimerPeriod);
    FGridTimerID = GridTimerId;
    // 8. Visual themes are active on this platform: the XP flag stays.
    // 9. The wheel: the application's wheel setting; a page is the rows shown.
    wheelmsg = 0;
    wheelscrl = 0;
    wheelpan = false;
    wheelscrl = int(GetWheelScrollLines());
    if (wheelscrl == -1)
        wheelscrl = VisibleRowCount();
    wheelmsg = WM_MOUSEWHEEL;
    // 10.
    if (FScrollType != TScrollType::ssNormal && !ComponentState().Contains(TComponentStateItem::csLoading)) {
        InitFlatScrollBars();
        SetFlatScrollWidth(FScrollWidth);
        SetFlatScrollColor(FScrollColor);
    }
}

// ---- copying ------------------------------------------------------------------------------------

void TVynStringGrid::Assign(const TPersistent& Source)
{
    const auto* src = dynamic_cast<const TVynStringGrid*>(&Source);
    if (!src)
        return;
    auto* s = const_cast<TVynStringGrid*>(src);
    Font().Assign(s->Font());
    FActiveCellColor = s->FActiveCellColor;
    FActiveCellColorTo = s->FActiveCellColorTo;
    FActiveCellFont->Assign(*s->FActiveCellFont);
    FActiveCellShow = s->FActiveCellShow;
    SetActiveRowShow(s->ActiveRowShow());
    SetAlign(s->Align());
    FFilterDropDown->Assign(*s->FFilterDropDown);
    FAnchorHint = s->FAnchorHint;
    FAutoNumAlign = s->FAutoNumAlign;
    FAutoSize = s->FAutoSize;
    FAutoThemeAdapt = s->FAutoThemeAdapt;
    FAutoFilterUpdate = s->FAutoFilterUpdate;
    FMouseActions->Assign(*s->FMouseActions);
    FNavigation->Assign(*s->FNavigation);
    FGrouping->Assign(*s->FGrouping);
    FSearchFooter->Assign(*s->FSearchFooter);
    FPrintSettings->Assign(*s->FPrintSettings);
    FFilter->Assign(*s->FFilter);
    FHTMLSettings->Assign(*s->FHTMLSettings);
    FBands->Assign(*s->FBands);
    FCellNode->Assign(*s->FCellNode);
    FSortSettings->Assign(*s->FSortSettings);
    FDragScrollOptions->Assign(*s->FDragScrollOptions);
    FDragDropSettings->Assign(*s->FDragDropSettings);
    FProgressAppearance->Assign(*s->FProgressAppearance);
    FColumnSize->Assign(*s->FColumnSize);
    FSyncGrid->Assign(*s->FSyncGrid);
    FFocusHelper->Assign(*s->FFocusHelper);
    FFixedRowAlways = s->FFixedRowAlways;
    SetColCount(s->ColCount());
    SetRowCount(s->RowCount());
    SetFixedRows(s->FixedRows());
    SetFixedCols(s->FixedCols());
    SetDefaultColWidth(s->DefaultColWidth());
    SetDefaultRowHeight(s->DefaultRowHeight());
    SetFixedRowHeight(s->FixedRowHeight());
    SetFixedColWidth(s->FixedColWidth());
    FInvalidEntryTitle = s->FInvalidEntryTitle;
    FInvalidEntryIcon = s->FInvalidEntryIcon;
    FInvalidEntryText = s->FInvalidEntryText;
    SetOptions(s->Options());
    // The widths of the columns shown (the new column count).
    for (int c = 0; c < ColCount(); ++c)
        SetColWidths(c, s->ColWidths(c));
    SetColumnHeaders(*s->FColumnHeaders);
    for (int r = 0; r < RowCount(); ++r)
        SetRowHeights(r, s->RowHeights(r));
    FScrollProportional = s->FScrollProportional;
    FScrollSynch = s->FScrollSynch;
    FScrollWidth = s->FScrollWidth;
    FScrollHints = s->FScrollHints;
    FScrollBarAlways = s->FScrollBarAlways;
    SetScrollBars(s->ScrollBars());
    SetScrollColor(s->FScrollColor);
    SetScrollType(s->FScrollType);
    SetScrollWidth(s->FScrollWidth);
    AssignCells(Source);
}

void TVynStringGrid::SetFocusHelper(const TFocusHelper& Value) { FFocusHelper->Assign(Value); }

// ---- window-level overrides -----------------------------------------------------------------

void TVynStringGrid::Invalidate()
{
    if (FEditChange) {
        FEditChange = false;
        return;
    }
    TBaseGrid::Invalidate();
    if (!ComponentState().Contains(TComponentStateItem::csLoading) && FFloatingFooter && FFloatingFooter->Visible() &&
        FFooterPanel)
        FFooterPanel->Invalidate();
}

void TVynStringGrid::Resize()
{
    TBaseGrid::Resize();
    if (OnResize)
        OnResize(this);
    if ((FBackGround->Display() == TBackGroundDisplay::bdGradientHorz ||
         FBackGround->Display() == TBackGroundDisplay::bdGradientVert) &&
        FBackGround->ColorTo() != clNone)
        Invalidate();
    UpdateScrollBarAlways(false);
    CellControlsUpdate();
    if (FDesigning)
        Invalidate();
}

void TVynStringGrid::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs,
                                     TGridDrawInfo& FixedInfo)
{
    TBaseGrid::CalcSizingState(X, Y, State, Index, SizingPos, SizingOfs, FixedInfo);
    int c = -1, r = -1;
    MouseToCell(X - 6, Y, c, r);
    if (r >= 0 && r < FixedRows() && c >= 0 && OnColumnSize) {
        bool allow = true;
        OnColumnSize(this, c, allow);
        if (!allow) {
            State = gsNormal;
            FSizeFixed = false;
        }
    }
    MouseToCell(X, Y - 6, c, r);
    if (c >= 0 && c < FixedCols() && r >= 0 && OnRowSize) {
        bool allow = true;
        OnRowSize(this, r, allow);
        if (!allow)
            State = gsNormal;
    }
}

TInplaceEdit* TVynStringGrid::CreateEditor() { return new TVynInplaceEdit(this); }

TVynInplaceEdit* TVynStringGrid::InplaceEditor() const
{
    return dynamic_cast<TVynInplaceEdit*>(TBaseGrid::InplaceEditor());
}

String TVynStringGrid::GetEditMask(int ACol, int ARow)
{
    String value = FEditMask;
    if (OnGetEditMask)
        OnGetEditMask(this, ACol, ARow, value);
    return value;
}

void TVynStringGrid::Notification(TComponent* AComponent, TOperation Operation)
{
    TBaseGrid::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FGridImages)
        FGridImages = nullptr;
    if (FNotifierList)
        std::erase_if(*FNotifierList, [AComponent](TGridChangeNotifier* N) { return N == AComponent; });
}

void TVynStringGrid::UpdateScrollBarAlways(bool HideUnneeded)
{
    const bool rowsFit = VisibleRowCount() + FixedRows() >= RowCount();
    const bool colsFit = VisibleColCount() + FixedCols() >= ColCount();
    if (FScrollBarAlways != TScrollBarAlways::saNone) {
        const bool vert = FScrollBarAlways == TScrollBarAlways::saVert || FScrollBarAlways == TScrollBarAlways::saBoth;
        const bool horz = FScrollBarAlways == TScrollBarAlways::saHorz || FScrollBarAlways == TScrollBarAlways::saBoth;
        if (vert && rowsFit) {
            ShowScrollBar(SB_VERT, true);
            EnableScrollBar(SB_VERT, false);
        } else if (vert) {
            EnableScrollBar(SB_VERT, true);
        }
        if (horz && colsFit) {
            ShowScrollBar(SB_HORZ, true);
            EnableScrollBar(SB_HORZ, false);
        } else if (horz) {
            EnableScrollBar(SB_HORZ, true);
        }
    } else if (HideUnneeded) {
        if (rowsFit)
            ShowScrollBar(SB_VERT, false);
        if (colsFit)
            ShowScrollBar(SB_HORZ, false);
    }
}

TFont* TVynStringGrid::GetCellFont(int ACol, int ARow)
{
    TCellProperties* p = PropsAt(ACol, ARow);
    if (!p)
        return &Font();
    // The cell's settings; one left unset (no name, size 0, no colour)
    // takes the grid font's.
    cf->Assign(Font());
    if (!p->FontName().isEmpty())
        cf->SetName(p->FontName());
    if (p->FontSize() != 0)
        cf->SetSize(p->FontSize());
    cf->SetStyle(p->FontStyle());
    if (p->FontColor() != clNone)
        cf->SetColor(p->FontColor());
    return cf;
}

void TVynStringGrid::SetCursor(TCursor Value)
{
    TBaseGrid::SetCursor(Value);
    FOldCursor = Value;
}

void TVynStringGrid::SetUseHTMLHints(bool Value)
{
    FUseHTMLHints = Value;
    if (Value)
        SetHintWindowClass([](TComponent* AOwner) -> THintWindow* { return new THTMLHintWindow(AOwner); });
    else
        SetHintWindowClass([](TComponent* AOwner) { return new THintWindow(AOwner); });
}

void TVynStringGrid::SetBorderColor(TColor Value)
{
    if (Value == FBorderColor)
        return;
    FBorderColor = Value;
    if (Parent() && Parent()->HandleAllocated())
        PaintBorder();
}

TCustomForm* TVynStringGrid::FindParentForm(TControl* Control)
{
    for (TControl* c = Control; c; c = c->Parent())
        if (auto* f = dynamic_cast<TCustomForm*>(c))
            return f;
    return nullptr;
}

TNoActiveForm* TVynStringGrid::SelectionToForm(const TRect& ARect)
{
    const QImage whole = PaintToImage();
    // The frame lies around the client area in the picture.
    const TRect client = ClientAreaInWindow();
    TRect r1 = CellRect(ARect.Left, ARect.Top);
    TRect r2 = CellRect(ARect.Right, ARect.Bottom);
    if (r2.Left < r1.Left)
        std::swap(r1, r2);
    const int left = r1.Left;
    const int right = r2.Right;
    const int top = std::min(r1.Top, r2.Top);
    const int bottom = std::max(r1.Bottom, r2.Bottom);
    const int w = std::max(right - left + 1, 1);
    const int h = std::max(bottom - top + 1, 1);

    QImage pic(w, h, QImage::Format_RGB32);
    pic.fill(Qt::white);
    {
        QPainter p(&pic);
        // The copy of (left + 1, top + 1) .. (right + 2, bottom + 2).
        p.drawImage(QPoint(0, 0), whole,
                    QRect(client.Left + left + 1, client.Top + top + 1, right - left + 1, bottom - top + 1));
        const TColor lc = ColorToRGB(GridFixedLineColor());
        p.setPen(QColor(lc & 0xFF, (lc >> 8) & 0xFF, (lc >> 16) & 0xFF));
        if (ARect.Left == 0 && FixedCols() > 0 && Options().Contains(goFixedHorzLine))
            p.drawLine(0, 0, 0, h - 1);
        if (ARect.Top == 0 && FixedRows() > 0 && Options().Contains(goFixedVertLine))
            p.drawLine(0, 0, w - 1, 0);
    }
    TBitmap bmp;
    bmp.SetImage(pic);
    auto* form = new TNoActiveForm(this);
    form->SetBorderStyle(bsNone);
    form->SetBounds(form->Left(), form->Top(), w, h);
    form->SetStayOnTop(true);
    auto* img = new TImage(form);
    img->SetParent(form);
    img->SetAlign(alClient);
    img->Picture().SetGraphic(&bmp);
    form->SetAlphaBlend(true);
    form->SetAlphaBlendValue(192);
    return form;
}

void TVynStringGrid::FreeScrollControls()
{
    if (FScrollControlH) {
        FScrollControlH->Free();
        FScrollControlH = nullptr;
    }
    if (FScrollControlV) {
        FScrollControlV->Free();
        FScrollControlV = nullptr;
    }
}

// ---- installed handlers ---------------------------------------------------------------------

void TVynStringGrid::RepaintOnChange(TObject*) { Invalidate(); }

void TVynStringGrid::MergedColumnsChanged(TObject*, int, int)
{
    for (int c = 0; c < ColCount(); ++c)
        SplitColumnCells(c);
    for (int i = 0; i < FMergedColumns->Count(); ++i)
        MergeColumnCells(FMergedColumns->Items(i), i == 0);
}

void TVynStringGrid::RepaintCellOnChange(TObject*, int ACol, int ARow) { RepaintCell(ACol, ARow); }

void TVynStringGrid::BandsChanged(TObject*) { Invalidate(); }

void TVynStringGrid::ShowModifiedChanged(TObject*) { Invalidate(); }

void TVynStringGrid::BalloonSettingsChanged(TObject*)
{
    if (FBalloonSettings->Enable() && HandleAllocated())
        BalloonInit();
    else if (!FBalloonSettings->Enable())
        BalloonDone();
}

void TVynStringGrid::FilterDropDownChanged(TObject*) { Invalidate(); }

void TVynStringGrid::GridButtonClick(TObject*)
{
    if (OnButtonClick)
        OnButtonClick(this, Col(), Row());
}
