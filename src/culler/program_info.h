// Culler's identity in the program information record (engine_info.h): its
// name and version, data formats, the captions and hints of the three
// parameters, the default file names and the $Cfg names a script may set.
#pragma once

#include <string_view>

namespace gleaner {

// Sets every field of EngineInfo() to Culler's values, except the output
// file mask, the log and error file names and the support files, which keep
// theirs. Runs at start-up and whenever the script changes, so it also undoes
// what an earlier Config section set.
void FillProgramInfo();

// The text a disabled parameter box holds; it counts as an empty parameter.
bool IsNotUsedMarker(std::string_view text);

}  // namespace gleaner
