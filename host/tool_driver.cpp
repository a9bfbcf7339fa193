#include "tool_driver.h"

#include "annotations.h"
#include "host.h"
#include "platform/clock.h"
#include "plugin_loader.h"

namespace vxhost {

bool ToolDriver::Choose(const std::string& title, ai::Code* result) {
  ToolRecord* tool = host_.app().FindToolByTitle(title);
  if (tool == nullptr) return false;
  host_.app().currentTool = tool;
  const ai::Code code = Send(ai::selectors::kSelect, {0, 0}, 0);
  if (result != nullptr) *result = code;
  return true;
}

ai::Code ToolDriver::Deselect() {
  const ai::Code code = Send(ai::selectors::kDeselect, {0, 0}, 0);
  host_.app().currentTool = nullptr;
  return code;
}
ai::Code ToolDriver::EditOptions() { return Send(ai::selectors::kEditOptions, {0, 0}, 0); }

ToolRecord* ToolDriver::tool() const { return host_.app().currentTool; }

ai::Code ToolDriver::TrackCursor(ai::RealPoint at, int16_t modifiers) {
  return Send(ai::selectors::kTrackCursor, at, modifiers);
}
ai::Code ToolDriver::MouseDown(ai::RealPoint at, int16_t modifiers) {
  return Send(ai::selectors::kMouseDown, at, modifiers);
}
ai::Code ToolDriver::MouseDrag(ai::RealPoint at, int16_t modifiers) {
  return Send(ai::selectors::kMouseDrag, at, modifiers);
}
ai::Code ToolDriver::MouseUp(ai::RealPoint at, int16_t modifiers) {
  return Send(ai::selectors::kMouseUp, at, modifiers);
}

ai::Code ToolDriver::Send(const char* selector, ai::RealPoint at, int16_t modifiers) {
  ai::ToolMessage message{};
  message.tool = reinterpret_cast<ai::ToolHandle>(tool());
  message.event = {platform::TickCount(), at, modifiers};
  const ai::Code code = plugin_.Send(ai::callers::kTool, selector, message);
  DrawAnnotations(host_);
  return code;
}

}  // namespace vxhost
