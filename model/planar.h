// Plane geometry on single points and segments, shared by the contour and line
// computations.
#pragma once

namespace dornavik {

struct tvertex {
  float x = 0, y = 0;
  friend bool operator==(const tvertex&, const tvertex&) = default;
};

// |dx| + |dy|.
float ManhattanDistance(const tvertex& p, const tvertex& q);
float Distance(const tvertex& p, const tvertex& q);

// Which pair of end points of two lines (a1..a2, b1..b2) lies nearest:
// 1 = a1-b1, 2 = a1-b2, 3 = a2-b1, 4 = a2-b2; ties keep the lower number.
int ClosestEnds(const tvertex& a1, const tvertex& a2, const tvertex& b1, const tvertex& b2);

// The crossing of segment p1-p2 (the outer one) with q1-q2. Segments shorter
// than 0.05 (Manhattan) and (nearly) parallel ones never cross; the parameters
// along both segments may overshoot their ends by 0.0001. `at` is
// q1 + u·(q2 − q1).
bool SegmentsCross(const tvertex& p1, const tvertex& p2, const tvertex& q1, const tvertex& q2,
                   tvertex& at);

// What ring edge a-b does to the parity of the inside test of p: 0 nothing,
// 1 it crosses the ray from p (each vertex on the ray counts for one edge only),
// 2 p lies on the edge. Edges shorter than 0.001 (Manhattan) do nothing.
int EdgeCrossing(const tvertex& a, const tvertex& b, const tvertex& p);

// The point of segment a-b nearest to p, and its distance. A segment shorter
// than 1e-5 yields a.
float NearestOnSegment(const tvertex& a, const tvertex& b, const tvertex& p, tvertex& nearest);

}  // namespace dornavik
