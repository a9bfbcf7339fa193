#include "effects/framework/parameter_block.h"

#include <cstring>
#include <string>

#include "frame/suite_set.h"
#include "geometry/named_block.h"
#include "presets/record_registry.h"

namespace vx {
namespace {

constexpr int32_t kBlockType = 1;
constexpr int32_t kBlockSubtype = 0;

const RecordSpec* SpecOf(int16_t effectIndex) {
  const RecordKind* kind = FindKindByEffectIndex(effectIndex);
  return kind != nullptr ? kind->spec : nullptr;
}

}  // namespace

ai::Code WriteParameterBlock(ai::ArtHandle object, int16_t effectIndex, const void* record) {
  const RecordSpec* spec = SpecOf(effectIndex);
  if (spec == nullptr) return ai::kBadParameter;
  std::string text;
  WriteRecordText(*spec, record, "", text);
  if (text.size() + 1 > kParameterBlockSize) return ai::kBadParameter;
  NamedBlock block;
  if (ai::Code code = block.Allocate(kParameterBlockSize, kParameterBlockName)) return code;
  std::memcpy(block.get(), text.c_str(), text.size() + 1);
  const auto& groups = suites::PluginGroup();
  if (ai::Code code = groups.setDataType(object, kBlockType, kBlockSubtype)) return code;
  if (ai::Code code = groups.setDataSize(object, text.size())) return code;
  return groups.writeData(object, 0, text.size(), block.get());
}

ai::Code ReadParameterBlock(ai::ArtHandle object, int16_t effectIndex, void* record) {
  const RecordSpec* spec = SpecOf(effectIndex);
  if (spec == nullptr) return ai::kBadParameter;
  const auto& groups = suites::PluginGroup();
  int32_t type = 0, subtype = 0;
  if (ai::Code code = groups.getDataType(object, &type, &subtype)) return code;
  if (type != kBlockType || subtype != kBlockSubtype) return kNotAParameterBlock;
  size_t size = 0;
  if (ai::Code code = groups.getDataSize(object, &size)) return code;
  // A block that cannot hold its text and terminator is not one this system wrote.
  if (size >= kParameterBlockSize) return kNotAParameterBlock;
  NamedBlock block;
  if (ai::Code code = block.Allocate(kParameterBlockSize, kParameterBlockName)) return code;
  if (ai::Code code = groups.readData(object, 0, size, block.get())) return code;
  block.as<char>()[size] = '\0';
  ReadRecordText(*spec, record, block.as<char>());
  return ai::kNoError;
}

}  // namespace vx
