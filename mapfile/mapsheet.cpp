#include "mapfile/mapsheet.h"

namespace dornavik {

namespace {

struct tquarter {
  char letter;
  double dx, dy;
};

// The character at position `at` (from 1) moves the origin by its quarter.
template <size_t N>
void AddQuarter(tsheetorigin& o, std::string_view text, size_t at, const tquarter (&table)[N]) {
  if (text.size() < at) return;
  for (const tquarter& q : table)
    if (text[at - 1] == q.letter) {
      o.x0 += q.dx;
      o.y0 += q.dy;
      return;
    }
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

tsheetorigin SheetOrigin(std::string_view text) {
  tsheetorigin o{8360000, 4320000, 0};
  if (text.size() >= 3) {
    switch (text[2]) {
      case '3': o = {8380000, 4480000, 1}; break;
      case '5': o = {9380000, 4340000, 2}; break;
      case '7': o = {9400000, 4460000, 3}; break;
      case '9': o = {8360000, 4320000, 4}; break;
      default: break;
    }
  }
  if (text.size() >= 6 && IsDigit(text[4]) && IsDigit(text[5])) {
    o.x0 += (text[5] - '1') * 40000.0;
    o.y0 += ('9' - text[4]) * 40000.0;
  }
  // MIK capitals А Б Г are 0x80, 0x81, 0x83, small а б г 0xA0, 0xA1, 0xA3; the
  // lower-left quarter (В, b, в, 3) and any other character add nothing.
  static const tquarter sheet20[] = {{'\x80', 0, 20000}, {'A', 0, 20000}, {'\x81', 20000, 20000},
                                     {'\x83', 20000, 0}};
  static const tquarter sheet10[] = {{'\xA0', 0, 10000}, {'a', 0, 10000}, {'\xA1', 10000, 10000},
                                     {'\xA3', 10000, 0}};
  static const tquarter sheet5[] = {{'1', 0, 5000}, {'2', 5000, 5000}, {'4', 5000, 0}};
  AddQuarter(o, text, 8, sheet20);
  AddQuarter(o, text, 10, sheet10);
  AddQuarter(o, text, 12, sheet5);
  return o;
}

}  // namespace dornavik
