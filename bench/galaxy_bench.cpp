// Regenerating a Live Galaxy object at its defaults (8 arms of 16 copies) over
// 100 source objects through the host's update, beside a Live Circle object
// that makes as many copies of the same sources (128 each): what the arms'
// seeding, per-copy random draws, branch groups and scaled placement cost over
// a plain ring.
#include "effects/circle/circle_params.h"
#include "effects/galaxy/galaxy_params.h"
#include "frame/effect_table.h"
#include "live_object_bench.h"

namespace {

constexpr int kSources = 100;

void CountCopies(benchmark::State& state, const vxbench::LiveObjectBench& bench, int perSource, bool branchGroups) {
  const vxhost::Art* result = bench.live()->resultGroup->firstChild;
  size_t copies = 0;
  if (result != nullptr) {
    for (const vxhost::Art* child : result->Children()) copies += branchGroups ? child->Children().size() : 1;
  }
  if (copies != static_cast<size_t>(kSources * perSource)) state.SkipWithError("unexpected number of copies");
  state.counters["copies/s"] = benchmark::Counter(static_cast<double>(copies) * static_cast<double>(state.iterations()),
                                                  benchmark::Counter::kIsRate);
}

void BM_RegenerateGalaxyDefaults100Sources(benchmark::State& state) {
  vx::GalaxyPGParams params{};
  vx::SetRecordDefaults(vx::kGalaxyPGParamsSpec, &params, "");
  params.showCenterMark = 0;
  vxbench::LiveObjectBench bench(vx::kGalaxyEffect, &params, kSources, 1, false);
  bench.Run(state, kSources);
  CountCopies(state, bench, params.branchCount * params.elementCount, true);
}
BENCHMARK(BM_RegenerateGalaxyDefaults100Sources)->Unit(benchmark::kMillisecond);

void BM_RegenerateCircle128Copies100Sources(benchmark::State& state) {
  vx::CirclePGParams params{};
  vx::SetRecordDefaults(vx::kCirclePGParamsSpec, &params, "");
  params.copyCount = 128;
  params.showCenterMark = 0;
  vxbench::LiveObjectBench bench(vx::kCircleEffect, &params, kSources, 1, false);
  bench.Run(state, kSources);
  CountCopies(state, bench, params.copyCount, false);
}
BENCHMARK(BM_RegenerateCircle128Copies100Sources)->Unit(benchmark::kMillisecond);

}  // namespace
