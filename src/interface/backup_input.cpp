// The backup-as-input check of the run controller.
#include "interface/backup_input.h"

#include <string_view>

#include "engine/gleaner_engine.h"
#include "foundation/search_path.h"
#include "interface/box_names.h"

namespace gleaner {

std::string BackupInputProblem(const std::string& input, const std::string& output) {
  const std::string backup = BackupName(ExpandName(output));
  std::string_view rest = input;
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find(';'), rest.size());
    const std::string item(rest.substr(0, end));
    rest.remove_prefix(std::min(end + 1, rest.size()));
    if (item.empty() || HasWildcardChars(item) || !SameFileName(backup, ExpandName(item))) continue;
    return "The input file is the backup copy of the output file\r\n\r\nInput:   " + item +
           "\r\nOutput:  " + output + "\r\n\r\nReplacing the output would delete the input: its old copy " +
           "is kept as " + backup;
  }
  return {};
}

}  // namespace gleaner
