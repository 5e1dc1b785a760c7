// The page buffer: line wrapping, headings, rows and mail links.
#include "interface/page_buffer.h"

#include <memory>

#include "foundation/text_utils.h"

namespace gleaner {
namespace {

constexpr std::size_t kWrapColumn = kPageLineLimit - 1;  // the longest piece kept whole is 79
constexpr std::string_view kBreakAfter = " !),-.:;?";

std::unique_ptr<TPageBuffer>& Buffer() {
  static std::unique_ptr<TPageBuffer> buffer;
  return buffer;
}

// A "<" opens a tag only when a ">" closes it later; a lone "<" is text.
bool OpensTag(std::string_view text, std::size_t at) {
  return text[at] == '<' && text.find('>', at) != std::string_view::npos;
}

// The characters the viewer shows: everything outside the tags.
std::size_t VisibleLength(std::string_view text) {
  std::size_t visible = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (OpensTag(text, i)) {
      i = text.find('>', i);
    } else {
      ++visible;
    }
  }
  return visible;
}

// The length of the first piece of a text too long for one line: up to the
// last break character among the first 79 shown characters, never inside a
// tag; without one, the 79 shown characters themselves.
std::size_t FirstPieceLength(std::string_view text) {
  std::size_t length = 0;
  std::size_t visible = 0;
  std::size_t i = 0;
  for (; i < text.size() && visible < kWrapColumn; ++i) {
    if (OpensTag(text, i)) {
      i = text.find('>', i);
      continue;
    }
    ++visible;
    if (kBreakAfter.find(text[i]) != std::string_view::npos) length = i + 1;
  }
  return length > 0 ? length : i;
}

}  // namespace

void TPageBuffer::AddLine(std::string_view text) {
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find_first_of("\r\n", start);
    AddWrapped(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return;
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
}

void TPageBuffer::AddWrapped(std::string_view piece) {
  while (VisibleLength(piece) >= kPageLineLimit) {
    const std::size_t length = FirstPieceLength(piece);
    lines_.emplace_back(piece.substr(0, length));
    piece.remove_prefix(length);
  }
  lines_.emplace_back(piece);
}

void TPageBuffer::AddHeading(std::string_view text) {
  lines_.emplace_back();
  AddLine(text);
  lines_.emplace_back();
}

void TPageBuffer::AddRow(std::string_view label, std::string_view value) {
  if (value.empty()) return;
  AddLine(PadText("<HL>" + std::string(label) + "</HL>", kRowLabelWidth, 'R', ' ') + std::string(value));
}

std::string MailLink(std::string_view address) {
  if (address.find('@') == std::string_view::npos || address.find('<') != std::string_view::npos) {
    return std::string(address);
  }
  const std::string text(address);
  return "<a href=\"mailto:" + text + "\">" + text + "</a>";
}

TPageBuffer& PageBuffer() {
  std::unique_ptr<TPageBuffer>& buffer = Buffer();
  if (!buffer) buffer = std::make_unique<TPageBuffer>();
  return *buffer;
}

void ReleasePageBuffer() { Buffer().reset(); }

}  // namespace gleaner
