// The host's named memory blocks, with an account of every live block by name so
// a test can ask what an operation left allocated.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace vxhost {

class BlockRegistry {
 public:
  ~BlockRegistry();

  void* Allocate(size_t size, const std::string& name);  // null when the limit is reached
  bool Free(void* block);                                 // false for a block it never gave out
  void* Reallocate(void* block, size_t size, const std::string& name);
  // Frees every live block (a test cleaning up after a refused free).
  void FreeAll();
  bool Owns(void* block) const { return live_.count(block) != 0; }

  // Names of the live blocks, sorted, one entry per block.
  std::vector<std::string> LiveNames() const;
  size_t LiveCount() const { return live_.size(); }
  size_t LiveBytes() const;

  // Total bytes the host will hand out; beyond it allocation fails with -108.
  size_t limit = static_cast<size_t>(1) << 34;

 private:
  struct Block {
    std::string name;
    size_t size;
  };
  std::map<void*, Block> live_;
};

}  // namespace vxhost
