// Entry point of the desktop tests: an X server and the window manager named on the
// command line (openbox or icewm), started for this program alone, a QApplication on
// them as the program makes it, and a home folder that is never the user's own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <iostream>
#include <memory>

#include "desktop/x_session.h"
#include "shell/application.h"
#include "support/temp_home.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no desktop.
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " [gtest options] openbox|icewm" << std::endl;
        return 2;
    }
    QTemporaryDir home;
    orv::test::UseHome(home.path());
    qputenv("QT_QPA_PLATFORM", "xcb");
    std::unique_ptr<orv::desktop::XSession> session;
    try {
        session = std::make_unique<orv::desktop::XSession>(argv[1]);
    } catch (const std::exception& e) {
        std::cerr << "No desktop to test on: " << e.what() << std::endl;
        return 1;
    }
    // Ended before the session: the application leaves the X server first.
    QApplication app(argc, argv);
    orv::SetApplicationIdentity();
    return RUN_ALL_TESTS();
}
