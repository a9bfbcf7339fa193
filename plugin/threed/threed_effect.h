// Live 3D Transform: the twelve shapes as live effects. One controller serves
// whichever shape is open; Apply gathers the selection into one tagged wrapper
// group inside one new object, and regeneration maps a copy of that group.
#pragma once

#include <cstdint>

#include "effects/framework/live_effect.h"
#include "effects/framework/pg_ctrlr.h"
#include "threed/threed_params.h"

namespace vx {

// The palette's own copy of the record's showMapped, shared with the rotate
// tool: the tool turns the mapped shape only when both say so.
int16_t& ShowMappedCopy();

// A shape row's label from the label text and its unit: "角度:" with "°" gives
// "角度(°):"; an empty unit keeps the text.
std::string ShapeRowLabel(int shape, int row);

class _3DTransPGViewController : public PGViewController {
 public:
  _3DTransPGViewController(EffectPaletteOwner* owner, int shape) : PGViewController(owner), shape_(shape) {}
  void Refresh(int32_t flags) override;

 protected:
  bool OnInitDialog() override;
  void OnCommand(int32_t id, platform::ui::Notify code) override;
  bool OnNotify(const platform::ui::Notification& n) override;
  void OnHScroll(int32_t id, platform::ui::ScrollCode code, int32_t position) override;
  void FieldChanged(const FieldSpec& field) override;

 private:
  _3DTFilterParams& params() const { return *static_cast<_3DTFilterParams*>(binder()->record()); }
  // Rewrites the four shape rows from the record: labels, enabling, ranges.
  void ShowShapeRows();
  void ShowShapeRow(int row);
  // Reads the row's edit, clamps it to the shape's range, stores and shows it.
  void CommitShapeRow(int row);
  int RowOf(int32_t id, int32_t (*idOf)(int)) const;

  int shape_;
};

class _3DTransPGCtrlr : public PGCtrlr {
 public:
  _3DTransPGCtrlr(int16_t shape, void* record);
  // Opens the palette with the shape's last setting; the mapped view is shown
  // for every shape but the plain rotation.
  ai::Code Open3D();

  ai::Code Apply() override;

 protected:
  std::unique_ptr<PGViewController> MakeView() override {
    return std::make_unique<_3DTransPGViewController>(this, shape_);
  }

 private:
  int16_t shape_;
};

// Gathers the selection's targets into one tagged wrapper group inside one new
// object of `shape` carrying `record` (the selected objects of the shape are
// released first). A failing host call reverts everything this apply changed.
ai::Code Apply3DShape(int16_t shape, const _3DTFilterParams& record);

// A 3D palette shows what the Live3D Rotate tool turns: opening it, Apply and
// every change make that tool the host's current one when it is not.
ai::Code MakeRotateToolCurrent();

// Maps a copy of the object's wrapper group into `into`.
ai::Code Generate3D(ai::ArtHandle object, ai::ArtHandle edit, ai::ArtHandle into, const void* record);

// The rows of shapes 0..11.
extern const LiveEffect k3DLiveEffects[kShapeCount];

}  // namespace vx
