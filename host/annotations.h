// Annotations: the host asks every active annotator to draw into the document
// view's display list, as it does when the view is redrawn after a tool message.
#pragma once

#include <cstdint>

#include "frame/host/codes.h"

namespace vxhost {

class Host;
class Document;

// What a drawer handle given to an annotator points at while it draws.
struct AnnotationCanvas {
  Document* document;
  uint16_t red = 0, green = 0, blue = 0;
};

// Clears the current document's annotations and sends "AI Annotation" /
// "AI Draw" to every active annotator. The first failure is returned; the
// others still draw.
ai::Code DrawAnnotations(Host& host);

}  // namespace vxhost
