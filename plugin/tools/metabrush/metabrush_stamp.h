// One MetaBrush stamp on a duplicated brush: the jitter of its anchors, the
// colour shift and fade of its paint, its stroke width and opacity, and the
// stamp matrix applied to its anchors and handles.
#pragma once

#include <functional>

#include "frame/host/art_records.h"
#include "frame/host/codes.h"
#include "frame/host/handles.h"

namespace vx::metabrush {

// x' = a x + c y + tx, y' = b x + d y + ty.
struct StampMatrix {
  double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;
  ai::RealPoint Apply(ai::RealPoint p) const { return {a * p.x + c * p.y + tx, b * p.x + d * p.y + ty}; }
};

// Moves `centre` to the origin, scales by (sx, sy), shears (x gains shearH * y,
// y gains shearV * x), turns by `angle` and moves to `to`.
StampMatrix MakeStampMatrix(ai::RealPoint centre, double sx, double sy, double shearH, double shearV, double angle,
                            ai::RealPoint to);

struct StampLook {
  StampMatrix matrix;
  ai::RealPoint untrue{0, 0};  // jitter of every anchor, in x and y
  bool untrueRandom = false;   // jitter by (2u - 1) * U instead of +U or -U
  bool fill = false, stroke = false;  // which paints take the colour shift and fade
  double fillShift[4] = {}, strokeShift[4] = {};
  bool fade = false;
  double fadeFactor = 1;
  ai::ColorRecord fadeTarget{};
  bool line = false;  // stroke widths scale by lineScale
  double lineScale = 1;
  bool transparent = false;  // opacity scales by the fade factor
};

using Uniform = std::function<double()>;

// Shifts a grey, four- or three-colour by `shift` (one value per component),
// moves it toward `target` by 1 - fadeFactor when `fade`, clamps to [0, 1].
// Other kinds are left as they are.
void ShiftAndFade(ai::ColorRecord& color, const double* shift, bool fade, double fadeFactor,
                  const ai::ColorRecord& target);

// White in the colour kind `kind` (grey and four-colour 0, three-colour 1).
ai::ColorRecord WhiteOfKind(int32_t kind);

// Applies the look to every path inside `art` (groups and compound paths pass
// it on); other leaves are only moved by the matrix.
ai::Code ApplyStampLook(ai::ArtHandle art, const StampLook& look, const Uniform& uniform);

}  // namespace vx::metabrush
