// The host's implementation of each suite, one function per suite returning its
// table of operations.
#pragma once

#include "frame/host/suite_list.h"

namespace vxhost {

const ai::BasicSuite* BasicSuiteTable();
#define VX_SUITE_TABLE_DECL(Var, Struct, Name, Version) const ai::Struct* Struct##Table();
VX_BOOTSTRAP_SUITES(VX_SUITE_TABLE_DECL)
VX_IMPORT_SUITES(VX_SUITE_TABLE_DECL)
#undef VX_SUITE_TABLE_DECL

}  // namespace vxhost
