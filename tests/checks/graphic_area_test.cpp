// Declared areas (110), closed rings (112), graphic against documented areas
// (222), large forest sub-compartments (116) and the AREA / XA write-back.
#include <gtest/gtest.h>

#include <cmath>

#include "checks/checkmap.h"
#include "checks/graphicchecks.h"
#include "tables/keys.h"

namespace dornavik {
namespace {

using testing::kDosA;
using testing::tcheckmap;

TEST(DeclaredAreaCheck, ReportsDifferencesOf1Point1SquareMetresOrMore) {
  tcheckmap m("chk-declared");
  m.Rect("1", "1", 101, 0, 0, 1, 1);        // 1.0 m², nothing declared
  m.Rect("1", "2", 102, 10, 0, 11, 1.1f);   // 1.1 m², nothing declared
  m.Rect("1", "3", 103, 20, 0, 120, 100).declared_area = 10000.5;
  m.Rect("1", "4", 104, 200, 0, 300, 100).declared_area = 9998;
  CheckDeclaredAreas(m.map, *m.errors, m.host);
  CheckDeclaredAreas(m.map, *m.errors, m.host);

  const std::vector<terrrec> found = m.Findings(110);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].ipara, 102);
  EXPECT_NEAR(found[0].rpara, 1.1, 0.005);
  EXPECT_EQ(found[0].pod1, "0.0");
  EXPECT_EQ(found[0].otdel, "    1");
  EXPECT_EQ(found[0].pod, "     2");
  EXPECT_EQ(found[1].ipara, 104);
  EXPECT_EQ(found[1].rpara, 10000);
  EXPECT_EQ(found[1].pod1, "9998.0");
}

TEST(ContourCheck, ReportsRingsThatDoNotCloseWithinTheTolerance) {
  tcheckmap m("chk-open");
  auto gap_ring = [&](const std::string& pod, int id, float x, float gap) {
    tline& a = m.Line({{x, 0}, {x + 100, 0}, {x + 100, 100}});
    tline& b = m.Line({{x + 100, 100}, {x, 100}, {x, gap}});
    m.Contour("3", pod, id, {&a, &b});
  };
  gap_ring("1", 31, 0, 4);    // 4 m gap: bridged
  gap_ring("2", 32, 200, 6);  // 6 m gap: open
  CheckContours(m.map, *m.errors, m.host);

  const std::vector<terrrec> open = m.Findings(112);
  ASSERT_EQ(open.size(), 1u);
  EXPECT_EQ(open[0].ipara, 32);
  EXPECT_EQ(open[0].otdel, "    3");
  EXPECT_EQ(open[0].pod, "     2");
}

// Graphic area 10 049 m² is 1.0 ha to one decimal.
TEST(ContourCheck, ComparesTheRoundedGraphicAreaWithLarea) {
  struct tcase {
    double larea;
    bool reported;
  };
  for (const tcase& c : {tcase{1.1, false}, tcase{1.2, true}, tcase{0.9, false}, tcase{0.8, true}}) {
    SCOPED_TRACE(c.larea);
    tcheckmap m("chk-larea");
    m.Rect("7", "1", 71, 0, 0, 100.49f, 100);
    m.Row("7", "1", c.larea);
    CheckContours(m.map, *m.errors, m.host);
    const std::vector<terrrec> found = m.Findings(222);
    ASSERT_EQ(found.size(), c.reported ? 1u : 0u);
    if (c.reported) {
      EXPECT_EQ(found[0].ipara, std::lround(c.larea * 10));
      EXPECT_EQ(found[0].rpara, 1.0);  // 1.0049 ha, stored with two decimals
    }
  }
}

TEST(ContourCheck, WritesAreaAndXaBackAndAppendsMissingRows) {
  tcheckmap m("chk-write");
  // Sub-compartment 1 has two contours: 10 049 + 5 000 m².
  m.Rect("7", "1", 71, 0, 0, 100.49f, 100);
  m.Rect("7", "1", 72, 300, 0, 350, 100);
  m.Rect("7", "2", 73, 500, 0, 600, 20);  // no row yet
  m.Row("7", "1", 1.5);
  CheckContours(m.map, *m.errors, m.host);
  CheckContours(m.map, *m.errors, m.host);

  tpodrec rec;
  ASSERT_TRUE(m.Tables().ReadSubCompartment("7", "1", true, rec));
  EXPECT_EQ(rec.area, 15049);
  EXPECT_NEAR(rec.xa, 1.5, 1e-9);
  EXPECT_EQ(rec.larea, 1.5);
  ASSERT_TRUE(m.Tables().ReadSubCompartment("7", "2", true, rec));
  EXPECT_EQ(rec.area, 2000);
  EXPECT_EQ(m.Tables().Table(kPo).RecordCount(), 2);
  // The appended row documents 0 ha against 0.2 ha drawn: one 222, once.
  const std::vector<terrrec> found = m.Findings(222);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].pod, "     2");
  EXPECT_EQ(found[0].ipara, 0);
}

TEST(ContourCheck, ReportsLargeForestSubCompartmentsButNotNumberedOnes) {
  tcheckmap m("chk-large");
  // 30.5 ha each, as documented.
  m.Rect("4", kDosA, 41, 0, 0, 500, 610);
  m.Rect("4", "12", 42, 1000, 0, 1500, 610);
  m.Row("4", kDosA, 30.5);
  m.Row("4", "12", 30.5);
  CheckContours(m.map, *m.errors, m.host);
  std::vector<terrrec> found = m.Findings(116);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].pod, PodKey("\xE0"));
  EXPECT_EQ(found[0].rpara, 30.5);
  EXPECT_TRUE(m.Findings(222).empty());

  MapShared().max_area = 31;
  CheckContours(m.map, *m.errors, m.host);
  EXPECT_TRUE(m.Findings(116).empty());
}

// A map compartment "*12" holds sub-compartments with "*" in their numbers;
// their rows are under "12" unless VT is 1.
TEST(ContourCheck, StarredSubCompartmentsGetNoFindingsAndKeepTheirRow) {
  tcheckmap m("chk-star");
  m.Rect("*12", "5*", 51, 0, 0, 100, 100);
  m.Rect("*12", kDosA, 52, 200, 0, 300, 100);
  m.Row("12", "5*", 3);
  m.Row("*12", kDosA, 1);
  CheckContours(m.map, *m.errors, m.host);

  EXPECT_TRUE(m.Findings(222).empty());
  EXPECT_EQ(m.Tables().Table(kPo).RecordCount(), 2);
  tpodrec rec;
  ASSERT_TRUE(m.Tables().ReadSubCompartment("12", "5*", true, rec));
  EXPECT_EQ(rec.area, 10000);
  EXPECT_EQ(rec.larea, 3);
  ASSERT_TRUE(m.Tables().ReadSubCompartment("*12", kDosA, true, rec));
  EXPECT_EQ(rec.area, 10000);
}

}  // namespace
}  // namespace dornavik
