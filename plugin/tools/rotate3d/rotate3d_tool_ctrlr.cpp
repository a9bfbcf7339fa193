#include "tools/rotate3d/rotate3d_tool_ctrlr.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "effects/framework/parameter_block.h"
#include "effects/framework/regenerate.h"
#include "effects/framework/selected_art.h"
#include "frame/effect_table.h"
#include "frame/error_messages.h"
#include "frame/globals.h"
#include "frame/registration.h"
#include "frame/suite_set.h"
#include "frame/vellumix4_plugin.h"
#include "threed/shape3d.h"
#include "threed/threed_effect.h"
#include "tools/framework/annotation_pen.h"
#include "ui/bindings/record_binder.h"

namespace vx {
namespace {

bool Is3DShape(int16_t effect) { return effect >= 0 && effect < kFirstPlainEffect; }

// A two-anchor straight path inside `group`, every handle on its anchor.
ai::Code NewLine(ai::ArtHandle reference, int16_t placement, ai::RealPoint from, ai::RealPoint to,
                 ai::ArtHandle* line) {
  if (ai::Code code = suites::Art().newArt(ai::art_kind::kPath, placement, reference, line)) return code;
  const SegRecord segments[2] = {{from, from, from, 1, 0}, {to, to, to, 1, 0}};
  if (ai::Code code = suites::Path().setSegments(*line, 0, 2, segments)) return code;
  ai::PathStyle style{};
  style.strokePaint = 1;
  style.strokeColor.kind = ai::color_kind::kGray;
  style.strokeColor.c.gray.gray = 1;
  style.strokeWidth = 0;
  style.miterLimit = 4;
  return suites::PathStyle().setPathStyle(*line, &style);
}

ai::Code SetLine(ai::ArtHandle line, ai::RealPoint from, ai::RealPoint to) {
  const SegRecord segments[2] = {{from, from, from, 1, 0}, {to, to, to, 1, 0}};
  return suites::Path().setSegments(line, 0, 2, segments);
}

// Every path below `art`, depth first.
template <class Visit>
ai::Code ForEachPath(ai::ArtHandle art, Visit&& visit) {
  int16_t kind = 0;
  if (ai::Code code = suites::Art().getKind(art, &kind)) return code;
  if (kind == ai::art_kind::kPath) return visit(art);
  ai::ArtHandle child = nullptr;
  if (ai::Code code = suites::Art().getFirstChild(art, &child)) return code;
  while (child != nullptr) {
    if (ai::Code code = ForEachPath(child, visit)) return code;
    if (ai::Code code = suites::Art().getNextSibling(child, &child)) return code;
  }
  return ai::kNoError;
}

ai::Code PathBounds(ai::ArtHandle art, ai::RealRect* bounds, bool* any) {
  *any = false;
  return ForEachPath(art, [&](ai::ArtHandle path) {
    int32_t count = 0;
    if (ai::Code code = suites::Path().getSegmentCount(path, &count)) return code;
    std::vector<SegRecord> segments(static_cast<size_t>(count));
    if (count > 0)
      if (ai::Code code = suites::Path().getSegments(path, 0, count, segments.data())) return code;
    for (const SegRecord& s : segments) {
      if (!*any) *bounds = {s.anchor.x, s.anchor.y, s.anchor.x, s.anchor.y};
      *any = true;
      bounds->left = std::min(bounds->left, s.anchor.x);
      bounds->right = std::max(bounds->right, s.anchor.x);
      bounds->bottom = std::min(bounds->bottom, s.anchor.y);
      bounds->top = std::max(bounds->top, s.anchor.y);
    }
    return ai::kNoError;
  });
}

}  // namespace

double TurnAngle(double angle, double by) {
  const double turned = angle + by;
  return turned < -360 || turned > 360 ? 0 : turned;
}

_3DPGRotateToolCtrlr::_3DPGRotateToolCtrlr() : ToolCtrlr(kRotate3DTool, nullptr) {}

_3DPGRotateToolCtrlr::~_3DPGRotateToolCtrlr() { DisposeTemporaries(); }

_3DTFilterParams* _3DPGRotateToolCtrlr::Params() const {
  VELLUMiX4Globals* globals = Globals();
  const int slot = RecordSlotOfEffect(0);
  return globals != nullptr && slot >= 0 ? static_cast<_3DTFilterParams*>(globals->records[slot]) : nullptr;
}

ai::Code _3DPGRotateToolCtrlr::Load(ai::ArtHandle object, int16_t shape, bool* loaded) {
  *loaded = false;
  _3DTFilterParams* params = Params();
  if (params == nullptr) return ai::kCantHappen;
  if (ai::Code code = ReadParameterBlock(object, shape, params)) return code;
  ai::ArtHandle edit = nullptr, wrapper = nullptr;
  if (ai::Code code = suites::PluginGroup().getEditArt(object, &edit)) return code;
  if (ai::Code code = suites::Art().getFirstChild(edit, &wrapper)) return code;
  if (wrapper == nullptr) return codes::kNoPathSelected;
  bool any = false;
  if (ai::Code code = PathBounds(wrapper, &bounds_, &any)) return code;
  if (!any) return codes::kNoPathSelected;
  wrapper_ = wrapper;
  *loaded = true;
  return ai::kNoError;
}

void _3DPGRotateToolCtrlr::MoveReferencePoint(ai::RealPoint at) {
  _3DTFilterParams& params = *Params();
  const double width = bounds_.right - bounds_.left, height = bounds_.top - bounds_.bottom;
  const ai::RealPoint centre{(bounds_.left + bounds_.right) / 2, (bounds_.top + bounds_.bottom) / 2};
  // A flat selection keeps its reference point on that axis.
  if (width != 0) params.cursor.x = (at.x - centre.x) / width;
  if (height != 0) params.cursor.y = (at.y - centre.y) / height;
  cursorText_ = true;
}

ai::Code _3DPGRotateToolCtrlr::PlaceCrosshair() {
  if (ai::Code code = suites::DocumentView().getViewBounds(&view_)) return code;
  ai::LayerHandle layer = nullptr;
  ai::ArtHandle group = nullptr;
  if (ai::Code code = suites::Layer().getCurrentLayer(&layer)) return code;
  if (ai::Code code = suites::Layer().getLayerGroup(layer, &group)) return code;
  if (ai::Code code = suites::Art().newArt(ai::art_kind::kGroup, ai::placement::kInsideOnTop, group, &crosshair_))
    return code;
  ai::ArtHandle line = nullptr;
  if (ai::Code code = NewLine(crosshair_, ai::placement::kInsideOnTop, {}, {}, &line)) return code;
  if (ai::Code code = NewLine(line, ai::placement::kBelow, {}, {}, &line)) return code;
  return MoveCrosshair();
}

ai::Code _3DPGRotateToolCtrlr::MoveCrosshair() {
  if (crosshair_ == nullptr) return ai::kNoError;
  const _3DTFilterParams& params = *Params();
  const double width = bounds_.right - bounds_.left, height = bounds_.top - bounds_.bottom;
  const ai::RealPoint at{(bounds_.left + bounds_.right) / 2 + width * params.cursor.x,
                         (bounds_.top + bounds_.bottom) / 2 + height * params.cursor.y};
  // The lines run across the whole window as it was at the press.
  ai::ArtHandle across = nullptr, down = nullptr;
  if (ai::Code code = suites::Art().getFirstChild(crosshair_, &across)) return code;
  if (ai::Code code = suites::Art().getNextSibling(across, &down)) return code;
  if (ai::Code code = SetLine(across, {view_.left, at.y}, {view_.right, at.y})) return code;
  return SetLine(down, {at.x, view_.top}, {at.x, view_.bottom});
}

ai::Code _3DPGRotateToolCtrlr::Remap() {
  if (working_ != nullptr) {
    if (ai::Code code = suites::Art().disposeArt(working_)) return code;
    working_ = nullptr;
  }
  ai::ArtHandle crosshairAnchor = crosshair_;
  if (crosshairAnchor == nullptr) return ai::kNoError;
  if (ai::Code code = suites::Art().duplicateArt(wrapper_, ai::placement::kBelow, crosshairAnchor, &working_))
    return code;
  if (ai::Code code = suites::Art().setUserAttributes(working_, ai::art_attr::kHidden, ai::art_attr::kHidden))
    return code;
  _3DTFilterParams params = *Params();
  params.shapeType = targetShape_;
  return Transform3D(working_, params);
}

ai::Code _3DPGRotateToolCtrlr::DisposeTemporaries() {
  ai::Code result = ai::kNoError;
  for (ai::ArtHandle* art : {&working_, &crosshair_}) {
    if (*art == nullptr) continue;
    if (ai::Code code = suites::Art().disposeArt(*art); code != ai::kNoError && result == ai::kNoError) result = code;
    *art = nullptr;
  }
  return result;
}

void _3DPGRotateToolCtrlr::UpdateText() {
  const _3DTFilterParams* params = Params();
  if (params == nullptr) return text_.clear();
  if (cursorText_) {
    text_ = "H:" + FixedText(params->cursor.x * 100, 3) + "%, V:" + FixedText(params->cursor.y * 100, 3) + "%";
  } else if (ShowMappedCopy() != 0) {
    text_ = "X:" + FixedText(params->postRotX, 3) + "°, Y:" + FixedText(params->postRotY, 3) +
            "°, Z:" + FixedText(params->postRotZ, 3) + "°";
  } else {
    text_ = "x:" + FixedText(params->preRotX, 3) + "°, y:" + FixedText(params->preRotY, 3) +
            "°, z:" + FixedText(params->preRotZ, 3) + "°";
  }
}

const char* _3DPGRotateToolCtrlr::AnnotationText() const { return target_ != nullptr ? text_.c_str() : nullptr; }

ai::Code _3DPGRotateToolCtrlr::DrawAnnotation(ai::AnnotatorDrawer drawer, ai::ViewRect* covered) {
  AnnotationPen pen(drawer, covered);
  if (working_ == nullptr) return ai::kNoError;
  if (ai::Code code = pen.UseOutlineColour()) return code;
  const ai::Code code = ForEachPath(working_, [&](ai::ArtHandle path) {
    int32_t count = 0, closed = 0;
    if (ai::Code c = suites::Path().getSegmentCount(path, &count)) return c;
    if (ai::Code c = suites::Path().getClosed(path, &closed)) return c;
    if (count < 1) return ai::kNoError;
    std::vector<SegRecord> segments(static_cast<size_t>(count));
    if (ai::Code c = suites::Path().getSegments(path, 0, count, segments.data())) return c;
    const int32_t spans = closed != 0 ? count : count - 1;
    for (int32_t i = 0; i < spans; ++i) {
      const SegmentPair pair{segments[static_cast<size_t>(i)], segments[static_cast<size_t>((i + 1) % count)]};
      if (ai::Code c = pen.Curve(pair)) return c;
    }
    return ai::kNoError;
  });
  if (code != ai::kNoError) return code;
  pen.Finish();
  return ai::kNoError;
}

ai::Code _3DPGRotateToolCtrlr::MouseDown(const ai::ToolEvent& event) {
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr || Params() == nullptr) return ai::kNoError;
  DisposeTemporaries();
  last_ = event.cursor;
  savedEffect_ = globals->effectInProcess;
  globals->effectInProcess = 0;
  target_ = nullptr;
  targetShape_ = -1;
  cursorText_ = false;

  SelectedArt selection;
  if (ai::Code code = selection.Read()) return code;
  // The palette of the last 3D object's shape shows what the drag turns (an
  // open one keeps its choice of rotations), loaded from the selection.
  int16_t lastShape = -1;
  for (int32_t i = 1; i < selection.count(); ++i) {
    int16_t kind = 0;
    if (ai::Code code = ArtKind(selection[i], &kind)) return code;
    const int16_t shape = kind == ai::art_kind::kPluginGroup ? EffectOfLiveObject(selection[i]) : -1;
    if (Is3DShape(shape)) lastShape = shape;
  }
  if (lastShape >= 0) {
    if (ai::Code code = ShowEffectPalette(lastShape)) return code;
  }
  for (int32_t i = 1; i < selection.count(); ++i) {
    int16_t kind = 0;
    if (ai::Code code = ArtKind(selection[i], &kind)) return code;
    const int16_t shape = kind == ai::art_kind::kPluginGroup ? EffectOfLiveObject(selection[i]) : -1;
    if (!Is3DShape(shape)) continue;
    globals->effectInProcess = shape;
    bool loaded = false;
    if (Load(selection[i], shape, &loaded) != ai::kNoError || !loaded) {
      target_ = nullptr;
      break;
    }
    target_ = selection[i];
    targetShape_ = shape;
  }
  if (target_ == nullptr) return ai::kNoError;

  if ((event.modifiers & ai::modifier::kAlt) != 0) MoveReferencePoint(event.cursor);
  if (ai::Code code = PlaceCrosshair()) return code;
  firstDrag_ = true;
  globals->dragging = 1;
  UpdateText();
  return ai::kNoError;
}

ai::Code _3DPGRotateToolCtrlr::MouseDrag(const ai::ToolEvent& event) {
  if (target_ == nullptr) return ai::kNoError;
  if (firstDrag_) {
    firstDrag_ = false;
    if (ai::Code code = MoveCrosshair()) return code;
  }
  _3DTFilterParams& params = *Params();
  if ((event.modifiers & ai::modifier::kAlt) != 0) {
    MoveReferencePoint(event.cursor);
    last_ = event.cursor;
    if (ai::Code code = MoveCrosshair()) return code;
  } else {
    ai::ViewPoint now{}, before{};
    if (ai::Code code = suites::DocumentView().artworkToView(&event.cursor, &now)) return code;
    if (ai::Code code = suites::DocumentView().artworkToView(&last_, &before)) return code;
    // Half a degree per pixel.
    const double hx = (now.h - before.h) / 2.0, hy = (now.v - before.v) / 2.0;
    const bool post = params.showMapped != 0 && ShowMappedCopy() != 0;
    double& x = post ? params.postRotX : params.preRotX;
    double& y = post ? params.postRotY : params.preRotY;
    double& z = post ? params.postRotZ : params.preRotZ;
    if ((event.modifiers & ai::modifier::kShift) != 0) z = TurnAngle(z, std::abs(hx) > std::abs(hy) ? hx : hy);
    else if (std::abs(hx) > std::abs(hy)) y = TurnAngle(y, hx);
    else x = TurnAngle(x, -hy);
    last_ = event.cursor;
  }
  UpdateText();
  // A mapping that fails is shown; the drag goes on.
  if (ai::Code code = Remap()) ShowErrorCode(code);
  return ai::kNoError;
}

ai::Code _3DPGRotateToolCtrlr::MouseUp(const ai::ToolEvent& event) {
  last_ = event.cursor;
  ai::Code result = DisposeTemporaries();
  VELLUMiX4Globals* globals = Globals();
  if (target_ != nullptr && result == ai::kNoError) {
    result = WriteParameterBlock(target_, targetShape_, Params());
    if (result == ai::kNoError) result = RegenerateLiveObject(target_, targetShape_);
    cursorText_ = false;
  }
  target_ = nullptr;
  if (globals != nullptr) globals->effectInProcess = savedEffect_;
  return result;
}

}  // namespace vx
