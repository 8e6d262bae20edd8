#include "base/codepage.h"

#include <gtest/gtest.h>

namespace dornavik {
namespace {

// "Отдел" in the three single-byte code pages.
const char kWin[] = "\xCE\xF2\xE4\xE5\xEB";
const char kCp866[] = "\x8E\xE2\xA4\xA5\xAB";
const char kMik[] = "\x8E\xB2\xA4\xA5\xAB";

TEST(CodePage, DosPagesRoundTrip) {
  SetDosCodePage(tdoscodepage::cp866);
  EXPECT_EQ(OemToWindows(kCp866), kWin);
  EXPECT_EQ(WindowsToOem(kWin), kCp866);
  SetDosCodePage(tdoscodepage::mik);
  EXPECT_EQ(OemToWindows(kMik), kWin);
  EXPECT_EQ(WindowsToOem(kWin), kMik);
  SetDosCodePage(tdoscodepage::cp866);
  EXPECT_EQ(MikToWindows(kMik), kWin);
  EXPECT_EQ(WindowsToMik(kWin), kMik);
}

TEST(CodePage, SameLengthAndAsciiKept) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(OemToWindows(all).size(), all.size());
  EXPECT_EQ(WindowsToOem("abc 123").substr(0, 7), "abc 123");
}

TEST(CodePage, Utf8Border) {
  EXPECT_EQ(WindowsToUtf8(kWin), "Отдел");
  EXPECT_EQ(Utf8ToWindows("Отдел"), kWin);
  EXPECT_EQ(OemToUtf8(kCp866), "Отдел");
  // Bytes that are not UTF-8 are stood in, never dropped silently into a crash.
  EXPECT_EQ(Utf8ToWindows("a\xFF" "b"), "a?b");
}

TEST(CodePage, CaseInsensitiveDosTexts) {
  SetDosCodePage(tdoscodepage::cp866);
  // "12а" and "12А" in CP866 are one number; "12б" follows them.
  EXPECT_EQ(CompareTextOem("12\xA0", "12\x80"), 0);
  EXPECT_LT(CompareTextOem("12\xA0", "12\xA1"), 0);
  EXPECT_LT(CompareTextOem("10", "2"), 0);
}

TEST(CodePage, Setting) {
  EXPECT_EQ(DosCodePageFromSetting(" mik "), tdoscodepage::mik);
  EXPECT_EQ(DosCodePageFromSetting("866"), tdoscodepage::cp866);
  EXPECT_EQ(DosCodePageFromSetting("437"), tdoscodepage::cp866);
}

}  // namespace
}  // namespace dornavik
