#include "tools/metabrush/metabrush_tool_ctrlr.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "effects/framework/copy_placement.h"
#include "effects/framework/selected_art.h"
#include "frame/error_messages.h"
#include "tools/framework/eyedropper.h"
#include "frame/suite_set.h"
#include "geometry/bezier.h"
#include "presets/record_hooks.h"
#include "tools/metabrush/metabrush_stamp.h"

namespace vx {
namespace {

using namespace metabrush;

constexpr int16_t kMetaBrushPalette = 10;
constexpr double kPickTolerance = 2;
// Below this spacing a drag places one stamp per message, at the pointer, and
// a walk along a path stops with an error: no endless stamping on one spot.
constexpr double kMinimumSpacing = 0.5;
// A stamp's offset, shear or scale that is not a usable number counts as 0.
constexpr double kSaturated = 1.7976931348623158e307;
constexpr int32_t kMaxStampsAlongPath = 100000;

bool IsBrushKind(int16_t kind) {
  return kind == ai::art_kind::kPath || kind == ai::art_kind::kGroup || kind == ai::art_kind::kCompoundPath;
}

double Usable(double value) { return std::isfinite(value) && std::fabs(value) < kSaturated ? value : 0; }

double Ratio(double a, double b) { return b != 0 ? Usable(a / b) : 0; }

// The turn from `from` to `to`, brought into (-pi, pi]; positive is counter-clockwise.
double Turn(double from, double to) {
  double d = std::remainder(to - from, 2 * std::numbers::pi);
  if (d <= -std::numbers::pi) d += 2 * std::numbers::pi;
  return d;
}

}  // namespace

MetaBrushToolCtrlr::MetaBrushToolCtrlr() : ToolCtrlr(kMetaBrushPalette, &kMetaBrushToolParamsSpec) {}

double MetaBrushToolCtrlr::NextUniform() {
  double u = 0;
  if (ai::Code code = suites::Random().nextUniform(&u)) {
    if (randomFailure_ == ai::kNoError) randomFailure_ = code;
    return 0;
  }
  return u;
}

ai::Code MetaBrushToolCtrlr::TakeBrushes() {
  SelectedArt selection;
  if (ai::Code code = selection.Read()) return code;
  if (selection.count() < 2) return metabrush_error::kNoSelection;
  container_ = selection[0];
  const MetaBrushToolParams& p = params();
  const double scale = p.size != 1 ? std::fabs(p.size) : 1;
  for (int32_t i = 1; i < selection.count(); ++i) {
    ai::ArtHandle parent = nullptr;
    if (ai::Code code = suites::Art().getParent(selection[i], &parent)) return code;
    if (parent == nullptr) return metabrush_error::kNoParent;
    if (parent != container_) continue;  // inside a brush: it travels with it
    int16_t kind = 0;
    if (ai::Code code = suites::Art().getKind(selection[i], &kind)) return code;
    if (!IsBrushKind(kind)) return metabrush_error::kUnsupported;
    ai::RealRect box{};
    if (ai::Code code = suites::Art().getBounds(selection[i], nullptr, ai::bounds_option::kGeometric, &box))
      return code;
    const double w = box.right - box.left, h = box.top - box.bottom;
    brushes_.push_back({selection[i], w * scale, h * scale, w, h, BoundsCentre(box)});
  }
  if (brushes_.empty()) return metabrush_error::kNoBrush;
  // Brushes are used from the last selected to the first.
  std::reverse(brushes_.begin(), brushes_.end());
  return ai::kNoError;
}

ai::Code MetaBrushToolCtrlr::MouseDown(const ai::ToolEvent& event) {
  EndStroke();
  const MetaBrushToolParams& p = params();
  const bool alt = (event.modifiers & ai::modifier::kAlt) != 0;
  if (alt && p.fade) return ai::kNoError;  // the colour is picked at mouse up
  if (ai::Code code = TakeBrushes()) {
    EndStroke();
    return code;
  }
  double zoom = 1;
  if (ai::Code code = suites::DocumentView().getZoom(&zoom)) {
    EndStroke();
    return code;
  }
  viewScale_ = zoom < 0 ? -1 / zoom : zoom;
  if (ai::Code code = suites::Random().setSeed(TickCountSeed())) {
    EndStroke();
    return code;
  }
  const RowSetting brushRow = RowOf(p, kChangeBrush);
  brushIndex_ = brushRow.reverse && brushRow.source == kNormal ? static_cast<int32_t>(brushes_.size()) - 1 : 0;
  lastStamp_ = event.cursor;
  startTicks_ = lastTicks_ = event.when;
  active_ = true;
  return ai::kNoError;
}

double MetaBrushToolCtrlr::Spacing() const {
  const MetaBrushToolParams& p = params();
  if (p.spaceMode == 1) return p.absoluteSpace;
  const RowSetting row = RowOf(p, kChangeBrush);
  const int32_t n = static_cast<int32_t>(brushes_.size());
  if (row.source != kNormal || row.random) {
    double widest = 0;
    for (const Brush& b : brushes_) widest = std::max(widest, b.width);
    return widest * p.relativeSpace;
  }
  const int32_t next = row.reverse ? (brushIndex_ + n - 1) % n : (brushIndex_ + 1) % n;
  return (brushes_[brushIndex_].width + brushes_[next].width) / 2 * p.relativeSpace;
}

StrokeInputs MetaBrushToolCtrlr::Inputs(double direction) const {
  StrokeInputs in;
  in.direction = direction;
  in.speed = speed_;
  in.elapsedTicks = lastTicks_ - startTicks_;
  in.stampCount = stamps_;
  in.alongPath = alongPath_;
  return in;
}

void MetaBrushToolCtrlr::PickBrush(const StrokeInputs& in) {
  brushIndex_ = ChooseBrush(params(), brushIndex_, static_cast<int32_t>(brushes_.size()), in, memory_,
                            [this] { return NextUniform(); });
}

ai::Code MetaBrushToolCtrlr::MouseDrag(const ai::ToolEvent& event) {
  if (!active_ || (event.modifiers & (ai::modifier::kShift | ai::modifier::kAlt))) return ai::kNoError;
  const MetaBrushToolParams& p = params();
  for (;;) {
    PickBrush(Inputs(lastDirection_));
    const double spacing = Spacing();
    double distance = 0;
    if (ai::Code code = suites::RealMath().pointDistance(&lastStamp_, &event.cursor, &distance)) return Fail(code);
    if (distance < spacing || distance == 0) return ai::kNoError;
    const uint32_t ticks = std::clamp<uint32_t>(event.when - lastTicks_, 1, 30000);
    speed_ = viewScale_ * distance / ticks;
    double direction = 0;
    if (ai::Code code = suites::RealMath().pointAngle(&lastStamp_, &event.cursor, &direction)) return Fail(code);
    const bool atPointer = p.minimum != 0 || spacing < kMinimumSpacing;
    ai::RealPoint next = event.cursor;
    if (!atPointer) {
      ai::RealPoint step{};
      if (ai::Code code = suites::RealMath().polarPoint(spacing, direction, &step)) return Fail(code);
      next = {lastStamp_.x + step.x, lastStamp_.y + step.y};
    }
    if (ai::Code code = Stamp(lastStamp_, direction)) return Fail(code);
    lastStamp_ = next;
    lastTicks_ = event.when;
    if (atPointer) return ai::kNoError;
  }
}

ai::Code MetaBrushToolCtrlr::Stamp(ai::RealPoint at, double direction) {
  const MetaBrushToolParams& p = params();
  const Brush& brush = brushes_[static_cast<size_t>(brushIndex_)];
  const StrokeInputs in = Inputs(direction);
  const UniformSource uniform = [this] { return NextUniform(); };
  double v[kRowCount] = {};
  for (int row = kSpaceH; row < kRowCount; ++row) v[row] = Fluctuation(p, row, in, memory_, uniform);

  if (stamps_ == 0) firstDirection_ = direction;
  double angle = p.angle;
  if (p.orientation == 0) angle += direction;
  if (p.orientation == 2) angle += firstDirection_;
  angle += v[kAngle];

  Stacking stacking = Stacking::kAbove;
  if (p.stacking == 1) stacking = Stacking::kBelow;
  if ((p.stacking == 2 || p.stacking == 3) && stamps_ > 0) {
    const bool clockwise = Turn(lastDirection_, direction) < 0;
    stacking = clockwise == (p.stacking == 2) ? Stacking::kBelow : Stacking::kAbove;
  }

  const double sx = Usable(p.size * (1 + v[kSizeH]));
  const double sy = p.sizeSplit == 0 ? sx : Usable(p.size * (1 + v[kSizeV]));
  const double shearH = Ratio(v[kShearH] * brush.width, brush.height);
  const double shearV = Ratio(v[kShearV] * brush.height, brush.width);
  // The space offset turns with the stamp.
  const double ox = Usable(v[kSpaceH] * brush.width), oy = Usable(v[kSpaceV] * brush.height);
  const double cs = std::cos(angle), sn = std::sin(angle);
  const ai::RealPoint to{at.x + cs * ox - sn * oy, at.y + sn * ox + cs * oy};

  StampLook look;
  look.matrix = MakeStampMatrix(brush.centre, sx, sy, shearH, shearV, angle, to);
  look.untrue = {Usable(v[kUntrueH] * brush.plainWidth), Usable(v[kUntrueV] * brush.plainHeight)};
  look.untrueRandom = RowOf(p, kUntrueH).random;
  look.fill = p.fill != 0;
  look.stroke = p.stroke != 0;
  // The eight colour sliders: the first four shift the fill, the last four the stroke.
  const double colorFactor = RowFactor(p, kColor, in, memory_, uniform) *
                             (RowOf(p, kColor).alternate && !memory_.positive ? -1 : 1);
  const double shifts[8] = {p.colorShift1, p.colorShift2, p.colorShift3, p.colorShift4,
                            p.colorShift5, p.colorShift6, p.colorShift7, p.colorShift8};
  for (int i = 0; i < 4; ++i) {
    look.fillShift[i] = shifts[i] * colorFactor;
    look.strokeShift[i] = shifts[4 + i] * colorFactor;
  }
  look.fade = p.fade != 0;
  look.fadeFactor = fadeFactor_;
  look.fadeTarget = p.fadeToSwatch ? p.swatchColor : WhiteOfKind(ai::color_kind::kGray);
  look.line = p.line != 0;
  look.lineScale = sx;
  look.transparent = p.transparent != 0;

  if (group_ == nullptr) {
    const int16_t where = p.belowAll ? ai::placement::kInsideAtBottom : ai::placement::kInsideOnTop;
    if (ai::Code code = suites::Art().newArt(ai::art_kind::kGroup, where, container_, &group_)) return code;
  }
  ai::ArtHandle copy = nullptr;
  if (ai::Code code = DuplicateInto(brush.art, group_, stacking, &copy)) return code;
  if (ai::Code code = ApplyStampLook(copy, look, uniform)) return code;
  if (randomFailure_ != ai::kNoError) return randomFailure_;

  ++stamps_;
  lastDirection_ = direction;
  memory_.positive = !memory_.positive;
  if (p.fade) fadeFactor_ = std::max(0.0, fadeFactor_ - 1.0 / std::max<int16_t>(p.fadeSteps, 1));
  const RowSetting row = RowOf(p, kChangeBrush);
  if (row.source == kNormal && !row.random) {
    const int32_t n = static_cast<int32_t>(brushes_.size());
    brushIndex_ = row.reverse ? (brushIndex_ + n - 1) % n : (brushIndex_ + 1) % n;
  }
  return ai::kNoError;
}

ai::Code MetaBrushToolCtrlr::StampAlongPath(ai::RealPoint click) {
  ai::HitResult hit{};
  if (ai::Code code = suites::HitTest().hitTest(&click, kPickTolerance, &hit)) return code;
  if (hit.type == ai::hit_type::kNothing || hit.art == nullptr) return ai::kNoError;
  int16_t kind = 0;
  if (ai::Code code = suites::Art().getKind(hit.art, &kind)) return code;
  if (kind != ai::art_kind::kPath) return ai::kNoError;
  int32_t count = 0, closed = 0;
  if (ai::Code code = suites::Path().getSegmentCount(hit.art, &count)) return code;
  if (ai::Code code = suites::Path().getClosed(hit.art, &closed)) return code;
  if (count < 1) return ai::kNoError;
  std::vector<SegRecord> segments(static_cast<size_t>(count));
  if (ai::Code code = suites::Path().getSegments(hit.art, 0, count, segments.data())) return code;
  if (closed) segments.push_back(segments.front());
  alongPath_ = true;

  const int32_t pieces = static_cast<int32_t>(segments.size()) - 1;
  ai::RealPoint previous = segments[0].anchor;
  double direction = 0;
  if (pieces > 0) {
    const SegmentPair first{segments[0], segments[1]};
    direction = BezierTangentAngle(first, 0, previous);
  }
  PickBrush(Inputs(direction));
  if (ai::Code code = Stamp(previous, direction)) return code;
  int32_t piece = 0;
  double t0 = 0;
  while (piece < pieces && stamps_ < kMaxStampsAlongPath) {
    PickBrush(Inputs(direction));
    const double spacing = Spacing();
    if (!(spacing >= kMinimumSpacing)) return metabrush_error::kSpaceTooSmall;
    const SegmentPair pair{segments[static_cast<size_t>(piece)], segments[static_cast<size_t>(piece) + 1]};
    const ChordSearch found = ParamAtChordDistance(pair, previous, spacing, t0);
    if (found.beyond || found.t < t0) {
      ++piece;
      t0 = 0;
      continue;
    }
    direction = BezierTangentAngle(pair, found.t, found.point);
    if (ai::Code code = Stamp(found.point, direction)) return code;
    previous = found.point;
    if (found.t >= 1) {
      ++piece;
      t0 = 0;
    } else {
      t0 = found.t;
    }
  }
  return ai::kNoError;
}

ai::Code MetaBrushToolCtrlr::PickFadeColor(ai::RealPoint click) {
  MetaBrushToolParams& p = params();
  EyedropperHit hit;
  if (ai::Code code = PickStyleAt(click, kPickTolerance, &hit)) return code;
  if (hit.kind == EyedropperHit::Kind::kNothing) {
    // Empty canvas: the document's plain paint, white of its colour model.
    int16_t model = -1;
    ReadDocumentColorModel(model);
    p.swatchColor = WhiteColorIn(model);
    return ai::kNoError;
  }
  if (hit.kind != EyedropperHit::Kind::kPath) return ai::kNoError;
  const bool painted = hit.fill ? hit.style.fillPaint != 0 : hit.style.strokePaint != 0;
  if (painted) p.swatchColor = hit.fill ? hit.style.fillColor : hit.style.strokeColor;
  return ai::kNoError;
}

ai::Code MetaBrushToolCtrlr::MouseUp(const ai::ToolEvent& event) {
  const bool alt = (event.modifiers & ai::modifier::kAlt) != 0;
  const bool shift = (event.modifiers & ai::modifier::kShift) != 0;
  ai::Code code = ai::kNoError;
  if (alt && params().fade) {
    code = PickFadeColor(event.cursor);
  } else if (active_ && shift) {
    code = StampAlongPath(event.cursor);
  } else if (active_ && stamps_ == 0 && !(event.modifiers & ai::modifier::kCancel)) {
    // A click, or a drag shorter than the spacing: one stamp where the mouse went up.
    PickBrush(Inputs(0));
    code = Stamp(event.cursor, 0);
  }
  if (code != ai::kNoError) return Fail(code);
  EndStroke();
  return ToolCtrlr::MouseUp(event);
}

ai::Code MetaBrushToolCtrlr::Fail(ai::Code code) {
  // No partial stroke stays behind, and the user is told why.
  if (group_ != nullptr) suites::Art().disposeArt(group_);
  EndStroke();
  ShowErrorCode(code);
  return code;
}

void MetaBrushToolCtrlr::EndStroke() {
  brushes_.clear();
  container_ = group_ = nullptr;
  active_ = false;
  brushIndex_ = 0;
  stamps_ = 0;
  speed_ = 0;
  lastDirection_ = firstDirection_ = 0;
  fadeFactor_ = 1;
  alongPath_ = false;
  randomFailure_ = ai::kNoError;
  memory_ = RowMemory{};
}

}  // namespace vx
