// Colours and paints of SVG, and the colour records they become. SVG colours are
// three-colour records whose components are n/255. Colour kinds SVG cannot say
// (gray, four-colour, custom colours, three-colour values off the n/255 grid)
// travel as text in vx:fill / vx:stroke beside an sRGB rendition:
//   "gray G", "cmyk C M Y K", "rgb R G B", "spot NAME TINT".
#pragma once

#include <string>
#include <string_view>

#include "frame/host/art_records.h"

namespace vxhost {
struct CustomColor;
}

namespace vxhost::svg {

// #rgb, #rgba, #rrggbb, #rrggbbaa, rgb(r, g, b) and rgba(r, g, b, a) with numbers
// or percentages, and colour keywords. The colour's own alpha (1 where it has
// none) goes to `alpha` when given.
bool ParseColor(std::string_view text, ai::ThreeColor& color, double* alpha = nullptr);

struct Paint {
  enum class Kind { kNone, kColor, kCurrentColor, kUrl };
  Kind kind = Kind::kNone;
  ai::ThreeColor color{0, 0, 0};
  std::string url;  // the id that url(#id) names
  // What to use when the url names nothing usable: none, or a colour.
  Kind fallbackKind = Kind::kNone;
  ai::ThreeColor fallback{0, 0, 0};
  double alpha = 1;  // a colour's own alpha (#rrggbbaa, rgba()), folded into the paint's opacity
};
bool ParsePaint(std::string_view text, Paint& paint);

ai::ColorRecord ThreeColorRecord(const ai::ThreeColor& color);

// "#rrggbb" of a colour record's sRGB rendition; `custom` is the colour a
// custom-colour record refers to (null: black). Gradients and patterns give black.
std::string Rendition(const ai::ColorRecord& color, const CustomColor* custom);
// The rendition of a custom colour's process equivalent at `tint` (0 full .. 1 white).
ai::ThreeColor CustomRendition(const CustomColor& custom, double tint);

// True when "#rrggbb" says the three-colour value exactly (each component n/255).
bool OnByteGrid(const ai::ThreeColor& color);

// The vx colour text of gray, four-colour and three-colour records ("" for a
// three-colour value on the byte grid, which the plain SVG colour says).
// Custom, gradient and pattern records are the writer's, which knows their names.
std::string VxColorText(const ai::ColorRecord& color);
// Parses "gray", "cmyk" and "rgb" texts; false for others.
bool ParseVxColor(std::string_view text, ai::ColorRecord& color);

}  // namespace vxhost::svg
