// Measuring and drawing glyphs: the stroke words, the placements and the text run.
#include <gtest/gtest.h>

#include "symbology/font.h"
#include "symbology/fontwriter.h"
#include "symbology/glyph.h"
#include "symbology/font_recordingsink.h"

namespace dornavik {
namespace {

using testing::trecordingsink;
using Calls = std::vector<std::string>;

tstrokefont Font(tfontkind kind, int capital, std::map<uint8_t, tglyphimage> glyphs) {
  tfontimage image;
  image.description = "t";
  image.capital = capital;
  image.glyphs = std::move(glyphs);
  return ParseStrokeFont(StrokeFontBytes(image), kind, "t.chr");
}

tstrokefont Words(tfontkind kind, std::vector<uint16_t> words, int capital = 10) {
  return Font(kind, capital, {{'G', {10, std::move(words)}}});
}

Calls AxisStrokes(const tstrokefont& font, float x0 = 0, float y0 = 0, float sx = 10, float sy = 10) {
  trecordingsink sink;
  DrawGlyphAxis(sink, 'G', 0, font, x0, y0, sx, sy);
  return sink.Strokes();
}

TEST(FontGlyph, PointWords) {
  // Low byte 133, high byte 138: a line to (5, 10); high byte 10: a move there.
  EXPECT_EQ(AxisStrokes(Words(tfontkind::text, {133 | 138 << 8}), 0, 0, 10, 10),
            (Calls{"move 5 10", "line 0 0 5 10"}));
  EXPECT_EQ(AxisStrokes(Words(tfontkind::text, {133 | 10 << 8, 129 | 129 << 8})),
            (Calls{"move 5 10", "line 5 10 1 1"}));
  // Seven-bit negative coordinates, placed at (100, 200) with different scales.
  EXPECT_EQ(AxisStrokes(Words(tfontkind::text, {StrokeMove(-5, -64), StrokeDraw(63, -1)}), 100, 200, 2, 4),
            (Calls{"move 99 174.4", "line 99 174.4 112.6 199.6"}));
}

TEST(FontGlyph, CirclesAndArcs) {
  const std::vector<uint16_t> circle = {StrokeMove(2, 2), 3};
  EXPECT_EQ(AxisStrokes(Words(tfontkind::text, circle)), (Calls{"move 2 2", "circle 2 2 3"}));

  struct tcase {
    tfontkind kind;
    int from, to;
    const char* axis;
    const char* sign_axis;  // the same glyph through DrawSignAxis
  };
  // The canvas draws from its second angle counter-clockwise to its first.
  const tcase cases[] = {
      {tfontkind::text, 64, 128, "arc 0 0 3 180 90", "arc 0 0 3 180 90"},
      {tfontkind::text, 128, 64, "arc 0 0 3 90 180", "arc 0 0 3 90 180"},
      {tfontkind::sign, 64, 128, "arc 0 0 3 180.5 90.25", "arc 0 0 3 180 90"},
      {tfontkind::sign, 128, 64, "arc 0 0 3 90.25 180.5", "arc 0 0 3 90 180"},
  };
  for (const auto& c : cases) {
    std::vector<uint16_t> words = StrokeArc(3, c.from, c.to);
    const tstrokefont font = Words(c.kind, words);
    trecordingsink matrix;
    DrawSignMatrix(matrix, {10, 0, 0, 0, 10, 0}, 'G', 0, font, 10);
    EXPECT_EQ(matrix.Strokes(), Calls{c.axis});
    trecordingsink axis;
    DrawSignAxis(axis, 'G', font, 0, 10, 10, 0, 0);
    EXPECT_EQ(axis.Strokes(), Calls{c.sign_axis});
  }
}

TEST(FontGlyph, OperationsTheFontKindsReadDifferently) {
  // Operation 2 with a following point: a text font reads an arc and its angle
  // word; a sign font draws nothing for it and reads the point.
  const std::vector<uint16_t> words = {4 | 2 << 8, StrokeDraw(3, 4)};
  EXPECT_EQ(AxisStrokes(Words(tfontkind::text, words)), (Calls{"arc 0 0 4 184.219 185.625"}));
  trecordingsink sink;
  DrawSignAxis(sink, 'G', Words(tfontkind::sign, words), 0, 10, 10, 0, 0);
  EXPECT_EQ(sink.Strokes(), (Calls{"move 3 4", "line 0 0 3 4"}));
}

TEST(FontGlyph, MatrixPlacement) {
  const std::vector<uint16_t> arc = StrokeArc(2, 0, 64);
  const tstrokefont font =
      Words(tfontkind::sign, {StrokeMove(10, 0), arc[0], arc[1], StrokeCircle(1), StrokeDraw(10, 10)});
  // A quarter turn, twice the size, moved to (100, 50).
  const tmatrix turn{0, -2, 100, 2, 0, 50};
  trecordingsink sign;
  DrawSignMatrix(sign, turn, 'G', 0, font, 2);
  EXPECT_EQ(sign.Strokes(), (Calls{"move 100 52", "arc 100 52 0.4 180.25 90", "circle 100 52 0.2",
                                   "line 100 52 98 52"}));
  // A mirror reverses the direction of the arc.
  trecordingsink mirrored;
  DrawSignMatrix(mirrored, {-1, 0, 0, 0, 1, 0}, 'G', 0, font, 1);
  EXPECT_EQ(mirrored.Strokes()[1], "arc -1 0 0.2 180 89.75");
  // Text glyphs through a matrix leave circles and arcs out.
  trecordingsink text;
  DrawGlyphMatrix(text, turn, 'G', Words(tfontkind::text, font.strokes), 0);
  EXPECT_EQ(text.Strokes(), (Calls{"move 100 52", "line 100 52 98 52"}));
}

TEST(FontGlyph, SizesAndMissingCharacters) {
  // Strokes reaching 10 units up are one size unit tall in a sign font, half of
  // one in a text font with capital height 20.
  const std::vector<uint16_t> bar = {StrokeMove(0, 0), StrokeDraw(0, 10)};
  trecordingsink sign, text;
  DrawSignAxis(sign, 'G', Words(tfontkind::sign, bar, 20), 0, 1, 1, 0, 0);
  DrawGlyphAxis(text, 'G', 0, Words(tfontkind::text, bar, 20), 0, 0, 1, 1);
  EXPECT_FLOAT_EQ(sign.ymax, 1);
  EXPECT_FLOAT_EQ(text.ymax, 0.5f);

  const tstrokefont font = Font(tfontkind::text, 20, {{'A', {10, bar}}, {'B', {30, bar}}});
  EXPECT_FLOAT_EQ(CharWidth(font, 'A'), 0.5f);
  EXPECT_FLOAT_EQ(TextWidth(font, "AB"), 2);
  // A missing character measures as its width mark 255 and draws nothing.
  EXPECT_FLOAT_EQ(TextWidth(font, "A?"), 265.0f / 20);
  trecordingsink none;
  DrawGlyphAxis(none, '?', 0, font, 0, 0, 1, 1);
  EXPECT_TRUE(none.calls.empty());
}

TEST(FontGlyph, TextRunAdvancesByTheSpacing) {
  const tstrokefont font = Font(tfontkind::text, 10, {{'A', {6, {StrokeMove(0, 0)}}}});
  trecordingsink sink;
  DrawTextAxis(sink, "A?A", 7, font, -0.1f, 1, 0, 2, 2);
  EXPECT_EQ(sink.calls, (Calls{"color 7", "move 1 0", "color 7", "move 4.6 0"}));
}

}  // namespace
}  // namespace dornavik
