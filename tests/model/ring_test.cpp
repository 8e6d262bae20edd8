#include "model/ring.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/geometry_fixture.h"

namespace dornavik {
namespace {

using testing::tshapes;

struct tstep {
  tvertex a, b;
  bool joint;
  friend bool operator==(const tstep&, const tstep&) = default;
};

TEST(Ring, WalkFollowsTheSideDirectionsAndCloses) {
  tshapes s;
  tline& bottom = s.Line({{0, 0}, {10, 0}});
  tline& right = s.Line({{10, 10}, {10, 0}});  // walked backwards
  tline& top = s.Line({{10, 10}, {0, 10}, {0, 0}});
  auto ring = s.Contour({{&bottom, 1}, {&right, 0}, {&top, 1}});

  std::vector<tstep> steps;
  EXPECT_TRUE(WalkRing(*ring, [&](const tvertex& a, const tvertex& b, bool joint) {
    steps.push_back({a, b, joint});
    return true;
  }));
  const std::vector<tstep> expected{
      {{0, 0}, {0, 0}, true},   {{0, 0}, {10, 0}, false},  {{10, 0}, {10, 0}, true},
      {{10, 0}, {10, 10}, false}, {{10, 10}, {10, 10}, true}, {{10, 10}, {0, 10}, false},
      {{0, 10}, {0, 0}, false}, {{0, 0}, {0, 0}, true}};
  EXPECT_EQ(steps, expected);

  // A first side walked backwards starts the ring at its line's last point.
  auto reversed = s.Contour({{&top, 0}, {&right, 1}, {&bottom, 0}});
  const std::vector<tvertex> vertices = RingVertices(*reversed);
  const std::vector<tvertex> distinct{{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}};
  EXPECT_EQ(vertices, distinct);

  // A step that answers false ends the walk.
  int count = 0;
  EXPECT_FALSE(WalkRing(*ring, [&](const tvertex&, const tvertex&, bool) { return ++count < 3; }));
  EXPECT_EQ(count, 3);
}

TEST(Ring, EmptyRingHasNoSteps) {
  tpodotdel empty;
  int count = 0;
  EXPECT_TRUE(WalkRing(empty, [&](const tvertex&, const tvertex&, bool) { return ++count > 0; }));
  EXPECT_EQ(count, 0);
  EXPECT_TRUE(RingVertices(empty).empty());
}

}  // namespace
}  // namespace dornavik
