// The capped set of searched positions: linear probing over a short window, doubling while it may.
#include "solver/transposition_table.h"

#include <algorithm>
#include <bit>

namespace vantrel::solver {
namespace {

// Keys use 52 bits; the marker keeps an entry nonzero, so zero can mean a free slot.
constexpr std::uint64_t kMarker = std::uint64_t{1} << 63;

std::uint64_t Mix(std::uint64_t x) {
  x ^= x >> 30;
  x *= 0xbf58476d1ce4e5b9ull;
  x ^= x >> 27;
  x *= 0x94d049bb133111ebull;
  x ^= x >> 31;
  return x;
}

}  // namespace

TranspositionTable::TranspositionTable(std::size_t max_bytes) : max_bytes_(max_bytes) {
  // Growing holds the old array (half the new one) beside the new one: 1.5 times the final size.
  std::size_t largest = std::bit_floor(std::max<std::size_t>(max_bytes / 3 * 2, sizeof(std::uint64_t)));
  max_capacity_ = std::max<std::size_t>(largest / sizeof(std::uint64_t), kProbes);
  Allocate(std::min(kStartCapacity, max_capacity_));
  peak_bytes_ = bytes();
}

void TranspositionTable::Allocate(std::size_t capacity) {
  slots_ = std::make_unique<std::uint64_t[]>(capacity);  // zeroed
  capacity_ = capacity;
  size_ = 0;
  filled_count_ = 0;
}

std::size_t TranspositionTable::Home(std::uint64_t entry) const { return Mix(entry) & (capacity_ - 1); }

bool TranspositionTable::Holds(std::uint64_t key) const {
  const std::uint64_t entry = key | kMarker;
  std::size_t i = Home(entry);
  for (int probe = 0; probe < kProbes; ++probe) {
    const std::uint64_t slot = slots_[i];
    if (slot == entry) return true;
    if (slot == 0) return false;
    i = (i + 1) & (capacity_ - 1);
  }
  return false;
}

bool TranspositionTable::Place(std::uint64_t entry, bool may_replace) {
  const std::size_t home = Home(entry);
  std::size_t i = home;
  for (int probe = 0; probe < kProbes; ++probe) {
    if (slots_[i] == entry) return true;
    if (slots_[i] == 0) {
      slots_[i] = entry;
      ++size_;
      if (filled_count_ < kRememberedSlots) filled_[filled_count_] = static_cast<std::uint32_t>(i);
      ++filled_count_;
      return true;
    }
    i = (i + 1) & (capacity_ - 1);
  }
  if (!may_replace) return false;
  // The window is full: the newest position takes the place of one picked by its own hash bits, so no
  // slot ever becomes free and no other entry's window is broken.
  slots_[(home + (Mix(entry ^ kMarker) >> 60) % kProbes) & (capacity_ - 1)] = entry;
  ++replaced_;
  return true;
}

void TranspositionTable::Insert(std::uint64_t key) {
  const std::uint64_t entry = key | kMarker;
  // While the table may still grow it never forgets: a full probe window or half the slots taken make it
  // double first.
  while (capacity_ < max_capacity_ && ((size_ + 1) * 2 > capacity_ || !Place(entry, false))) Grow();
  Place(entry, true);
  peak_bytes_ = std::max(peak_bytes_, bytes());
}

void TranspositionTable::Grow() {
  // Rehash into twice the room; old and new arrays are both held for a moment.
  std::unique_ptr<std::uint64_t[]> old = std::move(slots_);
  const std::size_t old_capacity = capacity_;
  Allocate(capacity_ * 2);
  peak_bytes_ = std::max(peak_bytes_, (old_capacity + capacity_) * sizeof(std::uint64_t));
  for (std::size_t k = 0; k < old_capacity; ++k) {
    if (old[k] != 0) Place(old[k], true);
  }
}

void TranspositionTable::Clear() {
  const std::size_t start = std::min(kStartCapacity, max_capacity_);
  if (capacity_ != start) {
    slots_.reset();
    Allocate(start);
  } else if (filled_count_ <= kRememberedSlots) {
    // Replacing never fills a free slot, so these are all the slots in use.
    for (int k = 0; k < filled_count_; ++k) slots_[filled_[k]] = 0;
    size_ = 0;
  } else {
    std::fill(slots_.get(), slots_.get() + capacity_, std::uint64_t{0});
    size_ = 0;
  }
  filled_count_ = 0;
  replaced_ = 0;
  peak_bytes_ = bytes();
}

}  // namespace vantrel::solver
