#pragma once

#include "calendar/date_time.h"

#include <ostream>
#include <string>
#include <vector>

namespace lunarcal {

// Exit statuses: 0 done, 1 the asked-for date does not exist, 2 bad input, 3 the output could
// not be written (a failed write or final flush: what was asked for is lost).
constexpr int kExitOk = 0;
constexpr int kExitNoDate = 1;
constexpr int kExitBadInput = 2;
constexpr int kExitOutputLost = 3;

// Runs the command line (without the program name); `today` is the date shown when none is
// given. Results go to out, which is flushed at the end; the one-line messages go to err.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        calendar::TDateTime today);

} // namespace lunarcal
