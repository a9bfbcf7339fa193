#include "effects/framework/regenerate.h"

#include "effects/framework/parameter_block.h"
#include "frame/effect_table.h"
#include "frame/suite_set.h"
#include "geometry/named_block.h"
#include "presets/record_registry.h"

namespace vx {
namespace {
EffectGenerator gGenerators[kEffectCount] = {};
}

EffectGenerator GeneratorOf(int16_t effectIndex) {
  return effectIndex >= 0 && effectIndex < kEffectCount ? gGenerators[effectIndex] : nullptr;
}

void SetGenerator(int16_t effectIndex, EffectGenerator generator) {
  if (effectIndex >= 0 && effectIndex < kEffectCount) gGenerators[effectIndex] = generator;
}

ai::Code RegenerateLiveObject(ai::ArtHandle object, int16_t effectIndex) {
  const EffectGenerator generator = GeneratorOf(effectIndex);
  const RecordKind* kind = FindKindByEffectIndex(effectIndex);
  if (generator == nullptr || kind == nullptr) return ai::kNoError;

  NamedBlock record;
  if (ai::Code code = record.Allocate(kind->spec->size, kind->spec->recordName)) return code;
  SetRecordDefaults(*kind->spec, record.get(), "");
  if (ai::Code code = ReadParameterBlock(object, effectIndex, record.get())) return code;

  ai::ArtHandle edit = nullptr, result = nullptr;
  if (ai::Code code = suites::PluginGroup().getEditArt(object, &edit)) return code;
  if (ai::Code code = suites::PluginGroup().getResultArt(object, &result)) return code;
  ai::ArtHandle child = nullptr;
  if (ai::Code code = suites::Art().getFirstChild(result, &child)) return code;
  while (child != nullptr) {
    ai::ArtHandle next = nullptr;
    if (ai::Code code = suites::Art().getNextSibling(child, &next)) return code;
    if (ai::Code code = suites::Art().disposeArt(child)) return code;
    child = next;
  }
  ai::ArtHandle into = nullptr;
  if (ai::Code code = suites::Art().newArt(ai::art_kind::kGroup, ai::placement::kInsideOnTop, result, &into))
    return code;
  return generator(object, edit, into, record.get());
}

}  // namespace vx
