// The nomenclature: the style tables that every line, text, sign and fraction
// label of a map indexes, and the thematic maps. They exist once per run (see
// Nomenclature()) and hold paper sizes in millimetres together with their ground
// values for the current scale.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/objects.h"
#include "symbology/thematic.h"

namespace dornavik {

// kLineTypes, kTextTypes, kSignTypes and kDrobTypes come with the map objects.
constexpr int kFillTypes = 11;    // 0..10
constexpr int kPens = 1001;       // 0..1000

// The head shared by the entries of the first five tables.
struct tnomentry {
  // cp1251; the index right-aligned in 3 characters, a blank, the name.
  std::string name;
  int32_t color = 0;          // 0x00BBGGRR
  int32_t pen = 1;            // index into the pen table; the plotter's pen number
  int32_t plotter_color = 0;  // 0x00BBGGRR
  int32_t zem_code = 0;       // 0 = none
  float thickness = 0.1f;     // mm
  float thickness_m = 0;      // ground
};

struct tnomline : tnomentry {
  uint8_t kind = 1;  // drawing pattern 0..25
  uint8_t area = 0;  // 1 = the line bounds areas
  float stroke = 0, interval = 0, distance = 0, extra = 0;  // mm
  float stroke_m = 0, interval_m = 0, distance_m = 0, extra_m = 0;
  int32_t points = 0;
  int32_t cross = 0;
  int32_t second_pen = 1;  // a pen of the table, so not limited to a byte
  float second_thickness = 0.1f;  // mm
};

struct tnomtext : tnomentry {
  ttextstyle style;  // colour and pen mirror the entry's after loading
};

struct tnomsign : tnomentry {
  char symbol = 0;      // glyph code in the sign font; a blank marks an unused type
  float size_m = 0;     // ground
  float size = 1.0f;    // mm
  int32_t font = 1;     // sign font 1..4
};

struct tnomdrob : tnomentry {
  uint8_t kind = 0;
  uint8_t numerator = 1;    // text type
  uint8_t denominator = 1;  // text type
  uint8_t line = 1;         // line type of the bar
};

struct tnomfill : tnomentry {
  int32_t kind = 10;
  float percent = 10;
  float slant = 0;  // degrees
};

struct tnompen {
  float width = 0.1f;  // mm
  uint8_t red = 0, green = 0, blue = 0, spare = 0;
};

struct tnomenclature {
  tnomenclature();

  std::vector<tnomline> lines;
  std::vector<tnomtext> texts;
  std::vector<tnomsign> signs;
  std::vector<tnomdrob> drobs;
  std::vector<tnomfill> fills;
  std::vector<tnompen> pens;
  tthemmaplist thematic;

  double scale = 10000;       // CurrentScale: ground = mm × scale / 1000
  float label_height_m = 28;  // the 2.8 mm label height on the ground
};

// The nomenclature of this run.
tnomenclature& Nomenclature();
// Back to the defaults, as at program start (tests).
void ResetNomenclature();

// The display name of entry `index`: the index in 3 characters, a blank, name.
std::string EntryName(int index, const std::string& name);
// The name every entry has until a file names it ("няма име").
std::string UnnamedEntryName(int index);

// Stores scale as CurrentScale and recomputes every ground value from it.
void SetNomenclatureScale(double scale);
double CurrentScale();
// Paper millimetres to ground metres at the current scale.
float GroundSize(float mm);

constexpr float kLabelHeightMm = 2.8f;

// The 16 colours that a colour value 0..15 stands for.
const std::array<int32_t, 16>& DefaultColorPalette();
// The palette colour for 0..15; any other value as it stands.
int32_t PaletteColor(int32_t value);
constexpr int32_t Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

}  // namespace dornavik
