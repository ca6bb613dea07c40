// Starting the application: main() and the tests start it the same way.
#pragma once

#include <QIcon>
#include <QString>
#include <memory>

namespace orv {

class MDIMain;

class Application {
  public:
    // Starts on `appFolder`, the folder of the template (and of the working file when it
    // can be written), and shows the frame. Throws StartupError when start-up cannot go on.
    explicit Application(const QString& appFolder);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    const QString& folder() const { return folder_; }
    MDIMain& main() { return *main_; }

  private:
    QString folder_;
    std::unique_ptr<MDIMain> main_;
};

// Names the application and its desktop entry, before any window is built: the data
// folder follows from the name, and a desktop ties the windows to the menu entry by it.
void SetApplicationIdentity();

// Orvalen's own icon, at the sizes the desktop asks for.
QIcon OrvalenIcon();

// The executable's folder, with "/" as separator.
QString ExecutableFolder();

// Runs the application until it ends; the exit status. A start-up that cannot go on is
// told in a message box and on the standard error stream, and gives status 1.
int RunOrvalen();

}  // namespace orv
