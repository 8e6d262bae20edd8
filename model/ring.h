// Walking a contour's ring: its sides in order, each line forwards
// (direction 1) or backwards (direction 0), read point by point through the
// point store without copying, and closed back to the start point.
#pragma once

#include <cstdint>
#include <vector>

#include "model/objects.h"
#include "model/planar.h"

namespace dornavik {

inline tvertex LinePoint(const tline& line, int32_t n) {
  tvertex p;
  line.ReadPoint(n, p.x, p.y);
  return p;
}

// The point a side is entered at, and the point it is left at.
inline tvertex SideStart(const tside& side) {
  return LinePoint(*side.line, side.direction ? side.line->first : side.line->last);
}
inline tvertex SideEnd(const tside& side) {
  return LinePoint(*side.line, side.direction ? side.line->last : side.line->first);
}

// Calls step(a, b, joint) for every step a -> b of the ring. The walk starts at
// the first side's start point; `joint` is true for the step into each side
// (from the start point, then from the end of the previous side) and for the
// closing step from the last point back to the start. A step returning false
// ends the walk, and WalkRing returns false. Sides without a line or points are
// passed over.
template <class Step>
bool WalkRing(const tpodotdel& contour, Step&& step) {
  const tside* first = nullptr;
  for (const tside& s : contour.sides)
    if (s.line && s.line->PointCount() > 0) {
      first = &s;
      break;
    }
  if (!first) return true;
  const tvertex start = SideStart(*first);
  tvertex previous = start;
  for (const tside& s : contour.sides) {
    if (!s.line) continue;
    const tline& line = *s.line;
    const int32_t count = line.PointCount();
    bool joint = true;
    for (int32_t k = 0; k < count; ++k) {
      const tvertex current = LinePoint(line, s.direction ? line.first + k : line.last - k);
      if (!step(previous, current, joint)) return false;
      joint = false;
      previous = current;
    }
  }
  return step(previous, start, true);
}

// The ring's distinct vertices in walk order (a point equal to the one before
// it is left out), closed by a copy of the first vertex. The list grows as far
// as the ring goes.
std::vector<tvertex> RingVertices(const tpodotdel& contour);

}  // namespace dornavik
