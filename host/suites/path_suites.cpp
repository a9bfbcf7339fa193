// Suites over one art's own data: path segments, path style, group clipping,
// tags and opacity.
#include <algorithm>
#include <cstring>

#include "suites/art_access.h"
#include "suites/suite_tables.h"

namespace vxhost {
namespace {

constexpr char kStringTagType[] = "string";

ai::Code PathOf(ai::ArtHandle handle, Art*& art) {
  if (ai::Code code = ArtOf(handle, art)) return code;
  return art->kind == ai::art_kind::kPath ? ai::kNoError : ai::kWrongArtKind;
}

#define VX_PATH(handle, name) \
  Art* name = nullptr;        \
  if (ai::Code code_ = PathOf(handle, name)) return code_

ai::Code GetSegmentCount(ai::ArtHandle handle, int32_t* count) {
  if (count == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_PATH(handle, path);
  *count = static_cast<int32_t>(path->segments.size());
  return ai::kNoError;
}

ai::Code SetSegmentCount(ai::ArtHandle handle, int32_t count) {
  VX_HOST_ENTER();
  VX_PATH(handle, path);
  if (count < 0) return ai::kBadParameter;
  CurrentDocument()->WillChange(path);
  ai::SegRecord fill{};
  if (!path->segments.empty()) {
    const ai::RealPoint last = path->segments.back().anchor;
    fill = {last, last, last, 1, 0};
  }
  path->segments.resize(static_cast<size_t>(count), fill);
  return ai::kNoError;
}

ai::Code GetSegments(ai::ArtHandle handle, int32_t first, int32_t count, ai::SegRecord* segments) {
  if (segments == nullptr && count > 0) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_PATH(handle, path);
  if (first < 0 || count < 0 || static_cast<size_t>(first) + static_cast<size_t>(count) > path->segments.size())
    return ai::kBadParameter;
  if (count > 0) std::memcpy(segments, path->segments.data() + first, sizeof(ai::SegRecord) * count);
  return ai::kNoError;
}

ai::Code SetSegments(ai::ArtHandle handle, int32_t first, int32_t count, const ai::SegRecord* segments) {
  if (segments == nullptr && count > 0) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_PATH(handle, path);
  if (first < 0 || count < 0 || static_cast<size_t>(first) > path->segments.size()) return ai::kBadParameter;
  CurrentDocument()->WillChange(path);
  const size_t end = static_cast<size_t>(first) + static_cast<size_t>(count);
  if (end > path->segments.size()) path->segments.resize(end);
  if (count > 0) std::memcpy(path->segments.data() + first, segments, sizeof(ai::SegRecord) * count);
  return ai::kNoError;
}

ai::Code GetClosed(ai::ArtHandle handle, int32_t* closed) {
  if (closed == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_PATH(handle, path);
  *closed = path->closed ? 1 : 0;
  return ai::kNoError;
}

ai::Code SetClosed(ai::ArtHandle handle, int32_t closed) {
  VX_HOST_ENTER();
  VX_PATH(handle, path);
  CurrentDocument()->WillChange(path);
  path->closed = closed != 0;
  return ai::kNoError;
}

bool CarriesStyle(const Art& art) {
  return art.kind == ai::art_kind::kPath || art.kind == ai::art_kind::kStyledRef ||
         art.kind == ai::art_kind::kStyledOther;
}

// The first path of a compound path, looking through nested compounds.
Art* FirstPathOf(Art* art) {
  for (Art* child = art->firstChild; child != nullptr; child = child->next) {
    if (child->kind == ai::art_kind::kPath) return child;
    if (child->kind == ai::art_kind::kCompoundPath)
      if (Art* found = FirstPathOf(child)) return found;
  }
  return nullptr;
}

void SetStyleInside(Art* art, const ai::PathStyle& style) {
  for (Art* child = art->firstChild; child != nullptr; child = child->next) {
    if (child->kind == ai::art_kind::kCompoundPath) SetStyleInside(child, style);
    if (child->kind != ai::art_kind::kPath) continue;
    CurrentDocument()->WillChange(child);
    child->style = style;
  }
}

ai::Code GetPathStyle(ai::ArtHandle handle, ai::PathStyle* style) {
  if (style == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_ART(handle, art);
  if (art->kind == ai::art_kind::kCompoundPath) {
    Art* first = FirstPathOf(art);
    if (first == nullptr) return ai::kWrongArtKind;
    *style = first->style;
    return ai::kNoError;
  }
  if (!CarriesStyle(*art)) return ai::kWrongArtKind;
  *style = art->style;
  return ai::kNoError;
}

ai::Code GetCurrentPathStyle(ai::PathStyle* style) {
  if (style == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  Document* document = CurrentDocument();
  if (document == nullptr) return ai::kNoDocument;
  // The first selected path in document order speaks for the selection.
  const Art* found = nullptr;
  document->ForEachArt([&](Art* art) {
    if (found != nullptr || !art->selected()) return;
    if (art->kind == ai::art_kind::kCompoundPath) found = FirstPathOf(art);
    else if (CarriesStyle(*art)) found = art;
  });
  *style = found != nullptr ? found->style : NewPathStyle();
  return ai::kNoError;
}

ai::Code SetPathStyle(ai::ArtHandle handle, const ai::PathStyle* style) {
  if (style == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_ART(handle, art);
  // A compound path and its paths share one style: whichever is written, the
  // compound path's own record follows, so it never tells another story.
  if (art->kind == ai::art_kind::kCompoundPath) {
    SetStyleInside(art, *style);
    CurrentDocument()->WillChange(art);
    art->style = *style;
    return ai::kNoError;
  }
  if (!CarriesStyle(*art)) return ai::kWrongArtKind;
  CurrentDocument()->WillChange(art);
  art->style = *style;
  for (Art* parent = art->parent; parent != nullptr && parent->kind == ai::art_kind::kCompoundPath;
       parent = parent->parent) {
    CurrentDocument()->WillChange(parent);
    parent->style = *style;
  }
  return ai::kNoError;
}

ai::Code GetClipped(ai::ArtHandle handle, int32_t* clipped) {
  if (clipped == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_ART(handle, art);
  if (art->kind != ai::art_kind::kGroup) return ai::kWrongArtKind;
  *clipped = art->clipped ? 1 : 0;
  return ai::kNoError;
}

ai::Code SetClipped(ai::ArtHandle handle, int32_t clipped) {
  VX_HOST_ENTER();
  VX_ART(handle, art);
  if (art->kind != ai::art_kind::kGroup || art->layer != nullptr) return ai::kWrongArtKind;
  CurrentDocument()->WillChange(art);
  art->clipped = clipped != 0;
  return ai::kNoError;
}

ai::Code SetTag(ai::ArtHandle handle, const char* name, const char* type, const char* value) {
  if (name == nullptr || type == nullptr || value == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_ART(handle, art);
  if (std::strcmp(type, kStringTagType) != 0) return ai::kBadParameter;
  CurrentDocument()->WillChange(art);
  art->tags[name] = value;
  return ai::kNoError;
}

ai::Code GetTag(ai::ArtHandle handle, const char* name, const char* type, char* buffer, size_t bufferSize,
                size_t* length) {
  if (name == nullptr || type == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_ART(handle, art);
  auto found = art->tags.find(name);
  if (found == art->tags.end() || std::strcmp(type, kStringTagType) != 0) return ai::kTagNotFound;
  CopyOut(found->second, buffer, bufferSize, length);
  return ai::kNoError;
}

ai::Code GetOpacity(ai::ArtHandle handle, double* opacity) {
  if (opacity == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_ART(handle, art);
  *opacity = art->opacity;
  return ai::kNoError;
}

ai::Code SetOpacity(ai::ArtHandle handle, double opacity) {
  VX_HOST_ENTER();
  VX_ART(handle, art);
  if (!(opacity >= 0)) opacity = 0;  // NaN too
  CurrentDocument()->WillChange(art);
  art->opacity = std::min(opacity, 1.0);
  return ai::kNoError;
}

const ai::PathSuite kPath = {GetSegmentCount, SetSegmentCount, GetSegments, SetSegments, GetClosed, SetClosed};
const ai::PathStyleSuite kPathStyle = {GetPathStyle, SetPathStyle, GetCurrentPathStyle};
const ai::GroupSuite kGroup = {GetClipped, SetClipped};
const ai::TagSuite kTag = {SetTag, GetTag};
const ai::BlendStyleSuite kBlendStyle = {GetOpacity, SetOpacity};

}  // namespace

const ai::PathSuite* PathSuiteTable() { return &kPath; }
const ai::PathStyleSuite* PathStyleSuiteTable() { return &kPathStyle; }
const ai::GroupSuite* GroupSuiteTable() { return &kGroup; }
const ai::TagSuite* TagSuiteTable() { return &kTag; }
const ai::BlendStyleSuite* BlendStyleSuiteTable() { return &kBlendStyle; }

}  // namespace vxhost
