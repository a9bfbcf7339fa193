#include "selection.h"

#include "document/document.h"

namespace vxcli {
namespace {

void SelectWithInside(vxhost::Art* art) {
  art->userAttributes |= ai::art_attr::kSelected;
  for (vxhost::Art* child = art->firstChild; child != nullptr; child = child->next) SelectWithInside(child);
  if (art->editGroup != nullptr) SelectWithInside(art->editGroup);
}

}  // namespace

std::string SelectByIds(vxhost::Document& document, const std::vector<std::string>& ids) {
  document.ClearSelection();
  if (ids.empty()) {
    for (const auto& layer : document.layers())
      for (vxhost::Art* art = layer->group->firstChild; art != nullptr; art = art->next) SelectWithInside(art);
    return "";
  }
  for (const std::string& id : ids) {
    vxhost::Art* found = nullptr;
    document.ForEachArt([&](vxhost::Art* art) {
      if (found == nullptr && art->svg.id == id) found = art;
    });
    if (found == nullptr) return id;
    SelectWithInside(found);
  }
  return "";
}

}  // namespace vxcli
