// FractalizeEffectCtrlr: Fractalize as a menu filter (a modal dialog with a
// preview on the document, then the change for good) and as a live effect (the
// same dialog editing the parameters the host keeps with the art). It lives from
// the application's start to its shutdown and keeps the current record, loaded
// from the last setting of "VELLUMiX4_PST_Fractalize.txt" and saved back there.
#pragma once

#include <string>
#include <vector>

#include "fractalize/fractalize_params.h"
#include "frame/controllers.h"
#include "geometry/named_block.h"
#include "ui/effect_dialog_controller.h"

namespace vx {

// The dialog's place is kept in the host's preferences under this prefix.
inline constexpr char kFractalizePrefsPrefix[] = "__KwDL_VELLUMiX4Fractalize_v46_PrefsPrefix__";

class FractalizeEffectCtrlr : public EffectCtrlr, public EffectDialogOwner {
 public:
  FractalizeEffectCtrlr();
  ~FractalizeEffectCtrlr() override;
  FractalizeEffectCtrlr(const FractalizeEffectCtrlr&) = delete;
  FractalizeEffectCtrlr& operator=(const FractalizeEffectCtrlr&) = delete;

  // Whether the record could be allocated (the controller is of no use otherwise).
  bool ready() const { return record_ != nullptr; }
  FractalizeParams& record() { return *record_; }
  bool liveMode() const { return liveMode_ != 0; }

  // --- EffectCtrlr
  int32_t ShowDialog() override;
  ai::Code Preview(bool reproduce) override;
  ai::Code GetParameters(ai::FilterMessage& message) override;
  ai::Code EditParameters(ai::LiveEffectMessage& message) override;
  ai::Code Go(ai::FilterMessage& message) override;
  ai::Code GoLive(ai::LiveEffectMessage& message) override;

  // The recorded action played back with the record as the action left it:
  // the dialog first when asked (Cancel ends the play), then the filter.
  ai::Code PlayAction(bool showDialog);

  // --- what the dialog asks
  platform::ui::Point SavedPosition() const override { return position_; }
  void SavePosition(platform::ui::Point topLeft) override { position_ = topLeft; }
  bool PreviewOn() const override { return previewOn_; }
  void SetPreviewOn(bool on) override { previewOn_ = on; }
  ai::Code Preview() override { return Preview(true); }
  std::vector<std::string> PresetNames() override;
  ai::Code LoadPreset(int32_t index) override;
  ai::Code EditPresets(std::function<ai::Code(int32_t index)> usePreset) override;

 private:
  // The filter's dialog: a new random sequence, the dialog, and on OK the
  // preview taken back so that "Go" repeats it; on Cancel the record as it was
  // and 'STOP'.
  ai::Code RunFilterDialog();

  NamedBlock recordBlock_;
  FractalizeParams* record_ = nullptr;
  FractalizeParams backup_{};
  int32_t liveMode_ = 0;
  ai::DictionaryRef dictionary_ = nullptr;  // the live effect's parameters while its dialog runs
  int32_t dialogResult_ = 0;
  platform::ui::Point position_{-1000, -1000};
  bool previewOn_ = false;
  // The live dialog asked for a new random sequence: the objects it rebuilds
  // take new seeds instead of the ones they keep.
  bool newSequence_ = false;
};

}  // namespace vx
