// Lookup tables. An entry is varint(key length), key, varint(data length),
// data. The hash table is open addressing with linear probing over a power
// of two of slots, grown at four fifths full; a slot holds the entry's
// offset + 1, and a byte of the key's hash beside it. Keys are found by
// their folded form: a case-blind lookup hashes the key's folded bytes (an
// ASCII key as it is read, any other folded into a reused buffer) and
// compares keys case-blind; a match-case lookup takes the one entry with the
// same folded key and compares the bytes.
#include "engine/lookup_table.h"

#include <algorithm>
#include <cstring>

#include "foundation/text_model.h"

namespace gleaner {
namespace {

constexpr std::size_t kFirstSlots = 16;

std::size_t VarintSize(std::size_t value) {
  std::size_t size = 1;
  for (; value >= 0x80; value >>= 7) ++size;
  return size;
}

char* PutVarint(char* at, std::size_t value) {
  for (; value >= 0x80; value >>= 7) *at++ = static_cast<char>((value & 0x7F) | 0x80);
  *at++ = static_cast<char>(value);
  return at;
}

std::size_t GetVarint(const char*& at) {
  std::size_t value = 0;
  for (int shift = 0;; shift += 7) {
    const auto byte = static_cast<unsigned char>(*at++);
    value |= static_cast<std::size_t>(byte & 0x7F) << shift;
    if (byte < 0x80) return value;
  }
}

constexpr std::uint64_t kHashStart = 0xcbf29ce484222325u;

// 64-bit FNV-1a, one byte at a time.
std::uint64_t HashByte(std::uint64_t h, unsigned char c) { return (h ^ c) * 0x100000001b3u; }

// A final mix so the low bits (the slot mask) depend on every byte.
std::uint64_t Mixed(std::uint64_t h) {
  h ^= h >> 32;
  h *= 0xd6e8feb86659fd93u;
  return h ^ (h >> 32);
}

std::uint64_t Hash(std::string_view bytes) {
  std::uint64_t h = kHashStart;
  for (const char c : bytes) h = HashByte(h, static_cast<unsigned char>(c));
  return Mixed(h);
}

}  // namespace

void FoldLookupKey(std::string_view key, std::string& folded) { TextFoldInto(key, folded); }

TLuEntry TLuKeys::EntryAt(std::uint32_t offset) const {
  const char* at = block_.data() + offset;
  const std::size_t keySize = GetVarint(at);
  const std::string_view key(at, keySize);
  at += keySize;
  const std::size_t dataSize = GetVarint(at);
  return {key, std::string_view(at, dataSize)};
}

// The tags spare most probes a visit to the entry, which lies anywhere in
// the block: only an entry whose tag matches is read and compared.
std::size_t TLuKeys::SlotOf(std::string_view key) const {
  const std::uint64_t hash = FoldedHash(key);
  lastTag_ = static_cast<std::uint8_t>(hash >> 56);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    const std::uint32_t held = slots_[slot];
    if (held == 0) return slot;
    if (tags_[slot] != lastTag_) continue;
    // Equal folded keys, without folding the entry's key into a copy.
    if (TextSameFolded(EntryAt(held - 1).Key, key)) return slot;
  }
}

// Both text models fold ASCII letters alone to their upper case, so an
// ASCII key is folded as it is hashed; any other is folded whole first.
std::uint64_t TLuKeys::FoldedHash(std::string_view key) const {
  std::uint64_t h = kHashStart;
  for (const char c : key) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80) {
      FoldLookupKey(key, scratch_);
      return Hash(scratch_);
    }
    h = HashByte(h, byte >= 'a' && byte <= 'z' ? byte - ('a' - 'A') : byte);
  }
  return Mixed(h);
}

void TLuKeys::ReserveEntries(std::size_t entries) {
  std::size_t slots = kFirstSlots;
  while (slots * 4 < entries * 5) slots *= 2;
  if (slots > slots_.size()) Grow(slots);
}

void TLuKeys::Grow(std::size_t slots) {
  std::vector<std::uint32_t> old = std::move(slots_);
  slots_.assign(slots, 0);
  tags_.assign(slots_.size(), 0);
  for (const std::uint32_t held : old) {
    if (held != 0) Insert(SlotOf(EntryAt(held - 1).Key), held - 1);
  }
}

// Right after SlotOf of the entry's key, whose tag it keeps.
void TLuKeys::Insert(std::size_t slot, std::uint32_t offset) {
  slots_[slot] = offset + 1;
  tags_[slot] = lastTag_;
}

bool TLuKeys::Add(std::string_view key, std::string_view data) {
  if ((count_ + 1) * 5 > slots_.size() * 4) Grow(slots_.empty() ? kFirstSlots : slots_.size() * 2);
  const std::size_t slot = SlotOf(key);
  if (slots_[slot] != 0) return false;
  const std::size_t size = VarintSize(key.size()) + key.size() + VarintSize(data.size()) + data.size();
  if (written_ + size > block_.size()) block_.resize(std::max(written_ + size, block_.size() * 3 / 2));
  const auto offset = static_cast<std::uint32_t>(written_);
  // memmove: key and data may lie in the block's text, at or after the entry.
  char* at = PutVarint(block_.data() + written_, key.size());
  std::memmove(at, key.data(), key.size());
  at = PutVarint(at + key.size(), data.size());
  std::memmove(at, data.data(), data.size());
  written_ += size;
  Insert(slot, offset);
  ++count_;
  return true;
}

std::optional<std::string_view> TLuKeys::FindIgnoreCase(std::string_view key) const {
  if (slots_.empty()) return std::nullopt;
  const std::uint32_t held = slots_[SlotOf(key)];
  if (held == 0) return std::nullopt;
  return EntryAt(held - 1).Data;
}

std::optional<std::string_view> TLuKeys::FindMatchCase(std::string_view key) const {
  if (slots_.empty()) return std::nullopt;
  const std::uint32_t held = slots_[SlotOf(key)];
  if (held == 0) return std::nullopt;
  const TLuEntry entry = EntryAt(held - 1);
  if (entry.Key != key) return std::nullopt;
  return entry.Data;
}

const std::vector<std::uint32_t>& TLuKeys::KeyOrder() const {
  if (order_.size() == count_) return order_;
  order_.clear();
  order_.reserve(count_);
  for (const std::uint32_t held : slots_) {
    if (held != 0) order_.push_back(held - 1);
  }
  std::sort(order_.begin(), order_.end(), [this](std::uint32_t a, std::uint32_t b) {
    FoldLookupKey(EntryAt(a).Key, scratch_);
    FoldLookupKey(EntryAt(b).Key, other_);
    return scratch_ < other_;
  });
  return order_;
}

char* TLuKeys::ReserveText(std::size_t textSize) {
  // An entry outgrows its line by at most its length prefixes beyond the
  // first byte each (the line's comma and line end pay for those), one
  // byte in 128, plus one byte for a last line without a line end.
  const std::size_t slack = textSize / 128 + 16;
  block_.resize(written_ + slack + textSize);
  return block_.data() + written_ + slack;
}

}  // namespace gleaner
