#pragma once
// The received CAN frames editor (TFReceiveCAN). Not built yet: the dialog
// exists with its caption, so that it is created at start with the others and
// follows language changes.
#include "platform/gui/forms.h"

class TFReceiveCAN : public TForm {
public:
    explicit TFReceiveCAN(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 2400).
    void Set_Lang();
};

extern TFReceiveCAN* FReceiveCAN;
