// Orientation of the sides of an imported ring. The exchange file lists the
// lines of a contour in ring order but without a usable direction, so each
// side is turned to start where the previous one ended.
#include "model/geometry.h"
#include "model/ring.h"

namespace dornavik {

void AddImportedSide(tpodotdel& contour, tline& line) {
  contour.sides.push_back({&line, 1});
  line.AddOwner(&contour);
  const size_t count = contour.sides.size();
  if (count < 2) return;
  tside& side = contour.sides.back();
  if (count == 2) {
    tside& first = contour.sides.front();
    const int k = ClosestEnds(*first.line, line);
    if (k == 1 || k == 2) first.direction = 0;
    side.direction = k == 1 || k == 3 ? 1 : 0;
    return;
  }
  const tvertex end = SideEnd(contour.sides[count - 2]);
  side.direction = Distance(end, LinePoint(line, line.first)) < Distance(end, LinePoint(line, line.last)) ? 1 : 0;
}

}  // namespace dornavik
