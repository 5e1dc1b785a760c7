// Internal to the interface layer; callers use interface/gleaner_interface.h.
// Name rules of the main form's file boxes: keywords, wildcard characters,
// the file-name part and its extension, and whether two names denote the
// same file. Both "/" and "\" separate folders here.
#pragma once

#include <string>
#include <string_view>

#include "foundation/search_path.h"  // FileNamePart

namespace gleaner {

// Any of ? * ; (wildcards and list separators).
bool HasWildcardChars(std::string_view name);
// "Clipboard" in any letter case.
bool IsClipboardName(std::string_view name);
// Neither empty, nor a keyword ("None", "Clipboard", the automatic name, the
// not-used marker), nor a wildcard list.
bool IsRealFileName(std::string_view name);
// True when the name ends in a folder separator.
bool EndsWithSeparator(std::string_view name);
// The text after the first full stop of the file-name part, trimmed:
// "a.bak.txt" gives "bak.txt", "notes" gives "".
std::string NameExtension(std::string_view name);
// The file-name part up to its first full stop: "ScrJobs.txt" gives "ScrJobs".
std::string NameStem(std::string_view name);
// Trims blanks, then removes one leading and one trailing double quote.
std::string StripBoxText(std::string_view text);
// True when output (placed in the home folder when it has no folder) and the
// located input name denote the same file: equal without letter case, equal
// after making both absolute and normal, or the same file through a link.
bool SameFileName(std::string_view output, std::string_view located);

}  // namespace gleaner
