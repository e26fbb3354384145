#include "tests/window/window_fixture.h"

#include <cstring>
#include <iostream>

#include "platform/font_glyphs.h"

namespace window_harness {

void WindowTest::StartGame(VirtualDisplay::Options options) {
  display = std::make_unique<VirtualDisplay>(options);
  game = std::make_unique<RunningGame>(*display, folder);
}

void WindowTest::TearDown() {
  if (HasFailure() && last_.width > 0) {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("window-failed-") + test->test_suite_name() + "." + test->name();
    for (char& c : name)
      if (c == '/') c = '_';
    last_.WritePpm(name + ".ppm");
  }
  game.reset();
  display.reset();
}

const ScreenPicture& WindowTest::Look() {
  last_ = display->Capture();
  return last_;
}

std::optional<ScreenPicture> WindowTest::LookUntil(
    const std::function<bool(const ScreenPicture&)>& wanted, std::chrono::milliseconds timeout) {
  std::optional<ScreenPicture> found = display->WaitForPicture(
      [&](const ScreenPicture& picture) {
        last_ = picture;
        return wanted(picture);
      },
      timeout);
  return found;
}

void WindowTest::Report(const std::string& name, double value) {
  RecordProperty(name, std::to_string(value));
  std::cout << "measured " << name << " = " << value << "\n";
}

bool FreshStatusLineLit(int x, int y) {
  struct Text {
    int x;
    const char* text;
  };
  static constexpr Text texts[] = {{1, "Punkte:"}, {50, "0"}, {100, "Ammo:"}, {150, "50"}};
  const int row = y - 1;
  if (row < 0 || row >= platform::GlyphRows) return false;
  for (const Text& text : texts) {
    const int offset = x - text.x;
    if (offset < 0) continue;
    const std::size_t index = offset / platform::GlyphAdvance;
    const int column = offset % platform::GlyphAdvance;
    if (index >= std::strlen(text.text) || column >= platform::GlyphColumns) continue;
    if (platform::GlyphPictures[text.text[index] - platform::FirstGlyph][row][column] == '#')
      return true;
  }
  return false;
}

}  // namespace window_harness
