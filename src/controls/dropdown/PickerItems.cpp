// The picture item of the detail and image pickers.
#include "controls/dropdown/PickerItems.h"

TPickerPictureItem::TPickerPictureItem(TCollection* Collection) : TPickerItem(Collection), fImage_(std::make_unique<TPicture>()) {}

TPickerPictureItem::~TPickerPictureItem() = default;

void TPickerPictureItem::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TPickerPictureItem*>(&Source);
    if (!s) {
        TPickerItem::Assign(Source);
        return;
    }
    SetCaption(s->Caption());
    SetImageIndex(s->ImageIndex());
    fImage_->Assign(s->Image());
    fEnabled_ = s->fEnabled_;
}
