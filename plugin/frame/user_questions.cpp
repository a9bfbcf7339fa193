#include "frame/user_questions.h"

#include "frame/host_file_path.h"
#include "frame/host_string.h"
#include "frame/suite_set.h"

namespace vx {
namespace {

// A host string of the text, or none for an empty text.
HostString Optional(std::string_view text) { return text.empty() ? HostString() : HostString(text); }

}  // namespace

ai::Code AskForText(std::string_view title, std::string_view prompt, std::string_view label,
                    std::string_view initial, int32_t maxLength, std::string& answer) {
  answer.clear();
  const HostString titleText = Optional(title), promptText(prompt), labelText = Optional(label),
                   initialText = Optional(initial);
  HostString typed;
  if (ai::Code code = suites::User().promptText(titleText.get(), promptText.get(), labelText.get(),
                                                initialText.get(), maxLength, typed.receive()))
    return code;
  answer = typed.Utf8();
  return ai::kNoError;
}

ai::Code AskYesNo(std::string_view question, bool* yes) {
  *yes = false;
  const HostString text(question);
  int32_t answer = 0;
  if (ai::Code code = suites::User().confirm(text.get(), &answer)) return code;
  *yes = answer != 0;
  return ai::kNoError;
}

ai::Code AskForFolder(std::string_view prompt, const std::string& start, std::string& folder) {
  folder.clear();
  const HostString text(prompt);
  HostFilePath startPath;
  if (!start.empty())
    if (ai::Code code = startPath.Make(start)) return code;
  HostFilePath chosen;
  if (ai::Code code = suites::User().chooseFolder(text.get(), startPath.get(), chosen.receive())) return code;
  return chosen.Text(folder);
}

}  // namespace vx
