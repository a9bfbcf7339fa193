// What a palette adds to its record's table: the template it is built from, the
// controls that follow a field's value, and slider page sizes other than the
// platform's default of 10. The binder and the view controllers do the rest.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "ui/bindings/record_binder.h"

namespace vx {

struct SliderPage {
  int32_t slider;
  int32_t pageSize;
};

struct PaletteSpec {
  int32_t templateId;
  std::span<const EnableRule> rules;
  std::span<const SliderPage> pages;
};

}  // namespace vx
