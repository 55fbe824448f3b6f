#pragma once
// The OPC UA server entry dialog (TFOPC_UA_Add_Server). Not built yet: the
// dialog exists with its caption, so that it is created at start with the
// others and follows language changes.
#include "platform/gui/forms.h"

class TFOPC_UA_Add_Server : public TForm {
public:
    explicit TFOPC_UA_Add_Server(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 4300).
    void Set_Lang();
};

extern TFOPC_UA_Add_Server* FOPC_UA_Add_Server;
