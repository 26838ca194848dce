#pragma once
// Whether this test runs in the checking tree, under AddressSanitizer: the programs it
// starts there are several times slower and larger, so figures of time or memory that
// hold for the real build are not asked of them.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitizedBuild = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitizedBuild = true;
#else
constexpr bool kSanitizedBuild = false;
#endif
#else
constexpr bool kSanitizedBuild = false;
#endif
