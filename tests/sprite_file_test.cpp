// Reading sprite files: every kind of BMP a user might save loads, and anything else, from a
// broken header to a FIFO, gives no image, at once and without allocating what a header claims.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

#include <chrono>
#include <future>

#include "platform/bmp_file.h"
#include "platform/bmp_header.h"
#include "tests/bad_sprite_files.h"
#include "tests/bmp_encoder.h"
#include "tests/game_fixture.h"

namespace {

using platform::BmpHeaderIsSafe;
using platform::ReadBmpFile;

std::span<const std::uint8_t> Bytes(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

class SpriteFileTest : public ::testing::Test {
 protected:
  std::filesystem::path PathOf(const char* name) const { return folder_.DataPath() / name; }
  std::string Write(const char* name, const std::string& bytes) const {
    WriteBytes(PathOf(name).string(), bytes);
    return PathOf(name).string();
  }

 private:
  SpriteFolder folder_;
};

TEST_F(SpriteFileTest, BrokenAndForeignFilesGiveNoImage) {
  for (const BadBmp& bad : BadBmps()) {
    SCOPED_TRACE(bad.name);
    EXPECT_FALSE(BmpHeaderIsSafe(Bytes(bad.bytes)));
    SDL_Surface* image = ReadBmpFile(Write("bad.bmp", bad.bytes).c_str());
    EXPECT_EQ(image, nullptr);
    SDL_FreeSurface(image);
  }
}

TEST_F(SpriteFileTest, AMissingFileGivesNoImage) {
  EXPECT_EQ(ReadBmpFile(PathOf("no-such-file.bmp").string().c_str()), nullptr);
}

TEST_F(SpriteFileTest, WhatIsNotARegularFileGivesNoImageWithoutBlocking) {
  for (const OddFile& odd : OddFiles()) {
    SCOPED_TRACE(odd.name);
    const std::filesystem::path path = PathOf(odd.name[0] == '/' ? "device.bmp" : "odd.bmp");
    std::filesystem::remove_all(path);
    odd.make(path);
    auto read =
        std::async(std::launch::async, [&path] { return ReadBmpFile(path.string().c_str()); });
    if (read.wait_for(std::chrono::seconds(2)) == std::future_status::timeout) {
      ADD_FAILURE() << "reading blocked";
#ifndef _WIN32
      // Opening the other end of a FIFO lets a blocked reader go on.
      close(open(path.c_str(), O_WRONLY | O_NONBLOCK));
#endif
    }
    EXPECT_EQ(read.get(), nullptr);
    std::filesystem::remove_all(path);
  }
#ifndef _WIN32
  EXPECT_EQ(ReadBmpFile("/dev/zero"), nullptr);
#endif
}

TEST_F(SpriteFileTest, EveryKindOfBmpLoadsAtItsSize) {
  const TestImage image(7, 4, ExactColours()[2]);
  for (const BmpKind& kind : EveryBmpKind()) {
    SCOPED_TRACE(kind.name);
    const std::string bytes = EncodeBmp(image, kind);
    EXPECT_TRUE(BmpHeaderIsSafe(Bytes(bytes)));
    SDL_Surface* loaded = ReadBmpFile(Write("good.bmp", bytes).c_str());
    ASSERT_NE(loaded, nullptr) << SDL_GetError();
    EXPECT_EQ(loaded->w, 7);
    EXPECT_EQ(loaded->h, 4);
    SDL_FreeSurface(loaded);
  }
}

TEST_F(SpriteFileTest, SpritesUpTo4096PixelsASideLoad) {
  for (const TestImage& image : {TestImage(4096, 1, 0x336699), TestImage(1, 4096, 0x336699)}) {
    SCOPED_TRACE(image.width);
    SDL_Surface* loaded =
        ReadBmpFile(Write("large.bmp", EncodeBmp(image, {"24 bits", 24})).c_str());
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->w, image.width);
    EXPECT_EQ(loaded->h, image.height);
    SDL_FreeSurface(loaded);
  }
}

#ifndef _WIN32
TEST_F(SpriteFileTest, ALinkToAGoodFileLoads) {
  Write("real.bmp", EncodeBmp(TestImage(3, 2, 0x336699), {"24 bits", 24}));
  std::filesystem::create_symlink("real.bmp", PathOf("link.bmp"));
  SDL_Surface* loaded = ReadBmpFile(PathOf("link.bmp").string().c_str());
  EXPECT_NE(loaded, nullptr);
  SDL_FreeSurface(loaded);
}
#endif

}  // namespace
