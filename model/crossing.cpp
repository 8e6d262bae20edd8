// Intersection and containment tests of lines and contours.
#include <algorithm>
#include <vector>

#include "model/geometry.h"
#include "model/inside.h"
#include "model/ring.h"

namespace dornavik {

namespace {

tbox SegmentBox(const tvertex& p, const tvertex& q) {
  tbox b = PointBox(p.x, p.y);
  ExpandBox(b, q.x, q.y);
  return b;
}

// A node both lines end in.
bool SharedEnd(const tline& a, const tline& b, const tvertex& at) {
  const tvertex b1 = LinePoint(b, b.first), b2 = LinePoint(b, b.last);
  for (const tvertex& e : {LinePoint(a, a.first), LinePoint(a, a.last)})
    if (e == at && (e == b1 || e == b2)) return true;
  return false;
}

template <class Visit>
bool AnyPoint(const tline& line, Visit&& visit) {
  for (int32_t n = line.first; n <= line.last; ++n)
    if (visit(LinePoint(line, n))) return true;
  return false;
}

// The segments of a line in runs of kRunLength, each with its box and its
// longest segment, so that a segment of the other line passes over whole runs
// that lie apart from it instead of testing their segments one by one.
constexpr int32_t kRunLength = 32;

struct trun {
  int32_t first;  // record of the run's first point
  tbox box;
  float longest;  // Manhattan length of its longest segment
};

std::vector<trun> Runs(const tline& line) {
  std::vector<trun> runs;
  tvertex q1 = LinePoint(line, line.first);
  for (int32_t j = line.first; j < line.last; ++j) {
    if ((j - line.first) % kRunLength == 0) runs.push_back({j, PointBox(q1.x, q1.y), 0});
    const tvertex q2 = LinePoint(line, j + 1);
    ExpandBox(runs.back().box, q2.x, q2.y);
    runs.back().longest = std::max(runs.back().longest, ManhattanDistance(q1, q2));
    q1 = q2;
  }
  return runs;
}

// How far a crossing may lie outside the box of a segment of this Manhattan
// length: the parameters along both segments may overshoot by 0.0001, and a
// little more for rounding.
float Overshoot(float length) { return 0.0001f * length + 0.001f; }

}  // namespace

bool LinesCross(const tline& a, const tline& b, float tolerance, tvertex& at) {
  if (!BoxesOverlap(a.box, b.box)) return false;
  // The outer loop runs over the smaller line.
  const bool swap = BoxContainsBox(a.box, b.box);
  const tline& outer = swap ? b : a;
  const tline& other = swap ? a : b;
  const tbox reach = InflateBox(other.box, tolerance, tolerance);
  const std::vector<trun> runs = Runs(other);
  for (int32_t i = outer.first; i < outer.last; ++i) {
    const tvertex p1 = LinePoint(outer, i), p2 = LinePoint(outer, i + 1);
    const tbox segment = SegmentBox(p1, p2);
    if (!BoxesOverlap(segment, reach)) continue;
    const float margin = Overshoot(ManhattanDistance(p1, p2));
    for (const trun& run : runs) {
      const float m = margin + Overshoot(run.longest);
      if (!BoxesOverlap(InflateBox(segment, m, m), run.box)) continue;
      const int32_t end = std::min(run.first + kRunLength, other.last);
      tvertex q1 = LinePoint(other, run.first);
      for (int32_t j = run.first; j < end; ++j) {
        const tvertex q2 = LinePoint(other, j + 1);
        tvertex point;
        if (SegmentsCross(p1, p2, q1, q2, point) && !SharedEnd(a, b, point)) {
          at = point;
          return true;
        }
        q1 = q2;
      }
    }
  }
  return false;
}

bool LineMeetsContour(const tline& line, const tpodotdel& contour, float tolerance) {
  const tbox box = CurrentBox(contour);
  if (!BoxesOverlap(line.box, box)) return false;
  if (AnyPoint(line, [&](const tvertex& p) { return InsideWithin(contour, box, p) == kInside; }))
    return true;
  tvertex at;
  for (const tside& s : contour.sides)
    if (s.line && s.line != &line && LinesCross(line, *s.line, tolerance, at)) return true;
  return false;
}

namespace {

// Every side line of a lists b among its owners.
bool SidesOwnedBy(const tpodotdel& a, const tpodotdel& b) {
  for (const tside& s : a.sides)
    if (!s.line || !s.line->OwnedBy(&b)) return false;
  return true;
}

bool SideMeets(const tpodotdel& a, const tpodotdel& b, float tolerance) {
  for (const tside& s : a.sides)
    if (s.line && LineMeetsContour(*s.line, b, tolerance)) return true;
  return false;
}

}  // namespace

bool ContoursOverlap(tpodotdel& a, tpodotdel& b, bool both_ways, float tolerance, bool& same_ring) {
  same_ring = false;
  a.CalcBounds();
  b.CalcBounds();
  if (!BoxesOverlap(a.box, b.box)) return false;
  if (a.box == b.box && SidesOwnedBy(a, b) && SidesOwnedBy(b, a)) {
    same_ring = true;
    return true;
  }
  if (Inside(&a, b.inner_x, b.inner_y) == kInside || Inside(&b, a.inner_x, a.inner_y) == kInside)
    return true;
  return SideMeets(a, b, tolerance) || (both_ways && SideMeets(b, a, tolerance));
}

bool LineInsideContour(const tline& line, const tpodotdel& contour) {
  const tbox box = CurrentBox(contour);
  if (!BoxContainsBox(box, line.box)) return false;
  if (line.OwnedBy(&contour)) return true;
  return !AnyPoint(line, [&](const tvertex& p) { return InsideWithin(contour, box, p) == kOutside; });
}

bool ContourInsideContour(tpodotdel& inner, const tpodotdel& outer) {
  inner.CalcBounds();
  if (!BoxContainsBox(CurrentBox(outer), inner.box)) return false;
  if (Inside(&outer, inner.inner_x, inner.inner_y) != kInside) return false;
  for (const tside& s : inner.sides)
    if (s.line && !LineInsideContour(*s.line, outer)) return false;
  return true;
}

}  // namespace dornavik
