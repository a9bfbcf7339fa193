// Every record kind, checked through its table: the registry, the defaults
// against the palette ranges, the text round trip and the table's own
// consistency (keys, names, offsets, controls).
#include <cmath>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "frame/host/art_records.h"
#include "presets/record_registry.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

size_t StorageSize(vx::FieldType type) {
  switch (type) {
    case vx::FieldType::kShort: return 2;
    case vx::FieldType::kBool:
    case vx::FieldType::kUnsigned:
    case vx::FieldType::kInt: return 4;
    case vx::FieldType::kReal: return 8;
    case vx::FieldType::kPoint: return 16;
    case vx::FieldType::kColor: return sizeof(ai::ColorRecord);
    case vx::FieldType::kNone: return 0;
  }
  return 0;
}

// A record in a block of its own, aligned as the host's blocks are.
struct Block {
  explicit Block(const vx::RecordSpec& spec, unsigned char fill = 0)
      : words((spec.size + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t)) {
    std::memset(words.data(), fill, words.size() * sizeof(std::max_align_t));
  }
  void* data() { return words.data(); }
  unsigned char* at(const vx::FieldSpec& field) { return reinterpret_cast<unsigned char*>(words.data()) + field.offset; }
  std::vector<std::max_align_t> words;
};

// The stored value of a number field, widened to double.
double Stored(Block& block, const vx::FieldSpec& field, int component = 0) {
  unsigned char* at = block.at(field);
  switch (field.type) {
    case vx::FieldType::kShort: { int16_t v; std::memcpy(&v, at, 2); return v; }
    case vx::FieldType::kBool:
    case vx::FieldType::kInt: { int32_t v; std::memcpy(&v, at, 4); return v; }
    case vx::FieldType::kUnsigned: { uint32_t v; std::memcpy(&v, at, 4); return v; }
    case vx::FieldType::kReal: { double v; std::memcpy(&v, at, 8); return v; }
    case vx::FieldType::kPoint: { double v[2]; std::memcpy(v, at, 16); return v[component]; }
    default: return 0;
  }
}

void SetStored(Block& block, const vx::FieldSpec& field, double value, int component = 0) {
  unsigned char* at = block.at(field);
  switch (field.type) {
    case vx::FieldType::kShort: { int16_t v = static_cast<int16_t>(value); std::memcpy(at, &v, 2); break; }
    case vx::FieldType::kBool:
    case vx::FieldType::kInt: { int32_t v = static_cast<int32_t>(value); std::memcpy(at, &v, 4); break; }
    case vx::FieldType::kUnsigned: { uint32_t v = static_cast<uint32_t>(value); std::memcpy(at, &v, 4); break; }
    case vx::FieldType::kReal: std::memcpy(at, &value, 8); break;
    case vx::FieldType::kPoint: std::memcpy(at + 8 * component, &value, 8); break;
    default: break;
  }
}

double Shown(const vx::FieldSpec& field, double stored) {
  switch (field.shown) {
    case vx::Shown::kPercent:
    case vx::Shown::kPercentOrLength: return stored * 100;  // every default is in the relative mode
    case vx::Shown::kDegrees: return stored * 180 / kPi;
    case vx::Shown::kSeconds: return stored / 60;
    default: return stored;
  }
}

double StoredFromShown(const vx::FieldSpec& field, double shown) {
  switch (field.shown) {
    case vx::Shown::kPercent:
    case vx::Shown::kPercentOrLength: return shown / 100;
    case vx::Shown::kDegrees: return shown * kPi / 180;
    case vx::Shown::kSeconds: return std::round(shown * 60);
    default: return shown;
  }
}

int Components(const vx::FieldSpec& field) { return field.type == vx::FieldType::kPoint ? 2 : 1; }

void ExpectDefaultsWithinRange(const vx::RecordSpec& spec, Block& record) {
  for (size_t i = 0; i < spec.fieldCount; ++i) {
    const vx::FieldSpec& field = spec.fields[i];
    if (field.type == vx::FieldType::kColor) {
      int32_t kind;
      std::memcpy(&kind, record.at(field), 4);
      EXPECT_TRUE(kind == ai::color_kind::kGray || kind == ai::color_kind::kFour || kind == ai::color_kind::kThree)
          << field.name;
      continue;
    }
    for (int c = 0; c < Components(field); ++c) {
      double shown = Shown(field, Stored(record, field, c));
      EXPECT_GE(shown, field.minimum - 1e-9) << field.name;
      EXPECT_LE(shown, field.maximum + 1e-9) << field.name;
    }
  }
}

// Every number field at its palette maximum (the far end of a clamp catches a
// value squeezed through a narrower type), colours as four-colour.
void SetToMaximum(const vx::RecordSpec& spec, Block& record) {
  for (size_t i = 0; i < spec.fieldCount; ++i) {
    const vx::FieldSpec& field = spec.fields[i];
    if (field.type == vx::FieldType::kColor) {
      ai::ColorRecord color{};
      color.kind = ai::color_kind::kFour;
      color.c.four = {0.125, 0.25, 0.375, 0.5 + static_cast<double>(i) / 1000};
      std::memcpy(record.at(field), &color, sizeof color);
      continue;
    }
    for (int c = 0; c < Components(field); ++c) SetStored(record, field, StoredFromShown(field, c == 0 ? field.maximum : field.minimum), c);
  }
}

void ExpectSameValues(const vx::RecordSpec& spec, Block& written, Block& read) {
  for (size_t i = 0; i < spec.fieldCount; ++i) {
    const vx::FieldSpec& field = spec.fields[i];
    if (field.type == vx::FieldType::kColor) {
      ai::ColorRecord a, b;
      std::memcpy(&a, written.at(field), sizeof a);
      std::memcpy(&b, read.at(field), sizeof b);
      EXPECT_EQ(a.kind, b.kind) << field.name;
      int used = a.kind == ai::color_kind::kGray ? 1 : a.kind == ai::color_kind::kFour ? 4 : a.kind == ai::color_kind::kThree ? 3 : 0;
      const double* ca = &a.c.four.cyan;
      const double* cb = &b.c.four.cyan;
      for (int k = 0; k < used; ++k) EXPECT_NEAR(ca[k], cb[k], 5e-7) << field.name;
      continue;
    }
    for (int c = 0; c < Components(field); ++c) {
      double a = Stored(written, field, c);
      double b = Stored(read, field, c);
      EXPECT_NEAR(a, b, std::max(5e-7, std::fabs(a) * 1e-15)) << field.name;
    }
  }
}

std::vector<int32_t> ControlIdsOf(const vx::ControlIds& controls) {
  std::vector<int32_t> ids;
  for (int32_t id : {controls.edit, controls.spin, controls.slider}) {
    if (id != 0) ids.push_back(id);
  }
  for (const int32_t* button = controls.buttons; button != nullptr && *button != 0; ++button) ids.push_back(*button);
  return ids;
}

void ExpectConsistentTable(const vx::RecordSpec& spec) {
  std::set<std::string> keys, names;
  std::set<int32_t> controls, actionKeys;
  size_t end = sizeof(vx::RecordHead);
  for (size_t i = 0; i < spec.fieldCount; ++i) {
    const vx::FieldSpec& field = spec.fields[i];
    ASSERT_NE(field.type, vx::FieldType::kNone) << field.name;
    EXPECT_TRUE(keys.insert(field.key).second) << "key " << field.key;
    EXPECT_TRUE(names.insert(field.name).second) << "name " << field.name;
    if (field.nameX != nullptr) {
      EXPECT_TRUE(names.insert(field.nameX).second) << field.nameX;
      EXPECT_TRUE(names.insert(field.nameY).second) << field.nameY;
    }
    EXPECT_GE(field.offset, end) << field.name;  // in memory order, not overlapping
    end = field.offset + StorageSize(field.type);
    EXPECT_LE(end, spec.size) << field.name;
    EXPECT_LE(field.minimum, field.maximum) << field.name;
    for (const vx::ControlIds* set : {&field.controls, &field.controlsY}) {
      for (int32_t id : ControlIdsOf(*set)) EXPECT_TRUE(controls.insert(id).second) << field.name << " control " << id;
    }
    if (field.actionKey != 0) {
      EXPECT_TRUE(actionKeys.insert(field.actionKey).second) << field.name;
    }
    if (field.shown == vx::Shown::kPercentOrLength || field.actionUnit == vx::ActionUnit::kPercentOrPixels) {
      ASSERT_NE(field.modeField, nullptr) << field.name;
      EXPECT_NE(vx::FindField(spec, field.modeField), nullptr) << field.modeField;
    }
  }
}

TEST(RecordKinds, RegistryNamesEveryKindOnce) {
  auto kinds = vx::AllRecordKinds();
  ASSERT_EQ(kinds.size(), 34u);
  EXPECT_STREQ(kinds.front().name, "fractalize");
  EXPECT_STREQ(kinds.back().name, "trail");
  std::set<std::string> names, files;
  std::set<int> effects, tools;
  for (const vx::RecordKind& kind : kinds) {
    EXPECT_TRUE(names.insert(kind.name).second) << kind.name;
    EXPECT_TRUE(files.insert(kind.spec->presetFile).second) << kind.spec->presetFile;
    if (kind.effectIndex >= 0) {
      EXPECT_TRUE(effects.insert(kind.effectIndex).second) << kind.name;
    }
    if (kind.toolIndex >= 0) {
      EXPECT_TRUE(tools.insert(kind.toolIndex).second) << kind.name;
    }
    EXPECT_EQ(vx::FindKindByName(kind.name), &kind);
    EXPECT_EQ(vx::FindKindByPresetFile(kind.spec->presetFile), &kind);
  }
  EXPECT_EQ(effects.size(), 25u);
  EXPECT_EQ(*effects.rbegin(), 24);
  EXPECT_EQ(tools, (std::set<int>{0, 2, 4, 6, 7, 8, 10, 11}));
  EXPECT_STREQ(vx::FindKindByEffectIndex(18)->spec->recordName, "ShadowPGParams");
  EXPECT_STREQ(vx::FindKindByEffectIndex(8)->spec->presetFile, "VELLUMiX4_PST_3DSphere.txt");
  EXPECT_STREQ(vx::FindKindByToolIndex(11)->spec->recordName, "TrailToolParams");
  EXPECT_EQ(vx::FindKindByToolIndex(13), nullptr);  // Live3D Rotate works on the 3D record
  EXPECT_EQ(vx::FindKindByEffectIndex(-1), nullptr);
  EXPECT_EQ(vx::FindKindByEffectIndex(25), nullptr);
  EXPECT_EQ(vx::FindKindByName("neon "), nullptr);
  EXPECT_EQ(vx::FindKindByPresetFile("VELLUMiX4_PST_Neon"), nullptr);
}

TEST(RecordKinds, EveryRecordIsConsistentInRangeAndRoundTrips) {
  for (const vx::RecordKind& kind : vx::AllRecordKinds()) {
    SCOPED_TRACE(kind.name);
    const vx::RecordSpec& spec = *kind.spec;
    ExpectConsistentTable(spec);

    Block defaults(spec, 0xA5);
    vx::SetRecordDefaults(spec, defaults.data(), "Default Setting");
    auto* head = static_cast<vx::RecordHead*>(defaults.data());
    EXPECT_STREQ(head->presetFile, spec.presetFile);
    ExpectDefaultsWithinRange(spec, defaults);

    Block extremes(spec);
    vx::SetRecordDefaults(spec, extremes.data(), "");
    SetToMaximum(spec, extremes);

    for (Block* written : {&defaults, &extremes}) {
      std::string text;
      vx::WriteRecordText(spec, written->data(), "Name", text);
      size_t lines = 0;
      for (char c : text) lines += c == '\n';
      EXPECT_EQ(lines, spec.fieldCount + 1);
      for (size_t i = 0; i < spec.fieldCount; ++i) EXPECT_TRUE(vx::RecordTextHasKey(text.c_str(), spec.fields[i].key));

      Block read(spec, 0x5A);  // garbage: every field must come from the text
      vx::ReadRecordText(spec, read.data(), text.c_str());
      ExpectSameValues(spec, *written, read);
    }
  }
}

}  // namespace
