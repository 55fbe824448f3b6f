#pragma once
// The BACnet access rules editor (TFBACnetAccess). Not built yet: the dialog
// exists with its caption, so that it is created at start with the others and
// follows language changes.
#include "platform/gui/forms.h"

class TFBACnetAccess : public TForm {
public:
    explicit TFBACnetAccess(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 2000).
    void Set_Lang();
};

extern TFBACnetAccess* FBACnetAccess;
