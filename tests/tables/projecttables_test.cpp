#include "tables/projecttables.h"

#include <gtest/gtest.h>

#include "base/files.h"
#include "tables/keys.h"
#include "tables/recordinghost.h"

namespace dornavik {
namespace {

using testing::trecordinghost;
using testing::tscratchfolder;

TEST(Keys, CompartmentAndSubCompartmentForms) {
  const std::pair<const char*, const char*> otdel[] = {
      {"12", "   12"}, {" 12a ", "   12"}, {"abc", "     "}, {"", "     "}, {"1a2b", "  1a2"}, {"1234567", "1234567"}};
  for (const auto& [in, key] : otdel) EXPECT_EQ(OtdelKey(in), key) << in;
  const std::pair<const char*, const char*> pod[] = {
      {"12", "    12  "}, {" \xE0 ", "       \xE0"}, {"1\xE0", "    1\xE0  "}, {"", "        "}, {"123456789", "123456789  "}};
  for (const auto& [in, key] : pod) EXPECT_EQ(PodKey(in), key) << in;
  EXPECT_EQ(TableOtdelKey(" *12 "), "*12");
  EXPECT_EQ(TableOtdelKey("12"), "   12");
}

TEST(ProjectTables, SevenFilesWithTheirColumnsAndTheSubCompartmentRow) {
  tscratchfolder dir("project");
  trecordinghost host;
  tunittables tables(host, dir.Path(), "07");
  for (const char* name : {"07po.DBF", "07dv.DBF", "07co.DBF", "07O.DBF", "07tu.DBF", "07ze.DBF", "07sl.DBF"})
    EXPECT_TRUE(FileFound(dir.Path() + name)) << name;
  EXPECT_EQ(tables.Table(kPo).FieldCount(), 86);
  EXPECT_EQ(tables.Table(kPo).Field(85).name, "VS");
  EXPECT_EQ(tables.Table(kPo).Field(62).name, "LAREA");
  EXPECT_EQ(tables.Table(kDv).FieldCount(), 20);
  EXPECT_EQ(tables.Table(kCo).FieldCount(), 8);
  EXPECT_EQ(tables.Table(kO).FieldCount(), 10);
  EXPECT_EQ(tables.Table(kTu).FieldCount(), 7);
  EXPECT_EQ(tables.Table(kZe).FieldCount(), 3);
  EXPECT_EQ(tables.Table(kSl).FieldCount(), 6);

  tpodrec rec;
  EXPECT_FALSE(tables.ReadSubCompartment("12", "1", false, rec));
  rec.vt = 1;
  rec.larea = 2.35;
  rec.pred1 = 140;
  rec.sech9 = 85;
  rec.shemal = "1x2";
  tables.WriteSubCompartment("12", "1", false, rec);
  rec.vt = 2;
  tables.WriteSubCompartment("12", "1", false, rec);  // the same row again
  EXPECT_EQ(tables.Table(kPo).RecordCount(), 1);
  // A column without a tpodrec field keeps what another program wrote.
  ASSERT_TRUE(tables.Table(kPo).FindKey({"   12", PodKey("1")}));
  tables.Table(kPo).SetNumber("SECHGOD", 2019);

  tpodrec back;
  back.vg = 9;
  ASSERT_TRUE(tables.ReadSubCompartment("12", "1", false, back));
  EXPECT_EQ(back.otdel, "   12");
  EXPECT_EQ(back.vt, 2);
  EXPECT_EQ(back.vg, 0);
  EXPECT_DOUBLE_EQ(back.larea, 2.35);
  EXPECT_EQ(back.pred1, 140);
  EXPECT_EQ(back.sech9, 85);
  EXPECT_EQ(back.shemal, "1x2");
  tables.WriteSubCompartment("12", "1", false, back);
  EXPECT_EQ(tables.Table(kPo).Integer("SECHGOD"), 2019);

  int vt = -1, pred1 = -1;
  EXPECT_TRUE(tables.ReadColumns(" 12 ", "1", false, "VT", vt, "PRED1", pred1));
  EXPECT_EQ(vt, 2);
  EXPECT_EQ(pred1, 140);
  EXPECT_FALSE(tables.ReadColumns("13", "1", false, "VT", vt));
  EXPECT_EQ(vt, 0);

  // The map's numbers are in the DOS code page: "а" is 0xA0 there, 0xE0 in cp1251.
  tables.WriteSubCompartment("12", "\xE0", false, rec);
  double hectares = 0;
  EXPECT_TRUE(tables.SubCompartmentHectares("12", "\xA0", hectares));
  EXPECT_DOUBLE_EQ(hectares, 2.35);
  EXPECT_FALSE(tables.SubCompartmentHectares("12", "\xE0", hectares));
  EXPECT_TRUE(host.messages.empty());
}

TEST(ProjectTables, CompartmentSpeciesCompositionSectionsAndSettlements) {
  tscratchfolder dir("project-rows");
  trecordinghost host;
  tunittables tables(host, dir.Path(), "07");
  tcompartmentrow o;
  EXPECT_FALSE(tables.ReadCompartment("12", o));
  o.tu = 3;
  o.vt = 1;
  tables.WriteCompartment("12", o);
  o.sl = 4;
  tables.WriteCompartment("12", o);
  ASSERT_TRUE(tables.ReadCompartment("   12", o));
  EXPECT_EQ(o.tu, 3);
  EXPECT_EQ(o.sl, 4);
  EXPECT_EQ(tables.Table(kO).RecordCount(), 1);

  tspeciesrow s;
  for (int number : {1, 2}) {
    s.number = number;
    s.dv = 20 + number;
    tables.WriteSpecies("12", "1", s);
  }
  s.number = 2;
  s.dv = 31;
  s.usage = 12.5;
  tables.WriteSpecies("12", "1", s);  // replaces the second row
  EXPECT_EQ(tables.Table(kDv).RecordCount(), 2);
  tspeciesrow back;
  ASSERT_TRUE(tables.ReadSpecies("12", "1", 2, back));
  EXPECT_EQ(back.dv, 31);
  EXPECT_DOUBLE_EQ(back.usage, 12.5);
  ASSERT_TRUE(tables.ReadSpecies("12", "1", 1, back));
  EXPECT_EQ(back.dv, 21);
  EXPECT_FALSE(tables.ReadSpecies("12", "2", 1, back));

  tcompositionrow c;
  c.number = 1;
  c.ar = 0.7;
  tables.WriteComposition("12", "1", c);
  c.ar = 0.8;
  tables.WriteComposition("12", "1", c);
  ASSERT_TRUE(tables.ReadComposition("12", "1", 1, c));
  EXPECT_DOUBLE_EQ(c.ar, 0.8);
  EXPECT_EQ(tables.Table(kCo).RecordCount(), 1);

  EXPECT_EQ(tables.SectionName(5), "");
  tables.SetSectionName(5, "\xC8\xE7\xF2\xEE\xF7\xED\xE0");
  tables.SetSectionName(5, "\xC8\xE7\xF2\xEE\xF7\xED\xE0 2");
  EXPECT_EQ(tables.SectionName(5), "\xC8\xE7\xF2\xEE\xF7\xED\xE0 2");
  EXPECT_EQ(tables.Table(kTu).RecordCount(), 1);

  EXPECT_EQ(tables.SettlementNumber(65231, "gr. Samokov"), 1);
  EXPECT_EQ(tables.SettlementNumber(4604, "s. Beli Iskar"), 2);
  EXPECT_EQ(tables.SettlementNumber(65231, "other"), 1);
  EXPECT_EQ(tables.SettlementNumber(56095, "s. Raduil"), 3);
  ASSERT_TRUE(tables.Table(kZe).FindKey({"2"}));
  EXPECT_EQ(tables.Table(kZe).Text("EKNM"), "04604");

  tables.EmptyAll();
  EXPECT_EQ(tables.Table(kZe).RecordCount(), 0);
  EXPECT_EQ(tables.SettlementNumber(56095, "s. Raduil"), 1);
  EXPECT_TRUE(host.messages.empty());
}

TEST(ProjectTables, SubCompartmentTableOfAnotherColumnCountIsRestructured) {
  tscratchfolder dir("project-restructure");
  trecordinghost host;
  {
    const std::vector<tdefrec> older = {{"OTDEL", 'C', 5, 0}, {"POD", 'C', 8, 0}, {"LAREA", 'N', 10, 2}, {"VT", 'N', 2, 0}};
    tdbfile old(host, dir.Path() + "07po", {}, older);
    old.Open();
    old.Append();
    old.SetText("OTDEL", "   12");
    old.SetText("POD", PodKey("1"));
    old.SetNumber("LAREA", 4.25);
    old.SetNumber("VT", 3);
  }
  tunittables tables(host, dir.Path(), "07");
  EXPECT_EQ(tables.Table(kPo).FieldCount(), 86);
  tpodrec rec;
  ASSERT_TRUE(tables.ReadSubCompartment("12", "1", false, rec));
  EXPECT_DOUBLE_EQ(rec.larea, 4.25);
  EXPECT_EQ(rec.vt, 3);
  EXPECT_FALSE(FileFound(dir.Path() + "07poup.dbf"));
}

TEST(ProjectTables, OpenerFillsTheUnitFromTheNomenclature) {
  tscratchfolder dir("project-opener");
  trecordinghost host;
  setenv("DORNAVIK_HOME", DORNAVIK_PROGRAM_DIR, 1);
  ResetFolders();
  tforestry unit;
  unit.code = "08";
  auto tables = ProjectTablesOpener(host)(unit, dir.Path() + "map.A");
  ASSERT_NE(tables, nullptr);
  EXPECT_TRUE(FileFound(dir.Path() + "08po.DBF"));
  if (FileFound(std::string(DORNAVIK_PROGRAM_DIR) + "/NGS.DBF")) {
    EXPECT_EQ(unit.kind, 1);
    EXPECT_FALSE(unit.name.empty());
    EXPECT_FALSE(unit.directorate.empty());
  }
}

}  // namespace
}  // namespace dornavik
