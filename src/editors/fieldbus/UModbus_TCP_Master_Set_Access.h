#pragma once
// The Modbus TCP master access rules editor (TFModbus_TCP_Master_Set_Access).
// Not built yet: the dialog exists with its caption, so that it is created at
// start with the others and follows language changes.
#include "platform/gui/forms.h"

class TFModbus_TCP_Master_Set_Access : public TForm {
public:
    explicit TFModbus_TCP_Master_Set_Access(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 1800).
    void Set_Lang();
};

extern TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access;
