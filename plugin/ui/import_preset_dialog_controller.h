// The import dialog: lists the presets of another settings folder's file and
// lets the user pick the ones to bring in. OK is enabled only while some are
// selected. While it runs the palettes' keyboard hook stands still, so its keys
// reach it through its own loop only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "frame/host/codes.h"
#include "platform/ui/dialog.h"

namespace vx {

class ImportPresetDialogController : public platform::ui::Dialog {
 public:
  explicit ImportPresetDialogController(std::string sourcePath) : sourcePath_(std::move(sourcePath)) {}

  // Runs the dialog; kIdOk, kIdCancel, or -1 when it cannot be built.
  int32_t Run();
  // The presets selected when OK was pressed, in list order.
  const std::vector<int32_t>& picked() const { return picked_; }

 protected:
  bool OnInitDialog() override;
  void OnCommand(int32_t id, platform::ui::Notify code) override;
  void OnOK() override;

 private:
  void EnableOk();

  std::string sourcePath_;
  std::vector<int32_t> picked_;
};

// Shows the import dialog for the file at `sourcePath`; `picked` gets the
// presets chosen with OK. 'Cncl' when the user cancels.
ai::Code PickPresetsToImport(const std::string& sourcePath, std::vector<int32_t>& picked);

}  // namespace vx
