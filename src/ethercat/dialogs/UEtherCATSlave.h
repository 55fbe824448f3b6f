#pragma once
// The EtherCAT variables editor (TFEtherCATSlave), shown by step 3 "EtherCAT
// Set Access". Not built yet: the dialog exists with its caption, so that it
// is created at start with the others and follows language changes.
#include "platform/gui/forms.h"

class TFEtherCATSlave : public TForm {
public:
    explicit TFEtherCATSlave(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 1000).
    void Set_Lang();
};

extern TFEtherCATSlave* FEtherCATSlave;
