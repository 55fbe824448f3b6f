#pragma once
// The colour picker's three hosted panels besides the item selector:
// - TVynColorCubePanel: a honeycomb of 127 hexagonal colour cells (13 rows
//   of 7 .. 13 .. 7); a cell is hit within 6 pixels of its centre, the
//   lower-numbered cell first; hovering shows its RGB values as the hint.
// - TVynColorSpectrumPanel: a 128 x 128 picture of every hue (across) from
//   white (top row) through the pure hues (row 64) to black (bottom row)
//   with a box for the chosen and one for the hovered colour; the colour is
//   read from the picture's own pixels. The picture is made once by our
//   code; the picking cursor (cursor number 54) is drawn by our code.
// - TCustomColorSelector: a palette of colour boxes in columns (60 in the
//   default palette: ten base colours and, under each, a framed strip of
//   five shades), with a hot and a selected box and the list keys.
// Each fires its OnSelect (the palette: OnItemSelect) when the user picks.
#include <memory>

#include "controls/dropdown/DropDownTypes.h"
#include "controls/dropdown/PickerItems.h"
#include "platform/gui/bitmap.h"
#include "platform/gui/controls.h"
#include "platform/gui/messages.h"

class TImage;

// The screen cursor number of the spectrum's picking cursor.
constexpr TCursor crVynPointer = 54;

class TVynCustomColorSelectorPanel : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    // The mouse button was released over the cube, the spectrum or its
    // picture.
    TNotifyEvent OnShouldHide;
};

// ---- the cube ----------------------------------------------------------------------------------------

class TVynColorCubePanel : public TVynCustomColorSelectorPanel {
public:
    static constexpr int CellCount = 127;
    struct TCubeCell {
        TPoint Center;
        TColor Color = clNone;
    };

    explicit TVynColorCubePanel(TComponent* AOwner);

    // Fills the colour table and the centres.
    void InitCube();
    const TCubeCell& Cell(int Index) const { return fCubeCells_[Index]; }
    TPoint CubeSize() const { return fCubeSize_; }
    // The first cell (1 .. 127) whose centre lies within the half width of
    // (X, Y); -1 none.
    int HitTest(int X, int Y) const;
    TColor SelectedColor() const { return fSelectedColor_; }
    // Selects the first cell of exactly that colour, or none.
    void SetSelectedColor(TColor Value);
    int SelectedIndex() const { return fSelectedIndex_; }
    int HotIndex() const { return fHotIndex_; }
    void SetHotIndex(int Value);
    bool ShowRGBHint() const { return fShowRGBHint_; }
    void SetShowRGBHint(bool Value);

    TNotifyEvent OnSelect;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void DrawCell(TCanvas& Canvas, int Index);
    void InvalidateCell(int Index);

    TCubeCell fCubeCells_[CellCount + 1];
    TPoint fCubeSize_{6, 3};
    TColor fSelectedColor_ = clNone;
    int fSelectedIndex_ = -1;
    int fHotIndex_ = -1;
    bool fShowRGBHint_ = true;
};

// ---- the spectrum ------------------------------------------------------------------------------------

// The spectrum picture, made once: 128 x 128, 24 bits per pixel.
const TBitmap& SpectrumBitmap();
// Installs the picking cursor as cursor number crVynPointer (once).
void InstallVynPointerCursor();

class TVynColorSpectrumPanel : public TVynCustomColorSelectorPanel {
public:
    explicit TVynColorSpectrumPanel(TComponent* AOwner);

    TImage* SpectrumImage() const { return fSpectrumImage_; }
    TColor SelectedColor() const { return fSelectedColor_; }
    void SetSelectedColor(TColor Value);
    TColor HotColor() const { return fHotColor_; }
    TRect HotRect() const { return fHotRect_; }
    TRect SelectedRect() const { return fSelectedRect_; }
    // Sizes the panel, places the picture and the two boxes, forgets the
    // hot colour.
    void UpdateLayout();

    TNotifyEvent OnSelect;

protected:
    void Paint() override;

private:
    void ImageMouseMove(int X, int Y);
    void ImageMouseDown();

    TImage* fSpectrumImage_;
    TColor fHotColor_ = clNone;
    TColor fSelectedColor_ = 0xFFFFFF;
    TRect fHotRect_;
    TRect fSelectedRect_;
};

// ---- the palette -------------------------------------------------------------------------------------

enum class TItemPos { ipStandAlone, ipTop, ipMiddle, ipBottom };
using TItemPos::ipStandAlone, TItemPos::ipTop, TItemPos::ipMiddle, TItemPos::ipBottom;

class TColorBoxAppearance : public TPersistent {
public:
    TColor BorderColor = 0xC5C5C5;
    TColor OuterBorderColorHot = 0x3694F2;
    TColor InnerBorderColorHot = 0x94E2FF;
    TColor OuterBorderColorSelected = 0x0000FF;
    TColor InnerBorderColorSelected = 0x94E2FF;
    void Assign(const TPersistent& Source) override;
    TNotifyEvent OnChange;
};

class TColorBoxItem : public TPickerItem {
public:
    using TPickerItem::TPickerItem;
    TColor Color() const { return fColor_; }
    void SetColor(TColor Value) { SetNotifying(fColor_, Value); }
    bool Enabled() const { return fEnabled_; }
    void SetEnabled(bool Value) { fEnabled_ = Value; }
    const TRect& ItemRect() const { return fRect_; }
    void SetItemRect(const TRect& Value) { fRect_ = Value; }
    TItemPos ColorBoxPos() const { return fColorBoxPos_; }
    void SetColorBoxPos(TItemPos Value) { fColorBoxPos_ = Value; }
    void Assign(const TPersistent& Source) override;

private:
    TColor fColor_ = clNone;
    bool fEnabled_ = true;
    TRect fRect_;
    TItemPos fColorBoxPos_ = ipStandAlone;
};

class TColorBoxItems : public TPickerItems<TColorBoxItem> {
public:
    using TPickerItems::TPickerItems;
};

class TCustomColorSelector : public TVynCustomColorSelectorPanel {
public:
    explicit TCustomColorSelector(TComponent* AOwner);
    ~TCustomColorSelector() override;

    // The 60 boxes of the default palette (appended).
    void LoadDefaultPalette();

    int ItemIndex() const { return fItemIndex_; }
    // A disabled box is refused; 0 or more takes the box's colour and fires
    // OnItemSelect.
    void SetItemIndex(int Value);
    int ItemHot() const { return fItemHot_; }
    void SetItemHot(int Value);
    TColor SelectedColor() const { return fSelectedColor_; }
    // Selects the first box of that colour (OnItemSelect), else -1 (no
    // event).
    void SetSelectedColor(TColor Value);
    TColorBoxItems& Items() const { return *fItems_; }
    void SetItems(const TColorBoxItems& Value) { fItems_->Assign(Value); }
    int Columns() const { return fColumns_; }
    void SetColumns(int Value);
    int ColumnGap() const { return fColumnGap_; }
    void SetColumnGap(int Value);
    int ColorBoxWidth() const { return fColorBoxWidth_; }
    void SetColorBoxWidth(int Value);
    int ColorBoxHeight() const { return fColorBoxHeight_; }
    void SetColorBoxHeight(int Value);
    TColorBoxAppearance& ColorBoxAppearance() const { return *fColorBoxAppearance_; }
    void SetColorBoxAppearance(const TColorBoxAppearance& Value) { fColorBoxAppearance_->Assign(Value); }
    TSelectionColorStyle ItemColorStyle() const { return fItemColorStyle_; }
    void SetItemColorStyle(TSelectionColorStyle Value);
    // The list keys (33 .. 40) of the picker; nothing while disabled.
    void HandleKey(Word Key, bool EditorEnabled, bool DroppedDown);
    // The first box under (X, Y); -1 none.
    int ItemAtPos(int X, int Y) const;
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();

    virtual void DrawColorBox(int Index, TCanvas& Canvas);
    virtual void GetItemsArea(TRect& R);
    virtual void GetColorBoxSize(TSize& Size);
    virtual void UpdateLayout();
    virtual void InvalidateColorBox(int Index);

    TNotifyEvent OnItemSelect;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void CMMouseLeave(TMessage& Message) override;

private:
    bool enabledBox(int Index) const;

    int fItemIndex_ = -1;
    int fItemHot_ = -1;
    int fOffSetX_ = 4, fOffSetY_ = 4;
    int fColumns_ = 10;
    int fColumnGap_ = 4;
    int fColorBoxHeight_ = 12, fColorBoxWidth_ = 12;
    std::unique_ptr<TColorBoxAppearance> fColorBoxAppearance_;
    std::unique_ptr<TColorBoxItems> fItems_;
    TSelectionColorStyle fItemColorStyle_ = scCustom;
    TColor fSelectedColor_ = clNone;
};
