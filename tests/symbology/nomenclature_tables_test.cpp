// The style tables: defaults, ground sizes, palette, ZEM code maps.
#include <gtest/gtest.h>

#include <numbers>

#include "base/codepage.h"
#include "symbology/styles.h"
#include "symbology/zemcodes.h"

namespace dornavik {
namespace {

TEST(NomenclatureTables, Defaults) {
  ResetNomenclature();
  const tnomenclature& n = Nomenclature();
  EXPECT_EQ(n.lines[5].name, "  5 " + Utf8ToWindows("няма име"));
  EXPECT_EQ(n.signs[1510].name, "1510 " + Utf8ToWindows("няма име"));
  EXPECT_EQ(n.lines[0].kind, 1);
  EXPECT_EQ(n.lines[0].second_pen, 1);
  EXPECT_FLOAT_EQ(n.texts[7].style.slant, std::numbers::pi_v<float> / 2);
  EXPECT_FLOAT_EQ(n.texts[7].style.height_mm, 1);
  EXPECT_EQ(n.signs[3].symbol, 0);
  EXPECT_EQ(n.drobs[1].numerator, 1);
  EXPECT_EQ(n.fills[1].kind, 10);
  EXPECT_FLOAT_EQ(n.pens[1000].width, 0.1f);
  EXPECT_EQ(CurrentScale(), 10000);
  EXPECT_FLOAT_EQ(n.signs[0].size_m, 10);
}

TEST(NomenclatureTables, ScaleChangeUpdatesGroundSizes) {
  ResetNomenclature();
  tnomenclature& n = Nomenclature();
  n.lines[199].stroke = 2.5f;
  n.lines[199].extra = 1;
  n.lines[199].thickness = 0.3f;
  n.signs[1510].size = 4;
  n.texts[0].style.height_mm = 2;
  n.texts[250].style.height_mm = 2;
  n.texts[250].style.width_mm = 1.5f;
  n.drobs[0].thickness = 0.5f;
  n.drobs[10].thickness = 0.5f;
  const float text0 = n.texts[0].style.height_m, drob0 = n.drobs[0].thickness_m;
  SetNomenclatureScale(5000);
  EXPECT_EQ(CurrentScale(), 5000);
  EXPECT_FLOAT_EQ(n.lines[199].stroke_m, 12.5f);
  EXPECT_FLOAT_EQ(n.lines[199].extra_m, 5);
  EXPECT_FLOAT_EQ(n.lines[199].thickness_m, 1.5f);
  EXPECT_FLOAT_EQ(n.signs[1510].size_m, 20);
  EXPECT_FLOAT_EQ(n.texts[250].style.height_m, 10);
  EXPECT_FLOAT_EQ(n.texts[250].style.width_m, 7.5f);
  EXPECT_FLOAT_EQ(n.drobs[10].thickness_m, 2.5f);
  EXPECT_FLOAT_EQ(n.label_height_m, 14);
  EXPECT_FLOAT_EQ(GroundSize(2), 10);
  // Text type 0 and fraction type 0 keep their ground values.
  EXPECT_EQ(n.texts[0].style.height_m, text0);
  EXPECT_EQ(n.drobs[0].thickness_m, drob0);
}

TEST(NomenclatureTables, PaletteStandsForValuesZeroToFifteen) {
  const int32_t expected[16] = {0xFFFFFF, 0xFF0000, 0x008000, 0xFFFF80, 0x0000FF, 0x8000FF,
                                0x000080, 0x808080, 0x808080, 0xFF8000, 0x80FF00, 0xFFFF00,
                                0x8000FF, 0xFF00FF, 0x00FFFF, 0x000000};
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(DefaultColorPalette()[i], expected[i]) << i;
    EXPECT_EQ(PaletteColor(i), expected[i]) << i;
  }
  EXPECT_EQ(PaletteColor(16), 16);
  EXPECT_EQ(PaletteColor(-1), -1);
  EXPECT_EQ(PaletteColor(0x123456), 0x123456);
}

TEST(NomenclatureTables, ZemCodeMapsTakeTheLowestType) {
  ResetNomenclature();
  tnomenclature& n = Nomenclature();
  n.lines[10].zem_code = 7;
  n.lines[3].zem_code = 7;
  n.lines[199].zem_code = 550;
  n.lines[4].zem_code = 146;
  n.lines[5].zem_code = 551;  // outside the codes of lines
  n.signs[1510].zem_code = 600;
  n.signs[20].zem_code = 52;
  n.texts[0].zem_code = 101;  // type 0 is never chosen
  n.texts[9].zem_code = 101;
  const tzemcodemaps maps = BuildZemCodeMaps(n);
  EXPECT_EQ(maps.LineType(7), 3);
  EXPECT_EQ(maps.LineType(550), 199);
  EXPECT_EQ(maps.LineType(146), kDefaultLineType);
  EXPECT_EQ(maps.LineType(551), -1);
  EXPECT_EQ(maps.LineType(0), -1);
  EXPECT_EQ(maps.LineType(8), -1);
  EXPECT_EQ(maps.SignType(600), 1510);
  EXPECT_EQ(maps.SignType(52), 20);
  EXPECT_EQ(maps.SignType(601), -1);
  EXPECT_EQ(maps.TextType(101), 9);
  EXPECT_EQ(maps.TextType(-5), -1);
}

}  // namespace
}  // namespace dornavik
