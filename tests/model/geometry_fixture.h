// Lines and contours built from coordinate lists, for the geometry tests and
// the geometry benchmark.
#pragma once

#include <initializer_list>
#include <memory>
#include <vector>

#include "model/objects.h"
#include "model/planar.h"
#include "model/pointstore.h"

namespace dornavik::testing {

inline std::unique_ptr<tline> MakeLine(tpointstore& store, const std::vector<tvertex>& points) {
  auto line = std::make_unique<tline>(&store);
  for (size_t i = 0; i < points.size(); ++i) {
    line->last = store.AppendPoint(points[i].x, points[i].y);
    if (i == 0) line->first = line->last;
  }
  line->Finish();
  return line;
}

// Lines over one point store, and contours over those lines.
class tshapes {
 public:
  tline& Line(const std::vector<tvertex>& points) {
    lines_.push_back(MakeLine(store_, points));
    return *lines_.back();
  }
  // A ring of the given sides (line, direction), listed as owner of each line.
  std::unique_ptr<tpodotdel> Contour(std::initializer_list<tside> sides) {
    auto c = std::make_unique<tpodotdel>();
    for (const tside& s : sides) {
      c->sides.push_back(s);
      s.line->AddOwner(c.get());
    }
    return c;
  }
  // A ring made of one closed line through the points.
  std::unique_ptr<tpodotdel> Polygon(std::vector<tvertex> points) {
    points.push_back(points.front());
    return Contour({{&Line(points), 1}});
  }
  tpointstore& Store() { return store_; }

 private:
  tpointstore store_;
  std::vector<std::unique_ptr<tline>> lines_;
};

}  // namespace dornavik::testing
