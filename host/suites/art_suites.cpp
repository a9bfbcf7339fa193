// The art suite: the tree, new, move, duplicate, dispose, user attributes, bounds.
#include <cmath>

#include "geometry/curves.h"
#include "suites/art_access.h"
#include "suites/suite_tables.h"

namespace vxhost {
namespace {

ai::Code GetKind(ai::ArtHandle handle, int16_t* kind) {
  if (kind == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_ART(handle, art);
  *kind = art->kind;
  return ai::kNoError;
}

ai::Code GetParent(ai::ArtHandle handle, ai::ArtHandle* parent) {
  if (parent == nullptr) return ai::kBadParameter;
  *parent = nullptr;
  VX_HOST_ENTER();
  VX_ART(handle, art);
  *parent = HandleOf(art->parent);
  return ai::kNoError;
}

ai::Code GetFirstChild(ai::ArtHandle handle, ai::ArtHandle* child) {
  if (child == nullptr) return ai::kBadParameter;
  *child = nullptr;
  VX_HOST_ENTER();
  VX_ART(handle, art);
  // A live object's groups are reached through the plugin-group suite.
  if (art->kind != ai::art_kind::kPluginGroup) *child = HandleOf(art->firstChild);
  return ai::kNoError;
}

ai::Code GetNextSibling(ai::ArtHandle handle, ai::ArtHandle* sibling) {
  if (sibling == nullptr) return ai::kBadParameter;
  *sibling = nullptr;
  VX_HOST_ENTER();
  VX_ART(handle, art);
  *sibling = HandleOf(art->next);
  return ai::kNoError;
}

ai::Code GetPriorSibling(ai::ArtHandle handle, ai::ArtHandle* sibling) {
  if (sibling == nullptr) return ai::kBadParameter;
  *sibling = nullptr;
  VX_HOST_ENTER();
  VX_ART(handle, art);
  *sibling = HandleOf(art->prior);
  return ai::kNoError;
}

// The reference of a placement; without one, the current layer's group.
ai::Code ReferenceOf(ai::ArtHandle handle, int16_t& placement, Art*& reference) {
  if (handle != nullptr) return ArtOf(handle, reference);
  Document* document = CurrentDocument();
  if (document == nullptr) return ai::kNoDocument;
  reference = document->currentLayer()->group;
  if (placement == ai::placement::kAbove) placement = ai::placement::kInsideOnTop;
  if (placement == ai::placement::kBelow) placement = ai::placement::kInsideAtBottom;
  return ai::kNoError;
}

ai::Code NewArt(int16_t kind, int16_t placement, ai::ArtHandle referenceHandle, ai::ArtHandle* result) {
  if (result == nullptr) return ai::kBadParameter;
  *result = nullptr;
  VX_HOST_ENTER();
  Art* reference = nullptr;
  if (ai::Code code = ReferenceOf(referenceHandle, placement, reference)) return code;
  Document& document = *CurrentDocument();
  Art* art = document.NewArt(kind);
  if (kind == ai::art_kind::kPath) art->style = NewPathStyle();
  if (!document.Insert(art, placement, reference)) {
    document.Dispose(art);
    return ai::kBadParameter;
  }
  *result = HandleOf(art);
  return ai::kNoError;
}

ai::Code DisposeArt(ai::ArtHandle handle) {
  VX_HOST_ENTER();
  VX_ART(handle, art);
  if (art->layer != nullptr || (art->parent != nullptr && art->parent->kind == ai::art_kind::kPluginGroup))
    return ai::kWrongArtKind;
  CurrentDocument()->Dispose(art);
  return ai::kNoError;
}

ai::Code MoveArt(ai::ArtHandle handle, int16_t placement, ai::ArtHandle referenceHandle) {
  VX_HOST_ENTER();
  VX_ART(handle, art);
  Art* reference = nullptr;
  if (ai::Code code = ReferenceOf(referenceHandle, placement, reference)) return code;
  if (art->layer != nullptr) return ai::kWrongArtKind;
  return CurrentDocument()->Insert(art, placement, reference) ? ai::kNoError : ai::kBadParameter;
}

ai::Code DuplicateArt(ai::ArtHandle handle, int16_t placement, ai::ArtHandle referenceHandle, ai::ArtHandle* copy) {
  if (copy != nullptr) *copy = nullptr;
  VX_HOST_ENTER();
  VX_ART(handle, art);
  Art* reference = nullptr;
  if (ai::Code code = ReferenceOf(referenceHandle, placement, reference)) return code;
  if (art->layer != nullptr) return ai::kWrongArtKind;
  Document& document = *CurrentDocument();
  Art* duplicate = document.Duplicate(art);
  if (!document.Insert(duplicate, placement, reference)) {
    document.Dispose(duplicate);
    return ai::kBadParameter;
  }
  if (copy != nullptr) *copy = HandleOf(duplicate);
  return ai::kNoError;
}

// Art is fully selected when it is selected and so is everything inside it.
bool FullySelected(const Art& art) {
  if (art.userAttributes & ai::art_attr::kFullySelected) return true;
  if (!art.selected()) return false;
  for (const Art* child = art.firstChild; child != nullptr; child = child->next)
    if (!FullySelected(*child)) return false;
  return true;
}

ai::Code GetUserAttributes(ai::ArtHandle handle, int32_t which, int32_t* value) {
  if (value == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_ART(handle, art);
  *value = art->userAttributes & which;
  if ((which & ai::art_attr::kFullySelected) && FullySelected(*art)) *value |= ai::art_attr::kFullySelected;
  return ai::kNoError;
}

ai::Code SetUserAttributes(ai::ArtHandle handle, int32_t which, int32_t value) {
  VX_HOST_ENTER();
  VX_ART(handle, art);
  // Asking for the selected bit with the fully-selected value is how a plug-in
  // tells the host it rewrote the art: all of it becomes selected.
  if ((which & ai::art_attr::kSelected) && (value & ai::art_attr::kFullySelected)) {
    which |= ai::art_attr::kFullySelected;
    value |= ai::art_attr::kSelected | ai::art_attr::kFullySelected;
  }
  CurrentDocument()->WillChange(art);
  art->userAttributes = (art->userAttributes & ~which) | (value & which);
  return ai::kNoError;
}

void AddBounds(const Art& art, const ai::RealMatrix* matrix, int32_t options, BoxBuilder& box) {
  auto place = [&](ai::RealPoint p) { return matrix != nullptr ? Apply(*matrix, p) : p; };
  switch (art.kind) {
    case ai::art_kind::kPath: {
      BoxBuilder own;
      if (options & ai::bounds_option::kControl) {
        for (const ai::SegRecord& s : art.segments) {
          own.Add(place(s.anchor));
          own.Add(place(s.in));
          own.Add(place(s.out));
        }
      } else if (art.segments.size() == 1) {
        own.Add(place(art.segments[0].anchor));
      } else {
        for (Cubic c : CurvesOf(art.segments, art.closed)) {
          c = {place(c.p0), place(c.p1), place(c.p2), place(c.p3)};
          own.AddCurveTight(c);
        }
      }
      if (own.empty) return;
      if ((options & ai::bounds_option::kVisible) && art.style.strokePaint) {
        double half = art.style.strokeWidth / 2;
        if (matrix != nullptr) half *= std::sqrt(std::fabs(matrix->a * matrix->d - matrix->b * matrix->c));
        own.box.left -= half, own.box.right += half, own.box.top += half, own.box.bottom -= half;
      }
      box.Add({own.box.left, own.box.top});
      box.Add({own.box.right, own.box.bottom});
      return;
    }
    case ai::art_kind::kPluginGroup:
      if (art.resultGroup != nullptr) AddBounds(*art.resultGroup, matrix, options, box);
      return;
    case ai::art_kind::kGroup:
    case ai::art_kind::kCompoundPath:
    case ai::art_kind::kContainer:
      for (const Art* child = art.firstChild; child != nullptr; child = child->next) {
        // A clipped group is bounded by its clipping path.
        if (art.clipped && child == art.firstChild) {
          AddBounds(*child, matrix, options & ~ai::bounds_option::kVisible, box);
          return;
        }
        AddBounds(*child, matrix, options, box);
      }
      return;
    default:
      // Art without geometry of its own is placed at its origin.
      box.Add(place(Apply(Multiply(art.matrix, kFlipY), {0, 0})));
      return;
  }
}

ai::Code GetBounds(ai::ArtHandle handle, const ai::RealMatrix* matrix, int32_t options, ai::RealRect* bounds) {
  if (bounds == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_ART(handle, art);
  BoxBuilder box;
  AddBounds(*art, matrix, options == 0 ? ai::bounds_option::kGeometric : options, box);
  *bounds = box.box;
  return ai::kNoError;
}

ai::Code GetLayer(ai::ArtHandle handle, ai::LayerHandle* layer) {
  if (layer == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_ART(handle, art);
  *layer = HandleOf(CurrentDocument()->LayerOf(art));
  return ai::kNoError;
}

ai::Code IsValid(ai::ArtHandle handle, int32_t* valid) {
  if (valid == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  Art* art = nullptr;
  *valid = ArtOf(handle, art) == ai::kNoError ? 1 : 0;
  return ai::kNoError;
}

const ai::ArtSuite kArt = {GetKind,      GetParent,    GetFirstChild,     GetNextSibling,    GetPriorSibling,
                           NewArt,       DisposeArt,   MoveArt,           DuplicateArt,      GetUserAttributes,
                           SetUserAttributes, GetBounds, GetLayer,       IsValid};

}  // namespace

const ai::ArtSuite* ArtSuiteTable() { return &kArt; }

}  // namespace vxhost
