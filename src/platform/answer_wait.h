// Waiting for a typed answer at a terminal without missing Ctrl+C: the
// cancel signals restart an interrupted read, so a blocking read of the
// answer would ignore them until Enter is pressed.
#pragma once

namespace gleaner {

// Waits until fd has input (true) or a cancel signal has arrived (false).
bool WaitForInputOrCancel(int fd);

}  // namespace gleaner
