#include "platform/ui/dialog_state.h"

#include <nlohmann/json.hpp>

#include "platform/ui/desktop.h"
#include "platform/ui/dialog.h"

namespace platform::ui {
namespace {

using nlohmann::json;

json RectJson(const Rect& r) { return json::array({r.left, r.top, r.Width(), r.Height()}); }

bool HoldsItems(const Control& c) {
  return c.IsList() || c.Kind() == ControlClass::kComboBox || c.Kind() == ControlClass::kImageComboBox;
}

bool HoldsCheck(const Control& c) {
  return c.Kind() == ControlClass::kCheckBox || c.Kind() == ControlClass::kRadioButton;
}

bool HoldsRange(const Control& c) { return c.Kind() == ControlClass::kSlider || c.Kind() == ControlClass::kUpDown; }

bool HoldsImage(const Control& c) {
  return c.Kind() == ControlClass::kImageButton || c.Kind() == ControlClass::kPicture ||
         c.Kind() == ControlClass::kStatic;
}

json DrawOpJson(const DrawOp& op) {
  static constexpr const char* kKinds[] = {"ellipse", "line", "fill-rect", "frame-rect", "image"};
  json out = {{"op", kKinds[static_cast<int>(op.kind)]}, {"box", {op.box.left, op.box.top, op.box.right, op.box.bottom}}};
  if (op.penWidth > 0) out["pen"] = {{"colour", op.pen}, {"width", op.penWidth}};
  if (op.fill) out["fill"] = *op.fill;
  if (op.image >= 0) out["image"] = op.image;
  return out;
}

json ControlJson(const Control& c, bool focused) {
  json out = {{"id", c.Id()},
              {"class", ControlClassName(c.Kind())},
              {"rect", RectJson(c.Bounds())},
              {"enabled", c.Enabled()},
              {"visible", c.Visible()}};
  if (focused) out["focused"] = true;
  if (!HoldsItems(c) && !HoldsRange(c)) out["text"] = c.Text();
  if (HoldsCheck(c)) out["check"] = c.Check();
  if (c.Kind() == ControlClass::kButton || c.Kind() == ControlClass::kImageButton) out["pressed"] = c.Pressed();
  if (HoldsImage(c)) out["image"] = c.Image();
  if (HoldsRange(c)) {
    out["position"] = c.Position();
    out["range"] = {c.Minimum(), c.Maximum()};
  }
  if (c.Kind() == ControlClass::kSlider) {
    out["page"] = c.PageSize();
    out["line"] = c.LineSize();
  }
  if (HoldsItems(c)) {
    json items = json::array();
    for (const ListItem& item : c.Items()) {
      json entry = {{"text", item.text}};
      if (item.image >= 0) entry["image"] = item.image;
      items.push_back(entry);
    }
    out["items"] = items;
    out["selection"] = c.Selection();
    if (c.IsMultiSelect()) {
      out["selected"] = c.SelectedItems();
      out["anchor"] = c.Anchor();
    }
  }
  const DisplayList painted = c.Paint();
  if (!painted.ops.empty()) {
    json ops = json::array();
    for (const DrawOp& op : painted.ops) ops.push_back(DrawOpJson(op));
    out["display"] = ops;
  }
  return out;
}

json DialogJson(const Dialog& dialog) {
  const Desktop& desktop = dialog.GetDesktop();
  json controls = json::array();
  for (const auto& c : dialog.Controls()) controls.push_back(ControlJson(*c, c->Handle() == desktop.Focus()));
  return {{"id", dialog.Template() != nullptr ? dialog.Template()->id : 0},
          {"title", dialog.Title()},
          {"rect", RectJson(dialog.WindowRect())},
          {"visible", dialog.Visible()},
          {"enabled", dialog.Enabled()},
          {"modal", dialog.IsModal()},
          {"controls", controls}};
}

// Reads an integer member when present and of the right type; reports malformed ones.
bool ReadInt(const json& object, const char* key, int32_t& out) {
  auto it = object.find(key);
  if (it == object.end()) return true;
  if (!it->is_number_integer()) return false;
  out = it->get<int32_t>();
  return true;
}

bool ReadBool(const json& object, const char* key, bool& out) {
  auto it = object.find(key);
  if (it == object.end()) return true;
  if (!it->is_boolean()) return false;
  out = it->get<bool>();
  return true;
}

bool RestoreControl(Control& c, const json& in) {
  if (!in.is_object()) return false;
  int32_t id = 0;
  if (!ReadInt(in, "id", id) || id != c.Id()) return false;
  auto kind = in.find("class");
  if (kind == in.end() || !kind->is_string() || kind->get<std::string>() != ControlClassName(c.Kind())) return false;

  bool enabled = c.Enabled(), visible = c.Visible(), pressed = c.Pressed();
  int32_t check = c.Check(), image = c.Image(), position = c.Position(), page = c.PageSize(), line = c.LineSize();
  if (!ReadBool(in, "enabled", enabled) || !ReadBool(in, "visible", visible) || !ReadBool(in, "pressed", pressed) ||
      !ReadInt(in, "check", check) || !ReadInt(in, "image", image) || !ReadInt(in, "position", position) ||
      !ReadInt(in, "page", page) || !ReadInt(in, "line", line))
    return false;
  if (auto rect = in.find("rect"); rect != in.end()) {
    if (!rect->is_array() || rect->size() != 4) return false;
    for (const json& v : *rect)
      if (!v.is_number_integer()) return false;
    const int32_t x = (*rect)[0], y = (*rect)[1], w = (*rect)[2], h = (*rect)[3];
    c.SetBounds({x, y, x + w, y + h});
  }
  c.Enable(enabled);
  c.Show(visible);
  c.SetPressed(pressed);
  c.SetCheck(check);
  c.SetImage(image);
  if (auto range = in.find("range"); range != in.end()) {
    if (!range->is_array() || range->size() != 2 || !(*range)[0].is_number_integer() || !(*range)[1].is_number_integer())
      return false;
    c.SetRange((*range)[0].get<int32_t>(), (*range)[1].get<int32_t>());
  }
  c.SetPosition(position);
  c.SetPageSize(page);
  c.SetLineSize(line);
  if (auto text = in.find("text"); text != in.end()) {
    if (!text->is_string()) return false;
    c.SetText(text->get<std::string>());
  }
  if (auto items = in.find("items"); items != in.end()) {
    if (!items->is_array()) return false;
    c.ClearItems();
    for (const json& item : *items) {
      if (!item.is_object() || !item.contains("text") || !item["text"].is_string()) return false;
      int32_t itemImage = -1;
      if (!ReadInt(item, "image", itemImage)) return false;
      c.AddItem(item["text"].get<std::string>(), itemImage);
    }
    int32_t selection = -1, anchor = -1;
    if (!ReadInt(in, "selection", selection) || !ReadInt(in, "anchor", anchor)) return false;
    if (c.IsMultiSelect()) {
      if (auto selected = in.find("selected"); selected != in.end()) {
        if (!selected->is_array()) return false;
        for (const json& row : *selected)
          if (!row.is_number_integer() || !c.SetSelected(row.get<int32_t>(), true)) return false;
      }
      if (selection >= static_cast<int32_t>(c.Items().size())) return false;
      // The caret row is kept apart from the selected set.
      if (selection >= 0) c.SetSelected(selection, c.IsSelected(selection));
      c.SetAnchor(anchor);
    } else if (!c.SetSelection(selection)) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::string DialogStateJson(const Dialog& dialog, int indent) { return DialogJson(dialog).dump(indent); }

int32_t RestoreDialogState(Dialog& dialog, std::string_view text) {
  if (!dialog.IsCreated()) return kUiNotCreated;
  // The parser and the typed reads stay inside this function: callers only see codes.
  try {
    const json in = json::parse(text, nullptr, /*allow_exceptions=*/false);
    if (!in.is_object()) return kUiBadState;
    auto controls = in.find("controls");
    if (controls == in.end() || !controls->is_array() || controls->size() != dialog.Controls().size())
      return kUiBadState;
    for (size_t i = 0; i < controls->size(); ++i)
      if (!RestoreControl(*dialog.Controls()[i], (*controls)[i])) return kUiBadState;
    if (auto title = in.find("title"); title != in.end() && title->is_string()) dialog.SetTitle(title->get<std::string>());
    if (auto rect = in.find("rect"); rect != in.end() && rect->is_array() && rect->size() == 4) {
      dialog.MoveTo({(*rect)[0].get<int32_t>(), (*rect)[1].get<int32_t>()});
      dialog.Resize((*rect)[2].get<int32_t>(), (*rect)[3].get<int32_t>());
    }
    bool visible = dialog.Visible(), enabled = dialog.Enabled();
    if (!ReadBool(in, "visible", visible) || !ReadBool(in, "enabled", enabled)) return kUiBadState;
    dialog.Show(visible);
    dialog.Enable(enabled);
    return kUiOk;
  } catch (const std::exception&) {
    return kUiBadState;
  }
}

std::string DesktopStateJson(const Desktop& desktop, int indent) {
  json dialogs = json::array();
  for (const Dialog* dialog : desktop.Dialogs()) dialogs.push_back(DialogJson(*dialog));
  json modal = json::array();
  for (const Dialog* dialog : desktop.ModalStack())
    modal.push_back(dialog->Template() != nullptr ? dialog->Template()->id : 0);
  const Rect s = desktop.Screen();
  return json{{"screen", RectJson(s)},
              {"focusInHost", desktop.FocusIsInHost()},
              {"keyHook", {{"uses", desktop.KeyHookUses()}, {"active", desktop.KeyHookActive()}}},
              {"modal", modal},
              {"dialogs", dialogs}}
      .dump(indent);
}

}  // namespace platform::ui
