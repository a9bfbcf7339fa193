// The failure report: silent codes and the five-second de-duplication.
#include "frame/plugin.h"

#include <gtest/gtest.h>

#include "platform/clock.h"

namespace {

class ReportFailureTest : public ::testing::Test {
 protected:
  ReportFailureTest() { platform::SetCalendarSeconds(1000); }
  ~ReportFailureTest() override { platform::SetCalendarSeconds(std::nullopt); }

  uint64_t Reported(ai::Code code) {
    const uint64_t before = vx::RawReports().count;
    plugin.ReportFailure(code, "AI Menu", "AI Go", nullptr);
    return vx::RawReports().count - before;
  }

  vx::Plugin plugin{nullptr};
};

TEST_F(ReportFailureTest, SameCodeWithinFiveSecondsIsReportedOnce) {
  const ai::Code code = ai::FourCC("boom");
  EXPECT_EQ(Reported(code), 1u);
  EXPECT_EQ(vx::RawReports().lastCode, code);
  platform::SetCalendarSeconds(1004);
  EXPECT_EQ(Reported(code), 0u);
  EXPECT_EQ(Reported(ai::FourCC("othr")), 1u) << "a different code is reported";
  EXPECT_EQ(Reported(code), 1u) << "and then the first one again";
  platform::SetCalendarSeconds(1009);
  EXPECT_EQ(Reported(code), 1u) << "five seconds later it is reported again";
}

TEST_F(ReportFailureTest, SilentCodesAreNeverReported) {
  for (const char* silent : {"STOP", "FMT?", "RFSE", "pFls", "S!Fd", "!Acq", "DONE", "skpE"}) {
    const char text[5] = {silent[0], silent[1], silent[2], silent[3], 0};
    EXPECT_EQ(Reported(ai::FourCC(text)), 0u) << silent;
  }
  EXPECT_EQ(Reported(361), 0u);
  EXPECT_EQ(Reported(362), 1u);
  EXPECT_TRUE(vx::IsSilentCode(361));
  EXPECT_FALSE(vx::IsSilentCode(ai::FourCC("!MSG")));
}

}  // namespace
