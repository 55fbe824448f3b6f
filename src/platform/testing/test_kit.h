#pragma once
// The test kit in one include: fake clock, input driver, offscreen rendering.
#include "platform/testing/fake_clock.h"
#include "platform/testing/input_driver.h"
#include "platform/testing/render_png.h"
