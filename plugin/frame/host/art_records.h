// Records of art that cross the host interface whole: points, rectangles and
// matrices; the segment record; colours and path styles. Their layouts are the
// host's and are checked here byte by byte.
#pragma once

#include <cstddef>
#include <cstdint>

#include "frame/host/handles.h"

namespace ai {

using CustomColorHandle = struct CustomColorOpaque*;
using GradientHandle = struct GradientOpaque*;
using PatternHandle = struct PatternOpaque*;
using LayerHandle = struct LayerOpaque*;

// Document points, y growing upward.
struct RealPoint {
  double x;
  double y;
};

// {left, top, right, bottom}, top >= bottom when not empty.
struct RealRect {
  double left;
  double top;
  double right;
  double bottom;
};

// Row-vector matrix: [x y 1] * [a b 0; c d 0; tx ty 1].
struct RealMatrix {
  double a, b, c, d, tx, ty;
};

// One anchor with its two direction points. The curve from segment i to i+1 is
// anchor(i), out(i), in(i+1), anchor(i+1).
struct SegRecord {
  RealPoint anchor;
  RealPoint in;
  RealPoint out;
  int32_t corner;
  int32_t padding;
};
static_assert(sizeof(SegRecord) == 56);
static_assert(offsetof(SegRecord, in) == 16 && offsetof(SegRecord, out) == 32 && offsetof(SegRecord, corner) == 48);

// Art kinds, as the host classifies art (a 16-bit signed code).
namespace art_kind {
constexpr int16_t kOpaque = 0;  // anything without segments or style of its own (images, foreign content)
constexpr int16_t kGroup = 1;
constexpr int16_t kPath = 2;
constexpr int16_t kCompoundPath = 3;
constexpr int16_t kText = 4;          // text-like art: no segments of its own
constexpr int16_t kStyledRef = 8;     // a styled reference to other art (SVG <use>)
constexpr int16_t kStyledOther = 9;   // other styled art without segments
constexpr int16_t kPluginGroup = 10;  // a live object
constexpr int16_t kContainer = -999;  // a container whose children are visited (SVG <a>, <switch>)
}  // namespace art_kind

// Colour kinds of ColorRecord::kind.
namespace color_kind {
constexpr int32_t kGray = 0;     // 0 white .. 1 black
constexpr int32_t kFour = 1;     // cyan, magenta, yellow, black
constexpr int32_t kPattern = 2;
constexpr int32_t kCustom = 3;   // a global or spot colour at a tint
constexpr int32_t kGradient = 4;
constexpr int32_t kThree = 5;    // red, green, blue; 1 1 1 is white
}  // namespace color_kind

struct GrayColor {
  double gray;
};
struct FourColor {
  double cyan, magenta, yellow, black;
};
struct ThreeColor {
  double red, green, blue;
};
struct CustomColorRef {
  CustomColorHandle color;
  double tint;  // 0 full colour .. 1 white
};
struct GradientColor {
  GradientHandle gradient;
  RealPoint origin;
  double angle;   // radians
  double length;
  RealMatrix matrix;
  double hiliteAngle;
  double hiliteLength;
};
struct PatternColor {
  PatternHandle pattern;
  RealMatrix transform;
};

struct ColorRecord {
  int32_t kind;
  int32_t alignment;
  union {
    GrayColor gray;
    FourColor four;
    ThreeColor three;
    CustomColorRef custom;
    GradientColor gradient;
    PatternColor pattern;
    uint8_t raw[128];
  } c;
};
static_assert(sizeof(ColorRecord) == 136);

struct DashRecord {
  int16_t count;  // dash values in use, 0 for a solid line
  int16_t padding;
  float offset;
  float values[6];
};
static_assert(sizeof(DashRecord) == 32);

// Line caps and joins; code 0 is the first of each.
namespace line_cap {
constexpr int32_t kButt = 0, kRound = 1, kSquare = 2;
}
namespace line_join {
constexpr int32_t kMiter = 0, kRound = 1, kBevel = 2;
}

struct PathStyle {
  int32_t fillPaint;    // fill painted
  int32_t strokePaint;  // stroke painted
  ColorRecord fillColor;
  int32_t fillOverprint;
  int32_t padding1;
  ColorRecord strokeColor;
  int32_t strokeOverprint;
  int32_t padding2;
  double strokeWidth;
  DashRecord dash;
  int32_t lineCap;
  int32_t lineJoin;
  double miterLimit;
  int32_t clip;      // the path is a clipping path
  int32_t lockClip;
  int32_t evenOdd;   // even-odd fill rule
  int32_t padding3;
};
static_assert(offsetof(PathStyle, fillColor) == 8);
static_assert(offsetof(PathStyle, fillOverprint) == 144);
static_assert(offsetof(PathStyle, strokeColor) == 152);
static_assert(offsetof(PathStyle, strokeOverprint) == 288);
static_assert(offsetof(PathStyle, strokeWidth) == 296);
static_assert(offsetof(PathStyle, dash) == 304);
static_assert(offsetof(PathStyle, lineCap) == 336);
static_assert(offsetof(PathStyle, lineJoin) == 340);
static_assert(offsetof(PathStyle, miterLimit) == 344);
static_assert(offsetof(PathStyle, clip) == 352);
static_assert(offsetof(PathStyle, lockClip) == 356);
static_assert(offsetof(PathStyle, evenOdd) == 360);

// Placement of new, moved and duplicated art relative to a reference art.
namespace placement {
constexpr int16_t kAbove = 1;          // just above the reference, as its sibling
constexpr int16_t kBelow = 2;          // just below the reference
constexpr int16_t kInsideOnTop = 3;    // the reference's first (topmost) child
constexpr int16_t kInsideAtBottom = 4; // the reference's last (bottommost) child
}  // namespace placement

// User attribute bits of art.
namespace art_attr {
constexpr int32_t kSelected = 0x01;
constexpr int32_t kLocked = 0x02;
constexpr int32_t kHidden = 0x04;
constexpr int32_t kFullySelected = 0x08;
}  // namespace art_attr

// Options of the bounds query.
namespace bounds_option {
constexpr int32_t kVisible = 0x01;   // the outline widened by half the stroke width
constexpr int32_t kGeometric = 0x02; // the tight box of the curves, no stroke
constexpr int32_t kControl = 0x04;   // anchors and direction points
}  // namespace bounds_option

// Options of the art transformation.
namespace transform_option {
constexpr int32_t kObjects = 0x01;    // segments, and the matrices of text and opaque art
constexpr int32_t kGradients = 0x02;  // gradient placements of fills and strokes
constexpr int32_t kPatterns = 0x04;   // pattern transforms of fills and strokes
constexpr int32_t kLineWidths = 0x08; // stroke widths and dashes scaled by the line scale
}  // namespace transform_option

// A point in the document window, in pixels, y growing downward.
struct ViewPoint {
  int32_t h;
  int32_t v;
};

}  // namespace ai
