#include "svg/path_data.h"

#include <cmath>
#include <numbers>

#include "svg/svg_number.h"

namespace vxhost::svg {
namespace {

using ai::RealPoint;

ai::SegRecord Corner(RealPoint p) { return ai::SegRecord{p, p, p, 1, 0}; }

bool Same(RealPoint a, RealPoint b) { return a.x == b.x && a.y == b.y; }

RealPoint Lerp(RealPoint a, RealPoint b, double t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }

}  // namespace

int32_t CornerFlag(const ai::SegRecord& s) {
  const double ux = s.in.x - s.anchor.x, uy = s.in.y - s.anchor.y;
  const double vx = s.out.x - s.anchor.x, vy = s.out.y - s.anchor.y;
  const double lu = std::hypot(ux, uy), lv = std::hypot(vx, vy);
  if (lu == 0 || lv == 0) return 1;
  const double cross = ux * vy - uy * vx;
  const double dot = ux * vx + uy * vy;
  return dot < 0 && std::fabs(cross) <= 1e-9 * lu * lv ? 0 : 1;
}

// ---- PathBuilder

Subpath& PathBuilder::Open() {
  if (!open_) {
    subpaths_.push_back({});
    subpaths_.back().segments.push_back(Corner(current_));
    start_ = current_;
    open_ = true;
  }
  return subpaths_.back();
}

void PathBuilder::MoveTo(RealPoint p) {
  open_ = false;
  current_ = p;
  hasCurrent_ = true;
  Open();
}

void PathBuilder::LineTo(RealPoint p) {
  Open().segments.push_back(Corner(p));
  current_ = p;
}

void PathBuilder::CubicTo(RealPoint c1, RealPoint c2, RealPoint p) {
  Subpath& path = Open();
  path.segments.back().out = c1;
  path.segments.push_back(ai::SegRecord{p, c2, p, 1, 0});
  current_ = p;
}

void PathBuilder::QuadTo(RealPoint c, RealPoint p) {
  CubicTo(Lerp(current_, c, 2.0 / 3), Lerp(p, c, 2.0 / 3), p);
}

void PathBuilder::ArcTo(double rx, double ry, double rotation, bool largeArc, bool sweep, RealPoint p) {
  const RealPoint p0 = current_;
  if (Same(p0, p)) return;  // SVG draws nothing
  rx = std::fabs(rx);
  ry = std::fabs(ry);
  if (rx == 0 || ry == 0) {
    LineTo(p);
    return;
  }
  // Centre parameterisation (SVG implementation notes, F.6.5).
  const double phi = rotation * std::numbers::pi / 180;
  const double cosPhi = std::cos(phi), sinPhi = std::sin(phi);
  const double dx = (p0.x - p.x) / 2, dy = (p0.y - p.y) / 2;
  const double x1 = cosPhi * dx + sinPhi * dy, y1 = -sinPhi * dx + cosPhi * dy;
  const double lambda = (x1 * x1) / (rx * rx) + (y1 * y1) / (ry * ry);
  if (lambda > 1) {
    const double grow = std::sqrt(lambda);
    rx *= grow;
    ry *= grow;
  }
  const double num = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1;
  const double den = rx * rx * y1 * y1 + ry * ry * x1 * x1;
  double root = den == 0 ? 0 : std::sqrt(std::max(0.0, num / den));
  if (largeArc == sweep) root = -root;
  const double cx1 = root * rx * y1 / ry, cy1 = -root * ry * x1 / rx;
  const double cx = cosPhi * cx1 - sinPhi * cy1 + (p0.x + p.x) / 2;
  const double cy = sinPhi * cx1 + cosPhi * cy1 + (p0.y + p.y) / 2;
  const double theta1 = std::atan2((y1 - cy1) / ry, (x1 - cx1) / rx);
  double delta = std::atan2((-y1 - cy1) / ry, (-x1 - cx1) / rx) - theta1;
  if (sweep && delta < 0) delta += 2 * std::numbers::pi;
  if (!sweep && delta > 0) delta -= 2 * std::numbers::pi;
  if (!std::isfinite(delta)) {
    LineTo(p);
    return;
  }

  // Pieces of at most 90 degrees; each is the unit circle's arc scaled, turned
  // and moved onto the ellipse.
  const int pieces = std::max(1, static_cast<int>(std::ceil(std::fabs(delta) / (std::numbers::pi / 2) - 1e-12)));
  const double step = delta / pieces;
  const double k = 4.0 / 3.0 * std::tan(step / 4);
  auto onEllipse = [&](double x, double y) {
    return RealPoint{cx + cosPhi * rx * x - sinPhi * ry * y, cy + sinPhi * rx * x + cosPhi * ry * y};
  };
  double angle = theta1;
  for (int i = 0; i < pieces; ++i) {
    const double next = angle + step;
    const double c0 = std::cos(angle), s0 = std::sin(angle), c1 = std::cos(next), s1 = std::sin(next);
    const RealPoint end = i + 1 == pieces ? p : onEllipse(c1, s1);
    CubicTo(onEllipse(c0 - k * s0, s0 + k * c0), onEllipse(c1 + k * s1, s1 - k * c1), end);
    angle = next;
  }
}

void PathBuilder::Close() {
  if (!open_) return;
  Subpath& path = subpaths_.back();
  path.closed = true;
  auto& segments = path.segments;
  if (segments.size() > 1 && Same(segments.back().anchor, segments.front().anchor)) {
    segments.front().in = segments.back().in;
    segments.pop_back();
  }
  open_ = false;
  current_ = start_;
}

std::vector<Subpath> PathBuilder::Finish() {
  auto lone = [](const Subpath& s) { return !s.closed && s.segments.size() == 1; };
  std::vector<Subpath> kept;
  bool anyDrawn = false;
  for (const Subpath& s : subpaths_) anyDrawn = anyDrawn || !lone(s);
  for (Subpath& s : subpaths_) {
    if (anyDrawn && lone(s)) continue;
    for (ai::SegRecord& segment : s.segments) segment.corner = CornerFlag(segment);
    kept.push_back(std::move(s));
  }
  subpaths_.clear();
  open_ = false;
  return kept;
}

// ---- parsing

namespace {

int ArgumentCount(char command) {
  switch (command | 0x20) {
    case 'm': case 'l': case 't': return 2;
    case 'h': case 'v': return 1;
    case 'c': return 6;
    case 's': case 'q': return 4;
    case 'a': return 7;
    case 'z': return 0;
    default: return -1;
  }
}

bool ReadFlag(std::string_view& text, double& value) {
  SkipSpace(text);
  if (text.empty() || (text.front() != '0' && text.front() != '1')) return false;
  value = text.front() - '0';
  text.remove_prefix(1);
  return true;
}

}  // namespace

bool ParsePathData(std::string_view d, std::vector<Subpath>& subpaths, std::string* error) {
  PathBuilder path;
  const std::string_view all = d;
  char command = 0;
  char previous = 0;  // the command of the last segment drawn, for S and T
  RealPoint lastControl{0, 0};
  auto fail = [&](const char* what) {
    if (error != nullptr) *error = std::string(what) + " at offset " + std::to_string(all.size() - d.size());
    subpaths = path.Finish();
    return false;
  };

  SkipSpace(d);
  while (!d.empty()) {
    const char c = d.front();
    if (ArgumentCount(c) >= 0) {
      command = c;
      d.remove_prefix(1);
    } else if (command == 0) {
      return fail("path data must start with a moveto");
    } else if (command == 'M' || command == 'm') {
      command = command == 'M' ? 'L' : 'l';  // numbers after a moveto are lines
    } else if (command == 'Z' || command == 'z') {
      return fail("numbers after closepath");
    }
    if (!path.hasCurrent() && (command | 0x20) != 'm') return fail("path data must start with a moveto");

    double v[7];
    const int count = ArgumentCount(command);
    for (int i = 0; i < count; ++i) {
      SkipSeparators(d);
      const bool flag = (command | 0x20) == 'a' && (i == 3 || i == 4);
      if (!(flag ? ReadFlag(d, v[i]) : ReadNumber(d, v[i]))) return fail("malformed number");
    }
    const bool relative = command >= 'a';
    const RealPoint at = path.current();
    auto point = [&](double x, double y) { return relative ? RealPoint{at.x + x, at.y + y} : RealPoint{x, y}; };
    const char kind = static_cast<char>(command | 0x20);
    switch (kind) {
      case 'm': path.MoveTo(point(v[0], v[1])); break;
      case 'l': path.LineTo(point(v[0], v[1])); break;
      case 'h': path.LineTo({relative ? at.x + v[0] : v[0], at.y}); break;
      case 'v': path.LineTo({at.x, relative ? at.y + v[0] : v[0]}); break;
      case 'c': {
        const RealPoint c2 = point(v[2], v[3]);
        path.CubicTo(point(v[0], v[1]), c2, point(v[4], v[5]));
        lastControl = c2;
        break;
      }
      case 's': {
        const RealPoint c1 = previous == 'c' || previous == 's'
                                 ? RealPoint{2 * at.x - lastControl.x, 2 * at.y - lastControl.y}
                                 : at;
        const RealPoint c2 = point(v[0], v[1]);
        path.CubicTo(c1, c2, point(v[2], v[3]));
        lastControl = c2;
        break;
      }
      case 'q': {
        const RealPoint c = point(v[0], v[1]);
        path.QuadTo(c, point(v[2], v[3]));
        lastControl = c;
        break;
      }
      case 't': {
        const RealPoint c = previous == 'q' || previous == 't'
                                ? RealPoint{2 * at.x - lastControl.x, 2 * at.y - lastControl.y}
                                : at;
        path.QuadTo(c, point(v[0], v[1]));
        lastControl = c;
        break;
      }
      case 'a': path.ArcTo(v[0], v[1], v[2], v[3] != 0, v[4] != 0, point(v[5], v[6])); break;
      case 'z': path.Close(); break;
    }
    previous = kind;
    SkipSeparators(d);
  }
  subpaths = path.Finish();
  return true;
}

// ---- writing

namespace {

void AppendPoint(std::string& out, RealPoint p) {
  out += ' ';
  AppendNumber(out, p.x);
  out += ' ';
  AppendNumber(out, p.y);
}

// The curve from `from` to `to`: a line when both handles sit on their anchors.
void AppendCurve(std::string& out, const ai::SegRecord& from, const ai::SegRecord& to) {
  if (Same(from.out, from.anchor) && Same(to.in, to.anchor)) {
    out += " L";
  } else {
    out += " C";
    AppendPoint(out, from.out);
    AppendPoint(out, to.in);
  }
  AppendPoint(out, to.anchor);
}

}  // namespace

std::string FormatPathData(const std::vector<Subpath>& subpaths) {
  std::string out;
  for (const Subpath& path : subpaths) {
    const auto& s = path.segments;
    if (s.empty()) continue;
    if (!out.empty()) out += ' ';
    out += 'M';
    AppendPoint(out, s.front().anchor);
    for (size_t i = 1; i < s.size(); ++i) AppendCurve(out, s[i - 1], s[i]);
    if (!path.closed) continue;
    // A straight closing line between distinct anchors is what Z draws by itself.
    // Otherwise the closing curve is written out; its end then meets the first
    // anchor, which reading merges back into one segment.
    const ai::SegRecord& last = s.back();
    const bool straight = Same(last.out, last.anchor) && Same(s.front().in, s.front().anchor);
    if (!straight || Same(last.anchor, s.front().anchor)) AppendCurve(out, last, s.front());
    out += " Z";
  }
  return out;
}

}  // namespace vxhost::svg
