#include "shell/application.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <iostream>

#include "platform/activation.h"
#include "platform/dialogs.h"
#include "platform/fonts.h"
#include "shell/mdi_main.h"

namespace orv {
void SetApplicationIdentity() {
    QApplication::setApplicationName(QStringLiteral("Orvalen"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvalen.Orvalen"));
}

QIcon OrvalenIcon() {
    QIcon icon;
    // Every size the build put into the program's resources.
    for (const QFileInfo& file : QDir(QStringLiteral(":/icons")).entryInfoList(QDir::Files))
        icon.addFile(file.filePath());
    return icon;
}

Application::Application(const QString& appFolder)
    : folder_(QDir::fromNativeSeparators(appFolder)) {
    ActivationTracker::instance().setEnabled(true);
    // Every window takes the application's icon and fonts.
    QApplication::setWindowIcon(OrvalenIcon());
    UseOrvalenFonts();
    main_ = std::make_unique<MDIMain>(folder_);
    // Once the frame is built: the print plugins load on a worker thread, and the plugins
    // the frame loads for itself (the menu bar's images) must not wait for them.
    Backend().preparePrinters();
    main_->MDIForm_Load();
    main_->show();
}

Application::~Application() {
    // Tearing the windows down runs no handler.
    ActivationTracker::instance().setEnabled(false);
    main_.reset();
    ActivationTracker::instance().setEnabled(true);
}

QString ExecutableFolder() {
    return QDir::fromNativeSeparators(QApplication::applicationDirPath());
}

int RunOrvalen() {
    std::unique_ptr<Application> app;
    try {
        app = std::make_unique<Application>(ExecutableFolder());
    } catch (const StartupError& e) {
        std::cerr << "Orvalen cannot start: " << e.what() << std::endl;
        MsgBox(e.message(), MsgStyle::OkExclamation, QStringLiteral("Orvalen"));
        return 1;
    }
    QApplication::setQuitOnLastWindowClosed(false);
    const int status = QApplication::exec();
    app.reset();
    return status;
}

}  // namespace orv
