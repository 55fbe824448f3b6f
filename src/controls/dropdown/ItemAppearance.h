#pragma once
// The hot and selected colours of a list item, as the list-like drop-downs
// paint them; SetItemAppearanceStyle loads them for a component style.
#include "platform/gui/graphics.h"
#include "platform/rtl/object.h"

class TItemAppearance : public TObject {
public:
    TColor ColorHot = clNone, ColorHotTo = clNone;
    TColor ColorMirrorHot = clNone, ColorMirrorHotTo = clNone;
    TColor ColorSelected = clNone, ColorSelectedTo = clNone;
    TColor ColorMirrorSelected = clNone, ColorMirrorSelectedTo = clNone;
    TColor BorderColor = clNone;
    TColor BorderColorTop = clNone, BorderColorBottom = clNone, EdgeColor = clNone;
    TColor BorderColorHot = clNone, BorderColorSelected = clNone;
    TColor ColorSelectedText = 0, ColorHotText = 0;
};
