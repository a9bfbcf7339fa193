// The plug-in's one resource table: every dialog template in both languages,
// and the resources embedded from files at build time.
#include <vector>

#include "resources/embedded_files.h"
#include "resources/resource_ids.h"
#include "resources/templates/template_sheet.h"

namespace vx {
namespace {

using platform::ui::DialogTemplate;
using platform::ui::ResourceEntry;
using platform::ui::ResourceType;

const resources::DialogPair* const kTemplates[] = {
    &resources::kWarpPaletteTemplates,        &resources::kAboutBoxTemplates,
    &resources::kImportPresetTemplates,       &resources::kPresetDialogTemplates,
    &resources::kHelpPaletteTemplates,        &resources::kNeonPaletteTemplates,
    &resources::kBorderPaletteTemplates,      &resources::kEmbossPaletteTemplates,
    &resources::kCutoutPaletteTemplates,      &resources::kShadowPaletteTemplates,
    &resources::kTrailPaletteTemplates,       &resources::kCirclePaletteTemplates,
    &resources::kWavePaletteTemplates,        &resources::kFractalizeDialogTemplates,
    &resources::k3DPaletteTemplates,          &resources::kExplosionPaletteTemplates,
    &resources::kGalaxyPaletteTemplates,      &resources::kTilingPaletteTemplates,
    &resources::kFramePaletteTemplates,       &resources::kLensPaletteTemplates,
    &resources::kCraftPaletteTemplates,       &resources::kRoughPaletteTemplates,
    &resources::kBroomPaletteTemplates,       &resources::kMetaBrushPaletteTemplates,
    &resources::kReflectionsPaletteTemplates, &resources::kGenerationPaletteTemplates,
    &resources::kTrailToolPaletteTemplates,
};

std::vector<ResourceEntry> CollectEntries() {
  std::vector<ResourceEntry> entries;
  for (const resources::DialogPair* pair : kTemplates)
    for (const DialogTemplate& dialog : *pair)
      entries.push_back(ResourceEntry{ResourceType::kDialog, dialog.id, dialog.language, &dialog, {}});
  const auto files = resources::EmbeddedFiles();
  entries.insert(entries.end(), files.begin(), files.end());
  return entries;
}

}  // namespace

const platform::ui::ResourceTable& PluginResources() {
  static const std::vector<ResourceEntry> entries = CollectEntries();
  static const platform::ui::ResourceTable table(entries, platform::ui::Language::kJapanese);
  return table;
}

}  // namespace vx
