#include "tools/metabrush/metabrush_params.h"

#include <iterator>

#include "presets/record_hooks.h"

namespace vx {
namespace {
using namespace fielddef;
#define VX_RECORD MetaBrushToolParams
constexpr FieldSpec kFields[] = {
#include "presets/record_fields_begin_table.h"
#include "tools/metabrush/metabrush_params.def"
#include "presets/record_fields_end.h"
};
#undef VX_RECORD

void SetDefaults(const RecordSpec&, void* record) {
  // Black in four colours: the fade colour that differs most from fading to white.
  ai::ColorRecord& color = static_cast<MetaBrushToolParams*>(record)->swatchColor;
  color = ai::ColorRecord{};
  color.kind = ai::color_kind::kFour;
  color.c.four = {0, 0, 0, 1};
}

// Texts written before "AA", "P3", "f3" and "f4" existed.
void AfterRead(const RecordSpec&, void* record, const char* text) {
  auto* params = static_cast<MetaBrushToolParams*>(record);
  int16_t older = 0;
  if (!RecordTextHasKey(text, "AA") && ParseShortValue(text, "A", older)) {
    // The older orientation codes: 0 and 1 swap places, 2 stays.
    static constexpr int16_t kOrientation[3] = {1, 0, 2};
    params->orientation = kOrientation[(older & 0xF) % 3];
  }
  if (!RecordTextHasKey(text, "P3")) params->angle = 0;
  if (!RecordTextHasKey(text, "f3")) params->transparent = 0;
  if (!RecordTextHasKey(text, "f4")) params->fadeToSwatch = 1;
}
}  // namespace

constexpr RecordSpec kMetaBrushToolParamsSpec{"MetaBrushToolParams", "VELLUMiX4_PST_MetaBrushTool.txt", sizeof(MetaBrushToolParams), kFields, std::size(kFields),
    {SetDefaults, AfterRead}};

}  // namespace vx
