// Writes the preset files shipped in "VELLUMiX4 Default Settings": for every
// record kind its header, its defaults as "Default Setting" and again as "Last
// Setting". The build runs it, so the shipped files always follow the record
// tables. Defaults that need the host (degrees to radians, the colour model)
// are computed by an in-process substitute host with a new document open; the
// tick count that seeds random arrangements is pinned, so every build writes
// the same bytes.
//
//   vx_make_default_settings OUTPUT_FOLDER
#include <cstdio>
#include <memory>
#include <string>

#include "document/document.h"
#include "frame/suite_set.h"
#include "geometry/named_block.h"
#include "host.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "presets/preset_records.h"
#include "presets/record_registry.h"

namespace {

constexpr uint32_t kShippedTickCount = 20130401;

int Fail(const std::string& what, long code) {
  std::fprintf(stderr, "vx_make_default_settings: %s (%ld)\n", what.c_str(), code);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: vx_make_default_settings OUTPUT_FOLDER\n");
    return 2;
  }
  std::string folder = argv[1];
  if (folder.empty() || folder.back() != '/') folder += '/';
  if (int error = platform::MakeFolders(folder)) return Fail("cannot make " + folder, error);

  vxhost::HostOptions options;
  options.echoAlerts = true;
  vxhost::Host host(options);
  host.OpenDocument(std::make_unique<vxhost::Document>());
  platform::SetTickCount(kShippedTickCount);

  vx::suites::gBasic = host.basicSuite();
  vx::SuiteSet::Nesting() = 0;
  auto suites = std::make_unique<vx::SuiteSet>(vx::BootstrapSuiteTable(), vx::ImportSuiteTable());
  vx::SuiteSet::Nesting() = 1;
  if (suites->status() != ai::kNoError) return Fail("suites not acquired", suites->status());

  int result = 0;
  for (const vx::RecordKind& kind : vx::AllRecordKinds()) {
    vx::NamedBlock record;
    if (ai::Code code = record.Allocate(kind.spec->size, kind.spec->recordName)) {
      result = Fail(std::string("no memory for ") + kind.spec->recordName, code);
      break;
    }
    vx::SetRecordDefaults(*kind.spec, record.get(), vx::kDefaultSettingName);
    if (ai::Code code = vx::CreatePresetFileFor(folder, *kind.spec, record.get())) {
      result = Fail(std::string("cannot write ") + folder + kind.spec->presetFile, code);
      break;
    }
  }
  suites->Release();
  vx::SuiteSet::Nesting() = 0;
  return result;
}
