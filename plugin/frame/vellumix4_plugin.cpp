#include "frame/vellumix4_plugin.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <new>

#include "effects/framework/effect_actions.h"
#include "effects/effect_controllers.h"
#include "effects/framework/pg_ctrlr.h"
#include "effects/framework/regenerate.h"
#include "effects/trail/trail_generator.h"
#include "fractalize/fractalize_ctrlr.h"
#include "frame/ai_error.h"
#include "frame/error_messages.h"
#include "frame/globals.h"
#include "frame/registration.h"
#include "frame/suite_set.h"
#include "geometry/named_block.h"
#include "tools/framework/tool_ctrlr.h"
#include "tools/framework/tool_palette.h"
#include "ui/help/help_ctrlr.h"
#include "ui/tool_view_controller.h"
#include "ui/panels/palette_panel.h"

namespace vx {

namespace {

// Panels and the help controller live in the main object; code that runs without
// one (unit tests of the palettes) gets storage of its own.
MainObjectFields& CurrentMainFields() {
  static MainObjectFields detached{};
  auto* main = dynamic_cast<VELLUMiX4Plugin*>(GlobalPlugin());
  return main != nullptr ? main->mainFields() : detached;
}

// A played Fractalize action: the record the action left goes to the controller.
ai::Code PlayFractalizeAction(void* record, bool showDialog) {
  auto* main = dynamic_cast<VELLUMiX4Plugin*>(GlobalPlugin());
  FractalizeEffectCtrlr* controller = main != nullptr ? main->FractalizeController() : nullptr;
  if (controller == nullptr) return ai::kCantHappen;
  if (record != &controller->record()) controller->record() = *static_cast<const FractalizeParams*>(record);
  return controller->PlayAction(showDialog);
}

}  // namespace

PalettePanel& MainPanel(PanelKind kind) { return CurrentMainFields().panels[static_cast<int>(kind)]; }

HelpCtrlr*& MainHelpController() { return CurrentMainFields().helpController; }

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
  if (ai::Code code = RegisterEffectActions(plugin, globals)) return code;
  if (ai::Code code = AllocateRecords(globals)) return code;
  if (ai::Code code = BuildMenus(plugin, globals)) return code;
  if (ai::Code code = RegisterFractalize(plugin, globals)) return code;
  if (ai::Code code = RegisterFractalizeAction(plugin, globals)) return code;
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

ai::Code VELLUMiX4Plugin::OnApplicationStarted() {
  FractalizeController();
  return ai::kNoError;
}

FractalizeEffectCtrlr* VELLUMiX4Plugin::FractalizeController() {
  if (main_.fractalizeController == nullptr && Globals() != nullptr) {
    auto* controller = new (std::nothrow) FractalizeEffectCtrlr();
    if (controller != nullptr && !controller->ready()) {
      delete controller;
      controller = nullptr;
    }
    main_.fractalizeController = controller;
  }
  return main_.fractalizeController;
}

void VELLUMiX4Plugin::DeleteFractalizeController() {
  delete main_.fractalizeController;
  main_.fractalizeController = nullptr;
}

ai::Code VELLUMiX4Plugin::OnShutdown(ai::InterfaceMessage* message) {
  CloseHelp();
  CloseToolPalette();
  CloseEffectPalette();
  DeleteFractalizeController();
  for (PanelKind kind : {PanelKind::kTool, PanelKind::kEffect, PanelKind::kHelp}) SaveAndDisposePanel(kind);
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
  // The tables of generators, controller factories and hooks are process-wide
  // pointers of this build of the code: installed when the object is published,
  // at startup and again after a reload brought fresh code. Entries installed
  // already (a test's own) are kept.
  if (plugin == nullptr) return;
  InstallEffectControllers();
  InstallToolControllers();
  if (GetToolPaletteFactory() == nullptr) SetToolPaletteFactory(MakeToolPalette);
  if (GetActionApplier() == nullptr) SetActionApplier(&ApplyPlayedAction);
  if (GetFractalizeActionPlayer() == nullptr) SetFractalizeActionPlayer(&PlayFractalizeAction);
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

ai::Code VELLUMiX4Plugin::HandleAnnotation(const char* selector, void* message) {
  try {
    if (selector != nullptr && std::strcmp(selector, ai::selectors::kDraw) == 0) {
      // Only a tool in the middle of an annotated drag has a label to draw.
      return DrawToolLabel(static_cast<ai::AnnotatorMessage*>(message)->drawer);
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
  if (type == ai::notifier_types::kApplicationShutdown) {
    // The last setting is saved while the host still runs.
    DeleteFractalizeController();
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

ai::Code ShowEffectPalette(int16_t index) {
  auto* plugin = dynamic_cast<VELLUMiX4Plugin*>(GlobalPlugin());
  return plugin != nullptr ? plugin->OpenEffectPalette(index, false) : ai::kNoError;
}

ai::Code VELLUMiX4Plugin::OnMenuGo(ai::MenuMessage* message) {
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr) return ai::kNoError;
  int index = -1;
  for (int i = 0; i < kMenuItemCount; ++i)
    if (globals->menuItems[i] == message->item) index = i;
  if (index == kMenuHelp) {
    if (globals->helpTopic < 0) globals->helpTopic = 0;
    return ToggleHelp();
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
  return suites::Menu().checkItem(globals->menuItems[kMenuHelp], HelpShown() ? 1 : 0);
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
  // A 3D object is not regenerated while the rotate tool drags it: the drag
  // shows working copies instead.
  if (effect < kFirstPlainEffect && globals->dragging) return ai::kNoError;
  // A Live Trail object is regenerated only while it is selected.
  if (effect == kTrailEffect) {
    bool selected = false;
    if (ai::Code code = TrailObjectSelected(message->art, &selected)) return code;
    if (!selected) return ai::kNoError;
  }
  return RegenerateLiveObject(message->art, effect);
}

// The action's user data names the effect (or Fractalize) whose action plays.
ai::Code VELLUMiX4Plugin::OnDoAction(ai::ActionMessage* message) {
  if (message == nullptr) return ai::kBadParameter;
  return PlayAction(*message);
}

namespace {

bool OurFilter(const ai::FilterMessage* message) {
  const VELLUMiX4Globals* globals = Globals();
  return globals != nullptr && message->filter == globals->fractalizeFilter;
}

bool OurEffect(const ai::LiveEffectMessage* message) {
  const VELLUMiX4Globals* globals = Globals();
  return globals != nullptr && message->effect == globals->fractalizeEffect;
}

enum class OnFailure { kReturn, kShow };

// A message about the Fractalize filter or live effect goes to its controller.
template <class Call>
ai::Code ToFractalize(VELLUMiX4Plugin& main, bool ours, OnFailure failure, Call call) {
  if (!ours) return ai::kUnhandledMessage;
  FractalizeEffectCtrlr* controller = main.FractalizeController();
  const ai::Code code = controller != nullptr ? call(*controller) : ai::kCantAllocate;
  if (failure == OnFailure::kShow) ShowErrorCode(code);
  return code;
}

}  // namespace

// A failed Go or Go Live is shown to the user.
ai::Code VELLUMiX4Plugin::OnFilterGetParameters(ai::FilterMessage* message) {
  return ToFractalize(*this, OurFilter(message), OnFailure::kReturn,
                      [message](FractalizeEffectCtrlr& c) { return c.GetParameters(*message); });
}

ai::Code VELLUMiX4Plugin::OnFilterGo(ai::FilterMessage* message) {
  return ToFractalize(*this, OurFilter(message), OnFailure::kShow,
                      [message](FractalizeEffectCtrlr& c) { return c.Go(*message); });
}

ai::Code VELLUMiX4Plugin::OnLiveEffectEditParameters(ai::LiveEffectMessage* message) {
  return ToFractalize(*this, OurEffect(message), OnFailure::kReturn,
                      [message](FractalizeEffectCtrlr& c) { return c.EditParameters(*message); });
}

ai::Code VELLUMiX4Plugin::OnLiveEffectGoLive(ai::LiveEffectMessage* message) {
  return ToFractalize(*this, OurEffect(message), OnFailure::kShow,
                      [message](FractalizeEffectCtrlr& c) { return c.GoLive(*message); });
}

ai::Code VELLUMiX4Plugin::OnLiveEffectInterpolateParameters(ai::LiveEffectMessage* message) {
  return OurEffect(message) ? ai::kNoError : ai::kUnhandledMessage;
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

// Tool messages name their tool by handle; a tool that is not one of ours is
// ignored.
ai::Code VELLUMiX4Plugin::OnToolSelect(ai::ToolMessage* message) {
  const int16_t index = ToolOfHandle(message->tool);
  if (index < 0) return ai::kNoError;
  return OpenToolPalette(index);
}

ai::Code VELLUMiX4Plugin::OnToolDeselect(ai::ToolMessage* message) {
  if (ToolOfHandle(message->tool) < 0) return ai::kNoError;
  CloseToolPalette();
  return ai::kNoError;
}

ai::Code VELLUMiX4Plugin::OnToolEditOptions(ai::ToolMessage* message) {
  // Editing the Live3D Rotate tool's options opens its help topic.
  constexpr int16_t kLive3DRotateTool = 13;
  constexpr int16_t kLive3DRotateHelpTopic = 6;
  const int16_t index = ToolOfHandle(message->tool);
  if (index < 0) return ai::kNoError;
  CloseToolPalette();
  if (index == kLive3DRotateTool) Globals()->helpTopic = kLive3DRotateHelpTopic;
  return OpenToolPalette(index);
}

ai::Code VELLUMiX4Plugin::ForwardToolEvent(ToolEventKind kind, ai::ToolMessage* message) {
  if (ToolOfHandle(message->tool) < 0 || main_.toolController == nullptr) return ai::kNoError;
  return main_.toolController->OnToolEvent(kind, *message);
}

ai::Code VELLUMiX4Plugin::SetAnnotatorActive(bool active) {
  VELLUMiX4Globals* globals = Globals();
  return suites::Annotator().setAnnotatorActive(globals->annotator, active ? 1 : 0);
}

ai::Code VELLUMiX4Plugin::OnToolTrackCursor(ai::ToolMessage* message) {
  return ForwardToolEvent(ToolEventKind::kTrackCursor, message);
}

ai::Code VELLUMiX4Plugin::OnToolMouseDown(ai::ToolMessage* message) {
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr) return ai::kNoError;
  globals->dragging = 0;
  if (ai::Code code = ForwardToolEvent(ToolEventKind::kMouseDown, message)) return code;
  // A tool whose drag shows a label said so by setting the dragging flag.
  return globals->dragging ? SetAnnotatorActive(true) : ai::kNoError;
}

ai::Code VELLUMiX4Plugin::OnToolMouseDrag(ai::ToolMessage* message) {
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr) return ai::kNoError;
  if (globals->dragging) {
    main_.lastDragPoint = message->event.cursor;
    if (ai::Code code = suites::Annotator().invalidateRect(&main_.annotationRect)) return code;
  }
  if (ai::Code code = ForwardToolEvent(ToolEventKind::kMouseDrag, message)) return code;
  // The drag has done its work; an annotator the host cannot turn on only
  // leaves the outline undrawn, and the message keeps its result.
  if (globals->dragging) SetAnnotatorActive(true);
  return ai::kNoError;
}

ai::Code VELLUMiX4Plugin::OnToolMouseUp(ai::ToolMessage* message) {
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr) return ai::kNoError;
  if (globals->dragging) {
    ai::Code code = suites::Annotator().invalidateRect(&main_.annotationRect);
    if (code == ai::kNoError) code = SetAnnotatorActive(false);
    globals->dragging = 0;
    if (code != ai::kNoError) {
      // The tool's mouse up still runs: it frees what the drag holds.
      ForwardToolEvent(ToolEventKind::kMouseUp, message);
      return code;
    }
  }
  return ForwardToolEvent(ToolEventKind::kMouseUp, message);
}

// The label of an annotated drag: the tool's text in black on a light grey box
// below and to the right of the last drag point.
ai::Code VELLUMiX4Plugin::DrawToolLabel(ai::AnnotatorDrawer drawer) {
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr || !globals->dragging || main_.toolController == nullptr || drawer == nullptr)
    return ai::kNoError;
  ai::ViewRect drawn{1, 1, 0, 0};
  if (ai::Code code = main_.toolController->DrawAnnotation(drawer, &drawn)) return code;
  const char* text = main_.toolController->AnnotationText();
  if (text == nullptr) {
    if (drawn.left <= drawn.right) main_.annotationRect = drawn;
    return ai::kNoError;
  }
  constexpr int32_t kLabelOffset = 16;
  constexpr uint16_t kLabelGrey = 0xCCCC;
  ai::ViewPoint anchor{};
  if (ai::Code code = suites::DocumentView().artworkToView(&main_.lastDragPoint, &anchor)) return code;
  anchor.h += kLabelOffset;
  anchor.v += kLabelOffset;
  ai::ViewRect box{};
  const ai::AnnotatorDrawerSuite& draw = suites::AnnotatorDrawer();
  if (ai::Code code = draw.measureText(drawer, text, &anchor, &box)) return code;
  const int32_t height = box.bottom - box.top;
  box.top += height;
  box.bottom += height;
  const ai::ViewPoint baseline{anchor.h, anchor.v + height};
  if (ai::Code code = draw.setColor(drawer, kLabelGrey, kLabelGrey, kLabelGrey)) return code;
  if (ai::Code code = draw.fillRect(drawer, &box)) return code;
  if (ai::Code code = draw.setColor(drawer, 0, 0, 0)) return code;
  if (ai::Code code = draw.drawText(drawer, text, &baseline)) return code;
  if (drawn.left <= drawn.right) {
    box.left = std::min(box.left, drawn.left);
    box.top = std::min(box.top, drawn.top);
    box.right = std::max(box.right, drawn.right);
    box.bottom = std::max(box.bottom, drawn.bottom);
  }
  main_.annotationRect = box;
  return ai::kNoError;
}

}  // namespace vx
