// A live-effect object's own data in SVG: the effect's name and its two
// dictionaries travel in vx attributes of the object's group,
//   vx:effect="NAME" vx:effectParameters="key=i:6;genHeight=r:100" vx:effectInstance="randSeed=i:42"
// with "i:" whole numbers and "r:" reals written so that they read back exactly.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "document/art.h"

namespace vxhost::svg {

// The attributes (local names in the vx namespace) to write for a live object;
// none for a plugin group's.
std::vector<std::pair<std::string, std::string>> LiveEffectAttributes(const LiveData& live);

// Reads them back; entries that are not of the form above are left out.
void ReadLiveEffectAttributes(const char* effect, const char* parameters, const char* instance, LiveData& live);

// The text of one dictionary, and the dictionary of a text.
std::string DictionaryText(const Dictionary& dictionary);
Dictionary DictionaryFromText(const std::string& text);

}  // namespace vxhost::svg
