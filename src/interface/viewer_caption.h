// Internal to the interface layer. The caption of every viewer window the
// main form opens, files and help alike: "Culler - View Output",
// "Culler - View Help".
#pragma once

#include <string>
#include <string_view>

#include "engine/gleaner_engine.h"

namespace gleaner {

inline std::string ViewerCaption(std::string_view kind) {
  return EngineInfo().CfgProgramName + " - View " + std::string(kind);
}

}  // namespace gleaner
