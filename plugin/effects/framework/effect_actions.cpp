#include "effects/framework/effect_actions.h"

#include <cstdio>
#include <cstring>

#include "frame/ai_error.h"
#include "frame/registration.h"
#include "frame/suite_set.h"
#include "geometry/named_block.h"
#include "presets/field_values.h"
#include "presets/record_table.h"

namespace vx {
namespace {

constexpr char kStepModeField[] = "stepMode";
constexpr int32_t kManualSteps = 3;   // the step mode whose count is typed
constexpr int32_t kAutoStepCount = 3; // the count an automatic step mode plays with
constexpr size_t kMaxParams = 32;

ActionApplier gApplier = nullptr;
FractalizeActionPlayer gFractalizePlayer = nullptr;

class DescriptionGuard {
 public:
  ~DescriptionGuard() {
    if (ref_ != nullptr) suites::ActionManager().disposeDescription(ref_);
  }
  ai::ActionDescriptionRef* receive() { return &ref_; }
  ai::ActionDescriptionRef get() const { return ref_; }

 private:
  ai::ActionDescriptionRef ref_ = nullptr;
};

class ValuesGuard {
 public:
  ~ValuesGuard() {
    if (ref_ != nullptr) suites::ActionManager().disposeValues(ref_);
  }
  ai::ActionParamsRef* receive() { return &ref_; }
  ai::ActionParamsRef get() const { return ref_; }

 private:
  ai::ActionParamsRef ref_ = nullptr;
};

const FieldSpec& FieldOf(const EffectAction& action, const ActionParam& param) {
  const FieldSpec* field = FindField(*action.spec, param.field);
  if (field == nullptr) throw ai::Error(ai::kCantHappen);  // the tables are checked by the tests
  return *field;
}

const ActionParam* FindParam(const EffectAction& action, const char* key) {
  for (const ActionParam& param : action.params)
    if (std::strcmp(param.key, key) == 0) return &param;
  return nullptr;
}

int32_t IntegerOf(const RecordSpec& spec, const char* name, const void* record) {
  const FieldSpec* field = FindField(spec, name);
  return field != nullptr ? static_cast<int32_t>(StoredComponent(*field, record)) : 0;
}

bool Holds(const EffectAction& action, const ActionCondition& condition, const void* record) {
  if (condition.test == ActionCondition::kAlways || condition.field == nullptr) return true;
  const int32_t value = IntegerOf(*action.spec, condition.field, record);
  switch (condition.test) {
    case ActionCondition::kNonZero: return value != 0;
    case ActionCondition::kEquals: return value == condition.value;
    case ActionCondition::kNotEquals: return value != condition.value;
    default: return true;
  }
}

// The unit a real value carries as the record stands (a feed's unit follows its
// mode field).
ai::Code UnitOf(const EffectAction& action, const FieldSpec& field, const void* record) {
  switch (field.actionUnit) {
    case ActionUnit::kPercent: return ai::action_unit::kPercent;
    case ActionUnit::kAngle: return ai::action_unit::kAngle;
    case ActionUnit::kPixels: return ai::action_unit::kPixels;
    case ActionUnit::kResolution: return ai::action_unit::kResolution;
    case ActionUnit::kPercentOrPixels:
      return field.modeField != nullptr && IntegerOf(*action.spec, field.modeField, record) != 0
                 ? ai::action_unit::kPixels
                 : ai::action_unit::kPercent;
    default: return 0;
  }
}

// Stored value -> the value an action carries, by how the field is shown:
// fractions as percent, radians as degrees, everything else as stored.
ai::Code ToActionValue(Shown shown, double stored, double& value) {
  if (shown == Shown::kPercent) {
    value = stored * 100.0;
    return ai::kNoError;
  }
  if (shown == Shown::kDegrees) return suites::RealMath().radiansToDegrees(stored, &value);
  value = stored;
  return ai::kNoError;
}

ai::Code FromActionValue(Shown shown, double value, double& stored) {
  if (shown == Shown::kPercent) {
    stored = value / 100.0;
    return ai::kNoError;
  }
  if (shown == Shown::kDegrees) return suites::RealMath().degreesToRadians(value, &stored);
  stored = value;
  return ai::kNoError;
}

const char* NameOf(const ActionParam& param, int32_t value) {
  const int32_t index = value - param.firstValue;
  if (param.names == nullptr || index < 0 || index >= param.nameCount) return "";
  return param.names[index];
}

ai::Code PutValue(const EffectAction& action, const ActionParam& param, ai::ActionParamsRef values,
                  const void* record) {
  const ai::ActionManagerSuite& manager = suites::ActionManager();
  const ai::Code key = ActionKey(param.key);
  const FieldSpec& field = FieldOf(action, param);
  const double stored = StoredComponent(field, record, param.component);
  switch (param.kind) {
    case ActionValueKind::kInteger: return manager.putInteger(values, key, static_cast<int32_t>(stored));
    case ActionValueKind::kBoolean: return manager.putBoolean(values, key, stored != 0 ? 1 : 0);
    case ActionValueKind::kEnumerated: {
      const auto value = static_cast<int32_t>(stored);
      return manager.putEnumerated(values, key, NameOf(param, value), value);
    }
    case ActionValueKind::kStepsText: {
      const int32_t mode = IntegerOf(*action.spec, kStepModeField, record);
      if (mode != kManualSteps) return manager.putString(values, key, NameOf(param, mode));
      char text[16];
      std::snprintf(text, sizeof text, "%d", static_cast<int32_t>(stored));
      return manager.putString(values, key, text);
    }
    case ActionValueKind::kRawColor:
      return manager.putRawData(values, key, static_cast<const char*>(record) + field.offset, sizeof(ai::ColorRecord));
    case ActionValueKind::kReal: {
      double value = 0;
      if (ai::Code code = ToActionValue(ShownNow(*action.spec, field, record), stored, value)) return code;
      const ai::Code unit = UnitOf(action, field, record);
      return unit != 0 ? manager.putUnitReal(values, key, unit, value) : manager.putReal(values, key, value);
    }
  }
  return ai::kCantHappen;
}

// Whether a whole number may go into the field: enumerations and choices must
// name one of their values, unsigned fields take no negative numbers, and
// counts marked so must lie in the palette's range.
bool Acceptable(const ActionParam& param, const FieldSpec& field, int32_t value) {
  if (param.kind == ActionValueKind::kEnumerated && param.names != nullptr)
    return value >= param.firstValue && value < param.firstValue + param.nameCount;
  if (param.kind == ActionValueKind::kEnumerated || param.checkRange || field.shown == Shown::kChoice)
    return value >= field.minimum && value <= field.maximum;
  if (field.type == FieldType::kUnsigned) return value >= 0;
  return true;
}

// Colours whose record holds a reference to host objects (patterns, custom
// colours, gradients) cannot come from an event: only the values do.
bool PlainColorKind(int32_t kind) {
  return kind != ai::color_kind::kPattern && kind != ai::color_kind::kCustom && kind != ai::color_kind::kGradient;
}

// A feed's value read with its unit; the unit must agree with the mode field
// once every value is read.
struct FeedUnit {
  const ActionParam* param;
  ai::Code unit;
};

ai::Code ReadValue(const EffectAction& action, const ActionParam& param, ai::ActionParamsRef values, void* record,
                   FeedUnit* feeds, size_t& feedCount) {
  const ai::ActionManagerSuite& manager = suites::ActionManager();
  const ai::Code key = ActionKey(param.key);
  const FieldSpec& field = FieldOf(action, param);
  switch (param.kind) {
    case ActionValueKind::kInteger:
    case ActionValueKind::kEnumerated: {
      int32_t value = 0;
      const ai::Code code = param.kind == ActionValueKind::kInteger
                                ? manager.getInteger(values, key, &value)
                                : manager.getEnumerated(values, key, nullptr, 0, &value);
      if (code != ai::kNoError) return code;
      if (!Acceptable(param, field, value)) return ai::kBadParameter;
      StoreComponent(field, record, value, param.component);
      return ai::kNoError;
    }
    case ActionValueKind::kBoolean: {
      int32_t value = 0;
      if (ai::Code code = manager.getBoolean(values, key, &value)) return code;
      StoreComponent(field, record, value != 0 ? 1 : 0, param.component);
      return ai::kNoError;
    }
    case ActionValueKind::kStepsText: {
      char text[64];
      size_t length = 0;
      if (ai::Code code = manager.getString(values, key, text, sizeof text, &length)) return code;
      if (IntegerOf(*action.spec, kStepModeField, record) != kManualSteps) {
        StoreComponent(field, record, kAutoStepCount);
        return ai::kNoError;
      }
      int32_t steps = 0;
      char rest = 0;
      if (length >= sizeof text || std::sscanf(text, "%d%c", &steps, &rest) != 1) return ai::kBadParameter;
      StoreComponent(field, record, steps);
      return ai::kNoError;
    }
    case ActionValueKind::kRawColor: {
      ai::ColorRecord color{};
      size_t size = 0;
      if (ai::Code code = manager.getRawData(values, key, &color, sizeof color, &size)) return code;
      if (!PlainColorKind(color.kind)) return ai::kBadParameter;
      std::memcpy(static_cast<char*>(record) + field.offset, &color, sizeof color);
      return ai::kNoError;
    }
    case ActionValueKind::kReal: {
      double value = 0;
      ai::Code unit = 0;
      const ai::Code expected = UnitOf(action, field, record);
      if (expected == 0) {
        if (ai::Code code = manager.getReal(values, key, &value)) return code;
      } else if (ai::Code code = manager.getUnitReal(values, key, &unit, &value)) {
        return code;
      }
      Shown shown = field.shown;
      if (field.actionUnit == ActionUnit::kPercentOrPixels) {
        if (unit != ai::action_unit::kPercent && unit != ai::action_unit::kPixels) return ai::kWrongActionType;
        if (feedCount < kMaxParams) feeds[feedCount++] = {&param, unit};
        if (shown == Shown::kPercentOrLength)
          shown = unit == ai::action_unit::kPercent ? Shown::kPercent : Shown::kLength;
      } else if (unit != expected) {
        return ai::kWrongActionType;
      }
      double stored = 0;
      if (ai::Code code = FromActionValue(shown, value, stored)) return code;
      StoreComponent(field, record, stored, param.component);
      return ai::kNoError;
    }
  }
  return ai::kCantHappen;
}

}  // namespace

ai::Code RegisterAction(ai::PluginRef plugin, const EffectAction& action, VELLUMiX4Globals& globals) {
  const ai::ActionManagerSuite& manager = suites::ActionManager();
  DescriptionGuard description;
  if (ai::Code code = manager.newDescription(description.receive())) return code;
  auto add = [&](const ActionParam& param) -> ai::Code {
    return manager.addDescriptionEntry(description.get(), ActionKey(param.key), param.label, param.declaredType,
                                       param.shown ? 1 : 0);
  };
  if (action.registrationOrder.empty()) {
    for (const ActionParam& param : action.params)
      if (ai::Code code = add(param)) return code;
  } else {
    for (const char* key : action.registrationOrder) {
      const ActionParam* param = FindParam(action, key);
      if (param == nullptr) return ai::kCantHappen;
      if (ai::Code code = add(*param)) return code;
    }
  }
  globals.actionNumbers[action.number] = action.number;
  return manager.registerAction(action.name, action.title, 1, 0, plugin,
                                reinterpret_cast<intptr_t>(&globals.actionNumbers[action.number]), description.get());
}

ai::Code RegisterEffectActions(ai::PluginRef plugin, VELLUMiX4Globals& globals) {
  for (const EffectAction& action : EffectActions()) {
    if (action.number == kFractalizeActionNumber) continue;
    if (ai::Code code = RegisterAction(plugin, action, globals)) return code;
  }
  return ai::kNoError;
}

ai::Code RegisterFractalizeAction(ai::PluginRef plugin, VELLUMiX4Globals& globals) {
  return RegisterAction(plugin, EffectActions()[kFractalizeActionNumber], globals);
}

ai::Code RecordAction(const EffectAction& action, const void* record) {
  if (record == nullptr) return ai::kBadParameter;
  const ai::ActionManagerSuite& manager = suites::ActionManager();
  int32_t recording = 0;
  if (ai::Code code = manager.isRecording(&recording)) return code;
  if (recording == 0) return ai::kNoError;
  NamedBlock copy;
  if (action.beforeRecord != nullptr) {
    if (ai::Code code = copy.Allocate(action.spec->size, action.spec->recordName)) return code;
    std::memcpy(copy.get(), record, action.spec->size);
    action.beforeRecord(copy.get());
    record = copy.get();
  }
  ValuesGuard values;
  if (ai::Code code = manager.newValues(values.receive())) return code;
  for (const ActionParam& param : action.params) {
    if (!param.recordAlways && !Holds(action, param.when, record)) continue;
    if (ai::Code code = PutValue(action, param, values.get(), record)) return code;
  }
  return manager.recordEvent(action.name, values.get());
}

ai::Code RecordEffectAction(int16_t effectIndex, const void* record) {
  const EffectAction* action = FindEffectAction(effectIndex);
  if (action == nullptr) return ai::kBadParameter;
  return RecordAction(*action, record);
}

ai::Code RecordFractalizeAction(const void* record) {
  return RecordAction(EffectActions()[kFractalizeActionNumber], record);
}

ai::Code ReadActionValues(const EffectAction& action, ai::ActionParamsRef values, void* record) {
  FeedUnit feeds[kMaxParams];
  size_t feedCount = 0;
  for (const ActionParam& param : action.params) {
    if (!Holds(action, param.when, record)) continue;
    if (ai::Code code = ReadValue(action, param, values, record, feeds, feedCount)) return code;
  }
  // A feed recorded in percent belongs to the relative mode, one in points to
  // the absolute mode.
  for (size_t i = 0; i < feedCount; ++i) {
    const FieldSpec& field = FieldOf(action, *feeds[i].param);
    if (feeds[i].unit != UnitOf(action, field, record)) return ai::kWrongActionType;
  }
  return ai::kNoError;
}

void SetActionApplier(ActionApplier applier) { gApplier = applier; }
ActionApplier GetActionApplier() { return gApplier; }

void SetFractalizeActionPlayer(FractalizeActionPlayer player) { gFractalizePlayer = player; }
FractalizeActionPlayer GetFractalizeActionPlayer() { return gFractalizePlayer; }

ai::Code PlayAction(const ai::ActionMessage& message) {
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr) return ai::kBadParameter;
  // The user data is the address of one of our action numbers.
  const auto first = reinterpret_cast<intptr_t>(&globals->actionNumbers[0]);
  const intptr_t offset = message.userData - first;
  if (offset < 0 || offset >= static_cast<intptr_t>(sizeof globals->actionNumbers) || offset % sizeof(int16_t) != 0)
    return ai::kBadParameter;
  const int16_t number = globals->actionNumbers[offset / sizeof(int16_t)];
  if (number < 0 || number >= kActionCount) return ai::kBadParameter;
  const EffectAction& action = EffectActions()[static_cast<size_t>(number)];
  const bool fractalize = number == kFractalizeActionNumber;

  void* target = nullptr;
  if (fractalize) {
    target = globals->currentRecords[kFractalizeRecord];
  } else {
    const int slot = RecordSlotOfEffect(action.effectIndex);
    if (slot < 0 || globals->records[slot] == nullptr) return ai::kCantHappen;
    target = globals->records[slot];
  }
  // The values are read into a copy: an event that cannot be read in full
  // leaves the effect's record as it was.
  NamedBlock copy;
  if (ai::Code code = copy.Allocate(action.spec->size, action.spec->recordName)) return code;
  if (target != nullptr) std::memcpy(copy.get(), target, action.spec->size);
  else SetRecordDefaults(*action.spec, copy.get(), "");
  if (ai::Code code = ReadActionValues(action, message.parameters, copy.get())) return code;
  if (action.afterPlay != nullptr) action.afterPlay(copy.get());
  // Without the controller that applies it, a play would do nothing: that is
  // not reported as done, and the record stays as it was.
  if (fractalize ? gFractalizePlayer == nullptr : gApplier == nullptr) return ai::kCantHappen;
  if (target != nullptr) std::memcpy(target, copy.get(), action.spec->size);
  void* played = target != nullptr ? target : copy.get();
  if (fractalize) return gFractalizePlayer(played, message.showDialog != 0);
  return gApplier(action.effectIndex, played);
}

}  // namespace vx
