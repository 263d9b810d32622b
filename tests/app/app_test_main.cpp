#include "app/babyname_application.h"
#include "app/font_substitutes.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // The suites draw offscreen wherever they run, also when ctest lists them.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    InstallFontSubstitutes();
    return RUN_ALL_TESTS();
}
