#pragma once
// The IEC 61850 client access editor (TFIEC_61850_Access). Not built yet: the
// dialog exists with its caption, so that it is created at start with the
// others and follows language changes.
#include "platform/gui/forms.h"

class TFIEC_61850_Access : public TForm {
public:
    explicit TFIEC_61850_Access(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 3200).
    void Set_Lang();
};

extern TFIEC_61850_Access* FIEC_61850_Access;
