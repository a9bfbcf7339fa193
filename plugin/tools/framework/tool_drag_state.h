// The state of one tool drag, from mouse down to mouse up. One instance serves
// whichever tool is dragging: only one can be.
#pragma once

#include <cstdint>

#include "frame/host/art_records.h"
#include "geometry/named_block.h"
#include "geometry/path_records.h"
#include "tools/framework/trace_list.h"

namespace vx {

struct ToolDragState {
  // The art matched at mouse down, a host list freed through the memory suite.
  ai::ArtHandle* selection = nullptr;
  int32_t selectionCount = 0;
  int16_t paletteIndex = -1;   // the tool's palette index
  int16_t cursorId = 0;        // the cursor shown last; mouse-down handlers branch on it
  ai::ArtHandle previewArt = nullptr;  // temporary outline of a tool area
  ai::RealPoint lastProcessed{0, 0};   // point of the last drag that did work
  ai::RealPoint current{0, 0};         // mouse position of the current message, after the tool's modifiers
  ai::RealPoint currentExtent{0, 0};   // a trace copy's area size as recorded (0, 0: the record's)
  NamedBlock segmentBuffer;            // the working run, kMaxRunSegments records
  ai::RealPoint centre{0, 0};          // centre of a tool area
  ai::RealPoint mouseDown{0, 0};
  bool untouched = true;               // no drag has changed the artwork yet
  uint32_t mouseDownTime = 0;
  ai::RealRect selectionBounds{0, 0, 0, 0};
  int16_t helpTopic = 0;

  // Beyond what every tool reads.
  bool pressed = false;                // a mouse button is down (cursor choice)
  bool active = false;                 // between a successful mouse down and the mouse up
  bool alt = false;                    // Alt held at the current message
  bool altAtLastDrag = false;          // Alt at the last drag that did work: the frame of the trace
  ai::RealPoint reference{0, 0};       // the final point of the last stroke
  ai::RealPoint lastTracePoint{0, 0};  // the last point recorded for "Drag Along"
  TraceList trace;                     // points recorded while dragging

  SegRecord* run() const { return segmentBuffer.as<SegRecord>(); }
};

// The drag state of the running plug-in.
ToolDragState& DragState();

}  // namespace vx
