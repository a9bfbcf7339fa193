#include "svg/svg_cascade.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "svg/css.h"

namespace vxhost::svg {
namespace {

std::string_view LocalName(const pugi::xml_node& node, const std::string& prefix) {
  std::string_view name = node.name();
  if (!prefix.empty() && name.substr(0, prefix.size()) == prefix) name.remove_prefix(prefix.size());
  return name;
}

bool IsCssStyleElement(const pugi::xml_node& node, const std::string& prefix) {
  if (LocalName(node, prefix) != "style") return false;
  const pugi::xml_attribute type = node.attribute("type");
  return !type || type.value()[0] == '\0' || std::strcmp(type.value(), "text/css") == 0;
}

std::string TextOf(const pugi::xml_node& node) {
  std::string text;
  for (pugi::xml_node child : node.children())
    if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) text += child.value();
  return text;
}

// Elements in document order with the facts of their ancestors, down to
// `maxDepth` levels (the reader refuses deeper files anyway).
template <class Visit>
void WalkElements(pugi::xml_node root, const std::string& prefix, size_t maxDepth, Visit&& visit) {
  std::vector<css::ElementFacts> path;  // the root first, the current element last
  std::vector<std::pair<pugi::xml_node, size_t>> stack{{root, 0}};
  while (!stack.empty()) {
    const auto [node, depth] = stack.back();
    stack.pop_back();
    path.resize(depth);
    path.push_back({LocalName(node, prefix), node.attribute("id").value(), node.attribute("class").value()});
    visit(node, path);
    if (depth + 1 >= maxDepth) continue;
    const size_t first = stack.size();
    for (pugi::xml_node child : node.children())
      if (child.type() == pugi::node_element) stack.emplace_back(child, depth + 1);
    std::reverse(stack.begin() + static_cast<std::ptrdiff_t>(first), stack.end());
  }
}

struct Matched {
  const css::Declaration* declaration;
  uint32_t specificity;
  size_t order;
};

std::string StyleText(const std::vector<const css::Declaration*>& cascade) {
  // The winner of each property, at the place the property first appeared.
  std::vector<const css::Declaration*> winners;
  std::unordered_map<std::string_view, size_t> at;
  for (const css::Declaration* d : cascade) {
    const auto [found, inserted] = at.emplace(d->property, winners.size());
    if (inserted) winners.push_back(d); else winners[found->second] = d;
  }
  std::string text;
  for (const css::Declaration* d : winners) {
    if (!text.empty()) text += ';';
    text += d->property + ':' + d->value;
  }
  return text;
}

}  // namespace

void ApplyStyleSheets(pugi::xml_node root, const std::string& prefix, size_t maxDepth) {
  css::StyleSheet sheet;
  std::vector<std::pair<pugi::xml_node, std::string>> styleElements;  // with what stays in each
  WalkElements(root, prefix, maxDepth, [&](pugi::xml_node node, const std::vector<css::ElementFacts>&) {
    if (!IsCssStyleElement(node, prefix)) return;
    sheet.kept.clear();
    css::ParseStyleSheet(TextOf(node), sheet);
    styleElements.emplace_back(node, sheet.kept);
  });

  WalkElements(root, prefix, maxDepth, [&](pugi::xml_node node, const std::vector<css::ElementFacts>& path) {
    std::vector<Matched> matched;
    for (const css::Rule& rule : sheet.rules) {
      uint32_t specificity = 0;
      bool any = false;
      for (const css::Selector& selector : rule.selectors) {
        if (!css::Matches(selector, path)) continue;
        specificity = any ? std::max(specificity, selector.specificity) : selector.specificity;
        any = true;
      }
      if (!any) continue;
      for (const css::Declaration& d : rule.declarations) matched.push_back({&d, specificity, rule.order});
    }
    const pugi::xml_attribute style = node.attribute("style");
    const bool important = style && std::strstr(style.value(), "!") != nullptr;
    if (matched.empty() && !important) return;
    const std::vector<css::Declaration> own = css::ParseDeclarations(style.value());
    if (matched.empty() && std::none_of(own.begin(), own.end(), [](const auto& d) { return d.important; })) return;

    std::stable_sort(matched.begin(), matched.end(), [](const Matched& a, const Matched& b) {
      return a.specificity != b.specificity ? a.specificity < b.specificity : a.order < b.order;
    });
    std::vector<const css::Declaration*> cascade;
    for (bool importance : {false, true}) {
      for (const Matched& m : matched)
        if (m.declaration->important == importance) cascade.push_back(m.declaration);
      for (const css::Declaration& d : own)
        if (d.important == importance) cascade.push_back(&d);
    }
    const std::string text = StyleText(cascade);
    pugi::xml_attribute target = style ? style : node.append_attribute("style");
    target.set_value(text.c_str());
  });

  for (auto& [node, kept] : styleElements) {
    if (kept.empty()) {
      node.parent().remove_child(node);
      continue;
    }
    while (node.first_child()) node.remove_child(node.first_child());
    node.append_child(pugi::node_pcdata).set_value(("\n" + kept + "\n").c_str());
  }
}

}  // namespace vxhost::svg
