// Input reader. Text input is read in large blocks; line ends are found with
// memchr and whole segments between dropped bytes are appended to the record,
// so a line costs one pass over its bytes. Record and PreviousRecord swap
// their storage instead of copying, so after the first lines no record
// allocates. BytesConsumed counts every byte taken, terminators and dropped
// bytes included, exactly as a byte-by-byte reader would. A plain copy takes
// whole runs of plain lines from the block at once (PeekPlainLines,
// TakePlainLines); the counters then move as if each had been read alone.
#include "engine/reader.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <utility>

#include "engine/engine_errors.h"
#include "engine/engine_info.h"
#include "engine/io_buffer.h"
#include "engine/pass_through.h"
#include "engine/writer.h"
#include "foundation/numbers.h"
#include "foundation/search_path.h"
#include "foundation/win1252.h"
#include "platform/file_search.h"
#include "platform/ports.h"

namespace gleaner {

namespace {

constexpr std::size_t kReadBlockSize = 256 * 1024;

struct TInputFile {
  std::FILE* File = nullptr;
  TIoBuffer Buffer;
  std::size_t Fill = 0;
  std::size_t Pos = 0;
};

// Constant-initialised, so the hot path reaches it without a guard.
TInputFile gInput;

TInputFile& In() { return gInput; }

[[noreturn]] void RaiseReadError(int errorNumber) {
  RaiseEngineError(kErrFileProblem, "Could not read " + Eng().ActualIFN, SystemErrorText(errorNumber));
}

// At the end of the file: a file that ends before the size it had when it
// was opened was cut short by another program, and its last record may be
// torn, so the run ends here instead of reporting success.
void CheckNotShrunk() {
  const TEngineState& eng = Eng();
  if (eng.BytesRead >= eng.InputFileSize) return;
  RaiseEngineError(kErrFileProblem, "The input file " + eng.ActualIFN + " became shorter while it was read",
                   "It had " + std::to_string(eng.InputFileSize) + " bytes when it was opened and ended after " +
                       std::to_string(eng.BytesRead) + "; the output keeps the records read before");
}

// Refills the buffer; false at the end of the file.
bool Refill() {
  TInputFile& in = In();
  in.Pos = 0;
  in.Fill = 0;
  if (in.File == nullptr) return false;
  errno = 0;
  in.Fill = std::fread(in.Buffer.data(), 1, in.Buffer.size(), in.File);
  if (in.Fill == 0 && std::ferror(in.File)) RaiseReadError(errno != 0 ? errno : EIO);
  Eng().BytesRead += static_cast<std::int64_t>(in.Fill);
  if (in.Fill == 0) CheckNotShrunk();
  return in.Fill > 0;
}

[[noreturn]] void RaiseLineTooLong() {
  RaiseEngineError(
      kErrDataBuffer,
      "Input file line exceeded maximum length of " + std::to_string(kMaxLineLength) + " characters",
      "The line starts with these characters:" + std::string(kCrLf) + DisplayValue(Eng().Record));
}

// Appends [from, to) without the drop byte. At the line limit the record is
// filled up to it and the offending byte is counted as consumed, then the error.
void AppendSegment(TEngineState& eng, const char* from, const char* to, char drop) {
  std::string& record = eng.Record;
  const char* segmentStart = from;
  while (from < to) {
    const void* hit = std::memchr(from, drop, static_cast<std::size_t>(to - from));
    const char* pieceEnd = hit != nullptr ? static_cast<const char*>(hit) : to;
    const std::size_t room = static_cast<std::size_t>(kMaxLineLength) - record.size();
    const std::size_t length = static_cast<std::size_t>(pieceEnd - from);
    if (length > room) {
      record.append(from, room);
      eng.BytesConsumed += (from + room - segmentStart) + 1;
      RaiseLineTooLong();
    }
    record.append(from, length);
    from = hit != nullptr ? pieceEnd + 1 : to;
  }
}

bool ReadTextRecord(TEngineState& eng) {
  TInputFile& in = In();
  const std::int64_t minimumLength = EngineInfo().CfgRecLen;
  const auto longEnough = [&eng, minimumLength] {
    return static_cast<std::int64_t>(eng.Record.size()) >= minimumLength;
  };
  std::swap(eng.PreviousRecord, eng.Record);
  eng.Record.clear();
  const char lineEnd = eng.InputType == FileType::TextCR ? '\r' : '\n';
  const char drop = eng.InputType == FileType::TextCR ? '\n' : '\r';
  for (;;) {
    if (in.Pos == in.Fill && !Refill()) {
      eng.EndOfInput = true;
      return !eng.Record.empty() && longEnough();
    }
    const char* start = in.Buffer.data() + in.Pos;
    const char* end = in.Buffer.data() + in.Fill;
    const void* hit = std::memchr(start, lineEnd, static_cast<std::size_t>(end - start));
    const char* segmentEnd = hit != nullptr ? static_cast<const char*>(hit) : end;
    AppendSegment(eng, start, segmentEnd, drop);
    const std::size_t taken = static_cast<std::size_t>(segmentEnd - start) + (hit != nullptr ? 1 : 0);
    in.Pos += taken;
    eng.BytesConsumed += static_cast<std::int64_t>(taken);
    if (hit == nullptr) continue;
    if (longEnough()) return true;
    eng.Record.clear();
  }
}

bool AtEndOfFile(std::FILE* file) {
  const int c = std::fgetc(file);
  if (c == EOF) return true;
  std::ungetc(c, file);
  return false;
}

bool ReadBinaryRecord(TEngineState& eng) {
  std::FILE* file = In().File;
  const std::int32_t recordLength = EngineInfo().CfgRecLen;
  if (file == nullptr || recordLength <= 0) {
    eng.EndOfInput = true;
    return false;
  }
  std::swap(eng.PreviousRecord, eng.Record);
  eng.Record.resize(static_cast<std::size_t>(recordLength));
  errno = 0;
  const std::size_t count = std::fread(eng.Record.data(), 1, eng.Record.size(), file);
  if (count < eng.Record.size() && std::ferror(file)) RaiseReadError(errno != 0 ? errno : EIO);
  eng.BytesRead += static_cast<std::int64_t>(count);
  eng.BytesConsumed += static_cast<std::int64_t>(count);
  eng.Record.resize(count);
  eng.EndOfInput = count < static_cast<std::size_t>(recordLength) || AtEndOfFile(file);
  if (eng.EndOfInput) CheckNotShrunk();
  return count > 0;
}

void CopyClipboardToFile(const std::string& name) {
  const std::string text = Ports().Clipboard->ReadText();
  errno = 0;
  std::FILE* file = std::fopen(SystemName(name).c_str(), "wb");
  bool ok =
      file != nullptr && (text.empty() || std::fwrite(text.data(), 1, text.size(), file) == text.size());
  int error = errno;
  if (file != nullptr && std::fclose(file) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (!ok)
    RaiseEngineError(kErrFileProblem, "Cannot create temporary clipboard file " + name,
                     SystemErrorText(error));
}

// Opens the input file; only regular files and character devices, so a
// folder or a FIFO never blocks a run. Streams are read through their
// descriptor.
std::FILE* OpenInputFile(const std::string& name, int descriptor, int& error) {
  errno = 0;
  if (descriptor >= 0) {
    std::FILE* stream = OpenStream(descriptor, false);
    error = errno;
    return stream;
  }
  std::error_code ec;
  const auto status = std::filesystem::status(name, ec);
  if (!ec && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status) &&
      !std::filesystem::is_character_file(status)) {
    error = std::filesystem::is_directory(status) ? EISDIR : EINVAL;
    return nullptr;
  }
  errno = 0;
  std::FILE* file = std::fopen(name.c_str(), "rb");
  error = errno;
  return file;
}

// 0 when the input has no size (a pipe, a terminal): the progress then shows
// no percentage.
std::int64_t FileSize(std::FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) return 0;
  const long size = std::ftell(file);
  std::rewind(file);
  return size < 0 ? 0 : size;
}

// Record counts are 64-bit: a log of billions of lines runs to its end.
bool IsPlainCount(const std::string& count) {
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  return !count.empty() && count.size() <= 18 && (count[0] != '0' || count.size() == 1) &&
         std::all_of(count.begin(), count.end(), isDigit);
}

// A count a script stored in another form (a sign, leading zeros), stepped
// in 64 bits; text that is no number keeps the checked route and its error.
void StepStoredCount(std::string& count) {
  std::int64_t value = 0;
  if (TryParseInt64(count, value) && value < std::numeric_limits<std::int64_t>::max()) {
    count = std::to_string(value + 1);
  } else {
    count = AddIntText(count, '+', "1");
  }
}

// RecordCount + 1. Plain counts are stepped in place; any other text takes
// the checked route.
void IncrementRecordCount(std::string& count) {
  if (!IsPlainCount(count)) {
    StepStoredCount(count);
    return;
  }
  for (std::size_t i = count.size(); i-- > 0;) {
    if (count[i] != '9') {
      ++count[i];
      return;
    }
    count[i] = '0';
  }
  count.insert(count.begin(), '1');
}

// RecordCount + records, the same text as that many single steps.
void AddToRecordCount(std::string& count, std::size_t records) {
  if (!IsPlainCount(count)) {
    for (std::size_t i = 0; i < records; ++i) IncrementRecordCount(count);
    return;
  }
  std::uint64_t value = 0;
  std::from_chars(count.data(), count.data() + count.size(), value);
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value + records);
  count.assign(digits, result.ptr);
}

void ResetInputState() {
  TEngineState& eng = Eng();
  eng.BytesConsumed = 0;
  eng.BytesRead = 0;
  eng.Record.clear();
  eng.PreviousRecord.clear();
  eng.EndOfInput = true;
  In().Fill = 0;
  In().Pos = 0;
}

}  // namespace

bool InputTypeOf(std::string_view word, FileType& type) {
  static constexpr std::pair<std::string_view, FileType> kWords[] = {{"TEXT", FileType::Text},
                                                                     {"TEXTLF", FileType::TextLF},
                                                                     {"TEXTCR", FileType::TextCR},
                                                                     {"BINARY", FileType::Binary}};
  type = FileType::Unknown;
  for (const auto& [name, value] : kWords) {
    if (SameTextIgnoreCase(word, name)) type = value;
  }
  return type != FileType::Unknown;
}

std::string DefaultInputName() { return ExpandName(kDefaultInputFile); }

void OpenInput(const std::string& given) {
  FlushOutput();
  TEngineState& eng = Eng();
  ResetInputState();
  CloseInput();
  eng.InputIsNone = SameTextIgnoreCase(given, "NONE");
  if (eng.InputIsNone) {
    eng.ActualIFN = "None";
    eng.InputFileSize = 4;
    eng.InputFileBytes = "0";
    eng.EndOfInput = false;
    return;
  }
  std::string spec = given;
  if (SameTextIgnoreCase(spec, "CLIPBOARD")) {
    spec = HomeName(kClipboardInputFile);
    CopyClipboardToFile(spec);
  } else if (spec.empty()) {
    spec = ExpandName(EngineInfo().CfgDefaultIFN);
    if (spec.empty()) spec = DefaultInputName();
  }
  const int descriptor = StreamDescriptorThroughLinks(spec, false);
  eng.ActualIFN = descriptor >= 0 ? StreamShownName(spec, false) : ExpandName(spec);
  int error = 0;
  std::FILE* file = OpenInputFile(SystemName(eng.ActualIFN), descriptor, error);
  if (file == nullptr)
    RaiseEngineError(kErrFileProblem, "Could not open " + eng.ActualIFN, SystemErrorText(error));
  TInputFile& in = In();
  in.File = file;
  in.Buffer.Resize(kReadBlockSize);
  eng.InputFileSize = FileSize(file);
  eng.InputFileBytes = std::to_string(eng.InputFileSize);
  eng.EndOfInput = eng.InputFileSize == 0 && !InputHasNoSize();
  const std::int32_t recordLength = EngineInfo().CfgRecLen;
  if (eng.InputType == FileType::Binary && recordLength > 0)
    eng.Record.resize(static_cast<std::size_t>(recordLength));
}

bool ReadNextData() {
  TEngineState& eng = Eng();
  if (eng.InputIsNone) {
    if (eng.EndOfInput) return false;
    eng.Record = "None";
    eng.BytesConsumed = 4;
    eng.EndOfInput = true;
    return true;
  }
  IncrementRecordCount(eng.RecordCount);
  switch (eng.InputType) {
    case FileType::Text:
    case FileType::TextLF:
    case FileType::TextCR:
      return ReadTextRecord(eng);
    case FileType::Binary:
      return ReadBinaryRecord(eng);
    default:
      break;
  }
  RaiseEngineError(kErrInternal, "ReadNextData", std::to_string(static_cast<int>(eng.InputType)));
}

std::size_t PeekPlainLines(std::span<TPlainLine> out) {
  const TEngineState& eng = Eng();
  const TInputFile& in = In();
  if (eng.InputIsNone || (eng.InputType != FileType::Text && eng.InputType != FileType::TextLF)) return 0;
  const std::size_t minimumLength = static_cast<std::size_t>(std::max<std::int32_t>(EngineInfo().CfgRecLen, 0));
  const std::string_view ahead(in.Buffer.data() + in.Pos, in.Fill - in.Pos);
  return ScanPlainLines(ahead, minimumLength, static_cast<std::size_t>(kMaxLineLength), out);
}

void TakePlainLines(std::span<const TPlainLine> lines) {
  if (lines.empty()) return;
  TEngineState& eng = Eng();
  TInputFile& in = In();
  const char* from = in.Buffer.data() + in.Pos;
  const std::string_view last = lines.back().Raw;
  if (lines.front().Raw.data() != from || last.data() + last.size() > in.Buffer.data() + in.Fill)
    RaiseEngineError(kErrInternal, "TakePlainLines", "The lines are not the ones ahead");
  const auto taken = static_cast<std::size_t>(last.data() + last.size() - from);
  in.Pos += taken;
  eng.BytesConsumed += static_cast<std::int64_t>(taken);
  AddToRecordCount(eng.RecordCount, lines.size());
  if (lines.size() == 1) {
    std::swap(eng.PreviousRecord, eng.Record);
  } else {
    eng.PreviousRecord.assign(lines[lines.size() - 2].Text);
  }
  eng.Record.assign(lines.back().Text);
}

std::string_view PeekFirstBlock(bool& full) {
  const TEngineState& eng = Eng();
  TInputFile& in = In();
  full = false;
  if (eng.InputIsNone || eng.InputType == FileType::Binary) return {};
  if (eng.BytesRead == 0) Refill();
  full = in.Fill == in.Buffer.size();
  return {in.Buffer.data() + in.Pos, in.Fill - in.Pos};
}

void CloseInput() {
  TInputFile& in = In();
  if (in.File != nullptr) std::fclose(in.File);
  in.File = nullptr;
  in.Fill = 0;
  in.Pos = 0;
}

bool InputIsOpen() { return In().File != nullptr; }

bool InputHasNoSize() {
  struct stat status {};
  std::FILE* file = In().File;
  return file != nullptr && ::fstat(::fileno(file), &status) == 0 && !S_ISREG(status.st_mode);
}

}  // namespace gleaner
