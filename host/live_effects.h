// Live effects and filters as the application runs them for a person.
//
// Art carrying a live effect is held as a live object (kind 10): its edit group
// holds the art as the person drew it, its result group what the effect made of
// a copy of it, and its live data the effect's name, its parameter dictionary
// and the dictionary the effect keeps beside it ("instance" data such as a
// random seed). Whenever the source art or the parameters change, the host sends
// the effect "Go Live" with a fresh copy of the source to change in place.
//
// Filters run once: "Get Parameters" (the plug-in's dialog), then "Go". Each is
// one message and one undo context.
#pragma once

#include <memory>
#include <vector>

#include "document/art.h"
#include "frame/host/messages.h"

namespace vxhost {

class Host;
struct LiveEffectRecord;
struct FilterRecord;

class LiveEffects {
 public:
  explicit LiveEffects(Host& host) : host_(host) {}
  LiveEffects(const LiveEffects&) = delete;
  LiveEffects& operator=(const LiveEffects&) = delete;

  // --- what a person does
  // The filter's menu item: "Get Parameters", then "Go" when that succeeded.
  // Returns the first failure (the plug-in's 'STOP' when its dialog was cancelled).
  ai::Code RunFilter(FilterRecord& filter);
  // The effect's menu item: every selected object (outside other selected art)
  // becomes a live object of the effect, then the effect edits its parameters.
  // A failed or cancelled edit takes everything back. `created` receives the
  // new objects.
  ai::Code Apply(LiveEffectRecord& effect, std::vector<Art*>* created = nullptr);
  // Opens the parameters of an object's effect again; the object is rebuilt
  // with what the plug-in leaves in them.
  ai::Code Edit(Art* object);
  // Release: the source art takes the object's place. Expand: the art it shows
  // does. False when `object` is no live-effect object of the document.
  bool Release(Art* object);
  bool Expand(Art* object);

  // --- what the host does
  // Rebuilds an object: its result becomes a copy of its source, which the
  // effect then changes. An object whose effect is not loaded keeps its result.
  ai::Code GoLive(Art* object);

  // --- dictionaries handed to plug-ins
  ai::DictionaryRef RefOf(Art* object, bool instance);
  // The dictionary behind a handle, or null when it names none (any more).
  Dictionary* Resolve(ai::DictionaryRef ref, Art** owner = nullptr);
  // "updateParameters" of the live-effect suite.
  ai::Code UpdateParameters(ai::DictionaryRef parameters);

  LiveEffectRecord* EffectOf(const Art& object) const;

 private:
  struct Binding {
    Art* object;
    bool instance;
  };
  ai::Code SendEdit(LiveEffectRecord& effect, const std::vector<Art*>& objects);
  // The result (expand) or the source (release) takes the object's place.
  bool Unwrap(Art* object, bool result);

  Host& host_;
  std::vector<std::unique_ptr<Binding>> bindings_;
  // The objects whose parameters the running "Edit Parameters" edits.
  std::vector<Art*> editing_;
};

// The art of a document that a person's command applies to: selected art whose
// container is not selected, without layers' groups.
std::vector<Art*> TopSelectedArt(const class Document& document);

}  // namespace vxhost
