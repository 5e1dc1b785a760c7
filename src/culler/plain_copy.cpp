// Block copy of plain lines. The output goes straight into the writer's
// free buffer space, and only while a whole record fits there: the first
// record that does not fit is written by the ordinary Main step, after the
// reader state has been brought up to it, so the buffer is flushed at the
// same byte and a failing write finds the same record count as the
// record-at-a-time path. Consecutive lines whose output equals their input
// bytes (no trailing space, a CR LF end for CR LF output) are copied as one
// run.
#include "culler/plain_copy.h"

#include <cstring>
#include <span>

#include "engine/gleaner_engine.h"
#include "script/gleaner_script.h"

namespace gleaner {
namespace {

// The most lines one call takes; it bounds the time between two event pumps
// along with the read block.
constexpr std::size_t kLinesPerCall = 1024;

void TrimRecord(std::string& record) { record.resize(TrimmedLength(record)); }

// Output bytes gathered in the writer's room, with a pending run of input
// bytes that are output as they stand.
class TRoomWriter {
 public:
  TRoomWriter() : room_(OutputRoom()), end_(OutputRecordEnd()), endAsRead_(end_ == "\r\n" || end_ == "\n") {}

  // Puts text and a record end; false, with nothing put, when they do not fit.
  bool Put(const TPlainLine& line, std::string_view text) {
    const std::size_t size = text.size() + end_.size();
    if (used_ + RunLength() + size > room_.size()) return false;
    if (!AsRead(line, text)) {
      CopyRun();
      Append(text);
      Append(end_);
    } else {
      if (runEnd_ != line.Raw.data()) {
        CopyRun();
        runBegin_ = line.Raw.data();
      }
      runEnd_ = line.Raw.data() + line.Raw.size();
    }
    return true;
  }

  // Makes everything put output; the room is taken afresh.
  void Commit() {
    CopyRun();
    CommitOutput(used_);
    room_ = OutputRoom();
    used_ = 0;
  }

 private:
  // Whether the output of the line is its input bytes: nothing trimmed, and
  // the terminator read (LF, or CR LF) is the record end written.
  bool AsRead(const TPlainLine& line, std::string_view text) const {
    return endAsRead_ && text.size() == line.Text.size() && line.Raw.size() == text.size() + end_.size();
  }

  std::size_t RunLength() const { return static_cast<std::size_t>(runEnd_ - runBegin_); }

  void Append(std::string_view bytes) {
    std::memcpy(room_.data() + used_, bytes.data(), bytes.size());
    used_ += bytes.size();
  }

  void CopyRun() {
    if (RunLength() != 0) Append(std::string_view(runBegin_, RunLength()));
    runBegin_ = runEnd_ = nullptr;
  }

  std::span<char> room_;
  std::string_view end_;
  bool endAsRead_;  // the record end is one a plain line can end with
  std::size_t used_ = 0;
  const char* runBegin_ = nullptr;
  const char* runEnd_ = nullptr;
};

}  // namespace

TPlainCopy::TPlainCopy() : lines_(kLinesPerCall) {}

void TPlainCopy::CopyAhead(TCullTally& tally, char nullMode) {
  if (Eng().OutputIsNone || !OutputIsOpen()) return;  // "None" output takes the ordinary path
  const std::size_t count = PeekPlainLines(lines_);
  taken_ = 0;
  TRoomWriter writer;
  Cmd lastCommand = Cmd::Undetermined;  // the command of the last record put in the room
  for (std::size_t i = 0; i < count; ++i) {
    const std::string_view text = lines_[i].Text.substr(0, TrimmedLength(lines_[i].Text));
    if (text.empty() && !tally.NullLinePasses(nullMode)) continue;
    if (!text.empty()) {
      ++tally.TextLinesIn;
      tally.TextLineKept();
    }
    if (writer.Put(lines_[i], text)) {
      lastCommand = text.empty() ? Cmd::OutNull : Cmd::OutEnd;
      continue;
    }
    writer.Commit();
    Take(i + 1);
    text.empty() ? RunMainWithoutText() : RunMainWithText(Eng().Record);
    writer.Commit();  // nothing put since: takes the room left after that write
    lastCommand = Cmd::Undetermined;
  }
  writer.Commit();
  Take(count);
  if (lastCommand != Cmd::Undetermined) ClaimCommand(lastCommand);
}

void TPlainCopy::Take(std::size_t end) {
  if (end == taken_) return;
  TakePlainLines(std::span<const TPlainLine>(lines_.data() + taken_, end - taken_));
  taken_ = end;
  TEngineState& eng = Eng();
  // Main trims every record it is given; both of these were given to it.
  TrimRecord(eng.Record);
  TrimRecord(eng.PreviousRecord);
}

}  // namespace gleaner
