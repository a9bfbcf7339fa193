#include "geometry/path_list.h"

#include <algorithm>

#include "frame/error_messages.h"
#include "frame/suite_set.h"
#include "geometry/path_records.h"

namespace vx {

ai::Code PathList::Append(ai::ArtHandle path) {
  if (block_.get() == nullptr) {
    if (ai::Code code = block_.Allocate(sizeof(ai::ArtHandle), block_names::kPathList)) return code;
  }
  // The spare slot takes the new handle; then the list grows to keep one spare.
  block_.as<ai::ArtHandle>()[count_] = path;
  const auto room = static_cast<size_t>(count_) + 2;
  if (ai::Code code = block_.Reallocate(room * sizeof(ai::ArtHandle), block_names::kPathListGrown)) return code;
  ++count_;
  return ai::kNoError;
}

void PathList::Free() {
  block_.Free();
  count_ = 0;
}

namespace {

ai::Code GatherChildren(ai::ArtHandle art, PathList& list) {
  ai::ArtHandle child = nullptr;
  if (ai::Code code = suites::Art().getFirstChild(art, &child)) return code;
  while (child != nullptr) {
    int16_t kind = 0;
    if (ai::Code code = suites::Art().getKind(child, &kind)) return code;
    if (kind == ai::art_kind::kPath) {
      if (ai::Code code = list.Append(child)) return code;
    } else if (kind == ai::art_kind::kGroup || kind == ai::art_kind::kCompoundPath) {
      if (ai::Code code = GatherChildren(child, list)) return code;
    }
    if (ai::Code code = suites::Art().getNextSibling(child, &child)) return code;
  }
  return ai::kNoError;
}

}  // namespace

ai::Code GatherPaths(ai::ArtHandle art, PathList& list) {
  int16_t kind = 0;
  if (ai::Code code = suites::Art().getKind(art, &kind)) return code;
  if (kind == ai::art_kind::kPath) return list.Append(art);
  return GatherChildren(art, list);
}

ai::Code MeasurePaths(ai::ArtHandle art, PathList& list, PathMeasure& measure) {
  measure = PathMeasure{};
  if (ai::Code code = GatherPaths(art, list)) return code;
  if (list.count() == 0) {
    list.Free();
    return codes::kNoPathSelected;
  }
  ai::RealMatrix identity{};
  if (ai::Code code = suites::RealMath().setIdentity(&identity)) return code;
  for (int32_t i = 0; i < list.count(); ++i) {
    int16_t kind = 0;
    if (ai::Code code = suites::Art().getKind(list[i], &kind)) return code;
    if (kind != ai::art_kind::kPath) continue;
    int32_t segments = 0;
    if (ai::Code code = suites::Path().getSegmentCount(list[i], &segments)) return code;
    measure.segmentTotal += segments;
    ai::RealRect bounds{};
    if (ai::Code code = suites::Art().getBounds(list[i], &identity, ai::bounds_option::kGeometric, &bounds))
      return code;
    if (i == 0) {
      measure.bounds = bounds;
    } else {
      measure.bounds.left = std::min(measure.bounds.left, bounds.left);
      measure.bounds.top = std::max(measure.bounds.top, bounds.top);
      measure.bounds.right = std::max(measure.bounds.right, bounds.right);
      measure.bounds.bottom = std::min(measure.bounds.bottom, bounds.bottom);
    }
  }
  return ai::kNoError;
}

}  // namespace vx
