#include "frame/vellumix4_plugin.h"

#include <cstring>
#include <exception>

#include "effects/framework/regenerate.h"
#include "frame/ai_error.h"
#include "frame/error_messages.h"
#include "frame/globals.h"
#include "frame/registration.h"
#include "frame/suite_set.h"
#include "geometry/named_block.h"

namespace vx {

VELLUMiX4Plugin::VELLUMiX4Plugin(ai::PluginRef pluginRef) : Plugin(pluginRef), main_{} {
  SetName("VELLUMiX4");
}

VELLUMiX4Plugin::VELLUMiX4Plugin(const PluginFields& restored, const MainObjectFields& main)
    : Plugin(restored), main_(main) {}

VELLUMiX4Plugin::~VELLUMiX4Plugin() {
  // A startup that failed part way leaves what it registered to the host, but
  // gives back the memory it holds.
  if (holdsSuites() && Globals() != nullptr) FreeGlobals();
}

ai::Code VELLUMiX4Plugin::OnStartup(ai::InterfaceMessage* message) {
  if (ai::Code code = Plugin::OnStartup(message)) return code;
  try {
    return Register();
  } catch (const ai::Error& error) {
    return ai::kRegistrationFailed;
  } catch (...) {
    return ai::kRegistrationFailed;
  }
}

ai::Code VELLUMiX4Plugin::Register() {
  const ai::PluginRef plugin = pluginRef();
  if (ai::Code code = CreateGlobals()) return code;
  main_.globals = Globals();
  VELLUMiX4Globals& globals = *Globals();
  if (ai::Code code = PrepareSettings(plugin, globals)) return code;
  if (ai::Code code = RegisterPluginGroups(plugin, globals)) return code;
  if (ai::Code code = AllocateRecords(globals)) return code;
  if (ai::Code code = BuildMenus(plugin, globals)) return code;
  if (ai::Code code = RegisterFractalize(plugin, globals)) return code;
  if (ai::Code code = ClearPluginOptionFlag(plugin)) return code;
  if (ai::Code code = RegisterTools(plugin, globals)) return code;
  if (ai::Code code = RegisterAnnotator(plugin, globals)) return code;
  for (int i = 0, own = 0; i < 8; ++i) {
    ai::NotifierHandle handle = nullptr;
    if (ai::Code code = suites::Notifier().addNotifier(plugin, kNotifierName, kNotifierTypes[i], &handle)) return code;
    if (i == kSelectionNotifier) globals.selectionNotifier = handle;
    else main_.notifiers[own++] = handle;
  }
  return ai::kNoError;
}

ai::Code VELLUMiX4Plugin::OnShutdown(ai::InterfaceMessage* message) {
  CloseToolPalette();
  CloseEffectPalette();
  FreeGlobals();
  main_.globals = nullptr;
  SetLocked(false);
  return Plugin::OnShutdown(message);
}

// The main object and its globals block are published together; after a reload
// of the code the new code's process-wide pointers are set from the object.
void VELLUMiX4Plugin::SetGlobalPlugin(Plugin* plugin) {
  SetGlobalPluginPointer(plugin);
  SetGlobals(plugin != nullptr ? main_.globals : nullptr);
}

ai::Code VELLUMiX4Plugin::HandleMessage(const char* caller, const char* selector, void* message) {
  ai::Code result;
  try {
    result = Plugin::HandleMessage(caller, selector, message);
  } catch (const ai::Error& error) {
    result = error.code();
  } catch (...) {
    result = ai::kCantHappen;
  }
  if (result == ai::kNoError) return ai::kNoError;
  if (result == ai::kUnhandledMessage) {
    if (caller != nullptr && std::strcmp(caller, ai::callers::kAnnotation) == 0)
      return HandleAnnotation(selector, message);
    return ai::kUnhandledMessage;
  }
  ReportFailure(result, caller, selector, message);
  return result;
}

ai::Code VELLUMiX4Plugin::HandleAnnotation(const char* selector, void*) {
  try {
    if (selector != nullptr && std::strcmp(selector, ai::selectors::kDraw) == 0) {
      // Only a tool in the middle of a drag has an annotation to draw.
      return ai::kNoError;
    }
    if (selector != nullptr && std::strcmp(selector, ai::selectors::kInvalidate) == 0)
      return suites::Annotator().invalidateRect(&main_.annotationRect);
  } catch (const ai::Error& error) {
    return error.code();
  } catch (...) {
    return ai::kCantHappen;
  }
  return ai::kUnhandledMessage;
}

ai::Code VELLUMiX4Plugin::ReadRulerUnit() {
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr) return ai::kNoError;
  int16_t units = 0;
  ai::Code code = suites::Document().getRulerUnits(&units);
  if (code == ai::kNoError) globals->rulerUnit = units;
  return code;
}

void VELLUMiX4Plugin::RefreshPalettes(int32_t flags) {
  if (main_.toolController != nullptr && main_.toolController->PaletteShown()) main_.toolController->Refresh(flags);
  if (main_.effectController != nullptr && main_.effectController->PaletteShown())
    main_.effectController->Refresh(flags);
}

ai::Code VELLUMiX4Plugin::OnNotify(ai::NotifierMessage* message) {
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr || message->type == nullptr) return ai::kNoError;
  const std::string_view type = message->type;
  if (type == "AI Document Ruler Unit Changed Notifier" || type == "AI Document Changed Notifier" ||
      type == "AI Document Opened Notifier") {
    ReadRulerUnit();
    RefreshPalettes(refresh::kRulerUnit);
    return ai::kNoError;
  }
  if (type == "AI Art Selection Changed Notifier") {
    ai::DocumentHandle document = nullptr;
    if (main_.effectController != nullptr && main_.effectController->PaletteShown() &&
        suites::Document().getCurrentDocument(&document) == ai::kNoError && globals->currentEffect >= 0 &&
        !globals->dragging) {
      globals->effectInProcess = globals->currentEffect;
      return main_.effectController->LoadFromSelection(false);
    }
    return ai::kNoError;
  }
  if (type == "KwDL VELLUMiX4 Internal Notifier") {
    if (message->data != nullptr && std::strcmp(static_cast<const char*>(message->data), "Tool Send Data") == 0 &&
        main_.toolController != nullptr && main_.toolController->PaletteShown())
      main_.toolController->Refresh(refresh::kToolData);
    return ai::kNoError;
  }
  return ai::kNoError;
}

void VELLUMiX4Plugin::CloseEffectPalette() {
  if (main_.effectController == nullptr) return;
  if (main_.effectController->PaletteShown()) main_.effectController->HidePalette();
  delete main_.effectController;
  main_.effectController = nullptr;
  if (Globals() != nullptr) Globals()->currentEffect = -1;
}

void VELLUMiX4Plugin::CloseToolPalette() {
  if (main_.toolController == nullptr) return;
  if (main_.toolController->PaletteShown()) main_.toolController->HidePalette();
  delete main_.toolController;
  main_.toolController = nullptr;
  if (Globals() != nullptr) Globals()->currentTool = -1;
}

ai::Code VELLUMiX4Plugin::OpenEffectPalette(int16_t index, bool toggle) {
  VELLUMiX4Globals& globals = *Globals();
  if (main_.effectController != nullptr && main_.effectController->PaletteShown() && index == globals.currentEffect) {
    if (toggle) CloseEffectPalette();
    return ai::kNoError;
  }
  CloseEffectPalette();
  globals.currentEffect = index;
  ai::DocumentHandle document = nullptr;
  if (ai::Code code = suites::Document().getCurrentDocument(&document)) {
    globals.currentEffect = -1;
    ShowErrorCode(code);
    return ai::kNoError;
  }
  const int record = index < kFirstPlainEffect ? 0 : -1;
  main_.effectController = CreateEffectController(index, record >= 0 ? globals.records[record] : nullptr);
  if (main_.effectController == nullptr) {
    globals.currentEffect = -1;
    return ai::kNoError;
  }
  globals.effectInProcess = index;
  return main_.effectController->LoadFromSelection(true);
}

ai::Code VELLUMiX4Plugin::OnMenuGo(ai::MenuMessage* message) {
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr) return ai::kNoError;
  int index = -1;
  for (int i = 0; i < kMenuItemCount; ++i)
    if (globals->menuItems[i] == message->item) index = i;
  if (index == kMenuHelp) {
    if (globals->helpTopic < 0) globals->helpTopic = 0;
    return ai::kNoError;  // the help palette toggles here once it exists
  }
  if (index == kMenuShowPalette) {
    ai::ArtHandle* list = nullptr;
    int32_t count = 0;
    if (ai::Code code = suites::MatchingArt().getSelectedArt(&list, &count)) return code;
    int16_t found = -1;
    // The selection list is scanned from its second entry; the last live object decides.
    for (int32_t i = 1; i < count; ++i) {
      int16_t kind = 0;
      ai::PluginGroupHandle group = nullptr;
      if (suites::Art().getKind(list[i], &kind) != ai::kNoError || kind != ai::art_kind::kPluginGroup) continue;
      if (suites::PluginGroup().getArtPluginGroup(list[i], &group) != ai::kNoError) continue;
      found = EffectOfGroup(group);
    }
    if (list != nullptr) suites::MdMemory().dispose(list);
    if (found >= 0) return OpenEffectPalette(found, false);
    return ai::kNoError;
  }
  if (index >= 0 && index < kEffectCount) return OpenEffectPalette(static_cast<int16_t>(index), true);
  return ai::kNoError;
}

ai::Code VELLUMiX4Plugin::OnMenuUpdate(ai::MenuMessage*) {
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr) return ai::kNoError;
  const bool shown = main_.effectController != nullptr && main_.effectController->PaletteShown();
  for (int i = 0; i < kEffectCount; ++i) {
    if (ai::Code code = suites::Menu().checkItem(globals->menuItems[i], shown && i == globals->currentEffect))
      return code;
  }
  return suites::Menu().checkItem(globals->menuItems[kMenuHelp], 0);
}

int16_t VELLUMiX4Plugin::EffectOfGroup(ai::PluginGroupHandle group) {
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr || group == nullptr) return -1;
  for (int16_t index : kUpdateOrder)
    if (globals->pluginGroups[index] == group) return index;
  return -1;
}

ai::Code VELLUMiX4Plugin::OnPluginGroupNotifyEdits(ai::PluginGroupMessage* message) {
  if (VELLUMiX4Globals* globals = Globals()) globals->effectInProcess = EffectOfGroup(message->group);
  return ai::kNoError;
}

ai::Code VELLUMiX4Plugin::OnPluginGroupUpdate(ai::PluginGroupMessage* message) {
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr) return ai::kNoError;
  const int16_t effect = EffectOfGroup(message->group);
  globals->effectInProcess = effect;
  if (effect < 0) return ai::kNoError;
  // A Live Trail object is regenerated only while it is selected.
  if (effect == kTrailEffect) {
    int32_t selected = 0;
    if (ai::Code code = suites::Art().getUserAttributes(message->art, ai::art_attr::kSelected, &selected)) return code;
    if (selected == 0) return ai::kNoError;
  }
  return RegenerateLiveObject(message->art, effect);
}

// Actions, the Fractalize filter and live effect, and tool messages reach their
// controllers here; until a controller exists for them they are accepted and
// nothing happens.
ai::Code VELLUMiX4Plugin::OnDoAction(ai::ActionMessage*) { return ai::kNoError; }

ai::Code VELLUMiX4Plugin::OnFilterGetParameters(ai::FilterMessage* message) {
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr || message->filter != globals->fractalizeFilter) return ai::kUnhandledMessage;
  return ai::kNoError;
}

ai::Code VELLUMiX4Plugin::OnFilterGo(ai::FilterMessage* message) { return OnFilterGetParameters(message); }

ai::Code VELLUMiX4Plugin::OnLiveEffectEditParameters(ai::LiveEffectMessage* message) {
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr || message->effect != globals->fractalizeEffect) return ai::kUnhandledMessage;
  return ai::kNoError;
}

ai::Code VELLUMiX4Plugin::OnLiveEffectGoLive(ai::LiveEffectMessage* message) {
  return OnLiveEffectEditParameters(message);
}

ai::Code VELLUMiX4Plugin::OnLiveEffectInterpolateParameters(ai::LiveEffectMessage* message) {
  return OnLiveEffectEditParameters(message);
}

int16_t VELLUMiX4Plugin::ToolOfHandle(ai::ToolHandle tool) {
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr || tool == nullptr) return -1;
  for (int i = 0; i < kToolCount; ++i)
    if (globals->tools[i] == tool) return kToolTable[static_cast<size_t>(i)].paletteIndex;
  return -1;
}

ai::Code VELLUMiX4Plugin::OpenToolPalette(int16_t paletteIndex) {
  CloseToolPalette();
  main_.toolController = CreateToolController(paletteIndex);
  if (main_.toolController != nullptr) Globals()->currentTool = paletteIndex;
  return ai::kNoError;
}

ai::Code VELLUMiX4Plugin::OnToolSelect(ai::ToolMessage* message) {
  const int16_t index = ToolOfHandle(message->tool);
  if (index < 0) return ai::kUnhandledMessage;
  return OpenToolPalette(index);
}

ai::Code VELLUMiX4Plugin::OnToolDeselect(ai::ToolMessage* message) {
  if (ToolOfHandle(message->tool) < 0) return ai::kUnhandledMessage;
  CloseToolPalette();
  return ai::kNoError;
}

ai::Code VELLUMiX4Plugin::OnToolEditOptions(ai::ToolMessage* message) {
  if (ai::Code code = OnToolDeselect(message)) return code;
  return OnToolSelect(message);
}

ai::Code VELLUMiX4Plugin::OnToolTrackCursor(ai::ToolMessage* message) {
  return ToolOfHandle(message->tool) < 0 ? ai::kUnhandledMessage : ai::kNoError;
}
ai::Code VELLUMiX4Plugin::OnToolMouseDown(ai::ToolMessage* message) {
  if (Globals() != nullptr) Globals()->dragging = 0;
  return OnToolTrackCursor(message);
}
ai::Code VELLUMiX4Plugin::OnToolMouseDrag(ai::ToolMessage* message) { return OnToolTrackCursor(message); }
ai::Code VELLUMiX4Plugin::OnToolMouseUp(ai::ToolMessage* message) { return OnToolTrackCursor(message); }

}  // namespace vx
