#pragma once
// The CANopen PDO access editor (TFSet_PDO_Access). Not built yet: the dialog
// exists with its caption, so that it is created at start with the others and
// follows language changes.
#include "platform/gui/forms.h"

class TFSet_PDO_Access : public TForm {
public:
    explicit TFSet_PDO_Access(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 2600).
    void Set_Lang();
};

extern TFSet_PDO_Access* FSet_PDO_Access;
