#pragma once
// The SNMP agent and trap access editor (TFSNMP_Trap_Access). Not built yet:
// the dialog exists with its caption, so that it is created at start with the
// others and follows language changes.
#include "platform/gui/forms.h"

class TFSNMP_Trap_Access : public TForm {
public:
    explicit TFSNMP_Trap_Access(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 4700).
    void Set_Lang();
};

extern TFSNMP_Trap_Access* FSNMP_Trap_Access;
