// Helper programs: programs that only another program starts, such as
// Culler's main form (culler-desktop), which culler runs when it opens the
// form. An installed copy keeps them off PATH, in "libexec/gleaner/" (the
// install layout decides where that lies from the program's folder); a build
// keeps them beside the program that starts them.
#pragma once

#include <string>
#include <string_view>

namespace gleaner {

// The helper's full name: beside programFolder when it is there, else in the
// installed helper folder seen from programFolder. Empty when neither holds
// an executable file of that name. programFolder ends with "/".
std::string FindHelperProgram(std::string_view programFolder, std::string_view name);

// A helper acts for the program that started it: it is given that program's
// full name as its argv[0], and from then on RunningProgramFile() and
// RunningProgramFolder() name that program, so the document browser, the
// shipped files and the About page are found and shown as for it. Names that
// are not an absolute path to an existing file are ignored.
void ActForProgram(std::string_view programFile);

// The program named by ActForProgram; empty when the process acts for itself.
const std::string& ProgramActedFor();

}  // namespace gleaner
