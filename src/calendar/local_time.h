#pragma once

#include <ctime>

namespace calendar {

// The local broken-down time of `secs`, thread-safe on every platform (localtime_r where
// POSIX has it, localtime_s on Windows). False when the system cannot convert it.
bool LocalTimeOf(std::time_t secs, std::tm& result);

} // namespace calendar
