// Text and number conversions shared by every reader and writer of the program's
// text formats. Texts are byte strings; numbers always use a point as decimal sign,
// whatever the locale.
#pragma once

#include <string>
#include <string_view>

namespace dornavik {

std::string TrimTrailing(std::string_view text);
// Removes leading blanks and keeps at most 255 characters from the first non-blank.
std::string TrimLeading(std::string_view text);
std::string TrimBoth(std::string_view text);

// n right-aligned in w characters; a longer number takes the room it needs.
std::string IntText(long long n, int w);
// As IntText with the leading blanks replaced by "0".
std::string ZeroIntText(long long n, int w);
// x fixed-point with d decimals, right-aligned in w characters.
std::string RealText(double x, int w, int d);
std::string PadLeft(std::string_view text, size_t w);
std::string PadRight(std::string_view text, size_t w);
std::string RepeatChar(size_t n, char c);

// The leading numeric part of the trimmed text (0 when there is none). TextInt
// also reads "$" followed by hexadecimal digits; values beyond 32 bits saturate.
int TextInt(std::string_view text);
double TextReal(std::string_view text);

// head := text up to the first comma, text := the rest after it; without a comma
// head := the whole text and text := empty.
std::string SplitComma(std::string& text);
// As SplitComma for the character c; blanks at the start of the rest are removed.
std::string SplitAt(std::string& text, char c);

// The text in double quotes, each double quote inside written as \".
std::string QuoteText(std::string_view text);
// The inverse of QuoteText, forgiving missing quotes (see the .cpp).
std::string UnquoteText(std::string_view text);

struct tfilename {
  std::string folder;     // with its trailing separator, or empty
  std::string name;       // without the extension
  std::string extension;  // with its point, or empty
};
tfilename SplitFileName(std::string_view path);

// "dd.mm.yyyy г." in cp1251; the first form is today's local date.
std::string DateText();
std::string DateText(int year, int month, int day);

// Upper and lower case of a cp1251 text, Cyrillic letters included.
std::string UpperWin(std::string_view text);
std::string LowerWin(std::string_view text);
// Case-insensitive comparison of two cp1251 texts: <0, 0, >0.
int CompareTextWin(std::string_view a, std::string_view b);

}  // namespace dornavik
