// The input reader: opens the input (a file, the clipboard through a work
// file, or "None") and delivers one record at a time into Eng().Record, with
// the previous record, the record count and the byte counters. Text records
// end at LF (TEXT, TEXTLF; every CR dropped) or CR (TEXTCR; every LF dropped);
// BINARY records are CfgRecLen bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "engine/engine_state.h"
#include "engine/plain_lines.h"

namespace gleaner {

inline constexpr std::string_view kDefaultInputFile = "ParseInp.txt";
inline constexpr std::string_view kClipboardInputFile = "Clipboard-Inp.txt";
// The longest text line delivered, in characters.
inline constexpr std::int64_t kMaxLineLength = 2048000;

// "TEXT", "TEXTLF", "TEXTCR", "BINARY" in any letter case; false (and
// FileType::Unknown) for any other word.
bool InputTypeOf(std::string_view word, FileType& type);

// The default input file, "ParseInp.txt" in the home folder.
std::string DefaultInputName();

// Opens the input named by spec ("None", "Clipboard", empty for the default,
// or a file name; a name without folder is in the home folder). Flushes the
// output first. Errors: "File problem" (kind 15).
void OpenInput(const std::string& spec);
// Reads the next record; false at the end of the input.
bool ReadNextData();
// Bulk reading for a caller that copies plain records itself. PeekPlainLines
// fills out with the complete lines ahead in the read block that
// ReadNextData would deliver as they stand (TEXT and TEXTLF input; see
// plain_lines.h), without taking them; the views stay valid until the next
// read. TakePlainLines then takes the first of them, in order, as that many
// ReadNextData calls would: the record count and the bytes consumed grow,
// Record holds the last line's text and PreviousRecord the one before it
// (with one line, what Record held).
std::size_t PeekPlainLines(std::span<TPlainLine> out);
void TakePlainLines(std::span<const TPlainLine> lines);
// The first block of text input, read ahead without taking anything, for
// judging its encoding; empty for "None" and BINARY input. full: the block
// filled the read buffer, so the file may go on past it.
std::string_view PeekFirstBlock(bool& full);
// Closes the input file if one is open.
void CloseInput();
bool InputIsOpen();
// True while the open input is a stream or a device: its end shows only when
// a read finds no more bytes.
bool InputHasNoSize();

}  // namespace gleaner
