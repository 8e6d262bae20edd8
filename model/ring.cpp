#include "model/ring.h"

namespace dornavik {

std::vector<tvertex> RingVertices(const tpodotdel& contour) {
  std::vector<tvertex> vertices;
  WalkRing(contour, [&](const tvertex& a, const tvertex& b, bool) {
    if (vertices.empty()) vertices.push_back(a);
    if (!(b == vertices.back())) vertices.push_back(b);
    return true;
  });
  return vertices;
}

}  // namespace dornavik
