#include "session_script.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>

#include <nlohmann/json.hpp>

#include "commands/tool.h"
#include "document/document.h"
#include "frame/error_messages.h"
#include "host.h"
#include "platform/clock.h"
#include "tool_driver.h"

namespace vxcli {
namespace {

using nlohmann::json;
using Kind = SessionEvent::Kind;

constexpr char kFormat[] = "vellumix4-session";
constexpr int kVersion = 1;
constexpr char kEffectPanel[] = "__KwDL_VELLUMiX4PG_v46_PrefsPrefix__";

struct KindName {
  Kind kind;
  const char* name;
};
constexpr KindName kKindNames[] = {
    {Kind::kSelect, "select"},         {Kind::kMenu, "menu"},         {Kind::kFlyout, "flyout"},
    {Kind::kType, "type"},             {Kind::kClick, "click"},       {Kind::kPick, "pick"},
    {Kind::kSelectLive, "select-live"}, {Kind::kToolSettings, "tool-settings"}, {Kind::kTool, "tool"},
    {Kind::kMouse, "mouse"},           {Kind::kPutAway, "put-away"}};
constexpr const char* kPhases[] = {"track", "down", "drag", "up"};

const char* NameOf(Kind kind) {
  for (const KindName& entry : kKindNames)
    if (entry.kind == kind) return entry.name;
  return "?";
}

SessionEventError Failed(const std::string& message) { return SessionEventError(message, false); }

// Field readers that name what is wrong.
class EventReader {
 public:
  EventReader(const json& event, size_t number) : event_(event), where_("event " + std::to_string(number + 1)) {}

  const json* Find(const char* key) const {
    auto it = event_.find(key);
    return it == event_.end() ? nullptr : &*it;
  }
  std::string String(const char* key) const {
    const json* value = Find(key);
    if (value == nullptr || !value->is_string()) Fail(key, "a string");
    return value->get<std::string>();
  }
  std::vector<std::string> Strings(const char* key, bool required) const {
    const json* value = Find(key);
    std::vector<std::string> strings;
    if (value == nullptr) {
      if (required) Fail(key, "a list of strings");
      return strings;
    }
    if (!value->is_array()) Fail(key, "a list of strings");
    for (const json& item : *value) {
      if (!item.is_string()) Fail(key, "a list of strings");
      strings.push_back(item.get<std::string>());
    }
    return strings;
  }
  int64_t Integer(const char* key, int64_t minimum, int64_t maximum, bool required, int64_t otherwise) const {
    const json* value = Find(key);
    if (value == nullptr) {
      if (required) Fail(key, "a whole number");
      return otherwise;
    }
    if (!value->is_number_integer()) Fail(key, "a whole number");
    const int64_t number = value->get<int64_t>();
    if (number < minimum || number > maximum)
      Fail(key, "between " + std::to_string(minimum) + " and " + std::to_string(maximum));
    return number;
  }
  double Real(const char* key) const {
    const json* value = Find(key);
    if (value == nullptr || !value->is_number() || !std::isfinite(value->get<double>())) Fail(key, "a number");
    return value->get<double>();
  }
  bool Bool(const char* key) const {
    const json* value = Find(key);
    if (value == nullptr) return false;
    if (!value->is_boolean()) Fail(key, "true or false");
    return value->get<bool>();
  }
  [[noreturn]] void Fail(const std::string& key, const std::string& wanted) const {
    throw SessionScriptError(where_ + ": \"" + key + "\" must be " + wanted);
  }

 private:
  const json& event_;
  std::string where_;
};

vxhost::Panel* EffectPanel(vxhost::Host& host) { return host.panels().FindByIdentifier(kEffectPanel); }

void SelectLiveObjects(vxhost::Document& document, const std::string& groupStem) {
  document.ClearSelection();
  document.ForEachArt([&](vxhost::Art* art) {
    if (art->kind == ai::art_kind::kPluginGroup && art->live != nullptr &&
        art->live->groupName.rfind(groupStem, 0) == 0)
      art->userAttributes |= ai::art_attr::kSelected;
  });
}

std::string StepFailure(const char* what, ai::Code code) {
  if (code == 0x2173656C) return std::string(what) + ": nothing selected to work on (" + CodeText(code) + ")";
  return std::string(what) + ": " + vx::MessageForCode(code) + " (" + CodeText(code) + ")";
}

}  // namespace

std::string SessionToJson(const std::vector<SessionEvent>& events) {
  using ordered = nlohmann::ordered_json;
  ordered list = ordered::array();
  for (const SessionEvent& event : events) {
    ordered item = {{"tick", event.tick}, {"do", NameOf(event.kind)}};
    switch (event.kind) {
      case Kind::kSelect: item["ids"] = event.names; break;
      case Kind::kMenu: item["path"] = event.names; break;
      case Kind::kFlyout: item["item"] = event.id; break;
      case Kind::kType: item["control"] = event.id; item["text"] = event.text; break;
      case Kind::kClick: item["control"] = event.id; break;
      case Kind::kPick:
        item["control"] = event.id;
        if (event.index >= 0) item["index"] = event.index; else item["text"] = event.text;
        break;
      case Kind::kSelectLive: item["group"] = event.text; break;
      case Kind::kToolSettings:
        item["tool"] = event.text;
        item["values"] = event.names;
        if (event.fromLast) item["fromLast"] = true;
        break;
      case Kind::kTool: item["tool"] = event.text; break;
      case Kind::kMouse:
        item["phase"] = event.phase;
        item["x"] = event.at.x;
        item["y"] = event.at.y;
        break;
      case Kind::kPutAway: break;
    }
    if (event.modifiers != 0) item["modifiers"] = event.modifiers;
    list.push_back(std::move(item));
  }
  // One event a line, so a session reads and diffs as a list of steps.
  std::string text = std::string("{\"format\": \"") + kFormat + "\", \"version\": " + std::to_string(kVersion) +
                     ", \"events\": [\n";
  for (size_t i = 0; i < list.size(); ++i) text += "  " + list[i].dump() + (i + 1 < list.size() ? ",\n" : "\n");
  return text + "]}\n";
}

std::vector<SessionEvent> SessionFromJson(std::string_view text) {
  json root;
  try {
    root = json::parse(text.begin(), text.end());
  } catch (const json::parse_error& error) {
    throw SessionScriptError(std::string("not JSON: ") + error.what());
  }
  if (!root.is_object() || root.value("format", json()) != kFormat)
    throw SessionScriptError(std::string("not a session file (\"format\": \"") + kFormat + "\" is missing)");
  if (root.value("version", json()) != kVersion)
    throw SessionScriptError("session version " + root.value("version", json()).dump() + " is not known (1 is)");
  const auto events = root.find("events");
  if (events == root.end() || !events->is_array()) throw SessionScriptError("\"events\" must be a list");
  std::vector<SessionEvent> script;
  uint32_t lastTick = 0;
  for (size_t i = 0; i < events->size(); ++i) {
    const json& item = (*events)[i];
    if (!item.is_object()) throw SessionScriptError("event " + std::to_string(i + 1) + " is not an object");
    EventReader read(item, i);
    SessionEvent event;
    event.tick = static_cast<uint32_t>(read.Integer("tick", 1, std::numeric_limits<uint32_t>::max(), true, 0));
    if (event.tick < lastTick) read.Fail("tick", "no earlier than the tick before it");
    lastTick = event.tick;
    const std::string kind = read.String("do");
    bool known = false;
    for (const KindName& entry : kKindNames)
      if (kind == entry.name) event.kind = entry.kind, known = true;
    if (!known) read.Fail("do", "one of select, menu, flyout, type, click, pick, select-live, tool-settings, tool, mouse, put-away");
    event.modifiers = static_cast<int16_t>(read.Integer("modifiers", 0, 0x7FFF, false, 0));
    constexpr int64_t kMaxId = std::numeric_limits<int32_t>::max();
    switch (event.kind) {
      case Kind::kSelect: event.names = read.Strings("ids", false); break;
      case Kind::kMenu:
        event.names = read.Strings("path", true);
        if (event.names.empty()) read.Fail("path", "a list of at least one menu text");
        break;
      case Kind::kFlyout: event.id = static_cast<int32_t>(read.Integer("item", 1, kMaxId, true, 0)); break;
      case Kind::kType:
        event.id = static_cast<int32_t>(read.Integer("control", 1, kMaxId, true, 0));
        event.text = read.String("text");
        break;
      case Kind::kClick: event.id = static_cast<int32_t>(read.Integer("control", 1, kMaxId, true, 0)); break;
      case Kind::kPick:
        event.id = static_cast<int32_t>(read.Integer("control", 1, kMaxId, true, 0));
        event.index = static_cast<int32_t>(read.Integer("index", 0, kMaxId, false, -1));
        if (event.index < 0) event.text = read.String("text");
        break;
      case Kind::kSelectLive: event.text = read.String("group"); break;
      case Kind::kToolSettings:
        event.text = read.String("tool");
        event.names = read.Strings("values", false);
        event.fromLast = read.Bool("fromLast");
        break;
      case Kind::kTool: event.text = read.String("tool"); break;
      case Kind::kMouse: {
        event.phase = read.String("phase");
        bool phase = false;
        for (const char* name : kPhases) phase |= event.phase == name;
        if (!phase) read.Fail("phase", "track, down, drag or up");
        event.at = {read.Real("x"), read.Real("y")};
        break;
      }
      case Kind::kPutAway: break;
    }
    script.push_back(std::move(event));
  }
  return script;
}

void WriteSessionFile(const std::string& path, const std::vector<SessionEvent>& events) {
  const std::string partial = path + ".part";
  {
    std::ofstream file(partial, std::ios::binary);
    file << SessionToJson(events);
    if (!file.flush()) throw std::runtime_error("cannot write " + partial);
  }
  std::error_code error;
  std::filesystem::rename(partial, path, error);
  if (error) throw std::runtime_error("cannot write " + path + ": " + error.message());
}

std::vector<SessionEvent> ReadSessionFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw SessionScriptError(path + ": cannot open");
  const std::string text(std::istreambuf_iterator<char>(file), {});
  try {
    return SessionFromJson(text);
  } catch (const SessionScriptError& error) {
    throw SessionScriptError(path + ": " + error.what());
  }
}

SessionPlayer::SessionPlayer(Session& session) : session_(session) {
  alertsSeen_ = session.host().log().alerts().size();
}

SessionPlayer::~SessionPlayer() { platform::SetTickCount(std::nullopt); }

platform::ui::Dialog* SessionPlayer::Palette() const {
  vxhost::Host& host = session_.host();
  vxhost::Panel* panel = EffectPanel(host);
  if (panel == nullptr || !panel->shown) return nullptr;
  for (platform::ui::Dialog* dialog : host.desktop().Dialogs())
    if (dialog->Parent() == panel->inside) return dialog;
  return nullptr;
}

int32_t SessionPlayer::Do(SessionEvent event) {
  if (event.tick == 0) event.tick = nextTick_;
  nextTick_ = event.tick + kTickStep;
  platform::SetTickCount(event.tick);
  done_.push_back(event);
  const int32_t result = Execute(event);
  const auto& alerts = session_.host().log().alerts();
  if (alerts.size() > alertsSeen_) {
    alertsSeen_ = alerts.size();
    throw Failed(alerts.back().text);
  }
  return result;
}

void SessionPlayer::Play(const std::vector<SessionEvent>& events) {
  for (const SessionEvent& event : events) {
    const int32_t result = Do(event);
    if (result != platform::ui::kUiOk)
      throw Failed(std::string("the palette refused ") + NameOf(event.kind) + " on control " + std::to_string(event.id) +
                   " (" + std::to_string(result) + ")");
  }
}

int32_t SessionPlayer::Execute(const SessionEvent& event) {
  vxhost::Host& host = session_.host();
  vxhost::Document* document = host.document();
  if (document == nullptr) throw Failed("no document is open");
  switch (event.kind) {
    case Kind::kSelect:
      try {
        SelectArt(*document, event.names);
      } catch (const ToolUseError& error) {
        throw SessionEventError(error.what(), error.usage);
      }
      return platform::ui::kUiOk;
    case Kind::kMenu: {
      vxhost::MenuItem* item = host.app().FindItemByPath(event.names);
      if (item == nullptr) throw Failed("no menu item " + event.names.back());
      ai::MenuMessage message{};
      message.item = reinterpret_cast<ai::MenuItemHandle>(item);
      session_.plugin().Send(ai::callers::kMenu, ai::selectors::kGo, message);
      return platform::ui::kUiOk;
    }
    case Kind::kFlyout: {
      vxhost::Panel* panel = EffectPanel(host);
      if (panel == nullptr || !host.panels().UserPicksFlyoutItem(*panel, static_cast<uint32_t>(event.id)))
        throw Failed("the palette's menu has no item " + std::to_string(event.id));
      return platform::ui::kUiOk;
    }
    case Kind::kType:
    case Kind::kClick:
    case Kind::kPick: {
      platform::ui::Dialog* palette = Palette();
      if (palette == nullptr) throw Failed("no palette is open");
      platform::ui::ScriptedUser user(host.desktop());
      if (event.kind == Kind::kType) return user.TypeAndLeave(*palette, event.id, event.text);
      if (event.kind == Kind::kClick) return user.Click(*palette, event.id, static_cast<uint16_t>(event.modifiers));
      return event.index >= 0 ? user.PickItem(*palette, event.id, event.index)
                              : user.PickItem(*palette, event.id, event.text);
    }
    case Kind::kSelectLive:
      SelectLiveObjects(*document, event.text);
      host.Notify("AI Art Selection Changed Notifier");
      return platform::ui::kUiOk;
    case Kind::kToolSettings:
      try {
        for (std::string& note : ApplyToolSettings(session_, event.text, event.names, event.fromLast))
          notes_.push_back(std::move(note));
      } catch (const ToolUseError& error) {
        throw SessionEventError(error.what(), error.usage);
      }
      return platform::ui::kUiOk;
    case Kind::kTool: {
      const std::string title = ToolTitle(event.text);
      if (title.empty()) throw SessionEventError("unknown tool '" + event.text + "'", true);
      driver_ = std::make_unique<vxhost::ToolDriver>(host, session_.plugin());
      ai::Code chosen = ai::kNoError;
      if (!driver_->Choose(title, &chosen)) throw Failed("the plug-in registered no tool for " + event.text);
      if (chosen != ai::kNoError) throw Failed(StepFailure("choosing the tool", chosen));
      return platform::ui::kUiOk;
    }
    case Kind::kMouse: {
      if (driver_ == nullptr) throw Failed("no tool is chosen");
      ai::Code code = ai::kNoError;
      if (event.phase == "track") code = driver_->TrackCursor(event.at, event.modifiers);
      else if (event.phase == "down") code = driver_->MouseDown(event.at, event.modifiers);
      else if (event.phase == "up") code = driver_->MouseUp(event.at, event.modifiers);
      else if ((code = driver_->MouseDrag(event.at, event.modifiers)) != ai::kNoError)
        driver_->MouseUp(event.at, event.modifiers);  // lets the tool free what the drag holds
      if (code != ai::kNoError)
        throw Failed(StepFailure(event.phase == "track" ? "moving" : event.phase == "down" ? "pressing"
                                 : event.phase == "up" ? "releasing" : "dragging", code));
      return platform::ui::kUiOk;
    }
    case Kind::kPutAway: {
      if (driver_ == nullptr) throw Failed("no tool is chosen");
      if (ai::Code code = driver_->Deselect()) throw Failed(StepFailure("putting the tool away", code));
      driver_.reset();
      return platform::ui::kUiOk;
    }
  }
  return platform::ui::kUiOk;
}

int32_t SessionPlayer::TypeAndLeave(platform::ui::Dialog&, int32_t id, std::string_view text) {
  SessionEvent event;
  event.kind = Kind::kType;
  event.id = id;
  event.text = std::string(text);
  return Do(std::move(event));
}

int32_t SessionPlayer::Click(platform::ui::Dialog&, int32_t id) {
  SessionEvent event;
  event.kind = Kind::kClick;
  event.id = id;
  return Do(std::move(event));
}

int32_t SessionPlayer::PickItem(platform::ui::Dialog&, int32_t id, int32_t index) {
  SessionEvent event;
  event.kind = Kind::kPick;
  event.id = id;
  event.index = index;
  return Do(std::move(event));
}

int32_t SessionPlayer::PickItem(platform::ui::Dialog&, int32_t id, std::string_view text) {
  SessionEvent event;
  event.kind = Kind::kPick;
  event.id = id;
  event.text = std::string(text);
  return Do(std::move(event));
}

}  // namespace vxcli
