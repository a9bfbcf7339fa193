// Building a dialog template once for both languages.
//
// A Sheet is a constexpr list of controls with a Japanese and an English
// caption each, laid out row by row from the top: every row helper places its
// controls at the current line and moves the line below them, so rows never
// overlap. Localize turns a sheet into the control table of one language, and
// MakePair the two templates (Japanese, English) that share the one layout:
//
//   constexpr auto kSheet = [] {
//     Sheet<16> s(layout::kEffectPaletteWidth);
//     s.Field({"ステップ数:", "Steps:"}, kSteps, kStepsSpin);
//     s.EffectButtons();
//     return s;
//   }();
//   constexpr auto kJa = Localize<kSheet.Count()>(kSheet, Language::kJapanese);
//   constexpr auto kEn = Localize<kSheet.Count()>(kSheet, Language::kEnglish);
//   constexpr DialogPair kCutoutPalette = MakePair(res::kCutoutPalette, {"Live カットアウト", "Live Cutout"},
//                                                  kSheet, kJa, kEn);
//
// Combo and list boxes carry their items in the caption, one per line.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "platform/ui/dialog_template.h"
#include "resources/control_ids.h"
#include "resources/resource_ids.h"

namespace vx::resources {

using platform::ui::ControlClass;
using platform::ui::ControlTemplate;
using platform::ui::DialogTemplate;
using platform::ui::Language;

// A caption in both languages.
struct Caption {
  std::string_view ja;
  std::string_view en;
};
// A caption that reads the same in both languages.
constexpr Caption Same(std::string_view text) { return {text, text}; }

struct SheetEntry {
  int32_t id = -1;
  ControlClass kind = ControlClass::kStatic;
  Caption caption;
  int32_t x = 0, y = 0, width = 0, height = 0;
  uint32_t style = 0;
};

// One addressable choice of a radio group or a row of image buttons.
struct Choice {
  int32_t id;
  Caption caption;
};

// Layout metrics, in pixels. They live in a namespace of their own so that a
// control id of the same name, brought in with a using-directive, is not
// silently hidden by them.
namespace layout {
inline constexpr int32_t kMargin = 8;
inline constexpr int32_t kLineHeight = 18;  // edits, combo boxes, buttons of a row
inline constexpr int32_t kLabelHeight = 16;
inline constexpr int32_t kGap = 4;
inline constexpr int32_t kSpinWidth = 12;
inline constexpr int32_t kDialSize = 40;
inline constexpr int32_t kEffectPaletteWidth = 240;
}  // namespace layout

using platform::ui::kGroup;
using platform::ui::kHidden;
using platform::ui::kTabStop;

// Options of the row helpers. x = -1 starts at the sheet's left edge; a
// label width of 0 means no label.
struct RowOptions {
  int32_t x = -1;
  int32_t labelWidth = 100;
  int32_t fieldWidth = 56;  // edit or combo box
  int32_t width = 0;        // check box: its width; 0 reaches the right edge of the sheet
  int32_t labelId = -1;
  uint32_t style = 0;       // added to every addressable control of the row (kHidden)
  bool advance = true;      // false keeps the line, to put more on it
};

template <size_t N>
class Sheet {
 public:
  constexpr explicit Sheet(int32_t width) : width_(width), right_(width - layout::kMargin) {}

  // --- placing controls ----------------------------------------------------

  constexpr Sheet& Put(int32_t id, ControlClass kind, Caption caption, int32_t x, int32_t y, int32_t w,
                       int32_t h, uint32_t style = 0) {
    if (count_ >= N) throw "the sheet holds more controls than its capacity";
    entries_[count_++] = SheetEntry{id, kind, caption, x, y, w, h, style};
    return *this;
  }

  constexpr Sheet& Label(Caption text, int32_t x, int32_t y, int32_t w, int32_t id = -1, uint32_t style = 0) {
    return Put(id, ControlClass::kStatic, text, x, y + 2, w, layout::kLabelHeight, style);
  }

  // The current line, and moving it.
  constexpr int32_t Line() const { return y_; }
  constexpr int32_t Left() const { return left_; }
  constexpr int32_t Right() const { return right_; }
  constexpr Sheet& Down(int32_t dy) {
    y_ += dy;
    return *this;
  }
  // Puts the line back, to lay out another variant of a block at the same place
  // (controls of which only one variant is shown at a time).
  constexpr Sheet& BackTo(int32_t line) {
    y_ = line;
    return *this;
  }

  // --- rows ----------------------------------------------------------------

  // "Label: [edit][^]": an edit field with its up-down (spin 0: none).
  constexpr Sheet& Field(Caption label, int32_t edit, int32_t spin, RowOptions o = {}) {
    FieldAt(label, edit, spin, o);
    if (o.advance) y_ += layout::kLineHeight + layout::kGap;
    return *this;
  }

  // A field with a straight slider filling the rest of the line.
  constexpr Sheet& FieldWithSlider(Caption label, int32_t edit, int32_t spin, int32_t slider, RowOptions o = {}) {
    const int32_t x = FieldAt(label, edit, spin, o) + layout::kGap;
    Put(slider, ControlClass::kSlider, Same(""), x, y_, right_ - x, layout::kLineHeight + 2, kTabStop | o.style);
    if (o.advance) y_ += layout::kLineHeight + 2 + layout::kGap;
    return *this;
  }

  // A field with a slider on the line below it, across the sheet.
  constexpr Sheet& FieldOverSlider(Caption label, int32_t edit, int32_t spin, int32_t slider, RowOptions o = {}) {
    FieldAt(label, edit, spin, o);
    y_ += layout::kLineHeight + layout::kGap;
    const int32_t x = o.x < 0 ? left_ : o.x;
    Put(slider, ControlClass::kSlider, Same(""), x, y_, right_ - x, layout::kLineHeight + 2, kTabStop | o.style);
    y_ += layout::kLineHeight + 2 + layout::kGap;
    return *this;
  }

  // An angle: the field, and the circular angle slider at the right end of the line.
  constexpr Sheet& AngleField(Caption label, int32_t edit, int32_t spin, int32_t dial, RowOptions o = {}) {
    const int32_t line = y_;
    y_ += (layout::kDialSize - layout::kLineHeight) / 2;
    FieldAt(label, edit, spin, o);
    y_ = line;
    Put(dial, ControlClass::kSlider, Same(""), right_ - layout::kDialSize, y_, layout::kDialSize, layout::kDialSize, kTabStop | o.style);
    y_ += layout::kDialSize + layout::kGap;
    return *this;
  }

  constexpr Sheet& Check(Caption caption, int32_t id, RowOptions o = {}) {
    const int32_t x = o.x < 0 ? left_ : o.x;
    const int32_t w = o.width > 0 ? o.width : right_ - x;
    Put(id, ControlClass::kCheckBox, caption, x, y_ + 1, w, layout::kLabelHeight, kTabStop | o.style);
    if (o.advance) y_ += layout::kLabelHeight + layout::kGap + 2;
    return *this;
  }

  // A drop-down list; `items` one per line.
  constexpr Sheet& Combo(Caption label, int32_t id, Caption items, RowOptions o = {},
                         ControlClass kind = ControlClass::kComboBox) {
    int32_t x = o.x < 0 ? left_ : o.x;
    if (o.labelWidth > 0 && !label.ja.empty()) {
      Label(label, x, y_, o.labelWidth - layout::kGap, o.labelId, o.style);
      x += o.labelWidth;
    }
    Put(id, kind, items, x, y_, o.fieldWidth, layout::kLineHeight + 2, kTabStop | kGroup | o.style);
    if (o.advance) y_ += layout::kLineHeight + 2 + layout::kGap;
    return *this;
  }

  // Radio buttons side by side (`perRow` a line), after an optional label;
  // the first one starts the group.
  constexpr Sheet& Radios(Caption label, std::initializer_list<Choice> choices, int32_t itemWidth,
                          RowOptions o = {}, int32_t perRow = 8) {
    int32_t x0 = o.x < 0 ? left_ : o.x;
    if (o.labelWidth > 0 && !label.ja.empty()) {
      Label(label, x0, y_, o.labelWidth - layout::kGap);
      x0 += o.labelWidth;
    }
    int32_t column = 0;
    bool first = true;
    for (const Choice& c : choices) {
      if (column == perRow) {
        column = 0;
        y_ += layout::kLabelHeight + layout::kGap;
      }
      Put(c.id, ControlClass::kRadioButton, c.caption, x0 + column * itemWidth, y_ + 1, itemWidth - layout::kGap,
          layout::kLabelHeight, (first ? kTabStop | kGroup : 0u) | o.style);
      first = false;
      ++column;
    }
    y_ += layout::kLabelHeight + layout::kGap + 2;
    return *this;
  }

  // Image buttons side by side (`perRow` a line) after an optional label; the
  // captions name them (their images come from the palette).
  constexpr Sheet& ImageButtons(Caption label, std::initializer_list<Choice> buttons, int32_t size,
                                RowOptions o = {}, int32_t perRow = 16) {
    int32_t x0 = o.x < 0 ? left_ : o.x;
    if (o.labelWidth > 0 && !label.ja.empty()) {
      Label(label, x0, y_ + (size - layout::kLineHeight) / 2, o.labelWidth - layout::kGap);
      x0 += o.labelWidth;
    }
    int32_t column = 0;
    for (const Choice& b : buttons) {
      if (column == perRow) {
        column = 0;
        y_ += size + 2;
      }
      Put(b.id, ControlClass::kImageButton, b.caption, x0 + column * (size + 2), y_, size, size,
          kTabStop | o.style);
      ++column;
    }
    if (o.advance) y_ += size + layout::kGap;
    return *this;
  }

  // A push button of the given width at the current line.
  constexpr Sheet& Button(Caption caption, int32_t id, int32_t x, int32_t width, RowOptions o = {}) {
    Put(id, ControlClass::kButton, caption, x, y_, width, layout::kLineHeight + 4, kTabStop | o.style);
    if (o.advance) y_ += layout::kLineHeight + 4 + layout::kGap;
    return *this;
  }

  // --- group boxes ---------------------------------------------------------

  // Starts a framed group; the rows until EndGroup are indented inside it.
  constexpr Sheet& BeginGroup(Caption title) {
    groupEntry_ = count_;
    groupTop_ = y_;
    Put(-1, ControlClass::kGroupBox, title, left_ - 4, y_, right_ - left_ + 8, 0);
    left_ += 6;
    right_ -= 6;
    y_ += layout::kLabelHeight + 2;
    return *this;
  }
  constexpr Sheet& EndGroup() {
    entries_[groupEntry_].height = y_ - groupTop_ + 2;
    left_ -= 6;
    right_ += 6;
    y_ += layout::kGap + 4;
    return *this;
  }

  // --- common button rows --------------------------------------------------

  // The buttons every effect palette ends with: "?" and "Live Update", then
  // Expand, Release and Apply.
  constexpr Sheet& EffectButtons() {
    y_ += layout::kGap;
    Put(ctl::kHelpButton, ControlClass::kButton, Same("?"), left_, y_, 22, 22, kTabStop);
    Put(ctl::kLiveUpdate, ControlClass::kCheckBox, {"ライブアップデート", "Live Update"}, left_ + 30, y_ + 3,
        right_ - left_ - 30, layout::kLabelHeight, kTabStop);
    y_ += 22 + layout::kGap + 2;
    const int32_t w = (right_ - left_ - 2 * layout::kGap) / 3;
    Put(ctl::kExpand, ControlClass::kButton, {"拡張", "Expand"}, left_, y_, w, 22, kTabStop);
    Put(ctl::kRelease, ControlClass::kButton, {"解除", "Release"}, left_ + w + layout::kGap, y_, w, 22, kTabStop);
    Put(ctl::kApply, ControlClass::kButton, {"適用", "Apply"}, left_ + 2 * (w + layout::kGap), y_, w, 22, kTabStop);
    y_ += 22 + layout::kGap;
    return *this;
  }

  // The "?" button of a tool palette, at the right end of a line of its own.
  constexpr Sheet& ToolHelpButton() {
    y_ += layout::kGap;
    Put(ctl::kHelpButton, ControlClass::kButton, Same("?"), right_ - 22, y_, 22, 22, kTabStop);
    y_ += 22 + layout::kGap;
    return *this;
  }

  // --- the result ----------------------------------------------------------

  constexpr size_t Count() const { return count_; }
  constexpr const SheetEntry& operator[](size_t i) const { return entries_[i]; }
  constexpr int32_t Width() const { return width_; }
  constexpr int32_t Height() const { return y_ + layout::kMargin - layout::kGap; }

 private:
  // Label and edit (and spin) at the line; returns the x after them.
  constexpr int32_t FieldAt(Caption label, int32_t edit, int32_t spin, const RowOptions& o) {
    int32_t x = o.x < 0 ? left_ : o.x;
    if (o.labelWidth > 0) {
      Label(label, x, y_, o.labelWidth - layout::kGap, o.labelId, o.style);
      x += o.labelWidth;
    }
    Put(edit, ControlClass::kEdit, Same(""), x, y_, o.fieldWidth, layout::kLineHeight, kTabStop | kGroup | o.style);
    x += o.fieldWidth;
    if (spin != 0) {
      Put(spin, ControlClass::kUpDown, Same(""), x, y_, layout::kSpinWidth, layout::kLineHeight, o.style);
      x += layout::kSpinWidth;
    }
    return x;
  }

  std::array<SheetEntry, N> entries_{};
  size_t count_ = 0;
  int32_t width_;
  int32_t left_ = layout::kMargin;
  int32_t right_;
  int32_t y_ = layout::kMargin;
  size_t groupEntry_ = 0;
  int32_t groupTop_ = 0;
};

// The control table of one language.
template <size_t Count, size_t N>
constexpr std::array<ControlTemplate, Count> Localize(const Sheet<N>& sheet, Language language) {
  std::array<ControlTemplate, Count> out{};
  for (size_t i = 0; i < Count; ++i) {
    const SheetEntry& e = sheet[i];
    out[i] = ControlTemplate{e.id,
                             e.kind,
                             language == Language::kJapanese ? e.caption.ja : e.caption.en,
                             e.x,
                             e.y,
                             e.width,
                             e.height,
                             e.style};
  }
  return out;
}

// A template in Japanese and its English counterpart.
using DialogPair = std::array<DialogTemplate, 2>;

template <size_t N, size_t Count>
constexpr DialogPair MakePair(int32_t id, Caption title, const Sheet<N>& sheet,
                              const std::array<ControlTemplate, Count>& japanese,
                              const std::array<ControlTemplate, Count>& english) {
  return {{{id, Language::kJapanese, title.ja, sheet.Width(), sheet.Height(), japanese},
           {res::EnglishTemplateOf(id), Language::kEnglish, title.en, sheet.Width(), sheet.Height(), english}}};
}

// Every dialog template of the plug-in, each in both languages.
extern const DialogPair kWarpPaletteTemplates;
extern const DialogPair kAboutBoxTemplates;
extern const DialogPair kImportPresetTemplates;
extern const DialogPair kPresetDialogTemplates;
extern const DialogPair kHelpPaletteTemplates;
extern const DialogPair kNeonPaletteTemplates;
extern const DialogPair kBorderPaletteTemplates;
extern const DialogPair kEmbossPaletteTemplates;
extern const DialogPair kCutoutPaletteTemplates;
extern const DialogPair kShadowPaletteTemplates;
extern const DialogPair kTrailPaletteTemplates;
extern const DialogPair kCirclePaletteTemplates;
extern const DialogPair kWavePaletteTemplates;
extern const DialogPair kFractalizeDialogTemplates;
extern const DialogPair k3DPaletteTemplates;
extern const DialogPair kExplosionPaletteTemplates;
extern const DialogPair kGalaxyPaletteTemplates;
extern const DialogPair kTilingPaletteTemplates;
extern const DialogPair kFramePaletteTemplates;
extern const DialogPair kLensPaletteTemplates;
extern const DialogPair kCraftPaletteTemplates;
extern const DialogPair kRoughPaletteTemplates;
extern const DialogPair kBroomPaletteTemplates;
extern const DialogPair kMetaBrushPaletteTemplates;
extern const DialogPair kReflectionsPaletteTemplates;
extern const DialogPair kGenerationPaletteTemplates;
extern const DialogPair kTrailToolPaletteTemplates;

}  // namespace vx::resources
