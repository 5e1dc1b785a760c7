// A run that replaces its output first renames the old output to its backup
// name, deleting the file of that name; when that file is the run's own
// input, its lines would exist nowhere afterwards.
#pragma once

#include <string>

namespace gleaner {

// The message refusing a run whose input, or a named file of its ";" list,
// is the backup of output (a name as typed); empty when there is none.
// Wildcard matches need no check: the input walk skips the backup.
// Example: input "/w/Out.bak", output "Out.txt" in /w gives the message.
std::string BackupInputProblem(const std::string& input, const std::string& output);

}  // namespace gleaner
