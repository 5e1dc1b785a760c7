// Internal to the interface layer; callers use interface/gleaner_interface.h.
// Where help is looked for: the application and script help documents, the
// document browser program, and the folder list a document's "EXEC:KESTRASCAN"
// link hands to the browser (the home folder, then the folders of the names
// in the input, output, script and support boxes).
#pragma once

#include <string>

#include "interface/main_form.h"

namespace gleaner {

// "Help-" + program name + ".txt": the home folder's copy, else the shipped one.
std::string ApplicationHelpFile(const std::string& programName);
// "Help-" + the script's file name, beside the script found along the search
// path; empty for "None" or a script that cannot be found.
std::string ScriptHelpFile(const std::string& scriptBox);
// The document browser in the folder of the running program.
std::string BrowserProgram();

// The home folder, then each box's folder not yet listed, ";"-separated.
// Keywords (None, Clipboard, the automatic name, the not-used marker) add
// nothing; input and script names are located along the search path.
std::string BrowserFolders(const TMainForm& form);

}  // namespace gleaner
