#include "ui/color_picker.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/ui/desktop.h"
#include "platform/ui/dialog.h"

namespace vxhost {
namespace {

using platform::ui::ControlClass;
using platform::ui::ControlTemplate;
namespace cp = color_picker;

constexpr ControlTemplate kPickerControls[] = {
    {-1, ControlClass::kStatic, "Model:", 8, 8, 60, 16, 0},
    {cp::kModel, ControlClass::kComboBox, "Gray\nRGB\nCMYK", 72, 6, 100, 18, platform::ui::kTabStop},
    {cp::kComponent + 0, ControlClass::kEdit, "", 8, 32, 48, 18, platform::ui::kTabStop},
    {cp::kComponent + 1, ControlClass::kEdit, "", 60, 32, 48, 18, platform::ui::kTabStop},
    {cp::kComponent + 2, ControlClass::kEdit, "", 112, 32, 48, 18, platform::ui::kTabStop},
    {cp::kComponent + 3, ControlClass::kEdit, "", 164, 32, 48, 18, platform::ui::kTabStop},
    {platform::ui::kIdOk, ControlClass::kButton, "OK", 80, 60, 64, 20,
     platform::ui::kTabStop | platform::ui::kDefaultButton},
    {platform::ui::kIdCancel, ControlClass::kButton, "Cancel", 148, 60, 64, 20, platform::ui::kTabStop},
};
constexpr platform::ui::DialogTemplate kPicker{cp::kTemplateId, platform::ui::Language::kEnglish, "Color Picker", 220,
                                               88, kPickerControls};

int32_t ComponentCount(int32_t model) { return model == cp::kModelGray ? 1 : model == cp::kModelRgb ? 3 : 4; }

class ColorPickerDialog : public platform::ui::Dialog {
 public:
  explicit ColorPickerDialog(ai::ColorRecord& color) : color_(color) {}

 protected:
  bool OnInitDialog() override {
    double values[4] = {0, 0, 0, 0};
    int32_t model = cp::kModelCmyk;
    if (color_.kind == ai::color_kind::kGray) {
      model = cp::kModelGray;
      values[0] = color_.c.gray.gray;
    } else if (color_.kind == ai::color_kind::kThree) {
      model = cp::kModelRgb;
      values[0] = color_.c.three.red, values[1] = color_.c.three.green, values[2] = color_.c.three.blue;
    } else if (color_.kind == ai::color_kind::kFour) {
      const ai::FourColor& four = color_.c.four;
      values[0] = four.cyan, values[1] = four.magenta, values[2] = four.yellow, values[3] = four.black;
    }
    Item(cp::kModel)->SetSelection(model);
    for (int32_t i = 0; i < 4; ++i) {
      char text[32];
      std::snprintf(text, sizeof text, "%.1f", values[i] * 100);
      Item(cp::kComponent + i)->SetText(text);
    }
    ShowComponents();
    return true;
  }

  void OnCommand(int32_t id, platform::ui::Notify code) override {
    if (id == cp::kModel && code == platform::ui::Notify::kSelectionChanged) {
      ShowComponents();
      return;
    }
    platform::ui::Dialog::OnCommand(id, code);
  }

  void OnOK() override {
    double values[4];
    for (int32_t i = 0; i < 4; ++i) {
      const double value = std::strtod(Item(cp::kComponent + i)->Text().c_str(), nullptr);
      values[i] = std::isfinite(value) ? std::clamp(value, 0.0, 100.0) / 100 : 0;
    }
    ai::ColorRecord picked{};
    switch (Item(cp::kModel)->Selection()) {
      case cp::kModelGray:
        picked.kind = ai::color_kind::kGray;
        picked.c.gray.gray = values[0];
        break;
      case cp::kModelRgb:
        picked.kind = ai::color_kind::kThree;
        picked.c.three = {values[0], values[1], values[2]};
        break;
      default:
        picked.kind = ai::color_kind::kFour;
        picked.c.four = {values[0], values[1], values[2], values[3]};
        break;
    }
    color_ = picked;
    EndDialog(platform::ui::kIdOk);
  }

 private:
  void ShowComponents() {
    const int32_t count = ComponentCount(std::max(0, Item(cp::kModel)->Selection()));
    for (int32_t i = 0; i < 4; ++i) Item(cp::kComponent + i)->Show(i < count);
  }

  ai::ColorRecord& color_;
};

}  // namespace

bool RunColorPicker(ai::ColorRecord& color) {
  ai::ColorRecord working = color;
  ColorPickerDialog picker(working);
  if (picker.RunModal(kPicker, platform::ui::Desktop::Current().HostWindow()) != platform::ui::kIdOk) return false;
  color = working;
  return true;
}

}  // namespace vxhost
