#pragma once

#include <chrono>

namespace e2e {

using namespace std::chrono_literals;

// Upper bounds of the waits. Every wait polls and ends as soon as its
// condition holds, so a generous bound costs nothing when all goes well and
// leaves room for the slow sanitizer build.
inline constexpr std::chrono::milliseconds serverStartLimit = 15s;
inline constexpr std::chrono::milliseconds windowLimit = 30s;
inline constexpr std::chrono::milliseconds clipboardLimit = 10s;
inline constexpr std::chrono::milliseconds toolLimit = 10s;
inline constexpr std::chrono::milliseconds endLimit = 5s;
inline constexpr std::chrono::milliseconds pollInterval = 50ms;

// The pause a person leaves between two actions. Enter and Escape move the
// focus through a Tab the program queues for later; keys typed faster than
// the program runs its queue would land in the field being left. The build
// sets it (longer for the sanitizer build) through DMS2DD_E2E_PACE_MS.
std::chrono::milliseconds personPace();

} // namespace e2e
