// The action manager suite: parameter descriptions, registration, the recording
// switch, value blocks and recorded events.
#include <algorithm>
#include <cstring>

#include "actions/action_manager.h"
#include "host.h"
#include "suites/suite_tables.h"
#include "unicode.h"

namespace vxhost {
namespace {

ActionManager& Actions() { return Host::Current().actions(); }

#define VX_VALUES(ref, name)                       \
  ActionValues* name = Actions().FindValues(ref);  \
  if (name == nullptr) return ai::kBadParameter

// Well-formed UTF-8 (null reads as empty).
bool TextOf(const char* utf8, std::string& text) {
  text = utf8 != nullptr ? utf8 : "";
  return Utf8ToUtf16(text).has_value();
}

bool KnownType(ai::Code type) {
  using namespace ai::action_type;
  return type == kInteger || type == kReal || type == kBoolean || type == kEnumerated || type == kString ||
         type == kRawData;
}

ai::Code NewDescription(ai::ActionDescriptionRef* description) {
  if (description == nullptr) return ai::kBadParameter;
  *description = nullptr;
  VX_HOST_ENTER();
  *description = Actions().NewDescription();
  return ai::kNoError;
}

ai::Code AddDescriptionEntry(ai::ActionDescriptionRef description, ai::Code key, const char* label,
                             ai::Code type, int32_t shown) {
  VX_HOST_ENTER();
  auto* entries = Actions().FindDescription(description);
  if (entries == nullptr || key == 0 || !KnownType(type)) return ai::kBadParameter;
  ActionDescriptionEntry entry{key, {}, type, shown != 0};
  if (!TextOf(label, entry.label)) return ai::kBadParameter;
  entries->push_back(std::move(entry));
  return ai::kNoError;
}

ai::Code DisposeDescription(ai::ActionDescriptionRef description) {
  VX_HOST_ENTER();
  return Actions().DisposeDescription(description) ? ai::kNoError : ai::kBadParameter;
}

ai::Code RegisterAction(const char* name, const char* title, int32_t version, int32_t flags,
                        ai::PluginRef plugin, intptr_t userData, ai::ActionDescriptionRef description) {
  if (name == nullptr || *name == '\0') return ai::kBadParameter;
  VX_HOST_ENTER();
  RegisteredAction action;
  action.owner = Host::Current().FindPlugin(plugin);
  if (action.owner == nullptr) return ai::kBadParameter;
  action.name = name;
  if (!TextOf(title, action.title)) return ai::kBadParameter;
  action.version = version;
  action.flags = flags;
  action.userData = userData;
  if (description != nullptr) {
    const auto* entries = Actions().FindDescription(description);
    if (entries == nullptr) return ai::kBadParameter;
    action.parameters = *entries;
  }
  return Actions().Register(std::move(action));
}

ai::Code IsRecording(int32_t* recording) {
  if (recording == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  *recording = Actions().recording() ? 1 : 0;
  return ai::kNoError;
}

ai::Code NewValues(ai::ActionParamsRef* values) {
  if (values == nullptr) return ai::kBadParameter;
  *values = nullptr;
  VX_HOST_ENTER();
  *values = Actions().NewValues();
  return ai::kNoError;
}

ai::Code DisposeValues(ai::ActionParamsRef values) {
  VX_HOST_ENTER();
  return Actions().DisposeValues(values) ? ai::kNoError : ai::kBadParameter;
}

ai::Code Put(ai::ActionParamsRef values, ai::Code key, ActionValue value) {
  VX_HOST_ENTER();
  VX_VALUES(values, block);
  if (key == 0) return ai::kBadParameter;
  block->Put(key, std::move(value));
  return ai::kNoError;
}

ai::Code PutInteger(ai::ActionParamsRef values, ai::Code key, int32_t integer) {
  ActionValue value;
  value.type = ActionValue::Type::kInteger;
  value.integer = integer;
  return Put(values, key, std::move(value));
}

ai::Code PutReal(ai::ActionParamsRef values, ai::Code key, double real) {
  ActionValue value;
  value.type = ActionValue::Type::kReal;
  value.real = real;
  return Put(values, key, std::move(value));
}

ai::Code PutUnitReal(ai::ActionParamsRef values, ai::Code key, ai::Code unit, double real) {
  ActionValue value;
  value.type = ActionValue::Type::kUnitReal;
  value.unit = unit;
  value.real = real;
  return Put(values, key, std::move(value));
}

ai::Code PutBoolean(ai::ActionParamsRef values, ai::Code key, int32_t boolean) {
  ActionValue value;
  value.type = ActionValue::Type::kBoolean;
  value.integer = boolean != 0 ? 1 : 0;
  return Put(values, key, std::move(value));
}

ai::Code PutString(ai::ActionParamsRef values, ai::Code key, const char* text) {
  if (text == nullptr) return ai::kBadParameter;
  ActionValue value;
  value.type = ActionValue::Type::kString;
  value.text = text;
  return Put(values, key, std::move(value));
}

ai::Code PutEnumerated(ai::ActionParamsRef values, ai::Code key, const char* name, int32_t integer) {
  ActionValue value;
  value.type = ActionValue::Type::kEnumerated;
  value.text = name != nullptr ? name : "";
  value.integer = integer;
  return Put(values, key, std::move(value));
}

ai::Code PutRawData(ai::ActionParamsRef values, ai::Code key, const void* data, size_t size) {
  if (data == nullptr && size > 0) return ai::kBadParameter;
  ActionValue value;
  value.type = ActionValue::Type::kRawData;
  const auto* bytes = static_cast<const uint8_t*>(data);
  value.data.assign(bytes, bytes + size);
  return Put(values, key, std::move(value));
}

// The value under `key` if it is of `type`.
ai::Code Get(ai::ActionParamsRef values, ai::Code key, ActionValue::Type type, const ActionValue*& value) {
  VX_HOST_ENTER();
  VX_VALUES(values, block);
  value = block->Find(key);
  if (value == nullptr) return ai::kNoSuchActionKey;
  if (value->type != type) return ai::kWrongActionType;
  return ai::kNoError;
}

ai::Code GetInteger(ai::ActionParamsRef values, ai::Code key, int32_t* integer) {
  if (integer == nullptr) return ai::kBadParameter;
  const ActionValue* value = nullptr;
  if (ai::Code code = Get(values, key, ActionValue::Type::kInteger, value)) return code;
  *integer = value->integer;
  return ai::kNoError;
}

ai::Code GetReal(ai::ActionParamsRef values, ai::Code key, double* real) {
  if (real == nullptr) return ai::kBadParameter;
  const ActionValue* value = nullptr;
  if (ai::Code code = Get(values, key, ActionValue::Type::kReal, value)) return code;
  *real = value->real;
  return ai::kNoError;
}

ai::Code GetUnitReal(ai::ActionParamsRef values, ai::Code key, ai::Code* unit, double* real) {
  if (unit == nullptr || real == nullptr) return ai::kBadParameter;
  const ActionValue* value = nullptr;
  if (ai::Code code = Get(values, key, ActionValue::Type::kUnitReal, value)) return code;
  *unit = value->unit;
  *real = value->real;
  return ai::kNoError;
}

ai::Code GetBoolean(ai::ActionParamsRef values, ai::Code key, int32_t* boolean) {
  if (boolean == nullptr) return ai::kBadParameter;
  const ActionValue* value = nullptr;
  if (ai::Code code = Get(values, key, ActionValue::Type::kBoolean, value)) return code;
  *boolean = value->integer;
  return ai::kNoError;
}

void CopyText(const std::string& text, char* buffer, size_t bufferSize) {
  if (buffer == nullptr || bufferSize == 0) return;
  const size_t count = std::min(text.size(), bufferSize - 1);
  std::memcpy(buffer, text.data(), count);
  buffer[count] = '\0';
}

ai::Code GetString(ai::ActionParamsRef values, ai::Code key, char* buffer, size_t bufferSize, size_t* length) {
  const ActionValue* value = nullptr;
  if (ai::Code code = Get(values, key, ActionValue::Type::kString, value)) return code;
  CopyText(value->text, buffer, bufferSize);
  if (length != nullptr) *length = value->text.size();
  return ai::kNoError;
}

ai::Code GetEnumerated(ai::ActionParamsRef values, ai::Code key, char* name, size_t nameSize, int32_t* integer) {
  if (integer == nullptr) return ai::kBadParameter;
  const ActionValue* value = nullptr;
  if (ai::Code code = Get(values, key, ActionValue::Type::kEnumerated, value)) return code;
  CopyText(value->text, name, nameSize);
  *integer = value->integer;
  return ai::kNoError;
}

ai::Code GetRawData(ai::ActionParamsRef values, ai::Code key, void* data, size_t size, size_t* actualSize) {
  const ActionValue* value = nullptr;
  if (ai::Code code = Get(values, key, ActionValue::Type::kRawData, value)) return code;
  if (actualSize != nullptr) *actualSize = value->data.size();
  if (value->data.size() != size || (data == nullptr && size > 0)) return ai::kBadParameter;
  if (size > 0) std::memcpy(data, value->data.data(), size);
  return ai::kNoError;
}

ai::Code RecordEvent(const char* name, ai::ActionParamsRef values) {
  if (name == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_VALUES(values, block);
  if (Actions().Find(name) == nullptr) return ai::kNoSuchAction;
  if (Actions().recording()) Actions().Record({name, *block});
  return ai::kNoError;
}

const ai::ActionManagerSuite kActionManager = {
    NewDescription, AddDescriptionEntry, DisposeDescription, RegisterAction, IsRecording,
    NewValues,      DisposeValues,       PutInteger,         PutReal,        PutUnitReal,
    PutBoolean,     PutString,           PutEnumerated,      PutRawData,     GetInteger,
    GetReal,        GetUnitReal,         GetBoolean,         GetString,      GetEnumerated,
    GetRawData,     RecordEvent};

}  // namespace

const ai::ActionManagerSuite* ActionManagerSuiteTable() { return &kActionManager; }

}  // namespace vxhost
