// The sub-compartment table against the map (227, 228).
#include <gtest/gtest.h>

#include "checks/checkmap.h"
#include "checks/podchecks.h"

namespace dornavik {
namespace {

using testing::kDosA;
using testing::kDosB;
using testing::tcheckmap;

TEST(DatabaseCheck, ReportsTableRowsTheMapLacks) {
  tcheckmap m("chk-database");
  m.Rect("12", "1", 1, 0, 0, 100, 100);
  m.Rect("12", kDosB, 2, 100, 0, 200, 100);
  m.Rect("*12", "5*", 3, 200, 0, 300, 100);  // row under "12": VT 0
  for (const std::string& pod : {std::string("1"), kDosA, kDosB, std::string("5*")}) m.Row("12", pod, 1);
  m.Row("99", "1", 1);
  m.Row("99", "2", 1);
  m.Row("99", kDosA, 1);
  CheckDatabase(m.map, *m.errors, m.host);
  CheckDatabase(m.map, *m.errors, m.host);

  const std::vector<terrrec> found = m.Findings();
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].code, 228);
  EXPECT_EQ(found[0].otdel, "   12");
  EXPECT_EQ(found[0].pod, "       \xE0");
  EXPECT_EQ(found[1].code, 227);
  EXPECT_EQ(found[1].otdel, "   99");
  EXPECT_EQ(found[1].pod, "       \xE0");  // the first row of 99 in key order ("а" is padded more)
}

TEST(DatabaseCheck, DoesNothingWithoutTheTableButDeletesItsFindings) {
  tcheckmap m("chk-database-none");
  m.Rect("12", "1", 1, 0, 0, 100, 100);
  terrrec old;
  old.code = 227;
  m.errors->AppendFinding(old);
  old.code = 107;
  m.errors->AppendFinding(old);
  CheckDatabase(m.map, *m.errors, m.host);
  const std::vector<terrrec> left = m.Findings();
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0].code, 107);
}

}  // namespace
}  // namespace dornavik
