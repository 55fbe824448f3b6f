#pragma once
// The hot and selected colours of a list item and its font, as the item
// selector and the list-like drop-downs paint them. The colours are plain
// fields (writing them notifies nothing); SetColorStyle loads the colours of
// a selection colour style, SetItemAppearanceStyle (the drop-down's) those
// of a component style.
#include <memory>

#include "controls/dropdown/DropDownTypes.h"
#include "platform/gui/graphics.h"

class TItemAppearance : public TPersistent {
public:
    explicit TItemAppearance(TPersistent* AOwner = nullptr);
    ~TItemAppearance() override;

    TColor ColorMirrorHotTo = clNone;
    TColor BorderColor = clNone;
    TColor ColorMirrorHot = clNone;
    TColor ColorSelectedTo = clNone;
    TColor ColorSelected = clNone;
    TColor EdgeColor = clNone;
    TColor ColorHotTo = clNone;
    TColor BorderColorBottom = clNone;
    TColor ColorHot = clNone;
    TColor BorderColorTop = clNone;
    TColor ColorMirrorSelectedTo = clNone;
    TColor ColorMirrorSelected = clNone;
    TColor ColorSelectedText = 0;
    TColor ColorHotText = 0;
    TColor BorderColorHot = clNone;
    TColor BorderColorSelected = clNone;

    TPersistent* GetOwner() const { return fOwner_; }
    TFont& Font() { return *fFont_; }
    const TFont& Font() const { return *fFont_; }
    void SetFont(const TFont& Value) { fFont_->Assign(Value); }
    TSelectionColorStyle ColorStyle() const { return fColorStyle_; }
    // Loads the twelve colours of scOffice2007, scWindowsVista or
    // scWindows7 (scCustom keeps them); nothing when Style is the present
    // one.
    void SetColorStyle(TSelectionColorStyle Style);
    // From another TItemAppearance: the twelve colours, the font, the style
    // (reloading its colours when it differs), then the two text colours
    // and the two hot and selected borders. Any other source: nothing.
    void Assign(const TPersistent& Source) override;

    TNotifyEvent OnChange;

private:
    TPersistent* fOwner_;
    TSelectionColorStyle fColorStyle_ = scCustom;
    std::unique_ptr<TFont> fFont_;
};
