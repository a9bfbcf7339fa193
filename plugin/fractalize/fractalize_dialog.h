// The Fractalize dialog (template 657): the record's controls through the
// binder, "プレビュー" re-running the preview on every change, "乱数列変更"
// previewing a new random sequence, the distortion's unit button showing "%"
// or "pt", and the title naming the filter or the effect.
#pragma once

#include "ui/effect_dialog_controller.h"

namespace vx {

class FractalizeEffectCtrlr;

class FractalizeDialog : public EffectDialogController {
 public:
  FractalizeDialog(FractalizeEffectCtrlr& owner, bool live);

  bool LiveUpdateOn() const override;
  void LiveUpdate() override;
  void FieldChanged(const FieldSpec& field) override;
  void Refresh(int32_t flags) override;

 protected:
  bool OnInitDialog() override;
  void OnPaletteCommand(int32_t id, platform::ui::Notify code) override;

 private:
  void ShowUnevenUnit();

  FractalizeEffectCtrlr& owner_;
  bool live_;
};

}  // namespace vx
