// Reading .CHR stroke fonts: the layout, and files that are not usable fonts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "base/errors.h"
#include "symbology/font.h"
#include "symbology/fonts.h"
#include "symbology/fontwriter.h"
#include "symbology/glyph.h"
#include "symbology/font_recordingsink.h"

namespace dornavik {
namespace {

tfontimage SmallFont() {
  tfontimage image;
  image.description = "test font\r\n";
  image.name = "TEST";
  image.capital = 20;
  image.descender = -5;
  image.glyphs['A'] = {12, {StrokeMove(0, 0), StrokeDraw(5, 20), StrokeDraw(10, 0)}};
  image.glyphs['C'] = {8, {StrokeMove(4, 4), StrokeCircle(3)}};
  std::vector<uint16_t> arc = StrokeArc(3, 64, 128);
  image.glyphs['D'] = {9, {StrokeMove(1, 1), arc[0], arc[1], StrokeDraw(2, 2)}};
  return image;
}

std::string WriteTemp(const std::string& name, const std::string& bytes) {
  const auto path = std::filesystem::temp_directory_path() / name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path.string();
}

TEST(FontReader, ReadsTheLayout) {
  const std::string bytes = StrokeFontBytes(SmallFont());
  const tstrokefont font = ParseStrokeFont(bytes, tfontkind::text, "x.chr");
  EXPECT_EQ(font.unit, 20);
  EXPECT_EQ(font.widths['A'], 12);
  EXPECT_EQ(font.widths['B'], kNoGlyph);  // inside the range, not in the font
  EXPECT_EQ(font.widths['@'], kNoGlyph);  // below the first character
  EXPECT_EQ(font.offsets['A'], 0);
  EXPECT_EQ(font.offsets['C'], 4);  // three words and the end of 'A'
  EXPECT_EQ(font.strokes[font.offsets['A'] + 1], StrokeDraw(5, 20));
  EXPECT_EQ(font.stroke_size, 2u * (4 + 3 + 5));
  EXPECT_EQ(std::string(font.header.begin(), font.header.begin() + 9), "test font");

  // A sign font measures in tenths whatever its header says.
  EXPECT_EQ(ParseStrokeFont(bytes, tfontkind::sign, "x.chr").unit, kSignFontUnit);
}

TEST(FontReader, AcceptsBytesBeyondTheDeclaredSize) {
  const std::string bytes = StrokeFontBytes(SmallFont()) + std::string(100000, '\x55');
  const std::string path = WriteTemp("dornavik_oversized.chr", bytes);
  const tstrokefont font = LoadStrokeFont(path, tfontkind::text);
  EXPECT_EQ(font.widths['A'], 12);
  EXPECT_EQ(font.strokes.size(), 12u);
  std::filesystem::remove(path);
}

// Each case damages a good font; the reader must refuse it with a message that
// names the file.
TEST(FontReader, RefusesUnusableFiles) {
  const std::string good = StrokeFontBytes(SmallFont());
  const size_t mark = good.find('\x1A');
  struct tcase {
    const char* what;
    std::string bytes;
  };
  auto with = [&](size_t at, char value) {
    std::string b = good;
    b[at] = value;
    return b;
  };
  const std::vector<tcase> cases = {
      {"empty", ""},
      {"shorter than the header", good.substr(0, 143)},
      {"stroke stream cut", good.substr(0, good.size() - 3)},
      {"no end-of-file mark", with(mark, 'x')},
      {"more characters than codes", with(132, '\xFE')},
      {"size below the tables", with(mark + 7, 2)},
      {"offset past the strokes", with(144 + 2 * 0 + 1, '\x40')},
      {"glyph without end", good.substr(0, good.size() - 2) + std::string("\x81\x81", 2)},
      {"capital height zero", with(136, 0)},
      {"capital height negative", with(136, '\xF6')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      ParseStrokeFont(c.bytes, tfontkind::text, "bad.chr");
      ADD_FAILURE() << "accepted";
    } catch (const terror& e) {
      EXPECT_NE(std::string(e.what()).find("bad.chr"), std::string::npos);
    }
  }
}

TEST(FontReader, RefusesAnArcWithoutItsAngles) {
  tfontimage image = SmallFont();
  image.glyphs.clear();
  image.glyphs['A'] = {5, {StrokeArc(3, 0, 64)[0]}};
  std::string bytes = StrokeFontBytes(image);
  // The 0 that ends the glyph is the arc's angle word; nothing ends it after that.
  EXPECT_THROW(ParseStrokeFont(bytes, tfontkind::text, "x.chr"), terror);
  // A sign font reads operation 2 as a bracket without angles: the glyph is fine.
  image.glyphs['A'] = {5, {static_cast<uint16_t>(3 | 2 << 8)}};
  EXPECT_NO_THROW(ParseStrokeFont(StrokeFontBytes(image), tfontkind::sign, "x.chr"));
}

// Random damage never crashes: the font is refused, or read and then drawn safely.
TEST(FontReader, GarbledBytesNeverCrash) {
  const std::string good = StrokeFontBytes(SmallFont());
  std::mt19937 random(7);
  testing::trecordingsink sink;
  for (int round = 0; round < 3000; ++round) {
    std::string bytes = good;
    const int changes = 1 + static_cast<int>(random() % 6);
    for (int i = 0; i < changes; ++i) bytes[random() % bytes.size()] = static_cast<char>(random());
    if (round % 5 == 0) bytes.resize(random() % bytes.size());
    for (const tfontkind kind : {tfontkind::text, tfontkind::sign}) {
      try {
        const tstrokefont font = ParseStrokeFont(bytes, kind, "g.chr");
        for (int code = 0; code < 256; ++code) {
          DrawSignMatrix(sink, {}, static_cast<uint8_t>(code), 0, font, 1);
          DrawGlyphAxis(sink, static_cast<uint8_t>(code), 0, font, 0, 0, 1, 1);
        }
        sink.calls.clear();
      } catch (const terror&) {
      }
    }
  }
}

TEST(FontReader, MissingFileGivesTheOperatorsMessage) {
  try {
    LoadStrokeFont("/nonexistent/fon1.chr", tfontkind::text);
    FAIL();
  } catch (const terror& e) {
    // "Файла /nonexistent/fon1.chr не е намерен." in cp1251
    EXPECT_STREQ(e.what(), "\xD4\xE0\xE9\xEB\xE0 /nonexistent/fon1.chr "
                           "\xED\xE5 \xE5 \xED\xE0\xEC\xE5\xF0\xE5\xED.");
  }
}

TEST(FontSet, LoadsEightFontsIgnoringCaseAndKeepsThemOnFailure) {
  const auto folder = std::filesystem::temp_directory_path() / "dornavik_fontset";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  tfontimage image = SmallFont();
  for (int i = 1; i <= 4; ++i) {
    image.capital = 10 * i;
    std::ofstream(folder / ("FON" + std::to_string(i) + ".CHR"), std::ios::binary) << StrokeFontBytes(image);
    std::ofstream(folder / ("sym" + std::to_string(i) + ".chr"), std::ios::binary) << StrokeFontBytes(image);
  }
  ResetStrokeFonts();
  EXPECT_FALSE(TextFont(1).HasGlyph('A'));
  LoadStrokeFonts(folder.string() + "/");
  EXPECT_EQ(TextFont(3).unit, 30);
  EXPECT_EQ(SignFont(3).unit, kSignFontUnit);
  EXPECT_EQ(SignFont(2).kind, tfontkind::sign);
  // Numbers outside 1..4 fall back to font 1.
  EXPECT_EQ(&TextFont(0), &TextFont(1));
  EXPECT_EQ(&SignFont(5), &SignFont(1));

  std::filesystem::remove(folder / "sym4.chr");
  EXPECT_THROW(LoadStrokeFonts(folder.string() + "/"), terror);
  EXPECT_EQ(TextFont(2).unit, 20);  // what was loaded stays
  ResetStrokeFonts();
  EXPECT_EQ(SignFont(1).kind, tfontkind::sign);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace dornavik
