// Import and export of presets between the file of the current effect or tool
// and the file of the same name in another settings folder. The caller asks the
// user for the folder and the presets; this is the file side of it.
#pragma once

#include <span>
#include <string>

#include "frame/host/codes.h"

namespace vx {

constexpr ai::Code kExportTargetInvalid = ai::FourCC("!tgt");
constexpr ai::Code kFolderChoiceCanceled = ai::FourCC("!sGf");

constexpr char kNoRoomForPresetsMessage[] = "これ以上プリセットを追加できません。";
constexpr char kPresetLimitExceededMessage[] = "プリセット数が限界を超えますので一部またはすべてインポートできません。";
constexpr char kImportFolderPrompt[] =
    "インポート元の 'VELLUMiX4 User Settings 2013' または 'VELLUMiX4 User Settings' フォルダを選択してください。";
constexpr char kExportFolderPrompt[] = "エクスポート先の 'VELLUMiX4 User Settings 2013' フォルダを選択してください。";

// How many more user presets the own file can take (0 when it is full; the
// caller then shows kNoRoomForPresetsMessage).
ai::Code PresetImportRoom(const std::string& ownPath, int* room);

// The file an import would read: the own file's name in `sourceFolder`.
// '!imP' when it is not a preset file or is another kind's file, 'spSt' when it
// is the own file itself.
ai::Code CheckImportSource(const std::string& ownPath, const std::string& sourceFolder, std::string& sourcePath);

struct ImportOutcome {
  int imported = 0;
  bool limited = false;  // more were picked than there was room for: show kPresetLimitExceededMessage
};

// Appends the picked presets of the source (list indices, in the order picked)
// to the own file, as many as there is room for, in one write: a failure leaves
// the own file as it was. A picked preset the source does not have ends the
// list of those imported without error.
ai::Code ImportPresets(const std::string& ownPath, const std::string& sourcePath, std::span<const int> picked,
                       ImportOutcome* outcome);

// Appends the picked presets of the own file to the file of the same name in
// `targetFolder`, which must be a valid current-header file ('!tgt'), not the
// own file ('spSt') and a file of the same kind ('!exP'). The presets go in one
// write, so a failure leaves the target as it was; a picked preset the own file
// does not have ends the list of those exported without error.
ai::Code ExportPresets(const std::string& ownPath, const std::string& targetFolder, std::span<const int> picked,
                       int* exported);

}  // namespace vx
