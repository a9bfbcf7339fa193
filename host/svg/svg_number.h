// Numbers in SVG text: scanning the SVG number grammar (as path data, lists and
// attributes use it) and writing doubles in their shortest form that reads back
// to the same bits.
#pragma once

#include <string>
#include <string_view>

namespace vxhost::svg {

// Skips white space and at most one comma (the separator of SVG lists).
void SkipSeparators(std::string_view& text);
void SkipSpace(std::string_view& text);

// Reads one number at the start of `text` ("-1", ".5", "1e-3", "+2."), advancing
// past it. False, with `text` untouched, when no number starts there or it is out
// of the range of a double.
bool ReadNumber(std::string_view& text, double& value);

// A whole attribute value that is one number (white space around allowed).
bool ParseNumber(std::string_view text, double& value);

// A length: a number with an optional absolute unit, in user units (px). Percent
// and font-relative units give false.
bool ParseLength(std::string_view text, double& value);

// Shortest text that reads back as exactly `value`; non-finite values are written
// as 0 so the output stays valid SVG.
std::string FormatNumber(double value);
void AppendNumber(std::string& out, double value);

}  // namespace vxhost::svg
