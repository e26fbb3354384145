#pragma once
// The game's routines. The four Update/Check routines run once per pass, in this order, from the
// frame loop; the Add routines append to a list and return 0, which callers ignore.
#include <cstdint>

void UpdatePlayer();    // arrows move the player, Space fires
void UpdateMonsters();  // one arrives if owed; each is drawn, moves, and leaves when out or hit
void UpdateShots();     // each shot flies right, is drawn, and leaves past the right edge
void CheckHits();       // a shot that meets a monster is removed, marks it hit and scores

int AddShot(std::int32_t x, std::int32_t y);
int AddMonster(std::int32_t x, std::int32_t y, std::int32_t stepX, std::int32_t stepY,
               std::int32_t hit);
