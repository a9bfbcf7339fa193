// What painting a custom control produces: a list of drawing operations that tests
// and front ends can read. Colours are 0x00BBGGRR, as the platform writes them.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/ui/types.h"

namespace platform::ui {

enum class DrawKind : uint8_t { kEllipse, kLine, kFillRect, kFrameRect, kImage };

struct DrawOp {
  DrawKind kind = DrawKind::kFillRect;
  Rect box;                       // ellipse bounds or rectangle; a line runs from (left, top) to (right, bottom)
  uint32_t pen = 0;               // outline colour
  int32_t penWidth = 0;           // 0: no outline
  std::optional<uint32_t> fill;   // fill colour, when filled
  int32_t image = -1;             // resource id for kImage
  friend bool operator==(const DrawOp&, const DrawOp&) = default;
};

struct DisplayList {
  std::vector<DrawOp> ops;

  void Ellipse(Rect box, uint32_t pen, int32_t penWidth, std::optional<uint32_t> fill = std::nullopt) {
    ops.push_back({DrawKind::kEllipse, box, pen, penWidth, fill, -1});
  }
  void Line(Point from, Point to, uint32_t pen, int32_t penWidth) {
    ops.push_back({DrawKind::kLine, {from.x, from.y, to.x, to.y}, pen, penWidth, std::nullopt, -1});
  }
  void FillRect(Rect box, uint32_t colour) { ops.push_back({DrawKind::kFillRect, box, 0, 0, colour, -1}); }
  void FrameRect(Rect box, uint32_t colour) { ops.push_back({DrawKind::kFrameRect, box, colour, 1, std::nullopt, -1}); }
  void Image(Rect box, int32_t resource) { ops.push_back({DrawKind::kImage, box, 0, 0, std::nullopt, resource}); }
};

}  // namespace platform::ui
