#pragma once
// The topic and template text dialog (TFTopicTemplate). Not built yet: the
// dialog exists with its caption, so that it is created at start with the
// others and follows language changes.
#include "platform/gui/forms.h"

class TFTopicTemplate : public TForm {
public:
    explicit TFTopicTemplate(TComponent* AOwner);

    // Applies the dialog's texts from the text table: the caption (text 3800).
    void Set_Lang();
};

extern TFTopicTemplate* FTopicTemplate;
