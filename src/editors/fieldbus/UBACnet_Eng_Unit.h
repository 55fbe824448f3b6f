#pragma once
// The BACnet engineering unit picker (TFBACnet_Eng_Unit). Not built yet: the
// dialog exists with its caption, so that it is created at start with the
// others and follows language changes.
#include "platform/gui/forms.h"

class TFBACnet_Eng_Unit : public TForm {
public:
    explicit TFBACnet_Eng_Unit(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 2300).
    void Set_Lang();
};

extern TFBACnet_Eng_Unit* FBACnet_Eng_Unit;
