// The palettes' own tables (dependent controls, slider pages) name what their
// templates hold, and on every palette a value typed into a bound field lands in
// the record in the record's unit: fractions for percent, radians for degrees
// (the 3D record keeps degrees and percent), points for lengths.
#include <algorithm>
#include <cstddef>
#include <ostream>
#include <set>
#include <span>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "palette_fixture.h"
#include "platform/ui/dialog_template.h"
#include "presets/field_values.h"
#include "presets/record_registry.h"
#include "resources/control_ids.h"
#include "resources/resource_ids.h"
#include "ui/palettes/border_palette.h"
#include "ui/palettes/circle_palette.h"
#include "ui/palettes/cutout_palette.h"
#include "ui/palettes/emboss_palette.h"
#include "ui/palettes/explosion_palette.h"
#include "ui/palettes/fractalize_palette.h"
#include "ui/palettes/frame_palette.h"
#include "ui/palettes/galaxy_palette.h"
#include "ui/palettes/generation_palette.h"
#include "ui/palettes/metabrush_palette.h"
#include "ui/palettes/neon_palette.h"
#include "ui/palettes/reflections_palette.h"
#include "ui/palettes/shadow_palette.h"
#include "ui/palettes/threed_palette.h"
#include "ui/palettes/tiling_palette.h"
#include "ui/palettes/trail_palette.h"
#include "ui/palettes/trace_palettes.h"
#include "ui/palettes/trail_tool_palette.h"
#include "ui/view_controller.h"

namespace {

using platform::ui::ControlClass;
using platform::ui::ControlTemplate;
using platform::ui::DialogTemplate;

constexpr double kPi = 3.14159265358979323846;

// A value typed into a control, and what the field it edits (component 1: a
// point's second value) then holds. The controls are named by their ids, apart
// from the record's table, so a field bound to another field's control shows.
struct Typed {
  int32_t edit;
  const char* field;
  int component;
  const char* text;
  double stored;
};

struct PaletteCase {
  const char* name;  // the test's name
  const char* kind;  // the record kind the palette edits
  const vx::PaletteSpec* palette;
  std::span<const Typed> typed;
};

void PrintTo(const PaletteCase& c, std::ostream* out) { *out << c.name; }

// Lengths are typed with their unit, so the ruler unit does not matter.
namespace neon = vx::ctl::neon;
constexpr Typed kNeonTyped[] = {
    {neon::kTracks, "tracks", 0, "4", 4}, {neon::kGradientArc, "gradientArc", 0, "-25", -0.25},
    {neon::kContrast, "contrast", 0, "150", 1.5}, {neon::kSteps, "steps", 0, "12", 12},
    {neon::kOffset, "offset", 0, "250", 2.5}, {neon::kAngle, "offsetAngle", 0, "90", kPi / 2},
    {neon::kTint, "shadowTint", 0, "40", 0.4}, {neon::kShadowOffset, "shadowOffset", 0, "0.5 in", 36},
    {neon::kLightAngle, "lightAngle", 0, "-30", -kPi / 6},
};
namespace border = vx::ctl::border;
constexpr Typed kBorderTyped[] = {
    {border::kGradientArc, "gradientArc", 0, "-25", -0.25}, {border::kSteps, "steps", 0, "12", 12},
    {border::kOffset, "offset", 0, "250", 2.5}, {border::kAngle, "offsetAngle", 0, "90", kPi / 2},
    {border::kTint, "shadowTint", 0, "40", 0.4}, {border::kShadowOffset, "shadowOffset", 0, "0.5 in", 36},
    {border::kLightAngle, "lightAngle", 0, "-30", -kPi / 6},
};
namespace emboss = vx::ctl::emboss;
constexpr Typed kEmbossTyped[] = {
    {emboss::kContrast, "contrast", 0, "40", 0.4}, {emboss::kOffset, "offset", 0, "0.5 in", 36},
    {emboss::kLightAngle, "lightAngle", 0, "45", kPi / 4}, {emboss::kSteps, "steps", 0, "6", 6},
};
namespace cutout = vx::ctl::cutout;
constexpr Typed kCutoutTyped[] = {
    {cutout::kShade, "shade", 0, "40", 0.4}, {cutout::kOffset, "distance", 0, "0.5 in", 36},
    {cutout::kLightAngle, "lightAngle", 0, "45", kPi / 4}, {cutout::kSteps, "steps", 0, "6", 6},
};
namespace shadow = vx::ctl::shadow;
constexpr Typed kShadowTyped[] = {
    {shadow::kShade, "shade", 0, "40", 0.4}, {shadow::kOffset, "distance", 0, "0.5 in", 36},
    {shadow::kLightAngle, "lightAngle", 0, "-90", -kPi / 2}, {shadow::kTransparency, "transparency", 0, "25", 0.25},
};
namespace trail = vx::ctl::trail;
constexpr Typed kTrailTyped[] = {
    {trail::kBeginning, "beginning", 0, "80", 0.8}, {trail::kSteps, "steps", 0, "10", 10},
    {trail::kTint, "endTint", 0, "40", 0.4}, {trail::kOpacity, "endOpacity", 0, "60", 0.6},
    {trail::kAngle, "angle", 0, "720", 4 * kPi}, {trail::kSizeH, "endSize", 0, "150", 1.5},
    {trail::kSizeV, "endSize", 1, "-50", -0.5}, {trail::kOriginAngle, "originAngle", 0, "30", kPi / 6},
    {trail::kOriginDistance, "originDistance", 0, "1 in", 72}, {trail::kDragAngle, "dragAngle", 0, "-60", -kPi / 3},
    {trail::kDragLength, "dragLength", 0, "2 in", 144},
};
constexpr Typed kTrailToolTyped[] = {
    {trail::kBeginning, "beginning", 0, "80", 0.8}, {trail::kSteps, "steps", 0, "10", 10},
    {trail::kTint, "endTint", 0, "40", 0.4}, {trail::kOpacity, "endOpacity", 0, "60", 0.6},
    {trail::kAngle, "angle", 0, "720", 4 * kPi}, {trail::kSizeH, "endSize", 0, "150", 1.5},
    {trail::kSizeV, "endSize", 1, "-50", -0.5},
};
namespace circle = vx::ctl::circle;
constexpr Typed kCircleTyped[] = {
    {circle::kCount, "copyCount", 0, "12", 12}, {circle::kOffsetH, "offsetH", 0, "-1 in", -72},
    {circle::kOffsetV, "offsetV", 0, "0.5 in", 36}, {circle::kHeightRatio, "heightRatio", 0, "50", 0.5},
};
namespace reflections = vx::ctl::reflections;
constexpr Typed kReflectionsTyped[] = {
    {reflections::kOffsetH, "offsetH", 0, "1 in", 72}, {reflections::kOffsetV, "offsetV", 0, "-0.5 in", -36},
    {reflections::kAxisCount, "axisCount", 0, "6", 6},
};
// The feeds are in the relative mode, percent.
namespace tiling = vx::ctl::tiling;
constexpr Typed kTilingTyped[] = {
    {tiling::kColumns, "columns", 0, "3", 3}, {tiling::kRows, "rows", 0, "4", 4},
    {tiling::kMoveHRelative, "moveH", 0, "150", 1.5}, {tiling::kMoveVRelative, "moveV", 0, "-50", -0.5},
    {tiling::kLastSizeH, "lastSizeH", 0, "50", 0.5}, {tiling::kLastSizeV, "lastSizeV", 0, "200", 2},
    {tiling::kLastRotationH, "lastRotationH", 0, "720", 4 * kPi},
    {tiling::kLastRotationV, "lastRotationV", 0, "-90", -kPi / 2},
};
namespace frame = vx::ctl::frame;
constexpr Typed kFrameTyped[] = {
    {frame::kSideH, "hSideCount", 0, "5", 5}, {frame::kSideV, "vSideCount", 0, "6", 6},
    {frame::kSideMoveRelative, "sideMove", 0, "150", 1.5}, {frame::kCornerMoveRelative, "cornerMove", 0, "50", 0.5},
    {frame::kCornerOffset, "cornerOffset", 0, "-40", -0.4},
};
namespace generation = vx::ctl::generation;
constexpr Typed kGenerationTyped[] = {
    {generation::kCount, "copyCount", 0, "10", 10}, {generation::kFeedRelative, "feed", 0, "-150", -1.5},
    {generation::kScaleRate, "scaleRate", 0, "80", 0.8}, {generation::kAngle, "moveAngle", 0, "45", kPi / 4},
    {generation::kAngleStep, "angleStep", 0, "-30", -kPi / 6},
};
namespace explosion = vx::ctl::explosion;
constexpr Typed kExplosionTyped[] = {
    {explosion::kCount, "copyCount", 0, "50", 50}, {explosion::kAngleJitter, "angleJitter", 0, "90", kPi / 2},
    {explosion::kCoreRadius, "coreRadius", 0, "-1 in", -72}, {explosion::kSpread, "spread", 0, "2 in", 144},
    {explosion::kTipScale, "tipScale", 0, "50", 0.5},
};
namespace galaxy = vx::ctl::galaxy;
constexpr Typed kGalaxyTyped[] = {
    {galaxy::kBranches, "branchCount", 0, "5", 5}, {galaxy::kAngleJitter, "angleJitter", 0, "90", kPi / 2},
    {galaxy::kElements, "elementCount", 0, "20", 20}, {galaxy::kKink, "branchKink", 0, "10", kPi / 18},
    {galaxy::kTwist, "branchTwist", 0, "-180", -kPi}, {galaxy::kTwistJitter, "twistJitter", 0, "45", kPi / 4},
    {galaxy::kCoreRadius, "coreRadius", 0, "1 in", 72}, {galaxy::kCoreJitter, "coreJitter", 0, "0.5 in", 36},
    {galaxy::kSpread, "spread", 0, "3 in", 216}, {galaxy::kSpreadJitter, "spreadJitter", 0, "0.25 in", 18},
    {galaxy::kTipScale, "tipScale", 0, "50", 0.5}, {galaxy::kSizeJitter, "sizeJitter", 0, "20", 0.2},
};
namespace threed = vx::ctl::threed;
constexpr Typed k3DTyped[] = {
    {threed::kPreRotX, "preRotX", 0, "30", 30}, {threed::kPreRotY, "preRotY", 0, "-45", -45},
    {threed::kPreRotZ, "preRotZ", 0, "90", 90}, {threed::kPostRotX, "postRotX", 0, "10", 10},
    {threed::kPostRotY, "postRotY", 0, "20", 20}, {threed::kPostRotZ, "postRotZ", 0, "-30", -30},
    {threed::kPerspective, "perspective", 0, "25", 25}, {threed::kCursorH, "cursor", 0, "50", 0.5},
    {threed::kCursorV, "cursor", 1, "-25", -0.25},
};
namespace fractalize = vx::ctl::fractalize;
constexpr Typed kFractalizeTyped[] = {
    {fractalize::kHeight, "genHeight", 0, "50", 50}, {fractalize::kDensity, "density", 0, "10", 10},
    {fractalize::kUneven, "uneven", 0, "20", 20},
};
// The absolute space's edit starts hidden, so it is not typed into.
namespace metabrush = vx::ctl::metabrush;
constexpr Typed kMetaBrushTyped[] = {
    {metabrush::kFadeSteps, "fadeSteps", 0, "16", 16}, {metabrush::kRelativeSpace, "relativeSpace", 0, "150", 1.5},
    {metabrush::kSize, "size", 0, "150", 1.5}, {metabrush::kAngle, "angle", 0, "45", kPi / 4},
    {metabrush::kRowValue[1], "spaceFluctuation", 0, "10", 0.1},
    {metabrush::kRowValue[2], "spaceFluctuation", 1, "20", 0.2},
    {metabrush::kRowValue[3], "sizeFluctuation", 0, "30", 0.3},
    {metabrush::kRowValue[4], "sizeFluctuation", 1, "40", 0.4},
    {metabrush::kRowValue[5], "shearFluctuation", 0, "5", 0.05},
    {metabrush::kRowValue[6], "shearFluctuation", 1, "-5", -0.05},
    {metabrush::kRowValue[7], "angleFluctuation", 0, "15", kPi / 12},
    {metabrush::kRowValue[8], "untrueFluctuation", 0, "2", 0.02},
    {metabrush::kRowValue[9], "untrueFluctuation", 1, "3", 0.03},
    {metabrush::kDirectionOrigin, "directionOrigin", 0, "90", kPi / 2},
    {metabrush::kPixelsPerTick, "pixelsPerTick", 0, "36", 36}, {metabrush::kCycleStamps, "cycleStamps", 0, "4", 4},
    {metabrush::kCycleSeconds, "cycleTicks", 0, "2", 120},
    {metabrush::kRandomSmoothing, "randomSmoothing", 0, "50", 0.5},
};

// The fish-eye rows show by default; the other types' edits start hidden.
namespace lens = vx::ctl::lens;
constexpr Typed kLensTyped[] = {
    {lens::kThickness, "thickness", 0, "-50", -0.5}, {lens::kAreaWidth, "lensSize", 0, "2 in", 144},
    {lens::kAreaHeight, "lensSize", 1, "50 pt", 50}, {lens::kTraceSteps, "traceSteps", 0, "12", 12},
};

const PaletteCase kPalettes[] = {
    {"Neon", "neon", &vx::kNeonPalette, kNeonTyped},
    {"Border", "border", &vx::kBorderPalette, kBorderTyped},
    {"Emboss", "emboss", &vx::kEmbossPalette, kEmbossTyped},
    {"Cutout", "cutout", &vx::kCutoutPalette, kCutoutTyped},
    {"Shadow", "shadow", &vx::kShadowPalette, kShadowTyped},
    {"Trail", "trail", &vx::kTrailPalette, kTrailTyped},
    {"TrailTool", "trail-tool", &vx::kTrailToolPalette, kTrailToolTyped},
    {"Circle", "circle", &vx::kCirclePalette, kCircleTyped},
    {"Reflections", "reflections", &vx::kReflectionsPalette, kReflectionsTyped},
    {"Tiling", "tiling", &vx::kTilingPalette, kTilingTyped},
    {"Frame", "frame", &vx::kFramePalette, kFrameTyped},
    {"Generation", "generation", &vx::kGenerationPalette, kGenerationTyped},
    {"Explosion", "explosion", &vx::kExplosionPalette, kExplosionTyped},
    {"Galaxy", "galaxy", &vx::kGalaxyPalette, kGalaxyTyped},
    {"ThreeD", "3d-rotate", &vx::k3DPalette, k3DTyped},
    {"Fractalize", "fractalize", &vx::kFractalizePalette, kFractalizeTyped},
    {"MetaBrush", "metabrush", &vx::kMetaBrushPalette, kMetaBrushTyped},
    {"Lens", "lens", &vx::kLensPalette, kLensTyped},
};

const vx::RecordSpec& RecordOf(const PaletteCase& c) {
  static const vx::RecordSpec kNone{};
  const vx::RecordKind* kind = vx::FindKindByName(c.kind);
  if (kind != nullptr) return *kind->spec;
  ADD_FAILURE() << "no record kind " << c.kind;
  return kNone;
}

const ControlTemplate* FindControl(const DialogTemplate& d, int32_t id) {
  for (const ControlTemplate& c : d.controls)
    if (c.id == id) return &c;
  return nullptr;
}

// The ids that edit a field, in every role.
std::vector<int32_t> OwnControls(const vx::FieldSpec& field) {
  std::vector<int32_t> ids;
  for (const vx::ControlIds* c : {&field.controls, &field.controlsY}) {
    for (int32_t id : {c->edit, c->spin, c->slider, c->lengthEdit, c->lengthSpin})
      if (id != 0) ids.push_back(id);
    for (const int32_t* b = c->buttons; b != nullptr && *b != 0; ++b) ids.push_back(*b);
  }
  return ids;
}

TEST(PaletteSpecs, EveryPaletteIsBuiltFromItsRecordsTemplate) {
  for (const PaletteCase& c : kPalettes) {
    SCOPED_TRACE(c.name);
    EXPECT_NE(vx::PluginResources().LoadDialog(c.palette->templateId), nullptr);
    EXPECT_EQ(c.palette->templateId, vx::res::PaletteTemplateOf(c.kind));
  }
}

// A rule names a field of the palette's record and controls of its template. The
// binder re-applies the rules when a check box, list or button changes a value,
// not when an edit does, so a rule's field must not be an edit's; and a rule must
// not disable the control that would switch it back on.
TEST(PaletteSpecs, RulesFollowChoicesAndNameControlsOfTheTemplate) {
  for (const PaletteCase& c : kPalettes) {
    const vx::RecordSpec& spec = RecordOf(c);
    const DialogTemplate* dialog = vx::PluginResources().LoadDialog(c.palette->templateId);
    ASSERT_NE(dialog, nullptr) << c.name;
    for (const vx::EnableRule& rule : c.palette->rules) {
      SCOPED_TRACE(std::string(c.name) + " rule on " + rule.field);
      const vx::FieldSpec* field = vx::FindField(spec, rule.field);
      ASSERT_NE(field, nullptr) << "no such field";
      if (rule.whenEquals >= 0) {
        EXPECT_GE(rule.whenEquals, field->minimum);
        EXPECT_LE(rule.whenEquals, field->maximum);
      }
      const vx::ControlIds& ids = field->controls;
      if (ids.edit != 0 && ids.buttons == nullptr) {
        const ControlTemplate* own = FindControl(*dialog, ids.edit);
        ASSERT_NE(own, nullptr);
        EXPECT_NE(own->kind, ControlClass::kEdit) << "an edit's changes do not re-apply the rules";
        EXPECT_EQ(ids.spin, 0);
        EXPECT_EQ(ids.slider, 0);
      }
      // An edit with quick-set buttons re-applies the rules on every commit; only
      // a rule on an exact value needs it (the corner box at offset 0).
      if (rule.whenEquals != vx::kWhileExactlyZero) {
        EXPECT_FALSE(ids.edit != 0 && ids.buttons != nullptr) << "quick-set buttons go through an edit";
      }

      const std::vector<int32_t> own = OwnControls(*field);
      ASSERT_NE(rule.controls, nullptr);
      EXPECT_NE(rule.controls[0], 0) << "a rule without controls";
      for (const int32_t* id = rule.controls; *id != 0; ++id) {
        EXPECT_NE(FindControl(*dialog, *id), nullptr) << *id << " is not in template " << dialog->id;
        EXPECT_EQ(std::count(own.begin(), own.end(), *id), 0) << *id << " edits the rule's own field";
      }
    }
  }
}

TEST(PaletteSpecs, SliderPagesNameSlidersOfTheTemplate) {
  for (const PaletteCase& c : kPalettes) {
    const DialogTemplate* dialog = vx::PluginResources().LoadDialog(c.palette->templateId);
    ASSERT_NE(dialog, nullptr) << c.name;
    std::set<int32_t> seen;
    for (const vx::SliderPage& page : c.palette->pages) {
      SCOPED_TRACE(std::string(c.name) + " slider " + std::to_string(page.slider));
      const ControlTemplate* slider = FindControl(*dialog, page.slider);
      ASSERT_NE(slider, nullptr);
      EXPECT_EQ(slider->kind, ControlClass::kSlider);
      EXPECT_GT(page.pageSize, 0);
      EXPECT_TRUE(seen.insert(page.slider).second) << "listed twice";
    }
  }
}

class TestPalette : public vx::VELLUMiX4ViewController {
 public:
  bool LiveUpdateOn() const override { return false; }
  void LiveUpdate() override {}
};

class PaletteTyping : public vxtest::PaletteTest, public ::testing::WithParamInterface<PaletteCase> {
 protected:
  PaletteTyping() : spec(RecordOf(GetParam())), storage((spec.size + sizeof(Block) - 1) / sizeof(Block)) {
    vx::SetRecordDefaults(spec, record(), "");
  }
  ~PaletteTyping() override { palette.Destroy(); }

  void* record() { return storage.data(); }

  // Sets every rule's field so that all dependent controls are enabled.
  void EnableEveryRule() {
    for (const vx::EnableRule& rule : GetParam().palette->rules) {
      if (rule.show) continue;  // controls that take turns by a mode cannot all show
      const vx::FieldSpec* field = vx::FindField(spec, rule.field);
      ASSERT_NE(field, nullptr);
      if (rule.whenEquals >= 0) vx::StoreComponent(*field, record(), rule.whenEquals);
      else if (rule.whenEquals == vx::kWhileExactlyZero) vx::StoreComponent(*field, record(), 0);
      else if (vx::StoredComponent(*field, record()) == 0) vx::StoreComponent(*field, record(), 1);
    }
  }

  void Open() {
    palette.Bind(spec, record(), *GetParam().palette);
    ASSERT_EQ(palette.CreateFromTemplate(GetParam().palette->templateId, host.desktop().HostWindow()), ai::kNoError);
    palette.Show(true);
    palette.Refresh(1);
  }

  using Block = std::max_align_t;
  const vx::RecordSpec& spec;
  std::vector<Block> storage;
  TestPalette palette;
};

TEST_P(PaletteTyping, EveryBoundFieldStoresInTheRecordsUnit) {
  EnableEveryRule();
  Open();
  for (const vx::EnableRule& rule : GetParam().palette->rules)
    for (const int32_t* id = rule.controls; !rule.show && *id != 0; ++id) {
      ASSERT_NE(palette.Item(*id), nullptr) << *id;
      EXPECT_TRUE(palette.Item(*id)->Enabled()) << "rules on " << rule.field << " cannot all hold at once: " << *id;
    }

  // Every visible edit the record binds is typed into below.
  std::set<int32_t> typed;
  for (const Typed& t : GetParam().typed) typed.insert(t.edit);
  for (size_t f = 0; f < spec.fieldCount; ++f) {
    const vx::FieldSpec& field = spec.fields[f];
    for (const vx::ControlIds* ids : {&field.controls, &field.controlsY}) {
      const platform::ui::Control* edit = ids->edit != 0 ? palette.Item(ids->edit) : nullptr;
      if (edit == nullptr || edit->Kind() != ControlClass::kEdit || !edit->Visible()) continue;
      EXPECT_EQ(typed.count(ids->edit), 1u) << "nothing typed into " << field.name << "'s edit " << ids->edit;
    }
  }

  for (const Typed& t : GetParam().typed) {
    SCOPED_TRACE(std::to_string(t.edit) + " <- " + t.text);
    const vx::FieldSpec* field = vx::FindField(spec, t.field);
    ASSERT_NE(field, nullptr) << t.field;
    ASSERT_EQ(user.TypeAndLeave(palette, t.edit, t.text), 0);
    EXPECT_NEAR(vx::StoredComponent(*field, record(), t.component), t.stored, 1e-9)
        << t.field << "/" << t.component << " does not hold what was typed";
  }
}

INSTANTIATE_TEST_SUITE_P(Palettes, PaletteTyping, ::testing::ValuesIn(kPalettes),
                         [](const ::testing::TestParamInfo<PaletteCase>& info) { return std::string(info.param.name); });

// Two fields that take turns at one place: MetaBrush's relative and absolute space.
class PaletteRules : public vxtest::PaletteTest {
 protected:
  ~PaletteRules() override { palette.Destroy(); }

  // Opens the palette of record kind `kind` on a record of its defaults.
  void Open(const char* kind, const vx::PaletteSpec& spec) {
    record = vx::FindKindByName(kind)->spec;
    storage.resize((record->size + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t));
    vx::SetRecordDefaults(*record, storage.data(), "");
    palette.Bind(*record, storage.data(), spec);
    ASSERT_EQ(palette.CreateFromTemplate(spec.templateId, host.desktop().HostWindow()), ai::kNoError);
    palette.Show(true);
    palette.Refresh(1);
  }
  double Stored(const char* field) const { return vx::StoredComponent(*vx::FindField(*record, field), storage.data()); }

  const vx::RecordSpec* record = nullptr;
  std::vector<std::max_align_t> storage;
  TestPalette palette;
};
TEST_F(PaletteRules, MetaBrushShowsTheSpaceEditOfItsMode) {
  Open("metabrush", vx::kMetaBrushPalette);
  namespace mb = vx::ctl::metabrush;
  EXPECT_TRUE(palette.Item(mb::kRelativeSpace)->Visible());
  EXPECT_FALSE(palette.Item(mb::kAbsoluteSpace)->Visible());
  ASSERT_EQ(user.PickItem(palette, 1149, 1), 0);
  EXPECT_FALSE(palette.Item(mb::kRelativeSpace)->Visible());
  ASSERT_EQ(user.TypeAndLeave(palette, mb::kAbsoluteSpace, "12"), 0);
  EXPECT_DOUBLE_EQ(Stored("absoluteSpace"), 12);
  EXPECT_EQ(user.TypeAndLeave(palette, mb::kRelativeSpace, "50"), platform::ui::kUiHidden);
}

// The deforming tools' trace rows: "Space:" shows only in "Drag Along"; in
// Craft's dynamic mode the trace mode is "Drag Along" and cannot be changed.
TEST_F(PaletteRules, TraceSpaceShowsInDragAlongAndDynamicCraftDragsAlong) {
  Open("craft", vx::kCraftPalette);
  namespace cr = vx::ctl::craft;
  EXPECT_FALSE(palette.Item(cr::kTraceSpace)->Visible()) << "the default trace mode is Uniform";
  ASSERT_EQ(user.PickItem(palette, cr::kTraceMode, 0), 0);
  EXPECT_TRUE(palette.Item(cr::kTraceSpaceSpin)->Visible());
  ASSERT_EQ(user.PickItem(palette, cr::kTraceMode, 3), 0);
  EXPECT_FALSE(palette.Item(cr::kTraceSpace)->Visible());

  ASSERT_EQ(user.Click(palette, cr::kFirstMode + 1), 0);
  EXPECT_EQ(Stored("traceMode"), 0) << "dynamic drags along";
  EXPECT_FALSE(palette.Item(cr::kTraceMode)->Enabled());
  EXPECT_TRUE(palette.Item(cr::kTraceSpace)->Visible());
  ASSERT_EQ(user.Click(palette, cr::kFirstMode + 3), 0);
  EXPECT_TRUE(palette.Item(cr::kTraceMode)->Enabled());
}

// The Lens shows the rows of its type under the type's name; a row's caption
// comes and goes with its edit, as the trace "Space:" does with its mode.
TEST_F(PaletteRules, LensShowsTheRowsOfItsTypeUnderItsName) {
  Open("lens", vx::kLensPalette);

  // Every edit's caption (the label just before it) shows exactly when it does.
  const auto expectCaptionsFollowEdits = [&] {
    const auto controls = palette.Controls();
    for (size_t i = 1; i < controls.size(); ++i) {
      if (controls[i]->Kind() != ControlClass::kEdit || controls[i - 1]->Kind() != ControlClass::kStatic) continue;
      EXPECT_EQ(controls[i - 1]->Visible(), controls[i]->Visible())
          << "the caption \"" << controls[i - 1]->Text() << "\" of " << controls[i]->Id();
    }
  };
  const std::vector<int32_t> rows[] = {{lens::kThickness},
                                       {lens::kMagnification},
                                       {lens::kTwirlAngle, lens::kCycle},
                                       {lens::kMinimumH, lens::kMinimumV, lens::kGroupAsOneUnit}};
  std::set<std::string> names;
  for (int type : {0, 1, 2, 3, 0}) {
    SCOPED_TRACE("lens type " + std::to_string(type));
    ASSERT_EQ(user.Click(palette, lens::kFirstType + type), 0);
    for (int other = 0; other < 4; ++other)
      for (int32_t id : rows[other]) EXPECT_EQ(palette.Item(id)->Visible(), other == type) << id;
    EXPECT_TRUE(palette.Item(lens::kAreaWidth)->Visible());
    EXPECT_EQ(palette.Item(lens::kTypeName)->Text(), palette.Item(lens::kFirstType + type)->Text());
    names.insert(palette.Item(lens::kTypeName)->Text());
    expectCaptionsFollowEdits();
  }
  EXPECT_EQ(names.size(), 4u) << "each type has a name of its own";

  EXPECT_FALSE(palette.Item(lens::kTraceSpace)->Visible());
  ASSERT_EQ(user.PickItem(palette, lens::kTraceMode, 0), 0);
  EXPECT_TRUE(palette.Item(lens::kTraceSpaceSpin)->Visible());
  expectCaptionsFollowEdits();

  // A preset or a stroke that changes the type is shown at the next refresh.
  vx::StoreComponent(*vx::FindField(*record, "lensType"), storage.data(), 2);
  palette.Refresh(1);
  EXPECT_TRUE(palette.Item(lens::kCycle)->Visible());
  EXPECT_EQ(palette.Item(lens::kTypeName)->Text(), palette.Item(lens::kFirstType + 2)->Text());
}

}  // namespace
