#include <gtest/gtest.h>

#include "model/document.h"
#include "model/geometry.h"
#include "model/geometry_fixture.h"
#include "model/shared.h"

namespace dornavik {
namespace {

using testing::tshapes;

// A 100 m square of four lines, counter-clockwise; the corner at (0, 100) is
// left open by `gap` (Manhattan) when given.
std::unique_ptr<tpodotdel> Square(tshapes& s, float gap = 0) {
  tline& a = s.Line({{0, 0}, {100, 0}});
  tline& b = s.Line({{100, 0}, {100, 100}});
  tline& c = s.Line({{100, 100}, {gap, 100}});
  tline& d = s.Line({{0, 100}, {0, 0}});
  return s.Contour({{&a, 1}, {&b, 1}, {&c, 1}, {&d, 1}});
}

TEST(Area, SquareAreaAndOrientation) {
  tshapes s;
  auto ccw = Square(s);
  EXPECT_TRUE(ComputeArea(*ccw, 5));
  EXPECT_FLOAT_EQ(ccw->area, 10000);
  EXPECT_FLOAT_EQ(ccw->net_area, 10000);
  EXPECT_EQ(ccw->orientation, 1);

  // The same lines walked the other way round.
  auto cw = s.Contour({{ccw->sides[3].line, 0}, {ccw->sides[2].line, 0}, {ccw->sides[1].line, 0},
                       {ccw->sides[0].line, 0}});
  EXPECT_TRUE(ComputeArea(*cw, 5));
  EXPECT_FLOAT_EQ(cw->area, 10000);
  EXPECT_EQ(cw->orientation, 0);
}

TEST(Area, ClosingTolerance) {
  ResetMapShared();  // "Допуск" 5 m
  tshapes s;
  auto bridged = Square(s, 4);
  EXPECT_TRUE(ComputeArea(*bridged));
  EXPECT_FLOAT_EQ(bridged->area, 10000);  // the gap is bridged straight

  auto open = Square(s, 6);
  open->area = 123;
  open->orientation = 1;
  EXPECT_FALSE(ComputeArea(*open));
  EXPECT_EQ(open->area, 0);
  EXPECT_EQ(open->net_area, 0);
  EXPECT_EQ(open->orientation, 0);

  // The tolerance is the setting's.
  MapShared().tolerance = 7;
  EXPECT_TRUE(ComputeArea(*open));
  ResetMapShared();
}

TEST(Area, LinearContourAndContourWithoutSides) {
  tshapes s;
  tline& a = s.Line({{0, 0}, {60, 0}, {60, 40}});  // 100 m
  a.width = 4;
  tline& b = s.Line({{0, 0}, {0, 50}});  // 50 m
  b.width = 6;
  auto linear = s.Contour({{&a, 1}, {&b, 1}});
  linear->linear = 1;
  EXPECT_TRUE(ComputeArea(*linear, 5));
  EXPECT_FLOAT_EQ(linear->area, 700);
  EXPECT_FLOAT_EQ(linear->net_area, 700);

  tpodotdel empty;
  empty.area = 55;
  EXPECT_TRUE(ComputeArea(empty, 5));
  EXPECT_EQ(empty.area, 55);
}

// A document with sub-compartment 1 of compartment 7 (a 100 m x 50 m
// rectangle), an island of 1000 m2 inside it that references it, and a strip
// line 100 m long and 4 m wide that references it too.
TEST(Area, AllAreasTakeIslandsAndStripsOffTheNetArea) {
  tafile doc;
  auto line = [&](std::vector<tvertex> points) {
    std::unique_ptr<tline> l = testing::MakeLine(doc.Points(), points);
    tline* kept = l.get();
    EXPECT_TRUE(doc.AddLine(l, 3));
    return kept;
  };
  auto contour = [&](totdel* otdel, const char* number, tline* ring) {
    auto c = std::make_unique<tpodotdel>();
    c->number = number;
    c->otdel = otdel->number;
    c->sides.push_back({ring, 1});
    ring->AddOwner(c.get());
    return otdel->AddContour(std::move(c));
  };
  totdel* otdel = doc.NewCompartment("7");
  tpodotdel* host = contour(otdel, "1", line({{0, 0}, {100, 0}, {100, 50}, {0, 50}, {0, 0}}));
  tpodotdel* island =
      contour(otdel, "2", line({{10, 10}, {50, 10}, {50, 35}, {10, 35}, {10, 10}}));
  island->parent = std::make_unique<tpodref>(tpodref{"7", "1"});
  tpodotdel* open = contour(otdel, "3", line({{200, 0}, {300, 0}, {300, 100}}));
  tline* road = line({{0, 20}, {100, 20}});
  road->width = 4;
  road->strip = std::make_unique<tlineref>();
  road->strip->otdel = " 7";
  road->strip->pod = "1 ";

  ComputeAllAreas(doc, 5);
  EXPECT_FLOAT_EQ(host->area, 5000);
  EXPECT_FLOAT_EQ(island->area, 1000);
  EXPECT_FLOAT_EQ(island->net_area, 1000);
  EXPECT_FLOAT_EQ(host->net_area, 5000 - 1000 - 400);
  EXPECT_EQ(host->closed, 1);
  EXPECT_EQ(open->closed, 0);

  // An island or strip that names no sub-compartment changes nothing.
  island->parent->pod = "9";
  road->strip->otdel = "8";
  ComputeAllAreas(doc, 5);
  EXPECT_FLOAT_EQ(host->net_area, 5000);
}

}  // namespace
}  // namespace dornavik
