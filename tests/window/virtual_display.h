#pragma once
// A private X server for one test: Xvfb on a display number it picks itself (-displayfd, so
// tests running side by side never meet), optionally with a window manager, and a connection to
// it for finding windows, faking keys through XTEST, moving the input focus and reading the
// screen back. Everything it started is stopped when it goes.
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/window/child_process.h"
#include "tests/window/screen_picture.h"

struct _XDisplay;

namespace window_harness {

using XWindow = unsigned long;  // Xlib's Window, without Xlib's macros in every test

class VirtualDisplay {
 public:
  struct Options {
    int width = 800;
    int height = 600;
    bool windowManager = false;  // openbox
  };
  explicit VirtualDisplay(Options options);
  VirtualDisplay() : VirtualDisplay(Options{}) {}
  ~VirtualDisplay();
  VirtualDisplay(const VirtualDisplay&) = delete;
  VirtualDisplay& operator=(const VirtualDisplay&) = delete;

  const std::string& Name() const { return name_; }  // e.g. ":3", for DISPLAY
  int Width() const { return options_.width; }
  int Height() const { return options_.height; }
  _XDisplay* Connection() const { return connection_.get(); }

  // The window whose title is `title`, searched in the whole tree, waiting up to `timeout`.
  std::optional<XWindow> FindWindow(const std::string& title,
                                    std::chrono::milliseconds timeout) const;
  // Where the window is on the screen; empty when it is gone or unmapped.
  std::optional<Rect> WindowArea(XWindow window) const;

  // The whole screen as it is now.
  ScreenPicture Capture() const;
  // The first picture for which `wanted` holds, taken every few milliseconds up to `timeout`.
  std::optional<ScreenPicture> WaitForPicture(
      const std::function<bool(const ScreenPicture&)>& wanted,
      std::chrono::milliseconds timeout) const;

  // Keys by their X keysym names ("Right", "space", "Escape"). A key is seen by the game only
  // when it is down at one of its snapshots, so hold keys for some frames.
  void PressKeys(const std::vector<std::string>& keys) const;
  void ReleaseKeys(const std::vector<std::string>& keys) const;
  void HoldKeys(const std::vector<std::string>& keys, std::chrono::milliseconds duration) const;

  // A small plain window of the test's own, mapped, for taking the focus away.
  XWindow OpenOtherWindow(Rect area);
  void GiveFocusTo(XWindow window) const;
  XWindow FocusedWindow() const;

 private:
  void StartServer();
  void StartWindowManager();

  struct CloseConnection {
    void operator()(_XDisplay* connection) const;
  };

  Options options_;
  std::string name_;
  std::unique_ptr<ChildProcess> server_;
  std::unique_ptr<ChildProcess> windowManager_;
  // Last, so that it goes first: Xlib ends the process when its server vanishes under it.
  std::unique_ptr<_XDisplay, CloseConnection> connection_;
};

}  // namespace window_harness
