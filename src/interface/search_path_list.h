// The search path dialog's list, without a window: the folders shown without
// their trailing separator, the selection, the moves, additions and drops
// with their refusals, and the button states recomputed after every change.
// The home folder always stays on the list.
//
//   TSearchPathList list(SearchFolders(), HomeFolder());
//   if (auto refusal = list.Add("/data/docs")) show *refusal;
//   SearchFolders() = list.Result();   // OK
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace gleaner {

inline constexpr std::size_t kMaxSearchFolders = 100;

struct TSearchPathButtons {
  bool MoveUp = false;
  bool MoveDown = false;
  bool Add = false;
  bool Drop = false;
};

class TSearchPathList {
 public:
  // folders: the search path, each with or without a trailing separator; an
  // empty list starts with the home folder. The first entry is selected.
  TSearchPathList(const std::vector<std::string>& folders, const std::string& homeFolder);

  const std::vector<std::string>& Items() const { return items_; }
  // The selected entry, or -1.
  int Selected() const { return selected_; }
  void Select(int index);
  TSearchPathButtons Buttons() const;

  void MoveUp();
  void MoveDown();
  // Adds a folder after the others and selects it; the plain message that
  // refuses it otherwise (already listed, or the list is full).
  std::optional<std::string> Add(const std::string& folder);
  // Removes the selected entry unless it is the home folder.
  void Drop();

  // The list to keep: each folder with a trailing "/".
  std::vector<std::string> Result() const;

 private:
  int IndexOf(const std::string& shown) const;
  bool IsHome(int index) const;
  std::vector<std::string> items_;
  std::string home_;
  int selected_ = -1;
};

// A folder as the list shows it: "\" read as "/", without its trailing
// separators (the root stays "/").
std::string ShownFolder(const std::string& folder);

}  // namespace gleaner
