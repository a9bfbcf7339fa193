// The point mapper of the four circle modes (free, dynamic, pinch, twirl) the
// Craft and Broom tools share: inside a circle of radius r around the tool's
// centre a point moves by the mode's drag value weighted by |1 - l/r|^k, fully
// at the centre and not at all at the rim.
#pragma once

#include <algorithm>
#include <cmath>

#include "frame/host/art_records.h"
#include "frame/host/codes.h"
#include "geometry/deformation.h"

namespace vx {

enum CraftMode : int16_t { kCraftFree = 0, kCraftDynamic = 1, kCraftPinch = 2, kCraftTwirl = 3 };

struct CraftMapper {
  CraftMode mode;
  ai::RealPoint centre;
  double radius;
  int32_t power;      // the resistance list index, at least 1
  ai::RealPoint push;  // free and dynamic: the move at the centre
  double amount;       // pinch: the scale growth at the centre; twirl: the angle

  double Weight(double l) const { return std::pow(std::fabs(1 - l / radius), power); }

  ai::Code operator()(ai::RealPoint& p) const {
    const double dx = p.x - centre.x, dy = p.y - centre.y;
    const double l = std::sqrt(dx * dx + dy * dy);
    if (l >= radius) return kPointUntouched;
    const double w = Weight(l);
    switch (mode) {
      case kCraftFree:
      case kCraftDynamic:
        p = {p.x + w * push.x, p.y + w * push.y};
        break;
      case kCraftPinch: {
        const double s = std::max(w * amount + 1, 0.0);
        p = {centre.x + dx * s, centre.y + dy * s};
        break;
      }
      case kCraftTwirl: {
        const double c = std::cos(w * amount), s = std::sin(w * amount);
        p = {centre.x + dx * c - dy * s, centre.y + dx * s + dy * c};
        break;
      }
    }
    return ai::kNoError;
  }
};

}  // namespace vx
