#include "support/current_folder_scope.h"

#include <filesystem>

namespace gleaner::testing {

CurrentFolderScope::CurrentFolderScope(const std::string& folder)
    : saved_(std::filesystem::current_path().string()) {
  std::filesystem::current_path(folder);
}

CurrentFolderScope::~CurrentFolderScope() {
  std::error_code ignored;
  std::filesystem::current_path(saved_, ignored);
}

}  // namespace gleaner::testing
