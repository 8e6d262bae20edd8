#include "model/matrix.h"

#include <cmath>

namespace dornavik {

tmatrix RotationMatrix(float angle) {
  float c = std::cos(angle), s = std::sin(angle);
  return {c, -s, 0, s, c, 0};
}

tmatrix SlantMatrix(float angle) {
  float c = std::cos(angle), s = std::sin(angle);
  if (s != 0) return {1 / s, c / s, 0, 0, 1, 0};
  return {1, c, 0, 0, 1, 0};
}

tmatrix TranslationMatrix(float dx, float dy) { return {1, 0, dx, 0, 1, dy}; }

tmatrix ScalingMatrix(float sx, float sy) { return {sx, 0, 0, 0, sy, 0}; }

tmatrix Product(const tmatrix& a, const tmatrix& b) {
  return {a.a * b.a + a.b * b.d, a.a * b.b + a.b * b.e, a.a * b.c + a.b * b.f + a.c,
          a.d * b.a + a.e * b.d, a.d * b.b + a.e * b.e, a.d * b.c + a.e * b.f + a.f};
}

bool Invert(const tmatrix& m, tmatrix& target) {
  double det = double(m.a) * m.e - double(m.b) * m.d;
  if (std::fabs(det) <= 0.001) return false;
  target = {float(m.e / det),
            float(-m.b / det),
            float((double(m.b) * m.f - double(m.c) * m.e) / det),
            float(-m.d / det),
            float(m.a / det),
            float((double(m.c) * m.d - double(m.a) * m.f) / det)};
  return true;
}

void Transform(const tmatrix& m, float x, float y, float& tx, float& ty) {
  tx = m.a * x + m.b * y + m.c;
  ty = m.d * x + m.e * y + m.f;
}

}  // namespace dornavik
