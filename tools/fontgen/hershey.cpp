#include "hershey.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fontgen {

std::vector<tglyph> ReadHersheyFont(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + path);
  std::stringstream whole;
  whole << file.rdbuf();
  // Long glyphs continue on the next line; line ends carry no data.
  std::string text;
  for (const char c : whole.str())
    if (c != '\n' && c != '\r') text += c;

  std::vector<tglyph> glyphs;
  size_t at = 0;
  while (at + 8 <= text.size()) {
    const int count = std::stoi(text.substr(at + 5, 3));
    at += 8;
    if (count < 1 || at + 2 * static_cast<size_t>(count) > text.size())
      throw std::runtime_error("malformed glyph in " + path);
    const auto coordinate = [&](size_t i) { return static_cast<double>(text[i] - 'R'); };
    tglyph g;
    g.left = coordinate(at);
    g.right = coordinate(at + 1);
    tpolyline line;
    for (int k = 1; k < count; ++k) {
      const size_t p = at + 2 * k;
      if (text[p] == ' ' && text[p + 1] == 'R') {  // pen up
        if (!line.empty()) g.strokes.push_back(std::move(line));
        line.clear();
      } else {
        line.push_back({coordinate(p), coordinate(p + 1)});
      }
    }
    if (!line.empty()) g.strokes.push_back(std::move(line));
    glyphs.push_back(std::move(g));
    at += 2 * count;
  }
  return glyphs;
}

tglyph Mirrored(const tglyph& g) {
  tglyph m = g;
  m.left = -g.right;
  m.right = -g.left;
  for (auto& line : m.strokes)
    for (auto& p : line) p.x = -p.x;
  return m;
}

tglyph Scaled(const tglyph& g, double sx, double sy, double y0) {
  tglyph s = g;
  s.left = g.left * sx;
  s.right = g.right * sx;
  for (auto& line : s.strokes)
    for (auto& p : line) p = {p.x * sx, y0 + (p.y - y0) * sy};
  return s;
}

tglyph Moved(const tglyph& g, double dx, double dy) {
  tglyph m = g;
  for (auto& line : m.strokes)
    for (auto& p : line) p = {p.x + dx, p.y + dy};
  return m;
}

tglyph Joined(tglyph a, const tglyph& b) {
  a.strokes.insert(a.strokes.end(), b.strokes.begin(), b.strokes.end());
  return a;
}

}  // namespace fontgen
