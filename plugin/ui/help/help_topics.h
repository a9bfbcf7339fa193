// The help palette's topics: the rows of its list and the page each row shows.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vx {

constexpr int16_t kHelpTopicCount = 31;

struct HelpTopic {
  const char* listText;  // UTF-8
  int16_t page;
};

const HelpTopic& HelpTopicAt(int16_t row);

// The row of an effect's page (effect index 0-24): every 3D shape shares the
// first page of Live 3D; the other effects follow in their index order.
int16_t HelpRowOfEffect(int16_t effectIndex);

// Resource ids of a page's picture and text.
constexpr int32_t kHelpPictureBase = 690;
constexpr int32_t kHelpTextBase = 654;
// The longest page text shown; a longer one shows as an empty page.
constexpr size_t kHelpTextLimit = 32000;

}  // namespace vx
