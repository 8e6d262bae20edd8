// Loading a map file of any version from V1.00 on.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <unordered_map>
#include <vector>

#include "base/files.h"
#include "base/ioresult.h"
#include "base/text.h"
#include "base/textfile.h"
#include "mapfile/mapfile.h"
#include "mapfile/mapformat.h"
#include "mapfile/mapscanner.h"
#include "mapfile/mapsections.h"
#include "mapfile/mapsheet.h"
#include "model/geometry.h"
#include "model/shared.h"
#include "symbology/styles.h"

namespace dornavik {

namespace {

using tlinelookup = std::unordered_map<int64_t, tline*>;

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == ' ') ++i;
    size_t start = i;
    while (i < text.size() && text[i] != ' ') ++i;
    if (i > start) words.emplace_back(text.substr(start, i - start));
  }
  return words;
}

long CountLines(const std::string& file_name) {
  FILE* f = std::fopen(file_name.c_str(), "rb");
  if (!f) return 0;
  std::vector<char> buffer(1 << 16);
  long lines = 0;
  char last = '\n';
  size_t n;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), f)) > 0) {
    lines += std::count(buffer.begin(), buffer.begin() + static_cast<long>(n), '\n');
    last = buffer[n - 1];
  }
  std::fclose(f);
  return lines + (last != '\n' ? 1 : 0);
}

// Line 1 gives the version; files before V5.51 hold the title on it.
bool ReadHeader(tmapload& load) {
  std::string first;
  if (!load.in.Line(first)) return false;
  first.resize(std::min<size_t>(first.size(), 80));
  size_t v = first.find('V');
  std::string title;
  if (v == std::string::npos) {
    load.version = "V1.00";
    title = first;
  } else {
    load.version = first.substr(v, 5);
    if (load.version < "V5.51") {
      title = first.substr(0, v > 0 ? v - 1 : 0);
    } else if (!load.in.Line(title)) {
      return false;
    }
  }
  load.map.header[0] = title.substr(0, 80);
  for (int i = 1; i < 4; ++i) {
    if (!load.in.Line(load.map.header[i])) return false;
    load.map.header[i].resize(std::min<size_t>(load.map.header[i].size(), 80));
  }
  return true;
}

struct tsheet {
  bool given = false;
  double x0 = 0, y0 = 0;
};

void ReadParameters(tmapload& load, tsheet& sheet, const std::string& file_name, thost& host,
                    const tprojecttablesopener& open) {
  const tmapkeys& k = MapKeys();
  tafile& map = load.map;
  std::string line;
  while (load.in.Line(line)) {
    line = TrimBoth(line);
    if (line == "ENDPARA") break;
    size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = line.substr(0, eq);
    const std::string value = TrimLeading(line.substr(eq + 1));
    const std::vector<std::string> words = Words(value);
    if (key == k.scale) {
      const double scale = value.size() > 2 ? TextReal(value.substr(2)) : 0;
      if (scale != CurrentScale()) map.RescaleTexts(static_cast<float>(scale));
    } else if (key == k.sheet) {
      for (int i = 0; i < kSheetCount && !words.empty(); ++i) {
        if (words[0] != TrimBoth(SheetName(i))) continue;
        map.sheet = MapShared().sheet = static_cast<uint8_t>(i);
        sheet = {true, words.size() > 1 ? TextReal(words[1]) : 0,
                 words.size() > 2 ? TextReal(words[2]) : 0};
      }
    } else if (key == k.forestry) {
      if (!words.empty()) map.SetForestry(words[0], file_name, open, host);
    } else if (key == k.zem_file) {
      map.zem_file = value;
    } else if (key == k.zem_firm) {
      map.zem_firm = value;
    } else if (key == k.zem_date) {
      map.zem_date = value;
    } else if (key == k.zem_program) {
      map.zem_program = value;
    }
  }
}

// The bounds line, the origin of the file's frame and the corners.
bool ReadFrame(tmapload& load, const tsheet& sheet) {
  tafile& map = load.map;
  tmapscanner& in = load.in;
  double b[4];
  for (double& v : b)
    if (!in.Real(v)) return false;
  in.EndLine();
  double x0 = sheet.x0, y0 = sheet.y0;
  if (!sheet.given) {
    const tsheetorigin o = SheetOrigin(map.header[3]);
    x0 = o.x0 - b[0];
    y0 = o.y0 - b[1];
    map.sheet = static_cast<uint8_t>(o.sheet);
  }
  tmapshared& shared = MapShared();
  if (shared.x0 != 0 || shared.y0 != 0) {
    load.dx = x0 - shared.x0;
    load.dy = y0 - shared.y0;
  } else {
    shared.x0 = x0;
    shared.y0 = y0;
  }
  map.bounds = {static_cast<float>(b[0] + load.dx), static_cast<float>(b[1] + load.dy),
                static_cast<float>(b[2] + load.dx), static_cast<float>(b[3] + load.dy)};
  if (!load.AtLeast("V3.01")) {
    const tbox& m = map.bounds;
    map.corner_x = {m.xmin, m.xmin, m.xmax, m.xmax};
    map.corner_y = {m.ymin, m.ymax, m.ymax, m.ymin};
    return true;
  }
  for (int i = 0; i < 4; ++i) {
    double x, y;
    if (!in.Real(x) || !in.Real(y)) return false;
    map.corner_x[i] = static_cast<float>(x + load.dx);
    map.corner_y[i] = static_cast<float>(y + load.dy);
  }
  in.EndLine();
  return true;
}

// " 12/3/100.00/200.00/1" and its shorter forms; rest starts with the blank.
std::unique_ptr<tlineref> StripReference(const std::string& rest, const tmapload& load) {
  auto r = std::make_unique<tlineref>();
  r->marker_x = 0;
  std::string text = rest.substr(1);
  if (text.find('/') == std::string::npos) {
    text = "*" + text;
    size_t blank = text.find(' ');
    r->otdel = text.substr(0, std::min<size_t>(blank, 10));
    if (blank != std::string::npos) r->pod = text.substr(blank + 1, 10);
    return r;
  }
  std::vector<std::string> f;
  size_t start = 0;
  for (size_t slash; (slash = text.find('/', start)) != std::string::npos; start = slash + 1)
    f.push_back(text.substr(start, slash - start));
  f.push_back(text.substr(start));
  r->otdel = f[0].substr(0, 10);
  r->pod = f[1].substr(0, 10);
  if (f.size() < 3) return r;
  const double mx = TextReal(f[2]), my = f.size() > 3 ? TextReal(f[3]) : 0;
  r->shown = f.size() > 4 ? TextInt(f[4]) == 1 : mx == -1;
  // -1 marks a marker not placed yet; shifting it would place it.
  const bool placed = mx != -1;
  r->marker_x = static_cast<float>(placed ? mx + load.dx : mx);
  r->marker_y = static_cast<float>(placed ? my + load.dy : my);
  return r;
}

// Reads one line's header and points; false at the terminator or when the
// file breaks. Lines are kept in file order per type until the section ends.
bool ReadLine(tmapload& load, std::array<std::vector<std::unique_ptr<tline>>, kLineTypes>& read,
              tlinelookup& lookup) {
  tmapscanner& in = load.in;
  float width;
  int32_t number, type, variant;
  if (!in.Float(width)) return false;
  if (width < 0) {
    in.EndLine();
    return false;
  }
  if (!in.Int(number) || !in.Int(type) || !in.Int(variant)) return false;
  std::unique_ptr<tline> line = load.map.NewLine();
  int32_t attribute = 1, hidden = 0;
  float offset = 0;
  if (load.AtLeast("V3.00") && !(in.Int(attribute) && in.Float(offset) && in.Int(hidden)))
    return false;
  if (!load.AtLeast("V2.10")) {
    attribute = 1;
    variant = 0;
  }
  line->attribute = attribute;
  line->pattern_offset = offset;
  line->hidden = hidden == 1;
  line->variant = static_cast<uint8_t>(variant);
  if (!in.LineEnds()) {
    std::string rest;
    in.Line(rest);
    line->strip = StripReference(rest, load);
  }
  line->number = static_cast<int32_t>(std::min<int64_t>(std::llabs(number), INT32_MAX));
  line->width = width;
  tpointstore& store = load.map.Points();
  double px = 0, py = 0;
  bool ended = false;
  for (int pairs = 0;;) {
    double x, y;
    if (!in.Real(x) || !in.Real(y)) break;
    if (x == -1 && y == -1) {
      in.EndLine();
      ended = true;
      break;
    }
    if (pairs == 0 || x != px || y != py) {
      int32_t record = store.AppendPoint(static_cast<float>(x + load.dx),
                                         static_cast<float>(y + load.dy));
      if (line->last < line->first) line->first = record;
      line->last = record;
    }
    px = x, py = y;
    if (++pairs % 5 == 0) in.EndLine();
  }
  line->Finish();
  if (type >= 0 && type < kLineTypes) {
    line->type = static_cast<uint8_t>(type);
    lookup.emplace(line->number, line.get());
    read[static_cast<size_t>(type)].push_back(std::move(line));
  }
  return ended;
}

void ReadLines(tmapload& load, tlinelookup& lookup) {
  std::array<std::vector<std::unique_ptr<tline>>, kLineTypes> read;
  while (ReadLine(load, read, lookup)) {
  }
  // Each type's lines follow those already in the map, in file order.
  for (int type = 0; type < kLineTypes; ++type) {
    auto& lines = read[static_cast<size_t>(type)];
    for (auto it = lines.rbegin(); it != lines.rend(); ++it) load.map.AddLine(*it, type);
  }
}

// " 12/3" or, without "/", " 12 3" read as "*12" and "3".
std::unique_ptr<tpodref> ParentReference(const std::string& rest) {
  auto p = std::make_unique<tpodref>();
  std::string text = rest.substr(1);
  char separator = '/';
  if (text.find('/') == std::string::npos) {
    text = "*" + text;
    separator = ' ';
  }
  size_t at = text.find(separator);
  p->otdel = text.substr(0, std::min<size_t>(at, 10));
  if (at != std::string::npos) p->pod = text.substr(at + 1, 10);
  return p;
}

// One contour after its number line; false when the file breaks.
bool ReadContour(tmapload& load, totdel& otdel, const std::string& number,
                 const tlinelookup& lookup) {
  tmapscanner& in = load.in;
  auto c = std::make_unique<tpodotdel>();
  c->number = number;
  c->otdel = otdel.number;
  float x, y;
  int32_t linear, show = 1;
  bool whole = in.Float(x) && in.Float(y) && in.Int(linear) &&
               (!load.AtLeast("V5.54") || in.Int(show));
  if (whole) {
    c->label_x = static_cast<float>(x + load.dx);
    c->label_y = static_cast<float>(y + load.dy);
    c->linear = linear == 1;
    c->show_area = show == 1;
    if (!in.LineEnds()) {
      std::string rest;
      in.Line(rest);
      c->parent = ParentReference(rest);
    }
    for (int count = 1;; ++count) {
      int32_t n;
      if (!in.Int(n)) {
        whole = false;
        break;
      }
      if (n == 0) break;
      auto it = lookup.find(std::llabs(static_cast<int64_t>(n)));
      if (it != lookup.end()) {
        c->sides.push_back(tside{it->second, static_cast<uint8_t>(n > 0)});
        it->second->AddOwner(c.get());
      }
      if (count % 10 == 0) in.EndLine();
    }
    in.EndLine();
  }
  c->closed = ComputeArea(*c);
  otdel.AddContour(std::move(c));
  ++otdel.count;
  return whole;
}

void ReadCompartments(tmapload& load, const tlinelookup& lookup) {
  tmapscanner& in = load.in;
  std::string number;
  while (in.Line(number)) {
    number.resize(std::min<size_t>(number.size(), 10));
    if (number == "$$$") return;
    totdel* otdel = load.map.FindCompartment(number);
    if (!otdel) otdel = load.map.NewCompartment(number);
    float x, y;
    if (!in.Float(x) || !in.Float(y)) return;
    otdel->label_x = static_cast<float>(x + load.dx);
    otdel->label_y = static_cast<float>(y + load.dy);
    in.EndLine();
    for (;;) {
      if (!in.Line(number)) return;
      number.resize(std::min<size_t>(number.size(), 10));
      if (number == "$$") break;
      if (!ReadContour(load, *otdel, number, lookup)) return;
    }
  }
}

// The type line of a text, sign or fraction section; false at its end.
bool ReadType(tmapscanner& in, int32_t& type) {
  if (!in.Int(type)) return false;
  in.EndLine();
  return type >= 0;
}

// A record's position; false at the (-1, -1) that ends its type.
bool ReadPosition(tmapscanner& in, double& x, double& y) {
  if (!in.Real(x) || !in.Real(y)) return false;
  if (x == -1 && y == -1) {
    in.EndLine();
    return false;
  }
  return true;
}

void ReadTexts(tmapload& load) {
  tmapscanner& in = load.in;
  for (int32_t type; ReadType(in, type);) {
    for (double x, y; ReadPosition(in, x, y);) {
      auto t = std::make_unique<texttype>();
      if (!ReadTextFields(load, *t, type)) return;
      in.EndLine();
      if (!in.Line(t->text)) return;
      t->x = static_cast<float>(x + load.dx);
      t->y = static_cast<float>(y + load.dy);
      load.map.AddText(t, type, TypeStyle(type));
    }
  }
}

void ReadSigns(tmapload& load) {
  tmapscanner& in = load.in;
  for (int32_t type; ReadType(in, type);) {
    for (double x, y; ReadPosition(in, x, y);) {
      auto g = std::make_unique<tsign>();
      if (load.AtLeast("V5.52") && !in.Float(g->angle)) return;
      if (!in.LineEnds() && !(in.Float(g->scale_x) && in.Float(g->scale_y))) return;
      in.EndLine();
      g->x = static_cast<float>(x + load.dx);
      g->y = static_cast<float>(y + load.dy);
      load.map.AddSign(g, type);
    }
  }
}

void ReadDrobs(tmapload& load) {
  tmapscanner& in = load.in;
  for (int32_t type; ReadType(in, type);) {
    for (double x, y; ReadPosition(in, x, y);) {
      auto d = std::make_unique<tdrob>();
      in.EndLine();
      if (!in.Line(d->numerator) || !in.Line(d->denominator)) return;
      d->x = static_cast<float>(x + load.dx);
      d->y = static_cast<float>(y + load.dy);
      load.map.AddDrob(d, type);
    }
  }
}

void ReadMap(tmapload& load, const std::string& file_name, thost& host,
             const tprojecttablesopener& open) {
  if (!ReadHeader(load)) return;
  tsheet sheet;
  if (load.AtLeast("V5.58")) ReadParameters(load, sheet, file_name, host, open);
  if (load.map.forestry.code == "  ")
    load.map.SetForestry(SplitFileName(file_name).name.substr(0, 2), file_name, open, host);
  if (!ReadFrame(load, sheet)) return;
  tlinelookup lookup;
  ReadLines(load, lookup);
  ReadCompartments(load, lookup);
  if (load.AtLeast("V5.00")) ReadTexts(load);
  if (load.AtLeast("V5.50")) ReadSigns(load);
  if (load.AtLeast("V5.53")) ReadDrobs(load);
  if (load.AtLeast("V5.57")) {
    ReadDefinitions(load);
    ReadBlock(load, load.map.blocks);
  }
}

}  // namespace

const ttextstyle* TypeStyle(int type) {
  return type > 0 && type < kTextTypes ? &Nomenclature().texts[static_cast<size_t>(type)].style
                                       : nullptr;
}

bool ReadTextFields(tmapload& load, texttype& text, int type) {
  tmapscanner& in = load.in;
  float degrees;
  int32_t justification = 0;
  if (!in.Float(degrees) || !in.Float(text.spacing)) return false;
  if (load.AtLeast("V5.56") && !in.Int(justification)) return false;
  text.angle = static_cast<float>(degrees / kDegrees);
  text.justification = static_cast<uint8_t>(justification >= 0 && justification <= 8 ? justification : 0);
  if (type != 0) return true;
  ttextstyle style;
  int32_t color, flag = 1, font = 1;
  float slant, rotation;
  if (!(in.Int(color) && in.Float(style.height_mm) && in.Float(style.width_mm) &&
        in.Float(slant) && in.Float(rotation)))
    return false;
  if (load.AtLeast("V5.55") && !(in.Int(flag) && in.Int(font))) return false;
  style.color = PaletteColor(color);
  style.slant = static_cast<float>(slant / kDegrees);
  style.rotation = static_cast<float>(rotation / kDegrees);
  style.flag = static_cast<uint8_t>(flag);
  style.font = static_cast<uint8_t>(font);
  style.SetScale(static_cast<float>(CurrentScale()));
  text.SetOwnStyle(style);
  return true;
}

bool LoadMap(tafile& map, const std::string& file_name, tprogress& progress, thost& host,
             const tprojecttablesopener& open_tables) {
  if (!FileFound(file_name)) return false;
  const long total = CountLines(file_name);
  ttextreader reader;
  if (!reader.Open(file_name)) {
    SetIoResult(0);
    return false;
  }
  map.alive = 0;
  for (int type = 0; type < kLineTypes; ++type)
    for (const auto& line : map.Lines(type)) line->number = -1;
  tmapscanner in(reader);
  progress.SetRange(0, 100);
  in.ShowProgress(&progress, total);
  tmapload load{map, in, {}};
  try {
    ReadMap(load, file_name, host, open_tables);
  } catch (const std::exception& e) {
    // The point store is full, or memory ran out: what was read stays.
    host.ShowMessage(e.what());
  }
  SetIoResult(0);
  map.file_name = file_name;
  if (!load.version.empty() && load.version <= "V5.57") ConvertOldPositions(map);
  progress.SetPosition(100);
  map.alive = 1;
  return true;
}

}  // namespace dornavik
