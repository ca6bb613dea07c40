// Application-wide activation: runs a window's activation handler when it becomes the
// application's active window and the previous window's deactivation handler, once per
// change. A return from another application or from one of the program's own message
// boxes and dialogs runs none.
#pragma once

#include <QObject>
#include <QPointer>

#include "platform/form.h"

class QMdiArea;
class QMdiSubWindow;

namespace orv {

class ActivationTracker : public QObject {
    Q_OBJECT
  public:
    static ActivationTracker& instance();

    // The window a change of the system's activation last made active.
    Form* current() const { return current_; }

    // Program-driven activation (Show). Runs the handlers now, synchronously.
    void activate(Form* form);
    // A window hid: when it was the active one, it deactivates and none is active.
    void hidden(Form* form);
    // A window that never reached the screen: its asked-for activation will not come.
    void unseen(QWidget* window) {
        if (pending_ == window) pending_ = nullptr;
    }
    // A window is going away.
    void forget(Form* form);

    // An MDI frame whose active child stands for the frame when the frame is active.
    void watchMdiArea(QMdiArea* area);

    // A disabled tracker runs no handler (the application is ending).
    void setEnabled(bool on) { enabled_ = on; }

    // How many handler runs have happened (for tests of exactly-once).
    int changes() const { return changes_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    ActivationTracker();
    void switchTo(Form* form);
    void onWindowActivated(QWidget* window);
    void onSubWindowActivated(QMdiArea* area, QMdiSubWindow* sub);
    Form* formForWindow(QWidget* window) const;

    QPointer<Form> current_;
    // A window the program asked the window system to activate, whose activation event
    // has not come back yet. Events for other windows are stale until then.
    QPointer<QWidget> pending_;
    bool enabled_ = true;
    int changes_ = 0;
};

}  // namespace orv
