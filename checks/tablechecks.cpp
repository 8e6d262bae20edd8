#include "checks/tablechecks.h"

#include <cmath>
#include <limits>

#include "base/text.h"
#include "tables/zemschemas.h"

namespace dornavik {

namespace {

using enum tcheckkind;

constexpr tfieldrule R(int nom, int max) { return {nom, false, range, 0, double(max), false}; }
constexpr tfieldrule Req(int nom, int max) { return {nom, true, range, 0, double(max), false}; }
constexpr tfieldrule Real(int nom, double max) { return {nom, false, realrange, 0, max, true}; }

constexpr tfieldrule kPodotdeli[] = {Req(5, 9), Req(6, 7), Req(7, 102), R(8, 5), Req(9, 149),
                                     Real(15, 32000)};

constexpr tfieldrule kPodotdeli1[] = {
    {6, true, none, 0, 0, false},
    R(7, 2),
    {9, true, ownership, 0, 11, false},
    R(10, 96), R(11, 16), R(12, 10),
    {13, false, realrange, 0, 3000, false},  // NADMVIS: read as an integer
    R(14, 9), R(15, 10), R(16, 155), R(17, 100), R(18, 2), R(19, 3), R(20, 100), R(22, 30),
    R(23, 4), R(24, 5), R(25, 3), R(26, 9), R(27, 7), R(28, 6), R(29, 5), R(31, 5), R(33, 69),
    R(34, 7), R(35, 100), R(36, 100), R(37, 2100),
    R(38, 85), R(39, 85), R(40, 85), R(41, 85), R(42, 85), R(43, 85), R(44, 85), R(45, 85), R(46, 85),
    R(55, 4), Req(56, 149),
    R(57, 149), R(58, 149), R(59, 149), R(60, 149), R(61, 149), R(62, 149)};

constexpr tfieldrule kWoodtype[] = {R(5, 276),      R(6, 6),         R(7, 100),      R(8, 5),
                                    R(9, 1000),     R(10, 1000),     Real(11, 200),  R(12, 100),
                                    R(13, 1000),    Real(14, 10000), Real(15, 1000), R(16, 7),
                                    Real(17, 10000), Real(18, 10000), Real(19, 10000)};

// AREA's upper bound is the sub-compartment's documented area (given at the check).
constexpr tfieldrule kComposite[] = {R(5, 276), R(6, 100), R(7, 100), Real(8, 0)};

bool IsCyrillicNumberChar(unsigned char c) {
  return c == ' ' || c == '*' || (c >= '0' && c <= '9') || c >= 192;
}

int IntParameter(double v) {
  if (!(v > std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  if (!(v < std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  return static_cast<int>(v);
}

}  // namespace

void trowcontext::Add(int code, int nom, int ipara, double rpara) const {
  terrrec f;
  f.code = code;
  f.table = table;
  f.line = line;
  f.otdel = otdel;
  f.pod = pod;
  f.nom = nom;
  f.ipara = ipara;
  f.rpara = rpara;
  findings(f);
}

std::span<const tfieldrule> FieldRules(int table) {
  switch (table) {
    case kZemPodotdeli: return kPodotdeli;
    case kZemPodotdeli1: return kPodotdeli1;
    case kZemWoodtype: return kWoodtype;
    case kZemComposite: return kComposite;
    default: return {};
  }
}

double CheckField(const trowcontext& row, const tfieldrule& rule, double value) {
  return CheckField(row, rule, value, rule.max);
}

double CheckField(const trowcontext& row, const tfieldrule& rule, double value, double max) {
  if (rule.required && value == 0 && !row.starred) row.Add(221, rule.nom);
  switch (rule.kind) {
    case none:
      break;
    case range:
      if (value < rule.min || value > max) {
        row.Add(210, rule.nom, IntParameter(value));
        return 0;
      }
      break;
    case ownership:
      if (value < 0 || value > 255 || (value > max && value != 99)) {
        row.Add(210, rule.nom, IntParameter(value));
        return 0;
      }
      break;
    case realrange:
      if (value < rule.min || value > max) {
        row.Add(213, rule.nom, 0, value);
        return 0;
      }
      break;
  }
  return value;
}

bool CheckCyrillicNumber(const trowcontext& row, const std::string& number) {
  for (char c : number) {
    if (!IsCyrillicNumberChar(static_cast<unsigned char>(c))) {
      row.Add(223, 3);
      return false;
    }
  }
  return true;
}

bool CheckRowKeys(const trowcontext& row, const std::string& dl) {
  if (TrimBoth(dl).empty()) row.Add(207);
  bool missing = false;
  if (TrimBoth(row.otdel).empty()) {
    row.Add(208);
    missing = true;
  }
  if (TrimBoth(row.pod).empty()) {
    row.Add(209);
    missing = true;
  }
  return missing;
}

void CheckSectionRow(const trowcontext& row, int cod, const std::string& dl) {
  if (cod == 0) row.Add(224, 0, 0);
  if (cod < 0) row.Add(225, 0, cod);
  if (TrimBoth(dl).empty()) row.Add(214, 0, cod);
}

}  // namespace dornavik
