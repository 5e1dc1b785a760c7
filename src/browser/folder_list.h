// The browser's folder list: folders each ending with "/" and each followed by
// a carriage return, the home folder among them. The D switch's value, a
// ";"-separated list, is normalised into one; entries are compared whole, so
// "/data/docs/" never hides "/docs/".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gleaner {

// NormaliseFolderList("c:\\Docs;;/srv//help", "/opt/k/") is
// "C:/Docs/\r/srv/help/\r/opt/k/\r": separators unified and collapsed, a
// trailing "/" on every folder, drive letters upper-cased, duplicates
// dropped, and the home folder appended when missing. An empty value gives
// the home folder alone.
std::string NormaliseFolderList(std::string_view value, std::string_view homeFolder);

// Cuts the next folder, without its carriage return, off the front of list.
std::string CutFolder(std::string& list);

// The folders of a list, in order (empty entries skipped).
std::vector<std::string> FolderEntries(std::string list);

}  // namespace gleaner
