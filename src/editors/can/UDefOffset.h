#pragma once
// The DeviceNet offsets editor (TFDefOffset). Not built yet: the dialog exists
// with its caption, so that it is created at start with the others and follows
// language changes.
#include "platform/gui/forms.h"

class TFDefOffset : public TForm {
public:
    explicit TFDefOffset(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 3000).
    void Set_Lang();
};

extern TFDefOffset* FDefOffset;
