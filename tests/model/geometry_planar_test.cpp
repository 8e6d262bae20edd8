#include "model/planar.h"
#include "model/simplify.h"

#include <gtest/gtest.h>

#include <vector>

namespace dornavik {
namespace {

TEST(Planar, ClosestEndsKeepsTheLowerNumberOnTies) {
  EXPECT_EQ(ClosestEnds({0, 0}, {10, 0}, {0, 0}, {0, 10}), 1);
  EXPECT_EQ(ClosestEnds({0, 0}, {10, 0}, {0, 10}, {0, 0}), 2);
  EXPECT_EQ(ClosestEnds({0, 0}, {10, 0}, {10, 0}, {20, 0}), 3);
  EXPECT_EQ(ClosestEnds({0, 0}, {10, 0}, {20, 0}, {10, 0}), 4);
  EXPECT_EQ(ClosestEnds({0, 0}, {0, 0}, {5, 0}, {5, 0}), 1);
}

TEST(Planar, SegmentsCross) {
  struct {
    tvertex p1, p2, q1, q2;
    bool cross;
  } cases[] = {
      {{0, 0}, {10, 10}, {0, 10}, {10, 0}, true},
      {{0, 0}, {10, 0}, {5, 0}, {5, 10}, true},            // an end on the inside
      {{0, 0}, {10, 0}, {10.0005f, 0}, {10.0005f, 5}, true},  // within the overshoot
      {{0, 0}, {10, 0}, {10.01f, 0}, {10.01f, 5}, false},
      {{0, 0}, {10, 0}, {0, 1}, {10, 1}, false},           // parallel
      {{0, 0}, {10, 0}, {5, -0.02f}, {5, 0.02f}, false},   // too short to count
      {{0, 0}, {10, 0}, {20, -5}, {20, 5}, false},
  };
  for (const auto& c : cases) {
    tvertex at;
    EXPECT_EQ(SegmentsCross(c.p1, c.p2, c.q1, c.q2, at), c.cross) << c.q1.x << "," << c.q1.y;
  }
  tvertex at;
  ASSERT_TRUE(SegmentsCross({0, 0}, {10, 10}, {0, 10}, {10, 0}, at));
  EXPECT_FLOAT_EQ(at.x, 5);
  EXPECT_FLOAT_EQ(at.y, 5);
}

TEST(Planar, EdgeCrossing) {
  struct {
    tvertex a, b, p;
    int effect;
  } cases[] = {
      {{0, 0}, {0, 10}, {-1, 5}, 1},    // upward edge right of the point
      {{0, 10}, {0, 0}, {-1, 5}, 1},    // downward
      {{0, 0}, {0, 10}, {1, 5}, 0},     // edge left of the point
      {{0, 0}, {0, 10}, {-1, 10}, 1},   // upper end on the ray counts ...
      {{0, 10}, {0, 20}, {-1, 10}, 0},  // ... the lower end of the next edge does not
      {{0, 0}, {0, 10}, {-1, 0}, 0},
      {{0, 0}, {10, 0}, {4, 0}, 2},     // on the edge
      {{0, 0}, {10, 0}, {10, 0}, 2},    // on its end
      {{0, 0}, {10, 0}, {11, 0}, 0},    // collinear beyond it
      {{0, 0}, {10, 0}, {-1, 0}, 0},
      {{0, 0}, {0.0004f, 0.0004f}, {0.0002f, 0.0002f}, 0},  // too short to count
  };
  for (const auto& c : cases)
    EXPECT_EQ(EdgeCrossing(c.a, c.b, c.p), c.effect) << c.a.x << "," << c.a.y << " " << c.p.x << "," << c.p.y;
}

TEST(Planar, NearestOnSegmentClampsToTheEnds) {
  tvertex at;
  EXPECT_FLOAT_EQ(NearestOnSegment({0, 0}, {10, 0}, {4, 3}, at), 3);
  EXPECT_EQ(at, (tvertex{4, 0}));
  EXPECT_FLOAT_EQ(NearestOnSegment({0, 0}, {10, 0}, {13, 4}, at), 5);
  EXPECT_EQ(at, (tvertex{10, 0}));
  EXPECT_FLOAT_EQ(NearestOnSegment({2, 2}, {2, 2}, {2, 5}, at), 3);
  EXPECT_EQ(at, (tvertex{2, 2}));
}

TEST(Simplify, DropsNearChordVerticesAndClosesTheList) {
  // A square whose sides carry vertices 0.05 m off the straight line.
  std::vector<tvertex> ring{{0, 0}, {5, 0.05f}, {10, 0}, {10, 5}, {10, 10}, {5, 10}, {0, 10}, {0, 0}};
  SimplifyClosedRing(ring, 0.1f);
  const std::vector<tvertex> expected{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
  EXPECT_EQ(ring, expected);
}

TEST(Simplify, KeepsVerticesBeyondTheTolerance) {
  std::vector<tvertex> ring{{0, 0}, {5, 1}, {10, 0}, {10, 10}, {0, 10}};
  const std::vector<tvertex> expected{{0, 0}, {5, 1}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
  SimplifyClosedRing(ring, 0.1f);
  EXPECT_EQ(ring, expected);
}

TEST(Simplify, BackAndForthOnTheChordIsKeptUnchanged) {
  // Every vertex of the range lies on the chord line, but the path doubles back
  // (path / chord > 1.5): there is no farthest vertex to split at.
  std::vector<tvertex> ring{{0, 0}, {8, 0}, {2, 0}, {10, 0}};
  const std::vector<tvertex> expected{{0, 0}, {8, 0}, {2, 0}, {10, 0}, {0, 0}};
  SimplifyClosedRing(ring, 0.1f);
  EXPECT_EQ(ring, expected);
}

TEST(Simplify, ShortListsAreOnlyClosed) {
  std::vector<tvertex> ring{{0, 0}, {1, 0}, {1, 1}, {0, 0}, {0, 0}};
  SimplifyClosedRing(ring, 0.1f);
  EXPECT_EQ(ring, (std::vector<tvertex>{{0, 0}, {1, 0}, {1, 1}, {0, 0}}));
}

}  // namespace
}  // namespace dornavik
