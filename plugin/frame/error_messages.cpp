#include "frame/error_messages.h"

#include <cstdio>
#include <cstring>

#include "frame/host_string.h"

namespace vx {
namespace {

struct CodeMessage {
  ai::Code code;
  const char* message;
};

constexpr const char kMemoryMessage[] = "十分なメモリがないので実行できません。";

// Searched from the top; the pair with code 0 ends it.
constexpr CodeMessage kMessages[] = {
    {ai::kOutOfMemory, kMemoryMessage},
    {codes::kMemoryFull, kMemoryMessage},
    {codes::kTooManySegments, "パスにアンカーポイントが多すぎて実行できません。"},
    {codes::kLayerLockedOrHidden, "レイヤーがロックされているか不可視になっているので実行できません。"},
    {codes::kNoPathSelected, "パスを選択してください。"},
    {codes::kEndOfFile, "ファイルの終りに達しています。"},
    {codes::kCantOpenFile, "ファイルをオープンできません。"},
    {codes::kOverflow,
     "計算途中でオーバーフローが発生しました。設定または選択オブジェクトの全体サイズを変更してみてください。"},
    {codes::kNotSameLayer, "同一レイヤーのパスを選択してください。"},
    {codes::kPathsOnly, "パスオブジェクトだけを選択してください。"},
    {codes::kPartOfGroup, "グループ（複合）パスの一部だけが選択されています。全体を選択してください。"},
    {codes::kIntervalTooSmall, "「間隔」の設定値が小さ過ぎます。"},
    {codes::kNothingToImport, "インポートできるファイルが見つかりませんでした。"},
    {codes::kNothingToExport, "エクスポートできるファイルが見つかりませんでした。"},
    {codes::kSameFile, "同一ファイル間ではインポート／エクスポートはできません。"},
    {codes::kTextPathWhole, "テキストパスの場合は、パスだけを部分選択してください。"},
    {codes::kContainsTextPath, "テキストパスを含んでいます。"},
    {codes::kGroupHasLockedArt, "グループの中にロックまたは非表示オブジェクトを含んでいます。"},
    {codes::kSuiteAcquireFailed, "Suite の獲得に失敗しました。"},
    {codes::kUnprocessableArt, "処理対象外のオブジェクトが含まれています。"},
    {ai::kNoDocument, "書類がありません。"},
    {codes::kNeedsExpanding,
     "基本アピアランス以外のパス（パスファインダによる複合シェイプを含む）は、分割・拡張されていなければなりません。"},
    {codes::kUnknown, "不明のエラーです。"},
    {0, nullptr},
};

constexpr const char kFallbackMessage[] = "その他のエラーです。";

// The report copies at most this many bytes of a message into its 256-byte buffer.
constexpr size_t kMessageLimit = 239;

// Cuts UTF-8 text at no more than `limit` bytes without splitting a character.
size_t Utf8CutLength(const char* text, size_t limit) {
  size_t length = std::strlen(text);
  if (length <= limit) return length;
  length = limit;
  while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
  return length;
}

std::string RenderCode(ai::Code code) {
  const uint32_t upper = static_cast<uint32_t>(code) >> 16;
  char text[16];
  if (upper == 0x0000 || upper == 0xFFFF) {
    std::snprintf(text, sizeof text, "%ld", static_cast<long>(code));
  } else {
    const uint32_t bits = static_cast<uint32_t>(code);
    text[0] = static_cast<char>(bits >> 24);
    text[1] = static_cast<char>(bits >> 16);
    text[2] = static_cast<char>(bits >> 8);
    text[3] = static_cast<char>(bits);
    text[4] = '\0';
  }
  return text;
}

}  // namespace

const char* MessageForCode(ai::Code code) {
  for (const CodeMessage* entry = kMessages; entry->code != 0; ++entry) {
    if (entry->code != code) continue;
    return (entry->message != nullptr && entry->message[0] != '\0') ? entry->message : kFallbackMessage;
  }
  return kFallbackMessage;
}

std::string ErrorReportText(ai::Code code) {
  const char* message = MessageForCode(code);
  std::string text(message, Utf8CutLength(message, kMessageLimit));
  text += "\n";
  text += RenderCode(code);
  return text;
}

void ShowErrorCode(ai::Code code) {
  if (code == ai::kNoError || code == ai::kStop) return;
  HostString text(ErrorReportText(code));
  suites::User().errorAlert(text.get());
}

void ShowMessageAlert(const char* utf8Text) {
  HostString text(utf8Text);
  suites::User().messageAlert(text.get());
}

}  // namespace vx
