// The plug-in's property list, placed in its own section of the library so that
// the host can read it from the file before it loads any code.
#include <cstdint>

#include "frame/host/property_list.h"

namespace vx::resources {
namespace {

template <int32_t N>
struct Property {
  ai::pipl::PropertyHead head;
  char value[N];
};

struct PropertyListResource {
  ai::pipl::ResourceHeader resource;
  int32_t version;
  int32_t count;
  Property<4> kind;
  Property<4> interfaceVersion;
  Property<12> entryPoint;
  Property<16> name;
};

constexpr int32_t kListSize = static_cast<int32_t>(sizeof(PropertyListResource) - sizeof(ai::pipl::ResourceHeader));

constexpr Property<4> FourCharProperty(ai::Code key, ai::Code value) {
  const auto bits = static_cast<uint32_t>(value);
  return {{ai::pipl::kVendor, key, 0, 4},
          {static_cast<char>(bits >> 24), static_cast<char>(bits >> 16), static_cast<char>(bits >> 8),
           static_cast<char>(bits)}};
}

constexpr Property<4> IntegerProperty(ai::Code key, int32_t value) {
  // Stored in the machine's byte order, as every other field of the list.
  const auto bits = static_cast<uint32_t>(value);
  return {{ai::pipl::kVendor, key, 0, 4},
          {static_cast<char>(bits), static_cast<char>(bits >> 8), static_cast<char>(bits >> 16),
           static_cast<char>(bits >> 24)}};
}

}  // namespace

[[gnu::section(".pipl"), gnu::used]] const PropertyListResource kPropertyList = {
    {ai::pipl::kResourceType, ai::pipl::kResourceId, ai::pipl::kResourceLanguage, kListSize},
    ai::pipl::kListVersion,
    4,
    FourCharProperty(ai::pipl::kKindKey, ai::pipl::kPluginKind),
    IntegerProperty(ai::pipl::kInterfaceVersionKey, ai::pipl::kInterfaceVersion),
    {{ai::pipl::kVendor, ai::pipl::kEntryPointKey, 0, 12}, "PluginMain"},
    {{ai::pipl::kVendor, ai::pipl::kNameKey, 0, 16}, "VELLUMiX4"},
};

}  // namespace vx::resources
