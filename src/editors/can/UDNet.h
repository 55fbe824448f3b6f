#pragma once
// The DeviceNet network editor (TFDNet). Not built yet: the dialog exists with
// its caption, so that it is created at start with the others and follows
// language changes.
#include "platform/gui/forms.h"

class TFDNet : public TForm {
public:
    explicit TFDNet(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 2900).
    void Set_Lang();
};

extern TFDNet* FDNet;
