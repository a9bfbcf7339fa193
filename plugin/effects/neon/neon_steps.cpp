#include "effects/neon/neon_steps.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vx {
namespace {

constexpr int32_t kMaxTracks = 1000;
constexpr int32_t kMaxSteps = 1000;

// t * max(1, floor(units / t)) + 1, kept within 64 bits for absurd widths.
int64_t BandedCount(int32_t tracks, double units) {
  const double perBand = std::max(1.0, std::floor(units / tracks));
  const double count = tracks * perBand + 1;
  constexpr double kLimit = std::numeric_limits<int32_t>::max();
  return count >= kLimit ? static_cast<int64_t>(kLimit) : static_cast<int64_t>(count);
}

}  // namespace

int32_t EffectiveTracks(int32_t tracks) { return std::clamp(tracks, 1, kMaxTracks); }

int64_t AutoStepCount(int32_t mode, int32_t tracks, double width) {
  const int32_t t = EffectiveTracks(tracks);
  if (!(width >= 3)) return (mode == neon_mode::kAutoHigh ? 5 * t : t) + 1;
  switch (mode) {
    case neon_mode::kAutoHigh: return BandedCount(t, 2 * std::round(width));
    case neon_mode::kAutoLow: return BandedCount(t, std::round(width / 2));
    default: return BandedCount(t, std::round(width));
  }
}

int64_t ManualStepCount(int32_t tracks, int32_t steps) {
  const int64_t perBand = std::min(steps, kMaxSteps) - int64_t{1};
  if (perBand <= 0) return perBand == 0 ? 1 : 0;
  return EffectiveTracks(tracks) * perBand + 1;
}

double NeonMixFactor(double band, double contrast, double gradientArc) {
  const double b = band, k = contrast, g = gradientArc;
  const double straight = 1 - k * b;
  if (g < 0) return (1 + g) * straight - g * (1 - k + k * std::sqrt(1 - b * b));
  if (g > 0) return g * (1 - k * std::sqrt(1 - (b - 1) * (b - 1))) + (1 - g) * straight;
  return straight;
}

NeonBands::NeonBands(int64_t steps, int32_t tracks, double contrast, double gradientArc)
    : contrast_(contrast), gradientArc_(gradientArc) {
  const int32_t t = EffectiveTracks(tracks);
  const double n = static_cast<double>(std::max<int64_t>(steps, 1));
  widthStep_ = 2 / (2 * n - 1);
  // A series of one step never advances; its band step is never used.
  bandStep_ = n > 1 ? t / (n - 1) : 0;
  halfWave_ = std::max<int64_t>(steps, 1) / t;
}

void NeonBands::Advance(int64_t step) {
  widthFactor_ -= widthStep_;
  if (step > 0 && halfWave_ > 0 && step % halfWave_ == 0) direction_ = -direction_;
  band_ = std::clamp(band_ + direction_ * bandStep_, 0.0, 1.0);
  mixFactor_ = NeonMixFactor(band_, contrast_, gradientArc_);
}

}  // namespace vx
