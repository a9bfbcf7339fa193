#include "tools/metabrush/metabrush_fluctuation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vx::metabrush {
namespace {

using P = MetaBrushToolParams;
constexpr double kPi = std::numbers::pi;

// The record's row columns, in row order.
constexpr int16_t P::*kSources[kRowCount] = {&P::changeBrushSource, &P::spaceHSource, &P::spaceVSource,
                                             &P::sizeHSource,       &P::sizeVSource,  &P::shearHSource,
                                             &P::shearVSource,      &P::angleSource,  &P::untrueHSource,
                                             &P::untrueVSource,     &P::colorSource};
constexpr int32_t P::*kRandom[kRowCount] = {&P::changeBrushRandom, &P::spaceHRandom, &P::spaceVRandom,
                                            &P::sizeHRandom,       &P::sizeVRandom,  &P::shearHRandom,
                                            &P::shearVRandom,      &P::angleRandom,  &P::untrueHRandom,
                                            &P::untrueVRandom,     &P::colorRandom};
constexpr int32_t P::*kAlternate[kRowCount] = {&P::changeBrushAlternate, &P::spaceHAlternate, &P::spaceVAlternate,
                                               &P::sizeHAlternate,       &P::sizeVAlternate,  &P::shearHAlternate,
                                               &P::shearVAlternate,      &P::angleAlternate,  &P::untrueHAlternate,
                                               &P::untrueVAlternate,     &P::colorAlternate};
constexpr int32_t P::*kReverse[kRowCount] = {&P::changeBrushReverse, &P::spaceHReverse, &P::spaceVReverse,
                                             &P::sizeHReverse,       &P::sizeVReverse,  &P::shearHReverse,
                                             &P::shearVReverse,      &P::angleReverse,  &P::untrueHReverse,
                                             &P::untrueVReverse,     &P::colorReverse};

// One-sided values (0..1) turn around as 1 - x, two-sided ones (-1..1) change sign.
double Reversed(double x, bool oneSided, bool reverse) {
  if (!reverse) return x;
  return oneSided ? 1 - x : -x;
}

bool SwitchedOff(const P& p, int16_t source, const StrokeInputs& in) {
  if (source == kPressure) return !in.pressure.has_value();
  if (source == kSpeed) return in.alongPath && p.speedMode != kStampCycle;
  return false;
}

// The speed source's value, one-sided when `oneSided`.
double SpeedValue(const P& p, const StrokeInputs& in, bool oneSided) {
  switch (p.speedMode) {
    case kTimeCycle: {
      const double t = p.cycleTicks;
      if (t <= 0) return 0;
      const double phase = static_cast<double>(in.elapsedTicks % (static_cast<uint32_t>(t) + 1));
      return oneSided ? phase / t : phase / (t / 2) - 1;
    }
    case kStampCycle: {
      const int32_t q = p.cycleStamps;
      if (q < 2) return 0;
      const double phase = static_cast<double>(std::max(in.stampCount, 0) % q);
      return oneSided ? phase / (q - 1) : phase / ((q - 1) / 2.0) - 1;
    }
    default: {
      const double perTick = std::max<double>(p.pixelsPerTick, 1);
      return oneSided ? std::clamp(in.speed / perTick, 0.0, 1.0) : std::clamp(in.speed / (perTick / 2) - 1, -1.0, 1.0);
    }
  }
}

}  // namespace

RowSetting RowOf(const P& p, int row) {
  return {p.*kSources[row], p.*kRandom[row] != 0, p.*kAlternate[row] != 0, p.*kReverse[row] != 0};
}

double RowValue(const P& p, int row) {
  switch (row) {
    case kSpaceH: return p.spaceFluctuation.x;
    case kSpaceV: return p.spaceFluctuation.y;
    case kSizeH: return p.sizeFluctuation.x;
    case kSizeV: return p.sizeFluctuation.y;
    case kShearH: return p.shearFluctuation.x;
    case kShearV: return p.shearFluctuation.y;
    case kAngle: return p.angleFluctuation;
    case kUntrueH: return p.untrueFluctuation.x;
    case kUntrueV: return p.untrueFluctuation.y;
    default: return 0;
  }
}

double FoldedDirection(double direction, double origin) {
  double d = std::fmod(direction - origin, kPi);
  if (d < 0) d += kPi;
  return d > kPi / 2 ? kPi - d : d;
}

double RandomValue(const P& p, int row, bool oneSided, RowMemory& memory, const UniformSource& next) {
  const double a = std::clamp(p.randomSmoothing, 0.0, 1.0);
  if (a == 0) return 0;
  const double u = next();
  const double fresh = oneSided ? u : 2 * u - 1;
  if (a >= 1) return fresh;
  memory.random[row] = memory.random[row] * (1 - a) + fresh * a;
  return memory.random[row];
}

double RowFactor(const P& p, int row, const StrokeInputs& in, RowMemory& memory, const UniformSource& next) {
  const RowSetting s = RowOf(p, row);
  if (SwitchedOff(p, s.source, in)) return 0;
  const bool one = s.alternate;
  switch (s.source) {
    case kPressure: {
      const double pressure = *in.pressure;
      const double x = one ? std::clamp(pressure / 255, 0.0, 1.0) : std::clamp(pressure / 127 - 1, -1.0, 1.0);
      return Reversed(x, one, s.reverse);
    }
    case kDirection: {
      const double d = FoldedDirection(in.direction, p.directionOrigin);
      return Reversed(one ? d / (kPi / 2) : d / (kPi / 4) - 1, one, s.reverse);
    }
    case kSpeed:
      return Reversed(SpeedValue(p, in, one), one, s.reverse);
    default:
      return s.random ? RandomValue(p, row, one, memory, next) : 1;
  }
}

double Fluctuation(const P& p, int row, const StrokeInputs& in, RowMemory& memory, const UniformSource& next) {
  const double v = RowValue(p, row) * RowFactor(p, row, in, memory, next);
  return RowOf(p, row).alternate && !memory.positive ? -v : v;
}

int32_t ChooseBrush(const P& p, int32_t current, int32_t count, const StrokeInputs& in, RowMemory& memory,
                    const UniformSource& next) {
  if (count <= 1) return 0;
  const RowSetting s = RowOf(p, kChangeBrush);
  double x = 1;
  bool scaled = false;  // x already spans the brushes: an index is x * (count - 1)
  if (SwitchedOff(p, s.source, in)) {
    x = 0;
    scaled = true;
  } else if (s.source == kPressure) {
    x = Reversed(std::clamp(*in.pressure / 255, 0.0, 1.0), true, s.reverse);
    scaled = true;
  } else if (s.source == kDirection) {
    x = Reversed(FoldedDirection(in.direction, p.directionOrigin) / (kPi / 2), true, s.reverse);
    scaled = true;
  } else if (s.source == kSpeed) {
    x = Reversed(SpeedValue(p, in, true), true, s.reverse);
    scaled = true;
  }
  double index = current;
  if (s.random) {
    const double u = std::clamp(RandomValue(p, kChangeBrush, true, memory, next), 0.0, 1.0);
    index = std::floor(u * x * count);
  } else if (scaled) {
    index = std::round(x * (count - 1));
  }
  if (!std::isfinite(index)) index = 0;
  return static_cast<int32_t>(std::clamp<double>(index, 0, count - 1));
}

}  // namespace vx::metabrush
