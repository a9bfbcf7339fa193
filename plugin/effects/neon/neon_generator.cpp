#include "effects/neon/neon_generator.h"

#include <algorithm>
#include <optional>

#include "effects/framework/art_children.h"
#include "effects/neon/neon_copy.h"
#include "effects/neon/neon_params.h"
#include "effects/neon/neon_steps.h"
#include "frame/suite_set.h"

namespace vx {
namespace {

// What the stroked paths of one source object ask for: the largest step count
// of any of them (auto modes) and the widest stroke.
struct StrokeSurvey {
  int64_t steps = 0;
  double widest = 0;
};

ai::Code SurveyStrokes(ai::ArtHandle art, const NeonPGParams& params, StrokeSurvey& survey) {
  return ForEachStrokeWidth(art, [&](double width) {
    survey.steps = std::max(survey.steps, AutoStepCount(params.stepMode, params.tracks, width));
    survey.widest = std::max(survey.widest, width);
  });
}

// The number of steps of one source object and the widest stroke its offsets
// are measured in; no steps when it produces nothing.
ai::Code NeonStepCount(ai::ArtHandle source, const NeonPGParams& params, int64_t& steps, double& widest) {
  const bool manual = params.stepMode == neon_mode::kManual;
  const bool measured = !manual || params.offset != 0;
  StrokeSurvey survey;
  if (measured) {
    if (ai::Code code = SurveyStrokes(source, params, survey)) return code;
  }
  steps = manual ? ManualStepCount(params.tracks, params.steps) : survey.steps;
  widest = survey.widest;
  if (measured && !(widest > 0)) steps = 0;
  return ai::kNoError;
}

ai::RealPoint operator+(ai::RealPoint a, ai::RealPoint b) { return {a.x + b.x, a.y + b.y}; }

// Duplicates `source` on top of `into` and restyles the copy.
ai::Code MakeCopy(ai::ArtHandle source, ai::ArtHandle into, double widthFactor, const NeonMix& mix,
                  ai::ArtHandle& copy) {
  if (ai::Code code = suites::Art().duplicateArt(source, ai::placement::kInsideOnTop, into, &copy)) return code;
  return NeonStyleCopy(copy, widthFactor, mix);
}

// The copy series of one source object with `steps` steps. With the shadow on,
// each step makes a tinted copy moved away from the light and a lit copy above
// it; the eccentric offset moves step i by i increments (the lit copy by i + 1).
ai::Code BuildSeries(ai::ArtHandle source, ai::ArtHandle into, const NeonPGParams& params, int64_t steps,
                     double widest) {
  const bool shadow = params.shadowOn != 0;
  ai::RealPoint increment{0, 0};
  if (params.offset != 0) {
    if (ai::Code code = PolarVector(params.offset * widest, params.offsetAngle, increment)) return code;
    if (steps > 1) increment = {increment.x / static_cast<double>(steps), increment.y / static_cast<double>(steps)};
  }
  ai::RealPoint away{0, 0};
  if (shadow && params.shadowOffset != 0) {
    if (ai::Code code = PolarVector(-params.shadowOffset, params.lightAngle, away)) return code;
  }
  const std::optional<double> tint = shadow ? std::optional<double>(params.shadowTint) : std::nullopt;

  NeonBands bands(steps, params.tracks, params.contrast, params.gradientArc);
  ai::RealPoint running = increment;
  for (int64_t step = 0; step < steps; ++step) {
    const bool offsetMove = step > 0 && params.offset != 0;
    const NeonMix mix{bands.mixFactor(), params.shadowReverse != 0, tint};
    ai::ArtHandle copy = nullptr;
    if (ai::Code code = MakeCopy(source, into, bands.widthFactor(), mix, copy)) return code;
    if (ai::Code code = MoveNeonCopy(copy, offsetMove ? away + running : away)) return code;
    if (offsetMove) running = running + increment;
    if (shadow) {
      const NeonMix lit{mix.factor, mix.reverse, std::nullopt};
      if (ai::Code code = MakeCopy(source, into, bands.widthFactor(), lit, copy)) return code;
      if (offsetMove) {
        if (ai::Code code = MoveNeonCopy(copy, running)) return code;
      }
    }
    bands.Advance(step);
  }
  return ai::kNoError;
}

}  // namespace

ai::Code GenerateNeon(ai::ArtHandle, ai::ArtHandle edit, ai::ArtHandle into, const void* record) {
  const auto& params = *static_cast<const NeonPGParams*>(record);
  ai::ArtHandle source = nullptr;
  if (ai::Code code = suites::Art().getFirstChild(edit, &source)) return code;
  while (source != nullptr) {
    int64_t steps = 0;
    double widest = 0;
    if (ai::Code code = NeonStepCount(source, params, steps, widest)) return code;
    if (steps > 0) {
      if (ai::Code code = BuildSeries(source, into, params, steps, widest)) return code;
    }
    if (ai::Code code = suites::Art().getNextSibling(source, &source)) return code;
  }
  return ai::kNoError;
}

}  // namespace vx
