// One stroke font: a .CHR file with the header, the offset and width tables and
// the stroke stream, checked when it is read so that drawing can trust it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dornavik {

// Text fonts and sign fonts read the same layout but treat the non-point stroke
// words differently (see glyph.cpp), and measure in different units.
enum class tfontkind { text, sign };

constexpr int kFontHeaderSize = 144;
constexpr uint8_t kNoGlyph = 255;  // width of a character the font does not hold
constexpr float kSignFontUnit = 10;

struct tstrokefont {
  tfontkind kind = tfontkind::text;
  std::array<uint8_t, kFontHeaderSize> header{};
  std::array<uint16_t, 256> offsets{};  // index of the first stroke word of each code
  std::array<uint8_t, 256> widths;      // advance in font units; kNoGlyph = none
  std::vector<uint16_t> strokes;        // the stroke stream
  size_t stroke_size = 0;               // bytes of the stroke stream as the header gives it
  float unit = 1;                       // font units per size unit

  tstrokefont() { widths.fill(kNoGlyph); }
  bool HasGlyph(uint8_t code) const { return widths[code] != kNoGlyph; }
};

// Stroke words (the low byte comes first in the file). A point operation has bit 7
// of the low byte set; 0 ends a glyph; any other word is a circle or arc operation
// with the radius in its low byte and the operation in its high byte.
inline bool IsPointWord(uint16_t word) { return (word & 0x80) != 0; }
// True when the operation word is an arc, whose two angles fill the next word.
// Text fonts treat every operation but 0 (circle) as an arc; sign fonts only 1 and
// 4, and draw nothing for the others (they bracket regions of a glyph).
inline bool IsArcWord(tfontkind kind, uint16_t word) {
  const int op = word >> 8;
  return kind == tfontkind::text ? op != 0 : op == 1 || op == 4;
}

// Reads a font from the bytes of a .CHR file. Throws terror with a cp1251 message
// (what is wrong, after the path) when the bytes are not a usable font: too short
// for what the header says, no end-of-file mark, more characters than codes, an
// offset outside the stroke stream, a glyph whose strokes never end, or (text
// fonts) a capital height that is not positive. Sign fonts measure in units of 10.
tstrokefont ParseStrokeFont(std::string_view bytes, tfontkind kind, const std::string& path);

// Reads the file. A missing file throws terror "Файла <path> не е намерен." in the
// words the operator knows; an unreadable or unusable one throws as above.
tstrokefont LoadStrokeFont(const std::string& path, tfontkind kind);

}  // namespace dornavik
