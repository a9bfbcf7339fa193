#include "fractalize/generator_shapes.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>

namespace vx {
namespace {

constexpr GeneratorShape kShapes[kGeneratorCount] = {
    {"直角二等辺三角形", "84.9849 602.5654 m\n155.6948 673.2764 L\n226.4058 602.5654 L\nS\n"},
    {"直角三角形１", "129.6089 553.6523 m\n204.6089 596.9531 l\n229.6089 553.6523 l\nS\n"},
    {"直角三角形２", "122 533 m\n222 583 l\n222 533 l\nS\n"},
    {"正三角形１", "124.1738 529.7393 m\n174.1738 616.3418 l\n224.1733 529.7393 l\nS\n"},
    {"正三角形２", "124.1738 529.7393 m\n174.1738 616.3418 l\n224.1733 529.7393 l\n324.1738 529.7393 l\nS\n"},
    {"正三角形３",
     "69.8262 578.6523 m\n99.8262 578.6523 L\n114.8262 604.6328 L\n129.8262 578.6519 L\n159.8262 578.6519 l\nS\n"},
    {"台形１", "66.5654 558 m\n116.5654 644.6025 l\n216.5654 644.6025 l\n266.5654 558 l\nS\n"},
    {"台形２", "66.5654 558 m\n116.5654 644.6025 l\n216.5654 644.6025 l\n266.5654 558 l\n366.5654 558 l\nS\n"},
    {"台形３",
     "-33.4346 558 m\n66.5654 558 l\n116.5654 644.6025 l\n216.5654 644.6025 l\n266.5654 558 l\n366.5654 558 l\nS\n"},
    {"正方形１", "141.5654 487.3477 m\n141.5654 587.3477 l\n241.5654 587.3477 l\n241.5654 487.3477 l\nS\n"},
    {"正方形２",
     "114.3911 535.1738 m\n114.3911 635.1738 l\n214.3911 635.1738 l\n214.3911 535.1738 l\n314.3906 535.1738 l\nS\n"},
    {"正方形３",
     "60.0435 589.522 m\n90.0435 589.522 l\n90.0435 619.522 l\n120.0435 619.522 l\n120.0435 589.522 l\n"
     "150.0435 589.522 l\nS\n"},
    {"逆正三角形",
     "66.5654 558 m\n166.5654 558 l\n116.5654 644.6025 l\n216.5654 644.6025 l\n166.5654 558 l\n266.5654 558 l\nS\n"},
    {"半円",
     "110.0435 565.6089 m\n110.0435 593.2231 132.4292 615.6089 160.0435 615.6089 c\n"
     "187.6577 615.6089 210.0435 593.2231 210.0435 565.6089 c\nS\n"},
};

bool IsPaintingOperator(std::string_view word) {
  static constexpr std::string_view kPainting[] = {"S", "s", "F", "f", "B", "b", "N", "n", "f*", "F*", "B*", "b*"};
  for (std::string_view painting : kPainting)
    if (word == painting) return true;
  return false;
}

SegRecord AnchorAt(ai::RealPoint p, bool corner) { return SegRecord{p, p, p, corner ? 1 : 0, 0}; }

}  // namespace

std::span<const GeneratorShape> GeneratorShapes() { return kShapes; }

int32_t ParseGeneratorText(std::string_view text, SegRecord* out, int32_t capacity) {
  int32_t count = 0;
  SegRecord last{};  // the anchor added last, also when it found no room
  auto add = [&](const SegRecord& anchor) {
    if (count < capacity) out[count] = anchor;
    last = anchor;
    ++count;
  };
  double operands[6];
  int operandCount = 0;
  size_t at = 0;
  bool lineStart = true;
  while (at < text.size()) {
    const char c = text[at];
    if (c == '\n' || c == '\r') {
      lineStart = true;
      ++at;
      continue;
    }
    if (std::isspace(static_cast<unsigned char>(c))) {
      ++at;
      continue;
    }
    if (lineStart && c == '%') {
      while (at < text.size() && text[at] != '\n' && text[at] != '\r') ++at;
      continue;
    }
    lineStart = false;
    if (c == '(') {
      int depth = 0;
      do {
        if (text[at] == '(') ++depth;
        else if (text[at] == ')') --depth;
        ++at;
      } while (at < text.size() && depth > 0);
      continue;
    }
    size_t end = at;
    while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end])) && text[end] != '(') ++end;
    const std::string word(text.substr(at, end - at));
    at = end;
    char* stop = nullptr;
    const float number = std::strtof(word.c_str(), &stop);
    if (stop != word.c_str() && *stop == '\0') {
      // Only the last six numbers can belong to an operator.
      if (operandCount == 6) std::copy(operands + 1, operands + 6, operands);
      operands[operandCount < 6 ? operandCount++ : 5] = number;
      continue;
    }
    if (IsPaintingOperator(word)) break;
    const bool corner = word == "L" || word == "C";
    if (word == "m" || word == "l" || word == "L") {
      if (operandCount < 2 || (word == "m" && count > 0)) return 0;
      add(AnchorAt({operands[operandCount - 2], operands[operandCount - 1]}, word == "m" || corner));
    } else if (word == "c" || word == "C") {
      if (operandCount < 6 || count == 0) return 0;
      last.out = {operands[0], operands[1]};
      if (count <= capacity) out[count - 1].out = last.out;
      SegRecord added = AnchorAt({operands[4], operands[5]}, corner);
      added.in = {operands[2], operands[3]};
      add(added);
    }
    // Other operators (none in the shapes) carry nothing for the path.
    operandCount = 0;
  }
  return count;
}

}  // namespace vx
