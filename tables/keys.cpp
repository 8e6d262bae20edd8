#include "tables/keys.h"

#include "base/text.h"

namespace dornavik {

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::string OtdelKey(std::string_view otdel) {
  std::string key = TrimBoth(otdel);
  while (!key.empty() && !IsDigit(key.back())) key.pop_back();
  return PadLeft(key, 5);
}

std::string PodKey(std::string_view pod) {
  std::string key = TrimBoth(pod);
  if (!key.empty() && IsDigit(key.front())) key += "  ";
  return PadLeft(key, 8);
}

}  // namespace dornavik
