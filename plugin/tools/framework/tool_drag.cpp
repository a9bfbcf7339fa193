#include "tools/framework/tool_drag.h"

#include <algorithm>
#include <iterator>

#include "frame/suite_set.h"
#include "geometry/deformation.h"
#include "geometry/path_list.h"

namespace vx {
namespace {

// The art a tool works on: groups, compound paths, paths and the two kinds of
// art that hold others (styled references and live objects), when selected.
constexpr ai::MatchSpec kMatchedArt[] = {
    {ai::art_kind::kGroup, ai::art_attr::kSelected, ai::art_attr::kSelected},
    {ai::art_kind::kCompoundPath, ai::art_attr::kSelected, ai::art_attr::kSelected},
    {ai::art_kind::kPath, ai::art_attr::kSelected, ai::art_attr::kSelected},
    {ai::art_kind::kStyledRef, ai::art_attr::kSelected, ai::art_attr::kSelected},
    {ai::art_kind::kPluginGroup, ai::art_attr::kSelected, ai::art_attr::kSelected},
};

ai::Code UnionOfPathBounds(const ai::ArtHandle* list, int32_t count, ai::RealRect& bounds) {
  bool first = true;
  bounds = {0, 0, 0, 0};
  for (int32_t i = 0; i < count; ++i) {
    int16_t kind = 0;
    if (ai::Code code = suites::Art().getKind(list[i], &kind)) return code;
    if (kind != ai::art_kind::kPath) continue;
    ai::RealRect box{};
    if (ai::Code code = suites::Art().getBounds(list[i], nullptr, ai::bounds_option::kGeometric, &box)) return code;
    if (first) {
      bounds = box;
      first = false;
    } else {
      bounds = {std::min(bounds.left, box.left), std::max(bounds.top, box.top), std::max(bounds.right, box.right),
                std::min(bounds.bottom, box.bottom)};
    }
  }
  return ai::kNoError;
}

// Deforms every matched path for state.current; the count of paths goes to `processed`.
ai::Code DeformMatched(ToolDragState& state, DragWorker& worker, int32_t& processed) {
  processed = 0;
  if (ai::Code code = worker.BeforePass(state, 0, 0)) return code;
  for (int32_t i = 0; i < state.selectionCount; ++i) {
    int16_t kind = 0;
    if (ai::Code code = suites::Art().getKind(state.selection[i], &kind)) return code;
    if (kind != ai::art_kind::kPath) continue;
    if (ai::Code code = worker.DeformPath(state, state.selection[i])) return code;
    ++processed;
  }
  return ai::kNoError;
}

// A drag message failed part way: its half-made changes are taken back and the
// art is deformed again as the last successful drag left it. When even that
// fails the art returns to its mouse-down geometry.
void RestoreLastDrag(ToolDragState& state, DragWorker& worker) {
  if (suites::Undo().revertChanges() != ai::kNoError) return;
  if (state.untouched) return;
  if (worker.Accumulates()) {
    // What the earlier drags added cannot be told apart from the mouse-down
    // geometry: the art returns to it.
    state.untouched = true;
    return;
  }
  const ai::RealPoint current = state.current;
  const bool alt = state.alt;
  state.current = state.lastProcessed;
  state.alt = state.altAtLastDrag;
  int32_t processed = 0;
  if (DeformMatched(state, worker, processed) != ai::kNoError) {
    suites::Undo().revertChanges();
    state.untouched = true;
  }
  state.current = current;
  state.alt = alt;
}

bool IsSelected(ai::ArtHandle art) {
  int32_t selected = 0;
  return suites::Art().getUserAttributes(art, ai::art_attr::kSelected, &selected) == ai::kNoError && selected != 0;
}

// Matched art none of whose ancestors is selected: the objects a trace copies.
ai::Code TopLevelTargets(const ToolDragState& state, PathList& targets) {
  for (int32_t i = 0; i < state.selectionCount; ++i) {
    bool inside = false;
    ai::ArtHandle parent = nullptr;
    if (ai::Code code = suites::Art().getParent(state.selection[i], &parent)) return code;
    while (parent != nullptr && !inside) {
      inside = IsSelected(parent);
      if (ai::Code code = suites::Art().getParent(parent, &parent)) return code;
    }
    if (!inside) {
      if (ai::Code code = targets.Append(state.selection[i])) return code;
    }
  }
  return ai::kNoError;
}

// Deforms a copy of `original`: the two trees are walked side by side, through
// groups, compound paths and live objects' edit groups, and each copied path
// whose original is selected is deformed. (Copies are made unselected.)
ai::Code DeformCopy(ToolDragState& state, DragWorker& worker, ai::ArtHandle original, ai::ArtHandle copy) {
  int16_t kind = 0;
  if (ai::Code code = suites::Art().getKind(original, &kind)) return code;
  if (kind == ai::art_kind::kPath)
    return IsSelected(original) ? worker.DeformCopiedPath(state, original, copy) : ai::kNoError;
  if (kind == ai::art_kind::kPluginGroup) {
    ai::ArtHandle editOriginal = nullptr, editCopy = nullptr;
    if (ai::Code code = suites::PluginGroup().getEditArt(original, &editOriginal)) return code;
    if (ai::Code code = suites::PluginGroup().getEditArt(copy, &editCopy)) return code;
    original = editOriginal;
    copy = editCopy;
  } else if (kind != ai::art_kind::kGroup && kind != ai::art_kind::kCompoundPath) {
    return ai::kNoError;
  }
  ai::ArtHandle from = nullptr, to = nullptr;
  if (ai::Code code = suites::Art().getFirstChild(original, &from)) return code;
  if (ai::Code code = suites::Art().getFirstChild(copy, &to)) return code;
  while (from != nullptr && to != nullptr) {
    if (ai::Code code = DeformCopy(state, worker, from, to)) return code;
    if (ai::Code code = suites::Art().getNextSibling(from, &from)) return code;
    if (ai::Code code = suites::Art().getNextSibling(to, &to)) return code;
  }
  return ai::kNoError;
}

// Gathers the targets into a new group above the topmost one; the group
// becomes the only target.
ai::Code GatherTargets(PathList& targets) {
  ai::ArtHandle group = nullptr;
  if (ai::Code code = suites::Art().newArt(ai::art_kind::kGroup, ai::placement::kAbove, targets[0], &group))
    return code;
  for (int32_t i = 0; i < targets.count(); ++i)
    if (ai::Code code = suites::Art().moveArt(targets[i], ai::placement::kInsideAtBottom, group)) return code;
  targets.Free();
  return targets.Append(group);
}

// Puts a copy on a new layer of its own, above the layer it was made in.
ai::Code MoveToNewLayer(ai::ArtHandle copy) {
  ai::LayerHandle layer = nullptr, added = nullptr;
  ai::ArtHandle group = nullptr;
  if (ai::Code code = suites::Art().getLayer(copy, &layer)) return code;
  if (ai::Code code = suites::Layer().insertLayer(layer, ai::placement::kAbove, &added)) return code;
  if (ai::Code code = suites::Layer().getLayerGroup(added, &group)) return code;
  return suites::Art().moveArt(copy, ai::placement::kInsideOnTop, group);
}

ai::Code MakeTraceCopies(ToolDragState& state, DragWorker& worker, ai::RealPoint final, int16_t modifiers) {
  if (ai::Code code = suites::Undo().revertChanges()) return code;
  TraceList plan;
  if (ai::Code code = worker.PlanTrace(state, state.trace, final, plan)) return code;
  PathList targets;
  if (ai::Code code = TopLevelTargets(state, targets)) return code;
  if (targets.count() == 0) return ai::kNoError;
  if (worker.GathersSelection() && targets.count() > 1) {
    if (ai::Code code = GatherTargets(targets)) return code;
  }
  // The copies of each target stack upward: each is made above the one before.
  PathList lastCopies;
  for (int32_t t = 0; t < targets.count(); ++t)
    if (ai::Code code = lastCopies.Append(targets[t])) return code;

  const bool ownLayers = (modifiers & ai::modifier::kCtrl) != 0;
  int32_t made = 0;
  for (int32_t j = 0; j < plan.count(); ++j) {
    const TraceEntry& entry = plan[j];
    state.current = entry.point;
    state.currentExtent = entry.extent;
    if (ai::Code code = worker.BeforePass(state, j, plan.count())) return code;
    for (int32_t t = 0; t < targets.count(); ++t) {
      ai::ArtHandle copy = nullptr;
      if (ai::Code code = suites::Art().duplicateArt(targets[t], ai::placement::kAbove, lastCopies[t], &copy))
        return code;
      lastCopies.Set(t, copy);
      if (ownLayers && made > 0) {
        if (ai::Code code = MoveToNewLayer(copy)) return code;
      }
      ++made;
      if (entry.undeformed) continue;
      if (ai::Code code = DeformCopy(state, worker, targets[t], copy)) return code;
    }
  }
  if (worker.ReplacesOriginal()) {
    for (int32_t t = 0; t < targets.count(); ++t)
      if (ai::Code code = suites::Art().disposeArt(targets[t])) return code;
  }
  return ai::kNoError;
}

}  // namespace

void PinToBoxCentre(const ToolDragState& state, ai::RealPoint& point, int16_t modifiers) {
  if (!(modifiers & ai::modifier::kShift)) return;
  const ai::RealRect& b = state.selectionBounds;
  if (modifiers & ai::modifier::kAlt) point.y = (b.top + b.bottom) / 2;
  else point.x = (b.left + b.right) / 2;
}

ai::Code PlanBoxTrace(const ToolDragState& state, int16_t mode, int32_t steps, ai::RealPoint final, bool fromStart,
                      TraceList& plan) {
  TraceList entries;
  ai::Code failed = ai::kNoError;
  const bool turned = state.alt;
  ForEachTraceStep(mode, steps, turned ? state.mouseDown.x : state.mouseDown.y, turned ? final.x : final.y,
                   [&](int32_t, double position) {
                     if (failed == ai::kNoError)
                       failed = entries.Append(turned ? ai::RealPoint{position, final.y} : ai::RealPoint{final.x, position});
                   });
  if (failed != ai::kNoError) return failed;
  for (int32_t k = fromStart ? 0 : 1; k <= steps; ++k)
    if (ai::Code code = plan.Append(entries[k].point)) return code;
  if (IsRoundTrip(mode)) {
    for (int32_t k = steps - 1; k >= 0; --k)
      if (ai::Code code = plan.Append(entries[k].point, k == 0 && !fromStart)) return code;
  }
  return ai::kNoError;
}

void ReleaseDrag(ToolDragState& state) {
  state.segmentBuffer.Free();
  state.trace.Free();
  if (state.selection != nullptr) suites::MdMemory().dispose(state.selection);
  state.selection = nullptr;
  state.selectionCount = 0;
  state.currentExtent = {0, 0};
  state.active = false;
}

ai::Code BeginToolDrag(ToolDragState& state, const ai::ToolEvent& event) {
  ReleaseDrag(state);
  ai::ArtHandle* list = nullptr;
  int32_t count = 0;
  if (ai::Code code = suites::MatchingArt().getMatchingArt(kMatchedArt, static_cast<int32_t>(std::size(kMatchedArt)),
                                                           &list, &count))
    return code;
  if (count == 0) {
    if (list != nullptr) suites::MdMemory().dispose(list);
    return kNothingSelected;
  }
  state.selection = list;
  state.selectionCount = count;
  if (ai::Code code = UnionOfPathBounds(list, count, state.selectionBounds)) {
    ReleaseDrag(state);
    return code;
  }
  state.untouched = true;
  state.mouseDownTime = event.when;
  state.mouseDown = event.cursor;
  state.current = event.cursor;
  state.lastProcessed = event.cursor;
  state.reference = event.cursor;
  state.lastTracePoint = event.cursor;
  state.alt = state.altAtLastDrag = (event.modifiers & ai::modifier::kAlt) != 0;
  state.active = true;
  return ai::kNoError;
}

ai::Code ApplyToolDrag(ToolDragState& state, DragWorker& worker, const ai::ToolEvent& event) {
  if (!state.active) return ai::kNoError;
  if (!state.untouched && !worker.Accumulates()) {
    if (ai::Code code = suites::Undo().revertChanges()) return code;
  }
  ai::RealPoint point = event.cursor;
  worker.TakeEvent(state, point, event.modifiers);
  state.current = point;

  if (state.untouched && event.when - state.mouseDownTime <= kThrottleTicks &&
      PointsWithin(point, state.mouseDown, kThrottleDistance))
    return ai::kNoError;

  const TraceSettings trace = worker.Trace();
  if (trace.on && trace.mode == kTraceDragAlong && !PointsWithin(point, state.lastTracePoint, trace.space)) {
    if (ai::Code code = state.trace.Append(point, false, worker.TraceExtent())) {
      RestoreLastDrag(state, worker);
      return code;
    }
    state.lastTracePoint = point;
  }

  if (state.segmentBuffer.get() == nullptr) {
    if (ai::Code code = state.segmentBuffer.Allocate(sizeof(SegRecord) * kMaxRunSegments, kWorkingRunName)) {
      RestoreLastDrag(state, worker);
      return code;
    }
  }
  int32_t processed = 0;
  if (ai::Code code = DeformMatched(state, worker, processed)) {
    RestoreLastDrag(state, worker);
    return code;
  }
  state.untouched = false;
  state.altAtLastDrag = state.alt;
  state.lastProcessed = point;
  if (processed == 0) state.segmentBuffer.Free();
  return ai::kNoError;
}

ai::Code EndToolDrag(ToolDragState& state, DragWorker& worker, const ai::ToolEvent& event) {
  ai::Code result = ai::kNoError;
  ai::RealPoint final = event.cursor;
  if (state.previewArt != nullptr) {
    result = suites::Art().disposeArt(state.previewArt);
    state.previewArt = nullptr;
  }
  if (state.active && result == ai::kNoError) {
    // The final point is taken in the frame of the last drag that did work,
    // which is also the frame of the trace.
    const int16_t modifiers = static_cast<int16_t>((event.modifiers & ~ai::modifier::kAlt) |
                                                   (state.altAtLastDrag ? ai::modifier::kAlt : 0));
    worker.TakeEvent(state, final, modifiers);
    const bool changed = !state.untouched && state.segmentBuffer.get() != nullptr &&
                         !PointsWithin(final, state.mouseDown, kReleaseDistance);
    if (changed) {
      if (event.modifiers & ai::modifier::kCancel) result = suites::Undo().revertChanges();
      else if (worker.Trace().on) result = MakeTraceCopies(state, worker, final, event.modifiers);
    }
  }
  ReleaseDrag(state);
  state.reference = final;
  return result;
}

}  // namespace vx
