// A dialog's full state as JSON text, for front ends that show and drive dialogs and
// for tests: title, screen rectangle, visibility, the focused control, and every
// control with its class, rectangle, enabled and visible flags and the state its
// class holds (text, check, pressed, image, position and range, items and selection).
//
// Restoring writes that state back into a dialog built from the same template,
// without notifications, as setting controls from code does.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform::ui {

class Dialog;
class Desktop;

std::string DialogStateJson(const Dialog& dialog, int indent = -1);

// 0, or kUiBadState when the text is not such a state or names other controls.
int32_t RestoreDialogState(Dialog& dialog, std::string_view json);

// Every dialog of the desktop, the screen, the focus and the running modal dialogs.
std::string DesktopStateJson(const Desktop& desktop, int indent = -1);

}  // namespace platform::ui
