// The terminal progress line and the port wrappers that clear it before any
// other output reaches standard error.
#include "interface/terminal_progress.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ostream>

#include "engine/gleaner_engine.h"
#include "foundation/search_path.h"

namespace gleaner {
namespace {

constexpr std::string_view kEllipsis = "...";

// Drops whole characters from the start of a UTF-8 name until it fits.
std::string_view LastColumns(std::string_view name, std::size_t columns) {
  if (name.size() <= columns) return name;
  std::size_t start = name.size() - columns;
  while (start < name.size() && (static_cast<unsigned char>(name[start]) & 0xC0) == 0x80) ++start;
  return name.substr(start);
}

}  // namespace

std::string ByteSize(double bytes) {
  constexpr const char* kUnits[] = {"B", "KiB", "MiB", "GiB", "TiB"};
  int unit = 0;
  while (bytes >= 1024 && unit < 4) {
    bytes /= 1024;
    ++unit;
  }
  char text[32];
  if (unit == 0) {
    std::snprintf(text, sizeof text, "%.0f B", bytes);
  } else {
    std::snprintf(text, sizeof text, "%.1f %s", bytes, kUnits[unit]);
  }
  return text;
}

std::string ProgressLine(const TProgressFigures& figures, int columns) {
  std::string tail = "  " + ByteSize(static_cast<double>(figures.Read));
  if (figures.Size > 0) {
    const std::int64_t percent = std::min<std::int64_t>(100, figures.Read * 100 / figures.Size);
    tail += " of " + ByteSize(static_cast<double>(figures.Size)) + "  " + std::to_string(percent) + "%";
  }
  tail += "  " + ByteSize(figures.BytesPerSecond) + "/s";
  const std::size_t room = columns > 1 ? static_cast<std::size_t>(columns - 1) : 0;
  std::string_view name = figures.File;
  name.remove_prefix(FolderPart(name).size());
  if (name.size() + tail.size() <= room) return std::string(name) + tail;
  if (room < tail.size() + kEllipsis.size() + 1) {
    std::string figuresOnly = tail.substr(2, room);
    while (!figuresOnly.empty() && figuresOnly.back() == ' ') figuresOnly.pop_back();
    return figuresOnly;
  }
  return std::string(kEllipsis) + std::string(LastColumns(name, room - tail.size() - kEllipsis.size())) + tail;
}

int TerminalColumns() {
  winsize size{};
  if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
  return 80;
}

// err's buffer while the line may show: clears it before passing text on.
class TTerminalProgress::TClearingBuffer final : public std::streambuf {
 public:
  TClearingBuffer(TTerminalProgress& progress, std::streambuf& inner) : progress_(progress), inner_(inner) {}

 protected:
  int overflow(int c) override {
    progress_.Clear();
    return c == traits_type::eof() ? traits_type::not_eof(c) : inner_.sputc(traits_type::to_char_type(c));
  }
  std::streamsize xsputn(const char* text, std::streamsize count) override {
    progress_.Clear();
    return inner_.sputn(text, count);
  }
  int sync() override { return inner_.pubsync(); }

 private:
  TTerminalProgress& progress_;
  std::streambuf& inner_;
};

class TTerminalProgress::TClearingNotice final : public INotice {
 public:
  TClearingNotice(TTerminalProgress& progress, INotice& inner) : progress_(progress), inner_(inner) {}
  void ShowNotice(const std::string& caption, const std::string& text) override {
    progress_.Clear();
    inner_.ShowNotice(caption, text);
  }

 private:
  TTerminalProgress& progress_;
  INotice& inner_;
};

class TTerminalProgress::TClearingClipboard final : public IClipboard {
 public:
  TClearingClipboard(TTerminalProgress& progress, IClipboard& inner) : progress_(progress), inner_(inner) {}
  std::string ReadText() override { return inner_.ReadText(); }
  void WriteText(const std::string& text, const std::string& workFile) override {
    progress_.Clear();
    inner_.WriteText(text, workFile);
  }

 private:
  TTerminalProgress& progress_;
  IClipboard& inner_;
};

TTerminalProgress::TTerminalProgress(std::ostream& err, TClock clock)
    : err_(err), terminal_(err.rdbuf()), clock_(clock) {}

TTerminalProgress::~TTerminalProgress() {
  Clear();
  if (!installed_) return;
  err_.rdbuf(terminal_);
  Ports() = saved_;
}

void TTerminalProgress::Install() {
  if (installed_) return;
  saved_ = Ports();
  buffer_ = std::make_unique<TClearingBuffer>(*this, *terminal_);
  notice_ = std::make_unique<TClearingNotice>(*this, *saved_.Notice);
  clipboard_ = std::make_unique<TClearingClipboard>(*this, *saved_.Clipboard);
  err_.rdbuf(buffer_.get());
  Ports() = {clipboard_.get(), this, notice_.get()};
  installed_ = true;
}

void TTerminalProgress::Clear() {
  if (shownLength_ == 0) return;
  const std::string blank = "\r" + std::string(shownLength_, ' ') + "\r";
  shownLength_ = 0;
  terminal_->sputn(blank.data(), static_cast<std::streamsize>(blank.size()));
  terminal_->pubsync();
}

void TTerminalProgress::PumpEvents() {
  if (saved_.EventPump != nullptr) saved_.EventPump->PumpEvents();
  if (++calls_ < kCallsPerClockCheck) return;
  calls_ = 0;
  const auto now = clock_();
  if (started_ == std::chrono::steady_clock::time_point{}) started_ = drawn_ = now;
  if (now - drawn_ < kRedrawInterval) return;
  drawn_ = now;
  Draw();
}

void TTerminalProgress::Draw() {
  const TEngineState& eng = Eng();
  if (!eng.EngineOpen) return;
  // The count starts again with each input file.
  if (eng.BytesConsumed < lastRead_) earlierFiles_ += lastRead_;
  lastRead_ = eng.BytesConsumed;
  const double seconds = std::chrono::duration<double>(drawn_ - started_).count();
  const double rate = seconds > 0 ? static_cast<double>(earlierFiles_ + lastRead_) / seconds : 0;
  std::string line = ProgressLine({eng.ActualIFN, eng.BytesConsumed, eng.InputFileSize, rate}, TerminalColumns());
  // Blanks cover what is left of a longer line before; no terminal escapes needed.
  const std::size_t length = line.size();
  if (length < shownLength_) line.append(shownLength_ - length, ' ');
  line.insert(line.begin(), '\r');
  terminal_->sputn(line.data(), static_cast<std::streamsize>(line.size()));
  terminal_->pubsync();
  shownLength_ = std::max(length, shownLength_);
}

}  // namespace gleaner
