// Writing stroke fonts in the .CHR layout that ParseStrokeFont reads: the font
// generator builds the program's fonts with it, and tests build small fonts.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace dornavik {

// Stroke words. Coordinates are -64..63 font units; radii 1..127.
uint16_t StrokeMove(int x, int y);
uint16_t StrokeDraw(int x, int y);
uint16_t StrokeCircle(int radius);
// An arc counter-clockwise from angle from to angle to, each in 1/256 of a turn
// (sign fonts read 361 degrees to the turn): the operation word and its angles.
std::vector<uint16_t> StrokeArc(int radius, int from, int to);

struct tglyphimage {
  uint8_t width = 0;             // advance in font units
  std::vector<uint16_t> words;   // without the 0 that ends the glyph
};

struct tfontimage {
  std::string description;  // the text at the start of the file (no byte 26 in it)
  std::string name;         // four characters
  int capital = 10;         // origin to capital, font units
  int descender = 0;        // origin to descender (negative below the baseline)
  std::map<uint8_t, tglyphimage> glyphs;
};

// The bytes of the .CHR file. Throws std::invalid_argument when the font does not
// fit the layout (a description over 114 characters, a stream over 64 KiB).
std::string StrokeFontBytes(const tfontimage& font);

}  // namespace dornavik
