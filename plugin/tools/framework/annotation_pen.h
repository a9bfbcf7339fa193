// AnnotationPen: draws outlines given in artwork coordinates on the annotator
// during a tool's drag, and keeps the view rectangle they cover so the host can
// invalidate exactly that at the next message.
#pragma once

#include <cstdint>

#include "frame/host/art_records.h"
#include "frame/host/codes.h"
#include "frame/host/suites.h"
#include "geometry/bezier.h"

namespace vx {

class AnnotationPen {
 public:
  // `covered` starts empty (left > right) and grows with everything drawn.
  AnnotationPen(ai::AnnotatorDrawer drawer, ai::ViewRect* covered);

  // The light blue the tools outline their areas and working copies in.
  ai::Code UseOutlineColour();
  // A cubic drawn as straight pieces.
  ai::Code Curve(const SegmentPair& pair);
  // The ellipse with semi-axes rx, ry around `centre`.
  ai::Code Ellipse(ai::RealPoint centre, double rx, double ry);
  // Widens what was drawn by a margin on every side (lines have width).
  void Finish();

 private:
  ai::Code ToView(ai::RealPoint p, ai::ViewPoint* view);
  ai::Code Line(ai::ViewPoint from, ai::ViewPoint to);

  ai::AnnotatorDrawer drawer_;
  ai::ViewRect* covered_;
  bool any_ = false;
};

}  // namespace vx
