#include "support/png_compare.h"

#include <cstdlib>

#include "render/rsvg.h"

namespace vxtest {

bool HaveRsvgConvert() { return std::system("rsvg-convert --version > /dev/null 2>&1") == 0; }

bool RenderSvg(const std::string& svgPath, const std::string& pngPath, int size) {
  const std::string pixels = std::to_string(size);
  return vxcli::render::RunRsvgConvert({"-w", pixels, "-h", pixels}, svgPath, pngPath) ==
         vxcli::render::RenderResult::kWritten;
}

}  // namespace vxtest
