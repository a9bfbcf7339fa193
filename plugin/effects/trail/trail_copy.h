// One member of a trail: a copied path carried, turned and scaled by the copy
// matrix, its opacity faded and its colours moved toward the end colours. Live
// Trail and the Trail tool both make their copies with this engine; each hands
// it the paint settings of its own record.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "effects/framework/copy_placement.h"
#include "effects/trail/trail_steps.h"
#include "frame/host/art_records.h"
#include "frame/host/codes.h"
#include "frame/host/handles.h"
#include "geometry/named_block.h"

namespace vx {

// End colour kinds of fills and strokes.
namespace trail_end {
constexpr int32_t kOwnFill = 0, kOwnStroke = 1, kColor = 2, kNone = 3;
}

// The paint settings of a trail: start tint and opacity, end colours with
// their kinds, the end tint and the end opacity.
struct TrailPaint {
  double beginning;
  double endTint;
  double endOpacity;
  int32_t endFillKind;
  int32_t endStrokeKind;
  ai::ColorRecord endFillColor;
  ai::ColorRecord endStrokeColor;
};

template <class Record>
TrailPaint TrailPaintOf(const Record& r) {
  return {r.beginning, r.endTint, r.endOpacity, r.endFillKind, r.endStrokeKind, r.endFillColor, r.endStrokeColor};
}

// Where one copy stands in its series: how far its colours have gone toward
// the end colours, and the scale pair its gradient is carried with.
struct TrailCopyState {
  double tint;  // u
  double sx, sy;
};

// Geometry only: the outline previews of the tool move paths and leave their
// paint alone.
enum class TrailCopyMode : uint8_t { kFull, kGeometryOnly };

// Mixes colour `x` with end colour `e` (both taken as process colours first:
// custom colours by their process equivalents, and under the four-colour rule
// gray as four-colour black). Kinds that then differ leave `x` as it was.
ai::Code MixTrailGray(ai::ColorRecord& x, ai::ColorRecord e, const TrailPaint& paint, double u);
ai::Code MixTrailProcess(ai::ColorRecord& x, ai::ColorRecord e, const TrailPaint& paint, double u);
ai::Code MixTrailRGB(ai::ColorRecord& x, ai::ColorRecord e, const TrailPaint& paint, double u);

// Replaces the gradient of `style`'s fill by a new gradient of the same type
// and name whose stops are mixed toward the end fill colour (or toward their
// own colours). On a failing host call the new gradient is deleted again and
// the fill keeps its old gradient; the code is returned.
ai::Code MixTrailGradient(ai::PathStyle& style, const TrailPaint& paint, double u);

// Makes `path` one member of the series: moves its segments by `m`, fades its
// opacity, carries its gradient and patterns along and mixes its colours.
ai::Code TrailCopyPath(ai::ArtHandle path, const ai::RealMatrix& m, const TrailPaint& paint,
                       const TrailCopyState& state, TrailCopyMode mode = TrailCopyMode::kFull);

// The working table of one series, n + 1 entries in a named host block.
class TrailTable {
 public:
  ai::Code Build(const TrailSeriesShape& shape, const char* name);
  void Release() { block_.Free(); }
  bool empty() const { return block_.get() == nullptr; }
  std::span<TrailDelta> entries() const { return {block_.as<TrailDelta>(), count_}; }
  int32_t steps() const { return static_cast<int32_t>(count_) - 1; }
  // Hands the block over to / takes it back from a longer-lived owner.
  void* ReleaseBlock() { return block_.Release(); }
  void Adopt(void* block, int32_t steps) {
    block_.Adopt(block);
    count_ = block != nullptr ? static_cast<size_t>(steps) + 1 : 0;
  }

 private:
  NamedBlock block_;
  size_t count_ = 0;
};

// Lays the copies of `source` into `into` along `table` about `origin`: a path
// is copied and restyled; a group or compound path is copied whole and every
// path inside it made a member (other art inside goes along unmoved); any
// other art gets no copies. Each new copy goes on top of `into` or at its
// bottom; `eachCopy`, when given, runs after every copy (the tool shows its
// busy cursor there).
ai::Code LayTrailCopies(ai::ArtHandle source, ai::ArtHandle into, Stacking stacking, const TrailTable& table,
                        ai::RealPoint origin, const TrailPaint& paint,
                        const std::function<ai::Code()>& eachCopy = {});

}  // namespace vx
