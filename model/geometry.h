// Computations on lines and contours: boxes, lengths, areas with the closing
// tolerance, the inside test, the inner point, the intersection and
// containment tests of the checks, nearest-point searches for editing, and the
// orientation of imported sides. The point-level kit is in planar.h, the ring
// walk in ring.h, the matrices in matrix.h.
//
// Functions that need the closing tolerance take it as a parameter; the forms
// without it use the shared "Допуск" setting.
#pragma once

#include <cstdint>

#include "model/box.h"
#include "model/objects.h"
#include "model/planar.h"

namespace dornavik {

class tafile;

// --- Boxes and lengths

float LineLength(const tline& line);
// Union of the boxes of its side lines.
tbox ContourBox(const tpodotdel& contour);
// The contour's box, recomputed from its sides while its bounds are dirty.
tbox CurrentBox(const tpodotdel& contour);
// Union over the contour and the contours of the same number that follow it in
// its compartment's chain (each brought up to date first).
tbox SubCompartmentBox(tpodotdel& contour);
// Union of the compartment's contour boxes (each brought up to date first);
// `unchanged` when it has no contours.
tbox CompartmentBox(const totdel& compartment, const tbox& unchanged);

// --- Areas

// Sets area, net area and orientation; returns whether the ring closed within
// `tolerance` (Manhattan) at every joint. An open ring gets area 0. A contour
// without sides is left alone and counts as closed; a linear contour's area is
// the sum of its sides' length x width.
bool ComputeArea(tpodotdel& contour, float tolerance);
bool ComputeArea(tpodotdel& contour);
// Areas and closed flags of every contour, then the islands' areas and the
// strips' length x width taken off the net areas of the sub-compartments they
// reference.
void ComputeAllAreas(tafile& document, float tolerance);
void ComputeAllAreas(tafile& document);

// --- Inside test and inner point

constexpr int kInside = 0, kOutside = 1, kOnBoundary = 2;
// kInside, kOutside or kOnBoundary. A missing or linear contour is outside.
int Inside(const tpodotdel* contour, float x, float y);
// Sets the contour's box and a point strictly inside it (for labels and
// searches), and clears its bounds-dirty flag.
void ComputeInnerPoint(tpodotdel& contour);

// --- Intersections and containment (the checks' tests)

// Whether two lines cross, and where. A crossing at a node both lines end in
// does not count; an end of one line on the inside of the other does.
bool LinesCross(const tline& a, const tline& b, float tolerance, tvertex& at);
bool LineMeetsContour(const tline& line, const tpodotdel& contour, float tolerance);
// Whether the contours overlap; same_ring tells that they are one ring over
// the same lines. `both_ways` also tries the sides of b against a. Brings both
// contours' boxes and inner points up to date.
bool ContoursOverlap(tpodotdel& a, tpodotdel& b, bool both_ways, float tolerance, bool& same_ring);
// Points on the contour's boundary count as inside.
bool LineInsideContour(const tline& line, const tpodotdel& contour);
// Whether inner lies inside outer; brings inner's box and inner point up to date.
bool ContourInsideContour(tpodotdel& inner, const tpodotdel& outer);

// --- Nearest points and ends (editing)

constexpr float kFar = 1e30f;
// The distance from (x, y) to the line, the nearest point, and the point-store
// record of the first point of the nearest segment; kFar for a line of fewer
// than two points.
float NearestPointOnLine(const tline& line, float x, float y, tvertex& at, int32_t& segment);
// As above, or kFar when (x, y) lies outside the line's box inflated by reach.
float NearestPointOnLineWithin(const tline& line, float x, float y, float reach, tvertex& at,
                               int32_t& segment);
// Whether (x, y) lies within `limit` (Manhattan) of the line's first or last point.
bool IsEndpoint(const tline& line, float x, float y, float limit);
// 1 = a first - b first, 2 = a first - b last, 3 = a last - b first,
// 4 = a last - b last; ties keep the lower number.
int ClosestEnds(const tline& a, const tline& b);

// --- Import

// Appends the line as the contour's next side and makes the contour the line's
// first owner. The sides are oriented to follow each other: the second side
// turns the first one by their closest ends, every later side starts at the
// end nearer the previous side's end.
void AddImportedSide(tpodotdel& contour, tline& line);

}  // namespace dornavik
