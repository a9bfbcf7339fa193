// The text form of a record: exact bytes written, and the rules of reading.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "effects/neon/neon_params.h"
#include "effects/shadow/shadow_params.h"
#include "effects/trail/trail_params.h"
#include "fractalize/fractalize_params.h"
#include "threed/threed_params.h"
#include "tools/warp/warp_params.h"

namespace {

template <typename Record>
Record Defaults(const vx::RecordSpec& spec) {
  Record record;
  vx::SetRecordDefaults(spec, &record, "Default Setting");
  return record;
}

template <typename Record>
std::string Text(const vx::RecordSpec& spec, const Record& record, const char* name = "") {
  std::string text;
  vx::WriteRecordText(spec, &record, name, text);
  return text;
}

TEST(RecordText, DefaultShadowIsWrittenByteForByte) {
  auto shadow = Defaults<vx::ShadowPGParams>(vx::kShadowPGParamsSpec);
  EXPECT_EQ(Text(vx::kShadowPGParamsSpec, shadow, "Default Setting"),
            "$\tDefault Setting\r\nA\t0.333300\r\nB\t10.000000\r\nC\t2.356194\r\nD\t0.000000\r\n");
  EXPECT_STREQ(shadow.head.presetFile, "VELLUMiX4_PST_Shadow.txt");
  EXPECT_STREQ(shadow.head.presetName, "Default Setting");
}

TEST(RecordText, EveryTypeCodeHasItsFormat) {
  auto threeD = Defaults<vx::_3DTFilterParams>(vx::k3DTFilterParamsSpecs[11]);
  std::string text = Text(vx::k3DTFilterParamsSpecs[11], threeD);
  EXPECT_NE(text.find("\r\nA\t11\r\n"), std::string::npos);               // 16-bit
  EXPECT_NE(text.find("\r\nG\t90.000000\r\n"), std::string::npos);        // real
  EXPECT_NE(text.find("\r\nO\t0\r\n"), std::string::npos);                // boolean
  EXPECT_NE(text.find("\r\nP\t0.000000,0.500000\r\n"), std::string::npos);  // point
  EXPECT_EQ(text.find("\r\nB\t"), std::string::npos);                     // there is no key B
  EXPECT_EQ(text.substr(text.size() - 21), "P\t0.000000,0.500000\r\n");   // working values have no text

  auto fractalize = Defaults<vx::FractalizeParams>(vx::kFractalizeParamsSpec);
  fractalize.generator = 4000000000u;
  EXPECT_NE(Text(vx::kFractalizeParamsSpec, fractalize).find("\r\nA\t4000000000\r\n"), std::string::npos);

  auto neon = Defaults<vx::NeonPGParams>(vx::kNeonPGParamsSpec);
  neon.tracks = -7;
  neon.shadowOn = 42;
  std::string neonText = Text(vx::kNeonPGParamsSpec, neon);
  EXPECT_NE(neonText.find("\r\nA\t-7\r\n"), std::string::npos);
  EXPECT_NE(neonText.find("\r\nH\t1\r\n"), std::string::npos);  // any non-zero is written as 1
}

TEST(RecordText, AbsentKeyLeavesTheFieldAsItWas) {
  auto shadow = Defaults<vx::ShadowPGParams>(vx::kShadowPGParamsSpec);
  shadow.lightAngle = 1.25;
  vx::ReadRecordText(vx::kShadowPGParamsSpec, &shadow, "$\t\r\nA\t0.5\r\nB\t3\r\nD\t0.25\r\n");
  EXPECT_DOUBLE_EQ(shadow.shade, 0.5);
  EXPECT_DOUBLE_EQ(shadow.distance, 3.0);
  EXPECT_DOUBLE_EQ(shadow.lightAngle, 1.25);
  EXPECT_DOUBLE_EQ(shadow.transparency, 0.25);
}

TEST(RecordText, LineEndsAreCrLfOrLfAlone) {
  auto crlf = Defaults<vx::ShadowPGParams>(vx::kShadowPGParamsSpec);
  auto lf = crlf;
  vx::ReadRecordText(vx::kShadowPGParamsSpec, &crlf, "$\tx\r\nA\t0.5\r\nB\t7\r\nC\t-1\r\nD\t0.125\r\n");
  vx::ReadRecordText(vx::kShadowPGParamsSpec, &lf, "$\tx\nA\t0.5\nB\t7\nC\t-1\nD\t0.125");  // last line unended
  EXPECT_EQ(std::memcmp(&crlf, &lf, sizeof crlf), 0);
  EXPECT_DOUBLE_EQ(lf.transparency, 0.125);
}

TEST(RecordText, KeysMatchExactly) {
  auto shadow = Defaults<vx::ShadowPGParams>(vx::kShadowPGParamsSpec);
  const auto before = shadow;
  // "AA" is not "A"; neither is a key without its tab, nor a key further into a line.
  vx::ReadRecordText(vx::kShadowPGParamsSpec, &shadow, "$\t\r\nAA\t0.9\r\nA 0.8\r\nA\r\nxA\t0.7\r\n B\t5\r\n");
  EXPECT_EQ(std::memcmp(&shadow, &before, sizeof shadow), 0);
}

TEST(RecordText, OnlyTheFirstRecordIsRead) {
  auto shadow = Defaults<vx::ShadowPGParams>(vx::kShadowPGParamsSpec);
  // The first line is the header even when it looks like a field; a later "$" ends the record.
  vx::ReadRecordText(vx::kShadowPGParamsSpec, &shadow, "$\tB\t99\r\nA\t0.5\r\n$\tnext\r\nB\t42\r\nC\t1\r\n");
  EXPECT_DOUBLE_EQ(shadow.shade, 0.5);
  EXPECT_DOUBLE_EQ(shadow.distance, 10.0);
  // A text that starts with a field line is read from its first line.
  vx::ReadRecordText(vx::kShadowPGParamsSpec, &shadow, "B\t12\r\n");
  EXPECT_DOUBLE_EQ(shadow.distance, 12.0);
}

TEST(RecordText, BooleansReadZeroAsZeroAndAnythingElseAsOne) {
  auto neon = Defaults<vx::NeonPGParams>(vx::kNeonPGParamsSpec);
  vx::ReadRecordText(vx::kNeonPGParamsSpec, &neon, "$\t\r\nH\t1\r\nJ\tyes\r\n");
  EXPECT_EQ(neon.shadowOn, 1);
  EXPECT_EQ(neon.shadowReverse, 1);
  vx::ReadRecordText(vx::kNeonPGParamsSpec, &neon, "$\t\r\nH\t0\r\nJ\t0\n");
  EXPECT_EQ(neon.shadowOn, 0);
  EXPECT_EQ(neon.shadowReverse, 0);
}

TEST(RecordText, ColourComponentsFollowTheKind) {
  auto trail = Defaults<vx::TrailPGParams>(vx::kTrailPGParamsSpec);
  trail.endFillColor.kind = ai::color_kind::kThree;
  trail.endFillColor.c.four = {0.1, 0.2, 0.3, 0.9};  // the fourth is not part of a three-colour
  trail.endStrokeColor.kind = ai::color_kind::kCustom;
  trail.endStrokeColor.c.four = {0.5, 0.5, 0.5, 0.5};
  std::string text = Text(vx::kTrailPGParamsSpec, trail);
  EXPECT_NE(text.find("\r\nG\t5,0.100000,0.200000,0.300000,0.000000\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nH\t3,0.000000,0.000000,0.000000,0.000000\r\n"), std::string::npos);

  auto read = Defaults<vx::TrailPGParams>(vx::kTrailPGParamsSpec);
  read.endFillColor.c.four = {0.7, 0.7, 0.7, 0.77};
  read.endStrokeColor.c.four = {0.6, 0.6, 0.6, 0.6};
  vx::ReadRecordText(vx::kTrailPGParamsSpec, &read, text.c_str());
  EXPECT_EQ(read.endFillColor.kind, ai::color_kind::kThree);
  EXPECT_DOUBLE_EQ(read.endFillColor.c.four.cyan, 0.1);
  EXPECT_DOUBLE_EQ(read.endFillColor.c.four.magenta, 0.2);
  EXPECT_DOUBLE_EQ(read.endFillColor.c.four.yellow, 0.3);
  EXPECT_DOUBLE_EQ(read.endFillColor.c.four.black, 0.77);  // left as it was
  EXPECT_EQ(read.endStrokeColor.kind, ai::color_kind::kCustom);
  EXPECT_DOUBLE_EQ(read.endStrokeColor.c.four.cyan, 0.6);  // another kind sets only the kind

  vx::ReadRecordText(vx::kTrailPGParamsSpec, &read, "$\t\r\nG\t0,0.4,0.5,0.6,0.7\r\nH\t1,0.1,0.2,0.3,0.4\r\n");
  EXPECT_EQ(read.endFillColor.kind, ai::color_kind::kGray);
  EXPECT_DOUBLE_EQ(read.endFillColor.c.gray.gray, 0.4);
  EXPECT_DOUBLE_EQ(read.endFillColor.c.four.magenta, 0.2);  // gray sets only its one component
  EXPECT_EQ(read.endStrokeColor.kind, ai::color_kind::kFour);
  EXPECT_DOUBLE_EQ(read.endStrokeColor.c.four.black, 0.4);
}

TEST(RecordText, AKeyAddedLaterIsWrittenLast) {
  auto trail = Defaults<vx::TrailPGParams>(vx::kTrailPGParamsSpec);
  trail.endOpacity = 0.5;
  std::string text = Text(vx::kTrailPGParamsSpec, trail);
  EXPECT_EQ(text.substr(text.rfind("\r\n", text.size() - 3) + 2), "R\t0.500000\r\n");
  EXPECT_NE(text.find("\r\nI\t1.000000\r\nJ\t"), std::string::npos);
}

TEST(RecordText, WholeNumbersAreStoredAsTheFieldIsWide) {
  auto fractalize = Defaults<vx::FractalizeParams>(vx::kFractalizeParamsSpec);
  auto warp = Defaults<vx::WarpToolParams>(vx::kWarpToolParamsSpec);
  vx::ReadRecordText(vx::kFractalizeParamsSpec, &fractalize, "$\t\r\nA\t-1\r\nC\t99999999999\r\nF\t+7\r\n");
  EXPECT_EQ(fractalize.generator, 4294967295u);
  EXPECT_EQ(fractalize.level, 4294967295u);
  EXPECT_EQ(fractalize.unevenUnit, 7u);
  vx::ReadRecordText(vx::kWarpToolParamsSpec, &warp, "$\t\r\nA\t70000\r\nE\t 3xyz\r\n");
  EXPECT_EQ(warp.shape, static_cast<int16_t>(70000 - 65536));
  EXPECT_EQ(warp.traceMode, 3);
}

TEST(RecordText, HostileTextNeitherCrashesNorChangesFieldsWithoutNumbers) {
  auto shadow = Defaults<vx::ShadowPGParams>(vx::kShadowPGParamsSpec);
  const auto before = shadow;
  std::string endless = "$\t\r\nA\t" + std::string(100000, '9');  // no line end, a number too long to copy
  vx::ReadRecordText(vx::kShadowPGParamsSpec, &shadow, endless.c_str());
  EXPECT_GT(shadow.shade, 1e300);  // the first 511 digits convert
  shadow = before;
  vx::ReadRecordText(vx::kShadowPGParamsSpec, &shadow, "$\t\r\nA\t\r\nB\tabc\r\nC\t\r\nD");
  vx::ReadRecordText(vx::kShadowPGParamsSpec, &shadow, "");
  vx::ReadRecordText(vx::kShadowPGParamsSpec, &shadow, nullptr);
  EXPECT_EQ(std::memcmp(&shadow, &before, sizeof shadow), 0);

  auto trail = Defaults<vx::TrailPGParams>(vx::kTrailPGParamsSpec);
  vx::ReadRecordText(vx::kTrailPGParamsSpec, &trail, "$\t\r\nK\t0.5\r\nP\t1,x\r\nG\t5,0.25\r\nH\tz\r\n");
  EXPECT_DOUBLE_EQ(trail.endSize.x, 0.5);  // a point takes what converts
  EXPECT_DOUBLE_EQ(trail.endSize.y, 1.0);
  EXPECT_DOUBLE_EQ(trail.originOffset.x, 1.0);
  EXPECT_EQ(trail.endFillColor.kind, ai::color_kind::kThree);
  EXPECT_DOUBLE_EQ(trail.endFillColor.c.three.red, 0.25);
  EXPECT_EQ(trail.endStrokeColor.kind, ai::color_kind::kFour);  // the default, not read
}

TEST(RecordText, PresetNamesAreCutAtAWholeCharacter) {
  std::string name(254, 'a');
  name += "\xE3\x81\x82";  // a three-byte character straddling byte 255
  vx::ShadowPGParams shadow;
  vx::SetRecordDefaults(vx::kShadowPGParamsSpec, &shadow, name.c_str());
  EXPECT_EQ(std::string(shadow.head.presetName), std::string(254, 'a'));
}

}  // namespace
