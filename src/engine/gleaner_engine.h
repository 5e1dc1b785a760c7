// The Gleaner Engine: what a caller outside the engine may use. Include this
// header, never the engine's own headers (scripts/check-includes.sh holds
// every layer to it). The engine is record-oriented: it opens an input and an
// output, hands out one record at a time, writes bytes to the output, keeps a
// processing log, and offers the text operations the script language and the
// applications are built from. Everything here uses the standard library
// only, and every text is in the run's encoding (Windows-1252 or UTF-8) in
// a std::string.
//
// The program information. One record per process, filled by the
// application before the engine is opened (engine_info.h):
//
//   EngineInfo().CfgProgramName = "Culler";
//   EngineInfo().CfgInputFileType = "Text";
//
// A run. OpenEngine opens the output, then the input ("None", "Clipboard",
// a name, a wildcard or a ";" list); ReadNextRecord puts the next record in
// Eng().Record and walks to the next input file; BeginRun and EndRun frame
// the run with the processing log (lifecycle.h, reader.h, writer.h,
// process_log.h):
//
//   OpenEngine("In.txt", "Out.txt");
//   BeginRun(true);
//   while (ReadNextRecord()) OutEnd(Eng().Record);
//   EndRun();
//   CloseEngine();
//
// The run's encoding and line ends. The application hands the user's
// choices to the next OpenEngine, which selects the text model
// (run_encoding.h):
//
//   RunChoices().Encoding = EncodingChoice::kUtf8;
//   RunChoices().LfLineEnds = true;
//
// The run state. Eng() is the one engine state of the process: the record,
// the counters, the cancel request, the error kind of the last failure
// (engine_state.h):
//
//   Eng().CancelRequested = true;  // the next record fetch ends the run
//
// Errors. Every engine failure is an EParse whose text is the whole message;
// Eng().ErrorKind tells its row of ErrorTable. A Stop is an EParseStop
// (engine_errors.h):
//
//   try { OpenEngine(in, out); } catch (const EParse& e) { std::cerr << e.what(); }
//
// Text operations the applications call directly: the comparison of the
// conditions (comparisons.h), the pattern matcher (pattern_matcher.h), the
// Parse routine (parse.h), the character commands (char_commands.h), the
// delimited-list scan (scan_commands.h) and the lookup-file field reader
// (lookup_reader.h):
//
//   Compare("10", "#<", "9", "IgnoreCase")  -> false (numbers); with "<", true (text)
//
// A plain copy takes whole runs of lines the record reader would deliver as
// they stand (plain_lines.h, with the reader's and writer's block access):
//
//   std::size_t n = ScanPlainLines(block, 0, kMaxLineLength, lines);
//
// Keywords that stand in file boxes ("None", "Clipboard") come from
// keywords.h. The remaining engine headers (Calc, CSV, lookup files, field
// and file commands) serve the script layer's command handlers only.
#pragma once

#include "engine/char_commands.h"
#include "engine/comparisons.h"
#include "engine/engine_errors.h"
#include "engine/engine_info.h"
#include "engine/engine_state.h"
#include "engine/keywords.h"
#include "engine/lifecycle.h"
#include "engine/lookup_reader.h"
#include "engine/pass_through.h"
#include "engine/parse.h"
#include "engine/pattern_matcher.h"
#include "engine/plain_lines.h"
#include "engine/process_log.h"
#include "engine/reader.h"
#include "engine/run_encoding.h"
#include "engine/scan_commands.h"
#include "engine/writer.h"
