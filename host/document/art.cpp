#include "document/art.h"

namespace vxhost {

std::vector<Art*> Art::Children() const {
  std::vector<Art*> children;
  for (Art* child = firstChild; child != nullptr; child = child->next) children.push_back(child);
  return children;
}

}  // namespace vxhost
