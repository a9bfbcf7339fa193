// The dictionary suite over the dictionaries live-effect objects keep, and the
// live-effect suite's preview of parameters being edited.
#include <cstring>

#include "live_effects.h"
#include "suites/art_access.h"
#include "suites/suite_tables.h"

namespace vxhost {
namespace {

LiveEffects& Effects() { return Host::Current().liveEffects(); }

#define VX_DICTIONARY(ref, name)                      \
  Dictionary* name = Effects().Resolve(ref, nullptr); \
  if (name == nullptr || key == nullptr) return ai::kBadParameter

const DictionaryValue* Find(const Dictionary& dictionary, const char* key) {
  const auto found = dictionary.find(key);
  return found == dictionary.end() ? nullptr : &found->second;
}

// Writing a value is a change of the object that keeps the dictionary.
ai::Code Store(ai::DictionaryRef ref, const char* key, DictionaryValue value) {
  Art* owner = nullptr;
  Dictionary* dictionary = Effects().Resolve(ref, &owner);
  // Keys are words: the file form of a dictionary separates entries with ';' and keys with '='.
  if (dictionary == nullptr || key == nullptr || *key == '\0' || std::strpbrk(key, "=; \t\r\n") != nullptr)
    return ai::kBadParameter;
  CurrentDocument()->WillChange(owner);
  (*dictionary)[key] = value;
  return ai::kNoError;
}

ai::Code IsKnown(ai::DictionaryRef ref, const char* key, int32_t* known) {
  if (known == nullptr) return ai::kBadParameter;
  *known = 0;
  VX_HOST_ENTER();
  VX_DICTIONARY(ref, dictionary);
  *known = Find(*dictionary, key) != nullptr ? 1 : 0;
  return ai::kNoError;
}

ai::Code GetInteger(ai::DictionaryRef ref, const char* key, int32_t* value) {
  if (value == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_DICTIONARY(ref, dictionary);
  const DictionaryValue* found = Find(*dictionary, key);
  if (found == nullptr) return ai::kNoSuchEntry;
  if (found->real) return ai::kWrongEntryType;
  *value = found->integer;
  return ai::kNoError;
}

ai::Code SetInteger(ai::DictionaryRef ref, const char* key, int32_t value) {
  VX_HOST_ENTER();
  return Store(ref, key, DictionaryValue::Integer(value));
}

ai::Code GetReal(ai::DictionaryRef ref, const char* key, double* value) {
  if (value == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_DICTIONARY(ref, dictionary);
  const DictionaryValue* found = Find(*dictionary, key);
  if (found == nullptr) return ai::kNoSuchEntry;
  *value = found->real ? found->number : found->integer;
  return ai::kNoError;
}

ai::Code SetReal(ai::DictionaryRef ref, const char* key, double value) {
  VX_HOST_ENTER();
  return Store(ref, key, DictionaryValue::Real(value));
}

const ai::DictionarySuite kDictionary = {IsKnown, GetInteger, SetInteger, GetReal, SetReal};

}  // namespace

ai::Code UpdateLiveEffectParameters(ai::DictionaryRef parameters) {
  VX_HOST_ENTER();
  return Effects().UpdateParameters(parameters);
}

const ai::DictionarySuite* DictionarySuiteTable() { return &kDictionary; }

}  // namespace vxhost
