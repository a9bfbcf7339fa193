#include "frame/suite_set.h"

namespace vx {

namespace suites {
#define VX_DEFINE_SUITE(Var, Struct, Name, Version) const void* g##Var = nullptr;
VX_BOOTSTRAP_SUITES(VX_DEFINE_SUITE)
VX_IMPORT_SUITES(VX_DEFINE_SUITE)
#undef VX_DEFINE_SUITE
const ai::BasicSuite* gBasic = nullptr;
}  // namespace suites

namespace {

#define VX_TABLE_ROW(Var, Struct, Name, Version) {Name, Version, &suites::g##Var},
const SuiteEntry kBootstrap[] = {VX_BOOTSTRAP_SUITES(VX_TABLE_ROW){nullptr, 0, nullptr}};
const SuiteEntry kImports[] = {VX_IMPORT_SUITES(VX_TABLE_ROW){nullptr, 0, nullptr}};
#undef VX_TABLE_ROW

static_assert(sizeof(kBootstrap) / sizeof(kBootstrap[0]) == 8, "seven bootstrap suites and the end");

// The optional part of an import table: the entries after a terminator marked
// 'OPTS', or null when there is none.
const SuiteEntry* OptionalPart(const SuiteEntry* table) {
  const SuiteEntry* entry = table;
  while (entry->name != nullptr) ++entry;
  return entry->version == kOptionalMarker ? entry + 1 : nullptr;
}

ai::Code AcquireEntries(const SuiteEntry* entry, int32_t& count) {
  for (; entry->name != nullptr; ++entry) {
    ++count;
    ai::Code code = suites::gBasic->acquireSuite(entry->name, entry->version, entry->slot);
    if (code != ai::kNoError) {
      *entry->slot = nullptr;
      return code;
    }
  }
  return ai::kNoError;
}

ai::Code ReleaseEntries(const SuiteEntry* entry) {
  for (; entry->name != nullptr; ++entry) {
    if (*entry->slot == nullptr) continue;
    ai::Code code = suites::gBasic->releaseSuite(entry->name, entry->version);
    *entry->slot = nullptr;
    if (code != ai::kNoError) return code;
  }
  return ai::kNoError;
}

}  // namespace

const SuiteEntry* BootstrapSuiteTable() { return kBootstrap; }
const SuiteEntry* ImportSuiteTable() { return kImports; }

int16_t& SuiteSet::Nesting() {
  static int16_t nesting = 0;
  return nesting;
}

SuiteSet::SuiteSet(const SuiteEntry* bootstrap, const SuiteEntry* imports)
    : bootstrap_(bootstrap), imports_(imports) {
  for (const SuiteEntry* optional = OptionalPart(imports); optional && optional->name; ++optional)
    ++optional_;
  if (Nesting() != 0) return;
  status_ = AcquireEntries(bootstrap_, required_);
  if (status_ == ai::kNoError) status_ = AcquireEntries(imports_, required_);
  if (status_ == ai::kNoError) ++Nesting();
}

void SuiteSet::AcquireOptional() {
  for (const SuiteEntry* entry = OptionalPart(imports_); entry && entry->name; ++entry) {
    if (*entry->slot != nullptr) continue;
    if (suites::gBasic->acquireSuite(entry->name, entry->version, entry->slot) != ai::kNoError)
      *entry->slot = nullptr;
  }
}

ai::Code SuiteSet::Release() {
  int16_t& nesting = Nesting();
  const bool last = nesting == 1;
  if (nesting > 0) --nesting;
  if (!last) return ai::kNoError;
  ai::Code code = ReleaseEntries(bootstrap_);
  if (code == ai::kNoError) code = ReleaseEntries(imports_);
  if (code == ai::kNoError) {
    if (const SuiteEntry* optional = OptionalPart(imports_)) code = ReleaseEntries(optional);
  }
  return code;
}

}  // namespace vx
