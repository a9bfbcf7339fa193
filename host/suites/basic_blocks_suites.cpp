// The basic suite (acquire and release suites) and the blocks suite.
#include "host.h"
#include "suites/suite_tables.h"

namespace vxhost {
namespace {

ai::Code AcquireSuite(const char* name, int32_t version, const void** suite) {
  VX_HOST_ENTER();
  return Host::Current().AcquireSuite(name, version, suite);
}

ai::Code ReleaseSuite(const char* name, int32_t version) {
  VX_HOST_ENTER();
  return Host::Current().ReleaseSuite(name, version);
}

ai::Code AllocateBlock(size_t size, const char* name, void** block) {
  if (block == nullptr) return ai::kBadParameter;
  *block = nullptr;
  VX_HOST_ENTER();
  *block = Host::Current().blocks().Allocate(size, name != nullptr ? name : "");
  return *block != nullptr ? ai::kNoError : ai::kOutOfMemory;
}

ai::Code FreeBlock(void* block) {
  VX_HOST_ENTER();
  if (block == nullptr) return ai::kNoError;
  return Host::Current().blocks().Free(block) ? ai::kNoError : ai::kBadParameter;
}

ai::Code ReallocateBlock(void* block, size_t newSize, const char* name, void** newBlock) {
  if (newBlock == nullptr) return ai::kBadParameter;
  *newBlock = nullptr;
  VX_HOST_ENTER();
  BlockRegistry& blocks = Host::Current().blocks();
  if (block == nullptr) {
    *newBlock = blocks.Allocate(newSize, name != nullptr ? name : "");
  } else {
    if (!blocks.Owns(block)) return ai::kBadParameter;
    *newBlock = blocks.Reallocate(block, newSize, name != nullptr ? name : "");
  }
  return *newBlock != nullptr ? ai::kNoError : ai::kOutOfMemory;
}

const ai::BasicSuite kBasic = {AcquireSuite, ReleaseSuite};
const ai::BlocksSuite kBlocks = {AllocateBlock, FreeBlock, ReallocateBlock};

}  // namespace

const ai::BasicSuite* BasicSuiteTable() { return &kBasic; }
const ai::BlocksSuite* BlocksSuiteTable() { return &kBlocks; }

}  // namespace vxhost
