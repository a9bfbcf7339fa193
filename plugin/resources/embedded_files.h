// The resources the build embeds from files under plugin/resources: help
// texts and pictures, icons, cursors and menus (embed_resources.cmake says
// which file becomes which resource).
#pragma once

#include <span>

#include "platform/ui/dialog_template.h"

namespace vx::resources {

std::span<const platform::ui::ResourceEntry> EmbeddedFiles();

}  // namespace vx::resources
