// vellumix4 presets: the preset files of every effect, 3D shape, tool and
// Fractalize, managed from the command line with the plug-in's own preset code,
// so the files are exactly what the palettes read and write.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vxcli {

struct PresetsOptions {
  std::string action;                 // kinds, list, show, save, rename, delete, move, export, import
  std::string kind;                   // "neon", "3d-sphere", "warp", "fractalize", ...
  std::vector<std::string> arguments; // names, positions, folders as the action takes them
  std::vector<std::string> sets;      // FIELD=VALUE, for save
  std::string settings;               // settings folder; empty: the user's
  std::string unit = "pt";            // unit lengths are shown and typed in
};

int RunPresets(const PresetsOptions& options, std::ostream& out, std::ostream& err);

}  // namespace vxcli
