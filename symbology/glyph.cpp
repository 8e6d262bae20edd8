#include "symbology/glyph.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace dornavik {
namespace {

// How a glyph lands on the canvas: M maps font points divided by the unit,
// radius_scale maps radii in font units.
struct tplacement {
  tmatrix m;
  float radius_scale = 1;
  bool curves = true;         // circles and arcs are drawn
  bool round_angles = false;  // arc angles are rounded to whole degrees
};

// The 7-bit two's complement coordinates of a point word.
int Coordinate(int bits) { return bits > 63 ? bits - 128 : bits; }

float Degrees(tfontkind kind, int byte) {
  // The sign fonts were made with 361 to the turn; their arcs depend on it.
  return static_cast<float>(byte) * (kind == tfontkind::sign ? 361.0f : 360.0f) / 256.0f;
}

void Walk(tstrokesink& sink, const tstrokefont& font, uint8_t code, uint32_t colour,
          const tplacement& p) {
  if (!font.HasGlyph(code)) return;
  const tmatrix& m = p.m;
  const auto place = [&](int gx, int gy) {
    std::pair<float, float> to;
    Transform(m, static_cast<float>(gx) / font.unit, static_cast<float>(gy) / font.unit, to.first,
              to.second);
    return to;
  };
  // Arcs turn with M's first column and run the other way round when M mirrors.
  const float rotation = static_cast<float>(std::atan2(m.d, m.a) * 180 / std::numbers::pi);
  const bool mirrored = m.a * m.e - m.b * m.d < 0;

  sink.SetColor(colour);
  auto [x, y] = place(0, 0);
  bool first = true;
  // The font was checked when it was read: every glyph ends within the stream.
  for (size_t at = font.offsets[code]; font.strokes[at] != 0; ++at) {
    const uint16_t word = font.strokes[at];
    if (IsPointWord(word)) {
      const auto [tx, ty] = place(Coordinate(word & 0x7F), Coordinate((word >> 8) & 0x7F));
      if (first) sink.MoveTo(tx, ty);
      first = false;
      if (word & 0x8000) sink.Line(x, y, tx, ty);
      x = tx;
      y = ty;
      continue;
    }
    const float radius = static_cast<float>(word & 0x7F) * p.radius_scale;
    if (!IsArcWord(font.kind, word)) {
      if ((word >> 8) == 0 && p.curves) sink.Circle(x, y, radius);
      continue;
    }
    const uint16_t angles = font.strokes[++at];
    if (!p.curves) continue;
    // The arc runs counter-clockwise from the high-byte angle to the low-byte one;
    // the canvas draws from its second angle to its first.
    float from = Degrees(font.kind, angles >> 8), to = Degrees(font.kind, angles & 0xFF);
    if (p.round_angles) {
      from = std::nearbyint(from);
      to = std::nearbyint(to);
    }
    if (mirrored) {
      std::swap(from, to);
      from = rotation - from;
      to = rotation - to;
    } else {
      from += rotation;
      to += rotation;
    }
    sink.Arc(x, y, radius, to, from);
  }
}

tplacement Axis(const tstrokefont& font, float x0, float y0, float sx, float sy) {
  tplacement p;
  p.m = {sx, 0, x0, 0, sy, y0};
  p.radius_scale = std::fabs(sx) / font.unit;
  return p;
}

}  // namespace

float CharWidth(const tstrokefont& font, uint8_t code) {
  return static_cast<float>(font.widths[code]) / font.unit;
}

float TextWidth(const tstrokefont& font, std::string_view text) {
  int sum = 0;
  for (const char c : text) sum += font.widths[static_cast<uint8_t>(c)];
  return static_cast<float>(sum) / font.unit;
}

void DrawGlyphAxis(tstrokesink& sink, uint8_t code, uint32_t colour, const tstrokefont& font,
                   float x0, float y0, float sx, float sy) {
  Walk(sink, font, code, colour, Axis(font, x0, y0, sx, sy));
}

void DrawGlyphMatrix(tstrokesink& sink, const tmatrix& m, uint8_t code,
                     const tstrokefont& font, uint32_t colour) {
  tplacement p;
  p.m = m;
  p.curves = false;
  Walk(sink, font, code, colour, p);
}

void DrawTextAxis(tstrokesink& sink, std::string_view text, uint32_t colour,
                  const tstrokefont& font, float spacing, float x0, float y0, float sx, float sy) {
  for (const char c : text) {
    DrawGlyphAxis(sink, static_cast<uint8_t>(c), colour, font, x0, y0, sx, sy);
    x0 += (spacing + 1) * sx;
  }
}

void DrawSignAxis(tstrokesink& sink, uint8_t code, const tstrokefont& font, uint32_t colour,
                  float sx, float sy, float x0, float y0) {
  tplacement p = Axis(font, x0, y0, sx, sy);
  p.round_angles = true;
  Walk(sink, font, code, colour, p);
}

void DrawSignMatrix(tstrokesink& sink, const tmatrix& m, uint8_t code, uint32_t colour,
                    const tstrokefont& font, float size) {
  tplacement p;
  p.m = m;
  p.radius_scale = std::fabs(size) / font.unit;
  Walk(sink, font, code, colour, p);
}

}  // namespace dornavik
