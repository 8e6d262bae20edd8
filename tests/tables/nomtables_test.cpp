#include "tables/nomtables.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "base/errors.h"
#include "base/files.h"
#include "tables/dbfile.h"
#include "tables/dmnom.h"
#include "tables/dump.h"
#include "tables/recordinghost.h"

namespace dornavik {
namespace {

using testing::trecordinghost;
using testing::tscratchfolder;

const std::string kData = std::string(DORNAVIK_TEST_DATA) + "/tables/";

TEST(NomenclatureTables, FortyThreeTablesEachWithItsKeys) {
  ASSERT_EQ(NomenclatureTables().size(), 43u);
  EXPECT_STREQ(NomenclatureTables()[22].name, "npovredi");
  EXPECT_EQ(NomenclatureTables()[22].keys, (std::vector<std::string>{"POVREDI", "NAME", "CKOD"}));
}

TEST(NomenclatureTables, BuiltFromTextSourceAndDumped) {
  tscratchfolder dir("nom-build");
  trecordinghost host;
  BuildNomenclatureTable(host, kData + "ntest.txt", dir.Path());
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(dir.Path() + "NTEST.DBF", bytes));
  EXPECT_EQ(uint8_t(bytes[29]), 0x8E);
  std::ostringstream out;
  DumpTable(dir.Path() + "NTEST.DBF", out);
  EXPECT_EQ(out.str(),
            "VG\tNAME\tSNAME\n"
            " 1\tиглолистни          \tигл. \n"
            " 2\tшироколистни        \tшир. \n");
  EXPECT_THROW(BuildNomenclatureTable(host, kData + "nbad.txt", dir.Path()), terror);
  EXPECT_THROW(BuildNomenclatureTable(host, kData + "missing.txt", dir.Path()), terror);
}

TEST(NomenclatureTables, DumpRejectsWhatIsNotATable) {
  tscratchfolder dir("nom-dump");
  std::ostringstream out;
  EXPECT_THROW(DumpTable(dir.Path() + "none.dbf", out), terror);
  std::ofstream(dir.Path() + "junk.dbf") << "not a table at all, just some text that is long enough";
  EXPECT_THROW(DumpTable(dir.Path() + "junk.dbf", out), terror);
  EXPECT_TRUE(out.str().empty());
}

TEST(NomenclatureTables, StartUpRepairAndLookups) {
  tscratchfolder dir("nom-repair");
  trecordinghost host;
  for (const char* name : {"ngs", "nvg", "nzeml", "ndv"}) {
    std::ofstream src(dir.Path() + name + ".txt");
    if (std::string(name) == "ngs") src << "GS C 2|IME C 30|VID N 2 0\n07|\xD0\x9A\xD0\xBE\xD1\x81\xD1\x82\xD0\xB5\xD0\xBD\xD0\xB5\xD1\x86|0\n";
    if (std::string(name) == "nvg") src << "VG N 2 0|NAME C 20\n1|a\n2|b\n";
    if (std::string(name) == "nzeml") src << "EKNM C 5|IME C 30|SELO C 4\n04604|Beli Iskar| s. \n";
    if (std::string(name) == "ndv") src << "DV N 3 0|NAME C 20\n21|buk\n";
    src.close();
    BuildNomenclatureTable(host, dir.Path() + name + ".txt", dir.Path());
  }
  std::string path = dir.Path() + "NVG.DBF", bytes;
  ReadWholeFile(path, bytes);
  bytes[28] = 1;
  bytes[29] = 0x03;
  std::ofstream(path, std::ios::binary) << bytes;

  RepairNomenclatureTables(host, dir.Path());
  ReadWholeFile(path, bytes);
  EXPECT_EQ(bytes[28], 0);
  EXPECT_EQ(uint8_t(bytes[29]), 0x8E);
  EXPECT_TRUE(host.messages.empty());  // missing tables are passed over

  T_dmNom nom(host, dir.Path());
  EXPECT_EQ(host.messages.size(), 39u);  // one per missing table
  EXPECT_EQ(nom.Lookup("tNVG", 2), "b");
  EXPECT_EQ(nom.Lookup("NVG", 3), "");
  EXPECT_EQ(nom.Lookup("NDV", "21"), "buk");
  EXPECT_EQ(nom.Lookup("NGS", "07", "VID"), "0");
  EXPECT_EQ(nom.Lookup("NBOG", 1), "");
  EXPECT_EQ(nom.SettlementName(4604), "s. Beli Iskar");
  EXPECT_EQ(T_dmNom::SpeciesCodeText(21.0), "21");
}

TEST(NomenclatureTables, ShippedTablesOpenAndNameTheCodes) {
  std::string folder = std::string(DORNAVIK_PROGRAM_DIR) + "/";
  if (!FileFound(folder + "NGS.DBF")) GTEST_SKIP() << "nomenclature tables not built";
  trecordinghost host;
  T_dmNom nom(host, folder);
  EXPECT_TRUE(host.messages.empty());
  for (const ttabdef& def : NomenclatureTables()) {
    tdbfile* t = nom.Table(def.name);
    ASSERT_NE(t, nullptr) << def.name;
    EXPECT_TRUE(t->IsOpen()) << def.name;
    EXPECT_GT(t->RecordCount(), 0) << def.name;
  }
  EXPECT_EQ(nom.Lookup("NVS", 99).empty(), false);
  EXPECT_EQ(nom.Lookup("NGS", "08", "VID"), "1");
}

}  // namespace
}  // namespace dornavik
