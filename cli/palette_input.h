// Values put into a palette or dialog control the way a person does it: typed
// into an edit field, ticked, picked from a list, or pressed on a button.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/ui/dialog.h"
#include "platform/ui/ui_driver.h"
#include "presets/record_schema.h"

namespace vxcli {

// What a person's hand does on a palette: the few actions values are put in
// with. The direct hand acts at once; a session player also writes them down.
class PaletteHand {
 public:
  virtual ~PaletteHand() = default;
  virtual int32_t TypeAndLeave(platform::ui::Dialog& dialog, int32_t id, std::string_view text) = 0;
  virtual int32_t Click(platform::ui::Dialog& dialog, int32_t id) = 0;
  virtual int32_t PickItem(platform::ui::Dialog& dialog, int32_t id, int32_t index) = 0;
  virtual int32_t PickItem(platform::ui::Dialog& dialog, int32_t id, std::string_view text) = 0;
};

class DirectHand : public PaletteHand {
 public:
  explicit DirectHand(platform::ui::ScriptedUser& user) : user_(user) {}
  int32_t TypeAndLeave(platform::ui::Dialog& dialog, int32_t id, std::string_view text) override {
    return user_.TypeAndLeave(dialog, id, text);
  }
  int32_t Click(platform::ui::Dialog& dialog, int32_t id) override { return user_.Click(dialog, id); }
  int32_t PickItem(platform::ui::Dialog& dialog, int32_t id, int32_t index) override {
    return user_.PickItem(dialog, id, index);
  }
  int32_t PickItem(platform::ui::Dialog& dialog, int32_t id, std::string_view text) override {
    return user_.PickItem(dialog, id, text);
  }

 private:
  platform::ui::ScriptedUser& user_;
};

// A value the control does not take. `usage` marks a mistake in what was asked
// (no such choice, a disabled control); otherwise the dialog refused it.
class PaletteInputError : public std::runtime_error {
 public:
  PaletteInputError(const std::string& message, bool usage) : std::runtime_error(message), usage(usage) {}
  bool usage;
};

// Puts `value` into the control of `field`: an edit field takes the text, a
// check box "on"/"off", a list its item's text or the field's value, radio and
// image buttons their caption or the value, a button that steps through the
// choices is pressed until it shows the value. Throws PaletteInputError.
// A button that steps through its choices shows captions; a choice given by
// its number is reached from `current`, the choice the button shows now, when
// the caller knows it (-1 when it does not).
void TypeFieldValue(PaletteHand& user, platform::ui::Dialog& dialog, const vx::FieldSpec& field,
                    const std::string& value, int32_t current = -1);

// Reads `value` the way `field`'s palette control reads it, into `record` (the
// values typed so far, so a feed follows its mode). A number, length or point
// the field cannot read is a usage error naming the field and the form it
// takes; a value outside the field's range gives a note saying what the palette
// takes instead (empty when it takes the value as typed). With `control`,
// choices, switches and colours are left to the palette control, which knows
// its captions; without, they must read as the record's text form does.
std::string ReadFieldText(const vx::RecordSpec& spec, const vx::FieldSpec& field, void* record,
                          const std::string& value, int16_t rulerUnit, bool control);

}  // namespace vxcli
