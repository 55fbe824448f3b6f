#pragma once
// TVynColorPickerDropDown: a drop-down whose popup picks a colour in one of
// four ways (ColorSelectionStyle): a list of named colours (the item
// selector), the palette of 60 boxes, the honeycomb cube or the spectrum.
// The edit takes no typed text: it paints a box in the chosen colour and,
// with ShowText, SelectedColorText.
//
// Rules:
// - ItemIndex takes -1 .. Count - 1 of Colors (beyond: ignored); an index
//   of 0 or more takes the item's colour; every write fires OnSelect.
// - SelectedColor selects the first item of exactly that colour (OnSelect);
//   a colour no item has clears ItemIndex to -1 (OnSelect when an item was
//   chosen), so SelectedColorText names that colour.
// - SelectedColorText: the chosen item's caption in csList, else the colour
//   in the ColorValueText form ("0000FF" blue first, the web name, "Red:255,
//   Green:0,Blue:0", "#FF0000").
// - a pick in the palette, the cube or the spectrum sets SelectedColor and
//   then ItemIndex -1 and closes the popup.
// - keys of the list (csList): PageUp/PageDown by the visible rows, Home,
//   End, Up and Down (by a row of Columns in the open list), Left and Right
//   in the open list, other keys a type-ahead search that lives 500 ms from
//   its first key; the palette has its own keys (HandleKey); Enter on a hot
//   item picks it, else fires OnSelect.
// - Esc in an open popup puts back the index (csList) or the colour
//   (csDiscrete) of the opening; Esc on a closed picker changes nothing.
#include <memory>

#include "controls/dropdown/ColorSelectors.h"
#include "controls/dropdown/SelectorDropDown.h"
#include "controls/dropdown/VynDropDown.h"

enum class TColorSelectionStyle { csList, csDiscrete, csColorCube, csSpectrum };
using TColorSelectionStyle::csList, TColorSelectionStyle::csDiscrete, TColorSelectionStyle::csColorCube,
    TColorSelectionStyle::csSpectrum;
enum class TColorValueText { cvtNone, cvtHex, cvtWebName, cvtRGB, cvtHTML };
using TColorValueText::cvtNone, TColorValueText::cvtHex, TColorValueText::cvtWebName, TColorValueText::cvtRGB,
    TColorValueText::cvtHTML;

// The identifier of the web colour with the RGB value of Color ("clWebSnow";
// where two keywords share a value the first of the table wins), else "#"
// and the six upper-case hex digits of the value, red first.
String ColorToWebColorName(TColor Color);

class TColorItem : public TPickerItem {
public:
    using TPickerItem::TPickerItem;
    const String& Caption() const { return fCaption_; }
    void SetCaption(const String& Value) { SetNotifying(fCaption_, Value); }
    TColor Color() const { return fColor_; }
    void SetColor(TColor Value) { SetNotifying(fColor_, Value); }
    bool Enabled() const { return fEnabled_; }
    void SetEnabled(bool Value) { fEnabled_ = Value; }
    const String& Hint() const { return fHint_; }
    void SetHint(const String& Value) { fHint_ = Value; }
    void Assign(const TPersistent& Source) override;

private:
    String fCaption_;
    TColor fColor_ = clNone;
    bool fEnabled_ = true;
    String fHint_;
};

class TColorItems : public TPickerItems<TColorItem> {
public:
    using TPickerItems::TPickerItems;
};

class TVynColorPickerDropDown : public TVynSelectorPicker {
public:
    explicit TVynColorPickerDropDown(TComponent* AOwner);
    ~TVynColorPickerDropDown() override;

    // Appends the 16 named colours.
    void AddDefaultColors();

    int Columns() const { return fColumns_; }
    void SetColumns(int Value) { fColumns_ = Value; }
    TItemLayout Layout() const { return fLayout_; }
    void SetLayout(TItemLayout Value) { fLayout_ = Value; }
    TColorItems& Colors() const { return *fColors_; }
    void SetColors(const TColorItems& Value) { fColors_->Assign(Value); }
    int ItemIndex() const { return fItemIndex_; }
    void SetItemIndex(int Value);
    int ColorBoxWidth() const { return fColorBoxWidth_; }
    void SetColorBoxWidth(int Value) { fColorBoxWidth_ = Value; }
    int ColorBoxHeight() const { return fColorBoxHeight_; }
    void SetColorBoxHeight(int Value) { fColorBoxHeight_ = Value; }
    TColorSelectionStyle ColorSelectionStyle() const { return fColorSelectionStyle_; }
    void SetColorSelectionStyle(TColorSelectionStyle Value);
    TColor SelectedColor() const { return fSelectedColor_; }
    void SetSelectedColor(TColor Value);
    bool ShowText() const { return fShowText_; }
    void SetShowText(bool Value);
    TItemAppearance& ItemAppearance() const { return *fItemAppearance_; }
    void SetItemAppearance(const TItemAppearance& Value) { fItemAppearance_->Assign(Value); }
    TColorValueText ColorValueText() const { return fColorValueText_; }
    void SetColorValueText(TColorValueText Value) { fColorValueText_ = Value; }
    virtual String SelectedColorText() const;
    // The type-ahead text of the list.
    const String& CurSearch() const { return fTypeAhead_.Text(); }

    // The hosted controls (nullptr until first needed).
    TVynColorCubePanel* ColorCubePanel() const { return fColorCubePanel_; }
    TVynColorSpectrumPanel* SpectrumPanel() const { return fSpectrumPanel_; }
    TCustomColorSelector* ColorSelector() const { return fColorSelector_; }

    void DoHideDropDown(bool Cancel) override;
    void DoDropDownDestroy() override;
    void SetComponentStyle(TVynStyle AStyle) override;

    TNotifyEvent OnSelect;
    TOnDrawSelectedItem OnDrawSelectedColor;
    TSelectorDrawItemEvent OnDrawColor;

protected:
    void CreateWnd() override;
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void PlaceDropDownControl() override;
    void UpdateDropDownSize() override;
    void HandleMouseWheelDown() override;
    void HandleMouseWheelUp() override;
    void DrawFocusedText(TCanvas& Canvas) override;
    void WMKeyDown(TMessage& Message) override;

private:
    // Creates the list selector when missing and makes it the hosted one.
    void CreateItemSelector();
    void SetUpSelector();
    // Creates the control of Style if missing, configures it as at an
    // opening and hides the others.
    void PrepareStyle(TColorSelectionStyle Style);
    void HideOthers(TControl* Keep);
    TWinControl* StyleControl() const;
    void PaletteSelect();
    void PanelSelect(TColor Color);
    void WheelStep(bool Down);
    void SyncPalette();
    void DrawSelectedColor(TCanvas& Canvas);
    TSelectorListKeys ListKeys();

    TVynColorCubePanel* fColorCubePanel_ = nullptr;
    TVynColorSpectrumPanel* fSpectrumPanel_ = nullptr;
    TCustomColorSelector* fColorSelector_ = nullptr;
    int fColumns_ = 1;
    TItemLayout fLayout_ = ilCaptionRight;
    std::unique_ptr<TColorItems> fColors_;
    int fItemIndex_ = -1;
    int fColorBoxWidth_ = 14, fColorBoxHeight_ = 14;
    TColorSelectionStyle fColorSelectionStyle_ = csList;
    TColor fSelectedColor_ = clNone;
    bool fShowText_ = true;
    std::unique_ptr<TItemAppearance> fItemAppearance_;
    TTypeAhead fTypeAhead_;
    int fOldItemIndex_ = -1;
    TColor fOldSelectedColor_ = clNone;
    bool fDesignTime_ = false;
    TColorValueText fColorValueText_ = cvtNone;
};
