#include "tools/lens/lens_tool_ctrlr.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "frame/suite_set.h"
#include "geometry/deformation.h"

namespace vx {
namespace {

// Whether a trace entry is a strength step rather than a lens position.
bool IsStrengthStep(ai::RealPoint p) { return std::isnan(p.y); }

// The object whose bounds centre a path scales about: with `asOneUnit`, the
// topmost group, compound path or live object holding it; otherwise the path.
ai::Code ToneObject(ai::ArtHandle path, bool asOneUnit, ai::ArtHandle& object) {
  object = path;
  if (!asOneUnit) return ai::kNoError;
  ai::ArtHandle art = path;
  for (;;) {
    ai::ArtHandle parent = nullptr, grand = nullptr;
    if (ai::Code code = suites::Art().getParent(art, &parent)) return code;
    if (parent == nullptr) return ai::kNoError;
    if (ai::Code code = suites::Art().getParent(parent, &grand)) return code;
    if (grand == nullptr) break;  // `art` sits in its layer's group
    art = parent;
  }
  int16_t kind = 0;
  if (ai::Code code = suites::Art().getKind(art, &kind)) return code;
  if (kind == ai::art_kind::kGroup || kind == ai::art_kind::kCompoundPath || kind == ai::art_kind::kPluginGroup)
    object = art;
  return ai::kNoError;
}

ai::RealPoint Scaled(ai::RealPoint p, ai::RealPoint o, double sx, double sy) {
  return {o.x + (p.x - o.x) * sx, o.y + (p.y - o.y) * sy};
}

}  // namespace

LensToolCtrlr::LensToolCtrlr() : ToolCtrlr(4, &kLensToolParamsSpec) {}

LensGeometry LensToolCtrlr::LensAt(ai::RealPoint pointer, ai::RealPoint size) const {
  const double w = size.x > 0 ? size.x : params().lensSize.x, h = size.y > 0 ? size.y : params().lensSize.y;
  return {LensGeometry::CentreFor(pointer, w, h), w, h};
}

// While a drag deforms, the lens it carries is outlined over the view (an
// Alt-drag shows its size as temporary art instead).
bool LensToolCtrlr::DragArea(ai::RealPoint& centre, double& rx, double& ry) const {
  const ToolDragState& state = DragState();
  if (resizing_ || !state.active) return false;
  const LensGeometry lens = LensAt(state.current);
  centre = lens.centre;
  rx = lens.width / 2;
  ry = lens.height / 2;
  return true;
}

ai::Code LensToolCtrlr::ReplacePreview(const LensGeometry& lens) {
  if (ai::Code code = DisposePreview()) return code;
  return DrawAreaOutline(lens.centre, lens.width / 2, lens.height / 2, &DragState().previewArt);
}

ai::Code LensToolCtrlr::DisposePreview() {
  ToolDragState& state = DragState();
  if (state.previewArt == nullptr) return ai::kNoError;
  const ai::ArtHandle outline = state.previewArt;
  state.previewArt = nullptr;
  return suites::Art().disposeArt(outline);
}

ai::Code LensToolCtrlr::MouseDown(const ai::ToolEvent& event) {
  ToolDragState& state = DragState();
  resizing_ = (event.modifiers & ai::modifier::kAlt) != 0;
  const LensGeometry lens = LensAt(event.cursor);
  state.centre = lens.centre;
  if (!resizing_) {
    if (ai::Code code = BeginToolDrag(state, event)) return code;
  }
  return ReplacePreview(lens);
}

// Alt-drag: the lens keeps its centre and reaches the pointer; with Shift it
// becomes a circle of the larger size with the pointer on its edge.
ai::Code LensToolCtrlr::Resize(const ai::ToolEvent& event) {
  ToolDragState& state = DragState();
  const ai::RealPoint p = event.cursor;
  double w = 2 * std::fabs(state.centre.x - p.x), h = 2 * std::fabs(state.centre.y - p.y);
  if (event.modifiers & ai::modifier::kShift) {
    if (w > h) {
      h = w;
      state.centre.y = p.y + w / 2;
    } else {
      w = h;
      state.centre.x = p.x - h / 2;
    }
  }
  // A dragged size keeps to the range the palette clamps typed ones to.
  const FieldSpec& size = *FindField(kLensToolParamsSpec, "lensSize");
  params().lensSize.x = std::clamp(w, size.minimum, size.maximum);
  params().lensSize.y = std::clamp(h, size.minimum, size.maximum);
  return ReplacePreview({state.centre, params().lensSize.x, params().lensSize.y});
}

ai::Code LensToolCtrlr::MouseDrag(const ai::ToolEvent& event) {
  if (resizing_) return Resize(event);
  ToolDragState& state = DragState();
  // The outline of the press goes before anything is deformed.
  if (state.untouched) {
    if (ai::Code code = DisposePreview()) return code;
  }
  return ApplyToolDrag(state, *this, event);
}

ai::Code LensToolCtrlr::MouseUp(const ai::ToolEvent& event) {
  if (resizing_) {
    resizing_ = false;
    return DisposePreview();
  }
  return EndToolDrag(DragState(), *this, event);
}

void LensToolCtrlr::TakeEvent(ToolDragState& state, ai::RealPoint&, int16_t) { state.alt = false; }

ai::Code LensToolCtrlr::ApplyTone(const LensGeometry& lens, double minH, double minV, ai::ArtHandle path) {
  if (minH == 1 && minV == 1) return ai::kNoError;
  ai::ArtHandle object = nullptr;
  if (ai::Code code = ToneObject(path, params().groupAsOneUnit != 0, object)) return code;
  ai::RealRect box{};
  if (ai::Code code = suites::Art().getBounds(object, nullptr, ai::bounds_option::kGeometric, &box)) return code;
  const ai::RealPoint o{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
  double sx = 1, sy = 1;
  if (!ToneFactors(lens, o, minH, minV, sx, sy)) return ai::kNoError;
  SourcePath source;
  if (ai::Code code = ReadSourcePath(path, source)) return code;
  if (source.count < 1) return ai::kNoError;
  for (int32_t i = 0; i < source.count; ++i) {
    SegRecord& s = source.segments[i];
    s.anchor = Scaled(s.anchor, o, sx, sy);
    s.in = Scaled(s.in, o, sx, sy);
    s.out = Scaled(s.out, o, sx, sy);
  }
  return WriteRun(path, source.segments, source.count);
}

ai::Code LensToolCtrlr::DeformPath(ToolDragState& state, ai::ArtHandle path) {
  const LensToolParams& p = params();
  double strength = 1;
  ai::RealPoint pointer = state.current;
  if (IsStrengthStep(pointer)) {
    strength = pointer.x;
    pointer = traceAt_;
  }
  const LensGeometry lens = LensAt(pointer, state.currentExtent);
  // The lens strength runs from its neutral value (strength 0) to the set one.
  const double thickness = p.thickness * strength;
  const double magnification = 1 + (p.magnification - 1) * strength;
  const double angle = p.twirlAngle * strength;
  const auto run = [&](auto mapper) {
    return MapSegmentRun(path, state.run(), [&](SegmentPair& pair, bool check) {
      return MapSegmentInEllipse(mapper, pair, check, lens.width, lens.height, pointer);
    });
  };
  switch (p.lensType) {
    case kFishEyeLens:
      if (thickness == 0) return ai::kNoError;
      return run(FishEyeMapper{lens, thickness});
    case kMagnifyingLens:
      if (magnification == 1) return ai::kNoError;
      return run(MagnifyingMapper{lens, magnification});
    case kTwirlLens:
      if (angle == 0) return ai::kNoError;
      return run(TwirlMapper{lens, angle, std::max<int32_t>(p.cycle, 1)});
    case kToneLens:
      return ApplyTone(lens, 1 + (p.minimumSize.x - 1) * strength, 1 + (p.minimumSize.y - 1) * strength, path);
    default:
      return ai::kNoError;
  }
}

ai::RealPoint LensToolCtrlr::TraceExtent() const { return params().lensSize; }

TraceSettings LensToolCtrlr::Trace() const {
  const LensToolParams& p = params();
  return TraceSettings::Of(p.trace != 0, p.traceMode, p.traceSpace, p.traceSteps);
}

ai::Code LensToolCtrlr::PlanTrace(ToolDragState&, const TraceList& recorded, ai::RealPoint final, TraceList& plan) {
  const TraceSettings trace = Trace();
  if (trace.mode == kTraceDragAlong) {
    for (int32_t i = 0; i < recorded.count(); ++i)
      if (ai::Code code = plan.Append(recorded[i].point, false, recorded[i].extent)) return code;
    return plan.Append(final, false, TraceExtent());
  }
  // Copies at the final lens position, the strength stepping from neutral to set.
  traceAt_ = final;
  constexpr double kStep = std::numeric_limits<double>::quiet_NaN();
  return PlanValueTrace(trace.mode, trace.steps, 0.0, 1.0, [](double f) { return ai::RealPoint{f, kStep}; }, plan);
}

}  // namespace vx
