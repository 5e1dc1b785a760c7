// The processing log. Banner lines and messages go through one line writer
// that remembers whether the last line was empty, so that LogMsgLF never
// leaves two empty lines in a row. The banners written by LogStart and LogEnd
// leave CurrentCommand alone: LogEnd runs while an error is being reported.
#include "engine/process_log.h"

#include <cerrno>
#include <cstdio>
#include <ctime>

#include "engine/engine_errors.h"
#include "engine/engine_info.h"
#include "engine/engine_state.h"
#include "foundation/search_path.h"
#include "platform/file_search.h"

namespace gleaner {

namespace {

constexpr std::size_t kSeparatorLength = 76;

struct TLogFile {
  std::FILE* File = nullptr;
  std::string Name;
  bool LastLineHadText = false;
};

TLogFile& Log() {
  static TLogFile log;
  return log;
}

void WriteLine(std::string_view text) {
  TLogFile& log = Log();
  errno = 0;
  const bool ok = std::fwrite(text.data(), 1, text.size(), log.File) == text.size() &&
                  std::fwrite(kCrLf.data(), 1, kCrLf.size(), log.File) == kCrLf.size();
  if (!ok) RaiseEngineError(kErrFileProblem, "Could not write to " + log.Name, SystemErrorText(errno));
  log.LastLineHadText = !text.empty();
}

void WriteSeparator(char c) { WriteLine(std::string(kSeparatorLength, c)); }

void WriteEmptyLineOnce() {
  if (Log().LastLineHadText) WriteLine("");
}

// The locale's short date and long time.
std::string DateAndTime() {
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  char text[128];
  const std::size_t length = local != nullptr ? std::strftime(text, sizeof text, "%x %X", local) : 0;
  return std::string(text, length);
}

void WriteBanner(std::string_view what) {
  WriteSeparator('=');
  WriteLine("Processing " + std::string(what) + " " + DateAndTime());
  WriteSeparator('=');
}

void WriteEndBanners() {
  WriteEmptyLineOnce();
  WriteBanner("ended");
  if (!Eng().ErrorOccurred) return;
  WriteEmptyLineOnce();
  WriteSeparator('+');
  WriteLine("Processing ended with an error condition -- see " + EngineInfo().CfgErrorFileName);
  WriteSeparator('+');
}

}  // namespace

std::string LogFileName() {
  const TEngineInfo& info = EngineInfo();
  return HomeName(info.CfgLogFileName.empty() ? info.CfgProgramName + "-Log.txt" : info.CfgLogFileName);
}

void LogStart() {
  TLogFile& log = Log();
  if (log.File != nullptr) return;
  TEngineInfo& info = EngineInfo();
  if (info.CfgLogFileName.empty()) info.CfgLogFileName = HomeName(info.CfgProgramName + "-Log.txt");
  log.LastLineHadText = false;
  log.Name = HomeName(info.CfgLogFileName);
  errno = 0;
  log.File = std::fopen(SystemName(log.Name).c_str(), "wb");
  if (log.File == nullptr)
    RaiseEngineError(kErrFileProblem, "Could not create " + log.Name, SystemErrorText(errno));
  WriteBanner("started");
  WriteEmptyLineOnce();
  // On disk at once: a run ended by a second signal still leaves its banner.
  // A failure here shows when the log is closed, as for every line after it,
  // so a full disk does not stop a run whose output still fits elsewhere.
  std::fflush(log.File);
}

void LogEnd() {
  TLogFile& log = Log();
  if (log.File == nullptr) return;
  std::FILE* file = log.File;
  try {
    WriteEndBanners();
  } catch (const EParse&) {
    std::fclose(file);
    log.File = nullptr;
    log.LastLineHadText = false;
    throw;
  }
  log.File = nullptr;
  // A closed log has no last line, so LogMsgLF on it stays harmless.
  log.LastLineHadText = false;
  if (std::fclose(file) != 0)
    RaiseEngineError(kErrFileProblem, "Could not write to " + log.Name, SystemErrorText(errno));
}

void LogMsg(std::string_view text) {
  Eng().CurrentCommand = Cmd::LogMsg;
  if (Log().File == nullptr) RaiseEngineError(kErrInternal, "LogMsg file not open", text);
  WriteLine(text);
}

void LogMsgLF() {
  Eng().CurrentCommand = Cmd::LogMsgLF;
  WriteEmptyLineOnce();
}

bool LogIsOpen() { return Log().File != nullptr; }

}  // namespace gleaner
