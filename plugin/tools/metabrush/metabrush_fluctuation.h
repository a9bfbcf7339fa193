// The fluctuation rows of the MetaBrush tool: how each stamp's spacing, size,
// shear, angle, untrue jitter and colour vary with the row's source (none,
// pen pressure, stroke direction, speed) and its random, alternate and
// reverse options. Plain arithmetic over what the stroke knows; the random
// values come from a callback so the host's generator stays the only source.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "tools/metabrush/metabrush_params.h"

namespace vx::metabrush {

enum Row : int { kChangeBrush, kSpaceH, kSpaceV, kSizeH, kSizeV, kShearH, kShearV, kAngle, kUntrueH, kUntrueV,
                 kColor, kRowCount };
enum Source : int16_t { kNormal = 0, kPressure = 1, kDirection = 2, kSpeed = 3 };
enum SpeedMode : int16_t { kPixelsPerTick = 0, kTimeCycle = 1, kStampCycle = 2 };

struct RowSetting {
  int16_t source = kNormal;
  bool random = false, alternate = false, reverse = false;
};

// The row's source and options as the record holds them.
RowSetting RowOf(const MetaBrushToolParams& p, int row);
// The row's palette value (0 for the change-brush and colour rows, which have none).
double RowValue(const MetaBrushToolParams& p, int row);

// What the stroke knows at a stamp.
struct StrokeInputs {
  std::optional<double> pressure;  // 0..255; none when the event has no pressure
  double direction = 0;            // radians
  double speed = 0;                // screen pixels per tick
  uint32_t elapsedTicks = 0;
  int32_t stampCount = 0;
  bool alongPath = false;          // stamping along an existing path
};

// Per-stroke memory of the rows: smoothed random values, and the sign flag
// that flips on every other stamp for the alternating rows.
struct RowMemory {
  double random[kRowCount] = {};
  bool positive = true;
};

using UniformSource = std::function<double()>;  // uniform values in [0, 1)

// The random value of a row: 0 without smoothing, a fresh value with full
// smoothing, the row's smoothed memory in between. One-sided (0..1) for
// alternate rows, two-sided (-1..1) otherwise.
double RandomValue(const MetaBrushToolParams& p, int row, bool oneSided, RowMemory& memory, const UniformSource& next);

// The factor x of a row (its fluctuation is value * x), before the alternate
// sign: 0 when the row's source is switched off for this stamp.
double RowFactor(const MetaBrushToolParams& p, int row, const StrokeInputs& in, RowMemory& memory,
                 const UniformSource& next);

// The stamp's fluctuation v of a row, with the alternate sign applied.
double Fluctuation(const MetaBrushToolParams& p, int row, const StrokeInputs& in, RowMemory& memory,
                   const UniformSource& next);

// The brush index of the next stamp out of `count` brushes (row 0).
int32_t ChooseBrush(const MetaBrushToolParams& p, int32_t current, int32_t count, const StrokeInputs& in,
                    RowMemory& memory, const UniformSource& next);

// The direction folded into [0, pi/2] after taking off the direction origin.
double FoldedDirection(double direction, double origin);

}  // namespace vx::metabrush
