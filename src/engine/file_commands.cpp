// SetFromFile, Outruler and ShowNote.
#include "engine/file_commands.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "engine/char_commands.h"
#include "engine/engine_errors.h"
#include "engine/engine_state.h"
#include "engine/writer.h"
#include "foundation/search_path.h"
#include "foundation/text_model.h"
#include "platform/file_search.h"

namespace gleaner {
namespace {

constexpr std::string_view kRulerUnit =
    "----+----1----+----2----+----3----+----4----+----5----+----6----+----7----+----8----+----9----+----0";
constexpr std::string_view kNullRuler = "----+-- OutRuler Null --+----";

// The first bytes of a regular file, up to kSetFromFileCap. Anything else (a
// folder, a FIFO, a device) is refused, so a read can neither block nor run on.
bool ReadHead(const std::string& name, std::string& contents) {
  const std::string systemName = SystemName(name);
  std::error_code error;
  if (!std::filesystem::is_regular_file(systemName, error)) return false;
  std::ifstream in(systemName, std::ios::binary);
  if (!in) return false;
  contents.resize(kSetFromFileCap);
  in.read(contents.data(), static_cast<std::streamsize>(contents.size()));
  if (in.bad()) return false;
  contents.resize(static_cast<std::size_t>(in.gcount()));
  return true;
}

// Text contents end before the first byte 0 or Ctrl-Z.
void CutAtTextEnd(std::string& contents) {
  const std::size_t end = contents.find_first_of(std::string_view("\0\x1a", 2));
  if (end != std::string::npos) contents.resize(end);
}

void TrimLineBreaks(std::string& contents) {
  const std::size_t last = contents.find_last_not_of("\r\n");
  contents.resize(last == std::string::npos ? 0 : last + 1);
  contents.erase(0, contents.find_first_not_of("\r\n"));
}

}  // namespace

bool SetFromFile(std::string& target, std::string_view fileName, std::string_view controls) {
  ClaimCommand(Cmd::SetFromFile);
  std::string letters = OptionLetters(controls, "TBC", "Text Binary Clean");
  if (letters.empty()) letters = "T";
  const bool text = letters.find('T') != std::string::npos;
  if (text && letters.find('B') != std::string::npos) {
    RaiseCommandError(kErrIncorrectParameter, "File must be either Text or Binary", {fileName, controls});
  }
  FlushOutput();  // the file may be the output itself
  std::string name(fileName);
  if (!LocateFile(name, false, false) || !ReadHead(name, target)) {
    target.clear();
    return false;
  }
  if (text) {
    CutAtTextEnd(target);
    if (letters.find('C') != std::string::npos) TrimLineBreaks(target);
  }
  return true;
}

void Outruler(std::string_view text) {
  ClaimCommand(Cmd::Outruler);
  std::string ruler;
  std::string line(text);
  if (text.empty()) {
    ruler = kNullRuler;
  } else {
    const std::size_t width = CharCount(text);  // one ruler column per character
    ruler.reserve(width);
    while (ruler.size() < width) {
      ruler.append(kRulerUnit.substr(0, std::min(kRulerUnit.size(), width - ruler.size())));
    }
    for (char& c : line) {
      if (static_cast<unsigned char>(c) < 32) c = '^';
    }
  }
  InternalCallScope scope;
  OutEnd(ruler);
  OutEnd(line);
}

void ShowNote(std::string_view text) {
  ClaimCommand(Cmd::ShowNote);
  Eng().Note = text;
}

}  // namespace gleaner
