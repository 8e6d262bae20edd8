// The fonts the build generates into the program folder.
#include <gtest/gtest.h>

#include "symbology/fonts.h"
#include "symbology/glyph.h"
#include "symbology/font_recordingsink.h"

namespace dornavik {
namespace {

class FontGenerated : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { LoadStrokeFonts(std::string(DORNAVIK_PROGRAM_DIR) + "/"); }
  static void TearDownTestSuite() { ResetStrokeFonts(); }
};

TEST_F(FontGenerated, CapitalsAreOneSizeUnitTall) {
  for (int number = 1; number <= kFontCount; ++number) {
    SCOPED_TRACE(number);
    // "H" and the Cyrillic "Н" (CP866 0x8D) stand on the baseline and reach one size unit.
    for (const uint8_t code : {uint8_t('H'), uint8_t(0x8D)}) {
      testing::trecordingsink sink;
      DrawGlyphAxis(sink, code, 0, TextFont(number), 100, 50, 3, 3);
      EXPECT_NEAR(sink.ymin, 50, 1e-4);
      EXPECT_NEAR(sink.ymax, 53, 1e-4);
    }
  }
}

TEST_F(FontGenerated, TextFontsHoldLatinCyrillicDigitsAndPunctuation) {
  std::string codes = "0123456789.,:;-+()/\"'!?%*=";
  for (char c = 'A'; c <= 'Z'; ++c) codes += {c, static_cast<char>(c + 32)};
  for (int c = 0x80; c <= 0xAF; ++c) codes += static_cast<char>(c);  // А..Я, а..п
  for (int c = 0xE0; c <= 0xF1; ++c) codes += static_cast<char>(c);  // р..я, Ё, ё
  for (int c = 0xB0; c <= 0xBF; ++c) codes += static_cast<char>(c);  // р..я in MIK
  for (int number = 1; number <= kFontCount; ++number)
    for (const char c : codes) {
      const tstrokefont& font = TextFont(number);
      EXPECT_TRUE(font.HasGlyph(static_cast<uint8_t>(c))) << number << " " << int(uint8_t(c));
      EXPECT_GT(CharWidth(font, static_cast<uint8_t>(c)), 0.2f);
      EXPECT_LT(CharWidth(font, static_cast<uint8_t>(c)), 1.6f);
    }
  // Box drawing has no glyph.
  EXPECT_FALSE(TextFont(1).HasGlyph(0xC5));
}

TEST_F(FontGenerated, TextIsMeasuredAndAdvancedAtItsSize) {
  const tstrokefont& font = TextFont(1);
  const std::string text = "\x8F\xAE\xA4 12";  // "Под 12"
  EXPECT_FLOAT_EQ(TextWidth(font, text), CharWidth(font, 0x8F) + CharWidth(font, 0xAE) +
                                             CharWidth(font, 0xA4) + CharWidth(font, ' ') +
                                             CharWidth(font, '1') + CharWidth(font, '2'));
  testing::trecordingsink sink;
  DrawTextAxis(sink, "II", 0, font, -0.1f, 0, 0, 2, 2);
  // Two strokes of "I", the second 0.9 * 2 further right.
  ASSERT_EQ(sink.Strokes().size(), 4u);
  EXPECT_NEAR(sink.xmax - sink.xmin, 1.8, 1e-4);
}

TEST_F(FontGenerated, SignFontsHoldTheSignsCentredInOneSizeUnit) {
  for (int number = 1; number <= kFontCount; ++number)
    for (int code = 65; code <= 84; ++code) {
      SCOPED_TRACE(code);
      testing::trecordingsink sink;
      ASSERT_TRUE(SignFont(number).HasGlyph(static_cast<uint8_t>(code)));
      DrawSignAxis(sink, static_cast<uint8_t>(code), SignFont(number), 0, 4, 4, 10, 20);
      EXPECT_FALSE(sink.Strokes().empty());
      if (sink.xmin <= sink.xmax) {
        EXPECT_GE(sink.xmin, 10 - 2.0001);
        EXPECT_LE(sink.xmax, 10 + 2.0001);
        EXPECT_GE(sink.ymin, 20 - 2.0001);
        EXPECT_LE(sink.ymax, 20 + 2.0001);
      }
    }
  // The survey point is a small circle round the point itself.
  testing::trecordingsink sink;
  DrawSignAxis(sink, 82, SignFont(1), 0, 1, 1, 0, 0);
  EXPECT_EQ(sink.Strokes().back(), "circle 0 0 0.2");
}

}  // namespace
}  // namespace dornavik
