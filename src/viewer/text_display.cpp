// Display lines and the mapping between character positions and lines.
#include "viewer/text_display.h"

#include <algorithm>
#include <cmath>

namespace gleaner {

int TTextAttributes::FontSize(int defaultSize) const {
  return static_cast<int>(std::lround(static_cast<double>(SizeFactor) * defaultSize));
}

TTextAttributes TDisplayLine::AttributesAt(int column) const {
  for (const TTextRun& run : Runs) {
    if (column >= run.Start && column < run.Start + run.Length) return run.Attributes;
  }
  return {};
}

void TTextDisplay::Clear() {
  lines_.clear();
  starts_.clear();
  utf8_ = false;
}

void TTextDisplay::Append(TDisplayLine line) { lines_.push_back(std::move(line)); }

void TTextDisplay::ReplaceLast(TDisplayLine line) {
  // Only the text length changes, and no line starts after the last one.
  if (lines_.empty()) {
    lines_.push_back(std::move(line));
  } else {
    lines_.back() = std::move(line);
  }
}

void TTextDisplay::UpdateStarts() const {
  if (starts_.empty() && !lines_.empty()) starts_.push_back(0);
  while (!starts_.empty() && starts_.size() < lines_.size()) {
    const std::size_t i = starts_.size() - 1;
    starts_.push_back(starts_[i] + static_cast<std::int64_t>(lines_[i].Text.size()) + 1);
  }
}

std::int64_t TTextDisplay::TextLength() const {
  if (lines_.empty()) return 0;
  return LineStart(LineCount() - 1) + static_cast<std::int64_t>(lines_.back().Text.size());
}

std::int64_t TTextDisplay::LineStart(int index) const {
  if (lines_.empty()) return 0;
  UpdateStarts();
  index = std::clamp(index, 0, LineCount() - 1);
  return starts_[static_cast<std::size_t>(index)];
}

int TTextDisplay::LineFromPosition(std::int64_t position) const {
  if (lines_.empty() || position <= 0) return 0;
  UpdateStarts();
  const auto after = std::upper_bound(starts_.begin(), starts_.end(), position);
  return static_cast<int>(after - starts_.begin()) - 1;
}

TTextAttributes TTextDisplay::AttributesAt(std::int64_t position) const {
  if (position < 0 || position >= TextLength()) return {};
  const int line = LineFromPosition(position);
  const std::int64_t column = position - LineStart(line);
  const TDisplayLine& text = Line(line);
  if (column >= static_cast<std::int64_t>(text.Text.size())) return {};
  return text.AttributesAt(static_cast<int>(column));
}

}  // namespace gleaner
