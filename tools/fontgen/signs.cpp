#include "signs.h"

#include <cmath>
#include <string>
#include <vector>

namespace fontgen {
namespace {

using dornavik::StrokeArc;
using dornavik::StrokeCircle;
using dornavik::StrokeDraw;
using dornavik::StrokeMove;

// One drawing step: 'M' move to (a, b), 'L' line to (a, b), 'C' circle of radius
// a around the current point, 'A' arc of radius a counter-clockwise from b to c
// degrees around the current point.
struct tstep {
  char op;
  int a, b = 0, c = 0;
};

struct tsign {
  uint8_t code;
  const char* name;
  std::vector<tstep> steps;
};

// Sign fonts read 361 degrees to the turn.
int AngleByte(int degrees) { return static_cast<int>(std::lround(degrees * 256.0 / 361.0)); }

const std::vector<tsign>& Signs() {
  static const std::vector<tsign> signs = {
      {65, "spring", {{'M', 0, 2}, {'C', 2}, {'M', 0, 0}, {'L', -1, -2}, {'L', 1, -3}, {'L', 0, -5}}},
      {66, "hut", {{'M', -4, -4}, {'L', 4, -4}, {'L', 4, 1}, {'L', 0, 5}, {'L', -4, 1}, {'L', -4, -4},
                   {'M', -4, 1}, {'L', 4, 1}}},
      {67, "lookout tower", {{'M', -3, -5}, {'L', -1, 3}, {'M', 3, -5}, {'L', 1, 3}, {'M', -2, -1},
                             {'L', 2, -1}, {'M', -3, 3}, {'L', 3, 3}, {'L', 3, 5}, {'L', -3, 5},
                             {'L', -3, 3}}},
      {68, "trigonometric point", {{'M', -5, -4}, {'L', 5, -4}, {'L', 0, 5}, {'L', -5, -4},
                                   {'M', 0, -1}, {'C', 1}}},
      {69, "single tree", {{'M', -3, -5}, {'L', 3, -5}, {'M', 0, -5}, {'L', 0, -1}, {'M', 0, 2},
                           {'C', 3}}},
      {70, "coniferous tree", {{'M', 0, -5}, {'L', 0, 5}, {'M', -4, -1}, {'L', 0, 5}, {'L', 4, -1},
                               {'M', -3, -3}, {'L', 0, 1}, {'L', 3, -3}}},
      {71, "deciduous tree", {{'M', 0, -5}, {'L', 0, -1}, {'M', 0, 2}, {'C', 3}}},
      {72, "fountain", {{'M', -5, -1}, {'L', -5, -4}, {'L', 5, -4}, {'L', 5, -1}, {'M', -3, 4},
                        {'L', 2, 4}, {'L', 2, 2}, {'M', 2, 0}, {'L', 2, -2}}},
      {73, "chapel", {{'M', -3, -5}, {'L', 3, -5}, {'L', 3, 0}, {'L', 0, 2}, {'L', -3, 0},
                      {'L', -3, -5}, {'M', 0, 2}, {'L', 0, 5}, {'M', -1, 4}, {'L', 1, 4}}},
      {74, "monument", {{'M', -3, -5}, {'L', 3, -5}, {'M', -2, -5}, {'L', -1, 4}, {'L', 0, 5},
                        {'L', 1, 4}, {'L', 2, -5}}},
      {75, "cave", {{'M', -5, -3}, {'L', 5, -3}, {'M', 0, -3}, {'A', 4, 0, 180}, {'A', 2, 0, 180}}},
      {76, "rock", {{'M', -5, -4}, {'L', -2, 2}, {'L', 0, 0}, {'L', 2, 4}, {'L', 5, -4},
                    {'L', -5, -4}}},
      {77, "forest nursery", {{'M', -5, -4}, {'L', 5, -4}, {'L', 5, 4}, {'L', -5, 4}, {'L', -5, -4},
                              {'M', -3, 0}, {'C', 1}, {'M', 0, 0}, {'C', 1}, {'M', 3, 0}, {'C', 1}}},
      {78, "game feeder", {{'M', -4, -5}, {'L', -4, 2}, {'M', 4, -5}, {'L', 4, 2}, {'M', -5, 1},
                           {'L', 0, 5}, {'L', 5, 1}, {'M', -4, 2}, {'L', 0, -2}, {'L', 4, 2}}},
      {79, "hunting stand", {{'M', -3, -5}, {'L', -2, 2}, {'M', 3, -5}, {'L', 2, 2}, {'M', -2, -2},
                             {'L', 2, -2}, {'M', -3, 2}, {'L', 3, 2}, {'L', 3, 5}, {'L', -3, 5},
                             {'L', -3, 2}}},
      {80, "bridge", {{'M', -5, 3}, {'L', -3, 1}, {'L', 3, 1}, {'L', 5, 3}, {'M', -5, -3},
                      {'L', -3, -1}, {'L', 3, -1}, {'L', 5, -3}}},
      {81, "boundary stone", {{'M', -3, -3}, {'L', 3, -3}, {'L', 3, 3}, {'L', -3, 3}, {'L', -3, -3},
                              {'M', 0, 0}, {'C', 1}}},
      {82, "survey point", {{'M', 0, 0}, {'L', 0, 0}, {'C', 2}}},
      {83, "north arrow", {{'M', 0, -5}, {'L', 0, 5}, {'M', -2, 2}, {'L', 0, 5}, {'L', 2, 2},
                           {'M', -4, -2}, {'L', -4, 2}, {'L', -2, -2}, {'L', -2, 2}}},
      {84, "cross", {{'M', 0, -5}, {'L', 0, 5}, {'M', -3, 2}, {'L', 3, 2}}},
  };
  return signs;
}

}  // namespace

dornavik::tfontimage SignFontImage(int number) {
  dornavik::tfontimage image;
  image.description = "Dornavik sign font " + std::to_string(number) + "\r\n";
  image.name = "SYM" + std::to_string(number);
  image.capital = 10;
  image.descender = -5;
  for (const tsign& sign : Signs()) {
    dornavik::tglyphimage& glyph = image.glyphs[sign.code];
    glyph.width = 10;
    for (const tstep& s : sign.steps) {
      switch (s.op) {
        case 'M': glyph.words.push_back(StrokeMove(s.a, s.b)); break;
        case 'L': glyph.words.push_back(StrokeDraw(s.a, s.b)); break;
        case 'C': glyph.words.push_back(StrokeCircle(s.a)); break;
        case 'A':
          for (const uint16_t w : StrokeArc(s.a, AngleByte(s.b), AngleByte(s.c))) glyph.words.push_back(w);
          break;
      }
    }
  }
  return image;
}

}  // namespace fontgen
