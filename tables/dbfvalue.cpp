#include "tables/dbfvalue.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace dornavik {

bool FormatDbfNumber(double value, int width, int decimals, std::string& text) {
  if (width <= 0) width = 1;
  if (std::isfinite(value)) {
    if (value == 0) value = 0;  // no "-0"
    char buf[400];
    int n = std::snprintf(buf, sizeof buf, "%*.*f", width, decimals, value);
    // Rounding may give "-0.0"; it is zero.
    if (n > 0 && std::strtod(buf, nullptr) == 0)
      n = std::snprintf(buf, sizeof buf, "%*.*f", width, decimals, 0.0);
    if (n > 0 && n <= width) {
      text.assign(buf, n);
      return true;
    }
  }
  text.assign(width, '*');
  return false;
}

double ParseDbfNumber(const std::string& text) {
  const char* s = text.c_str();
  char* end = nullptr;
  double v = std::strtod(s, &end);
  return end == s || !std::isfinite(v) ? 0 : v;
}

}  // namespace dornavik
