// The selection and matching art (lists handed out in host memory), the memory
// suite that frees them, and layers.
#include <cstring>

#include "suites/art_access.h"
#include "suites/suite_tables.h"

namespace vxhost {
namespace {

constexpr char kListBlockName[] = "matching art list";

ai::Code HandOut(const std::vector<Art*>& art, ai::ArtHandle** matches, int32_t* count) {
  if (art.empty()) return ai::kNoError;
  void* block = Host::Current().blocks().Allocate(sizeof(ai::ArtHandle) * art.size(), kListBlockName);
  if (block == nullptr) return ai::kOutOfMemory;
  auto* handles = static_cast<ai::ArtHandle*>(block);
  for (size_t i = 0; i < art.size(); ++i) handles[i] = HandleOf(art[i]);
  *matches = handles;
  *count = static_cast<int32_t>(art.size());
  return ai::kNoError;
}

ai::Code GetSelectedArt(ai::ArtHandle** matches, int32_t* count) {
  if (matches == nullptr || count == nullptr) return ai::kBadParameter;
  *matches = nullptr;
  *count = 0;
  VX_HOST_ENTER();
  Document* document = CurrentDocument();
  if (document == nullptr) return ai::kNoDocument;
  std::vector<Art*> list{document->currentLayer()->group};
  for (Art* art : document->SelectedArt()) list.push_back(art);
  return HandOut(list, matches, count);
}

ai::Code GetMatchingArt(const ai::MatchSpec* specs, int32_t specCount, ai::ArtHandle** matches, int32_t* count) {
  if (matches == nullptr || count == nullptr || (specs == nullptr && specCount > 0)) return ai::kBadParameter;
  *matches = nullptr;
  *count = 0;
  VX_HOST_ENTER();
  Document* document = CurrentDocument();
  if (document == nullptr) return ai::kNoDocument;
  std::vector<Art*> list;
  document->ForEachArt([&](Art* art) {
    for (int32_t i = 0; i < specCount; ++i) {
      if (art->kind == specs[i].kind && (art->userAttributes & specs[i].which) == (specs[i].value & specs[i].which)) {
        list.push_back(art);
        return;
      }
    }
  });
  return HandOut(list, matches, count);
}

ai::Code Allocate(size_t size, void** block) {
  if (block == nullptr) return ai::kBadParameter;
  *block = nullptr;
  VX_HOST_ENTER();
  *block = Host::Current().blocks().Allocate(size, "MdMemory");
  return *block != nullptr ? ai::kNoError : ai::kOutOfMemory;
}

ai::Code Dispose(void* block) {
  VX_HOST_ENTER();
  if (block == nullptr) return ai::kNoError;
  return Host::Current().blocks().Free(block) ? ai::kNoError : ai::kBadParameter;
}

#define VX_DOCUMENT(name)                            \
  Document* name = CurrentDocument();                \
  if (name == nullptr) return ai::kNoDocument

#define VX_LAYER(handle, name)   \
  Layer* name = LayerOf(handle); \
  if (name == nullptr) return CurrentDocument() == nullptr ? ai::kNoDocument : ai::kBadParameter

ai::Code CountLayers(int32_t* count) {
  if (count == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_DOCUMENT(document);
  *count = static_cast<int32_t>(document->layers().size());
  return ai::kNoError;
}

ai::Code GetNthLayer(int32_t index, ai::LayerHandle* layer) {
  if (layer == nullptr) return ai::kBadParameter;
  *layer = nullptr;
  VX_HOST_ENTER();
  VX_DOCUMENT(document);
  if (index < 0 || static_cast<size_t>(index) >= document->layers().size()) return ai::kBadParameter;
  *layer = HandleOf(document->layers()[static_cast<size_t>(index)].get());
  return ai::kNoError;
}

ai::Code GetCurrentLayer(ai::LayerHandle* layer) {
  if (layer == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_DOCUMENT(document);
  *layer = HandleOf(document->currentLayer());
  return ai::kNoError;
}

ai::Code SetCurrentLayer(ai::LayerHandle handle) {
  VX_HOST_ENTER();
  VX_LAYER(handle, layer);
  CurrentDocument()->SetCurrentLayer(layer);
  return ai::kNoError;
}

ai::Code InsertLayer(ai::LayerHandle referenceHandle, int16_t placement, ai::LayerHandle* result) {
  if (result == nullptr) return ai::kBadParameter;
  *result = nullptr;
  VX_HOST_ENTER();
  VX_DOCUMENT(document);
  size_t index = 0;
  if (referenceHandle != nullptr) {
    VX_LAYER(referenceHandle, reference);
    for (size_t i = 0; i < document->layers().size(); ++i)
      if (document->layers()[i].get() == reference) index = i;
    if (placement == ai::placement::kBelow) ++index;
  }
  Layer* layer = document->AddLayer("Layer " + std::to_string(document->layers().size() + 1), index);
  *result = HandleOf(layer);
  return ai::kNoError;
}

ai::Code GetLayerGroup(ai::LayerHandle handle, ai::ArtHandle* group) {
  if (group == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_LAYER(handle, layer);
  *group = HandleOf(layer->group);
  return ai::kNoError;
}

ai::Code GetTitle(ai::LayerHandle handle, char* buffer, size_t bufferSize, size_t* length) {
  VX_HOST_ENTER();
  VX_LAYER(handle, layer);
  CopyOut(layer->title, buffer, bufferSize, length);
  return ai::kNoError;
}

ai::Code SetTitle(ai::LayerHandle handle, const char* title) {
  if (title == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_LAYER(handle, layer);
  layer->title = title;
  layer->implicit = false;
  return ai::kNoError;
}

ai::Code GetVisible(ai::LayerHandle handle, int32_t* visible) {
  if (visible == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_LAYER(handle, layer);
  *visible = layer->visible ? 1 : 0;
  return ai::kNoError;
}

ai::Code GetEditable(ai::LayerHandle handle, int32_t* editable) {
  if (editable == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_LAYER(handle, layer);
  *editable = layer->editable ? 1 : 0;
  return ai::kNoError;
}

const ai::MatchingArtSuite kMatchingArt = {GetSelectedArt, GetMatchingArt};
const ai::MdMemorySuite kMdMemory = {Allocate, Dispose};
const ai::LayerSuite kLayer = {CountLayers, GetNthLayer, GetCurrentLayer, SetCurrentLayer, InsertLayer,
                               GetLayerGroup, GetTitle, SetTitle, GetVisible, GetEditable};

}  // namespace

const ai::MatchingArtSuite* MatchingArtSuiteTable() { return &kMatchingArt; }
const ai::MdMemorySuite* MdMemorySuiteTable() { return &kMdMemory; }
const ai::LayerSuite* LayerSuiteTable() { return &kLayer; }

}  // namespace vxhost
