// Regenerating Live Shadow and Live Border objects over 1,000 filled and
// stroked paths, through the host's update message as the host sends it after
// an edit: the old result is disposed and the new one built.
//   Shadow:         one group of 1,000 paths; shadow, object and the clipped
//                   inner shadow (transparency 50 %).
//   Border outside: 1,000 source paths of stroke width 4 (auto mid: four band
//                   copies and the fill copy each).
//   Border inside:  one group of 1,000 paths, band clipped by its outline.
#include "effects/border/border_params.h"
#include "effects/shadow/shadow_params.h"
#include "frame/effect_table.h"
#include "live_object_bench.h"

namespace {

constexpr int kPaths = 1000;

void BM_RegenerateShadow1000Paths(benchmark::State& state) {
  vx::ShadowPGParams params{};
  vx::SetRecordDefaults(vx::kShadowPGParamsSpec, &params, "");
  params.transparency = 0.5;
  vxbench::LiveObjectBench(vx::kShadowEffect, &params, kPaths, 4, true).Run(state, kPaths);
}
BENCHMARK(BM_RegenerateShadow1000Paths)->Unit(benchmark::kMillisecond);

void BM_RegenerateBorder1000Paths(benchmark::State& state) {
  vx::BorderPGParams params{};
  vx::SetRecordDefaults(vx::kBorderPGParamsSpec, &params, "");
  params.side = static_cast<int32_t>(state.range(0));
  vxbench::LiveObjectBench(vx::kBorderEffect, &params, kPaths, 4, params.side == 1).Run(state, kPaths);
}
BENCHMARK(BM_RegenerateBorder1000Paths)->Arg(0)->Arg(1)->ArgName("inside")->Unit(benchmark::kMillisecond);

}  // namespace
