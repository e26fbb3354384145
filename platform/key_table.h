#pragma once
#include <SDL_scancode.h>

#include "platform/platform.h"

namespace platform {

// The SDL scancode of a key given by its PC scan code (set 1, extended keys at 128 + code);
// SDL_SCANCODE_UNKNOWN for numbers that name no key.
SDL_Scancode ScancodeOf(KeyCode key);

}  // namespace platform
