#include "tables/query.h"

#include <gtest/gtest.h>

#include "base/codepage.h"
#include "base/errors.h"
#include "tables/dmdata.h"
#include "tables/dmnom.h"
#include "tables/keys.h"
#include "tables/projecttables.h"
#include "tables/recordinghost.h"

namespace dornavik {
namespace {

using testing::trecordinghost;
using testing::tscratchfolder;

// A unit "07" with compartments 12 (sub-compartments 1, 2, а) and 13 (1), and
// the excluded "*14".
struct tproject {
  tscratchfolder dir{"query"};
  trecordinghost host;
  tproject() {
    tunittables t(host, dir.Path(), "07");
    struct trow {
      const char* otdel;
      const char* pod;
      double larea;
      int vs, zeml;
    };
    const trow rows[] = {{"12", "1", 1.5, 1, 1}, {"12", "2", 2.25, 0, 1}, {"12", "\xE0", 0.5, 1, 2},
                         {"13", "1", 4.0, 1, 1}, {"*14", "1", 9.0, 1, 1}};
    for (const trow& r : rows) {
      tpodrec rec;
      rec.larea = r.larea;
      rec.vs = r.vs;
      rec.zeml = r.zeml;
      rec.vg = 2;
      t.WriteSubCompartment(r.otdel, r.pod, false, rec);
    }
    tcompartmentrow o;
    o.tu = 5;
    o.sl = 7;
    t.WriteCompartment("12", o);
    t.SetSectionName(5, "Bistrica");
    tspeciesrow s;
    s.number = 1;
    s.p = 45;
    t.WriteSpecies("12", "1", s);
  }
};

TEST(Query, ReportStatementsOverTheProjectTables) {
  tproject p;
  tquery q(p.dir.Path());
  tresultset r = q.Run(
      "select Otdel,Sum(LAREA) as suma,COUNT(POD) broj from '07po.dbf' where (otdel not like '%*%') and "
      "(pod not like '%*%') group by OTDEL");
  ASSERT_EQ(r.rows.size(), 2u);
  EXPECT_EQ(r.Text(0, "OTDEL"), "   12");
  EXPECT_DOUBLE_EQ(r.Number(0, "suma"), 4.25);
  EXPECT_EQ(r.Text(0, "broj"), "3");
  EXPECT_DOUBLE_EQ(r.Number(1, "suma"), 4.0);

  // Numbers compare with quoted digits, as the reports write them.
  r = q.Run("select count(*) n, sum(larea) s from '07PO.DBF' where VS='1' and otdel not like '%*%'");
  EXPECT_EQ(r.Text(0, "n"), "3");
  EXPECT_DOUBLE_EQ(r.Number(0, "s"), 6.0);

  r = q.Run("select zeml,vs,sum(LAREA) from '07po.dbf' where (otdel not like '%*%') and (pod not like '%*%') "
            "group by zeml,vs");
  ASSERT_EQ(r.rows.size(), 3u);
  EXPECT_EQ(r.rows[0], (std::vector<std::string>{"1", "0", "2.25"}));

  r = q.Run("select po.pod, dv.p from '07po.dbf' po left join '07dv.dbf' dv on po.otdel = dv.otdel and "
            "po.pod = dv.pod where po.otdel = '   12' order by po.pod");
  ASSERT_EQ(r.rows.size(), 3u);
  EXPECT_TRUE(r.null_at(2, 1) || r.null_at(1, 1));

  EXPECT_THROW(q.Run("select * from 'missing.dbf'"), terror);
  EXPECT_THROW(q.Run("select nonsense from"), terror);
}

TEST(DataModule, TargetsTheUnitsTablesAndShowsItsLookups) {
  tproject p;
  trecordinghost host;
  T_dmNom nom(host, p.dir.Path());  // no nomenclature here: names stay empty
  host.messages.clear();
  T_DMData dm(host, nom, "", "");
  EXPECT_EQ(T_DMData::TableName(ktOtdeli, "07"), "07O.DBF");
  EXPECT_EQ(T_DMData::TableName(ktOTPOD, "07"), "07PO.DBF");
  dm.SetDirEknm(p.dir.Path(), "07");
  EXPECT_TRUE(host.messages.empty());
  for (int t = 0; t < kDmTableCount; ++t) EXPECT_TRUE(dm.Table(tdmtable(t)).IsOpen()) << t;

  ASSERT_TRUE(dm.Table(ktOtdeli).FindKey({"   12"}));
  EXPECT_EQ(dm.TehnuName(), "Bistrica");
  EXPECT_EQ(dm.CompartmentSubCompartments().size(), 3u);

  dm.SetCompartmentFilter("   12");
  int n = 0;
  for (bool row = dm.PoFirst(); row; row = dm.PoNext()) {
    ++n;
    EXPECT_EQ(dm.PoStoplist(), 7);
    EXPECT_EQ(dm.PoTUcod(), 5);
    EXPECT_EQ(dm.PoTehnuna(), "Bistrica");
  }
  EXPECT_EQ(n, 3);

  tresultset r = dm.RunQuery(dm.qDVsql);
  ASSERT_EQ(r.rows.size(), 1u);
  EXPECT_EQ(DisplayValue(tdisplayrule::fullness, r.Text(0, "OTDEL"), r.Text(0, "POD"), r.Number(0, "P")), "4.5");

  dm.SetDirEknm(p.dir.Path(), "09");  // no such unit: one message per table
  EXPECT_EQ(host.messages.size(), size_t(kDmTableCount));
  EXPECT_NE(host.messages[0].find("Грешка tOtdeli 09O.DBF....... "), std::string::npos) << host.messages[0];
}

TEST(DataModule, DisplayRules) {
  struct tcase {
    tdisplayrule rule;
    double value;
    const char* text;
  };
  const tcase cases[] = {
      {tdisplayrule::sech, 30, "30 %"},     {tdisplayrule::age, 80, "80 г."},
      {tdisplayrule::height, 24, "24 м"},   {tdisplayrule::diameter, 32, "32 см."},
      {tdisplayrule::fullness, 0, "0"},     {tdisplayrule::fullness, 45, "4.5"},
      {tdisplayrule::larea, 2.35, "       2.4 ха"},
  };
  for (const tcase& c : cases) EXPECT_EQ(WindowsToUtf8(DisplayValue(c.rule, "   12", "    1   ", c.value)), c.text);
  EXPECT_EQ(DisplayValue(tdisplayrule::sech, "     ", "        ", 30), "");
  EXPECT_EQ(WindowsToUtf8(DisplayValue(tdisplayrule::larea, "", "", 0.7)), "       0.7 ха");
}

}  // namespace
}  // namespace dornavik
