// Mapping flat paths onto one of twelve surfaces in space, turning the result
// and projecting it back onto the page in perspective.
//
// Page coordinates in points, y up; depth z grows toward the viewer. Angles in
// the record are degrees; everything here works in radians.
#pragma once

#include <cstdint>
#include <vector>

#include "frame/host/art_records.h"
#include "frame/host/codes.h"
#include "frame/host/handles.h"
#include "geometry/path_records.h"
#include "threed/threed_params.h"

namespace vx {

// Which point mapping a run uses.
enum class Mapper3D : uint8_t {
  kPlain,  // w = M1 v (shape 0, or any shape shown "before")
  kTwist,
  kArc,
  kScrew,
  kTwirl,
  kWaveHV,
  kWaveZ,
  kWaveR,
  kSphere,
  kTorus,
  kSpiral,
  kCylinder,
};

// The working values of one run, recomputed from the record and the bounds of
// the paths every time.
struct Shape3DState {
  ai::RealRect bounds{};  // of the mapped paths
  ai::RealPoint centre{};
  double width = 0, height = 0;
  double halfDiagonal = 0;    // R
  double viewerDistance = 0;  // D; kValueLimit or more: parallel projection
  ai::RealPoint cursorOffset{};  // k
  ai::RealPoint origin{};        // O
  Matrix3 preRotation{};   // M1
  Matrix3 postRotation{};  // M2

  Mapper3D mapper = Mapper3D::kPlain;
  // Set when the bounds leave the shape without a defined geometry (a zero
  // divisor the shape does not check, or a zero radius): the run maps nothing.
  bool degenerate = false;
  double p[4]{};  // the shape parameters as stored
  // Shape constants (radians where angles).
  double theta = 0;        // twist, twirl, sphere: rad P1
  double arcAngle = 0;     // arc, screw, cylinder: +-rad P1
  double growth = 0;       // arc, screw: g
  double growthZ = 0;      // screw: gz
  double screwTwist = 0;   // screw: rad P4
  double ampH = 0, ampV = 0;  // waves HV and Z
  bool termH = false, termV = false;
  double ampR = 0, phase = 0;  // wave R
  int twirlSign = 1;           // twirl cycle form
  double radius = 0;           // sphere Rs; torus and spiral Rm
  double tube = 0;             // torus and spiral r
  double angle2 = 0, shift = 0;  // sphere: north, south; torus: theta2, delta
  double heightFactor = 1;     // cylinder h
};

// Rx(a) Ry(b) Rz(c) for angles in degrees, applied to column vectors.
Matrix3 Rotation3D(double a, double b, double c);

// The half-open status of a preparation: the shape has a zero radius.
constexpr ai::Code kZeroRadius = 2;

// Fills the bounds values, the matrices, the origin, the shape constants and
// the mapper from the record and `bounds`. Answers 0, or kZeroRadius for a
// sphere, torus or spiral without radius (state.degenerate is then set).
ai::Code Prepare3DShape(const _3DTFilterParams& params, const ai::RealRect& bounds, Shape3DState& state);

// Maps the point (x, y, 0) given relative to the origin onto the shape and
// turns it: on return (x, y, z) relative to the origin. Answers 0 or kOverflow.
ai::Code MapPoint3D(const Shape3DState& state, double& x, double& y, double& z);

// The page offset from the origin of a mapped point seen from `viewerDistance`.
ai::RealPoint Project3D(double viewerDistance, double x, double y, double z);

// One collected path and the largest depth of its mapped anchors.
struct MappedPath3D {
  ai::ArtHandle path = nullptr;
  double depth = kUnsetValue;
  bool mapped = false;
};

// Maps one path: anchors and handles alone (direct), or segment by segment with
// splits where the mapped cubic leaves the mapped curve (subdivided, `run`
// holding kMaxRunSegments records). A path of fewer than two anchors is left
// as it is.
ai::Code Map3DPathDirect(const Shape3DState& state, MappedPath3D& entry);
ai::Code Map3DPathSubdivided(const Shape3DState& state, SegRecord* run, MappedPath3D& entry);

// Restacks the direct children of `art` that hold mapped paths so that the one
// nearest the viewer ends on top. kNotSameLayer when a path lies on another
// layer than the art.
ai::Code DepthSortPaths(ai::ArtHandle art, const std::vector<MappedPath3D>& paths);

// One whole run on `art`: collect its paths (kNoPathSelected when there is
// none), map them and restack them by depth.
ai::Code Transform3D(ai::ArtHandle art, const _3DTFilterParams& params);

}  // namespace vx
