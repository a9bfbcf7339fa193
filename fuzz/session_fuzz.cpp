// Any bytes as a session file: reading never crashes, hangs or misbehaves, and
// a session that reads writes back to text that reads to the same events.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "session_script.h"

namespace {

bool Same(const vxcli::SessionEvent& a, const vxcli::SessionEvent& b) {
  return a.kind == b.kind && a.tick == b.tick && a.names == b.names && a.text == b.text && a.phase == b.phase &&
         a.id == b.id && a.index == b.index && a.at.x == b.at.x && a.at.y == b.at.y && a.modifiers == b.modifiers &&
         a.fromLast == b.fromLast;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<vxcli::SessionEvent> events;
  try {
    events = vxcli::SessionFromJson(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const vxcli::SessionScriptError&) {
    return 0;
  }
  const std::vector<vxcli::SessionEvent> again = vxcli::SessionFromJson(vxcli::SessionToJson(events));
  if (again.size() != events.size()) std::abort();
  for (size_t i = 0; i < events.size(); ++i)
    if (!Same(events[i], again[i])) std::abort();
  return 0;
}
