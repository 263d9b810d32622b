#include "app/babyname_application.h"
#include "gdi/fonts.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // The suites draw offscreen wherever they run, also when ctest lists them.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    gdi::InstallFontSubstitutes();
    QApplication::setFont(gdi::DefaultFont());
    return RUN_ALL_TESTS();
}
