// The whole battery: its order, and that running it again replaces its
// findings and leaves the reader's.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/codepage.h"
#include "checks/checkbattery.h"
#include "checks/checkmap.h"

namespace dornavik {
namespace {

using testing::kDosA;
using testing::kDosB;
using testing::tcheckmap;

// Records the first labels shown.
class tlabelprogress : public tsilentprogress {
 public:
  void SetLabel1(const std::string& text) override { titles.push_back(WindowsToUtf8(text)); }
  std::vector<std::string> titles;
};

class tlabelhost : public testing::trecordinghost {
 public:
  tprogress& Progress() override { return progress; }
  tlabelprogress progress;
};

// One fault of every kind the battery finds.
void BuildFaultyMap(tcheckmap& m) {
  m.Rect("1", "1", 1, 0, 0, 100, 100).declared_area = 10000;
  m.Rect("1", "2", 2, 100, 0, 200, 100).declared_area = 10000;
  m.Rect("1", "3", 3, 150, 50, 250, 150).declared_area = 10000;               // overlaps 2
  tline& a = m.Line({{300, 0}, {400, 0}, {400, 100}});
  tline& b = m.Line({{400, 100}, {300, 100}, {300, 20}});
  m.Contour("1", "4", 4, {&a, &b});                                           // open
  m.Rect("1", kDosA, 5, 0, 200, 100, 300);
  m.Rect("1", kDosA, 6, 500, 200, 600, 300);                                  // remote parts
  tcheckmap::CutOutOf(m.Rect("1", kDosB, 7, 700, 0, 710, 10), "1", "1");        // outside its parent
  m.Rect("2", "1", 8, 0, 1000, 100, 1100);
  for (const char* pod : {"1", "2", "3", "4"}) m.Row("1", pod, 1);
  m.Row("1", kDosA, 2);
  m.Row("1", "9", 1);   // not in the map
  m.Row("3", "1", 1);   // compartment not in the map
}

std::vector<int> Codes(tcheckmap& m) {
  std::vector<int> codes;
  for (const terrrec& f : m.Findings()) codes.push_back(f.code);
  std::sort(codes.begin(), codes.end());
  return codes;
}

TEST(CheckBattery, RunsInTheImportOrderAndReplacesItsFindings) {
  tcheckmap m("chk-battery");
  BuildFaultyMap(m);
  terrrec reader;
  reader.code = 107;
  m.errors->AppendFinding(reader);
  tlabelhost host;
  RunImportChecks(m.map, *m.errors, host);
  const std::vector<int> once = Codes(m);
  RunImportChecks(m.map, *m.errors, host);
  RunMapChecks(m.map, *m.errors, host);
  EXPECT_EQ(Codes(m), once);

  // 110: 1 (its island taken off) and 5 to 8 (nothing declared); 222: the
  // open ring and 2/1 (no row).
  const std::vector<int> expected = {107, 110, 110, 110, 110, 110, 111, 112, 113, 113, 117,
                                     222, 222, 227, 228};
  EXPECT_EQ(once, expected);
  const std::vector<std::string> order = {"Вътрешни контури", "Проверка на контурите",
                                          "Проверка на площите", "Проверка на базата данни",
                                          "Oтдалечени подотдели", "Пресичане на подотдели"};
  std::vector<std::string> titles(host.progress.titles.end() - order.size(), host.progress.titles.end());
  EXPECT_EQ(titles, order);
  EXPECT_EQ(host.progress.titles.front(), "Проверка на площите");
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace dornavik
