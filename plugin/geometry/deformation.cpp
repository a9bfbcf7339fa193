#include "geometry/deformation.h"

#include "frame/suite_set.h"

namespace vx {

ai::Code ReadSourcePath(ai::ArtHandle path, SourcePath& source) {
  if (ai::Code code = suites::Path().getSegmentCount(path, &source.count)) return code;
  if (source.count < 2) return ai::kNoError;
  if (ai::Code code = source.block.Allocate(sizeof(SegRecord) * static_cast<size_t>(source.count), kSourceCopyName))
    return code;
  source.segments = source.block.as<SegRecord>();
  if (ai::Code code = suites::Path().getSegments(path, 0, source.count, source.segments)) return code;
  int32_t closed = 0;
  if (ai::Code code = suites::Path().getClosed(path, &closed)) return code;
  source.closed = closed != 0;
  return ai::kNoError;
}

ai::Code WriteRun(ai::ArtHandle path, const SegRecord* run, int32_t count) {
  if (ai::Code code = suites::Path().setSegments(path, 0, count, run)) return code;
  if (ai::Code code = suites::Path().setSegmentCount(path, count)) return code;
  // The host refreshes a rewritten path's selection (all of it is selected).
  return suites::Art().setUserAttributes(path, ai::art_attr::kSelected, ai::art_attr::kFullySelected);
}

}  // namespace vx
