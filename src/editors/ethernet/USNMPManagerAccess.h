#pragma once
// The SNMP manager access editor (TFSNMPManagerAccess). Not built yet: the
// dialog exists with its caption, so that it is created at start with the
// others and follows language changes.
#include "platform/gui/forms.h"

class TFSNMPManagerAccess : public TForm {
public:
    explicit TFSNMPManagerAccess(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 4600).
    void Set_Lang();
};

extern TFSNMPManagerAccess* FSNMPManagerAccess;
