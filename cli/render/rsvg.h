// PNG renderings of SVG files made with rsvg-convert (librsvg2-bin).
#pragma once

#include <string>
#include <vector>

namespace vxcli::render {

enum class RenderResult { kWritten, kNoRenderer, kFailed };

// Runs rsvg-convert with `options` on `svgPath`, writing `pngPath`. The PNG
// appears whole or not at all. With `fromStandardInput` the file is given on
// rsvg-convert's standard input, so references relative to its folder resolve
// for no file: two files rendered that way are treated alike wherever they lie.
RenderResult RunRsvgConvert(const std::vector<std::string>& options, const std::string& svgPath,
                            const std::string& pngPath, bool fromStandardInput = false);

}  // namespace vxcli::render
