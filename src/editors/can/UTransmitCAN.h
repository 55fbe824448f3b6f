#pragma once
// The transmitted CAN frames editor (TFTransmitCAN). Not built yet: the dialog
// exists with its caption, so that it is created at start with the others and
// follows language changes.
#include "platform/gui/forms.h"

class TFTransmitCAN : public TForm {
public:
    explicit TFTransmitCAN(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 2500).
    void Set_Lang();
};

extern TFTransmitCAN* FTransmitCAN;
