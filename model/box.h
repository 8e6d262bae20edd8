// Axis-parallel boxes in map coordinates. A box is empty when xmin > xmax or
// ymin > ymax; the normal empty box is (0, 0, -1, -1).
#pragma once

namespace dornavik {

struct tbox {
  float xmin = 0, ymin = 0, xmax = -1, ymax = -1;
  friend bool operator==(const tbox&, const tbox&) = default;
};

// The box with the given corners, as given (not normalised).
tbox MakeBox(float xmin, float ymin, float xmax, float ymax);
// The box of one point.
tbox PointBox(float x, float y);
bool IsEmpty(const tbox& b);
// An empty box becomes (0, 0, -1, -1); any other is kept.
tbox Normalised(const tbox& b);
void BoxCentre(const tbox& b, float& x, float& y);
float BoxWidth(const tbox& b);
float BoxHeight(const tbox& b);
tbox OffsetBox(const tbox& b, float dx, float dy);
// (xmin - dx, ymin - dy, xmax + dx, ymax + dy).
tbox InflateBox(const tbox& b, float dx, float dy);
// The common part, normalised.
tbox IntersectBoxes(const tbox& a, const tbox& b);
// The smallest box holding both; an empty box takes the other whole.
tbox UnionBoxes(const tbox& a, const tbox& b);
// Widens b to take in (x, y) by plain min / max, so that a box started at
// (1e30, 1e30, -1e30, -1e30) collects points.
void ExpandBox(tbox& b, float x, float y);
// The tests are inclusive on every side: boxes that touch overlap.
bool BoxContainsPoint(const tbox& b, float x, float y);
bool BoxesOverlap(const tbox& a, const tbox& b);
bool BoxContainsBox(const tbox& outer, const tbox& inner);

}  // namespace dornavik
