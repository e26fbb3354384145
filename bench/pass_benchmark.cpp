// The cost of one whole pass of the frame loop, simulation and drawing, with six monsters and
// four shots in flight, drawn by SDL's software renderer into memory. Sprites have the sizes of
// the game's own (32 × 32 player and monster, 16 × 4 shot). Before each pass the monsters and
// shots are put back where they started, so that every pass does the same work.
#include <benchmark/benchmark.h>

#include <array>

#include "game/frame_loop.h"
#include "game/globals.h"
#include "game/routines.h"
#include "platform/testing.h"
#include "tests/game_fixture.h"

namespace {

TestImage Sprite(int width, int height, Colour colour) {
  TestImage image(width, height, colour);
  for (int x = 0; x < width; ++x) image.Set(x, 0, Magenta);  // a transparent top row
  return image;
}

struct Place {
  std::int32_t x, y;
};
// Away from each other's rows, so that no shot meets a monster and nothing leaves.
constexpr std::array<Place, 6> kMonsters{{{100, 300}, {200, 340}, {300, 380}, {400, 420},
                                          {500, 460}, {600, 500}}};
constexpr std::array<Place, 4> kShots{{{100, 100}, {200, 150}, {300, 200}, {400, 250}}};

template <typename Element, std::size_t N>
void PutBack(std::list<Element>& list, const std::array<Place, N>& places) {
  auto place = places.begin();
  for (Element& element : list) {
    element.X = place->x;
    element.Y = place->y;
    ++place;
  }
}

void WholePass(benchmark::State& state) {
  SpriteFolder folder;
  folder.Write("Dude.bmp", Sprite(32, 32, MakeColour(220, 120, 40)));
  folder.Write("monster1.bmp", Sprite(32, 32, MakeColour(60, 200, 60)));
  folder.Write("blaster.bmp", Sprite(16, 4, MakeColour(250, 250, 100)));
  platform::testing::UseOffscreenDisplay();
  platform::testing::HoldKeys({});
  StartUp();
  MonstersToSpawn = 0;
  for (const Place& place : kMonsters) AddMonster(place.x, place.y, 1, 1, 0);
  for (const Place& place : kShots) AddShot(place.x, place.y);

  for (auto _ : state) {
    PutBack(Monsters, kMonsters);
    PutBack(Shots, kShots);
    benchmark::DoNotOptimize(RunPass());
  }
  if (Monsters.size() != kMonsters.size() || Shots.size() != kShots.size())
    state.SkipWithError("monsters or shots left during the passes");
  ShutDown();
}
BENCHMARK(WholePass)->Unit(benchmark::kNanosecond);

}  // namespace

BENCHMARK_MAIN();
