// Overlapping sub-compartments (111) and the overlap estimate.
#include <gtest/gtest.h>

#include "checks/checkmap.h"
#include "checks/podchecks.h"

namespace dornavik {
namespace {

using testing::kDosA;
using testing::tcheckmap;

std::vector<std::string> Pairs(tcheckmap& m) {
  std::vector<std::string> pairs;
  for (const terrrec& f : m.Findings(111))
    pairs.push_back(f.otdel + "/" + f.pod + " x " + f.otdel1 + "/" + f.pod1);
  return pairs;
}

TEST(IntersectionCheck, SharedBoundariesDoNotIntersect) {
  tcheckmap m("chk-grid");
  // 3 x 3 cells of 100 m; every inner edge is one line of two contours.
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      m.Rect(std::to_string(1 + i), std::to_string(1 + j), 10 * i + j, 100.f * i, 100.f * j, 100.f * (i + 1),
             100.f * (j + 1));
  CheckIntersections(m.map, *m.errors, m.host);
  EXPECT_TRUE(m.Findings().empty());
}

TEST(IntersectionCheck, ReportsAnOverlappingPairOnceFromTheOneThatSortsFirst) {
  struct tcase {
    std::string otdel1, pod1, otdel2, pod2;
    std::vector<std::string> pairs;
  };
  const tcase cases[] = {
      {"2", "1", "2", "2", {"    2/     1 x     2/     2"}},
      {"2", "2", "2", "1", {"    2/     1 x     2/     2"}},
      {"9", "1", "10", "1", {"   10/     1 x     9/     1"}},
      // Two contours of one sub-compartment: each reports the other.
      {"2", kDosA, "2", kDosA, {"    2/       \xE0 x     2/       \xE0", "    2/       \xE0 x     2/       \xE0"}},
  };
  for (const tcase& c : cases) {
    SCOPED_TRACE(c.otdel2);
    tcheckmap m("chk-overlap");
    m.Rect(c.otdel1, c.pod1, 1, 0, 0, 100, 100);
    m.Rect(c.otdel2, c.pod2, 2, 50, 0, 150, 100);
    CheckIntersections(m.map, *m.errors, m.host);
    CheckIntersections(m.map, *m.errors, m.host);
    EXPECT_EQ(Pairs(m), c.pairs);
    for (const terrrec& f : m.Findings(111)) EXPECT_EQ(f.rpara, 5000);
  }
}

// Contours whose boxes share the lower-left corner are separate candidates.
TEST(IntersectionCheck, ContoursWithTheSameLowerLeftCornerAreBothChecked) {
  tcheckmap m("chk-corner");
  m.Rect("1", "1", 1, 0, 0, 100, 100);
  m.Rect("1", "2", 2, 50, 50, 150, 120);
  m.Rect("1", "3", 3, 50, 50, 120, 200);
  CheckIntersections(m.map, *m.errors, m.host);
  EXPECT_EQ(Pairs(m), (std::vector<std::string>{"    1/     1 x     1/     2", "    1/     1 x     1/     3",
                                                 "    1/     2 x     1/     3"}));
  const std::vector<terrrec> found = m.Findings(111);
  ASSERT_EQ(found.size(), 3u);
  EXPECT_EQ(found[0].rpara, 2500);
  EXPECT_EQ(found[1].rpara, 2500);
  EXPECT_EQ(found[2].rpara, 4900);
}

TEST(IntersectionCheck, IslandsAreNotReportedAgainstWhatTheyAreCutOutOf) {
  tcheckmap m("chk-islands");
  m.Rect("4", "1", 1, 0, 0, 200, 200);
  m.Rect("4", "2", 2, 200, 0, 400, 200);
  // 3 is cut out of 1; 5 is cut out of 3 and so lies in an island of 3.
  tpodotdel& island = m.Rect("4", "3", 3, 20, 20, 120, 120);
  tpodotdel& inner = m.Rect("4", "5", 5, 40, 40, 60, 60);
  tcheckmap::CutOutOf(island, "4", "1");
  tcheckmap::CutOutOf(inner, "4", "3");
  // 6 is cut out of 2 but reaches 30 m into 1.
  tpodotdel& straddling = m.Rect("4", "6", 6, 170, 50, 260, 150);
  tcheckmap::CutOutOf(straddling, "4", "2");
  CheckIntersections(m.map, *m.errors, m.host);
  EXPECT_EQ(Pairs(m), (std::vector<std::string>{"    4/     1 x     4/     6"}));
  ASSERT_EQ(m.Findings(111).size(), 1u);
  EXPECT_EQ(m.Findings(111)[0].rpara, 3000);
}

TEST(IntersectionCheck, OverlapEstimateIsLimitedAndSmallOverlapsAreNotReported) {
  tcheckmap m("chk-small");
  tpodotdel& a = m.Rect("1", "1", 1, 0, 0, 100, 100);
  tpodotdel& b = m.Rect("1", "2", 2, 95, 0, 195, 15);     // 5 x 15 = 75 m² in common
  tpodotdel& c = m.Rect("1", "3", 3, 90, 80, 190, 180);   // 10 x 20 = 200 m²
  CheckIntersections(m.map, *m.errors, m.host);
  EXPECT_EQ(Pairs(m), (std::vector<std::string>{"    1/     1 x     1/     3"}));
  EXPECT_EQ(EstimateOverlap(a, b), 75);   // one sample of 100 m², limited to the common box
  EXPECT_EQ(EstimateOverlap(a, c), 200);
  EXPECT_EQ(EstimateOverlap(b, c), 0);
}

}  // namespace
}  // namespace dornavik
