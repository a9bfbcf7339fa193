#include "live_effects.h"

#include <algorithm>

#include "document/document.h"
#include "host.h"
#include "plugin_loader.h"

namespace vxhost {
namespace {

bool IsLiveEffectObject(const Document& document, const Art* object) {
  return object != nullptr && document.Owns(object) && object->kind == ai::art_kind::kPluginGroup &&
         object->live != nullptr && object->live->IsLiveEffect() && object->editGroup != nullptr &&
         object->resultGroup != nullptr;
}

bool Wrappable(const Art* art) {
  return art->kind == ai::art_kind::kPath || art->kind == ai::art_kind::kCompoundPath ||
         art->kind == ai::art_kind::kGroup;
}

// Messages the host sends for a person's command, outside any other message:
// one undo context, and live objects rebuilt when it ends.
class CommandScope {
 public:
  CommandScope(Host& host, const char* selector) : host_(host), selector_(selector) {
    host_.BeginMessage(ai::callers::kLiveEffect, selector_);
  }
  ~CommandScope() { host_.EndMessage(ai::callers::kLiveEffect, selector_); }
  CommandScope(const CommandScope&) = delete;
  CommandScope& operator=(const CommandScope&) = delete;

 private:
  Host& host_;
  const char* selector_;
};

// The result group becomes a copy of the source art.
void CopySourceToResult(Document& document, Art* object) {
  for (Art* child : object->resultGroup->Children()) document.Dispose(child);
  for (Art* child : object->editGroup->Children())
    document.Insert(document.Duplicate(child), ai::placement::kInsideAtBottom, object->resultGroup);
}

// Moves the children of `group` to the object's place and disposes of the object.
void ReplaceByGroup(Document& document, Art* object, Art* group) {
  std::vector<Art*> moved = group->Children();
  for (Art* child : moved) {
    document.Insert(child, ai::placement::kAbove, object);
    document.WillChange(child);
    child->userAttributes |= ai::art_attr::kSelected;
  }
  document.Dispose(object);
}

}  // namespace

std::vector<Art*> TopSelectedArt(const Document& document) {
  std::vector<Art*> top;
  for (Art* art : document.SelectedArt()) {
    bool inside = false;
    for (const Art* at = art->parent; at != nullptr && !inside; at = at->parent) inside = at->selected();
    if (!inside && art->layer == nullptr) top.push_back(art);
  }
  return top;
}

ai::Code LiveEffects::RunFilter(FilterRecord& filter) {
  if (filter.owner == nullptr || !filter.owner->codeLoaded()) return ai::kBadParameter;
  ai::FilterMessage message{};
  message.filter = reinterpret_cast<ai::FilterHandle>(&filter);
  if (ai::Code code = filter.owner->Send(ai::callers::kFilter, ai::selectors::kGetParameters, message)) return code;
  return filter.owner->Send(ai::callers::kFilter, ai::selectors::kGo, message);
}

ai::Code LiveEffects::Apply(LiveEffectRecord& effect, std::vector<Art*>* created) {
  Document* document = host_.document();
  if (document == nullptr) return ai::kNoDocument;
  if (effect.owner == nullptr || !effect.owner->codeLoaded()) return ai::kBadParameter;
  CommandScope scope(host_, ai::selectors::kEditParameters);
  std::vector<Art*> objects;
  for (Art* art : TopSelectedArt(*document)) {
    if (!Wrappable(art)) continue;
    Art* object = document->NewArt(ai::art_kind::kPluginGroup);
    object->live->effectName = effect.name;
    document->Insert(object, ai::placement::kAbove, art);
    document->WillChange(art);
    art->userAttributes &= ~(ai::art_attr::kSelected | ai::art_attr::kFullySelected);
    document->Insert(art, ai::placement::kInsideAtBottom, object->editGroup);
    object->userAttributes |= ai::art_attr::kSelected;
    CopySourceToResult(*document, object);
    objects.push_back(object);
  }
  if (objects.empty()) return ai::kNoError;
  const ai::Code code = SendEdit(effect, objects);
  if (code != ai::kNoError) {
    document->undo().Revert();
    return code;
  }
  if (created != nullptr) *created = objects;
  return ai::kNoError;
}

ai::Code LiveEffects::Edit(Art* object) {
  Document* document = host_.document();
  if (document == nullptr) return ai::kNoDocument;
  if (!IsLiveEffectObject(*document, object)) return ai::kBadParameter;
  LiveEffectRecord* effect = EffectOf(*object);
  if (effect == nullptr || effect->owner == nullptr || !effect->owner->codeLoaded()) return ai::kBadParameter;
  CommandScope scope(host_, ai::selectors::kEditParameters);
  const ai::Code code = SendEdit(*effect, {object});
  if (code != ai::kNoError) document->undo().Revert();
  return code;
}

ai::Code LiveEffects::SendEdit(LiveEffectRecord& effect, const std::vector<Art*>& objects) {
  ai::LiveEffectMessage message{};
  message.effect = reinterpret_cast<ai::LiveEffectHandle>(&effect);
  message.parameters = RefOf(objects.front(), false);
  editing_ = objects;
  const ai::Code code = effect.owner->Send(ai::callers::kLiveEffect, ai::selectors::kEditParameters, message);
  editing_.clear();
  if (code != ai::kNoError) return code;
  // Every object takes the parameters the effect left and is rebuilt.
  Document& document = *host_.document();
  for (Art* object : objects) {
    if (!IsLiveEffectObject(document, object)) continue;
    if (object != objects.front()) {
      document.WillChange(object);
      object->live->parameters = objects.front()->live->parameters;
    }
    document.MarkLiveChanged(object);
  }
  return ai::kNoError;
}

ai::Code LiveEffects::UpdateParameters(ai::DictionaryRef parameters) {
  Art* owner = nullptr;
  if (Resolve(parameters, &owner) == nullptr || editing_.empty() || owner != editing_.front())
    return ai::kBadParameter;
  Document& document = *host_.document();
  for (Art* object : editing_) {
    if (!IsLiveEffectObject(document, object)) continue;
    if (object != owner) {
      document.WillChange(object);
      object->live->parameters = owner->live->parameters;
    }
    document.MarkLiveChanged(object);
  }
  return host_.UpdateLiveObjects();
}

bool LiveEffects::Release(Art* object) { return Unwrap(object, false); }

bool LiveEffects::Expand(Art* object) { return Unwrap(object, true); }

bool LiveEffects::Unwrap(Art* object, bool result) {
  Document* document = host_.document();
  if (document == nullptr || !IsLiveEffectObject(*document, object)) return false;
  CommandScope scope(host_, result ? "Expand" : "Release");
  ReplaceByGroup(*document, object, result ? object->resultGroup : object->editGroup);
  return true;
}

ai::Code LiveEffects::GoLive(Art* object) {
  Document* document = host_.document();
  if (document == nullptr || !IsLiveEffectObject(*document, object)) return ai::kNoError;
  LiveEffectRecord* effect = EffectOf(*object);
  if (effect == nullptr || effect->owner == nullptr || !effect->owner->codeLoaded()) return ai::kNoError;
  CopySourceToResult(*document, object);
  ai::LiveEffectMessage message{};
  message.effect = reinterpret_cast<ai::LiveEffectHandle>(effect);
  message.parameters = RefOf(object, false);
  message.instanceInfo = RefOf(object, true);
  message.art = reinterpret_cast<ai::ArtHandle>(object->resultGroup);
  return effect->owner->Send(ai::callers::kLiveEffect, ai::selectors::kGoLive, message);
}

LiveEffectRecord* LiveEffects::EffectOf(const Art& object) const {
  if (object.live == nullptr) return nullptr;
  for (const auto& effect : host_.app().liveEffects())
    if (effect->name == object.live->effectName) return effect.get();
  return nullptr;
}

ai::DictionaryRef LiveEffects::RefOf(Art* object, bool instance) {
  for (const auto& binding : bindings_)
    if (binding->object == object && binding->instance == instance)
      return reinterpret_cast<ai::DictionaryRef>(binding.get());
  bindings_.push_back(std::make_unique<Binding>(Binding{object, instance}));
  return reinterpret_cast<ai::DictionaryRef>(bindings_.back().get());
}

Dictionary* LiveEffects::Resolve(ai::DictionaryRef ref, Art** owner) {
  const auto* wanted = reinterpret_cast<const Binding*>(ref);
  const auto found = std::find_if(bindings_.begin(), bindings_.end(),
                                  [wanted](const std::unique_ptr<Binding>& b) { return b.get() == wanted; });
  Document* document = host_.document();
  if (found == bindings_.end() || document == nullptr || !IsLiveEffectObject(*document, (*found)->object))
    return nullptr;
  Art* object = (*found)->object;
  if (owner != nullptr) *owner = object;
  return (*found)->instance ? &object->live->instance : &object->live->parameters;
}

}  // namespace vxhost
