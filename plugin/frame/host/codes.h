// Result codes that cross the host interface. Every call returns a 32-bit code,
// 0 for success. Most codes are four characters packed first-character-high
// ('!sel' is 0x2173656c); a few are small numbers such as -108.
#pragma once

#include <cstdint>

namespace ai {

using Code = int32_t;

constexpr Code FourCC(const char (&text)[5]) {
  return static_cast<Code>((static_cast<uint32_t>(static_cast<unsigned char>(text[0])) << 24) |
                           (static_cast<uint32_t>(static_cast<unsigned char>(text[1])) << 16) |
                           (static_cast<uint32_t>(static_cast<unsigned char>(text[2])) << 8) |
                           static_cast<uint32_t>(static_cast<unsigned char>(text[3])));
}

constexpr Code kNoError = 0;
constexpr Code kOutOfMemory = -108;

// Codes of the plug-in frame.
constexpr Code kUnhandledMessage = FourCC("!MSG");
constexpr Code kCantAllocate = FourCC("!MEM");
constexpr Code kCantHappen = FourCC("CANT");
constexpr Code kRegistrationFailed = FourCC("EPN ");
constexpr Code kPurgeFailed = FourCC("pFls");

// Codes the host answers with.
constexpr Code kSuiteNotFound = FourCC("S!Fd");
constexpr Code kSuiteNotAcquired = FourCC("!Acq");
constexpr Code kNoDocument = FourCC("DOC?");
constexpr Code kTagNotFound = FourCC("TGNF");
constexpr Code kUserCanceled = FourCC("Cncl");
constexpr Code kBadParameter = FourCC("PARM");
constexpr Code kStop = FourCC("STOP");
constexpr Code kWrongArtKind = FourCC("KND?");   // the operation does not apply to this kind of art
constexpr Code kNotInDocument = FourCC("ART?");  // a handle that is not (or no longer) art of the document

}  // namespace ai
