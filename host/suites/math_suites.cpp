// The real-math suite and the random suite.
#include <cmath>

#include "geometry/curves.h"
#include "host.h"
#include "random_generator.h"
#include "suites/suite_tables.h"

namespace vxhost {
namespace {

// Products and quotients saturate here instead of overflowing.
constexpr double kLimit = 1.7976931348623158e307;

double Saturate(double value) {
  if (std::isnan(value)) return 0;
  if (value > kLimit) return kLimit;
  if (value < -kLimit) return -kLimit;
  return value;
}

#define VX_OUT(pointer) \
  if ((pointer) == nullptr) return ai::kBadParameter

ai::Code Sine(double r, double* out) {
  VX_OUT(out);
  VX_HOST_ENTER();
  *out = std::sin(r);
  return ai::kNoError;
}
ai::Code Cosine(double r, double* out) {
  VX_OUT(out);
  VX_HOST_ENTER();
  *out = std::cos(r);
  return ai::kNoError;
}
ai::Code SquareRoot(double v, double* out) {
  VX_OUT(out);
  VX_HOST_ENTER();
  *out = v > 0 ? std::sqrt(v) : 0;
  return ai::kNoError;
}
ai::Code DegreesToRadians(double d, double* out) {
  VX_OUT(out);
  VX_HOST_ENTER();
  *out = d * (M_PI / 180.0);
  return ai::kNoError;
}
ai::Code RadiansToDegrees(double r, double* out) {
  VX_OUT(out);
  VX_HOST_ENTER();
  *out = r * (180.0 / M_PI);
  return ai::kNoError;
}
ai::Code Multiply(double a, double b, double* out) {
  VX_OUT(out);
  VX_HOST_ENTER();
  *out = Saturate(a * b);
  return ai::kNoError;
}
// A quotient by zero saturates toward the numerator's sign (0 / 0 is 0).
ai::Code Divide(double a, double b, double* out) {
  VX_OUT(out);
  VX_HOST_ENTER();
  if (b == 0) {
    *out = a == 0 ? 0 : std::copysign(kLimit, a) * std::copysign(1.0, b);
  } else {
    *out = Saturate(a / b);
  }
  return ai::kNoError;
}
ai::Code PointDistance(const ai::RealPoint* a, const ai::RealPoint* b, double* out) {
  VX_OUT(out);
  if (a == nullptr || b == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  *out = Saturate(std::hypot(b->x - a->x, b->y - a->y));
  return ai::kNoError;
}
ai::Code PointAngle(const ai::RealPoint* from, const ai::RealPoint* to, double* out) {
  VX_OUT(out);
  if (from == nullptr || to == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  *out = std::atan2(to->y - from->y, to->x - from->x);
  return ai::kNoError;
}
ai::Code PolarPoint(double length, double radians, ai::RealPoint* out) {
  VX_OUT(out);
  VX_HOST_ENTER();
  *out = {Saturate(length * std::cos(radians)), Saturate(length * std::sin(radians))};
  return ai::kNoError;
}
ai::Code SetIdentity(ai::RealMatrix* m) {
  VX_OUT(m);
  VX_HOST_ENTER();
  *m = {1, 0, 0, 1, 0, 0};
  return ai::kNoError;
}
ai::Code SetTranslate(ai::RealMatrix* m, double tx, double ty) {
  VX_OUT(m);
  VX_HOST_ENTER();
  *m = {1, 0, 0, 1, tx, ty};
  return ai::kNoError;
}
ai::Code SetScale(ai::RealMatrix* m, double sx, double sy) {
  VX_OUT(m);
  VX_HOST_ENTER();
  *m = {sx, 0, 0, sy, 0, 0};
  return ai::kNoError;
}
ai::RealMatrix Rotation(double radians) {
  const double c = std::cos(radians), s = std::sin(radians);
  return {c, s, -s, c, 0, 0};
}
ai::Code SetRotate(ai::RealMatrix* m, double radians) {
  VX_OUT(m);
  VX_HOST_ENTER();
  *m = Rotation(radians);
  return ai::kNoError;
}
ai::Code Concat(const ai::RealMatrix* a, const ai::RealMatrix* b, ai::RealMatrix* out) {
  VX_OUT(out);
  if (a == nullptr || b == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  *out = vxhost::Multiply(*a, *b);
  return ai::kNoError;
}
ai::Code ConcatTranslate(ai::RealMatrix* m, double tx, double ty) {
  VX_OUT(m);
  VX_HOST_ENTER();
  *m = vxhost::Multiply(*m, {1, 0, 0, 1, tx, ty});
  return ai::kNoError;
}
ai::Code ConcatRotate(ai::RealMatrix* m, double radians) {
  VX_OUT(m);
  VX_HOST_ENTER();
  *m = vxhost::Multiply(*m, Rotation(radians));
  return ai::kNoError;
}
ai::Code ConcatScale(ai::RealMatrix* m, double sx, double sy) {
  VX_OUT(m);
  VX_HOST_ENTER();
  *m = vxhost::Multiply(*m, {sx, 0, 0, sy, 0, 0});
  return ai::kNoError;
}
ai::Code InvertMatrix(const ai::RealMatrix* m, ai::RealMatrix* out) {
  VX_OUT(out);
  if (m == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  return vxhost::Invert(*m, *out) ? ai::kNoError : ai::kBadParameter;
}
ai::Code TransformPoint(const ai::RealMatrix* m, const ai::RealPoint* p, ai::RealPoint* out) {
  VX_OUT(out);
  if (m == nullptr || p == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  *out = Apply(*m, *p);
  return ai::kNoError;
}
ai::Code UnionRect(const ai::RealRect* a, const ai::RealRect* b, ai::RealRect* out) {
  VX_OUT(out);
  if (a == nullptr || b == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  *out = {std::min(a->left, b->left), std::max(a->top, b->top), std::max(a->right, b->right),
          std::min(a->bottom, b->bottom)};
  return ai::kNoError;
}

RandomGenerator& Generator() { return Host::Current().random(); }

ai::Code SetSeed(int32_t seed) {
  VX_HOST_ENTER();
  Generator().Seed(seed);
  return ai::kNoError;
}

ai::Code NextUniform(double* value) {
  VX_OUT(value);
  VX_HOST_ENTER();
  *value = Generator().Uniform();
  return ai::kNoError;
}

const ai::RealMathSuite kRealMath = {
    Sine,        Cosine,       SquareRoot,      DegreesToRadians, RadiansToDegrees, Multiply,      Divide,
    PointDistance, PointAngle, PolarPoint,      SetIdentity,      SetTranslate,     SetScale,      SetRotate,
    Concat,      ConcatTranslate, ConcatRotate, ConcatScale,      InvertMatrix,     TransformPoint, UnionRect};
const ai::RandomSuite kRandom = {SetSeed, NextUniform};

}  // namespace

const ai::RealMathSuite* RealMathSuiteTable() { return &kRealMath; }
const ai::RandomSuite* RandomSuiteTable() { return &kRandom; }

}  // namespace vxhost
