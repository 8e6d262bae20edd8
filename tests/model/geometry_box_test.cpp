#include <gtest/gtest.h>

#include "model/geometry.h"
#include "model/geometry_fixture.h"

namespace dornavik {
namespace {

using testing::tshapes;

TEST(ContourBoxes, ContourSubCompartmentAndCompartment) {
  tshapes s;
  totdel otdel(nullptr, "5");
  auto add = [&](const char* number, std::vector<tvertex> corners) {
    auto c = s.Polygon(std::move(corners));
    c->number = number;
    return otdel.AddContour(std::move(c));
  };
  const tbox unchanged{1, 2, 3, 4};
  EXPECT_EQ(CompartmentBox(otdel, unchanged), unchanged);

  tpodotdel* one = add("1", {{0, 0}, {10, 0}, {10, 10}});
  add("1", {{20, 20}, {30, 20}, {30, 25}});
  add("2", {{-50, -50}, {-40, -50}, {-40, -40}});
  EXPECT_EQ(ContourBox(*one), (tbox{0, 0, 10, 10}));
  EXPECT_EQ(SubCompartmentBox(*one), (tbox{0, 0, 30, 25}));
  EXPECT_EQ(CompartmentBox(otdel, unchanged), (tbox{-50, -50, 30, 25}));
  EXPECT_EQ(one->bounds_dirty, 0);

  tpodotdel empty;
  EXPECT_TRUE(IsEmpty(ContourBox(empty)));
}

}  // namespace
}  // namespace dornavik
