#include "symbology/thematic.h"

#include <algorithm>

#include "base/inifile.h"
#include "base/text.h"

namespace dornavik {

bool IsGroupedKind(int kind) { return (kind >= 10 && kind <= 19) || kind == 29; }

bool IsKnownKind(int kind) { return (kind >= 1 && kind <= 10) || (kind >= 20 && kind <= 29); }

std::string TypeNameOfKind(int kind) {
  switch (kind) {
    case 1: return "vg";
    case 3: return "vp";
    case 4: return "vs";
    case 9: return "tm";
    case 21: return "pt";
    case 22: return "os";
    case 24: return "nzn";
    default: return {};
  }
}

void tthemmap::SetName(std::string_view text) { name = TrimLeading(text); }

const tthemclass* tthemmap::ClassOf(int c) const {
  if (c < 1 || static_cast<size_t>(c) >= classes.size()) return nullptr;
  return &classes[c];
}

const tthemclass* tthemmap::EntryOf(int g, int v) const {
  if (g < 0 || static_cast<size_t>(g) >= groups.size()) return nullptr;
  const tthemclass* found = nullptr;
  for (const tthemclass& entry : groups[g]) {
    if (entry.min <= v && v <= entry.max) found = &entry;
  }
  return found;
}

tthemclass& tthemmap::ClassAt(int c) {
  if (classes.size() <= static_cast<size_t>(c)) classes.resize(c + 1);
  return classes[c];
}

tthemmap& tthemmaplist::Insert(tthemmap map) {
  auto at = std::find_if(maps_.begin(), maps_.end(),
                         [&map](const tthemmap& m) { return m.kind >= map.kind; });
  return *maps_.insert(at, std::move(map));
}

std::string ThematicStateKey(int kind) { return "map" + std::to_string(kind); }

namespace {
constexpr char kStateSection[] = "maps";
}

void LoadThematicStates(tthemmaplist& maps, const tinifile& settings) {
  for (tthemmap& map : maps) {
    map.enabled = settings.ReadBool(kStateSection, ThematicStateKey(map.kind), map.enabled);
  }
}

void SaveThematicStates(const tthemmaplist& maps, tinifile& settings) {
  settings.WriteInteger(kStateSection, "count", static_cast<long long>(maps.size()));
  for (const tthemmap& map : maps) {
    settings.WriteBool(kStateSection, ThematicStateKey(map.kind), map.enabled);
  }
}

void ApplyThematicNames(tthemmap& map, const std::vector<tthemname>& rows) {
  const std::string type = TrimBoth(map.type_name);
  if (type.empty()) return;
  for (const tthemname& row : rows) {
    if (TrimBoth(row.type) != type) continue;
    if (row.code > 0 && row.code <= kMaxThemClass) {
      map.ClassAt(row.code).name = row.print;
    } else if (row.code == 0 && TrimBoth(row.print) != "-") {
      map.SetName(row.print);
    }
  }
}

}  // namespace dornavik
