// Reading and writing the nomenclature file.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "base/codepage.h"
#include "base/errors.h"
#include "nomenclature_fixture.h"
#include "symbology/nomenclature.h"
#include "symbology/zemcodes.h"

namespace dornavik {
namespace {

std::string W(const char* utf8) { return Utf8ToWindows(utf8); }

constexpr float kPi = std::numbers::pi_v<float>;

std::vector<tthemname> NoNames() { throw terror("no table names in this test"); }

// The tables the hand-written expected file was made from.
void FillExpectedTables() {
  ResetToEmptyTables();
  tnomenclature& n = Nomenclature();
  tnomline& l5 = n.lines[5];
  l5.name = EntryName(5, W("Граница на отдел"));
  l5.color = 255;
  l5.plotter_color = 16777215;
  l5.pen = 5;
  l5.second_pen = 7;
  l5.kind = 2;
  l5.area = 1;
  l5.stroke = 2.5f;
  l5.interval = 1;
  l5.second_thickness = 0.3f;
  l5.thickness = 0.25f;
  l5.zem_code = 146;
  tnomline& l6 = n.lines[6];
  l6.name = EntryName(6, W("Пътека горска"));
  l6.pen = 345;
  l6.second_pen = 12;
  l6.kind = 3;
  l6.stroke = 1.25f;
  l6.interval = 0.75f;
  l6.distance = 0.4f;
  l6.points = 2;
  l6.cross = 1;
  l6.second_thickness = 0.1f;
  l6.zem_code = 12;

  tnomtext& t1 = n.texts[1];
  t1.name = EntryName(1, W("Подотдел"));
  t1.style.height_mm = 2.5f;
  t1.style.width_mm = 2;
  t1.thickness = 0.18f;
  t1.zem_code = 101;
  tnomtext& t3 = n.texts[3];
  t3.name = EntryName(3, W("Отдел"));
  t3.color = 255;
  t3.pen = 2;
  t3.style.height_mm = 3;
  t3.style.width_mm = 2.5f;
  t3.style.slant = 75 * kPi / 180;
  t3.style.rotation = 30 * kPi / 180;
  t3.style.font = 2;
  t3.thickness = 0.25f;
  t3.zem_code = 103;

  tnomsign& s3 = n.signs[3];
  s3.name = EntryName(3, W("Извор"));
  s3.color = 32768;
  s3.pen = 2;
  s3.symbol = 'A';
  s3.size = 3;
  s3.thickness = 0.2f;
  s3.zem_code = 12;

  n.drobs[1].name = EntryName(1, W("Подотдел"));

  tnomfill& f2 = n.fills[2];
  f2.name = EntryName(2, W("Люпини"));
  f2.color = 65280;
  f2.percent = 10;
  f2.slant = 45;

  n.pens[3] = tnompen{0.35f, 255, 0, 0, 0};

  auto klass = [](int32_t color, const char* name) {
    tthemclass c;
    c.color = color;
    c.fill = ftFill;
    c.name = W(name);
    return c;
  };
  tthemmap vg;
  vg.kind = 1;
  vg.name = W("Вид гори");
  vg.ClassAt(1) = klass(255, "Иглолистни");
  vg.ClassAt(3) = klass(65535, "Широколистни");
  tthemmap vs;
  vs.kind = 28;
  vs.column = "VS";
  vs.name = W("Собственост");
  vs.ClassAt(1) = klass(16711935, "Държавна");
  tthemmap dv;
  dv.kind = 29;
  dv.group_column = "DV1";
  dv.value_column = "W1";
  dv.name = W("Видове по участие");
  dv.groups.resize(3);
  dv.groups[2].push_back(klass(16711680, "до 20 %"));
  dv.groups[2].back().min = 1;
  dv.groups[2].back().max = 20;
  dv.groups[2].push_back(klass(32768, "от 21 до 40 %"));
  dv.groups[2].back().min = 21;
  dv.groups[2].back().max = 40;
  n.thematic.Insert(dv);
  n.thematic.Insert(vg);
  n.thematic.Insert(vs);
}

TEST(NomenclatureFile, WritesVersion3ByteForByte) {
  FillExpectedTables();
  EXPECT_EQ(NomenclatureText(), ReadFixture("expected_v3.nom"));
}

TEST(NomenclatureFile, Version3ReadsBackWhatWasWritten) {
  ResetToEmptyTables();
  trecordinghost host;
  ASSERT_TRUE(LoadNomenclature(FixturePath("expected_v3.nom"), host, NoNames));
  EXPECT_TRUE(host.messages.empty());
  const tnomenclature& n = Nomenclature();

  // The pen code 7005 holds pen 5 and second pen 7; 12345 (written after a
  // separating blank) holds 345 and 12.
  EXPECT_EQ(n.lines[5].pen, 5);
  EXPECT_EQ(n.lines[5].second_pen, 7);
  EXPECT_EQ(n.lines[5].plotter_color, 16777215);
  EXPECT_EQ(n.lines[6].pen, 345);
  EXPECT_EQ(n.lines[6].second_pen, 12);
  EXPECT_EQ(n.lines[6].color, 0);
  EXPECT_EQ(n.lines[6].kind, 3);
  EXPECT_FLOAT_EQ(n.lines[6].distance, 0.4f);
  EXPECT_EQ(n.lines[5].name, EntryName(5, W("Граница на отдел")));
  EXPECT_EQ(n.lines[5].zem_code, 146);

  // Angles are degrees in the file and radians in memory; the style follows the entry.
  EXPECT_NEAR(n.texts[1].style.slant, kPi / 2, 1e-6);
  EXPECT_NEAR(n.texts[3].style.rotation, kPi / 6, 1e-6);
  EXPECT_EQ(n.texts[3].style.color, 255);
  EXPECT_EQ(n.texts[3].style.flag, 2);
  EXPECT_EQ(n.texts[3].style.font, 2);

  EXPECT_EQ(n.signs[3].symbol, 'A');
  EXPECT_EQ(n.signs[3].name, EntryName(3, W("Извор")));
  EXPECT_FLOAT_EQ(n.fills[2].percent, 10);
  EXPECT_FLOAT_EQ(n.fills[2].slant, 45);
  EXPECT_FLOAT_EQ(n.pens[3].width, 0.35f);
  EXPECT_EQ(n.pens[3].red, 255);

  ASSERT_EQ(n.thematic.size(), 3u);
  const tthemmap& vg = n.thematic[0];
  EXPECT_EQ(vg.kind, 1);
  EXPECT_TRUE(vg.enabled);  // the kind-1 map of a V3.00 file starts shown
  EXPECT_EQ(vg.type_name, "vg");
  ASSERT_EQ(vg.classes.size(), 4u);
  EXPECT_EQ(vg.classes[2].color, 0xFFFFFF);
  EXPECT_EQ(vg.classes[3].name, W("Широколистни"));
  EXPECT_EQ(n.thematic[1].column, "VS");
  EXPECT_FALSE(n.thematic[1].enabled);
  const tthemmap& dv = n.thematic[2];
  EXPECT_EQ(dv.group_column, "DV1");
  EXPECT_EQ(dv.value_column, "W1");
  EXPECT_EQ(dv.name, W("Видове по участие"));
  ASSERT_EQ(dv.groups.size(), 3u);
  ASSERT_EQ(dv.groups[2].size(), 2u);
  EXPECT_EQ(dv.groups[2][1].min, 21);
  EXPECT_EQ(dv.groups[2][1].max, 40);

  EXPECT_EQ(NomenclatureText(), ReadFixture("expected_v3.nom"));
}

TEST(NomenclatureFile, FullWidthValuesAreSeparatedAndReadBack) {
  ResetToEmptyTables();
  tnomenclature& n = Nomenclature();
  tnomline& l = n.lines[1];
  l.name = EntryName(1, W("Широка линия"));
  l.plotter_color = 12345678;
  l.pen = 999;
  l.second_pen = 99;  // pen code 99999 fills its 5 characters
  l.points = 123;
  l.cross = 456;      // two full counts in a row
  l.second_thickness = 123.45f;
  l.thickness = 999.99f;
  n.fills[1].name = EntryName(1, W("Пълно"));
  n.fills[1].percent = 99.5f;
  n.fills[1].slant = 12.25f;
  n.pens[7] = tnompen{100.25f, 255, 255, 255, 0};
  const std::string text = NomenclatureText();
  EXPECT_NE(text.find("12345678 99999"), std::string::npos);
  EXPECT_NE(text.find(" 123 456 123.45 999.99"), std::string::npos);
  EXPECT_NE(text.find("99.50 12.25"), std::string::npos);
  EXPECT_NE(text.find("  7 100.25 255 255 255"), std::string::npos);

  ttempfile file(text);
  ResetToEmptyTables();
  trecordinghost host;
  ASSERT_TRUE(LoadNomenclature(file.Path(), host, NoNames));
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(n.lines[1].pen, 999);
  EXPECT_EQ(n.lines[1].second_pen, 99);
  EXPECT_EQ(n.lines[1].points, 123);
  EXPECT_EQ(n.lines[1].cross, 456);
  EXPECT_FLOAT_EQ(n.lines[1].thickness, 999.99f);
  EXPECT_FLOAT_EQ(n.fills[1].slant, 12.25f);
  EXPECT_FLOAT_EQ(n.pens[7].width, 100.25f);
  EXPECT_EQ(NomenclatureText(), text);
}

TEST(NomenclatureFile, WriterSelectsTheRowsItWrites) {
  ResetNomenclature();
  tnomenclature& n = Nomenclature();
  n.lines[4].name = EntryName(4, W("Път"));  // three letters: not written
  n.texts[4].name = EntryName(4, W("Път"));  // a text type is written
  n.signs[9].symbol = ' ';                   // unused
  n.pens[0] = tnompen{0.5f, 0, 0, 0, 0};     // written, but pen 0 is not read back
  n.pens[2] = tnompen{0.105f, 0, 0, 0, 0};   // within 0.01 of the default
  const std::string text = NomenclatureText();
  auto count_rows = [&text](const std::string& section_start, const std::string& section_end) {
    size_t from = text.find(section_start);
    size_t to = text.find(section_end, from + 1);
    size_t rows = 0;
    for (size_t at = text.find("\r\n", from); at < to; at = text.find("\r\n", at + 2)) ++rows;
    return rows - 1;
  };
  EXPECT_EQ(count_rows(W("Номер цвят эвятПлотер Писец тип площ"), W("-1 Номер цвят цвятПлотер")), 199u);
  EXPECT_EQ(count_rows(W("-1 Номер цвят цвятПлотер"), W("-1 Номер цвят эвятПлотер Писец Фонт")), 251u);
  // Default sign types have symbol code 0, not a blank, so they are written.
  EXPECT_EQ(count_rows(W("-1 Номер цвят эвятПлотер Писец Фонт"), W("-1 Номер цвят эвятПлотер Писец числител")),
            1510u);
  EXPECT_EQ(count_rows(W("-1 Номер цвят эвятПлотер Писец Знак"), W("-1 Номер цвят эвятПлотер Писец тип %")), 1u);
  EXPECT_NE(text.find("  4        0        0     1   1.00   1.00  90.00   0.00  1   0.10   0  " + W("Път") + "\r\n"),
            std::string::npos);
  EXPECT_TRUE(text.starts_with(W("KORAWIN V3.00 Номенклатура на линии, текст и условни знаци за мащаб 1:10000\r\n")));
  EXPECT_TRUE(text.ends_with(W("-1 Номер цвят эвятПлотер Писец тип % наклон име") + "\r\n-1\r\n"));
}

TEST(NomenclatureFile, ReadsVersion201) {
  ResetNomenclature();
  trecordinghost host;
  std::vector<tthemname> names = {{"vg ", 0, W("Вид гора")},
                                  {"vg", 2, W("Смесени")},
                                  {"vg", 0, "-"},
                                  {"vp", 1, W("Друго")}};
  ASSERT_TRUE(LoadNomenclature(FixturePath("old_v201.nom"), host, [&names] { return names; }));
  EXPECT_TRUE(host.messages.empty());
  const tnomenclature& n = Nomenclature();

  const tnomline& l5 = n.lines[5];
  EXPECT_EQ(l5.name, EntryName(5, W("Граница на отдел")));
  EXPECT_EQ(l5.color, 255);  // palette 4
  EXPECT_EQ(l5.kind, 2);
  EXPECT_EQ(l5.area, 1);
  EXPECT_FLOAT_EQ(l5.distance, 0.5f);
  EXPECT_EQ(l5.points, 3);
  EXPECT_EQ(l5.cross, 7);
  EXPECT_EQ(l5.pen, 5);
  EXPECT_EQ(l5.second_pen, 7);
  EXPECT_EQ(l5.zem_code, 146);
  // Kinds 12 and above: the fifth size is the extra one and gives the cross count.
  const tnomline& l12 = n.lines[12];
  EXPECT_FLOAT_EQ(l12.distance, 3);
  EXPECT_EQ(l12.points, 4);
  EXPECT_FLOAT_EQ(l12.extra, 2.6f);
  EXPECT_EQ(l12.cross, 3);
  EXPECT_EQ(l12.color, Rgb(0, 128, 255));      // palette 9
  EXPECT_FLOAT_EQ(l12.thickness, 0.3f);         // from pen 2
  EXPECT_EQ(l12.plotter_color, Rgb(0, 128, 0));
  EXPECT_EQ(l12.zem_code, 55);
  // Kind 5: of the last two counts the second is the cross count.
  const tnomline& l7 = n.lines[7];
  EXPECT_EQ(l7.points, 3);
  EXPECT_EQ(l7.cross, 4);
  EXPECT_FLOAT_EQ(l7.distance, 0);
  EXPECT_EQ(l7.zem_code, 60);

  const tnomtext& t1 = n.texts[1];
  EXPECT_EQ(t1.name, " 1 " + W("Подотдел"));
  EXPECT_EQ(t1.pen, 3);
  EXPECT_EQ(t1.zem_code, 101);
  EXPECT_FLOAT_EQ(t1.thickness, 0.35f);
  EXPECT_EQ(t1.plotter_color, 255);
  EXPECT_EQ(t1.color, 0);  // palette 15
  EXPECT_EQ(t1.style.flag, 3);
  EXPECT_FLOAT_EQ(t1.style.slant, 1.5708f);

  const tnomsign& s3 = n.signs[3];
  EXPECT_EQ(s3.symbol, 'A');
  EXPECT_EQ(s3.pen, 2);
  EXPECT_EQ(s3.zem_code, 12);
  EXPECT_EQ(s3.color, Rgb(0, 128, 0));
  EXPECT_EQ(s3.name, "  3 " + W("Извор"));
  EXPECT_EQ(n.drobs[1].name, "  1 " + W("Подотдел"));
  EXPECT_EQ(n.fills[2].kind, 10);
  EXPECT_FLOAT_EQ(n.fills[2].slant, 45);
  EXPECT_EQ(n.fills[2].color, Rgb(128, 255, 255));  // palette 3
  // Entries the file does not hold are completed the same way: palette 0 is white.
  EXPECT_EQ(n.lines[100].color, Rgb(255, 255, 255));

  ASSERT_EQ(n.thematic.size(), 2u);
  const tthemmap& vg = n.thematic[0];
  EXPECT_FALSE(vg.enabled);
  EXPECT_EQ(vg.name, W("Вид гора"));
  ASSERT_EQ(vg.classes.size(), 4u);
  EXPECT_EQ(vg.classes[1].color, 255);
  EXPECT_EQ(vg.classes[2].name, W("Смесени"));
  EXPECT_EQ(vg.classes[3].name, W("Широколистни"));
  EXPECT_EQ(vg.classes[3].color, Rgb(255, 255, 0));  // palette 14
  EXPECT_EQ(n.thematic[1].name, W("Отдели"));        // kind 7 takes no names
}

TEST(NomenclatureFile, ReadsVersion100AndVersion200) {
  ResetNomenclature();
  trecordinghost host;
  ASSERT_TRUE(LoadNomenclature(FixturePath("old_v100.nom"), host, NoNames));
  EXPECT_TRUE(host.messages.empty());
  const tnomenclature& n = Nomenclature();
  EXPECT_EQ(n.lines[5].name, "  5 " + W("Граница"));
  EXPECT_EQ(n.lines[5].cross, 7);
  EXPECT_EQ(n.lines[5].pen, 1);
  EXPECT_EQ(n.lines[5].zem_code, 0);
  EXPECT_EQ(n.texts[1].pen, 1);
  EXPECT_EQ(n.signs[3].symbol, 'A');
  EXPECT_EQ(n.signs[3].pen, 1);

  // V2.00: pen columns, no ZEM codes.
  const std::string v200 =
      "NOM V2.00\r\n\r\n\r\n\r\n\r\n" + WindowsToOem(W("Граница")) +
      "\r\n5 4 2 1 2.5 1.0 0.5 3 7 7005\r\n\r\n200\r\n\r\n1 15 1 2.5 2.0 1.5708 0 1 3 " +
      WindowsToOem(W("Подотдел")) + "\r\n-1\r\n-1\r\n-1\r\n-1\r\n-1\r\n0\r\n";
  ttempfile file(v200);
  ResetNomenclature();
  ASSERT_TRUE(LoadNomenclature(file.Path(), host, NoNames));
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(n.lines[5].second_pen, 7);
  EXPECT_EQ(n.lines[5].zem_code, 0);
  EXPECT_EQ(n.texts[1].pen, 3);
  EXPECT_EQ(n.texts[1].zem_code, 0);
  EXPECT_EQ(n.texts[1].name, " 1 " + W("Подотдел"));
}

TEST(NomenclatureFile, MissingFilesKeepTheTables) {
  ResetNomenclature();
  Nomenclature().lines[3].kind = 9;
  ttempfile home;
  setenv("DORNAVIK_HOME", home.Folder().c_str(), 1);
  ResetFolders();
  trecordinghost host;
  EXPECT_FALSE(LoadNomenclature(home.Folder() + "missing.nom", host, NoNames));
  EXPECT_EQ(Nomenclature().lines[3].kind, 9);
  EXPECT_TRUE(host.messages.empty());

  // The program folder's "kora.nom" (any case) stands in for a missing file.
  WriteFileAtomically(home.Folder() + "KORA.NOM", ReadFixture("expected_v3.nom"));
  ResetNomenclature();
  EXPECT_FALSE(LoadNomenclature(home.Folder() + "missing.nom", host, NoNames));
  EXPECT_EQ(Nomenclature().lines[5].zem_code, 146);
  // A bare name is looked up in the program folder.
  ResetNomenclature();
  EXPECT_TRUE(LoadNomenclature("kora.nom", host, NoNames));
  EXPECT_EQ(Nomenclature().lines[5].zem_code, 146);
  unsetenv("DORNAVIK_HOME");
  ResetFolders();
}

TEST(NomenclatureFile, SaveFailureThrowsAndKeepsNothingHalfWritten) {
  ResetNomenclature();
  EXPECT_THROW(SaveNomenclature("/nonexistent-folder/kora.nom"), terror);
  ttempfile file("old contents");
  SaveNomenclature(file.Path());
  std::string data;
  ASSERT_TRUE(ReadWholeFile(file.Path(), data));
  EXPECT_EQ(data, NomenclatureText());
}

}  // namespace
}  // namespace dornavik

namespace dornavik {
namespace {

TEST(ShippedNomenclature, LoadsAndSavesUnchanged) {
  const std::string path = std::string(DORNAVIK_TEST_DATA) + "/../../data/program/kora.nom";
  std::string shipped;
  ASSERT_TRUE(ReadWholeFile(path, shipped));
  ResetNomenclature();
  trecordinghost host;
  ASSERT_TRUE(LoadNomenclature(path, host, NoNames));
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(NomenclatureText(), shipped);

  const tnomenclature& n = Nomenclature();
  const tzemcodemaps codes = BuildZemCodeMaps(n);
  EXPECT_EQ(codes.LineType(kBoundaryLineCode), kDefaultLineType);
  EXPECT_EQ(n.lines[kDefaultLineType].zem_code, kBoundaryLineCode);
  EXPECT_NE(n.signs[kDefaultSignType].symbol, 0);
  EXPECT_NE(n.texts[kDefaultTextType].zem_code, 0);
  // Every code names one type, and the codes the ZEM reader converts to are there.
  for (int i = 0; i < kLineTypes; ++i) {
    if (n.lines[i].zem_code != 0) {
      EXPECT_EQ(codes.LineType(n.lines[i].zem_code), i);
    }
  }
  for (int i = 0; i < kSignTypes; ++i) {
    if (n.signs[i].zem_code != 0) {
      EXPECT_EQ(codes.SignType(n.signs[i].zem_code), i);
    }
  }
  for (int i = 1; i < kTextTypes; ++i) {
    if (n.texts[i].zem_code != 0) {
      EXPECT_EQ(codes.TextType(n.texts[i].zem_code), i);
    }
  }
  for (int code : {73, 74, 175}) EXPECT_GE(codes.LineType(code), 0) << code;
  for (int code : {52, 542}) EXPECT_GE(codes.SignType(code), 0) << code;
  // The signs that point records of the ZEM file become.
  for (int type : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12}) EXPECT_NE(n.signs[type].zem_code, 0) << type;
  // Labels: fraction types 1 and 2 over named text types.
  for (int f : {1, 2}) {
    EXPECT_NE(n.texts[n.drobs[f].numerator].zem_code, 0);
    EXPECT_NE(n.texts[n.drobs[f].denominator].zem_code, 0);
  }
  std::vector<int> kinds;
  for (const tthemmap& map : n.thematic) kinds.push_back(map.kind);
  EXPECT_EQ(kinds, (std::vector<int>{1, 3, 7, 9, 21, 24}));
  EXPECT_TRUE(n.thematic[0].enabled);
  EXPECT_EQ(n.thematic[2].classes.size(), 16u);  // kind 7: classes 1..15
}

}  // namespace
}  // namespace dornavik
