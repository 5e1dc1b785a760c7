// Runs the built culler program in a temporary home folder, as a batch
// caller would: standard input not a terminal, output and errors captured,
// the exit status returned. Dates in the logs can be masked for comparison.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "support/temp_folder.h"

namespace gleaner::testing {

struct TCullerResult {
  int Status = -1;  // exit status; 128 + the signal when killed
  std::string Out;  // standard output
  std::string Err;  // standard error
};

class CullerHome {
 public:
  // Runs culler with the arguments; the home folder is also the working folder.
  TCullerResult Run(const std::vector<std::string>& args);
  // Starts culler and sends it Ctrl+C (SIGINT) once the file named has content.
  TCullerResult RunAndInterrupt(const std::vector<std::string>& args, const std::string& fileWritten);
  // The same with each of signals sent, one right after the other.
  TCullerResult RunAndSignal(const std::vector<std::string>& args, const std::string& fileWritten,
                             const std::vector<int>& signals);
  // Runs a bash command line in the working folder, with $CULLER the program
  // and the same environment: pipelines, redirections, "<(...)".
  TCullerResult RunShell(const std::string& command);
  // Starts culler without waiting; Finish waits for it. Each started run
  // keeps its own output and errors.
  int StartInBackground(const std::vector<std::string>& args);
  TCullerResult Finish(int pid);
  // What a started run has written to standard error so far.
  std::string ErrorsSoFar(int pid) const;
  // Runs with GLEANER_HOME set to folder (ending with "/") instead of Path();
  // the working folder stays Path().
  void UseHomeFolder(const std::string& folder) { home_ = folder; }
  // Runs as another user (needs root); the home folder is opened up to it.
  void UseUser(int uid, int gid);

  // Starts culler, calls act with its process id once the file named has
  // content, then waits for it.
  TCullerResult RunAndAct(const std::vector<std::string>& args, const std::string& fileWritten,
                          const std::function<void(int pid)>& act);

  // Standard output goes to this file instead of being captured (/dev/full).
  std::string StandardOutput;
  // Standard input is a terminal (a pseudo-terminal); TypeAtTerminal types on it.
  bool TerminalInput = false;
  void TypeAtTerminal(const std::string& text) const;
  // The address-space limit of the program, in bytes (0: none).
  unsigned long long AddressSpaceLimit = 0;

  std::string File(const std::string& name) const { return folder_.File(name); }
  const std::string& Path() const { return folder_.Path(); }
  void Write(const std::string& name, const std::string& bytes) const { WriteFile(File(name), bytes); }
  std::string Read(const std::string& name) const { return ReadFile(File(name)); }
  bool Exists(const std::string& name) const { return FileExists(File(name)); }
  // The processing log and the error log with every date and time masked as
  // "<when>" and the home folder shown as "<home>/".
  std::string Log() const;
  std::string ErrorLog() const;
  std::string Masked(const std::string& text) const;

  // Extra "NAME=value" entries for the program's environment (it gets no display otherwise).
  std::vector<std::string> Environment;

 private:
  struct TSignal {
    std::string WhenWritten;  // none when empty
    std::vector<int> Numbers;
  };
  TCullerResult Start(const std::vector<std::string>& args, const TSignal& signal);
  int Spawn(const std::vector<std::string>& argTexts);

  TempFolder folder_;
  TempFolder capture_;
  std::map<int, std::pair<std::string, std::string>> captures_;  // by process: output and errors
  int runs_ = 0;
  std::string home_;
  int uid_ = -1;
  int gid_ = -1;
  int terminal_ = -1;  // the pseudo-terminal's master side while a run has one
};

// Replaces "MM/DD/YY HH:MM:SS" (the C locale's date and time) with "<when>".
std::string MaskDates(const std::string& text);

}  // namespace gleaner::testing
