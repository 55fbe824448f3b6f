#pragma once
// The device-update dialog (TFBoot), shown by step 5 after the configuration
// images are written. Not built yet: the dialog exists with its caption for
// the update path it is laid out for, so that it is created at start with the
// others and follows language changes; it shows empty.
#include "platform/gui/forms.h"

class TFBoot : public TForm {
public:
    explicit TFBoot(TComponent* AOwner);

    // The update path the dialog is laid out for: 0 serial port, 1 network,
    // 2 USB. 0 at creation; the main window sets 1 before every show.
    int Form_Type = 0;

    // Applies the dialog's texts from the text table: the caption by
    // Form_Type (text 1200, 1202 or 1204). Runs at creation, at every show
    // and on a language change.
    void Set_Lang();
};

extern TFBoot* FBoot;
