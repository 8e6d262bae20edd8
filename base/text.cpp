#include "base/text.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace dornavik {

namespace {

constexpr size_t kMaxTrimmed = 255;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// cp1251 letters: Latin A-Z/a-z, Cyrillic А-Я (0xC0-0xDF) / а-я (0xE0-0xFF),
// and the few letters outside those blocks that have a case pair.
unsigned char UpperByte(unsigned char c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if (c >= 0xE0) return c - 32;
  switch (c) {
    case 0xB8: return 0xA8;  // ё
    case 0xB3: return 0xB2;  // і
    case 0xBF: return 0xAF;  // ї
    case 0xBA: return 0xAA;  // є
    case 0xA2: return 0xA1;  // ў
    case 0xBC: return 0xA3;  // ј
    case 0xB4: return 0xA5;  // ґ
    default: return c;
  }
}

unsigned char LowerByte(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c >= 0xC0 && c <= 0xDF) return c + 32;
  switch (c) {
    case 0xA8: return 0xB8;
    case 0xB2: return 0xB3;
    case 0xAF: return 0xBF;
    case 0xAA: return 0xBA;
    case 0xA1: return 0xA2;
    case 0xA3: return 0xBC;
    case 0xA5: return 0xB4;
    default: return c;
  }
}

}  // namespace

std::string TrimTrailing(std::string_view text) {
  size_t n = text.size();
  while (n > 0 && text[n - 1] == ' ') --n;
  return std::string(text.substr(0, n));
}

std::string TrimLeading(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  return std::string(text.substr(i, kMaxTrimmed));
}

std::string TrimBoth(std::string_view text) { return TrimTrailing(TrimLeading(text)); }

std::string IntText(long long n, int w) {
  return PadLeft(std::to_string(n), w > 0 ? static_cast<size_t>(w) : 0);
}

std::string ZeroIntText(long long n, int w) {
  std::string s = IntText(n, w);
  for (char& c : s) {
    if (c != ' ') break;
    c = '0';
  }
  return s;
}

std::string RealText(double x, int w, int d) {
  char buf[512];
  // to_chars never consults the locale, so the decimal sign is always a point.
  auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, d < 0 ? 0 : d);
  std::string s = r.ec == std::errc() ? std::string(buf, r.ptr) : std::string("0");
  if (s == "-0" || s.starts_with("-0.")) {
    bool zero = true;
    for (char c : s) zero = zero && (c == '-' || c == '0' || c == '.');
    if (zero) s.erase(0, 1);
  }
  return PadLeft(s, w > 0 ? static_cast<size_t>(w) : 0);
}

std::string PadLeft(std::string_view text, size_t w) {
  if (text.size() >= w) return std::string(text);
  return std::string(w - text.size(), ' ') + std::string(text);
}

std::string PadRight(std::string_view text, size_t w) {
  std::string s(text);
  if (s.size() < w) s.append(w - s.size(), ' ');
  return s;
}

std::string RepeatChar(size_t n, char c) { return std::string(n, c); }

int TextInt(std::string_view text) {
  std::string t = TrimBoth(text);
  size_t i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
  long long v = 0;
  auto add = [&v](int digit, int base) {
    if (v < (1LL << 40)) v = v * base + digit;
  };
  if (i < t.size() && t[i] == '$') {
    for (++i; i < t.size() && HexValue(t[i]) >= 0; ++i) add(HexValue(t[i]), 16);
  } else {
    for (; i < t.size() && IsDigit(t[i]); ++i) add(t[i] - '0', 10);
  }
  if (negative) v = -v;
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return static_cast<int>(v);
}

double TextReal(std::string_view text) {
  // Trimmed as TrimBoth does, without copying: numbers are read in hot loops.
  std::string_view t = text;
  while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
  t = t.substr(0, kMaxTrimmed);
  while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
  // Find the longest leading part that has the shape of a number.
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  size_t digits = 0;
  while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  size_t end = i;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    size_t j = i + 1;
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
    if (j < t.size() && IsDigit(t[j])) {
      while (j < t.size() && IsDigit(t[j])) ++j;
      end = j;
    }
  }
  const char* first = t.data();
  if (*first == '+') ++first;
  double v = 0.0;
  auto r = std::from_chars(first, t.data() + end, v);
  if (r.ec != std::errc() || !std::isfinite(v)) return 0.0;
  return v;
}

namespace {

std::string Split(std::string& text, char c, bool skip_blanks) {
  size_t p = text.find(c);
  if (p == std::string::npos) {
    std::string head;
    head.swap(text);
    return head;
  }
  std::string head = text.substr(0, p);
  size_t rest = p + 1;
  if (skip_blanks)
    while (rest < text.size() && text[rest] == ' ') ++rest;
  text.erase(0, rest);
  return head;
}

}  // namespace

std::string SplitComma(std::string& text) { return Split(text, ',', false); }

std::string SplitAt(std::string& text, char c) { return Split(text, c, true); }

std::string QuoteText(std::string_view text) {
  std::string s = "\"";
  for (char c : text) {
    if (c == '"') s += '\\';
    s += c;
  }
  s += '"';
  return s;
}

// Texts written without their quotes still read back whole: the missing quote is
// stood in by blanks before the first and last characters are dropped.
std::string UnquoteText(std::string_view text) {
  std::string t = TrimBoth(text);
  if (t.empty() || t.front() != '"') t.insert(0, "  ");
  if (t.back() != '"') t += ' ';
  t = t.substr(1, t.size() - 2);
  std::string s;
  s.reserve(t.size());
  for (size_t i = 0; i < t.size(); ++i) {
    if (t[i] == '\\' && i + 1 < t.size()) {
      s += '"';
      ++i;
    } else {
      s += t[i];
    }
  }
  return s;
}

tfilename SplitFileName(std::string_view path) {
  tfilename f;
  size_t slash = path.find_last_of("/\\");
  std::string_view file = path;
  if (slash != std::string_view::npos) {
    f.folder = std::string(path.substr(0, slash + 1));
    file = path.substr(slash + 1);
  }
  size_t dot = file.rfind('.');
  if (dot != std::string_view::npos) f.extension = std::string(file.substr(dot));
  f.name = std::string(f.extension.empty() ? file : file.substr(0, file.find(f.extension)));
  return f;
}

std::string DateText() {
  std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  return DateText(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
}

std::string DateText(int year, int month, int day) {
  return ZeroIntText(day, 2) + "." + ZeroIntText(month, 2) + "." + std::to_string(year) +
         " \xE3.";
}

std::string UpperWin(std::string_view text) {
  std::string s(text);
  for (char& c : s) c = static_cast<char>(UpperByte(static_cast<unsigned char>(c)));
  return s;
}

std::string LowerWin(std::string_view text) {
  std::string s(text);
  for (char& c : s) c = static_cast<char>(LowerByte(static_cast<unsigned char>(c)));
  return s;
}

int CompareTextWin(std::string_view a, std::string_view b) {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = UpperByte(static_cast<unsigned char>(a[i]));
    unsigned char y = UpperByte(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace dornavik
