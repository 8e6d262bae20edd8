#include <gtest/gtest.h>

#include <cmath>

#include "model/geometry.h"
#include "model/geometry_fixture.h"

namespace dornavik {
namespace {

using testing::tshapes;

TEST(LinesCross, SharedNodesDoNotCrossOtherTouchesDo) {
  tshapes s;
  tline& a = s.Line({{0, 0}, {50, 0}, {100, 0}});
  struct {
    std::vector<tvertex> b;
    bool cross;
    tvertex at;
  } cases[] = {
      {{{100, 0}, {100, 50}}, false, {}},           // shared end node
      {{{0, 0}, {-20, 30}}, false, {}},             // shared at a's first point
      {{{50, 0}, {50, 40}}, true, {50, 0}},         // ends on a's inner vertex
      {{{30, 0}, {30, 40}}, true, {30, 0}},         // ends in the middle of a segment
      {{{30, -10}, {70, 10}}, true, {50, 0}},       // crosses
      {{{0, 5}, {100, 5}}, false, {}},              // parallel
      {{{100.5f, 0}, {101, 40}}, false, {}},        // near, but apart
      {{{-10, -10}, {10, 10}, {200, -5}}, true, {0, 0}},  // through a's end, not at one of its own
  };
  for (const auto& c : cases) {
    tline& b = s.Line(c.b);
    tvertex at{-1, -1};
    EXPECT_EQ(LinesCross(a, b, 5, at), c.cross) << c.b.front().x << "," << c.b.front().y;
    if (c.cross) {
      EXPECT_NEAR(at.x, c.at.x, 1e-4);
      EXPECT_NEAR(at.y, c.at.y, 1e-4);
    }
    EXPECT_EQ(LinesCross(b, a, 5, at), c.cross) << "swapped";
  }
}

TEST(LinesCross, LongLinesAreSearchedToTheEnd) {
  // 200 segments of 1 m along y = 0; crossings in the middle of a segment, at
  // a vertex where one run of segments ends and the next begins, and on the
  // very last segment.
  tshapes s;
  std::vector<tvertex> points;
  for (int i = 0; i <= 200; ++i) points.push_back({float(i), 0});
  tline& long_line = s.Line(points);
  for (float x : {70.5f, 64.0f, 199.5f}) {
    tline& across = s.Line({{x, -1}, {x + 0.3f, 1}});
    tvertex at;
    ASSERT_TRUE(LinesCross(long_line, across, 5, at)) << x;
    EXPECT_NEAR(at.x, x + 0.15f, 1e-4);
    ASSERT_TRUE(LinesCross(across, long_line, 5, at)) << x;
  }
  tline& beside = s.Line({{0, 0.5f}, {200, 0.5f}, {200, 3}});
  tvertex at;
  EXPECT_FALSE(LinesCross(long_line, beside, 5, at));
}

TEST(LinesCross, SmallLineInsideTheBoxOfALargeOne) {
  tshapes s;
  tline& big = s.Line({{0, 0}, {100, 100}});
  tline& small = s.Line({{40, 60}, {60, 40}});
  tvertex at;
  ASSERT_TRUE(LinesCross(big, small, 5, at));
  EXPECT_NEAR(at.x, 50, 1e-4);
  ASSERT_TRUE(LinesCross(small, big, 5, at));
  EXPECT_NEAR(at.y, 50, 1e-4);
}

// Two 100 m squares side by side over a shared line, a third one overlapping
// both, and a small one inside the first.
class ContourRelations : public ::testing::Test {
 protected:
  void SetUp() override {
    tline& shared = s.Line({{100, 0}, {100, 100}});
    tline& left_rest = s.Line({{100, 100}, {0, 100}, {0, 0}, {100, 0}});
    tline& right_rest = s.Line({{100, 0}, {200, 0}, {200, 100}, {100, 100}});
    left = s.Contour({{&shared, 1}, {&left_rest, 1}});
    right = s.Contour({{&shared, 0}, {&right_rest, 1}});
    same = s.Contour({{&left_rest, 1}, {&shared, 1}});
    middle = s.Polygon({{50, 20}, {150, 20}, {150, 80}, {50, 80}});
    inner = s.Polygon({{20, 20}, {40, 20}, {40, 40}, {20, 40}});
  }
  tshapes s;
  std::unique_ptr<tpodotdel> left, right, same, middle, inner;
};

TEST_F(ContourRelations, Overlap) {
  bool same_ring = true;
  EXPECT_FALSE(ContoursOverlap(*left, *right, true, 5, same_ring));
  EXPECT_FALSE(same_ring);
  EXPECT_TRUE(ContoursOverlap(*left, *same, false, 5, same_ring));
  EXPECT_TRUE(same_ring);
  EXPECT_TRUE(ContoursOverlap(*left, *middle, false, 5, same_ring));
  EXPECT_FALSE(same_ring);
  EXPECT_TRUE(ContoursOverlap(*inner, *left, false, 5, same_ring));
  EXPECT_FALSE(ContoursOverlap(*inner, *right, true, 5, same_ring));
}

TEST_F(ContourRelations, OverlapFoundOnlyFromTheSecondContoursSides) {
  // A wedge over the shared line that bulges into the left square: only the
  // wedge's bulge has a point inside the square; the lines meet only at
  // their shared nodes.
  tline& bulge = s.Line({{100, 100}, {80, 50}, {100, 0}});
  auto wedge = s.Contour({{left->sides[0].line, 1}, {&bulge, 1}});
  ComputeInnerPoint(*wedge);
  wedge->inner_x = 100;  // on the shared line: not inside the square
  wedge->inner_y = 50;
  bool same_ring;
  EXPECT_FALSE(ContoursOverlap(*left, *wedge, false, 5, same_ring));
  EXPECT_TRUE(ContoursOverlap(*left, *wedge, true, 5, same_ring));
  EXPECT_TRUE(ContoursOverlap(*wedge, *left, false, 5, same_ring));
}

TEST_F(ContourRelations, LineMeetsAndLiesInside) {
  tline& through = s.Line({{50, 50}, {150, 50}});
  tline& within = s.Line({{10, 10}, {90, 90}});
  tline& outside = s.Line({{300, 0}, {300, 100}});
  EXPECT_TRUE(LineMeetsContour(through, *right, 5));
  EXPECT_TRUE(LineMeetsContour(within, *left, 5));
  EXPECT_FALSE(LineMeetsContour(outside, *left, 5));
  // A contour's own side does not meet it.
  EXPECT_FALSE(LineMeetsContour(*left->sides[0].line, *left, 5));

  EXPECT_TRUE(LineInsideContour(within, *left));
  EXPECT_FALSE(LineInsideContour(through, *left));
  EXPECT_TRUE(LineInsideContour(*left->sides[1].line, *left));  // its own side
  tline& on_edge = s.Line({{0, 0}, {0, 50}});                   // on the boundary
  EXPECT_TRUE(LineInsideContour(on_edge, *left));
}

TEST_F(ContourRelations, ContourInsideContour) {
  EXPECT_TRUE(ContourInsideContour(*inner, *left));
  EXPECT_FALSE(ContourInsideContour(*left, *inner));
  EXPECT_FALSE(ContourInsideContour(*middle, *left));
  EXPECT_FALSE(ContourInsideContour(*inner, *right));
}

TEST(Nearest, PointOnLineWithinReachAndEnds) {
  tshapes s;
  tline& l = s.Line({{0, 0}, {10, 0}, {10, 10}});
  tvertex at;
  int32_t segment = -1;
  EXPECT_FLOAT_EQ(NearestPointOnLine(l, 12, 6, at, segment), 2);
  EXPECT_EQ(at, (tvertex{10, 6}));
  EXPECT_EQ(segment, l.first + 1);
  // Equally near both segments: the first one found is kept.
  EXPECT_FLOAT_EQ(NearestPointOnLine(l, 11, -1, at, segment), std::sqrt(2.0f));
  EXPECT_EQ(segment, l.first);

  EXPECT_FLOAT_EQ(NearestPointOnLineWithin(l, 5, 3, 4, at, segment), 3);
  EXPECT_EQ(NearestPointOnLineWithin(l, 5, -6, 4, at, segment), kFar);

  EXPECT_TRUE(IsEndpoint(l, 1, 1, 2));
  EXPECT_TRUE(IsEndpoint(l, 11, 9, 2));
  EXPECT_FALSE(IsEndpoint(l, 11, 0, 2));
}

}  // namespace
}  // namespace dornavik
