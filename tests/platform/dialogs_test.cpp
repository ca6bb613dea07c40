// The scripted backend stands in for message boxes, file dialogs and printers.
#include "platform/dialogs.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPainter>

#include "support/app_fixture.h"

using namespace orv;

TEST(DialogsTest, MessageBoxesAnswerAsScripted) {
    test::ScriptedPlatform platform;
    platform->answers = {MsgAnswer::No};
    EXPECT_EQ(MsgBox("Save?", MsgStyle::YesNoExclamation, "SAVE ??"), MsgAnswer::No);
    EXPECT_EQ(MsgBox("Again?", MsgStyle::YesNoExclamation, "SAVE ??"), MsgAnswer::Yes);
    EXPECT_EQ(MsgBox("Note", MsgStyle::Ok, "REMINDER"), MsgAnswer::Ok);
    ASSERT_EQ(platform->messages.size(), 3u);
    EXPECT_EQ(platform->messages[2].title, "REMINDER");
    EXPECT_EQ(platform->messages[2].style, MsgStyle::Ok);
}

TEST(DialogsTest, CommonDialogKeepsSettingsAndReportsCancel) {
    test::ScriptedPlatform platform;
    CommonDialog d;
    d.Filter = "Project Files (*.mdb)|*.mdb|All Files|*.*";
    d.FilterIndex = 1;
    platform->fileNames = {QString("/tmp/a.mdb"), std::nullopt};
    EXPECT_TRUE(d.ShowOpen());
    EXPECT_EQ(d.FileName, "/tmp/a.mdb");
    EXPECT_FALSE(d.ShowSave());
    EXPECT_EQ(d.FileName, "/tmp/a.mdb");
    EXPECT_EQ(platform->fileRequests.back().fileName, "/tmp/a.mdb");
    EXPECT_TRUE(platform->fileRequests.back().save);
    EXPECT_EQ(QtFilter(d.Filter), "Project Files (*.mdb) (*.mdb);;All Files (*.*)");
}

TEST(DialogsTest, PrintingIsCaptured) {
    test::ScriptedPlatform platform;
    platform->printers = {"Office"};
    EXPECT_EQ(Backend().installedPrinters(), QStringList{"Office"});
    QLabel label("Printed");
    label.resize(120, 40);
    PrintWindowImage(&label);
    Backend().printPages(2, [](QPainter& p, int page, const QRectF& r) {
        p.fillRect(r, page == 0 ? Qt::black : Qt::white);
    });
    ASSERT_EQ(platform->printed.size(), 3u);
    EXPECT_EQ(platform->printed[0].size(), QSize(120, 40));
    EXPECT_EQ(platform->printed[1].pixelColor(10, 10), QColor(Qt::black));
    EXPECT_EQ(platform->printJobs, 2);
}
