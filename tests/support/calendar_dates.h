#pragma once

#include "calendar/date_time.h"

#include <gtest/gtest.h>

namespace test_support {

// The date-time of a date the test knows to be valid; an invalid one fails the test.
inline calendar::TDateTime Date(int y, int m, int d) {
    calendar::TDateTime t = 0;
    EXPECT_TRUE(calendar::TryEncodeDate(y, m, d, t)) << y << "-" << m << "-" << d;
    return t;
}

} // namespace test_support
