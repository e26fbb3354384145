#include "tests/ending/close_request.h"

#include <X11/Xlib.h>

namespace window_harness {

void RequestClose(const VirtualDisplay& display, XWindow window) {
  Display* x = display.Connection();
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(x, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(x, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(x, window, False, NoEventMask, &event);
  XFlush(x);
}

}  // namespace window_harness
