// Suites the plug-in acquires whose operations no code calls yet. The host
// publishes them so acquisition behaves as in the real application; their
// operations arrive with the code that needs them.
#include "suites/suite_tables.h"

namespace vxhost {

#define VX_PENDING_SUITE(Struct)                \
  const ai::Struct* Struct##Table() {           \
    static const ai::Struct table{};            \
    return &table;                              \
  }
VX_PENDING_SUITE(ColorConversionSuite)
VX_PENDING_SUITE(ColorSpaceSuite)
VX_PENDING_SUITE(URLSuite)
#undef VX_PENDING_SUITE

}  // namespace vxhost
