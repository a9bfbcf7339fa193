#include "tools/trail/trail_tool_ctrlr.h"

#include <algorithm>
#include <cmath>

#include "effects/framework/color_mix.h"
#include "effects/trail/trail_end_buttons.h"
#include "effects/trail/trail_steps.h"
#include "frame/plugin.h"
#include "tools/framework/eyedropper.h"
#include "frame/suite_set.h"
#include "presets/record_hooks.h"

namespace vx {
namespace {

constexpr int16_t kTrailToolPalette = 11;
constexpr double kStillDistance = 2;
constexpr int32_t kBusyCursor = -3;  // the host's busy cursor
constexpr double kPickTolerance = 2;

bool IsGroupLike(int16_t kind) { return kind == ai::art_kind::kGroup || kind == ai::art_kind::kCompoundPath; }

ai::RealRect Union(const ai::RealRect& a, const ai::RealRect& b) {
  return {std::min(a.left, b.left), std::max(a.top, b.top), std::max(a.right, b.right), std::min(a.bottom, b.bottom)};
}

// The side's colour as an end colour, into `color` and `kind`. Unpainted: no
// colour (kind -1) and the end "none"; gradients, patterns and process colours
// with a negative component leave both.
ai::Code TakeSide(bool painted, ai::ColorRecord side, ai::ColorRecord& color, int16_t& kind) {
  if (!painted) {
    color = ai::ColorRecord{};
    color.kind = -1;
    kind = trail_end::kNone;
    return ai::kNoError;
  }
  if (side.kind == ai::color_kind::kGradient || side.kind == ai::color_kind::kPattern) return ai::kNoError;
  bool taken = false;
  if (ai::Code code = TakeEndColor(side, color, &taken)) return code;
  if (!taken && IsProcessKind(side.kind)) return ai::kNoError;
  kind = trail_end::kColor;
  return ai::kNoError;
}

}  // namespace

TrailToolCtrlr::TrailToolCtrlr() : ToolCtrlr(kTrailToolPalette, &kTrailToolParamsSpec) {}

ai::Code TrailToolCtrlr::MouseDown(const ai::ToolEvent& event) {
  selection_.reset();
  table_.Release();
  firstDrag_ = false;
  notMoved_ = false;
  if (event.modifiers & ai::modifier::kAlt) return ai::kNoError;

  auto selection = std::make_unique<SelectedArt>();
  if (ai::Code code = selection->Read()) return code;
  if (selection->count() < 2) return trail_tool_error::kNoSelection;
  bool boxed = false;
  for (int32_t i = 1; i < selection->count(); ++i) {
    ai::ArtHandle parent = nullptr;
    if (ai::Code code = suites::Art().getParent((*selection)[i], &parent)) return code;
    if (parent == nullptr) return trail_tool_error::kNoParent;
    int16_t kind = 0;
    if (ai::Code code = suites::Art().getKind((*selection)[i], &kind)) return code;
    if (kind == ai::art_kind::kPath) {
      ai::RealRect box{};
      if (ai::Code code = suites::Art().getBounds((*selection)[i], nullptr, ai::bounds_option::kGeometric, &box))
        return code;
      bounds_ = boxed ? Union(bounds_, box) : box;
      boxed = true;
    } else if (!IsGroupLike(kind)) {
      return trail_tool_error::kUnsupported;
    }
  }
  if (!boxed) bounds_ = {event.cursor.x, event.cursor.y, event.cursor.x, event.cursor.y};
  selection_ = std::move(selection);
  firstDrag_ = true;
  origin_ = anchor_ = event.cursor;
  return MouseDrag(event);
}

ai::Code TrailToolCtrlr::MouseDrag(const ai::ToolEvent& event) {
  if ((event.modifiers & ai::modifier::kAlt) || !selection_) return ai::kNoError;
  current_ = event.cursor;
  notMoved_ = false;
  const TrailToolParams& p = params();
  if (firstDrag_) {
    const bool plain = p.angle == 0 && p.endSize.x == 1 && p.endSize.y == 1;
    if (plain && std::fabs(current_.x - anchor_.x) <= kStillDistance &&
        std::fabs(current_.y - anchor_.y) <= kStillDistance) {
      notMoved_ = true;
      return ai::kNoError;
    }
  } else {
    if (ai::Code code = suites::Undo().revertChanges()) return code;
  }
  if (event.modifiers & ai::modifier::kShift) {
    // The trail's start is being placed.
    anchor_ = origin_ = current_;
    return ai::kNoError;
  }
  TrailSeriesShape shape{anchor_, 0, 0, EffectiveTrailSteps(static_cast<int32_t>(std::clamp(p.steps, -1e6, 1e6))),
                         p.spacing, p.angle, p.endSize.x, p.endSize.y};
  if (ai::Code code = suites::RealMath().pointDistance(&anchor_, &current_, &shape.length)) return code;
  if (ai::Code code = suites::RealMath().pointAngle(&anchor_, &current_, &shape.direction)) return code;
  if (ai::Code code = table_.Build(shape, "g tDelta")) return code;
  if (ai::Code code = DrawOutlines()) return code;
  firstDrag_ = false;
  return ai::kNoError;
}

ai::Code TrailToolCtrlr::DrawOutlines() {
  const ai::ArtHandle layer = (*selection_)[0];
  ai::ArtHandle box = nullptr;
  if (ai::Code code = suites::Art().newArt(ai::art_kind::kPath, ai::placement::kInsideOnTop, layer, &box)) return code;
  const ai::RealPoint corners[4] = {{bounds_.left, bounds_.top}, {bounds_.right, bounds_.top},
                                    {bounds_.right, bounds_.bottom}, {bounds_.left, bounds_.bottom}};
  ai::SegRecord segments[4];
  for (int i = 0; i < 4; ++i) segments[i] = {corners[i], corners[i], corners[i], 1, 0};
  if (ai::Code code = suites::Path().setSegmentCount(box, 4)) return code;
  if (ai::Code code = suites::Path().setSegments(box, 0, 4, segments)) return code;
  if (ai::Code code = suites::Path().setClosed(box, 1)) return code;
  // An outline: no fill, a hairline stroke.
  ai::PathStyle style{};
  if (ai::Code code = suites::PathStyle().getPathStyle(box, &style)) return code;
  style.fillPaint = 0;
  style.strokePaint = 1;
  style.strokeWidth = 0.5;
  style.strokeColor = ai::ColorRecord{};
  style.strokeColor.kind = ai::color_kind::kGray;
  style.strokeColor.c.gray.gray = 1;
  if (ai::Code code = suites::PathStyle().setPathStyle(box, &style)) return code;
  const TrailPaint paint = TrailPaintOf(params());
  const auto entries = table_.entries();
  for (int32_t i = 0; i < table_.steps(); ++i) {
    ai::ArtHandle outline = nullptr;
    if (ai::Code code = suites::Art().duplicateArt(box, ai::placement::kInsideOnTop, layer, &outline)) return code;
    const TrailDelta& entry = entries[i + 1];
    const TrailCopyState state{0, entry.sx, entry.sy};
    if (ai::Code code = TrailCopyPath(outline, TrailCopyMatrix(origin_, entry), paint, state,
                                      TrailCopyMode::kGeometryOnly))
      return code;
  }
  return ai::kNoError;
}

ai::Code TrailToolCtrlr::MouseUp(const ai::ToolEvent& event) {
  // The drag's table and selection go on every way out.
  struct Done {
    TrailToolCtrlr& self;
    ~Done() {
      self.table_.Release();
      self.selection_.reset();
    }
  } done{*this};
  ai::Code code = suites::Undo().revertChanges();
  if (code == ai::kNoError) {
    if (event.modifiers & ai::modifier::kAlt) {
      code = PickEndColour(event.cursor);
    } else if (!(event.modifiers & ai::modifier::kCancel) && !notMoved_ && selection_ && !table_.empty()) {
      current_ = event.cursor;
      code = MakeTrail();
    }
  }
  if (code != ai::kNoError) return code;
  // Every stroke ends with the notifier that refreshes the palette.
  return ToolCtrlr::MouseUp(event);
}

ai::Code TrailToolCtrlr::MakeTrail() {
  const SelectedArt& list = *selection_;
  constexpr int32_t kBoth = ai::art_attr::kSelected | ai::art_attr::kFullySelected;
  for (int32_t i = 1; i < list.count(); ++i)
    if (ai::Code code = suites::Art().setUserAttributes(list[i], kBoth, 0)) return code;

  // One top-level object is its own source; several are grouped first.
  ai::ArtHandle source = list[1];
  int16_t kind = 0;
  if (ai::Code code = suites::Art().getKind(source, &kind)) return code;
  bool single = list.count() <= 2;
  if (!single && IsGroupLike(kind)) {
    single = true;
    for (int32_t i = 2; i < list.count() && single; ++i) {
      ai::ArtHandle parent = nullptr;
      if (ai::Code code = suites::Art().getParent(list[i], &parent)) return code;
      single = parent != list[0];
    }
  }
  if (!single) {
    ai::ArtHandle group = nullptr;
    if (ai::Code code = suites::Art().newArt(ai::art_kind::kGroup, ai::placement::kAbove, list[1], &group)) return code;
    for (int32_t i = 1; i < list.count(); ++i) {
      ai::ArtHandle parent = nullptr;
      if (ai::Code code = suites::Art().getParent(list[i], &parent)) return code;
      if (parent != list[0]) continue;
      if (ai::Code code = suites::Art().moveArt(list[i], ai::placement::kInsideAtBottom, group)) return code;
    }
    source = group;
  }

  const TrailToolParams& p = params();
  const Stacking stacking = p.stacking == 0 ? Stacking::kAbove : Stacking::kBelow;
  ai::ArtHandle trail = nullptr;
  const int16_t where = stacking == Stacking::kBelow ? ai::placement::kBelow : ai::placement::kAbove;
  if (ai::Code code = suites::Art().newArt(ai::art_kind::kGroup, where, source, &trail)) return code;
  // The busy cursor after each copy, as a long series is laid.
  const auto busy = [] { return suites::Tool().setCursor(GlobalPlugin()->pluginRef(), kBusyCursor); };
  if (ai::Code code = LayTrailCopies(source, trail, stacking, table_, origin_, TrailPaintOf(p), busy)) return code;

  if (ai::Code code = suites::Art().setUserAttributes(list[0], ai::art_attr::kSelected, ai::art_attr::kSelected))
    return code;
  for (int32_t i = 1; i < list.count(); ++i)
    if (ai::Code code = suites::Art().setUserAttributes(list[i], kBoth, kBoth)) return code;
  return ai::kNoError;
}

ai::Code TrailToolCtrlr::PickEndColour(ai::RealPoint where) {
  TrailToolParams& p = params();
  EyedropperHit hit;
  if (ai::Code code = PickStyleAt(where, kPickTolerance, &hit)) return code;
  if (hit.kind == EyedropperHit::Kind::kNothing) {
    // Nothing under the mouse: a white end fill of the document's model.
    int16_t model = -1;
    ReadDocumentColorModel(model);
    p.endFillColor = WhiteColorIn(model);
    return ai::kNoError;
  }
  if (hit.kind != EyedropperHit::Kind::kPath) return ai::kNoError;
  if (hit.fill) return TakeSide(hit.style.fillPaint != 0, hit.style.fillColor, p.endFillColor, p.endFillKind);
  return TakeSide(hit.style.strokePaint != 0, hit.style.strokeColor, p.endStrokeColor, p.endStrokeKind);
}

}  // namespace vx
