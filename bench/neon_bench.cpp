// Regenerating one Live Neon object whose source holds 1,000 stroked paths,
// each made into 21 copies (auto mid steps, one track, stroke width 20), through
// the host's update message as the host sends it after an edit: the old result
// is disposed and 21,000 copies are duplicated, restyled and mixed.
#include "effects/neon/neon_params.h"
#include "frame/effect_table.h"
#include "live_object_bench.h"

namespace {

constexpr int kPaths = 1000;
constexpr int kCopiesPerPath = 21;

void BM_RegenerateNeon1000Paths(benchmark::State& state) {
  vx::NeonPGParams params{};
  vx::SetRecordDefaults(vx::kNeonPGParamsSpec, &params, "");
  vxbench::LiveObjectBench bench(vx::kNeonEffect, &params, kPaths, 20, false);
  bench.Run(state, kPaths);
  const vxhost::Art* result = bench.live()->resultGroup->firstChild;
  const size_t copies = result != nullptr ? result->Children().size() : 0;
  if (copies != static_cast<size_t>(kPaths) * kCopiesPerPath) state.SkipWithError("unexpected number of copies");
  state.counters["copies/s"] = benchmark::Counter(static_cast<double>(copies) * static_cast<double>(state.iterations()),
                                                  benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RegenerateNeon1000Paths)->Unit(benchmark::kMillisecond);

}  // namespace
