// The main() of the widget suites: an offscreen application with the program's fonts.
#include "gdi/fonts.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    gdi::InstallFontSubstitutes();
    QApplication::setFont(gdi::DefaultFont());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
