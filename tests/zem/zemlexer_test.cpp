#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "zem/zemlexer.h"

namespace dornavik {
namespace {

TEST(ZemLexer, LineLosesLeadingBlanksThenIsCutTo255) {
  tzemline line;
  line.Assign(std::string(10, ' ') + std::string(300, 'x'));
  EXPECT_EQ(line.Text(), std::string(255, 'x'));
}

TEST(ZemLexer, TokensTakeTheSeparatorAndTheBlanksAfterIt) {
  tzemline line;
  line.Assign("L   146  12 0 2.5");
  EXPECT_EQ(line.Token(), "L");
  EXPECT_EQ(line.Token(), "146");
  EXPECT_EQ(line.Rest(), "12 0 2.5");
  line.Assign("1 10 20;  2 30 40");
  EXPECT_EQ(line.Token(';'), "1 10 20");
  EXPECT_EQ(line.Token(';'), "2 30 40");
  EXPECT_TRUE(line.Empty());
  EXPECT_EQ(line.Token(), "");
}

TEST(ZemLexer, Numbers) {
  struct {
    const char* text;
    int32_t i;
    double r;
  } cases[] = {{"", 0, 0},          {"  12 ", 12, 12},      {"-7", -7, -7},     {"+3", 3, 3},
               {"12abc", 12, 12},   {"abc", 0, 0},          {"4.75", 4, 4.75},  {"1e3", 1, 1000},
               {"99999999999", 2147483647, 99999999999.0}, {"-99999999999", -2147483647 - 1, -99999999999.0},
               {"nan", 0, 0},       {"inf", 0, 0},          {"1e999", 1, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(ZemInt(c.text), c.i) << c.text;
    EXPECT_DOUBLE_EQ(ZemReal(c.text), c.r) << c.text;
  }
}

TEST(ZemLexer, QuotedTexts) {
  EXPECT_EQ(ZemQuotedText("\"abc\""), "abc");
  EXPECT_EQ(ZemQuotedText("abc"), " abc");  // without quotes: one leading blank
  EXPECT_EQ(ZemQuotedText("  \"a\\\"b\"  "), "a\"b");
  EXPECT_EQ(ZemQuotedText("\"abc"), "abc");
  EXPECT_EQ(ZemQuotedText(""), " ");
  EXPECT_EQ(ZemQuotedText("\""), "");
}

TEST(ZemLexer, GradsToRadians) {
  constexpr double pi = std::numbers::pi;
  EXPECT_FLOAT_EQ(GradsToRadians(0), static_cast<float>(pi / 2));
  EXPECT_FLOAT_EQ(GradsToRadians(100), static_cast<float>(2 * pi));
  EXPECT_FLOAT_EQ(GradsToRadians(99), static_cast<float>(pi / 2 - 99 * pi / 200));
  EXPECT_FLOAT_EQ(GradsToRadians(300), static_cast<float>(pi));
  EXPECT_TRUE(std::isfinite(GradsToRadians(1e300)));
}

}  // namespace
}  // namespace dornavik
