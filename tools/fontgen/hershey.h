// Glyphs of the Hershey fonts in their ".jhf" form: coordinates in Hershey units
// with y growing downwards, the capital letters standing from -12 to the baseline 9.
#pragma once

#include <string>
#include <vector>

namespace fontgen {

struct tpoint {
  double x = 0, y = 0;
  bool operator==(const tpoint&) const = default;
};
using tpolyline = std::vector<tpoint>;

struct tglyph {
  double left = 0, right = 0;  // the margins: the advance is right - left
  std::vector<tpolyline> strokes;
};

// The glyphs of a .jhf file in file order (for the fonts used here, the ASCII
// characters from 32 on). Throws std::runtime_error when the file cannot be read
// or is malformed.
std::vector<tglyph> ReadHersheyFont(const std::string& path);

// Glyph transformations used to compose letters the fonts lack.
tglyph Mirrored(const tglyph& g);                           // left and right exchanged
tglyph Scaled(const tglyph& g, double sx, double sy, double y0);  // y scaled about y0
tglyph Moved(const tglyph& g, double dx, double dy);        // strokes only, not margins
tglyph Joined(tglyph a, const tglyph& b);                   // b's strokes added to a

}  // namespace fontgen
