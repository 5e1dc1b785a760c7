// Whether the display server the environment names answers a connection.
// Qt aborts the program when it cannot reach its display, so a program that
// has a console front end asks first and falls back to it:
//
//   if (DisplayAvailable() && DisplayAnswers()) ... open the window
#pragma once

#include <string>
#include <string_view>

namespace gleaner {

// An X display name ("[protocol/][host]:number[.screen]"): a local one is
// tried on its socket in `socketFolder` (and the abstract socket of the same
// name), "localhost" on TCP port 6000 + number. Other hosts are taken on
// trust: looking them up could block. A name that cannot be read is false.
bool X11DisplayAnswers(std::string_view display, const std::string& socketFolder = "/tmp/.X11-unix");
// A Wayland socket: an absolute name, or one in `runtimeFolder`.
bool WaylandDisplayAnswers(std::string_view display, std::string_view runtimeFolder);
// The environment's choice: true when QT_QPA_PLATFORM is set (the user chose
// the platform), or when WAYLAND_DISPLAY or DISPLAY names a server that answers.
bool DisplayAnswers();

}  // namespace gleaner
