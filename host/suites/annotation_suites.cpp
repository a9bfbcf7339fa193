// The annotator drawer: what an annotator draws goes into the document view's
// display list.
#include <cstring>

#include "annotations.h"
#include "document/document.h"
#include "host.h"
#include "suites/suite_tables.h"

namespace vxhost {
namespace {

AnnotationCanvas* CanvasOf(ai::AnnotatorDrawer drawer) { return reinterpret_cast<AnnotationCanvas*>(drawer); }

DisplayItem Item(const AnnotationCanvas& canvas, DisplayItem::Kind kind) {
  DisplayItem item{};
  item.kind = kind;
  item.red = canvas.red;
  item.green = canvas.green;
  item.blue = canvas.blue;
  return item;
}

// Characters, not bytes: UTF-8 continuation bytes do not count.
int32_t CharacterCount(const char* text) {
  int32_t count = 0;
  for (const char* at = text; *at != '\0'; ++at)
    if ((static_cast<unsigned char>(*at) & 0xC0) != 0x80) ++count;
  return count;
}

ai::Code SetColor(ai::AnnotatorDrawer drawer, uint16_t red, uint16_t green, uint16_t blue) {
  if (drawer == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  AnnotationCanvas* canvas = CanvasOf(drawer);
  canvas->red = red;
  canvas->green = green;
  canvas->blue = blue;
  return ai::kNoError;
}

ai::Code FillRect(ai::AnnotatorDrawer drawer, const ai::ViewRect* rect) {
  if (drawer == nullptr || rect == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  AnnotationCanvas* canvas = CanvasOf(drawer);
  DisplayItem item = Item(*canvas, DisplayItem::Kind::kFillRect);
  item.rect = *rect;
  canvas->document->display.annotations.push_back(std::move(item));
  return ai::kNoError;
}

ai::Code DrawLine(ai::AnnotatorDrawer drawer, const ai::ViewPoint* from, const ai::ViewPoint* to) {
  if (drawer == nullptr || from == nullptr || to == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  AnnotationCanvas* canvas = CanvasOf(drawer);
  DisplayItem item = Item(*canvas, DisplayItem::Kind::kLine);
  item.from = *from;
  item.to = *to;
  canvas->document->display.annotations.push_back(std::move(item));
  return ai::kNoError;
}

ai::Code MeasureText(ai::AnnotatorDrawer drawer, const char* text, const ai::ViewPoint* at, ai::ViewRect* box) {
  if (drawer == nullptr || text == nullptr || at == nullptr || box == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  *box = {at->h, at->v - kAnnotationTextHeight, at->h + CharacterCount(text) * kAnnotationCharWidth, at->v};
  return ai::kNoError;
}

ai::Code DrawText(ai::AnnotatorDrawer drawer, const char* text, const ai::ViewPoint* at) {
  if (drawer == nullptr || text == nullptr || at == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  AnnotationCanvas* canvas = CanvasOf(drawer);
  DisplayItem item = Item(*canvas, DisplayItem::Kind::kText);
  item.from = *at;
  item.text = text;
  canvas->document->display.annotations.push_back(std::move(item));
  return ai::kNoError;
}

const ai::AnnotatorDrawerSuite kAnnotatorDrawer = {SetColor, FillRect, DrawLine, MeasureText, DrawText};

}  // namespace

const ai::AnnotatorDrawerSuite* AnnotatorDrawerSuiteTable() { return &kAnnotatorDrawer; }

}  // namespace vxhost
