// The browser's command line: "/?" (own help), "/D" folders, "/P-" (plain
// documents, titles not read), "/W" wildcard; "-" and "\" work like "/".
// The Unix spellings "--help" and "-h" are "/?"; "--version" is answered on
// standard output before any window opens.
// Other switch letters are collected for one message; arguments that are no
// switch are ignored.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gleaner {

struct TBrowserSwitches {
  std::string FolderList;  // each folder ending with "/" and followed by a carriage return
  std::string Wildcard;
  bool ReadTitles = true;  // also the viewer's markup mode and word wrap
  bool ShowOwnHelp = false;
  std::string Unrecognized;  // the other switch letters, upper case, in order
};

// Starts from the home folder alone and the default wildcard, then applies
// the arguments in order. ReadBrowserSwitches({"/dC:\\Docs", "/x"}, "/opt/k/")
// gives the folders "C:/Docs/\r/opt/k/\r" and Unrecognized "X".
TBrowserSwitches ReadBrowserSwitches(const std::vector<std::string>& arguments, std::string_view homeFolder);

// What to print on standard output instead of opening the window: the
// version line for "--version"; for "--help" or "-h" without a display, a
// summary of the switches (with a display they open the browser's own help).
std::optional<std::string> TerminalAnswer(const std::vector<std::string>& arguments, bool displayAvailable);
// True when Qt can open a window: DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM set.
bool DisplayAvailable();
// What the browser says on a terminal when it has no display to open its window on.
std::string NoDisplayMessage();

// "Unrecognized command-line switches are ignored\r\n\r\nYou used:  /X /Y ",
// or empty when letters is empty.
std::string UnrecognizedSwitchesMessage(std::string_view letters);

}  // namespace gleaner
