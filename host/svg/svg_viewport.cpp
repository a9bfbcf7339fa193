#include "svg/svg_viewport.h"

#include <algorithm>

#include "svg/svg_number.h"

namespace vxhost::svg {
namespace {

std::string_view Trim(std::string_view text) {
  SkipSpace(text);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\n' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

}  // namespace

bool ParseLengthIn(std::string_view text, const Viewport& viewport, Axis axis, double& value) {
  text = Trim(text);
  if (text.empty() || text.back() != '%') return ParseLength(text, value);
  double percent = 0;
  if (!ParseNumber(text.substr(0, text.size() - 1), percent)) return false;
  const double reference = axis == Axis::kX ? viewport.width : axis == Axis::kY ? viewport.height : viewport.Diagonal();
  value = percent / 100 * reference;
  return true;
}

bool ParseViewBox(std::string_view text, ViewBox& box) {
  double v[4];
  SkipSpace(text);
  for (double& value : v) {
    if (!ReadNumber(text, value)) return false;
    SkipSeparators(text);
  }
  if (!Trim(text).empty() || !(v[2] > 0) || !(v[3] > 0)) return false;
  box = {v[0], v[1], v[2], v[3]};
  return true;
}

ai::RealMatrix ViewBoxTransform(const ViewBox& box, std::string_view preserveAspectRatio, double x, double y,
                                double width, double height) {
  std::string_view text = Trim(preserveAspectRatio);
  if (text.substr(0, 5) == "defer") text = Trim(text.substr(5));
  const std::string_view align = text.substr(0, text.find(' '));
  const bool slice = Trim(text.substr(align.size())) == "slice";
  double sx = width / box.width, sy = height / box.height;
  double tx = x - box.x * sx, ty = y - box.y * sy;
  if (align == "none") return {sx, 0, 0, sy, tx, ty};
  const bool known = align.size() == 8 && align[0] == 'x' && align[4] == 'Y';
  const std::string_view ax = known ? align.substr(1, 3) : "Mid", ay = known ? align.substr(5, 3) : "Mid";
  const double s = slice ? std::max(sx, sy) : std::min(sx, sy);
  const double freeX = width - box.width * s, freeY = height - box.height * s;
  const double fx = ax == "Min" ? 0 : ax == "Max" ? 1 : 0.5, fy = ay == "Min" ? 0 : ay == "Max" ? 1 : 0.5;
  return {s, 0, 0, s, x - box.x * s + freeX * fx, y - box.y * s + freeY * fy};
}

Viewport RootViewport(std::string_view viewBox, std::string_view width, std::string_view height) {
  Viewport viewport;
  ViewBox box;
  if (ParseViewBox(viewBox, box)) return {box.width, box.height};
  double value = 0;
  if (ParseLength(width, value) && value > 0) viewport.width = value;
  if (ParseLength(height, value) && value > 0) viewport.height = value;
  return viewport;
}

}  // namespace vxhost::svg
