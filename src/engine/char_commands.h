// Character commands that reshape one text value: Change (substring
// replacement), ChangeCase, KeepChar and TrimChar. Other commands run these
// on their own behalf inside an InternalCallScope, so that errors name the
// calling command; otherwise each sets Eng().CurrentCommand to its own code.
#pragma once

#include <string>
#include <string_view>

#include "commands/command_table.h"
#include "engine/option_memo.h"

namespace gleaner {

// Replaces every occurrence of find in variable by replacement, scanning on
// after each inserted replacement. passMode is one of "MultiPass OnePass";
// multi-pass repeats passes while find still occurs, unless find occurs
// inside the replacement. Example: Change(v = "xxxx", "xx", "x") gives "x".
// A multi-pass change that would grow past 2,048,000 characters is an error.
void Change(std::string& variable, std::string_view find, std::string_view replacement,
            std::string_view passMode = "MultiPass", TOptionMemo* memo = nullptr);

// caseOption is one of "HardCaps Uppercase Lowercase Capitalize NoChange"
// (the run's text model's case rules). Example: ChangeCase("jean-luc 3rd",
// "Cap") gives "Jean-Luc 3Rd". ChangeCaseInto writes into result's own
// storage; value may be result's own text or lie in it. A memo, when given,
// keeps the option word read (engine/option_memo.h).
void ChangeCaseInto(std::string& result, std::string_view value, std::string_view caseOption = "Uppercase",
                    TOptionMemo* memo = nullptr);
std::string ChangeCase(std::string_view value, std::string_view caseOption = "Uppercase");

// Keeps only the characters the keep specification selects: its first
// character separates items; an item is one character or an inclusive range
// of two. Example: KeepChar(v, "/09/-") keeps digits and minus signs.
void KeepChar(std::string& variable, std::string_view keepSpec);

// Removes characters by a list of (action letter, character) pairs, all
// judged against the text as given: A every occurrence, B both end runs,
// L the leading run, R the trailing run, M repeats within each run.
// Example: TrimChar(v, "B A,") trims blanks at both ends and drops commas.
void TrimChar(std::string& variable, std::string_view removeList = "B ");

}  // namespace gleaner
