// The host actions of the live effects and Fractalize: each is registered at
// startup with a description of its parameters, recorded after the effect was
// applied while the host records, and played back from "Do Action".
//
// An action is a table: its parameters in recording and playing order, each
// naming the record field it carries. How a value is converted follows the
// field's own table row: fractions shown as percent are recorded x 100 with
// '#Prc', radians as degrees with '#Ang', points with '#Pxl', a feed in percent
// or points by its mode field.
#pragma once

#include <cstdint>
#include <span>

#include "frame/globals.h"
#include "frame/host/messages.h"
#include "presets/record_schema.h"

namespace vx {

// What a parameter's value is when it is recorded and read.
enum class ActionValueKind : uint8_t {
  kInteger,     // a whole number
  kReal,        // a number in the unit of its field's action unit
  kBoolean,
  kEnumerated,  // the value with its name (the name of `names`, or empty)
  kStepsText,   // Neon's and Border's step count: "%d" in manual mode, else the mode's name
  kRawColor,    // a 136-byte colour record
};

// A test on a record field that decides whether a dependent parameter is read
// (and recorded).
struct ActionCondition {
  enum Test : uint8_t { kAlways, kNonZero, kEquals, kNotEquals };
  const char* field = nullptr;
  Test test = kAlways;
  int32_t value = 0;
};

struct ActionParam {
  const char* key;         // four characters
  const char* field;       // the record field, by name
  ActionValueKind kind;
  ai::Code declaredType;   // the value type the description gives (ai::action_type)
  const char* label;       // UTF-8; empty for none
  bool shown;              // shown in the host's action palette
  const char* const* names = nullptr;  // enumeration names by value, from `firstValue`
  int32_t nameCount = 0;
  int32_t firstValue = 0;
  int component = 0;       // 1: the second component of a point
  ActionCondition when{};  // read only when this holds
  bool recordAlways = false;  // recorded even when `when` does not hold
  bool checkRange = false;    // a whole number outside the field's range is refused
};

struct EffectAction {
  int16_t number;          // 0..13; its slot of globals.actionNumbers is the user data
  const char* name;        // "VmX4_Neon_Action"
  const char* title;       // UTF-8
  int16_t effectIndex;     // 12..24; -1 for Fractalize
  const RecordSpec* spec;
  std::span<const ActionParam> params;  // recording and playing order
  std::span<const char* const> registrationOrder;  // keys, when the description lists them otherwise
  void (*beforeRecord)(void* copy);  // values recorded differently from the record (on a copy)
  void (*afterPlay)(void* record);   // fields that follow from the values read
};

constexpr int16_t kFractalizeActionNumber = 0;

// The fourteen actions by number.
std::span<const EffectAction> EffectActions();
// The action of an effect index (12..24); null for the 3D shapes and others.
const EffectAction* FindEffectAction(int16_t effectIndex);

// Registers the effect actions in the order Border, Circle, Cutout, Emboss,
// Explosion, Frame, Galaxy, Generation, Neon, Reflections, Shadow, Tiling, Trail.
ai::Code RegisterEffectActions(ai::PluginRef plugin, VELLUMiX4Globals& globals);
ai::Code RegisterFractalizeAction(ai::PluginRef plugin, VELLUMiX4Globals& globals);
ai::Code RegisterAction(ai::PluginRef plugin, const EffectAction& action, VELLUMiX4Globals& globals);

// Records an event of the action with the record's values when the host is
// recording; nothing otherwise.
ai::Code RecordAction(const EffectAction& action, const void* record);
// What an effect controller calls after Apply.
ai::Code RecordEffectAction(int16_t effectIndex, const void* record);
// What the Fractalize controller calls after the filter ran.
ai::Code RecordFractalizeAction(const void* record);

// Reads an event's values into `record` (which holds the values that keys not
// read keep). The first value that is missing, of another type or unit, or out
// of its enumeration stops the reading with its code; `record` may then be
// partly written, so callers read into a copy.
ai::Code ReadActionValues(const EffectAction& action, ai::ActionParamsRef values, void* record);

// The last step of playing an effect's action: the effect's controller applies
// the record (now the effect's record in the globals block) to the selection.
using ActionApplier = ai::Code (*)(int16_t effectIndex, void* record);
void SetActionApplier(ActionApplier applier);
ActionApplier GetActionApplier();
// Fractalize's play: its controller shows the dialog when asked and runs the
// filter with the record.
using FractalizeActionPlayer = ai::Code (*)(void* record, bool showDialog);
void SetFractalizeActionPlayer(FractalizeActionPlayer player);
FractalizeActionPlayer GetFractalizeActionPlayer();

// "Action Manager" / "Do Action": the user data names the action; its values
// are read into a copy of the record, which replaces the effect's record and
// is applied only when every value was read.
ai::Code PlayAction(const ai::ActionMessage& message);

}  // namespace vx
