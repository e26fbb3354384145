// Scan code set 1 as a standard 104-key PC keyboard sends it, translated to SDL's scancodes.
// Codes 1..88 are the main block, function keys and keypad; the E0-prefixed keys (arrows,
// editing block, right-hand modifiers, Windows keys) sit at 128 plus their second byte. Pause,
// which sends E1 1D 45, is numbered 197 as DirectInput numbers it.
#include "platform/key_table.h"

#include <array>
#include <utility>

namespace platform {
namespace {

constexpr std::pair<KeyCode, SDL_Scancode> kKeys[] = {
    {1, SDL_SCANCODE_ESCAPE},
    {2, SDL_SCANCODE_1}, {3, SDL_SCANCODE_2}, {4, SDL_SCANCODE_3}, {5, SDL_SCANCODE_4},
    {6, SDL_SCANCODE_5}, {7, SDL_SCANCODE_6}, {8, SDL_SCANCODE_7}, {9, SDL_SCANCODE_8},
    {10, SDL_SCANCODE_9}, {11, SDL_SCANCODE_0},
    {12, SDL_SCANCODE_MINUS}, {13, SDL_SCANCODE_EQUALS}, {14, SDL_SCANCODE_BACKSPACE},
    {15, SDL_SCANCODE_TAB},
    {16, SDL_SCANCODE_Q}, {17, SDL_SCANCODE_W}, {18, SDL_SCANCODE_E}, {19, SDL_SCANCODE_R},
    {20, SDL_SCANCODE_T}, {21, SDL_SCANCODE_Y}, {22, SDL_SCANCODE_U}, {23, SDL_SCANCODE_I},
    {24, SDL_SCANCODE_O}, {25, SDL_SCANCODE_P},
    {26, SDL_SCANCODE_LEFTBRACKET}, {27, SDL_SCANCODE_RIGHTBRACKET}, {28, SDL_SCANCODE_RETURN},
    {29, SDL_SCANCODE_LCTRL},
    {30, SDL_SCANCODE_A}, {31, SDL_SCANCODE_S}, {32, SDL_SCANCODE_D}, {33, SDL_SCANCODE_F},
    {34, SDL_SCANCODE_G}, {35, SDL_SCANCODE_H}, {36, SDL_SCANCODE_J}, {37, SDL_SCANCODE_K},
    {38, SDL_SCANCODE_L},
    {39, SDL_SCANCODE_SEMICOLON}, {40, SDL_SCANCODE_APOSTROPHE}, {41, SDL_SCANCODE_GRAVE},
    {42, SDL_SCANCODE_LSHIFT}, {43, SDL_SCANCODE_BACKSLASH},
    {44, SDL_SCANCODE_Z}, {45, SDL_SCANCODE_X}, {46, SDL_SCANCODE_C}, {47, SDL_SCANCODE_V},
    {48, SDL_SCANCODE_B}, {49, SDL_SCANCODE_N}, {50, SDL_SCANCODE_M},
    {51, SDL_SCANCODE_COMMA}, {52, SDL_SCANCODE_PERIOD}, {53, SDL_SCANCODE_SLASH},
    {54, SDL_SCANCODE_RSHIFT}, {55, SDL_SCANCODE_KP_MULTIPLY}, {56, SDL_SCANCODE_LALT},
    {57, SDL_SCANCODE_SPACE}, {58, SDL_SCANCODE_CAPSLOCK},
    {59, SDL_SCANCODE_F1}, {60, SDL_SCANCODE_F2}, {61, SDL_SCANCODE_F3}, {62, SDL_SCANCODE_F4},
    {63, SDL_SCANCODE_F5}, {64, SDL_SCANCODE_F6}, {65, SDL_SCANCODE_F7}, {66, SDL_SCANCODE_F8},
    {67, SDL_SCANCODE_F9}, {68, SDL_SCANCODE_F10},
    {69, SDL_SCANCODE_NUMLOCKCLEAR}, {70, SDL_SCANCODE_SCROLLLOCK},
    {71, SDL_SCANCODE_KP_7}, {72, SDL_SCANCODE_KP_8}, {73, SDL_SCANCODE_KP_9},
    {74, SDL_SCANCODE_KP_MINUS},
    {75, SDL_SCANCODE_KP_4}, {76, SDL_SCANCODE_KP_5}, {77, SDL_SCANCODE_KP_6},
    {78, SDL_SCANCODE_KP_PLUS},
    {79, SDL_SCANCODE_KP_1}, {80, SDL_SCANCODE_KP_2}, {81, SDL_SCANCODE_KP_3},
    {82, SDL_SCANCODE_KP_0}, {83, SDL_SCANCODE_KP_PERIOD},
    {86, SDL_SCANCODE_NONUSBACKSLASH}, {87, SDL_SCANCODE_F11}, {88, SDL_SCANCODE_F12},
    // E0-prefixed keys.
    {128 + 0x1C, SDL_SCANCODE_KP_ENTER}, {128 + 0x1D, SDL_SCANCODE_RCTRL},
    {128 + 0x35, SDL_SCANCODE_KP_DIVIDE}, {128 + 0x37, SDL_SCANCODE_PRINTSCREEN},
    {128 + 0x38, SDL_SCANCODE_RALT}, {128 + 0x45, SDL_SCANCODE_PAUSE},
    {128 + 0x47, SDL_SCANCODE_HOME}, {128 + 0x48, SDL_SCANCODE_UP},
    {128 + 0x49, SDL_SCANCODE_PAGEUP}, {128 + 0x4B, SDL_SCANCODE_LEFT},
    {128 + 0x4D, SDL_SCANCODE_RIGHT}, {128 + 0x4F, SDL_SCANCODE_END},
    {128 + 0x50, SDL_SCANCODE_DOWN}, {128 + 0x51, SDL_SCANCODE_PAGEDOWN},
    {128 + 0x52, SDL_SCANCODE_INSERT}, {128 + 0x53, SDL_SCANCODE_DELETE},
    {128 + 0x5B, SDL_SCANCODE_LGUI}, {128 + 0x5C, SDL_SCANCODE_RGUI},
    {128 + 0x5D, SDL_SCANCODE_APPLICATION},
};

constexpr std::array<SDL_Scancode, 256> BuildTable() {
  std::array<SDL_Scancode, 256> table{};  // SDL_SCANCODE_UNKNOWN is 0
  for (const auto& [key, scancode] : kKeys) table[key] = scancode;
  return table;
}

constexpr std::array<SDL_Scancode, 256> kScancodes = BuildTable();

}  // namespace

SDL_Scancode ScancodeOf(KeyCode key) {
  if (key < 0 || key >= static_cast<KeyCode>(kScancodes.size())) return SDL_SCANCODE_UNKNOWN;
  return kScancodes[key];
}

}  // namespace platform
