#include "ui/view_controller.h"

#include <algorithm>

#include "frame/error_messages.h"
#include "frame/globals.h"
#include "frame/suite_set.h"
#include "platform/locale.h"
#include "platform/ui/desktop.h"
#include "resources/resource_ids.h"
#include "ui/controls/circular_slider.h"
#include "ui/help/help_ctrlr.h"

namespace vx {

VELLUMiX4ViewController::~VELLUMiX4ViewController() { Destroy(); }

ai::Code VELLUMiX4ViewController::CreateFromTemplate(int32_t templateId, platform::ui::WindowHandle parent) {
  const platform::ui::DialogTemplate* dialog = PluginResources().LoadDialog(templateId);
  if (dialog == nullptr) return ai::kCantHappen;
  return Create(*dialog, parent) == platform::ui::kUiOk ? ai::kNoError : ai::kCantHappen;
}

void VELLUMiX4ViewController::Bind(const RecordSpec& spec, void* record, const EnableRule* rules, size_t ruleCount) {
  binder_ = std::make_unique<RecordBinder>(*this, spec, record, *this);
  rules_ = rules;
  ruleCount_ = ruleCount;
  binder_->SetRules(rules, ruleCount);
  if (IsCreated()) AttachBinder();
}

void VELLUMiX4ViewController::Bind(const RecordSpec& spec, void* record, const PaletteSpec& palette) {
  pages_ = palette.pages;
  hooks_ = palette.hooks;
  Bind(spec, record, palette.rules.data(), palette.rules.size());
}

void VELLUMiX4ViewController::AttachBinder() {
  // A slider bound to an angle is drawn and dragged as a dial whose zero points
  // right and whose angles grow counter-clockwise, as art angles do.
  const RecordSpec& spec = binder_->spec();
  for (size_t f = 0; f < spec.fieldCount; ++f) {
    const FieldSpec& field = spec.fields[f];
    if (field.shown != Shown::kDegrees || field.controls.slider == 0) continue;
    const bool straight = std::any_of(pages_.begin(), pages_.end(), [&](const SliderPage& page) {
      return page.slider == field.controls.slider && page.minimum < page.maximum;
    });
    if (straight) continue;
    platform::ui::Control* slider = Item(field.controls.slider);
    if (slider == nullptr || slider->Behavior() != nullptr) continue;
    auto dial = std::make_unique<KDLCircularSliderCtrl>(*slider);
    dial->SetZeroAngle(90);
    dial->SetReversed(true);
    slider->SetBehavior(std::move(dial));
  }
  binder_->Attach();
  for (const SliderPage& page : pages_) {
    platform::ui::Control* slider = Item(page.slider);
    if (slider == nullptr) continue;
    slider->SetPageSize(page.pageSize);
    if (page.minimum < page.maximum) slider->SetRange(page.minimum, page.maximum);
  }
}

void VELLUMiX4ViewController::FieldChangedAt(const FieldSpec& field, int component) {
  if (hooks_ != nullptr && hooks_->fieldChanged != nullptr) hooks_->fieldChanged(*this, field, component);
}

void VELLUMiX4ViewController::RulesApplied() {
  if (hooks_ != nullptr && hooks_->rulesApplied != nullptr) hooks_->rulesApplied(*this);
}

bool VELLUMiX4ViewController::OnInitDialog() {
  platform::SetProcessLocale("jpn");
  hostWindow_ = GetDesktop().HostWindow();
  enterPass_ = false;
  // Distances are shown in the document's ruler unit as it is now.
  if (VELLUMiX4Globals* globals = Globals()) {
    int16_t units = 0;
    if (suites::gDocument != nullptr && suites::Document().getRulerUnits(&units) == ai::kNoError)
      globals->rulerUnit = units;
  }
  if (binder_) AttachBinder();
  return true;
}

void VELLUMiX4ViewController::Refresh(int32_t flags) {
  if (binder_) binder_->Refresh();
  if ((flags & (2 | 4)) != 0) FocusHost();
}

void VELLUMiX4ViewController::FocusHost() { GetDesktop().SetFocus(hostWindow_ != 0 ? hostWindow_ : GetDesktop().HostWindow()); }

bool VELLUMiX4ViewController::PreTranslateKey(const platform::ui::KeyEvent& key) {
  if (key.key == platform::ui::Key::kEnter) {
    if (enterPass_ && key.Has(platform::ui::kCtrl)) return false;
    FocusHost();  // the field that had the focus commits as it loses it
    return true;
  }
  if (key.key == platform::ui::Key::kEscape) return true;
  return HandleDialogKey(key);
}

void VELLUMiX4ViewController::OnCommand(int32_t id, platform::ui::Notify code) {
  if (binder_ && binder_->OnCommand(id, code)) return;
  if (id == kHelpButtonId && code == platform::ui::Notify::kClicked) {
    FocusHost();
    OnHelp();
    return;
  }
  if (hooks_ != nullptr && hooks_->command != nullptr && hooks_->command(*this, id, code)) return;
  OnPaletteCommand(id, code);
}

bool VELLUMiX4ViewController::OnNotify(const platform::ui::Notification& n) {
  return binder_ && binder_->OnNotify(n);
}

void VELLUMiX4ViewController::OnHScroll(int32_t id, platform::ui::ScrollCode code, int32_t position) {
  if (binder_) binder_->OnHScroll(id, code, position);
}

bool PGViewController::OnInitDialog() {
  VELLUMiX4ViewController::OnInitDialog();
  if (platform::ui::Control* box = Item(effect_button::kLiveUpdate))
    box->SetCheck(owner_ == nullptr || owner_->LiveUpdateOn() ? 1 : 0);
  return true;
}

void PGViewController::EnableButtons(int32_t flags) {
  const std::pair<int32_t, int32_t> buttons[] = {{effect_button::kExpand, effect_button::kEnableExpand},
                                                 {effect_button::kRelease, effect_button::kEnableRelease},
                                                 {effect_button::kApply, effect_button::kEnableApply}};
  for (const auto& [id, flag] : buttons)
    if (platform::ui::Control* button = Item(id)) button->Enable((flags & flag) != 0);
}

void PGViewController::LiveUpdate() {
  if (owner_ == nullptr) return;
  if (ai::Code code = owner_->LiveUpdate()) ShowErrorCode(code);
}

void PGViewController::OnCommand(int32_t id, platform::ui::Notify code) {
  const bool click = code == platform::ui::Notify::kClicked;
  if (!click || owner_ == nullptr ||
      (id != effect_button::kApply && id != effect_button::kRelease && id != effect_button::kExpand &&
       id != effect_button::kLiveUpdate)) {
    VELLUMiX4ViewController::OnCommand(id, code);
    return;
  }
  FocusHost();
  ai::Code result = ai::kNoError;
  switch (id) {
    case effect_button::kApply: result = owner_->Apply(); break;
    case effect_button::kRelease: result = owner_->Release(); break;
    case effect_button::kExpand: result = owner_->Expand(); break;
    default: {
      const bool on = Item(id) != nullptr && Item(id)->Check() != 0;
      owner_->SetLiveUpdateOn(on);
      if (on) result = owner_->LiveUpdate();
      break;
    }
  }
  if (result != ai::kNoError) ShowErrorCode(result);
}

void PGViewController::OnHelp() {
  if (owner_ != nullptr) ShowHelp(owner_->HelpRow());
}

}  // namespace vx
