#include "block_registry.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace vxhost {

BlockRegistry::~BlockRegistry() { FreeAll(); }

void BlockRegistry::FreeAll() {
  for (auto& [block, info] : live_) std::free(block);
  live_.clear();
}

void* BlockRegistry::Allocate(size_t size, const std::string& name) {
  if (size > limit || LiveBytes() > limit - size) return nullptr;
  // Blocks are zeroed so that nothing depends on what memory held before.
  void* block = std::calloc(1, size == 0 ? 1 : size);
  if (block == nullptr) return nullptr;
  live_[block] = Block{name, size};
  return block;
}

bool BlockRegistry::Free(void* block) {
  auto found = live_.find(block);
  if (found == live_.end()) return false;
  live_.erase(found);
  std::free(block);
  return true;
}

void* BlockRegistry::Reallocate(void* block, size_t size, const std::string& name) {
  auto found = live_.find(block);
  if (found == live_.end()) return nullptr;
  const size_t oldSize = found->second.size;
  if (size > oldSize && (size - oldSize > limit || LiveBytes() > limit - (size - oldSize))) return nullptr;
  void* grown = std::calloc(1, size == 0 ? 1 : size);
  if (grown == nullptr) return nullptr;
  std::memcpy(grown, block, std::min(oldSize, size));
  live_.erase(found);
  std::free(block);
  live_[grown] = Block{name, size};
  return grown;
}

std::vector<std::string> BlockRegistry::LiveNames() const {
  std::vector<std::string> names;
  for (const auto& [block, info] : live_) names.push_back(info.name);
  std::sort(names.begin(), names.end());
  return names;
}

size_t BlockRegistry::LiveBytes() const {
  size_t total = 0;
  for (const auto& [block, info] : live_) total += info.size;
  return total;
}

}  // namespace vxhost
