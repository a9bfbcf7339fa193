// Trace end points and the trace list's growth.
#include "tools/framework/trace_list.h"

#include <vector>

#include "support/in_process.h"

namespace {

std::vector<double> Steps(int16_t mode, int32_t n, double start, double end) {
  std::vector<double> positions;
  vx::ForEachTraceStep(mode, n, start, end, [&](int32_t k, double at) {
    EXPECT_EQ(static_cast<size_t>(k), positions.size());
    positions.push_back(at);
  });
  return positions;
}

TEST(TraceSteps, SpaceTheEntriesByTheMode) {
  EXPECT_EQ(Steps(vx::kTraceUniform, 4, 20, 40), (std::vector<double>{20, 25, 30, 35, 40}));
  EXPECT_EQ(Steps(vx::kTraceAccelerate, 2, 0, 8), (std::vector<double>{0, 2, 8}));
  EXPECT_EQ(Steps(vx::kTraceDecelerateRoundTrip, 2, 0, 8), (std::vector<double>{0, 6, 8}));
  // Uniform accumulates its steps: a third of 1 three times.
  const std::vector<double> thirds = Steps(vx::kTraceUniformRoundTrip, 3, 0, 1);
  EXPECT_EQ(thirds[3], 1.0 / 3 + 1.0 / 3 + 1.0 / 3);
  EXPECT_TRUE(vx::IsRoundTrip(vx::kTraceAccelerateRoundTrip));
  EXPECT_FALSE(vx::IsRoundTrip(vx::kTraceDecelerate));
}

class TraceListTest : public vxtest::InProcessTest {};

TEST_F(TraceListTest, GrowsByAHundredAndKeepsItsEntries) {
  vx::TraceList list;
  for (int i = 0; i < 700; ++i) ASSERT_EQ(list.Append({static_cast<double>(i), 0}, i == 3), ai::kNoError);
  EXPECT_EQ(list.count(), 700);
  EXPECT_EQ(list[650].point.x, 650);
  EXPECT_EQ(list[3].undeformed, 1);
  EXPECT_EQ(host.blocks().LiveNames(), std::vector<std::string>{"g buffer2 for trace"});
  list.Free();
  EXPECT_TRUE(host.blocks().LiveNames().empty());
  host.faults().FailNthCallOf("AllocateBlock", 1, ai::kOutOfMemory);
  EXPECT_EQ(list.Append({0, 0}), ai::kOutOfMemory);
  EXPECT_EQ(list.count(), 0);
}

}  // namespace
