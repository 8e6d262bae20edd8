// The origin of a map sheet from its nomenclature ("K-5-35-B-a-1"), for map
// files that do not name their sheet.
#pragma once

#include <string_view>

namespace dornavik {

struct tsheetorigin {
  double x0 = 0, y0 = 0;
  int sheet = 0;  // the zone's sheet index, 0..4
};

// Reads the zone at position 3, row and column at 5 and 6, and the quarters
// at 8, 10 and 12 (MIK or Latin letters).
tsheetorigin SheetOrigin(std::string_view nomenclature);

}  // namespace dornavik
