// The gallery's built-in sample art, as SVG text: a few clean stroked paths and
// shapes in three-colour (RGB), four-colour (CMYK) and gray.
#pragma once

#include <string>
#include <vector>

namespace vxcli::gallery {

// One source object of the sample art: an SVG element and the id of the live
// object made of it.
struct SampleObject {
  std::string liveId;
  std::string element;
};

// The sources Live Neon is shown on: a wave stroke, a star and a ring, each
// stroked, with a fill colour for the glow's core.
std::vector<SampleObject> NeonSources();

// The sources the shading effects are shown on: a rounded card (RGB), a star
// (CMYK) and a disc (gray), each filled and stroked.
std::vector<SampleObject> ShadingSources();

// The source the copy-arranging effects are shown on: a small arrow (RGB),
// pointing right, so that turned and kept orientations show.
std::vector<SampleObject> ArrowSource();

// A document holding `objects` as they are.
std::string PlainDocument(const std::vector<SampleObject>& objects);

// A document holding each object as a live object of `groupName` whose
// parameter text is `parameterText`, with an empty result: what the host reads
// from a file whose live objects were never drawn.
std::string LiveDocument(const std::vector<SampleObject>& objects, const std::string& groupName,
                         const std::string& parameterText);

// The art the distortion tools are shown on: striped panels with a wave, a
// ring and a star on them.
std::vector<SampleObject> ToolSampleObjects();

// Text made safe for an XML attribute value or element content, line breaks
// and tabs included.
std::string XmlEscape(const std::string& text);

}  // namespace vxcli::gallery
