#pragma once
// The game's whole state. It lives from start-up to exit; the entry routine gives it its start
// values.
#include <cstdint>
#include <list>

#include "game/types.h"

extern std::list<Monster> Monsters;  // on the screen, in the order they arrived
extern std::list<Shot> Shots;        // in flight, in the order they were fired

extern std::int32_t PlayerX, PlayerY;   // top-left corner of the player sprite
extern std::int32_t Score;              // monsters hit
extern std::int32_t Ammo;               // shots left
extern std::int32_t FireCooldown;       // passes until the next shot may leave
extern std::int32_t MonstersToSpawn;    // monsters owed to the screen, one arrives per pass
