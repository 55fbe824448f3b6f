#pragma once
// The S7comm access editor (TFS7_Protocol_Set_Access). Not built yet: the
// dialog exists with its caption, so that it is created at start with the
// others and follows language changes.
#include "platform/gui/forms.h"

class TFS7_Protocol_Set_Access : public TForm {
public:
    explicit TFS7_Protocol_Set_Access(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 5100).
    void Set_Lang();
};

extern TFS7_Protocol_Set_Access* FS7_Protocol_Set_Access;
