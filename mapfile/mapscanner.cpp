#include "mapfile/mapscanner.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace dornavik {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }
// Longer tokens are no number of this format.
constexpr size_t kLongestNumber = 64;
}  // namespace

void tmapscanner::ShowProgress(tprogress* progress, long total_lines) {
  progress_ = total_lines >= 100 ? progress : nullptr;
  total_ = total_lines;
  step_ = total_lines > 100000 ? total_lines / 100
          : total_lines > 50000 ? total_lines / 50
          : total_lines > 20000 ? total_lines / 20
                                : total_lines / 10;
  next_ = step_;
}

bool tmapscanner::Fetch() {
  if (failed_ || !reader_.ReadLine(line_)) {
    failed_ = true;
    return false;
  }
  pos_ = 0;
  open_ = true;
  if (progress_ && reader_.LineNumber() >= next_) {
    next_ += step_;
    progress_->SetPosition(static_cast<int>(std::lround(
        static_cast<double>(reader_.LineNumber()) / static_cast<double>(total_ / 100))));
  }
  return true;
}

bool tmapscanner::Real(double& x) {
  if (failed_) return false;
  for (;;) {
    if (!open_ && !Fetch()) return false;
    while (pos_ < line_.size() && IsBlank(line_[pos_])) ++pos_;
    if (pos_ < line_.size()) break;
    open_ = false;
  }
  size_t end = pos_;
  while (end < line_.size() && !IsBlank(line_[end])) ++end;
  const char* first = line_.data() + pos_;
  const char* last = line_.data() + end;
  if (*first == '+') ++first;
  auto r = std::from_chars(first, last, x);
  if (end - pos_ > kLongestNumber || r.ec != std::errc() || r.ptr != last) {
    failed_ = true;
    return false;
  }
  pos_ = end;
  return true;
}

bool tmapscanner::Float(float& x) {
  double d;
  if (!Real(d)) return false;
  x = static_cast<float>(d);
  return true;
}

bool tmapscanner::Int(int32_t& n) {
  double d;
  if (!Real(d)) return false;
  constexpr double lo = std::numeric_limits<int32_t>::min();
  constexpr double hi = std::numeric_limits<int32_t>::max();
  d = std::isnan(d) ? 0 : std::round(d);
  n = static_cast<int32_t>(d < lo ? lo : d > hi ? hi : d);
  return true;
}

bool tmapscanner::Line(std::string& text) {
  if (!open_ && !Fetch()) return false;
  text.assign(line_, pos_);
  open_ = false;
  return true;
}

bool tmapscanner::Char(char& c) {
  if (!open_ && !Fetch()) return false;
  if (pos_ < line_.size()) {
    c = line_[pos_++];
  } else {
    c = '\n';
    open_ = false;
  }
  return true;
}

bool tmapscanner::LineEnds() const {
  if (!open_) return true;
  for (size_t i = pos_; i < line_.size(); ++i)
    if (!IsBlank(line_[i])) return false;
  return true;
}

}  // namespace dornavik
