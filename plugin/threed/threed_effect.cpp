#include "threed/threed_effect.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "effects/framework/live_objects.h"
#include "effects/framework/parameter_block.h"
#include "effects/framework/selected_art.h"
#include "frame/context_guard.h"
#include "frame/error_messages.h"
#include "frame/globals.h"
#include "frame/plugin.h"
#include "frame/suite_set.h"
#include "frame/tool_table.h"
#include "resources/control_ids.h"
#include "threed/shape3d.h"
#include "tools/rotate3d/rotate3d_tool_ctrlr.h"
#include "ui/bindings/record_binder.h"
#include "ui/palettes/threed_palette.h"

namespace vx {
namespace {

using platform::ui::Notify;
using platform::ui::ScrollCode;

struct RowText {
  const char* label;
  const char* unit;
};

// The four rows' label text and unit by shape; an empty label is a row the
// shape does not use.
constexpr RowText kRowTexts[kShapeCount][4] = {
    {{"", ""}, {"", ""}, {"", ""}, {"", ""}},
    {{"角度:", "°"}, {"", ""}, {"", ""}, {"", ""}},
    {{"中心角:", "°"}, {"半径の増加率:", "%/360°"}, {"", ""}, {"", ""}},
    {{"中心角:", "°"}, {"半径の増加率:", "%/360°"}, {"Ｚ値の増加率:", "%/360°"}, {"ツイスト:", "°"}},
    {{"角度:", "°"}, {"サイクル:", ""}, {"", ""}, {"", ""}},
    {{"水平振幅:", "%"}, {"水平サイクル:", ""}, {"垂直振幅:", "%"}, {"垂直サイクル:", ""}},
    {{"水平振幅:", "%"}, {"水平サイクル:", ""}, {"垂直振幅:", "%"}, {"垂直サイクル:", ""}},
    {{"振幅:", "%"}, {"サイクル:", ""}, {"位相:", "°"}, {"", ""}},
    {{"中心角:", "°"}, {"北緯:", "°"}, {"南緯:", "°"}, {"高さ:", "%"}},
    {{"中心角１:", "°"}, {"中心角２:", "°"}, {"シフト角:", "°"}, {"高さ:", "%"}},
    {{"中心角１:", "°"}, {"中心角２:", "°"}, {"シフト角:", "°"}, {"Ｚ値の増加率:", "%"}},
    {{"中心角:", "°"}, {"高さ:", "%"}, {"", ""}, {"", ""}},
};

int16_t gShowMappedCopy = 0;

double* ShapeParam(_3DTFilterParams& params, int row) {
  double* fields[4] = {&params.shapeParam1, &params.shapeParam2, &params.shapeParam3, &params.shapeParam4};
  return fields[row];
}

ai::PluginRef CurrentPlugin() {
  Plugin* plugin = GlobalPlugin();
  return plugin != nullptr ? plugin->pluginRef() : nullptr;
}

// Reverts what the current message changed when `code` is a failure.
ai::Code Undone(ai::Code code) {
  if (code != ai::kNoError) suites::Undo().revertChanges();
  return code;
}

ai::Code GatherAndWrap(int16_t shape, const _3DTFilterParams& record) {
  if (ai::Code code = UnwrapSelected(shape, Unwrap::kRelease)) return code;
  std::vector<ai::ArtHandle> targets;
  bool refused = false;
  if (ai::Code code = CollectApplyTargets(shape, kDefaultApplyWalk, targets, &refused)) return code;
  if (refused) {
    ShowMessageAlert(kOtherLiveObjectAlert);
    return ai::kNoError;
  }
  if (targets.empty()) return ai::kNoError;
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr) return ai::kCantHappen;

  // The wrapper takes the place of the first target; the others keep their
  // order below it.
  ai::ArtHandle wrapper = nullptr;
  if (ai::Code code = suites::Art().newArt(ai::art_kind::kGroup, ai::placement::kAbove, targets.front(), &wrapper))
    return code;
  if (ai::Code code = suites::Tag().setTag(wrapper, kWrapperTagName, kWrapperTagType, kWrapperTagValue)) return code;
  for (ai::ArtHandle target : targets)
    if (ai::Code code = suites::Art().moveArt(target, ai::placement::kInsideAtBottom, wrapper)) return code;

  ai::ArtHandle object = nullptr, edit = nullptr;
  if (ai::Code code = suites::Art().newArt(ai::art_kind::kPluginGroup, ai::placement::kAbove, wrapper, &object))
    return code;
  if (ai::Code code = suites::PluginGroup().useArtPluginGroup(object, globals->pluginGroups[shape])) return code;
  if (ai::Code code = WriteParameterBlock(object, shape, &record)) return code;
  if (ai::Code code = TouchArt(wrapper)) return code;
  if (ai::Code code = suites::PluginGroup().getEditArt(object, &edit)) return code;
  return suites::Art().moveArt(wrapper, ai::placement::kInsideAtBottom, edit);
}

EffectPaletteCtrlr* Open3DPalette(int16_t shape, void* record) {
  auto controller = std::make_unique<_3DTransPGCtrlr>(shape, record);
  if (ai::Code code = controller->Open3D()) {
    ShowErrorCode(code);
    return nullptr;
  }
  return controller.release();
}

constexpr LiveEffect Row(int16_t shape) {
  return LiveEffect{.index = shape, .generate = Generate3D, .openPalette = Open3DPalette};
}

}  // namespace

int16_t& ShowMappedCopy() { return gShowMappedCopy; }

std::string ShapeRowLabel(int shape, int row) {
  if (shape < 0 || shape >= kShapeCount || row < 0 || row > 3) return {};
  const RowText& text = kRowTexts[shape][row];
  std::string label = text.label;
  if (*text.unit == '\0' || label.size() <= 1) return label;
  label.pop_back();  // the colon
  return label + "(" + text.unit + "):";
}

ai::Code MakeRotateToolCurrent() {
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr) return ai::kNoError;
  for (size_t i = 0; i < kToolTable.size(); ++i) {
    if (kToolTable[i].paletteIndex != kRotate3DTool) continue;
    ai::ToolHandle rotate = globals->tools[i], current = nullptr;
    if (rotate == nullptr) return ai::kNoError;
    if (ai::Code code = suites::Tool().getSelectedTool(&current)) return code;
    return current == rotate ? ai::kNoError : suites::Tool().setSelectedTool(rotate);
  }
  return ai::kNoError;
}

// --- palette

bool _3DTransPGViewController::OnInitDialog() {
  const bool result = PGViewController::OnInitDialog();
  ShowShapeRows();
  return result;
}

void _3DTransPGViewController::Refresh(int32_t flags) {
  PGViewController::Refresh(flags);
  ShowShapeRows();
}

void _3DTransPGViewController::ShowShapeRows() {
  if (binder() == nullptr) return;
  for (int row = 0; row < 4; ++row) ShowShapeRow(row);
}

void _3DTransPGViewController::ShowShapeRow(int row) {
  const ShapeParamRange range = Shape3DParamRange(shape_, row);
  if (platform::ui::Control* label = Item(ctl::threed::ParamLabel(row))) label->SetText(ShapeRowLabel(shape_, row));
  platform::ui::Control* edit = Item(ctl::threed::ParamEdit(row));
  platform::ui::Control* slider = Item(ctl::threed::ParamSlider(row));
  if (platform::ui::Control* spin = Item(ctl::threed::ParamSpin(row))) spin->Enable(range.enabled);
  const double value = *ShapeParam(params(), row);
  if (edit != nullptr) {
    edit->Enable(range.enabled);
    edit->SetText(range.enabled ? FixedText(value, 3) : "");
  }
  if (slider != nullptr) {
    slider->Enable(range.enabled);
    if (range.enabled) {
      slider->SetRange(static_cast<int32_t>(range.sliderMin), static_cast<int32_t>(range.sliderMax));
      slider->SetPosition(RoundHalfAway(value));
    }
  }
}

void _3DTransPGViewController::CommitShapeRow(int row) {
  const ShapeParamRange range = Shape3DParamRange(shape_, row);
  platform::ui::Control* edit = Item(ctl::threed::ParamEdit(row));
  if (!range.enabled || edit == nullptr) return;
  const double typed = std::strtod(edit->Text().c_str(), nullptr);
  *ShapeParam(params(), row) = std::clamp(std::isfinite(typed) ? typed : 0.0, range.editMin, range.editMax);
  ShowShapeRow(row);
  MakeRotateToolCurrent();  // a tool that cannot be chosen leaves the edit as it is
  if (LiveUpdateOn()) LiveUpdate();
}

void _3DTransPGViewController::FieldChanged(const FieldSpec& field) {
  PGViewController::FieldChanged(field);
  MakeRotateToolCurrent();  // a tool that cannot be chosen leaves the change as it is
}

int _3DTransPGViewController::RowOf(int32_t id, int32_t (*idOf)(int)) const {
  for (int row = 0; row < 4; ++row)
    if (idOf(row) == id) return row;
  return -1;
}

void _3DTransPGViewController::OnCommand(int32_t id, Notify code) {
  const int row = RowOf(id, ctl::threed::ParamEdit);
  if (row < 0) {
    PGViewController::OnCommand(id, code);
    // The radio buttons change what the rotate tool turns.
    if ((id == ctl::threed::kBefore || id == ctl::threed::kAfter) && binder() != nullptr)
      ShowMappedCopy() = params().showMapped;
    return;
  }
  if (code == Notify::kFocusLost) CommitShapeRow(row);
}

bool _3DTransPGViewController::OnNotify(const platform::ui::Notification& n) {
  const int row = RowOf(n.id, ctl::threed::ParamSpin);
  if (row < 0 || n.code != Notify::kSpinDelta) return PGViewController::OnNotify(n);
  FocusHost();
  if (platform::ui::Control* edit = Item(ctl::threed::ParamEdit(row))) {
    const double shown = std::strtod(edit->Text().c_str(), nullptr);
    edit->SetText(FixedText((std::isfinite(shown) ? shown : 0) + n.delta, 3));
    CommitShapeRow(row);
  }
  return true;
}

void _3DTransPGViewController::OnHScroll(int32_t id, ScrollCode code, int32_t position) {
  const int row = RowOf(id, ctl::threed::ParamSlider);
  if (row < 0) return PGViewController::OnHScroll(id, code, position);
  if (code == ScrollCode::kEndScroll) return;
  FocusHost();
  platform::ui::Control* slider = Item(id);
  platform::ui::Control* edit = Item(ctl::threed::ParamEdit(row));
  if (slider == nullptr || edit == nullptr) return;
  slider->SetPosition(position);
  edit->SetText(FixedText(slider->Position(), 3));
  CommitShapeRow(row);
}

// --- controller

_3DTransPGCtrlr::_3DTransPGCtrlr(int16_t shape, void* record)
    : PGCtrlr(shape, k3DTFilterParamsSpecs[shape], k3DPalette, record), shape_(shape) {
  if (VELLUMiX4Globals* globals = Globals()) globals->effectInProcess = shape;
}

ai::Code _3DTransPGCtrlr::Open3D() {
  if (ai::Code code = Open()) return code;
  auto& params = *static_cast<_3DTFilterParams*>(record());
  // A preset file of another shape's values still opens as this shape.
  params.shapeType = shape_;
  params.showMapped = shape_ == 0 ? 0 : 1;
  ShowMappedCopy() = params.showMapped;
  // Nothing is written into the selection here: the palette takes the selected
  // object's values next, and they must not be overwritten by the last setting.
  Refresh(refresh::kOpened);
  return MakeRotateToolCurrent();
}

ai::Code _3DTransPGCtrlr::Apply() {
  ContextGuard context(CurrentPlugin());
  if (ai::Code code = MakeRotateToolCurrent()) return code;
  return Apply3DShape(shape_, *static_cast<const _3DTFilterParams*>(record()));
}

ai::Code Apply3DShape(int16_t shape, const _3DTFilterParams& record) {
  if (shape < 0 || shape >= kShapeCount) return ai::kBadParameter;
  SelectedArt selection;
  if (ai::Code code = selection.Read()) return code;
  if (selection.count() < 2) return ai::kNoError;
  return Undone(GatherAndWrap(shape, record));
}

// --- regeneration

ai::Code Generate3D(ai::ArtHandle, ai::ArtHandle edit, ai::ArtHandle into, const void* record) {
  const auto& params = *static_cast<const _3DTFilterParams*>(record);
  ai::ArtHandle wrapper = nullptr;
  if (ai::Code code = suites::Art().getFirstChild(edit, &wrapper)) return code;
  if (wrapper == nullptr) return ai::kNoError;
  ai::ArtHandle copy = nullptr;
  if (ai::Code code = suites::Art().duplicateArt(wrapper, ai::placement::kInsideAtBottom, into, &copy)) return code;
  return Transform3D(copy, params);
}

const LiveEffect k3DLiveEffects[kShapeCount] = {Row(0), Row(1), Row(2), Row(3), Row(4),  Row(5),
                                                Row(6), Row(7), Row(8), Row(9), Row(10), Row(11)};

}  // namespace vx
