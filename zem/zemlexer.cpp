#include "zem/zemlexer.h"

#include <limits>
#include <numbers>

#include "base/text.h"

namespace dornavik {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimView(std::string_view t) {
  while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
  while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
  return t;
}

}  // namespace

void tzemline::Assign(std::string_view raw) {
  size_t i = 0;
  while (i < raw.size() && raw[i] == ' ') ++i;
  text_.assign(raw.substr(i, kZemLineLength));
  pos_ = 0;
}

std::string_view TakeToken(std::string_view& rest, char separator) {
  size_t p = rest.find(separator);
  if (p == std::string_view::npos) {
    std::string_view token = rest;
    rest = {};
    return token;
  }
  std::string_view token = rest.substr(0, p);
  size_t next = p + 1;
  while (next < rest.size() && rest[next] == ' ') ++next;
  rest.remove_prefix(next);
  return token;
}

std::string_view tzemline::Token(char separator) {
  std::string_view rest = Rest();
  std::string_view token = TakeToken(rest, separator);
  pos_ = text_.size() - rest.size();
  return token;
}

int32_t ZemInt(std::string_view token) {
  std::string_view t = TrimView(token);
  bool negative = false;
  if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
    negative = t.front() == '-';
    t.remove_prefix(1);
  }
  int64_t v = 0;
  for (char c : t) {
    if (!IsDigit(c)) break;
    if (v <= int64_t{1} << 33) v = v * 10 + (c - '0');
  }
  if (negative) v = -v;
  if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}

double ZemReal(std::string_view token) { return TextReal(token); }

std::string ZemQuotedText(std::string_view text) { return UnquoteText(text); }

float GradsToRadians(double grads) {
  constexpr double pi = std::numbers::pi;
  double r = grads < 100 ? pi / 2 - grads * pi / 200 : 5 * pi / 2 - grads * pi / 200;
  return ToFloat(r);
}

float ToFloat(double v) {
  constexpr double limit = std::numeric_limits<float>::max();
  return static_cast<float>(v > limit ? limit : v < -limit ? -limit : v);
}

}  // namespace dornavik
