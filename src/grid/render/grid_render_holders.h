#pragma once
// The grid's look settings that painting reads: the cell controls' look
// (TControlLook), the background (TBackGround), the modified-row marker
// (TShowModified), the progress-bar colours (TGridProgressAppearance) and
// the HTML hint window. Each is owned by its grid, created with it, and
// assigned by copying.
//
// Change rules:
// - TControlLook: the look setters store and repaint the grid; the fixed
//   gradient setters also set the grid's matching colour (from, to and
//   border colours only when not none, mirror colours always); Assign
//   copies without repainting and without telling the grid, and leaves
//   FlatButton, ProgressXP, the two NoDisabled flags and FixedDropDownButton
//   alone.
// - TBackGround: every setter stores and repaints.
// - TShowModified: Color fires OnChange on every write (also unchanged);
//   Enabled is a plain value; Assign fires nothing.
// - TGridProgressAppearance: a setter fires OnChange only on a change;
//   Assign copies everything (Style too) and fires OnChange once.
#include <memory>

#include "controls/dropdown/DropDownAppearance.h"  // THeaderAppearance, TFooterAppearance
#include "grid/core/grid_types.h"
#include "grid/render/html/html_picture.h"  // THTMLPictureCache
#include "grid/render/html_hint_window.h"
#include "platform/gui/bitmap.h"
#include "platform/gui/classes.h"
#include "platform/gui/hintwindow.h"

class TVynStringGrid;

class TControlLook : public TPersistent {
public:
    // Creates the drop-down header and footer settings for the grid (which
    // may be nullptr: the settings then tell nobody).
    explicit TControlLook(TVynStringGrid* AGrid);
    ~TControlLook() override;
    TVynStringGrid* Grid() const { return FGrid; }

    // The colour defaults; the hover and down mirror colours go through
    // their setters, so the grid's become none as well.
    void Init();

    // The header and footer of the in-place drop-downs' popups: a write
    // copies the given settings into the owned ones, without repainting.
    THeaderAppearance* DropDownHeader() const { return FDropDownHeader; }
    void SetDropDownHeader(const THeaderAppearance& Value);
    TFooterAppearance* DropDownFooter() const { return FDropDownFooter; }
    void SetDropDownFooter(const TFooterAppearance& Value);

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TColor CommentColor() const { return FCommentColor; }
    void SetCommentColor(TColor Value);
    int CheckSize() const { return FCheckSize; }
    void SetCheckSize(int Value);
    bool CheckAlwaysActive() const { return FCheckAlwaysActive; }
    void SetCheckAlwaysActive(bool Value) { FCheckAlwaysActive = Value; }
    int RadioSize() const { return FRadioSize; }
    void SetRadioSize(int Value);
    bool RadioAlwaysActive() const { return FRadioAlwaysActive; }
    void SetRadioAlwaysActive(bool Value) { FRadioAlwaysActive = Value; }
    VynObj::TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(VynObj::TControlStyle Value);
    bool DropDownAlwaysVisible() const { return FDropDownAlwaysVisible; }
    void SetDropDownAlwaysVisible(bool Value);
    bool SpinButtonsAlwaysVisible() const { return FSpinButtonsAlwaysVisible; }
    void SetSpinButtonsAlwaysVisible(bool Value);
    bool FlatButton() const { return FFlatButton; }
    void SetFlatButton(bool Value);
    bool NoDisabledCheckRadioLook() const { return FNoDisabledCheckRadioLook; }
    void SetNoDisabledCheckRadioLook(bool Value);
    bool NoDisabledButtonLook() const { return FNoDisabledButtonLook; }
    void SetNoDisabledButtonLook(bool Value);
    int ProgressMarginX() const { return FProgressMarginX; }
    void SetProgressMarginX(int Value);
    int ProgressMarginY() const { return FProgressMarginY; }
    void SetProgressMarginY(int Value);
    bool ProgressXP() const { return FProgressXP; }
    void SetProgressXP(bool Value);
    TColor ProgressBorderColor() const { return FProgressBorderColor; }
    void SetProgressBorderColor(TColor Value) { FProgressBorderColor = Value; }
    bool FixedDropDownButton() const { return FFixedDropDownButton; }
    void SetFixedDropDownButton(bool Value) { FFixedDropDownButton = Value; }
    int HintMaxWidth() const { return FHintMaxWidth; }
    void SetHintMaxWidth(int Value) { FHintMaxWidth = Value; }
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int Value) { FDropDownCount = Value; }

    // The owned glyphs: a write copies the bitmap and repaints.
    TBitmap* CheckedGlyph() const { return FCheckedGlyph.get(); }
    void SetCheckedGlyph(const TBitmap& Value);
    TBitmap* UnCheckedGlyph() const { return FUnCheckedGlyph.get(); }
    void SetUnCheckedGlyph(const TBitmap& Value);
    TBitmap* RadioOnGlyph() const { return FRadioOnGlyph.get(); }
    void SetRadioOnGlyph(const TBitmap& Value);
    TBitmap* RadioOffGlyph() const { return FRadioOffGlyph.get(); }
    void SetRadioOffGlyph(const TBitmap& Value);

    // The fixed-cell gradients, mirrored into the grid's VynGradient... colours.
    TColor FixedGradientFrom() const { return FFixedGradientFrom; }
    void SetFixedGradientFrom(TColor Value);
    TColor FixedGradientTo() const { return FFixedGradientTo; }
    void SetFixedGradientTo(TColor Value);
    TColor FixedGradientMirrorFrom() const { return FFixedGradientMirrorFrom; }
    void SetFixedGradientMirrorFrom(TColor Value);
    TColor FixedGradientMirrorTo() const { return FFixedGradientMirrorTo; }
    void SetFixedGradientMirrorTo(TColor Value);
    TColor FixedGradientHoverFrom() const { return FFixedGradientHoverFrom; }
    void SetFixedGradientHoverFrom(TColor Value);
    TColor FixedGradientHoverTo() const { return FFixedGradientHoverTo; }
    void SetFixedGradientHoverTo(TColor Value);
    TColor FixedGradientHoverMirrorFrom() const { return FFixedGradientHoverMirrorFrom; }
    void SetFixedGradientHoverMirrorFrom(TColor Value);
    TColor FixedGradientHoverMirrorTo() const { return FFixedGradientHoverMirrorTo; }
    void SetFixedGradientHoverMirrorTo(TColor Value);
    TColor FixedGradientHoverBorder() const { return FFixedGradientHoverBorder; }
    void SetFixedGradientHoverBorder(TColor Value);
    TColor FixedGradientDownFrom() const { return FFixedGradientDownFrom; }
    void SetFixedGradientDownFrom(TColor Value);
    TColor FixedGradientDownTo() const { return FFixedGradientDownTo; }
    void SetFixedGradientDownTo(TColor Value);
    TColor FixedGradientDownMirrorFrom() const { return FFixedGradientDownMirrorFrom; }
    void SetFixedGradientDownMirrorFrom(TColor Value);
    TColor FixedGradientDownMirrorTo() const { return FFixedGradientDownMirrorTo; }
    void SetFixedGradientDownMirrorTo(TColor Value);
    TColor FixedGradientDownBorder() const { return FFixedGradientDownBorder; }
    void SetFixedGradientDownBorder(TColor Value);

    void Assign(const TPersistent& Source) override;

private:
    void Repaint();

    TVynStringGrid* FGrid;
    THeaderAppearance* FDropDownHeader = nullptr;
    TFooterAppearance* FDropDownFooter = nullptr;
    std::unique_ptr<TBitmap> FCheckedGlyph, FUnCheckedGlyph, FRadioOnGlyph, FRadioOffGlyph;
    TColor FColor = 0x000000;
    TColor FCommentColor = 0x0000FF;
    int FCheckSize = 15;
    bool FCheckAlwaysActive = false;
    int FRadioSize = 10;
    bool FRadioAlwaysActive = false;
    VynObj::TControlStyle FControlStyle = VynObj::TControlStyle::csTheme;
    bool FDropDownAlwaysVisible = false;
    bool FSpinButtonsAlwaysVisible = false;
    bool FFlatButton = false;
    bool FNoDisabledCheckRadioLook = false;
    bool FNoDisabledButtonLook = false;
    int FProgressMarginX = 2;
    int FProgressMarginY = 2;
    bool FProgressXP = false;
    TColor FProgressBorderColor = 0x808080;
    bool FFixedDropDownButton = false;
    int FHintMaxWidth = 0;
    int FDropDownCount = 8;
    TColor FFixedGradientFrom = clNone, FFixedGradientTo = clNone, FFixedGradientMirrorFrom = clNone,
           FFixedGradientMirrorTo = clNone;
    TColor FFixedGradientHoverFrom = 0x808080, FFixedGradientHoverTo = 0xFFFFFF,
           FFixedGradientHoverMirrorFrom = clNone, FFixedGradientHoverMirrorTo = clNone,
           FFixedGradientHoverBorder = 0xC0C0C0;
    TColor FFixedGradientDownFrom = 0x808080, FFixedGradientDownTo = 0xC0C0C0, FFixedGradientDownMirrorFrom = clNone,
           FFixedGradientDownMirrorTo = clNone, FFixedGradientDownBorder = 0x808080;
};

enum class TBackGroundDisplay { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum class TBackGroundCells { bcNormal, bcFixed, bcAll };

class TBackGround : public TPersistent {
public:
    explicit TBackGround(TVynStringGrid* AGrid);
    int Top() const { return FTop; }
    void SetTop(int Value);
    int Left() const { return FLeft; }
    void SetLeft(int Value);
    TBackGroundDisplay Display() const { return FDisplay; }
    void SetDisplay(TBackGroundDisplay Value);
    TBackGroundCells Cells() const { return FCells; }
    void SetCells(TBackGroundCells Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value);
    TBitmap* Bitmap() const { return FBitmap.get(); }
    void SetBitmap(const TBitmap& Value);
    bool IsGradient() const
    {
        return FDisplay == TBackGroundDisplay::bdGradientHorz || FDisplay == TBackGroundDisplay::bdGradientVert;
    }
    void Assign(const TPersistent& Source) override;

private:
    void Repaint();
    TVynStringGrid* FGrid;
    int FTop = 0;
    int FLeft = 0;
    TBackGroundDisplay FDisplay = TBackGroundDisplay::bdTile;
    TBackGroundCells FCells = TBackGroundCells::bcNormal;
    TColor FColor = clWindow;
    TColor FColorTo = clBtnFace;
    std::unique_ptr<TBitmap> FBitmap;
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

enum class TProgressStyle { psXP, psClassic };

class TGridProgressAppearance : public TPersistent {
public:
// Every setting: type, name, default.
#define VYN_PROGRESS_SETTINGS(X)                    \
    X(TColor, CompleteColor, 0x0000FF)              \
    X(TColor, CompleteFontColor, 0xFF0000)          \
    X(TColor, UnCompleteColor, clNone)              \
    X(TColor, UnCompleteFontColor, clWindowText)    \
    X(TColor, Level0Color, 0x00FF00)                \
    X(TColor, Level0ColorTo, 0xE1FFE1)              \
    X(TColor, Level1Color, 0x00FFFF)                \
    X(TColor, Level1ColorTo, 0xCAFFFF)              \
    X(TColor, Level2Color, 0x53A9FF)                \
    X(TColor, Level2ColorTo, 0xA8D3FF)              \
    X(TColor, Level3Color, 0x0000FF)                \
    X(TColor, Level3ColorTo, 0xCACAFF)              \
    X(int, Level1Perc, 70)                          \
    X(int, Level2Perc, 90)                          \
    X(TColor, BorderColor, 0x000000)                \
    X(bool, ShowBorder, false)                      \
    X(bool, Stacked, false)                         \
    X(bool, ShowPercentage, true)                   \
    X(bool, CompletionSmooth, true)                 \
    X(bool, ShowGradient, true)                     \
    X(int, Steps, 11)                               \
    X(TProgressStyle, Style, TProgressStyle::psXP)
#define VYN_PROGRESS_ACCESS(T, N, D)  \
    T N() const { return F##N; }      \
    void Set##N(T Value)              \
    {                                 \
        if (F##N == Value)            \
            return;                   \
        F##N = Value;                 \
        Changed();                    \
    }
    VYN_PROGRESS_SETTINGS(VYN_PROGRESS_ACCESS)
#undef VYN_PROGRESS_ACCESS
    void Assign(const TPersistent& Source) override;
    TNotifyEvent OnChange;

private:
#define VYN_PROGRESS_FIELD(T, N, D) T F##N = D;
    VYN_PROGRESS_SETTINGS(VYN_PROGRESS_FIELD)
#undef VYN_PROGRESS_FIELD
    void Changed()
    {
        if (OnChange)
            OnChange(this);
    }
};

