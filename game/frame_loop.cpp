// Start-up, the frame loop and the status line. Each pass presents the picture of the pass
// before, reads the keyboard once, draws the new picture from the bottom up (background,
// monsters, shots, status line, player) while the game moves on, and then tests the end.
#include "game/frame_loop.h"

#include "game/globals.h"
#include "game/routines.h"
#include "platform/platform.h"

void StartUp() {
  platform::StartSpriteService();
  platform::StartKeyboardService();
  platform::OpenDisplay(ScreenWidth, ScreenHeight, 32, "Vollbild");
  platform::LoadSprite(SpritePlayer, "Data\\Dude.bmp");
  platform::LoadSprite(SpriteMonster, "Data\\monster1.bmp");
  platform::LoadSprite(SpriteShot, "Data\\blaster.bmp");
  platform::SetTransparentColour(SpritePlayer, Magenta);
  platform::SetTransparentColour(SpriteMonster, Magenta);
  Monsters.clear();
  Shots.clear();
  Score = 0;
  PlayerX = 1;
  PlayerY = 2;
  MonstersToSpawn = 6;
  FireCooldown = 5;
  Ammo = 50;
}

static void DrawStatusLine() {
  platform::BeginDrawing();
  platform::SetTransparentTextBackground();
  platform::DrawText(1, 1, "Punkte:", Magenta);
  platform::DrawText(50, 1, platform::Decimal(Score).c_str(), Magenta);
  platform::DrawText(100, 1, "Ammo:", Magenta);
  platform::DrawText(150, 1, platform::Decimal(Ammo).c_str(), Magenta);
  platform::EndDrawing();
}

bool RunPass() {
  platform::Flip();
  platform::TakeKeyboardSnapshot();
  platform::ClearBackBuffer(Navy);
  UpdatePlayer();
  UpdateMonsters();
  UpdateShots();
  CheckHits();
  DrawStatusLine();
  platform::DrawSprite(SpritePlayer, PlayerX, PlayerY);
  return !(platform::KeyDown(KeyEscape) || Ammo == 0);
}

void ShutDown() {
  platform::CloseDown();
  Monsters.clear();
  Shots.clear();
}

int RunGame() {
  StartUp();
  while (RunPass()) {
  }
  ShutDown();
  return 0;
}
