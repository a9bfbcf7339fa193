// A plug-in as the host holds it: its property list, its code, the globals slot
// the host keeps for it, and the messages the host sends it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "frame/host/messages.h"

namespace vxhost {

class Host;

struct PluginProperty {
  std::string vendor;  // four characters
  std::string key;     // four characters
  int32_t id;
  std::vector<uint8_t> value;
};

struct PropertyList {
  int32_t resourceId = 0;
  int32_t language = 0;
  int32_t version = 0;
  std::string kind;
  int32_t interfaceVersion = 0;
  std::string entryPoint;
  std::string name;
  std::vector<PluginProperty> properties;
};

// Reads and checks the property list of a plug-in file.
std::optional<PropertyList> ReadPropertyList(const std::string& path, std::string& error);

std::string FourCharText(int32_t code);

class LoadedPlugin {
 public:
  LoadedPlugin(Host& host, std::string path, PropertyList properties);
  // A plug-in whose code is already part of the process (tests link it in).
  LoadedPlugin(Host& host, std::string path, PropertyList properties, ai::PluginMainFunction entry);
  ~LoadedPlugin();
  LoadedPlugin(const LoadedPlugin&) = delete;
  LoadedPlugin& operator=(const LoadedPlugin&) = delete;

  // Maps the code and finds the entry point the property list names. A reload
  // maps a fresh copy of the file, as a host does when the file was replaced.
  bool LoadCode(std::string& error);
  void UnloadCode();
  bool codeLoaded() const { return library_ != nullptr || inProcess_; }

  ai::PluginRef ref() { return reinterpret_cast<ai::PluginRef>(this); }
  const PropertyList& properties() const { return properties_; }
  const std::string& path() const { return path_; }
  void* globals() const { return globals_; }

  // Sends a message whose record begins with the header; the host fills the
  // header and keeps the globals slot the plug-in leaves in it.
  ai::Code Send(const char* caller, const char* selector, ai::MessageHeader& header);
  template <class Record>
  ai::Code Send(const char* caller, const char* selector, Record& record) {
    return Send(caller, selector, record.d);
  }

  ai::Code Startup();
  ai::Code Shutdown();
  // Sends Unload; the code is unmapped when nothing holds the plug-in, or always
  // with `forceUnmap` (a host that swaps the file under a locked plug-in).
  ai::Code Unload(bool forceUnmap = false);
  // Maps the code again if it was unmapped, then sends Reload.
  ai::Code Reload(std::string* error = nullptr);
  bool started() const { return globals_ != nullptr; }

  // Access references (keep loaded) the plug-in holds.
  void AddAccess() { ++accessCount_; }
  bool RemoveAccess();
  int32_t accessCount() const { return accessCount_; }

  void SetRegisteredName(std::string name) { registeredName_ = std::move(name); }
  const std::string& registeredName() const { return registeredName_; }

 private:
  Host& host_;
  std::string path_;
  PropertyList properties_;
  void* library_ = nullptr;
  bool inProcess_ = false;
  ai::PluginMainFunction entry_ = nullptr;
  std::string mappedCopy_;  // the fresh copy mapped by a reload, removed on unload
  int32_t loads_ = 0;
  void* globals_ = nullptr;
  int32_t accessCount_ = 0;
  std::string registeredName_;
};

}  // namespace vxhost
