#pragma once
// The Modbus access rules editor (TFSetAccess). Not built yet: the dialog
// exists with its caption, so that it is created at start with the others and
// follows language changes.
#include "platform/gui/forms.h"

class TFSetAccess : public TForm {
public:
    explicit TFSetAccess(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 1700).
    void Set_Lang();
};

extern TFSetAccess* FSetAccess;
