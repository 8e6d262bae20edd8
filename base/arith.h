// Small numeric helpers of the drawing and geometry code.
#pragma once

#include <cstdint>

namespace dornavik {

float Distance(float x1, float y1, float x2, float y2);
// The angle of the vector (dx, dy) in radians, 0..2π.
float Direction(float dy, float dx);
// Of two floats; Larger returns b when b >= a, Smaller returns b unless b > a.
float Larger(float a, float b);
float Smaller(float a, float b);
// 0 for v = 0, else v mod m with m standing for a remainder of 0 (16-bit unsigned).
uint16_t Fold(uint16_t v, uint16_t m);

}  // namespace dornavik
