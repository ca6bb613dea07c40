// The scripted backend stands in for message boxes, file dialogs and printers.
#include "platform/dialogs.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "support/app_fixture.h"

using namespace orv;

namespace {

// The names a file dialog lists in its folder, once it has read the folder. Call it before
// events are processed after the folder was set, so that the read's end is not missed.
QStringList ListedFiles(QFileDialog& dialog) {
    auto* view = dialog.findChild<QListView*>("listView");
    auto* model = dialog.findChild<QFileSystemModel*>();
    if (!view || !model) return {};
    QSignalSpy loaded(model, &QFileSystemModel::directoryLoaded);
    auto folderRead = [&] {
        for (const QList<QVariant>& args : loaded)
            if (args.at(0).toString() == model->rootPath()) return true;
        return false;
    };
    while (!folderRead() && loaded.wait(5000)) {
    }
    QStringList names;
    const QModelIndex root = view->rootIndex();
    for (int r = 0; r < view->model()->rowCount(root); ++r)
        names << view->model()->index(r, 0, root).data().toString();
    names.sort();
    return names;
}

}  // namespace

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
}

// Each entry reads as its description alone and matches its patterns; "*.*" matches every
// file, also one whose name has no dot, as a Save may give it.
TEST(DialogsTest, FileDialogEntriesReadAsGivenAndListTheirFiles) {
    QTemporaryDir folder;
    for (const char* name : {"road7", "bridge.mdb", "notes.txt"}) {
        QFile f(folder.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const QStringList every = {"bridge.mdb", "notes.txt", "road7"};
    const QStringList projects = {"bridge.mdb"};
    struct Case {
        bool save;
        QString filter;
        QStringList entries;
    };
    const Case cases[] = {
        {false,
         "All Files (*.*)|*.*|VORN Files(*.mdb)|*.mdb",
         {"All Files (*.*)", "VORN Files(*.mdb)"}},
        {true,
         "All Files (*.*)|*.*|VORN Database Files(*.mdb)|*.mdb",
         {"All Files (*.*)", "VORN Database Files(*.mdb)"}},
    };
    for (const Case& c : cases) {
        for (int index : {1, 2}) {
            SCOPED_TRACE(c.entries.at(index - 1).toStdString());
            QFileDialog dialog;
            dialog.setDirectory(folder.path());
            PrepareFileDialog(dialog, c.save, c.filter, index, QString());
            auto* entries = dialog.findChild<QComboBox*>("fileTypeCombo");
            ASSERT_NE(entries, nullptr);
            QStringList shown;
            for (int i = 0; i < entries->count(); ++i) shown << entries->itemText(i);
            EXPECT_EQ(shown, c.entries);
            EXPECT_EQ(entries->currentIndex(), index - 1);
            EXPECT_EQ(ListedFiles(dialog), index == 1 ? every : projects);
        }
    }
}

TEST(DialogsTest, NameFiltersKeepEveryPattern) {
    EXPECT_EQ(
        QtNameFilters("Project Files (*.mdb)|*.mdb|All Files|*.*|Texts|*.txt;*.csv"),
        QStringList({"Project Files (*.mdb) (*.mdb)", "All Files (*)", "Texts (*.txt *.csv)"}));
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
