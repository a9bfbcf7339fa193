// The Fractalize filter through PluginMain: the menu item opens the dialog,
// its controls edit the record, the preview shows on the document and is taken
// back, OK leaves exactly the last preview, the action records and plays back.
#include <gtest/gtest.h>

#include <algorithm>

#include "effects/framework/effect_actions.h"
#include "platform/clock.h"
#include "frame/error_messages.h"
#include "presets/preset_records.h"
#include "ui/effect_dialog_controller.h"
#include "plugin/fractalize/fractalize_fixture.h"
#include "support/fault_sweep.h"

namespace {

using vxtest::FractalizeTest;
using vxtest::Snapshot;
using vxtest::Step;
using vxtest::operator+;
namespace fx = vx::ctl::fractalize;

TEST_F(FractalizeTest, TheMenuItemOpensTheFilterDialogAndOkFractalizes) {
  vxhost::Art* path = Selected({{0, 0}, {90, 0}});
  std::string title;
  const ai::Code code = RunFilter(Settings(6, 1, "0") + std::vector<Step>{[&](auto&, platform::ui::Dialog& d) {
                                    title = std::string(d.Title());
                                  }});
  ASSERT_EQ(code, ai::kNoError);
  EXPECT_EQ(title, "VELLUMiX4: フラクタル化（フィルタ）");
  ASSERT_EQ(path->segments.size(), 5u);
  EXPECT_NEAR(path->segments[2].anchor.x, 45, 1e-3);
  EXPECT_NEAR(path->segments[2].anchor.y, 25.98, 1e-3);
  EXPECT_EQ(Record().generator, 6u);
  EXPECT_EQ(Record().level, 1u);
}

TEST_F(FractalizeTest, ControlsClampTheirValuesAndTheUnitButtonShowsTheUnit) {
  Selected({{0, 0}, {90, 0}});
  std::string unitBefore, unitAfter, heightText, densityText;
  ASSERT_EQ(RunFilter({Type(fx::kHeight, "5000"), Type(fx::kDensity, "200"), Type(fx::kUneven, "-5"),
                       [&](auto&, platform::ui::Dialog& d) { unitBefore = d.Item(fx::kUnevenUnit)->Text(); },
                       Press(fx::kUnevenUnit),
                       [&](auto&, platform::ui::Dialog& d) {
                         unitAfter = d.Item(fx::kUnevenUnit)->Text();
                         heightText = d.Item(fx::kHeight)->Text();
                         densityText = d.Item(fx::kDensity)->Text();
                       }},
                      /*ok=*/false),
            ai::kStop);
  EXPECT_EQ(unitBefore, "%");
  EXPECT_EQ(unitAfter, "pt");
  EXPECT_EQ(heightText, "4000.000");
  EXPECT_EQ(densityText, "144.000");
  EXPECT_EQ(Record().genHeight, 100.0) << "Cancel gives the record back as it was";
  EXPECT_EQ(Record().unevenUnit, 0u);

  ASSERT_EQ(RunFilter({Type(fx::kHeight, "-5000"), Type(fx::kUneven, "-5"), Press(fx::kUnevenUnit),
                       [](platform::ui::ScriptedUser& u, platform::ui::Dialog& d) { EXPECT_EQ(u.Spin(d, fx::kDensitySpin, 2), 0); }}),
            ai::kNoError);
  EXPECT_EQ(Record().genHeight, -4000.0);
  EXPECT_EQ(Record().uneven, 0.0);
  EXPECT_EQ(Record().unevenUnit, 1u);
  EXPECT_EQ(Record().density, 7.0) << "each spin step adds one to what the field shows";
}

TEST_F(FractalizeTest, OkLeavesExactlyTheLastPreview) {
  Selected({{0, 0}, {120, 0}, {60, 90}}, true);
  Selected({{200, 0}, {300, 40}});
  Snapshot previewed, afterFirstChange;
  ASSERT_EQ(RunFilter(Settings(6, 2, "10", "25") +
                      std::vector<Step>{Press(vx::effect_dialog::kPreview), Remember(afterFirstChange),
                                        Type(fx::kHeight, "80"), Type(fx::kHeight, "60"), Remember(previewed)}),
            ai::kNoError);
  const Snapshot done = Paths();
  EXPECT_TRUE(vxtest::Same(done, previewed)) << "OK repeats the last preview's random sequence";
  EXPECT_FALSE(vxtest::Same(done, afterFirstChange));
}

TEST_F(FractalizeTest, CancelAfterPreviewsLeavesTheDocumentAsItWas) {
  Selected({{0, 0}, {120, 0}, {60, 90}}, true);
  const Snapshot before = Paths();
  Snapshot previewed;
  ASSERT_EQ(RunFilter(Settings(14, 2, "5", "10") +
                          std::vector<Step>{Press(vx::effect_dialog::kPreview), Type(fx::kHeight, "150"), Remember(previewed)},
                      /*ok=*/false),
            ai::kStop);
  EXPECT_FALSE(vxtest::Same(previewed, before)) << "the preview showed on the document";
  EXPECT_TRUE(vxtest::Same(Paths(), before));
  EXPECT_EQ(Record().genHeight, 100.0);
  EXPECT_EQ(Record().generator, 1u);
  EXPECT_TRUE(host.log().alerts().empty()) << "'STOP' is never shown";
}

TEST_F(FractalizeTest, ANewSequenceGivesADifferentDistortionOfTheSameShape) {
  Selected({{0, 0}, {120, 0}, {60, 90}}, true);
  Snapshot first, second;
  ASSERT_EQ(RunFilter(Settings(6, 1, "10", "30") + std::vector<Step>{Press(vx::effect_dialog::kPreview), Remember(first),
                                                                     Press(fx::kNewSequence), Remember(second)}),
            ai::kNoError);
  ASSERT_EQ(first.size(), 1u);
  EXPECT_EQ(first[0].size(), second[0].size()) << "the same shape";
  EXPECT_FALSE(vxtest::Same(first, second)) << "another distortion";
  EXPECT_TRUE(vxtest::Same(Paths(), second));
}

TEST_F(FractalizeTest, ThePresetPopupLoadsPresetsAndTheDefaultSetting) {
  Selected({{0, 0}, {90, 0}});
  Controller();  // the preset file is made with the controller
  vx::FractalizeParams koch = Record();
  koch.generator = 6;
  koch.level = 2;
  koch.density = 0;
  std::strcpy(koch.head.presetName, "Koch");
  ASSERT_EQ(vx::AppendPreset(vx::Globals()->settingsFolder, vx::kFractalizeParamsSpec, &koch), ai::kNoError);

  std::vector<std::string> menu;
  int32_t generatorShown = -1, levelShown = -1;
  ASSERT_EQ(RunFilter({[&](platform::ui::ScriptedUser& u, platform::ui::Dialog& d) {
                         auto& dialog = static_cast<vx::EffectDialogController&>(d);
                         for (const auto& item : dialog.popup().items) menu.push_back(item.text);
                         u.ChoosePopupItem(vx::effect_dialog::kFirstPreset);
                         EXPECT_EQ(u.Click(d, vx::effect_dialog::kPresetButton), 0);
                         generatorShown = d.Item(fx::kGenerator)->Selection();
                         levelShown = d.Item(fx::kLevel)->Selection();
                       }}),
            ai::kNoError);
  EXPECT_NE(std::find(menu.begin(), menu.end(), "Koch"), menu.end());
  EXPECT_EQ(generatorShown, 5);
  EXPECT_EQ(levelShown, 1);
  EXPECT_EQ(Paths()[0].size(), 17u);

  ASSERT_EQ(RunFilter({[](platform::ui::ScriptedUser& u, platform::ui::Dialog& d) {
              u.ChoosePopupItem(vx::effect_dialog::kDefaultSetting);
              EXPECT_EQ(u.Click(d, vx::effect_dialog::kPresetButton), 0);
            }}, /*ok=*/false),
            ai::kStop);
  EXPECT_EQ(Record().generator, 6u) << "Cancel keeps the record as it was before the dialog";
}

TEST_F(FractalizeTest, TheFilterIsRecordedAsAnActionAndPlaysBackOnAnotherPath) {
  vxhost::Art* first = Selected({{0, 0}, {90, 0}});
  host.actions().SetRecording(true);
  ASSERT_EQ(RunFilter(Settings(10, 2, "0") + std::vector<Step>{Type(fx::kHeight, "50")}), ai::kNoError);
  host.actions().SetRecording(false);
  ASSERT_EQ(host.actions().events().size(), 1u);
  const auto& event = host.actions().events()[0];
  EXPECT_EQ(event.action, "VmX4_Fractalize_Action");
  EXPECT_EQ(first->segments.size(), 10u) << "the square bump has three segments: 3 x 3 + 1";

  document->ClearSelection();
  vxhost::Art* second = Selected({{0, 100}, {50, 100}, {50, 150}});
  Record().generator = 1;
  Record().genHeight = 100;
  ASSERT_EQ(host.actions().Play(event), ai::kNoError);
  EXPECT_EQ(second->segments.size(), 2u * 9u + 1u);
  EXPECT_EQ(Record().generator, 10u) << "the played values are the current record";
  EXPECT_EQ(Record().genHeight, 50.0);
  EXPECT_EQ(first->segments.size(), 10u);
}

TEST_F(FractalizeTest, AFailureAnywhereInAFilterRunLeavesEveryPathWholeAndNothingHeld) {
  const auto draw = [&] {
    document->ClearSelection();
    for (vxhost::Art* art : vxtest::LayerGroup(*document)->Children()) document->Dispose(art);
    Selected({{0, 0}, {120, 0}, {60, 90}}, true);
    Selected({{200, 0}, {300, 40}});
    vx::Globals()->fractalizeLastSeed = 0;  // every run takes the same seed from the pinned clock
  };
  platform::SetTickCount(1000);
  ASSERT_NE(Controller(), nullptr);  // made before the calls are counted
  draw();
  const Snapshot sources = Paths();
  size_t blocks = 0;
  const auto run = [&] {
    draw();
    blocks = host.blocks().LiveCount();
    return RunFilter(Settings(6, 2, "10", "25"));
  };
  const std::vector<std::string> calls = vxtest::RecordHostCalls(host, run);
  const Snapshot full = Paths();
  ASSERT_FALSE(vxtest::Same(full, sources));
  // A free the host refuses would leave that block behind (the algorithm's own sweep covers it).
  vxtest::SweepHostCalls(host, calls, ai::FourCC("flt!"), {"FreeBlock", "Dispose"}, run, [&](ai::Code code, auto&) {
    const Snapshot after = Paths();
    ASSERT_EQ(after.size(), 2u);
    for (size_t p = 0; p < 2; ++p)
      EXPECT_TRUE(vxtest::SameSegments(after[p], full[p]) || vxtest::SameSegments(after[p], sources[p]))
          << "path " << p << " is either done or as it was";
    if (code == ai::kNoError) {
      EXPECT_TRUE(vxtest::Same(after, full)) << "a run that says it is done did it all";
    }
    EXPECT_EQ(host.blocks().LiveCount(), blocks);
    EXPECT_EQ(host.contextDepth(), 0u);
  });
  platform::SetTickCount(std::nullopt);
}

}  // namespace
