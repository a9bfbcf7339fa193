// Transforming art, hit testing, the document view and undo.
#include <cmath>

#include "geometry/curves.h"
#include "suites/art_access.h"
#include "suites/suite_tables.h"

namespace vxhost {
namespace {

void TransformColor(ai::ColorRecord& color, const ai::RealMatrix& m, int32_t options) {
  if (color.kind == ai::color_kind::kGradient && (options & ai::transform_option::kGradients)) {
    color.c.gradient.matrix = Multiply(color.c.gradient.matrix, m);
    color.c.gradient.origin = Apply(m, color.c.gradient.origin);
  }
  if (color.kind == ai::color_kind::kPattern && (options & ai::transform_option::kPatterns))
    color.c.pattern.transform = Multiply(color.c.pattern.transform, m);
}

void TransformTree(Document& document, Art* art, const ai::RealMatrix& m, double lineScale, int32_t options) {
  document.WillChange(art);
  if (options & ai::transform_option::kObjects) {
    if (art->kind == ai::art_kind::kPath) {
      for (ai::SegRecord& s : art->segments) {
        s.anchor = Apply(m, s.anchor);
        s.in = Apply(m, s.in);
        s.out = Apply(m, s.out);
      }
    } else if (art->kind != ai::art_kind::kGroup && art->kind != ai::art_kind::kCompoundPath &&
               art->kind != ai::art_kind::kContainer && art->kind != ai::art_kind::kPluginGroup) {
      // Element space -> SVG user space -> document -> transformed -> SVG user space.
      art->matrix = Multiply(Multiply(Multiply(art->matrix, kFlipY), m), kFlipY);
    }
  }
  TransformColor(art->style.fillColor, m, options);
  TransformColor(art->style.strokeColor, m, options);
  if ((options & ai::transform_option::kLineWidths) && art->kind == ai::art_kind::kPath) {
    art->style.strokeWidth *= lineScale;
    art->style.dash.offset = static_cast<float>(art->style.dash.offset * lineScale);
    for (float& value : art->style.dash.values) value = static_cast<float>(value * lineScale);
  }
  for (Art* child = art->firstChild; child != nullptr; child = child->next)
    TransformTree(document, child, m, lineScale, options);
  if (art->editGroup != nullptr) TransformTree(document, art->editGroup, m, lineScale, options);
  if (art->resultGroup != nullptr) TransformTree(document, art->resultGroup, m, lineScale, options);
}

ai::Code TransformArt(ai::ArtHandle handle, const ai::RealMatrix* matrix, double lineScale, int32_t options) {
  if (matrix == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_ART(handle, art);
  TransformTree(*CurrentDocument(), art, *matrix, lineScale, options);
  return ai::kNoError;
}

// The topmost group above `art` inside its layer, or the art itself.
Art* TopGroupOf(Art* art) {
  Art* top = art;
  while (top->parent != nullptr && top->parent->layer == nullptr) top = top->parent;
  return top;
}

bool PathFilled(const Art& path) { return path.style.fillPaint != 0; }

// On a straight curve the point hit is the foot of the perpendicular from
// `where`, computed exactly: a point on the line is its own foot.
ai::RealPoint OnStraightCurve(const Cubic& c, ai::RealPoint where, ai::RealPoint nearest) {
  const bool straight = c.p1.x == c.p0.x && c.p1.y == c.p0.y && c.p2.x == c.p3.x && c.p2.y == c.p3.y;
  const double dx = c.p3.x - c.p0.x, dy = c.p3.y - c.p0.y;
  const double length2 = dx * dx + dy * dy;
  if (!straight || length2 == 0) return nearest;
  const double along = ((where.x - c.p0.x) * dx + (where.y - c.p0.y) * dy) / length2;
  if (along < 0 || along > 1) return nearest;
  const double off = ((where.x - c.p0.x) * -dy + (where.y - c.p0.y) * dx) / length2;
  if (off == 0) return where;
  return {where.x + off * dy, where.y - off * dx};
}

// Tests one path; fills `result` when it is hit.
bool HitPath(Art* path, Art* owner, ai::RealPoint where, double tolerance, ai::HitResult& result) {
  const auto& s = path->segments;
  for (size_t i = 0; i < s.size(); ++i) {
    if (std::hypot(s[i].anchor.x - where.x, s[i].anchor.y - where.y) <= tolerance) {
      result = {ai::hit_type::kAnchor, HandleOf(path), HandleOf(TopGroupOf(owner)), static_cast<int32_t>(i), 0,
                s[i].anchor};
      return true;
    }
  }
  const std::vector<Cubic> curves = CurvesOf(s, path->closed);
  for (size_t i = 0; i < curves.size(); ++i) {
    const Nearest nearest = NearestOnCubic(curves[i], where);
    if (nearest.distance <= tolerance) {
      result = {ai::hit_type::kCurve, HandleOf(path), HandleOf(TopGroupOf(owner)), static_cast<int32_t>(i),
                nearest.t, OnStraightCurve(curves[i], where, nearest.point)};
      return true;
    }
  }
  return false;
}

bool HitFill(Art* art, ai::RealPoint where, ai::HitResult& result) {
  std::vector<Cubic> outline;
  std::vector<Art*> paths;
  if (art->kind == ai::art_kind::kPath) paths.push_back(art);
  for (Art* child = art->firstChild; child != nullptr; child = child->next)
    if (child->kind == ai::art_kind::kPath) paths.push_back(child);
  if (paths.empty() || !PathFilled(*paths.front())) return false;
  for (Art* path : paths) {
    // Fills close open paths.
    for (const Cubic& c : CurvesOf(path->segments, true)) outline.push_back(c);
  }
  bool onEdge = false;
  const int winding = Winding(outline, where, onEdge);
  const bool inside = paths.front()->style.evenOdd ? (winding % 2 != 0) : winding != 0;
  if (!inside && !onEdge) return false;
  result = {ai::hit_type::kFill, HandleOf(art), HandleOf(TopGroupOf(art)), -1, 0, where};
  return true;
}

// Hits art from the top of the stacking order down.
bool HitTree(Art* art, ai::RealPoint where, double tolerance, ai::HitResult& result) {
  for (Art* child = art->lastChild; child != nullptr; child = child->prior) {
    if (child->hidden()) continue;
    switch (child->kind) {
      case ai::art_kind::kPath:
        if (HitPath(child, child, where, tolerance, result) || HitFill(child, where, result)) return true;
        break;
      case ai::art_kind::kCompoundPath: {
        for (Art* path = child->firstChild; path != nullptr; path = path->next)
          if (path->kind == ai::art_kind::kPath && HitPath(path, child, where, tolerance, result)) return true;
        if (HitFill(child, where, result)) return true;
        break;
      }
      case ai::art_kind::kPluginGroup:
        if (child->resultGroup != nullptr && HitTree(child->resultGroup, where, tolerance, result)) {
          result.group = HandleOf(TopGroupOf(child));
          return true;
        }
        break;
      default:
        if (HitTree(child, where, tolerance, result)) return true;
    }
  }
  return false;
}

ai::Code HitTest(const ai::RealPoint* where, double tolerance, ai::HitResult* result) {
  if (where == nullptr || result == nullptr) return ai::kBadParameter;
  *result = {ai::hit_type::kNothing, nullptr, nullptr, -1, 0, *where};
  VX_HOST_ENTER();
  Document* document = CurrentDocument();
  if (document == nullptr) return ai::kNoDocument;
  for (const auto& layer : document->layers())
    if (layer->visible && HitTree(layer->group, *where, tolerance, *result)) return ai::kNoError;
  return ai::kNoError;
}

ai::Code ArtworkToView(const ai::RealPoint* artwork, ai::ViewPoint* view) {
  if (artwork == nullptr || view == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  Document* document = CurrentDocument();
  if (document == nullptr) return ai::kNoDocument;
  view->h = static_cast<int32_t>(std::lround((artwork->x - document->viewOrigin.x) * document->zoom));
  view->v = static_cast<int32_t>(std::lround((document->viewOrigin.y - artwork->y) * document->zoom));
  return ai::kNoError;
}

ai::Code ViewToArtwork(const ai::ViewPoint* view, ai::RealPoint* artwork) {
  if (artwork == nullptr || view == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  Document* document = CurrentDocument();
  if (document == nullptr) return ai::kNoDocument;
  artwork->x = document->viewOrigin.x + view->h / document->zoom;
  artwork->y = document->viewOrigin.y - view->v / document->zoom;
  return ai::kNoError;
}

ai::Code GetZoom(double* zoom) {
  if (zoom == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  Document* document = CurrentDocument();
  if (document == nullptr) return ai::kNoDocument;
  *zoom = document->zoom;
  return ai::kNoError;
}

ai::Code GetViewBounds(ai::RealRect* bounds) {
  if (bounds == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  Document* document = CurrentDocument();
  if (document == nullptr) return ai::kNoDocument;
  const ai::RealPoint o = document->viewOrigin;
  *bounds = {o.x, o.y, o.x + document->viewSize.h / document->zoom, o.y - document->viewSize.v / document->zoom};
  return ai::kNoError;
}

ai::Code RevertChanges() {
  VX_HOST_ENTER();
  Document* document = CurrentDocument();
  if (document == nullptr) return ai::kNoDocument;
  document->undo().Revert();
  return ai::kNoError;
}

const ai::TransformArtSuite kTransformArt = {TransformArt};
const ai::HitTestSuite kHitTest = {HitTest};
const ai::DocumentViewSuite kDocumentView = {ArtworkToView, ViewToArtwork, GetZoom, GetViewBounds};
const ai::UndoSuite kUndo = {RevertChanges};

}  // namespace

const ai::TransformArtSuite* TransformArtSuiteTable() { return &kTransformArt; }
const ai::HitTestSuite* HitTestSuiteTable() { return &kHitTest; }
const ai::DocumentViewSuite* DocumentViewSuiteTable() { return &kDocumentView; }
const ai::UndoSuite* UndoSuiteTable() { return &kUndo; }

}  // namespace vxhost
