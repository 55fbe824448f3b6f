#pragma once
// The DMX default values editor (TFDMXDefVal). Not built yet: the dialog
// exists with its caption, so that it is created at start with the others and
// follows language changes.
#include "platform/gui/forms.h"

class TFDMXDefVal : public TForm {
public:
    explicit TFDMXDefVal(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 3100).
    void Set_Lang();
};

extern TFDMXDefVal* FDMXDefVal;
