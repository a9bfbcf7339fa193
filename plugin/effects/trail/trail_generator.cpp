#include "effects/trail/trail_generator.h"

#include <cstddef>
#include <cstring>

#include "effects/framework/art_children.h"
#include "effects/framework/copy_placement.h"
#include "effects/trail/trail_copy.h"
#include "effects/trail/trail_params.h"
#include "frame/effect_table.h"
#include "frame/globals.h"
#include "frame/registration.h"
#include "frame/suite_set.h"

namespace vx {
namespace {

// Everything after the record head goes to the palette's record.
void KeepAsCurrentRecord(const TrailPGParams& params) {
  VELLUMiX4Globals* globals = Globals();
  const int slot = RecordSlotOfEffect(kTrailEffect);
  if (globals == nullptr || slot < 0 || globals->records[slot] == nullptr) return;
  auto* current = static_cast<TrailPGParams*>(globals->records[slot]);
  if (current == &params) return;
  constexpr size_t kBody = offsetof(TrailPGParams, stacking);
  std::memcpy(reinterpret_cast<char*>(current) + kBody, reinterpret_cast<const char*>(&params) + kBody,
              sizeof(TrailPGParams) - kBody);
}

}  // namespace

ai::Code TrailSeries(ai::ArtHandle into, ai::ArtHandle source, const TrailPGParams& params) {
  KeepAsCurrentRecord(params);
  ai::RealRect bounds{};
  bool usable = false;
  if (ai::Code code = SourceBounds(source, &bounds, &usable)) return code;
  // Art without a box has no centre for the trail to start from.
  if (!usable) return ai::kNoError;
  const ai::RealPoint centre = BoundsCentre(bounds);
  const ai::RealPoint origin{centre.x + params.originOffset.x, centre.y + params.originOffset.y};
  const ai::RealPoint end{origin.x + params.dragOffset.x, origin.y + params.dragOffset.y};
  TrailSeriesShape shape{origin, 0, 0, EffectiveTrailSteps(params.steps), params.spacing, params.angle,
                         params.endSize.x, params.endSize.y};
  if (ai::Code code = suites::RealMath().pointDistance(&origin, &end, &shape.length)) return code;
  if (ai::Code code = suites::RealMath().pointAngle(&origin, &end, &shape.direction)) return code;
  TrailTable table;
  if (ai::Code code = table.Build(shape, "tDelta")) return code;
  const Stacking stacking = params.stacking == 0 ? Stacking::kAbove : Stacking::kBelow;
  return LayTrailCopies(source, into, stacking, table, origin, TrailPaintOf(params));
}

ai::Code TrailObjectSelected(ai::ArtHandle object, bool* selected) {
  int32_t attributes = 0;
  if (ai::Code code = suites::Art().getUserAttributes(object, ai::art_attr::kSelected, &attributes)) return code;
  *selected = attributes != 0;
  if (*selected) return ai::kNoError;
  ai::ArtHandle edit = nullptr;
  if (ai::Code code = suites::PluginGroup().getEditArt(object, &edit)) return code;
  return ForEachChild(edit, [&](ai::ArtHandle child) {
    if (*selected) return ai::kNoError;
    if (ai::Code code = suites::Art().getUserAttributes(child, ai::art_attr::kSelected, &attributes)) return code;
    *selected = attributes != 0;
    return ai::kNoError;
  });
}

ai::Code GenerateTrail(ai::ArtHandle, ai::ArtHandle edit, ai::ArtHandle into, const void* record) {
  const auto& params = *static_cast<const TrailPGParams*>(record);
  if (ai::Code code = ForEachChild(edit, [&](ai::ArtHandle child) {
        ai::ArtHandle copy = nullptr;
        return suites::Art().duplicateArt(child, ai::placement::kInsideAtBottom, into, &copy);
      }))
    return code;
  return ForEachChild(edit, [&](ai::ArtHandle child) { return TrailSeries(into, child, params); });
}

}  // namespace vx
