#include "tests/window/virtual_display.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>
#include <thread>

namespace window_harness {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// Errors such as BadWindow for a window that has just gone are answers, not reasons to exit.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

// The display number Xvfb writes to the pipe once it accepts connections.
std::string ReadDisplayNumber(int fd, std::chrono::milliseconds timeout) {
  std::string number;
  const auto deadline = Clock::now() + timeout;
  while (Clock::now() < deadline) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 50) <= 0) continue;
    char c = 0;
    if (read(fd, &c, 1) != 1) break;
    if (c == '\n') return number;
    number.push_back(c);
  }
  throw std::runtime_error("Xvfb did not start");
}

std::string TitleOf(Display* display, Window window) {
  char* name = nullptr;
  std::string title;
  if (XFetchName(display, window, &name) && name) title = name;
  if (name) XFree(name);
  return title;
}

std::optional<Window> Search(Display* display, Window window, const std::string& title) {
  if (TitleOf(display, window) == title) return window;
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display, window, &root, &parent, &children, &count)) return std::nullopt;
  std::optional<Window> found;
  for (unsigned i = 0; i < count && !found; ++i) found = Search(display, children[i], title);
  if (children) XFree(children);
  return found;
}

bool WindowManagerRunning(Display* display) {
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
  Atom type = 0;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  const int status = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False,
                                        XA_WINDOW, &type, &format, &items, &after, &data);
  if (data) XFree(data);
  return status == Success && items == 1;
}

}  // namespace

VirtualDisplay::VirtualDisplay(Options options) : options_(options) {
  StartServer();
  if (options_.windowManager) StartWindowManager();
}

void VirtualDisplay::CloseConnection::operator()(_XDisplay* connection) const {
  XCloseDisplay(connection);
}

VirtualDisplay::~VirtualDisplay() {
  connection_.reset();
  windowManager_.reset();
  if (server_) {
    server_->Signal(SIGTERM);
    if (!server_->WaitForExit(2s)) server_->Kill();
  }
}

void VirtualDisplay::StartServer() {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  const std::string screen =
      std::to_string(options_.width) + "x" + std::to_string(options_.height) + "x24";
  server_ = std::make_unique<ChildProcess>(ChildProcess::Options{
      .command = {"/usr/bin/Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", screen,
                  "-nolisten", "tcp", "-noreset"},
      .keepOpenDescriptor = fds[1]});
  close(fds[1]);
  try {
    name_ = ":" + ReadDisplayNumber(fds[0], 10s);
  } catch (...) {
    close(fds[0]);
    throw;
  }
  close(fds[0]);
  XSetErrorHandler(IgnoreError);
  connection_.reset(XOpenDisplay(name_.c_str()));
  if (!Connection()) throw std::runtime_error("cannot connect to Xvfb on " + name_);
  int event = 0, error = 0, major = 0, minor = 0;
  if (!XTestQueryExtension(connection_.get(), &event, &error, &major, &minor))
    throw std::runtime_error("Xvfb has no XTEST");
}

void VirtualDisplay::StartWindowManager() {
  windowManager_ = std::make_unique<ChildProcess>(ChildProcess::Options{
      .command = {"/usr/bin/openbox"}, .environment = {"DISPLAY=" + name_}});
  const auto deadline = Clock::now() + 10s;
  while (!WindowManagerRunning(connection_.get())) {
    if (Clock::now() > deadline || !windowManager_->Running())
      throw std::runtime_error("the window manager did not start");
    std::this_thread::sleep_for(20ms);
  }
  // Announcing itself is not yet managing windows: openbox drops a map request that comes
  // while it starts, and SDL waits for its window's map for ever. A probe window, asked again
  // until the window manager maps it, shows that it is ready.
  Display* d = connection_.get();
  const Window probe = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 10, 10, 0, 0, 0);
  bool ready = false;
  while (!ready && Clock::now() < deadline) {
    XUnmapWindow(d, probe);
    XMapWindow(d, probe);
    XSync(d, False);
    const auto retry = Clock::now() + 200ms;
    while (!(ready = WindowArea(probe).has_value()) && Clock::now() < retry)
      std::this_thread::sleep_for(10ms);
  }
  XDestroyWindow(d, probe);
  XSync(d, False);
  if (!ready)
    throw std::runtime_error(windowManager_->Running() ? "the window manager does not map windows"
                                                       : "the window manager ended");
}

std::optional<XWindow> VirtualDisplay::FindWindow(const std::string& title,
                                                  std::chrono::milliseconds timeout) const {
  const auto deadline = Clock::now() + timeout;
  do {
    if (const auto found = Search(Connection(), DefaultRootWindow(Connection()), title))
      return *found;
    std::this_thread::sleep_for(20ms);
  } while (Clock::now() < deadline);
  return std::nullopt;
}

std::optional<Rect> VirtualDisplay::WindowArea(XWindow window) const {
  XWindowAttributes attributes{};
  if (!XGetWindowAttributes(Connection(), window, &attributes) ||
      attributes.map_state != IsViewable)
    return std::nullopt;
  int x = 0, y = 0;
  Window child = 0;
  XTranslateCoordinates(Connection(), window, DefaultRootWindow(Connection()), 0, 0, &x, &y,
                        &child);
  return Rect{x, y, x + attributes.width, y + attributes.height};
}

ScreenPicture VirtualDisplay::Capture() const {
  ScreenPicture picture;
  XImage* image = XGetImage(Connection(), DefaultRootWindow(Connection()), 0, 0, options_.width,
                            options_.height, AllPlanes, ZPixmap);
  if (!image) throw std::runtime_error("XGetImage failed");
  // The channel masks say where red, green and blue are, whatever the depth.
  const auto channel = [](unsigned long pixel, unsigned long mask) {
    int shift = 0;
    while (mask && !(mask & 1)) {
      mask >>= 1;
      ++shift;
    }
    return static_cast<Colour>((pixel >> shift) & mask);
  };
  picture.width = image->width;
  picture.height = image->height;
  picture.pixels.reserve(static_cast<std::size_t>(image->width) * image->height);
  for (int y = 0; y < image->height; ++y)
    for (int x = 0; x < image->width; ++x) {
      const unsigned long pixel = XGetPixel(image, x, y);
      picture.pixels.push_back(channel(pixel, image->red_mask) +
                               256 * channel(pixel, image->green_mask) +
                               65536 * channel(pixel, image->blue_mask));
    }
  XDestroyImage(image);
  return picture;
}

std::optional<ScreenPicture> VirtualDisplay::WaitForPicture(
    const std::function<bool(const ScreenPicture&)>& wanted,
    std::chrono::milliseconds timeout) const {
  const auto deadline = Clock::now() + timeout;
  do {
    ScreenPicture picture = Capture();
    if (wanted(picture)) return picture;
    std::this_thread::sleep_for(5ms);
  } while (Clock::now() < deadline);
  return std::nullopt;
}

void VirtualDisplay::PressKeys(const std::vector<std::string>& keys) const {
  for (const std::string& key : keys) {
    const KeySym symbol = XStringToKeysym(key.c_str());
    const KeyCode code = symbol == NoSymbol ? 0 : XKeysymToKeycode(Connection(), symbol);
    if (code == 0) throw std::invalid_argument("no key " + key);
    XTestFakeKeyEvent(Connection(), code, True, CurrentTime);
  }
  XSync(Connection(), False);
}

void VirtualDisplay::ReleaseKeys(const std::vector<std::string>& keys) const {
  for (const std::string& key : keys)
    XTestFakeKeyEvent(Connection(), XKeysymToKeycode(Connection(), XStringToKeysym(key.c_str())),
                      False, CurrentTime);
  XSync(Connection(), False);
}

void VirtualDisplay::HoldKeys(const std::vector<std::string>& keys,
                              std::chrono::milliseconds duration) const {
  PressKeys(keys);
  std::this_thread::sleep_for(duration);
  ReleaseKeys(keys);
}

XWindow VirtualDisplay::OpenOtherWindow(Rect area) {
  Display* d = connection_.get();
  const Window window = XCreateSimpleWindow(d, DefaultRootWindow(d), area.left, area.top,
                                            area.Width(), area.Height(), 0, 0,
                                            WhitePixel(d, DefaultScreen(d)));
  XStoreName(d, window, "other program");
  XMapRaised(d, window);
  XSync(d, False);
  const auto deadline = Clock::now() + 5s;
  while (!WindowArea(window) && Clock::now() < deadline) std::this_thread::sleep_for(10ms);
  return window;
}

void VirtualDisplay::GiveFocusTo(XWindow window) const {
  if (!windowManager_) {
    XSetInputFocus(Connection(), window, RevertToPointerRoot, CurrentTime);
    XSync(Connection(), False);
    return;
  }
  // With a window manager the focus is its business: ask it as a task bar would, which also
  // brings back a window that was minimised.
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(Connection(), "_NET_ACTIVE_WINDOW", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = 2;  // from a pager or task bar
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(Connection(), DefaultRootWindow(Connection()), False,
             SubstructureRedirectMask | SubstructureNotifyMask, &event);
  XSync(Connection(), False);
}

XWindow VirtualDisplay::FocusedWindow() const {
  Window focus = 0;
  int revert = 0;
  XGetInputFocus(Connection(), &focus, &revert);
  return focus;
}

}  // namespace window_harness
