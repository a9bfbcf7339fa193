#include "frame/error_messages.h"

#include "frame/ai_error.h"
#include "support/in_process.h"

namespace {

using vxtest::InProcessTest;

class ShowErrorCodeTest : public InProcessTest {
 protected:
  std::string Shown(ai::Code code) {
    host.log().Clear();
    vx::ShowErrorCode(code);
    if (host.log().alerts().empty()) return "<nothing>";
    EXPECT_EQ(host.log().alerts().size(), 1u);
    EXPECT_EQ(host.log().alerts()[0].kind, vxhost::Alert::Kind::kError);
    return host.log().alerts()[0].text;
  }
};

TEST_F(ShowErrorCodeTest, ShowsMessageLineBreakAndTheCode) {
  EXPECT_EQ(Shown(ai::FourCC("!sel")), "パスを選択してください。\n!sel");
  EXPECT_EQ(Shown(-108), "十分なメモリがないので実行できません。\n-108");
  EXPECT_EQ(Shown(271), "十分なメモリがないので実行できません。\n271");
  EXPECT_EQ(Shown(ai::FourCC("xyz!")), "その他のエラーです。\nxyz!");
  EXPECT_EQ(Shown(5), "その他のエラーです。\n5");
  EXPECT_EQ(Shown(ai::kNoDocument), "書類がありません。\nDOC?");
  EXPECT_EQ(Shown(ai::FourCC("????")), "不明のエラーです。\n????");
  EXPECT_EQ(host.liveStrings(), 0u) << "the alert's string is disposed";
}

TEST_F(ShowErrorCodeTest, ZeroAndStopShowNothing) {
  EXPECT_EQ(Shown(0), "<nothing>");
  EXPECT_EQ(Shown(ai::FourCC("STOP")), "<nothing>");
}

TEST_F(ShowErrorCodeTest, NegativeFourCharCodesAreShownAsCharacters) {
  // Upper half neither 0x0000 nor 0xFFFF: four characters even with the top bit set.
  const ai::Code code = static_cast<ai::Code>(0xC1424344u);
  EXPECT_EQ(vx::ErrorReportText(code), "その他のエラーです。\n\xC1" "BCD");
  EXPECT_EQ(vx::ErrorReportText(-70000).substr(vx::ErrorReportText(-70000).size() - 4), "\xFF\xFE\xEE\x90");
}

TEST_F(ShowErrorCodeTest, EveryMessageFitsTheReportBufferWhole) {
  for (ai::Code code : {ai::FourCC("!oVf"), ai::FourCC("UnEx"), ai::FourCC("NESS")}) {
    const std::string text = vx::ErrorReportText(code);
    EXPECT_EQ(text.substr(0, text.find('\n')), vx::MessageForCode(code));
  }
}

TEST_F(ShowErrorCodeTest, HostStringFailureIsRaisedAndNothingShown) {
  host.faults().FailNthCallOf("FromUtf8", 1, ai::FourCC("UTF?"));
  try {
    vx::ShowErrorCode(ai::FourCC("!sel"));
    FAIL() << "expected ai::Error";
  } catch (const ai::Error& error) {
    EXPECT_EQ(error.code(), ai::FourCC("UTF?"));
  }
  EXPECT_TRUE(host.log().alerts().empty());
}

TEST_F(ShowErrorCodeTest, MessageAlertShowsTheTextAsIs) {
  vx::ShowMessageAlert("Preset File Error!");
  ASSERT_EQ(host.log().alerts().size(), 1u);
  EXPECT_EQ(host.log().alerts()[0].kind, vxhost::Alert::Kind::kMessage);
  EXPECT_EQ(host.log().alerts()[0].text, "Preset File Error!");
}

}  // namespace
