// A record store with stable record numbers, grown page by page up to a fixed
// number of pages.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace dornavik {

template <class R>
class tworkfile {
 public:
  tworkfile(int32_t records_per_page, int32_t max_pages)
      : records_per_page_(records_per_page), max_pages_(max_pages) {}

  int32_t Count() const { return static_cast<int32_t>(records_.size()); }
  bool Full() const { return Count() / records_per_page_ >= max_pages_; }

  // The new record's number (the count before), or -1 when its page would go
  // beyond the page limit; then nothing is stored.
  int32_t Append(const R& record) {
    if (Full()) return -1;
    records_.push_back(record);
    return Count() - 1;
  }
  // A number outside 0..Count()-1 reads record 0 (a blank record when empty).
  const R& Read(int32_t n) const {
    static const R blank{};
    if (n >= 0 && n < Count()) return records_[static_cast<size_t>(n)];
    return records_.empty() ? blank : records_.front();
  }
  // A number outside 0..Count()-1 is ignored.
  void Write(int32_t n, const R& record) {
    if (n >= 0 && n < Count()) records_[static_cast<size_t>(n)] = record;
  }

 private:
  int32_t records_per_page_;
  int32_t max_pages_;
  std::vector<R> records_;
};

}  // namespace dornavik
