#include "render/rsvg.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

extern char** environ;

namespace vxcli::render {

RenderResult RunRsvgConvert(const std::vector<std::string>& options, const std::string& svgPath,
                            const std::string& pngPath, bool fromStandardInput) {
  const std::string partial = pngPath + ".part";
  std::vector<std::string> arguments = {"rsvg-convert"};
  arguments.insert(arguments.end(), options.begin(), options.end());
  arguments.insert(arguments.end(), {"-o", partial});
  if (!fromStandardInput) arguments.push_back(svgPath);
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, fromStandardInput ? svgPath.c_str() : "/dev/null",
                                   O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  const int spawned = posix_spawnp(&child, "rsvg-convert", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return spawned == ENOENT ? RenderResult::kNoRenderer : RenderResult::kFailed;
  int status = 0;
  while (waitpid(child, &status, 0) < 0)
    if (errno != EINTR) return RenderResult::kFailed;
  std::error_code error;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::filesystem::remove(partial, error);
    return WIFEXITED(status) && WEXITSTATUS(status) == 127 ? RenderResult::kNoRenderer : RenderResult::kFailed;
  }
  std::filesystem::rename(partial, pngPath, error);
  if (error) {
    std::filesystem::remove(partial, error);
    return RenderResult::kFailed;
  }
  return RenderResult::kWritten;
}

}  // namespace vxcli::render
