#pragma once
// The received NMEA 2000 frames editor (TFReceiveNMEA). Not built yet: the
// dialog exists with its caption, so that it is created at start with the
// others and follows language changes.
#include "platform/gui/forms.h"

class TFReceiveNMEA : public TForm {
public:
    explicit TFReceiveNMEA(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 3900).
    void Set_Lang();
};

extern TFReceiveNMEA* FReceiveNMEA;
