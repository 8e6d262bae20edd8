// The maps from the type codes of the ZEM exchange format to the nomenclature's
// line, sign and text types, built from the ZEM codes of the entries.
#pragma once

#include <array>
#include <cstdint>

#include "symbology/styles.h"

namespace dornavik {

// The types used for a code that is not valid.
constexpr int kDefaultLineType = 70;
constexpr int kDefaultSignType = 2;
constexpr int kDefaultTextType = 2;
// Sub-compartment boundaries: always line type 70, whatever the nomenclature says.
constexpr int kBoundaryLineCode = 146;

struct tzemcodemaps {
  static constexpr int kLineCodes = 550;
  static constexpr int kSignCodes = 600;
  static constexpr int kTextCodes = 550;

  // Index = code; -1 = no type has that code.
  std::array<int16_t, kLineCodes + 1> line;
  std::array<int16_t, kSignCodes + 1> sign;
  std::array<int16_t, kTextCodes + 1> text;

  // The type of a valid code, or -1 when the code is outside its range or no
  // type has it.
  int LineType(int code) const { return Lookup(line, code); }
  int SignType(int code) const { return Lookup(sign, code); }
  int TextType(int code) const { return Lookup(text, code); }

 private:
  template <size_t N>
  static int Lookup(const std::array<int16_t, N>& map, int code) {
    return code >= 1 && code < static_cast<int>(N) ? map[code] : -1;
  }
};

// For every code the lowest-numbered type with it; text types are searched from
// type 1, since type 0 texts carry their own style.
tzemcodemaps BuildZemCodeMaps(const tnomenclature& n);

}  // namespace dornavik
