#include "commands/convert.h"

#include <ostream>

#include "svg/svg_io.h"

namespace vxcli {

int RunConvert(const ConvertOptions& options, std::ostream& err) {
  std::vector<std::string> notes;
  const auto document = vxhost::svg::ReadSvgFile(options.input, &notes);
  if (!options.quiet)
    for (const std::string& note : notes) err << "vellumix4: " << options.input << ": " << note << "\n";
  vxhost::svg::WriteSvgFile(*document, options.output);
  return 0;
}

}  // namespace vxcli
