// A block of host memory with a name, owned by one object and freed on every
// path out of its scope unless it is handed over with Release().
#pragma once

#include <cstddef>

#include "frame/host/codes.h"

namespace vx {

class NamedBlock {
 public:
  NamedBlock() = default;
  ~NamedBlock() { Free(); }
  NamedBlock(NamedBlock&& other) noexcept : block_(other.block_) { other.block_ = nullptr; }
  NamedBlock& operator=(NamedBlock&& other) noexcept;
  NamedBlock(const NamedBlock&) = delete;
  NamedBlock& operator=(const NamedBlock&) = delete;

  // Allocates `size` bytes under `name` (freeing what was held); -108 when the
  // host has no memory, or the host's code.
  ai::Code Allocate(size_t size, const char* name);
  // Grows or shrinks the block under a new name, keeping its contents.
  ai::Code Reallocate(size_t size, const char* name);
  // Frees the block now.
  void Free();
  // Hands the block to the caller, who frees it.
  void* Release();
  // Takes ownership of a block allocated elsewhere.
  void Adopt(void* block);

  void* get() const { return block_; }
  template <class T>
  T* as() const {
    return static_cast<T*>(block_);
  }

  // Frees a block that nobody owns any more.
  static void FreeRaw(void* block);

 private:
  void* block_ = nullptr;
};

}  // namespace vx
