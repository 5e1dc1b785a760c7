// The pool of detached parameter copies (see detached_values.h).
#include "script/detached_values.h"

#include <deque>

namespace gleaner {
namespace {

// A deque, as growing it never moves the strings whose views are handed out.
struct TCopyPool {
  std::deque<std::string> Slots;
  std::size_t Top = 0;
};

TCopyPool& Pool() {
  static TCopyPool pool;
  return pool;
}

}  // namespace

TDetached::TDetached(const std::string& var) : var_(var), base_(Pool().Top) {}

TDetached::~TDetached() { Pool().Top = base_; }

std::size_t TDetached::SlotsInUse() { return Pool().Top; }

std::string_view TDetached::Copy(std::string_view v) {
  TCopyPool& pool = Pool();
  if (pool.Top == pool.Slots.size()) pool.Slots.emplace_back();
  std::string& slot = pool.Slots[pool.Top++];
  slot.assign(v);
  return slot;
}

}  // namespace gleaner
