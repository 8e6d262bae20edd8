// 2-D affine matrices: (a, b, c, d, e, f) maps (x, y) to
// (a·x + b·y + c, d·x + e·y + f). The stroke fonts and the map canvas build
// their transformations from these.
#pragma once

namespace dornavik {

struct tmatrix {
  float a = 1, b = 0, c = 0, d = 0, e = 1, f = 0;
};

tmatrix RotationMatrix(float angle);
// Slant of letters whose upright strokes stand at `angle` to the base line;
// π/2 gives no slant.
tmatrix SlantMatrix(float angle);
tmatrix TranslationMatrix(float dx, float dy);
tmatrix ScalingMatrix(float sx, float sy);
// A × B: B is applied first.
tmatrix Product(const tmatrix& a, const tmatrix& b);
// Sets target to the inverse of m; a (nearly) singular m, |a·e − b·d| <= 0.001,
// leaves target unchanged and returns false.
bool Invert(const tmatrix& m, tmatrix& target);
void Transform(const tmatrix& m, float x, float y, float& tx, float& ty);

}  // namespace dornavik
