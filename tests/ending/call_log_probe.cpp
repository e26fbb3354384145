// Loaded into the game with LD_PRELOAD by the tests of how it ends: it passes every call on to
// SDL and writes one line for each step of the close-down, and for each quit or close request
// that SDL hands the game, to the file named by SHOOTER_TEST_CALL_LOG. So a test can tell a game
// that closed down from one that merely exited, and see that a close request did arrive.
#include <SDL.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

namespace {

void Log(const char* line) {
  const char* path = std::getenv("SHOOTER_TEST_CALL_LOG");
  if (!path) return;
  if (std::FILE* log = std::fopen(path, "a")) {
    std::fprintf(log, "%s\n", line);
    std::fclose(log);
  }
}

template <typename Function>
Function Real(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" {

int SDL_ShowCursor(int toggle) {
  if (toggle == SDL_ENABLE) Log("cursor shown");
  if (toggle == SDL_DISABLE) Log("cursor hidden");
  return Real<int (*)(int)>("SDL_ShowCursor")(toggle);
}

void SDL_DestroyWindow(SDL_Window* window) {
  Log("window destroyed");
  Real<void (*)(SDL_Window*)>("SDL_DestroyWindow")(window);
}

void SDL_Quit() {
  Log("SDL quit");
  Real<void (*)()>("SDL_Quit")();
}

int SDL_PollEvent(SDL_Event* event) {
  const int got = Real<int (*)(SDL_Event*)>("SDL_PollEvent")(event);
  if (got && event && event->type == SDL_QUIT) Log("quit request");
  if (got && event && event->type == SDL_WINDOWEVENT &&
      event->window.event == SDL_WINDOWEVENT_CLOSE)
    Log("close request");
  return got;
}

}  // extern "C"
