// The host's action manager: typed values by key through the suite, the
// recording switch, and the action file that keeps recorded events.
#include <filesystem>
#include <fstream>
#include <limits>

#include <unistd.h>

#include "actions/action_file.h"
#include "host.h"
#include "support/plugin_host.h"
#include "support/suite_access.h"

namespace {

using vxhost::ActionValue;
using vxhost::RecordedEvent;

class ActionSuiteTest : public ::testing::Test {
 protected:
  vxhost::Host host{vxtest::QuietHost()};
  const ai::ActionManagerSuite& suite = vxtest::AcquireSuite<ai::ActionManagerSuite>(host);
};

TEST_F(ActionSuiteTest, ValuesComeBackByKeyWithTheirTypeAndUnit) {
  ai::ActionParamsRef values = nullptr;
  ASSERT_EQ(suite.newValues(&values), ai::kNoError);
  const ai::Code key = ai::FourCC("angl");
  EXPECT_EQ(suite.putUnitReal(values, key, ai::action_unit::kAngle, 135.0), ai::kNoError);
  EXPECT_EQ(suite.putInteger(values, ai::FourCC("trck"), -7), ai::kNoError);
  EXPECT_EQ(suite.putBoolean(values, ai::FourCC("shdF"), 5), ai::kNoError);
  EXPECT_EQ(suite.putString(values, ai::FourCC("step"), "自動（中密度）"), ai::kNoError);
  EXPECT_EQ(suite.putEnumerated(values, ai::FourCC("styl"), "内側", 1), ai::kNoError);
  const uint8_t bytes[3] = {1, 2, 250};
  EXPECT_EQ(suite.putRawData(values, ai::FourCC("eFCo"), bytes, sizeof bytes), ai::kNoError);

  ai::Code unit = 0;
  double real = 0;
  EXPECT_EQ(suite.getUnitReal(values, key, &unit, &real), ai::kNoError);
  EXPECT_EQ(unit, ai::action_unit::kAngle);
  EXPECT_EQ(real, 135.0);
  int32_t integer = 0;
  EXPECT_EQ(suite.getInteger(values, ai::FourCC("trck"), &integer), ai::kNoError);
  EXPECT_EQ(integer, -7);
  EXPECT_EQ(suite.getBoolean(values, ai::FourCC("shdF"), &integer), ai::kNoError);
  EXPECT_EQ(integer, 1);
  char text[64];
  size_t length = 0;
  EXPECT_EQ(suite.getString(values, ai::FourCC("step"), text, sizeof text, &length), ai::kNoError);
  EXPECT_STREQ(text, "自動（中密度）");
  char small[4];
  EXPECT_EQ(suite.getString(values, ai::FourCC("step"), small, sizeof small, &length), ai::kNoError);
  EXPECT_EQ(std::string(small).size(), 3u) << "cut to the buffer, terminated";
  EXPECT_EQ(length, std::string("自動（中密度）").size()) << "the whole length is reported";
  EXPECT_EQ(suite.getEnumerated(values, ai::FourCC("styl"), text, sizeof text, &integer), ai::kNoError);
  EXPECT_STREQ(text, "内側");
  EXPECT_EQ(integer, 1);
  uint8_t back[3] = {};
  size_t size = 0;
  EXPECT_EQ(suite.getRawData(values, ai::FourCC("eFCo"), back, sizeof back, &size), ai::kNoError);
  EXPECT_EQ(back[2], 250);

  // A missing key, a value of another type and raw data of another size are
  // refused with their own codes.
  EXPECT_EQ(suite.getReal(values, ai::FourCC("none"), &real), ai::kNoSuchActionKey);
  EXPECT_EQ(suite.getInteger(values, key, &integer), ai::kWrongActionType);
  EXPECT_EQ(suite.getReal(values, key, &real), ai::kWrongActionType) << "a unit real is not a plain real";
  uint8_t wrong[4] = {};
  EXPECT_EQ(suite.getRawData(values, ai::FourCC("eFCo"), wrong, sizeof wrong, &size), ai::kBadParameter);
  EXPECT_EQ(size, 3u);

  EXPECT_EQ(host.actions().liveValueBlocks(), 1u);
  EXPECT_EQ(suite.disposeValues(values), ai::kNoError);
  EXPECT_EQ(host.actions().liveValueBlocks(), 0u);
  EXPECT_EQ(suite.disposeValues(values), ai::kBadParameter) << "a block is disposed once";
  EXPECT_EQ(suite.putInteger(values, key, 1), ai::kBadParameter);
}

TEST_F(ActionSuiteTest, EventsAreKeptOnlyWhileRecordingAndOnlyForRegisteredActions) {
  ai::ActionParamsRef values = nullptr;
  ASSERT_EQ(suite.newValues(&values), ai::kNoError);
  EXPECT_EQ(suite.recordEvent("Nobody_Action", values), ai::kNoSuchAction);

  vxhost::RegisteredAction action;
  action.name = "Test_Action";
  ASSERT_EQ(host.actions().Register(action), ai::kNoError);
  EXPECT_EQ(host.actions().Register(action), ai::kBadParameter) << "names are unique";
  int32_t recording = 1;
  EXPECT_EQ(suite.isRecording(&recording), ai::kNoError);
  EXPECT_EQ(recording, 0);
  EXPECT_EQ(suite.recordEvent("Test_Action", values), ai::kNoError);
  EXPECT_TRUE(host.actions().events().empty());

  host.actions().SetRecording(true);
  EXPECT_EQ(suite.putInteger(values, ai::FourCC("cpNm"), 3), ai::kNoError);
  EXPECT_EQ(suite.recordEvent("Test_Action", values), ai::kNoError);
  EXPECT_EQ(suite.putInteger(values, ai::FourCC("cpNm"), 4), ai::kNoError);
  ASSERT_EQ(host.actions().events().size(), 1u);
  EXPECT_EQ(host.actions().events()[0].values.Find(ai::FourCC("cpNm"))->integer, 3) << "the event keeps a copy";
  EXPECT_EQ(suite.disposeValues(values), ai::kNoError);
}

TEST_F(ActionSuiteTest, PlayingAnActionNobodyRegisteredFails) {
  EXPECT_EQ(host.actions().Play(RecordedEvent{"VmX4_Neon_Action", {}}), ai::kNoSuchAction);
  EXPECT_EQ(host.actions().liveValueBlocks(), 0u);
}

ActionValue Value(ActionValue::Type type) {
  ActionValue value;
  value.type = type;
  return value;
}

std::vector<RecordedEvent> EveryKindOfValue() {
  RecordedEvent event{"VmX4_Trail_Action", {}};
  ActionValue integer = Value(ActionValue::Type::kInteger);
  integer.integer = INT32_MIN;
  ActionValue real = Value(ActionValue::Type::kReal);
  real.real = 0.1 + 0.2;  // not a short decimal
  ActionValue unitReal = Value(ActionValue::Type::kUnitReal);
  unitReal.real = -1.0 / 3.0;
  unitReal.unit = ai::action_unit::kPercent;
  ActionValue boolean = Value(ActionValue::Type::kBoolean);
  boolean.integer = 1;
  ActionValue text = Value(ActionValue::Type::kString);
  text.text = "自動（高密度） \"quoted\"";
  ActionValue enumerated = Value(ActionValue::Type::kEnumerated);
  enumerated.text = "下積み";
  enumerated.integer = 1;
  ActionValue raw = Value(ActionValue::Type::kRawData);
  raw.data = {0, 1, 0x7f, 0x80, 0xff};
  event.values.Put(ai::FourCC("seed"), integer);
  event.values.Put(ai::FourCC("genH"), real);
  event.values.Put(ai::FourCC("sTnt"), unitReal);
  event.values.Put(ai::FourCC("rRnd"), boolean);
  event.values.Put(ai::FourCC("step"), text);
  event.values.Put(ai::FourCC("styl"), enumerated);
  event.values.Put(ai::FourCC("eFCo"), raw);
  return {event, RecordedEvent{"VmX4_DropShadow_Action", {}}};
}

TEST(ActionFileTest, EventsReadBackExactlyInTheirOrder) {
  const auto events = EveryKindOfValue();
  EXPECT_EQ(vxhost::ActionEventsFromJson(vxhost::ActionEventsToJson(events)), events);
}

TEST(ActionFileTest, SavingWritesTheWholeFileOrNothing) {
  const auto folder = std::filesystem::temp_directory_path() / ("vx_actions_" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "recorded.json").string();
  vxhost::SaveActionFile(EveryKindOfValue(), path);
  EXPECT_EQ(vxhost::LoadActionFile(path), EveryKindOfValue());
  EXPECT_THROW(vxhost::SaveActionFile(EveryKindOfValue(), (folder / "missing" / "x.json").string()),
               vxhost::ActionFileError);
  EXPECT_FALSE(std::filesystem::exists(folder / "missing"));

  // A real that JSON cannot carry is refused before anything is written.
  auto events = EveryKindOfValue();
  events[0].values.entries[1].second.real = std::numeric_limits<double>::quiet_NaN();
  EXPECT_THROW(vxhost::SaveActionFile(events, path), vxhost::ActionFileError);
  EXPECT_EQ(vxhost::LoadActionFile(path), EveryKindOfValue()) << "the file that was there is unchanged";
  EXPECT_THROW(vxhost::LoadActionFile((folder / "absent.json").string()), vxhost::ActionFileError);
  std::filesystem::remove_all(folder);
}

TEST(ActionFileTest, DamagedFilesAreRefusedWithAMessageThatSaysWhere) {
  auto message = [](const std::string& text) -> std::string {
    try {
      vxhost::ActionEventsFromJson(text);
    } catch (const vxhost::ActionFileError& error) {
      return error.what();
    }
    return "accepted";
  };
  const std::string head = R"({"format":"vellumix4-actions","version":1,"events":)";
  auto oneValue = [&](const std::string& value) {
    return head + R"([{"action":"VmX4_Neon_Action","values":[)" + value + "]}]}";
  };
  EXPECT_NE(message("{").find("not JSON"), std::string::npos);
  EXPECT_NE(message(R"({"format":"svg","version":1,"events":[]})").find("not an action file"), std::string::npos);
  EXPECT_NE(message(R"({"format":"vellumix4-actions","version":2,"events":[]})").find("version"),
            std::string::npos);
  EXPECT_NE(message(head + R"([{"values":[]}])" + "}").find("event 1"), std::string::npos);
  EXPECT_NE(message(oneValue(R"({"key":"trk","type":"integer","value":1})")).find("four characters"),
            std::string::npos);
  EXPECT_NE(message(oneValue(R"({"key":"trck","type":"long","value":1})")).find("unknown type"), std::string::npos);
  EXPECT_NE(message(oneValue(R"({"key":"trck","type":"integer","value":4294967296})")).find("out of range"),
            std::string::npos);
  EXPECT_NE(message(oneValue(R"({"key":"trck","type":"integer","value":1.5})")).find("whole number"),
            std::string::npos);
  EXPECT_NE(message(oneValue(R"({"key":"angl","type":"unitReal","value":1})")).find("\"unit\""), std::string::npos);
  EXPECT_NE(message(oneValue(R"({"key":"eFCo","type":"rawData","value":"0g"})")).find("hexadecimal"),
            std::string::npos);
  EXPECT_NE(message(oneValue(R"({"key":"trck","type":"integer","value":1},{"key":"trck","type":"integer","value":2})"))
                .find("event 1, value 2: the key appears twice"),
            std::string::npos);
  EXPECT_EQ(message(oneValue(R"({"key":"shdF","type":"boolean","value":false})")), "accepted");
}

}  // namespace
