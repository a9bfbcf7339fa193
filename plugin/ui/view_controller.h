// The palette dialogs' base classes. VELLUMiX4ViewController is a modeless dialog
// in a host panel: it hands the keyboard back to the host on Enter, swallows
// Escape, opens help from its "?" button, and drives the controls bound to its
// record through a RecordBinder. PGViewController adds the buttons every live
// effect palette has.
#pragma once

#include <cstdint>
#include <memory>

#include "frame/host/codes.h"
#include "platform/ui/dialog.h"
#include "ui/bindings/record_binder.h"
#include "ui/palettes/palette_table.h"

namespace vx {

constexpr int32_t kHelpButtonId = 1055;

class VELLUMiX4ViewController : public platform::ui::Dialog, public BindingOwner {
 public:
  ~VELLUMiX4ViewController() override;

  // Builds the dialog from the plug-in's template inside `parent`.
  ai::Code CreateFromTemplate(int32_t templateId, platform::ui::WindowHandle parent);

  // Rewrites every control from the record; flags say why (see controllers.h).
  virtual void Refresh(int32_t flags);

  // Binds the record's controls (call before CreateFromTemplate, or Attach after).
  void Bind(const RecordSpec& spec, void* record, const EnableRule* rules = nullptr, size_t ruleCount = 0);
  // Binds them with a palette's rules and slider page sizes.
  void Bind(const RecordSpec& spec, void* record, const PaletteSpec& palette);
  RecordBinder* binder() const { return binder_.get(); }

  void FocusHost() override;
  void FieldChangedAt(const FieldSpec& field, int component) override;
  void RulesApplied() override;
  bool LiveUpdateOn() const override { return false; }
  void LiveUpdate() override {}

  void SetEnterPass(bool on) { enterPass_ = on; }
  platform::ui::WindowHandle hostWindow() const { return hostWindow_; }

 protected:
  bool OnInitDialog() override;
  bool PreTranslateKey(const platform::ui::KeyEvent& key) override;
  void OnCommand(int32_t id, platform::ui::Notify code) override;
  bool OnNotify(const platform::ui::Notification& n) override;
  void OnHScroll(int32_t id, platform::ui::ScrollCode code, int32_t position) override;
  // The "?" button; the focus is with the host already.
  virtual void OnHelp() {}
  // A command no binding took; the default is the platform's (OK, Cancel).
  virtual void OnPaletteCommand(int32_t id, platform::ui::Notify code) { platform::ui::Dialog::OnCommand(id, code); }

 private:
  void AttachBinder();

  platform::ui::WindowHandle hostWindow_ = platform::ui::kNoWindow;
  bool enterPass_ = false;
  std::unique_ptr<RecordBinder> binder_;
  const EnableRule* rules_ = nullptr;
  const PaletteHooks* hooks_ = nullptr;
  size_t ruleCount_ = 0;
  std::span<const SliderPage> pages_;
};

// What an effect palette's buttons ask of the effect's controller.
class EffectPaletteOwner {
 public:
  virtual ~EffectPaletteOwner() = default;
  virtual ai::Code Apply() = 0;
  virtual ai::Code Release() = 0;
  virtual ai::Code Expand() = 0;
  virtual ai::Code LiveUpdate() = 0;
  virtual bool LiveUpdateOn() const = 0;
  virtual void SetLiveUpdateOn(bool on) = 0;
  // The help palette's row for this effect.
  virtual int16_t HelpRow() const = 0;
};

namespace effect_button {
constexpr int32_t kLiveUpdate = 1422, kExpand = 1423, kRelease = 1424, kApply = 1425;
constexpr int32_t kEnableExpand = 1, kEnableRelease = 2, kEnableApply = 4;
}  // namespace effect_button

class PGViewController : public VELLUMiX4ViewController {
 public:
  explicit PGViewController(EffectPaletteOwner* owner) : owner_(owner) {}

  // Enables the effect buttons by flags (effect_button::kEnable*).
  virtual void EnableButtons(int32_t flags);

  bool LiveUpdateOn() const override { return owner_ != nullptr && owner_->LiveUpdateOn(); }
  void LiveUpdate() override;

 protected:
  bool OnInitDialog() override;
  void OnCommand(int32_t id, platform::ui::Notify code) override;
  void OnHelp() override;

  EffectPaletteOwner* owner() const { return owner_; }

 private:
  EffectPaletteOwner* owner_;
};

}  // namespace vx
