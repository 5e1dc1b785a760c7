// Text and date helpers: padding, label lines, searches, replacement, joining.
#include "foundation/text_utils.h"

#include <algorithm>
#include <iterator>
#include <list>

#include "foundation/numbers.h"
#include "foundation/text_model.h"
#include "foundation/win1252.h"

namespace gleaner {
namespace {

struct TLabelLayout {
  std::int32_t width = 0;
  char fill = ' ';
  std::int32_t indent = 0;
};

TLabelLayout& LabelLayout() {
  static TLabelLayout layout;
  return layout;
}

// Two digits of v, so that out-of-range fields never break the pattern.
void AppendTwoDigits(std::string& out, int v) {
  v %= 100;
  if (v < 0) v = -v;
  out += static_cast<char>('0' + v / 10);
  out += static_cast<char>('0' + v % 10);
}

// One left-to-right pass of text into out, for the one-pass mode.
void ReplacePass(std::string_view text, std::string_view find, std::string_view replacement,
                 std::string& out) {
  out.clear();
  std::size_t from = 0;
  for (std::size_t at = text.find(find); at != std::string_view::npos; at = text.find(find, from)) {
    out.append(text, from, at - from);
    out.append(replacement);
    from = at + find.size();
  }
  out.append(text, from);
}

// Multi-pass replacement. After a pass, find can only occur where it overlaps
// a replacement that pass made (a "site"): everywhere else the text is what
// the pass already scanned and found clear. So the text is kept in blocks, and
// each later pass rescans and rebuilds only the blocks holding sites. The work
// follows the replacements rather than the text's length, which matters when
// each pass replaces once in a long text: 'ab' -> 'bbaa' on 'aab' grows by two
// characters a pass and must reach the size limit in moments, not hours.
class TMultiPass {
 public:
  TMultiPass(std::string_view find, std::string_view replacement, std::size_t limit)
      : find_(find), replacement_(replacement), limit_(limit) {}

  // Makes the first pass over the whole text, then passes until one finds nothing.
  void Run(std::string& text) {
    blocks_.push_back({std::move(text), {}});
    total_ = blocks_.front().text.size();
    Rebuild(blocks_.front(), true);
    Split(blocks_.begin(), dirty_);
    while (!dirty_.empty()) {
      WidenForScan();
      dirty_.clear();
      for (Iter block : ready_) Rebuild(*block, false);
      for (Iter block : ready_) Split(block, dirty_);
    }
    Join(text);
  }

 private:
  struct Block {
    std::string text;
    std::vector<std::size_t> sites;  // where the last pass put replacements, ascending
  };
  using Iter = std::list<Block>::iterator;
  static constexpr std::size_t kBlockSize = 256;

  // Bytes a site needs before and from it: an occurrence overlapping the
  // replacement starts at most find - 1 before it and reads up to find - 1 past it.
  std::size_t Before() const { return find_.size() - 1; }
  std::size_t From() const { return replacement_.size() + find_.size() - 1; }

  // Replaces the occurrences starting in the windows of the block's sites (or
  // anywhere, when whole) and records the new sites.
  void Rebuild(Block& block, bool whole) {
    const std::string_view text = block.text;
    out_.clear();
    sites_.clear();
    std::size_t copied = 0;  // also the first start allowed: matches never overlap
    auto scan = [&](std::size_t from, std::size_t to) {
      const std::string_view window = text.substr(0, std::min(text.size(), to + Before()));
      for (from = std::max(from, copied); from < to;) {
        const std::size_t at = window.find(find_, from);
        if (at == std::string_view::npos || at >= to) return;
        out_.append(text, copied, at - copied);
        sites_.push_back(out_.size());
        out_.append(replacement_);
        // Checked as it grows: one pass alone can multiply the text's length.
        if (total_ - text.size() + out_.size() > limit_) throw ETextTooLong();
        copied = from = at + find_.size();
      }
    };
    if (whole) {
      scan(0, text.size());
    } else {
      for (std::size_t site : block.sites) scan(site - std::min(site, Before()), site + replacement_.size());
    }
    out_.append(text, copied);
    total_ = total_ - text.size() + out_.size();
    block.text.swap(out_);
    block.sites.swap(sites_);
  }

  // Merges neighbours into the dirty blocks until every site's window lies
  // inside its block; ready_ gets the blocks to rebuild, in text order.
  void WidenForScan() {
    const std::vector<Iter>& dirty = dirty_;
    std::vector<Iter>& ready = ready_;
    ready.clear();
    for (std::size_t i = 0; i < dirty.size(); ++i) {
      Iter block = dirty[i];
      while (block->sites.front() < Before() && block != blocks_.begin()) {
        const Iter previous = std::prev(block);
        if (!ready.empty() && ready.back() == previous) ready.pop_back();
        Append(*previous, *block);
        blocks_.erase(block);
        block = previous;
      }
      for (Iter next = std::next(block);
           block->sites.back() + From() > block->text.size() && next != blocks_.end();
           next = std::next(block)) {
        if (i + 1 < dirty.size() && dirty[i + 1] == next) ++i;
        Append(*block, *next);
        blocks_.erase(next);
      }
      ready.push_back(block);
    }
  }

  static void Append(Block& to, Block& from) {
    for (std::size_t site : from.sites) to.sites.push_back(site + to.text.size());
    to.text += from.text;
  }

  // Cuts a long block into pieces of kBlockSize (the last up to twice that),
  // so that rebuilding one costs little; adds those with sites to dirty.
  void Split(Iter block, std::vector<Iter>& dirty) {
    std::size_t cut = 0;
    auto site = block->sites.begin();
    while (block->text.size() - cut > 2 * kBlockSize) {
      Block piece{block->text.substr(cut, kBlockSize), {}};
      for (; site != block->sites.end() && *site < cut + kBlockSize; ++site)
        piece.sites.push_back(*site - cut);
      const Iter inserted = blocks_.insert(block, std::move(piece));
      if (!inserted->sites.empty()) dirty.push_back(inserted);
      cut += kBlockSize;
    }
    if (cut == 0) {
      if (!block->sites.empty()) dirty.push_back(block);
      return;
    }
    block->text.erase(0, cut);
    block->sites.erase(block->sites.begin(), site);
    for (std::size_t& rest : block->sites) rest -= cut;
    if (!block->sites.empty()) dirty.push_back(block);
  }

  void Join(std::string& text) {
    text.clear();
    text.reserve(total_);
    for (const Block& block : blocks_) text += block.text;
  }

  std::string_view find_;
  std::string_view replacement_;
  std::size_t limit_;
  std::list<Block> blocks_;
  std::size_t total_ = 0;
  std::vector<Iter> dirty_;         // blocks with sites, in text order
  std::vector<Iter> ready_;         // the same after widening
  std::string out_;                 // reused by Rebuild
  std::vector<std::size_t> sites_;  // reused by Rebuild
};

template <typename Int>
bool CheckedIntOf(std::string_view text, Int& value, bool allowNegative, bool emptyIsZero,
                  bool (*parse)(std::string_view, Int&)) {
  if (text.empty()) {
    if (emptyIsZero) value = 0;
    return emptyIsZero;
  }
  Int parsed = 0;
  if (!parse(text, parsed) || (parsed < 0 && !allowNegative)) return false;
  value = parsed;
  return true;
}

}  // namespace

std::string DateStamp(const std::tm& when) {
  std::string out;
  out.reserve(11);
  AppendTwoDigits(out, when.tm_year + 1900);
  AppendTwoDigits(out, when.tm_mon + 1);
  AppendTwoDigits(out, when.tm_mday);
  out += '-';
  AppendTwoDigits(out, when.tm_hour);
  AppendTwoDigits(out, when.tm_min);
  return out;
}

std::string DateStamp(std::chrono::system_clock::time_point when) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
  return DateStamp(*std::localtime(&seconds));
}

std::string Plural(std::int64_t n) { return n == 1 ? "" : "s"; }

std::string BoolToYN(bool b) { return b ? "Y" : "N"; }

bool ParseYN(std::string_view text, bool& b) {
  if (text.empty()) return false;
  const char first = AnsiUpper(text.front());
  if (first != 'Y' && first != 'N') return false;
  b = first == 'Y';
  return true;
}

bool CheckedInt(std::string_view text, std::int32_t& value, bool allowNegative, bool emptyIsZero) {
  return CheckedIntOf(text, value, allowNegative, emptyIsZero, &TryParseInt32);
}

bool CheckedInt(std::string_view text, std::int64_t& value, bool allowNegative, bool emptyIsZero) {
  return CheckedIntOf(text, value, allowNegative, emptyIsZero, &TryParseInt64);
}

std::string SubText(std::string_view text, std::int64_t from, std::int64_t to) {
  const std::int64_t first = std::max<std::int64_t>(from, 1);
  if (to < first) return {};
  const std::size_t begin = CharOffset(text, static_cast<std::size_t>(first - 1));
  const std::size_t end = CharOffset(text, static_cast<std::size_t>(std::min(to, static_cast<std::int64_t>(text.size()))));
  return std::string(text.substr(begin, end - begin));
}

std::int64_t PosFrom(std::int64_t start, std::string_view sub, std::string_view text) {
  const std::int64_t first = std::max<std::int64_t>(start, 1);
  if (sub.empty() || sub.size() > text.size() || first > static_cast<std::int64_t>(text.size())) return 0;
  const std::size_t at = text.find(sub, static_cast<std::size_t>(first - 1));
  return at == std::string_view::npos ? 0 : static_cast<std::int64_t>(at) + 1;
}

std::int64_t LastPos(std::string_view sub, std::string_view text) {
  if (sub.empty()) return 0;
  const std::size_t at = text.rfind(sub);
  return at == std::string_view::npos ? 0 : static_cast<std::int64_t>(at) + 1;
}

std::string PadText(std::string_view text, std::int64_t width, char mode, std::string_view fill) {
  const auto length = static_cast<std::int64_t>(CharCount(text));
  const char upperMode = AnsiUpper(mode);
  if (width <= length || (upperMode != 'C' && upperMode != 'L' && upperMode != 'R')) return std::string(text);
  const std::size_t extra = static_cast<std::size_t>(width - length);
  const std::size_t left = upperMode == 'C' ? extra / 2 : (upperMode == 'L' ? extra : 0);
  const std::string_view pad = fill.substr(0, fill.empty() ? 0 : CharBytes(fill, 0));
  std::string out;
  out.reserve(text.size() + extra * pad.size());
  for (std::size_t i = 0; i < left; ++i) out.append(pad);
  out.append(text);
  for (std::size_t i = left; i < extra; ++i) out.append(pad);
  return out;
}

std::string PadText(std::string_view text, std::int64_t width, char mode, char fill) {
  return PadText(text, width, mode, std::string_view(&fill, 1));
}

void SetLabelLayout(std::int32_t width, char fill, std::int32_t indent) {
  LabelLayout() = TLabelLayout{width, fill, indent};
}

std::string FormatLabelLine(std::string_view label, std::string_view value, std::string_view emptyValue) {
  const TLabelLayout& layout = LabelLayout();
  std::string head(label);
  head += ' ';
  std::string out(static_cast<std::size_t>(std::max<std::int32_t>(layout.indent, 0)), ' ');
  out += PadText(head, static_cast<std::int64_t>(layout.width) - 1, 'R', layout.fill);
  out += ' ';
  out.append(value.empty() ? emptyValue : value);
  return out;
}

ETextTooLong::ETextTooLong()
    : std::length_error("The text would exceed " + std::to_string(kMaxReplaceLength) + " characters") {}

void ReplaceAll(std::string& text, std::string_view find, std::string_view replacement, char mode) {
  if (find.empty() || text.find(find) == std::string::npos) return;
  // A pass that finds something makes the text shorter, longer, or (equal
  // lengths) moves it on; only growth can repeat for ever, so in multi-pass
  // mode growth past the limit is the failure.
  if (AnsiUpper(mode) == 'M' && replacement.find(find) == std::string_view::npos) {
    std::string work = text;
    TMultiPass(find, replacement, std::max(kMaxReplaceLength, text.size())).Run(work);
    text.swap(work);
    return;
  }
  std::string out;
  ReplacePass(text, find, replacement, out);
  text.swap(out);
}

std::string_view TrimSet(std::string_view text, std::string_view set) {
  const std::size_t first = text.find_first_not_of(set);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(set) - first + 1);
}

std::string_view TrimControls(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

std::string JoinList(const std::vector<std::string>& list, std::string_view delimiter, bool keepLeading,
                     bool allowDuplicates, bool keepTrailing) {
  if (list.empty()) return {};
  std::string out(delimiter);
  std::string probe;
  for (const std::string& entry : list) {
    if (!allowDuplicates) {
      probe.assign(delimiter).append(entry).append(delimiter);
      if (out.find(probe) != std::string::npos) continue;
    }
    out.append(entry).append(delimiter);
  }
  if (!keepTrailing) out.erase(out.size() - delimiter.size());
  if (!keepLeading) out.erase(0, std::min(delimiter.size(), out.size()));
  return out;
}

}  // namespace gleaner
