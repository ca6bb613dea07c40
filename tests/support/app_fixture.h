#pragma once

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QTest>

#include "platform/dialogs.h"
#include "support/printers.h"

namespace orv::test {

// Lets queued window-system events (activation, focus) arrive.
inline void Settle(int rounds = 3) {
    for (int i = 0; i < rounds; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(1);
    }
}

// Installs a scripted backend for the test's lifetime.
class ScriptedPlatform {
  public:
    ScriptedPlatform() {
        auto b = std::make_unique<ScriptedBackend>();
        backend_ = b.get();
        previous_ = SetBackend(std::move(b));
    }
    ~ScriptedPlatform() { SetBackend(std::move(previous_)); }
    ScriptedBackend& operator*() { return *backend_; }
    ScriptedBackend* operator->() { return backend_; }

  private:
    ScriptedBackend* backend_;
    std::unique_ptr<PlatformBackend> previous_;
};

// Makes `w` the application's active window, as a user's click on it would.
inline void UserActivates(QWidget* w) {
    w->activateWindow();
    QApplication::setActiveWindow(w);
    Settle();
}

}  // namespace orv::test

#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "shell/application.h"
#include "shell/mdi_main.h"
#include "store/schema.h"

namespace orv::test {

// Places the template in `folder`, as the build places it beside the executable.
inline void PlaceTemplate(const QString& folder) {
    const QString target = folder + QStringLiteral("/VORN.mdb");
#ifdef ORVALEN_TEMPLATE_FILE
    QFile::copy(QStringLiteral(ORVALEN_TEMPLATE_FILE), target);
#else
    orv::schema::WriteTemplate(target);
#endif
}

// The whole application, started in-process as main() starts it, on a fresh temporary
// application folder and with a scripted platform backend.
class AppTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(tmp_.isValid());
        PlaceTemplate(folder());
        configure(*platform_);
        app_ = std::make_unique<Application>(folder());
        Settle();
    }
    void TearDown() override {
        app_.reset();
        Settle();
    }
    // Runs before start-up: declare printers and the like.
    virtual void configure(ScriptedBackend&) {}

    QString folder() const { return tmp_.path(); }
    QString path(const QString& name) const { return tmp_.path() + QLatin1Char('/') + name; }
    MDIMain& main() { return app_->main(); }
    ScriptedBackend& backend() { return *platform_; }
    // Runs a menu command by its item's name.
    void menu(const QString& name) {
        auto* action = main().findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name.toStdString();
        action->trigger();
        Settle();
    }
    template <class T>
    T* control(QWidget& window, const QString& name) {
        return window.findChild<T*>(name);
    }

    QTemporaryDir tmp_;
    ScriptedPlatform platform_;
    std::unique_ptr<Application> app_;
};

}  // namespace orv::test
