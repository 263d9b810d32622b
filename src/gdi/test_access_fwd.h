#pragma once

// The tests' one way into a widget's private parts (tests/support/test_access.h). Each widget
// class names it as a friend; nothing in the program uses it.
struct TestAccess;
