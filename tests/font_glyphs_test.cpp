#include "platform/font_glyphs.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

namespace {

using platform::FirstGlyph;
using platform::GlyphColumns;
using platform::GlyphPictures;
using platform::GlyphRows;
using platform::LastGlyph;

// A whole glyph picture as one string, rows concatenated; empty if any row is missing.
std::string Picture(char c) {
    std::string picture;
    for (const char* row : GlyphPictures[c - FirstGlyph]) {
        if (row == nullptr) return {};
        picture += row;
    }
    return picture;
}

std::string Quoted(char c) { return std::string("glyph '") + c + "'"; }

TEST(FontGlyphs, EveryRowHasExactlyTheGlyphWidthOfHashesAndDots) {
    for (char c = FirstGlyph; c <= LastGlyph; ++c) {
        for (int r = 0; r < GlyphRows; ++r) {
            const char* row = GlyphPictures[c - FirstGlyph][r];
            ASSERT_NE(row, nullptr) << Quoted(c) << " row " << r;
            EXPECT_EQ(std::strlen(row), static_cast<size_t>(GlyphColumns)) << Quoted(c) << " row " << r;
            EXPECT_EQ(std::strspn(row, "#."), std::strlen(row)) << Quoted(c) << " row " << r << ": " << row;
        }
    }
}

TEST(FontGlyphs, OnlySpaceIsBlank) {
    for (char c = FirstGlyph; c <= LastGlyph; ++c) {
        const bool lit = Picture(c).find('#') != std::string::npos;
        EXPECT_EQ(lit, c != ' ') << Quoted(c);
    }
}

TEST(FontGlyphs, LettersAndDigitsAreAllDistinct) {
    const std::string alphanumerics =
        "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    std::map<std::string, char> owner;
    for (char c : alphanumerics) {
        const auto [it, inserted] = owner.emplace(Picture(c), c);
        EXPECT_TRUE(inserted) << Quoted(c) << " has the same picture as " << Quoted(it->second);
    }
}

}  // namespace
