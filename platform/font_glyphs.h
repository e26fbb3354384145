#pragma once
// The game's own bitmap font: printable ASCII as crisp single-colour glyphs, drawn as pictures in
// font_glyphs.cpp.
namespace platform {
inline constexpr int GlyphAdvance = 7;   // pixels from one character's left edge to the next
inline constexpr int GlyphColumns = 6;   // width of a glyph picture; column 6 of each cell stays blank
inline constexpr int GlyphRows = 13;     // height of a glyph picture
inline constexpr char FirstGlyph = ' ';
inline constexpr char LastGlyph = '~';
inline constexpr int GlyphCount = LastGlyph - FirstGlyph + 1;
static_assert(GlyphAdvance > GlyphColumns, "letters would touch");
// One picture per character FirstGlyph..LastGlyph in order: GlyphRows strings of GlyphColumns
// characters each, '#' for a lit pixel and '.' for an unlit one.
extern const char* const GlyphPictures[GlyphCount][GlyphRows];
}  // namespace platform
