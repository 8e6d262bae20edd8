#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/errors.h"
#include "base/host.h"
#include "model/document.h"
#include "model/shared.h"

namespace dornavik {
namespace {

std::unique_ptr<tsign> Sign(float x, float y) {
  auto s = std::make_unique<tsign>();
  s->x = x;
  s->y = y;
  return s;
}

std::unique_ptr<tdrob> Drob(float x, float y, std::string num, std::string den) {
  auto d = std::make_unique<tdrob>();
  d->x = x;
  d->y = y;
  d->numerator = std::move(num);
  d->denominator = std::move(den);
  return d;
}

tpodotdel* AddContour(totdel& o, const std::string& number, float lx = 0, float ly = 0) {
  auto c = std::make_unique<tpodotdel>();
  c->number = number;
  c->otdel = o.number;
  c->label_x = lx;
  c->label_y = ly;
  return o.AddContour(std::move(c));
}

std::string ChainOrder(const totdel& o) {
  std::string s;
  for (const tpodotdel* c = o.First(); c; c = c->next) s += c->number + "|";
  return s;
}

TEST(Document, NewDocumentAndClear) {
  tafile doc;
  EXPECT_EQ(doc.file_name, "noname");
  EXPECT_EQ(doc.bounds, MakeBox(0, 0, 5000, 5000));
  EXPECT_EQ(doc.corner_y[1], 5000);
  EXPECT_EQ(doc.forestry.code, "  ");
  EXPECT_EQ(doc.alive, 1);
  doc.file_name = "x.A";
  doc.header[0] = "title";
  doc.NewCompartment("1");
  auto s = Sign(1, 1);
  doc.AddSign(s, 3);
  doc.Points().AppendPoint(1, 2);
  doc.Clear();
  EXPECT_EQ(doc.file_name, "noname");
  EXPECT_EQ(doc.header[0], "");
  EXPECT_EQ(doc.CompartmentCount(), 0);
  EXPECT_TRUE(doc.Signs(3).empty());
  EXPECT_EQ(doc.Points().Count(), 0);
  EXPECT_EQ(doc.alive, 1);
}

TEST(Document, TypeRangesOfInsertion) {
  tafile doc;
  auto line = doc.NewLine();
  EXPECT_FALSE(doc.AddLine(line, kLineTypes));
  ASSERT_NE(line, nullptr);
  EXPECT_FALSE(doc.AddLine(line, -1));
  EXPECT_TRUE(doc.AddLine(line, 199));
  EXPECT_EQ(doc.Lines(199).front()->type, 199);
  auto text = std::make_unique<texttype>();
  EXPECT_FALSE(doc.AddText(text, kTextTypes));
  ASSERT_NE(text, nullptr);
  EXPECT_TRUE(doc.AddText(text, 250));
  auto sign = Sign(0, 0);
  EXPECT_FALSE(doc.AddSign(sign, kSignTypes));
  EXPECT_TRUE(doc.AddSign(sign, 1510));
  auto drob = Drob(0, 0, "1", "2");
  EXPECT_FALSE(doc.AddDrob(drob, kDrobTypes));
  EXPECT_TRUE(doc.AddDrob(drob, 10));
  EXPECT_THROW(doc.Lines(200), tcollectionerror);
  EXPECT_THROW(doc.Texts(251), tcollectionerror);
  EXPECT_THROW(doc.Signs(-1), tcollectionerror);
  EXPECT_THROW(doc.Drobs(11), tcollectionerror);
}

TEST(Document, ListsAreNewestFirst) {
  tafile doc;
  for (float x : {0.0f, 10.0f, 20.0f}) {
    auto s = Sign(x, 0);
    ASSERT_TRUE(doc.AddSign(s, 7));
  }
  std::vector<float> xs;
  for (const auto& s : doc.Signs(7)) xs.push_back(s->x);
  EXPECT_EQ(xs, (std::vector<float>{20, 10, 0}));
  const tsign* middle = std::next(doc.Signs(7).begin())->get();
  auto removed = doc.RemoveSign(middle);
  EXPECT_EQ(removed.get(), middle);
  EXPECT_EQ(doc.Signs(7).size(), 2u);
  EXPECT_EQ(doc.RemoveSign(middle), nullptr);  // not there any more
  removed->type = 1600;
  EXPECT_EQ(doc.RemoveSign(removed.get()), nullptr);
}

TEST(Document, SignsAndFractionsAtTheSamePlace) {
  tafile doc;
  auto s = Sign(100, 200);
  ASSERT_TRUE(doc.AddSign(s, 5));
  auto close = Sign(100.4f, 199.6f);
  EXPECT_FALSE(doc.AddSign(close, 5));
  ASSERT_NE(close, nullptr);
  EXPECT_TRUE(doc.AddSign(close, 6));  // another type
  auto apart = Sign(100.5f, 200);
  EXPECT_TRUE(doc.AddSign(apart, 5));
  EXPECT_EQ(doc.Signs(5).size(), 2u);

  auto d = Drob(10, 10, "3", "4");
  ASSERT_TRUE(doc.AddDrob(d, 2));
  auto same = Drob(10.2f, 10, "3", "4");
  EXPECT_FALSE(doc.AddDrob(same, 2));
  auto other_den = Drob(10, 10, "3", "5");
  EXPECT_TRUE(doc.AddDrob(other_den, 2));
  EXPECT_EQ(doc.Drobs(2).size(), 2u);
}

TEST(Document, TextStyles) {
  tafile doc;
  ttextstyle nomenclature_style;
  nomenclature_style.height_mm = 3;
  ttextstyle own;
  own.width_mm = 2;
  own.height_mm = 4;

  auto t5 = std::make_unique<texttype>();
  t5->SetOwnStyle(own);
  ASSERT_TRUE(doc.AddText(t5, 5, &nomenclature_style));
  const texttype& five = *doc.Texts(5).front();
  EXPECT_EQ(five.style, &nomenclature_style);
  EXPECT_EQ(five.own_style, nullptr);

  auto t0 = std::make_unique<texttype>();
  t0->SetOwnStyle(own);
  ASSERT_TRUE(doc.AddText(t0, 0, &nomenclature_style));
  const texttype& zero = *doc.Texts(0).front();
  EXPECT_EQ(zero.style, zero.own_style.get());
  EXPECT_EQ(zero.justification, 7);

  doc.RescaleTexts(5000);
  EXPECT_FLOAT_EQ(zero.style->width_m, 10);
  EXPECT_FLOAT_EQ(zero.style->height_m, 20);
  EXPECT_EQ(nomenclature_style.height_m, 0);  // the text types are not ours
}

TEST(Document, FinishingLines) {
  tafile doc;
  auto empty = doc.NewLine();
  EXPECT_EQ(empty->PointCount(), 0);
  empty->Finish();
  ASSERT_EQ(empty->PointCount(), 2);
  float x, y;
  empty->ReadPoint(empty->last, x, y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  EXPECT_EQ(empty->box, MakeBox(0, 0, 0, 0));

  auto one = doc.NewLine();
  one->first = one->last = doc.Points().AppendPoint(7, 8);
  one->Finish();
  ASSERT_EQ(one->PointCount(), 2);
  EXPECT_EQ(one->first, 3);
  one->ReadPoint(one->first, x, y);
  EXPECT_EQ(x, 7);
  EXPECT_EQ(one->box, MakeBox(7, 8, 7, 8));

  auto three = doc.NewLine();
  three->first = doc.Points().AppendPoint(5, 1);
  doc.Points().AppendPoint(-2, 9);
  three->last = doc.Points().AppendPoint(3, 4);
  three->Finish();
  EXPECT_EQ(three->PointCount(), 3);
  EXPECT_EQ(three->box, MakeBox(-2, 1, 5, 9));
}

TEST(Document, RegistryOrderAndDuplicates) {
  tafile doc;
  totdel* two = doc.NewCompartment("2");
  doc.NewCompartment("10");
  doc.NewCompartment("1");
  doc.NewCompartment("1a");
  EXPECT_EQ(doc.NewCompartment("2"), two);
  EXPECT_EQ(doc.NewCompartment("1A")->number, "1a");  // case-insensitive key
  std::string order;
  for (const auto& o : doc.Compartments()) order += o->number + "|";
  EXPECT_EQ(order, "1|10|1a|2|");
  EXPECT_EQ(doc.CompartmentAt(3), two);
  EXPECT_THROW(doc.CompartmentAt(4), tcollectionerror);
  EXPECT_EQ(two->document, &doc);
  EXPECT_EQ(doc.NewCompartment("12345678901234")->number, "1234567890");
}

TEST(Document, ContourChainOrder) {
  tafile doc;
  totdel& o = *doc.NewCompartment("1");
  for (const char* n : {"2", "10", "1"}) AddContour(o, n);
  EXPECT_EQ(ChainOrder(o), "1|2|10|");

  totdel& p = *doc.NewCompartment("2");
  tpodotdel* first3 = AddContour(p, "3");
  AddContour(p, "4");
  tpodotdel* second3 = AddContour(p, "3");
  EXPECT_EQ(ChainOrder(p), "3|3|4|");
  EXPECT_EQ(p.First(), first3);
  EXPECT_EQ(first3->next, second3);
  EXPECT_EQ(second3->compartment, &p);
  EXPECT_EQ(p.Contours().back()->next, nullptr);
  AddContour(p, "0");
  EXPECT_EQ(ChainOrder(p), "0|3|3|4|");
}

TEST(Document, ExactAndTrimmedLookups) {
  tafile doc;
  totdel* padded = doc.NewCompartment(" 12");
  AddContour(*padded, " 5");
  totdel* plain = doc.NewCompartment("7");
  tpodotdel* five = AddContour(*plain, "5 ");
  AddContour(*plain, "6");

  EXPECT_EQ(doc.FindCompartment("12"), nullptr);
  EXPECT_EQ(doc.FindCompartmentTrimmed("12"), padded);
  EXPECT_EQ(doc.FindCompartment(" 12"), padded);
  EXPECT_EQ(doc.current_otdel, padded);
  EXPECT_EQ(doc.FindCompartment("7"), plain);
  EXPECT_EQ(doc.current_otdel, plain);
  EXPECT_EQ(doc.FindCompartment("99"), nullptr);
  EXPECT_EQ(doc.current_otdel, plain);  // a failed lookup leaves it

  EXPECT_EQ(plain->FindContour(" 5"), five);
  EXPECT_EQ(doc.FindSubCompartment(" 7 ", "5"), five);
  EXPECT_EQ(doc.FindSubCompartment("12", "5"), nullptr);  // the compartment is exact
  EXPECT_EQ(doc.FindSubCompartment("7", "8"), nullptr);
}

TEST(Document, EmptyMapBounds) {
  tafile doc;
  doc.RecomputeBounds();
  EXPECT_EQ(doc.bounds, MakeBox(1e30f, 1e30f, -1e30f, -1e30f));

  auto t = std::make_unique<texttype>();
  t->x = -5;
  t->y = 3;
  doc.AddText(t, 1);
  auto s = Sign(40, -7);
  doc.AddSign(s, 0);
  auto line = doc.NewLine();
  line->first = doc.Points().AppendPoint(10, 100);
  line->last = doc.Points().AppendPoint(12, 50);
  doc.AddLine(line, 0);
  doc.RecomputeBounds();
  EXPECT_EQ(doc.bounds, MakeBox(-5, -7, 40, 100));
}

TEST(Document, NearestObjects) {
  tafile doc;
  EXPECT_EQ(doc.NearestObject(0, 0), nullptr);
  std::string otdel = "x", pod = "y";
  EXPECT_FALSE(doc.SubCompartmentAt(0, 0, otdel, pod));
  EXPECT_EQ(otdel, "");
  EXPECT_EQ(pod, "");

  totdel& o = *doc.NewCompartment("4");
  o.SetPos(30, 0);
  tpodotdel* a = AddContour(o, "1", 0, 10);
  tpodotdel* b = AddContour(o, "2", 7, 7);  // farther by |dx|+|dy|, nearer in a line
  auto s = Sign(0, -10);
  tsign* sign = s.get();
  doc.AddSign(s, 2);

  totdel* found = nullptr;
  EXPECT_EQ(doc.NearestPodLabel(0, 0, &found), b);
  EXPECT_EQ(found, &o);
  EXPECT_EQ(doc.NearestSign(1, 1), sign);
  EXPECT_EQ(doc.NearestOtdelLabel(0, 0), &o);
  // Sign at 10 and contour b at 14 by |dx|+|dy|: the sign wins.
  EXPECT_EQ(doc.NearestObject(0, 0), sign);
  // A tie of sign and sub-compartment keeps the sign.
  a->SetPos(0, 10);
  b->SetPos(100, 100);
  EXPECT_EQ(doc.NearestObject(0, 0), sign);
  // A tie of sub-compartment and compartment keeps the sub-compartment.
  doc.RemoveSign(sign);
  o.SetPos(-10, 0);
  EXPECT_EQ(doc.NearestObject(0, 0), a);
  o.SetPos(-9, 0);
  EXPECT_EQ(doc.NearestObject(0, 0), &o);

  EXPECT_TRUE(doc.SubCompartmentAt(1, 9, otdel, pod));
  EXPECT_EQ(otdel, "4");
  EXPECT_EQ(pod, "1");
  EXPECT_EQ(doc.current_pod, a);
  EXPECT_EQ(doc.current_otdel, &o);
}

class tfaketables : public tprojecttables {
 public:
  explicit tfaketables(std::map<std::string, double> h) : hectares_(std::move(h)) {}
  bool SubCompartmentHectares(const std::string& otdel, const std::string& pod,
                              double& hectares) override {
    ++calls;
    auto at = hectares_.find(otdel + "/" + pod);
    if (at == hectares_.end()) return false;
    hectares = at->second;
    return true;
  }
  int calls = 0;

 private:
  std::map<std::string, double> hectares_;
};

TEST(Document, TotalAreaOfACompartment) {
  tafile doc;
  auto tables = std::make_unique<tfaketables>(std::map<std::string, double>{
      {"3/1", 1.5}, {"3/2", 0.25}, {"3/*5", 9}, {"3/4", 2}});
  tfaketables* fake = tables.get();
  doc.forestry.tables = std::move(tables);
  totdel& o = *doc.NewCompartment("3");
  for (const char* n : {"1", "1", "2", "*5", "4", "9"}) AddContour(o, n);
  EXPECT_FLOAT_EQ(doc.TotalArea(o), 37500);
  EXPECT_FLOAT_EQ(o.Contours()[0]->table_area, 15000);
  EXPECT_EQ(o.Contours()[1]->table_area, 0);  // the repeated number is not fetched
  int calls = fake->calls;
  EXPECT_FLOAT_EQ(doc.TotalArea(o), 37500);  // computed once
  EXPECT_EQ(fake->calls, calls);

  totdel& none = *doc.NewCompartment("8");
  AddContour(none, "1");
  doc.forestry.tables.reset();
  EXPECT_EQ(doc.TotalArea(none), 0);
}

struct trecordinghost : public thost {
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  bool AskForestryCode(std::string&) override { return false; }
  tprogress& Progress() override { return progress; }
  std::vector<std::string> messages;
  tsilentprogress progress;
};

TEST(Document, SetForestryUnit) {
  tafile doc;
  trecordinghost host;
  std::string opened_beside;
  auto opener = [&](tforestry& unit, const std::string& map) -> std::unique_ptr<tprojecttables> {
    if (unit.code == "99") throw terror("no such unit");
    unit.name = "Unit " + unit.code;
    opened_beside = map;
    return std::make_unique<tfaketables>(std::map<std::string, double>{});
  };
  EXPECT_TRUE(doc.SetForestry("12x", "/maps/a.A", opener, host));
  EXPECT_EQ(doc.forestry.code, "12");
  EXPECT_EQ(doc.forestry.name, "Unit 12");
  EXPECT_EQ(opened_beside, "/maps/a.A");
  EXPECT_NE(doc.forestry.tables, nullptr);
  EXPECT_TRUE(host.messages.empty());

  EXPECT_FALSE(doc.SetForestry("99", "/maps/a.A", opener, host));
  EXPECT_EQ(doc.forestry.code, "99");
  EXPECT_EQ(doc.forestry.tables, nullptr);  // the old tables are closed
  EXPECT_EQ(host.messages, std::vector<std::string>{"no such unit"});
}

class tfakeview : public tmapview {
 public:
  bool BoxInView(const tbox& b) const override { return BoxContainsBox(view, b); }
  void ShowBox(const tbox& b) override { shown.push_back(b); }
  tbox view = MakeBox(0, 0, 1000, 1000);
  std::vector<tbox> shown;
};

// A sub-compartment of two contours with known boxes (already up to date).
tpodotdel* Boxed(totdel& o, const std::string& number, tbox box) {
  tpodotdel* c = AddContour(o, number);
  c->box = box;
  c->bounds_dirty = 0;
  return c;
}

TEST(Document, ShowSubCompartmentAndExtent) {
  tfakeview view;
  tafile doc(&view);
  totdel& o = *doc.NewCompartment("5");
  tpodotdel* a = Boxed(o, "1", MakeBox(0, 0, 300, 60));
  Boxed(o, "1", MakeBox(300, 0, 600, 300));
  Boxed(o, "2", MakeBox(600, 0, 900, 30));

  EXPECT_TRUE(doc.ShowSubCompartment(" 5", "1 ", false));
  EXPECT_EQ(doc.current_pod, a);
  EXPECT_TRUE(view.shown.empty());  // in view already
  EXPECT_TRUE(doc.ShowSubCompartment("5", "1", true));
  ASSERT_EQ(view.shown.size(), 1u);
  EXPECT_EQ(view.shown[0], MakeBox(-200, -100, 800, 400));
  view.view = MakeBox(0, 0, 100, 100);
  EXPECT_TRUE(doc.ShowSubCompartment("5", "1", false));
  EXPECT_EQ(view.shown.size(), 2u);
  EXPECT_FALSE(doc.ShowSubCompartment("5", "3", true));

  ResetMapShared();
  MapShared().scale = 5000;
  float w = 0, h = 0;
  ASSERT_TRUE(doc.CompartmentExtent("5", 0.25f, w, h));
  EXPECT_FLOAT_EQ(w, 900 * 1.5f * 100 / 5000);
  EXPECT_FLOAT_EQ(h, 300 * 1.5f * 100 / 5000);
  EXPECT_FALSE(doc.CompartmentExtent("6", 0.25f, w, h));
  doc.NewCompartment("6");
  ASSERT_TRUE(doc.CompartmentExtent("6", 0.25f, w, h));
  EXPECT_EQ(w, 0);  // no contours, no extent
  ResetMapShared();
}

TEST(Document, SharedState) {
  ResetMapShared();
  EXPECT_EQ(MapShared().tolerance, 5.0f);
  EXPECT_EQ(MapShared().same_distance, 100.0f);
  EXPECT_EQ(MapShared().max_area, 30.0f);
  EXPECT_EQ(MapShared().red_color, 16711680);
  EXPECT_EQ(MapShared().max_undo, 1000);
  EXPECT_EQ(SheetName(0), "K-0 ");
  EXPECT_EQ(SheetName(4), "K-9 ");
  EXPECT_EQ(SheetName(5), "");
}

}  // namespace
}  // namespace dornavik
