// Nearest points and ends of lines.
#include "model/geometry.h"
#include "model/ring.h"

namespace dornavik {

float NearestPointOnLine(const tline& line, float x, float y, tvertex& at, int32_t& segment) {
  const tvertex p{x, y};
  float best = kFar;
  if (line.PointCount() < 2) return best;
  tvertex a = LinePoint(line, line.first);
  for (int32_t n = line.first; n < line.last; ++n) {
    const tvertex b = LinePoint(line, n + 1);
    tvertex nearest;
    const float d = NearestOnSegment(a, b, p, nearest);
    if (d < best) {
      best = d;
      at = nearest;
      segment = n;
    }
    a = b;
  }
  return best;
}

float NearestPointOnLineWithin(const tline& line, float x, float y, float reach, tvertex& at,
                               int32_t& segment) {
  if (!BoxContainsPoint(InflateBox(line.box, reach, reach), x, y)) return kFar;
  return NearestPointOnLine(line, x, y, at, segment);
}

bool IsEndpoint(const tline& line, float x, float y, float limit) {
  const tvertex p{x, y};
  return ManhattanDistance(p, LinePoint(line, line.first)) <= limit ||
         ManhattanDistance(p, LinePoint(line, line.last)) <= limit;
}

int ClosestEnds(const tline& a, const tline& b) {
  return ClosestEnds(LinePoint(a, a.first), LinePoint(a, a.last), LinePoint(b, b.first),
                     LinePoint(b, b.last));
}

}  // namespace dornavik
