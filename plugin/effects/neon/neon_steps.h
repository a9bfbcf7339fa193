// The arithmetic of a Live Neon copy series: how many steps a source object
// gets, and the width and colour mix of each step. No host calls.
#pragma once

#include <cstdint>

namespace vx {

namespace neon_mode {
constexpr int32_t kAutoHigh = 0, kAutoMid = 1, kAutoLow = 2, kManual = 3;
}

// Band counts outside 1..1000 (possible only in stored or recorded records)
// are taken as the nearest count the palette allows.
int32_t EffectiveTracks(int32_t tracks);

// Steps for one stroked path of width `width` in an auto mode:
//   high  w < 3: 5t + 1, else t * max(1, floor(2 round(w) / t)) + 1
//   mid   w < 3:  t + 1, else t * max(1, floor(round(w) / t)) + 1
//   low   w < 3:  t + 1, else t * max(1, floor(round(w / 2) / t)) + 1
// so that N - 1 is a multiple of the band count t. Saturates at INT32_MAX.
int64_t AutoStepCount(int32_t mode, int32_t tracks, double width);

// Steps in manual mode: t * (steps - 1) + 1; one step or none for a step count
// of 1 or less. Step counts above 1000 count as 1000.
int64_t ManualStepCount(int32_t tracks, int32_t steps);

// How far a copy leans from the stroke colour (1) toward the fill colour (0),
// at band level `band` (0..1), for contrast k and gradient arc g (-1..1):
//   g = 0:  1 - k b
//   g < 0:  (1 + g)(1 - k b) - g (1 - k + k sqrt(1 - b^2))
//   g > 0:  g (1 - k sqrt(1 - (b - 1)^2)) + (1 - g)(1 - k b)
// Not clamped: the style rewrite clamps it.
double NeonMixFactor(double band, double contrast, double gradientArc);

// Walks the steps of one series. Step 0 has width factor 1 and mix factor 1;
// each Advance moves to the next step: the width factor falls by 2 / (2N - 1),
// and the band level runs a triangle wave of `tracks` half-waves over the steps
// (0 up to 1, back down to 0, ...), from which the mix factor follows.
class NeonBands {
 public:
  NeonBands(int64_t steps, int32_t tracks, double contrast, double gradientArc);

  double widthFactor() const { return widthFactor_; }
  double mixFactor() const { return mixFactor_; }
  double bandLevel() const { return band_; }

  // Leaves step `step` for the next one.
  void Advance(int64_t step);

 private:
  double contrast_;
  double gradientArc_;
  double widthStep_;  // 2 / (2N - 1)
  double bandStep_;   // tracks / (N - 1)
  int64_t halfWave_;  // steps per half-wave: floor(N / tracks)
  double widthFactor_ = 1;
  double band_ = 0;
  double mixFactor_ = 1;
  int direction_ = 1;
};

}  // namespace vx
