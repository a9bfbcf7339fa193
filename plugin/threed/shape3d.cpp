#include "threed/shape3d.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "effects/framework/art_children.h"
#include "frame/error_messages.h"
#include "frame/suite_set.h"
#include "geometry/bezier.h"
#include "geometry/deformation.h"
#include "geometry/named_block.h"

namespace vx {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr char kTransformRunName[] = "transform sgs";

double Rad(double degrees) { return degrees * kPi / 180; }

// The host's real quotient: a zero divisor gives the limit with the dividend's
// sign (positive for 0), results saturate at the limit.
double Quotient(double a, double b) {
  if (b == 0) return a < 0 ? -kValueLimit : kValueLimit;
  return std::clamp(a / b, -kValueLimit, kValueLimit);
}

bool Overflows(double v) { return !(std::fabs(v) < kValueLimit); }

Matrix3 Multiply(const Matrix3& a, const Matrix3& b) {
  Matrix3 r{};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) r.m[i][j] = a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] + a.m[i][2] * b.m[2][j];
  return r;
}

inline void Apply(const Matrix3& m, double& x, double& y, double& z) {
  const double a = m.m[0][0] * x + m.m[0][1] * y + m.m[0][2] * z;
  const double b = m.m[1][0] * x + m.m[1][1] * y + m.m[1][2] * z;
  const double c = m.m[2][0] * x + m.m[2][1] * y + m.m[2][2] * z;
  x = a;
  y = b;
  z = c;
}

// The arc angle of the arc, screw and cylinder: Theta x / W, checked.
inline ai::Code ArcAngle(const Shape3DState& s, double x, double& phi) {
  const double product = s.arcAngle * x;
  if (Overflows(product)) return codes::kOverflow;
  phi = Quotient(product, s.width);
  return Overflows(phi) ? codes::kOverflow : ai::kNoError;
}

// The arc's bend of (x, y) by phi with the radius growing by g per turn.
inline void Bend(const Shape3DState& s, double phi, double& x, double& y) {
  const double rho = s.growth == 0 ? y : y + phi / kTwoPi * s.growth;
  x = rho * std::cos(kPi / 2 - phi);
  y = rho * std::sin(kPi / 2 - phi);
}

// Longitude of the sphere, torus and spiral: theta x / W, formed on the circle
// of `radius` as the host forms it.
inline double Longitude(const Shape3DState& s, double theta, double x) {
  return Quotient(Quotient(s.radius * theta, s.width) * x, kTwoPi * s.radius) * kTwoPi;
}

inline ai::Code Checked(double value, double& out) {
  if (Overflows(value)) return codes::kOverflow;
  out = value;
  return ai::kNoError;
}

// Torus and spiral: the point on the tube. Returns q, sets x', y'.
inline ai::Code OnTube(const Shape3DState& s, double lambda, double y, double& x2, double& y2, double& q) {
  const double r = s.tube;
  const double t = (r * s.angle2 / s.height) * y + r * s.shift;
  double rho;
  if (std::fabs(t) < kPi * r / 2 || std::fabs(t) > 3 * kPi * r / 2) {
    q = std::sin(t / r);
    rho = r;
  } else {
    q = t > 0 ? std::sin((kPi * r - t) / r) : std::sin((-kPi * r - t) / r);
    rho = -r;
  }
  const double q2 = q * q;
  if (q2 < 1) {
    rho = s.radius + rho * std::sqrt(1 - q2);
    if (ai::Code code = Checked(std::cos(lambda) * rho, x2)) return code;
    return Checked(std::sin(lambda) * rho, y2);
  }
  if (q2 == 1) {
    x2 = s.radius * std::cos(lambda);
    y2 = s.radius * std::sin(lambda);
  } else {
    x2 = y2 = 0;
  }
  return ai::kNoError;
}

}  // namespace

Matrix3 Rotation3D(double a, double b, double c) {
  const double ca = std::cos(Rad(a)), sa = std::sin(Rad(a));
  const double cb = std::cos(Rad(b)), sb = std::sin(Rad(b));
  const double cc = std::cos(Rad(c)), sc = std::sin(Rad(c));
  const Matrix3 rx{{{1, 0, 0}, {0, ca, -sa}, {0, sa, ca}}};
  const Matrix3 ry{{{cb, 0, sb}, {0, 1, 0}, {-sb, 0, cb}}};
  const Matrix3 rz{{{cc, -sc, 0}, {sc, cc, 0}, {0, 0, 1}}};
  return Multiply(Multiply(rx, ry), rz);
}

ai::Code Prepare3DShape(const _3DTFilterParams& params, const ai::RealRect& bounds, Shape3DState& s) {
  s = Shape3DState{};
  s.bounds = bounds;
  s.centre = {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
  s.width = bounds.right - bounds.left;
  s.height = bounds.top - bounds.bottom;
  s.halfDiagonal = std::hypot(bounds.left - s.centre.x, bounds.top - s.centre.y);
  s.viewerDistance =
      Quotient(std::hypot(bounds.right - bounds.left, bounds.bottom - bounds.top) * 0.5, params.perspective * 0.01);
  s.cursorOffset = {s.width * params.cursor.x, s.height * params.cursor.y};
  s.preRotation = Rotation3D(params.preRotX, params.preRotY, params.preRotZ);
  s.postRotation = Rotation3D(params.postRotX, params.postRotY, params.postRotZ);
  s.p[0] = params.shapeParam1;
  s.p[1] = params.shapeParam2;
  s.p[2] = params.shapeParam3;
  s.p[3] = params.shapeParam4;
  const int shape = params.shapeType >= 0 && params.shapeType < kShapeCount ? params.shapeType : 0;
  const double kx = s.cursorOffset.x, ky = s.cursorOffset.y;
  const ai::RealPoint atCursor{s.centre.x + kx, s.centre.y + ky};

  if (params.showMapped == 0 && shape != 0) {
    s.origin = s.centre;
    s.mapper = Mapper3D::kPlain;
    return ai::kNoError;
  }
  s.origin = atCursor;
  const double theta = Rad(s.p[0]);
  const double W = s.width, H = s.height, R = s.halfDiagonal;
  auto arc = [&] {
    s.arcAngle = ky > 0 ? -theta : theta;
    const double hh = H == 0 ? W : H;
    s.growth = (kx > 0 ? -s.p[1] : s.p[1]) / 100 * hh;
  };
  auto waves = [&] {
    s.ampH = s.p[0] / 100 * (W == 0 ? H : W);
    s.ampV = s.p[2] / 100 * (H == 0 ? W : H);
    s.termV = s.ampV != 0;
    s.termH = s.ampV == 0 || s.ampH != 0;
    // A term's wave runs along the width or height: without one it has no shape.
    s.degenerate = (s.termH && s.ampH != 0 && W == 0) || (s.termV && H == 0);
  };
  auto ring = [&] {
    s.origin = s.centre;
    s.radius = std::fabs(ky);
    s.tube = std::fabs(kx);
    s.theta = theta;
    s.angle2 = Rad(s.p[1]);
    s.shift = Rad(s.p[2]);
    s.degenerate = s.radius == 0 || s.tube == 0 || W == 0 || H == 0;
  };
  switch (shape) {
    case 0:
      s.mapper = Mapper3D::kPlain;
      break;
    case 1:
      s.mapper = Mapper3D::kTwist;
      s.theta = theta;
      s.degenerate = W == 0 && theta != 0;
      break;
    case 2:
      s.mapper = Mapper3D::kArc;
      arc();
      break;
    case 3:
      s.mapper = Mapper3D::kScrew;
      arc();
      s.growthZ = s.p[2] / 100 * (H == 0 ? W : H);
      s.screwTwist = Rad(s.p[3]);
      break;
    case 4:
      s.mapper = Mapper3D::kTwirl;
      s.theta = theta;
      s.twirlSign = static_cast<int64_t>(std::round(s.p[1])) % 2 != 0 ? -1 : 1;
      s.degenerate = R == 0;
      break;
    case 5:
      s.mapper = Mapper3D::kWaveHV;
      waves();
      break;
    case 6:
      s.mapper = Mapper3D::kWaveZ;
      waves();
      break;
    case 7:
      s.mapper = Mapper3D::kWaveR;
      s.ampR = s.p[0] / 100 * R;
      s.phase = Rad(s.p[2]);
      s.degenerate = R == 0;
      break;
    case 8:
      s.mapper = Mapper3D::kSphere;
      s.origin = s.centre;
      s.radius = std::hypot(kx, ky);
      s.theta = theta;
      s.angle2 = Rad(s.p[1]);
      s.shift = Rad(s.p[2]);
      s.degenerate = s.radius == 0 || H == 0;
      break;
    case 9:
      s.mapper = Mapper3D::kTorus;
      ring();
      break;
    case 10:
      s.mapper = Mapper3D::kSpiral;
      ring();
      break;
    case 11:
      s.mapper = Mapper3D::kCylinder;
      arc();
      s.heightFactor = s.p[1] / 100;
      break;
  }
  const bool round = shape >= 8 && shape <= 10;
  return round && (s.radius == 0 || (shape != 8 && s.tube == 0)) ? kZeroRadius : ai::kNoError;
}

ai::Code MapPoint3D(const Shape3DState& s, double& x, double& y, double& z) {
  if (s.mapper == Mapper3D::kPlain) {
    z = 0;
    Apply(s.preRotation, x, y, z);
    return ai::kNoError;
  }
  const double kx = s.cursorOffset.x, ky = s.cursorOffset.y;
  const double vx = x, vy = y;
  if (s.mapper == Mapper3D::kScrew) {
    double cy = vy + ky, cz = 0;
    if (s.screwTwist != 0) {
      const double t = s.screwTwist * ((vx + kx) / s.width + 0.5);
      const double ny = cy * std::cos(t) - cz * std::sin(t);
      cz = cy * std::sin(t) + cz * std::cos(t);
      cy = ny;
    }
    x = vx + kx;
    y = cy;
    z = cz;
  } else {
    x = vx + kx;
    y = vy + ky;
    z = 0;
  }
  Apply(s.preRotation, x, y, z);
  x -= kx;
  y -= ky;

  switch (s.mapper) {
    case Mapper3D::kPlain:
      break;
    case Mapper3D::kTwist:
      if (s.theta != 0) {
        const double t = s.theta * (x / s.width + 0.5);
        const double ny = y * std::cos(t) - z * std::sin(t);
        z = y * std::sin(t) + z * std::cos(t);
        y = ny;
      }
      break;
    case Mapper3D::kArc:
    case Mapper3D::kScrew: {
      double phi = 0;
      if (ai::Code code = ArcAngle(s, x, phi)) return code;
      Bend(s, phi, x, y);
      if (s.mapper == Mapper3D::kScrew) z -= phi / kTwoPi * s.growthZ;
      break;
    }
    case Mapper3D::kTwirl: {
      const double rho = std::hypot(x, y) / s.halfDiagonal;
      const double alpha = s.p[1] == 1 ? s.theta * rho - s.theta
                                       : s.twirlSign * (s.theta / 2) * std::cos(kPi * s.p[1] * rho) - s.theta / 2;
      const double c = std::cos(alpha), sn = std::sin(alpha);
      const double nx = x * c - y * sn;
      y = x * sn + y * c;
      x = nx;
      break;
    }
    case Mapper3D::kWaveHV: {
      const double x0 = x, y0 = y;
      if (s.termH) y = y0 + s.ampH / 2 * std::sin(kTwoPi * s.p[1] * x0 / s.width);
      if (s.termV) x = x0 - s.ampV / 2 * std::sin(kTwoPi * s.p[3] * y0 / s.height);
      break;
    }
    case Mapper3D::kWaveZ:
      if (s.termH) z += s.ampH / 2 * std::sin(kTwoPi * s.p[1] * x / s.width);
      if (s.termV) z += s.ampV / 2 * std::sin(kTwoPi * s.p[3] * y / s.height);
      break;
    case Mapper3D::kWaveR:
      z += s.ampR / 2 * std::cos(kTwoPi * s.p[1] * std::hypot(vx, vy) / s.halfDiagonal - s.phase);
      break;
    case Mapper3D::kSphere: {
      const double rs = s.radius;
      const double lambda = Longitude(s, s.theta, x);
      const double phi = Quotient(Quotient(y * rs * (s.angle2 + s.shift), s.height) + rs * (s.angle2 - s.shift) / 2, rs);
      const double sn = std::sin(phi);
      z += s.p[3] / 100 * rs * sn;
      const double s2 = sn * sn;
      if (s2 >= 0 && s2 < 1) {
        const double ring = std::sqrt(1 - s2) * rs;
        if (ai::Code code = Checked(std::cos(lambda) * ring, x)) return code;
        if (ai::Code code = Checked(std::sin(lambda) * ring, y)) return code;
      } else {
        x = y = 0;
      }
      break;
    }
    case Mapper3D::kTorus:
    case Mapper3D::kSpiral: {
      const double lambda = Longitude(s, s.theta, x);
      double q = 0;
      if (ai::Code code = OnTube(s, lambda, y, x, y, q)) return code;
      if (s.mapper == Mapper3D::kTorus) z += s.p[3] / 100 * s.tube * q;
      else z += s.tube * q - lambda / kTwoPi * (s.p[3] / 100) * 2 * s.tube;
      break;
    }
    case Mapper3D::kCylinder: {
      double phi = 0;
      if (ai::Code code = ArcAngle(s, x, phi)) return code;
      const double r = y;
      x = r * std::sin(phi);
      y = s.heightFactor != 1 ? r * s.heightFactor * std::cos(phi) : r * std::cos(phi);
      break;
    }
  }
  Apply(s.postRotation, x, y, z);
  return ai::kNoError;
}

ai::RealPoint Project3D(double d, double x, double y, double z) {
  if (std::fabs(d) >= kValueLimit) return {x, y};
  const double f = Quotient(d, d - z);
  if (std::fabs(f) >= kValueLimit) return {x, y};
  return {f * x, f * y};
}

namespace {

// Maps and projects one page point; the depth after the turn goes to `depth`.
ai::Code MapPagePoint(const Shape3DState& s, ai::RealPoint& point, double& depth) {
  double x = point.x - s.origin.x, y = point.y - s.origin.y, z = 0;
  if (ai::Code code = MapPoint3D(s, x, y, z)) return code;
  const ai::RealPoint offset = Project3D(s.viewerDistance, x, y, z);
  point = {s.origin.x + offset.x, s.origin.y + offset.y};
  depth = z;
  return ai::kNoError;
}

ai::Code CollectPaths(ai::ArtHandle art, std::vector<MappedPath3D>& paths, ai::RealRect& bounds) {
  int16_t kind = 0;
  if (ai::Code code = suites::Art().getKind(art, &kind)) return code;
  if (kind == ai::art_kind::kGroup || kind == ai::art_kind::kCompoundPath || kind == ai::art_kind::kContainer)
    return ForEachChild(art, [&](ai::ArtHandle child) { return CollectPaths(child, paths, bounds); });
  if (kind != ai::art_kind::kPath) return ai::kNoError;
  ai::RealRect box{};
  if (ai::Code code = suites::Art().getBounds(art, nullptr, ai::bounds_option::kGeometric, &box)) return code;
  if (paths.empty()) {
    bounds = box;
  } else {
    bounds.left = std::min(bounds.left, box.left);
    bounds.right = std::max(bounds.right, box.right);
    bounds.top = std::max(bounds.top, box.top);
    bounds.bottom = std::min(bounds.bottom, box.bottom);
  }
  paths.push_back({art, kUnsetValue, false});
  return ai::kNoError;
}

}  // namespace

ai::Code Map3DPathDirect(const Shape3DState& s, MappedPath3D& entry) {
  SourcePath source;
  if (ai::Code code = ReadSourcePath(entry.path, source)) return code;
  if (source.count < 2) return ai::kNoError;
  double ignored = 0;
  for (int32_t i = 0; i < source.count; ++i) {
    SegRecord& seg = source.segments[i];
    double depth = 0;
    if (ai::Code code = MapPagePoint(s, seg.anchor, depth)) return code;
    if (ai::Code code = MapPagePoint(s, seg.out, ignored)) return code;
    if (ai::Code code = MapPagePoint(s, seg.in, ignored)) return code;
    seg.corner = 1;
    entry.depth = std::max(entry.depth, depth);
  }
  entry.mapped = true;
  return WriteRun(entry.path, source.segments, source.count);
}

ai::Code Map3DPathSubdivided(const Shape3DState& s, SegRecord* run, MappedPath3D& entry) {
  int32_t count = 0;
  if (ai::Code code = suites::Path().getSegmentCount(entry.path, &count)) return code;
  if (count < 2) return ai::kNoError;
  const PerspectiveTransform transform{s.origin, s.viewerDistance, s.halfDiagonal};
  auto mapper = [&s](double& x, double& y, double& z) { return MapPoint3D(s, x, y, z); };
  // The engine compares the new cubic with the mapped curve at two sample
  // points only; a surface bends long segments enough that the cubic can pass
  // both and still stray half way. The midpoint is checked too, with the
  // engine's tolerance and its shortest checked length.
  const double tolerance = std::clamp(s.halfDiagonal / 200, 0.5, 5.0);
  const double shortest = std::max(s.halfDiagonal / 100, 2.0);
  double depth = kUnsetValue;
  const ai::Code code = MapSegmentRun(entry.path, run, [&](SegmentPair& pair, bool check) {
    const SegmentPair original = pair;
    ai::Code mapped = MapSegmentPerspective(mapper, transform, pair, &depth, check);
    // A point beyond the viewer is drawn all the same.
    if (mapped == kBeyondViewer) mapped = ai::kNoError;
    if (mapped != ai::kNoError || !check || std::hypot(original.p3().x - original.p0().x,
                                                       original.p3().y - original.p0().y) < shortest)
      return mapped;
    ai::RealPoint middle = BezierPointAt(original, 0.5);
    double ignored = 0;
    if (ai::Code failed = MapPagePoint(s, middle, ignored)) return failed;
    return PointsWithin(middle, BezierPointAt(pair, 0.5), tolerance) ? ai::kNoError : kNeedSplit;
  });
  if (code != ai::kNoError) return code;
  entry.depth = depth;
  entry.mapped = true;
  return ai::kNoError;
}

ai::Code DepthSortPaths(ai::ArtHandle art, const std::vector<MappedPath3D>& paths) {
  ai::LayerHandle layer = nullptr;
  if (ai::Code code = suites::Art().getLayer(art, &layer)) return code;
  struct Entry {
    ai::ArtHandle child;
    double depth;
  };
  std::vector<Entry> entries;
  for (const MappedPath3D& path : paths) {
    if (!path.mapped) continue;
    ai::LayerHandle own = nullptr;
    if (ai::Code code = suites::Art().getLayer(path.path, &own)) return code;
    if (own != layer) return codes::kNotSameLayer;
    // The direct child of the art that holds this path.
    ai::ArtHandle child = path.path, parent = nullptr;
    for (;;) {
      if (ai::Code code = suites::Art().getParent(child, &parent)) return code;
      if (parent == art || parent == nullptr) break;
      child = parent;
    }
    if (parent != art) continue;
    auto same = std::find_if(entries.begin(), entries.end(), [child](const Entry& e) { return e.child == child; });
    if (same == entries.end()) entries.push_back({child, path.depth});
    else same->depth = std::max(same->depth, path.depth);
  }
  std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.depth < b.depth; });
  for (const Entry& entry : entries)
    if (ai::Code code = suites::Art().moveArt(entry.child, ai::placement::kInsideOnTop, art)) return code;
  return ai::kNoError;
}

ai::Code Transform3D(ai::ArtHandle art, const _3DTFilterParams& params) {
  std::vector<MappedPath3D> paths;
  ai::RealRect bounds{};
  if (ai::Code code = CollectPaths(art, paths, bounds)) return code;
  if (paths.empty()) return codes::kNoPathSelected;

  Shape3DState state;
  Prepare3DShape(params, bounds, state);
  // Bounds the shape cannot be formed on leave the art as it is.
  if (state.degenerate) return ai::kNoError;

  NamedBlock run;
  if (params.controlPointsOnly == 0) {
    if (ai::Code code = run.Allocate(sizeof(SegRecord) * kMaxRunSegments, kTransformRunName)) return code;
  }
  int mapped = 0;
  for (MappedPath3D& path : paths) {
    const ai::Code code = params.controlPointsOnly != 0 ? Map3DPathDirect(state, path)
                                                        : Map3DPathSubdivided(state, run.as<SegRecord>(), path);
    if (code != ai::kNoError) return code;
    if (path.mapped) ++mapped;
  }
  if (mapped > 1 && params.shapeType != 0 && params.showMapped == 1) return DepthSortPaths(art, paths);
  return ai::kNoError;
}

}  // namespace vx
