// A start from the desktop menu or a file manager. The desktop entry runs
// "culler --open %f", and the launcher drops %f when no file is given, so
// "--open" alone keeps the input the form remembers, and "--open FILE" puts
// FILE in the Input file box. (A glued "/I%f" would become "/I" without a
// file, which empties the box.)
//
//   ExpandMenuStart({"--open", "/home/pat/notes.txt"})  // {"/I/home/pat/notes.txt"}
//   ExpandMenuStart({"--open"})                         // {}
#pragma once

#include <string>
#include <vector>

namespace gleaner {

inline constexpr const char* kMenuStartOption = "--open";

// The parameters with every "--open [FILE]" replaced by the switch it stands
// for; other parameters are kept in order.
std::vector<std::string> ExpandMenuStart(const std::vector<std::string>& params);

}  // namespace gleaner
