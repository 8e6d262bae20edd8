#include <gtest/gtest.h>

#include "model/geometry.h"
#include "model/geometry_fixture.h"

namespace dornavik {
namespace {

using testing::tshapes;

TEST(ImportedSides, EachSideStartsWhereThePreviousEnded) {
  tshapes s;
  // Lines 7 and 8 meet at line 7's first point; line 9 closes the ring
  // drawn in the wrong direction.
  tline& l7 = s.Line({{100, 0}, {0, 0}});
  tline& l8 = s.Line({{100, 100}, {100, 0}});
  tline& l9 = s.Line({{0, 0}, {100, 100}});
  tpodotdel c;
  AddImportedSide(c, l7);
  ASSERT_EQ(c.sides.size(), 1u);
  EXPECT_EQ(c.sides[0].direction, 1);
  EXPECT_TRUE(l7.OwnedBy(&c));

  AddImportedSide(c, l8);
  EXPECT_EQ(c.sides[0].direction, 0);  // closest ends: 7 first - 8 last
  EXPECT_EQ(c.sides[1].direction, 0);
  AddImportedSide(c, l9);
  EXPECT_EQ(c.sides[2].direction, 0);  // 8 ends at (100, 100), line 9's last point
  EXPECT_EQ(l9.owners.front().contour, &c);

  EXPECT_TRUE(ComputeArea(c, 5));
  EXPECT_FLOAT_EQ(c.area, 5000);
}

TEST(ImportedSides, SecondSideByClosestEnds) {
  struct {
    std::vector<tvertex> second;
    int first_direction, second_direction;
  } cases[] = {
      {{{0, 0}, {0, 50}}, 0, 1},     // 1: first - first
      {{{0, 50}, {0, 0}}, 0, 0},     // 2: first - last
      {{{10, 0}, {10, 50}}, 1, 1},   // 3: last - first
      {{{10, 50}, {10, 0}}, 1, 0},   // 4: last - last
  };
  for (const auto& k : cases) {
    tshapes s;
    tline& first = s.Line({{0, 0}, {10, 0}});
    tline& second = s.Line(k.second);
    EXPECT_EQ(ClosestEnds(first, second), &k - cases + 1);
    tpodotdel c;
    AddImportedSide(c, first);
    AddImportedSide(c, second);
    EXPECT_EQ(c.sides[0].direction, k.first_direction);
    EXPECT_EQ(c.sides[1].direction, k.second_direction);
  }
}

}  // namespace
}  // namespace dornavik
