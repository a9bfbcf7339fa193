// Gathering, measuring, reading, copying and writing back paths, with every
// block accounted for on every path.
#include <cstring>

#include "document/document.h"
#include "frame/error_messages.h"
#include "geometry/path_infos.h"
#include "geometry/path_list.h"
#include "support/art_builder.h"
#include "support/in_process.h"

namespace {

using vxtest::AddArt;
using vxtest::AddPath;
using vxtest::Handle;

class PathDataTest : public vxtest::InProcessTest {
 protected:
  PathDataTest() : document(host.OpenDocument(std::make_unique<vxhost::Document>())) {}

  std::vector<std::string> Blocks() { return host.blocks().LiveNames(); }

  vxhost::Document& document;
};

TEST_F(PathDataTest, CompoundPathInsideAGroupYieldsBothPathsInDocumentOrder) {
  vxhost::Art* group = AddArt(document, vxtest::LayerGroup(document), ai::art_kind::kGroup);
  vxhost::Art* compound = AddArt(document, group, ai::art_kind::kCompoundPath);
  vxhost::Art* first = AddPath(document, compound, {{0, 0}, {10, 0}, {10, 10}}, true);
  vxhost::Art* second = AddPath(document, compound, {{2, 2}, {4, 2}, {4, 4}}, true);
  AddArt(document, group, ai::art_kind::kText);  // passed over
  vxhost::Art* live = AddArt(document, group, ai::art_kind::kPluginGroup);
  AddPath(document, live->editGroup, {{0, 0}, {1, 1}});  // live objects are not entered

  vx::PathList list;
  vx::PathMeasure measure;
  ASSERT_EQ(vx::MeasurePaths(Handle(group), list, measure), ai::kNoError);
  ASSERT_EQ(list.count(), 2);
  EXPECT_EQ(list[0], Handle(first));
  EXPECT_EQ(list[1], Handle(second));
  EXPECT_EQ(measure.segmentTotal, 6);
  EXPECT_EQ(measure.bounds.left, 0);
  EXPECT_EQ(measure.bounds.top, 10);
  EXPECT_EQ(measure.bounds.right, 10);
  EXPECT_EQ(measure.bounds.bottom, 0);
  EXPECT_EQ(Blocks(), std::vector<std::string>{"+AIArtHandle"}) << "the caller owns the list";
  list.Free();
  EXPECT_TRUE(Blocks().empty());
}

TEST_F(PathDataTest, GroupWithoutPathsIsNoSelectionAndLeavesNoBlock) {
  vxhost::Art* group = AddArt(document, vxtest::LayerGroup(document), ai::art_kind::kGroup);
  AddArt(document, group, ai::art_kind::kGroup);
  AddArt(document, group, ai::art_kind::kText);
  vx::PathList list;
  vx::PathMeasure measure;
  EXPECT_EQ(vx::MeasurePaths(Handle(group), list, measure), vx::codes::kNoPathSelected);
  EXPECT_EQ(list.count(), 0);
  EXPECT_TRUE(Blocks().empty());
}

TEST_F(PathDataTest, ListKeepsASpareSlotAsItGrows) {
  vxhost::Art* group = AddArt(document, vxtest::LayerGroup(document), ai::art_kind::kGroup);
  for (int i = 0; i < 5; ++i) AddPath(document, group, {{double(i), 0}, {double(i), 1}});
  vx::PathList list;
  ASSERT_EQ(vx::GatherPaths(Handle(group), list), ai::kNoError);
  EXPECT_EQ(list.count(), 5);
  EXPECT_EQ(host.blocks().LiveBytes(), 6 * sizeof(ai::ArtHandle)) << "five handles and one spare";
  list.Free();
}

TEST_F(PathDataTest, ReadingGivesWorkingArraysEqualToSourceAndUnsetKeys) {
  vxhost::Art* group = AddArt(document, vxtest::LayerGroup(document), ai::art_kind::kGroup);
  AddPath(document, group, {{5, 5}});
  vxhost::Art* curve = AddPath(document, group, {{0, 0}, {10, 0}, {10, 10}}, true);
  curve->segments[1].out = {12, 3};
  curve->segments[1].corner = 0;

  vx::PathList list;
  vx::PathMeasure measure;
  ASSERT_EQ(vx::MeasurePaths(Handle(group), list, measure), ai::kNoError);
  EXPECT_EQ(measure.segmentTotal, 4) << "a single-segment path counts 1";
  vx::SelectionRecord record{};
  ASSERT_EQ(vx::ReadPathInfos(list, measure, record), ai::kNoError);
  list.Free();

  ASSERT_EQ(record.pathCount, 2);
  EXPECT_EQ(record.segmentTotal, 4);
  EXPECT_EQ(record.resultStatus, 0);
  EXPECT_EQ(std::memcmp(&record.currentBounds, &record.sourceBounds, sizeof(ai::RealRect)), 0);
  for (int i = 0; i < 2; ++i) {
    const vx::PathInfo& source = record.source[i];
    const vx::PathInfo& working = record.working[i];
    EXPECT_NE(source.segments, working.segments);
    EXPECT_EQ(std::memcmp(source.segments, working.segments, sizeof(vx::SegRecord) * source.segmentCount), 0);
    uint64_t bits = 0;
    std::memcpy(&bits, &source.key, sizeof bits);
    EXPECT_EQ(bits, 0xffb9999999999999ULL);
    EXPECT_EQ(std::memcmp(&source.key, &working.key, sizeof(double)), 0);
  }
  EXPECT_EQ(record.source[0].segmentCount, 1);
  EXPECT_EQ(record.source[1].closed, 1);
  EXPECT_EQ(record.source[1].segments[1].out.x, 12);
  EXPECT_EQ(Blocks(), (std::vector<std::string>{"paths info buffer", "paths info buffer", "segs buffer",
                                                "segs buffer", "segs buffer", "segs buffer"}));

  // Copy the single-segment path over the curve's working array, then write it back.
  vx::CopyPathInfo(record.source[0], record.working[1]);
  EXPECT_EQ(record.working[1].segmentCount, 1);
  EXPECT_EQ(record.working[1].segments[0].anchor.x, 5);
  ASSERT_EQ(vx::WriteBack(Handle(curve), record.working[1]), ai::kNoError);
  EXPECT_EQ(curve->segments.size(), 1u);
  EXPECT_TRUE(curve->closed) << "write-back leaves the closed flag alone";

  vx::FreePathInfos(record);
  EXPECT_TRUE(Blocks().empty());
  EXPECT_EQ(record.source, nullptr);
  EXPECT_EQ(record.pathCount, 0);
  EXPECT_EQ(record.sourceBounds.right, 0);
}

TEST_F(PathDataTest, EveryFailingHostCallWhileReadingIsReturnedAndFreesEverything) {
  vxhost::Art* group = AddArt(document, vxtest::LayerGroup(document), ai::art_kind::kGroup);
  vxhost::Art* compound = AddArt(document, group, ai::art_kind::kCompoundPath);
  AddPath(document, compound, {{0, 0}, {10, 0}, {10, 10}}, true);
  AddPath(document, compound, {{2, 2}, {4, 2}});
  AddPath(document, group, {{7, 7}, {9, 9}, {9, 1}});

  auto readAll = [&]() -> ai::Code {
    vx::PathList list;
    vx::PathMeasure measure;
    if (ai::Code code = vx::MeasurePaths(Handle(group), list, measure)) {
      list.Free();
      return code;
    }
    vx::SelectionRecord record{};
    ai::Code code = vx::ReadPathInfos(list, measure, record);
    list.Free();
    if (code == ai::kNoError) vx::FreePathInfos(record);
    return code;
  };

  host.faults().Reset(/*record=*/true);
  ASSERT_EQ(readAll(), ai::kNoError);
  const std::vector<std::string> calls = host.faults().recorded();
  ASSERT_GT(calls.size(), 20u);

  const ai::Code failure = ai::FourCC("flt!");
  for (size_t k = 1; k <= calls.size(); ++k) {
    SCOPED_TRACE("call " + std::to_string(k) + ": " + calls[k - 1]);
    host.faults().Reset();
    host.faults().FailNthCall(static_cast<int64_t>(k), failure);
    const ai::Code code = readAll();
    if (calls[k - 1] == "FreeBlock") {
      // A free the host refused leaves that one block behind; nothing else may.
      EXPECT_EQ(code, ai::kNoError);
      EXPECT_LE(host.blocks().LiveCount(), 1u);
      host.blocks().FreeAll();
      continue;
    }
    EXPECT_EQ(code, failure);
    EXPECT_TRUE(Blocks().empty());
  }
}

}  // namespace
