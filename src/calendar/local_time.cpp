#include "calendar/local_time.h"

namespace calendar {

bool LocalTimeOf(std::time_t secs, std::tm& result) {
#ifdef _WIN32
    // The C11 Annex K order of arguments, not POSIX's; 0 is success.
    return localtime_s(&result, &secs) == 0;
#else
    return localtime_r(&secs, &result) != nullptr;
#endif
}

} // namespace calendar
