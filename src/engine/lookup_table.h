// The entries of one lookup file, held compactly: one block of bytes holds
// every entry (key and data, each led by its length), and a hash table of
// entry offsets, keyed by the case-folded key, finds them. Loading a file
// writes the entries over the file's own text in the block, so a file of n
// bytes needs about n bytes plus 5 to 10 bytes an entry.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gleaner {

// The case fold of lookup keys: Lookup IgnoreCase, the uniqueness of keys
// and the key order of MassChange all compare keys through it. folded
// receives the folded text (its storage is reused).
void FoldLookupKey(std::string_view key, std::string& folded);

// One entry's texts, valid while its table lives.
struct TLuEntry {
  std::string_view Key;
  std::string_view Data;
};

class TLuKeys {
 public:
  // Adds the entry; false (and nothing added) when the key is already there
  // in any letter case.
  bool Add(std::string_view key, std::string_view data);
  // The data of the key compared without letter case.
  std::optional<std::string_view> FindIgnoreCase(std::string_view key) const;
  // The data of the key only when equal byte for byte.
  std::optional<std::string_view> FindMatchCase(std::string_view key) const;
  std::size_t Size() const { return count_; }
  // Calls visit(entry) for every entry in key order: the byte order of the
  // folded keys (worked out once, at the first call).
  template <typename F>
  void ForEachInKeyOrder(F visit) const {
    for (const std::uint32_t offset : KeyOrder()) visit(EntryAt(offset));
  }

  // Loading in place: ReserveText gives room for a file's text of textSize
  // bytes inside the block; Add then writes the entries from the block's
  // start. The text lies far enough behind that, adding the entries of its
  // lines in order, an entry never overwrites a line not yet read.
  char* ReserveText(std::size_t textSize);
  // Makes room in the hash table for that many entries at once, so a load
  // never holds the old and the new table together while it grows.
  void ReserveEntries(std::size_t entries);
  // The largest text a table holds (entry offsets are 32-bit).
  static constexpr std::uint64_t kMaxText = 0xF0000000u;

 private:
  TLuEntry EntryAt(std::uint32_t offset) const;
  const std::vector<std::uint32_t>& KeyOrder() const;
  // The slot of the key, holding 0 when it is absent.
  std::size_t SlotOf(std::string_view key) const;
  // The hash of the key's folded form (which scratch_ may receive).
  std::uint64_t FoldedHash(std::string_view key) const;
  void Grow(std::size_t slots);
  void Insert(std::size_t slot, std::uint32_t offset);

  std::string block_;
  std::size_t written_ = 0;  // entries occupy block_[0, written_)
  std::vector<std::uint32_t> slots_;  // entry offset + 1; 0 = empty
  std::vector<std::uint8_t> tags_;    // the top byte of each slot's key hash
  mutable std::uint8_t lastTag_ = 0;  // of the key SlotOf looked for last
  std::size_t count_ = 0;
  mutable std::vector<std::uint32_t> order_;  // entry offsets in key order, once asked for
  mutable std::string scratch_, other_;
};

}  // namespace gleaner
