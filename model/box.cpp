#include "model/box.h"

#include <algorithm>

namespace dornavik {

tbox MakeBox(float xmin, float ymin, float xmax, float ymax) { return {xmin, ymin, xmax, ymax}; }

tbox PointBox(float x, float y) { return {x, y, x, y}; }

bool IsEmpty(const tbox& b) { return b.xmin > b.xmax || b.ymin > b.ymax; }

tbox Normalised(const tbox& b) { return IsEmpty(b) ? tbox{} : b; }

void BoxCentre(const tbox& b, float& x, float& y) {
  x = (b.xmin + b.xmax) / 2;
  y = (b.ymin + b.ymax) / 2;
}

float BoxWidth(const tbox& b) { return b.xmax - b.xmin; }

float BoxHeight(const tbox& b) { return b.ymax - b.ymin; }

tbox OffsetBox(const tbox& b, float dx, float dy) {
  return {b.xmin + dx, b.ymin + dy, b.xmax + dx, b.ymax + dy};
}

tbox InflateBox(const tbox& b, float dx, float dy) {
  return {b.xmin - dx, b.ymin - dy, b.xmax + dx, b.ymax + dy};
}

tbox IntersectBoxes(const tbox& a, const tbox& b) {
  return Normalised({std::max(a.xmin, b.xmin), std::max(a.ymin, b.ymin), std::min(a.xmax, b.xmax),
                     std::min(a.ymax, b.ymax)});
}

tbox UnionBoxes(const tbox& a, const tbox& b) {
  if (IsEmpty(a)) return b;
  if (IsEmpty(b)) return a;
  return {std::min(a.xmin, b.xmin), std::min(a.ymin, b.ymin), std::max(a.xmax, b.xmax),
          std::max(a.ymax, b.ymax)};
}

void ExpandBox(tbox& b, float x, float y) {
  b.xmin = std::min(b.xmin, x);
  b.ymin = std::min(b.ymin, y);
  b.xmax = std::max(b.xmax, x);
  b.ymax = std::max(b.ymax, y);
}

bool BoxContainsPoint(const tbox& b, float x, float y) {
  return x >= b.xmin && x <= b.xmax && y >= b.ymin && y <= b.ymax;
}

bool BoxesOverlap(const tbox& a, const tbox& b) {
  return a.xmin <= b.xmax && b.xmin <= a.xmax && a.ymin <= b.ymax && b.ymin <= a.ymax;
}

bool BoxContainsBox(const tbox& outer, const tbox& inner) {
  return inner.xmin >= outer.xmin && inner.xmax <= outer.xmax && inner.ymin >= outer.ymin &&
         inner.ymax <= outer.ymax;
}

}  // namespace dornavik
