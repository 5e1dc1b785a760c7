// Output writer. Bytes go through one 256 KiB buffer into an unbuffered stdio
// stream, so every failure of the system shows at the write that caused it
// and FlushOutput is the single point where buffered bytes reach the file.
// A failed write drops what could not be written and is reported once: the
// close after the error does not report it again.
#include "engine/writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>

#include "engine/bytes_out_count.h"
#include "engine/engine_errors.h"
#include "engine/engine_info.h"
#include "engine/engine_state.h"
#include "engine/io_buffer.h"
#include "engine/locked_output.h"
#include "engine/pass_through.h"
#include "foundation/search_path.h"
#include "foundation/win1252.h"
#include "platform/file_search.h"
#include "platform/ports.h"

namespace gleaner {

namespace {

constexpr std::size_t kOutputBufferSize = 256 * 1024;
constexpr char kCtrlZ = 26;

struct TOutputFile {
  std::FILE* File = nullptr;
  TIoBuffer Buffer;
  std::size_t Fill = 0;
  bool Failed = false;  // a write failed and was reported
};

// Constant-initialised, so the hot path reaches it without a guard.
TOutputFile gOutput;

TOutputFile& Out() { return gOutput; }

std::string ErrnoText() { return SystemErrorText(errno); }

[[noreturn]] void RaiseWriteError(int errorNumber) {
  Out().Failed = true;
  Out().Fill = 0;
  RaiseEngineError(kErrFileProblem, "Could not write to " + Eng().ActualOFN, SystemErrorText(errorNumber));
}

void WriteThrough(const char* data, std::size_t size) {
  if (size == 0) return;
  errno = 0;
  if (std::fwrite(data, 1, size, Out().File) != size) RaiseWriteError(errno != 0 ? errno : EIO);
}

// Whether BytesOutCount follows every write (bytes_out_count.h).
bool gCountTextKept = true;

void SetCountText(TEngineState& eng) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, eng.BytesOut);
  // Overwriting in place keeps this off the allocator and out of the general replace.
  const std::size_t length = static_cast<std::size_t>(result.ptr - digits);
  eng.BytesOutCount.resize(length);
  std::memcpy(eng.BytesOutCount.data(), digits, length);
}

void CountBytes(TEngineState& eng, std::size_t size) {
  if (size == 0) return;
  eng.BytesOut += static_cast<std::int64_t>(size);
  if (gCountTextKept) SetCountText(eng);
}

std::string_view RecordEnd(FileType type) {
  switch (type) {
    case FileType::Text:
      return "\r\n";
    case FileType::TextLF:
      return "\n";
    case FileType::TextCR:
      return "\r";
    case FileType::Binary:
      return std::string_view("\0", 1);
    default:
      break;
  }
  RaiseEngineError(kErrInternal, "OutEnd", std::to_string(static_cast<int>(type)));
}

// Text output overwrites a final Ctrl-Z of the file it appends to.
bool PositionForAppend(std::FILE* file, FileType type) {
  if (std::fseek(file, 0, SEEK_END) != 0) return false;
  const long size = std::ftell(file);
  if (size <= 0 || type == FileType::Binary) return size >= 0;
  if (std::fseek(file, size - 1, SEEK_SET) != 0) return false;
  const int last = std::fgetc(file);
  return std::fseek(file, last == kCtrlZ ? size - 1 : size, SEEK_SET) == 0;
}

// Opened without blocking, so a FIFO that slipped past the type check fails
// at once instead of waiting for a reader; then back to blocking writes. The
// stream is left unbuffered: the writer's own buffer is the only one.
std::FILE* UnbufferedStream(int fd, const char* mode) {
  if (fd < 0) return nullptr;
  std::FILE* file = nullptr;
  if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) == 0) file = ::fdopen(fd, mode);
  if (file == nullptr) {
    const int error = errno;
    ::close(fd);
    errno = error;
    return nullptr;
  }
  std::setvbuf(file, nullptr, _IONBF, 0);
  return file;
}

std::FILE* OpenUnbuffered(const std::string& name, const char* mode) {
  const bool update = mode[0] == 'r';
  const int flags = (update ? O_RDWR : O_WRONLY | O_CREAT | O_TRUNC) | O_NONBLOCK | O_CLOEXEC;
  return UnbufferedStream(::open(name.c_str(), flags, 0666), mode);
}

// Output goes to a regular file, or to a character device such as /dev/null
// (written to, never backed up); a folder, FIFO or socket is refused before
// anything is rotated.
enum class TOutputKind { Missing, Regular, Device };

TOutputKind CheckOutputKind(const std::string& name) {
  struct stat status {};
  if (::stat(SystemName(name).c_str(), &status) != 0) return TOutputKind::Missing;
  if (S_ISREG(status.st_mode)) return TOutputKind::Regular;
  if (S_ISCHR(status.st_mode)) return TOutputKind::Device;
  RaiseEngineError(kErrFileProblem, "Could not create " + name,
                   S_ISDIR(status.st_mode) ? SystemErrorText(EISDIR) : "Not a regular file");
}

std::FILE* OpenForAppend(const std::string& name, FileType type) {
  std::FILE* file = OpenUnbuffered(name, "r+b");
  if (file == nullptr && errno == ENOENT) return OpenUnbuffered(name, "wb");
  if (file != nullptr && !PositionForAppend(file, type)) {
    const int error = errno;
    std::fclose(file);
    errno = error;
    return nullptr;
  }
  return file;
}

// A stream is written through its descriptor; a regular output (not the
// clipboard's work file) under a lock, through a link to its target.
void OpenOutputFile(bool appending, int descriptor, bool locked) {
  TEngineState& eng = Eng();
  const std::string name = SystemName(eng.ActualOFN);
  const std::string target = locked ? BackupSubject(eng.ActualOFN) : eng.ActualOFN;
  errno = 0;
  std::FILE* file =
      descriptor >= 0 ? OpenStream(descriptor, true)
      : locked        ? UnbufferedStream(OpenLockedOutput(SystemName(target), target, appending,
                                                          eng.OutputType != FileType::Binary),
                                         "wb")
      : appending     ? OpenForAppend(name, eng.OutputType)
                      : OpenUnbuffered(name, "wb");
  if (file == nullptr) RaiseEngineError(kErrFileProblem, "Could not create " + eng.ActualOFN, ErrnoText());
  TOutputFile& out = Out();
  out.File = file;
  out.Fill = 0;
  out.Failed = false;
  out.Buffer.Resize(kOutputBufferSize);
}

// Buffers bytes (counted by the caller). The buffer is filled to the last
// byte before it is flushed, so every write but the last starts at a
// multiple of the buffer size in the file (page-aligned copies in the
// kernel), whatever the sizes of the pieces; whole buffers' worth of a large
// piece go straight to the file.
void PutBytes(std::string_view bytes) {
  TOutputFile& out = Out();
  if (out.File == nullptr) RaiseEngineError(kErrInternal, "Output file not open", "WriteOutputBytes");
  const std::size_t capacity = out.Buffer.size();
  while (bytes.size() > capacity - out.Fill) {
    const std::size_t room = capacity - out.Fill;
    std::memcpy(out.Buffer.data() + out.Fill, bytes.data(), room);
    out.Fill = capacity;
    bytes.remove_prefix(room);
    FlushOutput();
    const std::size_t whole = bytes.size() - bytes.size() % capacity;
    WriteThrough(bytes.data(), whole);
    bytes.remove_prefix(whole);
  }
  std::memcpy(out.Buffer.data() + out.Fill, bytes.data(), bytes.size());
  out.Fill += bytes.size();
}

// The values' bytes; the count is brought up to date once per command, as
// nothing can look at it between two values.
std::size_t PutValues(std::span<const std::string_view> values) {
  std::size_t count = 0;
  for (std::string_view value : values) {
    if (value.empty()) continue;
    PutBytes(value);
    count += value.size();
  }
  return count;
}

std::string ReadWorkFile(const std::string& name) {
  std::FILE* file = std::fopen(SystemName(name).c_str(), "rb");
  if (file == nullptr)
    RaiseEngineError(kErrFileProblem, "Could not re-open clipboard temporary file", ErrnoText());
  std::string text;
  char block[16384];
  std::size_t count = 0;
  while ((count = std::fread(block, 1, sizeof block, file)) > 0) text.append(block, count);
  const bool failed = std::ferror(file) != 0;
  const int error = errno;
  std::fclose(file);
  if (failed)
    RaiseEngineError(kErrFileProblem, "Could not re-open clipboard temporary file", SystemErrorText(error));
  return text;
}

bool IsNone(std::string_view spec) { return SameTextIgnoreCase(spec, "NONE"); }
bool IsClipboard(std::string_view spec) { return SameTextIgnoreCase(spec, "CLIPBOARD"); }

// Steps shared by OpenOutput and OutputNameFor: the output name without its "+".
std::string EffectiveSpec(std::string_view given, bool& appending) {
  std::string spec(given);
  if (spec.empty()) spec = ExpandName(EngineInfo().CfgDefaultOFN);
  if (spec.empty() || spec.find_first_of("?*;") != std::string::npos) spec = DefaultOutputName();
  appending = spec.front() == '+';
  if (appending) spec.erase(0, 1);
  // A lone "+" appends to the default output rather than to a nameless file.
  return spec.empty() ? DefaultOutputName() : spec;
}

}  // namespace

void KeepBytesOutCount(bool kept) {
  if (kept && !gCountTextKept) SetCountText(Eng());
  gCountTextKept = kept;
}

std::string DefaultOutputName() { return ExpandName(kDefaultOutputFile); }

std::string BackupName(std::string_view name) {
  const std::size_t fileStart = FolderPart(name).size();
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || dot < fileStart) return std::string(name) + ".bak";
  return std::string(name.substr(0, dot + 1)) + "bak";
}

std::string OutputNameFor(std::string_view given) {
  bool appending = false;
  const std::string spec = EffectiveSpec(given, appending);
  if (IsNone(spec)) return "None";
  if (IsClipboard(spec)) return HomeName(kClipboardOutputFile);
  return IsStreamName(spec) ? StreamShownName(spec, true) : ExpandName(spec);
}

void OpenOutput(const std::string& given) {
  CloseOutput();
  TEngineState& eng = Eng();
  bool appending = false;
  const std::string spec = EffectiveSpec(given, appending);
  eng.Appending = appending;
  eng.AppendingOutput = appending ? "Y" : "N";
  eng.OutputIsNone = IsNone(spec);
  eng.ClipboardOut = !eng.OutputIsNone && IsClipboard(spec);
  eng.ClipboardOutput = eng.ClipboardOut ? "Y" : "N";
  eng.ActualOFN = OutputNameFor(given);
  if (eng.OutputIsNone) return;
  const int descriptor = StreamDescriptorThroughLinks(spec, true);
  const TOutputKind kind = descriptor >= 0 ? TOutputKind::Device : CheckOutputKind(eng.ActualOFN);
  // A locked output is backed up under its lock (a link's target, so the link
  // stays); streams, devices and the clipboard's work file never are.
  OpenOutputFile(appending, descriptor, kind != TOutputKind::Device && !eng.ClipboardOut);
}

void MakeBackup(const std::string& name) {
  if (!FileExists(name)) return;
  const std::string backup = BackupName(name);
  const std::string systemBackup = SystemName(backup);
  if (FileExists(backup) && std::remove(systemBackup.c_str()) != 0) {
    RaiseEngineError(kErrFileProblem, "Could not delete the existing copy of " + backup, ErrnoText());
  }
  if (std::rename(SystemName(name).c_str(), systemBackup.c_str()) != 0) {
    RaiseEngineError(kErrFileProblem, "Could not rename " + name + " to " + backup, ErrnoText());
  }
}

void WriteOutputBytes(std::string_view bytes) {
  if (Eng().OutputIsNone || bytes.empty()) return;
  PutBytes(bytes);
  CountBytes(Eng(), bytes.size());
}

void Output(std::span<const std::string_view> values) {
  TEngineState& eng = Eng();
  eng.CurrentCommand = Cmd::Output;
  if (eng.OutputIsNone) return;
  CountBytes(eng, PutValues(values));
}

void OutEnd(std::span<const std::string_view> values) {
  TEngineState& eng = Eng();
  if (!eng.InternalCall) eng.CurrentCommand = Cmd::OutEnd;
  if (eng.OutputIsNone) return;
  const std::string_view recordEnd = RecordEnd(eng.OutputType);
  std::size_t count = PutValues(values);
  PutBytes(recordEnd);
  CountBytes(eng, count + recordEnd.size());
}

void OutEnd(std::string_view value) { OutEnd(std::span<const std::string_view>(&value, 1)); }

void OutNull() {
  Eng().CurrentCommand = Cmd::OutNull;
  SetInternalCallMark(true);
  try {
    OutEnd(std::span<const std::string_view>());
  } catch (...) {
    SetInternalCallMark(false);
    throw;
  }
  SetInternalCallMark(false);
}

std::span<char> OutputRoom() {
  TOutputFile& out = Out();
  if (Eng().OutputIsNone || out.File == nullptr) return {};
  return {out.Buffer.data() + out.Fill, out.Buffer.size() - out.Fill};
}

void CommitOutput(std::size_t n) {
  TOutputFile& out = Out();
  if (n > OutputRoom().size()) RaiseEngineError(kErrInternal, "CommitOutput", std::to_string(n));
  out.Fill += n;
  CountBytes(Eng(), n);
}

std::string_view OutputRecordEnd() { return RecordEnd(Eng().OutputType); }

void FlushOutput() {
  TOutputFile& out = Out();
  if (out.File == nullptr || out.Fill == 0) return;
  const std::size_t fill = out.Fill;
  out.Fill = 0;
  WriteThrough(out.Buffer.data(), fill);
}

void CloseOutput() {
  TOutputFile& out = Out();
  if (out.File == nullptr) return;
  const bool reported = out.Failed;
  int error = 0;
  try {
    if (!reported) FlushOutput();
  } catch (const EParse&) {
    ReleaseOutputLock();
    std::fclose(out.File);
    out.File = nullptr;
    throw;
  }
  ReleaseOutputLock();
  if (std::fclose(out.File) != 0) error = errno;
  out.File = nullptr;
  if (error != 0 && !reported) {
    RaiseEngineError(kErrFileProblem, "Could not write to " + Eng().ActualOFN, SystemErrorText(error));
  }
}

bool OutputIsOpen() { return Out().File != nullptr; }

void CopyOutputToClipboard() {
  std::string text = ReadWorkFile(Eng().ActualOFN);
  const std::size_t zero = text.find('\0');
  if (zero != std::string::npos) text.resize(zero);
  Ports().Clipboard->WriteText(text, Eng().ActualOFN);
}

}  // namespace gleaner
