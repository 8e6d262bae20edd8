// What the map file's reader and writer share: the fixed keys of the
// PARAMETERS block (MIK bytes whatever the DOS code page), the version the
// writer produces, and the number texts of the format.
#pragma once

#include <string>
#include <string_view>

namespace dornavik {

constexpr std::string_view kMapVersion = "V5.59";
constexpr std::string_view kMapSignature = "RUREDIRID ";

struct tmapkeys {
  std::string scale;     // "МАЩАБ"
  std::string sheet;     // "КартенЛист"
  std::string forestry;  // "Горско.стопанство"
  std::string zem_file;  // "ZEM файл"
  std::string zem_firm;  // "ZEM фирма"
  std::string zem_date;  // "ZEM дата"
  std::string zem_program;  // "ZEM програма"
};
const tmapkeys& MapKeys();

// x with d decimals and no padding ("R2" is Fixed(x, 2)); appended to out.
void AppendFixed(std::string& out, double x, int d);
std::string Fixed(double x, int d);
// Fixed(x, d) right-aligned in at least w characters.
std::string FixedWidth(double x, int w, int d);

constexpr double kDegrees = 57.29577951308232;  // degrees per radian

}  // namespace dornavik
