#include <gtest/gtest.h>

#include "base/text.h"
#include "checks/findingtexts.h"
#include "tables/dmnom.h"
#include "tables/nomtables.h"
#include "zemrun.h"

namespace dornavik::testing {
namespace {

using tvalues = std::vector<std::pair<std::string, std::string>>;

std::string Table(int number, const std::string& name, const std::vector<tvalues>& rows,
                  const std::vector<std::string>& omit = {}) {
  std::string s = "TABLE " + name + "\n" + FieldLines(number, omit);
  for (const tvalues& r : rows) s += DataLine(number, r);
  return s + "END_TABLE\n";
}

// Forest contours 5, 6 and 7 (without sides).
const char* kContours = "LAYER LESO\nC 0 5 0 0\nC 0 6 0 0\nC 0 7 0 0\nEND_LAYER\n";

// Settlement 12345 "с. Бор" in a nomenclature folder of the test.
class tsettlements {
 public:
  explicit tsettlements(const tscratch& folder) {
    std::string source = folder.Path() + "nzeml.txt";
    WriteBytes(source, "OBS C 3|EKNM C 5|IME C 30|SELO C 4\n001|12345|Бор| с. \n");
    std::filesystem::create_directories(folder.Path() + "nom");
    BuildNomenclatureTable(host_, source, folder.Path() + "nom/");
    tables = std::make_unique<T_dmNom>(host_, folder.Path() + "nom/");
  }
  std::unique_ptr<T_dmNom> tables;

 private:
  tzemhost host_;
};

// The codes of the findings, leaving out 108 (the test contours have no sides).
std::vector<int> TableCodes(const std::vector<int>& codes) {
  std::vector<int> c;
  for (int code : codes)
    if (code != 108) c.push_back(code);
  return c;
}

TEST(ZemTables, FieldMatching) {
  tzemrun run("matching");
  std::string fields = FieldLines(kZemComposite, {"AREA", "TYPE", "PART", "BONITET"});
  run.Read("TABLE COMPOSITE\n" + fields +
           "F type S 4 0\nF PART N 2 0\nF BONITET N 3 1\nF area C 5 1\nF EXTRA C 1 0\n"
           "D \"07\",12,3,1\nF LATE C 1 0\nBAD LINE\n\nEND_TABLE");
  std::vector<std::pair<int, int>> got;
  for (const terrrec& f : run.findings)
    if (f.code >= 201 && f.code <= 206) got.push_back({f.code, f.code == 205 || f.code == 206 ? f.line : f.nom});
  EXPECT_EQ(got, (std::vector<std::pair<int, int>>{{203, 5}, {204, 7}, {202, 8}, {205, 1}, {206, 14}}));
  EXPECT_EQ(run.Finding(203)->table, kZemComposite);
  EXPECT_EQ(run.Finding(203)->line, 7);  // the F line of TYPE
}

TEST(ZemTables, TableStructureFindings) {
  tzemrun run("structure");
  run.Read("TABLE ROADS\nD 1\nEND_TABLE\nTABLE PODOTDELI\n" + FieldLines(kZemPodotdeli, {"DOCAREA"}) +
           "D 5\nTABLE WOODTYPE\nD 1\nEND_TABLE\nTABLE\n");
  std::vector<int> codes;
  for (int c : run.Codes())
    if (c == 13 || c == 201 || c == 211 || c == 215) codes.push_back(c);
  EXPECT_EQ(codes, (std::vector<int>{13, 201, 211, 215}));
  EXPECT_EQ(run.Finding(13)->line, 1);
  EXPECT_EQ(run.Finding(201)->nom, 15);
  EXPECT_EQ(run.Finding(201)->line, 4);
  EXPECT_EQ(run.Finding(201)->table, kZemPodotdeli);
  EXPECT_EQ(run.Finding(215)->line, 20);
  EXPECT_TRUE(run.reader->AtEnd());
}

TEST(ZemTables, PodotdeliRowsKeysAndContours) {
  tzemrun run("podotdeli", true);
  run.Read(std::string(kContours) +
           Table(kZemPodotdeli, "PODOTDELI",
                 {{{"IDENT", "5"}, {"DL", "\"07\""}, {"OTDEL", "12"}, {"PODOTDEL", "\"3\""}, {"VT", "2"},
                   {"VIDGORA", "1"}, {"VIDPOD", "1"}, {"PREDNA", "1"}, {"DOCAREA", "2.0"}},
                  {{"IDENT", "6"}, {"DL", "\"07\""}, {"OTDEL", "12а"}, {"PODOTDEL", "\"а\""}, {"VT", "1"},
                   {"VIDGORA", "1"}, {"VIDPOD", "1"}, {"PREDNA", "1"}},
                  {{"IDENT", "5"}, {"DL", "\"07\""}, {"OTDEL", "13"}, {"PODOTDEL", "\"4\""}, {"VT", "12"},
                   {"VIDGORA", "1"}, {"VIDPOD", "1"}, {"PREDNA", "1"}},
                  {{"IDENT", "9"}, {"OTDEL", "14"}, {"PODOTDEL", "\"1\""}}},
                 {"DOCAREA"}));
  EXPECT_EQ(run.map.forestry.code, "07");
  ASSERT_TRUE(run.Tables());
  // The missing DOCAREA: 201 nom 15, and the area reads 0.
  EXPECT_EQ(run.Finding(201)->nom, 15);
  tpodrec rec;
  ASSERT_TRUE(run.Tables()->ReadSubCompartment("   12", "     3  ", false, rec));
  EXPECT_EQ(rec.vt, 2);
  EXPECT_EQ(rec.larea, 0);
  // VT 1: the row and the compartment under "*12"; 12а has the key of 12.
  ASSERT_TRUE(run.Tables()->ReadSubCompartment("*12", Utf8ToWindows("а"), false, rec));
  EXPECT_EQ(rec.vt, 1);
  tcompartmentrow o;
  EXPECT_TRUE(run.Tables()->ReadCompartment("*12", o));
  EXPECT_EQ(o.vt, 1);
  EXPECT_TRUE(run.Tables()->ReadCompartment("12", o));
  EXPECT_EQ(o.vt, 2);
  // VT 12 of the third row: 210 for field 5, stored 0; its IDENT 5 is taken: 212.
  const terrrec* vt = run.Finding(210);
  ASSERT_TRUE(vt);
  EXPECT_EQ(vt->nom, 5);
  EXPECT_EQ(vt->ipara, 12);
  EXPECT_EQ(vt->otdel, "   13");
  EXPECT_EQ(vt->pod, "     4  ");
  ASSERT_TRUE(run.Tables()->ReadSubCompartment("13", "4", false, rec));
  EXPECT_EQ(rec.vt, 0);
  EXPECT_EQ(run.Finding(212)->pod, "     5");
  EXPECT_EQ(run.Finding(212)->line, 23);
  // The fourth row: no DL (207), VT 0 (221 for field 5), no contour 9 (211).
  EXPECT_EQ(run.Finding(207)->otdel, "   14");
  EXPECT_EQ(run.Finding(211)->pod, "     9");
  EXPECT_EQ(run.Finding(221)->nom, 5);
  EXPECT_FALSE(run.Tables()->ReadSubCompartment("14", "1", false, rec));

  tpodotdel* c5 = run.reader->ForestContours().Find(5);
  EXPECT_EQ(c5->otdel, "12");
  EXPECT_EQ(c5->number, "3");
  ASSERT_TRUE(c5->compartment);
  EXPECT_EQ(c5->compartment->number, "12");
  tpodotdel* c6 = run.reader->ForestContours().Find(6);
  EXPECT_EQ(c6->otdel, "*12");
  EXPECT_EQ(OemToUtf8(c6->number), "а");
  EXPECT_EQ(run.reader->ForestContours().Find(7)->number, "\x01");
}

TEST(ZemTables, PodotdeliOfVersion210HasWiderFields) {
  tzemrun run("v210");
  std::string fields = FieldLines(kZemPodotdeli);
  run.Read("HEADER\nVERSION 2.10\nEND_HEADER\nTABLE PODOTDELI\n" + fields + "D 1\nEND_TABLE\n");
  EXPECT_EQ(run.Count(203), 3);  // OTDEL, PODOTDEL and VIDPOD of the older widths
}

TEST(ZemTables, Podotdeli1ChecksAndColumns) {
  tzemrun run("podotdeli1", true);
  tsettlements settlements(run.folder);
  run.nom_tables = settlements.tables.get();
  tvalues base = {{"DL", "\"07\""}, {"OTDEL", "12"}, {"SECTION", "1"}, {"PURPOSE1", "1"}};
  auto row = [&](tvalues extra) {
    tvalues v = base;
    v.insert(v.end(), extra.begin(), extra.end());
    return v;
  };
  run.Read(Table(kZemPodotdeli, "PODOTDELI",
                 {{{"IDENT", "1"}, {"DL", "\"07\""}, {"OTDEL", "12"}, {"PODOTDEL", "\"3\""}, {"VT", "2"},
                   {"VIDGORA", "1"}, {"VIDPOD", "1"}, {"PREDNA", "1"}, {"DOCAREA", "2.0"}}}) +
           Table(kZemPodotdeli1, "PODOTDELI1",
                 {row({{"PODOTDEL", "\"3\""}, {"EKATTE", "12345"}, {"SOBST", "99"}, {"NADMVIS", "3200"},
                       {"DEPTH", "12"}, {"FRONTAGE", "4"}, {"STLIST", "7"}, {"FIRE", "2"}, {"SCHEME", "\"2x1\""}}),
                  row({{"PODOTDEL", "\"4\""}, {"EKATTE", "12345"}, {"SOBST", "50"}, {"STLIST", "8"}})}));
  // The first row: 213 for NADMVIS, 210 for DEPTH; SOBST 99 passes.
  tpodrec rec;
  ASSERT_TRUE(run.Tables()->ReadSubCompartment("12", "3", false, rec));
  EXPECT_EQ(rec.vs, 99);
  EXPECT_EQ(rec.wiso, 0);
  EXPECT_EQ(rec.depth, 0);
  EXPECT_EQ(rec.izl, 4);
  EXPECT_EQ(rec.vt, 2);  // kept from the PODOTDELI row
  EXPECT_EQ(rec.zeml, 1);
  EXPECT_EQ(rec.shema, "2x1");
  tcompartmentrow o;
  ASSERT_TRUE(run.Tables()->ReadCompartment("12", o));
  EXPECT_EQ(o.sl, 8);  // the second row of the compartment wrote it last
  EXPECT_EQ(o.tu, 1);
  EXPECT_EQ(o.po, 0);
  std::vector<std::pair<int, int>> got;
  for (const terrrec& f : run.findings)
    if (f.table == kZemPodotdeli1) got.push_back({f.code, f.nom});
  EXPECT_EQ(got, (std::vector<std::pair<int, int>>{{213, 13}, {210, 26}, {226, 0}, {210, 9}}));
  EXPECT_DOUBLE_EQ(run.Finding(213)->rpara, 3200);
  // The second row's sub-compartment had no PODOTDELI row; SOBST 50 is stored 0.
  ASSERT_TRUE(run.Tables()->ReadSubCompartment("12", "4", false, rec));
  EXPECT_EQ(rec.vs, 0);
  EXPECT_EQ(rec.zeml, 1);
}

TEST(ZemTables, EmptyEkatteIsMissingAndUnknown) {
  tzemrun run("ekatte");
  tsettlements settlements(run.folder);
  run.nom_tables = settlements.tables.get();
  run.Read(Table(kZemPodotdeli1, "PODOTDELI1",
                 {{{"DL", "\"07\""}, {"OTDEL", "1"}, {"PODOTDEL", "\"1\""}, {"SECTION", "1"}, {"SOBST", "1"},
                   {"PURPOSE1", "1"}}}));
  EXPECT_EQ(run.Codes(), (std::vector<int>{226, 219, 220}));
  EXPECT_EQ(run.Finding(220)->nom, 4);
}

TEST(ZemTables, LatinLetterInTheNumberOnceInEveryTable) {
  tzemrun run("latin");
  tvalues latin = {{"OTDEL", "1"}, {"PODOTDEL", "\"1a\""}, {"NUMBER", "1"}};
  tvalues cyrillic = {{"OTDEL", "1"}, {"PODOTDEL", "\"1а\""}, {"NUMBER", "1"}};
  run.Read(Table(kZemPodotdeli, "PODOTDELI", {latin, cyrillic}) + Table(kZemPodotdeli1, "PODOTDELI1", {latin}) +
           Table(kZemWoodtype, "WOODTYPE", {latin}) + Table(kZemComposite, "COMPOSITE", {latin, cyrillic}));
  std::vector<int> tables;
  for (const terrrec& f : run.findings)
    if (f.code == 223) {
      tables.push_back(f.table);
      EXPECT_EQ(f.nom, 3);
    }
  EXPECT_EQ(tables, (std::vector<int>{3, 4, 5, 6}));
}

TEST(ZemTables, SpeciesAndComposition) {
  tzemrun run("species", true);
  tvalues key = {{"DL", "\"07\""}, {"OTDEL", "12"}, {"PODOTDEL", "\"3\""}};
  auto row = [&](tvalues extra) {
    tvalues v = key;
    v.insert(v.end(), extra.begin(), extra.end());
    return v;
  };
  run.Read(Table(kZemPodotdeli, "PODOTDELI",
                 {row({{"IDENT", "1"}, {"VT", "2"}, {"VIDGORA", "1"}, {"VIDPOD", "1"}, {"PREDNA", "1"},
                       {"DOCAREA", "2.0"}})}) +
           Table(kZemWoodtype, "WOODTYPE",
                 {row({{"NUMBER", "1"}, {"TYPE", "10"}, {"HEIGHT", "12.6"}, {"STAGE", "9"}}),
                  row({{"NUMBER", "12"}, {"TYPE", "10"}})}) +
           Table(kZemComposite, "COMPOSITE",
                 {row({{"NUMBER", "1"}, {"TYPE", "10"}, {"AREA", "2.5"}}), row({{"NUMBER", "2"}, {"AREA", "1.5"}})}));
  tspeciesrow s;
  ASSERT_TRUE(run.Tables()->ReadSpecies("12", "3", 1, s));
  EXPECT_EQ(s.dv, 10);
  EXPECT_EQ(s.h, 13);
  EXPECT_EQ(s.et, 0);
  EXPECT_FALSE(run.Tables()->ReadSpecies("12", "3", 12, s));
  std::vector<std::pair<int, int>> got;
  for (const terrrec& f : run.findings)
    if (f.table >= kZemWoodtype) got.push_back({f.code, f.nom});
  EXPECT_EQ(got, (std::vector<std::pair<int, int>>{{210, 6}, {210, 5}, {213, 8}}));
  EXPECT_EQ(FindingText(*run.Finding(210)).find(ZemFieldTitle(kZemWoodtype, 6)) != std::string::npos, true);
  tcompositionrow c;
  ASSERT_TRUE(run.Tables()->ReadComposition("12", "3", 1, c));
  EXPECT_EQ(c.ar, 0);
  ASSERT_TRUE(run.Tables()->ReadComposition("12", "3", 2, c));
  EXPECT_DOUBLE_EQ(c.ar, 1.5);
}

TEST(ZemTables, Sections) {
  tzemrun run("sections", true);
  run.Read(Table(kZemSections, "SECTIONS",
                 {{{"COD", "-3"}},
                  {{"DL", "\"07\""}, {"COD", "4"}, {"NAME", "\"Север\""}},
                  {{"DL", "\"07\""}, {"COD", "4"}, {"NAME", "\"Юг\""}},
                  {{"DL", "\"07\""}, {"COD", "0"}}}));
  EXPECT_EQ(run.Codes(), (std::vector<int>{225, 214, 216, 224}));
  EXPECT_EQ(run.findings[0].ipara, -3);
  EXPECT_EQ(run.findings[1].ipara, -3);
  EXPECT_EQ(run.findings[2].ipara, 4);
  EXPECT_EQ(run.findings[0].table, kZemSections);
  EXPECT_EQ(WindowsToUtf8(run.Tables()->SectionName(4)), "Юг");
}

TEST(ZemTables, ImotiNeedsItsForestryCode) {
  const std::string file =
      "LAYER CADASTER\nC 0 77 0 0\nC 0 78 0 0\nEND_LAYER\n" +
      Table(kZemImoti, "IMOTI",
            {{{"IDENT", "77"}, {"IDENTM", "12"}, {"IDENTI", "5"}, {"VIDT", "1"}, {"NTP", "1201"}},
             {{"IDENT", "78"}, {"IDENTM", "1"}, {"IDENTI", "0"}, {"VIDT", "3"}},
             {{"IDENT", "79"}}});
  {
    tzemrun run("imoti-none");
    run.Read(file);
    EXPECT_TRUE(TableCodes(run.Codes()).empty());
    ASSERT_EQ(run.host.messages.size(), 1u);
    EXPECT_EQ(run.map.CompartmentCount(), 0);
  }
  tzemrun run("imoti", true);
  run.host.forestry_code = "07";
  run.Read(file);
  EXPECT_EQ(run.map.forestry.code, "07");
  EXPECT_EQ(TableCodes(run.Codes()), std::vector<int>{202});
  EXPECT_EQ(run.Finding(202)->pod, "      79");
  EXPECT_EQ(run.Finding(202)->table, kZemImoti);
  tpodotdel* c = run.reader->CadasterContours().Find(77);
  EXPECT_EQ(c->otdel, "12000");
  EXPECT_EQ(c->number, "12005");
  ASSERT_TRUE(c->compartment);
  tcompartmentrow o;
  ASSERT_TRUE(run.Tables()->ReadCompartment("12000", o));
  EXPECT_EQ(o.vt, 1);
  EXPECT_EQ(run.reader->CadasterContours().Find(78)->compartment, nullptr);
}

}  // namespace
}  // namespace dornavik::testing
