// Walking an art object's children and the stroked paths inside it, the way
// the shading effects look through groups, compound paths and containers, and
// moving copies.
#pragma once

#include <cstdint>

#include "frame/host/codes.h"
#include "frame/host/handles.h"
#include "frame/suite_set.h"

namespace vx {

// Calls `visit` on each child of `parent`, first (topmost) to last, until one fails.
template <class Visit>
ai::Code ForEachChild(ai::ArtHandle parent, Visit&& visit) {
  ai::ArtHandle child = nullptr;
  if (ai::Code code = suites::Art().getFirstChild(parent, &child)) return code;
  while (child != nullptr) {
    if (ai::Code code = visit(child)) return code;
    if (ai::Code code = suites::Art().getNextSibling(child, &child)) return code;
  }
  return ai::kNoError;
}

// Art whose children the shading effects' restyling and moving pass through:
// groups, compound paths and the host's plain containers.
bool IsShadingContainer(int16_t kind);

// Calls `visit(width)` for every path under `art` (through groups, compound
// paths and containers) whose stroke is on; other art counts for nothing.
template <class Visit>
ai::Code ForEachStrokeWidth(ai::ArtHandle art, Visit&& visit) {
  int16_t kind = 0;
  if (ai::Code code = suites::Art().getKind(art, &kind)) return code;
  if (IsShadingContainer(kind))
    return ForEachChild(art, [&](ai::ArtHandle child) { return ForEachStrokeWidth(child, visit); });
  if (kind != ai::art_kind::kPath) return ai::kNoError;
  ai::PathStyle style{};
  if (ai::Code code = suites::PathStyle().getPathStyle(art, &style)) return code;
  if (style.strokePaint != 0) visit(style.strokeWidth);
  return ai::kNoError;
}

// Applies `matrix` with the host's art transformation to every leaf of `art`
// (through groups, compound paths and containers), stroke widths unscaled.
ai::Code TransformLeaves(ai::ArtHandle art, const ai::RealMatrix& matrix, int32_t options);

// The vector of `length` in direction `radians` (0 along +x, counter-clockwise),
// by the host's arithmetic.
ai::Code PolarVector(double length, double radians, ai::RealPoint& vector);

}  // namespace vx
