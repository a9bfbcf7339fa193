// A document of the substitute host: layers holding art trees, the selection,
// gradients, patterns, custom colours, the colour model and ruler unit, the
// view, and the undo log of the current message.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "document/art.h"
#include "document/undo_log.h"
#include "document/view_display.h"
#include "frame/host/suites.h"

namespace vxhost {

// What the SVG file's root carried, kept for writing back.
struct SvgDocumentInfo {
  std::vector<std::pair<std::string, std::string>> rootAttributes;  // verbatim, in order
  std::vector<std::string> prologue;  // verbatim elements before the art (defs we keep whole, metadata)
  std::string sourceName;             // the file it was read from
};

class Document {
 public:
  Document();
  ~Document();
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  // --- layers, topmost first
  const std::vector<std::unique_ptr<Layer>>& layers() const { return layers_; }
  Layer* AddLayer(const std::string& title, size_t index);  // index in layers(), clamped
  Layer* currentLayer() const { return currentLayer_; }
  void SetCurrentLayer(Layer* layer) { currentLayer_ = layer; }
  Layer* LayerOf(const Art* art) const;

  // --- art
  // A new art, not yet in the tree.
  Art* NewArt(int16_t kind);
  // Links `art` at `placement` relative to `reference` (ai::placement).
  // False when the placement cannot be made (reference not in the tree, a cycle).
  bool Insert(Art* art, int16_t placement, Art* reference);
  // Unlinks from the tree without destroying.
  void Unlink(Art* art);
  // Destroys art and everything inside it.
  void Dispose(Art* art);
  // A deep copy, not yet in the tree.
  Art* Duplicate(const Art* art);
  // Whether `art` is a live art of this document (handles are checked with it).
  bool Owns(const Art* art) const { return live_.count(const_cast<Art*>(art)) != 0; }
  // Makes a live object's edit and result groups.
  void MakeLive(Art* art);
  // Call before changing an art's own state (anything but its tree links), so the
  // undo context can restore it.
  void WillChange(Art* art);
  // Frees the art that is neither in the document nor needed by the undo log.
  void CollectGarbage();

  // Live objects whose source art or data changed and that the host must have
  // regenerated; taking them empties the list.
  void MarkLiveChanged(Art* live) { changedLive_.insert(live); }
  std::vector<Art*> TakeChangedLive();

  // Visits art in document order (top to bottom, depth first), not entering
  // live objects' groups unless `intoLive`.
  template <class Visit>
  void ForEachArt(Visit&& visit, bool intoLive = false) const;

  // --- selection: art whose selected bit is set
  std::vector<Art*> SelectedArt() const;
  void SelectOnly(const std::vector<Art*>& art);
  void ClearSelection();

  // --- paint
  std::vector<std::unique_ptr<Gradient>>& gradients() { return gradients_; }
  std::vector<std::unique_ptr<Pattern>>& patterns() { return patterns_; }
  std::vector<std::unique_ptr<CustomColor>>& customColors() { return customColors_; }
  const std::vector<std::unique_ptr<Gradient>>& gradients() const { return gradients_; }
  const std::vector<std::unique_ptr<Pattern>>& patterns() const { return patterns_; }
  const std::vector<std::unique_ptr<CustomColor>>& customColors() const { return customColors_; }
  bool OwnsGradient(const Gradient* gradient) const;
  bool OwnsCustomColor(const CustomColor* color) const;

  int16_t colorModel = ai::color_model::kRGB;
  int16_t rulerUnit = ai::ruler_unit::kPoints;

  // --- the view: the document point at the window's top left, the zoom, and
  // the window's size in view units (pixels)
  ai::RealPoint viewOrigin{0, 0};
  double zoom = 1.0;
  ai::ViewPoint viewSize{1280, 800};
  ViewDisplay display;

  SvgDocumentInfo svg;
  UndoLog& undo() { return undo_; }

 private:
  void DisposeTree(Art* art);
  template <class Visit>
  static void Walk(Art* art, Visit& visit, bool intoLive);

  std::vector<std::unique_ptr<Layer>> layers_;
  Layer* currentLayer_ = nullptr;
  std::vector<std::unique_ptr<Art>> arts_;
  std::unordered_set<Art*> live_;
  std::vector<std::unique_ptr<Gradient>> gradients_;
  std::vector<std::unique_ptr<Pattern>> patterns_;
  std::vector<std::unique_ptr<CustomColor>> customColors_;
  UndoLog undo_;
  std::unordered_set<Art*> changedLive_;
  // Marks the live object whose edit group holds `art`, if any.
  void NoteEdit(const Art* art);
};

template <class Visit>
void Document::Walk(Art* art, Visit& visit, bool intoLive) {
  for (Art* child = art->firstChild; child != nullptr; child = child->next) {
    visit(child);
    if (child->kind == ai::art_kind::kPluginGroup) {
      if (intoLive && child->editGroup) Walk(child->editGroup, visit, intoLive);
      if (intoLive && child->resultGroup) Walk(child->resultGroup, visit, intoLive);
    } else {
      Walk(child, visit, intoLive);
    }
  }
}

template <class Visit>
void Document::ForEachArt(Visit&& visit, bool intoLive) const {
  for (const auto& layer : layers_) Walk(layer->group, visit, intoLive);
}

}  // namespace vxhost
