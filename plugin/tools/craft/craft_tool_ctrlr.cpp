#include "tools/craft/craft_tool_ctrlr.h"

#include "geometry/deformation.h"

namespace vx {
namespace {

// Pulling the pointer one point up grows the pinch accumulator by this much.
constexpr double kPinchRate = 0.05;

}  // namespace

CraftToolCtrlr::CraftToolCtrlr() : CraftModesTool(6, &kCraftToolParamsSpec, kPinchRate) {}

CraftModeSettings CraftToolCtrlr::Settings() const {
  const CraftToolParams& p = as<CraftToolParams>();
  return {p.mode, p.resistance, p.areaRadius, p.trace != 0, p.traceMode, p.traceSpace, p.traceSteps};
}

ai::Code CraftToolCtrlr::MovePath(ToolDragState& state, ai::ArtHandle, ai::ArtHandle target,
                                  const CraftMapper& mapper) {
  return MapSegmentRun(target, state.run(), [&](SegmentPair& pair, bool check) {
    return MapSegmentInCircle(mapper, pair, check, mapper.radius, mapper.centre);
  });
}

}  // namespace vx
