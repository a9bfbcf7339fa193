// Suite tables: the bootstrap table, the required imports, the optional part
// after an 'OPTS' terminator, and the nesting counter.
#include "frame/suite_set.h"

#include "support/in_process.h"

namespace {

const void* gRuntime = nullptr;
const void* gDocument = nullptr;
const void* gMissing = nullptr;
const void* gUser = nullptr;

class SuiteTableTest : public ::testing::Test {
 protected:
  SuiteTableTest() {
    vx::suites::gBasic = host.basicSuite();
    vx::SuiteSet::Nesting() = 0;
    gRuntime = gDocument = gMissing = gUser = nullptr;
  }
  ~SuiteTableTest() override { vx::SuiteSet::Nesting() = 0; }
  vxhost::Host host{vxtest::QuietHost()};
};

const vx::SuiteEntry kBootstrap[] = {{"AI User Suite", 11, &gUser}, {nullptr, 0, nullptr}};
const vx::SuiteEntry kWithOptional[] = {
    {"AI Runtime Suite", 12, &gRuntime},
    {nullptr, vx::kOptionalMarker, nullptr},
    {"AI Document Suite", 14, &gDocument},
    {"AI Suite Nobody Has", 1, &gMissing},
    {nullptr, 0, nullptr},
};

TEST_F(SuiteTableTest, TheRealTablesAreSevenBootstrapAndTheRestRequired) {
  vx::SuiteSet set(vx::BootstrapSuiteTable(), vx::ImportSuiteTable());
  EXPECT_EQ(set.status(), ai::kNoError);
  EXPECT_EQ(set.optionalCount(), 0);
  EXPECT_EQ(set.requiredCount(), 48);
  EXPECT_EQ(vx::SuiteSet::Nesting(), 1);
  EXPECT_EQ(std::string(vx::BootstrapSuiteTable()[6].name), "AI Folders Suite");
  EXPECT_EQ(vx::BootstrapSuiteTable()[7].name, nullptr);
  EXPECT_EQ(set.Release(), ai::kNoError);
  EXPECT_EQ(host.HeldSuiteCount(), 0);
  EXPECT_EQ(vx::suites::gUser, nullptr);
}

TEST_F(SuiteTableTest, OptionalSuitesAreAcquiredOnDemandAndMayFail) {
  vx::SuiteSet set(kBootstrap, kWithOptional);
  EXPECT_EQ(set.status(), ai::kNoError);
  EXPECT_EQ(set.requiredCount(), 2);
  EXPECT_EQ(set.optionalCount(), 2);
  EXPECT_NE(gRuntime, nullptr);
  EXPECT_EQ(gDocument, nullptr) << "optional suites wait for the first message";

  set.AcquireOptional();
  EXPECT_NE(gDocument, nullptr);
  EXPECT_EQ(gMissing, nullptr);
  EXPECT_EQ(host.HeldSuiteCount(), 3);

  EXPECT_EQ(set.Release(), ai::kNoError);
  EXPECT_EQ(host.HeldSuiteCount(), 0);
  EXPECT_EQ(gDocument, nullptr);
}

TEST_F(SuiteTableTest, OnlyTheLastHolderReleases) {
  vx::SuiteSet first(kBootstrap, kWithOptional);
  vx::SuiteSet second(kBootstrap, kWithOptional);  // the counter is not 0: acquires nothing
  EXPECT_EQ(host.HeldSuiteCount(), 2);
  vx::SuiteSet::Nesting() = 2;
  EXPECT_EQ(second.Release(), ai::kNoError);
  EXPECT_EQ(host.HeldSuiteCount(), 2);
  EXPECT_EQ(first.Release(), ai::kNoError);
  EXPECT_EQ(host.HeldSuiteCount(), 0);
}

TEST_F(SuiteTableTest, FirstFailureStopsAcquisition) {
  const vx::SuiteEntry required[] = {
      {"AI Runtime Suite", 12, &gRuntime}, {"AI Runtime Suite", 99, &gMissing}, {"AI Document Suite", 14, &gDocument},
      {nullptr, 0, nullptr}};
  vx::SuiteSet set(kBootstrap, required);
  EXPECT_EQ(set.status(), ai::kSuiteNotFound) << "a version the host does not publish";
  EXPECT_EQ(gDocument, nullptr);
  EXPECT_EQ(vx::SuiteSet::Nesting(), 0);
  vx::SuiteSet::Nesting() = 1;
  EXPECT_EQ(set.Release(), ai::kNoError);
  EXPECT_EQ(host.HeldSuiteCount(), 0);
}

}  // namespace
