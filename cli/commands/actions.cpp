#include "commands/actions.h"

#include <memory>
#include <ostream>

#include "actions/action_file.h"
#include "document/document.h"
#include "selection.h"
#include "frame/error_messages.h"
#include "plugin_loader.h"
#include "svg/svg_io.h"

namespace vxcli {
namespace {

struct UsageError {
  std::string message;
};
struct InputError {
  std::string message;
};

const char* TypeName(ai::Code type) {
  switch (type) {
    case ai::action_type::kInteger: return "integer";
    case ai::action_type::kReal: return "real";
    case ai::action_type::kBoolean: return "boolean";
    case ai::action_type::kEnumerated: return "enumeration";
    case ai::action_type::kString: return "text";
    case ai::action_type::kRawData: return "raw data";
    default: return "?";
  }
}

// What went wrong with an event, in words for the codes of reading one.
std::string ProblemText(ai::Code code) {
  switch (code) {
    case ai::kNoSuchActionKey: return "a value the action needs is missing";
    case ai::kWrongActionType: return "a value has another type or unit than the action expects";
    case ai::kBadParameter: return "a value is outside what the action accepts";
    default: return vx::MessageForCode(code);
  }
}

int List(const ActionsOptions& options, std::ostream& out) {
  Session session(options.session);
  for (const auto& action : session.host().actions().actions()) {
    out << action->name << "\t" << action->title << "\n";
    for (const vxhost::ActionDescriptionEntry& entry : action->parameters) {
      out << "  " << vxhost::FourCharText(entry.key) << "\t" << TypeName(entry.type);
      if (!entry.label.empty()) out << "\t" << entry.label;
      if (!entry.shown) out << "\t(not shown)";
      out << "\n";
    }
  }
  return 0;
}

// Selects the art with the given ids and everything inside it; with no ids,
// everything.
void Select(vxhost::Document& document, const std::vector<std::string>& ids) {
  const std::string missing = SelectByIds(document, ids);
  if (!missing.empty()) throw InputError{"no element with id '" + missing + "'"};
}

int Play(const ActionsOptions& options, std::ostream& err) {
  if (options.file.empty() || options.input.empty() || options.output.empty())
    throw UsageError{"play takes FILE INPUT -o OUTPUT"};
  std::vector<vxhost::RecordedEvent> events;
  std::unique_ptr<vxhost::Document> document;
  try {
    events = vxhost::LoadActionFile(options.file);
    document = vxhost::svg::ReadSvgFile(options.input);
  } catch (const vxhost::ActionFileError& error) {
    throw InputError{error.what()};
  } catch (const vxhost::svg::SvgError& error) {
    throw InputError{error.what()};
  }
  Session session(options.session);
  vxhost::Host& host = session.host();
  vxhost::Document& open = host.OpenDocument(std::move(document));
  host.Notify("AI Document Opened Notifier");
  Select(open, options.select);
  for (size_t i = 0; i < events.size(); ++i) {
    const vxhost::RecordedEvent& event = events[i];
    if (host.actions().Find(event.action) == nullptr)
      throw InputError{"event " + std::to_string(i + 1) + ": the plug-in has no action '" + event.action + "'"};
    if (ai::Code code = host.actions().Play(event)) {
      throw InputError{"event " + std::to_string(i + 1) + " (" + event.action + "): " + ProblemText(code) +
                       " (" + CodeText(code) + ")"};
    }
  }
  if (!options.session.quiet)
    err << "vellumix4: " << events.size() << " action event" << (events.size() == 1 ? "" : "s") << " played\n";
  try {
    vxhost::svg::WriteSvgFile(open, options.output);
  } catch (const vxhost::svg::SvgError& error) {
    throw InputError{error.what()};
  }
  return 0;
}

}  // namespace

int RunActions(const ActionsOptions& options, std::ostream& out, std::ostream& err) {
  try {
    if (options.action == "list") return List(options, out);
    if (options.action == "play") return Play(options, err);
    throw UsageError{"unknown action command '" + options.action + "' (list, play)"};
  } catch (const UsageError& error) {
    err << "vellumix4 actions: " << error.message << "\n";
    return 2;
  } catch (const InputError& error) {
    err << "vellumix4 actions: " << error.message << "\n";
    return 1;
  }
}

}  // namespace vxcli
