#include <gtest/gtest.h>

#include <cmath>

#include "model/geometry.h"
#include "model/geometry_fixture.h"

namespace dornavik {
namespace {

using testing::tshapes;

TEST(Inside, PointsAgainstAConcaveRing) {
  tshapes s;
  // A square with a notch from the top down to the vertex (5, 5), and a
  // triangle with a vertex at (10, 5).
  auto notched = s.Polygon({{0, 0}, {10, 0}, {10, 10}, {5, 5}, {0, 10}});
  auto triangle = s.Polygon({{0, 0}, {10, 5}, {0, 10}});
  struct {
    const tpodotdel* ring;
    float x, y;
    int where;
  } cases[] = {
      {notched.get(), 2, 2, kInside},
      {notched.get(), 5, 8, kOutside},      // in the notch
      {notched.get(), 5, 0, kOnBoundary},   // on an edge
      {notched.get(), 10, 10, kOnBoundary}, // on a vertex
      {notched.get(), 7, 7, kOnBoundary},   // on a slanted edge
      {notched.get(), 2, 5, kInside},       // the ray touches the notch vertex
      {notched.get(), 11, 5, kOutside},     // outside the box
      {triangle.get(), 2, 5, kInside},      // the ray passes through a vertex: counted once
      {triangle.get(), 9, 9, kOutside},
      {nullptr, 2, 2, kOutside},
  };
  for (const auto& c : cases) EXPECT_EQ(Inside(c.ring, c.x, c.y), c.where) << c.x << "," << c.y;

  // A linear contour is never inside.
  notched->linear = 1;
  EXPECT_EQ(Inside(notched.get(), 2, 2), kOutside);
}

// A U whose box centre and label point lie in the gap between its arms; each
// side carries `per_side` points so that the ring can be made very long.
std::unique_ptr<tpodotdel> UShape(tshapes& s, int per_side) {
  const std::vector<tvertex> corners{{0, 0}, {30, 0}, {30, 30}, {20, 30}, {20, 10}, {10, 10}, {10, 30}, {0, 30}, {0, 0}};
  std::vector<tvertex> points;
  for (size_t k = 0; k + 1 < corners.size(); ++k)
    for (int i = 0; i < per_side; ++i) {
      const float t = float(i) / per_side;
      points.push_back({corners[k].x + t * (corners[k + 1].x - corners[k].x),
                        corners[k].y + t * (corners[k + 1].y - corners[k].y)});
    }
  points.push_back(corners.front());
  return s.Contour({{&s.Line(points), 1}});
}

TEST(InnerPoint, ConcaveRingGetsAPointInside) {
  tshapes s;
  auto u = UShape(s, 1);
  u->label_x = 15;
  u->label_y = 20;  // in the gap as well
  ComputeInnerPoint(*u);
  EXPECT_EQ(u->bounds_dirty, 0);
  EXPECT_EQ(u->box, (tbox{0, 0, 30, 30}));
  EXPECT_EQ(Inside(u.get(), u->inner_x, u->inner_y), kInside) << u->inner_x << "," << u->inner_y;

  // A good label point is taken before the vertex search.
  u->label_x = 25;
  u->label_y = 25;
  ComputeInnerPoint(*u);
  EXPECT_EQ(u->inner_x, 25);
  EXPECT_EQ(u->inner_y, 25);

  // A convex ring keeps its box centre; a linear contour gets (0, 0).
  auto square = s.Polygon({{0, 0}, {4, 0}, {4, 4}, {0, 4}});
  ComputeInnerPoint(*square);
  EXPECT_EQ(square->inner_x, 2);
  EXPECT_EQ(square->inner_y, 2);
  square->linear = 1;
  ComputeInnerPoint(*square);
  EXPECT_EQ(square->inner_x, 0);
  EXPECT_EQ(square->inner_y, 0);
}

TEST(InnerPoint, RingOfAHundredThousandVertices) {
  tshapes s;
  auto u = UShape(s, 12500);  // 8 sides x 12500 = 100000 distinct vertices
  ASSERT_EQ(u->sides[0].line->PointCount(), 100001);
  ComputeInnerPoint(*u);
  EXPECT_EQ(Inside(u.get(), u->inner_x, u->inner_y), kInside) << u->inner_x << "," << u->inner_y;
  EXPECT_TRUE(ComputeArea(*u, 5));
  EXPECT_NEAR(u->area, 900 - 200, 0.01);
}

}  // namespace
}  // namespace dornavik
