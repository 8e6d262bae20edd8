// The inside test against a box known to the caller, for loops that test many
// points against one contour.
#pragma once

#include "model/box.h"
#include "model/objects.h"
#include "model/planar.h"

namespace dornavik {

// Inside (see geometry.h) with `box` standing for the contour's box.
int InsideWithin(const tpodotdel& contour, const tbox& box, const tvertex& p);

}  // namespace dornavik
