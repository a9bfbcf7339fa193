#include "svg/svg_shapes.h"

#include <algorithm>

#include "svg/svg_number.h"

namespace vxhost::svg {

std::vector<Subpath> RectShape(double x, double y, double w, double h, double rx, double ry) {
  if (!(w > 0) || !(h > 0)) return {};
  if (rx < 0 && ry < 0) rx = ry = 0;
  if (rx < 0) rx = ry;
  if (ry < 0) ry = rx;
  rx = std::min(rx, w / 2);
  ry = std::min(ry, h / 2);
  PathBuilder path;
  if (rx == 0 || ry == 0) {
    path.MoveTo({x, y});
    path.LineTo({x + w, y});
    path.LineTo({x + w, y + h});
    path.LineTo({x, y + h});
  } else {
    path.MoveTo({x + rx, y});
    path.LineTo({x + w - rx, y});
    path.ArcTo(rx, ry, 0, false, true, {x + w, y + ry});
    path.LineTo({x + w, y + h - ry});
    path.ArcTo(rx, ry, 0, false, true, {x + w - rx, y + h});
    path.LineTo({x + rx, y + h});
    path.ArcTo(rx, ry, 0, false, true, {x, y + h - ry});
    path.LineTo({x, y + ry});
    path.ArcTo(rx, ry, 0, false, true, {x + rx, y});
  }
  path.Close();
  return path.Finish();
}

std::vector<Subpath> EllipseShape(double cx, double cy, double rx, double ry) {
  if (!(rx > 0) || !(ry > 0)) return {};
  PathBuilder path;
  path.MoveTo({cx + rx, cy});
  path.ArcTo(rx, ry, 0, false, true, {cx, cy + ry});
  path.ArcTo(rx, ry, 0, false, true, {cx - rx, cy});
  path.ArcTo(rx, ry, 0, false, true, {cx, cy - ry});
  path.ArcTo(rx, ry, 0, false, true, {cx + rx, cy});
  path.Close();
  return path.Finish();
}

std::vector<Subpath> LineShape(double x1, double y1, double x2, double y2) {
  PathBuilder path;
  path.MoveTo({x1, y1});
  path.LineTo({x2, y2});
  return path.Finish();
}

std::vector<Subpath> PolyShape(std::string_view points, bool closed) {
  PathBuilder path;
  SkipSpace(points);
  double x = 0, y = 0;
  bool first = true;
  while (ReadNumber(points, x)) {
    SkipSeparators(points);
    if (!ReadNumber(points, y)) break;
    SkipSeparators(points);
    if (first) path.MoveTo({x, y}); else path.LineTo({x, y});
    first = false;
  }
  if (first) return {};
  if (closed) path.Close();
  return path.Finish();
}

}  // namespace vxhost::svg
