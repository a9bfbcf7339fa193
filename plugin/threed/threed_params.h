// The Live 3D Transform record, shared by the twelve shapes and the Live3D
// Rotate tool. One field table serves twelve record kinds: each shape has its
// own preset file and its own defaults.
#pragma once

#include "presets/record_table.h"

namespace vx {

// A 3x3 rotation, rows first, applied to column vectors.
struct Matrix3 {
  double m[3][3];
};

struct _3DTFilterParams {
  RecordHead head;
#include "presets/record_fields_begin_struct.h"
#include "threed/threed_params.def"
#include "presets/record_fields_end.h"
};

constexpr int kShapeCount = 12;

// By shape index 0..11 (rotation, twist, arc, screw, twirl, wave HV, wave Z,
// wave R, sphere, torus, spiral, cylinder).
extern const RecordSpec k3DTFilterParamsSpecs[kShapeCount];

// Sets the shape's own defaults (parameters, rotations, perspective, cursor,
// showMapped, controlPointsOnly) and its shape index; a shape above 11 is 0.
void Set3DShapeDefaults(_3DTFilterParams& params, int shape);

// The palette's range of one shape parameter row (0..3): the edit clamps to
// edit*, the slider spans slider*. A row the shape does not use is disabled.
struct ShapeParamRange {
  bool enabled;
  double editMin, editMax;
  double sliderMin, sliderMax;
};
ShapeParamRange Shape3DParamRange(int shape, int row);

}  // namespace vx
