#include <filesystem>
#include <functional>

#include "frame/error_messages.h"
#include "presets/preset_store.h"
#include "support/preset_files.h"

namespace {

using vxtest::FileFaults;
using vxtest::PresetFileTest;

class PresetRewriteTest : public PresetFileTest {
 protected:
  std::string path = MakeFile({"p0", "p1", "p2", "p3", "p4"});

  std::vector<std::string> Listed() {
    vx::PresetNameList list;
    EXPECT_EQ(vx::ListPresetNames(path, list), ai::kNoError);
    std::vector<std::string> names;
    for (int i = 0; i < list.count(); ++i) names.emplace_back(list.name(i));
    return names;
  }
  std::string Record(int index) {
    std::string text;
    EXPECT_EQ(vx::ReadPresetRecord(path, index, text), ai::kNoError);
    return text;
  }
};

TEST_F(PresetRewriteTest, DeleteKeepsTheOthersInOrderAndNeverTheFirstTwo) {
  const std::string defaults = Record(-2), last = Record(-1), p1 = Record(1);
  ASSERT_EQ(vx::DeletePresetRecords(path, std::vector<int>{0, 2, -1, -2, 99}), ai::kNoError);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"p1", "p3", "p4"}));
  EXPECT_EQ(Record(-2), defaults);
  EXPECT_EQ(Record(-1), last);
  EXPECT_EQ(Record(0), p1) << "records move whole, fields and all";
  EXPECT_FALSE(std::filesystem::exists(path + "Tm"));
}

TEST_F(PresetRewriteTest, MoveShiftsThePresetsBetween) {
  ASSERT_EQ(vx::MovePresetRecord(path, 3, 0), ai::kNoError);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"p3", "p0", "p1", "p2", "p4"}));
  ASSERT_EQ(vx::MovePresetRecord(path, 0, 4), ai::kNoError);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"p0", "p1", "p2", "p4", "p3"}));

  const std::string before = Slurp(path);
  EXPECT_EQ(vx::MovePresetRecord(path, 2, 2), ai::kNoError);
  EXPECT_EQ(vx::MovePresetRecord(path, 5, 0), vx::codes::kEndOfFile);
  EXPECT_EQ(vx::MovePresetRecord(path, -1, 0), vx::codes::kEndOfFile);
  EXPECT_EQ(Slurp(path), before);
}

TEST_F(PresetRewriteTest, ReplaceWritesInPlace) {
  ASSERT_EQ(vx::ReplacePresetRecord(path, 2, "$\tnew\r\nA\t1.000000\r\n"), ai::kNoError);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"p0", "p1", "new", "p3", "p4"}));
  ASSERT_EQ(vx::ReplacePresetRecord(path, -1, "$\tLast Setting\r\nA\t9.000000\r\n"), ai::kNoError);
  EXPECT_EQ(Record(-1), "$\tLast Setting\r\nA\t9.000000\r\n");
  EXPECT_EQ(vx::ReplacePresetRecord(path, 5, "$\tx\r\n"), vx::codes::kEndOfFile) << "no such preset";
  EXPECT_EQ(Listed().size(), 5u);
}

TEST_F(PresetRewriteTest, TheByteOrderMarkAndHeaderAreCopied) {
  Put(path, "\xEF\xBB\xBF" + FileText({"a", "b"}));
  ASSERT_EQ(vx::MovePresetRecord(path, 1, 0), ai::kNoError);
  EXPECT_EQ(Slurp(path).substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_EQ(Listed(), (std::vector<std::string>{"b", "a"}));
}

TEST_F(PresetRewriteTest, ALastRecordWithoutLineBreakKeepsItsOwnMarkerWhenMoved) {
  Put(path, FileText({"a", "b"}) + "$\tc\r\nA\t1");
  ASSERT_EQ(vx::MovePresetRecord(path, 2, 0), ai::kNoError);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"c", "a", "b"}));
}

TEST_F(PresetRewriteTest, AStaleTmFileIsDeletedAndTheRenameRetried) {
  Put(path + "Tm", "left over from a crash");
  ASSERT_EQ(vx::DeletePresetRecords(path, std::vector<int>{4}), ai::kNoError);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"p0", "p1", "p2", "p3"}));
  EXPECT_FALSE(std::filesystem::exists(path + "Tm"));
}

TEST_F(PresetRewriteTest, InvalidOrMissingFilesAreNotTouched) {
  Put(path, "not a preset file\r\n$\tx\r\n");
  EXPECT_EQ(vx::DeletePresetRecords(path, std::vector<int>{0}), vx::kPresetFileError);
  EXPECT_EQ(vx::MovePresetRecord(path, 0, 0), vx::kPresetFileError);
  EXPECT_EQ(Slurp(path), "not a preset file\r\n$\tx\r\n");
  EXPECT_EQ(vx::ReplacePresetRecord(folder + "none.txt", 0, "$\tx\r\n"), vx::codes::kCantOpenFile);
}

// Fails every file step of a rewrite in turn, then checks that the preset file
// is exactly what it was and no "Tm" file is left.
class RewriteFaultSweep : public PresetRewriteTest,
                          public ::testing::WithParamInterface<const char*> {
 protected:
  ai::Code Run() {
    const std::string name = GetParam();
    if (name == "replace") return vx::ReplacePresetRecord(path, 1, "$\tnew\r\nA\t1.000000\r\n");
    if (name == "replace-last") return vx::ReplacePresetRecord(path, -1, "$\tLast Setting\r\n");
    if (name == "delete") return vx::DeletePresetRecords(path, std::vector<int>{0, 3});
    if (name == "move") return vx::MovePresetRecord(path, 4, 1);
    return ai::kBadParameter;
  }
};

TEST_P(RewriteFaultSweep, NothingIsLostAtAnyStep) {
  const std::string original = Slurp(path);
  FileFaults faults;
  ASSERT_EQ(Run(), ai::kNoError);
  const std::string changed = Slurp(path);
  const int64_t steps = faults.calls();
  using Op = platform::FileOperation;
  for (Op op : {Op::kCreate, Op::kWrite, Op::kRename, Op::kDelete})
    EXPECT_NE(std::count(faults.seen.begin(), faults.seen.end(), op), 0) << "the sweep covers each kind of step";

  for (int64_t n = 1; n <= steps; ++n) {
    Put(path, original);
    faults.Reset();
    faults.FailNth(n);
    const ai::Code code = Run();
    ASSERT_TRUE(faults.fired()) << "step " << n;
    if (n == 1) {
      // The first rename is retried after clearing the way, so it recovers.
      EXPECT_EQ(code, ai::kNoError);
      EXPECT_EQ(Slurp(path), changed);
    } else {
      EXPECT_EQ(code, vx::kPresetFileError) << "step " << n;
      EXPECT_EQ(Slurp(path), original) << "step " << n;
    }
    EXPECT_FALSE(std::filesystem::exists(path + "Tm")) << "step " << n;
  }
}

INSTANTIATE_TEST_SUITE_P(PresetRewrite, RewriteFaultSweep,
                         ::testing::Values("replace", "replace-last", "delete", "move"),
                         [](const auto& info) {
                           std::string name = info.param;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

TEST_F(PresetRewriteTest, ASecondRenameFailureGivesUpWithTheFileInPlace) {
  const std::string original = Slurp(path);
  int64_t count = 0;
  struct Hook {
    static int Fail(void* context, platform::FileOperation operation, const char*) {
      return operation == platform::FileOperation::kRename && ++*static_cast<int64_t*>(context) <= 2 ? EACCES : 0;
    }
  };
  platform::SetFileFaultHook(&Hook::Fail, &count);
  EXPECT_EQ(vx::MovePresetRecord(path, 0, 1), vx::kPresetFileError);
  platform::SetFileFaultHook(nullptr, nullptr);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(Slurp(path), original);
}

}  // namespace
