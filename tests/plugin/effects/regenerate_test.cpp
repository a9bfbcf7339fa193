// Live objects regenerate through their effect when the host updates them: the
// parameter block is read back, the result group rebuilt from the edit group.
#include "effects/framework/parameter_block.h"
#include "effects/framework/regenerate.h"

#include "document/document.h"
#include "effects/shadow/shadow_params.h"
#include "presets/record_registry.h"
#include "frame/globals.h"
#include "frame/suite_set.h"
#include "support/art_builder.h"
#include "support/plugin_host.h"
#include "support/suite_access.h"

extern "C" ai::Code PluginMain(const char* caller, const char* selector, void* message);

namespace {

constexpr int16_t kShadow = 18;
constexpr int16_t kTrail = 20;

// Copies the source art into the result and remembers the record it was given.
double gLastDistance = -1;
int gRuns = 0;
ai::Code CopyGenerator(ai::ArtHandle, ai::ArtHandle edit, ai::ArtHandle into, const void* record) {
  ++gRuns;
  gLastDistance = static_cast<const vx::ShadowPGParams*>(record)->distance;
  ai::ArtHandle child = nullptr;
  if (ai::Code code = vx::suites::Art().getFirstChild(edit, &child)) return code;
  for (; child != nullptr; vx::suites::Art().getNextSibling(child, &child)) {
    if (ai::Code code = vx::suites::Art().duplicateArt(child, ai::placement::kInsideAtBottom, into, nullptr))
      return code;
  }
  return ai::kNoError;
}

class RegenerateTest : public ::testing::Test {
 protected:
  RegenerateTest() {
    gRuns = 0;
    gLastDistance = -1;
    vx::SetGenerator(kShadow, CopyGenerator);
    vx::SetGenerator(kTrail, CopyGenerator);
    EXPECT_EQ(plugin.Startup(), ai::kNoError);
  }
  ~RegenerateTest() override {
    EXPECT_EQ(plugin.Shutdown(), ai::kNoError);
    vx::SetGenerator(kShadow, nullptr);
    vx::SetGenerator(kTrail, nullptr);
  }

  // A live object of `effect` around a path, its parameter block written, as
  // Apply leaves it; the host updates it after the next message.
  vxhost::Art* MakeLive(int16_t effect, double distance) {
    vxhost::Art* live = document.NewArt(ai::art_kind::kPluginGroup);
    document.Insert(live, ai::placement::kInsideOnTop, document.currentLayer()->group);
    vxtest::AddPath(document, live->editGroup, {{0, 0}, {10, 0}, {10, 10}}, true);
    vxtest::AddPath(document, live->editGroup, {{20, 0}, {30, 0}});
    const auto& groups = vxtest::AcquireSuite<ai::PluginGroupSuite>(host);
    EXPECT_EQ(groups.useArtPluginGroup(vxtest::Handle(live), vx::Globals()->pluginGroups[effect]), ai::kNoError);
    const vx::RecordSpec& spec = *vx::FindKindByEffectIndex(effect)->spec;
    std::vector<std::max_align_t> record(spec.size / sizeof(std::max_align_t) + 1);
    vx::SetRecordDefaults(spec, record.data(), "");
    if (effect == kShadow) reinterpret_cast<vx::ShadowPGParams*>(record.data())->distance = distance;
    EXPECT_EQ(vx::WriteParameterBlock(vxtest::Handle(live), effect, record.data()), ai::kNoError);
    return live;
  }

  vxtest::ScopedSettingsHome settingsHome;
  vxhost::Host host{vxtest::QuietHost()};
  vxhost::LoadedPlugin& plugin = host.AttachPlugin(VX_PLUGIN_PATH, &PluginMain);
  vxhost::Document& document = host.OpenDocument(std::make_unique<vxhost::Document>());
};

TEST_F(RegenerateTest, UpdateRebuildsTheResultFromTheSourceWithTheStoredParameters) {
  vxhost::Art* live = MakeLive(kShadow, 42.5);
  host.Notify("AI Document Changed Notifier");
  EXPECT_EQ(gRuns, 1);
  EXPECT_EQ(gLastDistance, 42.5) << "the parameter block came back through its text form";
  ASSERT_EQ(live->resultGroup->Children().size(), 1u) << "one new group on top of the result";
  EXPECT_EQ(live->resultGroup->firstChild->Children().size(), 2u);
  EXPECT_EQ(live->live->data.rfind("$\t\r\nA\t", 0), 0u) << "an effect's block has no preset name";

  // Editing the source regenerates again and replaces the old result.
  vxtest::AddPath(document, live->editGroup, {{5, 5}, {6, 6}});
  host.Notify("AI Document Changed Notifier");
  EXPECT_EQ(gRuns, 2);
  ASSERT_EQ(live->resultGroup->Children().size(), 1u);
  EXPECT_EQ(live->resultGroup->firstChild->Children().size(), 3u);
  EXPECT_TRUE(host.blocks().LiveNames().size() > 0);
  for (const std::string& name : host.blocks().LiveNames()) EXPECT_NE(name, "blockData");
}

TEST_F(RegenerateTest, DataOfAnotherTypeIsNotRendered) {
  vxhost::Art* live = MakeLive(kShadow, 10);
  live->live->dataType = 2;
  host.Notify("AI Document Changed Notifier");
  EXPECT_EQ(gRuns, 0);
  vxhost::Art* other = MakeLive(kShadow, 10);
  const auto& groups = vxtest::AcquireSuite<ai::PluginGroupSuite>(host);
  vx::suites::gBasic = host.basicSuite();
  EXPECT_EQ(groups.setDataType(vxtest::Handle(other), 1, 1), ai::kNoError);
  EXPECT_TRUE(other->resultGroup->Children().empty());
}

TEST_F(RegenerateTest, AnUnselectedTrailObjectIsNotRegenerated) {
  vxhost::Art* trail = MakeLive(kTrail, 0);
  host.Notify("AI Document Changed Notifier");
  EXPECT_EQ(gRuns, 0);
  EXPECT_EQ(vx::Globals()->effectInProcess, kTrail);
  trail->userAttributes |= ai::art_attr::kSelected;
  document.MarkLiveChanged(trail);
  host.Notify("AI Document Changed Notifier");
  EXPECT_EQ(gRuns, 1) << "a selected Trail object is";
}

}  // namespace
