#include "annotations.h"

#include "document/document.h"
#include "host.h"
#include "plugin_loader.h"

namespace vxhost {

ai::Code DrawAnnotations(Host& host) {
  Document* document = host.document();
  if (document == nullptr) return ai::kNoError;
  document->display.annotations.clear();
  ai::Code first = ai::kNoError;
  for (AnnotatorRecord* annotator : host.annotators()) {
    if (!annotator->active || annotator->owner == nullptr || !annotator->owner->codeLoaded()) continue;
    AnnotationCanvas canvas{document};
    ai::AnnotatorMessage message{};
    message.annotator = reinterpret_cast<ai::AnnotatorHandle>(annotator);
    message.drawer = reinterpret_cast<ai::AnnotatorDrawer>(&canvas);
    const ai::Code code = annotator->owner->Send(ai::callers::kAnnotation, ai::selectors::kDraw, message);
    if (first == ai::kNoError) first = code;
  }
  return first;
}

}  // namespace vxhost
