// The display. The game draws in its own coordinates (800 × 600) through one SDL_Renderer with
// vsync. Where the display offers a mode of that size the window switches to it, exclusive full
// screen; elsewhere the window covers the desktop and the renderer's logical size scales the
// picture up whole, centred, aspect kept and nearest neighbour, with black bars beside it.
// Sprites and glyphs are textures made once, so a frame is a clear and a few dozen copies.
// Flip handles the window's events, presents, and paces itself where the driver's present does
// not wait. Without the input focus nothing is drawn or presented. For the tests the window can
// be replaced by a surface in memory, drawn by SDL's software renderer, with a second surface
// standing for the front buffer.
#include <SDL.h>

#include <cstdlib>
#include <optional>
#include <thread>

#include "platform/display_internal.h"
#include "platform/flip_pacing.h"
#include "platform/platform.h"
#include "platform/stop_signals.h"
#include "platform/testing.h"
#ifdef _WIN32
#include "platform/windows_logo_key.h"
#endif

namespace platform {
namespace {

constexpr int kFallbackRefreshRate = 60;  // for displays that report none

struct Display {
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  SDL_Surface* memoryBackBuffer = nullptr;  // the tests' display, instead of the window
  int width = 0;
  int height = 0;
  bool focused = false;
  std::optional<FlipPacer> pacer;
};

Display display;
bool drawIntoMemory = false;
SDL_Surface* memoryFrontBuffer = nullptr;  // kept after CloseDown for the tests to read
int presentedFrames = 0;

// An exact mode of the wanted size, at the desktop's own refresh rate where there is one.
std::optional<SDL_DisplayMode> FindExactMode(int width, int height) {
  SDL_DisplayMode desktop{};
  SDL_GetDesktopDisplayMode(0, &desktop);
  std::optional<SDL_DisplayMode> found;
  const int modes = SDL_GetNumDisplayModes(0);
  for (int i = 0; i < modes; ++i) {
    SDL_DisplayMode mode{};
    if (SDL_GetDisplayMode(0, i, &mode) != 0 || mode.w != width || mode.h != height) continue;
    if (!found || mode.refresh_rate == desktop.refresh_rate) found = mode;
    if (mode.refresh_rate == desktop.refresh_rate) break;
  }
  return found;
}

SDL_Window* OpenWindow(int width, int height, const char* title) {
  constexpr Uint32 kFlags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
  SDL_Window* window = nullptr;
  if (const std::optional<SDL_DisplayMode> mode = FindExactMode(width, height)) {
    window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                              height, kFlags | SDL_WINDOW_FULLSCREEN);
    if (window) SDL_SetWindowDisplayMode(window, &*mode);
  } else {
    // Without a window manager a window does not grow to the desktop by itself, so it is made
    // at the desktop's size from the start.
    SDL_DisplayMode desktop{};
    SDL_GetDesktopDisplayMode(0, &desktop);
    window = SDL_CreateWindow(title, 0, 0, desktop.w, desktop.h,
                              kFlags | SDL_WINDOW_FULLSCREEN_DESKTOP);
  }
  if (!window) return nullptr;
  SDL_ShowWindow(window);
  SDL_RaiseWindow(window);
  return window;
}

SDL_Renderer* OpenRenderer(SDL_Window* window) {
  SDL_Renderer* renderer =
      SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
  if (!renderer) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_PRESENTVSYNC);
  if (!renderer) renderer = SDL_CreateRenderer(window, -1, 0);
  return renderer;
}

FlipPacer::Clock::duration RefreshPeriod(SDL_Window* window) {
  SDL_DisplayMode mode{};
  int rate = 0;
  if (SDL_GetWindowDisplayMode(window, &mode) == 0) rate = mode.refresh_rate;
  if (rate <= 0 && SDL_GetDesktopDisplayMode(0, &mode) == 0) rate = mode.refresh_rate;
  if (rate <= 0) rate = kFallbackRefreshRate;
  return std::chrono::duration_cast<FlipPacer::Clock::duration>(std::chrono::seconds(1)) / rate;
}

void CopyBackToFront() {
  SDL_RenderFlush(display.renderer);
  SDL_BlitSurface(display.memoryBackBuffer, nullptr, memoryFrontBuffer, nullptr);
}

void PresentAndPace() {
  if (display.memoryBackBuffer) {
    CopyBackToFront();
    return;
  }
  const auto began = FlipPacer::Clock::now();
  SDL_RenderPresent(display.renderer);
  const auto ended = FlipPacer::Clock::now();
  const auto wait = display.pacer->WaitAfterPresent(began, ended);
  if (wait > FlipPacer::Clock::duration::zero()) std::this_thread::sleep_for(wait);
}

void ComeBackToForeground() {
  display.focused = true;
  if (display.window && (SDL_GetWindowFlags(display.window) & SDL_WINDOW_MINIMIZED))
    SDL_RestoreWindow(display.window);
}

void HandleEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) ComeBackToForeground();
      if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) display.focused = false;
      break;
    case SDL_RENDER_DEVICE_RESET:  // each build lets go of the lost texture first
      BuildSpriteTextures();
      BuildFontTexture();
      break;
    default:  // quit requests and mouse clicks are not the game's business
      break;
  }
}

void StopOnSignal() {
  if (const int signal = PendingStopSignal()) {
    CloseDown();
    std::exit(128 + signal);
  }
}

}  // namespace

SDL_Renderer* CurrentRenderer() { return display.renderer; }
int ScreenWidth() { return display.width; }
int ScreenHeight() { return display.height; }
bool DisplayHasFocus() { return display.focused; }

void OpenDisplay(int width, int height, int /*bitsPerPixel: always 32-bit colour*/,
                 const char* title) {
  display.width = width;
  display.height = height;
  if (drawIntoMemory) {
    display.memoryBackBuffer = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32,
                                                              SDL_PIXELFORMAT_ARGB8888);
    // Presenting copies the picture: SDL would blend a surface with alpha pixel by pixel.
    SDL_SetSurfaceBlendMode(display.memoryBackBuffer, SDL_BLENDMODE_NONE);
    SDL_FreeSurface(memoryFrontBuffer);
    memoryFrontBuffer = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32,
                                                       SDL_PIXELFORMAT_ARGB8888);
    display.renderer = SDL_CreateSoftwareRenderer(display.memoryBackBuffer);
  } else {
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    display.window = OpenWindow(width, height, title);
    display.renderer = OpenRenderer(display.window);
    SDL_RenderSetLogicalSize(display.renderer, width, height);
    display.pacer.emplace(RefreshPeriod(display.window));
    SDL_ShowCursor(SDL_DISABLE);
  }
  display.focused = true;
  presentedFrames = 0;
  // Both buffers start black: clear one, show it, clear the other.
  SDL_SetRenderDrawColor(display.renderer, 0, 0, 0, 255);
  SDL_RenderClear(display.renderer);
  if (display.memoryBackBuffer)
    CopyBackToFront();
  else
    SDL_RenderPresent(display.renderer);
  SDL_RenderClear(display.renderer);
  BuildSpriteTextures();
  BuildFontTexture();
#ifdef _WIN32
  // Last, so that the hook is set once the game is about to handle its messages every frame;
  // Windows drops a keyboard hook that keeps other programs waiting.
  if (display.window) HoldWindowsLogoKeys(display.window);
#endif
}

void Flip() {
  // Nothing was drawn in a pass without the focus, so the pass that gets it back has no
  // picture to show yet: the next one will.
  const bool pictureDrawn = display.focused;
  SDL_Event event;
  while (SDL_PollEvent(&event)) HandleEvent(event);
  StopOnSignal();
  if (!pictureDrawn || !display.focused || !display.renderer) return;
  PresentAndPace();
  ++presentedFrames;
}

void ClearBackBuffer(Colour colour) {
  SDL_Renderer* renderer = display.renderer;
  // Without the focus nothing is presented, so nothing is drawn either: the renderer would
  // queue every pass's drawing until the focus came back.
  if (!renderer || !display.focused) return;
  int outputWidth = 0, outputHeight = 0;
  SDL_GetRendererOutputSize(renderer, &outputWidth, &outputHeight);
  const SDL_Color c = ToSdlColour(colour);
  if (outputWidth == display.width && outputHeight == display.height) {
    SDL_SetRenderDrawColor(renderer, c.r, c.g, c.b, 255);
    SDL_RenderClear(renderer);
    return;
  }
  // A scaled picture: a clear would paint the bars too, so they are cleared black and the
  // playfield is filled.
  SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
  SDL_RenderClear(renderer);
  SDL_SetRenderDrawColor(renderer, c.r, c.g, c.b, 255);
  const SDL_Rect playfield{0, 0, display.width, display.height};
  SDL_RenderFillRect(renderer, &playfield);
}

void CloseDown() {
  FreeFontTexture();
  FreeSprites();
  if (display.renderer) SDL_DestroyRenderer(display.renderer);
#ifdef _WIN32
  ReleaseWindowsLogoKeys();
#endif
  if (display.window) SDL_DestroyWindow(display.window);
  SDL_FreeSurface(display.memoryBackBuffer);
  display = Display{};
  SDL_ShowCursor(SDL_ENABLE);
  SDL_Quit();  // gives the desktop its display mode back
}

namespace testing {

void UseOffscreenDisplay() {
  drawIntoMemory = true;
  SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
}

int PresentedFrames() { return presentedFrames; }

namespace {
Picture ReadSurface(SDL_Surface* surface) {
  Picture picture;
  if (!surface) return picture;
  picture.width = surface->w;
  picture.height = surface->h;
  picture.pixels.resize(static_cast<std::size_t>(surface->w) * surface->h);
  for (int y = 0; y < surface->h; ++y) {
    const auto* row =
        reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(surface->pixels) + y * surface->pitch);
    for (int x = 0; x < surface->w; ++x) {
      Uint8 r, g, b;
      SDL_GetRGB(row[x], surface->format, &r, &g, &b);
      picture.pixels[static_cast<std::size_t>(y) * surface->w + x] = r | (g << 8) | (b << 16);
    }
  }
  return picture;
}
}  // namespace

Picture BackBuffer() {
  if (display.renderer) SDL_RenderFlush(display.renderer);
  return ReadSurface(display.memoryBackBuffer);
}

Picture FrontBuffer() { return ReadSurface(memoryFrontBuffer); }

}  // namespace testing
}  // namespace platform
