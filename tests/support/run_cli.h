// Runs the built vellumix4 program as a person would from a shell.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace vxtest {

struct CommandRun {
  int status;          // exit code, -1 when the program did not exit normally
  std::string output;  // what it printed (stderr too unless redirected in `arguments`)
};

// `arguments` go through the shell as written.
inline CommandRun RunVellumix4(const std::string& arguments, bool withStderr = true) {
  CommandRun run{-1, {}};
  const std::string command = std::string(VX_CLI_PATH) + " " + arguments + (withStderr ? " 2>&1" : "");
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

}  // namespace vxtest
