// The lexical rules of the ZEM exchange format: lines without their leading
// blanks and cut to 255 characters, tokens taken from the front of a line,
// numbers with a point as decimal sign, quoted texts, and angles in grads.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace dornavik {

constexpr size_t kZemLineLength = 255;

// One line of a ZEM file, consumed token by token from its front.
class tzemline {
 public:
  // Leading blanks are dropped first, then the line is cut to 255 characters.
  void Assign(std::string_view raw);

  // The text up to the first separator; the separator and the blanks after it
  // are consumed. Without a separator the rest of the line is the token.
  std::string_view Token(char separator = ' ');
  // The part of the line not consumed yet.
  std::string_view Rest() const { return std::string_view(text_).substr(pos_); }
  bool Empty() const { return pos_ >= text_.size(); }
  // The whole line (after the leading blanks were dropped).
  const std::string& Text() const { return text_; }
  char First() const { return text_.empty() ? '\0' : text_.front(); }

 private:
  std::string text_;
  size_t pos_ = 0;
};

// The token rule on a piece of text: the text up to the first separator, with
// the separator and the blanks after it taken off `rest`.
std::string_view TakeToken(std::string_view& rest, char separator = ' ');

// Integers and reals of a token with its blanks trimmed; the leading numeric
// part counts (garbage after it is ignored), an empty or malformed token reads
// as 0. Integers beyond 32 bits saturate; reals that are not finite read as 0.
int32_t ZemInt(std::string_view token);
double ZemReal(std::string_view token);

// A quoted text: trimmed; a missing opening quote is stood in by two blanks, a
// missing closing quote by one; the first and last characters are dropped;
// each backslash with the character after it becomes one double quote.
std::string ZemQuotedText(std::string_view text);

// Grads (clockwise from north) to radians (counter-clockwise from east).
float GradsToRadians(double grads);

// Reals beyond the range of a 32-bit float are held at its limits.
float ToFloat(double v);

// The token cut to n characters.
inline std::string Cut(std::string_view token, size_t n) { return std::string(token.substr(0, n)); }

}  // namespace dornavik
