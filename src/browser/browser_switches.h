// The browser's command line: "/?" (own help), "/D" folders, "/P-" (plain
// documents, titles not read), "/W" wildcard; "-" and "\" work like "/".
// Other switch letters are collected for one message; arguments that are no
// switch are ignored.
#pragma once

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

// "Unrecognized command-line switches are ignored\r\n\r\nYou used:  /X /Y ",
// or empty when letters is empty.
std::string UnrecognizedSwitchesMessage(std::string_view letters);

}  // namespace gleaner
