#pragma once
// Paints a control offscreen, for a developer to look at and a test to check
// pixels.
#include <QImage>

#include "platform/gui/controls.h"

namespace TestKit {

// The control as it looks on screen, children included, in its own size
// (Format_ARGB32). A windowed control is rendered through its widget (as Qt
// paints it, whether shown or not; outside a window region the picture is
// white); a graphic control is painted onto its parent's colour.
QImage RenderToImage(TControl* Control);
// RenderToImage saved as a PNG file; false when it cannot be written.
bool RenderToPng(TControl* Control, const String& Path);

}  // namespace TestKit
