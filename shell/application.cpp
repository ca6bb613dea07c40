#include "shell/application.h"

#include <QApplication>
#include <QDir>

#include "shell/mdi_main.h"

namespace orv {

Application::Application(const QString& appFolder)
    : folder_(QDir::fromNativeSeparators(appFolder)), main_(std::make_unique<MDIMain>()) {
    main_->show();
}

Application::~Application() = default;

QString ExecutableFolder() { return QDir::fromNativeSeparators(QApplication::applicationDirPath()); }

int RunOrvalen() {
    Application app(ExecutableFolder());
    QObject::connect(qApp, &QApplication::lastWindowClosed, qApp, &QApplication::quit);
    return QApplication::exec();
}

}  // namespace orv
