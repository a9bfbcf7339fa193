#include "tools/broom/broom_tool_ctrlr.h"

#include <algorithm>

#include "frame/suite_set.h"
#include "geometry/deformation.h"

namespace vx {
namespace {

// Pulling the pointer one point up grows the pinch accumulator by this much.
constexpr double kPinchRate = 0.025;

bool IsUnitKind(int16_t kind) { return kind == ai::art_kind::kGroup || kind == ai::art_kind::kCompoundPath; }

// The art whose bounds give `path` its reference point: the outermost fully
// selected group or compound path holding it, or the path itself.
ai::Code UnitOf(ai::ArtHandle path, bool groupAsOneUnit, ai::ArtHandle& unit) {
  unit = path;
  if (!groupAsOneUnit) return ai::kNoError;
  ai::ArtHandle parent = nullptr;
  if (ai::Code code = suites::Art().getParent(path, &parent)) return code;
  while (parent != nullptr) {
    int16_t kind = 0;
    if (ai::Code code = suites::Art().getKind(parent, &kind)) return code;
    if (IsUnitKind(kind)) {
      int32_t fully = 0;
      if (ai::Code code = suites::Art().getUserAttributes(parent, ai::art_attr::kFullySelected, &fully)) return code;
      if (fully != 0) unit = parent;
    }
    if (ai::Code code = suites::Art().getParent(parent, &parent)) return code;
  }
  return ai::kNoError;
}

// Moves every anchor and both handles of every segment of `path` by `delta`.
ai::Code TranslateSegments(ai::ArtHandle path, ai::RealPoint delta, SegRecord* run) {
  int32_t count = 0;
  if (ai::Code code = suites::Path().getSegmentCount(path, &count)) return code;
  const auto shift = [&](ai::RealPoint& p) { p = {p.x + delta.x, p.y + delta.y}; };
  for (int32_t first = 0; first < count; first += kMaxRunSegments) {
    const int32_t n = std::min(kMaxRunSegments, count - first);
    if (ai::Code code = suites::Path().getSegments(path, first, n, run)) return code;
    for (int32_t i = 0; i < n; ++i) {
      shift(run[i].anchor);
      shift(run[i].in);
      shift(run[i].out);
    }
    if (ai::Code code = suites::Path().setSegments(path, first, n, run)) return code;
  }
  return ai::kNoError;
}

}  // namespace

BroomToolCtrlr::BroomToolCtrlr() : CraftModesTool(8, &kBroomToolParamsSpec, kPinchRate) {}

CraftModeSettings BroomToolCtrlr::Settings() const {
  const BroomToolParams& p = as<BroomToolParams>();
  return {p.mode, p.resistance, p.areaRadius, p.trace != 0, p.traceMode, p.traceSpace, p.traceSteps};
}

ai::Code BroomToolCtrlr::MouseDown(const ai::ToolEvent& event) {
  references_.Free();
  referenceCount_ = 0;
  referenceFailure_ = ai::kNoError;
  if (ai::Code code = CraftModesTool::MouseDown(event)) return code;
  const ToolDragState& state = DragState();
  if (!state.active) return ai::kNoError;
  const ai::Code code = TakeReferences(state);
  if (code != ai::kNoError) ReleaseDrag(DragState());
  return code;
}

ai::Code BroomToolCtrlr::MouseUp(const ai::ToolEvent& event) {
  const ai::Code code = CraftModesTool::MouseUp(event);
  references_.Free();
  referenceCount_ = 0;
  return code;
}

void BroomToolCtrlr::TakeEvent(ToolDragState& state, ai::RealPoint& point, int16_t modifiers) {
  CraftModesTool::TakeEvent(state, point, modifiers);
  // Dynamic drags add to the art as the earlier ones left it: the reference
  // points move with it. The other modes start again from the mouse-down art.
  if (state.active && Accumulates()) referenceFailure_ = TakeReferences(state);
}

ai::Code BroomToolCtrlr::TakeReferences(const ToolDragState& state) {
  const bool groupAsOneUnit = as<BroomToolParams>().groupAsOneUnit != 0;
  if (referenceCount_ != state.selectionCount) {
    referenceCount_ = 0;
    if (ai::Code code = references_.Allocate(sizeof(Reference) * std::max(state.selectionCount, 1), "broom references"))
      return code;
  }
  Reference* out = references_.as<Reference>();
  ai::ArtHandle lastUnit = nullptr;
  ai::RealPoint lastPoint{0, 0};
  for (int32_t i = 0; i < state.selectionCount; ++i) {
    const ai::ArtHandle art = state.selection[i];
    out[i] = {nullptr, {0, 0}};
    int16_t kind = 0;
    if (ai::Code code = suites::Art().getKind(art, &kind)) return code;
    if (kind != ai::art_kind::kPath) continue;
    ai::ArtHandle unit = nullptr;
    if (ai::Code code = UnitOf(art, groupAsOneUnit, unit)) return code;
    // The paths of one group come one after another: its bounds are taken once.
    if (unit != lastUnit) {
      ai::RealRect box{};
      if (ai::Code code = suites::Art().getBounds(unit, nullptr, ai::bounds_option::kGeometric, &box)) return code;
      lastUnit = unit;
      lastPoint = {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    }
    out[i] = {art, lastPoint};
  }
  referenceCount_ = state.selectionCount;
  hint_ = 0;
  return ai::kNoError;
}

const BroomToolCtrlr::Reference* BroomToolCtrlr::ReferenceOf(ai::ArtHandle path) {
  const Reference* list = references_.as<Reference>();
  for (int32_t k = 0; k < referenceCount_; ++k) {
    const int32_t i = (hint_ + k) % referenceCount_;
    if (list[i].path == path) {
      hint_ = i + 1 < referenceCount_ ? i + 1 : 0;
      return &list[i];
    }
  }
  return nullptr;
}

ai::Code BroomToolCtrlr::MovePath(ToolDragState& state, ai::ArtHandle source, ai::ArtHandle target,
                                  const CraftMapper& mapper) {
  if (referenceFailure_ != ai::kNoError) return referenceFailure_;
  const Reference* reference = ReferenceOf(source);
  if (reference == nullptr) return ai::kNoError;
  ai::RealPoint moved = reference->point;
  // A reference point at or beyond the rim leaves its object where it is.
  if (mapper(moved) == kPointUntouched) return ai::kNoError;
  const ai::RealPoint delta{moved.x - reference->point.x, moved.y - reference->point.y};
  if (delta.x == 0 && delta.y == 0) return ai::kNoError;
  return TranslateSegments(target, delta, state.run());
}

}  // namespace vx
