// The user suite (alerts and questions answered by the scripted user) and the
// Unicode string suite.
#include <cstring>

#include "host.h"
#include "suites/suite_tables.h"
#include "unicode.h"

namespace vxhost {
namespace {

constexpr ai::Code kBadEncoding = ai::FourCC("UTF?");

std::string TextOf(ai::UnicodeStringRef ref) {
  const std::u16string* text = Host::Current().FindString(ref);
  return text != nullptr ? Utf16ToUtf8(*text) : std::string();
}

ai::Code ErrorAlert(ai::UnicodeStringRef text) {
  VX_HOST_ENTER();
  if (Host::Current().FindString(text) == nullptr) return ai::kBadParameter;
  Host::Current().log().AddAlert({Alert::Kind::kError, TextOf(text)});
  return ai::kNoError;
}

ai::Code MessageAlert(ai::UnicodeStringRef text) {
  VX_HOST_ENTER();
  if (Host::Current().FindString(text) == nullptr) return ai::kBadParameter;
  Host::Current().log().AddAlert({Alert::Kind::kMessage, TextOf(text)});
  return ai::kNoError;
}

ai::Code Confirm(ai::UnicodeStringRef text, int32_t* yes) {
  if (yes == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  Host& host = Host::Current();
  host.log().AddAlert({Alert::Kind::kConfirm, TextOf(text)});
  *yes = host.user().AnswerConfirmation() ? 1 : 0;
  return ai::kNoError;
}

ai::Code PromptText(ai::UnicodeStringRef title, ai::UnicodeStringRef prompt, ai::UnicodeStringRef label,
                    ai::UnicodeStringRef initial, int32_t maxLength, ai::UnicodeStringRef* answer) {
  if (answer == nullptr) return ai::kBadParameter;
  *answer = nullptr;
  VX_HOST_ENTER();
  Host& host = Host::Current();
  host.log().AddAlert({Alert::Kind::kPrompt, TextOf(prompt), TextOf(title), TextOf(label), TextOf(initial)});
  std::optional<std::string> typed = host.user().AnswerPrompt();
  if (!typed) return ai::kUserCanceled;
  std::optional<std::u16string> text = Utf8ToUtf16(*typed);
  if (!text) return kBadEncoding;
  if (maxLength >= 0 && text->size() > static_cast<size_t>(maxLength)) text->resize(static_cast<size_t>(maxLength));
  *answer = host.NewString(std::move(*text));
  return ai::kNoError;
}

ai::Code ChooseFolder(ai::UnicodeStringRef prompt, ai::FilePathRef start, ai::FilePathRef* chosen) {
  if (chosen == nullptr) return ai::kBadParameter;
  *chosen = nullptr;
  VX_HOST_ENTER();
  Host& host = Host::Current();
  const std::string* startPath = start != nullptr ? host.FindFilePath(start) : nullptr;
  if (start != nullptr && startPath == nullptr) return ai::kBadParameter;
  Alert alert{Alert::Kind::kFolder, TextOf(prompt)};
  if (startPath != nullptr) alert.initial = *startPath;
  host.log().AddAlert(std::move(alert));
  std::optional<std::string> folder = host.user().AnswerFolderChoice();
  if (!folder) return ai::kUserCanceled;
  *chosen = host.NewFilePath(std::move(*folder));
  return ai::kNoError;
}

ai::Code FromUtf8(const char* text, size_t length, ai::UnicodeStringRef* string) {
  if (string == nullptr || (text == nullptr && length != 0)) return ai::kBadParameter;
  *string = nullptr;
  VX_HOST_ENTER();
  std::optional<std::u16string> converted = Utf8ToUtf16(std::string_view(text != nullptr ? text : "", length));
  if (!converted) return kBadEncoding;
  *string = Host::Current().NewString(std::move(*converted));
  return ai::kNoError;
}

ai::Code ToUtf8(ai::UnicodeStringRef string, char* buffer, size_t bufferSize, size_t* length) {
  VX_HOST_ENTER();
  const std::u16string* text = Host::Current().FindString(string);
  if (text == nullptr) return ai::kBadParameter;
  const std::string utf8 = Utf16ToUtf8(*text);
  if (length != nullptr) *length = utf8.size();
  if (buffer == nullptr || bufferSize == 0) return ai::kNoError;
  const size_t copied = std::min(utf8.size(), bufferSize - 1);
  std::memcpy(buffer, utf8.data(), copied);
  buffer[copied] = '\0';
  return ai::kNoError;
}

ai::Code DisposeString(ai::UnicodeStringRef string) {
  VX_HOST_ENTER();
  return Host::Current().DisposeString(string) ? ai::kNoError : ai::kBadParameter;
}

const ai::UserSuite kUser = {ErrorAlert, MessageAlert, Confirm, PromptText, ChooseFolder};
const ai::UnicodeStringSuite kUnicodeString = {FromUtf8, ToUtf8, DisposeString};

}  // namespace

const ai::UserSuite* UserSuiteTable() { return &kUser; }
const ai::UnicodeStringSuite* UnicodeStringSuiteTable() { return &kUnicodeString; }

}  // namespace vxhost
