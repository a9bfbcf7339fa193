#include "session.h"

#include <unistd.h>

#include <filesystem>
#include <stdexcept>

namespace vxcli {

std::string DefaultPluginPath() {
  std::error_code error;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return "libVELLUMiX4.so";
  return (self.parent_path() / "libVELLUMiX4.so").string();
}

std::string CodeText(ai::Code code) {
  const uint32_t upper = static_cast<uint32_t>(code) >> 16;
  if (upper == 0 || upper == 0xFFFF) return std::to_string(code);
  return "'" + vxhost::FourCharText(code) + "'";
}

Session::Session(const SessionOptions& options) {
  vxhost::HostOptions hostOptions;
  hostOptions.majorVersion = options.hostVersion;
  hostOptions.echoDebug = options.verbose;
  hostOptions.echoAlerts = true;
  host_ = std::make_unique<vxhost::Host>(hostOptions);
  const std::string path = options.pluginPath.empty() ? DefaultPluginPath() : options.pluginPath;
  plugin_ = &host_->LoadPlugin(path);
  const ai::Code code = plugin_->Startup();
  if (code != ai::kNoError) throw std::runtime_error(path + ": the plug-in failed to start (" + CodeText(code) + ")");
  host_->Notify(ai::notifier_types::kApplicationStarted);
}

ai::Code Session::Quit() {
  if (quit_) return ai::kNoError;
  quit_ = true;
  host_->Notify(ai::notifier_types::kApplicationShutdown);
  return plugin_->Shutdown();
}

Session::~Session() {
  if (!quit_) Quit();
}

}  // namespace vxcli
