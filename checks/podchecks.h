// The checks of sub-compartments as wholes: the project table against the
// map, sub-compartments with a part far from the others, and overlapping
// sub-compartments. Like the contour checks, each deletes its own findings
// first and shows its progress by compartment.
#pragma once

#include "base/host.h"
#include "checks/errtable.h"
#include "model/document.h"

namespace dornavik {

// 227: a compartment of the sub-compartment table that the map lacks (once per
// compartment). 228: a sub-compartment of the table that its compartment in
// the map lacks. Nothing when the table is not open.
void CheckDatabase(tafile& map, Terrdbfile& errors, thost& host);

// 113: a contour of a sub-compartment of several contours that lies farther
// than "Допуск еднакви" from every other contour of it (one finding per such
// contour).
void CheckRemoteParts(tafile& map, Terrdbfile& errors, thost& host);

// 111: two contours whose common area, estimated on a 10 m grid, is 100 m² or
// more; reported once per pair, from the one whose compartment and
// sub-compartment numbers sort first. An island is not reported against the
// sub-compartment it is cut out of.
void CheckIntersections(tafile& map, Terrdbfile& errors, thost& host);

// The overlap estimate of two contours on a grid of step 10 m, m² (limited to
// the smaller area and the common part of their boxes). Their boxes and areas
// must be up to date.
double EstimateOverlap(const tpodotdel& s, const tpodotdel& c);

}  // namespace dornavik
