// The plug-in property list: what the host reads from the plug-in file before it
// loads the code. Resource 16000, language 1033: a version, a count, then each
// property as {vendor, key, id, length} followed by `length` bytes of value.
//
// On this platform the resource lives in the ELF section ".pipl" of the library,
// preceded by a small resource header naming its type, id and language.
#pragma once

#include <cstdint>

#include "frame/host/codes.h"

namespace ai::pipl {

inline constexpr char kSectionName[] = ".pipl";
constexpr Code kResourceType = FourCC("PiPL");
constexpr int32_t kResourceId = 16000;
constexpr int32_t kResourceLanguage = 1033;
constexpr int32_t kListVersion = 1;

constexpr Code kVendor = FourCC("ADBE");
constexpr Code kKindKey = FourCC("kind");
constexpr Code kInterfaceVersionKey = FourCC("ivrs");
constexpr Code kEntryPointKey = FourCC("wx86");
constexpr Code kNameKey = FourCC("pinm");

constexpr Code kPluginKind = FourCC("SPEA");
constexpr int32_t kInterfaceVersion = 2;

struct ResourceHeader {
  int32_t type;
  int32_t id;
  int32_t language;
  int32_t size;  // bytes of the property list that follows
};

struct PropertyHead {
  int32_t vendor;
  int32_t key;
  int32_t id;
  int32_t length;
};

}  // namespace ai::pipl
