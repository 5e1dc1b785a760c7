// The search path dialog's list rules.
#include "interface/search_path_list.h"

#include <algorithm>
#include <utility>

namespace gleaner {

std::string ShownFolder(const std::string& folder) {
  std::string shown = folder;
  std::replace(shown.begin(), shown.end(), '\\', '/');
  while (shown.size() > 1 && shown.back() == '/') shown.pop_back();
  return shown;
}

TSearchPathList::TSearchPathList(const std::vector<std::string>& folders, const std::string& homeFolder)
    : home_(ShownFolder(homeFolder)) {
  for (const std::string& folder : folders) {
    const std::string shown = ShownFolder(folder);
    if (!shown.empty() && IndexOf(shown) < 0) items_.push_back(shown);
  }
  if (items_.empty()) items_.push_back(home_);
  selected_ = 0;
}

int TSearchPathList::IndexOf(const std::string& shown) const {
  const auto found = std::find(items_.begin(), items_.end(), shown);
  return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

bool TSearchPathList::IsHome(int index) const { return items_[static_cast<std::size_t>(index)] == home_; }

void TSearchPathList::Select(int index) {
  selected_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
}

TSearchPathButtons TSearchPathList::Buttons() const {
  const int last = static_cast<int>(items_.size()) - 1;
  return {selected_ > 0, selected_ >= 0 && selected_ < last, items_.size() < kMaxSearchFolders,
          selected_ >= 0 && !IsHome(selected_)};
}

void TSearchPathList::MoveUp() {
  if (!Buttons().MoveUp) return;
  std::swap(items_[static_cast<std::size_t>(selected_)], items_[static_cast<std::size_t>(selected_ - 1)]);
  --selected_;
}

void TSearchPathList::MoveDown() {
  if (!Buttons().MoveDown) return;
  std::swap(items_[static_cast<std::size_t>(selected_)], items_[static_cast<std::size_t>(selected_ + 1)]);
  ++selected_;
}

std::optional<std::string> TSearchPathList::Add(const std::string& folder) {
  const std::string shown = ShownFolder(folder);
  if (shown.empty()) return std::nullopt;
  if (IndexOf(shown) >= 0) return shown + "  " + "\r\n" + "is already on the list";
  if (items_.size() >= kMaxSearchFolders) {
    return "The search path holds " + std::to_string(kMaxSearchFolders) + " folders, the most it can hold";
  }
  items_.push_back(shown);
  selected_ = static_cast<int>(items_.size()) - 1;
  return std::nullopt;
}

void TSearchPathList::Drop() {
  if (!Buttons().Drop) return;
  items_.erase(items_.begin() + selected_);
  if (selected_ >= static_cast<int>(items_.size())) selected_ = static_cast<int>(items_.size()) - 1;
}

std::vector<std::string> TSearchPathList::Result() const {
  std::vector<std::string> folders;
  folders.reserve(items_.size());
  for (const std::string& item : items_) folders.push_back(item.ends_with('/') ? item : item + "/");
  return folders;
}

}  // namespace gleaner
