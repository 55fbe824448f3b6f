// The header and footer settings of the popup and the bar buttons' colours.
#include "controls/dropdown/DropDownAppearance.h"

#include "controls/dropdown/DropDownDraw.h"

// ---- button items --------------------------------------------------------------------------

void THeaderButton::NotifyButtons()
{
    if (auto* items = dynamic_cast<TButtonItems*>(Collection()); items && items->OnChange)
        items->OnChange(items);
}

void THeaderButton::SetCaption(const String& Value)
{
    if (Value == fCaption_)
        return;
    fCaption_ = Value;
    NotifyButtons();
}

void THeaderButton::SetEnabled(bool Value)
{
    if (Value == fEnabled_)
        return;
    fEnabled_ = Value;
    NotifyButtons();
}

void THeaderButton::SetWidth(int Value)
{
    if (Value == fWidth_)
        return;
    fWidth_ = Value;
    NotifyButtons();
}

void THeaderButton::Assign(const TPersistent& Source)
{
    // A footer button is a header button here; each class copies its own kind.
    const auto* src = dynamic_cast<const THeaderButton*>(&Source);
    if (!src || (dynamic_cast<const TFooterButton*>(src) != nullptr) != (dynamic_cast<TFooterButton*>(this) != nullptr)) {
        TCollectionItem::Assign(Source);
        return;
    }
    SetCaption(src->Caption());
    SetImageIndex(src->ImageIndex());
    SetEnabled(src->Enabled());
    SetWidth(src->Width());
    SetHeight(src->Height());
}

void TFooterButton::Assign(const TPersistent& Source)
{
    const auto* src = dynamic_cast<const TFooterButton*>(&Source);
    if (!src) {
        TCollectionItem::Assign(Source);
        return;
    }
    SetCaption(src->Caption());
    SetImageIndex(src->ImageIndex());
    SetModalResult(src->ModalResult());
    SetEnabled(src->Enabled());
    SetWidth(src->Width());
    SetHeight(src->Height());
}

THeaderButtons::THeaderButtons(TPersistent* AOwner)
    : TButtonItems([](TCollection* C) -> TCollectionItem* { return new THeaderButton(C); }, AOwner)
{
}

TFooterButtons::TFooterButtons(TPersistent* AOwner)
    : TButtonItems([](TCollection* C) -> TCollectionItem* { return new TFooterButton(C); }, AOwner)
{
}

// ---- bar settings --------------------------------------------------------------------------

TBarAppearance::TBarAppearance(TPersistent* AOwner, std::unique_ptr<TButtonItems> Buttons)
    : fOwner_(AOwner), fFont_(std::make_unique<TFont>()), fButtons_(std::move(Buttons))
{
    fButtons_->OnChange = [this](TObject*) {
        if (OnButtonsChanged)
            OnButtonsChanged(this);
    };
}

TBarAppearance::~TBarAppearance() { fButtons_->OnChange = nullptr; }

void TBarAppearance::SetVisible(bool Value)
{
    if (Value == fVisible_)
        return;
    fVisible_ = Value;
    if (OnChange)
        OnChange(this);
}

THeaderAppearance::THeaderAppearance(TPersistent* AOwner)
    : TBarAppearance(AOwner, std::make_unique<THeaderButtons>(AOwner))
{
    Font().SetName("Tahoma");
}

void THeaderAppearance::Assign(const TPersistent& Source)
{
    const auto* src = dynamic_cast<const THeaderAppearance*>(&Source);
    if (!src)
        return;
    AssignBar(*src);
}

void THeaderAppearance::AssignColors(const TPersistent& Source)
{
    const auto* src = dynamic_cast<const THeaderAppearance*>(&Source);
    if (!src)
        return;
    AssignBarColors(*src);
}

// The footer's font is the platform's default font (no name set).
TFooterAppearance::TFooterAppearance(TPersistent* AOwner)
    : TBarAppearance(AOwner, std::make_unique<TFooterButtons>(AOwner))
{
}

void TFooterAppearance::Assign(const TPersistent& Source)
{
    const auto* src = dynamic_cast<const TFooterAppearance*>(&Source);
    if (!src)
        return;
    AssignBar(*src);
    SetSizeGrip(src->SizeGrip());
}

void TFooterAppearance::AssignColors(const TPersistent& Source)
{
    const auto* src = dynamic_cast<const TFooterAppearance*>(&Source);
    if (!src)
        return;
    AssignBarColors(*src);
}

void TBarAppearance::AssignBar(const TBarAppearance& Source)
{
    AssignBarColors(Source);
    SetCaption(Source.Caption());
    SetImageIndex(Source.ImageIndex());
    SetBorderWidth(Source.BorderWidth());
    SetHeight(Source.Height());
    SetVisible(Source.Visible());
    SetButtonAlignment(Source.ButtonAlignment());
    if (&Source != this)
        ButtonItems().Assign(Source.ButtonItems());
}

void TBarAppearance::AssignBarColors(const TBarAppearance& Source)
{
    SetColorTo(Source.ColorTo());
    SetColor(Source.Color());
    SetBorderColor(Source.BorderColor());
    SetFont(Source.Font());
    SetGradientDirection(Source.GradientDirection());
}

// ---- bar button colours --------------------------------------------------------------------

TVynButtonAppearance::TVynButtonAppearance()
    : fColorCheckedTo_(ShadeColor(0xF9D2B2, -10, -10, 0)),
      fColorChecked_(ShadeColor(0xF5F0E1, -10, -10, 0)),
      fFont_(std::make_unique<TFont>())
{
    fFont_->SetName("Tahoma");
}

TVynButtonAppearance::~TVynButtonAppearance() = default;

void TVynButtonAppearance::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TVynButtonAppearance::setColor(TColor& Field, TColor Value)
{
    if (Field == Value)
        return;
    Field = Value;
    Changed();
}

void TVynButtonAppearance::SetGradient(TGradientDirection Value)
{
    if (fGradient_ == Value)
        return;
    fGradient_ = Value;
    Changed();
}

void TVynButtonAppearance::Assign(const TPersistent& Source)
{
    const auto* src = dynamic_cast<const TVynButtonAppearance*>(&Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    SetColor(src->Color());
    SetColorTo(src->ColorTo());
    SetColorHot(src->ColorHot());
    SetColorHotTo(src->ColorHotTo());
    SetColorDown(src->ColorDown());
    SetColorDownTo(src->ColorDownTo());
    SetColorChecked(src->ColorChecked());
    SetColorCheckedTo(src->ColorCheckedTo());
    SetColorDisabled(src->ColorDisabled());
    SetColorDisabledTo(src->ColorDisabledTo());
    SetBorderColor(src->BorderColor());
    SetBorderColorHot(src->BorderColorHot());
    SetBorderColorDown(src->BorderColorDown());
    SetBorderColorDisabled(src->BorderColorDisabled());
    SetBorderColorChecked(src->BorderColorChecked());
    SetGradient(src->Gradient());
}
