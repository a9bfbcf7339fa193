// Recorded action events as a JSON file, so a recording can be kept and played
// again on another document.
//
//   {
//     "format": "vellumix4-actions",
//     "version": 1,
//     "events": [
//       { "action": "VmX4_DropShadow_Action",
//         "values": [
//           { "key": "dnst", "type": "unitReal", "unit": "#Prc", "value": 33.33 },
//           { "key": "seed", "type": "integer", "value": 42 },
//           { "key": "shdF", "type": "boolean", "value": true },
//           { "key": "step", "type": "string", "value": "5" },
//           { "key": "styl", "type": "enumerated", "name": "外側", "value": 0 },
//           { "key": "eFCo", "type": "rawData", "value": "00a1ff..." },
//           { "key": "genH", "type": "real", "value": 1.5 } ] } ]
//   }
//
// Keys and units are four characters (one byte each). Values keep their order.
// Reals are written with enough digits to read back exactly; raw data is
// lower-case hexadecimal. Integers are 32-bit signed.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "actions/action_manager.h"

namespace vxhost {

class Host;

class ActionFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::string ActionEventsToJson(const std::vector<RecordedEvent>& events);
// Throws ActionFileError naming what is wrong (and where) for text that is not
// an action file.
std::vector<RecordedEvent> ActionEventsFromJson(std::string_view text);

// Writes a temporary file beside `path` and renames it over `path`, so a failure
// leaves no partial file. Throws ActionFileError.
void SaveActionFile(const std::vector<RecordedEvent>& events, const std::string& path);
std::vector<RecordedEvent> LoadActionFile(const std::string& path);

// Saves the events the host has recorded so far.
void SaveRecordedActions(Host& host, const std::string& path);

}  // namespace vxhost
