// Entity references of the document markup ("&" + name): replaced in every
// displayed line of a marked-up document before its tags are applied.
#pragma once

#include <string>

namespace gleaner {

// Replaces the references in one line. At each "&" (up to the fourth
// character from the end) every name is tried in table order, and each one
// that matches is tried once more at the same place, so an escaped entity
// written twice collapses: "&amp;amp;" gives "&". In a UTF-8 document
// (utf8) the characters are written in UTF-8: "&copy;" gives C2 A9.
void ReplaceEntities(std::string& line, bool utf8 = false);

}  // namespace gleaner
