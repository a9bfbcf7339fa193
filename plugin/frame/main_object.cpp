#include "frame/main_object.h"

#include <new>

#include "frame/host/suite_list.h"
#include "frame/vellumix4_plugin.h"

namespace vx {
namespace {

constexpr char kMainObjectBlockName[] = "VELLUMiX4Plugin";

// The blocks suite for one allocation or release, before or after the plug-in
// holds its suites.
class ScopedBlocks {
 public:
  explicit ScopedBlocks(const ai::BasicSuite* basic) : basic_(basic) {
    const void* suite = nullptr;
    using Name = ai::SuiteName<ai::BlocksSuite>;
    if (basic_ != nullptr && basic_->acquireSuite(Name::name, Name::version, &suite) == ai::kNoError)
      blocks_ = static_cast<const ai::BlocksSuite*>(suite);
  }
  ~ScopedBlocks() {
    using Name = ai::SuiteName<ai::BlocksSuite>;
    if (blocks_ != nullptr) basic_->releaseSuite(Name::name, Name::version);
  }
  ScopedBlocks(const ScopedBlocks&) = delete;
  ScopedBlocks& operator=(const ScopedBlocks&) = delete;

  const ai::BlocksSuite* get() const { return blocks_; }

 private:
  const ai::BasicSuite* basic_;
  const ai::BlocksSuite* blocks_ = nullptr;
};

}  // namespace

Plugin* CreateMainObject(const ai::BasicSuite* basic, ai::PluginRef pluginRef) {
  ScopedBlocks blocks(basic);
  if (blocks.get() == nullptr) return nullptr;
  void* storage = nullptr;
  if (blocks.get()->allocateBlock(sizeof(VELLUMiX4Plugin), kMainObjectBlockName, &storage) != ai::kNoError ||
      storage == nullptr)
    return nullptr;
  return new (storage) VELLUMiX4Plugin(pluginRef);
}

void DestroyMainObject(const ai::BasicSuite* basic, Plugin* plugin) {
  if (plugin == nullptr) return;
  plugin->~Plugin();
  ScopedBlocks blocks(basic);
  if (blocks.get() != nullptr) blocks.get()->freeBlock(plugin);
}

Plugin* ReattachMainObject(void* object) {
  // Only plain fields are read from the old object; its dispatch may point into
  // code that is gone. A new object is then begun in the same storage.
  auto* old = static_cast<VELLUMiX4Plugin*>(object);
  const PluginFields base = old->fields();
  const MainObjectFields main = old->mainFields();
  return new (object) VELLUMiX4Plugin(base, main);
}

}  // namespace vx
