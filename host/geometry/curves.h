// Geometry the host needs for its own services: points through matrices, the
// tight bounds of cubic curves, the nearest point on a curve and point-in-fill.
#pragma once

#include <vector>

#include "frame/host/art_records.h"

namespace vxhost {

inline ai::RealPoint Apply(const ai::RealMatrix& m, ai::RealPoint p) {
  return {p.x * m.a + p.y * m.c + m.tx, p.x * m.b + p.y * m.d + m.ty};
}
ai::RealMatrix Multiply(const ai::RealMatrix& first, const ai::RealMatrix& second);
bool Invert(const ai::RealMatrix& m, ai::RealMatrix& inverse);
// The matrix that flips y (document <-> SVG user space); its own inverse.
constexpr ai::RealMatrix kFlipY{1, 0, 0, -1, 0, 0};

// A cubic by its four points.
struct Cubic {
  ai::RealPoint p0, p1, p2, p3;
  ai::RealPoint At(double t) const;
};

// The curves of a path: n-1 for an open path, n for a closed one.
std::vector<Cubic> CurvesOf(const std::vector<ai::SegRecord>& segments, bool closed);

// Grows `box` (left, top, right, bottom with y up) to hold a point.
struct BoxBuilder {
  bool empty = true;
  ai::RealRect box{0, 0, 0, 0};
  void Add(ai::RealPoint p);
  void AddCurveTight(const Cubic& c);
};

// The nearest point of a cubic to `p`: parameter and distance.
struct Nearest {
  double t;
  double distance;
  ai::RealPoint point;
};
Nearest NearestOnCubic(const Cubic& c, ai::RealPoint p);

// Winding number of a closed outline made of cubics around `p`, flattened finely.
int Winding(const std::vector<Cubic>& curves, ai::RealPoint p, bool& onEdge);

}  // namespace vxhost
