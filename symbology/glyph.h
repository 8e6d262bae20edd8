// Measuring and drawing letters and signs of the stroke fonts. Sizes are in size
// units: a text font's capital height, a tenth of a sign font's units.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/matrix.h"
#include "symbology/font.h"
#include "symbology/strokesink.h"

namespace dornavik {

// Advance of one character in size units; a missing character measures as the
// width mark 255 does.
float CharWidth(const tstrokefont& font, uint8_t code);
// The sum of the advances of the text's characters.
float TextWidth(const tstrokefont& font, std::string_view text);

// A glyph of a text font, unrotated: a font point (gx, gy) lands on
// (x0 + sx gx / unit, y0 + sy gy / unit); circles and arcs get radius r |sx| / unit.
void DrawGlyphAxis(tstrokesink& sink, uint8_t code, uint32_t colour, const tstrokefont& font,
                   float x0, float y0, float sx, float sy);
// A glyph of a text font through M applied to (gx, gy) / unit; only lines and
// moves are drawn, circles and arcs are left out.
void DrawGlyphMatrix(tstrokesink& sink, const tmatrix& m, uint8_t code,
                     const tstrokefont& font, uint32_t colour);
// The characters left to right with DrawGlyphAxis, each (spacing + 1) sx after the
// one before, whatever its width.
void DrawTextAxis(tstrokesink& sink, std::string_view text, uint32_t colour,
                  const tstrokefont& font, float spacing, float x0, float y0, float sx, float sy);

// A glyph of a sign font with circles and arcs, unrotated; arc angles are rounded
// to whole degrees.
void DrawSignAxis(tstrokesink& sink, uint8_t code, const tstrokefont& font, uint32_t colour,
                  float sx, float sy, float x0, float y0);
// A glyph of a sign font through M; circles and arcs are centred on the mapped
// point with radius r size / unit, and arcs turn with M.
void DrawSignMatrix(tstrokesink& sink, const tmatrix& m, uint8_t code, uint32_t colour,
                    const tstrokefont& font, float size);

}  // namespace dornavik
