#pragma once
// The CANopen SDO client access editor (TFSet_SDO_Client_Access). Not built
// yet: the dialog exists with its caption, so that it is created at start with
// the others and follows language changes.
#include "platform/gui/forms.h"

class TFSet_SDO_Client_Access : public TForm {
public:
    explicit TFSet_SDO_Client_Access(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 2700).
    void Set_Lang();
};

extern TFSet_SDO_Client_Access* FSet_SDO_Client_Access;
