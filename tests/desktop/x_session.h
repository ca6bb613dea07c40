// A real X server (Xvfb) of the test's own, with a window manager, and what a user does
// through it: keys and clicks sent through the server (XTest), and what the server and the
// window manager say of a window (its frame, its hints, whether it is shown).
#pragma once

#include <sys/types.h>

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

// Xlib's own types, without its macros in every test.
struct _XDisplay;
using XDisplay = _XDisplay;
using XWindow = unsigned long;

namespace orv::desktop {

// Starts Xvfb on a free display and `manager` on it, and ends both when destroyed. Throws
// std::runtime_error naming the program that is missing, did not start or did not come up.
class XSession {
  public:
    explicit XSession(const std::string& manager);
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // ":N", for DISPLAY.
    const std::string& display() const { return display_; }
    const std::string& manager() const { return manager_; }
    // The test's own connection to the server, beside the application's.
    XDisplay* x() const { return x_; }
    QRect screen() const;

  private:
    void stop();
    std::string manager_;
    std::string display_;
    pid_t server_ = -1;
    pid_t wm_ = -1;
    XDisplay* x_ = nullptr;
};

// The session the test program runs under.
XSession& Session();

// Processes the application's events until `done` holds or `ms` have passed; whether it
// holds.
bool WaitFor(const std::function<bool()>& done, int ms = 5000);
// Processes the application's events for `ms`.
void Pause(int ms);

// Keys and clicks sent through the X server, as a keyboard and a mouse send them.
void PressKey(const char* keysymName);
void TypeText(const QString& text);
void ClickAt(QPoint screenPoint);

// The server's view of a client window.
bool Viewable(XWindow w);
// Where the client area of `w` stands on the screen.
QPoint ClientOrigin(XWindow w);
// The frame the window manager drew round `w`: its client area's place less the extents
// it gives in _NET_FRAME_EXTENTS; an empty rectangle before it gives them.
QRect FrameOf(XWindow w);
// The names of _NET_WM_ALLOWED_ACTIONS that the window manager gives `w`.
QStringList AllowedActions(XWindow w);
// _MOTIF_WM_HINTS of `w`: its functions and decorations, or -1 where not given.
struct MotifHints {
    long functions = -1;
    long decorations = -1;
};
MotifHints MotifHintsOf(XWindow w);
constexpr long kMotifFuncMaximize = 0x10;
constexpr long kMotifDecorMaximize = 0x40;

}  // namespace orv::desktop
