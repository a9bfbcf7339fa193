// Any bytes given to the SVG reader either fail with SvgError or give a document
// whose written form reads again; nothing crashes, leaks or misbehaves.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "svg/svg_io.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::unique_ptr<vxhost::Document> document;
  try {
    document = vxhost::svg::ReadSvg(text, "fuzz.svg");
  } catch (const vxhost::svg::SvgError&) {
    return 0;
  }
  const std::string written = vxhost::svg::WriteSvg(*document);
  try {
    vxhost::svg::ReadSvg(written, "written.svg");
  } catch (const vxhost::svg::SvgError&) {
    std::abort();  // what we write must always read
  }
  return 0;
}
