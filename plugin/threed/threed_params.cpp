#include "threed/threed_params.h"

#include <iterator>

#include "resources/control_ids.h"

namespace vx {
namespace {
using namespace fielddef;
#define VX_RECORD _3DTFilterParams
constexpr FieldSpec kFields[] = {
#include "presets/record_fields_begin_table.h"
#include "threed/threed_params.def"
#include "presets/record_fields_end.h"
};
#undef VX_RECORD

struct ShapeDefaults {
  double params[4];
  double preRot[3];
  double postRot[3];
  double perspective;
  double cursorH, cursorV;
};

constexpr ShapeDefaults kShapeDefaults[kShapeCount] = {
    {{0, 0, 0, 0}, {0, 0, 0}, {0, 0, 0}, 10, 0, 0},           // rotation
    {{180, 0, 0, 0}, {0, 0, 0}, {0, 0, 0}, 10, 0, 0},         // twist
    {{120, 0, 0, 0}, {0, 0, 0}, {0, 0, 0}, 10, 0, -0.5},      // arc
    {{720, 0, 100, 0}, {0, 0, 0}, {0, 0, 0}, 10, 0, -0.5},    // screw
    {{60, 1, 0, 0}, {0, 0, 0}, {0, 0, 0}, 10, 0, 0},          // twirl
    {{20, 1, 20, 1}, {0, 0, 0}, {0, 0, 0}, 10, 0, 0},         // wave HV
    {{20, 1, 20, 1}, {0, 0, 0}, {0, 0, 0}, 10, 0, 0},         // wave Z
    {{20, 1, 0, 0}, {0, 0, 0}, {0, 0, 0}, 10, 0, 0},          // wave R
    {{360, 90, 90, 100}, {0, 0, 0}, {0, 0, 0}, 10, 0, -0.5},  // sphere
    {{360, 360, 0, 100}, {0, 0, 0}, {0, 0, 0}, 10, 0.796, -0.5},    // torus
    {{720, 360, 0, 200}, {0, 0, 0}, {0, 90, 0}, 10, 0.796, -0.5},   // spiral
    {{360, 100, 0, 0}, {90, 0, 0}, {0, -45, 0}, 10, 0, 0.5},        // cylinder
};

// {edit min, edit max, slider min, slider max} per row; a row of zeros is unused.
constexpr double kRanges[kShapeCount][4][4] = {
    {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}},
    {{-3600, 3600, -720, 720}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}},
    {{-3600, 3600, -720, 720}, {-4000, 4000, -400, 400}, {0, 0, 0, 0}, {0, 0, 0, 0}},
    {{-3600, 3600, -3600, 3600}, {-4000, 4000, -400, 400}, {-4000, 4000, -400, 400}, {-3600, 3600, -3600, 3600}},
    {{-3600, 3600, -720, 720}, {1, 4000, 1, 20}, {0, 0, 0, 0}, {0, 0, 0, 0}},
    {{-4000, 4000, -200, 200}, {0, 4000, 0, 50}, {-4000, 4000, -200, 200}, {0, 4000, 0, 50}},
    {{-4000, 4000, -200, 200}, {0, 4000, 0, 50}, {-4000, 4000, -200, 200}, {0, 4000, 0, 50}},
    {{-4000, 4000, -200, 200}, {0, 4000, 0, 50}, {-3600, 3600, -180, 180}, {0, 0, 0, 0}},
    {{0, 3600, 0, 360}, {-3600, 3600, -90, 90}, {-3600, 3600, -90, 90}, {-4000, 4000, -800, 800}},
    {{-3600, 3600, 0, 360}, {-3600, 3600, -360, 360}, {-180, 180, -180, 180}, {-4000, 4000, -800, 800}},
    {{-3600, 3600, -3600, 3600}, {-3600, 3600, -360, 360}, {-180, 180, -180, 180}, {-4000, 4000, -400, 400}},
    {{-3600, 3600, 0, 360}, {-4000, 4000, -800, 800}, {0, 0, 0, 0}, {0, 0, 0, 0}},
};

// The shape is the position of the record's spec among the twelve.
void SetShapeDefaults(const RecordSpec& spec, void* record) {
  int shape = 0;
  for (int i = 0; i < kShapeCount; ++i) {
    if (&spec == &k3DTFilterParamsSpecs[i]) shape = i;
  }
  Set3DShapeDefaults(*static_cast<_3DTFilterParams*>(record), shape);
}

constexpr RecordSpec ShapeSpec(const char* presetFile) {
  return RecordSpec{"_3DTFilterParams", presetFile, sizeof(_3DTFilterParams), kFields, std::size(kFields),
                    {SetShapeDefaults, nullptr}};
}
}  // namespace

constexpr RecordSpec k3DTFilterParamsSpecs[kShapeCount] = {
    ShapeSpec("VELLUMiX4_PST_3DRotate.txt"), ShapeSpec("VELLUMiX4_PST_3DTwist.txt"),
    ShapeSpec("VELLUMiX4_PST_3DArc.txt"),    ShapeSpec("VELLUMiX4_PST_3DScrew.txt"),
    ShapeSpec("VELLUMiX4_PST_3DTwirl.txt"),  ShapeSpec("VELLUMiX4_PST_3DWaveHV.txt"),
    ShapeSpec("VELLUMiX4_PST_3DWaveZ.txt"),  ShapeSpec("VELLUMiX4_PST_3DWaveR.txt"),
    ShapeSpec("VELLUMiX4_PST_3DSphere.txt"), ShapeSpec("VELLUMiX4_PST_3DTorus.txt"),
    ShapeSpec("VELLUMiX4_PST_3DSpiral.txt"), ShapeSpec("VELLUMiX4_PST_3DCylinder.txt"),
};

void Set3DShapeDefaults(_3DTFilterParams& params, int shape) {
  if (shape < 0 || shape >= kShapeCount) shape = 0;
  const ShapeDefaults& row = kShapeDefaults[shape];
  params.shapeType = static_cast<int16_t>(shape);
  params.shapeParam1 = row.params[0];
  params.shapeParam2 = row.params[1];
  params.shapeParam3 = row.params[2];
  params.shapeParam4 = row.params[3];
  params.preRotX = row.preRot[0];
  params.preRotY = row.preRot[1];
  params.preRotZ = row.preRot[2];
  params.postRotX = row.postRot[0];
  params.postRotY = row.postRot[1];
  params.postRotZ = row.postRot[2];
  params.perspective = row.perspective;
  params.cursor = {row.cursorH, row.cursorV};
  params.showMapped = shape == 0 ? 0 : 1;
  params.controlPointsOnly = 0;
}

ShapeParamRange Shape3DParamRange(int shape, int row) {
  if (shape < 0 || shape >= kShapeCount || row < 0 || row > 3) return {false, 0, 0, 0, 0};
  const double* range = kRanges[shape][row];
  bool enabled = range[0] != 0 || range[1] != 0;
  return {enabled, range[0], range[1], range[2], range[3]};
}

}  // namespace vx
