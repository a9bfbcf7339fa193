#include "commands/run.h"

#include <memory>
#include <ostream>

#include "document/document.h"
#include "host.h"
#include "session_script.h"
#include "svg/svg_io.h"

namespace vxcli {

int RunSessionScript(const RunOptions& options, std::ostream& err) {
  std::vector<SessionEvent> events;
  try {
    events = ReadSessionFile(options.script);
  } catch (const SessionScriptError& error) {
    err << "vellumix4 run: " << error.what() << "\n";
    return 2;
  }
  try {
    std::unique_ptr<vxhost::Document> document = vxhost::svg::ReadSvgFile(options.input);
    Session session(options.session);
    vxhost::Host& host = session.host();
    vxhost::Document& open = host.OpenDocument(std::move(document));
    host.Notify("AI Document Opened Notifier");
    SessionPlayer player(session);
    for (size_t i = 0; i < events.size(); ++i) {
      try {
        player.Do(events[i]);
      } catch (const SessionEventError& error) {
        err << "vellumix4 run: event " << i + 1 << ": " << error.what() << "\n";
        return error.usage ? 2 : 1;
      }
    }
    vxhost::svg::WriteSvgFile(open, options.output);
  } catch (const std::exception& error) {
    err << "vellumix4 run: " << error.what() << "\n";
    return 1;
  }
  if (!options.session.quiet) err << "vellumix4: " << events.size() << " events done\n";
  return 0;
}

}  // namespace vxcli
