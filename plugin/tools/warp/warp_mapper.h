// The Warp tool's point mapper. It works in the frame of the drag: x runs along
// the profile and y is displaced; the turned frame (Alt) exchanges the two.
#pragma once

#include <algorithm>
#include <cmath>
#include <numbers>

#include "frame/host/art_records.h"
#include "frame/host/codes.h"
#include "tools/warp/warp_shapes.h"

namespace vx {

struct WarpMapper {
  WarpProfile profile;
  bool perspective;
  bool turned;
  double x0;  // the profile's anchor
  double y0;  // the base line
  double K;
  double k2;  // perspective rate
  double dy;  // signed drag distance across the profile
  double X;   // reach of the profile from the anchor

  ai::Code operator()(ai::RealPoint& point) const {
    double x = turned ? point.y : point.x;
    double y = turned ? point.x : point.y;
    Map(x, y);
    point = turned ? ai::RealPoint{y, x} : ai::RealPoint{x, y};
    return ai::kNoError;
  }

  void Map(double& x, double& y) const {
    constexpr double pi = std::numbers::pi;
    double reach = X;
    double m = 1;
    const double r = std::clamp(k2 * dy, 0.0, 1.0);
    const auto t = [&](double at) { return std::min(reach, std::fabs(at - x0)) / reach; };
    // x0 + u on the side of x0 where x lies (x0 - u at x0 itself and left of it).
    const auto side = [&](double at, double u) { return at > x0 ? x0 + u : x0 - u; };
    switch (profile) {
      case WarpProfile::kCircleEdge: {
        if (perspective) {
          const double s = t(x);
          x = side(x, ((1 - std::cos(pi * s)) / 2 * r + s) * reach);
          reach *= 1 + r;
          m = 1 + r;
        }
        const double s = t(x);
        y += (y - y0) * K * dy * (1 - std::sqrt(std::fabs(1 - s * s))) * m;
        break;
      }
      case WarpProfile::kCircleCentre: {
        if (perspective) {
          const double s = t(x);
          x = side(x, ((std::sin(pi * s / 2) - s) * r + s) * reach);
        }
        const double s = t(x);
        y += (y - y0) * K * dy * std::sqrt(1 - s * s);
        break;
      }
      case WarpProfile::kDome: {
        if (perspective) x = side(x, std::sin(pi * t(x) / 2) * reach);
        const double s = t(x);
        y += K * dy * std::sqrt(1 - s * s);
        break;
      }
      case WarpProfile::kSineEdge: {
        if (perspective) {
          const double s = t(x);
          x = side(x, (std::asin(s) / (pi / 2) * r + s) * reach);
          reach *= 1 + r;
          m = 1 + r;
        }
        y += (y - y0) * K * dy * (1 - std::cos(pi * t(x))) * m;
        break;
      }
      case WarpProfile::kCosineCentre: {
        if (perspective) {
          const double s = t(x);
          x = side(x, ((std::acos(1 - s) / (pi / 2) - s) * r + s) * reach);
        }
        y += (y - y0) * K * dy * (1 + std::cos(pi * t(x)));
        break;
      }
      case WarpProfile::kBell:
        y += K * dy * (1 + std::cos(pi * t(x)));
        break;
      case WarpProfile::kSCurve: {
        if (perspective) {
          const double w = std::clamp(x - x0, -reach, reach);
          x = x0 + std::sin(pi * w / (2 * reach)) * reach;
        }
        const double w = std::clamp(x - x0, -reach, reach);
        y += std::asin(w / reach) * K * dy;
        break;
      }
      case WarpProfile::kLinearEdge: {
        if (perspective) {
          const double s = t(x);
          x = side(x, (s * s * r + s) * reach);
          reach *= 1 + r;
          m = 1 + r;
        }
        y += (y - y0) * K * dy * (1 - std::fabs(1 - t(x))) * m;
        break;
      }
      case WarpProfile::kLinearCentre: {
        if (perspective) {
          const double s = t(x);
          x = side(x, ((1 - (s - 1) * (s - 1) - s) * r + s) * reach);
        }
        y += (y - y0) * K * dy * std::fabs(1 - t(x));
        break;
      }
      case WarpProfile::kTent:
        y += K * dy * std::fabs(1 - t(x));
        break;
    }
  }
};

}  // namespace vx
