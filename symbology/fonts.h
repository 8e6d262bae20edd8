// The eight stroke fonts of the run: text fonts 1..4 ("fon1.chr".."fon4.chr") and
// sign fonts 1..4 ("sym1.chr".."sym4.chr") from the program folder, loaded once at
// start and only read afterwards.
#pragma once

#include <string>

#include "symbology/font.h"

namespace dornavik {

constexpr int kFontCount = 4;

// Loads all eight fonts from folder (with its trailing separator; file names are
// looked up ignoring case). Throws terror with the message for the operator when a
// font is missing or unusable; the program ends then, and the fonts loaded before
// stay as they were.
void LoadStrokeFonts(const std::string& folder);

// Font number 1..4; any other number gives font 1. Before loading, every font is
// empty: it measures characters as missing and draws nothing.
const tstrokefont& TextFont(int number);
const tstrokefont& SignFont(int number);

// Forgets the loaded fonts (tests).
void ResetStrokeFonts();

}  // namespace dornavik
