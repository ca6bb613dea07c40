#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QTest>

#include "platform/dialogs.h"

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
