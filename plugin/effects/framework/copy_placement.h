// Placing copies of an object: the operations every copy-arranging effect
// (Circle, Reflections, Frame, Tiling, Generation, Explosion, Galaxy) shares.
//
// Coordinates are the host's page coordinates, y growing upward. Matrices act
// on row vectors and compose left to right, as the host's real-matrix
// operations build them: the first operation named is applied first.
#pragma once

#include <cstdint>

#include "frame/host/art_records.h"
#include "frame/host/codes.h"
#include "frame/host/handles.h"

namespace vx {

// The geometric bounds of `art` as the host gives them (no stroke, no extra
// matrix). `usable` is false when they are not finite numbers, inverted, or a
// single point (art without geometry, such as an empty group, has an empty
// box): such art has no place to arrange copies about, and callers skip it
// rather than drawing marks about nothing or writing NaN coordinates. A line
// (zero width or zero height) is usable.
ai::Code SourceBounds(ai::ArtHandle art, ai::RealRect* bounds, bool* usable);

// One of the nine datum points of `bounds`: column `index` mod 3 (left,
// centre, right), row `index` div 3 (top, middle, bottom). An index outside
// 0..8 is taken as the centre (4).
ai::RealPoint DatumPoint(const ai::RealRect& bounds, int32_t index);

// The centre of `bounds`.
ai::RealPoint BoundsCentre(const ai::RealRect& bounds);

// Draws a plus-shaped mark with 4 pt arms at `at` into `group` (two open
// three-anchor paths, horizontal first, each created on top): no fill, a
// 0.5 pt stroke of gray 1.0, no dashes, miter limit 4.
ai::Code DrawCenterMark(ai::ArtHandle group, ai::RealPoint at);

// Applies `matrix` to every leaf of `art`: groups and compound paths pass it on
// to their children, first to last, and are never transformed themselves.
// Fills' gradients and patterns move along; stroke widths stay as they are.
ai::Code TransformArtLeaves(ai::ArtHandle art, const ai::RealMatrix& matrix);

// The matrix that turns by `radians` about `centre` and then scales by
// (sx, sy) about it: T(-centre) R(radians) S(sx, sy) T(centre).
ai::Code TurnAbout(ai::RealPoint centre, double radians, double sx, double sy, ai::RealMatrix* matrix);

// The matrix that turns by `radians` about `centre`, scales by (sx, sy) about
// it and then moves by `move`: T(-centre) R(radians) S(sx, sy) T(move) T(centre).
ai::Code TurnMoveAbout(ai::RealPoint centre, double radians, double sx, double sy, ai::RealPoint move,
                       ai::RealMatrix* matrix);

// Whether `radians` lies within 0.001 of a whole multiple of pi (0 included).
bool NearHalfTurn(double radians);

// Turns the leaves of `art` about `centre` by `radians`, then scales them by
// (sx, sy) about it. Close to a whole multiple of pi the turn is made in two
// steps, first 0.1 rad alone and then the rest with the scale, so that the
// host never receives a turn whose sine vanishes in the same matrix as a
// scale (a half turn and a flip cannot be told apart there).
ai::Code TurnArtLeaves(ai::ArtHandle art, ai::RealPoint centre, double radians, double sx, double sy);

// TurnArtLeaves followed by a move of `move`, in the same matrix (and with the
// same two-step turn close to a whole multiple of pi).
ai::Code TurnMoveArtLeaves(ai::ArtHandle art, ai::RealPoint centre, double radians, double sx, double sy,
                           ai::RealPoint move);

// The matrix that blows a copy out of `centre`: scaled by `scale` about its
// datum point `datum`, pushed away from the centre by `push` along the line
// from `centre` through `datum`, then turned by `radians` about the centre:
// T(-datum) S(scale, scale) T(datum - centre) T(push, 0) R(radians) T(centre).
// The datum lands at distance |datum - centre| + push from the centre.
ai::Code ExplodeMatrix(ai::RealPoint datum, ai::RealPoint centre, double push, double radians, double scale,
                       ai::RealMatrix* matrix);

// The union of the bounds of the selected art, groups and live objects left
// out (their leaves are selected with them and count on their own). Returns -1
// and leaves `bounds` as it is when nothing is selected; an all-zero rectangle
// when nothing selected has bounds of its own.
ai::Code SelectionBounds(ai::RealRect* bounds);

// Where a copy goes in its group: above the copies made before it, or below.
enum class Stacking : uint8_t { kAbove, kBelow };

// Duplicates `source` into `group` on top (kAbove) or at the bottom (kBelow).
ai::Code DuplicateInto(ai::ArtHandle source, ai::ArtHandle group, Stacking stacking, ai::ArtHandle* copy);

}  // namespace vx
