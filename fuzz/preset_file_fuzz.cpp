// Feeds arbitrary bytes to the preset file reader: the bytes become a preset
// file, which is listed and whose records are read, appended to and rewritten.
// Nothing may crash, read out of bounds or leave a named block behind.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "frame/suite_set.h"
#include "host.h"
#include "platform/file_system.h"
#include "presets/preset_store.h"

namespace {

struct Fixture {
  Fixture() : host(Options()) {
    char pattern[] = "/tmp/vx_preset_fuzz_XXXXXX";
    if (::mkdtemp(pattern) == nullptr) std::abort();
    path = std::string(pattern) + "/VELLUMiX4_PST_Fuzz.txt";
    vx::suites::gBasic = host.basicSuite();
    vx::SuiteSet::Nesting() = 0;
    suites = std::make_unique<vx::SuiteSet>(vx::BootstrapSuiteTable(), vx::ImportSuiteTable());
    vx::SuiteSet::Nesting() = 1;
  }
  static vxhost::HostOptions Options() {
    vxhost::HostOptions options;
    options.echoAlerts = false;
    return options;
  }
  vxhost::Host host;
  std::unique_ptr<vx::SuiteSet> suites;
  std::string path;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Fixture fixture;
  const std::string& path = fixture.path;
  if (platform::WriteNewFile(path, std::string_view(reinterpret_cast<const char*>(data), size)) != 0) return 0;

  vx::PresetNameList list;
  if (vx::ListPresetNames(path, list) == ai::kNoError) {
    for (int i = 0; i < list.count(); ++i) {
      std::string_view name = list.name(i);
      if (name.size() >= vx::PresetNameList::kSlotBytes) std::abort();
    }
  }
  list.Clear();

  std::string text;
  for (int index : {-2, -1, 0, 1, 1021, 1022}) vx::ReadPresetRecord(path, index, text);
  vx::MovePresetRecord(path, 1, 0);
  vx::AppendPresetRecord(path, "$\tfuzz\r\nA\t1\r\n");
  vx::ListPresetNames(path, list);
  list.Clear();

  if (fixture.host.blocks().LiveCount() != 0) std::abort();
  ::unlink((path + "Tm").c_str());
  return 0;
}
