#include "document/document.h"

#include <algorithm>

namespace vxhost {
namespace {

// An art's own state: everything but its place in the tree.
struct ArtState {
  int32_t userAttributes;
  double opacity;
  std::map<std::string, std::string> tags;
  SvgExtras svg;
  std::vector<ai::SegRecord> segments;
  bool closed;
  ai::PathStyle style;
  bool clipped;
  std::string verbatim;
  ai::RealMatrix matrix;
  std::string inheritedStyle;
  std::unique_ptr<LiveData> live;
};

ArtState CopyState(const Art& art) {
  return ArtState{art.userAttributes, art.opacity,  art.tags,     art.svg,      art.segments,
                  art.closed,         art.style,    art.clipped,  art.verbatim, art.matrix,
                  art.inheritedStyle, art.live ? std::make_unique<LiveData>(*art.live) : nullptr};
}

void RestoreState(Art& art, ArtState&& state) {
  art.userAttributes = state.userAttributes;
  art.opacity = state.opacity;
  art.tags = std::move(state.tags);
  art.svg = std::move(state.svg);
  art.segments = std::move(state.segments);
  art.closed = state.closed;
  art.style = state.style;
  art.clipped = state.clipped;
  art.verbatim = std::move(state.verbatim);
  art.matrix = state.matrix;
  art.inheritedStyle = std::move(state.inheritedStyle);
  art.live = std::move(state.live);
}

// Links `art` into `parent` right after `prior` (first when prior is null).
void Link(Art* art, Art* parent, Art* prior) {
  art->parent = parent;
  art->prior = prior;
  art->next = prior != nullptr ? prior->next : parent->firstChild;
  if (prior != nullptr) prior->next = art; else parent->firstChild = art;
  if (art->next != nullptr) art->next->prior = art; else parent->lastChild = art;
}

bool IsInside(const Art* art, const Art* ancestor) {
  for (const Art* at = art; at != nullptr; at = at->parent)
    if (at == ancestor) return true;
  return false;
}

}  // namespace

Document::Document() {
  Layer* layer = AddLayer("Layer 1", 0);
  layer->implicit = true;
  undo_.End();
}

Document::~Document() = default;

Layer* Document::AddLayer(const std::string& title, size_t index) {
  auto layer = std::make_unique<Layer>();
  layer->title = title;
  layer->group = NewArt(ai::art_kind::kGroup);
  layer->group->layer = layer.get();
  Layer* added = layer.get();
  index = std::min(index, layers_.size());
  layers_.insert(layers_.begin() + static_cast<std::ptrdiff_t>(index), std::move(layer));
  if (currentLayer_ == nullptr) currentLayer_ = added;
  return added;
}

Layer* Document::LayerOf(const Art* art) const {
  const Art* top = art;
  while (top != nullptr && top->parent != nullptr) top = top->parent;
  return top != nullptr ? top->layer : nullptr;
}

Art* Document::NewArt(int16_t kind) {
  arts_.push_back(std::make_unique<Art>(kind));
  Art* art = arts_.back().get();
  live_.insert(art);
  undo_.Born(art);
  if (kind == ai::art_kind::kPluginGroup) MakeLive(art);
  undo_.Record([this, art] { live_.erase(art); });
  return art;
}

void Document::MakeLive(Art* art) {
  if (!art->live) art->live = std::make_unique<LiveData>();
  for (Art** group : {&art->editGroup, &art->resultGroup}) {
    if (*group != nullptr) continue;
    arts_.push_back(std::make_unique<Art>(ai::art_kind::kGroup));
    *group = arts_.back().get();
    (*group)->parent = art;
    live_.insert(*group);
    undo_.Born(*group);
  }
}

bool Document::Insert(Art* art, int16_t placement, Art* reference) {
  if (art == nullptr || reference == nullptr || !Owns(art) || !Owns(reference)) return false;
  Art* parent = nullptr;
  Art* prior = nullptr;
  switch (placement) {
    case ai::placement::kAbove:
      parent = reference->parent;
      prior = reference->prior;
      break;
    case ai::placement::kBelow:
      parent = reference->parent;
      prior = reference;
      break;
    case ai::placement::kInsideOnTop:
      parent = reference;
      prior = nullptr;
      break;
    case ai::placement::kInsideAtBottom:
      parent = reference;
      prior = reference->lastChild;
      break;
    default:
      return false;
  }
  if (parent == nullptr || IsInside(parent, art)) return false;
  const bool container = parent->kind == ai::art_kind::kGroup || parent->kind == ai::art_kind::kCompoundPath ||
                         parent->kind == ai::art_kind::kContainer;
  if (!container) return false;
  if (prior == art) prior = art->prior;
  Unlink(art);
  Link(art, parent, prior);
  NoteEdit(art);
  undo_.Record([this, art] { Unlink(art); });
  return true;
}

void Document::Unlink(Art* art) {
  Art* parent = art->parent;
  if (parent == nullptr || (parent->editGroup == art || parent->resultGroup == art)) return;
  Art* prior = art->prior;
  NoteEdit(art);
  if (art->prior != nullptr) art->prior->next = art->next; else parent->firstChild = art->next;
  if (art->next != nullptr) art->next->prior = art->prior; else parent->lastChild = art->prior;
  art->parent = art->prior = art->next = nullptr;
  undo_.Record([art, parent, prior] { Link(art, parent, prior); });
}

void Document::DisposeTree(Art* art) {
  for (Art* child = art->firstChild; child != nullptr; child = child->next) DisposeTree(child);
  if (art->editGroup != nullptr) DisposeTree(art->editGroup);
  if (art->resultGroup != nullptr) DisposeTree(art->resultGroup);
  live_.erase(art);
  undo_.Record([this, art] { live_.insert(art); });
}

void Document::Dispose(Art* art) {
  if (art == nullptr || !Owns(art) || art->layer != nullptr) return;
  Unlink(art);
  DisposeTree(art);
}

Art* Document::Duplicate(const Art* art) {
  Art* copy = NewArt(art->kind);
  ArtState state = CopyState(*art);
  RestoreState(*copy, std::move(state));
  copy->userAttributes &= ~ai::art_attr::kSelected;
  for (Art* child = art->firstChild; child != nullptr; child = child->next) {
    Art* childCopy = Duplicate(child);
    Link(childCopy, copy, copy->lastChild);
  }
  if (art->kind == ai::art_kind::kPluginGroup) {
    for (auto [from, to] : {std::pair{art->editGroup, copy->editGroup}, std::pair{art->resultGroup, copy->resultGroup}}) {
      if (from == nullptr || to == nullptr) continue;
      for (Art* child = from->firstChild; child != nullptr; child = child->next)
        Link(Duplicate(child), to, to->lastChild);
    }
  }
  return copy;
}

void Document::NoteEdit(const Art* art) {
  for (const Art* at = art; at != nullptr && at->parent != nullptr; at = at->parent) {
    Art* parent = at->parent;
    if (parent->kind == ai::art_kind::kPluginGroup) {
      if (parent->editGroup == at) changedLive_.insert(parent);
      return;  // a result group's changes are the regeneration itself
    }
  }
}

std::vector<Art*> Document::TakeChangedLive() {
  std::vector<Art*> changed;
  for (Art* live : changedLive_)
    if (Owns(live)) changed.push_back(live);
  changedLive_.clear();
  return changed;
}

void Document::WillChange(Art* art) {
  NoteEdit(art);
  if (!undo_.FirstTouch(art)) return;
  auto saved = std::make_shared<ArtState>(CopyState(*art));
  undo_.Record([art, saved] { RestoreState(*art, std::move(*saved)); });
}

void Document::CollectGarbage() {
  if (undo_.active()) return;
  arts_.erase(std::remove_if(arts_.begin(), arts_.end(),
                             [&](const std::unique_ptr<Art>& art) { return live_.count(art.get()) == 0; }),
              arts_.end());
}

std::vector<Art*> Document::SelectedArt() const {
  std::vector<Art*> selected;
  ForEachArt([&](Art* art) {
    if (art->selected()) selected.push_back(art);
  });
  return selected;
}

void Document::SelectOnly(const std::vector<Art*>& art) {
  ClearSelection();
  for (Art* one : art) {
    if (!Owns(one)) continue;
    WillChange(one);
    one->userAttributes |= ai::art_attr::kSelected;
  }
}

void Document::ClearSelection() {
  ForEachArt(
      [&](Art* art) {
        if (!art->selected()) return;
        WillChange(art);
        art->userAttributes &= ~(ai::art_attr::kSelected | ai::art_attr::kFullySelected);
      },
      true);
}

bool Document::OwnsGradient(const Gradient* gradient) const {
  return std::any_of(gradients_.begin(), gradients_.end(), [&](const auto& g) { return g.get() == gradient; });
}

bool Document::OwnsCustomColor(const CustomColor* color) const {
  return std::any_of(customColors_.begin(), customColors_.end(), [&](const auto& c) { return c.get() == color; });
}

}  // namespace vxhost
