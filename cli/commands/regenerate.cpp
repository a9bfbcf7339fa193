#include "commands/regenerate.h"

#include <algorithm>
#include <map>
#include <ostream>
#include <stdexcept>

#include "document/document.h"
#include "frame/effect_table.h"
#include "frame/error_messages.h"
#include "presets/record_registry.h"
#include "svg/svg_io.h"

namespace vxcli {
namespace {

struct LiveEntry {
  vxhost::Art* art;
  int number;  // from 1, in the order of the file (bottom of the stacking order first)
  int depth;   // how many live objects hold it in their edit groups
};

// Live objects outside result groups, in the order of the file, with their
// nesting depth. Objects inside a result are copies the regeneration replaces.
void CollectLive(vxhost::Art* parent, int depth, std::vector<LiveEntry>& found) {
  for (vxhost::Art* child = parent->lastChild; child != nullptr; child = child->prior) {
    if (child->kind == ai::art_kind::kPluginGroup) {
      found.push_back({child, static_cast<int>(found.size()) + 1, depth});
      if (child->editGroup != nullptr) CollectLive(child->editGroup, depth + 1, found);
    } else {
      CollectLive(child, depth, found);
    }
  }
}

std::vector<const vxhost::Art*> ResultChildren(const vxhost::Art* live) {
  std::vector<const vxhost::Art*> children;
  if (live->resultGroup == nullptr) return children;
  for (const vxhost::Art* child = live->resultGroup->firstChild; child != nullptr; child = child->next)
    children.push_back(child);
  return children;
}

// The effect a plugin-group name belongs to, as people name it ("neon"); the
// group name itself for groups of no effect of ours.
std::string EffectName(const std::string& groupName) {
  const vx::EffectEntry* best = nullptr;
  for (const vx::EffectEntry& effect : vx::EffectTable()) {
    const std::string stem = effect.groupStem;
    if (groupName.rfind(stem, 0) == 0 && (best == nullptr || stem.size() > std::string(best->groupStem).size()))
      best = &effect;
  }
  if (best != nullptr)
    if (const vx::RecordKind* kind = vx::FindKindByEffectIndex(best->index)) return kind->name;
  return groupName.empty() ? std::string("no effect named") : "'" + groupName + "'";
}

bool Registered(vxhost::Host& host, const std::string& groupName) {
  for (const auto& group : host.app().pluginGroups())
    if (group->name == groupName) return true;
  return false;
}

}  // namespace

vxhost::Document& OpenReadDocument(Session& session, std::unique_ptr<vxhost::Document> document) {
  // Reading inserts the sources into their edit groups, which marks every live
  // object as changed; an opened file is shown as it was saved.
  document->TakeChangedLive();
  vxhost::Host& host = session.host();
  vxhost::Document& open = host.OpenDocument(std::move(document));
  host.Notify("AI Document Opened Notifier");
  return open;
}

std::string KeptMessage(const KeptLiveObject& kept) {
  std::string text = "live object ";
  text += kept.id.empty() ? std::to_string(kept.number) : "#" + kept.id;
  text += " (" + EffectName(kept.groupName) + "): ";
  text += kept.registered ? "this effect cannot be rebuilt yet" : "no plug-in loaded that provides this effect";
  return text + "; kept as it is";
}

RegenerateSummary RegenerateLiveObjects(Session& session) {
  vxhost::Host& host = session.host();
  vxhost::Document* document = host.document();
  RegenerateSummary summary;
  if (document == nullptr) return summary;

  std::vector<LiveEntry> live;
  const auto& layers = document->layers();  // topmost first
  for (auto layer = layers.rbegin(); layer != layers.rend(); ++layer) CollectLive((*layer)->group, 0, live);
  int deepest = 0;
  for (const LiveEntry& entry : live) deepest = std::max(deepest, entry.depth);

  for (int depth = deepest; depth >= 0; --depth) {
    std::map<const vxhost::Art*, std::vector<const vxhost::Art*>> before;
    std::map<vxhost::Art*, int32_t> attributes;
    for (const LiveEntry& entry : live) {
      if (entry.depth != depth) continue;
      before[entry.art] = ResultChildren(entry.art);
      attributes[entry.art] = entry.art->userAttributes;
      entry.art->userAttributes |= ai::art_attr::kSelected;
      document->MarkLiveChanged(entry.art);
    }
    const ai::Code code = host.UpdateLiveObjects();
    for (auto& [art, saved] : attributes) art->userAttributes = saved;
    if (code != ai::kNoError)
      throw std::runtime_error(std::string("rebuilding the live objects failed: ") + vx::MessageForCode(code) + " (" +
                               CodeText(code) + ")");
    // A rebuilt object's result holds new art; one the plug-in left alone keeps its own.
    for (const LiveEntry& entry : live) {
      if (entry.depth != depth) continue;
      if (ResultChildren(entry.art) != before[entry.art]) {
        ++summary.rebuilt;
        continue;
      }
      KeptLiveObject kept;
      kept.id = entry.art->svg.id;
      kept.number = entry.number;
      const vxhost::LiveData* data = entry.art->live.get();
      kept.groupName = data == nullptr ? std::string() : data->IsLiveEffect() ? data->effectName : data->groupName;
      kept.registered = Registered(host, kept.groupName);
      summary.kept.push_back(std::move(kept));
    }
  }
  return summary;
}

int RunRegenerate(const RegenerateOptions& options, std::ostream& err) {
  std::vector<std::string> notes;
  std::unique_ptr<vxhost::Document> document = vxhost::svg::ReadSvgFile(options.input, &notes);
  if (!options.session.quiet)
    for (const std::string& note : notes) err << "vellumix4: " << options.input << ": " << note << "\n";
  Session session(options.session);
  vxhost::Document& open = OpenReadDocument(session, std::move(document));
  RegenerateSummary summary;
  try {
    summary = RegenerateLiveObjects(session);
  } catch (const std::runtime_error& error) {
    err << "vellumix4 regenerate: " << error.what() << "\n";
    return 1;
  }
  for (const KeptLiveObject& kept : summary.kept) err << "vellumix4 regenerate: warning: " << KeptMessage(kept) << "\n";
  if (!options.session.quiet)
    err << "vellumix4: regenerate: " << summary.rebuilt << " live object" << (summary.rebuilt == 1 ? "" : "s")
        << " rebuilt, " << summary.kept.size() << " kept\n";
  vxhost::svg::WriteSvgFile(open, options.output);
  return 0;
}

}  // namespace vxcli
