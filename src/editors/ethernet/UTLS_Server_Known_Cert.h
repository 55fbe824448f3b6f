#pragma once
// The known TLS certificates editor (TFTLS_Server_Known_Cert). Not built yet:
// the dialog exists with its caption, so that it is created at start with the
// others and follows language changes.
#include "platform/gui/forms.h"

class TFTLS_Server_Known_Cert : public TForm {
public:
    explicit TFTLS_Server_Known_Cert(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 3400).
    void Set_Lang();
};

extern TFTLS_Server_Known_Cert* FTLS_Server_Known_Cert;
