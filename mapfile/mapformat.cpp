#include "mapfile/mapformat.h"

#include <charconv>

#include "base/codepage.h"
#include "base/text.h"

namespace dornavik {

const tmapkeys& MapKeys() {
  static const tmapkeys keys = [] {
    auto mik = [](const char* utf8) { return WindowsToMik(Utf8ToWindows(utf8)); };
    return tmapkeys{mik("МАЩАБ"),      mik("КартенЛист"), mik("Горско.стопанство"),
                    mik("ZEM файл"),   mik("ZEM фирма"),  mik("ZEM дата"),
                    mik("ZEM програма")};
  }();
  return keys;
}

void AppendFixed(std::string& out, double x, int d) {
  char buffer[400];
  auto r = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, d);
  out.append(buffer, r.ptr);
}

std::string Fixed(double x, int d) {
  std::string s;
  AppendFixed(s, x, d);
  return s;
}

std::string FixedWidth(double x, int w, int d) {
  return PadLeft(Fixed(x, d), static_cast<size_t>(w));
}

}  // namespace dornavik
