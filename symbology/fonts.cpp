#include "symbology/fonts.h"

#include <array>

#include "base/files.h"

namespace dornavik {
namespace {

struct tfontset {
  std::array<tstrokefont, kFontCount> text, sign;
  tfontset() {
    for (auto& font : sign) font.kind = tfontkind::sign;
  }
};

tfontset& Fonts() {
  static tfontset fonts;
  return fonts;
}

const tstrokefont& Pick(const std::array<tstrokefont, kFontCount>& fonts, int number) {
  return fonts[number >= 1 && number <= kFontCount ? number - 1 : 0];
}

}  // namespace

void LoadStrokeFonts(const std::string& folder) {
  tfontset loaded;
  for (int i = 0; i < kFontCount; ++i) {
    const std::string digit = std::to_string(i + 1);
    loaded.text[i] = LoadStrokeFont(FindFileNoCase(folder, "fon" + digit + ".chr"), tfontkind::text);
    loaded.sign[i] = LoadStrokeFont(FindFileNoCase(folder, "sym" + digit + ".chr"), tfontkind::sign);
  }
  Fonts() = std::move(loaded);
}

const tstrokefont& TextFont(int number) { return Pick(Fonts().text, number); }
const tstrokefont& SignFont(int number) { return Pick(Fonts().sign, number); }

void ResetStrokeFonts() { Fonts() = tfontset{}; }

}  // namespace dornavik
