#pragma once
// The transmitted NMEA 2000 frames editor (TFTransmitNMEA). Not built yet: the
// dialog exists with its caption, so that it is created at start with the
// others and follows language changes.
#include "platform/gui/forms.h"

class TFTransmitNMEA : public TForm {
public:
    explicit TFTransmitNMEA(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 4000).
    void Set_Lang();
};

extern TFTransmitNMEA* FTransmitNMEA;
