#include "model/matrix.h"

#include <gtest/gtest.h>

#include <cmath>

namespace dornavik {
namespace {

constexpr float kPi = 3.14159265f;

void ExpectMaps(const tmatrix& m, float x, float y, float tx, float ty) {
  float rx, ry;
  Transform(m, x, y, rx, ry);
  EXPECT_NEAR(rx, tx, 1e-5) << x << "," << y;
  EXPECT_NEAR(ry, ty, 1e-5) << x << "," << y;
}

TEST(Matrix, RotationAndSlant) {
  ExpectMaps(RotationMatrix(kPi / 2), 1, 0, 0, 1);
  ExpectMaps(SlantMatrix(kPi / 2), 2, 3, 2, 3);  // upright letters: no slant
  // 45°: x' = x / sin + y cos / sin.
  ExpectMaps(SlantMatrix(kPi / 4), 1, 1, std::sqrt(2.0f) + 1, 1);
  // sin = 0 falls back to (1, cos θ, 0, 0, 1, 0).
  const tmatrix flat = SlantMatrix(0);
  EXPECT_EQ(flat.a, 1);
  EXPECT_EQ(flat.b, 1);
}

TEST(Matrix, ProductAppliesTheRightOperandFirst) {
  const tmatrix m = Product(TranslationMatrix(10, 0), RotationMatrix(kPi / 2));
  ExpectMaps(m, 1, 0, 10, 1);  // rotated first, then moved
  ExpectMaps(Product(ScalingMatrix(2, 3), TranslationMatrix(1, 1)), 0, 0, 2, 3);
}

TEST(Matrix, InverseUndoesAndSingularLeavesTargetUnchanged) {
  const tmatrix m = Product(TranslationMatrix(5, -7), Product(RotationMatrix(0.3f), ScalingMatrix(2, 4)));
  tmatrix inverse;
  ASSERT_TRUE(Invert(m, inverse));
  float x, y;
  Transform(m, 3, 4, x, y);
  ExpectMaps(inverse, x, y, 3, 4);

  tmatrix target = TranslationMatrix(1, 2);
  EXPECT_FALSE(Invert(ScalingMatrix(0.01f, 0.1f), target));  // |det| = 0.001
  EXPECT_EQ(target.c, 1);
  EXPECT_EQ(target.f, 2);
  EXPECT_EQ(target.a, 1);
}

}  // namespace
}  // namespace dornavik
