// Reads one named section from an ELF file without loading it: how the host reads
// a plug-in's property list before it runs any of the plug-in's code.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vxhost {

// The section's bytes; nullopt with `error` set when the file cannot be read, is
// not a 64-bit ELF file, or has no such section.
std::optional<std::vector<uint8_t>> ReadElfSection(const std::string& path, const std::string& section,
                                                   std::string& error);

}  // namespace vxhost
