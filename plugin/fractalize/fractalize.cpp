#include "fractalize/fractalize.h"

#include <cmath>
#include <cstring>

#include "fractalize/generator_shapes.h"
#include "frame/suite_set.h"

namespace vx {
namespace {

// Maps generator points onto one segment: the generator's first anchor (the
// origin) lands on `from`, its last on `to` (the generator's chord lies along +x).
class SegmentMap {
 public:
  SegmentMap(double inverseChord, ai::RealPoint from, ai::RealPoint to)
      : from_(from), ux_((to.x - from.x) * inverseChord), uy_((to.y - from.y) * inverseChord) {}

  ai::RealPoint operator()(ai::RealPoint p) const {
    return {from_.x + p.x * ux_ - p.y * uy_, from_.y + p.x * uy_ + p.y * ux_};
  }
  // A generator record placed at `anchor`; a handle on its anchor stays exactly on it.
  void Place(const SegRecord& g, ai::RealPoint anchor, SegRecord& out) const {
    out.anchor = anchor;
    out.in = g.in.x == g.anchor.x && g.in.y == g.anchor.y ? anchor : (*this)(g.in);
    out.out = g.out.x == g.anchor.x && g.out.y == g.anchor.y ? anchor : (*this)(g.out);
    out.corner = g.corner;
    out.padding = 0;
  }

 private:
  ai::RealPoint from_;
  double ux_, uy_;
};

int32_t ClampedLevel(uint32_t level) {
  // A level of 0 (only a hand-edited preset has one) counts as 1.
  return level < 1 ? 1 : level > 14 ? 14 : static_cast<int32_t>(level);
}

// One level that moves anchors only: `in` holds `count` anchors, `out`
// receives the new anchors (their handles are left unset). The generator's
// ends land exactly on the segment's anchors, so shared anchors never drift.
int32_t AnchorLevel(const Generator& generator, const SegRecord* in, int32_t count, bool closed, SegRecord* out) {
  const SegRecord* g = generator.records();
  const int32_t b = generator.count;
  const double inverseChord = 1 / generator.chord;
  int32_t written = 0;
  out[written++].anchor = in[0].anchor;
  const int32_t segments = closed ? count : count - 1;
  for (int32_t u = 0; u < segments; ++u) {
    const bool closing = u + 1 == count;  // a closed path's closing segment ends on its first anchor
    const ai::RealPoint to = in[closing ? 0 : u + 1].anchor;
    const SegmentMap map(inverseChord, in[u].anchor, to);
    for (int32_t j = 1; j < b - 1; ++j) out[written++].anchor = map(g[j].anchor);
    if (!closing) out[written++].anchor = to;
  }
  return written;
}

// The last level: anchors with their handles and corner flags. A shared anchor
// takes its place and in handle from the segment arriving there, its out handle
// and corner flag from the segment leaving it.
int32_t FinalLevel(const Generator& generator, const SegRecord* in, int32_t count, bool closed, SegRecord* out) {
  const SegRecord* g = generator.records();
  const int32_t b = generator.count;
  const double inverseChord = 1 / generator.chord;
  int32_t written = 0;
  const int32_t segments = closed ? count : count - 1;
  for (int32_t u = 0; u < segments; ++u) {
    const bool closing = u + 1 == count;
    const ai::RealPoint from = in[u].anchor, to = in[closing ? 0 : u + 1].anchor;
    const SegmentMap map(inverseChord, from, to);
    if (u == 0) {
      map.Place(g[0], from, out[written++]);
    } else {
      SegRecord first;
      map.Place(g[0], from, first);
      out[written - 1].out = first.out;
      out[written - 1].corner = first.corner;
    }
    for (int32_t j = 1; j < b - 1; ++j) map.Place(g[j], map(g[j].anchor), out[written++]);
    SegRecord end;
    map.Place(g[b - 1], to, end);
    if (closing) out[0].in = end.in;
    else out[written++] = end;
  }
  return written;
}

}  // namespace

ai::Code PrepareGenerator(const FractalizeParams& record, Generator& generator) {
  if (record.generator < 1 || record.generator > static_cast<uint32_t>(kGeneratorCount)) return ai::kBadParameter;
  const char* text = GeneratorShapes()[record.generator - 1].text;
  const int32_t b = ParseGeneratorText(text, nullptr, 0);
  if (b < 2) return ai::kCantHappen;
  if (ai::Code code = generator.block.Allocate(sizeof(SegRecord) * b, fractal_blocks::kGenerator)) return code;
  SegRecord* g = generator.block.as<SegRecord>();
  ParseGeneratorText(text, g, b);
  const ai::RealPoint first = g[0].anchor;
  const double scale = record.genHeight / 100.0;
  for (int32_t j = 0; j < b; ++j) {
    for (ai::RealPoint* p : {&g[j].anchor, &g[j].in, &g[j].out}) {
      *p = {p->x - first.x, p->y - first.y};
      if (record.genHeight != 100.0) p->y *= scale;
    }
  }
  // The stored shapes put their last anchor a hair off the first one's level
  // (the Koch shape by 0.0004): turned onto +x, the chord lands exactly on
  // each segment, so anchors the levels share never drift apart.
  const double turn = -std::atan2(g[b - 1].anchor.y, g[b - 1].anchor.x);
  const double c = std::cos(turn), sn = std::sin(turn);
  for (int32_t j = 0; j < b; ++j)
    for (ai::RealPoint* p : {&g[j].anchor, &g[j].in, &g[j].out}) *p = {p->x * c - p->y * sn, p->x * sn + p->y * c};
  generator.chord = std::hypot(g[b - 1].anchor.x, g[b - 1].anchor.y);
  g[b - 1].anchor = {generator.chord, 0};
  g[0].corner = 1;
  g[b - 1].corner = 1;
  generator.count = b;
  return generator.chord > 0 ? ai::kNoError : ai::kCantHappen;
}

int32_t FractalSegmentCount(int32_t generatorCount, int32_t level, int32_t anchors, bool closed) {
  int64_t c = 1;
  for (int32_t k = 0; k < level && c <= kMaxFractalSegments; ++k) c *= generatorCount - 1;
  c = closed ? c * anchors : c * (anchors - 1) + 1;
  return c < 1 || c > kMaxFractalSegments ? 0 : static_cast<int32_t>(c);
}

void FractalizeRun(const Generator& generator, int32_t level, const PathRun& in, SegRecord* out, SegRecord* work) {
  const SegRecord* from = in.segments;
  int32_t count = in.count;
  for (int32_t l = 1; l <= level; ++l) {
    // The buffers take turns so that the last level lands in `out`.
    SegRecord* to = (level - l) % 2 == 0 ? out : work;
    count = l == level ? FinalLevel(generator, from, count, in.closed, to)
                       : AnchorLevel(generator, from, count, in.closed, to);
    from = to;
  }
}

ai::Code FractalizePath(const FractalizeParams& record, const Generator& generator, ai::ArtHandle path) {
  const ai::PathSuite& paths = suites::Path();
  int32_t original = 0, closed = 0;
  if (ai::Code code = paths.getSegmentCount(path, &original)) return code;
  if (ai::Code code = paths.getClosed(path, &closed)) return code;
  if (original < 2 || original > kMaxFractalSegments) return ai::kNoError;
  NamedBlock read;
  if (ai::Code code = read.Allocate(sizeof(SegRecord) * original, fractal_blocks::kPathSegments)) return code;
  if (ai::Code code = paths.getSegments(path, 0, original, read.as<SegRecord>())) return code;

  PathRun run{read.as<SegRecord>(), original, closed != 0};
  NamedBlock jittered;
  if (ai::Code code = JitterForFractal(record, path, run, jittered)) return code;
  if (run.count < 2 || run.count > kMaxFractalSegments) return ai::kNoError;

  const int32_t level = ClampedLevel(record.level);
  const int32_t total = FractalSegmentCount(generator.count, level, run.count, run.closed);
  if (total == 0) return codes::kSegmentLimit;
  NamedBlock work, result;
  if (ai::Code code = work.Allocate(sizeof(SegRecord) * total, fractal_blocks::kOldLevel)) return code;
  if (ai::Code code = result.Allocate(sizeof(SegRecord) * total, fractal_blocks::kNewLevel)) return code;
  FractalizeRun(generator, level, run, result.as<SegRecord>(), work.as<SegRecord>());
  // The fractal never has fewer anchors than the path, so one write replaces it whole.
  return paths.setSegments(path, 0, total, result.as<SegRecord>());
}

}  // namespace vx
