// OptionLetters and SingleOption (engine_errors.h): control-setting words. A
// word is recognised by its first three letters (a two-letter word must equal
// a whole two-letter option word) and turned into the letter of its option.
#include <cstdint>
#include <string>

#include "engine/engine_errors.h"
#include "foundation/win1252.h"

namespace gleaner {
namespace {

// Calls visit(piece) for each blank-terminated piece of text that is not a lone blank.
template <typename Visit>
void ForEachPiece(const std::string& text, Visit visit) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t blank = text.find(' ', start);
    if (blank == std::string::npos) blank = text.size() - 1;
    const std::string piece = text.substr(start, blank - start + 1);
    start = blank + 1;
    if (piece != " ") visit(piece);
  }
}

void ReplaceEvery(std::string& text, const std::string& find, char letter) {
  std::size_t pos = 0;
  while ((pos = text.find(find, pos)) != std::string::npos) {
    text.replace(pos, find.size(), 1, letter);
    pos += 1;
  }
}

std::string WithoutBlanks(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c != ' ') out += c;
  }
  return out;
}

// Scripts hand the same control settings to a command on every record, so
// recognised settings are remembered; failures are never cached, so every
// error is raised afresh with the current command's name.
struct TCachedSetting {
  std::string setting;
  std::string letters;
  std::string words;
  std::string result;
};

constexpr std::size_t kCacheSize = 64;
constexpr std::size_t kWays = 4;  // slots a setting may take, so that a few in turn never push each other out

TCachedSetting gCache[kCacheSize];

// The first of the setting's slots is chosen by its bytes and the word
// list's address (the callers' lists are constants), which is cheap; the
// slots' texts decide.
std::size_t FirstSlot(std::string_view setting, std::string_view words) {
  std::size_t h = reinterpret_cast<std::uintptr_t>(words.data()) / 8 + words.size();
  for (const char c : setting) h = h * 131 + static_cast<unsigned char>(c);
  return (h % (kCacheSize / kWays)) * kWays;
}

const TCachedSetting* FindCached(std::size_t first, std::string_view setting, std::string_view letters,
                                 std::string_view words) {
  for (std::size_t i = first; i < first + kWays; ++i) {
    const TCachedSetting& slot = gCache[i];
    if (slot.setting == setting && slot.words == words && slot.letters == letters) return &slot;
  }
  return nullptr;
}

// The slot a new setting goes to: the ways are filled in turn.
TCachedSetting& VictimSlot(std::size_t first) {
  static std::size_t turn = 0;
  return gCache[first + turn++ % kWays];
}

std::string ReadOptionLetters(std::string_view setting, std::string_view letters, std::string_view words);

}  // namespace

std::string OptionLetters(std::string_view setting, std::string_view letters, std::string_view words) {
  if (setting.empty()) return {};
  const std::size_t first = FirstSlot(setting, words);
  if (const TCachedSetting* cached = FindCached(first, setting, letters, words)) return cached->result;
  std::string result = ReadOptionLetters(setting, letters, words);
  TCachedSetting& slot = VictimSlot(first);
  slot.setting.assign(setting);
  slot.letters.assign(letters);
  slot.words.assign(words);
  slot.result = result;
  return result;
}

namespace {

std::string ReadOptionLetters(std::string_view setting, std::string_view letters, std::string_view words) {
  const std::string u = AnsiUpperCase(setting) + " ";
  const std::string w = " " + AnsiUpperCase(words) + " ";
  std::string accumulator;
  ForEachPiece(u, [&](const std::string& piece) {
    const std::string probe = " " + piece.substr(0, 3);
    if (piece.size() < 3 || w.find(probe) == std::string::npos) {
      RaiseEngineError(kErrIncorrectParameter,
                       "Unrecognized word (" + WithoutBlanks(piece) + ") in " + CurrentCommandName() +
                           " control setting:  '" + std::string(setting) + "'",
                       "Available options are:  " + std::string(words));
    }
    accumulator += probe;
  });
  std::size_t k = 0;
  ForEachPiece(w, [&](const std::string& piece) {
    if (++k > letters.size()) RaiseEngineError(kErrInternal, "PE-TSFY", letters);
    ReplaceEvery(accumulator, piece.substr(0, 3), letters[k - 1]);
  });
  return AnsiUpperCase(WithoutBlanks(accumulator));
}

}  // namespace

char SingleOption(std::string_view setting, std::string_view letters, std::string_view words) {
  const std::string result = OptionLetters(setting, letters, words);
  if (result.size() != 1) {
    RaiseEngineError(kErrIncorrectParameter,
                     "A single option was expected for the " + CurrentCommandName() + " control setting",
                     "The option specified was: '" + std::string(setting) + "'" + std::string(kCrLf) +
                         "Available options are:  " + std::string(words));
  }
  return result[0];
}

}  // namespace gleaner
