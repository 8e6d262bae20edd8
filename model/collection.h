// The owning arrays of the map model: tcollection (a growable array of owned
// items) and tsortedcollection (the same kept in key order). Every index
// outside the valid range raises tcollectionerror ("collention error").
#pragma once

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "base/errors.h"

namespace dornavik {

template <class T>
class tcollection {
 public:
  using value_type = std::unique_ptr<T>;

  tcollection() = default;
  tcollection(const tcollection&) = delete;
  tcollection& operator=(const tcollection&) = delete;
  tcollection(tcollection&&) noexcept = default;
  tcollection& operator=(tcollection&&) noexcept = default;
  ~tcollection() = default;

  int Count() const { return static_cast<int>(items_.size()); }

  T* At(int i) const {
    Check(i, Count() - 1);
    return items_[static_cast<size_t>(i)].get();
  }
  // 0 <= i <= Count(); the later items move up one.
  void AtInsert(int i, std::unique_ptr<T> item) {
    Check(i, Count());
    items_.insert(items_.begin() + i, std::move(item));
  }
  // Removes item i and hands it back to the caller.
  std::unique_ptr<T> AtDelete(int i) {
    Check(i, Count() - 1);
    std::unique_ptr<T> item = std::move(items_[static_cast<size_t>(i)]);
    items_.erase(items_.begin() + i);
    return item;
  }
  void AtFree(int i) { AtDelete(i); }
  // The first position holding exactly this item, or -1.
  int IndexOf(const T* item) const {
    for (size_t i = 0; i < items_.size(); ++i)
      if (items_[i].get() == item) return static_cast<int>(i);
    return -1;
  }
  // Appends at the end.
  void Insert(std::unique_ptr<T> item) { items_.push_back(std::move(item)); }
  void FreeAll() { items_.clear(); }

  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 protected:
  static void Check(int i, int highest) {
    if (i < 0 || i > highest) throw tcollectionerror();
  }
  std::vector<std::unique_ptr<T>> items_;
};

// Items in the order of Order::Compare(Order::Key(item), key) (<0, 0, >0).
// Without duplicates a second item with an equal key is refused; with
// duplicates it goes before the items of equal key already present.
template <class T, class Order>
class tsortedcollection : public tcollection<T> {
 public:
  explicit tsortedcollection(bool duplicates = false) : duplicates_(duplicates) {}

  bool Duplicates() const { return duplicates_; }

  // Binary search: true and the position of an equal item (the first one when
  // duplicates are on), or false and the position where the key would go.
  template <class K>
  bool Search(const K& key, int& index) const {
    int low = 0, high = this->Count() - 1;
    bool found = false;
    while (low <= high) {
      int mid = (low + high) / 2;
      int c = Order::Compare(Order::Key(*this->items_[static_cast<size_t>(mid)]), key);
      if (c < 0) {
        low = mid + 1;
      } else {
        high = mid - 1;
        if (c == 0) {
          found = true;
          if (!duplicates_) low = mid;
        }
      }
    }
    index = low;
    return found;
  }

  // Inserts in key order; returns false (the caller keeps the item) when the
  // key is present and duplicates are off.
  bool Insert(std::unique_ptr<T>& item) {
    int i;
    if (Search(Order::Key(*item), i) && !duplicates_) return false;
    this->items_.insert(this->items_.begin() + i, std::move(item));
    return true;
  }

  int IndexOf(const T* item) const {
    int i;
    if (!item || !Search(Order::Key(*item), i)) return -1;
    if (!duplicates_) return this->items_[static_cast<size_t>(i)].get() == item ? i : -1;
    for (; i < this->Count(); ++i) {
      const T* at = this->items_[static_cast<size_t>(i)].get();
      if (at == item) return i;
      if (Order::Compare(Order::Key(*at), Order::Key(*item)) != 0) break;
    }
    return -1;
  }

 private:
  bool duplicates_;
};

}  // namespace dornavik
