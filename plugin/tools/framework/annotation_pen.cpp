#include "tools/framework/annotation_pen.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "frame/suite_set.h"

namespace vx {
namespace {

// Straight pieces each cubic is drawn with, and pieces of a whole ellipse.
constexpr int kCurveSteps = 8;
constexpr int kEllipseSteps = 64;
// What a drawn outline may cover beyond its points, in view units.
constexpr int32_t kMargin = 16;

}  // namespace

AnnotationPen::AnnotationPen(ai::AnnotatorDrawer drawer, ai::ViewRect* covered) : drawer_(drawer), covered_(covered) {
  *covered_ = {1, 1, 0, 0};
}

ai::Code AnnotationPen::UseOutlineColour() { return suites::AnnotatorDrawer().setColor(drawer_, 0x4F4F, 0x8080, 0xFFFF); }

ai::Code AnnotationPen::ToView(ai::RealPoint p, ai::ViewPoint* view) {
  if (ai::Code code = suites::DocumentView().artworkToView(&p, view)) return code;
  if (!any_) *covered_ = {view->h, view->v, view->h, view->v};
  any_ = true;
  covered_->left = std::min(covered_->left, view->h);
  covered_->right = std::max(covered_->right, view->h);
  covered_->top = std::min(covered_->top, view->v);
  covered_->bottom = std::max(covered_->bottom, view->v);
  return ai::kNoError;
}

ai::Code AnnotationPen::Line(ai::ViewPoint from, ai::ViewPoint to) {
  return suites::AnnotatorDrawer().drawLine(drawer_, &from, &to);
}

ai::Code AnnotationPen::Curve(const SegmentPair& pair) {
  ai::ViewPoint from{};
  if (ai::Code code = ToView(pair.p0(), &from)) return code;
  for (int step = 1; step <= kCurveSteps; ++step) {
    ai::ViewPoint to{};
    if (ai::Code code = ToView(BezierPointAt(pair, static_cast<double>(step) / kCurveSteps), &to)) return code;
    if (ai::Code code = Line(from, to)) return code;
    from = to;
  }
  return ai::kNoError;
}

ai::Code AnnotationPen::Ellipse(ai::RealPoint centre, double rx, double ry) {
  ai::ViewPoint from{};
  if (ai::Code code = ToView({centre.x + rx, centre.y}, &from)) return code;
  for (int step = 1; step <= kEllipseSteps; ++step) {
    const double a = 2 * std::numbers::pi * step / kEllipseSteps;
    ai::ViewPoint to{};
    if (ai::Code code = ToView({centre.x + rx * std::cos(a), centre.y + ry * std::sin(a)}, &to)) return code;
    if (ai::Code code = Line(from, to)) return code;
    from = to;
  }
  return ai::kNoError;
}

void AnnotationPen::Finish() {
  if (!any_) return;
  covered_->left -= kMargin;
  covered_->top -= kMargin;
  covered_->right += kMargin;
  covered_->bottom += kMargin;
}

}  // namespace vx
