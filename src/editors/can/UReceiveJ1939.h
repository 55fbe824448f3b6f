#pragma once
// The received J1939 frames editor (TFReceiveJ1939). Not built yet: the dialog
// exists with its caption, so that it is created at start with the others and
// follows language changes.
#include "platform/gui/forms.h"

class TFReceiveJ1939 : public TForm {
public:
    explicit TFReceiveJ1939(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 3500).
    void Set_Lang();
};

extern TFReceiveJ1939* FReceiveJ1939;
