#include "elf_section.h"

#include <elf.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace vxhost {
namespace {

template <class T>
bool ReadAt(const std::vector<uint8_t>& file, uint64_t offset, T& out) {
  if (offset > file.size() || file.size() - offset < sizeof(T)) return false;
  std::memcpy(&out, file.data() + offset, sizeof(T));
  return true;
}

}  // namespace

std::optional<std::vector<uint8_t>> ReadElfSection(const std::string& path, const std::string& section,
                                                   std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = path + ": cannot open the file";
    return std::nullopt;
  }
  const std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

  Elf64_Ehdr header;
  if (!ReadAt(file, 0, header) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
      header.e_ident[EI_CLASS] != ELFCLASS64) {
    error = path + ": not a 64-bit ELF file";
    return std::nullopt;
  }
  if (header.e_shentsize != sizeof(Elf64_Shdr) || header.e_shstrndx >= header.e_shnum) {
    error = path + ": the section table is damaged";
    return std::nullopt;
  }
  Elf64_Shdr names;
  if (!ReadAt(file, header.e_shoff + uint64_t{header.e_shstrndx} * sizeof(Elf64_Shdr), names) ||
      names.sh_offset > file.size() || file.size() - names.sh_offset < names.sh_size) {
    error = path + ": the section names are damaged";
    return std::nullopt;
  }
  for (uint16_t i = 0; i < header.e_shnum; ++i) {
    Elf64_Shdr entry;
    if (!ReadAt(file, header.e_shoff + uint64_t{i} * sizeof(Elf64_Shdr), entry)) break;
    if (entry.sh_name >= names.sh_size) continue;
    const char* name = reinterpret_cast<const char*>(file.data() + names.sh_offset + entry.sh_name);
    const size_t room = names.sh_size - entry.sh_name;
    if (strnlen(name, room) == room || section != name) continue;
    if (entry.sh_type == SHT_NOBITS || entry.sh_offset > file.size() || file.size() - entry.sh_offset < entry.sh_size) {
      error = path + ": section " + section + " has no contents";
      return std::nullopt;
    }
    return std::vector<uint8_t>(file.begin() + static_cast<std::ptrdiff_t>(entry.sh_offset),
                                file.begin() + static_cast<std::ptrdiff_t>(entry.sh_offset + entry.sh_size));
  }
  error = path + ": no section " + section + " (not a VELLUMiX4 host plug-in)";
  return std::nullopt;
}

}  // namespace vxhost
