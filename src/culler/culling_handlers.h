// Culler's own part of a processing run: the handlers that RunSteps calls
// beside the script's sections. TaskInit logs the run's files and
// parameters, reads the Controls setting (Eng().OptionZ) and builds the keep
// list (OptionX) and the delete list (OptionY); Main trims each record's
// trailing spaces and hands the lines that pass both lists to the script's
// Main step, or straight to the output without a script; TaskDone logs the
// line counts. Without a script and lists, the plain lines that follow a
// record in the read block are copied in one go (plain_copy.h). The handlers write to the processing log, so the run must
// start it (BeginRun(true)).
//
//   TCullingHandlers handlers;
//   OpenEngine(input, output);  BeginRun(true);
//   RunSteps(handlers);
//   EndRun();  CloseEngine();
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "culler/cull_controls.h"
#include "culler/cull_list.h"
#include "culler/cull_tally.h"
#include "culler/plain_copy.h"
#include "script/gleaner_script.h"

namespace gleaner {

class TCullingHandlers : public TRunHandlers {
 public:
  void TaskInit() override;
  void FileInit() override;
  void Main() override;
  void FileDone() override {}
  void TaskDone() override;

  // The block copy is on unless switched off here; off, every record takes
  // the record-at-a-time path (the tests hold the two against each other).
  void AllowBlockCopy(bool allowed) { blockCopyAllowed_ = allowed; }

 private:
  // Whether the record passes the list; an absent list gives absentResult.
  bool Listed(const TCullList& list, bool absentResult);
  const std::string& UpperRecord();
  void KeepTextLine();
  void NullLine();
  void WriteFileHeader();

  TCullControls controls_;
  TCullList keep_;
  TCullList delete_;
  bool fileHeaderPending_ = false;
  TCullTally tally_;
  TPlainCopy plainCopy_;
  bool blockCopyAllowed_ = true;
  bool blockCopy_ = false;  // this run copies plain lines in blocks

  std::string upperRecord_;        // the current record upper-cased, reused
  bool upperReady_ = false;        // upperRecord_ holds the current record
};

}  // namespace gleaner
