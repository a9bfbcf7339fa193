#include "svg/css.h"

#include <algorithm>

namespace vxhost::svg::css {
namespace {

// Longer chains than this are left to the renderer.
constexpr size_t kMaxCompounds = 32;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  return text;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return (x >= 'A' && x <= 'Z' ? x - 'A' + 'a' : x) == y;
         });
}

// Comments removed, strings kept whole (an unterminated comment ends the text).
std::string WithoutComments(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  char quote = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quote != 0) {
      out += c;
      if (c == '\\' && i + 1 < text.size()) out += text[++i];
      else if (c == quote) quote = 0;
    } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
      const size_t end = text.find("*/", i + 2);
      if (end == std::string_view::npos) break;
      i = end + 1;
      out += ' ';
    } else {
      if (c == '"' || c == '\'') quote = c;
      out += c;
    }
  }
  return out;
}

// The position of the first of `stops` at nesting depth 0 outside strings, or
// the text's size. Brackets and parentheses nest, and braces too when `braces`;
// a stray closer is skipped.
size_t FindTopLevel(std::string_view text, std::string_view stops, size_t from = 0, bool braces = false) {
  int depth = 0;
  char quote = 0;
  for (size_t i = from; i < text.size(); ++i) {
    const char c = text[i];
    if (quote != 0) {
      if (c == '\\') ++i;
      else if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (depth == 0 && stops.find(c) != std::string_view::npos) {
      return i;
    } else if (c == '(' || c == '[' || (braces && c == '{')) {
      ++depth;
    } else if ((c == ')' || c == ']' || (braces && c == '}')) && depth > 0) {
      --depth;
    }
  }
  return text.size();
}

// The end of the block whose "{" is at `open`: the index after its "}", or the
// text's size when it is never closed (CSS closes it at the end).
size_t BlockEnd(std::string_view text, size_t open) {
  const size_t close = FindTopLevel(text, "}", open + 1, /*braces=*/true);
  return close < text.size() ? close + 1 : close;
}

bool IsNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
         static_cast<unsigned char>(c) >= 0x80;
}

// A name at the start of `text` (advancing past it); empty when none starts there.
std::string_view ReadName(std::string_view& text) {
  size_t n = 0;
  while (n < text.size() && IsNameChar(text[n])) ++n;
  const std::string_view name = text.substr(0, n);
  text.remove_prefix(n);
  // A name cannot start with a digit, nor with a hyphen and a digit.
  if (!name.empty() && ((name[0] >= '0' && name[0] <= '9') ||
                        (name[0] == '-' && name.size() > 1 && name[1] >= '0' && name[1] <= '9')))
    return {};
  return name;
}

bool ReadCompound(std::string_view& text, Compound& compound, uint32_t& ids, uint32_t& classes, uint32_t& types) {
  bool any = false;
  if (!text.empty() && text.front() == '*') {
    compound.type = "*";
    text.remove_prefix(1);
    any = true;
  } else if (const std::string_view name = ReadName(text); !name.empty()) {
    compound.type = std::string(name);
    ++types;
    any = true;
  }
  while (!text.empty() && (text.front() == '#' || text.front() == '.')) {
    const char kind = text.front();
    text.remove_prefix(1);
    const std::string_view name = ReadName(text);
    if (name.empty()) return false;
    if (kind == '#') {
      // Two different ids can never both match; the same one twice is allowed.
      if (!compound.id.empty() && compound.id != name) compound.id = "\x01";
      else compound.id = std::string(name);
      ++ids;
    } else {
      compound.classes.emplace_back(name);
      ++classes;
    }
    any = true;
  }
  return any;
}

bool HasClass(std::string_view classes, std::string_view name) {
  while (!classes.empty()) {
    while (!classes.empty() && IsSpace(classes.front())) classes.remove_prefix(1);
    size_t n = 0;
    while (n < classes.size() && !IsSpace(classes[n])) ++n;
    if (classes.substr(0, n) == name) return true;
    classes.remove_prefix(n);
  }
  return false;
}

bool MatchesCompound(const Compound& compound, const ElementFacts& element) {
  if (!compound.type.empty() && compound.type != "*" && compound.type != element.type) return false;
  if (!compound.id.empty() && compound.id != element.id) return false;
  for (const std::string& name : compound.classes)
    if (!HasClass(element.classes, name)) return false;
  return true;
}

// Compounds [0, last] of `selector` against the element at path[at] and its
// ancestors (path[at - 1], ...). `failed` remembers the (last, at) pairs that do
// not match, so a chain of descendant combinators over a deep path is tried
// once per pair.
bool MatchFrom(const Selector& selector, size_t last, const std::vector<ElementFacts>& path, size_t at,
               std::vector<bool>& failed) {
  const size_t key = last * path.size() + at;
  if (failed[key]) return false;
  bool matched = MatchesCompound(selector.compounds[last], path[at]);
  if (matched && last > 0) {
    matched = false;
    if (selector.combinators[last - 1] == '>') {
      matched = at > 0 && MatchFrom(selector, last - 1, path, at - 1, failed);
    } else {
      for (size_t up = at; up-- > 0 && !matched;) matched = MatchFrom(selector, last - 1, path, up, failed);
    }
  }
  if (!matched) failed[key] = true;
  return matched;
}

void AppendKept(std::string& kept, std::string_view text) {
  if (!kept.empty()) kept += '\n';
  kept += text;
}

}  // namespace

std::vector<Declaration> ParseDeclarations(std::string_view text) {
  const std::string clean = WithoutComments(text);
  std::string_view rest = clean;
  std::vector<Declaration> out;
  while (!rest.empty()) {
    const size_t end = FindTopLevel(rest, ";");
    const std::string_view item = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    const size_t colon = item.find(':');
    if (colon == std::string_view::npos) continue;
    const std::string_view name = Trim(item.substr(0, colon));
    std::string_view value = Trim(item.substr(colon + 1));
    if (name.empty()) continue;
    Declaration declaration;
    declaration.property = std::string(name);
    const size_t bang = value.rfind('!');
    if (bang != std::string_view::npos && EqualsIgnoringCase(Trim(value.substr(bang + 1)), "important") &&
        FindTopLevel(value, "!") == bang) {
      declaration.important = true;
      value = Trim(value.substr(0, bang));
    }
    declaration.value = std::string(value);
    out.push_back(std::move(declaration));
  }
  return out;
}

bool ParseSelector(std::string_view text, Selector& selector) {
  selector = Selector{};
  uint32_t ids = 0, classes = 0, types = 0;
  text = Trim(text);
  while (true) {
    Compound compound;
    if (!ReadCompound(text, compound, ids, classes, types)) return false;
    selector.compounds.push_back(std::move(compound));
    if (selector.compounds.size() > kMaxCompounds) return false;
    const size_t before = text.size();
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    if (text.empty()) break;
    char combinator = ' ';
    if (text.front() == '>') {
      combinator = '>';
      text.remove_prefix(1);
      while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    } else if (text.size() == before) {
      return false;  // something beyond the subset right after a compound ("[", ":", "+", ...)
    }
    selector.combinators.push_back(combinator);
  }
  selector.specificity = std::min<uint32_t>(ids, 255) << 16 | std::min<uint32_t>(classes, 255) << 8 |
                         std::min<uint32_t>(types, 255);
  return true;
}

void ParseStyleSheet(std::string_view source, StyleSheet& sheet) {
  const std::string clean = WithoutComments(source);
  const std::string_view text = clean;
  size_t at = 0;
  while (at < text.size()) {
    while (at < text.size() && IsSpace(text[at])) ++at;
    if (text.compare(at, 4, "<!--") == 0) {
      at += 4;
      continue;
    }
    if (text.compare(at, 3, "-->") == 0) {
      at += 3;
      continue;
    }
    if (at >= text.size()) break;
    if (text[at] == '@') {
      // An at-rule ends at its semicolon or with its block.
      const size_t stop = FindTopLevel(text, ";{", at);
      const size_t end = stop < text.size() && text[stop] == '{' ? BlockEnd(text, stop) : std::min(stop + 1, text.size());
      AppendKept(sheet.kept, Trim(text.substr(at, end - at)));
      at = end;
      continue;
    }
    const size_t open = FindTopLevel(text, "{", at);
    if (open >= text.size()) break;  // a prelude without a block is dropped
    const size_t end = BlockEnd(text, open);
    const std::string_view prelude = text.substr(at, open - at);
    const size_t blockEnd = end > open + 1 && text[end - 1] == '}' ? end - 1 : end;
    const std::string_view block = text.substr(open + 1, blockEnd - open - 1);
    at = end;

    Rule rule;
    std::string unmatched;
    for (size_t from = 0; from <= prelude.size();) {
      const size_t comma = FindTopLevel(prelude, ",", from);
      const std::string_view part = Trim(prelude.substr(from, comma - from));
      Selector selector;
      if (ParseSelector(part, selector)) {
        rule.selectors.push_back(std::move(selector));
      } else if (!part.empty()) {
        if (!unmatched.empty()) unmatched += ", ";
        unmatched += part;
      }
      from = comma + 1;
    }
    if (!unmatched.empty()) AppendKept(sheet.kept, unmatched + " {" + std::string(block) + "}");
    if (rule.selectors.empty()) continue;
    rule.declarations = ParseDeclarations(block);
    rule.order = sheet.rules.size();
    sheet.rules.push_back(std::move(rule));
  }
}

bool Matches(const Selector& selector, const std::vector<ElementFacts>& path) {
  if (selector.compounds.empty() || path.empty()) return false;
  // The rightmost compound decides most elements; test it before anything else.
  if (!MatchesCompound(selector.compounds.back(), path.back())) return false;
  std::vector<bool> failed(selector.compounds.size() * path.size());
  return MatchFrom(selector, selector.compounds.size() - 1, path, path.size() - 1, failed);
}

}  // namespace vxhost::svg::css
