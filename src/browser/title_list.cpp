// Building the document list from the folder list.
#include "browser/title_list.h"

#include <algorithm>

#include "browser/document_titles.h"
#include "browser/folder_list.h"
#include "foundation/search_path.h"
#include "foundation/win1252.h"
#include "platform/file_search.h"

namespace gleaner {
namespace {

// Every attribute except the folder bit: hidden and read-only files count.
constexpr std::uint32_t kDocumentAttributes = kFaAnyFile & ~kFaDirectory & ~kFaVolumeId;

void AddFolder(const std::string& folder, std::string_view wildcard, bool readTitles,
               std::vector<TListInfo>& list) {
  // A wildcard naming a subfolder ("sub/Help-*.txt") finds names without it.
  const std::string foundFolder = folder + FolderPart(wildcard);
  TSearchRec search;
  for (int found = FindFirst(folder + std::string(wildcard), kDocumentAttributes, search); found == kFindOk;
       found = FindNext(search)) {
    if ((search.Attr & kFaDirectory) != 0) continue;
    std::string path = foundFolder + search.Name;
    list.push_back({DocumentTitle(path, readTitles), std::move(path)});
  }
  FindClose(search);
}

// A sorted list box orders its items by text without regard to letter case;
// items with equal texts keep the order they were added in.
void SortByTitle(std::vector<TListInfo>& list) {
  std::stable_sort(list.begin(), list.end(), [](const TListInfo& a, const TListInfo& b) {
    return AnsiUpperCase(a.Title) < AnsiUpperCase(b.Title);
  });
}

}  // namespace

std::vector<TListInfo> BuildTitleList(const std::string& folderList, std::string_view wildcard,
                                      bool readTitles, TListOrder order) {
  std::vector<TListInfo> list;
  for (const std::string& folder : FolderEntries(folderList)) AddFolder(folder, wildcard, readTitles, list);
  if (order == TListOrder::ByName) SortByTitle(list);
  return list;
}

}  // namespace gleaner
