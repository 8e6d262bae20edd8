#include "base/textfile.h"

#include <cerrno>
#include <cstring>

#include "base/files.h"
#include "base/ioresult.h"

namespace dornavik {

namespace {
constexpr size_t kBufferSize = 1 << 20;
}

ttextreader::~ttextreader() { Close(); }

bool ttextreader::Open(const std::string& path) {
  Close();
  file_ = std::fopen(path.c_str(), "rb");
  if (!file_) {
    SetIoResult(IoCodeFromErrno(errno, false));
    return false;
  }
  if (std::fseek(file_, 0, SEEK_END) == 0) {
    size_ = std::ftell(file_);
    std::fseek(file_, 0, SEEK_SET);
  }
  buffer_.resize(kBufferSize);
  begin_ = end_ = 0;
  line_number_ = 0;
  consumed_ = 0;
  return true;
}

void ttextreader::Close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
}

bool ttextreader::Fill() {
  if (!file_) return false;
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
  size_t n = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, file_);
  if (n == 0 && std::ferror(file_)) SetIoResult(100);
  end_ += n;
  return n > 0;
}

bool ttextreader::ReadLine(std::string& line) {
  size_t scanned = begin_;
  for (;;) {
    const char* start = buffer_.data() + scanned;
    const void* nl = scanned < end_ ? std::memchr(start, '\n', end_ - scanned) : nullptr;
    if (nl) {
      size_t pos = static_cast<const char*>(nl) - buffer_.data();
      size_t len = pos - begin_;
      if (len > 0 && buffer_[pos - 1] == '\r') --len;
      line.assign(buffer_.data() + begin_, len);
      consumed_ += pos + 1 - begin_;
      begin_ = pos + 1;
      ++line_number_;
      return true;
    }
    size_t offset = end_ - begin_;
    if (!Fill()) break;
    scanned = begin_ + offset;
  }
  if (begin_ == end_) return false;
  // The last line has no line end.
  size_t len = end_ - begin_;
  if (buffer_[end_ - 1] == '\r') --len;
  line.assign(buffer_.data() + begin_, len);
  consumed_ += end_ - begin_;
  begin_ = end_;
  ++line_number_;
  return true;
}

bool ttextwriter::Commit(const std::string& path) {
  if (WriteFileAtomically(path, data_)) return true;
  SetIoResult(IoCodeFromErrno(errno, true));
  return false;
}

}  // namespace dornavik
