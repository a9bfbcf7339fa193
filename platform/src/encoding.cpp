#include "platform/encoding.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace platform {
namespace {

// Length of the UTF-8 character starting with `lead`, 1 for a byte that cannot
// start one (it is skipped alone).
size_t Utf8Length(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
  if (lead >= 0xC2) return 2;
  return 1;
}

// Length of the code page 932 character starting with `lead`.
size_t Cp932Length(unsigned char lead) {
  return ((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC)) ? 2 : 1;
}

bool Convert(const char* to, const char* from, std::string_view text, std::string& out,
             size_t (*characterLength)(unsigned char)) {
  out.clear();
  iconv_t converter = ::iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return false;
  bool lossless = true;
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  char chunk[1024];
  while (inLeft > 0) {
    char* outPtr = chunk;
    size_t outLeft = sizeof chunk;
    size_t result = ::iconv(converter, &in, &inLeft, &outPtr, &outLeft);
    const int error = result == static_cast<size_t>(-1) ? errno : 0;
    out.append(chunk, static_cast<size_t>(outPtr - chunk));
    if (error == 0 || error == E2BIG) continue;
    lossless = false;
    if (error == EINVAL) break;  // an incomplete character at the end
    // EILSEQ: a sequence with no counterpart; put '?' in its place and go on.
    const size_t skip = std::min(inLeft, characterLength(static_cast<unsigned char>(*in)));
    in += skip;
    inLeft -= skip;
    out.push_back('?');
  }
  ::iconv_close(converter);
  return lossless;
}

}  // namespace

bool Cp932ToUtf8(std::string_view text, std::string& out) {
  return Convert("UTF-8", "CP932", text, out, Cp932Length);
}

bool Utf8ToCp932(std::string_view text, std::string& out) {
  return Convert("CP932", "UTF-8", text, out, Utf8Length);
}

}  // namespace platform
