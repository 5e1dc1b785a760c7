// The output writer: interprets the output specification ("None",
// "Clipboard", "+name" to append, or a name whose old file is kept as .bak),
// and writes values and record ends as raw bytes, counting them in
// Eng().BytesOut / BytesOutCount. Writes are buffered; FlushOutput puts every
// byte written so far into the file, and must run before anything opens a
// file for reading (OpenInput and CloseEngine do so).
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace gleaner {

inline constexpr std::string_view kDefaultOutputFile = "ParseOut.txt";
inline constexpr std::string_view kClipboardOutputFile = "Clipboard-Out.txt";

// The default output file, "ParseOut.txt" in the home folder.
std::string DefaultOutputName();
// The backup name of a file: the "." of the file-name part is replaced by
// ".bak" ('Out.txt' -> 'Out.bak', 'Readme' -> 'Readme.bak').
std::string BackupName(std::string_view name);

// The actual output name OpenOutput gives spec, before any file is touched:
// "None", the clipboard work file, or the expanded name without its "+".
std::string OutputNameFor(std::string_view spec);
// Opens the output named by spec. Errors: "File problem" (kind 15).
void OpenOutput(const std::string& spec);
// Keeps an existing file under its backup name, replacing an older backup.
void MakeBackup(const std::string& name);

// Raw bytes, counted; nothing for "None" output.
void WriteOutputBytes(std::string_view bytes);
// The Output command: each value's bytes, no record end.
void Output(std::span<const std::string_view> values);
// The OutEnd command: each value's bytes, then the record end of OutputType.
void OutEnd(std::span<const std::string_view> values);
void OutEnd(std::string_view value);
// The OutNull command: one record end.
void OutNull();

// For a caller that writes many records at once: the free part of the
// output buffer (empty for "None" output), and CommitOutput(n) makes its
// first n bytes output, counted. The writes above flush only when a byte
// finds the buffer full, so a caller that puts whole records in the room
// and hands the first record that does not fit to them flushes at the same
// byte, and fails at the same record, as they would.
std::span<char> OutputRoom();
void CommitOutput(std::size_t n);
// The record end OutEnd writes: CR LF, LF, CR or a zero byte.
std::string_view OutputRecordEnd();

// Every byte written so far reaches the file. Errors: kind 15.
void FlushOutput();
// Flushes and closes the output file if open. Errors: kind 15.
void CloseOutput();
bool OutputIsOpen();
// Puts the clipboard work file's text (up to its first zero byte) on the clipboard.
void CopyOutputToClipboard();

}  // namespace gleaner
