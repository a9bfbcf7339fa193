// The suites the plug-in holds, each in one process-wide variable, and the two
// tables that acquire them: the bootstrap table first, then the import table.
// The import table's terminating entry may carry the version 'OPTS'; the entries
// after it are optional, acquired on demand and allowed to fail.
#pragma once

#include <cstdint>

#include "frame/host/suite_list.h"

namespace vx {

namespace suites {
#define VX_DECLARE_SUITE(Var, Struct, Name, Version) \
  extern const void* g##Var;                         \
  inline const ai::Struct& Var() { return *static_cast<const ai::Struct*>(g##Var); }
VX_BOOTSTRAP_SUITES(VX_DECLARE_SUITE)
VX_IMPORT_SUITES(VX_DECLARE_SUITE)
#undef VX_DECLARE_SUITE

// The basic suite of the message being handled.
extern const ai::BasicSuite* gBasic;
}  // namespace suites

struct SuiteEntry {
  const char* name;  // null ends the table (or its required part)
  int32_t version;   // kOptionalMarker on the entry that ends the required part
  const void** slot;
};

constexpr int32_t kOptionalMarker = ai::FourCC("OPTS");

// The tables of this plug-in.
const SuiteEntry* BootstrapSuiteTable();
const SuiteEntry* ImportSuiteTable();

// Acquires the suites of two tables on construction (when no other set holds
// them) and releases them when the last holder lets go. A process-wide 16-bit
// nesting counter guards both.
class SuiteSet {
 public:
  SuiteSet(const SuiteEntry* bootstrap, const SuiteEntry* imports);
  SuiteSet(const SuiteSet&) = delete;
  SuiteSet& operator=(const SuiteSet&) = delete;

  ai::Code status() const { return status_; }
  int32_t requiredCount() const { return required_; }
  int32_t optionalCount() const { return optional_; }

  // Acquires optional suites not yet held; failures are ignored.
  void AcquireOptional();

  // Decrements the nesting counter and, when it was 1, releases every suite held.
  // The first failed release stops the release and is returned.
  ai::Code Release();

  // The nesting counter is process-wide; startup and reload set it to 1 after
  // creating a set.
  static int16_t& Nesting();

 private:
  const SuiteEntry* bootstrap_;
  const SuiteEntry* imports_;
  ai::Code status_ = ai::kNoError;
  int32_t required_ = 0;
  int32_t optional_ = 0;
};

}  // namespace vx
