// The positions already searched without a win, kept in memory that never grows past a cap.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace vantrel::solver {

// An open-addressing set of 52-bit position keys. It starts small and doubles while it fills, up to the
// largest power of two that fits the cap; once there it replaces old entries rather than grow. Forgetting
// an entry only costs a second search of that position: the search needs the table for speed, never for
// its answer, because drops never lead back to a position already left.
class TranspositionTable {
 public:
  // `max_bytes` bounds the memory held at any moment, growing included (old and new arrays together).
  explicit TranspositionTable(std::size_t max_bytes);

  bool Contains(std::uint64_t key) const { return size_ != 0 && Holds(key); }
  void Insert(std::uint64_t key);
  // Forgets everything and gives back the memory beyond the starting size.
  void Clear();

  std::size_t size() const { return size_; }
  std::size_t bytes() const { return capacity_ * sizeof(std::uint64_t); }
  // The most memory held at once since the last Clear.
  std::size_t peak_bytes() const { return peak_bytes_; }
  std::size_t max_bytes() const { return max_bytes_; }
  // Entries lost to replacement since the last Clear.
  std::uint64_t replaced() const { return replaced_; }

 private:
  static constexpr std::size_t kStartCapacity = std::size_t{1} << 12;
  static constexpr int kProbes = 16;
  // Most searches store a handful of positions: Clear empties just their slots rather than the whole array.
  static constexpr int kRememberedSlots = 64;

  bool Holds(std::uint64_t key) const;
  void Allocate(std::size_t capacity);
  void Grow();
  bool Place(std::uint64_t entry, bool may_replace);
  std::size_t Home(std::uint64_t entry) const;

  std::size_t max_bytes_;
  std::size_t max_capacity_;
  std::unique_ptr<std::uint64_t[]> slots_;  // 0 marks a free slot; entries carry a marker bit
  std::size_t capacity_ = 0;
  std::size_t size_ = 0;
  std::size_t peak_bytes_ = 0;
  std::uint64_t replaced_ = 0;
  std::array<std::uint32_t, kRememberedSlots> filled_{};  // the slots filled since the last Clear
  int filled_count_ = 0;  // how many; past kRememberedSlots, Clear empties every slot
};

}  // namespace vantrel::solver
