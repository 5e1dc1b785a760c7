// TRunController's checks before a processing run: the old logs go, the input must be
// found, and the output name must be usable and not clobber the input, a
// backup or (without asking) a script, help or lookup file.
#include <filesystem>

#include "engine/gleaner_engine.h"
#include "foundation/search_path.h"
#include "foundation/settings_store.h"
#include "foundation/win1252.h"
#include "interface/backup_input.h"
#include "interface/box_names.h"
#include "interface/run_controller.h"
#include "platform/file_search.h"

namespace gleaner {
namespace {

// File-name prefixes whose files are worth a question before they are overwritten.
struct TGuardedPrefix {
  std::string_view Prefix;
  std::string_view Kind;
};
constexpr TGuardedPrefix kGuardedPrefixes[] = {{"SCR", "Script"}, {"HELP-", "Help"}, {"LUF", "Lookup"}};

bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && SameTextIgnoreCase(text.substr(0, prefix.size()), prefix);
}

std::string OverwriteQuestion(std::string_view kind) {
  return " \r\nYou are about to overwrite a file whose    \r\nname suggests that it is a " +
         std::string(kind) + " file." + "\r\n\r\n" + "Do you want to proceed?" + "\r\n" + " ";
}

void DeleteFile(const std::string& name) {
  if (name.empty()) return;
  std::error_code error;
  std::filesystem::remove(SystemName(HomeName(name)), error);
}

// Why a typed output name cannot be used, or empty when it can.
std::string OutputNameProblem(const std::string& output, const std::string& input) {
  if (HasWildcardChars(output)) {
    return "You cannot use the characters ? * ; in the output file name\r\n\r\n(Those characters are used "
           "for "
           "wildcarding)";
  }
  // A stream or device is never the input's file, whatever it is connected to.
  if (!IsReadThroughName(output) && !IsReadThroughName(input) && SameFileName(output, input)) return "Input and output file names must be different";
  // The settings would be replaced under the output's handle at the next save.
  if (!IniFileName().empty() && SameFileName(output, IniFileName()))
    return "The settings file cannot be the output file\r\n\r\n" + IniFileName();
  if (SameTextIgnoreCase(NameExtension(output), "BAK")) {
    return "The output file may not use a .bak extension\r\n\r\nThe .bak extension is used to make a backup "
           "copy "
           "of the output file";
  }
  return {};
}

}  // namespace

void TRunController::DeleteOldLogs() {
  DeleteFile(EngineInfo().CfgErrorFileName);
  DeleteFile(EngineInfo().CfgLogFileName);
}

bool TRunController::CheckInput(std::string& input) {
  input = form_[kCboInputFile].Text;
  if (SameTextIgnoreCase(input, kNone) || IsClipboardName(input) || input == kAutoName) return true;
  if (HasWildcardChars(input) || IsReadThroughName(input) || LocateFile(input, false, false)) return true;
  Tell("Warning:  The specified input file cannot be found\r\n\r\n" + input, false);
  view_.FocusBox(kCboInputFile);
  return false;
}

bool TRunController::CheckOutput(const std::string& input, std::string& output) {
  output = form_[kCboOutputFile].Text;
  if (output == kNone || IsClipboardName(output)) return true;
  if (output == kAutoName) {
    output.clear();
    return true;
  }
  if (!TellProblem(OutputNameProblem(output, input))) return false;
  const bool append = form_[kChkAppendOutput].Checked;
  if (!append && !TellProblem(BackupInputProblem(input, output))) return false;
  if (SameTextIgnoreCase(NameExtension(output), "TXT") && !append && !OverwriteAllowed(output)) return false;
  if (append) output.insert(0, "+");
  return true;
}

bool TRunController::TellProblem(const std::string& problem) {
  if (problem.empty()) return true;
  Tell(problem, false);
  return false;
}

bool TRunController::OverwriteAllowed(const std::string& output) {
  if (IsStreamName(output) || !FileExists(ExpandName(output))) return true;
  const std::string stem = NameStem(output);
  for (const TGuardedPrefix& guarded : kGuardedPrefixes) {
    if (!StartsWithIgnoreCase(stem, guarded.Prefix)) continue;
    if (!view_.AskOkCancel(EngineInfo().CfgProgramName, OverwriteQuestion(guarded.Kind))) return false;
  }
  return true;
}

}  // namespace gleaner
