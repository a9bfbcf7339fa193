// Selecting art by the ids of its SVG elements, as a person clicks on it.
#pragma once

#include <string>
#include <vector>

namespace vxhost {
class Document;
}

namespace vxcli {

// Selects the art with the given ids, each with everything inside it (the
// source art of live objects too); with no ids, every object of every layer.
// Returns the first id that names no element (nothing is then guaranteed
// selected), or "" when all were found.
std::string SelectByIds(vxhost::Document& document, const std::vector<std::string>& ids);

}  // namespace vxcli
