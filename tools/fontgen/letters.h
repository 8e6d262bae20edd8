// The text fonts: Latin letters, digits and punctuation at their ASCII codes and
// Cyrillic letters at their codes in CP866 (the small letters from р on also at
// their MIK codes, which CP866 gives to box-drawing characters no map text holds).
#pragma once

#include <string>

#include "symbology/fontwriter.h"

namespace fontgen {

struct ttextstyle {
  std::string file_name;    // "fon1.chr"
  std::string name;         // four characters for the header
  std::string description;  // the header's text
  std::string latin;        // the Hershey font of the Latin letters, digits and punctuation
  bool complex_cyrillic;    // Hershey's complex Cyrillic, else letters composed in simplex
  double slant;             // italic shear: x advances this much per unit of height
};

// Font units per Hershey unit: capitals are 42 units tall.
constexpr int kScale = 2;
constexpr int kCapital = 21 * kScale;

dornavik::tfontimage TextFontImage(const ttextstyle& style, const std::string& hershey_folder);

}  // namespace fontgen
