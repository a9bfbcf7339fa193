// Sessions: what a person does in the host, event by event, each at its tick
// of the clock: selecting art, choosing menu items, the palette's flyout,
// typing and clicking in the palette, choosing a tool and dragging with it.
// `effect` and `tool` do their work as such events, so `--record-session`
// writes down exactly what they did and `vellumix4 run` does it again.
//
// The file is JSON: {"format": "vellumix4-session", "version": 1,
// "events": [{"tick": 1000, "do": "menu", "path": ["VELLUMiX4", "Live ネオン"]},
// ...]} with "do" one of select, menu, flyout, type, click, pick,
// select-live, tool-settings, tool, mouse, put-away (README lists their fields).
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "frame/host/codes.h"
#include "palette_input.h"
#include "session.h"

namespace vxhost {
class ToolDriver;
}

namespace vxcli {

struct SessionEvent {
  enum class Kind { kSelect, kMenu, kFlyout, kType, kClick, kPick, kSelectLive, kToolSettings, kTool, kMouse, kPutAway };
  Kind kind = Kind::kMenu;
  uint32_t tick = 0;
  std::vector<std::string> names;  // select: ids (none: everything); menu: the path; tool-settings: FIELD=VALUE
  std::string text;                // type, pick: the text; select-live: the group stem; tool, tool-settings: the tool
  std::string phase;               // mouse: "track", "down", "drag" or "up"
  int32_t id = 0;                  // type, click, pick: the control; flyout: the item
  int32_t index = -1;              // pick: the item's index (-1: by its text)
  ai::RealPoint at{};              // mouse: document coordinates (y up)
  int16_t modifiers = 0;           // click, mouse: ai::modifier bits
  bool fromLast = false;           // tool-settings: over the last setting instead of the default
};

// A session file that cannot be read: the message names the event and field.
class SessionScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::string SessionToJson(const std::vector<SessionEvent>& events);
std::vector<SessionEvent> SessionFromJson(std::string_view text);
// Writes the events as a session file, whole or not at all; throws
// std::runtime_error naming the file.
void WriteSessionFile(const std::string& path, const std::vector<SessionEvent>& events);
// Reads a session file; throws SessionScriptError naming the file.
std::vector<SessionEvent> ReadSessionFile(const std::string& path);

// An event that could not be done (a palette that did not open, an alert):
// `usage` marks a mistake in what was asked.
class SessionEventError : public std::runtime_error {
 public:
  SessionEventError(const std::string& message, bool usage) : std::runtime_error(message), usage(usage) {}
  bool usage;
};

// Does events on the session's open document, the clock pinned to each
// event's tick, and keeps them in order. As a palette hand it turns the
// palette input's typing and clicking into events too.
class SessionPlayer : public PaletteHand {
 public:
  explicit SessionPlayer(Session& session);
  ~SessionPlayer() override;

  // Does `event` at its tick (0: the tick after the last event). Palette
  // events return the control's answer; the others throw SessionEventError.
  int32_t Do(SessionEvent event);
  // Does every event of a script; throws SessionEventError.
  void Play(const std::vector<SessionEvent>& events);

  const std::vector<SessionEvent>& done() const { return done_; }
  // The palette shown in the effect panel, or null.
  platform::ui::Dialog* Palette() const;
  // Notes from the tool settings (values clamped to their range).
  const std::vector<std::string>& notes() const { return notes_; }

  int32_t TypeAndLeave(platform::ui::Dialog& dialog, int32_t id, std::string_view text) override;
  int32_t Click(platform::ui::Dialog& dialog, int32_t id) override;
  int32_t PickItem(platform::ui::Dialog& dialog, int32_t id, int32_t index) override;
  int32_t PickItem(platform::ui::Dialog& dialog, int32_t id, std::string_view text) override;

  static constexpr uint32_t kFirstTick = 1000;
  static constexpr uint32_t kTickStep = 16;  // a mouse reporting sixty times a second

 private:
  int32_t Execute(const SessionEvent& event);

  Session& session_;
  std::unique_ptr<vxhost::ToolDriver> driver_;  // the tool chosen, until it is put away
  std::vector<SessionEvent> done_;
  std::vector<std::string> notes_;
  uint32_t nextTick_ = kFirstTick;
  size_t alertsSeen_ = 0;
};

}  // namespace vxcli
