// Questions to the user through the host: a line of text, yes or no, a folder.
// Each gives kUserCanceled when the user cancels and passes other failures up;
// a text the host cannot convert raises ai::Error.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "frame/host/codes.h"

namespace vx {

// `title` and `label` may be empty; `initial` is what the field starts with.
ai::Code AskForText(std::string_view title, std::string_view prompt, std::string_view label,
                    std::string_view initial, int32_t maxLength, std::string& answer);

ai::Code AskYesNo(std::string_view question, bool* yes);

// The host's folder chooser, opened at `start` (empty: where the host likes).
ai::Code AskForFolder(std::string_view prompt, const std::string& start, std::string& folder);

}  // namespace vx
