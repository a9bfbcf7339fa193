#include "tools/framework/trace_list.h"

namespace vx {
namespace {

constexpr char kTraceName[] = "g buffer for trace";
constexpr char kTraceGrownName[] = "g buffer2 for trace";

}  // namespace

ai::Code TraceList::Append(ai::RealPoint point, bool undeformed, ai::RealPoint extent) {
  if (block_.get() == nullptr) {
    if (ai::Code code = block_.Allocate(sizeof(TraceEntry) * kFirstRoom, kTraceName)) return code;
    room_ = kFirstRoom;
  } else if (count_ == room_) {
    const int32_t room = room_ + kGrowth;
    if (ai::Code code = block_.Reallocate(sizeof(TraceEntry) * static_cast<size_t>(room), kTraceGrownName))
      return code;
    room_ = room;
  }
  block_.as<TraceEntry>()[count_++] = {point, undeformed ? 1 : 0, 0, extent};
  return ai::kNoError;
}

void TraceList::Free() {
  block_.Free();
  count_ = 0;
  room_ = 0;
}

}  // namespace vx
