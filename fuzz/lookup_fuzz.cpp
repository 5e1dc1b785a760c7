// Fuzz target: the lookup file field reader on arbitrary bytes. The first
// byte picks the key and data field numbers; the rest is one line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/gleaner_engine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int keyField = 1 + (data[0] & 0x0F);
  const int dataField = keyField + 1 + (data[0] >> 4);
  const std::string_view line(reinterpret_cast<const char*>(data + 1), size - 1);

  std::string key, value, problem;
  const bool usable = gleaner::ReadLookupLine(line, keyField, dataField, key, value, problem);
  // A usable line reports no problem; an unusable one always says why.
  if (usable == !problem.empty()) std::abort();
  // Every field takes at least one byte of its line or is the empty tail, and
  // encoded characters shrink, so no field can be longer than the line.
  if (usable && (key.size() > line.size() || value.size() > line.size())) std::abort();

  // Reading field after field must end: each read consumes text or fails.
  gleaner::TLuFieldReader reader(line);
  std::string field;
  std::size_t reads = 0;
  while (reader.Next(field, 2)) {
    if (++reads > line.size() + 1) std::abort();
  }
  return 0;
}
