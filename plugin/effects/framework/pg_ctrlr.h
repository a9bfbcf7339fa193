// PGCtrlr: the controller of a live effect's palette. It owns the palette dialog,
// keeps the effect's current record (the one in the globals block) loaded from
// and saved to the effect's preset file, and carries out the palette's commands
// on the selection: Apply, Release, Expand and Live Update.
#pragma once

#include <cstdint>
#include <memory>

#include "frame/controllers.h"
#include "presets/record_schema.h"
#include "ui/palettes/palette_table.h"
#include "ui/panels/palette_panel.h"
#include "ui/view_controller.h"

namespace vx {

// Selection flags: what the selection offers the effect's buttons.
namespace selection_flag {
constexpr int32_t kExpand = 1, kRelease = 2, kApply = 4;
}

class PGCtrlr : public EffectPaletteCtrlr, public EffectPaletteOwner, public PanelClient {
 public:
  PGCtrlr(int16_t effectIndex, const RecordSpec& spec, const PaletteSpec& palette, void* record);
  ~PGCtrlr() override;
  PGCtrlr(const PGCtrlr&) = delete;
  PGCtrlr& operator=(const PGCtrlr&) = delete;

  // Loads the effect's last setting into the record (or sets the defaults and
  // writes a fresh preset file), then builds and shows the palette.
  ai::Code Open();

  // --- what the main object asks
  bool PaletteShown() const override;
  void HidePalette() override;
  ai::Code LoadFromSelection(bool force) override;
  void Refresh(int32_t flags) override;

  // --- the controller's own operations
  virtual ai::Code SetPresetMenu();
  // Loads preset `index` (-2: the default setting) into the record while the
  // palette is shown; refreshes, applies with live update on, redraws.
  virtual ai::Code ChoosePreset(int32_t index);
  virtual ai::Code ReadParamsFromArt(ai::ArtHandle art);

  // --- the palette's commands
  ai::Code Apply() override;
  ai::Code Release() override;
  ai::Code Expand() override;
  ai::Code LiveUpdate() override;
  bool LiveUpdateOn() const override { return liveUpdate_ != 0; }
  void SetLiveUpdateOn(bool on) override { liveUpdate_ = on ? 1 : 0; }
  int16_t HelpRow() const override;

  void OnFlyoutItem(uint32_t itemId) override;

  int16_t effectIndex() const { return effectIndex_; }
  void* record() const { return record_; }
  PGViewController* view() const { return view_.get(); }
  int32_t selectionFlags() const { return selectionFlags_; }

 protected:
  // Loads preset `index` into the record without the palette's reactions.
  ai::Code LoadPresetIntoRecord(int32_t index);
  // The effect's palette dialog (an effect's own class derives from PGViewController).
  virtual std::unique_ptr<PGViewController> MakeView() { return std::make_unique<PGViewController>(this); }

 private:
  int16_t effectIndex_;
  const RecordSpec& spec_;
  const PaletteSpec& palette_;
  void* record_;
  std::unique_ptr<PGViewController> view_;
  int32_t selectionFlags_ = 0;
  int32_t liveUpdate_ = 1;
};

// Applies an effect's record to the selection as a played action does: the
// selected live objects of the effect are released and the selection wrapped
// again by the effect's own walk, nothing recorded.
ai::Code ApplyPlayedAction(int16_t effectIndex, void* record);

}  // namespace vx
