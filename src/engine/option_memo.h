// Internal to the engine and the script layer: a control setting read once
// for a script line. Scripts hand the same option word to a command on every
// record, so the letter SingleOption gave for it is kept beside the word; a
// different word (a variable whose text changed) is read afresh, and a word
// that is not recognised is never kept, so its error is raised every time,
// naming the command in progress.
//
//   TOptionMemo memo;   // one per line and setting
//   const char mode = memo.Single(caseOption, "GM", "IgnoreCase MatchCase");
#pragma once

#include <string>
#include <string_view>

#include "engine/engine_errors.h"

namespace gleaner {

struct TOptionMemo {
  std::string Word;  // the setting Letter was read from
  char Letter = 0;   // 0: nothing read yet

  // SingleOption(setting, letters, words); letters and words must be the
  // same at every call on one memo.
  char Single(std::string_view setting, std::string_view letters, std::string_view words) {
    if (Letter != 0 && setting == Word) return Letter;
    const char letter = SingleOption(setting, letters, words);
    Word.assign(setting);
    Letter = letter;
    return letter;
  }
};

// SingleOption through memo when there is one.
inline char SingleOptionMemo(TOptionMemo* memo, std::string_view setting, std::string_view letters,
                             std::string_view words) {
  return memo != nullptr ? memo->Single(setting, letters, words) : SingleOption(setting, letters, words);
}

}  // namespace gleaner
