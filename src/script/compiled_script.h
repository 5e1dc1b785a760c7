// Internal to the script layer; callers use script/gleaner_script.h.
// A compiled script: its value store, its lines in source order and their
// parameters. Everything lives exactly as long as the compilation; Free()
// releases it all, and the special variables keep pointing at their owners'
// texts, so freeing never touches engine state.
#pragma once

#include <deque>
#include <string>

#include "script/script_line.h"
#include "script/values.h"

namespace gleaner {

struct TCompiledScript {
  TValueStore Store;
  std::deque<TScriptLine> Lines;  // source order; Prev/Next link them too
  std::deque<TParm> Parms;
  std::string FileName;           // full path of the compiled script, or "None"
  TValue* OtherwiseMarker = nullptr;
  std::string CompareCtrl = "IgnoreCase";  // case rule of comparisons; only CompareCtrl changes it

  TScriptLine* First() { return Lines.empty() ? nullptr : &Lines.front(); }
  bool Empty() const { return Lines.empty(); }
  void Free() {
    Lines.clear();
    Parms.clear();
    Store.Clear();
    OtherwiseMarker = nullptr;
    CompareCtrl = "IgnoreCase";
  }
};

}  // namespace gleaner
