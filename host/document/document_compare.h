// Compares two documents' content: layers, art trees (kinds, structure,
// segments bit for bit, closed flags, path styles, opacity, clipping, verbatim
// art, live data), gradients, patterns, custom colours, colour model and ruler
// unit. Paint references compare by what they refer to (names and content), not
// by handle. Selection bits are not content and are ignored.
#pragma once

#include <string>

#include "document/document.h"

namespace vxhost {

// "" when the documents hold the same content; otherwise the first difference,
// with where it is ("layer 1 'Layer 1' > art 2 (path) > segment 3 anchor.x: 1.5 vs 1.25").
std::string CompareDocuments(const Document& a, const Document& b);

// The same for two art trees alone.
std::string CompareArt(const Art& a, const Art& b);

// The art kind's name as people read it ("path", "compound path", ...).
const char* ArtKindName(int16_t kind);

}  // namespace vxhost
