#include "geometry/named_block.h"

#include "frame/suite_set.h"

namespace vx {

NamedBlock& NamedBlock::operator=(NamedBlock&& other) noexcept {
  if (this != &other) {
    Free();
    block_ = other.block_;
    other.block_ = nullptr;
  }
  return *this;
}

ai::Code NamedBlock::Allocate(size_t size, const char* name) {
  Free();
  void* block = nullptr;
  ai::Code code = suites::Blocks().allocateBlock(size, name, &block);
  if (code == ai::kNoError && block == nullptr) code = ai::kOutOfMemory;
  if (code != ai::kNoError) return code;
  block_ = block;
  return ai::kNoError;
}

ai::Code NamedBlock::Reallocate(size_t size, const char* name) {
  if (block_ == nullptr) return Allocate(size, name);
  void* grown = nullptr;
  ai::Code code = suites::Blocks().reallocateBlock(block_, size, name, &grown);
  if (code == ai::kNoError && grown == nullptr) code = ai::kOutOfMemory;
  if (code != ai::kNoError) return code;  // the old block stays valid and owned
  block_ = grown;
  return ai::kNoError;
}

void NamedBlock::Free() {
  FreeRaw(block_);
  block_ = nullptr;
}

void* NamedBlock::Release() {
  void* block = block_;
  block_ = nullptr;
  return block;
}

void NamedBlock::Adopt(void* block) {
  Free();
  block_ = block;
}

void NamedBlock::FreeRaw(void* block) {
  if (block != nullptr) suites::Blocks().freeBlock(block);
}

}  // namespace vx
