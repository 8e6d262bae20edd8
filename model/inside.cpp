// The inside test and the inner point of a contour.
#include "model/geometry.h"
#include "model/inside.h"
#include "model/ring.h"
#include "model/simplify.h"

namespace dornavik {

int InsideWithin(const tpodotdel& contour, const tbox& box, const tvertex& p) {
  if (contour.linear || !BoxContainsPoint(box, p.x, p.y)) return kOutside;
  int parity = 0;
  bool on_boundary = false;
  WalkRing(contour, [&](const tvertex& a, const tvertex& b, bool) {
    switch (EdgeCrossing(a, b, p)) {
      case 1:
        parity ^= 1;
        return true;
      case 2:
        on_boundary = true;
        return false;
      default:
        return true;
    }
  });
  if (on_boundary) return kOnBoundary;
  return parity ? kInside : kOutside;
}

int Inside(const tpodotdel* contour, float x, float y) {
  if (!contour) return kOutside;
  return InsideWithin(*contour, CurrentBox(*contour), {x, y});
}

void ComputeInnerPoint(tpodotdel& contour) {
  contour.box = ContourBox(contour);
  tvertex inner;
  BoxCentre(contour.box, inner.x, inner.y);
  const tvertex label{contour.label_x, contour.label_y};
  if (InsideWithin(contour, contour.box, inner) == kInside) {
    // the centre of the box will do
  } else if (InsideWithin(contour, contour.box, label) == kInside) {
    inner = label;
  } else if (contour.linear) {
    inner = {0, 0};
  } else {
    // Midpoints of ever wider pairs of vertices of the simplified ring, until
    // one falls inside.
    std::vector<tvertex> v = RingVertices(contour);
    SimplifyClosedRing(v, 0.1f);
    const size_t n = v.empty() ? 0 : v.size() - 1;  // v[n] repeats v[0]
    bool found = false;
    for (size_t i = 0; i + 1 < n && !found; ++i)
      for (size_t j = i + 2; j <= n && !found; ++j) {
        inner = {(v[i].x + v[j].x) / 2, (v[i].y + v[j].y) / 2};
        found = InsideWithin(contour, contour.box, inner) == kInside;
      }
  }
  contour.inner_x = inner.x;
  contour.inner_y = inner.y;
  contour.bounds_dirty = 0;
}

}  // namespace dornavik
