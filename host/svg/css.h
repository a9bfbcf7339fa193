// The part of CSS that drawings use, parsed and matched against elements.
//
// Style sheets: rules with selector lists and declaration blocks; comments and
// the <!-- --> markers around old sheets are skipped. A selector is a chain of
// compound selectors (a type name or *, then any #id and .class parts) joined by
// descendant (white space) or child (>) combinators. Specificity orders rules as
// CSS does: ids, then classes, then types. Everything else (at-rules, attribute
// selectors, pseudo-classes, sibling combinators, escapes, namespaces) is not
// matched here: those rules are kept as text, so a renderer still sees them.
//
// Declarations: "name: value" separated by semicolons, with quoted strings,
// brackets and parentheses kept whole, and a trailing "!important" noted.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vxhost::svg::css {

struct Declaration {
  std::string property;  // as written
  std::string value;     // trimmed, without "!important"
  bool important = false;
};

// A declaration block or style attribute. Declarations without a name or a colon
// are dropped, as CSS drops them.
std::vector<Declaration> ParseDeclarations(std::string_view text);

// One type/id/class test on one element: `type` empty or "*" matches any element.
struct Compound {
  std::string type;
  std::string id;
  std::vector<std::string> classes;
};

struct Selector {
  std::vector<Compound> compounds;  // left to right
  std::vector<char> combinators;    // between compounds: ' ' descendant, '>' child
  uint32_t specificity = 0;         // ids << 16 | classes << 8 | types, each at most 255
};

struct Rule {
  std::vector<Selector> selectors;  // the selectors of the list matched here
  std::vector<Declaration> declarations;
  size_t order = 0;                 // position in the sheets, for equal specificity
};

struct StyleSheet {
  std::vector<Rule> rules;
  // What is not matched here, as written: at-rules, and rules whose selectors
  // (or some of them) are beyond the subset, with only those selectors.
  std::string kept;
};

// Parses `text` and appends its rules to `sheet`, numbering them after the
// rules already there (a document's sheets form one cascade in file order).
void ParseStyleSheet(std::string_view text, StyleSheet& sheet);

// False when `text` is beyond the subset above.
bool ParseSelector(std::string_view text, Selector& selector);

// What a selector needs to know of one element.
struct ElementFacts {
  std::string_view type;     // the element's name without a namespace prefix
  std::string_view id;
  std::string_view classes;  // the class attribute: names separated by white space
};

// Whether `selector` matches the element `path.back()`, whose parent is the one
// before it, and so on up to the root, `path[0]`.
bool Matches(const Selector& selector, const std::vector<ElementFacts>& path);

}  // namespace vxhost::svg::css
