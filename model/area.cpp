// Areas of contours, and the net areas after islands and strips.
#include <cmath>

#include "model/document.h"
#include "model/geometry.h"
#include "model/ring.h"
#include "model/shared.h"

namespace dornavik {

bool ComputeArea(tpodotdel& contour, float tolerance) {
  if (contour.sides.empty()) return true;
  if (contour.linear) {
    double area = 0;
    for (const tside& s : contour.sides)
      if (s.line) area += double(LineLength(*s.line)) * s.line->width;
    contour.area = contour.net_area = static_cast<float>(area);
    return true;
  }
  // Twice the signed area, positive counter-clockwise. A gap above the
  // tolerance where one side meets the next leaves the ring open.
  double twice = 0;
  const bool closed = WalkRing(contour, [&](const tvertex& p, const tvertex& c, bool joint) {
    if (joint && ManhattanDistance(p, c) > tolerance) return false;
    twice += (double(p.x) + c.x) * (double(c.y) - p.y);
    return true;
  });
  if (!closed) twice = 0;
  contour.area = contour.net_area = static_cast<float>(std::fabs(twice) / 2);
  contour.orientation = twice > 0 ? 1 : 0;
  return closed;
}

bool ComputeArea(tpodotdel& contour) { return ComputeArea(contour, MapShared().tolerance); }

void ComputeAllAreas(tafile& document, float tolerance) {
  const tcompartments& all = document.Compartments();
  for (int i = 0; i < all.Count(); ++i)
    for (const auto& c : all.At(i)->Contours()) c->closed = ComputeArea(*c, tolerance) ? 1 : 0;

  for (int i = 0; i < all.Count(); ++i)
    for (const auto& c : all.At(i)->Contours())
      if (c->parent)
        if (tpodotdel* host = document.FindSubCompartment(c->parent->otdel, c->parent->pod))
          host->net_area -= c->area;

  for (int type = 0; type < kLineTypes; ++type)
    for (const auto& line : document.Lines(type))
      if (line->strip)
        if (tpodotdel* host = document.FindSubCompartment(line->strip->otdel, line->strip->pod))
          host->net_area -= LineLength(*line) * line->width;
}

void ComputeAllAreas(tafile& document) { ComputeAllAreas(document, MapShared().tolerance); }

}  // namespace dornavik
