// Live 3D Transform as a person uses it: a shape chosen from the menu opens the
// shared palette with that shape's rows, Apply gathers the selection into one
// object around a tagged wrapper group, Release gives the art back, and a
// failing host call leaves the document as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "document/document.h"
#include "effects/framework/live_objects.h"
#include "frame/effect_table.h"
#include "frame/globals.h"
#include "plugin/effects/effect_palette_fixture.h"
#include "resources/control_ids.h"
#include "support/fault_sweep.h"
#include "threed/threed_effect.h"
#include "threed/threed_params.h"
#include "tool_driver.h"

namespace {

namespace t = vx::ctl::threed;

std::string ShapeMenuText(int shape) { return vx::EffectTable()[shape].menuText; }

class ThreeDEffectTest : public vxtest::EffectPaletteTest {
 protected:
  ThreeDEffectTest() : EffectPaletteTest("Live 3D変換") {}

  ai::Code OpenShape(int shape) {
    return ChooseMenu({"VELLUMiX4", "Live 3D変換", ShapeMenuText(shape)});
  }
  vx::_3DTFilterParams& Record() { return RecordAs<vx::_3DTFilterParams>(); }

  // Three selected squares side by side.
  std::vector<vxhost::Art*> ThreeSquares() { return {SelectedSquare(0), SelectedSquare(40), SelectedSquare(80)}; }

  // The layer as text: kinds, tags and anchors, depth first.
  static void Describe(const vxhost::Art* art, std::ostringstream& out, int depth) {
    out << std::string(depth * 2, ' ') << art->kind;
    for (const auto& [name, value] : art->tags) out << " tag " << name << "=" << value;
    for (const ai::SegRecord& s : art->segments) out << " (" << s.anchor.x << "," << s.anchor.y << ")";
    out << "\n";
    for (const vxhost::Art* child : art->Children()) Describe(child, out, depth + 1);
    if (art->editGroup != nullptr) Describe(art->editGroup, out, depth + 1);
    if (art->resultGroup != nullptr) Describe(art->resultGroup, out, depth + 1);
  }
  std::string Layer() {
    std::ostringstream out;
    Describe(vxtest::LayerGroup(*document), out, 0);
    return out.str();
  }
};

TEST_F(ThreeDEffectTest, ApplyGathersThreePathsIntoOneWrappedObjectAndReleaseGivesThemBack) {
  const auto squares = ThreeSquares();
  const double lefts[] = {0, 40, 80};
  ASSERT_EQ(OpenShape(11), ai::kNoError);
  ASSERT_NE(Controller(), nullptr);
  EXPECT_EQ(Record().shapeType, 11);
  ASSERT_EQ(user.Click(Palette(), vx::effect_button::kApply), 0);

  const auto live = LiveObjects();
  ASSERT_EQ(live.size(), 1u) << "one object for the whole selection";
  const auto edit = live[0]->editGroup->Children();
  ASSERT_EQ(edit.size(), 1u);
  EXPECT_EQ(edit[0]->kind, ai::art_kind::kGroup);
  EXPECT_EQ(edit[0]->tags.at(vx::kWrapperTagName), vx::kWrapperTagValue);
  EXPECT_EQ(edit[0]->Children(), squares) << "the wrapper holds the paths in their order";
  ASSERT_NE(live[0]->resultGroup->firstChild, nullptr) << "the host rebuilt the object";
  const auto mapped = live[0]->resultGroup->firstChild->Children();
  ASSERT_EQ(mapped.size(), 1u);
  const auto paths = mapped[0]->Children();
  ASSERT_EQ(paths.size(), 3u);
  int moved = 0;
  for (const vxhost::Art* path : paths) {
    EXPECT_EQ(path->kind, ai::art_kind::kPath);
    for (const ai::SegRecord& s : path->segments)
      moved += std::fmod(s.anchor.x, 10) != 0 || std::fmod(s.anchor.y, 10) != 0;
  }
  EXPECT_GT(moved, 0) << "the squares are mapped onto the cylinder";

  SelectOnly(live[0]);
  ASSERT_EQ(user.Click(Palette(), vx::effect_button::kRelease), 0);
  const auto back = vxtest::LayerGroup(*document)->Children();
  ASSERT_EQ(back.size(), 3u) << "the wrapper is dissolved, not given back";
  for (size_t i = 0; i < back.size(); ++i) {
    EXPECT_EQ(back[i]->kind, ai::art_kind::kPath);
    EXPECT_EQ(back[i]->segments.front().anchor.x, lefts[i]) << "order and geometry kept";
  }
}

TEST_F(ThreeDEffectTest, ShapeRowsFollowTheShapeAndTypedValuesAreClamped) {
  ASSERT_EQ(OpenShape(4), ai::kNoError);
  EXPECT_EQ(Palette().Item(t::ParamLabel(0))->Text(), "角度(°):");
  EXPECT_EQ(Palette().Item(t::ParamLabel(1))->Text(), "サイクル:") << "no unit, the colon stays";
  EXPECT_FALSE(Palette().Item(t::ParamEdit(2))->Enabled());
  EXPECT_FALSE(Palette().Item(t::ParamSlider(3))->Enabled());
  EXPECT_EQ(Palette().Item(t::ParamSlider(1))->Minimum(), 1);
  EXPECT_EQ(Palette().Item(t::ParamSlider(1))->Maximum(), 20);
  EXPECT_TRUE(Palette().Item(t::kBefore)->Enabled());

  ASSERT_EQ(user.TypeAndLeave(Palette(), t::ParamEdit(1), "-5"), 0);
  EXPECT_EQ(Record().shapeParam2, 1) << "the cycle's edit range starts at 1";
  EXPECT_EQ(Palette().Item(t::ParamEdit(1))->Text(), "1.000");
  ASSERT_EQ(user.TypeAndLeave(Palette(), t::ParamEdit(0), "5000"), 0);
  EXPECT_EQ(Record().shapeParam1, 3600);
  EXPECT_EQ(Palette().Item(t::ParamSlider(0))->Position(), 720) << "the slider stops at its own end";
  ASSERT_EQ(user.TypeAndLeave(Palette(), t::kPreRotX, "400"), 0);
  EXPECT_EQ(Record().preRotX, 360);
}

TEST_F(ThreeDEffectTest, PlainRotationHasNoRowsAndNoBeforeAfterChoice) {
  ASSERT_EQ(OpenShape(0), ai::kNoError);
  EXPECT_EQ(Record().showMapped, 0);
  EXPECT_EQ(vx::ShowMappedCopy(), 0);
  for (int row = 0; row < 4; ++row) EXPECT_FALSE(Palette().Item(t::ParamEdit(row))->Enabled());
  EXPECT_FALSE(Palette().Item(t::kBefore)->Enabled());
  EXPECT_EQ(vx::ShapeRowLabel(2, 1), "半径の増加率(%/360°):");
}

TEST_F(ThreeDEffectTest, BeforeShowsTheArtOnlyTurnedByTheFirstRotation) {
  vxhost::Art* bar = vxtest::AddPath(*document, vxtest::LayerGroup(*document), {{0, 0}, {60, 0}, {60, 30}, {0, 30}},
                                     true);
  bar->userAttributes |= ai::art_attr::kSelected;
  ASSERT_EQ(OpenShape(11), ai::kNoError);
  EXPECT_EQ(vx::ShowMappedCopy(), 1);
  ASSERT_EQ(user.Click(Palette(), t::kBefore), 0);
  EXPECT_EQ(Record().showMapped, 0);
  EXPECT_EQ(vx::ShowMappedCopy(), 0);
  ASSERT_EQ(user.TypeAndLeave(Palette(), t::kPreRotX, "0"), 0);
  ASSERT_EQ(user.TypeAndLeave(Palette(), t::kPreRotZ, "90"), 0);
  ASSERT_EQ(user.TypeAndLeave(Palette(), t::kPerspective, "0"), 0);
  ASSERT_EQ(user.Click(Palette(), vx::effect_button::kApply), 0);

  const auto live = LiveObjects();
  ASSERT_EQ(live.size(), 1u);
  const vxhost::Art* path = live[0]->resultGroup->firstChild->firstChild->firstChild;
  ASSERT_NE(path, nullptr);
  ASSERT_EQ(path->segments.size(), 4u);
  double left = 1e9, right = -1e9, bottom = 1e9, top = -1e9;
  for (const ai::SegRecord& s : path->segments) {
    left = std::min(left, s.anchor.x), right = std::max(right, s.anchor.x);
    bottom = std::min(bottom, s.anchor.y), top = std::max(top, s.anchor.y);
  }
  // A quarter turn about the centre (30, 15): 30 wide, 60 high; the post
  // rotation (Y -45) is not applied.
  EXPECT_NEAR(left, 15, 1e-9);
  EXPECT_NEAR(right, 45, 1e-9);
  EXPECT_NEAR(bottom, -15, 1e-9);
  EXPECT_NEAR(top, 45, 1e-9);
}

TEST_F(ThreeDEffectTest, EveryShapeMapsTheSquares) {
  for (int shape = 0; shape < vx::kShapeCount; ++shape) {
    SCOPED_TRACE(ShapeMenuText(shape));
    for (vxhost::Art* art : vxtest::LayerGroup(*document)->Children()) document->Dispose(art);
    ThreeSquares();
    ASSERT_EQ(OpenShape(shape), ai::kNoError);
    ASSERT_NE(Controller(), nullptr);
    ASSERT_EQ(Controller()->Apply(), ai::kNoError);
    const auto live = LiveObjects();
    ASSERT_EQ(live.size(), 1u);
    ASSERT_NE(live[0]->resultGroup->firstChild, nullptr);
    EXPECT_EQ(live[0]->resultGroup->firstChild->firstChild->Children().size(), 3u);
  }
}

// A 3D palette shows what the Live3D Rotate tool turns: opening it and every
// change make that tool current, and the tool that was current is put away.
TEST_F(ThreeDEffectTest, OpeningAShapeAndEachChangeMakeTheRotateToolCurrent) {
  vxhost::ToolDriver driver{host, plugin};
  const auto current = [&] { return driver.tool() != nullptr ? driver.tool()->title : std::string(); };
  ASSERT_TRUE(driver.Choose("ワープツール"));
  EXPECT_EQ(vx::Globals()->currentTool, 0) << "the Warp palette is open";
  ASSERT_EQ(OpenShape(11), ai::kNoError);
  EXPECT_EQ(current(), "ライブ3D回転ツール");
  EXPECT_EQ(vx::Globals()->currentTool, 13) << "the Warp tool heard its deselection";

  ASSERT_TRUE(driver.Choose("ワープツール"));
  ASSERT_EQ(user.TypeAndLeave(Palette(), t::kPerspective, "20"), 0);
  EXPECT_EQ(current(), "ライブ3D回転ツール");
  ASSERT_TRUE(driver.Choose("ワープツール"));
  ASSERT_EQ(user.TypeAndLeave(Palette(), t::ParamEdit(1), "-5"), 0);
  EXPECT_EQ(current(), "ライブ3D回転ツール") << "the shape rows count as changes too";
}

TEST_F(ThreeDEffectTest, AFailingHostCallUndoesTheWholeApply) {
  ASSERT_EQ(OpenShape(8), ai::kNoError);
  std::string before;
  auto run = [&] {
    for (vxhost::Art* art : vxtest::LayerGroup(*document)->Children()) document->Dispose(art);
    ThreeSquares();
    before = Layer();
    return Controller()->Apply();
  };
  const std::vector<std::string> calls = vxtest::RecordHostCalls(host, run);
  ASSERT_FALSE(calls.empty());
  const std::vector<std::string> blocks = host.blocks().LiveNames();
  const ai::Code failure = ai::FourCC("flt!");
  // The context's own start and end and the freeing of blocks are the host's,
  // not the apply's. A failure in the regeneration the host runs once the
  // apply is over leaves the apply done.
  vxtest::SweepHostCalls(host, calls, failure, {"PushAppContext", "PopAppContext", "FreeBlock", "Dispose"}, run,
                         [&](ai::Code code, const std::string&) {
                           if (code == ai::kNoError) {
                             EXPECT_EQ(LiveObjects().size(), 1u);
                           } else {
                             EXPECT_EQ(code, failure);
                             EXPECT_EQ(Layer(), before) << "nothing of the apply is left";
                           }
                           EXPECT_EQ(host.blocks().LiveNames(), blocks) << "no block leaks";
                         });
}

TEST_F(ThreeDEffectTest, AFailingRegenerationIsReportedAndLeaksNothing) {
  ThreeSquares();
  ASSERT_EQ(OpenShape(8), ai::kNoError);
  ASSERT_EQ(Controller()->Apply(), ai::kNoError);
  vxhost::Art* live = LiveObjects().at(0);
  auto run = [&] {
    document->MarkLiveChanged(live);
    return host.UpdateLiveObjects();
  };
  const std::vector<std::string> calls = vxtest::RecordHostCalls(host, run);
  ASSERT_FALSE(calls.empty());
  const std::vector<std::string> blocks = host.blocks().LiveNames();
  const ai::Code failure = ai::FourCC("flt!");
  vxtest::SweepHostCalls(host, calls, failure, {"FreeBlock"}, run, [&](ai::Code code, const std::string&) {
    EXPECT_EQ(code, failure);
    EXPECT_EQ(host.blocks().LiveNames(), blocks) << "no block leaks";
  });
  ASSERT_EQ(run(), ai::kNoError);
  EXPECT_EQ(live->resultGroup->firstChild->firstChild->Children().size(), 3u);
}

}  // namespace
