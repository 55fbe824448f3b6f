#pragma once
// The transmitted J1939 frames editor (TFTransmitJ1939). Not built yet: the
// dialog exists with its caption, so that it is created at start with the
// others and follows language changes.
#include "platform/gui/forms.h"

class TFTransmitJ1939 : public TForm {
public:
    explicit TFTransmitJ1939(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 3600).
    void Set_Lang();
};

extern TFTransmitJ1939* FTransmitJ1939;
