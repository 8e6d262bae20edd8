// Sub-compartments with a contour far from the others (113).
#include <gtest/gtest.h>

#include "checks/checkmap.h"
#include "checks/podchecks.h"

namespace dornavik {
namespace {

using testing::kDosB;
using testing::tcheckmap;

TEST(RemotePartsCheck, ReportsEachContourFartherThanTheToleranceFromAllOthers) {
  struct tcase {
    std::vector<float> lefts;  // x of the 100 m squares of sub-compartment б
    float tolerance;
    std::vector<int> remote;   // polygon ids (100 + index)
  };
  const tcase cases[] = {
      {{0, 250}, 100, {100, 101}},           // 150 m apart
      {{0, 180}, 100, {}},                   // 80 m apart
      {{0, 250}, 200, {}},                   // a wider "Допуск еднакви"
      {{0, 150, 550}, 100, {102}},           // 50 m apart, the third 300 m off
      {{0, 200}, 100, {}},                   // exactly the tolerance
  };
  for (const tcase& c : cases) {
    SCOPED_TRACE(c.lefts.back());
    tcheckmap m("chk-remote");
    MapShared().same_distance = c.tolerance;
    for (size_t i = 0; i < c.lefts.size(); ++i)
      m.Rect("3", kDosB, int(100 + i), c.lefts[i], 0, c.lefts[i] + 100, 100);
    m.Rect("3", "1", 1, 0, 1000, 100, 1100);  // alone, never examined
    CheckRemoteParts(m.map, *m.errors, m.host);
    CheckRemoteParts(m.map, *m.errors, m.host);

    std::vector<int> remote;
    for (const terrrec& f : m.Findings(113)) {
      remote.push_back(f.ipara);
      EXPECT_EQ(f.otdel, "    3");
      EXPECT_EQ(f.pod, "       \xE1");
      EXPECT_EQ(f.otdel1, f.otdel);
      EXPECT_EQ(f.pod1, f.pod);
    }
    EXPECT_EQ(remote, c.remote);
  }
}

}  // namespace
}  // namespace dornavik
