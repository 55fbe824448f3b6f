#pragma once
// The OPC UA server variables editor (TFOPC_UA_Server_Access). Not built yet:
// the dialog exists with its caption, so that it is created at start with the
// others and follows language changes.
#include "platform/gui/forms.h"

class TFOPC_UA_Server_Access : public TForm {
public:
    explicit TFOPC_UA_Server_Access(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 4500).
    void Set_Lang();
};

extern TFOPC_UA_Server_Access* FOPC_UA_Server_Access;
