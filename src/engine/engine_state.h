// The engine's run state: one instance per program, read and written by the
// reader, the writer, the run lifecycle and the commands. Script special
// variables refer to the text members here, so an assignment in a script
// changes the engine's own value; the members must therefore never move
// (the state object lives for the whole process).
#pragma once

#include <cstdint>
#include <string>

#include "commands/command_table.h"

namespace gleaner {

// File type numbers of the input and output sides.
enum class FileType : std::uint8_t { Unknown = 0, Text = 1, TextLF = 2, TextCR = 3, Binary = 4 };

// OutCSV settings and the record being built, kept between commands and runs.
struct TCsvState {
  std::string Record;          // the record being built ($OutCSVRec)
  bool On = false;             // fields are added only while on
  bool FirstField = true;      // no separator before the next field
  std::string DefaultMode;     // mode used when a command gives none
  std::string Separator;       // put between fields
  std::string DefaultSeparator = ",";
  std::string QuoteChar = "\"";
  std::string DoubledQuote;
  std::string MaxWidth;
  std::string QuotedMaxWidth;
  std::string MinWidth;
  std::string QuotedMinWidth;
};

struct TEngineState {
  // Records ($Data, $PrevData) and counters ($ReadLines).
  std::string Record;
  std::string PreviousRecord;
  std::string RecordCount = "0";

  // Input side.
  std::string ActualIFN;        // $ActualIFN
  std::int64_t InputFileSize = 0;
  std::string InputFileBytes = "0";
  std::int64_t BytesConsumed = 0;
  std::int64_t BytesRead = 0;
  FileType InputType = FileType::Text;
  bool EndOfInput = true;
  bool InputIsNone = false;

  // Output side.
  std::string ActualOFN;        // $ActualOFN
  std::int64_t BytesOut = 0;
  std::string BytesOutCount = "0";
  bool Appending = false;
  std::string AppendingOutput = "N";
  bool ClipboardOut = false;
  std::string ClipboardOutput = "N";
  FileType OutputType = FileType::Text;
  bool OutputIsNone = false;

  // Run control.
  bool TestModeOn = false;
  std::string TestMode = "N";
  std::string StepName = "None";
  Cmd CurrentCommand = Cmd::Undetermined;
  std::uint8_t ErrorKind = 0;
  bool ErrorOccurred = false;
  bool CancelRequested = false;
  bool InternalCall = false;
  bool EngineOpen = false;
  std::int32_t ScriptLineNumber = 0;
  std::string ScriptPhase;      // compile phase text, cleared by OpenEngine

  // Texts the application and commands share with scripts.
  std::string OptionX, OptionY, OptionZ;  // $OptionX..$OptionZ
  std::string Note;                        // ShowNote text shown by the interface
  TCsvState Csv;
};

// The one engine state of the program; inline, as every record reaches it many times.
inline TEngineState& Eng() {
  static TEngineState state;
  return state;
}

}  // namespace gleaner
