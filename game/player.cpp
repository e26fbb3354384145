// The player: the arrows move the sprite, Space fires to the right while the gun is cool.
#include "game/globals.h"
#include "game/routines.h"
#include "platform/platform.h"

namespace {
constexpr std::int32_t StepAcross = 4;
constexpr std::int32_t StepUpOrDown = 3;
constexpr std::int32_t MuzzleRight = 30;  // where a shot leaves, from the player's corner
constexpr std::int32_t MuzzleDown = 10;
constexpr std::int32_t Cooldown = 15;     // passes from one shot to the next
}  // namespace

int AddShot(std::int32_t x, std::int32_t y) {
  Shots.push_back(Shot{x, y});
  return 0;
}

void UpdatePlayer() {
  if (platform::KeyDown(KeyArrowRight)) PlayerX = WrappingAdd(PlayerX, StepAcross);
  if (platform::KeyDown(KeyArrowLeft)) PlayerX = WrappingAdd(PlayerX, -StepAcross);
  if (platform::KeyDown(KeyArrowDown)) PlayerY = WrappingAdd(PlayerY, StepUpOrDown);
  if (platform::KeyDown(KeyArrowUp)) PlayerY = WrappingAdd(PlayerY, -StepUpOrDown);
  if (platform::KeyDown(KeySpace) && FireCooldown == 0) {
    AddShot(WrappingAdd(PlayerX, MuzzleRight), WrappingAdd(PlayerY, MuzzleDown));
    FireCooldown = Cooldown;
    Ammo -= 1;
  }
  // Also in the pass that fired, so a held Space fires every Cooldown passes.
  if (FireCooldown > 0) FireCooldown -= 1;
}
