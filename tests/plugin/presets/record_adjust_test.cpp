// What the reader and the defaults do beyond the table's constants: key
// fallbacks of older texts, dependent fields, values from the host.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "document/document.h"
#include "effects/explosion/explosion_params.h"
#include "effects/galaxy/galaxy_params.h"
#include "effects/trail/trail_params.h"
#include "platform/clock.h"
#include "support/in_process.h"
#include "threed/threed_params.h"
#include "tools/broom/broom_params.h"
#include "tools/craft/craft_params.h"
#include "tools/metabrush/metabrush_params.h"
#include "tools/trail/trail_params.h"

namespace {

template <typename Record>
Record Defaults(const vx::RecordSpec& spec) {
  Record record;
  vx::SetRecordDefaults(spec, &record, "Default Setting");
  return record;
}

TEST(RecordReaderAdjustments, DynamicModeDropsTheTraceMode) {
  auto craft = Defaults<vx::CraftToolParams>(vx::kCraftToolParamsSpec);
  vx::ReadRecordText(vx::kCraftToolParamsSpec, &craft, "$\t\r\nA\t1\r\nE\t4\r\n");
  EXPECT_EQ(craft.traceMode, 0);
  vx::ReadRecordText(vx::kCraftToolParamsSpec, &craft, "$\t\r\nA\t2\r\nE\t4\r\n");
  EXPECT_EQ(craft.traceMode, 4);

  auto broom = Defaults<vx::BroomToolParams>(vx::kBroomToolParamsSpec);
  vx::ReadRecordText(vx::kBroomToolParamsSpec, &broom, "$\t\r\nA\t1\r\nF\t5\r\n");
  EXPECT_EQ(broom.traceMode, 0);
  vx::ReadRecordText(vx::kBroomToolParamsSpec, &broom, "$\t\r\nA\t3\r\nF\t5\r\n");
  EXPECT_EQ(broom.traceMode, 5);
}

TEST(RecordReaderAdjustments, MetaBrushReadsOlderTexts) {
  auto brush = Defaults<vx::MetaBrushToolParams>(vx::kMetaBrushToolParamsSpec);
  // The older orientation key maps its low four bits modulo 3: 0->1, 1->0, 2->2.
  const std::pair<const char*, int16_t> older[] = {{"0", 1}, {"1", 0}, {"2", 2}, {"17", 0}, {"-1", 1}};
  for (const auto& [value, orientation] : older) {
    std::string text = std::string("$\t\r\nA\t") + value + "\r\n";
    vx::ReadRecordText(vx::kMetaBrushToolParamsSpec, &brush, text.c_str());
    EXPECT_EQ(brush.orientation, orientation) << value;
  }
  // Missing later keys take the values older versions behaved with.
  brush.angle = 1.0;
  brush.transparent = 1;
  brush.fadeToSwatch = 0;
  vx::ReadRecordText(vx::kMetaBrushToolParamsSpec, &brush, "$\t\r\nAA\t2\r\nA\t0\r\nE\t7\r\n");
  EXPECT_EQ(brush.orientation, 2);  // "AA" wins over "A"
  EXPECT_EQ(brush.fadeSteps, 7);
  EXPECT_EQ(brush.angle, 0.0);
  EXPECT_EQ(brush.transparent, 0);
  EXPECT_EQ(brush.fadeToSwatch, 1);
  vx::ReadRecordText(vx::kMetaBrushToolParamsSpec, &brush, "$\t\r\nP3\t0.5\r\nf3\t1\r\nf4\t0\r\n");
  EXPECT_EQ(brush.angle, 0.5);
  EXPECT_EQ(brush.transparent, 1);
  EXPECT_EQ(brush.fadeToSwatch, 0);
}

TEST(RecordReaderAdjustments, TrailOpacityOfOlderTextsIsFull) {
  auto trail = Defaults<vx::TrailPGParams>(vx::kTrailPGParamsSpec);
  trail.endOpacity = 0.25;
  vx::ReadRecordText(vx::kTrailPGParamsSpec, &trail, "$\t\r\nA\t0\r\nH\t0,0,0,0,0\r\n");
  EXPECT_EQ(trail.endOpacity, 1.0);
  vx::ReadRecordText(vx::kTrailPGParamsSpec, &trail, "$\t\r\nR\t0.5\r\nH\t0,0,0,0,0\r\n");
  EXPECT_EQ(trail.endOpacity, 0.5);

  auto tool = Defaults<vx::TrailToolParams>(vx::kTrailToolParamsSpec);
  tool.endOpacity = 0.25;
  vx::ReadRecordText(vx::kTrailToolParamsSpec, &tool, "$\t\r\nR\t0.5\r\n");  // the tool's key is L
  EXPECT_EQ(tool.endOpacity, 1.0);
}

TEST(RecordReaderAdjustments, TickCountSeedsNewArrangements) {
  platform::SetTickCount(123456);
  auto explosion = Defaults<vx::ExplosionPGParams>(vx::kExplosionPGParamsSpec);
  auto galaxy = Defaults<vx::GalaxyPGParams>(vx::kGalaxyPGParamsSpec);
  platform::SetTickCount(std::nullopt);
  EXPECT_EQ(explosion.randomSeed, 123456);
  EXPECT_EQ(galaxy.randomSeed, 123456);
}

TEST(RecordReaderAdjustments, EachShapeHasItsOwnDefaults) {
  auto cylinder = Defaults<vx::_3DTFilterParams>(vx::k3DTFilterParamsSpecs[11]);
  EXPECT_STREQ(cylinder.head.presetFile, "VELLUMiX4_PST_3DCylinder.txt");
  EXPECT_EQ(cylinder.shapeType, 11);
  EXPECT_EQ(cylinder.shapeParam1, 360);
  EXPECT_EQ(cylinder.shapeParam2, 100);
  EXPECT_EQ(cylinder.preRotX, 90);
  EXPECT_EQ(cylinder.postRotY, -45);
  EXPECT_EQ(cylinder.perspective, 10);
  EXPECT_EQ(cylinder.cursor.x, 0);
  EXPECT_EQ(cylinder.cursor.y, 0.5);
  EXPECT_EQ(cylinder.showMapped, 1);

  auto rotate = Defaults<vx::_3DTFilterParams>(vx::k3DTFilterParamsSpecs[0]);
  EXPECT_EQ(rotate.shapeType, 0);
  EXPECT_EQ(rotate.showMapped, 0);
  auto torus = Defaults<vx::_3DTFilterParams>(vx::k3DTFilterParamsSpecs[9]);
  EXPECT_EQ(torus.cursor.x, 0.796);
  EXPECT_EQ(torus.shapeParam4, 100);

  vx::Set3DShapeDefaults(torus, 12);  // beyond the last shape: rotation
  EXPECT_EQ(torus.shapeType, 0);
  EXPECT_EQ(torus.shapeParam1, 0);
  EXPECT_FALSE(vx::Shape3DParamRange(0, 0).enabled);
  EXPECT_TRUE(vx::Shape3DParamRange(4, 1).enabled);
  EXPECT_EQ(vx::Shape3DParamRange(4, 1).editMax, 4000);
  EXPECT_EQ(vx::Shape3DParamRange(4, 1).sliderMax, 20);
}

TEST(RecordReaderAdjustments, TrailOffsetsFollowTheirAnglesAndLengths) {
  auto trail = Defaults<vx::TrailPGParams>(vx::kTrailPGParamsSpec);
  EXPECT_NEAR(trail.dragOffset.x, 70.710678, 1e-6);
  EXPECT_NEAR(trail.dragOffset.y, -70.710678, 1e-6);
  EXPECT_EQ(trail.originOffset.x, 0);
  trail.originDistance = 10;
  trail.originAngle = std::acos(-1.0) / 2;
  vx::UpdateTrailOffsets(trail);
  EXPECT_NEAR(trail.originOffset.x, 0, 1e-12);
  EXPECT_NEAR(trail.originOffset.y, 10, 1e-12);
}

// With a document open, the end colours of Trail come from its colour model.
class RecordTrailColours : public vxtest::InProcessTest {
 protected:
  vxhost::Document& Open(int16_t model) {
    vxhost::Document& document = host.OpenDocument(std::make_unique<vxhost::Document>());
    document.colorModel = model;
    return document;
  }
};

TEST_F(RecordTrailColours, DefaultsAreWhiteInTheDocumentsModel) {
  Open(ai::color_model::kGray);
  auto gray = Defaults<vx::TrailPGParams>(vx::kTrailPGParamsSpec);
  EXPECT_EQ(gray.endFillColor.kind, ai::color_kind::kGray);
  EXPECT_EQ(gray.endStrokeColor.c.gray.gray, 0);

  Open(ai::color_model::kRGB);
  auto rgb = Defaults<vx::TrailToolParams>(vx::kTrailToolParamsSpec);
  EXPECT_EQ(rgb.endStrokeColor.kind, ai::color_kind::kThree);
  EXPECT_EQ(rgb.endFillColor.c.three.green, 1);

  // Degrees are converted by the host.
  double radians = 0;
  ASSERT_EQ(vx::suites::RealMath().degreesToRadians(-45, &radians), ai::kNoError);
  EXPECT_EQ(rgb.angle, 0);
  EXPECT_EQ(Defaults<vx::TrailPGParams>(vx::kTrailPGParamsSpec).dragAngle, radians);
}

TEST_F(RecordTrailColours, TextsWithoutTheStrokeColourTakeWhite) {
  auto trail = Defaults<vx::TrailPGParams>(vx::kTrailPGParamsSpec);
  // No document: the colour model cannot be read and the colours stay.
  vx::ReadRecordText(vx::kTrailPGParamsSpec, &trail, "$\t\r\nG\t1,0.5,0.5,0.5,0.5\r\n");
  EXPECT_EQ(trail.endFillColor.kind, ai::color_kind::kFour);
  EXPECT_EQ(trail.endFillColor.c.four.cyan, 0.5);

  Open(ai::color_model::kCMYK);
  vx::ReadRecordText(vx::kTrailPGParamsSpec, &trail, "$\t\r\nG\t1,0.5,0.5,0.5,0.5\r\n");
  EXPECT_EQ(trail.endFillColor.kind, ai::color_kind::kFour);
  EXPECT_EQ(trail.endFillColor.c.four.cyan, 0);
  EXPECT_EQ(trail.endStrokeColor.c.four.black, 0);

  Open(ai::color_model::kRGB);
  auto tool = Defaults<vx::TrailToolParams>(vx::kTrailToolParamsSpec);
  vx::ReadRecordText(vx::kTrailToolParamsSpec, &tool, "$\t\r\nG\t0,0.5,0,0,0\r\nH\t0,0.5,0,0,0\r\n");
  EXPECT_EQ(tool.endStrokeColor.kind, ai::color_kind::kGray);  // H present: read as written
  vx::ReadRecordText(vx::kTrailToolParamsSpec, &tool, "$\t\r\nG\t0,0.5,0,0,0\r\n");
  EXPECT_EQ(tool.endFillColor.kind, ai::color_kind::kThree);
  EXPECT_EQ(tool.endStrokeColor.c.three.blue, 1);
}

}  // namespace
