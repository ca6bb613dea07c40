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

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " [gtest options] openbox|icewm" << std::endl;
        return 2;
    }
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    qputenv("XDG_CACHE_HOME", (home.path() + "/.cache").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/.local/share").toUtf8());
    qputenv("XDG_RUNTIME_DIR", home.path().toUtf8());
    qputenv("QT_QPA_PLATFORM", "xcb");
    std::unique_ptr<orv::desktop::XSession> session;
    try {
        session = std::make_unique<orv::desktop::XSession>(argv[1]);
    } catch (const std::exception& e) {
        std::cerr << "No desktop to test on: " << e.what() << std::endl;
        return 1;
    }
    int status = 0;
    {
        QApplication app(argc, argv);
        orv::SetApplicationIdentity();
        status = RUN_ALL_TESTS();
    }
    return status;
}
