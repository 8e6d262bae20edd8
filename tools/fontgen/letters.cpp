#include "letters.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

#include "hershey.h"

namespace fontgen {
namespace {

using dornavik::tfontimage;
using dornavik::tglyphimage;
using tglyphs = std::map<uint8_t, tglyph>;

constexpr double kBaseline = 9;  // Hershey y of the baseline
constexpr int kLetters = 32;     // А..Я without Ё

// CP866 codes of the capital and small letter i of А..Я; MIK puts the small
// letters from р on at 0xB0.., where CP866 has box drawing.
uint8_t CapitalCode(int i) { return static_cast<uint8_t>(0x80 + i); }
uint8_t SmallCode(int i) { return static_cast<uint8_t>(i < 16 ? 0xA0 + i : 0xE0 + i - 16); }
uint8_t SmallMikCode(int i) { return static_cast<uint8_t>(0xB0 + i - 16); }
constexpr uint8_t kCapitalYo = 0xF0, kSmallYo = 0xF1;

// Where Hershey's Cyrillic font (cyrillic.jhf, in the layout of a phonetic
// keyboard) holds А..Я and а..я. It has no capital Й: that is И with the breve
// of the small й (see AddComplexCyrillic).
constexpr char kComplexCapitals[kLetters] = {'A', 'B', 'V', 'G', 'D', '[', 'H', 'Z', 'I', 'I', 'K',
                                             'L', 'M', 'N', 'O', 'P', 'R', 'S', 'T', 'Y', 'F', 'X',
                                             '`', 'J', 'Q', 'W', ']', '$', '_', 'C', 'U', '^'};
constexpr char kComplexSmall[kLetters] = {'a', 'b', 'v', 'g', 'd', '{', 'h', 'z', 'i', 'e', 'k',
                                          'l', 'm', 'n', 'o', 'p', 'r', 's', 't', 'y', 'f', 'x',
                                          '%', 'j', 'q', 'w', '}', '&', '~', 'c', 'u', '|'};

tglyph Hand(double left, double right, std::vector<tpolyline> strokes) {
  return {left, right, std::move(strokes)};
}

tglyph WithMargins(tglyph g, double left, double right) {
  g.left = left;
  g.right = right;
  return g;
}

// Most small Cyrillic letters are small capitals: x-height 14 of the capitals' 21.
tglyph SmallCapital(const tglyph& g) { return Scaled(g, 0.8, 2.0 / 3.0, kBaseline); }

// Two dots (the font's full stop) over a letter, centred at height y.
tglyph WithDiaeresis(const tglyph& letter, const tglyph& stop, double y) {
  const double dy = y - 8;  // the full stop is centred at height 8
  const double x = (letter.left + letter.right) / 2;
  return Joined(Joined(letter, Moved(stop, x - 3.5, dy)), Moved(stop, x + 3.5, dy));
}

// The Cyrillic letters of the simplex style, composed from Hershey's simplex
// Latin letters where the shapes agree and drawn here where they do not.
void ComposeSimplexCyrillic(const std::vector<tglyph>& latin, tglyphs& out) {
  const auto L = [&](char c) { return latin.at(static_cast<size_t>(c - 32)); };
  const tpolyline bowl = {{2, 9}, {5, 8}, {6, 7}, {7, 5}, {7, 2}, {6, 0}, {5, -1}, {2, -2}};
  const auto with_bowl = [&](tpolyline head, double stem) {
    tpolyline line = std::move(head);
    line.push_back({stem, 9});
    line.insert(line.end(), bowl.begin(), bowl.end());
    line.push_back({stem, -2});
    return line;
  };
  const tglyph breve = Hand(0, 0, {{{-4, -17}, {-3, -15}, {-1, -14}, {1, -14}, {3, -15}, {4, -17}}});
  const tglyph i_letter = Mirrored(L('N'));
  const tglyph o_narrow = Moved(Scaled(L('O'), 0.7, 1, kBaseline), 4, 0);

  const tglyph capitals[kLetters] = {
      L('A'),
      Hand(-11, 10, {with_bowl({{6, -12}, {-7, -12}}, -7)}),
      L('B'),
      Hand(-11, 8, {{{-7, 9}, {-7, -12}, {6, -12}}}),
      Hand(-12, 12, {{{-4, -12}, {-5, 1}, {-6, 6}, {-8, 9}},
                     {{-4, -12}, {7, -12}, {7, 9}},
                     {{-10, 13}, {-10, 9}, {9, 9}, {9, 13}}}),
      L('E'),
      Hand(-13, 13, {{{0, -12}, {0, 9}}, {{-9, -12}, {0, -2}, {9, -12}}, {{-3, -3}, {-10, 9}},
                     {{3, -3}, {10, 9}}}),
      Hand(-10, 11, {{{-6, -9}, {-4, -11}, {-1, -12}, {2, -12}, {5, -11}, {6, -9}, {6, -7}, {5, -5},
                      {2, -3}, {-2, -3}},
                     {{2, -3}, {5, -1}, {7, 2}, {7, 5}, {6, 7}, {4, 8}, {1, 9}, {-2, 9}, {-5, 8},
                      {-7, 6}}}),
      i_letter,
      Joined(i_letter, breve),
      L('K'),
      Hand(-11, 11, {{{7, 9}, {7, -12}, {-3, -12}, {-4, -2}, {-5, 4}, {-6, 7}, {-7, 8}, {-9, 9}}}),
      L('M'),
      L('H'),
      L('O'),
      Hand(-11, 11, {{{-7, 9}, {-7, -12}, {7, -12}, {7, 9}}}),
      L('P'),
      L('C'),
      L('T'),
      Hand(-10, 10, {{{-7, -12}, {0, 3}}, {{7, -12}, {0, 3}, {-1, 6}, {-2, 7}, {-4, 8}, {-6, 9}}}),
      Hand(-12, 12, {{{0, -12}, {0, 9}},
                     {{-2, -8}, {-5, -7}, {-7, -5}, {-8, -3}, {-8, 0}, {-7, 2}, {-5, 4}, {-2, 5},
                      {2, 5}, {5, 4}, {7, 2}, {8, 0}, {8, -3}, {7, -5}, {5, -7}, {2, -8}, {-2, -8}}}),
      L('X'),
      Hand(-11, 12, {{{-7, -12}, {-7, 9}, {9, 9}, {9, 13}}, {{7, -12}, {7, 9}}}),
      Hand(-11, 10, {{{-7, -12}, {-7, -6}, {-6, -3}, {-3, -2}, {1, -2}, {4, -3}, {7, -5}},
                     {{7, -12}, {7, 9}}}),
      Hand(-13, 13, {{{-9, -12}, {-9, 9}, {9, 9}, {9, -12}}, {{0, -12}, {0, 9}}}),
      Hand(-13, 14, {{{-9, -12}, {-9, 9}, {11, 9}, {11, 13}}, {{0, -12}, {0, 9}}, {{9, -12}, {9, 9}}}),
      Hand(-12, 10, {with_bowl({{-10, -12}, {-5, -12}}, -5)}),
      WithMargins(Joined(Moved(Scaled(Hand(0, 0, {with_bowl({{-7, -12}}, -7)}), 0.75, 1, kBaseline), -2, 0),
                         Hand(0, 0, {{{8, -12}, {8, 9}}})),
                  -11, 12),
      Hand(-11, 10, {with_bowl({{-7, -12}}, -7)}),
      Joined(Mirrored(L('C')), Hand(0, 0, {{{-2, -2}, {7, -2}}})),
      Joined(Hand(-13, 13, {{{-9, -12}, {-9, 9}}, {{-9, -2}, {-2, -2}}}), o_narrow),
      Mirrored(L('R')),
  };
  for (int i = 0; i < kLetters; ++i) {
    out[CapitalCode(i)] = capitals[i];
    out[SmallCode(i)] = SmallCapital(capitals[i]);
  }
  // Small letters that are not small capitals.
  out[SmallCode(0)] = L('a');
  out[SmallCode(1)] = Joined(L('o'), Hand(0, 0, {{{-6, 2}, {-6, -5}, {-5, -9}, {-3, -11}, {0, -12},
                                                   {4, -12}, {6, -13}}}));
  out[SmallCode(5)] = L('e');
  out[SmallCode(14)] = L('o');
  out[SmallCode(16)] = L('p');
  out[SmallCode(17)] = L('c');
  out[SmallCode(19)] = L('y');
  out[SmallCode(20)] = Hand(-12, 12, {{{0, -12}, {0, 16}},
                                      {{-2, -5}, {-5, -4}, {-7, -2}, {-8, 1}, {-8, 3}, {-7, 6}, {-5, 8},
                                       {-2, 9}, {2, 9}, {5, 8}, {7, 6}, {8, 3}, {8, 1}, {7, -2}, {5, -4},
                                       {2, -5}, {-2, -5}}});
  out[SmallCode(21)] = L('x');
}

void AddComplexCyrillic(const std::vector<tglyph>& cyrillic, tglyphs& out) {
  for (int i = 0; i < kLetters; ++i) {
    out[CapitalCode(i)] = cyrillic.at(static_cast<size_t>(kComplexCapitals[i] - 32));
    out[SmallCode(i)] = cyrillic.at(static_cast<size_t>(kComplexSmall[i] - 32));
  }
  constexpr int kI = 8, kShortI = 9;
  tglyph breve;
  for (const auto& line : out[SmallCode(kShortI)].strokes)
    if (std::find(out[SmallCode(kI)].strokes.begin(), out[SmallCode(kI)].strokes.end(), line) ==
        out[SmallCode(kI)].strokes.end())
      breve.strokes.push_back(line);
  out[CapitalCode(kShortI)] = Joined(out[CapitalCode(kI)], Moved(breve, 0, -6));
}

// Hershey units to font units: the origin at the left margin on the baseline,
// y upwards, slanted about half the capital height. A glyph too wide for the
// 7-bit coordinates is narrowed to fit.
tglyphimage Convert(const tglyph& g, double slant) {
  std::vector<std::vector<std::pair<double, double>>> lines;
  double widest = 0;
  for (const auto& line : g.strokes) {
    auto& out = lines.emplace_back();
    for (const auto& p : line) {
      const double y = (kBaseline - p.y) * kScale;
      const double x = (p.x - g.left) * kScale + slant * (y - kCapital / 2.0);
      if (y < -64 || y > 63) throw std::runtime_error("glyph too tall for the stroke words");
      widest = std::max(widest, x);
      out.emplace_back(x, y);
    }
  }
  const double squeeze = widest > 63 ? 63 / widest : 1;
  tglyphimage image;
  image.width = static_cast<uint8_t>(std::lround((g.right - g.left) * kScale * squeeze));
  for (const auto& line : lines) {
    bool first = true;
    int px = 0, py = 0;
    for (const auto& [fx, fy] : line) {
      const int x = static_cast<int>(std::lround(fx * squeeze)), y = static_cast<int>(std::lround(fy));
      if (first) {
        image.words.push_back(dornavik::StrokeMove(x, y));
        if (line.size() == 1) image.words.push_back(dornavik::StrokeDraw(x, y));  // a dot
      } else if (x != px || y != py) {
        image.words.push_back(dornavik::StrokeDraw(x, y));
      }
      first = false;
      px = x;
      py = y;
    }
  }
  return image;
}

}  // namespace

tfontimage TextFontImage(const ttextstyle& style, const std::string& hershey_folder) {
  const std::vector<tglyph> latin = ReadHersheyFont(hershey_folder + style.latin);
  if (latin.size() < 95) throw std::runtime_error(style.latin + " lacks ASCII glyphs");
  tglyphs glyphs;
  for (int code = 32; code < 127; ++code) glyphs[static_cast<uint8_t>(code)] = latin[code - 32];
  if (style.complex_cyrillic)
    AddComplexCyrillic(ReadHersheyFont(hershey_folder + "cyrillic.jhf"), glyphs);
  else
    ComposeSimplexCyrillic(latin, glyphs);
  const tglyph& stop = latin['.' - 32];
  glyphs[kCapitalYo] = WithDiaeresis(glyphs[CapitalCode(5)], stop, -16);
  glyphs[kSmallYo] = WithDiaeresis(glyphs[SmallCode(5)], stop, -8.5);
  for (int i = 16; i < kLetters; ++i) glyphs[SmallMikCode(i)] = glyphs[SmallCode(i)];

  tfontimage image;
  image.description = style.description;
  image.name = style.name;
  image.capital = kCapital;
  image.descender = static_cast<int>((kBaseline - 16) * kScale);
  for (const auto& [code, g] : glyphs) image.glyphs[code] = Convert(g, style.slant);
  return image;
}

}  // namespace fontgen
