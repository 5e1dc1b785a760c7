// Entity references of the document markup ("&" + name): replaced in every
// displayed line of a marked-up document before its tags are applied.
#pragma once

#include <string>

namespace gleaner {

// Replaces the references in one line. At each "&" (up to the fourth
// character from the end) every name is tried in table order, and each one
// that matches is tried once more at the same place, so an escaped entity
// written twice collapses: "&amp;amp;" gives "&".
void ReplaceEntities(std::string& line);

}  // namespace gleaner
