// The map file as the reader sees it: numbers in free form across line ends,
// whole lines, and the rest of a line after the numbers read from it. Only the
// current text line is held. Once the file ends or a number is garbled, every
// later read fails, so that a broken file ends the reading where it breaks.
#pragma once

#include <cstdint>
#include <string>

#include "base/host.h"
#include "base/textfile.h"

namespace dornavik {

class tmapscanner {
 public:
  explicit tmapscanner(ttextreader& reader) : reader_(reader) {}

  // Sets the gauge to the percentage of total_lines read, from 100 to 1000
  // times per file (never for a file of fewer than 100 lines).
  void ShowProgress(tprogress* progress, long total_lines);

  // The next number; blanks and line ends before it are skipped.
  bool Real(double& x);
  bool Float(float& x);
  // A number rounded to the nearest integer, held within the int32 range.
  bool Int(int32_t& n);
  // The rest of the current line, or the next line when none is open; either
  // way no line is open afterwards.
  bool Line(std::string& text);
  // Drops the rest of the current line (nothing when no line is open).
  void EndLine() { open_ = false; }
  // The next character: that of the current line, or the first of the next
  // line; '\n' for an empty line.
  bool Char(char& c);
  // Whether only blanks are left on the current line.
  bool LineEnds() const;

  bool Failed() const { return failed_; }

 private:
  bool Fetch();

  ttextreader& reader_;
  std::string line_;
  size_t pos_ = 0;
  bool open_ = false;
  bool failed_ = false;
  tprogress* progress_ = nullptr;
  long total_ = 0, step_ = 0, next_ = 0;
};

}  // namespace dornavik
