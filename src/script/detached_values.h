// Internal to the engine-command handlers: copies of parameter values that
// live in the storage of the variable an operation changes (Change X X 'b'),
// taken before the operation may overwrite or move that storage.
//
//   TDetached detach(variable);
//   Change(variable, detach(Arg(line, 2)), detach(Arg(line, 3)));
//
// The copies come from one pool used as a stack: each TDetached takes its
// slots above those of every TDetached still alive and gives them back when
// it ends, so a nested or re-entrant use never overwrites the values an
// outer one handed out. Slots keep their storage, so copying allocates only
// while the pool is new.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace gleaner {

class TDetached {
 public:
  explicit TDetached(const std::string& var);
  ~TDetached();
  TDetached(const TDetached&) = delete;
  TDetached& operator=(const TDetached&) = delete;

  // v itself, or a copy of it when it lies in the variable's storage.
  std::string_view operator()(std::string_view v) {
    const std::less<const char*> before;
    const char* begin = var_.data();
    if (v.empty() || before(v.data(), begin) || !before(v.data(), begin + var_.capacity())) return v;
    return Copy(v);
  }
  std::optional<std::string_view> operator()(std::optional<std::string_view> v) {
    return v ? std::optional<std::string_view>((*this)(*v)) : std::nullopt;
  }

  // Slots of the pool in use by the TDetached objects alive now.
  static std::size_t SlotsInUse();

 private:
  std::string_view Copy(std::string_view v);

  const std::string& var_;
  std::size_t base_;  // the pool's top when this one began
};

}  // namespace gleaner
