#include "presets/preset_file_format.h"

namespace vx {
namespace {

constexpr std::string_view kMarker = "$\t";

bool StartsWith(std::string_view text, size_t at, std::string_view prefix) {
  return text.size() - at >= prefix.size() && text.compare(at, prefix.size(), prefix) == 0;
}

bool EndsHeaderText(std::string_view bytes, size_t at) {
  return at == bytes.size() || bytes[at] == '\t' || bytes[at] == '\r' || bytes[at] == '\n';
}

// The line starting at `at`, without its line break.
std::string_view LineAt(std::string_view bytes, size_t at) {
  size_t end = bytes.find('\n', at);
  std::string_view line = bytes.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

}  // namespace

std::string PresetHeaderLine(std::string_view fileName) {
  std::string line(kPresetHeader);
  line += '\t';
  line += fileName;
  line += "\r\n";
  return line;
}

int PresetEncodingOf(std::string_view bytes) {
  const size_t start = StartsWith(bytes, 0, kUtf8Bom) ? kUtf8Bom.size() : 0;
  if (StartsWith(bytes, start, kPresetHeader) && EndsHeaderText(bytes, start + kPresetHeader.size()))
    return kPresetEncodingUtf8;
  if (StartsWith(bytes, start, kOlderPresetHeader) && EndsHeaderText(bytes, start + kOlderPresetHeader.size()))
    return kPresetEncodingPlatform;
  return kPresetEncodingInvalid;
}

std::string_view PresetFileLayout::Record(std::string_view bytes, size_t i) const {
  const size_t end = i + 1 < records.size() ? records[i + 1] : countedEnd;
  return bytes.substr(records[i], end - records[i]);
}

std::string_view PresetFileLayout::Head(std::string_view bytes) const {
  return bytes.substr(0, records.empty() ? bytes.size() : records.front());
}

PresetFileLayout ScanPresetFile(std::string_view bytes, size_t limit) {
  PresetFileLayout layout;
  layout.encoding = PresetEncodingOf(bytes);
  layout.countedEnd = bytes.size();
  if (!layout.valid()) return layout;
  layout.headerStart = StartsWith(bytes, 0, kUtf8Bom) ? kUtf8Bom.size() : 0;
  const size_t headerLength =
      layout.encoding == kPresetEncodingUtf8 ? kPresetHeader.size() : kOlderPresetHeader.size();
  const size_t afterHeader = layout.headerStart + headerLength;
  if (afterHeader < bytes.size() && bytes[afterHeader] == '\t')
    layout.headerName = LineAt(bytes, afterHeader + 1);

  // A marker counts only at the start of a line; the header line is never one.
  size_t from = afterHeader;
  for (;;) {
    size_t found = bytes.find("\n$\t", from);
    if (found == std::string_view::npos) break;
    const size_t marker = found + 1;
    if (layout.records.size() == limit) {
      layout.countedEnd = marker;
      break;
    }
    layout.records.push_back(marker);
    from = marker;
  }
  return layout;
}

std::string RecordName(std::string_view record) {
  std::string_view line = LineAt(record, 0);
  if (StartsWith(line, 0, kMarker)) line.remove_prefix(kMarker.size());
  std::string name;
  name.reserve(line.size());
  for (char c : line)
    if (c != '\t') name += c;
  return name;
}

size_t Utf8CompleteLength(std::string_view text) {
  // Look back over at most three continuation bytes for the lead byte of the
  // last character.
  size_t lead = text.size();
  for (size_t back = 0; back < 4 && lead > 0; ++back) {
    --lead;
    const unsigned char byte = static_cast<unsigned char>(text[lead]);
    if ((byte & 0xC0) != 0x80) {
      size_t need = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
      return text.size() - lead >= need ? text.size() : lead;
    }
  }
  return text.size();
}

std::string CutUtf8(std::string_view text, size_t limit) {
  if (text.size() > limit) text = text.substr(0, limit);
  return std::string(text.substr(0, Utf8CompleteLength(text)));
}

std::string NameForMarkerLine(std::string_view name) {
  std::string kept;
  kept.reserve(name.size());
  for (char c : name)
    if (c != '\r' && c != '\n') kept += c;
  return CutPresetName(kept);
}

}  // namespace vx
