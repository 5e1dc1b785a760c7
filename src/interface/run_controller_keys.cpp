// TRunController's keys that stand for buttons: Enter (and F9) for the
// default button Start, Esc for Cancel.
#include "engine/gleaner_engine.h"
#include "interface/run_controller.h"

namespace gleaner {

// A disabled Start does nothing, whichever key stands for it.
bool TRunController::DefaultButton() {
  if (busy_ || !form_[kBtnStart].Enabled) return false;
  Start();
  return true;
}

bool TRunController::CancelKey() {
  if (!busy_) return false;
  Cancel();
  return true;
}

}  // namespace gleaner
