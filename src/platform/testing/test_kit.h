#pragma once
// The test kit in one include: fake clock, input driver, offscreen rendering,
// drags, the scripted message boxes, modal forms and file dialogs, and display
// layouts.
#include "platform/testing/drag_driver.h"
#include "platform/testing/fake_clock.h"
#include "platform/testing/file_dialog_script.h"
#include "platform/testing/input_driver.h"
#include "platform/testing/message_box_script.h"
#include "platform/testing/modal_driver.h"
#include "platform/testing/monitor_layout.h"
#include "platform/testing/render_png.h"
