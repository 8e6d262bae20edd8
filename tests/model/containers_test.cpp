#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/errors.h"
#include "model/box.h"
#include "model/collection.h"
#include "model/pointstore.h"
#include "model/workfile.h"

namespace dornavik {
namespace {

struct titem {
  int key;
  std::string tag;
};
struct tbykey {
  static int Key(const titem& i) { return i.key; }
  static int Compare(int a, int b) { return a < b ? -1 : a > b ? 1 : 0; }
};
using tsorted = tsortedcollection<titem, tbykey>;

std::unique_ptr<titem> Item(int key, std::string tag = {}) {
  return std::make_unique<titem>(titem{key, std::move(tag)});
}

TEST(Collection, IndexErrorsRaiseCollentionError) {
  tcollection<titem> c;
  c.Insert(Item(1));
  c.Insert(Item(2));
  EXPECT_EQ(c.At(1)->key, 2);
  EXPECT_THROW(c.At(2), tcollectionerror);
  EXPECT_THROW(c.At(-1), tcollectionerror);
  EXPECT_THROW(c.AtDelete(2), tcollectionerror);
  EXPECT_THROW(c.AtFree(-1), tcollectionerror);
  EXPECT_THROW(c.AtInsert(3, Item(9)), tcollectionerror);
  c.AtInsert(2, Item(3));  // at the end is allowed
  c.AtInsert(0, Item(0));
  EXPECT_EQ(c.Count(), 4);
  EXPECT_EQ(c.At(0)->key, 0);
  EXPECT_EQ(c.At(3)->key, 3);
  try {
    c.At(4);
    FAIL();
  } catch (const terror& e) {
    EXPECT_STREQ(e.what(), "collention error");
  }
}

TEST(Collection, IndexOfAndDelete) {
  tcollection<titem> c;
  c.Insert(Item(1));
  titem* second = c.At(0);
  c.Insert(Item(1));
  titem other{1, {}};
  EXPECT_EQ(c.IndexOf(second), 0);
  EXPECT_EQ(c.IndexOf(&other), -1);
  std::unique_ptr<titem> taken = c.AtDelete(0);
  EXPECT_EQ(taken.get(), second);
  EXPECT_EQ(c.Count(), 1);
}

TEST(SortedCollection, WithoutDuplicatesKeepsTheFirst) {
  tsorted s;
  for (int k : {5, 1, 3}) {
    auto i = Item(k, "first");
    EXPECT_TRUE(s.Insert(i));
    EXPECT_EQ(i, nullptr);
  }
  auto again = Item(3, "second");
  EXPECT_FALSE(s.Insert(again));
  ASSERT_NE(again, nullptr);  // the caller still owns it
  ASSERT_EQ(s.Count(), 3);
  EXPECT_EQ(s.At(0)->key, 1);
  EXPECT_EQ(s.At(1)->tag, "first");
  EXPECT_EQ(s.At(2)->key, 5);
  int at;
  EXPECT_TRUE(s.Search(5, at));
  EXPECT_EQ(at, 2);
  EXPECT_FALSE(s.Search(4, at));
  EXPECT_EQ(at, 2);  // where 4 would go
  EXPECT_FALSE(s.Search(9, at));
  EXPECT_EQ(at, 3);
  EXPECT_EQ(s.IndexOf(again.get()), -1);  // equal key, other item
}

TEST(SortedCollection, DuplicatesGoBeforeTheEqualOnes) {
  tsorted s(true);
  for (auto [k, tag] : {std::pair{2, "a"}, {1, "b"}, {2, "c"}, {2, "d"}, {3, "e"}}) {
    auto i = Item(k, tag);
    EXPECT_TRUE(s.Insert(i));
  }
  std::string order;
  for (const auto& i : s) order += i->tag;
  EXPECT_EQ(order, "bdcae");
  int at;
  EXPECT_TRUE(s.Search(2, at));
  EXPECT_EQ(at, 1);  // the first equal one
  EXPECT_EQ(s.IndexOf(s.At(3)), 3);
}

TEST(WorkFile, RecordNumbersAndPageLimit) {
  tworkfile<int> w(2, 2);  // two pages of two records
  for (int i = 0; i < 4; ++i) EXPECT_EQ(w.Append(10 + i), i);
  EXPECT_TRUE(w.Full());
  EXPECT_EQ(w.Append(99), -1);
  EXPECT_EQ(w.Count(), 4);
  EXPECT_EQ(w.Read(3), 13);
  EXPECT_EQ(w.Read(7), 10);  // out of range reads record 0
  EXPECT_EQ(w.Read(-1), 10);
  w.Write(9, 5);  // ignored
  w.Write(1, 21);
  EXPECT_EQ(w.Read(1), 21);
  tworkfile<int> empty(2, 2);
  EXPECT_EQ(empty.Read(0), 0);
}

TEST(PointStore, IdenticalPointsFollowTheFirstAlsoAfterAMove) {
  tpointstore p;
  EXPECT_EQ(p.AppendPoint(10, 20), 0);
  EXPECT_EQ(p.AppendPoint(30, 40), 1);
  EXPECT_EQ(p.AppendPoint(10, 20), 2);
  float x, y;
  p.ReadPoint(2, x, y);
  EXPECT_EQ(x, 10);
  EXPECT_EQ(y, 20);
  p.WritePoint(0, 11, 21);
  p.ReadPoint(2, x, y);
  EXPECT_EQ(x, 11);
  EXPECT_EQ(y, 21);
  // A write through a linked record moves the shared place too.
  p.WritePoint(2, 12, 22);
  p.ReadPoint(0, x, y);
  EXPECT_EQ(x, 12);
  EXPECT_EQ(y, 22);
  // The old place is free again; the new one is shared.
  EXPECT_EQ(p.AppendPoint(10, 20), 3);
  p.ReadPoint(3, x, y);
  EXPECT_EQ(x, 10);
  EXPECT_EQ(p.AppendPoint(12, 22), 4);
  p.WritePoint(0, 1, 2);
  p.ReadPoint(4, x, y);
  EXPECT_EQ(x, 1);
  EXPECT_EQ(y, 2);
  // Nearly equal is not equal; -0 is 0.
  p.AppendPoint(30.000002f, 40);
  p.ReadPoint(5, x, y);
  EXPECT_EQ(x, 30.000002f);
  p.AppendPoint(-0.0f, 5);
  p.AppendPoint(0.0f, 5);
  p.WritePoint(6, 7, 7);
  p.ReadPoint(7, x, y);
  EXPECT_EQ(x, 7);
  EXPECT_EQ(p.Count(), 8);
}

TEST(PointStore, OutOfRangeAndFull) {
  tpointstore p(1);  // one page
  float x = -5, y = -5;
  p.ReadPoint(0, x, y);  // empty store
  EXPECT_EQ(x, 0);
  for (int i = 0; i < tpointstore::kRecordsPerPage; ++i) p.AppendPoint(static_cast<float>(i), 1);
  EXPECT_THROW(p.AppendPoint(1, 1), terror);
  EXPECT_EQ(p.Count(), tpointstore::kRecordsPerPage);
  p.ReadPoint(-3, x, y);
  EXPECT_EQ(x, 0);
  p.WritePoint(tpointstore::kRecordsPerPage, 9, 9);  // ignored
  p.ReadPoint(tpointstore::kRecordsPerPage - 1, x, y);
  EXPECT_EQ(x, tpointstore::kRecordsPerPage - 1);
}

TEST(Box, Operations) {
  const tbox a = MakeBox(0, 0, 10, 10), b = MakeBox(10, 5, 20, 8);
  EXPECT_TRUE(IsEmpty(tbox{}));
  EXPECT_EQ(Normalised(MakeBox(5, 5, 4, 9)), tbox{});
  EXPECT_EQ(UnionBoxes(tbox{}, b), b);
  EXPECT_EQ(UnionBoxes(a, b), MakeBox(0, 0, 20, 10));
  EXPECT_EQ(IntersectBoxes(a, b), MakeBox(10, 5, 10, 8));
  EXPECT_EQ(IntersectBoxes(a, OffsetBox(b, 1, 0)), tbox{});
  EXPECT_TRUE(BoxesOverlap(a, b));  // touching
  EXPECT_FALSE(BoxesOverlap(a, OffsetBox(b, 0.5f, 0)));
  EXPECT_TRUE(BoxContainsPoint(a, 10, 0));
  EXPECT_TRUE(BoxContainsBox(a, a));
  EXPECT_FALSE(BoxContainsBox(a, b));
  EXPECT_EQ(InflateBox(a, 1, 2), MakeBox(-1, -2, 11, 12));
  float x, y;
  BoxCentre(b, x, y);
  EXPECT_EQ(x, 15);
  EXPECT_EQ(y, 6.5f);
}

}  // namespace
}  // namespace dornavik
