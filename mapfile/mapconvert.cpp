// Files up to V5.57 stored the left end of compartment and sub-compartment
// labels, texts and fractions, and the corner of some signs; the program
// keeps their centres and anchors.
#include <algorithm>
#include <cmath>

#include "mapfile/mapsections.h"
#include "symbology/fonts.h"
#include "symbology/glyph.h"
#include "symbology/styles.h"

namespace dornavik {

namespace {

// The ground width of a label part drawn with text type k.
double PartWidth(const std::string& text, int k) {
  if (k < 0 || k >= kTextTypes) return 0;
  const ttextstyle& style = Nomenclature().texts[static_cast<size_t>(k)].style;
  const double w = style.width_m;
  return TextWidth(TextFont(style.font), text) * w * 0.9 - w / 4;
}

// Half the wider of numerator and denominator of fraction type `type`.
double HalfFraction(int type, const std::string& numerator, const std::string& denominator) {
  const tnomdrob& d = Nomenclature().drobs[static_cast<size_t>(type)];
  return std::max(PartWidth(numerator, d.numerator), PartWidth(denominator, d.denominator)) / 2;
}

bool KeepsAnchor(int type) {
  return type == 1 || (type >= 62 && type <= 66) || (type >= 74 && type <= 77);
}

struct tsignoffset {
  int type;
  double ox, oy;
};
constexpr tsignoffset kSignOffsets[] = {
    {13, 0, -3},   {28, 0, -8},     {31, 0, -4},   {42, 0, -10}, {61, 0, -11},
    {62, -8, 0},   {64, 0, -10},    {75, 0, -3},   {77, 0, -3},  {79, 0, -4},
    {93, 0, -9},   {102, -2, -4},   {104, 0, -5},  {108, 0, -8}, {112, 1, -3},
    {117, 0, -10}, {123, -13, -12}, {124, -27, -24}, {125, -5, -5}, {126, 0, -15},
    {127, -13, -5}, {129, 0, -16},  {150, -3, 0}};

void ConvertText(texttype& t) {
  if (t.justification != 0 || !t.style) return;
  const double w = t.style->width_m, h = t.style->height_m, a = t.angle;
  const double length = TextWidth(TextFont(t.style->font), t.text);
  const double c = -0.5 * (0.2 * w + (t.spacing + 1) * w * (length - 0.4));
  const double l = -0.5 * h;
  t.x = static_cast<float>(t.x - (c * std::cos(a) - l * std::sin(a)));
  t.y = static_cast<float>(t.y - (c * std::sin(a) + l * std::cos(a)));
  t.justification = 7;
}

}  // namespace

void ConvertOldPositions(tafile& map) {
  for (const auto& o : map.Compartments()) {
    o->label_x = static_cast<float>(o->label_x + HalfFraction(2, o->number, "100.0"));
    for (const auto& c : o->Contours())
      c->label_x = static_cast<float>(c->label_x + HalfFraction(1, c->number, "10.0"));
  }
  for (int type = 0; type < kDrobTypes; ++type)
    for (const auto& d : map.Drobs(type))
      d->x = static_cast<float>(d->x + HalfFraction(type, d->numerator, d->denominator));
  for (int type = 0; type < kTextTypes; ++type)
    if (!KeepsAnchor(type))
      for (const auto& t : map.Texts(type)) ConvertText(*t);
  for (const tsignoffset& s : kSignOffsets)
    for (const auto& g : map.Signs(s.type)) {
      const double a = g->angle;
      g->x = static_cast<float>(g->x - s.ox * std::cos(a) + s.oy * std::sin(a));
      g->y = static_cast<float>(g->y - s.ox * std::sin(a) - s.oy * std::cos(a));
    }
}

}  // namespace dornavik
