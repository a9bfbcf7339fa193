#include "fractalize/fractalize_run.h"

#include <algorithm>
#include <cstring>

#include "frame/error_messages.h"
#include "frame/suite_set.h"
#include "platform/clock.h"
#include "presets/field_values.h"

namespace vx {
namespace {

// Lists of matching art, given back to the host on every path.
class MatchedArt {
 public:
  ~MatchedArt() {
    if (list_ != nullptr) suites::MdMemory().dispose(list_);
  }
  ai::Code Read(const ai::MatchSpec* specs, int32_t count) {
    return suites::MatchingArt().getMatchingArt(specs, count, &list_, &count_);
  }
  int32_t count() const { return count_; }
  ai::ArtHandle operator[](int32_t i) const { return list_[i]; }

 private:
  ai::ArtHandle* list_ = nullptr;
  int32_t count_ = 0;
};

// The dictionary keys are the record's field names.
bool IsWhole(const FieldSpec& field) { return field.type != FieldType::kReal; }

ai::Code SkipSegmentLimit(ai::Code code) { return code == codes::kSegmentLimit ? ai::kNoError : code; }

}  // namespace

int32_t NewFractalSeed(int32_t lastSeed) {
  const auto seed = static_cast<int32_t>(platform::TickCount());
  return seed != lastSeed ? seed : static_cast<int32_t>(static_cast<uint32_t>(lastSeed) + 1);
}

ai::Code SeedFilterRun(VELLUMiX4Globals& globals) {
  if (globals.fractalizeReproduce != 0) globals.fractalizeReproduce = 0;
  else globals.fractalizeLastSeed = NewFractalSeed(globals.fractalizeLastSeed);
  return suites::Random().setSeed(globals.fractalizeLastSeed);
}

ai::Code FractalizeSelection(const FractalizeParams& record) {
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr) return ai::kCantHappen;
  if (ai::Code code = SeedFilterRun(*globals)) return code;
  Generator generator;
  if (ai::Code code = PrepareGenerator(record, generator)) return code;
  const ai::MatchSpec specs[] = {{ai::art_kind::kPath, ai::art_attr::kSelected, ai::art_attr::kSelected},
                                 {ai::art_kind::kStyledRef, ai::art_attr::kSelected, ai::art_attr::kSelected}};
  MatchedArt matched;
  if (ai::Code code = matched.Read(specs, 2)) return code;
  if (matched.count() == 0) return codes::kNoPathSelected;
  // Every matched art is looked at before any is changed, so a failure to read
  // one leaves the document as it was.
  for (int32_t i = 0; i < matched.count(); ++i) {
    int16_t kind = 0;
    if (ai::Code code = suites::Art().getKind(matched[i], &kind)) return code;
    int32_t count = 0;
    if (kind == ai::art_kind::kPath)
      if (ai::Code code = suites::Path().getSegmentCount(matched[i], &count)) return code;
  }
  // Only paths have segments to replace; other matched art is left alone.
  for (int32_t i = 0; i < matched.count(); ++i) {
    int16_t kind = 0;
    if (ai::Code code = suites::Art().getKind(matched[i], &kind)) return code;
    if (kind != ai::art_kind::kPath) continue;
    if (ai::Code code = SkipSegmentLimit(FractalizePath(record, generator, matched[i]))) return code;
  }
  return ai::kNoError;
}

ai::Code FractalizeArtTree(const FractalizeParams& record, const Generator& generator, ai::ArtHandle art) {
  int16_t kind = 0;
  if (ai::Code code = suites::Art().getKind(art, &kind)) return code;
  if (kind == ai::art_kind::kPath) return SkipSegmentLimit(FractalizePath(record, generator, art));
  if (kind != ai::art_kind::kGroup && kind != ai::art_kind::kCompoundPath) return ai::kNoError;
  ai::ArtHandle child = nullptr;
  if (ai::Code code = suites::Art().getFirstChild(art, &child)) return code;
  while (child != nullptr) {
    if (ai::Code code = FractalizeArtTree(record, generator, child)) return code;
    if (ai::Code code = suites::Art().getNextSibling(child, &child)) return code;
  }
  return ai::kNoError;
}

ai::Code DictionaryHasGenerator(ai::DictionaryRef parameters, bool* has) {
  int32_t known = 0;
  const ai::Code code = suites::Dictionary().isKnown(parameters, fractal_keys::kGenerator, &known);
  *has = code == ai::kNoError && known != 0;
  return code;
}

ai::Code ReadParameterKeys(ai::DictionaryRef parameters, FractalizeParams& record) {
  FractalizeParams read = record;
  for (size_t f = 0; f < kFractalizeParamsSpec.fieldCount; ++f) {
    const FieldSpec& field = kFractalizeParamsSpec.fields[f];
    double value = 0;
    if (IsWhole(field)) {
      int32_t whole = 0;
      if (ai::Code code = suites::Dictionary().getInteger(parameters, field.name, &whole)) return code;
      value = whole;
    } else if (ai::Code code = suites::Dictionary().getReal(parameters, field.name, &value)) {
      return code;
    }
    // A value a file was edited to hold outside the dialog's range is taken at the range's end.
    if (!(value >= field.minimum)) value = field.minimum;
    StoreComponent(field, &read, std::min(value, field.maximum));
  }
  std::memcpy(static_cast<void*>(&record), &read, sizeof record);
  return ai::kNoError;
}

ai::Code WriteParameterKeys(ai::DictionaryRef parameters, const FractalizeParams& record) {
  for (size_t f = 0; f < kFractalizeParamsSpec.fieldCount; ++f) {
    const FieldSpec& field = kFractalizeParamsSpec.fields[f];
    const double value = StoredComponent(field, &record);
    const ai::Code code = IsWhole(field)
                              ? suites::Dictionary().setInteger(parameters, field.name, static_cast<int32_t>(value))
                              : suites::Dictionary().setReal(parameters, field.name, value);
    if (code != ai::kNoError) return code;
  }
  return ai::kNoError;
}

}  // namespace vx
