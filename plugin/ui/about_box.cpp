#include "ui/about_box.h"

#include "platform/ui/desktop.h"
#include "platform/ui/dialog.h"
#include "resources/resource_ids.h"

namespace vx {

int32_t ShowAboutBox() {
  const platform::ui::DialogTemplate* dialog = PluginResources().LoadDialog(kAboutTemplateId);
  if (dialog == nullptr) return -1;
  platform::ui::Dialog about;
  const int32_t result = about.RunModal(*dialog, platform::ui::Desktop::Current().HostWindow());
  return result;
}

}  // namespace vx
