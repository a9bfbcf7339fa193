// The resources embedded from files at build time: help pages byte for byte as
// their files, a picture per page, the icons, images and cursors the palettes
// and tools name, and the preset popup menu as the effect dialog reads it.
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include "platform/ui/dialog_template.h"
#include "platform/ui/popup_menu.h"
#include "resources/resource_ids.h"

namespace {

using platform::ui::Language;
using platform::ui::ResourceType;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string PagePath(const char* language, int page) {
  char name[64];
  std::snprintf(name, sizeof name, "/plugin/resources/help/%s/page_%02d.txt", language, page);
  return std::string(VX_SOURCE_DIR) + name;
}

bool IsUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    const size_t length = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += length;
  }
  return true;
}

std::string_view Data(ResourceType type, int32_t id, Language language = Language::kJapanese) {
  const auto data = vx::PluginResources().FindData(type, id, language);
  return data ? *data : std::string_view{};
}

// The picture's SVG root, or an empty node when the data is no SVG document.
pugi::xml_node SvgRoot(pugi::xml_document& doc, std::string_view data) {
  if (!doc.load_buffer(data.data(), data.size())) return {};
  pugi::xml_node root = doc.document_element();
  if (std::string_view(root.name()) != "svg" || root.attribute("width").as_int() <= 0 ||
      root.attribute("height").as_int() <= 0)
    return {};
  return root;
}

TEST(EmbeddedResources, HelpTextsAreTheirFilesInBothLanguages) {
  for (int page = 0; page < vx::res::kHelpPageCount; ++page) {
    for (auto [language, folder] : {std::pair{Language::kJapanese, "ja"}, std::pair{Language::kEnglish, "en"}}) {
      SCOPED_TRACE(std::string(folder) + " page " + std::to_string(page));
      const auto text = vx::PluginResources().FindData(ResourceType::kText, vx::res::HelpTextId(page), language);
      ASSERT_TRUE(text.has_value());
      EXPECT_EQ(*text, ReadFile(PagePath(folder, page))) << "embedded byte for byte";
      EXPECT_TRUE(IsUtf8(*text));
      EXPECT_GT(text->size(), 0u);
      EXPECT_LE(text->size(), static_cast<size_t>(vx::res::kHelpTextLimit)) << "the palette shows it";
    }
  }
  EXPECT_FALSE(vx::PluginResources().FindData(ResourceType::kText, vx::res::HelpTextId(vx::res::kHelpPageCount),
                                               Language::kJapanese));
}

TEST(EmbeddedResources, EveryHelpPageHasAPicture) {
  for (int page = 0; page < vx::res::kHelpPageCount; ++page)
    for (Language language : {Language::kJapanese, Language::kEnglish}) {
      pugi::xml_document doc;
      EXPECT_TRUE(SvgRoot(doc, Data(ResourceType::kBitmap, vx::res::HelpPictureId(page), language)))
          << "page " << page;
    }
}

TEST(EmbeddedResources, ImagesThePalettesNameAreThere) {
  std::vector<std::pair<ResourceType, int32_t>> wanted = {
      {ResourceType::kIcon, vx::res::kPresetButtonIcon},  {ResourceType::kBitmap, vx::res::kGeneratorImageList},
      {ResourceType::kBitmap, vx::res::kExportPresetsImage}, {ResourceType::kBitmap, vx::res::kImportPresetsImage},
      {ResourceType::kBitmap, vx::res::kSaveNewPresetImage}, {ResourceType::kBitmap, vx::res::kDeletePresetsImage},
      {ResourceType::kIcon, vx::res::kStackOnTopIcon},    {ResourceType::kIcon, vx::res::kStackBelowIcon},
      {ResourceType::kIcon, vx::res::kFrameClockwiseIcon}, {ResourceType::kIcon, vx::res::kFrameCounterClockwiseIcon},
  };
  for (int i = 0; i < 3; ++i) {
    wanted.push_back({ResourceType::kIcon, vx::res::BorderQuickIcon(i, false)});
    wanted.push_back({ResourceType::kIcon, vx::res::BorderQuickIcon(i, true)});
    wanted.push_back({ResourceType::kIcon, vx::res::kNeonArcIcons + i});
    wanted.push_back({ResourceType::kIcon, vx::res::kFrameCornerIcons + i});
    wanted.push_back({ResourceType::kIcon, vx::res::kOrientationIcons + i});
  }
  for (int32_t id = vx::res::kEndOwnColorIcon; id <= vx::res::kEndSwapIcon; ++id)
    wanted.push_back({ResourceType::kIcon, id});
  for (int i = 0; i < 22; ++i) wanted.push_back({ResourceType::kIcon, vx::res::kWarpShapeIcons + i});
  for (int i = 0; i < 5; ++i) wanted.push_back({ResourceType::kIcon, vx::res::kWaveShapeIcons + i});
  for (int i = 0; i < 4; ++i) {
    wanted.push_back({ResourceType::kIcon, vx::res::kLensTypeIcons + i});
    wanted.push_back({ResourceType::kIcon, vx::res::kDistortModeIcons + i});
    wanted.push_back({ResourceType::kIcon, vx::res::kStampStackingIcons + i});
  }
  for (int i = 0; i < 9; ++i) {
    wanted.push_back({ResourceType::kPng, vx::res::kToolIcons + i});
    wanted.push_back({ResourceType::kPng, vx::res::kDarkToolIcons + i});
  }
  for (auto [type, id] : wanted) {
    pugi::xml_document doc;
    EXPECT_TRUE(SvgRoot(doc, Data(type, id))) << "image " << id;
  }
  pugi::xml_document doc;
  const pugi::xml_node strip = SvgRoot(doc, Data(ResourceType::kBitmap, vx::res::kGeneratorImageList));
  EXPECT_EQ(strip.attribute("width").as_int(), 14 * vx::res::kGeneratorImageSize) << "one cell per generator";
  EXPECT_EQ(strip.attribute("height").as_int(), vx::res::kGeneratorImageSize);
}

// Every cursor a tool shows, each with its hot spot inside the picture.
TEST(EmbeddedResources, ToolCursorsHaveHotSpots) {
  std::vector<int32_t> cursors = {vx::res::kCrossCursor,     vx::res::kAddAnchorCursor, vx::res::kCraftCursor,
                                  vx::res::kRoughCursor,     vx::res::kMetaBrushCursor, vx::res::kTrailCursor,
                                  vx::res::kBroomCursor,     vx::res::kLive3DRotateCursor};
  for (int hit = 0; hit < 3; ++hit)
    for (int32_t base : {vx::res::kPointerCursor, vx::res::kEyedropperCursor, vx::res::kEyedropperDownCursor})
      cursors.push_back(base + hit);
  for (int32_t shape : vx::res::kWarpShapeCursors) {
    cursors.push_back(shape);
    cursors.push_back(shape + vx::res::kTurnedCursorOffset);
  }
  for (int32_t shape : vx::res::kWaveShapeCursors) {
    cursors.push_back(shape);
    cursors.push_back(shape + vx::res::kTurnedCursorOffset);
  }
  for (int32_t id : cursors) {
    pugi::xml_document doc;
    const pugi::xml_node root = SvgRoot(doc, Data(ResourceType::kCursor, id));
    ASSERT_TRUE(root) << "cursor " << id;
    int x = -1, y = -1;
    ASSERT_EQ(std::sscanf(root.attribute("vx:hotspot").value(), "%d,%d", &x, &y), 2) << "cursor " << id;
    EXPECT_TRUE(x >= 0 && y >= 0 && x < root.attribute("width").as_int() && y < root.attribute("height").as_int())
        << "cursor " << id;
  }
}

TEST(EmbeddedResources, PresetPopupMenuReadsAsTheEffectDialogWantsIt) {
  platform::ui::PopupMenu menu;
  ASSERT_TRUE(menu.Parse(Data(ResourceType::kMenu, vx::res::kPresetPopupMenu)));
  ASSERT_EQ(menu.items.size(), 6u);
  const std::vector<std::tuple<int32_t, std::string, bool>> expected = {
      {vx::res::kMenuDefaultSetting, "初期設定", false},
      {0, "", true},
      {vx::res::kMenuEditPresets, "プリセットを編集...", false},
      {0, "", true},
      {0, "", true},
      {vx::res::kMenuAbout, "このプラグインについて...", false},
  };
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(menu.items[i].separator, std::get<2>(expected[i])) << i;
    if (!menu.items[i].separator) {
      EXPECT_EQ(menu.items[i].id, std::get<0>(expected[i]));
      EXPECT_EQ(menu.items[i].text, std::get<1>(expected[i]));
    }
  }
  platform::ui::PopupMenu english;
  ASSERT_TRUE(english.Parse(Data(ResourceType::kMenu, vx::res::kPresetPopupMenu, Language::kEnglish)));
  ASSERT_EQ(english.items.size(), menu.items.size());
  for (size_t i = 0; i < menu.items.size(); ++i) {
    EXPECT_EQ(english.items[i].id, menu.items[i].id);
    EXPECT_EQ(english.items[i].separator, menu.items[i].separator);
  }
}

// Lookups name type, id and language: two entries with the same three would
// hide one another.
TEST(EmbeddedResources, NoResourceIsThereTwice) {
  std::set<std::tuple<int, int32_t, int>> seen;
  for (const platform::ui::ResourceEntry& e : vx::PluginResources().Entries())
    EXPECT_TRUE(seen.insert({static_cast<int>(e.type), e.id, static_cast<int>(e.language)}).second)
        << "type " << static_cast<int>(e.type) << " id " << e.id;
}

}  // namespace
