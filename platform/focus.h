// Focus rules of the input windows: a control's lost-focus handler runs when the focus
// moves to another control of the same window, and not on a switch to another window,
// on a list's popup or on a message box. The handler runs when the window's next control
// takes the focus, also when that happens on the user's return to the window.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace orv {

class FocusTracker : public QObject {
    Q_OBJECT
  public:
    static FocusTracker& instance();

    // Registers a control; its handlers run as above. Either may be empty.
    void watch(QWidget* control, std::function<void()> gotFocus, std::function<void()> lostFocus);

  private:
    FocusTracker();
    void onFocusChanged(QWidget* old, QWidget* now);
    QWidget* controlOf(QWidget* w) const;
};

}  // namespace orv
