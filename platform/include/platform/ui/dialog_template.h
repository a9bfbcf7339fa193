// Dialog templates and the resource table they live in.
//
// A template is a plain constant table, one entry per control, written in C++ so it
// is checked by the compiler and compiled into the library that owns it:
//
//   constexpr ControlTemplate kBorderControls[] = {
//     // id    class                  caption           x    y    w    h   style
//     {1577, ControlClass::kRadioButton, "外側",        8,   8,  60,  16, kTabStop | kGroup},
//     {1578, ControlClass::kRadioButton, "内側",       72,   8,  60,  16, 0},
//     {1579, ControlClass::kEdit,        "",           90,  30,  50,  18, kTabStop | kGroup},
//     {1580, ControlClass::kUpDown,      "",          140,  30,  12,  18, 0},
//     {1584, ControlClass::kSlider,      "",            8,  52, 150,  20, kTabStop},
//     {-1,   ControlClass::kStatic,      "ステップ:",   8,  80,  60,  16, 0},
//   };
//   constexpr DialogTemplate kBorderPalette{650, Language::kJapanese, "Live ボーダー", 232, 300,
//                                            kBorderControls};
//
// Coordinates are pixels relative to the dialog's client area. Captions are UTF-8.
// For combo and list boxes the caption lists the initial items, one per line.
// Controls that are never addressed (labels) use id -1; every other id is unique.
//
// A library's resources are one ResourceTable of entries found by type, id and
// language, as resources of a module are on the platform.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace platform::ui {

enum class ControlClass : uint8_t {
  kButton,         // push button
  kImageButton,    // push button showing an image resource instead of its caption
  kCheckBox,       // toggles itself when clicked
  kRadioButton,    // checks itself and unchecks the other radio buttons of its group
  kEdit,           // text field
  kUpDown,         // the spin arrows beside an edit field
  kSlider,         // straight slider (track bar)
  kComboBox,       // drop-down list of texts
  kImageComboBox,  // drop-down list of texts with images
  kListBox,        // list of texts; multiple selection with kMultiSelect
  kDragListBox,    // single-selection list whose rows can be dragged to a new place
  kStatic,         // text label
  kPicture,        // shows an image resource
  kGroupBox,       // frame around a group of controls
};

// Style flags of a control entry.
enum ControlStyle : uint32_t {
  kTabStop = 1u << 0,      // reached with Tab
  kGroup = 1u << 1,        // starts a group (radio buttons form a group up to the next kGroup)
  kDisabled = 1u << 2,     // created disabled
  kHidden = 1u << 3,       // created hidden
  kMultiSelect = 1u << 4,  // list box: extended multiple selection (Ctrl toggles, Shift extends)
  kReadOnly = 1u << 5,     // edit: the user cannot type into it
  kMultiLine = 1u << 6,    // edit: several lines
  kVertical = 1u << 7,     // slider: vertical, reporting through the vertical scroll handler
  kDefaultButton = 1u << 8,  // button: pressed by Enter in a modal dialog
};

enum class Language : uint16_t {
  kJapanese = 0x0411,
  kEnglish = 0x0409,
};

struct ControlTemplate {
  int32_t id = -1;
  ControlClass kind = ControlClass::kStatic;
  std::string_view caption;
  int32_t x = 0, y = 0, width = 0, height = 0;
  uint32_t style = 0;
};

struct DialogTemplate {
  int32_t id = 0;
  Language language = Language::kJapanese;
  std::string_view title;
  int32_t width = 0, height = 0;
  std::span<const ControlTemplate> controls;
};

// 0 when the template can be built: positive size, and no id other than -1 twice.
int32_t ValidateTemplate(const DialogTemplate& dialog);

// The class's name in dumps and scripts ("edit", "slider", ...), and back.
std::string_view ControlClassName(ControlClass kind);
std::optional<ControlClass> ControlClassFromName(std::string_view name);

enum class ResourceType : uint8_t {
  kDialog,  // a DialogTemplate
  kText,    // UTF-8 text
  kBitmap,  // picture bytes
  kPng,
  kIcon,
  kCursor,
  kMenu,
};

struct ResourceEntry {
  ResourceType type = ResourceType::kText;
  int32_t id = 0;
  Language language = Language::kJapanese;
  const DialogTemplate* dialog = nullptr;  // for kDialog
  std::string_view data;                   // for every other type
};

// The resources of one library. Lookups name the language explicitly; LoadDialog
// uses the table's loading language, so templates carried in another language are
// found only when asked for by language.
class ResourceTable {
 public:
  constexpr explicit ResourceTable(std::span<const ResourceEntry> entries,
                                   Language loading = Language::kJapanese)
      : entries_(entries), loading_(loading) {}

  const DialogTemplate* FindDialog(int32_t id, Language language) const;
  std::optional<std::string_view> FindData(ResourceType type, int32_t id, Language language) const;

  // The template with this id in the loading language, or null.
  const DialogTemplate* LoadDialog(int32_t id) const { return FindDialog(id, loading_); }
  Language LoadingLanguage() const { return loading_; }
  std::span<const ResourceEntry> Entries() const { return entries_; }

 private:
  std::span<const ResourceEntry> entries_;
  Language loading_;
};

}  // namespace platform::ui
