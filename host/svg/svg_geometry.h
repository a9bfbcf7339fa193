// Geometry the SVG reader and writer share: moving segment runs through
// matrices, and the tight box of curves (which objectBoundingBox units refer to).
#pragma once

#include <vector>

#include "document/art.h"

namespace vxhost::svg {

// Every point of every segment through `m`.
void TransformSegments(std::vector<ai::SegRecord>& segments, const ai::RealMatrix& m);

// Segments from SVG user space (y down) into document space: each point through
// `ctm` (skipped when it is the identity), then y negated.
void ToDocument(std::vector<ai::SegRecord>& segments, const ai::RealMatrix& ctm);

// Axis-aligned box of min/max coordinates.
struct Box {
  double minX = 0, minY = 0, maxX = 0, maxY = 0;
  bool empty = true;
  void Add(ai::RealPoint p);
  void AddBox(const Box& other);
};

// The tight box of a segment run's curves after mapping them through `m`.
void AddCurves(Box& box, const std::vector<ai::SegRecord>& segments, bool closed, const ai::RealMatrix& m);
// The tight box of every path inside `art` (itself included), through `m`.
void AddArtCurves(Box& box, const Art& art, const ai::RealMatrix& m);

}  // namespace vxhost::svg
