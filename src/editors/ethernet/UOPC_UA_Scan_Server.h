#pragma once
// The OPC UA server scan dialog (TFOPC_UA_Scan_Server). Not built yet: the
// dialog exists with its caption, so that it is created at start with the
// others and follows language changes.
#include "platform/gui/forms.h"

class TFOPC_UA_Scan_Server : public TForm {
public:
    explicit TFOPC_UA_Scan_Server(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 4400).
    void Set_Lang();
};

extern TFOPC_UA_Scan_Server* FOPC_UA_Scan_Server;
