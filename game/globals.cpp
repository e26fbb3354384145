#include "game/globals.h"

std::list<Monster> Monsters;
std::list<Shot> Shots;

std::int32_t PlayerX = 0, PlayerY = 0;
std::int32_t Score = 0;
std::int32_t Ammo = 0;
std::int32_t FireCooldown = 0;
std::int32_t MonstersToSpawn = 0;
