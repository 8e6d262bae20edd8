// Boxes and lengths of lines and contours.
#include "model/geometry.h"

#include "model/ring.h"

namespace dornavik {

float LineLength(const tline& line) {
  double length = 0;
  for (int32_t n = line.first; n < line.last; ++n)
    length += Distance(LinePoint(line, n), LinePoint(line, n + 1));
  return static_cast<float>(length);
}

tbox ContourBox(const tpodotdel& contour) {
  tbox box;
  for (const tside& s : contour.sides)
    if (s.line) box = UnionBoxes(box, s.line->box);
  return box;
}

tbox CurrentBox(const tpodotdel& contour) {
  return contour.bounds_dirty ? ContourBox(contour) : contour.box;
}

tbox SubCompartmentBox(tpodotdel& contour) {
  contour.CalcBounds();
  tbox box = contour.box;
  if (!contour.compartment) return box;
  bool following = false;
  for (const auto& c : contour.compartment->Contours()) {
    if (following) {
      if (c->number != contour.number) break;
      c->CalcBounds();
      box = UnionBoxes(box, c->box);
    } else if (c.get() == &contour) {
      following = true;
    }
  }
  return box;
}

tbox CompartmentBox(const totdel& compartment, const tbox& unchanged) {
  if (compartment.Contours().empty()) return unchanged;
  tbox box;
  for (const auto& c : compartment.Contours()) {
    c->CalcBounds();
    box = UnionBoxes(box, c->box);
  }
  return box;
}

}  // namespace dornavik
