// The progress line of a console run whose standard error is a terminal: the
// input file, the bytes read of its size, the percentage and the rate, on one
// line redrawn a few times a second, and cleared before anything else is
// written to standard error and when the program ends. A batch run (standard
// error redirected) never installs it, so logs stay clean.
//
//   TTerminalProgress progress(std::cerr);
//   if (isatty(STDERR_FILENO)) progress.Install();
//   ... the run ...                        // the destructor clears the line
//
// The engine's event pump runs once per record and per script line, so the
// pump reads the clock only every kCallsPerClockCheck calls and formats only
// when a redraw is due.
#pragma once

#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <streambuf>
#include <string>
#include <string_view>

#include "platform/ports.h"

namespace gleaner {

struct TProgressFigures {
  std::string_view File;   // the input file's full name
  std::int64_t Read = 0;   // bytes read from it
  std::int64_t Size = 0;   // its size; 0 when unknown (no "of", no percentage)
  double BytesPerSecond = 0;
};

// "ThingsToDo.txt  1.5 KiB of 3.0 KiB  50%  2.0 MiB/s": the file part of the
// name, shortened at its start with "..." so the line keeps within columns - 1.
std::string ProgressLine(const TProgressFigures& figures, int columns);

// "812 B", "1.5 KiB", "3.2 MiB", "1.1 GiB".
std::string ByteSize(double bytes);

class TTerminalProgress final : public IEventPump {
 public:
  using TClock = std::chrono::steady_clock::time_point (*)();
  static constexpr int kCallsPerClockCheck = 64;
  static constexpr std::chrono::milliseconds kRedrawInterval{250};

  explicit TTerminalProgress(std::ostream& err, TClock clock = &std::chrono::steady_clock::now);
  ~TTerminalProgress() override;
  TTerminalProgress(const TTerminalProgress&) = delete;
  TTerminalProgress& operator=(const TTerminalProgress&) = delete;

  // Puts itself in front of the event pump, the notices, the clipboard note
  // and err's buffer; the destructor clears the line and puts them back.
  void Install();
  // Removes the line, if one is shown.
  void Clear();

  void PumpEvents() override;

 private:
  class TClearingBuffer;
  class TClearingNotice;
  class TClearingClipboard;
  void Draw();

  std::ostream& err_;
  std::streambuf* terminal_ = nullptr;  // err's own buffer, written directly
  TClock clock_;
  TPorts saved_{};
  bool installed_ = false;
  int calls_ = 0;
  std::chrono::steady_clock::time_point started_{};
  std::chrono::steady_clock::time_point drawn_{};
  std::int64_t lastRead_ = 0;      // bytes of the current file at the last check
  std::int64_t earlierFiles_ = 0;  // bytes of the files already finished
  std::size_t shownLength_ = 0;    // of the line on the terminal; 0 when none
  std::unique_ptr<TClearingBuffer> buffer_;
  std::unique_ptr<TClearingNotice> notice_;
  std::unique_ptr<TClearingClipboard> clipboard_;
};

// The terminal's width in columns (80 when it cannot be told).
int TerminalColumns();

}  // namespace gleaner
