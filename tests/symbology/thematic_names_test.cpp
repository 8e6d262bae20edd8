// The table "names" that old nomenclature files take their class names from.
#include <gtest/gtest.h>

#include "base/codepage.h"
#include "base/errors.h"
#include "nomenclature_fixture.h"
#include "symbology/nomenclature.h"
#include "tables/dbfile.h"

namespace dornavik {
namespace {

TEST(ThematicNames, OldFilesTakeNamesFromTheTable) {
  ttempfile home;
  trecordinghost host;
  {
    tdbfile names(host, home.Folder() + "names", {}, {{"TYPE", 'C', 10, 0}, {"CODE", 'N', 5, 0}, {"PRINT", 'C', 40, 0}});
    names.Open();
    for (auto [type, code, print] : {std::tuple{"vg", 0, "Вид гора"}, {"vg", 2, "Смесени"}, {"tm", 1, "x"}}) {
      names.Append();
      names.SetText("TYPE", type);
      names.SetNumber("CODE", code);
      names.SetText("PRINT", Utf8ToWindows(print));
    }
    names.Flush();
  }
  const auto rows = ReadThematicNames(host, home.Folder());
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1].type, "vg");
  EXPECT_EQ(rows[1].code, 2);
  EXPECT_EQ(rows[1].print, Utf8ToWindows("Смесени"));

  setenv("DORNAVIK_HOME", home.Folder().c_str(), 1);
  ResetFolders();
  ResetNomenclature();
  EXPECT_TRUE(LoadNomenclature(FixturePath("old_v201.nom"), host));
  EXPECT_TRUE(host.messages.empty());
  ASSERT_EQ(Nomenclature().thematic.size(), 2u);
  EXPECT_EQ(Nomenclature().thematic[0].name, Utf8ToWindows("Вид гора"));
  EXPECT_EQ(Nomenclature().thematic[0].classes[2].name, Utf8ToWindows("Смесени"));

  // Without the table the loading ends with a message at the first map that needs it.
  ttempfile empty;
  setenv("DORNAVIK_HOME", empty.Folder().c_str(), 1);
  ResetFolders();
  ResetNomenclature();
  LoadNomenclature(FixturePath("old_v201.nom"), host);
  EXPECT_FALSE(host.messages.empty());
  EXPECT_EQ(Nomenclature().lines[5].zem_code, 146);
  EXPECT_EQ(Nomenclature().thematic.size(), 1u);
  unsetenv("DORNAVIK_HOME");
  ResetFolders();
}

}  // namespace
}  // namespace dornavik
