// Values as a palette shows them and as a person types them.
#include "presets/field_values.h"

#include <gtest/gtest.h>

#include "effects/border/border_params.h"
#include "effects/shadow/shadow_params.h"
#include "presets/record_registry.h"

namespace {

TEST(FieldValues, RulerUnitsConvertPointsBothWays) {
  EXPECT_DOUBLE_EQ(vx::PointsToRuler(72, 1), 1);               // inches
  EXPECT_DOUBLE_EQ(vx::PointsToRuler(72, 2), 2.54);            // centimetres
  EXPECT_DOUBLE_EQ(vx::PointsToRuler(72, 5), 25.4);            // millimetres
  EXPECT_DOUBLE_EQ(vx::PointsToRuler(72, 7), 101.6);           // quarter millimetres
  for (int16_t code : {0, 3, 4, 6, 8}) EXPECT_DOUBLE_EQ(vx::PointsToRuler(72, code), 72) << code;
  for (int16_t code : {1, 2, 5, 7}) EXPECT_NEAR(vx::RulerToPoints(vx::PointsToRuler(10, code), code), 10, 1e-12);
}

TEST(FieldValues, LengthsTakeTheRulerUnitOrTheirOwn) {
  double points = 0;
  ASSERT_TRUE(vx::ParseLength("12", 5, points));
  EXPECT_NEAR(points, 12 * 72 / 25.4, 1e-12);
  ASSERT_TRUE(vx::ParseLength("12 mm", 3, points));
  EXPECT_NEAR(points, 12 * 72 / 25.4, 1e-12);
  ASSERT_TRUE(vx::ParseLength("1 in", 5, points));
  EXPECT_DOUBLE_EQ(points, 72);
  ASSERT_TRUE(vx::ParseLength("2pc", 3, points));
  EXPECT_DOUBLE_EQ(points, 24);
  EXPECT_FALSE(vx::ParseLength("12 furlongs", 3, points));
  EXPECT_FALSE(vx::ParseLength("mm", 3, points));
  EXPECT_FALSE(vx::ParseLength("", 3, points));
}

TEST(FieldValues, TypedValuesAreClampedAndStoredInTheRecordsUnits) {
  const vx::RecordSpec& spec = vx::kShadowPGParamsSpec;
  vx::ShadowPGParams record{};
  vx::SetRecordDefaults(spec, &record, "Default Setting");
  std::string error;
  auto set = [&](const char* name, const char* text) {
    return vx::SetFieldFromText(spec, *vx::FindField(spec, name), &record, text, 3, &error);
  };
  ASSERT_TRUE(set("shade", "150"));
  EXPECT_DOUBLE_EQ(record.shade, 1.0) << "percent clamped to 100, stored /100";
  ASSERT_TRUE(set("lightAngle", "90"));
  EXPECT_DOUBLE_EQ(record.lightAngle, 90 * (3.14159265358979323846 / 180.0));
  ASSERT_TRUE(set("distance", "5000"));
  EXPECT_DOUBLE_EQ(record.distance, 4000) << "lengths clamp in points";
  ASSERT_TRUE(set("distance", "1 in"));
  EXPECT_DOUBLE_EQ(record.distance, 72);
  EXPECT_FALSE(set("shade", "lots"));
  EXPECT_NE(error.find("not a number"), std::string::npos);
  EXPECT_DOUBLE_EQ(record.shade, 1.0) << "a refused value changes nothing";

  EXPECT_EQ(vx::FormatFieldValue(spec, *vx::FindField(spec, "shade"), &record, 3), "100.000");
  EXPECT_EQ(vx::FormatFieldValue(spec, *vx::FindField(spec, "distance"), &record, 5), "25.4000");
  EXPECT_STREQ(vx::ShownUnit(spec, *vx::FindField(spec, "distance"), &record, 5), "mm");
}

TEST(FieldValues, BooleansAndIntegersAcceptWhatPeopleType) {
  const vx::RecordKind* neon = vx::FindKindByName("neon");
  ASSERT_NE(neon, nullptr);
  std::vector<std::max_align_t> storage(neon->spec->size / sizeof(std::max_align_t) + 1);
  void* record = storage.data();
  vx::SetRecordDefaults(*neon->spec, record, "x");
  const vx::FieldSpec& shadowOn = *vx::FindField(*neon->spec, "shadowOn");
  const vx::FieldSpec& tracks = *vx::FindField(*neon->spec, "tracks");
  std::string error;
  for (const char* yes : {"1", "yes", "on", "true"}) {
    ASSERT_TRUE(vx::SetFieldFromText(*neon->spec, shadowOn, record, yes, 3, &error)) << yes;
    EXPECT_EQ(vx::FormatFieldValue(*neon->spec, shadowOn, record, 3), "1");
    ASSERT_TRUE(vx::SetFieldFromText(*neon->spec, shadowOn, record, "off", 3, &error));
    EXPECT_EQ(vx::FormatFieldValue(*neon->spec, shadowOn, record, 3), "0");
  }
  EXPECT_FALSE(vx::SetFieldFromText(*neon->spec, shadowOn, record, "maybe", 3, &error));
  ASSERT_TRUE(vx::SetFieldFromText(*neon->spec, tracks, record, "2", 3, &error));
  EXPECT_EQ(vx::FormatFieldValue(*neon->spec, tracks, record, 3), "2");
  ASSERT_TRUE(vx::SetFieldFromText(*neon->spec, tracks, record, "0", 3, &error));
  EXPECT_EQ(vx::FormatFieldValue(*neon->spec, tracks, record, 3), "1") << "clamped to the palette's minimum";
}

}  // namespace
