// The run choices of the main form: the text encoding (cboEncoding) and LF
// line ends (chkLfLineEnds). They are saved with the form like Autoview and
// Append, set by the command line (--encoding=utf-8|windows-1252|auto, --lf,
// --crlf), checked with the script's own ($CfgEncoding, $CfgOutputFileType)
// after its Config section, and handed to the engine before each run.
#pragma once

#include <optional>
#include <string>

#include "interface/main_form.h"

namespace gleaner {

void LoadRunChoices(TMainForm& form);
void SaveRunChoices(const TMainForm& form);

// --encoding=WORD, --lf and --crlf; nullopt for any other parameter. False
// after a bad encoding word, which has been reported.
std::optional<bool> RunChoiceSwitch(const std::string& param, TMainForm& form);

// Before OpenEngine: the form's choices.
void PassRunChoices(const TMainForm& form);
// After OpenEngine: the parameter texts, typed in UTF-8 or kept from older
// settings in Windows-1252, in the encoding the run has chosen.
void GiveOptionsRunEncoding();

// The message for a $CfgEncoding or $CfgOutputFileType the application does
// not take (the value is set back to the application's), or empty.
std::string RunChoiceConfigError();

}  // namespace gleaner
