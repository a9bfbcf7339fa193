// What the document window shows on top of the artwork: the annotations plug-ins
// draw while a tool is in use, kept as a display list so tests and front ends can
// read them back.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "frame/host/art_records.h"
#include "frame/host/handles.h"

namespace vxhost {

struct DisplayItem {
  enum class Kind { kFillRect, kLine, kText };
  Kind kind;
  uint16_t red, green, blue;  // 16 bits per component
  ai::ViewRect rect;          // kFillRect
  ai::ViewPoint from, to;     // kLine; kText is drawn with its base line starting at `from`
  std::string text;           // kText, UTF-8
};

// Text metrics of the view's annotation font: every character is 7 pixels wide;
// the text rises 12 pixels above its base line.
constexpr int32_t kAnnotationCharWidth = 7;
constexpr int32_t kAnnotationTextHeight = 12;

struct ViewDisplay {
  // Redrawn whole each time the host asks the annotators to draw.
  std::vector<DisplayItem> annotations;
};

}  // namespace vxhost
