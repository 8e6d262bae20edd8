// The battery of map checks in the order the import and "Тест на данните"
// run them.
#pragma once

#include "base/host.h"
#include "checks/errtable.h"
#include "model/document.h"

namespace dornavik {

// Every contour's box and inner point, computed afresh.
void ComputeContourBoxes(tafile& map);

// The test of a map: contour boxes, then inner contours (117, 118), contours
// and areas (112, 222, 116), database (227, 228), remote parts (113) and
// intersections (111). Each check replaces its own findings; the others stay.
void RunMapChecks(tafile& map, Terrdbfile& errors, thost& host);

// The end of an import: the declared areas (110), then RunMapChecks.
void RunImportChecks(tafile& map, Terrdbfile& errors, thost& host);

}  // namespace dornavik
