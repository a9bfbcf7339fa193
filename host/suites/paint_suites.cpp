// Custom (global and spot) colours, gradients and the colour picker.
#include <algorithm>
#include <cstring>

#include "suites/art_access.h"
#include "suites/suite_tables.h"
#include "ui/color_picker.h"

namespace vxhost {
namespace {

#define VX_DOCUMENT(name)             \
  Document* name = CurrentDocument(); \
  if (name == nullptr) return ai::kNoDocument

CustomColor* ColorOf(Document& document, ai::CustomColorHandle handle) {
  auto* color = reinterpret_cast<CustomColor*>(handle);
  return document.OwnsCustomColor(color) ? color : nullptr;
}

Gradient* GradientOf(Document& document, ai::GradientHandle handle) {
  auto* gradient = reinterpret_cast<Gradient*>(handle);
  return document.OwnsGradient(gradient) ? gradient : nullptr;
}

#define VX_COLOR(handle, name)                         \
  VX_DOCUMENT(document_);                              \
  CustomColor* name = ColorOf(*document_, handle);     \
  if (name == nullptr) return ai::kBadParameter

#define VX_GRADIENT(handle, name)                      \
  VX_DOCUMENT(document_);                              \
  Gradient* name = GradientOf(*document_, handle);     \
  if (name == nullptr) return ai::kBadParameter

ai::Code NewCustomColor(const char* name, int32_t spot, int32_t kind, const double* components,
                        ai::CustomColorHandle* result) {
  if (name == nullptr || components == nullptr || result == nullptr) return ai::kBadParameter;
  if (kind != ai::custom_color_kind::kFour && kind != ai::custom_color_kind::kThree) return ai::kBadParameter;
  *result = nullptr;
  VX_HOST_ENTER();
  VX_DOCUMENT(document);
  auto color = std::make_unique<CustomColor>();
  color->name = name;
  color->spot = spot != 0;
  color->kind = kind;
  std::copy(components, components + (kind == ai::custom_color_kind::kFour ? 4 : 3), color->components);
  *result = reinterpret_cast<ai::CustomColorHandle>(color.get());
  document->customColors().push_back(std::move(color));
  return ai::kNoError;
}

ai::Code GetColorName(ai::CustomColorHandle handle, char* buffer, size_t bufferSize, size_t* length) {
  VX_HOST_ENTER();
  VX_COLOR(handle, color);
  CopyOut(color->name, buffer, bufferSize, length);
  return ai::kNoError;
}

ai::Code IsSpot(ai::CustomColorHandle handle, int32_t* spot) {
  if (spot == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_COLOR(handle, color);
  *spot = color->spot ? 1 : 0;
  return ai::kNoError;
}

// Tint 0 is the full colour and 1 white: four-colour components scale toward 0,
// three-colour components toward 1.
ai::Code ProcessEquivalent(ai::CustomColorHandle handle, double tint, ai::ColorRecord* process) {
  if (process == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_COLOR(handle, color);
  tint = std::clamp(tint, 0.0, 1.0);
  std::memset(process, 0, sizeof *process);
  const double* c = color->components;
  if (color->kind == ai::custom_color_kind::kFour) {
    process->kind = ai::color_kind::kFour;
    process->c.four = {c[0] * (1 - tint), c[1] * (1 - tint), c[2] * (1 - tint), c[3] * (1 - tint)};
  } else {
    process->kind = ai::color_kind::kThree;
    process->c.three = {c[0] + (1 - c[0]) * tint, c[1] + (1 - c[1]) * tint, c[2] + (1 - c[2]) * tint};
  }
  return ai::kNoError;
}

ai::Code NewGradient(ai::GradientHandle* result) {
  if (result == nullptr) return ai::kBadParameter;
  *result = nullptr;
  VX_HOST_ENTER();
  VX_DOCUMENT(document);
  auto gradient = std::make_unique<Gradient>();
  gradient->name = "Gradient " + std::to_string(document->gradients().size() + 1);
  *result = reinterpret_cast<ai::GradientHandle>(gradient.get());
  document->gradients().push_back(std::move(gradient));
  return ai::kNoError;
}

ai::Code DisposeGradient(ai::GradientHandle handle) {
  VX_HOST_ENTER();
  VX_GRADIENT(handle, gradient);
  auto& all = document_->gradients();
  all.erase(std::remove_if(all.begin(), all.end(), [&](const auto& g) { return g.get() == gradient; }), all.end());
  return ai::kNoError;
}

ai::Code GetType(ai::GradientHandle handle, int16_t* type) {
  if (type == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_GRADIENT(handle, gradient);
  *type = gradient->type;
  return ai::kNoError;
}

ai::Code SetType(ai::GradientHandle handle, int16_t type) {
  VX_HOST_ENTER();
  VX_GRADIENT(handle, gradient);
  if (type != ai::gradient_type::kLinear && type != ai::gradient_type::kRadial) return ai::kBadParameter;
  gradient->type = type;
  return ai::kNoError;
}

ai::Code GetGradientName(ai::GradientHandle handle, char* buffer, size_t bufferSize, size_t* length) {
  VX_HOST_ENTER();
  VX_GRADIENT(handle, gradient);
  CopyOut(gradient->name, buffer, bufferSize, length);
  return ai::kNoError;
}

ai::Code SetGradientName(ai::GradientHandle handle, const char* name) {
  if (name == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_GRADIENT(handle, gradient);
  gradient->name = name;
  return ai::kNoError;
}

ai::Code CountStops(ai::GradientHandle handle, int32_t* count) {
  if (count == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_GRADIENT(handle, gradient);
  *count = static_cast<int32_t>(gradient->stops.size());
  return ai::kNoError;
}

ai::Code GetStop(ai::GradientHandle handle, int32_t index, ai::GradientStop* stop) {
  if (stop == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_GRADIENT(handle, gradient);
  if (index < 0 || static_cast<size_t>(index) >= gradient->stops.size()) return ai::kBadParameter;
  *stop = gradient->stops[static_cast<size_t>(index)];
  return ai::kNoError;
}

ai::Code SetStop(ai::GradientHandle handle, int32_t index, const ai::GradientStop* stop) {
  if (stop == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_GRADIENT(handle, gradient);
  if (index < 0 || static_cast<size_t>(index) >= gradient->stops.size()) return ai::kBadParameter;
  gradient->stops[static_cast<size_t>(index)] = *stop;
  return ai::kNoError;
}

ai::Code InsertStop(ai::GradientHandle handle, int32_t index, const ai::GradientStop* stop) {
  if (stop == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_GRADIENT(handle, gradient);
  if (index < 0 || static_cast<size_t>(index) > gradient->stops.size()) return ai::kBadParameter;
  gradient->stops.insert(gradient->stops.begin() + index, *stop);
  return ai::kNoError;
}

ai::Code DeleteStop(ai::GradientHandle handle, int32_t index) {
  VX_HOST_ENTER();
  VX_GRADIENT(handle, gradient);
  if (index < 0 || static_cast<size_t>(index) >= gradient->stops.size()) return ai::kBadParameter;
  gradient->stops.erase(gradient->stops.begin() + index);
  return ai::kNoError;
}

ai::Code DisplayColorPicker(ai::ColorRecord* color) {
  if (color == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  return RunColorPicker(*color) ? ai::kNoError : ai::kUserCanceled;
}

const ai::CustomColorSuite kCustomColor = {NewCustomColor, GetColorName, IsSpot, ProcessEquivalent};
const ai::PaintStyleSuite kPaintStyle = {DisplayColorPicker};
const ai::GradientSuite kGradient = {NewGradient, DisposeGradient, GetType,   SetType,    GetGradientName, SetGradientName,
                                     CountStops,  GetStop,         SetStop,   InsertStop, DeleteStop};

}  // namespace

const ai::CustomColorSuite* CustomColorSuiteTable() { return &kCustomColor; }
const ai::PaintStyleSuite* PaintStyleSuiteTable() { return &kPaintStyle; }
const ai::GradientSuite* GradientSuiteTable() { return &kGradient; }

}  // namespace vxhost
