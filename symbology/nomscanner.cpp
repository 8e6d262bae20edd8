#include "symbology/nomscanner.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace dornavik {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool tnomscanner::Load() {
  if (loaded_) return true;
  if (!file_.ReadLine(line_)) return false;
  pos_ = 0;
  loaded_ = true;
  return true;
}

bool tnomscanner::Token(std::string& token) {
  for (;;) {
    if (!Load()) return false;
    while (pos_ < line_.size() && IsBlank(line_[pos_])) ++pos_;
    if (pos_ < line_.size()) break;
    loaded_ = false;
  }
  size_t end = pos_;
  while (end < line_.size() && !IsBlank(line_[end])) ++end;
  token = line_.substr(pos_, end - pos_);
  pos_ = end;
  return true;
}

bool tnomscanner::NextInt(long long& value) {
  std::string token;
  if (!Token(token)) return false;
  const char* first = token.data();
  const char* last = first + token.size();
  if (first != last && *first == '+') ++first;
  auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last) Bad();
  return true;
}

long long tnomscanner::Int(long long low, long long high) {
  long long value = 0;
  if (!NextInt(value) || value < low || value > high) Bad();
  return value;
}

float tnomscanner::Real() {
  std::string token;
  if (!Token(token)) Bad();
  // Digits with an optional point and exponent; from_chars alone would also
  // take "inf" and "nan".
  size_t i = token[0] == '+' || token[0] == '-' ? 1 : 0;
  if (i < token.size() && token[i] == '+') Bad();
  bool digits = false;
  for (size_t j = i; j < token.size() && token[j] != 'e' && token[j] != 'E'; ++j) {
    if (IsDigit(token[j])) digits = true;
    else if (token[j] != '.') Bad();
  }
  if (!digits) Bad();
  double value = 0;
  auto [end, error] = std::from_chars(token.data() + (token[0] == '+' ? 1 : 0),
                                      token.data() + token.size(), value);
  if (error != std::errc() || end != token.data() + token.size() ||
      std::fabs(value) > std::numeric_limits<float>::max()) {
    Bad();
  }
  return static_cast<float>(value);
}

char tnomscanner::Char() {
  if (!Load() || pos_ >= line_.size()) Bad();
  return line_[pos_++];
}

std::string tnomscanner::RestOfLine() {
  if (!Load()) return {};
  loaded_ = false;
  return line_.substr(pos_);
}

bool tnomscanner::AtLineEnd() {
  if (!Load()) return true;
  for (size_t i = pos_; i < line_.size(); ++i) {
    if (!IsBlank(line_[i])) return false;
  }
  return true;
}

}  // namespace dornavik
