// Regenerating Live Emboss and Live Cutout objects over 1,000 filled and
// stroked paths, through the host's update message as the host sends it after
// an edit: the old result is disposed and the new one built.
//   Emboss: 1,000 source paths, defaults (one highlight and one shadow copy each).
//   Cutout: one group of 1,000 paths, defaults (five edges and the face in
//           each member's own clipping group).
#include "effects/cutout/cutout_params.h"
#include "effects/emboss/emboss_params.h"
#include "frame/effect_table.h"
#include "live_object_bench.h"

namespace {

constexpr int kPaths = 1000;

void BM_RegenerateEmboss1000Paths(benchmark::State& state) {
  vx::EmbossPGParams params{};
  vx::SetRecordDefaults(vx::kEmbossPGParamsSpec, &params, "");
  vxbench::LiveObjectBench(vx::kEmbossEffect, &params, kPaths, 4, false).Run(state, kPaths);
}
BENCHMARK(BM_RegenerateEmboss1000Paths)->Unit(benchmark::kMillisecond);

void BM_RegenerateCutout1000Paths(benchmark::State& state) {
  vx::CutoutPGParams params{};
  vx::SetRecordDefaults(vx::kCutoutPGParamsSpec, &params, "");
  vxbench::LiveObjectBench(vx::kCutoutEffect, &params, kPaths, 4, true).Run(state, kPaths);
}
BENCHMARK(BM_RegenerateCutout1000Paths)->Unit(benchmark::kMillisecond);

}  // namespace
