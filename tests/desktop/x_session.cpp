#include "desktop/x_session.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <vector>

// After Qt's headers, which Xlib's macros would break.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace orv::desktop {
namespace {

XSession* current = nullptr;

// Whether `program` is on the PATH.
bool OnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        const std::string file = dirs.substr(start, end - start) + "/" + program;
        if (::access(file.c_str(), X_OK) == 0) return true;
        start = end + 1;
    }
    return false;
}

// Starts `argv`, which ends with the test program; `keepFd` stays open in it.
pid_t Start(const std::vector<std::string>& argv, int keepFd = -1) {
    if (!OnPath(argv[0])) {
        throw std::runtime_error(argv[0] + " is not installed (scripts/setup.sh installs it)");
    }
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid < 0) throw std::runtime_error("cannot start " + argv[0] + ": " + std::strerror(errno));
    if (pid == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent) ::_exit(1);
        if (keepFd >= 0) ::fcntl(keepFd, F_SETFD, 0);
        ::setpgid(0, 0);
        std::vector<char*> args;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        ::execvp(args[0], args.data());
        ::_exit(127);
    }
    return pid;
}

// Whether `pid` has ended; its status in `why`.
bool Ended(pid_t pid, std::string& why) {
    int status = 0;
    if (::waitpid(pid, &status, WNOHANG) != pid) return false;
    why = WIFEXITED(status) ? "exited with status " + std::to_string(WEXITSTATUS(status))
                            : "was killed by signal " + std::to_string(WTERMSIG(status));
    return true;
}

void End(pid_t pid) {
    if (pid <= 0) return;
    ::kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (::waitpid(pid, nullptr, WNOHANG) == pid) return;
        ::usleep(10000);
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

XWindow Root() { return DefaultRootWindow(Session().x()); }

Atom AtomOf(const char* name) { return XInternAtom(Session().x(), name, False); }

// A window's property of 32-bit items.
std::vector<unsigned long> Cardinals(XDisplay* x, XWindow w, Atom property) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> items;
    if (XGetWindowProperty(x, w, property, 0, 64, False, AnyPropertyType, &type, &format, &count,
                           &after, &data) == Success &&
        data && format == 32) {
        const auto* longs = reinterpret_cast<const unsigned long*>(data);
        items.assign(longs, longs + count);
    }
    if (data) XFree(data);
    return items;
}

// The window manager's check window, once it has set one up.
bool ManagerUp(XDisplay* x) {
    const Atom check = XInternAtom(x, "_NET_SUPPORTING_WM_CHECK", False);
    const auto onRoot = Cardinals(x, DefaultRootWindow(x), check);
    if (onRoot.empty()) return false;
    const auto onItself = Cardinals(x, onRoot[0], check);
    return !onItself.empty() && onItself[0] == onRoot[0];
}

// Xlib's default handler ends the program on a request for a window that is gone.
int IgnoreErrors(XDisplay*, XErrorEvent*) { return 0; }

void Send(XDisplay* x) {
    XSync(x, False);
    Pause(30);
}

}  // namespace

XSession::XSession(const std::string& manager) : manager_(manager) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    try {
        server_ = Start({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                         "1280x1024x24", "-nolisten", "tcp", "-noreset"},
                        fds[1]);
    } catch (...) {
        ::close(fds[0]);
        ::close(fds[1]);
        throw;
    }
    ::close(fds[1]);
    // Xvfb writes the display's number once it takes connections.
    std::string number;
    for (;;) {
        pollfd p{fds[0], POLLIN, 0};
        if (::poll(&p, 1, 10000) <= 0) break;
        char c;
        if (::read(fds[0], &c, 1) != 1 || c == '\n') break;
        number += c;
    }
    ::close(fds[0]);
    if (number.empty()) {
        std::string why = "did not come up in 10 s";
        Ended(server_, why);
        stop();
        throw std::runtime_error("Xvfb " + why);
    }
    display_ = ":" + number;
    x_ = XOpenDisplay(display_.c_str());
    if (!x_) {
        stop();
        throw std::runtime_error("cannot connect to Xvfb on " + display_);
    }
    XSetErrorHandler(IgnoreErrors);
    ::setenv("DISPLAY", display_.c_str(), 1);
    try {
        wm_ = Start({manager_});
    } catch (...) {
        stop();
        throw;
    }
    QElapsedTimer clock;
    clock.start();
    while (!ManagerUp(x_)) {
        std::string why;
        if (Ended(wm_, why)) {
            wm_ = -1;
            stop();
            throw std::runtime_error(manager_ + " " + why + " on " + display_);
        }
        if (clock.elapsed() > 10000) {
            stop();
            throw std::runtime_error(manager_ + " did not take the screen in 10 s");
        }
        ::usleep(10000);
    }
    current = this;
}

XSession::~XSession() {
    if (current == this) current = nullptr;
    stop();
}

void XSession::stop() {
    if (x_) XCloseDisplay(x_);
    x_ = nullptr;
    End(wm_);
    wm_ = -1;
    End(server_);
    server_ = -1;
}

QRect XSession::screen() const {
    return QRect(0, 0, DisplayWidth(x_, DefaultScreen(x_)), DisplayHeight(x_, DefaultScreen(x_)));
}

XSession& Session() {
    if (!current) throw std::logic_error("no X session");
    return *current;
}

bool WaitFor(const std::function<bool()>& done, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) return false;
        QCoreApplication::processEvents();
        QTest::qWait(5);
    }
    return true;
}

void Pause(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents();
        QTest::qWait(5);
    }
}

namespace {

void Key(KeySym sym) {
    XDisplay* x = Session().x();
    const KeyCode code = XKeysymToKeycode(x, sym);
    if (code == 0) throw std::runtime_error("no key gives keysym " + std::to_string(sym));
    // A keysym on the key's second level needs Shift.
    const bool shift = XkbKeycodeToKeysym(x, code, 0, 0) != sym;
    const KeyCode shiftCode = XKeysymToKeycode(x, XK_Shift_L);
    if (shift) XTestFakeKeyEvent(x, shiftCode, True, CurrentTime);
    XTestFakeKeyEvent(x, code, True, CurrentTime);
    XTestFakeKeyEvent(x, code, False, CurrentTime);
    if (shift) XTestFakeKeyEvent(x, shiftCode, False, CurrentTime);
    Send(x);
}

}  // namespace

void PressKey(const char* keysymName) {
    const KeySym sym = XStringToKeysym(keysymName);
    if (sym == NoSymbol) throw std::runtime_error(std::string("no keysym ") + keysymName);
    Key(sym);
}

void TypeText(const QString& text) {
    // Latin-1 characters are their own keysyms.
    for (QChar c : text) Key(static_cast<KeySym>(c.unicode()));
}

void ClickAt(QPoint at) {
    XDisplay* x = Session().x();
    XTestFakeMotionEvent(x, -1, at.x(), at.y(), CurrentTime);
    Send(x);
    XTestFakeButtonEvent(x, 1, True, CurrentTime);
    Send(x);
    XTestFakeButtonEvent(x, 1, False, CurrentTime);
    Send(x);
}

bool Viewable(XWindow w) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(Session().x(), w, &a)) return false;
    return a.map_state == IsViewable;
}

QPoint ClientOrigin(XWindow w) {
    int left = 0, top = 0;
    ::Window child;
    XTranslateCoordinates(Session().x(), w, Root(), 0, 0, &left, &top, &child);
    return QPoint(left, top);
}

QRect FrameOf(XWindow w) {
    XDisplay* x = Session().x();
    const auto extents = Cardinals(x, w, AtomOf("_NET_FRAME_EXTENTS"));
    XWindowAttributes a;
    if (extents.size() != 4 || !XGetWindowAttributes(x, w, &a)) return {};
    const QPoint client = ClientOrigin(w);
    const int l = static_cast<int>(extents[0]), r = static_cast<int>(extents[1]);
    const int t = static_cast<int>(extents[2]), b = static_cast<int>(extents[3]);
    return QRect(client.x() - l, client.y() - t, a.width + l + r, a.height + t + b);
}

QStringList AllowedActions(XWindow w) {
    XDisplay* x = Session().x();
    QStringList names;
    for (unsigned long atom : Cardinals(x, w, AtomOf("_NET_WM_ALLOWED_ACTIONS"))) {
        if (char* name = XGetAtomName(x, atom)) {
            names << QString::fromLatin1(name);
            XFree(name);
        }
    }
    return names;
}

MotifHints MotifHintsOf(XWindow w) {
    const auto items = Cardinals(Session().x(), w, AtomOf("_MOTIF_WM_HINTS"));
    MotifHints hints;
    if (items.size() < 3) return hints;
    if (items[0] & 1) hints.functions = static_cast<long>(items[1]);
    if (items[0] & 2) hints.decorations = static_cast<long>(items[2]);
    return hints;
}

}  // namespace orv::desktop
