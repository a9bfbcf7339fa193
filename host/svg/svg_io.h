// Reading and writing SVG files: the entry points of the host's SVG support.
//
// Reading maps SVG onto the document model: 1 user unit is 1 point, document y
// is the negated SVG y, transforms are baked into coordinates, shapes become
// cubic segments, styles become path styles with colour records. Writing gives
// back SVG that reads into the same art with bit-identical coordinates.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "document/document.h"

namespace vxhost::svg {

// The namespace of VELLUMiX4's own attributes and elements (prefix vx).
inline constexpr const char* kVxNamespace = "urn:vellumix4:svg";

// A file that cannot be read or written; the message names the file (and the
// line and column of an XML error) and is meant for the user as it is.
class SvgError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads SVG text. `sourceName` names it in error messages and is kept in the
// document. `notes` receives what was read approximately (may be null).
std::unique_ptr<Document> ReadSvg(std::string_view text, const std::string& sourceName,
                                  std::vector<std::string>* notes = nullptr);
// The bytes of a file; "-" reads standard input. Throws SvgError naming the file.
std::string ReadFileText(const std::string& path);
// Reads a file; "-" reads standard input.
std::unique_ptr<Document> ReadSvgFile(const std::string& path, std::vector<std::string>* notes = nullptr);

// The document as SVG text.
std::string WriteSvg(const Document& document);
// Writes a file through a temporary file in the same folder renamed into place,
// so a failure leaves no partial file; "-" writes standard output.
void WriteSvgFile(const Document& document, const std::string& path);

}  // namespace vxhost::svg
