#include "fractalize/fractalize_dialog.h"

#include <cstring>

#include "fractalize/fractalize_ctrlr.h"
#include "frame/error_messages.h"
#include "resources/control_ids.h"

namespace vx {

FractalizeDialog::FractalizeDialog(FractalizeEffectCtrlr& owner, bool live)
    : EffectDialogController(owner), owner_(owner), live_(live) {}

bool FractalizeDialog::OnInitDialog() {
  EffectDialogController::OnInitDialog();
  SetTitle(live_ ? "VELLUMiX4: フラクタル化（効果）" : "VELLUMiX4: フラクタル化（フィルタ）");
  ShowUnevenUnit();
  return true;
}

// With "プレビュー" checked, every change of a value shows its result at once.
bool FractalizeDialog::LiveUpdateOn() const { return owner_.PreviewOn(); }

void FractalizeDialog::LiveUpdate() {
  if (ai::Code code = owner_.Preview(true)) ShowErrorCode(code);
}

void FractalizeDialog::FieldChanged(const FieldSpec& field) {
  if (std::strcmp(field.name, "unevenUnit") == 0) ShowUnevenUnit();
}

void FractalizeDialog::Refresh(int32_t flags) {
  EffectDialogController::Refresh(flags);
  ShowUnevenUnit();
}

void FractalizeDialog::ShowUnevenUnit() {
  if (platform::ui::Control* button = Item(ctl::fractalize::kUnevenUnit))
    button->SetText(owner_.record().unevenUnit == 1 ? "pt" : "%");
}

void FractalizeDialog::OnPaletteCommand(int32_t id, platform::ui::Notify code) {
  if (id == ctl::fractalize::kNewSequence && code == platform::ui::Notify::kClicked) {
    if (ai::Code error = owner_.Preview(false)) ShowErrorCode(error);
    return;
  }
  EffectDialogController::OnPaletteCommand(id, code);
}

}  // namespace vx
