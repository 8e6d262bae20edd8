#include "base/arith.h"

#include <gtest/gtest.h>

namespace dornavik {
namespace {

TEST(Arith, Direction) {
  struct {
    float dy, dx, angle;
  } cases[] = {{1, 0, 1.5707964f},  {0, 0, 0},          {-1, 0.0005f, 4.712389f},
               {1, 1, 0.7853982f},  {-1, 1, 5.497787f}, {1, -1, 2.3561945f},
               {-1, -1, 3.926991f}, {0, -1, 3.1415927f}};
  for (const auto& c : cases) EXPECT_NEAR(Direction(c.dy, c.dx), c.angle, 1e-5) << c.dy << "," << c.dx;
}

TEST(Arith, Fold) {
  EXPECT_EQ(Fold(30, 15), 15);
  EXPECT_EQ(Fold(31, 15), 1);
  EXPECT_EQ(Fold(0, 15), 0);
}

TEST(Arith, DistanceAndExtremes) {
  EXPECT_FLOAT_EQ(Distance(0, 0, 3, 4), 5.0f);
  EXPECT_EQ(Larger(1, 2), 2);
  EXPECT_EQ(Smaller(1, 2), 1);
}

}  // namespace
}  // namespace dornavik
