#pragma once
// The MQTT topics editor (TFMQTT_Set_Topic). Not built yet: the dialog exists
// with its caption, so that it is created at start with the others and follows
// language changes.
#include "platform/gui/forms.h"

class TFMQTT_Set_Topic : public TForm {
public:
    explicit TFMQTT_Set_Topic(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 3700).
    void Set_Lang();
};

extern TFMQTT_Set_Topic* FMQTT_Set_Topic;
