#pragma once
// The EtherNet/IP slaves access editor (TFEtherNetIP_Master_Access). Not built
// yet: the dialog exists with its caption, so that it is created at start with
// the others and follows language changes.
#include "platform/gui/forms.h"

class TFEtherNetIP_Master_Access : public TForm {
public:
    explicit TFEtherNetIP_Master_Access(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 4900).
    void Set_Lang();
};

extern TFEtherNetIP_Master_Access* FEtherNetIP_Master_Access;
