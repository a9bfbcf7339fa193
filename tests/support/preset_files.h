// Helpers for tests of preset files: a temporary settings folder per test, a
// small record of our own, file faults that fail the n-th write, rename or
// delete, and the check that no named block outlives an operation.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "presets/record_schema.h"
#include "support/in_process.h"

namespace vxtest {

// Counts file operations and fails the one asked for.
class FileFaults {
 public:
  FileFaults() { platform::SetFileFaultHook(&Hook, this); }
  ~FileFaults() { platform::SetFileFaultHook(nullptr, nullptr); }
  FileFaults(const FileFaults&) = delete;
  FileFaults& operator=(const FileFaults&) = delete;

  // Fails the n-th operation from now (1 is the next) with `error`.
  void FailNth(int64_t n, int error = EIO) {
    target_ = calls_ + n;
    error_ = error;
    fired_ = false;
  }
  void Reset() {
    calls_ = 0;
    target_ = -1;
    fired_ = false;
    seen.clear();
  }
  int64_t calls() const { return calls_; }
  bool fired() const { return fired_; }
  std::vector<platform::FileOperation> seen;

 private:
  static int Hook(void* context, platform::FileOperation operation, const char*) {
    auto* self = static_cast<FileFaults*>(context);
    self->seen.push_back(operation);
    if (++self->calls_ != self->target_) return 0;
    self->fired_ = true;
    return self->error_;
  }
  int64_t calls_ = 0;
  int64_t target_ = -1;
  int error_ = EIO;
  bool fired_ = false;
};

// A record of two fields, enough to carry a preset through a file.
struct SmallRecord {
  vx::RecordHead head;
  double amount;
  int32_t count;
};

inline const vx::RecordSpec& SmallRecordSpec() {
  static const vx::FieldSpec fields[] = {
      {"amount", "A", vx::FieldType::kReal, offsetof(SmallRecord, amount), 0.5, 0, 100, vx::Shown::kPercent, 0, 0},
      {"count", "B", vx::FieldType::kInt, offsetof(SmallRecord, count), 3, 0, 99, vx::Shown::kPlain, 0, 0},
  };
  static const vx::RecordSpec spec{"SmallRecord", "VELLUMiX4_PST_Small.txt", sizeof(SmallRecord), fields, 2, {}};
  return spec;
}

class PresetFileTest : public InProcessTest {
 protected:
  PresetFileTest() {
    char pattern[] = "/tmp/vx_presets_XXXXXX";
    folder = std::string(::mkdtemp(pattern)) + "/";
  }
  ~PresetFileTest() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
  void TearDown() override {
    EXPECT_EQ(host.blocks().LiveNames(), std::vector<std::string>{}) << "a named block outlived the operation";
  }

  static std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  static void Put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  // A preset file of `fileName` with the default, the last setting and one
  // user preset per name; each record carries its position in field A.
  static std::string FileText(const std::vector<std::string>& names, const std::string& fileName = "VELLUMiX4_PST_Small.txt",
                              const std::string& header = "VELLUMiX4 Preset File") {
    std::string text = header + "\t" + fileName + "\r\n";
    text += "$\tDefault Setting\r\nA\t0.500000\r\nB\t3\r\n";
    text += "$\tLast Setting\r\nA\t0.750000\r\nB\t4\r\n";
    for (size_t i = 0; i < names.size(); ++i)
      text += "$\t" + names[i] + "\r\nA\t" + std::to_string(10 + i) + ".000000\r\nB\t" + std::to_string(i) + "\r\n";
    return text;
  }
  std::string MakeFile(const std::vector<std::string>& names, const std::string& fileName = "VELLUMiX4_PST_Small.txt") {
    const std::string path = folder + fileName;
    Put(path, FileText(names, fileName));
    return path;
  }

  std::string folder;  // ends with '/'
};

}  // namespace vxtest
