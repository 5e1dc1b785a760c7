// The run-wide text model's choice, and character stepping in either encoding.
#include "foundation/text_model.h"

#include "foundation/utf8_chars.h"
#include "foundation/win1252.h"

namespace gleaner {

namespace {
TextEncoding currentEncoding = TextEncoding::kWindows1252;
}  // namespace

void SelectTextModel(TextEncoding encoding) { currentEncoding = encoding; }

TextEncoding CurrentTextEncoding() { return currentEncoding; }

std::size_t CharBytes(std::string_view text, std::size_t at) {
  return TextIsUtf8() ? Utf8CharBytes(text, at) : 1;
}

std::size_t PreviousCharStart(std::string_view text, std::size_t at) {
  return TextIsUtf8() ? Utf8PreviousStart(text, at) : at - 1;
}

std::size_t CharCount(std::string_view text) {
  if (!TextIsUtf8() || IsAsciiText(text)) return text.size();
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); i += Utf8CharBytes(text, i)) ++count;
  return count;
}

std::size_t CharOffset(std::string_view text, std::size_t n) {
  if (!TextIsUtf8()) return n < text.size() ? n : text.size();
  std::size_t i = 0;
  for (; i < text.size() && n > 0; --n) i += Utf8CharBytes(text, i);
  return i;
}

std::size_t CharsBefore(std::string_view text, std::size_t offset) {
  if (!TextIsUtf8()) return offset;
  std::size_t count = 0;
  for (std::size_t i = 0; i < offset && i < text.size(); i += Utf8CharBytes(text, i)) ++count;
  return count;
}

void TextWidenInto(std::string_view text, std::wstring& out) {
  out.clear();
  if (!TextIsUtf8()) {
    for (char c : text) out += static_cast<wchar_t>(ToCodePoint(c));
    return;
  }
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = Utf8SequenceLength(p + i, text.size() - i);
    out += static_cast<wchar_t>(n == 0 ? ToCodePoint(text[i]) : Utf8Decode(p + i, n));
    i += n == 0 ? 1 : n;
  }
}

}  // namespace gleaner
