// The window tests run without a display: the offscreen platform, the C locale, and the
// same application set-up (style, font, icon) as the program itself.

#include <QApplication>
#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>

#include "application.h"

int main(int argc, char* argv[])
{
    ::testing::InitGoogleTest(&argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Closing a test's window must not end the application for the tests that follow.
    QApplication::setQuitOnLastWindowClosed(false);
    // The application object sets the user's locale; the tests pin the C locale after it.
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale::c());
    lumetra::ui::setUpApplication(app);
    return RUN_ALL_TESTS();
}
