// Simplification of a closed vertex list, used by the inner-point search to cut
// long rings down to their shape.
#pragma once

#include <vector>

#include "model/planar.h"

namespace dornavik {

// `ring` holds the vertices of a closed ring; its last element may repeat the
// first. Ranges of vertices that stray less than `tolerance` from their chord,
// with a path at most 1.5 times the chord, are reduced to the chord. The result
// ends with a copy of the first vertex again. Lists of fewer than 4 distinct
// trailing-trimmed vertices are only closed.
void SimplifyClosedRing(std::vector<tvertex>& ring, float tolerance);

}  // namespace dornavik
