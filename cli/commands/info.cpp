#include "commands/info.h"

#include <iomanip>
#include <iostream>

namespace vxcli {

int RunInfo(const SessionOptions& options, std::ostream& out) {
  Session session(options);
  vxhost::Host& host = session.host();
  vxhost::LoadedPlugin& plugin = session.plugin();
  const vxhost::PropertyList& list = plugin.properties();

  out << "plug-in      " << plugin.path() << "\n";
  out << "property list (resource " << list.resourceId << ", language " << list.language << ", version "
      << list.version << ")\n";
  for (const vxhost::PluginProperty& property : list.properties) {
    out << "  " << property.vendor << " " << property.key << "  ";
    if (property.key == "ivrs") {
      out << list.interfaceVersion;
    } else {
      std::string text(property.value.begin(), property.value.end());
      text = text.c_str();
      out << '"' << text << '"';
    }
    out << "\n";
  }
  out << "registered   " << plugin.registeredName() << "\n";
  out << "host version " << host.options().majorVersion << "\n";

  const auto held = host.HeldSuites();
  out << "suites acquired (" << held.size() << ")\n";
  for (const auto& [name, holds] : held) out << "  " << name << "\n";

  const ai::Code code = session.Quit();
  const size_t blocks = host.blocks().LiveCount();
  out << "shut down    " << (code == ai::kNoError ? "cleanly" : "with " + CodeText(code)) << "; " << blocks
      << " blocks alive, " << host.HeldSuiteCount() << " suites held, contexts "
      << (host.contextDepth() == 0 && host.contextViolations() == 0 ? "balanced" : "unbalanced") << "\n";
  return code == ai::kNoError && blocks == 0 ? 0 : 1;
}

}  // namespace vxcli
