// The substitute host's own bookkeeping: blocks, fault injection, strings,
// contexts and the scripted user, through the suites the plug-in calls.
#include <gtest/gtest.h>

#include <cstring>

#include "frame/host/suite_list.h"
#include "host.h"
#include "support/plugin_host.h"
#include "support/suite_access.h"
#include "unicode.h"

namespace {

class HostServicesTest : public ::testing::Test {
 protected:
  template <class Suite>
  const Suite& Get() {
    return vxtest::AcquireSuite<Suite>(host);
  }
  vxhost::Host host{vxtest::QuietHost()};
};

TEST_F(HostServicesTest, BlocksAreAccountedByNameAndKeepContentsWhenGrown) {
  const auto& blocks = Get<ai::BlocksSuite>();
  void* list = nullptr;
  ASSERT_EQ(blocks.allocateBlock(8, "AIArtHandle", &list), ai::kNoError);
  static_cast<char*>(list)[3] = 42;
  void* grown = nullptr;
  ASSERT_EQ(blocks.reallocateBlock(list, 24, "+AIArtHandle", &grown), ai::kNoError);
  EXPECT_EQ(static_cast<char*>(grown)[3], 42);
  void* other = nullptr;
  ASSERT_EQ(blocks.allocateBlock(16, "segs buffer", &other), ai::kNoError);
  EXPECT_EQ(host.blocks().LiveNames(), (std::vector<std::string>{"+AIArtHandle", "segs buffer"}));
  EXPECT_EQ(blocks.freeBlock(grown), ai::kNoError);
  EXPECT_EQ(blocks.freeBlock(grown), ai::kBadParameter) << "a double free is refused, not performed";
  EXPECT_EQ(blocks.freeBlock(other), ai::kNoError);
  EXPECT_EQ(host.blocks().LiveCount(), 0u);
}

TEST_F(HostServicesTest, ExhaustedMemoryAnswersMinus108) {
  const auto& blocks = Get<ai::BlocksSuite>();
  host.blocks().limit = 100;
  void* block = reinterpret_cast<void*>(1);
  EXPECT_EQ(blocks.allocateBlock(101, "big", &block), ai::kOutOfMemory);
  EXPECT_EQ(block, nullptr);
}

TEST_F(HostServicesTest, FaultInjectionHitsExactlyTheChosenCall) {
  const auto& blocks = Get<ai::BlocksSuite>();
  host.faults().Reset();
  host.faults().FailNthCallOf("AllocateBlock", 2, ai::FourCC("flt!"));
  void* a = nullptr;
  void* b = nullptr;
  void* c = nullptr;
  EXPECT_EQ(blocks.allocateBlock(4, "a", &a), ai::kNoError);
  EXPECT_EQ(blocks.freeBlock(a), ai::kNoError);
  EXPECT_EQ(blocks.allocateBlock(4, "b", &b), ai::FourCC("flt!"));
  EXPECT_TRUE(host.faults().fired());
  EXPECT_EQ(blocks.allocateBlock(4, "c", &c), ai::kNoError) << "a fault fires once";
  EXPECT_EQ(blocks.freeBlock(c), ai::kNoError);

  host.faults().Reset();
  host.faults().FailNthCall(3, ai::FourCC("flt2"));
  EXPECT_EQ(blocks.allocateBlock(4, "a", &a), ai::kNoError);
  EXPECT_EQ(blocks.freeBlock(a), ai::kNoError);
  EXPECT_EQ(blocks.allocateBlock(4, "a", &a), ai::FourCC("flt2"));
  EXPECT_EQ(host.faults().calls(), 3);
  EXPECT_EQ(host.faults().callsOf("AllocateBlock"), 2);
}

TEST_F(HostServicesTest, ContextsMustPairInOrder) {
  const auto& context = Get<ai::ContextSuite>();
  ai::AppContext outer = nullptr;
  ai::AppContext inner = nullptr;
  ASSERT_EQ(context.pushAppContext(nullptr, &outer), ai::kNoError);
  ASSERT_EQ(context.pushAppContext(nullptr, &inner), ai::kNoError);
  EXPECT_NE(context.popAppContext(outer), ai::kNoError) << "popping out of order is a violation";
  EXPECT_EQ(host.contextViolations(), 1);
  EXPECT_EQ(context.popAppContext(inner), ai::kNoError);
  EXPECT_EQ(context.popAppContext(outer), ai::kNoError);
  EXPECT_EQ(host.contextDepth(), 0u);
}

TEST_F(HostServicesTest, PromptsAreAnsweredByTheScriptedUserOrCanceled) {
  const auto& user = Get<ai::UserSuite>();
  const auto& strings = Get<ai::UnicodeStringSuite>();
  auto make = [&](const char* text) {
    ai::UnicodeStringRef ref = nullptr;
    EXPECT_EQ(strings.fromUtf8(text, std::strlen(text), &ref), ai::kNoError);
    return ref;
  };
  ai::UnicodeStringRef prompt = make("保存します。"), label = make("名前："), initial = make("Preset #4");
  ai::UnicodeStringRef answer = nullptr;
  EXPECT_EQ(user.promptText(nullptr, prompt, label, initial, 255, &answer), ai::kUserCanceled)
      << "nothing queued: cancel";
  ASSERT_EQ(host.log().alerts().size(), 1u);
  EXPECT_EQ(host.log().alerts()[0].text, "保存します。");
  EXPECT_EQ(host.log().alerts()[0].label, "名前：");
  EXPECT_EQ(host.log().alerts()[0].initial, "Preset #4") << "what the field proposed is seen";

  host.user().QueuePromptAnswer("夕焼けの空");
  ASSERT_EQ(user.promptText(nullptr, prompt, nullptr, nullptr, 3, &answer), ai::kNoError);
  char buffer[64];
  size_t length = 0;
  ASSERT_EQ(strings.toUtf8(answer, buffer, sizeof buffer, &length), ai::kNoError);
  EXPECT_STREQ(buffer, "夕焼け") << "the field takes at most three characters";

  int32_t yes = 1;
  EXPECT_EQ(user.confirm(prompt, &yes), ai::kNoError);
  EXPECT_EQ(yes, 0);
  host.user().QueueConfirmation(true);
  EXPECT_EQ(user.confirm(prompt, &yes), ai::kNoError);
  EXPECT_EQ(yes, 1);

  for (ai::UnicodeStringRef ref : {prompt, label, initial, answer}) EXPECT_EQ(strings.dispose(ref), ai::kNoError);
  EXPECT_EQ(host.liveStrings(), 0u);
}

TEST_F(HostServicesTest, TheFolderChooserGivesTheScriptedChoiceAsAPath) {
  const auto& user = Get<ai::UserSuite>();
  const auto& paths = Get<ai::FilePathSuite>();
  ai::FilePathRef start = nullptr, chosen = nullptr;
  ASSERT_EQ(paths.fromPlatformPath("/tmp/start", &start), ai::kNoError);
  EXPECT_EQ(user.chooseFolder(nullptr, start, &chosen), ai::kUserCanceled) << "nothing queued: cancel";
  EXPECT_EQ(chosen, nullptr);
  ASSERT_EQ(host.log().alerts().size(), 1u);
  EXPECT_EQ(host.log().alerts()[0].kind, vxhost::Alert::Kind::kFolder);
  EXPECT_EQ(host.log().alerts()[0].initial, "/tmp/start");

  host.user().QueueFolderChoice("/tmp/other folder");
  ASSERT_EQ(user.chooseFolder(nullptr, nullptr, &chosen), ai::kNoError);
  char buffer[64];
  size_t length = 0;
  ASSERT_EQ(paths.toPlatformPath(chosen, buffer, sizeof buffer, &length), ai::kNoError);
  EXPECT_STREQ(buffer, "/tmp/other folder");
  EXPECT_EQ(paths.dispose(chosen), ai::kNoError);
  EXPECT_EQ(paths.dispose(start), ai::kNoError);
  EXPECT_EQ(host.liveFilePaths(), 0u);
}

TEST_F(HostServicesTest, SuitesAreFoundOnlyByExactNameAndVersion) {
  const void* suite = nullptr;
  EXPECT_EQ(host.basicSuite()->acquireSuite("AI Art Suite", 16, &suite), ai::kSuiteNotFound);
  EXPECT_EQ(host.basicSuite()->acquireSuite("AI Art Suite ", 17, &suite), ai::kSuiteNotFound);
  EXPECT_EQ(host.basicSuite()->acquireSuite("AI Art Suite", 17, &suite), ai::kNoError);
  EXPECT_EQ(host.basicSuite()->releaseSuite("AI Art Suite", 17), ai::kNoError);
  EXPECT_EQ(host.basicSuite()->releaseSuite("AI Art Suite", 17), ai::kSuiteNotAcquired);
}

TEST_F(HostServicesTest, RuntimeAndDocumentAnswerAsConfigured) {
  int32_t major = 0;
  ASSERT_EQ(Get<ai::RuntimeSuite>().getAppMajorVersion(&major), ai::kNoError);
  EXPECT_EQ(major, 16);
  host.SetMajorVersion(14);
  ASSERT_EQ(Get<ai::RuntimeSuite>().getAppMajorVersion(&major), ai::kNoError);
  EXPECT_EQ(major, 14);
  ai::DocumentHandle document = nullptr;
  EXPECT_EQ(Get<ai::DocumentSuite>().getCurrentDocument(&document), ai::kNoDocument);
}

TEST(Unicode, MalformedUtf8IsRefused) {
  EXPECT_FALSE(vxhost::Utf8ToUtf16("\xE3\x81"));        // cut inside a character
  EXPECT_FALSE(vxhost::Utf8ToUtf16("\xC0\xAF"));        // overlong
  EXPECT_FALSE(vxhost::Utf8ToUtf16("\xED\xA0\x80"));    // a surrogate
  EXPECT_FALSE(vxhost::Utf8ToUtf16("\xFF"));
  auto text = vxhost::Utf8ToUtf16("aあ😀");
  ASSERT_TRUE(text);
  EXPECT_EQ(text->size(), 4u);
  EXPECT_EQ(vxhost::Utf16ToUtf8(*text), "aあ😀");
}

}  // namespace
