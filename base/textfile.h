// Text files of the program's formats: read with CR LF or LF line ends, written
// with CR LF through a temporary file, so that a failed write never replaces a
// good file. Both record their failures for CheckIo.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace dornavik {

class ttextreader {
 public:
  ttextreader() = default;
  ttextreader(const ttextreader&) = delete;
  ttextreader& operator=(const ttextreader&) = delete;
  ~ttextreader();

  // False (and the io result set) when the file cannot be opened.
  bool Open(const std::string& path);
  void Close();
  // The next line without its line end; false at the end of the file.
  bool ReadLine(std::string& line);
  // Number of lines read so far.
  long LineNumber() const { return line_number_; }
  // Total size of the file and bytes consumed, for progress gauges.
  long long Size() const { return size_; }
  long long Consumed() const { return consumed_; }

 private:
  bool Fill();

  FILE* file_ = nullptr;
  std::vector<char> buffer_;
  size_t begin_ = 0, end_ = 0;
  long line_number_ = 0;
  long long size_ = 0, consumed_ = 0;
};

class ttextwriter {
 public:
  void Write(std::string_view text) { data_.append(text); }
  void WriteLine(std::string_view text) {
    data_.append(text);
    data_.append("\r\n");
  }
  const std::string& Data() const { return data_; }
  // Writes everything to path; false (and the io result set) on failure, with any
  // previous file left as it was.
  bool Commit(const std::string& path);

 private:
  std::string data_;
};

}  // namespace dornavik
