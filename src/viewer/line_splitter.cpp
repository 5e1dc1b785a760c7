// Line splitting. CR ends a line and LF ends one unless it follows a CR, so
// CR LF is one break and LF CR two. A full line is cut hard, or with word wrap
// (only for lines allowed over 40 characters) after the last break character
// among its final 30; the cut-off text starts the next line.
#include "viewer/line_splitter.h"

#include <algorithm>

namespace gleaner {
namespace {

constexpr std::size_t kWrapMinimum = 40;   // wrap only lines allowed more than this
constexpr std::size_t kWrapLookBack = 30;  // characters searched for a break
constexpr std::size_t kTagOverrun = 100;   // a tag ends this far past the width
constexpr std::string_view kBreakCharacters = " .,:;!?-)]}>";

bool IsBreakCharacter(char c) { return kBreakCharacters.find(c) != std::string_view::npos; }

// The noise character's lead byte in UTF-8 (U+00B7 is C2 B7).
constexpr char kUtf8NoiseLead = '\xC2';

}  // namespace

TLineSplitter::TLineSplitter(const TSplitRules& rules)
    : rules_(rules), width_(static_cast<std::size_t>(std::max(1, rules.DisplayWidth))), allowed_(width_) {
  line_.reserve(width_ + kTagOverrun + 2);
}

bool TLineSplitter::Feed(std::string_view bytes, ILineSink& sink) {
  for (char c : bytes) {
    if (c == '\n' && afterCr_) {
      afterCr_ = false;
      continue;
    }
    afterCr_ = c == '\r';
    if (c == '\n' || c == '\r') {
      if (!EndLine(sink)) return false;
      continue;
    }
    if (static_cast<unsigned char>(c) < 32) {
      if (rules_.Utf8) {
        line_.push_back(kUtf8NoiseLead);
        ++allowed_;
      }
      c = kNoiseChar;
    }
    if (rules_.MarkupMode) CountTagCharacter(c);
    // A character's further bytes are allowed as its first arrives, so a
    // full line ends only after its last character's last byte.
    allowed_ += ExtraBytes(c);
    line_.push_back(c);
    if (line_.size() >= allowed_ && !BreakFullLine(sink)) return false;
  }
  return true;
}

bool TLineSplitter::Finish(ILineSink& sink) {
  if (line_.empty()) return true;
  return EndLine(sink);
}

// Tag characters, "<" to ">", widen the line's allowance one for one, until
// the line runs too far past the width (an unclosed "<" in plain text).
void TLineSplitter::CountTagCharacter(char c) {
  if (!inTag_ && c == '<') inTag_ = true;
  if (!inTag_) return;
  ++allowed_;
  if (c == '>' || line_.size() + 1 > width_ + kTagOverrun) inTag_ = false;
}

std::size_t TLineSplitter::ExtraBytes(char c) const {
  if (!rules_.Utf8) return 0;
  const auto byte = static_cast<unsigned char>(c);
  if (byte < 0xC2 || byte > 0xF4) return 0;
  return byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : 1;
}

bool TLineSplitter::EndLine(ILineSink& sink) {
  const bool ok = sink.TakeLine(line_, continuation_);
  continuation_ = false;
  StartLine();
  return ok;
}

bool TLineSplitter::BreakFullLine(ILineSink& sink) {
  bool carried = false;
  if (rules_.WordWrap && allowed_ > kWrapMinimum) {
    const std::size_t n = line_.size();
    const std::size_t lowest = n > kWrapLookBack ? n - kWrapLookBack : 0;
    for (std::size_t i = n; i-- > lowest;) {
      if (!IsBreakCharacter(line_[i])) continue;
      if (i + 1 < n) {
        const std::size_t kept = line_.find_first_not_of(' ', i + 1);
        if (kept != std::string::npos) carry_.assign(line_, kept);
        line_.resize(i + 1);
        carried = true;
      }
      break;
    }
  }
  const bool ok = sink.TakeLine(line_, continuation_);
  if (carried) continuation_ = true;
  StartLine();
  return ok;
}

void TLineSplitter::StartLine() {
  line_.assign(carry_);
  carry_.clear();
  allowed_ = width_;
  for (char c : line_) allowed_ += ExtraBytes(c);
  inTag_ = false;
}

}  // namespace gleaner
