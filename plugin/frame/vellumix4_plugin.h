// VELLUMiX4Plugin: the one object the host keeps for the plug-in. It starts and
// stops the plug-in and routes host messages to the controllers that own them.
#pragma once

#include "frame/host/handles.h"
#include "frame/plugin.h"

namespace vx {

// The main object's own fields beyond Plugin's, in one plain record (see
// ReattachMainObject).
struct MainObjectFields {
  ai::ViewRect annotationRect;  // last annotation box, in view coordinates
};

class VELLUMiX4Plugin : public Plugin {
 public:
  explicit VELLUMiX4Plugin(ai::PluginRef pluginRef);
  VELLUMiX4Plugin(const PluginFields& restored, const MainObjectFields& main);
  ~VELLUMiX4Plugin() override;

  ai::Code OnStartup(ai::InterfaceMessage* message) override;
  ai::Code OnShutdown(ai::InterfaceMessage* message) override;
  ai::Code HandleMessage(const char* caller, const char* selector, void* message) override;
  void SetGlobalPlugin(Plugin* plugin) override;

  const MainObjectFields& mainFields() const { return main_; }

 private:
  ai::Code HandleAnnotation(const char* selector, void* message);

  MainObjectFields main_;
};

}  // namespace vx
