// The monsters: one arrives per pass while any are owed, each drifts right and down at its own
// speed, and one that leaves the screen or was hit in the pass before makes room for another.
#include "game/globals.h"
#include "game/list_iteration.h"
#include "game/routines.h"
#include "platform/platform.h"

int AddMonster(std::int32_t x, std::int32_t y, std::int32_t stepX, std::int32_t stepY,
               std::int32_t hit) {
  Monster monster;
  monster.X = x;
  monster.Y = y;
  monster.StepX = stepX;
  monster.StepY = stepY;
  monster.Hit = hit;
  Monsters.push_back(monster);
  return 0;
}

void UpdateMonsters() {
  if (MonstersToSpawn > 0) {
    // The draws come in this order: stepY, stepX, y, x.
    const std::int32_t stepY = platform::RandomValue(2) + 1;
    const std::int32_t stepX = platform::RandomValue(3) + 1;
    const std::int32_t y = platform::RandomValue(ScreenHeight);
    const std::int32_t x = platform::RandomValue(ScreenWidth);
    AddMonster(x, y, stepX, stepY, 0);
    MonstersToSpawn -= 1;
  }
  VisitRemoving(Monsters, [](Monster& monster) {
    platform::DrawSprite(SpriteMonster, monster.X, monster.Y);
    monster.X = WrappingAdd(monster.X, monster.StepX);
    monster.Y = WrappingAdd(monster.Y, monster.StepY);
    const bool gone = monster.X > ScreenWidth || monster.X < 0 || monster.Y > ScreenHeight ||
                      monster.Y < 0 || monster.Hit == 1;
    if (gone) MonstersToSpawn += 1;
    return gone;
  });
}
