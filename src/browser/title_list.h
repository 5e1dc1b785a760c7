// The list of documents the browser shows: one entry per file matching the
// wildcard in each folder of the folder list, under its title, either in
// folder-list order (then the order the search returns) or sorted by title.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gleaner {

// One listed document.
struct TListInfo {
  std::string Title;  // the list item's text
  std::string Path;   // folder + found name
};

enum class TListOrder { ByFolder, ByName };

// Only regular files are listed: a folder, FIFO or device that matches the
// wildcard is passed over, so the list never blocks on one.
std::vector<TListInfo> BuildTitleList(const std::string& folderList, std::string_view wildcard,
                                      bool readTitles, TListOrder order);

}  // namespace gleaner
