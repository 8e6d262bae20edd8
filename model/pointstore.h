// The points of one map, addressed by record number. A point appended at
// exactly the place of an earlier point is linked to it and reads its
// coordinates, so lines that end at the same place share that place; moving
// the place moves it for every record linked to it.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "model/workfile.h"

namespace dornavik {

class tpointstore {
 public:
  // 2032 records of 16 bytes on a page of 32512 bytes, at most 100000 pages.
  static constexpr int32_t kRecordsPerPage = 2032;
  static constexpr int32_t kMaxPages = 100000;

  explicit tpointstore(int32_t max_pages = kMaxPages);
  tpointstore(const tpointstore&) = delete;
  tpointstore& operator=(const tpointstore&) = delete;

  // The new record's number. Throws terror when the store is full.
  int32_t AppendPoint(float x, float y);
  // The coordinates of record n's place (record 0 for a number out of range).
  void ReadPoint(int32_t n, float& x, float& y) const;
  // Moves the place of record n (and so of every record linked to it); a
  // number out of range is ignored.
  void WritePoint(int32_t n, float x, float y);
  int32_t Count() const { return records_.Count(); }

 private:
  struct trecord {
    float x = 0, y = 0;
    int32_t link = -1;  // the record of the same place appended first, or -1
  };
  int32_t Place(int32_t n) const;

  tworkfile<trecord> records_;
  // Exact (x, y) bits -> the first record at that place.
  std::unordered_map<uint64_t, int32_t> places_;
};

}  // namespace dornavik
