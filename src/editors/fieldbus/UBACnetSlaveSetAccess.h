#pragma once
// The BACnet slave access rules editor (TFBACnetSlaveSetAccess). Not built
// yet: the dialog exists with its caption, so that it is created at start with
// the others and follows language changes.
#include "platform/gui/forms.h"

class TFBACnetSlaveSetAccess : public TForm {
public:
    explicit TFBACnetSlaveSetAccess(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 2200).
    void Set_Lang();
};

extern TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess;
