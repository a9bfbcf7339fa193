#include "actions/action_file.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include <nlohmann/json.hpp>

#include "host.h"

namespace vxhost {
namespace {

using nlohmann::json;
using Type = ActionValue::Type;

constexpr char kFormat[] = "vellumix4-actions";
constexpr int kVersion = 1;

struct TypeName {
  Type type;
  const char* name;
};
constexpr TypeName kTypeNames[] = {{Type::kInteger, "integer"},       {Type::kReal, "real"},
                                   {Type::kUnitReal, "unitReal"},     {Type::kBoolean, "boolean"},
                                   {Type::kString, "string"},         {Type::kEnumerated, "enumerated"},
                                   {Type::kRawData, "rawData"}};

std::string CodeText(ai::Code code) {
  std::string text(4, ' ');
  for (int i = 0; i < 4; ++i) text[i] = static_cast<char>((static_cast<uint32_t>(code) >> (24 - 8 * i)) & 0xFF);
  return text;
}

bool CodeFromText(const std::string& text, ai::Code& code) {
  if (text.size() != 4) return false;
  uint32_t value = 0;
  for (unsigned char c : text) value = (value << 8) | c;
  code = static_cast<ai::Code>(value);
  return code != 0;
}

std::string Hex(const std::vector<uint8_t>& data) {
  static const char kDigits[] = "0123456789abcdef";
  std::string text;
  text.reserve(data.size() * 2);
  for (uint8_t byte : data) {
    text.push_back(kDigits[byte >> 4]);
    text.push_back(kDigits[byte & 15]);
  }
  return text;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

json ValueToJson(ai::Code key, const ActionValue& value) {
  json entry;
  entry["key"] = CodeText(key);
  for (const TypeName& name : kTypeNames)
    if (name.type == value.type) entry["type"] = name.name;
  switch (value.type) {
    case Type::kInteger: entry["value"] = value.integer; break;
    case Type::kBoolean: entry["value"] = value.integer != 0; break;
    case Type::kUnitReal: entry["unit"] = CodeText(value.unit); [[fallthrough]];
    case Type::kReal:
      if (!std::isfinite(value.real)) throw ActionFileError("value '" + CodeText(key) + "' is not a finite number");
      entry["value"] = value.real;
      break;
    case Type::kString: entry["value"] = value.text; break;
    case Type::kEnumerated:
      entry["name"] = value.text;
      entry["value"] = value.integer;
      break;
    case Type::kRawData: entry["value"] = Hex(value.data); break;
  }
  return entry;
}

// Where a problem was found, for the message.
struct Place {
  size_t event;
  size_t value;
  std::string Text() const {
    return "event " + std::to_string(event + 1) + ", value " + std::to_string(value + 1);
  }
};

[[noreturn]] void Fail(const Place& place, const std::string& what) {
  throw ActionFileError(place.Text() + ": " + what);
}

int32_t ReadInteger(const json& value, const Place& place) {
  if (!value.is_number_integer()) Fail(place, "\"value\" must be a whole number");
  if (value.is_number_unsigned()) {
    const auto number = value.get<uint64_t>();
    if (number > static_cast<uint64_t>(std::numeric_limits<int32_t>::max())) Fail(place, "integer out of range");
    return static_cast<int32_t>(number);
  }
  const auto number = value.get<int64_t>();
  if (number < std::numeric_limits<int32_t>::min() || number > std::numeric_limits<int32_t>::max())
    Fail(place, "integer out of range");
  return static_cast<int32_t>(number);
}

std::string ReadText(const json& entry, const char* member, const Place& place) {
  const auto found = entry.find(member);
  if (found == entry.end() || !found->is_string()) Fail(place, std::string("\"") + member + "\" must be a text");
  return found->get<std::string>();
}

std::pair<ai::Code, ActionValue> ValueFromJson(const json& entry, const Place& place) {
  if (!entry.is_object()) Fail(place, "a value must be an object");
  ai::Code key = 0;
  if (!CodeFromText(ReadText(entry, "key", place), key)) Fail(place, "\"key\" must be four characters");
  const std::string typeName = ReadText(entry, "type", place);
  ActionValue value;
  bool known = false;
  for (const TypeName& name : kTypeNames) {
    if (typeName == name.name) {
      value.type = name.type;
      known = true;
    }
  }
  if (!known) Fail(place, "unknown type \"" + typeName + "\"");
  const auto found = entry.find("value");
  if (found == entry.end()) Fail(place, "\"value\" is missing");
  const json& data = *found;
  switch (value.type) {
    case Type::kInteger: value.integer = ReadInteger(data, place); break;
    case Type::kBoolean:
      if (!data.is_boolean()) Fail(place, "\"value\" must be true or false");
      value.integer = data.get<bool>() ? 1 : 0;
      break;
    case Type::kUnitReal:
      if (!CodeFromText(ReadText(entry, "unit", place), value.unit)) Fail(place, "\"unit\" must be four characters");
      [[fallthrough]];
    case Type::kReal:
      if (!data.is_number()) Fail(place, "\"value\" must be a number");
      value.real = data.get<double>();
      if (!std::isfinite(value.real)) Fail(place, "\"value\" must be a finite number");
      break;
    case Type::kString: value.text = ReadText(entry, "value", place); break;
    case Type::kEnumerated:
      value.text = ReadText(entry, "name", place);
      value.integer = ReadInteger(data, place);
      break;
    case Type::kRawData: {
      const std::string hex = ReadText(entry, "value", place);
      if (hex.size() % 2 != 0) Fail(place, "raw data must have an even number of hexadecimal digits");
      for (size_t i = 0; i < hex.size(); i += 2) {
        const int high = HexDigit(hex[i]), low = HexDigit(hex[i + 1]);
        if (high < 0 || low < 0) Fail(place, "raw data must be hexadecimal");
        value.data.push_back(static_cast<uint8_t>(high * 16 + low));
      }
      break;
    }
  }
  return {key, std::move(value)};
}

}  // namespace

std::string ActionEventsToJson(const std::vector<RecordedEvent>& events) {
  json list = json::array();
  for (const RecordedEvent& event : events) {
    json values = json::array();
    for (const auto& [key, value] : event.values.entries) values.push_back(ValueToJson(key, value));
    list.push_back(json{{"action", event.action}, {"values", std::move(values)}});
  }
  json file;
  file["format"] = kFormat;
  file["version"] = kVersion;
  file["events"] = std::move(list);
  return file.dump(2) + "\n";
}

std::vector<RecordedEvent> ActionEventsFromJson(std::string_view text) {
  json file;
  try {
    file = json::parse(text.begin(), text.end());
  } catch (const json::parse_error& error) {
    throw ActionFileError(std::string("not JSON: ") + error.what());
  }
  if (!file.is_object() || file.value("format", json()) != kFormat)
    throw ActionFileError(std::string("not an action file (\"format\" must be \"") + kFormat + "\")");
  const json version = file.value("version", json());
  if (!version.is_number_integer() || version.get<int64_t>() != kVersion)
    throw ActionFileError("unsupported action file version (this program reads version 1)");
  const auto list = file.find("events");
  if (list == file.end() || !list->is_array()) throw ActionFileError("\"events\" must be a list");
  std::vector<RecordedEvent> events;
  for (size_t e = 0; e < list->size(); ++e) {
    const json& entry = (*list)[e];
    if (!entry.is_object()) throw ActionFileError("event " + std::to_string(e + 1) + ": must be an object");
    RecordedEvent event;
    const auto action = entry.find("action");
    if (action == entry.end() || !action->is_string() || action->get<std::string>().empty())
      throw ActionFileError("event " + std::to_string(e + 1) + ": \"action\" must name an action");
    event.action = action->get<std::string>();
    const auto values = entry.find("values");
    if (values == entry.end() || !values->is_array())
      throw ActionFileError("event " + std::to_string(e + 1) + ": \"values\" must be a list");
    for (size_t v = 0; v < values->size(); ++v) {
      auto [key, value] = ValueFromJson((*values)[v], Place{e, v});
      if (event.values.Find(key) != nullptr) Fail(Place{e, v}, "the key appears twice");
      event.values.entries.emplace_back(key, std::move(value));
    }
    events.push_back(std::move(event));
  }
  return events;
}

void SaveActionFile(const std::vector<RecordedEvent>& events, const std::string& path) {
  const std::string text = ActionEventsToJson(events);
  const std::filesystem::path target(path);
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  const std::filesystem::path temporary = folder / ("." + target.filename().string() + ".partial");
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) throw ActionFileError(path + ": cannot write: " + std::strerror(errno));
    out << text;
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      throw ActionFileError(path + ": cannot write");
    }
  }
  std::error_code ec;
  std::filesystem::rename(temporary, target, ec);
  if (ec) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    throw ActionFileError(path + ": cannot write: " + ec.message());
  }
}

std::vector<RecordedEvent> LoadActionFile(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) throw ActionFileError(path + ": is a folder");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ActionFileError(path + ": cannot open: " + std::strerror(errno));
  std::ostringstream contents;
  contents << in.rdbuf();
  try {
    return ActionEventsFromJson(contents.str());
  } catch (const ActionFileError& error) {
    throw ActionFileError(path + ": " + error.what());
  }
}

void SaveRecordedActions(Host& host, const std::string& path) { SaveActionFile(host.actions().events(), path); }

}  // namespace vxhost
