// Internal to the interface layer; callers use interface/gleaner_interface.h.
// The page buffer of the generated help pages: lines in the document markup
// (headings, highlighted labels, mail links), built here and shown by the
// file viewer after a help document. One buffer serves the whole program; it
// is created on first use and released when the main form closes.
//
//   TPageBuffer& page = PageBuffer();
//   page.StartPage();
//   page.AddHeading("<h3>Program Information</h3>");
//   page.AddRow("Program Version", "2.50.00");   // "<HL>Program Version</HL>" padded to 32
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gleaner {

// Page lines are wrapped when they reach this length.
inline constexpr std::size_t kPageLineLimit = 80;
// Width of a row's label, its markup counted.
inline constexpr std::size_t kRowLabelWidth = 32;

class TPageBuffer {
 public:
  void StartPage() { lines_.clear(); }
  // Line breaks split the text first; a piece that shows 80 characters or
  // more (tags are not shown, so they do not count) is wrapped at column 79
  // after a blank or one of ! ) , - . : ; ? (never inside a tag), or cut at
  // column 79 when there is no such place. An empty text adds an empty line.
  void AddLine(std::string_view text);
  // An empty line, the text, an empty line.
  void AddHeading(std::string_view text);
  // Nothing when value is empty; otherwise the highlighted label padded to
  // 32 characters, then the value.
  void AddRow(std::string_view label, std::string_view value);
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  void AddWrapped(std::string_view piece);
  std::vector<std::string> lines_;
};

// An address holding "@" and no "<" becomes a mailto link; anything else is
// returned as it is.
std::string MailLink(std::string_view address);

// The program's one buffer, created when missing.
TPageBuffer& PageBuffer();
void ReleasePageBuffer();

}  // namespace gleaner
