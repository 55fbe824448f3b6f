#pragma once
// The BACnet EDE file import dialog (TFImportEDEFile). Not built yet: the
// dialog exists with its caption, so that it is created at start with the
// others and follows language changes.
#include "platform/gui/forms.h"

class TFImportEDEFile : public TForm {
public:
    explicit TFImportEDEFile(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 2100).
    void Set_Lang();
};

extern TFImportEDEFile* FImportEDEFile;
