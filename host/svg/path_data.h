// SVG path data ("d") to cubic segment runs and back. Coordinates stay in the
// element's own user space (y down); the reader maps them into the document.
//
// A run's segments follow the host's convention: the curve from segment i to i+1
// is anchor(i), out(i), in(i+1), anchor(i+1); a straight piece has its handles on
// its anchors. Quadratic curves become cubics exactly; elliptical arcs become
// cubics of at most 90 degrees each with handles 4/3 tan(θ/4) long, whose radial
// error is below 2.7e-4 of the radius.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "frame/host/art_records.h"

namespace vxhost::svg {

struct Subpath {
  std::vector<ai::SegRecord> segments;
  bool closed = false;
};

// Builds subpaths from drawing operations.
class PathBuilder {
 public:
  void MoveTo(ai::RealPoint p);
  void LineTo(ai::RealPoint p);
  void CubicTo(ai::RealPoint c1, ai::RealPoint c2, ai::RealPoint p);
  void QuadTo(ai::RealPoint c, ai::RealPoint p);
  // SVG's elliptical arc from the current point to `p`.
  void ArcTo(double rx, double ry, double xAxisRotationDegrees, bool largeArc, bool sweep, ai::RealPoint p);
  // Closes the current subpath. When its last anchor sits on its first, the two
  // become one segment: the closing curve runs from the last segment to the first.
  void Close();

  ai::RealPoint current() const { return current_; }
  bool hasCurrent() const { return hasCurrent_; }
  // The finished subpaths, with corner flags set. A subpath made by a lone moveto
  // is dropped unless it would leave nothing at all.
  std::vector<Subpath> Finish();

 private:
  Subpath& Open();
  std::vector<Subpath> subpaths_;
  bool open_ = false;  // the last subpath takes more segments
  bool hasCurrent_ = false;
  ai::RealPoint current_{0, 0};
  ai::RealPoint start_{0, 0};
};

// Parses path data. On an error the subpaths read so far are kept (as SVG
// renders them) and `error`, when given, says where it stopped. Returns false
// on an error.
bool ParsePathData(std::string_view d, std::vector<Subpath>& subpaths, std::string* error = nullptr);

// Path data for segment runs with absolute M, L, C and Z commands and shortest
// numbers, such that ParsePathData gives back identical segments (corner flags
// aside, which it recomputes).
std::string FormatPathData(const std::vector<Subpath>& subpaths);

// Corner flag of one segment: 1 unless both handles stand out from the anchor in
// opposite directions along one line.
int32_t CornerFlag(const ai::SegRecord& segment);

}  // namespace vxhost::svg
