// Dictionaries the host keeps with art for plug-ins: values by key, each a
// whole number or a real. A live effect's parameters and what the effect keeps
// beside them are dictionaries.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace vxhost {

struct DictionaryValue {
  bool real = false;
  int32_t integer = 0;
  double number = 0;

  static DictionaryValue Integer(int32_t value) { return {false, value, 0}; }
  static DictionaryValue Real(double value) { return {true, 0, value}; }
  bool operator==(const DictionaryValue& other) const {
    return real == other.real && (real ? number == other.number : integer == other.integer);
  }
};

using Dictionary = std::map<std::string, DictionaryValue>;

}  // namespace vxhost
