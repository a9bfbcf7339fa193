// Turning the plug-in's handles into the host's objects, checked.
#pragma once

#include "document/document.h"
#include "host.h"

namespace vxhost {

inline Document* CurrentDocument() { return Host::Current().document(); }

// The art behind a handle of the current document.
inline ai::Code ArtOf(ai::ArtHandle handle, Art*& art) {
  art = nullptr;
  Document* document = CurrentDocument();
  if (document == nullptr) return ai::kNoDocument;
  auto* candidate = reinterpret_cast<Art*>(handle);
  if (candidate == nullptr || !document->Owns(candidate)) return ai::kNotInDocument;
  art = candidate;
  return ai::kNoError;
}

// Declares `name` as the art behind `handle`, or returns the failure.
#define VX_ART(handle, name) \
  Art* name = nullptr;       \
  if (ai::Code code_ = ArtOf(handle, name)) return code_

// The style new paths get: filled black, not stroked.
inline ai::PathStyle NewPathStyle() {
  ai::PathStyle style{};
  style.fillPaint = 1;
  style.fillColor.kind = ai::color_kind::kGray;
  style.fillColor.c.gray.gray = 1;
  style.strokeWidth = 1;
  style.miterLimit = 4;
  return style;
}

inline ai::ArtHandle HandleOf(Art* art) { return reinterpret_cast<ai::ArtHandle>(art); }

inline Layer* LayerOf(ai::LayerHandle handle) {
  Document* document = CurrentDocument();
  if (document == nullptr) return nullptr;
  for (const auto& layer : document->layers())
    if (reinterpret_cast<ai::LayerHandle>(layer.get()) == handle) return layer.get();
  return nullptr;
}

inline ai::LayerHandle HandleOf(Layer* layer) { return reinterpret_cast<ai::LayerHandle>(layer); }

// Copies UTF-8 text into a caller's buffer, truncated and terminated.
inline void CopyOut(const std::string& text, char* buffer, size_t bufferSize, size_t* length) {
  if (length != nullptr) *length = text.size();
  if (buffer == nullptr || bufferSize == 0) return;
  const size_t copied = std::min(text.size(), bufferSize - 1);
  text.copy(buffer, copied);
  buffer[copied] = '\0';
}

}  // namespace vxhost
