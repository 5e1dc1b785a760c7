// The title a help document is listed under: the text of its first level-1
// heading ("<H1>...</H1>", any letter case) within its first 100 lines, with
// the entity references written in plain form; otherwise its file name.
#pragma once

#include <string>
#include <string_view>

#include "foundation/search_path.h"  // FileNamePart

namespace gleaner {

// Lines longer than this are read only this far when looking for a title.
inline constexpr std::size_t kTitleLineLimit = 64 * 1024;
inline constexpr int kTitleLineCount = 100;

// Writes the seven entity references in plain form, each repeatedly, so
// "&amp;amp;" becomes "&" and "&#153;" becomes "(TM)".
std::string PlainTitleText(std::string text);

// The title of the document at path: the heading text when readTitles is on
// and the document has one, else the file name; empty when the document
// cannot be opened for reading. With readTitles off the file is not opened.
// The heading of a UTF-8 document is decoded into Windows-1252.
std::string DocumentTitle(const std::string& path, bool readTitles);

}  // namespace gleaner
