// Internal to the interface layer; callers use interface/gleaner_interface.h.
// The two generated about sections, written into the page buffer after the
// help documents they end: the application's, from the program information
// record, and the current script's, from the values its Config section set.
// Both begin with the anchor AUTABOUT, the target of a document's "About" link.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

#include "engine/gleaner_engine.h"
#include "interface/page_buffer.h"
#include "script/gleaner_script.h"

namespace gleaner {

// The running program file as the about page shows it.
struct TProgramFile {
  std::string Name;     // without folder; empty when unknown
  std::time_t Time = 0;  // last modification
};

// " (ignoring lines less than 20 characters long)", " (80 bytes, fixed record
// length)", " (variable record length)", " (?)", or empty for a text type
// without a record length.
std::string DataFormatSuffix(std::string inputFileType, std::int32_t recLen);

// "yy/mm/dd hh:nn (This program is N days old)", N the whole calendar days
// from the file's date to now's date, in local time.
std::string ProgramTimeStamp(std::time_t fileTime, std::time_t now);

// The application's about section (project, program, customer, licensing,
// data format), rows with empty values left out.
void BuildAboutPage(TPageBuffer& page, const TEngineInfo& info, const TProgramFile& program, std::time_t now);

// The script's about section: the rows the script set, the file formats and
// its licence text when it set one.
void BuildAboutScriptPage(TPageBuffer& page, const TEngineInfo& info, const TCfg& cfg);

}  // namespace gleaner
