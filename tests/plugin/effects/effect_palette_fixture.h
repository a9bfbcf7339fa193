// An effect's palette as a person uses it: chosen from the plug-in's menu,
// driven by the scripted user, applied to a selection in the document.
#pragma once

#include <string>
#include <vector>

#include "effects/framework/pg_ctrlr.h"
#include "frame/vellumix4_plugin.h"
#include "plugin/ui/palette_fixture.h"
#include "support/art_builder.h"

namespace vxtest {

class EffectPaletteTest : public PaletteTest {
 protected:
  explicit EffectPaletteTest(std::string menuItem) : menu_{"VELLUMiX4", std::move(menuItem)} {}

  ai::Code OpenPalette() { return ChooseMenu(menu_); }
  vx::PGCtrlr* Controller() {
    auto* main = dynamic_cast<vx::VELLUMiX4Plugin*>(vx::GlobalPlugin());
    return main != nullptr ? dynamic_cast<vx::PGCtrlr*>(main->mainFields().effectController) : nullptr;
  }
  platform::ui::Dialog& Palette() { return *Controller()->view(); }
  template <class Record>
  Record& RecordAs() {
    return *static_cast<Record*>(Controller()->record());
  }

  // A selected closed square with a stroke and a fill.
  vxhost::Art* SelectedSquare(double x, double width = 4, vxhost::Art* parent = nullptr) {
    vxhost::Art* path = AddPath(*document, parent != nullptr ? parent : LayerGroup(*document),
                                {{x, 0}, {x + 30, 0}, {x + 30, 30}, {x, 30}}, true);
    path->style.strokePaint = 1;
    path->style.strokeWidth = width;
    path->style.strokeColor.kind = ai::color_kind::kGray;
    path->style.strokeColor.c.gray.gray = 0.8;
    path->style.fillColor.kind = ai::color_kind::kGray;
    path->userAttributes |= ai::art_attr::kSelected;
    return path;
  }
  std::vector<vxhost::Art*> LiveObjects() {
    std::vector<vxhost::Art*> out;
    for (vxhost::Art* art : LayerGroup(*document)->Children())
      if (art->kind == ai::art_kind::kPluginGroup) out.push_back(art);
    return out;
  }
  // The user selects one object; the host tells the plug-in.
  void SelectOnly(vxhost::Art* art) {
    document->SelectOnly({art});
    host.Notify("AI Art Selection Changed Notifier");
  }
  void SelectAll() {
    document->ForEachArt([](vxhost::Art* art) { art->userAttributes |= ai::art_attr::kSelected; });
  }

 private:
  std::vector<std::string> menu_;
};

}  // namespace vxtest
