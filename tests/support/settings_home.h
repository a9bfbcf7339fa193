// A settings home of its own for one test: $XDG_CONFIG_HOME points at a fresh
// temporary folder while the object lives, so a started plug-in seeds its preset
// files there and never in the user's own settings.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace vxtest {

class ScopedSettingsHome {
 public:
  ScopedSettingsHome() {
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) previous_ = old;
    char pattern[] = "/tmp/vx_settings_XXXXXX";
    if (mkdtemp(pattern) != nullptr) path_ = pattern;
    setenv("XDG_CONFIG_HOME", path_.c_str(), 1);
  }
  ~ScopedSettingsHome() {
    if (previous_) setenv("XDG_CONFIG_HOME", previous_->c_str(), 1); else unsetenv("XDG_CONFIG_HOME");
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  ScopedSettingsHome(const ScopedSettingsHome&) = delete;
  ScopedSettingsHome& operator=(const ScopedSettingsHome&) = delete;

  const std::string& path() const { return path_; }
  std::string settingsFolder() const { return path_ + "/VELLUMiX4 User Settings 2013/"; }

 private:
  std::string path_;
  std::optional<std::string> previous_;
};

}  // namespace vxtest
