#include "tables/dbfile.h"

#include <gtest/gtest.h>
#include <shapefil.h>

#include <filesystem>
#include <fstream>

#include "base/errors.h"
#include "base/files.h"
#include "tables/recordinghost.h"

namespace dornavik {
namespace {

using testing::trecordinghost;
using testing::tscratchfolder;

const std::vector<tdefrec> kColumns = {
    {"OTDEL", 'C', 5, 0}, {"POD", 'C', 8, 0}, {"AREA", 'N', 8, 2}, {"VT", 'N', 2, 0}};

std::string Bytes(const std::string& path) {
  std::string data;
  ReadWholeFile(path, data);
  return data;
}

void WriteBytes(const std::string& path, const std::string& data) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << data;
}

void AddRow(tdbfile& t, const char* otdel, const char* pod, double area) {
  t.Append();
  t.SetText("OTDEL", otdel);
  t.SetText("POD", pod);
  t.SetNumber("AREA", area);
}

TEST(DbFile, NewTableIsStandardDbaseReadBackByShapelib) {
  tscratchfolder dir("dbf-new");
  trecordinghost host;
  {
    tdbfile t(host, dir.Path() + "07po", {"otdel+pod", "otdel"}, kColumns);
    t.Open();
    ASSERT_TRUE(t.IsOpen());
    AddRow(t, "   12", "   1\xE0", 2.5);  // "1а" in cp1251
    AddRow(t, "    3", "    2", 10);
  }
  std::string path = dir.Path() + "07po.DBF";
  ASSERT_TRUE(FileFound(path));  // the spelling asked for, not shapelib's ".dbf"
  std::string bytes = Bytes(path);
  EXPECT_EQ(uint8_t(bytes[0]), 0x03);
  EXPECT_EQ(bytes[28], 0);
  EXPECT_EQ(uint8_t(bytes[29]), 0x8E);
  EXPECT_EQ(bytes.substr(32, 5), std::string("OTDEL", 5));
  EXPECT_EQ(bytes[32 + 11], 'C');
  EXPECT_EQ(bytes[32 + 2 * 32 + 11], 'N');
  EXPECT_EQ(bytes[32 + 2 * 32 + 16], 8);
  EXPECT_EQ(bytes[32 + 2 * 32 + 17], 2);

  DBFHandle h = DBFOpen(path.c_str(), "rb");
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(DBFGetRecordCount(h), 2);
  EXPECT_EQ(DBFGetFieldCount(h), 4);
  EXPECT_STREQ(DBFReadStringAttribute(h, 0, 1), "1\xE0");  // leading blanks trimmed by shapelib
  EXPECT_DOUBLE_EQ(DBFReadDoubleAttribute(h, 0, 2), 2.5);
  EXPECT_EQ(std::string(DBFReadTuple(h, 1), 24), std::string(" ") + "    3" + "    2   " + "   10.00" + "  ");
  DBFClose(h);
  EXPECT_TRUE(host.messages.empty());
}

TEST(DbFile, OpenRepairsIndexFlagAndLanguageDriverAndBuildsIndexes) {
  tscratchfolder dir("dbf-repair");
  trecordinghost host;
  std::string base = dir.Path() + "x";
  {
    tdbfile t(host, base, {}, kColumns);
    t.Open();
    AddRow(t, "    2", "       1", 1);
    AddRow(t, "    1", "       2", 2);
    AddRow(t, "    1", "       1", 3);
  }
  std::string bytes = Bytes(base + ".DBF");
  bytes[28] = 1;            // a production index that is not there
  bytes[29] = char(0x57);   // another language driver
  WriteBytes(base + ".DBF", bytes);
  WriteBytes(base + ".MDX", "stale");
  WriteBytes(base + ".ntx", "old first index");

  tdbfile t(host, base, {"otdel+pod", "pod"}, kColumns);
  EXPECT_FALSE(FileFound(base + ".ntx"));
  t.Open();
  ASSERT_TRUE(t.IsOpen());
  bytes = Bytes(base + ".DBF");
  EXPECT_EQ(bytes[28], 0);
  EXPECT_EQ(uint8_t(bytes[29]), 0x8E);
  EXPECT_FALSE(FileFound(base + ".MDX"));

  std::vector<double> order;  // default index: otdel+pod
  for (bool row = t.First(); row; row = t.Next()) order.push_back(t.Number("AREA"));
  EXPECT_EQ(order, (std::vector<double>{3, 2, 1}));
  ASSERT_TRUE(t.FindKey({"    1", "       2"}));
  EXPECT_EQ(t.Number("AREA"), 2);
  EXPECT_FALSE(t.FindKey({"    3"}));
  EXPECT_EQ(t.FindAll(0, {"    1"}).size(), 2u);
  EXPECT_EQ(t.FindAll(1, {"       1"}), (std::vector<int>{0, 2}));
  // A key written later is found at once.
  ASSERT_TRUE(t.FindKey({"    2"}));
  t.SetText("OTDEL", "    9");
  EXPECT_TRUE(t.FindKey({"    9", "       1"}));
}

TEST(DbFile, NumberThatDoesNotFitIsStoredAsOverflowAndReported) {
  tscratchfolder dir("dbf-overflow");
  trecordinghost host;
  tdbfile t(host, dir.Path() + "x", {}, kColumns);
  t.Open();
  t.Append();
  EXPECT_FALSE(t.SetNumber("AREA", 123456789.5));
  EXPECT_EQ(t.RawText(2), "********");
  EXPECT_EQ(t.Number("AREA"), 0);
  EXPECT_TRUE(host.Said("123456789.50"));
  EXPECT_TRUE(host.Said("AREA"));
  EXPECT_FALSE(t.SetNumber("VT", -10));  // "-10" needs three places
  EXPECT_TRUE(t.SetNumber("VT", -9));
  EXPECT_TRUE(t.SetNumber("AREA", 99999.994));  // rounds into the field
  EXPECT_EQ(t.RawText(2), "99999.99");
  EXPECT_FALSE(t.SetNumber("AREA", 99999.996));  // rounds out of it
  host.messages.clear();
  EXPECT_TRUE(t.SetText("POD", "1234567890"));  // texts are cut, silently
  EXPECT_EQ(t.Text("POD"), "12345678");
  EXPECT_TRUE(host.messages.empty());
}

TEST(DbFile, DeleteSkipsTheRowAndKeepsTheOrderOfTheOthers) {
  tscratchfolder dir("dbf-delete");
  trecordinghost host;
  tdbfile t(host, dir.Path() + "x", {}, kColumns);
  t.Open();
  for (int i = 1; i <= 5; ++i) AddRow(t, "    1", "       1", i);
  std::vector<double> left;
  for (bool row = t.First(); row;) row = int(t.Number("AREA")) % 2 == 0 ? t.Delete() : t.Next();
  for (bool row = t.First(); row; row = t.Next()) left.push_back(t.Number("AREA"));
  EXPECT_EQ(left, (std::vector<double>{1, 3, 5}));
  EXPECT_EQ(t.RecordCount(), 3);
  t.Empty();
  EXPECT_TRUE(t.IsOpen());
  EXPECT_EQ(t.RecordCount(), 0);
  EXPECT_FALSE(t.First());
}

// Files that are not tables: each case gives the bytes of a damaged file made
// from a good one.
struct tdamage {
  const char* name;
  std::string (*make)(std::string good);
};

const tdamage kDamages[] = {
    {"empty", [](std::string) { return std::string(); }},
    {"short header", [](std::string g) { return g.substr(0, 20); }},
    {"truncated records", [](std::string g) { return g.substr(0, g.size() - 10); }},
    {"garbled", [](std::string g) {
       for (size_t i = 8; i < g.size(); i += 3) g[i] = char(0xA5 ^ g[i]);
       return g;
     }},
    {"no fields", [](std::string g) {
       g[32] = 0x0D;
       g[8] = 33;
       g[9] = 0;
       return g;
     }},
    {"record length disagrees", [](std::string g) {
       g[10] = char(g[10] + 1);
       return g;
     }},
    {"header length beyond the file", [](std::string g) {
       g[8] = char(0xFF);
       g[9] = char(0xFF);
       return g;
     }},
    {"oversized record count", [](std::string g) {
       g[4] = g[5] = g[6] = char(0xFF);
       g[7] = 0x7F;
       return g;
     }},
};

TEST(DbFile, DamagedFileIsKeptAndReplacedOrReportedUntouched) {
  for (const tdamage& d : kDamages) {
    SCOPED_TRACE(d.name);
    tscratchfolder dir("dbf-damage");
    trecordinghost host;
    std::string base = dir.Path() + "x";
    {
      tdbfile t(host, base, {}, kColumns);
      t.Open();
      AddRow(t, "    1", "       1", 1);
      AddRow(t, "    2", "       1", 2);
    }
    std::string damaged = d.make(Bytes(base + ".DBF"));
    WriteBytes(base + ".DBF", damaged);

    // A reader that cannot make the table: a clear error, the file as it was.
    tdbfile reader(host, base, {"otdel"}, {}, tdbfmode::readonly);
    EXPECT_THROW(reader.Open(), terror);
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_EQ(Bytes(base + ".DBF"), damaged);

    // The owner of the table: the damaged file is kept, a new table made.
    tdbfile owner(host, base, {"otdel"}, kColumns);
    owner.Open();
    ASSERT_TRUE(owner.IsOpen());
    EXPECT_EQ(owner.RecordCount(), 0);
    EXPECT_EQ(Bytes(base + ".DBF.damaged"), damaged);
    EXPECT_TRUE(host.Said("x.DBF.damaged"));
  }
}

TEST(DbFile, RestructureKeepsTheValuesOfCommonColumns) {
  tscratchfolder dir("dbf-restructure");
  trecordinghost host;
  std::string base = dir.Path() + "07po";
  {
    const std::vector<tdefrec> old_columns = {
        {"POD", 'C', 8, 0}, {"OLDCOL", 'C', 3, 0}, {"OTDEL", 'C', 5, 0}, {"AREA", 'N', 12, 3},
        {"OLDNUM", 'N', 3, 0}};
    tdbfile t(host, base, {}, old_columns);
    t.Open();
    for (int i = 1; i <= 3; ++i) {
      AddRow(t, "    4", ("       " + std::to_string(i)).c_str(), i * 1.25);
      t.SetText("OLDCOL", "abc");
    }
    t.Go(1);
    t.Delete();
    t.Go(2);
    t.SetNumber("AREA", 1234567.5);  // too wide for the new N 8.2
  }
  WriteBytes(dir.Path() + "07poup.dbf", "left over");
  tdbfile t(host, base, {"otdel+pod"}, kColumns);
  t.RestructureWhenColumnCountDiffers();
  t.Open();
  ASSERT_TRUE(t.IsOpen());
  ASSERT_EQ(t.FieldCount(), 4);
  EXPECT_EQ(t.Field(0).name, "OTDEL");
  EXPECT_EQ(t.RecordCount(), 2);
  ASSERT_TRUE(t.FindKey({"    4", "       1"}));
  EXPECT_EQ(t.Number("AREA"), 1.25);
  EXPECT_EQ(t.Number("VT"), 0);
  ASSERT_TRUE(t.FindKey({"    4", "       3"}));
  EXPECT_EQ(t.RawText(2), "********");
  EXPECT_TRUE(host.Said("1234567.50"));
  for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
    EXPECT_EQ(e.path().filename().string().find("up."), std::string::npos) << e.path();
}

TEST(DbFile, MissingTableOfAReaderStaysClosed) {
  tscratchfolder dir("dbf-missing");
  trecordinghost host;
  tdbfile t(host, dir.Path() + "none", {"a"});
  t.Open();
  EXPECT_FALSE(t.IsOpen());
  EXPECT_FALSE(t.First());
  t.Append();
  EXPECT_FALSE(t.SetText("A", "x"));
  EXPECT_FALSE(FileFound(dir.Path() + "none.DBF"));
}

}  // namespace
}  // namespace dornavik
