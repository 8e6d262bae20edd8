// Island contours against the sub-compartments they are cut out of (117, 118).
#include <gtest/gtest.h>

#include "checks/checkmap.h"
#include "checks/graphicchecks.h"

namespace dornavik {
namespace {

using testing::kDosA;
using testing::kDosB;
using testing::tcheckmap;

TEST(InnerContourCheck, IslandsMustLieInsideTheirParent) {
  tcheckmap m("chk-inner");
  // Sub-compartment а of compartment 5 has two contours; б is a field of islands.
  m.Rect("5", kDosA, 1, 0, 0, 100, 100);
  m.Rect("5", kDosA, 2, 200, 0, 300, 100);
  tpodotdel& inside_first = m.Rect("5", kDosB, 3, 10, 10, 20, 20);
  tpodotdel& inside_second = m.Rect("5", kDosB, 4, 210, 10, 220, 20);
  tpodotdel& outside = m.Rect("5", kDosB, 5, 150, 10, 160, 20);
  tpodotdel& across = m.Rect("5", kDosB, 6, 90, 50, 110, 60);
  tpodotdel& orphan = m.Rect("5", "7", 7, 400, 0, 410, 10);
  tpodotdel& unresolved = m.Rect("5", "8", 8, 500, 0, 510, 10);
  for (tpodotdel* c : {&inside_first, &inside_second, &outside, &across}) tcheckmap::CutOutOf(*c, "5", kDosA);
  tcheckmap::CutOutOf(orphan, "5", "9");
  tcheckmap::CutOutOf(unresolved, "", "123");

  CheckInnerContours(m.map, *m.errors, m.host);
  CheckInnerContours(m.map, *m.errors, m.host);

  const std::vector<terrrec> wrong = m.Findings(117);
  ASSERT_EQ(wrong.size(), 2u);
  for (const terrrec& f : wrong) {
    EXPECT_EQ(f.otdel, "    5");
    EXPECT_EQ(f.pod, "       \xE1");
    EXPECT_EQ(f.otdel1, "    5");
    EXPECT_EQ(f.pod1, "       \xE0");
  }
  const std::vector<terrrec> missing = m.Findings(118);
  ASSERT_EQ(missing.size(), 2u);
  EXPECT_EQ(missing[0].pod, "     7");
  EXPECT_EQ(missing[0].otdel1, "    5");
  EXPECT_EQ(missing[0].pod1, "     9");
  EXPECT_EQ(missing[1].pod, "     8");
  EXPECT_EQ(missing[1].otdel1, "");
  EXPECT_EQ(missing[1].pod1, "   123");
  EXPECT_EQ(m.Findings().size(), 4u);
}

}  // namespace
}  // namespace dornavik
