#pragma once
// The OPC UA client access editor (TFOPC_UA_Client_Access). Not built yet: the
// dialog exists with its caption, so that it is created at start with the
// others and follows language changes.
#include "platform/gui/forms.h"

class TFOPC_UA_Client_Access : public TForm {
public:
    explicit TFOPC_UA_Client_Access(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 4100).
    void Set_Lang();
};

extern TFOPC_UA_Client_Access* FOPC_UA_Client_Access;
