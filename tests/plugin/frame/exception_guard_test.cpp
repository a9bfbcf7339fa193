// No exception leaves the main object's decoder: a host error comes back as its
// code, anything else as 'CANT'. Annotation messages reach the main object.
#include "frame/ai_error.h"
#include "frame/vellumix4_plugin.h"
#include "support/in_process.h"

namespace {

class ThrowingPlugin : public vx::VELLUMiX4Plugin {
 public:
  ThrowingPlugin() : VELLUMiX4Plugin(nullptr) {}
  ai::Code OnMenuGo(ai::MenuMessage*) override { throw ai::Error(ai::FourCC("hErr")); }
  ai::Code OnMenuUpdate(ai::MenuMessage*) override { throw std::runtime_error("unexpected"); }
};

class ExceptionGuardTest : public vxtest::InProcessTest {
 protected:
  ThrowingPlugin plugin;
  ai::MenuMessage message{};
};

TEST_F(ExceptionGuardTest, HostErrorBecomesItsCode) {
  EXPECT_EQ(plugin.HandleMessage(ai::callers::kMenu, ai::selectors::kGo, &message), ai::FourCC("hErr"));
  EXPECT_EQ(vx::RawReports().lastCode, ai::FourCC("hErr"));
}

TEST_F(ExceptionGuardTest, AnyOtherExceptionBecomesCant) {
  EXPECT_EQ(plugin.HandleMessage(ai::callers::kMenu, ai::selectors::kUpdate, &message), ai::kCantHappen);
}

TEST_F(ExceptionGuardTest, AnnotationMessagesAreAnsweredByTheMainObject) {
  ai::AnnotatorMessage annotation{};
  EXPECT_EQ(plugin.HandleMessage(ai::callers::kAnnotation, ai::selectors::kDraw, &annotation), ai::kNoError);
  EXPECT_EQ(plugin.HandleMessage(ai::callers::kAnnotation, ai::selectors::kInvalidate, &annotation), ai::kNoError);
  EXPECT_EQ(host.invalidatedRects().size(), 1u);
  EXPECT_EQ(plugin.HandleMessage(ai::callers::kAnnotation, "AI Something", &annotation), ai::kUnhandledMessage);
  EXPECT_EQ(plugin.HandleMessage("AI Nobody", ai::selectors::kGo, &message), ai::kUnhandledMessage);
}

TEST_F(ExceptionGuardTest, PurgeFailureIsReportedAsPurgeFailed) {
  struct FailingPurge : vx::VELLUMiX4Plugin {
    FailingPurge() : VELLUMiX4Plugin(nullptr) {}
    ai::Code OnPurge() override { return 1; }
  } purging;
  ai::CacheMessage cache{};
  EXPECT_EQ(purging.HandleMessage(ai::callers::kCache, ai::selectors::kPurge, &cache), ai::kPurgeFailed);
  EXPECT_EQ(plugin.HandleMessage(ai::callers::kCache, ai::selectors::kPurge, &cache), ai::kNoError);
}

}  // namespace
