// Suites about the application: runtime, documents, folders and file paths, and
// the annotator.
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "document/document.h"
#include "host.h"
#include "plugin_loader.h"
#include "suites/suite_tables.h"

namespace vxhost {
namespace {

constexpr int32_t kUserSettingsFolder = 16;
constexpr ai::Code kNoSuchFolder = ai::FourCC("FOLD");

ai::Code GetAppMajorVersion(int32_t* major) {
  if (major == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  *major = Host::Current().options().majorVersion;
  return ai::kNoError;
}

ai::Code GetCurrentDocument(ai::DocumentHandle* document) {
  if (document == nullptr) return ai::kBadParameter;
  *document = nullptr;
  VX_HOST_ENTER();
  Document* current = Host::Current().document();
  if (current == nullptr) return ai::kNoDocument;
  *document = reinterpret_cast<ai::DocumentHandle>(current);
  return ai::kNoError;
}

ai::Code GetColorModel(int16_t* model) {
  if (model == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  Document* current = Host::Current().document();
  if (current == nullptr) return ai::kNoDocument;
  *model = current->colorModel;
  return ai::kNoError;
}

ai::Code GetRulerUnits(int16_t* units) {
  if (units == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  Document* current = Host::Current().document();
  if (current == nullptr) return ai::kNoDocument;
  *units = current->rulerUnit;
  return ai::kNoError;
}

ai::Code Redraw() {
  VX_HOST_ENTER();
  return ai::kNoError;
}

// The user's settings folder: $XDG_CONFIG_HOME, or ~/.config.
std::filesystem::path UserSettingsFolder() {
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg == '/') return xdg;
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home != nullptr && *home != '\0' ? home : ".") / ".config";
}

ai::Code FindFolder(int32_t kind, int32_t create, ai::FilePathRef* path) {
  if (path == nullptr) return ai::kBadParameter;
  *path = nullptr;
  VX_HOST_ENTER();
  if (kind != kUserSettingsFolder) return kNoSuchFolder;
  const std::filesystem::path folder = UserSettingsFolder();
  if (create) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) return kNoSuchFolder;
  }
  *path = Host::Current().NewFilePath(folder.string());
  return ai::kNoError;
}

ai::Code FromPlatformPath(const char* utf8Path, ai::FilePathRef* path) {
  if (path == nullptr || utf8Path == nullptr) return ai::kBadParameter;
  *path = nullptr;
  VX_HOST_ENTER();
  *path = Host::Current().NewFilePath(utf8Path);
  return ai::kNoError;
}

ai::Code ToPlatformPath(ai::FilePathRef path, char* buffer, size_t bufferSize, size_t* length) {
  VX_HOST_ENTER();
  const std::string* text = Host::Current().FindFilePath(path);
  if (text == nullptr) return ai::kBadParameter;
  if (length != nullptr) *length = text->size();
  if (buffer == nullptr || bufferSize == 0) return ai::kNoError;
  if (text->size() + 1 > bufferSize) return ai::kBadParameter;
  std::memcpy(buffer, text->c_str(), text->size() + 1);
  return ai::kNoError;
}

ai::Code DisposeFilePath(ai::FilePathRef path) {
  VX_HOST_ENTER();
  return Host::Current().DisposeFilePath(path) ? ai::kNoError : ai::kBadParameter;
}

ai::Code AddAnnotator(ai::PluginRef plugin, const char* name, ai::AnnotatorHandle* annotator) {
  VX_HOST_ENTER();
  Host& host = Host::Current();
  LoadedPlugin* loaded = host.FindPlugin(plugin);
  if (loaded == nullptr || name == nullptr) return ai::kBadParameter;
  AnnotatorRecord* record = host.AddAnnotator(loaded, name);
  if (annotator != nullptr) *annotator = reinterpret_cast<ai::AnnotatorHandle>(record);
  return ai::kNoError;
}

ai::Code SetAnnotatorActive(ai::AnnotatorHandle annotator, int32_t active) {
  VX_HOST_ENTER();
  for (AnnotatorRecord* record : Host::Current().annotators()) {
    if (reinterpret_cast<ai::AnnotatorHandle>(record) != annotator) continue;
    record->active = active != 0;
    return ai::kNoError;
  }
  return ai::kBadParameter;
}

ai::Code InvalidateRect(const ai::ViewRect* rect) {
  if (rect == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  Host::Current().invalidatedRects().push_back(*rect);
  return ai::kNoError;
}

const ai::RuntimeSuite kRuntime = {GetAppMajorVersion};
const ai::DocumentSuite kDocument = {GetCurrentDocument, Redraw, GetColorModel, GetRulerUnits};
const ai::FoldersSuite kFolders = {FindFolder};
const ai::FilePathSuite kFilePath = {FromPlatformPath, ToPlatformPath, DisposeFilePath};
const ai::AnnotatorSuite kAnnotator = {AddAnnotator, SetAnnotatorActive, InvalidateRect};

}  // namespace

const ai::RuntimeSuite* RuntimeSuiteTable() { return &kRuntime; }
const ai::DocumentSuite* DocumentSuiteTable() { return &kDocument; }
const ai::FoldersSuite* FoldersSuiteTable() { return &kFolders; }
const ai::FilePathSuite* FilePathSuiteTable() { return &kFilePath; }
const ai::AnnotatorSuite* AnnotatorSuiteTable() { return &kAnnotator; }

}  // namespace vxhost
