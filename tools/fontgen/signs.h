// The sign fonts: map signs as strokes, circles and arcs, centred on the sign's
// point and one size unit (10 font units) tall; see data/sign-glyphs.md.
#pragma once

#include "symbology/fontwriter.h"

namespace fontgen {

dornavik::tfontimage SignFontImage(int number);

}  // namespace fontgen
