// Binary noise suppression ("textify"): turns the unreadable parts of a line
// of a binary file into middle dots, keeping runs that look like words.
#pragma once

#include <string>

namespace gleaner {

void Textify(std::string& line);

}  // namespace gleaner
