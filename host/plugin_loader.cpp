#include "plugin_loader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "elf_section.h"
#include "frame/host/property_list.h"
#include "host.h"

namespace vxhost {
namespace {

constexpr uint32_t kCheckWord = 0x56584831;  // "VXH1"

template <class T>
bool Take(const std::vector<uint8_t>& bytes, size_t& offset, T& out) {
  if (offset > bytes.size() || bytes.size() - offset < sizeof(T)) return false;
  std::memcpy(&out, bytes.data() + offset, sizeof(T));
  offset += sizeof(T);
  return true;
}

std::string TerminatedText(const std::vector<uint8_t>& value) {
  const auto end = std::find(value.begin(), value.end(), uint8_t{0});
  return std::string(value.begin(), end);
}

int32_t NativeInteger(const std::vector<uint8_t>& value) {
  int32_t number = 0;
  if (value.size() >= sizeof number) std::memcpy(&number, value.data(), sizeof number);
  return number;
}

}  // namespace

std::string FourCharText(int32_t code) {
  const auto bits = static_cast<uint32_t>(code);
  std::string text;
  for (int shift = 24; shift >= 0; shift -= 8) text.push_back(static_cast<char>((bits >> shift) & 0xFF));
  return text;
}

std::optional<PropertyList> ReadPropertyList(const std::string& path, std::string& error) {
  std::optional<std::vector<uint8_t>> section = ReadElfSection(path, ai::pipl::kSectionName, error);
  if (!section) return std::nullopt;
  const std::vector<uint8_t>& bytes = *section;
  size_t offset = 0;
  ai::pipl::ResourceHeader resource{};
  PropertyList list;
  int32_t count = 0;
  if (!Take(bytes, offset, resource) || resource.type != ai::pipl::kResourceType || resource.size < 0 ||
      bytes.size() - offset < static_cast<size_t>(resource.size) || !Take(bytes, offset, list.version) ||
      !Take(bytes, offset, count) || count < 0 || count > 64) {
    error = path + ": the property list is damaged";
    return std::nullopt;
  }
  list.resourceId = resource.id;
  list.language = resource.language;
  for (int32_t i = 0; i < count; ++i) {
    ai::pipl::PropertyHead head{};
    if (!Take(bytes, offset, head) || head.length < 0 || bytes.size() - offset < static_cast<size_t>(head.length)) {
      error = path + ": property " + std::to_string(i) + " of the property list is damaged";
      return std::nullopt;
    }
    PluginProperty property{FourCharText(head.vendor), FourCharText(head.key), head.id,
                            std::vector<uint8_t>(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                                                 bytes.begin() + static_cast<std::ptrdiff_t>(offset + head.length))};
    offset += (static_cast<size_t>(head.length) + 3) & ~size_t{3};
    if (head.key == ai::pipl::kKindKey) list.kind = std::string(property.value.begin(), property.value.end());
    if (head.key == ai::pipl::kInterfaceVersionKey) list.interfaceVersion = NativeInteger(property.value);
    if (head.key == ai::pipl::kEntryPointKey) list.entryPoint = TerminatedText(property.value);
    if (head.key == ai::pipl::kNameKey) list.name = TerminatedText(property.value);
    list.properties.push_back(std::move(property));
  }
  if (list.kind != FourCharText(ai::pipl::kPluginKind)) {
    error = path + ": the plug-in kind is '" + list.kind + "', not 'SPEA'";
    return std::nullopt;
  }
  if (list.interfaceVersion != ai::pipl::kInterfaceVersion) {
    error = path + ": interface version " + std::to_string(list.interfaceVersion) + " is not supported";
    return std::nullopt;
  }
  if (list.entryPoint.empty()) {
    error = path + ": the property list names no entry point";
    return std::nullopt;
  }
  return list;
}

LoadedPlugin::LoadedPlugin(Host& host, std::string path, PropertyList properties)
    : host_(host), path_(std::move(path)), properties_(std::move(properties)) {}

LoadedPlugin::LoadedPlugin(Host& host, std::string path, PropertyList properties, ai::PluginMainFunction entry)
    : host_(host), path_(std::move(path)), properties_(std::move(properties)), inProcess_(true), entry_(entry) {}

LoadedPlugin::~LoadedPlugin() { UnloadCode(); }

bool LoadedPlugin::LoadCode(std::string& error) {
  if (library_ != nullptr || inProcess_) return true;
  std::string file = path_;
  if (loads_ > 0) {
    // A reload maps a fresh copy, so the code really is new to the process.
    char pattern[] = "/tmp/vellumix4-reload-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
      error = "cannot make a folder for the reloaded plug-in";
      return false;
    }
    std::error_code copyError;
    file = std::string(pattern) + "/" + std::filesystem::path(path_).filename().string();
    std::filesystem::copy_file(path_, file, copyError);
    if (copyError) {
      error = path_ + ": cannot copy for reloading: " + copyError.message();
      return false;
    }
    mappedCopy_ = file;
  }
  library_ = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library_ == nullptr) {
    const char* reason = dlerror();
    error = path_ + ": " + (reason != nullptr ? reason : "cannot load");
    return false;
  }
  entry_ = reinterpret_cast<ai::PluginMainFunction>(dlsym(library_, properties_.entryPoint.c_str()));
  if (entry_ == nullptr) {
    error = path_ + ": no entry point " + properties_.entryPoint;
    dlclose(library_);
    library_ = nullptr;
    return false;
  }
  ++loads_;
  return true;
}

void LoadedPlugin::UnloadCode() {
  if (inProcess_) return;
  if (library_ != nullptr) dlclose(library_);
  library_ = nullptr;
  entry_ = nullptr;
  if (!mappedCopy_.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(mappedCopy_).parent_path(), ignored);
    mappedCopy_.clear();
  }
}

ai::Code LoadedPlugin::Send(const char* caller, const char* selector, ai::MessageHeader& header) {
  if (entry_ == nullptr) return ai::kBadParameter;
  header.checkWord = kCheckWord;
  header.plugin = ref();
  header.globals = globals_;
  header.basic = host_.basicSuite();
  host_.BeginMessage(caller, selector);
  const ai::Code code = entry_(caller, selector, &header);
  // Kept before the message ends: ending it may send the plug-in more messages.
  globals_ = header.globals;
  host_.EndMessage(caller, selector);
  return code;
}

ai::Code LoadedPlugin::Startup() {
  ai::InterfaceMessage message{};
  const ai::Code code = Send(ai::callers::kInterface, ai::selectors::kStartup, message);
  if (code != ai::kNoError) host_.ForgetRegistrations(this);
  return code;
}

ai::Code LoadedPlugin::Shutdown() {
  ai::InterfaceMessage message{};
  const ai::Code code = Send(ai::callers::kInterface, ai::selectors::kShutdown, message);
  host_.ForgetRegistrations(this);
  return code;
}

ai::Code LoadedPlugin::Unload(bool forceUnmap) {
  ai::AccessMessage message{};
  const ai::Code code = Send(ai::callers::kAccess, ai::selectors::kUnload, message);
  if (forceUnmap || accessCount_ == 0) UnloadCode();
  return code;
}

ai::Code LoadedPlugin::Reload(std::string* error) {
  std::string reason;
  if (!LoadCode(reason)) {
    if (error != nullptr) *error = reason;
    return ai::kBadParameter;
  }
  ai::AccessMessage message{};
  return Send(ai::callers::kAccess, ai::selectors::kReload, message);
}

bool LoadedPlugin::RemoveAccess() {
  if (accessCount_ == 0) return false;
  --accessCount_;
  return true;
}

}  // namespace vxhost
