// Every kind of parameter record: the thirteen effects, the twelve 3D shapes,
// Fractalize and the eight tool palettes, each with its preset file.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "presets/record_schema.h"

namespace vx {

struct RecordKind {
  const char* name;         // as people type it: "neon", "3d-sphere", "warp", "fractalize"
  const RecordSpec* spec;   // the record's table; its presetFile names this kind's file
  int16_t effectIndex;      // 0..24, or -1
  int16_t toolIndex;        // 0 Warp, 2 Wave, 4 Lens, 6 Craft, 7 Roughening, 8 Broom, 10 MetaBrush, 11 Trail; or -1
};

// The 34 kinds in the order their preset files are seeded: Fractalize, the eight
// tools, the twelve 3D shapes, then Border, Circle, Cutout, Emboss, Explosion,
// Frame, Galaxy, Generation, Neon, Reflections, Shadow, Tiling, Trail.
std::span<const RecordKind> AllRecordKinds();

const RecordKind* FindKindByName(std::string_view name);
const RecordKind* FindKindByPresetFile(std::string_view presetFile);
const RecordKind* FindKindByEffectIndex(int index);
const RecordKind* FindKindByToolIndex(int index);

}  // namespace vx
