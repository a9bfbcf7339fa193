// The messages the user sees for result codes, and the two ways of showing them:
// the coded error report (message, line break, the code) and the plain message
// alert with a fixed text.
#pragma once

#include <string>

#include "frame/host/codes.h"

namespace vx {

// Result codes that have a message of their own.
namespace codes {
constexpr ai::Code kTooManySegments = ai::FourCC("SEGM");
constexpr ai::Code kLayerLockedOrHidden = ai::FourCC("NESS");
constexpr ai::Code kNoPathSelected = ai::FourCC("!sel");
constexpr ai::Code kEndOfFile = ai::FourCC("!eOF");
constexpr ai::Code kCantOpenFile = ai::FourCC("!oPn");
constexpr ai::Code kOverflow = ai::FourCC("!oVf");
constexpr ai::Code kNotSameLayer = ai::FourCC("sPsL");
constexpr ai::Code kPathsOnly = ai::FourCC("spPo");
constexpr ai::Code kPartOfGroup = ai::FourCC("OpGs");
constexpr ai::Code kIntervalTooSmall = ai::FourCC("tSgp");
constexpr ai::Code kNothingToImport = ai::FourCC("!imP");
constexpr ai::Code kNothingToExport = ai::FourCC("!exP");
constexpr ai::Code kSameFile = ai::FourCC("spSt");
constexpr ai::Code kTextPathWhole = ai::FourCC("fLtP");
constexpr ai::Code kContainsTextPath = ai::FourCC("iNtP");
constexpr ai::Code kGroupHasLockedArt = ai::FourCC("iUnT");
constexpr ai::Code kSuiteAcquireFailed = ai::FourCC("AqsF");
constexpr ai::Code kUnprocessableArt = ai::FourCC("ELIO");
constexpr ai::Code kNeedsExpanding = ai::FourCC("UnEx");
constexpr ai::Code kUnknown = ai::FourCC("????");
constexpr ai::Code kMemoryFull = 271;
}  // namespace codes

// The message for a code, or the fallback text when the code has none.
const char* MessageForCode(ai::Code code);

// The full text of the coded report: message, "\n", then the code rendered as four
// characters, or as a number when it is a small positive or negative value.
std::string ErrorReportText(ai::Code code);

// Shows the coded report in the host's error alert. Nothing for 0 and 'STOP'.
// Raises ai::Error when the text cannot be made into a host string.
void ShowErrorCode(ai::Code code);

// Shows a fixed text in the host's message alert.
void ShowMessageAlert(const char* utf8Text);

}  // namespace vx
