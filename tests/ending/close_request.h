#pragma once
// What a window manager sends when the player clicks a window's close button: the
// WM_DELETE_WINDOW protocol message. Kept apart so that Xlib's macros stay out of the tests.
#include "tests/window/virtual_display.h"

namespace window_harness {

void RequestClose(const VirtualDisplay& display, XWindow window);

}  // namespace window_harness
