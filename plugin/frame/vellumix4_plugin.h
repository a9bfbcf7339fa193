// VELLUMiX4Plugin: the one object the host keeps for the plug-in. It starts and
// stops the plug-in and routes host messages to the controllers that own them.
#pragma once

#include "frame/controllers.h"
#include "frame/globals.h"
#include "frame/host/art_records.h"
#include "frame/host/handles.h"
#include "frame/plugin.h"
#include "ui/panels/palette_panel.h"

namespace vx {

class HelpCtrlr;
class FractalizeEffectCtrlr;

// The main object's own fields beyond Plugin's, in one plain record (see
// ReattachMainObject).
struct MainObjectFields {
  VELLUMiX4Globals* globals;             // kept here too, so a reload can publish it again
  EffectPaletteCtrlr* effectController;  // at most one effect palette's controller
  ToolPaletteCtrlr* toolController;      // at most one tool palette's controller
  ai::RealPoint lastDragPoint;           // where the last tool drag message was
  ai::ViewRect annotationRect;           // last annotation box, in view coordinates
  ai::NotifierHandle notifiers[7];       // the notifiers but the selection's, in registration order
  PalettePanel panels[kPanelKindCount];  // tool, effect and help panels, made on first use
  HelpCtrlr* helpController;             // the help palette's controller, null while closed
  FractalizeEffectCtrlr* fractalizeController;  // from the application's start to its shutdown
};

class VELLUMiX4Plugin : public Plugin {
 public:
  explicit VELLUMiX4Plugin(ai::PluginRef pluginRef);
  VELLUMiX4Plugin(const PluginFields& restored, const MainObjectFields& main);
  ~VELLUMiX4Plugin() override;

  ai::Code OnStartup(ai::InterfaceMessage* message) override;
  ai::Code OnShutdown(ai::InterfaceMessage* message) override;
  ai::Code OnApplicationStarted() override;
  ai::Code OnNotify(ai::NotifierMessage* message) override;
  ai::Code OnMenuGo(ai::MenuMessage* message) override;
  ai::Code OnMenuUpdate(ai::MenuMessage* message) override;
  ai::Code OnPluginGroupNotifyEdits(ai::PluginGroupMessage* message) override;
  ai::Code OnPluginGroupUpdate(ai::PluginGroupMessage* message) override;
  ai::Code OnDoAction(ai::ActionMessage* message) override;
  ai::Code OnFilterGetParameters(ai::FilterMessage* message) override;
  ai::Code OnFilterGo(ai::FilterMessage* message) override;
  ai::Code OnLiveEffectEditParameters(ai::LiveEffectMessage* message) override;
  ai::Code OnLiveEffectGoLive(ai::LiveEffectMessage* message) override;
  ai::Code OnLiveEffectInterpolateParameters(ai::LiveEffectMessage* message) override;
  ai::Code OnToolEditOptions(ai::ToolMessage* message) override;
  ai::Code OnToolTrackCursor(ai::ToolMessage* message) override;
  ai::Code OnToolMouseDown(ai::ToolMessage* message) override;
  ai::Code OnToolMouseDrag(ai::ToolMessage* message) override;
  ai::Code OnToolMouseUp(ai::ToolMessage* message) override;
  ai::Code OnToolSelect(ai::ToolMessage* message) override;
  ai::Code OnToolDeselect(ai::ToolMessage* message) override;
  ai::Code HandleMessage(const char* caller, const char* selector, void* message) override;
  void SetGlobalPlugin(Plugin* plugin) override;

  // The Fractalize controller, made now if the application's start did not make it.
  FractalizeEffectCtrlr* FractalizeController();

  // Opens the palette of an effect; with `toggle` an open palette of the same
  // effect closes instead.
  ai::Code OpenEffectPalette(int16_t index, bool toggle);

  const MainObjectFields& mainFields() const { return main_; }
  MainObjectFields& mainFields() { return main_; }

 private:
  ai::Code HandleAnnotation(const char* selector, void* message);
  ai::Code Register();
  void CloseEffectPalette();
  void DeleteFractalizeController();
  void CloseToolPalette();
  void RefreshPalettes(int32_t flags);
  ai::Code ReadRulerUnit();
  // The palette index of the tool with this handle, or -1.
  static int16_t ToolOfHandle(ai::ToolHandle tool);
  ai::Code OpenToolPalette(int16_t paletteIndex);
  ai::Code ForwardToolEvent(ToolEventKind kind, ai::ToolMessage* message);
  ai::Code SetAnnotatorActive(bool active);
  ai::Code DrawToolLabel(ai::AnnotatorDrawer drawer);
  // The index whose plugin group is `group`, in the order updates compare them; -1 if none.
  static int16_t EffectOfGroup(ai::PluginGroupHandle group);

  MainObjectFields main_;
};

// Opens the palette of effect `index` unless it is open already: a tool that
// works on an effect's record shows that effect's palette.
ai::Code ShowEffectPalette(int16_t index);

}  // namespace vx
