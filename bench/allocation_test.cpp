// A pass of the frame loop allocates nothing but the list elements it adds: one node for a
// monster that arrives, one for a shot that leaves. Text, drawing, events and the keyboard
// allocate nothing. Every allocation of a pass, SDL's own included, is counted and its size
// compared with the sizes of the nodes the pass added.
#include <gtest/gtest.h>

#include <SDL_scancode.h>

#include <cstdint>
#include <list>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "bench/allocation_counter.h"
#include "tests/game_fixture.h"

namespace {

constexpr int kPasses = 10000;
// SDL's software renderer sets up its buffers in the first frames and builds a texture's blit
// mapping (one 16-byte node in its list of mappings) the first time it copies that texture onto
// the picture. That is start-up, not a pass: the warm-up passes show every sprite and the text
// once, with Space held from the start (the first shot leaves in pass 6) and monsters arriving
// mid-screen, and are not counted.
constexpr int kWarmUpPasses = 8;

// A random choice of arrows and Space, turned back towards the screen where the player has
// left it, so that shots fly where they are drawn and meet monsters.
std::vector<SDL_Scancode> WanderingKeys(std::mt19937& generator) {
  constexpr std::int32_t kMargin = 32;  // from the right and bottom edges
  std::bernoulli_distribution held(0.4);
  const bool right = PlayerX < 0 || (PlayerX < ScreenWidth - kMargin && held(generator));
  const bool left = !right && held(generator);
  const bool down = PlayerY < 0 || (PlayerY < ScreenHeight - kMargin && held(generator));
  const bool up = !down && held(generator);
  std::vector<SDL_Scancode> keys;
  if (right) keys.push_back(SDL_SCANCODE_RIGHT);
  if (left) keys.push_back(SDL_SCANCODE_LEFT);
  if (down) keys.push_back(SDL_SCANCODE_DOWN);
  if (up) keys.push_back(SDL_SCANCODE_UP);
  if (held(generator)) keys.push_back(SDL_SCANCODE_SPACE);
  return keys;
}

// The size of the heap block that one element of a std::list<Element> takes.
template <typename Element>
std::size_t ListNodeSize() {
  std::list<Element> list;
  allocation_counter::Start();
  list.emplace_back();
  allocation_counter::Stop();
  return allocation_counter::Counted().sizes[0];
}

struct Pass {
  int number = 0;
  int monstersAdded = 0, shotsAdded = 0;
  allocation_counter::Record allocations;
};

std::string Describe(const Pass& pass, std::size_t monsterNode, std::size_t shotNode) {
  std::ostringstream text;
  text << "pass " << pass.number << ": " << pass.monstersAdded << " monster(s) and "
       << pass.shotsAdded << " shot(s) added (nodes of " << monsterNode << " and " << shotNode
       << " bytes), " << pass.allocations.count << " allocation(s) of";
  for (std::size_t i = 0; i < pass.allocations.SizesKept(); ++i)
    text << ' ' << pass.allocations.sizes[i];
  return text.str();
}

bool OnlyNewListElements(const Pass& pass, std::size_t monsterNode, std::size_t shotNode) {
  if (pass.allocations.count != static_cast<std::size_t>(pass.monstersAdded + pass.shotsAdded))
    return false;
  int monsterNodes = 0, shotNodes = 0;
  for (std::size_t i = 0; i < pass.allocations.SizesKept(); ++i) {
    if (pass.allocations.sizes[i] == monsterNode) ++monsterNodes;
    else if (pass.allocations.sizes[i] == shotNode) ++shotNodes;
  }
  return monsterNodes == pass.monstersAdded && shotNodes == pass.shotsAdded;
}

TEST_F(GameTest, PassesAllocateNothingButTheListElementsTheyAdd) {
  const std::size_t monsterNode = ListNodeSize<Monster>();
  const std::size_t shotNode = ListNodeSize<Shot>();
  ASSERT_GT(shotNode, 0u) << "the counting allocator is not in use";
  ASSERT_NE(monsterNode, shotNode) << "the two kinds of node must be told apart by size";

  platform::testing::SetRandomSource([](std::int32_t n) { return n / 2; });
  platform::testing::HoldKeys({SDL_SCANCODE_SPACE});
  for (int pass = 1; pass <= kWarmUpPasses; ++pass) ASSERT_TRUE(RunPass());
  ASSERT_FALSE(Monsters.empty());
  ASSERT_FALSE(Shots.empty());

  // Then monsters anywhere, so that they leave, get hit and arrive again all the time; the
  // player wanders and fires, several keys at once, each choice held for a while.
  std::mt19937 generator(20261211);
  platform::testing::SetRandomSource([&generator](std::int32_t n) {
    return std::uniform_int_distribution<std::int32_t>(0, n)(generator);
  });
  std::uniform_int_distribution<int> holdFor(1, 40);

  std::vector<std::string> strayAllocations;
  int passesUntilNewKeys = 0;
  int monstersAdded = 0, shotsAdded = 0;
  for (int number = 1; number <= kPasses; ++number) {
    if (passesUntilNewKeys-- == 0) {
      platform::testing::HoldKeys(WanderingKeys(generator));
      passesUntilNewKeys = holdFor(generator);
    }
    if (Ammo <= 1) Ammo = 50;  // the last shot would end the game

    Pass pass;
    pass.number = number;
    const std::int32_t ammoBefore = Ammo;
    pass.monstersAdded = MonstersToSpawn > 0 ? 1 : 0;
    allocation_counter::Start();
    const bool running = RunPass();
    allocation_counter::Stop();
    ASSERT_TRUE(running) << "pass " << number;
    pass.shotsAdded = ammoBefore - Ammo;
    pass.allocations = allocation_counter::Counted();

    monstersAdded += pass.monstersAdded;
    shotsAdded += pass.shotsAdded;
    if (!OnlyNewListElements(pass, monsterNode, shotNode) && strayAllocations.size() < 10)
      strayAllocations.push_back(Describe(pass, monsterNode, shotNode));
  }

  // The run must have made many of both kinds, or it proves little.
  EXPECT_GT(monstersAdded, 400);
  EXPECT_GT(shotsAdded, 200);
  EXPECT_GT(Score, 0);
  EXPECT_TRUE(strayAllocations.empty()) << ::testing::PrintToString(strayAllocations);
}

}  // namespace
