// Writing the nomenclature file in version V3.00: right-aligned fixed-width
// fields under fixed column titles, cp1251, CR LF.
#include <cerrno>
#include <cmath>
#include <numbers>

#include "base/codepage.h"
#include "base/errors.h"
#include "base/files.h"
#include "base/ioresult.h"
#include "base/text.h"
#include "base/textfile.h"
#include "symbology/nomenclature.h"

namespace dornavik {

namespace {

constexpr double kDegreesPerRadian = 180 / std::numbers::pi;

// One row of fixed-width fields. Numeric fields follow each other without a
// blank; when a value fills its field a blank goes before it, so that the row
// still reads back as separate numbers.
class trow {
 public:
  trow& Int(long long value, int width) { return Number(IntText(value, width)); }
  trow& Real(double value, int width) { return Number(RealText(value, width, 2)); }
  trow& Blank() { return Text(" "); }
  trow& Text(std::string_view text) {
    text_.append(text);
    after_number_ = false;
    return *this;
  }
  const std::string& Done() const { return text_; }

 private:
  trow& Number(const std::string& field) {
    if (after_number_ && !field.empty() && field[0] != ' ') text_ += ' ';
    text_ += field;
    after_number_ = true;
    return *this;
  }

  std::string text_;
  bool after_number_ = false;
};

// The display name from its character `from` on (after the index).
std::string NamePart(const std::string& name, size_t from) {
  return name.size() > from ? name.substr(from) : std::string();
}

int32_t PenCode(const tnomline& l) {
  return l.second_pen == l.pen ? l.pen : l.second_pen * 1000 + l.pen;
}

bool DefaultPen(const tnompen& p) {
  return std::fabs(p.width - 0.1) <= 0.01 && p.red == 0 && p.green == 0 && p.blue == 0;
}

trow Head(int index, const tnomentry& e) {
  trow row;
  row.Int(index, 3).Blank().Int(e.color, 8).Blank().Int(e.plotter_color, 8);
  return row;
}

void WriteClassFields(trow& row, const tthemclass& c) {
  row.Int(c.color, 8).Blank().Int(c.plotter_color, 8).Int(c.pen, 5).Int(c.fill, 4);
  row.Real(c.percent, 7).Real(c.slant, 7).Real(c.thickness, 6).Blank().Text(c.name);
}

void WriteMap(ttextwriter& out, const tthemmap& map) {
  std::string header = IntText(map.kind, 2) + " ";
  if (map.kind == 28) header += map.column + " ";
  if (map.kind == 29) header += map.group_column + " " + map.value_column + " ";
  out.WriteLine(header + map.name);
  if (map.Grouped()) {
    for (size_t g = 1; g < map.groups.size(); ++g) {
      for (const tthemclass& c : map.groups[g]) {
        trow row;
        row.Int(static_cast<long long>(g), 3).Blank().Int(c.min, 3).Blank().Int(c.max, 3).Blank();
        WriteClassFields(row, c);
        out.WriteLine(row.Done());
      }
    }
  } else {
    for (size_t i = 1; i < map.classes.size(); ++i) {
      trow row;
      row.Int(static_cast<long long>(i), 3).Blank();
      WriteClassFields(row, map.classes[i]);
      out.WriteLine(row.Done());
    }
  }
  out.WriteLine(" 0");
}

const std::string& Title(int n) {
  static const std::string titles[] = {
      Utf8ToWindows("KORAWIN V3.00 Номенклатура на линии, текст и условни знаци за мащаб 1:"),
      Utf8ToWindows("Номер цвят эвятПлотер Писец тип площ щрих интервал разстояние точки "
                    "Напречни Дебелина име"),
      Utf8ToWindows("-1 Номер цвят цвятПлотер Писец Височина Ширина Наклон Шрифт Дебелина име"),
      Utf8ToWindows("-1 Номер цвят эвятПлотер Писец Фонт Символ Машаб Дебелина име"),
      Utf8ToWindows("-1 Номер цвят эвятПлотер Писец числител знаменател линия дебелина ZEM име"),
      Utf8ToWindows("-1 Номер цвят эвятПлотер Писец тип числите знаменател линия дебелина ZEM "
                    "име"),
      Utf8ToWindows("-1 Номер цвят эвятПлотер Писец Знак Числите Знаменател Дебелина име"),
      Utf8ToWindows("-1 Номер цвят эвятПлотер Писец тип % наклон име"),
  };
  return titles[n];
}

}  // namespace

std::string NomenclatureText() {
  const tnomenclature& n = Nomenclature();
  ttextwriter out;
  out.WriteLine(Title(0) + std::to_string(std::llround(n.scale)));
  for (int i = 0; i < 3; ++i) out.WriteLine("");
  out.WriteLine(Title(1));

  for (int i = 0; i < kLineTypes; ++i) {
    const tnomline& l = n.lines[i];
    if (l.name.size() <= 8) continue;
    trow row = Head(i, l);
    row.Int(PenCode(l), 5).Int(l.kind, 3).Int(l.area, 2);
    row.Real(l.stroke, 6).Real(l.interval, 6).Real(l.distance, 6).Int(l.points, 3).Int(l.cross, 3);
    row.Real(l.second_thickness, 6).Real(l.thickness, 6).Blank().Int(l.zem_code, 3).Blank();
    out.WriteLine(row.Text(NamePart(l.name, 3)).Done());
  }

  out.WriteLine(Title(2));
  for (int i = 0; i < kTextTypes; ++i) {
    const tnomtext& t = n.texts[i];
    if (t.name.empty()) continue;
    trow row = Head(i, t);
    row.Blank().Int(t.pen, 5).Blank().Real(t.style.height_mm, 6).Blank().Real(t.style.width_mm, 6);
    row.Blank().Real(t.style.slant * kDegreesPerRadian, 6).Blank();
    row.Real(t.style.rotation * kDegreesPerRadian, 6).Int(t.style.font, 3).Blank();
    row.Real(t.thickness, 6).Blank().Int(t.zem_code, 3).Blank();
    out.WriteLine(row.Text(NamePart(t.name, 3)).Done());
  }

  out.WriteLine(Title(3));
  for (int i = 0; i < kSignTypes; ++i) {
    const tnomsign& s = n.signs[i];
    if (s.symbol == ' ') continue;
    trow row = Head(i, s);
    row.Int(s.pen, 5).Int(s.font, 3).Blank().Text(std::string(1, s.symbol));
    row.Real(s.size, 6).Real(s.thickness, 6).Blank().Int(s.zem_code, 3).Blank();
    out.WriteLine(row.Text(NamePart(s.name, 4)).Done());
  }

  out.WriteLine(Title(4));
  for (int i = 0; i < kDrobTypes; ++i) {
    const tnomdrob& d = n.drobs[i];
    if (d.name.empty()) continue;
    trow row = Head(i, d);
    row.Int(d.pen, 5).Int(d.kind, 3).Blank().Int(d.numerator, 5).Int(d.denominator, 5);
    row.Int(d.line, 5).Real(d.thickness, 6).Blank().Int(d.zem_code, 3).Blank();
    out.WriteLine(row.Text(NamePart(d.name, 3)).Done());
  }

  out.WriteLine(Title(5));
  for (int i = 0; i < kFillTypes; ++i) {
    const tnomfill& f = n.fills[i];
    if (f.name.empty()) continue;
    trow row = Head(i, f);
    row.Int(f.pen, 5).Int(f.kind, 3).Blank().Real(f.percent, 5).Real(f.slant, 5);
    row.Real(f.thickness, 6).Blank().Int(f.zem_code, 3).Blank();
    out.WriteLine(row.Text(NamePart(f.name, 3)).Done());
  }

  out.WriteLine(Title(6));
  for (int i = 0; i < kPens; ++i) {
    const tnompen& p = n.pens[i];
    if (DefaultPen(p)) continue;
    trow row;
    row.Int(i, 3).Blank().Real(p.width, 6).Int(p.red, 4).Int(p.green, 4).Int(p.blue, 4);
    out.WriteLine(row.Done());
  }

  out.WriteLine(Title(7));
  for (const tthemmap& map : n.thematic) {
    if (IsKnownKind(map.kind)) WriteMap(out, map);
  }
  out.WriteLine("-1");
  return out.Data();
}

void SaveNomenclature(const std::string& file_name) {
  const std::string path = ResolveNoCase(file_name);
  if (WriteFileAtomically(path, NomenclatureText())) return;
  const int code = IoCodeFromErrno(errno, true);
  std::string reason = RuntimeErrorText(code);
  if (reason.empty()) reason = std::to_string(code);
  throw terror(Utf8ToWindows("Грешка при запис на ") + path + ": " + reason);
}

}  // namespace dornavik
