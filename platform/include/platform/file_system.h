// Files as the platform gives them: whole-file reads, writes that report every
// failure, renames that never replace, deletes and folders. Paths are UTF-8 with
// '/' between folders. Every failure is an errno number (0 is success), so a
// caller can show the system's own error number to the user.
//
// Tests and the substitute host can make any write, rename or delete fail by
// installing a fault hook.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// Reads a whole file into `bytes`. EFBIG when the file holds more than `limit`
// bytes (nothing is read then).
int ReadWholeFile(const std::string& path, std::string& bytes, size_t limit);

// Reads a whole file into `buffer`; the file must be smaller than `capacity`
// (EFBIG otherwise). `length` receives the bytes read.
int ReadFileInto(const std::string& path, void* buffer, size_t capacity, size_t* length);

// A file open for writing. Writes go straight to the system, so each Write and
// Close reports its own failure. Destroying an open writer closes it.
class FileWriter {
 public:
  FileWriter() = default;
  ~FileWriter();
  FileWriter(const FileWriter&) = delete;
  FileWriter& operator=(const FileWriter&) = delete;

  // Creates the file, or empties an existing one.
  int Create(const std::string& path);
  // Opens an existing file to add at its end; ENOENT when it is missing.
  int OpenForAppend(const std::string& path);
  int Write(std::string_view bytes);
  // Closes the file; a failure here means the data may not have been kept.
  int Close();
  bool isOpen() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
  std::string path_;
};

// Creates (or empties) a file and writes `bytes` into it.
int WriteNewFile(const std::string& path, std::string_view bytes);
// Adds `bytes` at the end of an existing file.
int AppendToFile(const std::string& path, std::string_view bytes);

// Renames a file. Without `replace` an existing file at `to` makes it fail with
// EEXIST, as the platform's own move does.
int RenameFile(const std::string& from, const std::string& to, bool replace = false);
int DeleteFile(const std::string& path);
// Makes a folder and every missing folder above it. 0 when it exists already;
// ENOTDIR when something that is not a folder stands in the way.
int MakeFolders(const std::string& path);
bool FileExists(const std::string& path);
// Whether two paths name the same file (by identity when both exist, else by
// their normal form).
bool SameFile(const std::string& a, const std::string& b);

// --- fault injection
enum class FileOperation {
  kCreate,      // opening a file for writing (create or append)
  kWrite,       // one Write
  kRename,
  kDelete,
  kMakeFolder,
};

// Called before each operation above. Returning an errno number makes the
// operation fail with it (nothing is done); 0 lets it go ahead.
using FileFaultHook = int (*)(void* context, FileOperation operation, const char* path);

// Installs the hook; a null hook removes it.
void SetFileFaultHook(FileFaultHook hook, void* context);

}  // namespace platform
