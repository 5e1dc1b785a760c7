// The single engine state and program information record.
#include "engine/engine_state.h"

#include "engine/engine_info.h"

namespace gleaner {

TEngineState& Eng() {
  static TEngineState state;
  return state;
}

TEngineInfo& EngineInfo() {
  static TEngineInfo info;
  return info;
}

}  // namespace gleaner
