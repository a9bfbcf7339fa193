// Files and standard streams for the SVG reader and writer.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "svg/svg_io.h"

namespace vxhost::svg {
namespace {

[[noreturn]] void Fail(const std::string& path, const std::string& what, int error) {
  throw SvgError(path + ": " + what + ": " + std::strerror(error));
}

}  // namespace

std::string ReadFileText(const std::string& path) {
  if (path == "-") return std::string(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) Fail(path, "cannot read", EISDIR);
  std::ifstream in(path, std::ios::binary);
  if (!in) Fail(path, "cannot open", errno);
  std::ostringstream contents;
  contents << in.rdbuf();
  if (in.bad()) Fail(path, "cannot read", errno);
  return contents.str();
}

std::unique_ptr<Document> ReadSvgFile(const std::string& path, std::vector<std::string>* notes) {
  return ReadSvg(ReadFileText(path), path == "-" ? "<stdin>" : path, notes);
}

void WriteSvgFile(const Document& document, const std::string& path) {
  const std::string text = WriteSvg(document);
  if (path == "-") {
    std::cout << text << std::flush;
    if (!std::cout) throw SvgError("<stdout>: cannot write");
    return;
  }
  // A temporary file beside the target, renamed over it once complete.
  const std::filesystem::path target(path);
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = mkstemp(temporary.data());
  if (fd < 0) Fail(path, "cannot write", errno);
  size_t written = 0;
  while (written < text.size()) {
    const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      ::close(fd);
      ::unlink(temporary.c_str());
      Fail(path, "cannot write", error);
    }
    written += static_cast<size_t>(n);
  }
  // mkstemp makes the file private; give it the usual permissions.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  if (::close(fd) != 0 || std::rename(temporary.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    Fail(path, "cannot write", error);
  }
}

}  // namespace vxhost::svg
