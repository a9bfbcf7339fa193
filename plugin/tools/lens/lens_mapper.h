// The Lens tool's point mappers. A point is first normalised into the lens: its
// offset from the lens centre with the vertical part stretched by W/H, so the
// ellipse W x H acts as a circle of radius R = W/2; the mapped offset is given
// back its ellipse scale. Points on or beyond the rim are left alone.
#pragma once

#include <algorithm>
#include <cmath>
#include <numbers>

#include "frame/host/art_records.h"
#include "frame/host/codes.h"
#include "geometry/deformation.h"

namespace vx {

enum LensType : int16_t { kFishEyeLens = 0, kMagnifyingLens = 1, kTwirlLens = 2, kToneLens = 3 };

struct LensGeometry {
  ai::RealPoint centre;
  double width;
  double height;

  double radius() const { return width / 2; }
  // The vertical stretch that turns the ellipse into the circle of radius W/2.
  double stretch() const { return width != height ? width / height : 1; }

  // The point's offset in the circle's frame and its distance from the centre.
  void Normalise(ai::RealPoint p, double& dx, double& dy, double& l) const {
    dx = p.x - centre.x;
    dy = (p.y - centre.y) * stretch();
    l = std::sqrt(dx * dx + dy * dy);
  }
  ai::RealPoint Unnormalise(double dx, double dy) const { return {centre.x + dx, centre.y + dy / stretch()}; }
  // Lens centre for a pointer at `p`: the pointer holds the lens box's lower right corner.
  static ai::RealPoint CentreFor(ai::RealPoint p, double width, double height) {
    return {p.x - width / 2, p.y + height / 2};
  }
};

// Fish-eye: thickness b in [-1, 1]; positive enlarges the centre, negative
// shrinks it; the rim stays.
struct FishEyeMapper {
  LensGeometry lens;
  double thickness;

  ai::Code operator()(ai::RealPoint& p) const {
    double dx, dy, l;
    lens.Normalise(p, dx, dy, l);
    const double R = lens.radius();
    if (l >= R) return kPointUntouched;
    if (l == 0) return ai::kNoError;
    const double b = std::clamp(thickness, -1.0, 1.0);
    double t;
    if (b > 0) {
      const double o = std::atan(l / R);
      if (b == 1) {
        t = R * std::sin(2 * o);
      } else {
        const double w = (0.5 / b - 0.5 * b) * R;
        const double S = std::sqrt(w * w + R * R);
        const double B = std::clamp((R - w) * std::sin(o) / S, -1.0, 1.0);
        t = (std::sqrt(1 - B * B) * std::sin(o) + B * std::cos(o)) * S;
      }
    } else if (b < 0) {
      if (b == -1) {
        const double g = l / R;
        t = l / (1 + std::sqrt(1 - g * g));
      } else {
        const double o = (0.5 / b - 0.5 * b) * R;
        const double S = std::sqrt(o * o + R * R);
        const double q = l < S ? o + R + S * std::sqrt(1 - (l / S) * (l / S)) : o + R;
        t = l * R / q;
      }
    } else {
      return ai::kNoError;
    }
    p = lens.Unnormalise(dx / l * t, dy / l * t);
    return ai::kNoError;
  }
};

// Magnifying: the disk of radius R/sqrt(c) fills the lens; what lies between it
// and the rim is pressed onto the rim.
struct MagnifyingMapper {
  LensGeometry lens;
  double magnification;

  ai::Code operator()(ai::RealPoint& p) const {
    double dx, dy, l;
    lens.Normalise(p, dx, dy, l);
    const double R = lens.radius();
    if (l >= R) return kPointUntouched;
    double f = std::sqrt(std::max(magnification, 0.0));
    if (l > R / f) f = R / l;
    p = lens.Unnormalise(f * dx, f * dy);
    return ai::kNoError;
  }
};

// Twirl: rotation about the centre, clockwise for a positive angle; one cycle
// turns the centre fully and the rim not at all, more cycles wave in between.
struct TwirlMapper {
  LensGeometry lens;
  double angle;
  int32_t cycle;

  double AngleAt(double g) const {
    if (cycle == 1) return -std::fabs(1 - g) * angle;
    const double m = g * angle / 2;
    const double k = std::cos(cycle * std::numbers::pi * g);
    return cycle % 2 != 0 ? -k * m - m : k * m - m;
  }

  ai::Code operator()(ai::RealPoint& p) const {
    double dx, dy, l;
    lens.Normalise(p, dx, dy, l);
    const double R = lens.radius();
    if (l >= R) return kPointUntouched;
    const double theta = AngleAt(l / R);
    const double c = std::cos(theta), s = std::sin(theta);
    p = lens.Unnormalise(dx * c - dy * s, dx * s + dy * c);
    return ai::kNoError;
  }
};

// The tone lens's scale factors for an object centred at `o`; false when the
// centre lies outside the lens.
inline bool ToneFactors(const LensGeometry& lens, ai::RealPoint o, double minH, double minV, double& sx, double& sy) {
  double dx, dy, l;
  lens.Normalise(o, dx, dy, l);
  if (l >= lens.radius()) return false;
  const double g = l / lens.radius();
  sx = std::max((1 - g) * minH + g, 0.0);
  sy = std::max((1 - g) * minV + g, 0.0);
  return true;
}

}  // namespace vx
