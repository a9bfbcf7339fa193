// Panels, their flyout menus, preferences, and the host's formatting of numbers
// and lengths for people.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "host.h"
#include "plugin_loader.h"
#include "suites/suite_tables.h"

namespace vxhost {
namespace {

constexpr ai::Code kNoSuchPanel = ai::FourCC("PNL?");
constexpr ai::Code kNoSuchItem = ai::FourCC("ITM?");
constexpr ai::Code kBufferTooSmall = ai::FourCC("BUF!");

PanelRegistry& Panels() { return Host::Current().panels(); }

#define VX_FIND_PANEL(var, handle)              \
  Panel* var = Panels().FindPanel(handle);      \
  if (var == nullptr) return kNoSuchPanel

#define VX_FIND_FLYOUT(var, handle)             \
  FlyoutMenu* var = Panels().FindFlyout(handle); \
  if (var == nullptr) return ai::kBadParameter

ai::Code CreatePanel(ai::PluginRef plugin, const char* identifier, const char* title, ai::ScreenSize size,
                     ai::FlyoutMenuHandle flyout, ai::PanelHandle* panel) {
  if (identifier == nullptr || panel == nullptr || size.width < 0 || size.height < 0) return ai::kBadParameter;
  VX_HOST_ENTER();
  FlyoutMenu* menu = nullptr;
  if (flyout != nullptr && (menu = Panels().FindFlyout(flyout)) == nullptr) return ai::kBadParameter;
  Panel* created = Panels().NewPanel(Host::Current().FindPlugin(plugin), identifier, title ? title : "", size, menu);
  *panel = reinterpret_cast<ai::PanelHandle>(created);
  return ai::kNoError;
}

ai::Code DisposePanel(ai::PanelHandle handle) {
  VX_HOST_ENTER();
  return Panels().DisposePanel(Panels().FindPanel(handle)) ? ai::kNoError : kNoSuchPanel;
}

ai::Code ShowPanel(ai::PanelHandle handle, int32_t shown) {
  VX_HOST_ENTER();
  VX_FIND_PANEL(panel, handle);
  panel->shown = shown != 0;
  ++(shown != 0 ? panel->showCount : panel->hideCount);
  return ai::kNoError;
}

ai::Code IsPanelShown(ai::PanelHandle handle, int32_t* shown) {
  if (shown == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_FIND_PANEL(panel, handle);
  *shown = panel->shown ? 1 : 0;
  return ai::kNoError;
}

ai::Code SetPanelTitle(ai::PanelHandle handle, const char* title) {
  if (title == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_FIND_PANEL(panel, handle);
  panel->title = title;
  return ai::kNoError;
}

ai::Code GetPlatformWindow(ai::PanelHandle handle, ai::PlatformWindow* window) {
  if (window == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_FIND_PANEL(panel, handle);
  *window = panel->inside;
  return ai::kNoError;
}

ai::Code GetPanelSize(ai::PanelHandle handle, ai::ScreenSize* size) {
  if (size == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_FIND_PANEL(panel, handle);
  *size = panel->size;
  return ai::kNoError;
}

ai::Code SetPanelSize(ai::PanelHandle handle, ai::ScreenSize size) {
  if (size.width < 0 || size.height < 0) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_FIND_PANEL(panel, handle);
  Panels().SetSize(*panel, size);
  return ai::kNoError;
}

ai::Code SetPanelSizeLimits(ai::PanelHandle handle, ai::ScreenSize minimum, ai::ScreenSize maximum) {
  VX_HOST_ENTER();
  VX_FIND_PANEL(panel, handle);
  panel->minimum = minimum;
  panel->maximum = maximum;
  return ai::kNoError;
}

ai::Code MovePanel(ai::PanelHandle handle, ai::ScreenPoint frameCorner) {
  VX_HOST_ENTER();
  VX_FIND_PANEL(panel, handle);
  Panels().Move(*panel, frameCorner);
  return ai::kNoError;
}

ai::Code SetFlyoutHandler(ai::PanelHandle handle, ai::PanelFlyoutHandler handler) {
  VX_HOST_ENTER();
  VX_FIND_PANEL(panel, handle);
  panel->flyoutHandler = handler;
  return ai::kNoError;
}

ai::Code SetSizeHandler(ai::PanelHandle handle, ai::PanelSizeHandler handler) {
  VX_HOST_ENTER();
  VX_FIND_PANEL(panel, handle);
  panel->sizeHandler = handler;
  return ai::kNoError;
}

constexpr ai::PanelSuite kPanel{CreatePanel,     DisposePanel,       ShowPanel,        IsPanelShown,
                                SetPanelTitle,   GetPlatformWindow,  GetPanelSize,     SetPanelSize,
                                SetPanelSizeLimits, MovePanel,       SetFlyoutHandler, SetSizeHandler};

ai::Code CreateFlyout(ai::FlyoutMenuHandle* menu) {
  if (menu == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  *menu = reinterpret_cast<ai::FlyoutMenuHandle>(Panels().NewFlyout());
  return ai::kNoError;
}

ai::Code DisposeFlyout(ai::FlyoutMenuHandle handle) {
  VX_HOST_ENTER();
  return Panels().DisposeFlyout(Panels().FindFlyout(handle)) ? ai::kNoError : ai::kBadParameter;
}

ai::Code InsertAt(FlyoutMenu& menu, size_t index, uint32_t id, const char* text, bool separator) {
  if (menu.IndexOf(id) >= 0) return ai::kBadParameter;  // ids name items: no two alike
  menu.items.insert(menu.items.begin() + static_cast<std::ptrdiff_t>(index),
                    FlyoutItem{id, separator ? "" : text, separator});
  return ai::kNoError;
}

ai::Code AppendItem(ai::FlyoutMenuHandle handle, uint32_t id, const char* text) {
  if (text == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_FIND_FLYOUT(menu, handle);
  return InsertAt(*menu, menu->items.size(), id, text, false);
}

ai::Code AppendSeparator(ai::FlyoutMenuHandle handle, uint32_t id) {
  VX_HOST_ENTER();
  VX_FIND_FLYOUT(menu, handle);
  return InsertAt(*menu, menu->items.size(), id, "", true);
}

ai::Code InsertItem(ai::FlyoutMenuHandle handle, uint32_t beforeId, uint32_t id, const char* text) {
  if (text == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_FIND_FLYOUT(menu, handle);
  const int32_t before = menu->IndexOf(beforeId);
  if (before < 0) return kNoSuchItem;
  return InsertAt(*menu, static_cast<size_t>(before), id, text, false);
}

ai::Code RemoveItem(ai::FlyoutMenuHandle handle, uint32_t id) {
  VX_HOST_ENTER();
  VX_FIND_FLYOUT(menu, handle);
  const int32_t index = menu->IndexOf(id);
  if (index < 0) return kNoSuchItem;
  menu->items.erase(menu->items.begin() + index);
  return ai::kNoError;
}

ai::Code CountItems(ai::FlyoutMenuHandle handle, int32_t* count) {
  if (count == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_FIND_FLYOUT(menu, handle);
  *count = static_cast<int32_t>(menu->items.size());
  return ai::kNoError;
}

ai::Code GetItemId(ai::FlyoutMenuHandle handle, int32_t index, uint32_t* id) {
  if (id == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_FIND_FLYOUT(menu, handle);
  if (index < 0 || static_cast<size_t>(index) >= menu->items.size()) return kNoSuchItem;
  *id = menu->items[static_cast<size_t>(index)].id;
  return ai::kNoError;
}

constexpr ai::PanelFlyoutMenuSuite kFlyout{CreateFlyout, DisposeFlyout, AppendItem, AppendSeparator,
                                           InsertItem,   RemoveItem,    CountItems, GetItemId};

ai::Code GetPoint(const char* prefix, const char* key, ai::ScreenPoint* value) {
  if (prefix == nullptr || key == nullptr || value == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  return Host::Current().preferences().GetPoint(prefix, key, value) ? ai::kNoError : ai::kNoSuchPreference;
}

ai::Code PutPoint(const char* prefix, const char* key, ai::ScreenPoint value) {
  if (prefix == nullptr || key == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  Host::Current().preferences().PutPoint(prefix, key, value);
  return ai::kNoError;
}

constexpr ai::PreferenceSuite kPreference{GetPoint, PutPoint};

// Points per unit and the abbreviation people read, by the host's unit number.
struct MeasureUnit {
  int32_t unit;
  double points;
  const char* abbreviation;
};
constexpr MeasureUnit kUnits[] = {
    {ai::measure_unit::kPoints, 1.0, "pt"},           {ai::measure_unit::kInches, 72.0, "in"},
    {ai::measure_unit::kMillimeters, 72.0 / 25.4, "mm"}, {ai::measure_unit::kCentimeters, 72.0 / 2.54, "cm"},
    {ai::measure_unit::kPicas, 12.0, "pc"},           {ai::measure_unit::kQ, 72.0 / 25.4 / 4.0, "Q"},
    {ai::measure_unit::kPixels, 1.0, "px"},
};
// Other spellings people type.
struct UnitAlias {
  const char* text;
  int32_t unit;
};
constexpr UnitAlias kAliases[] = {{"p", ai::measure_unit::kPicas},     {"\"", ai::measure_unit::kInches},
                                  {"inch", ai::measure_unit::kInches}, {"q", ai::measure_unit::kQ},
                                  {"h", ai::measure_unit::kQ},         {"point", ai::measure_unit::kPoints},
                                  {"points", ai::measure_unit::kPoints}};

const MeasureUnit& UnitOf(int32_t unit) {
  for (const MeasureUnit& u : kUnits)
    if (u.unit == unit) return u;
  return kUnits[0];  // unknown units measure in points
}

const MeasureUnit* UnitNamed(std::string name) {
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const MeasureUnit& u : kUnits) {
    std::string abbreviation = u.abbreviation;
    for (char& c : abbreviation) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (name == abbreviation) return &u;
  }
  for (const UnitAlias& alias : kAliases)
    if (name == alias.text) return &UnitOf(alias.unit);
  return nullptr;
}

ai::Code CopyOut(const std::string& text, char* buffer, size_t bufferSize) {
  if (buffer == nullptr || bufferSize == 0) return ai::kBadParameter;
  if (text.size() + 1 > bufferSize) return kBufferTooSmall;
  std::memcpy(buffer, text.c_str(), text.size() + 1);
  return ai::kNoError;
}

std::string Fixed(double value, int32_t decimals) {
  if (!std::isfinite(value)) value = 0;
  if (value == 0) value = 0;  // no "-0.000"
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals < 0 ? 0 : (decimals > 10 ? 10 : decimals), value);
  // A value that rounds to zero shows without its sign.
  std::string out = text;
  if (out[0] == '-' && out.find_first_not_of("-0.") == std::string::npos) out.erase(0, 1);
  return out;
}

ai::Code FormatReal(double value, int32_t decimals, char* buffer, size_t bufferSize) {
  VX_HOST_ENTER();
  return CopyOut(Fixed(value, decimals), buffer, bufferSize);
}

ai::Code FormatMeasurement(double points, int32_t unit, int32_t decimals, char* buffer, size_t bufferSize) {
  VX_HOST_ENTER();
  const MeasureUnit& u = UnitOf(unit);
  return CopyOut(Fixed(points / u.points, decimals) + " " + u.abbreviation, buffer, bufferSize);
}

ai::Code ParseMeasurement(const char* text, int32_t unit, double* points) {
  if (text == nullptr || points == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  std::string s = text;
  // Both decimal marks people type are accepted.
  for (char& c : s)
    if (c == ',') c = '.';
  const char* begin = s.c_str();
  char* end = nullptr;
  const double value = std::strtod(begin, &end);
  if (end == begin || !std::isfinite(value)) return ai::kNotANumber;
  std::string rest(end);
  rest.erase(0, rest.find_first_not_of(" \t"));
  rest.erase(rest.find_last_not_of(" \t") + 1);
  const MeasureUnit* u = rest.empty() ? &UnitOf(unit) : UnitNamed(rest);
  if (u == nullptr) return ai::kNotANumber;
  *points = value * u->points;
  return ai::kNoError;
}

constexpr ai::StringFormatUtilsSuite kStringFormat{FormatReal, FormatMeasurement, ParseMeasurement};

}  // namespace

const ai::PanelSuite* PanelSuiteTable() { return &kPanel; }
const ai::PanelFlyoutMenuSuite* PanelFlyoutMenuSuiteTable() { return &kFlyout; }
const ai::PreferenceSuite* PreferenceSuiteTable() { return &kPreference; }
const ai::StringFormatUtilsSuite* StringFormatUtilsSuiteTable() { return &kStringFormat; }

}  // namespace vxhost
