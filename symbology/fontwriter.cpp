#include "symbology/fontwriter.h"

#include <stdexcept>

namespace dornavik {
namespace {

uint16_t Point(int x, int y, bool draw) {
  if (x < -64 || x > 63 || y < -64 || y > 63)
    throw std::invalid_argument("stroke point out of range: " + std::to_string(x) + "," +
                                std::to_string(y));
  return static_cast<uint16_t>(0x80 | (x & 0x7F) | (y & 0x7F) << 8 | (draw ? 0x8000 : 0));
}

uint16_t Operation(int radius, int op) {
  if (radius < 1 || radius > 127) throw std::invalid_argument("stroke radius out of range");
  return static_cast<uint16_t>(radius | op << 8);
}

void Put16(std::string& out, size_t at, unsigned value) {
  out[at] = static_cast<char>(value & 0xFF);
  out[at + 1] = static_cast<char>(value >> 8 & 0xFF);
}

}  // namespace

uint16_t StrokeMove(int x, int y) { return Point(x, y, false); }
uint16_t StrokeDraw(int x, int y) { return Point(x, y, true); }
uint16_t StrokeCircle(int radius) { return Operation(radius, 0); }

std::vector<uint16_t> StrokeArc(int radius, int from, int to) {
  return {Operation(radius, 1), static_cast<uint16_t>((to & 0xFF) | (from & 0xFF) << 8)};
}

std::string StrokeFontBytes(const tfontimage& font) {
  constexpr size_t kHeader = 144;
  if (font.description.size() > 114 || font.description.find('\x1A') != std::string::npos)
    throw std::invalid_argument("font description too long");
  const int first = font.glyphs.empty() ? 0 : font.glyphs.begin()->first;
  const int n = font.glyphs.empty() ? 0 : font.glyphs.rbegin()->first - first + 1;

  std::string strokes, offsets(2 * n, '\0'), widths(n, '\xFF');
  for (const auto& [code, glyph] : font.glyphs) {
    Put16(offsets, 2 * (code - first), static_cast<unsigned>(strokes.size()));
    widths[code - first] = static_cast<char>(glyph.width);
    for (const uint16_t w : glyph.words) strokes += {static_cast<char>(w & 0xFF), static_cast<char>(w >> 8)};
    strokes += std::string(2, '\0');
  }
  const size_t file_size = 16 + 3 * n + strokes.size();
  if (file_size > 0xFFFF) throw std::invalid_argument("font too large");

  std::string out(kHeader, '\0');
  out.replace(0, font.description.size(), font.description);
  size_t at = font.description.size();
  out[at] = '\x1A';
  Put16(out, at + 1, 128);                                   // header size
  out.replace(at + 3, 4, (font.name + "    ").substr(0, 4));  // font name
  Put16(out, at + 7, static_cast<unsigned>(file_size));
  out[at + 9] = 1;  // font version 1.0
  out[at + 10] = 0;
  out[at + 11] = 1;  // minimum loader version 1.0
  out[at + 12] = 0;
  out[128] = '+';  // signature of stroke data
  Put16(out, 129, static_cast<unsigned>(n));
  out[132] = static_cast<char>(first);
  Put16(out, 133, static_cast<unsigned>(16 + 3 * n));  // stroke definitions, from byte 128
  out[135] = 0;
  out[136] = static_cast<char>(static_cast<int8_t>(font.capital));
  out[137] = 0;
  out[138] = static_cast<char>(static_cast<int8_t>(font.descender));
  return out + offsets + widths + strokes;
}

}  // namespace dornavik
