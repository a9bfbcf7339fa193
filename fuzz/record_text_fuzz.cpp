// Feeds arbitrary bytes, as a NUL-terminated text, to the record reader of every
// record kind, then writes the record back out. Built with clang's libFuzzer.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "presets/record_registry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);  // c_str() adds the NUL
  for (const vx::RecordKind& kind : vx::AllRecordKinds()) {
    const vx::RecordSpec& spec = *kind.spec;
    std::vector<std::max_align_t> block((spec.size + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t));
    vx::SetRecordDefaults(spec, block.data(), "fuzz");
    vx::ReadRecordText(spec, block.data(), text.c_str());
    std::string out;
    vx::WriteRecordText(spec, block.data(), "fuzz", out);
    vx::ReadRecordText(spec, block.data(), out.c_str());
  }
  return 0;
}
