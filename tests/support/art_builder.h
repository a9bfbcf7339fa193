// Builds art straight into a host document, for tests that need a drawing to
// work on.
#pragma once

#include <initializer_list>
#include <vector>

#include "document/document.h"
#include "frame/host/art_records.h"

namespace vxtest {

inline ai::SegRecord Corner(double x, double y) { return {{x, y}, {x, y}, {x, y}, 1, 0}; }

// A path of corner points appended inside `parent` (at the bottom of its children).
inline vxhost::Art* AddPath(vxhost::Document& document, vxhost::Art* parent,
                            std::initializer_list<ai::RealPoint> points, bool closed = false) {
  vxhost::Art* path = document.NewArt(ai::art_kind::kPath);
  for (ai::RealPoint p : points) path->segments.push_back(Corner(p.x, p.y));
  path->closed = closed;
  path->style.fillPaint = 1;
  path->style.fillColor.kind = ai::color_kind::kThree;
  path->style.strokeWidth = 1;
  path->style.miterLimit = 4;
  document.Insert(path, ai::placement::kInsideAtBottom, parent);
  return path;
}

inline vxhost::Art* AddArt(vxhost::Document& document, vxhost::Art* parent, int16_t kind) {
  vxhost::Art* art = document.NewArt(kind);
  document.Insert(art, ai::placement::kInsideAtBottom, parent);
  return art;
}

inline vxhost::Art* LayerGroup(vxhost::Document& document) { return document.currentLayer()->group; }

inline ai::ArtHandle Handle(vxhost::Art* art) { return reinterpret_cast<ai::ArtHandle>(art); }

}  // namespace vxtest
