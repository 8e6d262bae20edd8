// Reading the nomenclature file. Version V3.00 holds every value; the old
// versions V1.00 and V2.xx hold palette numbers for colours and OEM names, and
// take thicknesses and plotter colours from the pen table.
#include <cmath>
#include <numbers>
#include <optional>

#include "base/codepage.h"
#include "base/errors.h"
#include "base/files.h"
#include "base/text.h"
#include "symbology/nomenclature.h"
#include "symbology/nomscanner.h"

namespace dornavik {

namespace {

constexpr float kRadiansPerDegree = std::numbers::pi_v<float> / 180;

struct tversion {
  std::string text = "V1.00";
  bool v2 = false;
  bool v201 = false;
  bool New() const { return text >= "V3.00"; }
};

tversion VersionOf(const std::string& first_line) {
  tversion v;
  size_t at = first_line.find('V');
  if (at != std::string::npos) v.text = first_line.substr(at, 5);
  v.v2 = first_line.find("V2.") != std::string::npos;
  v.v201 = first_line.find("V2.01") != std::string::npos;
  return v;
}

// Reads the rows of one section: each row begins with its index; -1 ends the
// section (the rest of its line is the next section's title), and rows whose
// index lies outside first..last are passed over. The end of the file ends the
// section too when at_end_ok, else it is a truncated file.
template <class F>
void ReadSection(tnomscanner& in, int first, int last, bool at_end_ok, F row) {
  for (;;) {
    long long index = 0;
    if (!in.NextInt(index)) {
      if (at_end_ok) return;
      in.Bad();
    }
    if (index == -1) {
      in.SkipLine();
      return;
    }
    if (index < first || index > last) {
      in.SkipLine();
      continue;
    }
    row(static_cast<int>(index));
  }
}

void SetPenCode(tnomline& line, long long code) {
  line.pen = static_cast<int32_t>(code % 1000);
  line.second_pen = code >= 1000 ? static_cast<int32_t>(code / 1000) : line.pen;
}

void CopyToStyle(tnomtext& t) {
  t.style.color = t.color;
  t.style.flag = static_cast<uint8_t>(t.pen & 0xFF);
}

// The header of a thematic map: kind 28 names its column first, kind 29 its
// group and value columns.
void SetMapHeader(tthemmap& map, std::string text) {
  auto column = [&text] { return SplitAt(text, ' ').substr(0, 10); };
  if (map.kind == 28) {
    map.column = column();
    map.SetName(text);
    if (map.name.empty()) map.name = map.column;
  } else if (map.kind == 29) {
    map.group_column = column();
    map.value_column = column();
    map.SetName(text);
    if (map.name.empty()) map.name = map.group_column + " " + map.value_column;
  } else {
    map.SetName(text);
  }
}

// Passes over a map whose kind has no classifier, with its rows.
void SkipMap(tnomscanner& in) {
  in.SkipLine();
  long long n = 0;
  while (in.NextInt(n)) {
    in.SkipLine();
    if (n <= 0) return;
  }
}

struct tmaprowreader {
  bool old;  // old files have no plotter colour and thickness, and OEM names

  std::string Name(tnomscanner& in) const {
    std::string rest = in.RestOfLine();
    return TrimLeading(old ? OemToWindows(rest) : rest);
  }

  // The fields after the number (and range) of a class row.
  tthemclass Class(tnomscanner& in) const {
    tthemclass c;
    c.color = PaletteColor(in.Int32());
    if (!old) in.Int32();  // plotter colour, not kept
    c.pen = in.Int32();
    c.fill = in.Int32();
    c.percent = in.Real();
    c.slant = in.Real();
    if (!old) in.Real();  // thickness, not kept
    c.name = Name(in);
    return c;
  }

  void SimpleRows(tnomscanner& in, tthemmap& map) const {
    long long n = 0;
    // A 0 that ends its line ends the map; a missing end ends it at the end of the file.
    while (in.NextInt(n)) {
      if (n <= 0 && in.AtLineEnd()) {
        in.SkipLine();
        return;
      }
      if (n < 0 || n > kMaxThemClass) in.Bad();
      tthemclass c = Class(in);
      map.ClassAt(static_cast<int>(n)) = std::move(c);
    }
  }

  void GroupedRows(tnomscanner& in, tthemmap& map) const {
    long long g = 0;
    while (in.NextInt(g)) {
      if (g <= 0) {
        in.SkipLine();
        return;
      }
      if (g > kMaxThemClass) in.Bad();
      int32_t min = in.Int32();
      int32_t max = in.Int32();
      tthemclass c = Class(in);
      c.min = min;
      c.max = max;
      if (map.groups.size() <= static_cast<size_t>(g)) map.groups.resize(g + 1);
      map.groups[g].push_back(std::move(c));
    }
  }
};

class tnomreader {
 public:
  tnomreader(tnomscanner& in, tnomenclature& n, const tversion& version,
             const tthemnamesource& names)
      : in_(in), n_(n), version_(version), names_(names) {}

  void ReadNew() {
    SkipHeader();
    ReadSection(in_, 0, kLineTypes - 1, true, [this](int i) {
      tnomline l = n_.lines[i];
      l.color = in_.Int32();
      l.plotter_color = in_.Int32();
      SetPenCode(l, in_.Int(0));
      l.kind = in_.Byte();
      l.area = in_.Int() != 0;
      l.stroke = in_.Real();
      l.interval = in_.Real();
      l.distance = in_.Real();
      l.points = in_.Int32();
      l.cross = in_.Int32();
      l.second_thickness = in_.Real();
      l.thickness = in_.Real();
      l.zem_code = in_.Int32();
      l.name = NewName(i);
      n_.lines[i] = std::move(l);
    });
    ReadSection(in_, 0, kTextTypes - 1, true, [this](int i) {
      tnomtext t = n_.texts[i];
      t.color = in_.Int32();
      t.plotter_color = in_.Int32();
      t.pen = in_.Int32();
      t.style.height_mm = in_.Real();
      t.style.width_mm = in_.Real();
      t.style.slant = in_.Real() * kRadiansPerDegree;
      t.style.rotation = in_.Real() * kRadiansPerDegree;
      t.style.font = in_.Byte();
      t.thickness = in_.Real();
      t.zem_code = in_.Int32();
      t.name = NewName(i);
      CopyToStyle(t);
      n_.texts[i] = std::move(t);
    });
    ReadSection(in_, 0, kSignTypes - 1, true, [this](int i) {
      tnomsign s = n_.signs[i];
      s.color = in_.Int32();
      s.plotter_color = in_.Int32();
      s.pen = in_.Int32();
      s.font = in_.Int32();
      in_.Char();  // the blank before the symbol
      s.symbol = in_.Char();
      s.size = in_.Real();
      s.thickness = in_.Real();
      s.zem_code = in_.Int32();
      s.name = NewName(i);
      n_.signs[i] = std::move(s);
    });
    ReadSection(in_, 0, kDrobTypes - 1, true, [this](int i) {
      tnomdrob d = n_.drobs[i];
      d.color = in_.Int32();
      d.plotter_color = in_.Int32();
      d.pen = in_.Int32();
      d.kind = in_.Byte();
      d.numerator = in_.Byte();
      d.denominator = in_.Byte();
      d.line = in_.Byte();
      d.thickness = in_.Real();
      d.zem_code = in_.Int32();
      d.name = NewName(i);
      n_.drobs[i] = std::move(d);
    });
    ReadSection(in_, 1, kFillTypes - 1, true, [this](int i) {
      tnomfill f = n_.fills[i];
      f.color = in_.Int32();
      f.plotter_color = in_.Int32();
      f.pen = in_.Int32();
      f.kind = in_.Int32();
      f.percent = in_.Real();
      f.slant = in_.Real();
      f.thickness = in_.Real();
      f.zem_code = in_.Int32();
      f.name = NewName(i);
      n_.fills[i] = std::move(f);
    });
    ReadPens(true);
    // Loading again replaces the maps rather than adding a second copy of each.
    n_.thematic.Clear();
    long long kind = 0;
    while (in_.NextInt(kind)) {
      if (kind > 0) ReadMap(static_cast<int>(kind), tmaprowreader{false});
    }
  }

  void ReadOld() {
    SkipHeader();
    ReadOldLines();
    ReadSection(in_, 0, kTextTypes - 1, false, [this](int i) {
      tnomtext t = n_.texts[i];
      t.color = in_.Int32();
      t.pen = in_.Int32();
      t.style.height_mm = in_.Real();
      t.style.width_mm = in_.Real();
      t.style.slant = in_.Real();
      t.style.rotation = in_.Real();
      t.style.font = in_.Byte();
      if (version_.v2) t.pen = in_.Int32();
      if (version_.v201) t.zem_code = in_.Int32();
      t.name = IntText(i, 2) + OldRest().substr(0, 40);
      n_.texts[i] = std::move(t);
    });
    ReadSection(in_, 0, kSignTypes - 1, false, [this](int i) {
      tnomsign s = n_.signs[i];
      s.color = in_.Int32();
      s.pen = in_.Int32();
      s.font = in_.Int32();
      in_.Char();
      s.symbol = in_.Char();
      s.size = in_.Real();
      if (version_.v2) s.pen = in_.Int32();
      if (version_.v201) s.zem_code = in_.Int32();
      s.name = (IntText(i, 3) + OldRest()).substr(0, 40);
      n_.signs[i] = std::move(s);
    });
    ReadSection(in_, 0, kDrobTypes - 1, false, [this](int i) {
      tnomdrob d = n_.drobs[i];
      d.color = in_.Int32();
      d.pen = in_.Int32();
      d.kind = in_.Byte();
      d.numerator = in_.Byte();
      d.denominator = in_.Byte();
      d.line = in_.Byte();
      if (version_.v2) d.pen = in_.Int32();
      d.name = IntText(i, 3) + OldRest().substr(0, 40);
      n_.drobs[i] = std::move(d);
    });
    ReadPens(false);
    ReadSection(in_, 1, kFillTypes - 1, false, [this](int i) {
      tnomfill f = n_.fills[i];
      f.color = in_.Int32();
      f.pen = in_.Int32();
      f.kind = in_.Int32();
      f.percent = in_.Real();
      f.slant = in_.Real();
      in_.SkipLine();
      n_.fills[i] = std::move(f);
    });
    n_.thematic.Clear();
    long long kind = 0;
    while (in_.NextInt(kind) && kind >= 1) ReadMap(static_cast<int>(kind), tmaprowreader{true});
  }

 private:
  void SkipHeader() {
    for (int i = 0; i < 5; ++i) in_.SkipLine();
  }

  std::string NewName(int index) { return EntryName(index, TrimLeading(in_.RestOfLine())); }
  std::string OldRest() { return OemToWindows(in_.RestOfLine()); }

  // Each entry is a name line and a number line; index 200 ends the section,
  // whose title is on the line after it.
  void ReadOldLines() {
    for (;;) {
      if (in_.AtEnd()) in_.Bad();
      std::string name = OldRest();
      int i = static_cast<int>(in_.Int());
      if (i == kLineTypes) {
        in_.SkipLine();
        in_.SkipLine();
        return;
      }
      if (i < 0 || i >= kLineTypes) {
        in_.SkipLine();
        continue;
      }
      tnomline l = n_.lines[i];
      l.color = in_.Int32();
      l.kind = in_.Byte();
      l.area = in_.Int() != 0;
      l.stroke = in_.Real();
      l.interval = in_.Real();
      if (l.kind == 0 || l.kind >= 12) {
        l.distance = in_.Real();
        l.points = in_.Int32();
        l.extra = in_.Real();
        l.cross = static_cast<int32_t>(std::lround(l.extra));
      } else if (l.kind == 5) {
        l.points = in_.Int32();
        in_.Int32();
        l.cross = in_.Int32();
      } else {
        l.distance = in_.Real();
        l.points = in_.Int32();
        l.cross = in_.Int32();
      }
      if (version_.v2) SetPenCode(l, in_.Int(0));
      if (version_.v201) l.zem_code = in_.Int32();
      in_.SkipLine();
      l.name = IntText(i, 3) + " " + name.substr(0, 42);
      n_.lines[i] = std::move(l);
    }
  }

  void ReadPens(bool at_end_ok) {
    ReadSection(in_, 1, kPens - 1, at_end_ok, [this](int i) {
      tnompen p;
      p.width = in_.Real();
      p.red = in_.Byte();
      p.green = in_.Byte();
      p.blue = in_.Byte();
      in_.SkipLine();
      n_.pens[i] = p;
    });
  }

  void ReadMap(int kind, const tmaprowreader& rows) {
    if (!IsKnownKind(kind)) {
      SkipMap(in_);
      return;
    }
    tthemmap map;
    map.kind = kind;
    map.type_name = TypeNameOfKind(kind);
    std::string header = in_.RestOfLine();
    SetMapHeader(map, rows.old ? TrimBoth(OemToWindows(header)) : TrimLeading(header));
    map.enabled = !rows.old && kind == 1;
    // A map whose rows break off is kept with the rows read before.
    struct tinsert {
      tthemmaplist& list;
      tthemmap& map;
      ~tinsert() { list.Insert(std::move(map)); }
    } insert{n_.thematic, map};
    if (map.Grouped()) {
      rows.GroupedRows(in_, map);
    } else {
      rows.SimpleRows(in_, map);
    }
    if (rows.old && kind != 7 && kind != 8 && !map.type_name.empty()) {
      if (!names_rows_) names_rows_ = names_();
      ApplyThematicNames(map, *names_rows_);
    }
  }

  tnomscanner& in_;
  tnomenclature& n_;
  tversion version_;
  const tthemnamesource& names_;
  std::optional<std::vector<tthemname>> names_rows_;
};

// What old files do not store: thicknesses and plotter colours come from the
// pens, colours are palette numbers.
void DeriveFromPens(tnomenclature& n) {
  const tnompen none;
  auto pen = [&n, &none](int32_t p) -> const tnompen& {
    return p >= 0 && p < kPens ? n.pens[p] : none;
  };
  auto derive = [&pen](tnomentry& e) {
    const tnompen& p = pen(e.pen);
    e.thickness = p.width;
    e.plotter_color = Rgb(p.red, p.green, p.blue);
    e.color = PaletteColor(e.color);
  };
  for (tnomline& l : n.lines) {
    derive(l);
    l.second_thickness = pen(l.second_pen).width;
  }
  for (tnomtext& t : n.texts) {
    derive(t);
    CopyToStyle(t);
  }
  for (tnomsign& s : n.signs) derive(s);
  for (tnomdrob& d : n.drobs) derive(d);
  for (tnomfill& f : n.fills) derive(f);
}

std::string ReadErrorText(const std::string& path, long line) {
  return Utf8ToWindows("Грешка в номенклатурата ") + path + Utf8ToWindows(", ред ") +
         std::to_string(line);
}

}  // namespace

std::string DefaultNomenclatureFile() { return FindFileNoCase(ProgramFolder(), "kora.nom"); }

bool LoadNomenclature(const std::string& file_name, thost& host, const tthemnamesource& names) {
  std::string path = ResolveNoCase(file_name);
  if (!FileFound(path)) path = FindFileNoCase(ProgramFolder(), file_name);
  bool named = true;
  ttextreader file;
  if (!file.Open(path)) {
    named = false;
    path = DefaultNomenclatureFile();
    if (!file.Open(path)) return false;
  }
  std::string first;
  file.ReadLine(first);
  file.Close();
  const tversion version = VersionOf(first);
  if (!file.Open(path)) return false;

  tnomenclature& n = Nomenclature();
  tnomscanner in(file);
  tnomreader reader(in, n, version, names);
  try {
    if (version.New()) {
      reader.ReadNew();
    } else {
      // Whatever was read is completed from the pens, also when a bad value
      // ended the reading.
      struct tderive {
        tnomenclature& n;
        ~tderive() { DeriveFromPens(n); }
      } derive{n};
      reader.ReadOld();
    }
  } catch (const tbadnomvalue& bad) {
    host.ShowMessage(ReadErrorText(path, bad.Line()));
  } catch (const terror& error) {
    host.ShowMessage(ReadErrorText(path, in.LineNumber()) + ": " + error.what());
  }
  SetNomenclatureScale(CurrentScale());
  return named;
}

}  // namespace dornavik
