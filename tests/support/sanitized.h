// Whether the tests run under the address sanitizer, where every program they
// start runs several times slower: tests that start hundreds of programs take
// a sample there and the whole set in the plain build.
#pragma once

namespace vxtest {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kSanitized = true;
#else
inline constexpr bool kSanitized = false;
#endif
#else
inline constexpr bool kSanitized = false;
#endif

}  // namespace vxtest
