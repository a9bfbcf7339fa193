// The sessions the gallery's tool pages are made from: files kept in
// cli/gallery/sessions/NAME.json, built into the program.
#pragma once

#include <string_view>

namespace vxcli::gallery {

// The text of session NAME; empty when there is none.
std::string_view GallerySessionText(std::string_view name);

}  // namespace vxcli::gallery
