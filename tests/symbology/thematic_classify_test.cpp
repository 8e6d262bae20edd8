// The classifiers of the thematic maps over rows given by the test.
#include <gtest/gtest.h>

#include <map>

#include "base/errors.h"
#include "symbology/themclassify.h"

namespace dornavik {
namespace {

// One sub-compartment row and one compartment row for every contour.
class tfakerows : public tthemrows {
 public:
  bool SubCompartmentColumns(const std::string&, const std::string&, const std::string& c1, int& v1,
                             const std::string& c2, int& v2) override {
    v1 = v2 = 0;
    if (!found) return false;
    v1 = Value(c1);
    if (!c2.empty()) v2 = Value(c2);
    return true;
  }
  bool CompartmentTu(const std::string&, int& tu) override {
    tu = found ? columns["TU"] : 0;
    return found;
  }
  int Value(const std::string& column) {
    auto at = columns.find(column);
    if (at == columns.end()) throw terror("Field '" + column + "' not found");
    return at->second;
  }

  bool found = true;
  std::map<std::string, int> columns = {{"VG", 3},      {"VP", 4},         {"SECH1", 5},  {"SECH2", 9},
                                        {"MESTORASTE", 12}, {"DV1", 3},     {"W1", 25},    {"TU", 6},
                                        {"POCHVA", 2},  {"OSNSKALA", 7},   {"ZEML", 8},   {"PRED1", 11},
                                        {"LR", 13},     {"VS", 14},        {"LAREA", 40}, {"VT", 1}};
};

tthemmap Map(int kind) {
  tthemmap map;
  map.kind = kind;
  return map;
}

TEST(ThematicClassify, ClassesFromTheRows) {
  tfakerows rows;
  struct tcase {
    int kind, expected;
  };
  for (tcase c : {tcase{1, 3}, {3, 4}, {4, 9}, {9, 12}, {20, 6}, {21, 2}, {22, 7}, {23, 8}, {24, 11},
                  {26, 13}, {27, 14}, {2, 0}, {5, 0}, {6, 0}, {25, 0}}) {
    EXPECT_EQ(Classify(Map(c.kind), "12", "3", rows), c.expected) << "kind " << c.kind;
  }
  rows.columns["SECH1"] = 2;  // SECH2 stands in only for SECH1 1, 5 and 14
  EXPECT_EQ(Classify(Map(4), "12", "3", rows), 2);
  rows.columns["SECH1"] = 14;
  EXPECT_EQ(Classify(Map(4), "12", "3", rows), 9);

  tthemmap by_column = Map(28);
  by_column.column = "LAREA";
  EXPECT_EQ(Classify(by_column, "12", "3", rows), 40);
  by_column.column = "NOSUCH";
  EXPECT_THROW(Classify(by_column, "12", "3", rows), terror);

  EXPECT_EQ(Classify(Map(10), "12", "3", rows), -1);
  tthemgroup g = ClassifyGrouped(Map(10), "12", "3", rows);
  EXPECT_EQ(g.group, 3);
  EXPECT_EQ(g.value, 25);
  tthemmap grouped = Map(29);
  grouped.group_column = "VT";
  grouped.value_column = "LAREA";
  g = ClassifyGrouped(grouped, "12", "3", rows);
  EXPECT_EQ(g.group, 1);
  EXPECT_EQ(g.value, 40);

  // No row: class 0, so nothing is drawn.
  rows.found = false;
  EXPECT_EQ(Classify(Map(1), "12", "3", rows), 0);
  EXPECT_EQ(Classify(Map(20), "12", "3", rows), 0);
  g = ClassifyGrouped(Map(10), "12", "3", rows);
  EXPECT_EQ(g.group, 0);
}

TEST(ThematicClassify, FoldedNumbers) {
  tfakerows rows;
  rows.found = false;  // kinds 7 and 8 read no table
  for (auto [otdel, expected] : {std::pair{"1", 1}, {"16", 1}, {"31", 1}, {"15", 15}, {"30", 15},
                                 {"abc", 0}, {"0", 0}, {"7a", 7}}) {
    EXPECT_EQ(Classify(Map(7), otdel, "1", rows), expected) << otdel;
  }
  EXPECT_EQ(Classify(Map(8), "1", "a", rows), 97 % 15);
  EXPECT_EQ(Classify(Map(8), "1", "12", rows), (49 + 50) % 15);
  EXPECT_EQ(Classify(Map(8), "1", "*12", rows), 0);
  EXPECT_EQ(Classify(Map(8), "1", "\xE0", rows), 0xE0 % 15);  // bytes count unsigned
  tunitthemrows closed(nullptr);
  EXPECT_EQ(Classify(Map(1), "1", "1", closed), 0);
}

}  // namespace
}  // namespace dornavik
