#include "symbology/styles.h"

#include <numbers>

#include "base/codepage.h"
#include "base/text.h"

namespace dornavik {

namespace {

tnomenclature& State() {
  static tnomenclature state;
  return state;
}

void Rescale(tnomenclature& n, double scale);

template <class T>
std::vector<T> DefaultEntries(int count) {
  std::vector<T> entries(count);
  for (int i = 0; i < count; ++i) entries[i].name = UnnamedEntryName(i);
  return entries;
}

}  // namespace

tnomenclature::tnomenclature()
    : lines(DefaultEntries<tnomline>(kLineTypes)),
      texts(DefaultEntries<tnomtext>(kTextTypes)),
      signs(DefaultEntries<tnomsign>(kSignTypes)),
      drobs(DefaultEntries<tnomdrob>(kDrobTypes)),
      fills(DefaultEntries<tnomfill>(kFillTypes)),
      pens(kPens) {
  for (tnomtext& t : texts) {
    t.style = ttextstyle{};
    t.style.slant = std::numbers::pi_v<float> / 2;
    t.style.rotation = 0;
    t.style.width_mm = 1.0f;
    t.style.height_mm = 1.0f;
    t.style.color = 0;
    t.style.flag = 1;
    t.style.font = 1;
  }
  Rescale(*this, scale);
}

tnomenclature& Nomenclature() { return State(); }

void ResetNomenclature() { State() = tnomenclature(); }

std::string EntryName(int index, const std::string& name) { return IntText(index, 3) + " " + name; }

std::string UnnamedEntryName(int index) {
  static const std::string unnamed = Utf8ToWindows("няма име");
  return EntryName(index, unnamed);
}

namespace {

void Rescale(tnomenclature& n, double scale) {
  n.scale = scale;
  const double f = scale / 1000;
  auto ground = [f](float mm) { return static_cast<float>(mm * f); };
  for (tnomline& l : n.lines) {
    l.stroke_m = ground(l.stroke);
    l.interval_m = ground(l.interval);
    l.distance_m = ground(l.distance);
    l.extra_m = ground(l.extra);
    l.thickness_m = ground(l.thickness);
  }
  for (tnomsign& s : n.signs) {
    s.size_m = ground(s.size);
    s.thickness_m = ground(s.thickness);
  }
  // Type 0 texts carry their own styles, and fraction type 0 is not used for
  // drawing: both keep their ground values.
  for (size_t i = 1; i < n.texts.size(); ++i) {
    tnomtext& t = n.texts[i];
    t.style.width_m = ground(t.style.width_mm);
    t.style.height_m = ground(t.style.height_mm);
    t.thickness_m = ground(t.thickness);
  }
  for (size_t i = 1; i < n.drobs.size(); ++i) n.drobs[i].thickness_m = ground(n.drobs[i].thickness);
  n.label_height_m = ground(kLabelHeightMm);
}

}  // namespace

void SetNomenclatureScale(double scale) { Rescale(State(), scale); }

double CurrentScale() { return State().scale; }

float GroundSize(float mm) { return static_cast<float>(mm * State().scale / 1000); }

const std::array<int32_t, 16>& DefaultColorPalette() {
  static const std::array<int32_t, 16> palette = {
      Rgb(255, 255, 255), Rgb(0, 0, 255),     Rgb(0, 128, 0),     Rgb(128, 255, 255),
      Rgb(255, 0, 0),     Rgb(255, 0, 128),   Rgb(128, 0, 0),     Rgb(128, 128, 128),
      Rgb(128, 128, 128), Rgb(0, 128, 255),   Rgb(0, 255, 128),   Rgb(0, 255, 255),
      Rgb(255, 0, 128),   Rgb(255, 0, 255),   Rgb(255, 255, 0),   Rgb(0, 0, 0)};
  return palette;
}

int32_t PaletteColor(int32_t value) {
  return value >= 0 && value <= 15 ? DefaultColorPalette()[value] : value;
}

}  // namespace dornavik
