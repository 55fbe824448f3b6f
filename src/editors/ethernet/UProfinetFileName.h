#pragma once
// The PROFINET description file name dialog (TFProfinetFileName). Not built
// yet: the dialog exists with its caption, so that it is created at start with
// the others and follows language changes.
#include "platform/gui/forms.h"

class TFProfinetFileName : public TForm {
public:
    explicit TFProfinetFileName(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 4800).
    void Set_Lang();

    // The file name composed in the dialog; read by the caller after OK.
    String Name_File_XML;
};

extern TFProfinetFileName* FProfinetFileName;
