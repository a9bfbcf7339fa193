#include "host_log.h"

#include <cstdio>

namespace vxhost {
namespace {

const char* KindName(Alert::Kind kind) {
  switch (kind) {
    case Alert::Kind::kError: return "error";
    case Alert::Kind::kMessage: return "message";
    case Alert::Kind::kConfirm: return "confirm";
    case Alert::Kind::kPrompt: return "prompt";
    case Alert::Kind::kFolder: return "folder";
  }
  return "alert";
}

}  // namespace

void HostLog::AddDebugOutput(const std::string& text) {
  debugOutput_.push_back(text);
  if (echoDebug) std::fprintf(stderr, "debug: %s", text.c_str());
}

void HostLog::AddAlert(Alert alert) {
  if (echoAlerts) {
    std::string shown = alert.text;
    for (char& c : shown)
      if (c == '\n') c = ' ';
    std::fprintf(stderr, "VELLUMiX4 %s: %s\n", KindName(alert.kind), shown.c_str());
  }
  alerts_.push_back(std::move(alert));
}

size_t HostLog::CountDebug(const std::string& needle) const {
  size_t count = 0;
  for (const std::string& line : debugOutput_)
    if (line.find(needle) != std::string::npos) ++count;
  return count;
}

void HostLog::Clear() {
  debugOutput_.clear();
  alerts_.clear();
}

}  // namespace vxhost
