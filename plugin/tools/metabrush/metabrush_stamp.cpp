#include "tools/metabrush/metabrush_stamp.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "effects/framework/copy_placement.h"
#include "frame/suite_set.h"

namespace vx::metabrush {
namespace {

int ComponentCount(int32_t kind) {
  switch (kind) {
    case ai::color_kind::kGray: return 1;
    case ai::color_kind::kFour: return 4;
    case ai::color_kind::kThree: return 3;
    default: return 0;
  }
}

double* Components(ai::ColorRecord& color) {
  switch (color.kind) {
    case ai::color_kind::kGray: return &color.c.gray.gray;
    case ai::color_kind::kFour: return &color.c.four.cyan;
    case ai::color_kind::kThree: return &color.c.three.red;
    default: return nullptr;
  }
}

// The lightness 0 (black) .. 1 (white) of a process colour.
double Lightness(const ai::ColorRecord& c) {
  switch (c.kind) {
    case ai::color_kind::kGray: return 1 - c.c.gray.gray;
    case ai::color_kind::kFour:
      return (1 - std::min(1.0, (c.c.four.cyan + c.c.four.magenta + c.c.four.yellow) / 3)) * (1 - c.c.four.black);
    case ai::color_kind::kThree: return (c.c.three.red + c.c.three.green + c.c.three.blue) / 3;
    default: return 1;
  }
}

// `target` in the colour kind `kind`: the same kind as it is, another process
// kind through a plain conversion, anything else as white.
ai::ColorRecord TargetIn(int32_t kind, const ai::ColorRecord& target) {
  if (target.kind == kind) return target;
  ai::ColorRecord out = WhiteOfKind(kind);
  if (ComponentCount(target.kind) == 0) return out;
  if (kind == ai::color_kind::kGray) {
    out.c.gray.gray = 1 - Lightness(target);
  } else if (kind == ai::color_kind::kThree) {
    if (target.kind == ai::color_kind::kFour) {
      const double k = 1 - target.c.four.black;
      out.c.three = {(1 - target.c.four.cyan) * k, (1 - target.c.four.magenta) * k, (1 - target.c.four.yellow) * k};
    } else {
      const double l = Lightness(target);
      out.c.three = {l, l, l};
    }
  } else if (kind == ai::color_kind::kFour) {
    if (target.kind == ai::color_kind::kThree) {
      const double k = 1 - std::max({target.c.three.red, target.c.three.green, target.c.three.blue});
      const double w = 1 - k;
      out.c.four = {w > 0 ? (1 - target.c.three.red - k) / w : 0, w > 0 ? (1 - target.c.three.green - k) / w : 0,
                    w > 0 ? (1 - target.c.three.blue - k) / w : 0, k};
    } else {
      out.c.four = {0, 0, 0, 1 - Lightness(target)};
    }
  }
  return out;
}

ai::Code ApplyToPath(ai::ArtHandle path, const StampLook& look, const Uniform& uniform) {
  int32_t count = 0;
  if (ai::Code code = suites::Path().getSegmentCount(path, &count)) return code;
  std::vector<ai::SegRecord> segments(static_cast<size_t>(std::max(count, 0)));
  if (count > 0) {
    if (ai::Code code = suites::Path().getSegments(path, 0, count, segments.data())) return code;
    const bool jitter = look.untrue.x != 0 || look.untrue.y != 0;
    for (ai::SegRecord& s : segments) {
      if (jitter) {
        ai::RealPoint move{0, 0};
        for (int axis = 0; axis < 2; ++axis) {
          const double u = axis == 0 ? look.untrue.x : look.untrue.y;
          if (u == 0) continue;
          const double r = uniform();
          const double m = look.untrueRandom ? (2 * r - 1) * u : (r > 0.5 ? u : -u);
          (axis == 0 ? move.x : move.y) = m;
        }
        for (ai::RealPoint* p : {&s.anchor, &s.in, &s.out}) {
          p->x += move.x;
          p->y += move.y;
        }
      }
      s.anchor = look.matrix.Apply(s.anchor);
      s.in = look.matrix.Apply(s.in);
      s.out = look.matrix.Apply(s.out);
    }
    if (ai::Code code = suites::Path().setSegments(path, 0, count, segments.data())) return code;
  }
  if (look.fill || look.stroke || look.line) {
    ai::PathStyle style{};
    if (ai::Code code = suites::PathStyle().getPathStyle(path, &style)) return code;
    if (look.fill) ShiftAndFade(style.fillColor, look.fillShift, look.fade, look.fadeFactor, look.fadeTarget);
    if (look.stroke) ShiftAndFade(style.strokeColor, look.strokeShift, look.fade, look.fadeFactor, look.fadeTarget);
    if (look.line) style.strokeWidth *= std::fabs(look.lineScale);
    if (ai::Code code = suites::PathStyle().setPathStyle(path, &style)) return code;
  }
  if (look.fade && look.transparent) {
    double opacity = 1;
    if (ai::Code code = suites::BlendStyle().getOpacity(path, &opacity)) return code;
    if (ai::Code code = suites::BlendStyle().setOpacity(path, std::clamp(opacity * look.fadeFactor, 0.0, 1.0)))
      return code;
  }
  return ai::kNoError;
}

}  // namespace

StampMatrix MakeStampMatrix(ai::RealPoint centre, double sx, double sy, double shearH, double shearV, double angle,
                            ai::RealPoint to) {
  // Scale then shear: [sx, shearV*sx; shearH*sy, sy] on (x, y) as columns.
  const double a0 = sx, b0 = shearV * sx, c0 = shearH * sy, d0 = sy;
  const double cs = std::cos(angle), sn = std::sin(angle);
  StampMatrix m;
  m.a = cs * a0 - sn * b0;
  m.b = sn * a0 + cs * b0;
  m.c = cs * c0 - sn * d0;
  m.d = sn * c0 + cs * d0;
  m.tx = to.x - (m.a * centre.x + m.c * centre.y);
  m.ty = to.y - (m.b * centre.x + m.d * centre.y);
  return m;
}

ai::ColorRecord WhiteOfKind(int32_t kind) {
  ai::ColorRecord white{};
  white.kind = kind;
  if (kind == ai::color_kind::kThree) white.c.three = {1, 1, 1};
  return white;
}

void ShiftAndFade(ai::ColorRecord& color, const double* shift, bool fade, double fadeFactor,
                  const ai::ColorRecord& target) {
  double* c = Components(color);
  if (c == nullptr) return;
  const int n = ComponentCount(color.kind);
  ai::ColorRecord to = TargetIn(color.kind, target);
  const double* t = Components(to);
  for (int i = 0; i < n; ++i) {
    double v = c[i] + shift[i];
    if (fade) v += (1 - fadeFactor) * (t[i] - v);
    c[i] = std::clamp(v, 0.0, 1.0);
  }
}

ai::Code ApplyStampLook(ai::ArtHandle art, const StampLook& look, const Uniform& uniform) {
  int16_t kind = 0;
  if (ai::Code code = suites::Art().getKind(art, &kind)) return code;
  if (kind == ai::art_kind::kPath) return ApplyToPath(art, look, uniform);
  if (kind == ai::art_kind::kGroup || kind == ai::art_kind::kCompoundPath) {
    ai::ArtHandle child = nullptr;
    if (ai::Code code = suites::Art().getFirstChild(art, &child)) return code;
    while (child != nullptr) {
      if (ai::Code code = ApplyStampLook(child, look, uniform)) return code;
      if (ai::Code code = suites::Art().getNextSibling(child, &child)) return code;
    }
    return ai::kNoError;
  }
  const StampMatrix& m = look.matrix;
  return TransformArtLeaves(art, ai::RealMatrix{m.a, m.b, m.c, m.d, m.tx, m.ty});
}

}  // namespace vx::metabrush
