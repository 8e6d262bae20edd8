#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "zemrun.h"

namespace dornavik::testing {
namespace {

constexpr double kPi = std::numbers::pi;

// Code maps of a small nomenclature: line code 10 -> type 5, text code 20 ->
// type 4, sign code 542 -> type 30, sign code 52 -> type 31.
void SmallNomenclature() {
  Nomenclature().lines[5].zem_code = 10;
  Nomenclature().lines[6].zem_code = 73;
  Nomenclature().texts[4].zem_code = 20;
  Nomenclature().texts[7].zem_code = 503;
  Nomenclature().signs[30].zem_code = 542;
  Nomenclature().signs[31].zem_code = 52;
}

const tline* LineNumbered(const tafile& map, int number) {
  for (int t = 0; t < kLineTypes; ++t)
    for (const auto& l : map.Lines(t))
      if (l->number == number) return l.get();
  return nullptr;
}

TEST(ZemHeader, UnsupportedVersionStopsTheReading) {
  tzemrun run("version");
  run.Read("HEADER\nVERSION 2.20\nEND_HEADER\nLAYER LESO\nP 1 1 100 200\nEND_LAYER\nBOGUS");
  ASSERT_EQ(run.Codes(), std::vector<int>{1});
  EXPECT_EQ(run.findings[0].ipara, 220);
  EXPECT_EQ(run.findings[0].line, 2);
  ASSERT_EQ(run.host.messages.size(), 1u);
  EXPECT_EQ(run.host.messages[0], "Грешна версия на файла 2.20");
  EXPECT_TRUE(run.reader->Stopped());
  EXPECT_FALSE(run.reader->AtEnd());
  EXPECT_EQ(run.SignCount(), 0u);
}

TEST(ZemHeader, ValuesAndVersions) {
  tzemrun run("header");
  run.Read("HEADER\nVERSION 2.10\nEKNM 1234567\nPROGRAM Лесо 1.0\nDATE 01.02.2003\nFIRM  Фирма ООД\n"
           "SCALE 10000\nWINDOW 1 2 3 4\nNAME x\nEND_HEADER");
  EXPECT_TRUE(run.findings.empty());
  EXPECT_EQ(run.reader->Version(), 210);
  EXPECT_EQ(run.reader->Eknm(), "12345");
  EXPECT_EQ(OemToUtf8(run.map.zem_program), "Лесо 1.0");
  EXPECT_EQ(run.map.zem_date, "01.02.2003");
  EXPECT_EQ(OemToUtf8(run.map.zem_firm), "Фирма ООД");
  EXPECT_TRUE(run.reader->AtEnd());
}

TEST(ZemHeader, WithoutEndTheReadingStops) {
  tzemrun run("noend");
  run.Read("HEADER\nVERSION 1.00\nLAYER LESO\nP 1 1 100 200\nEND_LAYER");
  EXPECT_TRUE(run.reader->Stopped());
  EXPECT_FALSE(run.reader->AtEnd());
  EXPECT_EQ(run.SignCount(), 0u);
  EXPECT_EQ(run.reader->Version(), 100);
}

TEST(ZemHeader, TheFirstReferenceFixesTheOriginLaterFilesAreShifted) {
  tzemrun first("ref1");
  first.Read("HEADER\nREFERENCE 4700000 8500000\nEND_HEADER\nLAYER LESO\nP 1 1 10 20\nEND_LAYER");
  EXPECT_EQ(MapShared().y0, 4700000);
  EXPECT_EQ(MapShared().x0, 8500000);
  const tsign& a = *first.map.Signs(1).front();
  EXPECT_FLOAT_EQ(a.y, 10);
  EXPECT_FLOAT_EQ(a.x, 20);

  tafile second;
  std::vector<terrrec> findings;
  WriteBytes(first.folder.Path() + "b.zem",
             ZemText("HEADER\nREFERENCE 4700100 8500050\nEND_HEADER\nLAYER LESO\nP 1 1 10 20\nEND_LAYER"));
  tzemreader reader(second, first.host, [&](const terrrec& f) { findings.push_back(f); });
  ASSERT_TRUE(reader.Open(first.folder.Path() + "b.zem"));
  reader.ReadAll();
  const tsign& b = *second.Signs(1).front();
  EXPECT_FLOAT_EQ(b.y, 110);
  EXPECT_FLOAT_EQ(b.x, 70);
  EXPECT_EQ(MapShared().y0, 4700000);
}

TEST(ZemBlocks, UnknownBlocksLayersAndRecords) {
  tzemrun run("blocks");
  run.Read("\nFOO bar\nLAYER ROADS\nL 10 1 0 0\n1 0 0;2 10 0\nC 1 5 0 0\n1\nEND_LAYER\n"
           "CONTROL\nCONTUR_AREA 5 100\nEND_CONTROL\nLAYER LESO\nX 1\n\nEND_LAYER");
  EXPECT_EQ(run.Codes(), (std::vector<int>{12, 10, 109}));
  EXPECT_EQ(run.findings[0].line, 2);
  EXPECT_EQ(run.findings[1].line, 3);
  EXPECT_EQ(run.findings[2].line, 13);
  EXPECT_EQ(run.LineCount(), 0u);
  EXPECT_EQ(run.reader->ForestContours().Count(), 0u);
}

TEST(ZemBlocks, ControlBeforeAnyLayerDoesNothing) {
  tzemrun run("control");
  run.Read("CONTROL\nCONTUR_AREA 5 100\nCONTUR_SURROUND 5 6\nEND_CONTROL");
  EXPECT_TRUE(run.findings.empty());
}

TEST(ZemBlocks, ControlSetsAreasAndParents) {
  tzemrun run("control2");
  run.Read("LAYER LESO\nC 0 5 0 0\nC 0 6 0 0\nEND_LAYER\nCONTROL\nCONTUR_AREA 5 1234.5\n"
           "CONTUR_SURROUND 5 6\nCONTUR_AREA 9 1\nEND_CONTROL");
  tpodotdel* c = run.reader->ForestContours().Find(5);
  ASSERT_TRUE(c);
  EXPECT_DOUBLE_EQ(c->declared_area, 1234.5);
  ASSERT_TRUE(c->parent);
  EXPECT_EQ(c->parent->pod, "6");
  EXPECT_EQ(run.Codes(), (std::vector<int>{108, 108, 11}));
  EXPECT_EQ(run.findings[2].ipara, 9);
}

TEST(ZemLayer, PointsAndSigns) {
  tzemrun run("signs");
  SmallNomenclature();
  run.Read("LAYER LESO\nP 3 1 100 200\nP 29 2 300 400\nS 195 1 10 20\nS 51 1 10 20 100\nS 77 1 50 50 50\n"
           "END_LAYER");
  EXPECT_EQ(run.Codes(), (std::vector<int>{104, 103}));
  EXPECT_EQ(run.findings[0].ipara, 29);
  EXPECT_EQ(run.findings[1].ipara, 77);
  ASSERT_EQ(run.map.Signs(9).size(), 1u);  // point type 3
  const tsign& p = *run.map.Signs(9).front();
  EXPECT_FLOAT_EQ(p.y, 100);
  EXPECT_FLOAT_EQ(p.x, 200);
  EXPECT_FLOAT_EQ(p.angle, 0);
  ASSERT_EQ(run.map.Signs(30).size(), 1u);  // 195 read as 542
  EXPECT_FLOAT_EQ(run.map.Signs(30).front()->angle, static_cast<float>(kPi / 2));
  ASSERT_EQ(run.map.Signs(31).size(), 1u);  // 51 read as 52
  EXPECT_FLOAT_EQ(run.map.Signs(31).front()->angle, static_cast<float>(2 * kPi));
  EXPECT_EQ(run.map.Signs(2).size(), 2u);  // defaults for point type 29 and sign 77
}

TEST(ZemLayer, Texts) {
  tzemrun run("texts");
  SmallNomenclature();
  run.Read("LAYER LESO\nT 20 1 10 20\nC 1 X Бук\nT 20 2 30 40 50\n\"a\\\"b\"\nT 99 3 0 0\nQ 1 X t\n"
           "T 503 4 0 0\n\"hidden\"\nEND_LAYER");
  EXPECT_EQ(run.Codes(), (std::vector<int>{101, 102}));
  EXPECT_EQ(run.findings[0].line, 6);
  EXPECT_EQ(run.findings[1].line, 7);
  ASSERT_EQ(run.map.Texts(4).size(), 2u);
  const texttype& first = *run.map.Texts(4).back();  // lists are newest first
  EXPECT_EQ(OemToUtf8(first.text), " Бук");
  EXPECT_FLOAT_EQ(first.angle, 0);
  EXPECT_EQ(first.justification, 0);
  EXPECT_FLOAT_EQ(first.y, 10);
  EXPECT_FLOAT_EQ(first.x, 20);
  const texttype& second = *run.map.Texts(4).front();
  EXPECT_EQ(second.text, "a\"b");
  EXPECT_FLOAT_EQ(second.angle, static_cast<float>(kPi / 2 - 50 * kPi / 200));
  EXPECT_EQ(run.map.Texts(2).size(), 1u);
  EXPECT_EQ(run.map.Texts(7).size(), 0u);
}

TEST(ZemLayer, LinesAndTheirPoints) {
  tzemrun run("lines");
  SmallNomenclature();
  run.Read("LAYER LESO\nL 10 1 0 2.5\n1 100 200 9;2 110 210\n3 120 220\nL 535 2 0 0\nEND_LAYER\n"
           "LAYER LESO\nL 999 3 0 0\nL 175 4 0 0\n5 1 1\nEND_LAYER");
  EXPECT_EQ(run.Codes(), (std::vector<int>{105, 105}));
  EXPECT_EQ(run.findings[0].ipara, 999);
  const tline* l1 = LineNumbered(run.map, 1);
  ASSERT_TRUE(l1);
  EXPECT_EQ(l1->type, 5);
  EXPECT_FLOAT_EQ(l1->width, 2.5f);
  EXPECT_EQ(l1->PointCount(), 3);
  float x, y;
  l1->ReadPoint(l1->first, x, y);
  EXPECT_FLOAT_EQ(y, 100);
  EXPECT_FLOAT_EQ(x, 200);
  l1->ReadPoint(l1->last, x, y);
  EXPECT_FLOAT_EQ(y, 120);
  EXPECT_FLOAT_EQ(x, 220);
  const tline* l2 = LineNumbered(run.map, 2);  // 535 read as 73, no points read
  ASSERT_TRUE(l2);
  EXPECT_EQ(l2->type, 6);
  EXPECT_EQ(l2->variant, 1);
  EXPECT_EQ(l2->PointCount(), 2);
  l2->ReadPoint(l2->first, x, y);
  EXPECT_FLOAT_EQ(x, 0);
  EXPECT_EQ(LineNumbered(run.map, 3)->type, 70);
  EXPECT_EQ(LineNumbered(run.map, 4)->hidden, 1);
}

// Lines 7 and 8 of a square meet at line 7's first point.
const char* kSquare =
    "L 10 7 0 0\n0 0 0;0 0 100\nL 10 8 0 0\n0 0 0;0 100 0\nL 10 9 0 0\n0 100 0;0 100 100;0 0 100\n";

TEST(ZemLayer, ContoursSidesAndDuplicates) {
  tzemrun run("contours");
  SmallNomenclature();
  run.Read(std::string("LAYER LESO\n") + kSquare +
           "C 0 5 50 50\n7 -8\n9\nC 0 5 1 1\n-7 8 12\nC 0 6 0 0\nEND_LAYER\n"
           "LAYER CADASTER\nL 10 12 0 0\n0 0 0\nC 0 5 0 0\n12\nEND_LAYER\nLAYER КАДАСТЪР\nC 0 5 0 0\n7\nEND_LAYER");
  EXPECT_EQ(run.Codes(), (std::vector<int>{107, 106, 108, 107, 106, 108}));
  EXPECT_EQ(run.findings[1].ipara, 12);
  EXPECT_EQ(run.findings[1].line, 12);
  EXPECT_EQ(run.findings[2].ipara, 6);
  EXPECT_EQ(run.findings[2].line, 13);
  EXPECT_EQ(run.findings[4].ipara, 7);  // line 7 is not in this block

  std::vector<tpodotdel*> fives = run.reader->ForestContours().Contours(5);
  ASSERT_EQ(fives.size(), 2u);
  EXPECT_EQ(run.reader->ForestContours().Find(5), fives[0]);
  const tpodotdel& c = *fives[0];
  EXPECT_EQ(c.polygon_id, 5);
  EXPECT_EQ(c.number, "\x01");
  EXPECT_FLOAT_EQ(c.label_y, 50);
  ASSERT_EQ(c.sides.size(), 3u);
  EXPECT_EQ(c.sides[0].line->number, 7);
  EXPECT_EQ(c.sides[0].direction, 0);
  EXPECT_EQ(c.sides[1].direction, 1);
  EXPECT_EQ(c.sides[2].direction, 1);
  EXPECT_TRUE(c.sides[0].line->OwnedBy(&c));
  EXPECT_EQ(run.reader->CadasterContours().Count(), 2u);
}

TEST(ZemLayer, UnattachedContoursLeaveNoOwnerBehind) {
  tzemrun run("owners");
  SmallNomenclature();
  run.Read(std::string("LAYER LESO\n") + kSquare + "C 0 5 0 0\n7 8 9\nEND_LAYER");
  const tline* l7 = LineNumbered(run.map, 7);
  ASSERT_EQ(l7->owners.size(), 1u);
  run.reader.reset();
  EXPECT_TRUE(l7->owners.empty());
}

}  // namespace
}  // namespace dornavik::testing
