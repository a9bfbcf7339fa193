// Effect actions: what startup registers, what applying records, and how a
// "Do Action" replays an event into the effect's record, through PluginMain.
#include "effects/framework/effect_actions.h"

#include <cmath>
#include <cstring>
#include <filesystem>

#include <unistd.h>

#include "actions/action_file.h"
#include "document/document.h"
#include "effects/circle/circle_params.h"
#include "effects/neon/neon_params.h"
#include "effects/tiling/tiling_params.h"
#include "effects/reflections/reflections_params.h"
#include "effects/shadow/shadow_params.h"
#include "effects/trail/trail_params.h"
#include "frame/globals.h"
#include "frame/registration.h"
#include "presets/field_values.h"
#include "presets/record_registry.h"
#include "support/plugin_host.h"

extern "C" ai::Code PluginMain(const char* caller, const char* selector, void* message);

namespace {

using vxhost::ActionValue;
using vxhost::RecordedEvent;

constexpr double kPi = 3.14159265358979323846;
constexpr int16_t kNeon = 21, kShadow = 18, kReflections = 24, kTrail = 20, kCircle = 16, kTiling = 19;

// What the effect controller would apply: a copy of the record it was given.
struct Applied {
  int calls = 0;
  int16_t effect = -1;
  std::vector<char> record;
};
Applied gApplied;
ai::Code RememberApplied(int16_t effect, void* record) {
  ++gApplied.calls;
  gApplied.effect = effect;
  const auto* spec = effect < 0 ? vx::FindKindByName("fractalize")->spec : vx::FindKindByEffectIndex(effect)->spec;
  gApplied.record.assign(static_cast<char*>(record), static_cast<char*>(record) + spec->size);
  return ai::kNoError;
}
ai::Code RememberFractalize(void* record, bool) { return RememberApplied(-1, record); }

// A record of a kind in storage of its own.
struct Record {
  explicit Record(const vx::RecordSpec& spec) : spec(spec), bytes(spec.size) {
    vx::SetRecordDefaults(spec, data(), "");
  }
  void* data() { return bytes.data(); }
  template <class T>
  T& as() {
    return *reinterpret_cast<T*>(bytes.data());
  }
  const vx::RecordSpec& spec;
  std::vector<char> bytes;
};

class EffectActionsTest : public ::testing::Test {
 protected:
  EffectActionsTest() {
    gApplied = {};
    vx::SetActionApplier(RememberApplied);
    vx::SetFractalizeActionPlayer(RememberFractalize);
    EXPECT_EQ(plugin.Startup(), ai::kNoError);
    host.OpenDocument(std::make_unique<vxhost::Document>());
  }
  ~EffectActionsTest() override {
    EXPECT_EQ(host.actions().liveValueBlocks(), 0u);
    EXPECT_EQ(host.actions().liveDescriptions(), 0u);
    EXPECT_EQ(plugin.Shutdown(), ai::kNoError);
    vx::SetActionApplier(nullptr);
    vx::SetFractalizeActionPlayer(nullptr);
  }

  static const vx::EffectAction& ActionOf(int16_t effect) { return *vx::FindEffectAction(effect); }
  static void* StoredRecord(int16_t effect) { return vx::Globals()->records[vx::RecordSlotOfEffect(effect)]; }

  // Records one event of the action with the record and hands it back.
  RecordedEvent RecordOne(const vx::EffectAction& action, const void* record) {
    host.actions().events().clear();
    host.actions().SetRecording(true);
    EXPECT_EQ(vx::RecordAction(action, record), ai::kNoError);
    host.actions().SetRecording(false);
    EXPECT_EQ(host.actions().events().size(), 1u);
    return host.actions().events().empty() ? RecordedEvent{} : host.actions().events()[0];
  }

  ai::Code Play(const std::string& action, std::vector<std::pair<const char*, ActionValue>> values) {
    RecordedEvent event{action, {}};
    for (auto& [key, value] : values) event.values.Put(vx::ActionKey(key), value);
    return host.actions().Play(event);
  }

  vxtest::ScopedSettingsHome settingsHome;
  vxhost::Host host{vxtest::QuietHost()};
  vxhost::LoadedPlugin& plugin = host.AttachPlugin(VX_PLUGIN_PATH, &PluginMain);
};

ActionValue UnitReal(double value, ai::Code unit) {
  ActionValue v;
  v.type = ActionValue::Type::kUnitReal;
  v.real = value;
  v.unit = unit;
  return v;
}
ActionValue Integer(int32_t value, ActionValue::Type type = ActionValue::Type::kInteger) {
  ActionValue v;
  v.type = type;
  v.integer = value;
  return v;
}
ActionValue Text(const char* text) {
  ActionValue v;
  v.type = ActionValue::Type::kString;
  v.text = text;
  return v;
}

TEST_F(EffectActionsTest, StartupRegistersTheFourteenActionsWithTheirParameters) {
  std::vector<std::string> names;
  for (const auto& action : host.actions().actions()) names.push_back(action->name);
  EXPECT_EQ(names, (std::vector<std::string>{
                       "VmX4_Border_Action", "VmX4_Circle_Action", "VmX4_Cutout_Action", "VmX4_Emboss_Action",
                       "VmX4_Explosion_Action", "VmX4_Frame_Action", "VmX4_Galaxy_Action",
                       "VmX4_Generation_Action", "VmX4_Neon_Action", "VmX4_Reflections_Action",
                       "VmX4_DropShadow_Action", "VmX4_Tiling_Action", "VmX4_Trail_Action",
                       "VmX4_Fractalize_Action"}));

  const vxhost::RegisteredAction* neon = host.actions().Find("VmX4_Neon_Action");
  ASSERT_NE(neon, nullptr);
  EXPECT_EQ(neon->title, "ライブ ネオン");
  EXPECT_EQ(neon->version, 1);
  EXPECT_EQ(neon->flags, 0);
  EXPECT_EQ(neon->userData, reinterpret_cast<intptr_t>(&vx::Globals()->actionNumbers[9]));
  EXPECT_EQ(vx::Globals()->actionNumbers[9], 9);
  ASSERT_EQ(neon->parameters.size(), 12u);
  using Entry = vxhost::ActionDescriptionEntry;
  EXPECT_EQ(neon->parameters[0], (Entry{ai::FourCC("trck"), "トラック数: ", ai::action_type::kInteger, true}));
  EXPECT_EQ(neon->parameters[3], (Entry{ai::FourCC("stSy"), "", ai::action_type::kEnumerated, false}));
  EXPECT_EQ(neon->parameters[4], (Entry{ai::FourCC("step"), "ステップ数: ", ai::action_type::kString, true}));
  EXPECT_EQ(neon->parameters[11], (Entry{ai::FourCC("shAg"), "- 光源の方向: ", ai::action_type::kReal, true}));

  EXPECT_EQ(host.actions().Find("VmX4_Border_Action")->title, "ライブ ボーター");
  const auto& explosion = host.actions().Find("VmX4_Explosion_Action")->parameters;
  EXPECT_EQ(explosion[5].key, ai::FourCC("stKd")) << "described before the centre mark";
  EXPECT_EQ(explosion[6].key, ai::FourCC("crsH"));
  const auto& trail = host.actions().Find("VmX4_Trail_Action")->parameters;
  EXPECT_EQ(trail[6], (Entry{ai::FourCC("eFCo"), "", ai::action_type::kRawData, false}));
  for (int16_t number = 0; number < vx::kActionCount; ++number) EXPECT_EQ(vx::Globals()->actionNumbers[number], number);
}

TEST(EffectActionTableTest, EveryParameterNamesAFieldThatCanCarryIt) {
  ASSERT_EQ(vx::EffectActions().size(), 14u);
  for (const vx::EffectAction& action : vx::EffectActions()) {
    SCOPED_TRACE(action.name);
    std::vector<std::string> keys;
    for (const vx::ActionParam& param : action.params) {
      SCOPED_TRACE(param.key);
      EXPECT_EQ(std::strlen(param.key), 4u);
      EXPECT_EQ(std::count(keys.begin(), keys.end(), param.key), 0) << "keys are unique";
      keys.push_back(param.key);
      const vx::FieldSpec* field = vx::FindField(*action.spec, param.field);
      ASSERT_NE(field, nullptr);
      // The record table and the action agree on the key.
      EXPECT_EQ(param.component == 1 ? field->actionKeyY : field->actionKey, vx::ActionKey(param.key));
      if (param.kind == vx::ActionValueKind::kReal) {
        EXPECT_NE(field->actionUnit, vx::ActionUnit::kNone);
      }
      if (param.kind == vx::ActionValueKind::kRawColor) {
        EXPECT_EQ(field->type, vx::FieldType::kColor);
      }
      if (param.when.field != nullptr) {
        EXPECT_NE(vx::FindField(*action.spec, param.when.field), nullptr);
      }
    }
    for (const char* key : action.registrationOrder)
      EXPECT_EQ(std::count(keys.begin(), keys.end(), key), 1) << key;
    if (action.effectIndex >= 0) {
      EXPECT_EQ(vx::FindKindByEffectIndex(action.effectIndex)->spec, action.spec);
    }
  }
}

// A record whose every carried value differs from the default, with every
// switch on that makes more values travel (shadow on, radial axes, manual
// steps, feeds in points).
void ChangeEveryCarriedValue(const vx::EffectAction& action, void* record) {
  const vx::RecordSpec& spec = *action.spec;
  for (const vx::ActionParam& param : action.params) {
    const vx::FieldSpec& field = *vx::FindField(spec, param.field);
    switch (param.kind) {
      case vx::ActionValueKind::kBoolean: vx::StoreComponent(field, record, field.defaultValue != 0 ? 0 : 1); break;
      case vx::ActionValueKind::kEnumerated:
        vx::StoreComponent(field, record,
                           param.names != nullptr ? param.firstValue + param.nameCount - 1 : field.maximum);
        break;
      case vx::ActionValueKind::kInteger:
      case vx::ActionValueKind::kStepsText: {
        const auto low = static_cast<int64_t>(field.minimum), high = static_cast<int64_t>(field.maximum);
        vx::StoreComponent(field, record, static_cast<double>(high - low <= 1 ? high : (low + high) / 2 + 1));
        break;
      }
      default: break;
    }
  }
  for (const vx::ActionParam& param : action.params) {
    const vx::FieldSpec& field = *vx::FindField(spec, param.field);
    if (param.kind == vx::ActionValueKind::kRawColor) {
      ai::ColorRecord color{};
      color.kind = ai::color_kind::kThree;
      color.c.three = {0.1, 0.2, 0.3};
      std::memcpy(static_cast<char*>(record) + field.offset, &color, sizeof color);
    }
    if (param.kind != vx::ActionValueKind::kReal) continue;
    const double shown = field.minimum + (field.maximum - field.minimum) * (0.37 + 0.01 * param.component);
    vx::StoreComponent(field, record,
                       vx::StoredFromShown(vx::ShownNow(spec, field, record), shown, ai::ruler_unit::kPoints),
                       param.component);
  }
  if (action.effectIndex == kTrail) vx::UpdateTrailOffsets(*static_cast<vx::TrailPGParams*>(record));
}

// Field by field: equal values (reals to the last few bits, as unit
// conversions go through a multiplication and back).
void ExpectSameRecord(const vx::RecordSpec& spec, const void* expected, const void* actual) {
  for (size_t i = 0; i < spec.fieldCount; ++i) {
    const vx::FieldSpec& field = spec.fields[i];
    SCOPED_TRACE(field.name);
    if (field.type == vx::FieldType::kColor) {
      EXPECT_EQ(std::memcmp(static_cast<const char*>(expected) + field.offset,
                            static_cast<const char*>(actual) + field.offset, sizeof(ai::ColorRecord)),
                0);
      continue;
    }
    for (int component = 0; component < (field.type == vx::FieldType::kPoint ? 2 : 1); ++component)
      EXPECT_DOUBLE_EQ(vx::StoredComponent(field, actual, component), vx::StoredComponent(field, expected, component));
  }
}

TEST_F(EffectActionsTest, EveryActionSurvivesRecordingSavingLoadingAndPlaying) {
  const auto folder = std::filesystem::temp_directory_path() / ("vx_effect_actions_" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  for (const vx::EffectAction& action : vx::EffectActions()) {
    SCOPED_TRACE(action.name);
    const vx::RecordSpec& spec = *action.spec;
    Record defaults(spec), changed(spec);
    ChangeEveryCarriedValue(action, changed.data());
    // Changed values over a record of defaults, then defaults over changed values.
    for (Record* source : {&changed, &defaults}) {
      Record& before = source == &changed ? defaults : changed;
      const RecordedEvent recorded = RecordOne(action, source->data());
      const std::string path = (folder / (std::string(action.name) + ".json")).string();
      vxhost::SaveActionFile({recorded}, path);
      const auto loaded = vxhost::LoadActionFile(path);
      ASSERT_EQ(loaded, std::vector<RecordedEvent>{recorded});

      void* stored = action.effectIndex >= 0 ? StoredRecord(action.effectIndex) : nullptr;
      if (stored != nullptr) std::memcpy(stored, before.data(), spec.size);
      gApplied = {};
      ASSERT_EQ(host.actions().Play(loaded[0]), ai::kNoError);
      ASSERT_EQ(gApplied.calls, 1);
      EXPECT_EQ(gApplied.effect, action.effectIndex);
      if (source == &changed) {
        // Every field the action carries comes back; the others keep the
        // record's values (Fractalize plays on defaults: it has no stored record).
        Record expected(spec);
        if (stored != nullptr) std::memcpy(expected.data(), before.data(), spec.size);
        for (const vx::ActionParam& param : action.params) {
          const vx::FieldSpec& field = *vx::FindField(spec, param.field);
          const size_t size = field.type == vx::FieldType::kColor   ? sizeof(ai::ColorRecord)
                              : field.type == vx::FieldType::kPoint ? sizeof(ai::RealPoint)
                              : field.type == vx::FieldType::kReal  ? sizeof(double)
                              : field.type == vx::FieldType::kShort ? sizeof(int16_t)
                                                                    : sizeof(int32_t);
          std::memcpy(static_cast<char*>(expected.data()) + field.offset,
                      static_cast<char*>(source->data()) + field.offset, size);
        }
        if (action.effectIndex == kTrail) vx::UpdateTrailOffsets(expected.as<vx::TrailPGParams>());
        ExpectSameRecord(spec, expected.data(), gApplied.record.data());
      } else if (action.effectIndex != kNeon && action.effectIndex != kReflections && action.effectIndex != 23) {
        // Without switches that hold values back, the defaults come back whole.
        ExpectSameRecord(spec, defaults.data(), gApplied.record.data());
      }
      if (stored != nullptr) {
        EXPECT_EQ(std::memcmp(stored, gApplied.record.data(), spec.size), 0) << "the effect's record is the played one";
      }
    }
  }
  std::filesystem::remove_all(folder);
}

TEST_F(EffectActionsTest, AnAngleRecordedAs135DegreesPlaysAsRadians) {
  ASSERT_EQ(Play("VmX4_DropShadow_Action", {{"dnst", UnitReal(50, ai::action_unit::kPercent)},
                                             {"ofst", UnitReal(12.5, ai::action_unit::kPixels)},
                                             {"angl", UnitReal(135, ai::action_unit::kAngle)},
                                             {"tpcy", UnitReal(0, ai::action_unit::kPercent)}}),
            ai::kNoError);
  const auto& shadow = *static_cast<vx::ShadowPGParams*>(StoredRecord(kShadow));
  EXPECT_NEAR(shadow.lightAngle, 2.356194, 1e-6);
  EXPECT_DOUBLE_EQ(shadow.lightAngle, 135 * kPi / 180);
  EXPECT_DOUBLE_EQ(shadow.shade, 0.5);
  EXPECT_DOUBLE_EQ(shadow.distance, 12.5);
  EXPECT_EQ(gApplied.calls, 1);
  EXPECT_EQ(gApplied.effect, kShadow);

  // And recording the default shadow writes degrees and percent.
  Record defaults(vx::kShadowPGParamsSpec);
  const RecordedEvent event = RecordOne(ActionOf(kShadow), defaults.data());
  EXPECT_EQ(event.action, "VmX4_DropShadow_Action");
  EXPECT_NEAR(event.values.Find(ai::FourCC("angl"))->real, 135, 1e-9);
  EXPECT_EQ(event.values.Find(ai::FourCC("angl"))->unit, ai::action_unit::kAngle);
  EXPECT_NEAR(event.values.Find(ai::FourCC("dnst"))->real, 33.33, 1e-9);
  EXPECT_EQ(event.values.Find(ai::FourCC("ofst"))->unit, ai::action_unit::kPixels);
}

TEST_F(EffectActionsTest, ApplyingWhileTheHostIsNotRecordingRecordsNothing) {
  Record neon(vx::kNeonPGParamsSpec);
  EXPECT_EQ(vx::RecordEffectAction(kNeon, neon.data()), ai::kNoError);
  EXPECT_TRUE(host.actions().events().empty());
  EXPECT_EQ(vx::RecordEffectAction(5, neon.data()), ai::kBadParameter) << "3D shapes have no action";
}

TEST_F(EffectActionsTest, ShadowValuesTravelOnlyWithTheShadowSwitch) {
  Record neon(vx::kNeonPGParamsSpec);
  auto& params = neon.as<vx::NeonPGParams>();
  RecordedEvent off = RecordOne(ActionOf(kNeon), neon.data());
  EXPECT_EQ(off.values.entries.size(), 8u) << "'trck' to 'shdF'";
  EXPECT_EQ(off.values.Find(ai::FourCC("shdw")), nullptr);
  EXPECT_EQ(off.values.Find(ai::FourCC("step"))->text, "自動（中密度）");

  // Playing with the switch off keeps the shadow fields as they were and still applies.
  auto& stored = *static_cast<vx::NeonPGParams*>(StoredRecord(kNeon));
  stored.shadowTint = 0.25;
  stored.shadowReverse = 1;
  stored.shadowOffset = 7;
  stored.lightAngle = 0.5;
  stored.steps = 40;
  ASSERT_EQ(host.actions().Play(off), ai::kNoError);
  EXPECT_EQ(gApplied.calls, 1);
  EXPECT_EQ(stored.shadowTint, 0.25);
  EXPECT_EQ(stored.shadowReverse, 1);
  EXPECT_EQ(stored.shadowOffset, 7);
  EXPECT_EQ(stored.lightAngle, 0.5);
  EXPECT_EQ(stored.steps, 3) << "an automatic step mode plays with three steps";

  params.shadowOn = 1;
  params.stepMode = 3;
  params.steps = 17;
  RecordedEvent on = RecordOne(ActionOf(kNeon), neon.data());
  EXPECT_EQ(on.values.entries.size(), 12u);
  EXPECT_EQ(on.values.Find(ai::FourCC("step"))->text, "17");
  ASSERT_EQ(host.actions().Play(on), ai::kNoError);
  EXPECT_EQ(stored.steps, 17);
  EXPECT_EQ(stored.shadowTint, 1.0);
  EXPECT_EQ(stored.shadowOffset, 1.0);
}

TEST_F(EffectActionsTest, ReflectionsRecordOnlyWhatTheirAxisTypeUses) {
  Record reflections(vx::kReflectionsPGParamsSpec);
  auto& params = reflections.as<vx::ReflectionsPGParams>();
  params.axisType = 0;
  params.offsetH = 5;
  params.offsetV = 6;
  params.axisCount = 9;
  const RecordedEvent event = RecordOne(ActionOf(kReflections), reflections.data());
  EXPECT_EQ(event.values.Find(ai::FourCC("hOfs"))->real, 0);
  EXPECT_EQ(event.values.Find(ai::FourCC("vOfs"))->real, 6);
  EXPECT_EQ(event.values.Find(ai::FourCC("axNm"))->integer, 1);
  EXPECT_EQ(params.offsetH, 5) << "the record itself is not changed";

  auto& stored = *static_cast<vx::ReflectionsPGParams*>(StoredRecord(kReflections));
  stored.offsetH = 11;
  stored.axisCount = 4;
  ASSERT_EQ(host.actions().Play(event), ai::kNoError);
  EXPECT_EQ(stored.axisType, 0);
  EXPECT_EQ(stored.offsetH, 11) << "no vertical axis: its offset is not read";
  EXPECT_EQ(stored.offsetV, 6);
  EXPECT_EQ(stored.axisCount, 4);
}

TEST_F(EffectActionsTest, AnEventThatCannotBeReadInFullChangesNothing) {
  auto& stored = *static_cast<vx::ShadowPGParams*>(StoredRecord(kShadow));
  stored.shade = 0.75;
  const size_t blocks = host.blocks().LiveCount();
  struct Case {
    const char* what;
    std::vector<std::pair<const char*, ActionValue>> values;
    ai::Code code;
  };
  const Case cases[] = {
      {"a missing key", {{"dnst", UnitReal(50, ai::action_unit::kPercent)}, {"ofst", UnitReal(1, ai::action_unit::kPixels)}},
       ai::kNoSuchActionKey},
      {"an integer for a real",
       {{"dnst", UnitReal(50, ai::action_unit::kPercent)}, {"ofst", Integer(3)}},
       ai::kWrongActionType},
      {"degrees for a percentage", {{"dnst", UnitReal(50, ai::action_unit::kAngle)}}, ai::kWrongActionType},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Play("VmX4_DropShadow_Action", c.values), c.code);
    EXPECT_EQ(stored.shade, 0.75);
    EXPECT_EQ(stored.lightAngle, 135 * kPi / 180);
    EXPECT_EQ(gApplied.calls, 0);
    EXPECT_EQ(host.blocks().LiveCount(), blocks) << "the copy is freed";
  }
}

TEST_F(EffectActionsTest, ForeignValuesAreRefused) {
  auto& circle = *static_cast<char*>(StoredRecord(kCircle));
  const std::vector<char> circleBefore(&circle, &circle + vx::kCirclePGParamsSpec.size);
  auto circleEvent = [&](int32_t datum) {
    return Play("VmX4_Circle_Action", {{"cpNm", Integer(8)}, {"kpAg", Integer(1, ActionValue::Type::kBoolean)},
                                       {"oInd", Integer(datum, ActionValue::Type::kEnumerated)},
                                       {"hOfs", UnitReal(0, ai::action_unit::kPixels)},
                                       {"vOfs", UnitReal(0, ai::action_unit::kPixels)},
                                       {"crsH", Integer(0, ActionValue::Type::kBoolean)},
                                       {"ovlR", UnitReal(100, ai::action_unit::kPercent)}});
  };
  EXPECT_EQ(circleEvent(9), ai::kBadParameter) << "there are nine datum points";
  EXPECT_EQ(circleEvent(-1), ai::kBadParameter);
  EXPECT_EQ(std::memcmp(&circle, circleBefore.data(), circleBefore.size()), 0);
  EXPECT_EQ(circleEvent(8), ai::kNoError);

  // Manual steps whose count is not a number.
  auto neon = [&](const char* steps, int32_t tracks) {
    return Play("VmX4_Neon_Action",
                {{"trck", Integer(tracks)}, {"brgt", UnitReal(0, ai::action_unit::kPercent)},
                 {"cntr", UnitReal(100, ai::action_unit::kPercent)}, {"stSy", Integer(3, ActionValue::Type::kEnumerated)},
                 {"step", Text(steps)}, {"ofst", UnitReal(0, ai::action_unit::kPercent)},
                 {"angl", UnitReal(0, ai::action_unit::kAngle)}, {"shdF", Integer(0, ActionValue::Type::kBoolean)}});
  };
  EXPECT_EQ(neon("lots", 1), ai::kBadParameter);
  EXPECT_EQ(neon("5x", 1), ai::kBadParameter);
  EXPECT_EQ(neon("5", 0), ai::kNoError);
  const auto& stored = *static_cast<vx::NeonPGParams*>(StoredRecord(kNeon));
  EXPECT_EQ(stored.steps, 5);
  EXPECT_EQ(stored.tracks, 1) << "fewer than one track plays with one";

  // A feed in points while the event says the feeds are relative.
  auto tiling = [&](int32_t relative, ai::Code unit) {
    return Play("VmX4_Tiling_Action",
                {{"hCpy", Integer(2)}, {"vCpy", Integer(2)}, {"mvSt", Integer(relative)}, {"hMov", UnitReal(50, unit)},
                 {"vMov", UnitReal(50, unit)}, {"styl", Integer(0, ActionValue::Type::kEnumerated)},
                 {"hLSz", UnitReal(100, ai::action_unit::kPercent)}, {"vLSz", UnitReal(100, ai::action_unit::kPercent)},
                 {"rszM", Integer(1, ActionValue::Type::kBoolean)}, {"hLRt", UnitReal(0, ai::action_unit::kAngle)},
                 {"vLRt", UnitReal(0, ai::action_unit::kAngle)}});
  };
  EXPECT_EQ(tiling(0, ai::action_unit::kPixels), ai::kWrongActionType);
  EXPECT_EQ(tiling(2, ai::action_unit::kPixels), ai::kBadParameter) << "no third feed mode";
  const auto& tilingRecord = *static_cast<vx::TilingPGParams*>(StoredRecord(kTiling));
  ASSERT_EQ(tiling(1, ai::action_unit::kPixels), ai::kNoError);
  EXPECT_EQ(tilingRecord.moveH, 50) << "points as they are";
  ASSERT_EQ(tiling(0, ai::action_unit::kPercent), ai::kNoError);
  EXPECT_EQ(tilingRecord.moveH, 0.5) << "percent as a fraction";

  // Colours that would refer to host objects cannot come from an event.
  Record trail(vx::kTrailPGParamsSpec);
  RecordedEvent event = RecordOne(ActionOf(kTrail), trail.data());
  ai::ColorRecord custom{};
  custom.kind = ai::color_kind::kCustom;
  auto& raw = const_cast<ActionValue&>(*event.values.Find(ai::FourCC("eSCo")));
  raw.data.assign(reinterpret_cast<uint8_t*>(&custom), reinterpret_cast<uint8_t*>(&custom) + sizeof custom);
  EXPECT_EQ(host.actions().Play(event), ai::kBadParameter);
  raw.data.resize(8);
  EXPECT_EQ(host.actions().Play(event), ai::kBadParameter);
}

TEST_F(EffectActionsTest, DoActionWithUserDataThatIsNotOursIsRefused) {
  int16_t elsewhere = 9;
  ai::ActionMessage message{};
  message.userData = reinterpret_cast<intptr_t>(&elsewhere);
  message.parameters = host.actions().NewValues();
  EXPECT_EQ(plugin.Send(ai::callers::kActionManager, ai::selectors::kDoAction, message), ai::kBadParameter);
  message.userData = reinterpret_cast<intptr_t>(&vx::Globals()->actionNumbers[0]) + 1;
  EXPECT_EQ(plugin.Send(ai::callers::kActionManager, ai::selectors::kDoAction, message), ai::kBadParameter);
  host.actions().DisposeValues(message.parameters);
  EXPECT_EQ(gApplied.calls, 0);
}

TEST_F(EffectActionsTest, WithoutAControllerToApplyItAPlayIsNotReportedAsDone) {
  vx::SetActionApplier(nullptr);
  Record shadow(vx::kShadowPGParamsSpec);
  const RecordedEvent event = RecordOne(ActionOf(kShadow), shadow.data());
  EXPECT_EQ(host.actions().Play(event), ai::kCantHappen);
}

TEST_F(EffectActionsTest, FailingHostCallsComeBackUnchangedAndLeaveTheRecord) {
  Record shadow(vx::kShadowPGParamsSpec);
  shadow.as<vx::ShadowPGParams>().shade = 0.9;
  const RecordedEvent event = RecordOne(ActionOf(kShadow), shadow.data());
  auto& stored = *static_cast<vx::ShadowPGParams*>(StoredRecord(kShadow));
  constexpr ai::Code kInjected = ai::FourCC("FAIL");
  for (int64_t n = 1;; ++n) {
    stored.shade = 0.2;
    const size_t blocks = host.blocks().LiveCount();
    host.faults().Reset(true);
    host.faults().FailNthCall(n, kInjected);
    const ai::Code code = host.actions().Play(event);
    const bool fired = host.faults().fired();
    host.faults().Disarm();
    if (!fired) {
      EXPECT_EQ(code, ai::kNoError);
      EXPECT_DOUBLE_EQ(stored.shade, 0.9);
      break;
    }
    const std::string failed = host.faults().recorded().at(static_cast<size_t>(n - 1));
    SCOPED_TRACE(failed);
    if (failed == "FreeBlock") continue;  // a block the host refuses to free stays counted
    EXPECT_EQ(code, kInjected);
    EXPECT_EQ(stored.shade, 0.2);
    EXPECT_EQ(host.blocks().LiveCount(), blocks);
    ASSERT_LT(n, 100);
  }
}

}  // namespace
