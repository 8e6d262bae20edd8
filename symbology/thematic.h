// Thematic maps: each colours the sub-compartment contours by one attribute of
// the sub-compartment. The definitions are the last section of the nomenclature
// file; whether a map is shown is kept in the settings section "maps".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dornavik {

class tinifile;

enum tfill : int32_t { ftHatch = 0, ftCrossHatch = 1, ftFill = 2 };

// One class; a default-constructed class is the white placeholder that fills
// gaps in the numbering.
struct tthemclass {
  std::string name;  // cp1251
  int32_t color = 0xFFFFFF;
  int32_t pen = 1;
  int32_t plotter_color = 0;
  int32_t zem_code = 0;
  float thickness = 0.1f;
  float thickness_m = 0;
  int32_t fill = ftHatch;
  float percent = 0;
  float slant = 0;
  int32_t min = 0, max = 0;  // grouped maps: the closed range of values covered
};

// Kinds 1..10 and 20..29 have classifiers; 10 and 29 (and the unused 11..19)
// have the grouped layout.
bool IsGroupedKind(int kind);
bool IsKnownKind(int kind);
// The key of a kind's rows in the table "names" ("vg" for kind 1...); empty
// for kinds that have none.
std::string TypeNameOfKind(int kind);

struct tthemmap {
  std::string name;  // cp1251; see SetName
  bool enabled = false;
  int kind = 0;
  std::vector<tthemclass> classes;              // simple maps: index = class number
  std::vector<std::vector<tthemclass>> groups;  // grouped maps: index = group number
  std::string type_name;
  std::string column;                         // kind 28: column of the "po" table
  std::string group_column, value_column;     // kind 29

  bool Grouped() const { return IsGroupedKind(kind); }
  // Leading blanks are dropped.
  void SetName(std::string_view text);
  // Class c when 1 <= c < classes.size(), else null (class 0 draws nothing).
  const tthemclass* ClassOf(int c) const;
  // The last entry of group g whose range holds v, or null.
  const tthemclass* EntryOf(int g, int v) const;
  // Grows the classes with placeholders until index c exists.
  tthemclass& ClassAt(int c);
};

// The list of all maps of the run, ordered by kind; a map goes before the maps
// of its kind that were added earlier.
class tthemmaplist {
 public:
  tthemmap& Insert(tthemmap map);
  void Clear() { maps_.clear(); }
  size_t size() const { return maps_.size(); }
  bool empty() const { return maps_.empty(); }
  tthemmap& operator[](size_t i) { return maps_[i]; }
  const tthemmap& operator[](size_t i) const { return maps_[i]; }
  auto begin() { return maps_.begin(); }
  auto end() { return maps_.end(); }
  auto begin() const { return maps_.begin(); }
  auto end() const { return maps_.end(); }

 private:
  std::vector<tthemmap> maps_;
};

// The settings key of a kind's on/off state ("map%d").
std::string ThematicStateKey(int kind);
// Section "maps" of the settings: every map's enabled flag from its key, the
// current flag being the default.
void LoadThematicStates(tthemmaplist& maps, const tinifile& settings);
// "count" and every map's key, in list order (so of two maps of one kind the
// later one's state is the one kept).
void SaveThematicStates(const tthemmaplist& maps, tinifile& settings);

// One row of the table "names": the class and map names of old nomenclature files.
struct tthemname {
  std::string type;   // a type name
  int code = 0;       // class number; 0 names the map itself
  std::string print;  // cp1251
};
// Names the classes and the map from the rows whose trimmed type equals the map's
// trimmed type name; nothing when the map has no type name.
void ApplyThematicNames(tthemmap& map, const std::vector<tthemname>& rows);

// The largest class or group number a file may use; larger numbers are refused
// so that a garbled row cannot make millions of placeholders.
constexpr int kMaxThemClass = 32767;

}  // namespace dornavik
