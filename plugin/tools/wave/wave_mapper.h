// The Wave tool's point mapper, in the frame of the drag: x runs along the
// wave and y is displaced; the turned frame (Alt) exchanges the two.
#pragma once

#include <cmath>
#include <numbers>

#include "frame/host/art_records.h"
#include "frame/host/codes.h"

namespace vx {

constexpr int16_t kWaveSpiral = 4;

struct WaveMapper {
  int16_t shape;
  bool turned;
  double x0;
  double y0;
  double K;
  double dy;
  double X;       // half the box's extent along the wave (the spiral: divided by n·π)
  double n;       // cycle
  double cx;      // the box centre along the wave (the spiral's axis)
  double phase;   // the spiral's phase

  ai::Code operator()(ai::RealPoint& point) const {
    double x = turned ? point.y : point.x;
    double y = turned ? point.x : point.y;
    Map(x, y);
    point = turned ? ai::RealPoint{y, x} : ai::RealPoint{x, y};
    return ai::kNoError;
  }

  void Map(double& x, double& y) const {
    constexpr double pi = std::numbers::pi;
    if (shape == kWaveSpiral) {
      // The art is first narrowed by 1/(n·π) about the centre, then wound
      // around a cylinder of radius X, rising K·dy per radian.
      x = cx + (x - cx) / (n * pi);
      const double f = pi * n * (x - x0) / X;
      x = cx + X * std::sin(f - phase);
      y += K * dy * f;
      return;
    }
    const double c = std::cos(pi * n * std::fabs(x - x0) / X);
    if (shape == 3) y += K * dy * c;
    else y += (y - y0) * K * dy * (1 + c);
  }
};

}  // namespace vx
