// A running host with the VELLUMiX4 plug-in loaded and started: what every
// command of the CLI works in.
#pragma once

#include <memory>
#include <string>

#include "host.h"
#include "plugin_loader.h"

namespace vxcli {

struct SessionOptions {
  std::string pluginPath;  // empty: the plug-in beside this program
  int32_t hostVersion = 16;
  bool verbose = false;
  bool quiet = false;
};

// The plug-in file beside the running program.
std::string DefaultPluginPath();

class Session {
 public:
  // Loads and starts the plug-in; throws std::runtime_error with a message that
  // names the file or the startup code when it cannot.
  explicit Session(const SessionOptions& options);
  ~Session();

  vxhost::Host& host() { return *host_; }
  vxhost::LoadedPlugin& plugin() { return *plugin_; }

  // Quits the application: notifies shutdown and shuts the plug-in down.
  ai::Code Quit();

 private:
  std::unique_ptr<vxhost::Host> host_;
  vxhost::LoadedPlugin* plugin_ = nullptr;
  bool quit_ = false;
};

// A result code as people read it: four characters or a number.
std::string CodeText(ai::Code code);

}  // namespace vxcli
