// The shots: each flies right, leaves past the right edge, and one that meets a monster is
// spent on it, marking the monster hit (it leaves in the next pass) and scoring a point.
#include "game/globals.h"
#include "game/list_iteration.h"
#include "game/routines.h"
#include "platform/platform.h"

namespace {
constexpr std::int32_t ShotSpeed = 5;
}  // namespace

void UpdateShots() {
  VisitRemoving(Shots, [](Shot& shot) {
    shot.X = WrappingAdd(shot.X, ShotSpeed);
    platform::DrawSprite(SpriteShot, shot.X, shot.Y);
    return shot.X > ScreenWidth;
  });
}

void CheckHits() {
  for (Monster& monster : Monsters) {
    // Every shot on the monster scores, including those after the first in this pass.
    VisitRemoving(Shots, [&monster](const Shot& shot) {
      const bool hits = platform::SpritesOverlap(SpriteMonster, monster.X, monster.Y, SpriteShot,
                                                 shot.X, shot.Y);
      if (hits) {
        monster.Hit = 1;
        Score += 1;
      }
      return hits;
    });
  }
}
