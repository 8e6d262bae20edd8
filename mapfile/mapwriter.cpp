// Saving a map in version V5.59.
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <unordered_map>

#include "base/codepage.h"
#include "base/files.h"
#include "base/ioresult.h"
#include "base/text.h"
#include "base/textfile.h"
#include "mapfile/mapfile.h"
#include "mapfile/mapformat.h"
#include "model/shared.h"
#include "symbology/styles.h"

namespace dornavik {

namespace {

using tlinenumbers = std::unordered_map<const tline*, int32_t>;

void AppendPoint(std::string& s, float x, float y) {
  AppendFixed(s, x, 2);
  s += ' ';
  AppendFixed(s, y, 2);
  s += ' ';
}

void WriteHead(const tafile& map, ttextwriter& out) {
  const tmapkeys& k = MapKeys();
  const tmapshared& shared = MapShared();
  out.WriteLine(std::string(kMapSignature) + std::string(kMapVersion) + " " + DateText());
  for (const std::string& h : map.header) out.WriteLine(h.substr(0, 80));
  out.WriteLine("PARAMETERS");
  out.WriteLine(k.scale + "=1:" + Fixed(CurrentScale(), 0));
  out.WriteLine(k.sheet + "=" + SheetName(shared.sheet) + " " + FixedWidth(shared.x0, 10, 2) + " " +
                FixedWidth(shared.y0, 10, 2));
  out.WriteLine(k.forestry + "=" + map.forestry.code);
  out.WriteLine(k.zem_file + "=" + map.zem_file);
  out.WriteLine(k.zem_firm + "=" + map.zem_firm);
  out.WriteLine(k.zem_date + "=" + map.zem_date);
  out.WriteLine(k.zem_program + "=" + map.zem_program);
  out.WriteLine("ENDPARA");
  const tbox& b = map.bounds;
  out.WriteLine(Fixed(b.xmin, 0) + " " + Fixed(b.ymin, 0) + " " + Fixed(b.xmax, 0) + " " +
                Fixed(b.ymax, 0));
  std::string corners;
  for (int i = 0; i < 4; ++i) AppendPoint(corners, map.corner_x[i], map.corner_y[i]);
  out.WriteLine(corners);
}

// Renumbers the lines 1..N in the order written and records the numbers.
void WriteLines(const tafile& map, ttextwriter& out, tlinenumbers& numbers) {
  int32_t n = 0;
  std::string s;
  for (int type = 0; type < kLineTypes; ++type) {
    for (const auto& line : map.Lines(type)) {
      line->number = ++n;
      numbers[line.get()] = n;
      s = FixedWidth(std::fabs(line->width), 5, 1) + " " + std::to_string(n) + " " +
          IntText(type, 3) + " " + std::to_string(line->variant) + " " +
          std::to_string(line->attribute) + " " + Fixed(line->pattern_offset, 2) +
          IntText(line->hidden, 2);
      if (const tlineref* r = line->strip.get())
        s += " " + r->otdel + "/" + r->pod + "/" + FixedWidth(r->marker_x, 2, 2) + "/" +
             FixedWidth(r->marker_y, 2, 2) + "/" + std::to_string(r->shown);
      out.WriteLine(s);
      s.clear();
      int count = 0;
      for (int32_t p = line->first; p <= line->last; ++p) {
        float x, y;
        line->ReadPoint(p, x, y);
        AppendPoint(s, x, y);
        if (++count % 5 == 0) {
          out.WriteLine(s);
          s.clear();
        }
      }
      out.WriteLine(s + "-1 -1");
      s.clear();
    }
  }
  out.WriteLine("-1 1 1 3 0");
}

void WriteContour(const tpodotdel& c, const tlinenumbers& numbers, ttextwriter& out,
                  tsavereport& report) {
  static const std::string missing = Utf8ToWindows("Липсва страна в ");
  out.WriteLine(c.number);
  std::string s = Fixed(c.label_x, 0) + " " + Fixed(c.label_y, 0) + " " + std::to_string(c.linear) +
                  " " + std::to_string(c.show_area);
  if (c.parent) s += " " + c.parent->otdel + "/" + c.parent->pod;
  out.WriteLine(s);
  s.clear();
  int count = 0;
  for (const tside& side : c.sides) {
    auto it = numbers.find(side.line);
    if (it == numbers.end()) {
      report.missing_sides.push_back(missing + c.number);
      continue;
    }
    s += std::to_string(side.direction ? it->second : -it->second);
    s += ' ';
    if (++count % 10 == 0) {
      out.WriteLine(s);
      s.clear();
    }
  }
  out.WriteLine(s + "0");
}

void WriteCompartments(const tafile& map, const tlinenumbers& numbers, ttextwriter& out,
                       tsavereport& report) {
  for (const auto& o : map.Compartments()) {
    out.WriteLine(o->number);
    out.WriteLine(Fixed(o->label_x, 0) + " " + Fixed(o->label_y, 0));
    for (const auto& c : o->Contours()) WriteContour(*c, numbers, out, report);
    out.WriteLine("$$");
  }
  out.WriteLine("$$$");
}

// x, y, angle, spacing, justification and for type 0 the text's own style.
std::string TextRecord(const texttype& t) {
  std::string s = Fixed(t.x, 2) + " " + Fixed(t.y, 2) + " " + Fixed(t.angle * kDegrees, 2) + " " +
                  Fixed(t.spacing, 3) + " " + std::to_string(t.justification);
  if (t.type == 0) {
    static const ttextstyle none;
    const ttextstyle& st = t.style ? *t.style : none;
    // The reader takes 0..15 for palette entries, where 0 is white: those
    // colours (black to the eye) are written as the palette's black.
    const int32_t color = st.color >= 0 && st.color <= 15 ? 15 : st.color;
    s += " " + std::to_string(color) + " " + Fixed(st.height_mm, 2) + " " +
         Fixed(st.width_mm, 2) + " " + Fixed(st.slant * kDegrees, 2) + " " +
         Fixed(st.rotation * kDegrees, 2) + " " + std::to_string(st.flag) + " " +
         std::to_string(st.font);
  }
  return s;
}

std::string TypeLine(int type, const std::string& name) { return IntText(type, 3) + " " + name; }

// The loader inserts each object at the head of its list, so writing every
// list from its tail keeps the order through a save and a load.
template <class T, class F>
void FromTail(const ttypelist<T>& list, F write) {
  for (auto it = list.rbegin(); it != list.rend(); ++it) write(**it);
}

void WriteTexts(const tafile& map, ttextwriter& out) {
  for (int type = 0; type < kTextTypes; ++type) {
    if (map.Texts(type).empty()) continue;
    out.WriteLine(TypeLine(type, Nomenclature().texts[type].name));
    FromTail(map.Texts(type), [&](const texttype& t) {
      out.WriteLine(TextRecord(t));
      out.WriteLine(t.text);
    });
    out.WriteLine("-1 -1 1 1 1 1 1 1 1 ");
  }
  out.WriteLine("-1");
}

std::string SignRecord(const tsign& g) {
  return Fixed(g.x, 2) + " " + Fixed(g.y, 2) + " " + Fixed(g.angle, 4);
}

void WriteSigns(const tafile& map, ttextwriter& out) {
  for (int type = 0; type < kSignTypes; ++type) {
    if (map.Signs(type).empty()) continue;
    out.WriteLine(TypeLine(type, Nomenclature().signs[type].name));
    FromTail(map.Signs(type), [&](const tsign& g) {
      std::string s = SignRecord(g);
      if (g.scale_x != 1 || g.scale_y != 1)
        s += " " + Fixed(g.scale_x, 3) + " " + Fixed(g.scale_y, 3);
      out.WriteLine(s);
    });
    out.WriteLine("-1 -1 ");
  }
  out.WriteLine("-1");
}

void WriteDrobs(const tafile& map, ttextwriter& out) {
  for (int type = 0; type < kDrobTypes; ++type) {
    if (map.Drobs(type).empty()) continue;
    out.WriteLine(TypeLine(type, Nomenclature().drobs[type].name));
    FromTail(map.Drobs(type), [&](const tdrob& d) {
      out.WriteLine(Fixed(d.x, 2) + " " + Fixed(d.y, 2));
      out.WriteLine(d.numerator);
      out.WriteLine(d.denominator);
    });
    out.WriteLine("-1 -1 ");
  }
  out.WriteLine("-1");
}

void WriteBlockLine(const tline& l, ttextwriter& out) {
  out.WriteLine("L " + IntText(l.type, 3) + " " + FixedWidth(l.width, 5, 1) + " " +
                std::to_string(l.number) + " " + std::to_string(l.variant) + " " +
                std::to_string(l.attribute) + " " + Fixed(l.pattern_offset, 2) +
                IntText(l.hidden, 2) + " " + std::to_string(l.PointCount()));
  std::string s;
  int count = 0;
  for (int32_t p = l.first; p <= l.last; ++p) {
    float x, y;
    l.ReadPoint(p, x, y);
    s += "  ";
    AppendFixed(s, x, 2);
    s += ' ';
    AppendFixed(s, y, 2);
    if (++count % 5 == 0) {
      out.WriteLine(s);
      s.clear();
    }
  }
  if (!s.empty()) out.WriteLine(s);
}

void WriteBlock(const tblock& block, ttextwriter& out) {
  out.WriteLine("0 BeginBlocks");
  for (const auto& item : block) {
    if (const auto* l = std::get_if<std::unique_ptr<tline>>(&item->element)) {
      WriteBlockLine(**l, out);
    } else if (const auto* t = std::get_if<std::unique_ptr<texttype>>(&item->element)) {
      out.WriteLine("T " + IntText((*t)->type, 3) + " " + TextRecord(**t) + " " +
                    QuoteText((*t)->text));
    } else if (const auto* g = std::get_if<std::unique_ptr<tsign>>(&item->element)) {
      out.WriteLine("Z " + IntText((*g)->type, 3) + " " + SignRecord(**g));
    } else if (const auto* i = std::get_if<std::unique_ptr<tinsert>>(&item->element)) {
      const tinsert& b = **i;
      out.WriteLine("B " + QuoteText(b.name) + " " + Fixed(b.x, 2) + " " + Fixed(b.y, 2) + " " +
                    Fixed(b.scale_x, 2) + " " + Fixed(b.scale_y, 2) + " " + Fixed(b.angle, 2) +
                    " " + std::to_string(b.count_x) + " " + std::to_string(b.count_y) + " " +
                    Fixed(b.spacing_x, 3) + " " + Fixed(b.spacing_y, 3));
    }
  }
  out.WriteLine("0 EndBlocks");
}

void WriteDefinitions(const tdefinitions& definitions, ttextwriter& out) {
  out.WriteLine("0 BeginDefs");
  for (const auto& d : definitions) {
    out.WriteLine("D " + QuoteText(d->name) + " " + Fixed(d->x1, 2) + " " + Fixed(d->y1, 2) + " " +
                  Fixed(d->x2, 2) + " " + Fixed(d->y2, 2));
    WriteBlock(d->block, out);
  }
  out.WriteLine("0 EndDefs");
}

// The file name with its extension replaced by ".BAK".
std::string BackupName(const std::string& file_name) {
  size_t slash = file_name.find_last_of("/\\");
  size_t dot = file_name.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
    dot = file_name.size();
  return file_name.substr(0, dot) + ".BAK";
}

// The previous map becomes the backup; it stays in place under its own name
// until the new file replaces it.
void MakeBackup(const std::string& file_name) {
  const std::string backup = BackupName(file_name);
  if (backup == file_name) return;
  DeleteIfFound(backup);
  std::error_code e;
  std::filesystem::create_hard_link(file_name, backup, e);
  if (e) std::filesystem::copy_file(file_name, backup, e);
}

// The new file is written whole beside the map before anything else is
// touched, then the backup is made and the new file renamed over the map.
bool Replace(ttextwriter& out, const std::string& file_name, std::string& failure) {
  const std::string temp = file_name + ".saving";
  if (!out.Commit(temp)) {
    failure = RuntimeErrorText(IoCodeFromErrno(errno, true));
    CheckIo();
    return false;
  }
  MakeBackup(file_name);
  if (std::rename(temp.c_str(), file_name.c_str()) != 0) {
    int code = IoCodeFromErrno(errno, true);
    failure = RuntimeErrorText(code);
    std::remove(temp.c_str());
    SetIoResult(code);
    CheckIo();
    return false;
  }
  return true;
}

}  // namespace

tsavereport SaveMap(tafile& map, const std::string& file_name, thost& host) {
  tsavereport report;
  try {
    ttextwriter out;
    tlinenumbers numbers;
    WriteHead(map, out);
    bool whole = true;
    try {
      WriteLines(map, out, numbers);
    } catch (const std::exception& e) {
      host.ShowMessage(std::string("wrlines ") + e.what());
      whole = false;
    }
    WriteCompartments(map, numbers, out, report);
    WriteTexts(map, out);
    WriteSigns(map, out);
    WriteDrobs(map, out);
    WriteDefinitions(map.definitions, out);
    WriteBlock(map.blocks, out);
    out.WriteLine(map.header[0].substr(0, 80));
    // A file with a broken lines section would lose the map it replaced.
    if (!whole) return report;
    std::string failure;
    if (!Replace(out, file_name, failure)) {
      host.ShowMessage("save " + failure);
      return report;
    }
    map.file_name = file_name;
    report.saved = true;
  } catch (const std::exception& e) {
    host.ShowMessage(std::string("save ") + e.what());
  }
  return report;
}

}  // namespace dornavik
