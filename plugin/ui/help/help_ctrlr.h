// The help palette: an illustrated page for every tool, effect and command, picked
// from a list, in its own panel. It opens from the menu item "ヘルプ" (which
// toggles it) and from every palette's "?" button (which only ever shows it).
#pragma once

#include <cstdint>

#include "frame/controllers.h"
#include "geometry/named_block.h"
#include "platform/ui/dialog_template.h"
#include "ui/panels/palette_panel.h"
#include "ui/view_controller.h"

namespace vx {

// The help palette's record: the row shown.
struct HelpParams {
  int16_t row;
};
static_assert(sizeof(HelpParams) == 2);

namespace help_control {
constexpr int32_t kList = 1056, kText = 1057, kPicture = 1058;
}
constexpr int32_t kHelpTemplateId = 648;

class HelpViewController : public VELLUMiX4ViewController {
 public:
  // `resources` holds the pages' texts (the plug-in's own resources by default).
  HelpViewController(HelpParams& params, const platform::ui::ResourceTable& resources)
      : params_(params), resources_(resources) {}

  void Refresh(int32_t flags) override;
  // Shows a row's page: its picture and its text.
  ai::Code ShowPage(int16_t row);
  // The panel's height changed by `delta`: the dialog and the text follow.
  void GrowBy(int32_t delta);

 protected:
  bool OnInitDialog() override;
  void OnPaletteCommand(int32_t id, platform::ui::Notify code) override;

 private:
  HelpParams& params_;
  const platform::ui::ResourceTable& resources_;
};

class HelpCtrlr : public VELLUMiX4Ctrlr, public PanelClient {
 public:
  explicit HelpCtrlr(const platform::ui::ResourceTable* resources = nullptr);
  ~HelpCtrlr() override;

  // Builds the record, the panel and the dialog; false when any failed.
  ai::Code Create();
  // Shows the palette on the stored row.
  ai::Code Show();
  ai::Code Hide();
  bool Shown() const;
  void SetRow(int16_t row);
  int16_t Row() const { return params() != nullptr ? params()->row : 0; }
  HelpViewController* view() const { return view_.get(); }

  void OnPanelResized() override;

 private:
  HelpParams* params() const { return record_.as<HelpParams>(); }

  const platform::ui::ResourceTable* resources_;
  NamedBlock record_;
  std::unique_ptr<HelpViewController> view_;
  int32_t dialogHeight_ = 0;
};

// The main object's help controller (null while none exists).
HelpCtrlr*& MainHelpController();

// "ヘルプ": closes the help palette when it is shown, else shows it on the stored
// topic (a negative topic becomes 0).
ai::Code ToggleHelp();
// A "?" button: shows the help palette on `row`, never closing it.
ai::Code ShowHelp(int16_t row);
// Whether the help palette is shown.
bool HelpShown();
// Hides and destroys the help palette (at shutdown).
void CloseHelp();

}  // namespace vx
