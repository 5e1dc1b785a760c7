// A page-aligned byte buffer for the reader's blocks and the writer's
// output: the kernel copies to and from page-aligned memory markedly faster
// than to the 16-byte-aligned memory a large vector gets.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <new>

namespace gleaner {

class TIoBuffer {
 public:
  // Makes the buffer size bytes long (a multiple of the page size), contents undefined.
  void Resize(std::size_t size) {
    if (size == size_) return;
    data_.reset(static_cast<char*>(std::aligned_alloc(kPageSize, size)));
    if (data_ == nullptr) throw std::bad_alloc();
    size_ = size;
  }
  char* data() { return data_.get(); }
  const char* data() const { return data_.get(); }
  std::size_t size() const { return size_; }

 private:
  static constexpr std::size_t kPageSize = 4096;
  struct TFree {
    void operator()(char* p) const { std::free(p); }
  };
  std::unique_ptr<char, TFree> data_;
  std::size_t size_ = 0;
};

}  // namespace gleaner
