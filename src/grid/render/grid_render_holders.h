#pragma once
// The grid's look settings that painting reads: the cell controls' look,
// the background, the modified-row marker, the progress-bar colours and
// the HTML hint window.
//
// These hold, for now, the settings the grid's core reads, with their
// final defaults; the painting completes them (docs/GRID.md).
#include "controls/dropdown/DropDownAppearance.h"  // THeaderAppearance, TFooterAppearance
#include "grid/core/grid_types.h"
#include "grid/render/html/html_picture.h"  // THTMLPictureCache
#include "platform/gui/classes.h"
#include "platform/gui/hintwindow.h"

class TVynStringGrid;

class TControlLook : public TPersistent {
public:
    // Creates the drop-down header and footer settings for the grid.
    explicit TControlLook(TVynStringGrid* AGrid);
    ~TControlLook() override;
    TVynStringGrid* Grid() const { return FGrid; }

    // The header and footer of the in-place drop-downs' popups: a write
    // copies the given settings into the owned ones, without repainting.
    THeaderAppearance* DropDownHeader() const { return FDropDownHeader; }
    void SetDropDownHeader(const THeaderAppearance& Value);
    TFooterAppearance* DropDownFooter() const { return FDropDownFooter; }
    void SetDropDownFooter(const TFooterAppearance& Value);

    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    TColor CommentColor() const { return FCommentColor; }
    void SetCommentColor(TColor Value) { FCommentColor = Value; }
    int CheckSize() const { return FCheckSize; }
    void SetCheckSize(int Value) { FCheckSize = Value; }
    bool CheckAlwaysActive() const { return FCheckAlwaysActive; }
    void SetCheckAlwaysActive(bool Value) { FCheckAlwaysActive = Value; }
    int RadioSize() const { return FRadioSize; }
    void SetRadioSize(int Value) { FRadioSize = Value; }
    bool RadioAlwaysActive() const { return FRadioAlwaysActive; }
    void SetRadioAlwaysActive(bool Value) { FRadioAlwaysActive = Value; }
    VynObj::TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(VynObj::TControlStyle Value) { FControlStyle = Value; }
    bool DropDownAlwaysVisible() const { return FDropDownAlwaysVisible; }
    void SetDropDownAlwaysVisible(bool Value) { FDropDownAlwaysVisible = Value; }
    bool SpinButtonsAlwaysVisible() const { return FSpinButtonsAlwaysVisible; }
    void SetSpinButtonsAlwaysVisible(bool Value) { FSpinButtonsAlwaysVisible = Value; }

    void Assign(const TPersistent& Source) override;

private:
    TVynStringGrid* FGrid;
    THeaderAppearance* FDropDownHeader = nullptr;
    TFooterAppearance* FDropDownFooter = nullptr;
    TColor FColor = 0x000000;
    TColor FCommentColor = 0x0000FF;
    int FCheckSize = 15;
    bool FCheckAlwaysActive = false;
    int FRadioSize = 10;
    bool FRadioAlwaysActive = false;
    VynObj::TControlStyle FControlStyle = VynObj::TControlStyle::csTheme;
    bool FDropDownAlwaysVisible = false;
    bool FSpinButtonsAlwaysVisible = false;
};

enum class TBackGroundDisplay { bdTile, bdFixed, bdGradientHorz, bdGradientVert };

class TBackGround : public TPersistent {
public:
    explicit TBackGround(TVynStringGrid* AGrid) : FGrid(AGrid) {}
    TBackGroundDisplay Display() const { return FDisplay; }
    void SetDisplay(TBackGroundDisplay Value) { FDisplay = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value) { FColorTo = Value; }
    void Assign(const TPersistent& Source) override;

private:
    TVynStringGrid* FGrid;
    TBackGroundDisplay FDisplay = TBackGroundDisplay::bdTile;
    TColor FColor = clWindow;
    TColor FColorTo = clBtnFace;
};

class TShowModified : public TPersistent {
public:
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    void Assign(const TPersistent& Source) override;
    TNotifyEvent OnChange;

private:
    bool FEnabled = false;
    TColor FColor = 0x00FFFF;
};

class TGridProgressAppearance : public TPersistent {
public:
    void Assign(const TPersistent& Source) override;
    TNotifyEvent OnChange;
};

// The hint window that shows HTML-formatted hints.
class THTMLHintWindow : public THintWindow {
public:
    using THintWindow::THintWindow;
};
