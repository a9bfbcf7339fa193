#include "ui/help/help_ctrlr.h"

#include <cstring>
#include <string>

#include "frame/globals.h"
#include "frame/suite_set.h"
#include "resources/resource_ids.h"
#include "ui/help/help_topics.h"

namespace vx {

bool HelpViewController::OnInitDialog() {
  VELLUMiX4ViewController::OnInitDialog();
  if (platform::ui::Control* list = Item(help_control::kList)) {
    list->ClearItems();
    for (int16_t row = 0; row < kHelpTopicCount; ++row) list->AddItem(HelpTopicAt(row).listText);
  }
  return true;
}

void HelpViewController::Refresh(int32_t) {
  if (platform::ui::Control* list = Item(help_control::kList)) list->SetSelection(params_.row);
  ShowPage(params_.row);
  FocusHost();
}

void HelpViewController::OnPaletteCommand(int32_t id, platform::ui::Notify code) {
  if (id != help_control::kList || code != platform::ui::Notify::kSelectionChanged) return;
  FocusHost();
  const platform::ui::Control* list = Item(help_control::kList);
  if (list == nullptr || list->Selection() < 0) return;
  params_.row = static_cast<int16_t>(list->Selection());
  if (VELLUMiX4Globals* globals = Globals()) globals->helpTopic = params_.row;
  ShowPage(params_.row);
}

ai::Code HelpViewController::ShowPage(int16_t row) {
  const int16_t page = HelpTopicAt(row).page;
  if (platform::ui::Control* picture = Item(help_control::kPicture)) picture->SetImage(kHelpPictureBase + page);
  NamedBlock buffer;
  if (ai::Code code = buffer.Allocate(kHelpTextLimit + 1, "Help Text Buffer")) return code;
  char* text = buffer.as<char>();
  text[0] = '\0';
  const auto data = resources_.FindData(platform::ui::ResourceType::kText, kHelpTextBase + page,
                                        platform::ui::Language::kJapanese);
  if (data && !data->empty() && data->size() <= kHelpTextLimit) {
    std::memcpy(text, data->data(), data->size());
    text[data->size()] = '\0';
  }
  if (platform::ui::Control* field = Item(help_control::kText)) field->SetText(text);
  return ai::kNoError;
}

void HelpViewController::GrowBy(int32_t delta) {
  const platform::ui::Rect rect = WindowRect();
  Resize(rect.Width(), rect.Height() + delta);
  if (platform::ui::Control* field = Item(help_control::kText)) {
    platform::ui::Rect bounds = field->Bounds();
    bounds.bottom = std::max(bounds.top, bounds.bottom + delta);
    field->SetBounds(bounds);
  }
}

HelpCtrlr::HelpCtrlr(const platform::ui::ResourceTable* resources)
    : resources_(resources != nullptr ? resources : &PluginResources()) {}

HelpCtrlr::~HelpCtrlr() {
  ReleasePanelClient(PanelKind::kHelp, this);
  view_.reset();
}

ai::Code HelpCtrlr::Create() {
  if (ai::Code code = record_.Allocate(sizeof(HelpParams), "HelpParams")) return code;
  params()->row = 0;
  if (ai::Code code = CreatePanel(PanelKind::kHelp)) return code;
  ai::PlatformWindow window = 0;
  if (ai::Code code = suites::Panel().getPlatformWindow(MainPanel(PanelKind::kHelp).panel, &window)) return code;
  view_ = std::make_unique<HelpViewController>(*params(), *resources_);
  const platform::ui::DialogTemplate* dialog = resources_->LoadDialog(kHelpTemplateId);
  if (dialog == nullptr || view_->Create(*dialog, window) != platform::ui::kUiOk) return ai::kCantHappen;
  dialogHeight_ = view_->WindowRect().Height();
  return ai::kNoError;
}

ai::Code HelpCtrlr::Show() {
  ShowOptions options;
  options.maxHeightFactor = 3;
  if (ai::Code code = ShowPalette(PanelKind::kHelp, this, *view_, "ヘルプ", options)) return code;
  view_->Refresh(refresh::kOpened);
  return ai::kNoError;
}

ai::Code HelpCtrlr::Hide() { return HidePanel(PanelKind::kHelp); }

bool HelpCtrlr::Shown() const { return PanelShown(PanelKind::kHelp); }

void HelpCtrlr::SetRow(int16_t row) {
  if (params() != nullptr) params()->row = row < 0 || row >= kHelpTopicCount ? 0 : row;
}

void HelpCtrlr::OnPanelResized() {
  ai::ScreenSize size{};
  if (suites::Panel().getSize(MainPanel(PanelKind::kHelp).panel, &size) != ai::kNoError) return;
  const int32_t delta = size.height - view_->WindowRect().Height();
  if (delta != 0) view_->GrowBy(delta);
}

namespace {

// The help controller, made on first use.
ai::Code EnsureHelpController(HelpCtrlr** out) {
  HelpCtrlr*& help = MainHelpController();
  if (help == nullptr) {
    auto created = std::make_unique<HelpCtrlr>();
    if (ai::Code code = created->Create()) return code;
    help = created.release();
  }
  *out = help;
  return ai::kNoError;
}

ai::Code ShowOn(int16_t row) {
  HelpCtrlr* help = nullptr;
  if (ai::Code code = EnsureHelpController(&help)) return code;
  help->SetRow(row);
  return help->Show();
}

}  // namespace

ai::Code ToggleHelp() {
  if (HelpShown()) {
    CloseHelp();
    return ai::kNoError;
  }
  VELLUMiX4Globals* globals = Globals();
  int16_t row = globals != nullptr ? globals->helpTopic : 0;
  if (row < 0) row = 0;
  return ShowOn(row);
}

ai::Code ShowHelp(int16_t row) {
  if (VELLUMiX4Globals* globals = Globals()) globals->helpTopic = row;
  return ShowOn(row);
}

bool HelpShown() {
  HelpCtrlr* help = MainHelpController();
  return help != nullptr && help->Shown();
}

void CloseHelp() {
  HelpCtrlr*& help = MainHelpController();
  if (help == nullptr) return;
  if (help->Shown()) help->Hide();
  delete help;
  help = nullptr;
}

}  // namespace vx
