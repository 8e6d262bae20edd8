// Thematic maps: the list, class lookups, the states in the settings, names.
#include <gtest/gtest.h>

#include "base/inifile.h"
#include "symbology/thematic.h"

namespace dornavik {
namespace {

tthemmap Map(int kind, const std::string& name) {
  tthemmap map;
  map.kind = kind;
  map.name = name;
  map.type_name = TypeNameOfKind(kind);
  return map;
}

TEST(Thematic, ListIsOrderedByKindNewestFirst) {
  tthemmaplist list;
  list.Insert(Map(4, "a"));
  list.Insert(Map(1, "b"));
  list.Insert(Map(4, "c"));
  list.Insert(Map(29, "d"));
  list.Insert(Map(4, "e"));
  std::string order;
  for (const tthemmap& m : list) order += m.name;
  EXPECT_EQ(order, "becad");
}

TEST(Thematic, ClassLookups) {
  tthemmap simple = Map(1, "vg");
  simple.ClassAt(5).color = 0x123456;
  ASSERT_EQ(simple.classes.size(), 6u);  // white placeholders 0..4
  EXPECT_EQ(simple.classes[4].color, 0xFFFFFF);
  EXPECT_EQ(simple.classes[4].pen, 1);
  EXPECT_FLOAT_EQ(simple.classes[4].thickness, 0.1f);
  EXPECT_EQ(simple.ClassOf(0), nullptr);  // class 0 is never drawn
  EXPECT_EQ(simple.ClassOf(6), nullptr);
  EXPECT_EQ(simple.ClassOf(-1), nullptr);
  ASSERT_NE(simple.ClassOf(5), nullptr);
  EXPECT_EQ(simple.ClassOf(5)->color, 0x123456);

  tthemmap grouped = Map(10, "dv");
  grouped.groups.resize(4);
  for (auto [min, max, color] : {std::tuple{1, 20, 1}, std::tuple{21, 40, 2}, std::tuple{30, 35, 3}}) {
    tthemclass c;
    c.min = min;
    c.max = max;
    c.color = color;
    grouped.groups[3].push_back(c);
  }
  EXPECT_EQ(grouped.EntryOf(3, 25)->color, 2);
  EXPECT_EQ(grouped.EntryOf(3, 32)->color, 3);  // the last matching entry
  EXPECT_EQ(grouped.EntryOf(3, 20)->color, 1);
  EXPECT_EQ(grouped.EntryOf(3, 45), nullptr);
  EXPECT_EQ(grouped.EntryOf(4, 25), nullptr);
  EXPECT_EQ(grouped.EntryOf(-1, 25), nullptr);
}

TEST(Thematic, KindsAndTypeNames) {
  EXPECT_TRUE(IsGroupedKind(10));
  EXPECT_TRUE(IsGroupedKind(29));
  EXPECT_FALSE(IsGroupedKind(28));
  EXPECT_TRUE(IsKnownKind(1));
  EXPECT_TRUE(IsKnownKind(20));
  EXPECT_FALSE(IsKnownKind(15));
  EXPECT_FALSE(IsKnownKind(30));
  EXPECT_EQ(TypeNameOfKind(24), "nzn");
  EXPECT_EQ(TypeNameOfKind(7), "");
}

TEST(Thematic, StatesShareOneKeyPerKind) {
  tthemmaplist list;
  list.Insert(Map(4, "first"));
  list.Insert(Map(4, "second"));
  list.Insert(Map(1, "vg"));
  list[0].enabled = true;
  list[1].enabled = true;   // "second": earlier in the list
  list[2].enabled = false;  // "first": later, so its state is the one kept
  tinifile settings;
  SaveThematicStates(list, settings);
  EXPECT_EQ(settings.ReadInteger("maps", "count", -1), 3);
  EXPECT_EQ(settings.ReadString("maps", "map1", ""), "1");
  EXPECT_EQ(settings.ReadString("maps", "map4", ""), "0");

  tinifile reread;
  reread.Parse("[maps]\r\ncount=7\r\nmap4=0\r\n");
  for (tthemmap& m : list) m.enabled = true;
  LoadThematicStates(list, reread);
  EXPECT_TRUE(list[0].enabled);  // no key: keeps its flag
  EXPECT_FALSE(list[1].enabled);
  EXPECT_FALSE(list[2].enabled);
}

TEST(Thematic, NamesFromTheTable) {
  tthemmap map = Map(3, "old");
  map.ClassAt(1).name = "one";
  const std::vector<tthemname> rows = {
      {" vp ", 0, "Kind of sub-compartment"}, {"vp", 3, "three"}, {"vg", 1, "other map"},
      {"vp", 0, " - "},                        {"vp", -2, "ignored"}, {"vp", 1, "first"}};
  ApplyThematicNames(map, rows);
  EXPECT_EQ(map.name, "Kind of sub-compartment");
  ASSERT_EQ(map.classes.size(), 4u);
  EXPECT_EQ(map.classes[1].name, "first");
  EXPECT_EQ(map.classes[2].name, "");
  EXPECT_EQ(map.classes[3].name, "three");

  tthemmap untyped = Map(7, "compartments");
  ApplyThematicNames(untyped, {{"", 1, "x"}});
  EXPECT_TRUE(untyped.classes.empty());
}

}  // namespace
}  // namespace dornavik
