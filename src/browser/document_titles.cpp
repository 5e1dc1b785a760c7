// Reading document titles: at most 100 lines of at most 64 KiB each, so a
// document without line ends cannot make the browser read it whole.
#include "browser/document_titles.h"

#include <algorithm>
#include <fstream>
#include <istream>

#include "foundation/mixed_text.h"
#include "foundation/text_utils.h"
#include "foundation/win1252.h"
#include "platform/file_search.h"

namespace gleaner {
namespace {

struct TEntity {
  std::string_view Name;   // after "&"
  std::string_view Plain;  // as written in titles
};

constexpr TEntity kTitleEntities[] = {
    {"#153;", "(TM)"}, {"amp;", "&"},      {"copy;", "(C)"}, {"gt;", ">"},
    {"lt;", "<"},      {"mdash;", "\x97"}, {"nbsp;", " "},
};

// One line without its end (CR LF, LF or a lone CR); a longer stretch than
// kTitleLineLimit counts as a line of its own. False at the end of the file.
bool ReadTitleLine(std::istream& in, std::string& line) {
  line.clear();
  if (in.peek() == std::char_traits<char>::eof()) return false;
  while (line.size() < kTitleLineLimit) {
    const int c = in.get();
    if (c == std::char_traits<char>::eof() || c == '\n') break;
    if (c == '\r') {
      if (in.peek() == '\n') in.get();
      break;
    }
    line += static_cast<char>(c);
  }
  return true;
}

// The heading text of one line, or empty when the line holds no (non-empty) heading.
std::string HeadingOf(const std::string& line) {
  const std::string upper = AnsiUpperCase(line);
  const std::size_t open = upper.find("<H1>");
  if (open == std::string::npos) return {};
  const std::size_t textStart = open + 4;
  const std::size_t close = upper.find("</H1>", textStart);
  if (close == std::string::npos || close == textStart) return {};
  return line.substr(textStart, close - textStart);
}

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::string PlainTitleText(std::string text) {
  // A title with UTF-8 characters gets its dash in UTF-8 too, so it stays valid.
  const bool utf8 = !IsAscii(text) && IsValidUtf8(text);
  for (const TEntity& entity : kTitleEntities) {
    const std::string plain = utf8 ? Win1252ToUtf8(entity.Plain) : std::string(entity.Plain);
    ReplaceAll(text, "&" + std::string(entity.Name), plain, 'M');
  }
  return text;
}

std::string DocumentTitle(const std::string& path, bool readTitles) {
  if (!readTitles) return FileNamePart(path);
  std::ifstream in(SystemName(path), std::ios::binary);
  if (!in.is_open()) return {};
  std::string line;
  for (int count = 0; count < kTitleLineCount && ReadTitleLine(in, line); ++count) {
    std::string heading = HeadingOf(line);
    if (heading.empty()) continue;
    // The title keeps the document's encoding; the widget edge reads a title
    // that is valid UTF-8 as UTF-8, as the viewer shows a UTF-8 body.
    return PlainTitleText(std::move(heading));
  }
  return FileNamePart(path);
}

}  // namespace gleaner
