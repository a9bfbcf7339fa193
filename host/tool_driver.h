// A person using a plug-in's tool: choosing it in the toolbox, moving the mouse
// over the document, pressing, dragging and releasing with modifier keys. Every
// event goes to the plug-in as the host's tool message, stamped with the
// platform's tick count, and the view's annotations are redrawn after it.
#pragma once

#include <cstdint>
#include <string>

#include "frame/host/messages.h"

namespace vxhost {

class Host;
class LoadedPlugin;
struct ToolRecord;

class ToolDriver {
 public:
  ToolDriver(Host& host, LoadedPlugin& plugin) : host_(host), plugin_(plugin) {}

  // Chooses the tool with this title ("AI Select"); false when there is none.
  bool Choose(const std::string& title, ai::Code* result = nullptr);
  ai::Code Deselect();
  ai::Code EditOptions();
  ai::Code TrackCursor(ai::RealPoint at, int16_t modifiers = 0);
  ai::Code MouseDown(ai::RealPoint at, int16_t modifiers = 0);
  ai::Code MouseDrag(ai::RealPoint at, int16_t modifiers = 0);
  ai::Code MouseUp(ai::RealPoint at, int16_t modifiers = 0);
  // Any other selector of the tool caller, with the event given.
  ai::Code Send(const char* selector, ai::RealPoint at, int16_t modifiers);

  // The host's current tool: the one chosen here, or one a plug-in made current.
  ToolRecord* tool() const;

 private:
  Host& host_;
  LoadedPlugin& plugin_;
};

}  // namespace vxhost
