#include "base/codepage.h"

#include "base/text.h"

#include <iconv.h>

#include <array>
#include <stdexcept>

namespace dornavik {

namespace {

using ttable = std::array<unsigned char, 256>;

tdoscodepage g_dos_page = tdoscodepage::cp866;

// Converts one byte between two single-byte code pages; '?' when it has no
// counterpart. Control characters and ASCII map to themselves.
ttable BuildTable(const char* from, const char* to) {
  ttable t{};
  iconv_t cd = iconv_open(to, from);
  for (int b = 0; b < 256; ++b) {
    t[b] = b < 128 ? static_cast<unsigned char>(b) : '?';
    if (b < 128 || cd == reinterpret_cast<iconv_t>(-1)) continue;
    char in = static_cast<char>(b), out = 0;
    char* pin = &in;
    char* pout = &out;
    size_t nin = 1, nout = 1;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &pin, &nin, &pout, &nout) != static_cast<size_t>(-1) && nout == 0)
      t[b] = static_cast<unsigned char>(out);
  }
  if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
  return t;
}

struct ttables {
  ttable cp866_to_win, win_to_cp866, mik_to_win, win_to_mik;
};

const ttables& Tables() {
  static const ttables t{BuildTable("CP866", "CP1251"), BuildTable("CP1251", "CP866"),
                         BuildTable("MIK", "CP1251"), BuildTable("CP1251", "MIK")};
  return t;
}

std::string Map(std::string_view text, const ttable& t) {
  std::string s(text);
  for (char& c : s) c = static_cast<char>(t[static_cast<unsigned char>(c)]);
  return s;
}

// Variable-length conversion through iconv; unconvertible input bytes become '?'.
std::string Convert(std::string_view text, const char* from, const char* to) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open failed");
  std::string out;
  out.resize(text.size() * 4 + 16);
  char* pin = const_cast<char*>(text.data());
  size_t nin = text.size();
  char* pout = out.data();
  size_t nout = out.size();
  while (nin > 0) {
    if (iconv(cd, &pin, &nin, &pout, &nout) != static_cast<size_t>(-1)) break;
    if (nout < 4) {
      size_t used = pout - out.data();
      out.resize(out.size() * 2);
      pout = out.data() + used;
      nout = out.size() - used;
      continue;
    }
    // An invalid or unconvertible byte: stand it in and go on.
    ++pin;
    --nin;
    *pout++ = '?';
    --nout;
  }
  out.resize(pout - out.data());
  iconv_close(cd);
  return out;
}

const char* DosName() { return g_dos_page == tdoscodepage::mik ? "MIK" : "CP866"; }

}  // namespace

void SetDosCodePage(tdoscodepage page) { g_dos_page = page; }

tdoscodepage DosCodePage() { return g_dos_page; }

tdoscodepage DosCodePageFromSetting(std::string_view value) {
  std::string v(value);
  for (char& c : v) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  while (!v.empty() && v.back() == ' ') v.pop_back();
  while (!v.empty() && v.front() == ' ') v.erase(0, 1);
  return v == "MIK" ? tdoscodepage::mik : tdoscodepage::cp866;
}

std::string OemToWindows(std::string_view text) {
  return Map(text, g_dos_page == tdoscodepage::mik ? Tables().mik_to_win : Tables().cp866_to_win);
}

std::string WindowsToOem(std::string_view text) {
  return Map(text, g_dos_page == tdoscodepage::mik ? Tables().win_to_mik : Tables().win_to_cp866);
}

std::string MikToWindows(std::string_view text) { return Map(text, Tables().mik_to_win); }

std::string WindowsToMik(std::string_view text) { return Map(text, Tables().win_to_mik); }

int CompareTextOem(std::string_view a, std::string_view b) {
  return CompareTextWin(OemToWindows(a), OemToWindows(b));
}

std::string WindowsToUtf8(std::string_view text) { return Convert(text, "CP1251", "UTF-8"); }

std::string Utf8ToWindows(std::string_view text) {
  return Convert(text, "UTF-8", "CP1251//TRANSLIT");
}

std::string OemToUtf8(std::string_view text) { return Convert(text, DosName(), "UTF-8"); }

std::string Utf8ToOem(std::string_view text) {
  return Convert(text, "UTF-8", g_dos_page == tdoscodepage::mik ? "MIK//TRANSLIT" : "CP866//TRANSLIT");
}

}  // namespace dornavik
