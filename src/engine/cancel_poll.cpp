#include "engine/cancel_poll.h"

#include "engine/engine_state.h"
#include "engine/lifecycle.h"
#include "platform/ports.h"

namespace gleaner {

void PollCancel() {
  const TEngineState& eng = Eng();
  if (!eng.EngineOpen) return;
  Ports().EventPump->PumpEvents();
  if (eng.CancelRequested) CancelProcessing();
}

}  // namespace gleaner
