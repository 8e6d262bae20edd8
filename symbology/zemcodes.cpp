#include "symbology/zemcodes.h"

namespace dornavik {

namespace {

template <size_t N, class T>
void Fill(std::array<int16_t, N>& map, const std::vector<T>& entries, size_t first) {
  map.fill(-1);
  for (size_t i = entries.size(); i-- > first;) {
    const int code = entries[i].zem_code;
    if (code >= 1 && code < static_cast<int>(N)) map[code] = static_cast<int16_t>(i);
  }
}

}  // namespace

tzemcodemaps BuildZemCodeMaps(const tnomenclature& n) {
  tzemcodemaps maps;
  Fill(maps.line, n.lines, 0);
  Fill(maps.sign, n.signs, 0);
  Fill(maps.text, n.texts, 1);
  maps.line[kBoundaryLineCode] = kDefaultLineType;
  return maps;
}

}  // namespace dornavik
