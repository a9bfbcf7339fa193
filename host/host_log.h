// What the host saw: the plug-in's debugger output and the alerts it raised.
// Tests read it; the CLI prints it to stderr as it happens.
#pragma once

#include <string>
#include <vector>

namespace vxhost {

struct Alert {
  enum class Kind { kError, kMessage, kConfirm, kPrompt, kFolder };
  Kind kind;
  std::string text;  // UTF-8
  // Prompts: the window's title, the field's label and the text it started with;
  // folder choosers: the folder they opened at (in `initial`).
  std::string title = {}, label = {}, initial = {};
};

class HostLog {
 public:
  void AddDebugOutput(const std::string& text);
  void AddAlert(Alert alert);

  const std::vector<std::string>& debugOutput() const { return debugOutput_; }
  const std::vector<Alert>& alerts() const { return alerts_; }
  // Lines of debugger output that contain `needle`.
  size_t CountDebug(const std::string& needle) const;
  void Clear();

  bool echoDebug = false;   // --verbose
  bool echoAlerts = true;   // alerts go to stderr as they are raised

 private:
  std::vector<std::string> debugOutput_;
  std::vector<Alert> alerts_;
};

}  // namespace vxhost
