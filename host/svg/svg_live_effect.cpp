#include "svg/svg_live_effect.h"

#include <charconv>
#include <string_view>

namespace vxhost::svg {
namespace {

constexpr char kEntrySeparator = ';';

bool ParseValue(std::string_view text, DictionaryValue& value) {
  if (text.size() < 2 || text[1] != ':' || (text[0] != 'i' && text[0] != 'r')) return false;
  const char* first = text.data() + 2;
  const char* last = text.data() + text.size();
  if (text[0] == 'i') {
    int32_t integer = 0;
    const auto [end, error] = std::from_chars(first, last, integer);
    if (error != std::errc() || end != last) return false;
    value = DictionaryValue::Integer(integer);
    return true;
  }
  double number = 0;
  const auto [end, error] = std::from_chars(first, last, number);
  if (error != std::errc() || end != last) return false;
  value = DictionaryValue::Real(number);
  return true;
}

}  // namespace

std::string DictionaryText(const Dictionary& dictionary) {
  std::string text;
  for (const auto& [key, value] : dictionary) {
    if (!text.empty()) text += kEntrySeparator;
    char number[64];
    const auto result = value.real ? std::to_chars(number, number + sizeof number, value.number)
                                   : std::to_chars(number, number + sizeof number, value.integer);
    text += key + (value.real ? "=r:" : "=i:") + std::string(number, result.ptr);
  }
  return text;
}

Dictionary DictionaryFromText(const std::string& text) {
  Dictionary dictionary;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(kEntrySeparator, start);
    if (end == std::string::npos) end = text.size();
    const std::string_view entry(text.data() + start, end - start);
    const size_t equals = entry.find('=');
    DictionaryValue value;
    if (equals != std::string_view::npos && equals > 0 && ParseValue(entry.substr(equals + 1), value))
      dictionary[std::string(entry.substr(0, equals))] = value;
    start = end + 1;
  }
  return dictionary;
}

std::vector<std::pair<std::string, std::string>> LiveEffectAttributes(const LiveData& live) {
  if (!live.IsLiveEffect()) return {};
  return {{"effect", live.effectName},
          {"effectParameters", DictionaryText(live.parameters)},
          {"effectInstance", DictionaryText(live.instance)}};
}

void ReadLiveEffectAttributes(const char* effect, const char* parameters, const char* instance, LiveData& live) {
  if (effect == nullptr || *effect == '\0') return;
  live.effectName = effect;
  if (parameters != nullptr) live.parameters = DictionaryFromText(parameters);
  if (instance != nullptr) live.instance = DictionaryFromText(instance);
}

}  // namespace vxhost::svg
