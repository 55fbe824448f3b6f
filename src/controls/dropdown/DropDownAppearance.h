#pragma once
// The settings of a drop-down popup's header and footer bars
// (THeaderAppearance, TFooterAppearance) with their button items, and the
// colours of the bar buttons (TVynButtonAppearance). Data holders only: the
// bars that paint them come with the popup.
//
// Notifications:
// - an appearance's OnChange fires only when Visible changes; every other
//   setting is stored silently (a drop-down re-initialises its open popup on
//   OnChange, so only showing or hiding a bar reaches an open popup at once).
// - a button item's Caption, Enabled and Width, when changed, fire the
//   collection's OnChange, which the appearance passes on as
//   OnButtonsChanged; Height, ImageIndex and ModalResult fire nothing.
// - Assign and AssignColors copy only from an object of the same class;
//   anything else changes nothing and raises nothing.
// - The buttons collection's owner is the appearance's owner (the drop-down
//   or the grid), not the appearance.
#include <memory>

#include "controls/dropdown/DropDownTypes.h"
#include "platform/gui/canvas.h"
#include "platform/gui/classes.h"
#include "platform/gui/controls.h"

// ---- button items --------------------------------------------------------------------------

class THeaderButton : public TCollectionItem {
public:
    explicit THeaderButton(TCollection* Collection) : TCollectionItem(Collection) {}

    const String& Caption() const { return fCaption_; }
    void SetCaption(const String& Value);
    int ImageIndex() const { return fImageIndex_; }
    void SetImageIndex(int Value) { fImageIndex_ = Value; }
    bool Enabled() const { return fEnabled_; }
    void SetEnabled(bool Value);
    // 0: the bar sizes the button to its caption and image.
    int Height() const { return fHeight_; }
    void SetHeight(int Value) { fHeight_ = Value; }
    int Width() const { return fWidth_; }
    void SetWidth(int Value);

    // From a THeaderButton; anything else is the platform's (raises).
    void Assign(const TPersistent& Source) override;

protected:
    void NotifyButtons();

private:
    String fCaption_;
    int fImageIndex_ = -1;
    bool fEnabled_ = true;
    int fHeight_ = 0;
    int fWidth_ = 0;
};

class TFooterButton : public THeaderButton {
public:
    explicit TFooterButton(TCollection* Collection) : THeaderButton(Collection) {}
    // The footer bar closes the popup with it.
    TModalResult ModalResult() const { return fModalResult_; }
    void SetModalResult(TModalResult Value) { fModalResult_ = Value; }
    // From a TFooterButton (ModalResult after ImageIndex); anything else is
    // the platform's (raises).
    void Assign(const TPersistent& Source) override;

private:
    TModalResult fModalResult_ = mrNone;
};

// The buttons of a bar. Owner: the drop-down or the grid.
class TButtonItems : public TCollection {
public:
    TButtonItems(TItemFactory Factory, TPersistent* AOwner) : TCollection(std::move(Factory), AOwner) {}
    // A button item's Caption, Enabled or Width changed.
    TNotifyEvent OnChange;
};

class THeaderButtons : public TButtonItems {
public:
    explicit THeaderButtons(TPersistent* AOwner);
    THeaderButton* Add() { return static_cast<THeaderButton*>(TCollection::Add()); }
    THeaderButton* Insert(int Index) { return static_cast<THeaderButton*>(TCollection::Insert(Index)); }
    THeaderButton* Items(int Index) const { return static_cast<THeaderButton*>(TCollection::Items(Index)); }
};

class TFooterButtons : public TButtonItems {
public:
    explicit TFooterButtons(TPersistent* AOwner);
    TFooterButton* Add() { return static_cast<TFooterButton*>(TCollection::Add()); }
    TFooterButton* Insert(int Index) { return static_cast<TFooterButton*>(TCollection::Insert(Index)); }
    TFooterButton* Items(int Index) const { return static_cast<TFooterButton*>(TCollection::Items(Index)); }
};

// ---- the bar settings ----------------------------------------------------------------------

// What a header and a footer share; each class copies only from its own kind.
class TBarAppearance : public TPersistent {
public:
    ~TBarAppearance() override;

    // The owner given at creation (the drop-down or the grid).
    TPersistent* GetOwner() const { return fOwner_; }

    bool Visible() const { return fVisible_; }
    // Fires OnChange when the value changes.
    void SetVisible(bool Value);
    int Height() const { return fHeight_; }
    void SetHeight(int Value) { fHeight_ = Value; }
    int BorderWidth() const { return fBorderWidth_; }
    void SetBorderWidth(int Value) { fBorderWidth_ = Value; }
    int ImageIndex() const { return fImageIndex_; }
    void SetImageIndex(int Value) { fImageIndex_ = Value; }
    // May hold the HTML subset the bars draw.
    const String& Caption() const { return fCaption_; }
    void SetCaption(const String& Value) { fCaption_ = Value; }
    TColor Color() const { return fColor_; }
    void SetColor(TColor Value) { fColor_ = Value; }
    TColor ColorTo() const { return fColorTo_; }
    void SetColorTo(TColor Value) { fColorTo_ = Value; }
    TColor BorderColor() const { return fBorderColor_; }
    void SetBorderColor(TColor Value) { fBorderColor_ = Value; }
    TFont& Font() { return *fFont_; }
    const TFont& Font() const { return *fFont_; }
    // Copies the font (no notification).
    void SetFont(const TFont& Value) { fFont_->Assign(Value); }
    TGradientDirection GradientDirection() const { return fGradientDirection_; }
    void SetGradientDirection(TGradientDirection Value) { fGradientDirection_ = Value; }
    TButtonAlignment ButtonAlignment() const { return fButtonAlignment_; }
    void SetButtonAlignment(TButtonAlignment Value) { fButtonAlignment_ = Value; }

    // The button items (THeaderButton, or TFooterButton for a footer).
    TButtonItems& ButtonItems() const { return *fButtons_; }

    // Set by the owner's code.
    TNotifyEvent OnChange;
    TNotifyEvent OnButtonsChanged;

protected:
    TBarAppearance(TPersistent* AOwner, std::unique_ptr<TButtonItems> Buttons);
    // What the header and the footer copy from a bar of their own kind: all
    // of a bar's settings and its buttons, or its colours and font only.
    void AssignBar(const TBarAppearance& Source);
    void AssignBarColors(const TBarAppearance& Source);

private:
    TPersistent* fOwner_;
    bool fVisible_ = true;
    int fHeight_ = 22;
    int fBorderWidth_ = 1;
    int fImageIndex_ = -1;
    String fCaption_;
    TColor fColorTo_ = 0xFFFFFF;
    TColor fColor_ = 0xC0C0C0;
    TColor fBorderColor_ = 0x000000;
    std::unique_ptr<TFont> fFont_;
    std::unique_ptr<TButtonItems> fButtons_;
    TGradientDirection fGradientDirection_ = gdVertical;
    TButtonAlignment fButtonAlignment_ = baRight;
};

class THeaderAppearance : public TBarAppearance {
public:
    explicit THeaderAppearance(TPersistent* AOwner);

    THeaderButtons& Buttons() const { return static_cast<THeaderButtons&>(ButtonItems()); }
    void SetButtons(const THeaderButtons& Value) { Buttons().Assign(Value); }

    // From a THeaderAppearance: ColorTo, Color, BorderColor, Caption, Font,
    // ImageIndex, BorderWidth, GradientDirection, Height, Visible (its
    // setter), ButtonAlignment, Buttons. Any other source: nothing.
    void Assign(const TPersistent& Source) override;
    // From a THeaderAppearance: ColorTo, Color, BorderColor, Font,
    // GradientDirection; no notification.
    void AssignColors(const TPersistent& Source);
};

class TFooterAppearance : public TBarAppearance {
public:
    explicit TFooterAppearance(TPersistent* AOwner);

    TFooterButtons& Buttons() const { return static_cast<TFooterButtons&>(ButtonItems()); }
    void SetButtons(const TFooterButtons& Value) { Buttons().Assign(Value); }
    // The footer shows a size grip.
    bool SizeGrip() const { return fSizeGrip_; }
    void SetSizeGrip(bool Value) { fSizeGrip_ = Value; }

    // From a TFooterAppearance: BorderColor, Color, ColorTo,
    // GradientDirection, Font, Caption, SizeGrip, BorderWidth, Height,
    // ImageIndex, Visible (its setter), ButtonAlignment, Buttons.
    void Assign(const TPersistent& Source) override;
    // From a TFooterAppearance: BorderColor, Color, ColorTo,
    // GradientDirection, Font; no notification.
    void AssignColors(const TPersistent& Source);

private:
    bool fSizeGrip_ = true;
};

// ---- the bar buttons' colours --------------------------------------------------------------

// Every colour setter and the gradient setter fire OnChange when the value
// changes; the font setter does not.
class TVynButtonAppearance : public TPersistent {
public:
    TVynButtonAppearance();
    ~TVynButtonAppearance() override;

    TColor BorderColor() const { return fBorderColor_; }
    void SetBorderColor(TColor Value) { setColor(fBorderColor_, Value); }
    TColor BorderColorHot() const { return fBorderColorHot_; }
    void SetBorderColorHot(TColor Value) { setColor(fBorderColorHot_, Value); }
    TColor BorderColorDown() const { return fBorderColorDown_; }
    void SetBorderColorDown(TColor Value) { setColor(fBorderColorDown_, Value); }
    TColor BorderColorDisabled() const { return fBorderColorDisabled_; }
    void SetBorderColorDisabled(TColor Value) { setColor(fBorderColorDisabled_, Value); }
    TColor BorderColorChecked() const { return fBorderColorChecked_; }
    void SetBorderColorChecked(TColor Value) { setColor(fBorderColorChecked_, Value); }
    TColor Color() const { return fColor_; }
    void SetColor(TColor Value) { setColor(fColor_, Value); }
    TColor ColorTo() const { return fColorTo_; }
    void SetColorTo(TColor Value) { setColor(fColorTo_, Value); }
    TColor ColorDown() const { return fColorDown_; }
    void SetColorDown(TColor Value) { setColor(fColorDown_, Value); }
    TColor ColorDownTo() const { return fColorDownTo_; }
    void SetColorDownTo(TColor Value) { setColor(fColorDownTo_, Value); }
    TColor ColorHot() const { return fColorHot_; }
    void SetColorHot(TColor Value) { setColor(fColorHot_, Value); }
    TColor ColorHotTo() const { return fColorHotTo_; }
    void SetColorHotTo(TColor Value) { setColor(fColorHotTo_, Value); }
    TColor ColorCheckedTo() const { return fColorCheckedTo_; }
    void SetColorCheckedTo(TColor Value) { setColor(fColorCheckedTo_, Value); }
    TColor ColorDisabled() const { return fColorDisabled_; }
    void SetColorDisabled(TColor Value) { setColor(fColorDisabled_, Value); }
    TColor ColorDisabledTo() const { return fColorDisabledTo_; }
    void SetColorDisabledTo(TColor Value) { setColor(fColorDisabledTo_, Value); }
    TColor ColorChecked() const { return fColorChecked_; }
    void SetColorChecked(TColor Value) { setColor(fColorChecked_, Value); }
    TGradientDirection Gradient() const { return fGradient_; }
    void SetGradient(TGradientDirection Value);
    TFont& Font() { return *fFont_; }
    void SetFont(const TFont& Value) { fFont_->Assign(Value); }

    // From a TVynButtonAppearance: the colours and the gradient through
    // their setters (not the font); anything else is the platform's.
    void Assign(const TPersistent& Source) override;

    TNotifyEvent OnChange;

private:
    void setColor(TColor& Field, TColor Value);
    void Changed();

    TColor fBorderColor_ = clNone;
    TColor fBorderColorHot_ = 0x808080;
    TColor fBorderColorDown_ = 0x800000;
    TColor fBorderColorDisabled_ = 0x808080;
    TColor fBorderColorChecked_ = 0xFF0000;
    TColor fColor_ = clNone;
    TColor fColorTo_ = clNone;
    TColor fColorDown_ = 0xF5D8CA;
    TColor fColorDownTo_ = 0xF9BDA0;
    TColor fColorHot_ = 0xF5F0E1;
    TColor fColorHotTo_ = 0xF9D2B2;
    TColor fColorCheckedTo_;
    TColor fColorDisabled_ = 0xF2F2F2;
    TColor fColorDisabledTo_ = clNone;
    TColor fColorChecked_;
    TGradientDirection fGradient_ = gdVertical;
    std::unique_ptr<TFont> fFont_;
};
