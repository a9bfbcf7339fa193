// The host's side of live effects: the dictionaries kept with live-effect
// objects, their form in SVG, and curve lengths.
#include <gtest/gtest.h>

#include <cmath>

#include "document/document.h"
#include "live_effects.h"
#include "support/art_builder.h"
#include "support/plugin_host.h"
#include "support/suite_access.h"
#include "svg/svg_live_effect.h"

namespace {

using vxhost::Dictionary;
using vxhost::DictionaryValue;

class LiveEffectHostTest : public ::testing::Test {
 protected:
  LiveEffectHostTest() : document(host.OpenDocument(std::make_unique<vxhost::Document>())) {
    object = document.NewArt(ai::art_kind::kPluginGroup);
    document.Insert(object, ai::placement::kInsideOnTop, vxtest::LayerGroup(document));
    object->live->effectName = "Some Effect";
  }
  vxhost::Host host{vxtest::QuietHost()};
  vxhost::Document& document;
  vxhost::Art* object = nullptr;
  const ai::DictionarySuite& dictionaries = vxtest::AcquireSuite<ai::DictionarySuite>(host);
};

TEST_F(LiveEffectHostTest, DictionariesKeepWholeNumbersAndRealsByKey) {
  const ai::DictionaryRef parameters = host.liveEffects().RefOf(object, false);
  const ai::DictionaryRef instance = host.liveEffects().RefOf(object, true);
  EXPECT_EQ(host.liveEffects().RefOf(object, false), parameters) << "one handle per dictionary";
  ASSERT_EQ(dictionaries.setInteger(parameters, "level", 3), ai::kNoError);
  ASSERT_EQ(dictionaries.setReal(parameters, "genHeight", 62.5), ai::kNoError);
  ASSERT_EQ(dictionaries.setInteger(instance, "randSeed", -7), ai::kNoError);
  int32_t known = 0, whole = 0;
  double real = 0;
  ASSERT_EQ(dictionaries.isKnown(parameters, "level", &known), ai::kNoError);
  EXPECT_EQ(known, 1);
  ASSERT_EQ(dictionaries.isKnown(parameters, "randSeed", &known), ai::kNoError);
  EXPECT_EQ(known, 0) << "the two dictionaries are apart";
  ASSERT_EQ(dictionaries.getInteger(instance, "randSeed", &whole), ai::kNoError);
  EXPECT_EQ(whole, -7);
  ASSERT_EQ(dictionaries.getReal(parameters, "level", &real), ai::kNoError);
  EXPECT_EQ(real, 3.0) << "a whole number reads as a real";
  EXPECT_EQ(dictionaries.getInteger(parameters, "genHeight", &whole), ai::kWrongEntryType);
  EXPECT_EQ(dictionaries.getInteger(parameters, "generator", &whole), ai::kNoSuchEntry);
  EXPECT_EQ(dictionaries.setInteger(parameters, "a=b", 1), ai::kBadParameter) << "keys are words";
  EXPECT_EQ(dictionaries.setInteger(reinterpret_cast<ai::DictionaryRef>(object), "level", 1), ai::kBadParameter);
  EXPECT_EQ(object->live->parameters.at("genHeight"), DictionaryValue::Real(62.5));

  // A disposed object's dictionaries are no more.
  document.Dispose(object);
  EXPECT_EQ(dictionaries.isKnown(parameters, "level", &known), ai::kBadParameter);
}

TEST_F(LiveEffectHostTest, DictionaryTextReadsBackExactlyAndSkipsWhatItCannotRead) {
  Dictionary dictionary{{"generator", DictionaryValue::Integer(14)},
                        {"density", DictionaryValue::Real(0.1)},
                        {"genHeight", DictionaryValue::Real(-1234.5678901234567)},
                        {"randSeed", DictionaryValue::Integer(-2147483647 - 1)}};
  const std::string text = vxhost::svg::DictionaryText(dictionary);
  EXPECT_EQ(vxhost::svg::DictionaryFromText(text), dictionary);
  EXPECT_EQ(vxhost::svg::DictionaryFromText("a=i:1;b=x:2;=i:3;c=i:99999999999;d=r:1.5e;e=i:4;;f"),
            (Dictionary{{"a", DictionaryValue::Integer(1)}, {"e", DictionaryValue::Integer(4)}}));
}

TEST_F(LiveEffectHostTest, CurveLengthsAreMeasuredWithinTheFlatness) {
  const auto& bezier = vxtest::AcquireSuite<ai::RealBezierSuite>(host);
  double length = 0;
  const ai::RealPoint straight[4] = {{0, 0}, {0, 0}, {30, 40}, {30, 40}};
  ASSERT_EQ(bezier.length(straight, 0.25, &length), ai::kNoError);
  EXPECT_DOUBLE_EQ(length, 50);
  // The cubic of a quarter circle of radius 100 is 157.1014 long.
  const ai::RealPoint arc[4] = {{100, 0}, {100, 55.2285}, {55.2285, 100}, {0, 100}};
  ASSERT_EQ(bezier.length(arc, 0.25, &length), ai::kNoError);
  EXPECT_NEAR(length, 157.1014, 0.3);
  EXPECT_LE(length, 157.1014) << "chords are never longer than the curve";
  ASSERT_EQ(bezier.length(arc, 0.001, &length), ai::kNoError);
  EXPECT_NEAR(length, 157.1014, 0.001);
  EXPECT_EQ(bezier.length(arc, 0, &length), ai::kBadParameter);
  const ai::RealPoint wild[4] = {{0, 0}, {NAN, 1}, {2, 2}, {3, 3}};
  EXPECT_EQ(bezier.length(wild, 0.25, &length), ai::kNoError) << "a curve that never flattens still ends";
}

}  // namespace
