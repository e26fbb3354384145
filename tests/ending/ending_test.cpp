// How the real game ends in a real window. Escape, SIGINT, SIGTERM and SIGHUP all go through
// the close-down (window destroyed, cursor shown again, SDL quit, which gives the desktop its
// display mode back) within a second; a signal then exits with 128 + its number, as shells
// expect. A request to close the window reaches the game and is ignored.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/ending/close_request.h"
#include "tests/window/window_fixture.h"

namespace window_harness {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Variables that only the game started in this scope inherits.
class GameEnvironment {
 public:
  explicit GameEnvironment(std::vector<std::pair<const char*, std::string>> variables)
      : variables_(std::move(variables)) {
    for (const auto& [name, value] : variables_) setenv(name, value.c_str(), 1);
  }
  ~GameEnvironment() {
    for (const auto& [name, value] : variables_) unsetenv(name);
  }

 private:
  std::vector<std::pair<const char*, std::string>> variables_;
};

class EndingTest : public WindowTest {
 protected:
  // The game, with the probe that logs its close-down and the requests SDL hands it.
  void StartLoggedGame() {
    display = std::make_unique<VirtualDisplay>();
    log_ = folder.Path() / "calls.log";
    const GameEnvironment probe({{"LD_PRELOAD", CALL_LOG_PROBE},
                                 {"SHOOTER_TEST_CALL_LOG", log_.string()}});
    game = std::make_unique<RunningGame>(*display, folder);
  }

  std::vector<std::string> Calls() const {
    std::vector<std::string> lines;
    std::ifstream in(log_);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  // The game still runs: Escape, held, must end it normally.
  void ExpectEscapeEndsItWithZero() {
    display->PressKeys({"Escape"});
    const auto ending = game->WaitForExit(2s);
    display->ReleaseKeys({"Escape"});
    ASSERT_TRUE(ending);
    EXPECT_EQ(*ending, Ending{.exitCode = 0}) << Describe(*ending);
  }

  bool Logged(const std::string& call) const {
    const auto calls = Calls();
    return std::find(calls.begin(), calls.end(), call) != calls.end();
  }

 private:
  std::filesystem::path log_;
};

const std::vector<std::string> kCloseDown = {"cursor hidden", "window destroyed", "cursor shown",
                                             "SDL quit"};

struct Stop {
  const char* name;
  int signal;  // 0: Escape held
};

void PrintTo(const Stop& stop, std::ostream* out) { *out << stop.name; }

class StopTest : public EndingTest, public ::testing::WithParamInterface<Stop> {};

TEST_P(StopTest, EndsWithinASecondThroughTheCloseDown) {
  StartLoggedGame();
  display->PressKeys({"Right"});  // in the middle of play
  game->WaitFrames(10);
  const XWindow window = game->Window();
  const auto asked = Clock::now();
  if (GetParam().signal)
    game->Process().Signal(GetParam().signal);
  else
    display->PressKeys({"Escape"});
  const auto ending = game->WaitForExit(1s);
  const auto took = std::chrono::duration<double, std::milli>(Clock::now() - asked).count();
  display->ReleaseKeys({"Right", "Escape"});
  ASSERT_TRUE(ending) << "still running a second after " << GetParam().name;
  Report("milliseconds_to_end", took);
  const int expected = GetParam().signal ? 128 + GetParam().signal : 0;
  EXPECT_EQ(*ending, Ending{.exitCode = expected}) << Describe(*ending);
  EXPECT_EQ(Calls(), kCloseDown);
  EXPECT_FALSE(display->WindowArea(window)) << "the window is still there";
}

INSTANTIATE_TEST_SUITE_P(Ways, StopTest,
                         ::testing::Values(Stop{"Escape", 0}, Stop{"SIGINT", SIGINT},
                                           Stop{"SIGTERM", SIGTERM}, Stop{"SIGHUP", SIGHUP}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EndingTest, AHangupIgnoredByWhoeverStartedTheGameStaysIgnored) {
  // As under nohup: the game inherits SIGHUP ignored.
  const auto previous = std::signal(SIGHUP, SIG_IGN);
  StartLoggedGame();
  std::signal(SIGHUP, previous);
  game->WaitFrames(5);
  game->Process().Signal(SIGHUP);
  game->WaitFrames(30);
  ASSERT_TRUE(game->Process().Running()) << "a hangup ignored by the parent ended the game";
  EXPECT_FALSE(Logged("SDL quit"));

  ExpectEscapeEndsItWithZero();
}

TEST_F(EndingTest, ACloseRequestArrivesAndIsIgnored) {
  StartLoggedGame();
  const XWindow window = game->Window();
  RequestClose(*display, window);
  const auto deadline = Clock::now() + 2s;
  while (!Logged("close request") && Clock::now() < deadline) std::this_thread::sleep_for(10ms);
  ASSERT_TRUE(Logged("close request")) << "the request did not reach the game";

  // Still playing: the window stays, and the player moves.
  game->WaitFrames(30);
  ASSERT_TRUE(game->Process().Running());
  EXPECT_TRUE(display->WindowArea(window));
  const Rect before = PlayerArea(Look());
  display->HoldKeys({"Right"}, 300ms);
  game->WaitFrames(5);
  EXPECT_GT(PlayerArea(Look()).left, before.left) << "the game stopped playing";
  EXPECT_FALSE(Logged("SDL quit"));

  ExpectEscapeEndsItWithZero();
}

}  // namespace
}  // namespace window_harness
