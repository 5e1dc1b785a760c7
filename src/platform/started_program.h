// The program the user started. culler shows its form by starting the
// desktop program beside it in its own place, with the same arguments and
// the same program name (argv[0]), so the running file is not the one the
// user named: the about page names the started one.
//
//   SetStartedProgram(argv[0]);      // "culler", "./bin/culler" or "/usr/bin/culler"
//   StartedProgramFile();            // "/usr/bin/culler"
#pragma once

#include <string>
#include <string_view>

namespace gleaner {

// argv0 with a folder is taken against the current folder; a bare name is
// the file of that name beside the running program.
void SetStartedProgram(std::string_view argv0);

// The started program's full name when it exists; else the running program file.
std::string StartedProgramFile();

}  // namespace gleaner
