#pragma once
// The EtherCAT variable-groups editor (TFEtherCATSlave_Group), shown by step 3
// "EtherCAT Set Group". Not built yet: the dialog exists with its caption, so
// that it is created at start with the others and follows language changes.
#include "platform/gui/forms.h"

class TFEtherCATSlave_Group : public TForm {
public:
    explicit TFEtherCATSlave_Group(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 5300).
    void Set_Lang();
};

extern TFEtherCATSlave_Group* FEtherCATSlave_Group;
