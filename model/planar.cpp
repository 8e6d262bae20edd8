#include "model/planar.h"

#include <cmath>

#include "base/arith.h"

namespace dornavik {

float ManhattanDistance(const tvertex& p, const tvertex& q) {
  return std::fabs(q.x - p.x) + std::fabs(q.y - p.y);
}

float Distance(const tvertex& p, const tvertex& q) { return Distance(p.x, p.y, q.x, q.y); }

int ClosestEnds(const tvertex& a1, const tvertex& a2, const tvertex& b1, const tvertex& b2) {
  const float d[4] = {Distance(a1, b1), Distance(a1, b2), Distance(a2, b1), Distance(a2, b2)};
  int best = 0;
  for (int k = 1; k < 4; ++k)
    if (d[k] < d[best]) best = k;
  return best + 1;
}

bool SegmentsCross(const tvertex& p1, const tvertex& p2, const tvertex& q1, const tvertex& q2,
                   tvertex& at) {
  constexpr double kShortest = 0.05, kParallel = 1e-10, kLow = -0.0001, kHigh = 1.0001;
  if (ManhattanDistance(p1, p2) < kShortest || ManhattanDistance(q1, q2) < kShortest) return false;
  const double d1x = double(p2.x) - p1.x, d1y = double(p2.y) - p1.y;
  const double d2x = double(q2.x) - q1.x, d2y = double(q2.y) - q1.y;
  const double g = d1x * d2y - d1y * d2x;
  if (std::fabs(g) <= kParallel) return false;
  const double wx = double(q1.x) - p1.x, wy = double(q1.y) - p1.y;
  const double u = (wx * d1y - wy * d1x) / g;  // along q1-q2
  const double v = (wx * d2y - wy * d2x) / g;  // along p1-p2
  if (u < kLow || u > kHigh || v < kLow || v > kHigh) return false;
  at = {float(q1.x + u * d2x), float(q1.y + u * d2y)};
  return true;
}

int EdgeCrossing(const tvertex& a, const tvertex& b, const tvertex& p) {
  if (ManhattanDistance(a, b) <= 0.001f) return 0;
  // In double the products of float differences are exact, so a point on the
  // edge gives a cross product of exactly 0.
  const double dx = double(b.x) - a.x, dy = double(b.y) - a.y;
  const double px = double(p.x) - a.x, py = double(p.y) - a.y;
  const double cross = dx * py - dy * px;
  if (cross > 0) return a.y < p.y && p.y <= b.y ? 1 : 0;
  if (cross < 0) return b.y < p.y && p.y <= a.y ? 1 : 0;
  auto sign = [](double v) { return (v > 0) - (v < 0); };
  const bool along_x = px == 0 || sign(px) == sign(dx);
  const bool along_y = py == 0 || sign(py) == sign(dy);
  return along_x && along_y && px * px + py * py <= dx * dx + dy * dy ? 2 : 0;
}

float NearestOnSegment(const tvertex& a, const tvertex& b, const tvertex& p, tvertex& nearest) {
  const double dx = double(b.x) - a.x, dy = double(b.y) - a.y;
  const double length2 = dx * dx + dy * dy;
  if (length2 < 1e-10) {
    nearest = a;
  } else {
    const double u = ((double(p.x) - a.x) * dx + (double(p.y) - a.y) * dy) / length2;
    if (u <= 0)
      nearest = a;
    else if (u >= 1)
      nearest = b;
    else
      nearest = {float(a.x + u * dx), float(a.y + u * dy)};
  }
  return Distance(p, nearest);
}

}  // namespace dornavik
