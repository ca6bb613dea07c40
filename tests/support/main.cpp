// Test entry point: a headless QApplication named as the program names itself, US
// conventions, and a home folder that is never the user's own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

#include "shell/application.h"
#include "support/temp_home.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    orv::test::UseHome(home.path());
    QApplication app(argc, argv);
    orv::SetApplicationIdentity();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
