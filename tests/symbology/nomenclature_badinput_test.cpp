// Truncated, garbled and oversized nomenclature files: a message, the rows read
// before the fault kept, never a crash.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>

#include "base/codepage.h"
#include "base/errors.h"
#include "base/text.h"
#include "nomenclature_fixture.h"
#include "symbology/nomenclature.h"

namespace dornavik {
namespace {

std::vector<tthemname> NoNames() { throw terror("no table names"); }

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// Loads text into fresh tables and returns the messages shown.
std::vector<std::string> Load(const std::string& text) {
  ResetNomenclature();
  static const ttempfile folder;  // one folder for the many files of these tests
  const std::string path = folder.Folder() + "test.nom";
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
  trecordinghost host;
  LoadNomenclature(path, host, NoNames);
  return host.messages;
}

TEST(NomenclatureBadInput, BadValueEndsReadingAtItsRow) {
  const std::string good = ReadFixture("expected_v3.nom");
  struct tcase {
    const char* what;
    std::string from, to;
  };
  const tcase cases[] = {
      {"letters in a number", "  6        0        0 12345", "  6        0       0x 12345"},
      {"a colour beyond 32 bits", "  6        0        0 12345", "  6 99999999999        0 12345"},
      {"a kind beyond a byte", "12345  3 0", "12345  300 0"},
      {"a negative pen code", " 12345  3", " -12345  3"},
      {"an infinite real", "  1.25  0.75", "  1e99  0.75"},
      {"a word for a real", "  1.25  0.75", "  inf  0.75"},
  };
  for (const tcase& c : cases) {
    SCOPED_TRACE(c.what);
    const auto messages = Load(Replace(good, c.from, c.to));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(", " + Utf8ToWindows("ред") + " 7"), std::string::npos) << messages[0];
    const tnomenclature& n = Nomenclature();
    EXPECT_EQ(n.lines[5].zem_code, 146);                 // read before the bad row
    EXPECT_EQ(n.lines[6].name, UnnamedEntryName(6));      // the bad row is not half taken
    EXPECT_EQ(n.lines[6].pen, 1);
    EXPECT_EQ(n.texts[1].zem_code, 0);                    // the rest keeps the defaults
    EXPECT_TRUE(n.thematic.empty());
  }
}

TEST(NomenclatureBadInput, OversizedClassNumbersAreRefused) {
  const std::string good = ReadFixture("expected_v3.nom");
  const auto messages = Load(Replace(good, "  3    65535", "999999999    65535"));
  ASSERT_EQ(messages.size(), 1u);
  const tnomenclature& n = Nomenclature();
  // The map is kept with the rows read before the refused one.
  ASSERT_EQ(n.thematic.size(), 1u);
  EXPECT_EQ(n.thematic[0].classes.size(), 3u);
}

TEST(NomenclatureBadInput, TruncationsLoadWithoutHarm) {
  for (const char* name : {"expected_v3.nom", "old_v201.nom", "old_v100.nom"}) {
    const std::string good = ReadFixture(name);
    // Cut at the start, in the middle and before the end of every line.
    std::vector<size_t> cuts;
    for (size_t start = 0; start < good.size();) {
      size_t end = std::min(good.find('\n', start), good.size() - 1);
      cuts.insert(cuts.end(), {start, start + (end - start) / 2, end});
      start = end + 1;
    }
    for (size_t length : cuts) {
      SCOPED_TRACE(std::string(name) + " cut at " + std::to_string(length));
      Load(good.substr(0, length));
      const tnomenclature& n = Nomenclature();
      EXPECT_EQ(n.lines.size(), static_cast<size_t>(kLineTypes));
      for (const tthemmap& map : n.thematic) EXPECT_TRUE(IsKnownKind(map.kind));
    }
  }
  // An old file that ends before its sections are complete says so.
  const std::string v201 = ReadFixture("old_v201.nom");
  EXPECT_EQ(Load(v201.substr(0, v201.find("3 2 1 1 A"))).size(), 1u);
  EXPECT_EQ(Load("").size(), 1u);
}

TEST(NomenclatureBadInput, GarbageAndHugeLinesLoadWithoutHarm) {
  std::mt19937 random(7);
  std::string garbage(20000, '\0');
  for (char& c : garbage) c = static_cast<char>(random());
  Load(garbage);
  Load("KORAWIN V3.00 x\r\n\r\n\r\n\r\n\r\n" + garbage);
  Load("KORAWIN V2.01 x\r\n\r\n\r\n\r\n\r\n" + garbage);

  // A name of a megabyte is kept to 255 characters.
  const std::string huge = "KORAWIN V3.00 x\r\n\r\n\r\n\r\n\r\n"
                           "  1        0        0    1  1 0  0.00  0.00  0.00  0  0  0.10  0.10   0  " +
                           std::string(1 << 20, 'x') + "\r\n";
  EXPECT_TRUE(Load(huge).empty());
  EXPECT_EQ(Nomenclature().lines[1].name.size(), 4u + 255u);
}

TEST(NomenclatureBadInput, UnknownMapKindsAreSkippedWithTheirRows) {
  const std::string head = ReadFixture("expected_v3.nom");
  const std::string maps_title = Utf8ToWindows("-1 Номер цвят эвятПлотер Писец тип % наклон име") + "\r\n";
  const std::string text = head.substr(0, head.find(maps_title) + maps_title.size()) +
                           "15 unused grouped kind\r\n  1   1   2      255        0    1   2   0.00   0.00  0.10 a\r\n 0\r\n"
                           "45 unknown kind\r\n  1      255        0    1   2   0.00   0.00  0.10 b\r\n 0\r\n"
                           " 7 Compartments\r\n  1      255        0    1   2   0.00   0.00  0.10 c\r\n 0\r\n-1\r\n";
  EXPECT_TRUE(Load(text).empty());
  const tnomenclature& n = Nomenclature();
  ASSERT_EQ(n.thematic.size(), 1u);
  EXPECT_EQ(n.thematic[0].kind, 7);
  EXPECT_EQ(n.thematic[0].classes[1].name, "c");
}

}  // namespace
}  // namespace dornavik
