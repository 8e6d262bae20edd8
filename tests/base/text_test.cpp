#include "base/text.h"

#include <gtest/gtest.h>

#include <clocale>

namespace dornavik {
namespace {

TEST(Text, Trimming) {
  EXPECT_EQ(TrimTrailing("  ab  "), "  ab");
  EXPECT_EQ(TrimLeading("  ab  "), "ab  ");
  std::string long_text = "   " + std::string(300, 'x');
  EXPECT_EQ(TrimBoth(long_text).size(), 255u);
  EXPECT_EQ(TrimBoth("   "), "");
}

TEST(Text, FixedWidthNumbers) {
  EXPECT_EQ(IntText(42, 5), "   42");
  EXPECT_EQ(IntText(123456, 3), "123456");
  EXPECT_EQ(IntText(-7, 1), "-7");
  EXPECT_EQ(ZeroIntText(5, 2), "05");
  EXPECT_EQ(RealText(3.14159, 8, 2), "    3.14");
  EXPECT_EQ(RealText(-0.001, 6, 1), "   0.0");
  EXPECT_EQ(RealText(1234.5, 3, 1), "1234.5");
  EXPECT_EQ(PadLeft("ab", 4), "  ab");
  EXPECT_EQ(PadRight("ab", 4), "ab  ");
  EXPECT_EQ(PadRight("abcdef", 4), "abcdef");
  EXPECT_EQ(RepeatChar(3, '*'), "***");
}

TEST(Text, ReadingNumbers) {
  struct {
    const char* text;
    int value;
  } ints[] = {{"12a", 12}, {"abc", 0}, {"  -34 ", -34}, {"$1F", 31}, {"-$10", -16},
              {"+5", 5},   {"", 0},    {"99999999999", 2147483647}};
  for (const auto& c : ints) EXPECT_EQ(TextInt(c.text), c.value) << c.text;

  struct {
    const char* text;
    double value;
  } reals[] = {{" 3.5 ", 3.5}, {"2,5", 2.0}, {"-1.25e2", -125.0}, {"7e", 7.0},
               {".5", 0.5},    {"x1", 0.0},  {"1.", 1.0}};
  for (const auto& c : reals) EXPECT_DOUBLE_EQ(TextReal(c.text), c.value) << c.text;
}

TEST(Text, NumbersIgnoreTheLocale) {
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  std::string saved = old ? old : "C";
  if (std::setlocale(LC_NUMERIC, "bg_BG.UTF-8") || std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
    EXPECT_EQ(RealText(2.5, 4, 1), " 2.5");
    EXPECT_DOUBLE_EQ(TextReal("2.5"), 2.5);
  }
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(Text, Splitting) {
  std::string t = "a, b,c";
  EXPECT_EQ(SplitComma(t), "a");
  EXPECT_EQ(t, " b,c");
  std::string u = "12 OTDEL   name";
  EXPECT_EQ(SplitAt(u, ' '), "12");
  EXPECT_EQ(u, "OTDEL   name");
  std::string v = "no comma";
  EXPECT_EQ(SplitComma(v), "no comma");
  EXPECT_EQ(v, "");
}

TEST(Text, Quoting) {
  EXPECT_EQ(QuoteText("say \"hi\""), "\"say \\\"hi\\\"\"");
  EXPECT_EQ(UnquoteText(QuoteText("say \"hi\"")), "say \"hi\"");
  EXPECT_EQ(UnquoteText("  \"abc\"  "), "abc");
  EXPECT_EQ(UnquoteText("abc"), " abc");
  EXPECT_EQ(UnquoteText(""), " ");
  EXPECT_EQ(UnquoteText("\""), "");
}

TEST(Text, FileNames) {
  tfilename f = SplitFileName("/data/proj/unit07.zem");
  EXPECT_EQ(f.folder, "/data/proj/");
  EXPECT_EQ(f.name, "unit07");
  EXPECT_EQ(f.extension, ".zem");
  // The name loses everything from the first occurrence of the extension text.
  f = SplitFileName("C:\\P\\a.b.A");
  EXPECT_EQ(f.folder, "C:\\P\\");
  EXPECT_EQ(f.name, "a.b");
  EXPECT_EQ(f.extension, ".A");
  f = SplitFileName("plain");
  EXPECT_EQ(f.folder, "");
  EXPECT_EQ(f.name, "plain");
  EXPECT_EQ(f.extension, "");
}

TEST(Text, Dates) { EXPECT_EQ(DateText(2005, 3, 7), "07.03.2005 \xE3."); }

TEST(Text, CaseInsensitiveCyrillic) {
  // "Отдел" and "ОТДЕЛ" in cp1251.
  EXPECT_EQ(CompareTextWin("\xCE\xF2\xE4\xE5\xEB", "\xCE\xD2\xC4\xC5\xCB"), 0);
  EXPECT_EQ(UpperWin("a\xE0"), "A\xC0");
  EXPECT_LT(CompareTextWin("10", "2"), 0);
  EXPECT_LT(CompareTextWin("ab", "ABC"), 0);
}

}  // namespace
}  // namespace dornavik
