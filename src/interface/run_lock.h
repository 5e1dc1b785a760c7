// The run lock as the run controller takes it: the home folder's lock file
// (program name + ".lock"), a note in lblShowNote and through the view when
// the run has to wait, and the wait given up on Ctrl+C, SIGTERM or SIGHUP.
//
//   THomeLock lock;
//   if (HoldRunLock(lock, form, view)) { ... delete old logs, run, report ... }
#pragma once

#include "interface/main_form.h"
#include "interface/main_view.h"
#include "platform/home_lock.h"

namespace gleaner {

// False when the wait was given up; the run must not start then.
bool HoldRunLock(THomeLock& lock, TMainForm& form, IMainView& view);

}  // namespace gleaner
