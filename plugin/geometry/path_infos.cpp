#include "geometry/path_infos.h"

#include <cstring>
#include <initializer_list>

#include "frame/suite_set.h"

namespace vx {
namespace {

// Reads one path into a source info and its working twin.
ai::Code ReadOnePath(ai::ArtHandle path, PathInfo& source, PathInfo& working) {
  int32_t count = 0;
  if (ai::Code code = suites::Path().getSegmentCount(path, &count)) return code;
  NamedBlock first;
  NamedBlock second;
  const size_t bytes = static_cast<size_t>(count) * sizeof(SegRecord);
  if (ai::Code code = first.Allocate(bytes, block_names::kSegments)) return code;
  if (ai::Code code = second.Allocate(bytes, block_names::kSegments)) return code;
  if (ai::Code code = suites::Path().getSegments(path, 0, count, first.as<SegRecord>())) return code;
  if (count > 0) std::memcpy(second.get(), first.get(), bytes);
  int32_t closed = 0;
  if (ai::Code code = suites::Path().getClosed(path, &closed)) return code;
  source = {count, closed, kUnsetValue, first.as<SegRecord>()};
  working = {count, closed, kUnsetValue, second.as<SegRecord>()};
  first.Release();
  second.Release();
  return ai::kNoError;
}

}  // namespace

ai::Code ReadPathInfos(const PathList& list, const PathMeasure& measure, SelectionRecord& record) {
  record = SelectionRecord{};
  const auto count = static_cast<size_t>(list.count());
  NamedBlock source;
  NamedBlock working;
  if (ai::Code code = source.Allocate(count * sizeof(PathInfo), block_names::kPathInfos)) return code;
  if (ai::Code code = working.Allocate(count * sizeof(PathInfo), block_names::kPathInfos)) return code;
  std::memset(source.get(), 0, count * sizeof(PathInfo));
  std::memset(working.get(), 0, count * sizeof(PathInfo));
  record.source = source.as<PathInfo>();
  record.working = working.as<PathInfo>();
  source.Release();
  working.Release();

  for (int32_t i = 0; i < list.count(); ++i) {
    ai::Code code = ReadOnePath(list[i], record.source[i], record.working[i]);
    if (code != ai::kNoError) {
      record.pathCount = i;  // only the paths read so far hold segment arrays
      FreePathInfos(record);
      return code;
    }
    record.segmentTotal += record.source[i].segmentCount;
  }
  record.pathCount = list.count();
  record.sourceBounds = measure.bounds;
  record.currentBounds = measure.bounds;
  record.reserved = 0;
  record.resultStatus = 0;
  return ai::kNoError;
}

void FreePathInfos(SelectionRecord& record) {
  for (PathInfo* infos : {record.source, record.working}) {
    if (infos == nullptr) continue;
    for (int32_t i = 0; i < record.pathCount; ++i) NamedBlock::FreeRaw(infos[i].segments);
    NamedBlock::FreeRaw(infos);
  }
  record.source = nullptr;
  record.working = nullptr;
  record.pathCount = 0;
  record.segmentTotal = 0;
  record.currentBounds = {0, 0, 0, 0};
  record.sourceBounds = {0, 0, 0, 0};
}

void CopyPathInfo(const PathInfo& source, PathInfo& destination) {
  destination.segmentCount = source.segmentCount;
  if (source.segmentCount > 0)
    std::memcpy(destination.segments, source.segments, static_cast<size_t>(source.segmentCount) * sizeof(SegRecord));
  destination.closed = source.closed;
  destination.key = source.key;
}

ai::Code WriteBack(ai::ArtHandle path, const PathInfo& info) {
  if (ai::Code code = suites::Path().setSegments(path, 0, info.segmentCount, info.segments)) return code;
  return suites::Path().setSegmentCount(path, info.segmentCount);
}

}  // namespace vx
