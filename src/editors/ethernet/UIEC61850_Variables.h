#pragma once
// The IEC 61850 variables editor (TFIEC61850_Variables). Not built yet: the
// dialog exists with its caption, so that it is created at start with the
// others and follows language changes.
#include "platform/gui/forms.h"

class TFIEC61850_Variables : public TForm {
public:
    explicit TFIEC61850_Variables(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 3300).
    void Set_Lang();
};

extern TFIEC61850_Variables* FIEC61850_Variables;
