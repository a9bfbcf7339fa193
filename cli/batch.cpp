#include "batch.h"

#include <filesystem>
#include <map>
#include <ostream>
#include <sstream>

namespace vxcli {
namespace {

namespace fs = std::filesystem;

// A path to compare files by: the same file however it was named.
fs::path SameFileKey(const std::string& path) {
  std::error_code ignored;
  fs::path key = fs::weakly_canonical(fs::absolute(path, ignored), ignored);
  return key.empty() ? fs::path(path).lexically_normal() : key;
}

// The last line a step printed: its message when it failed.
std::string LastLine(const std::string& text) {
  std::string line;
  std::istringstream lines(text);
  for (std::string next; std::getline(lines, next);)
    if (!next.empty()) line = next;
  return line;
}

void Indented(const std::string& text, std::ostream& err) {
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);)
    if (!line.empty()) err << "  " << line << "\n";
}

}  // namespace

std::string BatchOutput(const std::string& folder, const std::string& input) {
  return (fs::path(folder) / fs::path(input).filename()).string();
}

int RunBatch(const std::vector<std::string>& inputs, const std::string& folder, bool quiet, const BatchStep& step,
             std::ostream& err) {
  if (inputs.empty()) {
    err << "vellumix4: name the files to process\n";
    return 2;
  }
  std::map<fs::path, std::string> inputKeys;
  for (const std::string& input : inputs) {
    if (input == "-") {
      err << "vellumix4: standard input cannot be one of several files; name the files\n";
      return 2;
    }
    inputKeys.emplace(SameFileKey(input), input);
  }
  std::map<fs::path, std::string> outputs;
  for (const std::string& input : inputs) {
    const fs::path key = SameFileKey(BatchOutput(folder, input));
    if (auto clash = inputKeys.find(key); clash != inputKeys.end()) {
      err << "vellumix4: -O " << folder << " would overwrite the input " << clash->second
          << "; choose another folder\n";
      return 2;
    }
    if (auto [at, added] = outputs.emplace(key, input); !added) {
      err << "vellumix4: " << at->second << " and " << input << " would both be written to " << key.string()
          << "; process them into different folders\n";
      return 2;
    }
  }
  std::error_code made;
  fs::create_directories(folder, made);
  if (made || !fs::is_directory(folder)) {
    err << "vellumix4: cannot make the folder " << folder << (made ? ": " + made.message() : "") << "\n";
    return 1;
  }

  std::vector<std::pair<std::string, std::string>> failed;  // input, message
  const size_t count = inputs.size();
  for (size_t i = 0; i < count; ++i) {
    const std::string& input = inputs[i];
    const std::string output = BatchOutput(folder, input);
    // Written under a name of its own, so a failure never leaves half a file
    // (or replaces an earlier good output) under the real name.
    const std::string partial =
        (fs::path(folder) / ("." + fs::path(input).filename().string() + ".vellumix4-part")).string();
    std::ostringstream said;
    int code = 1;
    try {
      code = step(input, partial, said);
    } catch (const std::exception& error) {
      said << "vellumix4: " << error.what() << "\n";
    }
    std::error_code ignored;
    if (code == 0) {
      fs::rename(partial, output, made);
      if (made) {
        said << "vellumix4: cannot write " << output << ": " << made.message() << "\n";
        code = 1;
      }
    }
    if (code != 0) fs::remove(partial, ignored);
    if (!quiet) {
      err << "vellumix4: [" << i + 1 << "/" << count << "] " << input << (code == 0 ? "" : ": failed") << "\n";
      Indented(said.str(), err);
    }
    if (code == 2) {
      if (quiet) err << said.str();
      err << "vellumix4: stopped: the same mistake would fail every file\n";
      return 2;
    }
    if (code != 0) failed.emplace_back(input, LastLine(said.str()));
  }
  if (!quiet || !failed.empty())
    err << "vellumix4: " << count - failed.size() << " of " << count << " file" << (count == 1 ? "" : "s")
        << " written to " << folder << "\n";
  for (const auto& [input, message] : failed) err << "  failed: " << input << ": " << message << "\n";
  return failed.empty() ? 0 : 1;
}

}  // namespace vxcli
