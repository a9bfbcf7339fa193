#include "commands/inspect.h"

#include <ostream>
#include <sstream>

#include "document/document.h"
#include "document/document_compare.h"
#include "svg/svg_live_effect.h"
#include "svg/svg_io.h"

namespace vxcli {
namespace {

std::string Num(double v) {
  std::ostringstream out;
  out << v;
  return out.str();
}

std::string ColorText(const ai::ColorRecord& c) {
  switch (c.kind) {
    case ai::color_kind::kGray: return "gray " + Num(c.c.gray.gray);
    case ai::color_kind::kFour:
      return "four " + Num(c.c.four.cyan) + " " + Num(c.c.four.magenta) + " " + Num(c.c.four.yellow) + " " +
             Num(c.c.four.black);
    case ai::color_kind::kThree:
      return "three " + Num(c.c.three.red) + " " + Num(c.c.three.green) + " " + Num(c.c.three.blue);
    case ai::color_kind::kCustom: {
      const auto* custom = reinterpret_cast<const vxhost::CustomColor*>(c.c.custom.color);
      return "custom '" + (custom ? custom->name : std::string("?")) + "' tint " + Num(c.c.custom.tint);
    }
    case ai::color_kind::kGradient: {
      const auto* gradient = reinterpret_cast<const vxhost::Gradient*>(c.c.gradient.gradient);
      return "gradient '" + (gradient ? gradient->name : std::string("?")) + "'";
    }
    case ai::color_kind::kPattern: {
      const auto* pattern = reinterpret_cast<const vxhost::Pattern*>(c.c.pattern.pattern);
      return "pattern '" + (pattern ? pattern->name : std::string("?")) + "'";
    }
    default: return "kind " + std::to_string(c.kind);
  }
}

std::string StyleText(const ai::PathStyle& s) {
  std::string out = "fill " + (s.fillPaint ? ColorText(s.fillColor) : std::string("off"));
  out += "; stroke " + (s.strokePaint ? ColorText(s.strokeColor) + ", width " + Num(s.strokeWidth) : std::string("off"));
  if (s.evenOdd) out += "; even-odd";
  if (s.clip) out += "; clipping path";
  return out;
}

void PrintArt(const vxhost::Art& art, int depth, std::ostream& out);

void PrintChildren(const vxhost::Art& art, int depth, std::ostream& out) {
  for (const vxhost::Art* child = art.firstChild; child != nullptr; child = child->next) PrintArt(*child, depth, out);
}

void PrintArt(const vxhost::Art& art, int depth, std::ostream& out) {
  out << std::string(2 * depth, ' ') << art.kind << " " << vxhost::ArtKindName(art.kind);
  if (!art.svg.id.empty()) out << " #" << art.svg.id;
  if (!art.svg.element.empty()) out << " <" << art.svg.element << ">";
  switch (art.kind) {
    case ai::art_kind::kPath:
      out << ": " << art.segments.size() << " segments" << (art.closed ? ", closed" : ", open") << "; "
          << StyleText(art.style);
      break;
    case ai::art_kind::kCompoundPath: {
      size_t paths = 0, segments = 0;
      for (const vxhost::Art* child = art.firstChild; child != nullptr; child = child->next, ++paths)
        segments += child->segments.size();
      out << ": " << paths << " paths, " << segments << " segments";
      if (art.firstChild != nullptr) out << "; " << StyleText(art.firstChild->style);
      break;
    }
    case ai::art_kind::kGroup:
      if (art.clipped) out << " (clipped)";
      break;
    case ai::art_kind::kPluginGroup:
      if (art.live && art.live->IsLiveEffect()) {
        out << ": live effect '" << art.live->effectName << "', parameters "
            << vxhost::svg::DictionaryText(art.live->parameters) << ", kept "
            << vxhost::svg::DictionaryText(art.live->instance);
      } else if (art.live) {
        out << ": '" << art.live->groupName << "'";
        if (art.live->dataType != -1)
          out << ", data " << art.live->dataType << "/" << art.live->dataSubtype << " (" << art.live->data.size()
              << " bytes)";
      }
      break;
    default:
      if (!art.verbatim.empty()) out << ": kept as written (" << art.verbatim.size() << " bytes)";
      break;
  }
  if (art.opacity != 1) out << "; opacity " << Num(art.opacity);
  if (art.hidden()) out << "; hidden";
  out << "\n";
  if (art.kind == ai::art_kind::kCompoundPath) return;
  PrintChildren(art, depth + 1, out);
  if (art.kind == ai::art_kind::kPluginGroup) {
    for (auto [group, name] : {std::pair{art.editGroup, "edit group"}, std::pair{art.resultGroup, "result group"}}) {
      if (group == nullptr) continue;
      out << std::string(2 * depth + 2, ' ') << name << "\n";
      PrintChildren(*group, depth + 2, out);
    }
  }
}

const char* ModelName(int16_t model) {
  switch (model) {
    case ai::color_model::kGray: return "gray";
    case ai::color_model::kRGB: return "rgb";
    case ai::color_model::kCMYK: return "cmyk";
    default: return "unknown";
  }
}

const char* UnitName(int16_t unit) {
  static const char* const kNames[] = {"", "inches", "centimeters", "points", "picas", "millimeters", "pixels", "Q"};
  return unit >= 1 && unit <= 7 ? kNames[unit] : "unknown";
}

}  // namespace

void PrintDocument(const vxhost::Document& document, std::ostream& out) {
  out << "art\n";
  for (const auto& layer : document.layers()) {
    out << "  layer '" << layer->title << "'\n";
    PrintChildren(*layer->group, 2, out);
  }
  out << "layers (" << document.layers().size() << ", topmost first)\n";
  for (const auto& layer : document.layers())
    out << "  '" << layer->title << "'" << (layer->implicit ? " implicit" : "") << (layer->visible ? "" : " hidden")
        << (layer->editable ? "" : " locked") << "\n";
  out << "gradients (" << document.gradients().size() << ")\n";
  for (const auto& gradient : document.gradients())
    out << "  '" << gradient->name << "' " << (gradient->type == ai::gradient_type::kRadial ? "radial" : "linear")
        << ", " << gradient->stops.size() << " stops\n";
  out << "patterns (" << document.patterns().size() << ")\n";
  for (const auto& pattern : document.patterns()) out << "  '" << pattern->name << "'\n";
  out << "custom colours (" << document.customColors().size() << ")\n";
  for (const auto& custom : document.customColors()) {
    out << "  '" << custom->name << "' " << (custom->spot ? "spot" : "global") << " "
        << (custom->kind == ai::custom_color_kind::kThree ? "three" : "four");
    for (int i = 0; i < (custom->kind == ai::custom_color_kind::kThree ? 3 : 4); ++i)
      out << " " << Num(custom->components[i]);
    out << "\n";
  }
  out << "colour model " << ModelName(document.colorModel) << "\n";
  out << "ruler unit " << document.rulerUnit << " (" << UnitName(document.rulerUnit) << ")\n";
}

int RunInspect(const std::string& input, std::ostream& out) {
  const auto document = vxhost::svg::ReadSvgFile(input);
  PrintDocument(*document, out);
  return 0;
}

}  // namespace vxcli
