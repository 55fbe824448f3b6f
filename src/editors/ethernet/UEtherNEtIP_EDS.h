#pragma once
// The EtherNet/IP EDS connection picker (TFEtherNEtIP_EDS). Not built yet: the
// dialog exists with its caption, so that it is created at start with the
// others and follows language changes.
#include "platform/gui/forms.h"

class TFEtherNEtIP_EDS : public TForm {
public:
    explicit TFEtherNEtIP_EDS(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 5000).
    void Set_Lang();
};

extern TFEtherNEtIP_EDS* FEtherNEtIP_EDS;
