// The dialog templates of the plug-in's resource table: every one builds, the
// Japanese set is the loaded one and each has an English counterpart with the
// same controls, and the layouts keep their controls apart and inside.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "platform/ui/desktop.h"
#include "platform/ui/dialog.h"
#include "platform/ui/dialog_template.h"
#include "platform/ui/types.h"
#include "resources/control_ids.h"
#include "resources/resource_ids.h"

namespace {

using platform::ui::ControlClass;
using platform::ui::ControlTemplate;
using platform::ui::DialogTemplate;
using platform::ui::Language;
using platform::ui::ResourceType;

const platform::ui::ResourceTable& Table() { return vx::PluginResources(); }

std::vector<int32_t> JapaneseIds() {
  std::vector<int32_t> ids{vx::res::kWarpPalette};
  for (int32_t id = vx::res::kFirstTemplate; id <= vx::res::kLastTemplate; ++id) ids.push_back(id);
  return ids;
}

std::vector<const DialogTemplate*> AllTemplates() {
  std::vector<const DialogTemplate*> out;
  for (const auto& e : Table().Entries())
    if (e.type == ResourceType::kDialog) out.push_back(e.dialog);
  return out;
}

const ControlTemplate* FindControl(const DialogTemplate& d, int32_t id) {
  for (const ControlTemplate& c : d.controls)
    if (c.id == id) return &c;
  return nullptr;
}

std::string Name(const DialogTemplate& d) {
  return std::to_string(d.id) + (d.language == Language::kJapanese ? " (ja)" : " (en)");
}

size_t LineCount(std::string_view text) {
  return text.empty() ? 0 : static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
}

// Kana, kanji and full-width forms: text an English template must not show.
bool HasJapanese(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    if ((b & 0xF0) != 0xE0 || i + 2 >= text.size()) {
      ++i;
      continue;
    }
    const uint32_t cp = ((b & 0x0Fu) << 12) | ((static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6) |
                        (static_cast<unsigned char>(text[i + 2]) & 0x3Fu);
    if ((cp >= 0x3000 && cp <= 0x9FFF) || (cp >= 0xFF00 && cp <= 0xFFEF)) return true;
    i += 3;
  }
  return false;
}

TEST(DialogTemplates, EveryTemplateBuilds) {
  const auto templates = AllTemplates();
  ASSERT_EQ(templates.size(), 54u) << "27 Japanese templates and their English counterparts";
  platform::ui::Desktop desktop;
  for (const DialogTemplate* d : templates) {
    EXPECT_EQ(platform::ui::ValidateTemplate(*d), platform::ui::kUiOk) << Name(*d);
    EXPECT_FALSE(d->title.empty()) << Name(*d);
    platform::ui::Dialog dialog;
    EXPECT_EQ(dialog.Create(*d, desktop.HostWindow()), platform::ui::kUiOk) << Name(*d);
  }
}

TEST(DialogTemplates, JapaneseTemplatesAreLoadedAndEnglishOnesOnlyCarried) {
  std::vector<int32_t> english;
  for (int32_t id : JapaneseIds()) {
    const DialogTemplate* ja = Table().LoadDialog(id);
    ASSERT_NE(ja, nullptr) << id;
    EXPECT_EQ(ja->language, Language::kJapanese);
    const int32_t en = vx::res::EnglishTemplateOf(id);
    EXPECT_EQ(Table().LoadDialog(en), nullptr) << "English template " << en << " is not loaded";
    ASSERT_NE(Table().FindDialog(en, Language::kEnglish), nullptr) << en;
    english.push_back(en);
  }
  std::sort(english.begin(), english.end());
  for (size_t i = 0; i < english.size(); ++i)
    EXPECT_EQ(english[i], vx::res::kFirstEnglishTemplate + static_cast<int32_t>(i)) << "671-697, each once";
}

TEST(DialogTemplates, EnglishTemplatesHaveTheSameControlsWithEnglishCaptions) {
  for (int32_t id : JapaneseIds()) {
    const DialogTemplate& ja = *Table().LoadDialog(id);
    const DialogTemplate& en = *Table().FindDialog(vx::res::EnglishTemplateOf(id), Language::kEnglish);
    EXPECT_EQ(en.width, ja.width) << id;
    EXPECT_EQ(en.height, ja.height) << id;
    EXPECT_FALSE(HasJapanese(en.title)) << en.title;
    ASSERT_EQ(en.controls.size(), ja.controls.size()) << id;
    for (size_t i = 0; i < ja.controls.size(); ++i) {
      const ControlTemplate& a = ja.controls[i];
      const ControlTemplate& b = en.controls[i];
      SCOPED_TRACE(Name(ja) + " control " + std::to_string(a.id) + " " + std::string(a.caption));
      EXPECT_EQ(b.id, a.id);
      EXPECT_EQ(b.kind, a.kind);
      EXPECT_EQ(b.style, a.style);
      EXPECT_TRUE(b.x == a.x && b.y == a.y && b.width == a.width && b.height == a.height);
      EXPECT_FALSE(HasJapanese(b.caption)) << b.caption;
      if (a.kind == ControlClass::kComboBox || a.kind == ControlClass::kImageComboBox ||
          a.kind == ControlClass::kListBox) {
        EXPECT_EQ(LineCount(b.caption), LineCount(a.caption)) << "the same items";
      } else {
        EXPECT_EQ(b.caption.empty(), a.caption.empty());
      }
    }
  }
}

// Every control lies inside its dialog. Shown controls do not cover one
// another; group boxes frame their controls, and controls created hidden share
// their place with the ones shown instead of them.
TEST(DialogTemplates, ControlsLieInsideTheDialogAndApart) {
  for (int32_t id : JapaneseIds()) {
    const DialogTemplate& d = *Table().LoadDialog(id);
    for (const ControlTemplate& c : d.controls) {
      EXPECT_TRUE(c.x >= 0 && c.y >= 0 && c.x + c.width <= d.width && c.y + c.height <= d.height)
          << Name(d) << ": control " << c.id << " \"" << c.caption << "\" at " << c.x << "," << c.y << " "
          << c.width << "x" << c.height << " outside " << d.width << "x" << d.height;
    }
    for (size_t i = 0; i < d.controls.size(); ++i) {
      const ControlTemplate& a = d.controls[i];
      if (a.kind == ControlClass::kGroupBox || (a.style & platform::ui::kHidden)) continue;
      for (size_t j = i + 1; j < d.controls.size(); ++j) {
        const ControlTemplate& b = d.controls[j];
        if (b.kind == ControlClass::kGroupBox || (b.style & platform::ui::kHidden)) continue;
        const bool apart = a.x + a.width <= b.x || b.x + b.width <= a.x || a.y + a.height <= b.y ||
                           b.y + b.height <= a.y;
        EXPECT_TRUE(apart) << Name(d) << ": " << a.id << " \"" << a.caption << "\" and " << b.id << " \""
                           << b.caption << "\" overlap";
      }
    }
  }
}

// Control ids are -1 for labels, the platform's OK and Cancel, or the plug-in's
// own ids from 1000 on: a small number in a template is a metric or an index
// that took the place of an id.
TEST(DialogTemplates, ControlIdsAreLabelsStandardButtonsOrThePlugInsOwn) {
  for (const DialogTemplate* d : AllTemplates())
    for (const ControlTemplate& c : d->controls)
      EXPECT_TRUE(c.id == -1 || c.id == vx::ctl::kOk || c.id == vx::ctl::kCancel || (c.id >= 1000 && c.id < 2000))
          << Name(*d) << ": id " << c.id << " \"" << c.caption << "\"";
}

struct Expected {
  int32_t id;
  ControlClass kind;
};

void ExpectControls(int32_t templateId, std::initializer_list<Expected> expected) {
  const DialogTemplate* d = Table().LoadDialog(templateId);
  ASSERT_NE(d, nullptr) << templateId;
  for (const Expected& e : expected) {
    const ControlTemplate* c = FindControl(*d, e.id);
    ASSERT_NE(c, nullptr) << templateId << " lacks control " << e.id;
    EXPECT_EQ(c->kind, e.kind) << templateId << " control " << e.id << " is a "
                               << platform::ui::ControlClassName(c->kind);
  }
}

TEST(DialogTemplates, PalettesCarryTheSharedButtons) {
  for (int effect = 0; effect < 25; ++effect)
    ExpectControls(vx::res::EffectPaletteTemplate(effect),
                   {{vx::ctl::kHelpButton, ControlClass::kButton},
                    {vx::ctl::kLiveUpdate, ControlClass::kCheckBox},
                    {vx::ctl::kExpand, ControlClass::kButton},
                    {vx::ctl::kRelease, ControlClass::kButton},
                    {vx::ctl::kApply, ControlClass::kButton}});
  for (int tool : {0, 2, 4, 6, 7, 8, 10, 11})
    ExpectControls(vx::res::ToolPaletteTemplate(tool), {{vx::ctl::kHelpButton, ControlClass::kButton}});
  EXPECT_EQ(vx::res::ToolPaletteTemplate(13), 0) << "Live3D Rotate works on the 3D palette";
  ExpectControls(vx::res::kFractalizeDialog, {{vx::ctl::kOk, ControlClass::kButton},
                                              {vx::ctl::kCancel, ControlClass::kButton},
                                              {vx::ctl::kPreview, ControlClass::kCheckBox},
                                              {vx::ctl::kPresetButton, ControlClass::kImageButton}});
}

TEST(DialogTemplates, SharedDialogsHaveTheirControls) {
  using namespace vx::ctl;
  const DialogTemplate& about = *Table().LoadDialog(vx::res::kAboutBox);
  EXPECT_EQ(about.title, "このプラグインについて...");
  EXPECT_TRUE(std::any_of(about.controls.begin(), about.controls.end(),
                          [](const ControlTemplate& c) { return c.caption == "VELLUMiX4"; }));
  ExpectControls(vx::res::kAboutBox, {{kOk, ControlClass::kButton}});

  ExpectControls(vx::res::kImportPresetDialog, {{preset::kImportList, ControlClass::kListBox},
                                                {kOk, ControlClass::kButton},
                                                {kCancel, ControlClass::kButton}});
  const DialogTemplate& import = *Table().LoadDialog(vx::res::kImportPresetDialog);
  EXPECT_TRUE(FindControl(import, preset::kImportList)->style & platform::ui::kMultiSelect);
  EXPECT_TRUE(std::any_of(import.controls.begin(), import.controls.end(), [](const ControlTemplate& c) {
    return c.caption == "インポートするプリセットを選択してください。";
  }));

  ExpectControls(vx::res::kPresetDialog, {{preset::kList, ControlClass::kListBox},
                                          {preset::kReorderList, ControlClass::kDragListBox},
                                          {preset::kReorder, ControlClass::kCheckBox},
                                          {preset::kHint, ControlClass::kStatic},
                                          {preset::kExport, ControlClass::kImageButton},
                                          {preset::kImport, ControlClass::kImageButton},
                                          {preset::kSaveNew, ControlClass::kImageButton},
                                          {preset::kDelete, ControlClass::kImageButton},
                                          {preset::kClose, ControlClass::kButton}});
  const DialogTemplate& presets = *Table().LoadDialog(vx::res::kPresetDialog);
  EXPECT_TRUE(FindControl(presets, preset::kList)->style & platform::ui::kMultiSelect);
  EXPECT_TRUE(FindControl(presets, preset::kReorderList)->style & platform::ui::kHidden)
      << "the dialog opens in the normal mode";

  ExpectControls(vx::res::kHelpPalette, {{help::kTopics, ControlClass::kComboBox},
                                         {help::kPicture, ControlClass::kPicture},
                                         {help::kText, ControlClass::kEdit}});
  const uint32_t textStyle = FindControl(*Table().LoadDialog(vx::res::kHelpPalette), help::kText)->style;
  EXPECT_TRUE((textStyle & platform::ui::kReadOnly) && (textStyle & platform::ui::kMultiLine));
}

}  // namespace
