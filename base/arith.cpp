#include "base/arith.h"

#include <cmath>

namespace dornavik {

float Distance(float x1, float y1, float x2, float y2) {
  double dx = double(x2) - x1, dy = double(y2) - y1;
  return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}

float Direction(float dy, float dx) {
  constexpr double kPi = 3.14159265358979323846;
  if (std::fabs(dx) < 0.001f) {
    if (dy > 0) return static_cast<float>(kPi / 2);
    if (dy == 0) return 0.0f;
    return static_cast<float>(3 * kPi / 2);
  }
  double a = std::atan(double(dy) / dx);
  if (dx >= 0) return static_cast<float>(a >= 0 ? a : a + 2 * kPi);
  return static_cast<float>(a + kPi);
}

float Larger(float a, float b) { return b >= a ? b : a; }

float Smaller(float a, float b) { return b > a ? a : b; }

uint16_t Fold(uint16_t v, uint16_t m) {
  if (v == 0 || m == 0) return 0;
  uint16_t r = v % m;
  return r == 0 ? m : r;
}

}  // namespace dornavik
