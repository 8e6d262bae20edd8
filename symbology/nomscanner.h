// Reads the nomenclature file the way formatted text input does: numbers are
// blank-separated tokens that may continue on the next line, characters and
// the rest of a line are taken where the last number ended.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "base/textfile.h"

namespace dornavik {

// A value that is not a number of its kind, out of its range, or missing
// because the file ended inside a row.
class tbadnomvalue : public std::runtime_error {
 public:
  explicit tbadnomvalue(long line) : std::runtime_error("bad value"), line_(line) {}
  long Line() const { return line_; }

 private:
  long line_;
};

class tnomscanner {
 public:
  explicit tnomscanner(ttextreader& file) : file_(file) {}

  // The next integer; false at the end of the file. Throws tbadnomvalue when the
  // next token is not an integer.
  bool NextInt(long long& value);
  // As NextInt, but the end of the file is a bad value too.
  long long Int(long long low = INT32_MIN, long long high = INT32_MAX);
  int32_t Int32() { return static_cast<int32_t>(Int()); }
  uint8_t Byte() { return static_cast<uint8_t>(Int(0, 255)); }
  float Real();
  // The next character of the current line.
  char Char();
  // The rest of the current line; the next read starts on the following line.
  std::string RestOfLine();
  void SkipLine() { RestOfLine(); }
  // Only blanks are left on the current line.
  bool AtLineEnd();
  // No line is left.
  bool AtEnd() { return !Load(); }
  long LineNumber() const { return file_.LineNumber(); }
  [[noreturn]] void Bad() const { throw tbadnomvalue(LineNumber()); }

 private:
  bool Load();
  // The next blank-separated token, crossing line ends; false at the end of the file.
  bool Token(std::string& token);

  ttextreader& file_;
  std::string line_;
  size_t pos_ = 0;
  bool loaded_ = false;
};

}  // namespace dornavik
